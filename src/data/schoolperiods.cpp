#include "schoolperiods.h"

#include "storedtext.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// A school year whose February has a 29th, in which every MonthDay of a valid
// period is a date.
constexpr int LeapSchoolYear = 2003;
const QDate LeapYearStart(LeapSchoolYear, 4, 1);

int gregorianYearOf(int month, int schoolYear)
{
    return month >= 4 ? schoolYear : schoolYear + 1;
}

// The day in the leap school year; invalid when no such day exists.
QDate referenceDate(MonthDay day)
{
    return QDate(gregorianYearOf(day.month, LeapSchoolYear), day.month, day.day);
}

qint64 position(MonthDay day)
{
    return LeapYearStart.daysTo(referenceDate(day));
}

QString quoted(const QString &name)
{
    return u'「' + name + u'」';
}

std::optional<QString> nameRefusal(const SchoolPeriod &period, int number)
{
    const QString name = period.name.trimmed();
    if (name.isEmpty())
        return u"%1番目の期間の名前を入力してください"_s.arg(number);
    if (name.size() > SchoolPeriodRules::MaximumNameLength)
        return u"期間の名前%1は%2文字までにしてください"_s.arg(quoted(name)).arg(SchoolPeriodRules::MaximumNameLength);
    if (const auto refused = StoredText::firstRefused(name))
        return u"期間の名前%1: "_s.arg(quoted(name)) + StoredText::refusalMessage(*refused);
    return std::nullopt;
}

std::optional<QString> daysRefusal(const SchoolPeriod &period)
{
    const QString name = quoted(period.name.trimmed());
    if (!referenceDate(period.first).isValid())
        return u"%1の始まりの日（%2）はありません"_s.arg(name, SchoolPeriodRules::dayText(period.first));
    if (!referenceDate(period.last).isValid())
        return u"%1の終わりの日（%2）はありません"_s.arg(name, SchoolPeriodRules::dayText(period.last));
    if (position(period.first) > position(period.last))
        return u"%1は始まり（%2）が終わり（%3）より後です"_s.arg(name, SchoolPeriodRules::dayText(period.first),
                                                                 SchoolPeriodRules::dayText(period.last));
    return std::nullopt;
}

std::optional<QString> orderRefusal(const QList<SchoolPeriod> &periods)
{
    const SchoolPeriod &first = periods.first();
    const SchoolPeriod &last = periods.last();
    if (first.first != MonthDay{4, 1})
        return u"最初の期間%1は4月1日から始めてください"_s.arg(quoted(first.name.trimmed()));
    for (qsizetype i = 1; i < periods.size(); ++i) {
        const SchoolPeriod &before = periods[i - 1];
        const QString name = quoted(periods[i].name.trimmed());
        if (before.last == MonthDay{3, 31})
            return u"%1が3月31日で終わるため、%2の入る日がありません"_s.arg(quoted(before.name.trimmed()), name);
        const QDate next = referenceDate(before.last).addDays(1);
        if (position(periods[i].first) != LeapYearStart.daysTo(next))
            return u"%1は%2の次の日（%3）から始めてください"_s.arg(
                name, quoted(before.name.trimmed()), SchoolPeriodRules::dayText({next.month(), next.day()}));
    }
    if (last.last != MonthDay{3, 31})
        return u"最後の期間%1は3月31日で終えてください"_s.arg(quoted(last.name.trimmed()));
    return std::nullopt;
}

} // namespace

SchoolPeriods SchoolPeriods::threeTerms()
{
    return {Scheme::ThreeTerms,
            {{u"１学期"_s, {4, 1}, {8, 31}}, {u"２学期"_s, {9, 1}, {12, 31}}, {u"３学期"_s, {1, 1}, {3, 31}}}};
}

SchoolPeriods SchoolPeriods::twoTerms(MonthDay firstEnds)
{
    const QDate next = referenceDate(firstEnds).addDays(1);
    const MonthDay secondStarts = next.isValid() ? MonthDay{next.month(), next.day()} : MonthDay{};
    return {Scheme::TwoTerms, {{u"前期"_s, {4, 1}, firstEnds}, {u"後期"_s, secondStarts, {3, 31}}}};
}

namespace SchoolPeriodRules {

std::optional<QString> refusal(const SchoolPeriods &periods)
{
    if (periods.periods.isEmpty())
        return u"期間がありません"_s;
    if (periods.periods.size() > MaximumPeriods)
        return u"期間は%1つまでです"_s.arg(MaximumPeriods);
    QSet<QString> names;
    for (qsizetype i = 0; i < periods.periods.size(); ++i) {
        const SchoolPeriod &period = periods.periods[i];
        if (auto refused = nameRefusal(period, int(i) + 1))
            return refused;
        if (names.contains(period.name.trimmed()))
            return u"期間の名前%1が二つあります"_s.arg(quoted(period.name.trimmed()));
        names.insert(period.name.trimmed());
        if (auto refused = daysRefusal(period))
            return refused;
    }
    return orderRefusal(periods.periods);
}

QString dayText(MonthDay day)
{
    return u"%1月%2日"_s.arg(day.month).arg(day.day);
}

std::optional<MonthDay> parseDay(const QString &text)
{
    static const QRegularExpression Day(u"^(\\d{1,2})(?:月|/)(\\d{1,2})日?$"_s);
    const QString typed = text.normalized(QString::NormalizationForm_KC).remove(u' ');
    const QRegularExpressionMatch match = Day.match(typed);
    if (!match.hasMatch())
        return std::nullopt;
    return MonthDay{match.captured(1).toInt(), match.captured(2).toInt()};
}

QDate firstDate(const SchoolPeriod &period, int schoolYear)
{
    const int year = gregorianYearOf(period.first.month, schoolYear);
    const QDate date(year, period.first.month, period.first.day);
    return date.isValid() ? date : QDate(year, period.first.month, 1).addMonths(1);
}

QDate lastDate(const SchoolPeriod &period, int schoolYear)
{
    const int year = gregorianYearOf(period.last.month, schoolYear);
    const QDate date(year, period.last.month, period.last.day);
    return date.isValid() ? date : QDate(year, period.last.month, 1).addMonths(1).addDays(-1);
}

} // namespace SchoolPeriodRules
