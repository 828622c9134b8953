#include "commands.h"
#include "printtarget.h"
#include "totalsjson.h"

#include "data/periodsfile.h"
#include "roster/classtitle.h"
#include "totals/schooltotals.h"
#include "totals/totals.h"
#include "totals/totalscsv.h"
#include "totals/totalsprint.h"
#include "totals/totalstext.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

const QString TotalsUsage =
    u"使い方: veltra-cli totals (--folder CLASSFOLDER | --all-classes) --school-year Y\n"
    u"                          (--term 1..4 | --from YYYY-MM-DD --to YYYY-MM-DD) [--work-folder DIR]\n"
    u"                          [--csv OUT.csv] [--csv-layout totals|records] [--pdf OUT.pdf | --trace OUT.json]\n"
    u"  Y は年度の4月の西暦年、CLASSFOLDER はその年度の学級のフォルダー\n"
    u"  --all-classes は作業フォルダーの全学級を集計し、CSV には学級の列を先頭に付けます (PDF は不可)\n"
    u"  --term N は作業フォルダーの集計期間の N 番目 (3学期制なら 1～3、2学期制なら 1～2)、4 は１年間\n"
    u"  --from と --to はその年度の中の任意の期間 (両端の日を含む)\n"_s;

struct TotalsRequest
{
    QString folder;
    std::optional<int> schoolYear;
    std::optional<int> term; // 1..4 as typed
    std::optional<QDate> from;
    std::optional<QDate> to;
    QString csv;
    TotalsCsv::Layout layout = TotalsCsv::Layout::Totals;
    std::optional<PrintTarget> print;
    QString workFolder = u"."_s;
    bool allClasses = false;
};

std::optional<QDate> parseDate(const QString &text)
{
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

bool parseArguments(const QStringList &arguments, TotalsRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        if (option == u"--all-classes"_s) {
            request.allClasses = true;
            continue;
        }
        if (++i == arguments.size())
            return false;
        const QString &value = arguments[i];
        if (option == u"--folder"_s)
            request.folder = value;
        else if (option == u"--school-year"_s)
            request.schoolYear = parseNumber(value, 1989, 9998);
        else if (option == u"--term"_s)
            request.term = parseNumber(value, 1, TotalsTerm::Count);
        else if (option == u"--from"_s || option == u"--to"_s)
            (option == u"--from"_s ? request.from : request.to) = parseDate(value);
        else if (option == u"--csv"_s)
            request.csv = value;
        else if (option == u"--csv-layout"_s && (value == u"totals"_s || value == u"records"_s))
            request.layout = value == u"records"_s ? TotalsCsv::Layout::Records : TotalsCsv::Layout::Totals;
        else if ((option == u"--pdf"_s || option == u"--trace"_s) && !request.print)
            request.print =
                PrintTarget{option == u"--pdf"_s ? PrintTarget::Kind::Pdf : PrintTarget::Kind::Trace, value, {}};
        else if (option == u"--work-folder"_s)
            request.workFolder = value;
        else
            return false;
    }
    const bool oneWay = request.term ? !request.from && !request.to : request.from && request.to;
    const bool classes = request.allClasses ? request.folder.isEmpty() && !request.print : !request.folder.isEmpty();
    return classes && request.schoolYear && oneWay;
}

// The period asked for: the school's Nth period, the whole year, or the
// dates given (named as the school's period with those dates, if any).
std::variant<TotalsPeriod, QString> periodOf(const TotalsRequest &request, const SchoolPeriods &periods)
{
    const int schoolYear = *request.schoolYear;
    const QList<TotalsPeriod> offered = offeredPeriods(periods, schoolYear);
    const qsizetype schoolPeriods = offered.size() - 1;
    if (request.term) {
        if (*request.term == TotalsTerm::Count)
            return offered.last();
        if (*request.term <= schoolPeriods)
            return offered[*request.term - 1];
        return u"この学校の集計期間は%1つです (--term 1～%1、4 は１年間)"_s.arg(schoolPeriods);
    }
    const TotalsPeriod year = wholeYearPeriod(schoolYear);
    if (*request.from < year.first || *request.to > year.last || *request.from > *request.to)
        return u"--from と --to は %1 から %2 までの間で、--from を --to より後にしないでください"_s.arg(
            year.first.toString(Qt::ISODate), year.last.toString(Qt::ISODate));
    const auto sameDates = [&](const TotalsPeriod &period) {
        return period.first == *request.from && period.last == *request.to;
    };
    const auto named = std::find_if(offered.begin(), offered.end(), sameDates);
    if (named != offered.end())
        return *named;
    const auto day = [](const QDate &date) { return u"%1月%2日"_s.arg(date.month()).arg(date.day()); };
    return TotalsPeriod{day(*request.from) + u'～' + day(*request.to), *request.from, *request.to};
}

