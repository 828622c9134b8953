#pragma once

#include "data/cp932.h"
#include "roster/rosterfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>

using namespace Qt::StringLiterals;

// Hand-made roster files as the roster program writes them: items of the
// types its format gives, 24 to a header, 265 to a pupil, with line breaks
// every few items (they carry no meaning).
struct RosterLine
{
    QString name;
    QString className;
    int sexCode = 0;
    int numberA = 0;
    QString selector;
    int numberB = 0;
};

struct RosterBuilder
{
    qint32 schoolCode = 1234;
    QString schoolName = u"ヴェルトラ小学校"_s;
    int marker = 100; // 10000 or more is what the program writes into shifted files
    QList<RosterLine> pupils;

    RosterBuilder &add(const QString &name, const QString &className, int sexCode = 0, int numberA = 0)
    {
        pupils.append({name, className, sexCode, numberA, {}, 0});
        return *this;
    }

    QByteArray plain() const
    {
        QByteArray bytes;
        int onLine = 0;
        auto item = [&](const QByteArray &value) {
            if (onLine > 0)
                bytes += ',';
            bytes += value;
            if (++onLine == 17) {
                bytes += "\r\n";
                onLine = 0;
            }
        };
        auto text = [&](const QString &value) { item('"' + Cp932::encode(value) + '"'); };
        auto number = [&](int value) { item(QByteArray::number(value)); };
        auto texts = [&](int count) {
            for (int i = 0; i < count; ++i)
                text(u"x"_s);
        };
        auto numbers = [&](int count) {
            for (int i = 0; i < count; ++i)
                number(7);
        };
        number(marker);
        number(schoolCode);
        text(schoolName);
        texts(5);
        numbers(2);
        texts(14);
        for (const RosterLine &pupil : pupils) {
            texts(3);
            number(pupil.numberA);
            text(pupil.selector);
            text({});
            number(pupil.numberB);
            texts(2);
            text(pupil.name);
            text({});
            number(pupil.sexCode);
            texts(27);
            text(pupil.className);
            texts(34);
            numbers(3);
            texts(32);
            for (int group = 0; group < 5; ++group)
                texts(9), numbers(2), texts(9), numbers(2);
            for (int group = 0; group < 2; ++group)
                texts(11), numbers(2);
            text({}), numbers(9), texts(10);
        }
        if (onLine > 0)
            bytes += "\r\n";
        return bytes;
    }

    QByteArray shifted() const
    {
        QByteArray bytes = plain();
        for (char &byte : bytes)
            byte = char(quint8(byte) + 1);
        return bytes;
    }
};

inline void writeRosterTestFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
