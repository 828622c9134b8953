#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Paths are walked from the root one folder at a time, at most this many levels deep.
inline constexpr int MaximumFolderDepth = 30;

// `path` made absolute against `baseFolder` (the work folder) and cleaned.
// Backslashes separate folders, as in a ROLL.SEW written on Windows, except in
// a path of another computer's drive or server (isUnreachableVolumePath).
QString absoluteFolderPath(const QString &baseFolder, const QString &path);

// A drive ("C:\ROLL") or server ("\\server\share\ROLL") path that this
// computer does not have: a data folder set on another computer. Such a path is
// reported, never created as a folder of that name.
bool isUnreachableVolumePath(const QString &path);

// The folders of an absolute path that do not exist yet, outermost first.
// nullopt when the path cannot become a folder: deeper than
// MaximumFolderDepth, passing through something that is not a folder, or
// holding a name with a drive colon or a backslash.
std::optional<QStringList> missingFolders(const QString &absolutePath);

// Creates the folders in order; false at the first that cannot be made.
bool createFolders(const QStringList &folders);
