#pragma once

#include "data/fileio.h"

#include <QList>
#include <QString>

// The roster program's file of one grade, <school year>_<grade>.STD: a header
// of 24 items, then pupil records of 265 items each, to the end of the file.
// Items are separated by commas or line ends; line breaks carry no meaning.
// Texts are in code page 932, between double quotes. A file is stored plain,
// or byte-shifted (every byte plus one, modulo 256), which its first item
// tells: read as a number it is above 20000 only in a shifted file.
namespace RosterFile {

inline constexpr int HeaderItems = 24;
inline constexpr int RecordItems = 265;
inline constexpr qint64 PlainMarkerLimit = 20000;

// "2004_3.STD" for grade 3 of the school year that begins in April 2004.
QString fileName(int schoolYear, int grade);

struct RosterPupil
{
    QString name;
    QString sex; // "男" or "女"
    qint16 rosterNo = 0;
    QString className;

    friend bool operator==(const RosterPupil &, const RosterPupil &) = default;
};

struct Roster
{
    bool shifted = false;
    qint32 schoolCode = 0;
    QString schoolName;
    QList<RosterPupil> pupils; // in file order

    friend bool operator==(const Roster &, const Roster &) = default;
};

// True when the first item, read as a number, is above PlainMarkerLimit.
bool isShifted(const QByteArray &bytes);
// Every byte minus one, 0 becoming 255: the plain form of a shifted file.
QByteArray unshift(const QByteArray &bytes);

// Reads a whole file, plain or shifted (unshifted in memory). On failure
// `roster` holds only `shifted` and the result names the record at fault.
LoadResult fromBytes(const QByteArray &bytes, Roster &roster);
LoadResult load(const QString &path, Roster &roster);

} // namespace RosterFile
