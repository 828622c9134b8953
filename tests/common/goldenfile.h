#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a small reference file in tests/data/golden.
inline QByteArray goldenFile(const QString &name)
{
    QFile file(QStringLiteral(VELTRA_TEST_DATA) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
