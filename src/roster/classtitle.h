#pragma once

#include <QString>

#include <optional>

// A class's title is also the name of the folder that holds its month files,
// so it must be a name every file system takes as one plain folder.
namespace ClassTitle {

// Why `title` cannot name a class folder: empty, "." or "..", a character a
// folder name cannot hold (\ / : * ? " < > | and control characters), a blank
// or dot at either end, or a character that code page 932 lacks. Nothing when
// the title is safe.
std::optional<QString> unsafeReason(const QString &title);

// The message of the month and totals dialogs for a class of the list whose
// title is unsafe (a class list written by hand or by an older program).
QString refusalMessage(const QString &title, const QString &reason);

} // namespace ClassTitle
