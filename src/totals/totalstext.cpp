#include "totalstext.h"

#include "calendar/era.h"
#include "data/records.h"

#include <QDir>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace TotalsText {

namespace {

// Month numbers of the months read in the given way: "4 5 6月"; empty for none.
QString monthList(const Totals &totals, MonthReading reading)
{
    QStringList numbers;
    for (const TotalsMonth &month : totals.monthsRead(reading))
        numbers.append(QString::number(month.month));
    return numbers.isEmpty() ? QString() : numbers.join(u' ') + u"月"_s;
}

} // namespace

QString title(int schoolYear, const TotalsPeriod &period, const ClassEntry &classEntry)
{
    const QString what = isWholeYear(period, schoolYear) ? u"出席簿の年間集計 "_s : period.name + u" 出席簿の集計 "_s;
    return JapaneseEra::schoolYearTitle(schoolYear) + u' ' + what + className(classEntry);
}

QString periodLine(const TotalsPeriod &period)
{
    const auto day = [](const QDate &date) { return SchoolPeriodRules::dayText({date.month(), date.day()}); };
    return u"期間: "_s + day(period.first) + u'～' + day(period.last);
}

QString className(const ClassEntry &classEntry)
{
    switch (classEntry.Kind) {
    case MultiGradeClass:
        return QString::number(classEntry.Grade) + u'・' + QString::number(classEntry.Grade2) + u"学年"_s;
    case SpecialSupportClass:
        return classEntry.ClassName.trimmed() + u'(' + classEntry.Category.trimmed() + u')';
    default:
        return QString::number(classEntry.Grade) + u'年' + classEntry.ClassName.trimmed() + u'組';
    }
}

QString monthsLine(const Totals &totals)
{
    const QString read = monthList(totals, MonthReading::Read);
    QString line = u"集計した月: "_s + (read.isEmpty() ? u"なし"_s : read);
    if (const QString missing = monthList(totals, MonthReading::Missing); !missing.isEmpty())
        line += u"　ファイルのない月: "_s + missing;
    if (const QString unreadable = monthList(totals, MonthReading::Unreadable); !unreadable.isEmpty())
        line += u"　読めなかった月: "_s + unreadable;
    return line;
}

QString unreadableMessage(const Totals &totals)
{
    const QList<TotalsMonth> unreadable = totals.monthsRead(MonthReading::Unreadable);
    if (unreadable.isEmpty())
        return {};
    QString text = u"次のファイルが読めませんでした。この月を除いて集計しました"_s;
    for (const TotalsMonth &month : unreadable)
        text += u'\n' + QDir::toNativeSeparators(month.path);
    return text;
}

QString reasonsText(const Totals &totals)
{
    if (totals.reasons.isEmpty())
        return {};
    QString text = u"欠席理由別の日数"_s;
    for (const ReasonDays &reason : totals.reasons)
        text += u"\n%1　%2　%3日"_s.arg(reason.mark, reason.category).arg(reason.days);
    return text;
}

QString longAbsenceLine(const Totals &totals)
{
    return u"長期欠席（%1日以上）: %2名"_s.arg(LongAbsenceDays).arg(longAbsenceCount(totals));
}

} // namespace TotalsText
