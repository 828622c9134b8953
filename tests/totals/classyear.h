#pragma once

#include "data/monthfile.h"
#include "totals/totals.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// A class folder of hand-made month files for the totals tests.
class ClassYear
{
public:
    QString folder() const { return m_dir.path(); }

    // Writes <year>_<month>.ROD with one pupil per entry of `pupils`, each
    // "NAME SEX [g=GRADE] [in=KIND@DAYINDEX] [out=KIND@DAYINDEX] [DAY:MARK …]"
    // (DAY 1-based), and `holidays` as "DAY:REASON …".
    void writeMonth(int year, int month, const QStringList &pupils, const QString &holidays = {},
                    bool monthOff = false) const
    {
        RegisterMonth data;
        data.MonthOffFlag = monthOff ? 1 : 0;
        for (const QString &item : holidays.split(u' ', Qt::SkipEmptyParts)) {
            HolidayEntry &entry = data.HolidayList[data.HolidayCount++];
            entry.Day = qint16(item.section(u':', 0, 0).toInt());
            entry.Reason = item.section(u':', 1);
        }
        for (const QString &layout : pupils)
            data.Pupils[data.PupilCount++] = pupil(layout);
        MonthFile::save(path(year, month), data);
    }

    void writeBytes(int year, int month, const QByteArray &bytes) const
    {
        QFile file(path(year, month));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QString path(int year, int month) const { return QDir(folder()).filePath(MonthFile::fileName(year, month)); }

private:
    static PupilRecord pupil(const QString &layout)
    {
        PupilRecord record;
        const QStringList parts = layout.split(u' ', Qt::SkipEmptyParts);
        record.Name = parts.value(0);
        record.Sex = parts.value(1);
        for (const QString &part : parts.mid(2)) {
            const QString value = part.section(u'=', 1);
            if (part.startsWith(u"g="))
                record.Grade = qint16(value.toInt());
            else if (part.startsWith(u"in="))
                record.InKind = value.section(u'@', 0, 0), record.InDay = qint16(value.section(u'@', 1).toInt());
            else if (part.startsWith(u"out="))
                record.OutKind = value.section(u'@', 0, 0), record.OutDay = qint16(value.section(u'@', 1).toInt());
            else
                record.Marks[part.section(u':', 0, 0).toInt() - 1] = part.section(u':', 1);
        }
        return record;
    }

    QTemporaryDir m_dir;
};

// "NAME:c0,c1,…,c10" per row, for comparing whole results.
inline QStringList rowTexts(const Totals &totals)
{
    QStringList texts;
    for (const TotalsRow &row : totals.rows) {
        QStringList counters;
        for (const int counter : row.Stat)
            counters.append(QString::number(counter));
        texts.append(row.Name + u':' + counters.join(u','));
    }
    return texts;
}
