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
    return ofDate(QDate(gregorianYear, month, 1));
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

QString yearText(int eraYear)
{
    return eraYear == 1 ? u"元"_s : QString::number(eraYear);
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
