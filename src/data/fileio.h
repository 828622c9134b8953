#pragma once

#include <QByteArray>
#include <QString>

// Outcome of reading one data file. `code` keeps the loaders' numeric results
// (1 read, −1 missing or unreadable, −2 a missing settings file); `failure`
// tells a missing file from one that exists but cannot be read, so that no
// caller ever mistakes a damaged file for an empty one and saves over it.
enum class LoadFailure { None, Missing, Unreadable };

struct LoadResult
{
    int code = 1;
    LoadFailure failure = LoadFailure::None;
    QString path;
    int line = 0; // 1-based line of the fault, 0 when unknown
    QString detail;

    bool ok() const { return failure == LoadFailure::None; }
    bool missing() const { return failure == LoadFailure::Missing; }
    bool unreadable() const { return failure == LoadFailure::Unreadable; }
    // "path" or "path:line: detail", for messages and logs of the command-line tool.
    QString describe() const;
};

struct SaveResult
{
    bool ok = true;
    QString path;
    QString error;
    bool deviceNotReady = false; // the folder's volume is absent or not mounted
};

// Data files are small; anything larger is not one of ours.
inline constexpr qint64 MaximumDataFileSize = 4 * 1024 * 1024;

enum class ReadOutcome { Read, Missing, Unreadable };

// Reads a whole data file, refusing anything above MaximumDataFileSize.
ReadOutcome readDataFile(const QString &path, QByteArray &bytes, QString &error);

// Writes through a temporary file and renames it over the old one, so a failed
// save leaves the previous file as it was.
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes);
