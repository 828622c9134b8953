#include "cellannouncement.h"

#include "data/markreasons.h"
#include "data/records.h"
#include "monthstatistics.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString dayCell(const RegisterMonth &month, const PupilRecord &pupil, int day)
{
    QStringList held;
    if (const QString mark = pupil.Marks[day].trimmed(); !mark.isEmpty())
        held.append(mark);
    if (!pupil.InKind.isEmpty() && pupil.InDay == day)
        held.append(pupil.InKind);
    if (!pupil.OutKind.isEmpty() && pupil.OutDay == day)
        held.append(pupil.OutKind);
    if (const MarkReason *reason = MarkReasons::find(pupil, day))
        held.append(u"理由 "_s + MarkReasons::describe(*reason));
    if (held.isEmpty())
        held.append(isDayOff(month, day + 1) ? u"休日"_s : u"記入なし"_s);
    return u"%1日 %2"_s.arg(day + 1).arg(held.join(u' '));
}

} // namespace

QString cellAnnouncement(const RegisterMonth &month, const SheetCursor &cursor, const SheetCursor::Bounds &bounds)
{
    const bool newRow = cursor.row >= month.PupilCount;
    const PupilRecord pupil = newRow ? PupilRecord{} : month.Pupils[cursor.row];
    const QString who = u"%1番 %2"_s.arg(cursor.row + 1).arg(newRow ? u"新しい児童"_s : pupil.Name.trimmed());
    const bool grades = bounds.leadingColumns == 4;
    const int nameColumn = grades ? 2 : 1;
    if (cursor.column >= bounds.leadingColumns)
        return who + u' ' + dayCell(month, pupil, cursor.column - bounds.leadingColumns);
    if (cursor.column == 0)
        return who;
    if (grades && cursor.column == 1)
        return who + u" 学年 "_s + (pupil.Grade > 0 ? QString::number(pupil.Grade) : QString());
    if (cursor.column == nameColumn)
        return who + u" 氏名"_s;
    return who + u" 性別 "_s + pupil.Sex.trimmed();
}
