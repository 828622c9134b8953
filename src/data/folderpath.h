#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Paths are walked from the root one folder at a time, at most this many levels deep.
inline constexpr int MaximumFolderDepth = 30;

// `path` made absolute against `baseFolder` (the work folder) and cleaned.
QString absoluteFolderPath(const QString &baseFolder, const QString &path);

// The folders of an absolute path that do not exist yet, outermost first.
// nullopt when the path cannot become a folder: deeper than
// MaximumFolderDepth, or passing through something that is not a folder.
std::optional<QStringList> missingFolders(const QString &absolutePath);

// Creates the folders in order; false at the first that cannot be made.
bool createFolders(const QStringList &folders);
