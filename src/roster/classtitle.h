#pragma once

#include "data/records.h"

#include <QString>
#include <QStringList>

#include <optional>

// A class's title is also the name of the folder that holds its month files,
// so it must be a name every file system takes as one plain folder.
namespace ClassTitle {

// Why `title` cannot name a class folder: empty, "." or "..", a character no
// stored text may hold (StoredText) or no folder name (\ / : * ? " < > |), a
// blank or dot at either end, or the name of a Windows device (CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9, in any case and with any extension: the data
// folder may live on a Windows file server). Nothing when the title is safe.
std::optional<QString> unsafeReason(const QString &title);

// The message of the month and totals dialogs for a class of the list whose
// title is unsafe (a class list written by hand or by an older program).
QString refusalMessage(const QString &title, const QString &reason);

// The titles of the list's classes that can name a folder, trimmed, in list
// order; a refusal message for each other class is added to `refusals`.
QStringList folderTitles(const ClassList &list, QStringList &refusals);

// Whether two titles name one folder: blanks around them and the case do not
// count, as on a Windows file server.
bool sameFolder(const QString &title, const QString &other);

// The first title that two classes of the list share, so that both would keep
// their months in one folder; nothing when every class has a folder of its own.
std::optional<QString> sharedTitle(const ClassList &list);

// Names such a title.
QString sharedTitleMessage(const QString &title);

} // namespace ClassTitle
