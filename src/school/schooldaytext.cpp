#include "schooldaytext.h"

#include "calendar/era.h"
#include "data/marktable.h"

using namespace Qt::StringLiterals;

namespace SchoolDayText {

QString dayTitle(const QDate &date)
{
    const JapaneseEra::EraYear era = JapaneseEra::ofDate(date);
    const QStringView weekday = WeekdayNames[date.dayOfWeek() % 7 + 1];
    return u"%1%2年%3月%4日（%5）"_s.arg(era.era, JapaneseEra::yearText(era.year))
        .arg(date.month())
        .arg(date.day())
        .arg(weekday);
}

QString status(const SchoolDay &school, const ClassDay &day)
{
    switch (day.status) {
    case ClassDayStatus::Read:
        return school.overThreshold(day) ? ClosureMark : QString();
    case ClassDayStatus::Missing:
        return u"出席簿なし"_s;
    case ClassDayStatus::Unreadable:
        return u"読み込めません"_s;
    case ClassDayStatus::DayOff:
        break;
    }
    return u"休日"_s;
}

QString savedAt(const ClassDay &day, const QDate &date)
{
    if (!day.savedAt)
        return {};
    const QDateTime &saved = *day.savedAt;
    const QString time = saved.toString(u"H:mm"_s);
    if (saved.date() == date)
        return time;
    const QString format = saved.date().year() == date.year() ? u"M/d"_s : u"yyyy/M/d"_s;
    return saved.toString(format) + u' ' + time;
}

QString closureRate(const ClassDay &day)
{
    const std::optional<int> rate = day.isRead() ? closureRateTenths(day.counts) : std::nullopt;
    return rate ? tenthsText(*rate) : QString();
}

QString gradeLabel(int grade)
{
    return grade > 0 ? u"%1年"_s.arg(grade) : u"学年なし"_s;
}

QString categoryLine(const QList<CategoryCount> &counts)
{
    QString line;
    QString mark;
    for (const CategoryCount &count : counts) {
        if (count.mark != mark) {
            mark = count.mark;
            line += (line.isEmpty() ? QString() : u"　／　"_s) + mark + u"："_s;
        } else {
            line += u"　"_s;
        }
        line += u"%1 %2"_s.arg(count.category).arg(count.pupils);
    }
    return line;
}

} // namespace SchoolDayText