// The class whose folder `classFolder` is, from the work folder's class list.
std::optional<ClassEntry> classOfFolder(const QString &workFolder, const QString &classFolder, CommandOutput &output)
{
    ClassList classes;
    if (loadClassList(QDir(workFolder).absolutePath(), classes, output))
        return std::nullopt;
    const QString title = QDir(classFolder).dirName();
    if (const ClassEntry *entry = findClass(classes, title))
        return *entry;
    unknownClassError(output, workFolder, title);
    return std::nullopt;
}

// The class to print the totals for; nothing (with the message) when the
// class is unknown or there is nothing to print.
std::optional<ClassEntry> printedClass(const TotalsRequest &request, const Totals &totals, CommandOutput &output)
{
    const std::optional<ClassEntry> classEntry = classOfFolder(request.workFolder, request.folder, output);
    if (classEntry && totals.rows.isEmpty()) {
        output.err += u"印刷データが有りません\n"_s;
        return std::nullopt;
    }
    return classEntry;
}

ExitStatus printTotals(const PrintTarget &target, const Totals &totals, const ClassEntry &classEntry,
                       CommandOutput &output)
{
    const QString title = TotalsText::title(totals.schoolYear, totals.period, classEntry);
    return printTo(
        target, title, [&](PageSurface &surface) { return PrintTotals(surface, totals, classEntry); }, output);
}

void tellUnreadableMonths(const Totals &totals, CommandOutput &output)
{
    for (const TotalsMonth &month : totals.monthsRead(MonthReading::Unreadable))
        output.err += month.detail + u": 読めないため、この月を除いて集計しました\n"_s;
}

// One class from its folder: the JSON, and the CSV and printout asked for.
ExitStatus totalsOfClass(const TotalsRequest &request, const TotalsPeriod &period, CommandOutput &output)
{
    if (!QFileInfo(request.folder).isDir()) {
        output.err += QDir::toNativeSeparators(request.folder) + u": フォルダーがありません\n"_s;
        return ExitStatus::InputError;
    }
    const Totals totals = ComputeTotals(request.folder, *request.schoolYear, period);
    tellUnreadableMonths(totals, output);
    // Every input is checked before any output is written.
    std::optional<ClassEntry> classEntry;
    if (request.print) {
        classEntry = printedClass(request, totals, output);
        if (!classEntry)
            return ExitStatus::InputError;
    }
    output.out += totalsJson(totals, request.term.value_or(0));

    if (!request.csv.isEmpty()) {
        const SaveResult saved = TotalsCsv::save(request.csv, totals, request.layout);
        if (!saved.ok)
            return saveError(output, saved);
    }
    return request.print ? printTotals(*request.print, totals, *classEntry, output) : ExitStatus::Success;
}

// Every class of the work folder's class list, in its order, into one JSON
// and one CSV. A class whose title names no folder, or without a month of the
// period, is named; nothing is written when no class has a month.
ExitStatus totalsOfAllClasses(const TotalsRequest &request, const TotalsPeriod &period, CommandOutput &output)
{
    ProgramSettings settings;
    ClassList classes;
    if (const auto failed = loadWorkFolder(request.workFolder, settings, classes, output))
        return *failed;
    QStringList refusals;
    const QStringList titles = ClassTitle::folderTitles(classes, refusals);
    for (const QString &refusal : refusals)
        output.err += refusal + u'\n';
    const QList<ClassTotals> school = ComputeSchoolTotals(settings, titles, *request.schoolYear, period);
    for (const ClassTotals &entry : school) {
        tellUnreadableMonths(entry.totals, output);
        if (!readAnyMonth(entry.totals))
            output.err += entry.classTitle + u": 月のファイルがありません\n"_s;
    }
    if (std::none_of(school.begin(), school.end(), [](const ClassTotals &entry) { return readAnyMonth(entry.totals); }))
        return ExitStatus::InputError;
    output.out += schoolTotalsJson(school, *request.schoolYear, period, request.term.value_or(0));
    if (!request.csv.isEmpty()) {
        const SaveResult saved = TotalsCsv::save(request.csv, school, request.layout);
        if (!saved.ok)
            return saveError(output, saved);
    }
    return ExitStatus::Success;
}

} // namespace

ExitStatus runTotals(const QStringList &arguments, CommandOutput &output)
{
    TotalsRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, TotalsUsage);
    SchoolPeriods periods;
    const LoadResult periodsRead = PeriodsFile::load(QDir(request.workFolder).absolutePath(), periods);
    if (periodsRead.unreadable())
        return loadError(output, periodsRead);
    const auto period = periodOf(request, periods);
    if (const QString *refusal = std::get_if<QString>(&period))
        return usageError(output, *refusal + u'\n' + TotalsUsage);
    if (request.allClasses)
        return totalsOfAllClasses(request, std::get<TotalsPeriod>(period), output);
    return totalsOfClass(request, std::get<TotalsPeriod>(period), output);
}
