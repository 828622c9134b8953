#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Files for the command tests, in a temporary folder or among the golden files.

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString goldenPath(const QString &name)
{
    return QDir(QStringLiteral(VELTRA_TEST_DATA)).filePath(name);
}
