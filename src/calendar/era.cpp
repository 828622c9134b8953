#include "era.h"

#include <array>

using namespace Qt::StringLiterals;

namespace JapaneseEra {

namespace {

struct EraStart
{
    QStringView name;
    int year;
    int month;
    int day;

    QDate date() const { return {year, month, day}; }
};

// Newest last.
constexpr std::array<EraStart, 3> Eras{{
    {u"昭和", 1926, 12, 25},
    {u"平成", 1989, 1, 8},
    {u"令和", 2019, 5, 1},
}};

struct Span
{
    QDate first;
    QDate last; // invalid for the era in force
};

std::optional<Span> spanOf(QStringView era)
{
    for (auto start = Eras.begin(); start != Eras.end(); ++start) {
        if (start->name != era)
            continue;
        const auto next = start + 1;
        return Span{start->date(), next == Eras.end() ? QDate() : next->date().addDays(-1)};
    }
    return std::nullopt;
}

bool overlapsEra(QStringView era, const QDate &first, const QDate &last)
{
    const std::optional<Span> span = spanOf(era);
    return span && first.isValid() && last >= span->first && (!span->last.isValid() || first <= span->last);
}

QString dateText(const QDate &date)
{
    return QString::number(date.year()) + u"年"_s + QString::number(date.month()) + u"月"_s
           + QString::number(date.day()) + u"日"_s;
}

QString missingText(const QString &era, int eraYear, const QString &period)
{
    QString text = era + yearText(eraYear) + period + u"はありません"_s;
    const std::optional<Span> span = spanOf(era);
    if (!span)
        return text;
    // One sentence a line, so that a message box never wraps in the middle of a word.
    text += u"。\n"_s + era + u"は"_s + dateText(span->first) + u"から"_s;
    if (span->last.isValid())
        text += dateText(span->last) + u"まで"_s;
    return text + u"です"_s;
}

} // namespace

int daysInMonth(int gregorianYear, int month)
{
    const QDate first(gregorianYear, month, 1);
    return first.isValid() ? first.daysInMonth() : 0;
}

EraYear ofDate(const QDate &date)
{
    const EraStart *inForce = &Eras.front();
    for (const EraStart &era : Eras) {
        if (date >= era.date())
            inForce = &era;
    }
    return {inForce->name.toString(), date.year() - inForce->year + 1};
}

EraYear ofMonth(int gregorianYear, int month)
{
    const QDate first(gregorianYear, month, 1);
    return ofDate(first.addDays(first.daysInMonth() - 1));
}

EraYear ofSchoolYear(int gregorianYear)
{
    return ofDate(QDate(gregorianYear, 5, 1));
}

std::optional<int> gregorianYear(const QString &era, int eraYear)
{
    for (const EraStart &start : Eras) {
        if (start.name == era)
            return start.year + eraYear - 1;
    }
    return std::nullopt;
}

QStringList entryEras()
{
    QStringList names;
    for (const EraStart &era : Eras) {
        if (era.year > HeiseiOffset)
            names.append(era.name.toString());
    }
    return names;
}

bool monthLiesInEra(const QString &era, int gregorianYear, int month)
{
    const QDate first(gregorianYear, month, 1);
    return overlapsEra(era, first, first.addDays(first.daysInMonth() - 1));
}

bool schoolYearLiesInEra(const QString &era, int gregorianYear)
{
    return overlapsEra(era, QDate(gregorianYear, 4, 1), QDate(gregorianYear + 1, 3, 31));
}

QString missingMonthText(const QString &era, int eraYear, int month)
{
    return missingText(era, eraYear, u"年"_s + QString::number(month) + u"月"_s);
}

QString missingSchoolYearText(const QString &era, int eraYear)
{
    return missingText(era, eraYear, u"年度"_s);
}

QString yearText(int eraYear)
{
    return eraYear == 1 ? FirstYear : QString::number(eraYear);
}

QString monthTitle(int gregorianYear, int month)
{
    const EraYear era = ofMonth(gregorianYear, month);
    return era.era + yearText(era.year) + u"年"_s + QString::number(month) + u"月"_s;
}

QString schoolYearTitle(int gregorianYear)
{
    const EraYear era = ofSchoolYear(gregorianYear);
    return era.era + yearText(era.year) + u"年度"_s;
}

std::optional<int> parseYearInput(const QString &text, const QString &era)
{
    const QString digits = text.trimmed();
    if (digits == FirstYear)
        return gregorianYear(era, 1);
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int value = digits.toInt();
    if (digits.size() == 4)
        return value;
    return gregorianYear(era, value);
}

} // namespace JapaneseEra
