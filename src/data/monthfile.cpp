#include "monthfile.h"

#include "loadfile.h"
#include "recordio.h"

#include <QDir>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace MonthFile {

namespace {

// The counts are taken only when the whole header line has been read.
bool readHeader(RecordReader &reader, RegisterMonth &month)
{
    qint16 holidays = 0;
    qint16 pupils = 0;
    const bool ok = reader.nextLine(HeaderItems) && reader.number16(0, month.MonthOffFlag)
                    && reader.text(1, month.MonthOffText) && reader.number16(2, holidays) && reader.number16(3, pupils)
                    && reader.text(4, month.TeacherName);
    if (ok) {
        month.HolidayCount = holidays;
        month.PupilCount = pupils;
    }
    return ok;
}

bool readHoliday(RecordReader &reader, HolidayEntry &entry)
{
    return reader.nextLine(HolidayItems) && reader.number16(0, entry.Day) && reader.text(1, entry.Reason)
           && reader.text(2, entry.PrintText);
}

bool readPupil(RecordReader &reader, PupilRecord &pupil)
{
    if (!(reader.nextLine(PupilItems) && reader.text(0, pupil.Name) && reader.text(1, pupil.Sex)
          && reader.number16(2, pupil.RosterNo) && reader.number16(3, pupil.Grade) && reader.number16(4, pupil.InDay)
          && reader.text(5, pupil.InKind) && reader.number16(6, pupil.OutDay) && reader.text(7, pupil.OutKind)))
        return false;
    for (int d = 0; d < DaySlots; ++d) {
        if (!reader.text(13 + d, pupil.Marks[d]))
            return false;
    }
    return true;
}

} // namespace

QString fileName(int gregorianYear, int month)
{
    return u"%1_%2.ROD"_s.arg(gregorianYear).arg(month);
}

std::optional<std::pair<int, int>> yearAndMonthOf(const QString &fileName)
{
    static const QRegularExpression pattern(u"^(\\d{4})_(\\d{1,2})\\.ROD$"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    const int month = match.captured(2).toInt();
    if (!match.hasMatch() || month < 1 || month > 12)
        return std::nullopt;
    return std::pair(match.captured(1).toInt(), month);
}

LoadResult fromBytes(const QByteArray &bytes, RegisterMonth &month)
{
    month.reset();
    RecordReader reader(bytes);
    if (!readHeader(reader, month))
        return unreadableAt(reader);

    // The counts end at the lines actually read, so nothing later
    // walks past a table.
    const int holidays = month.HolidayCount;
    const int pupils = month.PupilCount;
    month.PupilCount = 0;
    if (auto failed = readSlots(reader, holidays, month.HolidayList, month.HolidayCount, readHoliday,
                                u"休日の行数 %1 が多すぎます"_s))
        return *failed;
    if (auto failed =
            readSlots(reader, pupils, month.Pupils, month.PupilCount, readPupil, u"児童生徒の行数 %1 が多すぎます"_s))
        return *failed;
    return {};
}

QByteArray toBytes(const RegisterMonth &month, QString *error)
{
    RecordWriter writer;
    writer.number(month.MonthOffFlag).text(month.MonthOffText).number(month.HolidayCount);
    writer.number(month.PupilCount).text(month.TeacherName).spares(2).endLine();
    for (int i = 0; i < month.HolidayCount && i < HolidaySlots; ++i) {
        const HolidayEntry &entry = month.HolidayList[i];
        writer.number(entry.Day).text(entry.Reason).text(entry.PrintText).spares(2).endLine();
    }
    for (int i = 0; i < month.PupilCount && i < PupilSlots; ++i) {
        const PupilRecord &pupil = month.Pupils[i];
        writer.text(pupil.Name).text(pupil.Sex).number(pupil.RosterNo).number(pupil.Grade);
        writer.number(pupil.InDay).text(pupil.InKind).number(pupil.OutDay).text(pupil.OutKind).spares(5);
        for (const QString &mark : pupil.Marks)
            writer.text(mark);
        writer.endLine();
    }
    return writer.result(error);
}

LoadResult load(const QString &path, RegisterMonth &month)
{
    month.reset();
    return loadDataFile(path, [&](const QByteArray &bytes) { return fromBytes(bytes, month); });
}

SaveResult save(const QString &path, const RegisterMonth &month)
{
    return saveDataFile(path, [&](QString *error) { return toBytes(month, error); });
}

} // namespace MonthFile
