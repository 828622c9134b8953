#include "markentry.h"

#include "data/marktable.h"
#include "monthstatistics.h"

using namespace Qt::StringLiterals;

EntryKind entryKindOf(int markCode)
{
    if (markCode == MarkCode::TransferIn || markCode == MarkCode::Admission)
        return EntryKind::Joining;
    if (markCode >= MarkCode::TransferOut && markCode <= 19)
        return EntryKind::Leaving;
    return EntryKind::DayMark;
}

namespace {

void toggleChange(QString &kind, qint16 &changeDay, int markCode, int day)
{
    if (!kind.isEmpty()) {
        kind.clear();
        changeDay = 0;
        return;
    }
    kind = MarkTable[markCode].toString();
    changeDay = qint16(day);
}

} // namespace

void applyEntry(PupilRecord &pupil, int markCode, int day)
{
    switch (entryKindOf(markCode)) {
    case EntryKind::Joining:
        toggleChange(pupil.InKind, pupil.InDay, markCode, day);
        return;
    case EntryKind::Leaving:
        toggleChange(pupil.OutKind, pupil.OutDay, markCode, day);
        return;
    case EntryKind::DayMark:
        break;
    }
    QString &mark = pupil.Marks[day];
    const QString current = mark.trimmed();
    if (current.isEmpty())
        mark = MarkTable[markCode].toString();
    else if (current == MarkTable[MarkCode::Late] && markCode == MarkCode::EarlyLeave)
        mark = MarkTable[MarkCode::LateAndEarlyLeave].toString();
    else
        mark.clear();
}

QString dayOffRefusal(const RegisterMonth &month, int row, int markCode, int day)
{
    if (entryKindOf(markCode) != EntryKind::DayMark || !isDayOff(month, day + 1))
        return {};
    PupilRecord changed = month.Pupils[row];
    applyEntry(changed, markCode, day);
    const QString mark = changed.Marks[day].trimmed();
    if (mark.isEmpty() || markCodeOf(mark) == MarkCode::HolidayAttendance)
        return {};
    return u"%1日は休日です。休日には「休日出席」だけを入力できます"_s.arg(day + 1);
}
