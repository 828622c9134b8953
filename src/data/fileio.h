#pragma once

#include <QByteArray>
#include <QString>

// Outcome of reading one data file. `failure` tells a missing file from one
// that exists but cannot be read, so that no caller ever mistakes a damaged
// file for an empty one and saves over it.
enum class LoadFailure { None, Missing, Unreadable };

struct LoadResult
{
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

// "データの保存に失敗しました", the file and why, for a window's message.
QString saveFailureMessage(const SaveResult &result);

// Data files are small; anything larger is not one of ours.
inline constexpr qint64 MaximumDataFileSize = qint64(4) * 1024 * 1024;

enum class ReadOutcome { Read, Missing, Unreadable };

// Reads a whole data file, refusing anything above MaximumDataFileSize.
ReadOutcome readDataFile(const QString &path, QByteArray &bytes, QString &error);

// What a write puts its bytes into. A data file of the register (a month,
// CLASS.CSD, ROLL.SEW, a recovery file) is only ever a regular file of its own:
// one that is a link or a device is refused, so a save never lands outside the
// data folder. An output the user names (a PDF, a CSV) may be reached through a
// link, but never lands on a device, a FIFO or a folder.
enum class WriteTarget { DataFile, UserOutput };

// The step of a write that a test makes fail.
enum class WriteFault { None, Write, Flush, Rename };

// Writes through a temporary file and renames it over the old one only when
// every byte reached the disk, so a failed save (a full disk above all) leaves
// the previous file byte for byte.
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes, WriteTarget target = WriteTarget::DataFile,
                               WriteFault fault = WriteFault::None);
