#pragma once

#include <QFileDevice>
#include <QString>

// Why a data file could not be written or read, in the user's words. Qt's own
// error texts are English and name the system call; these name the cause.

// What was found about a failed file operation.
struct FileFailure
{
    QFileDevice::FileError error = QFileDevice::UnspecifiedError;
    bool deviceNotReady = false; // the volume is absent or not mounted
    bool folderMissing = false;
    bool folderInTheWay = false; // a folder stands where the file should be
    bool notWritable = false;
    bool diskFull = false;
};

// Looks at the file system around `path` after `error`; `bytesToWrite` is 0 for reads.
FileFailure probeFileFailure(QFileDevice::FileError error, const QString &path, qint64 bytesToWrite = 0);

// "書き込みが許可されていません", "ディスクの空き容量が足りません", …
QString fileFailureText(const FileFailure &failure);
