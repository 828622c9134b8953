#include "commands.h"
#include "jsonwriter.h"
#include "printtarget.h"

#include "totals/totals.h"
#include "totals/totalscsv.h"
#include "totals/totalsprint.h"
#include "totals/totalstext.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString TotalsUsage = u"使い方: veltra-cli totals --folder CLASSFOLDER --school-year Y --term 1..4\n"
                            u"                          [--csv OUT.csv] [--csv-layout totals|records]\n"
                            u"  Y は年度の4月の西暦年、CLASSFOLDER はその年度の学級のフォルダー\n"
                            u"  --term 1 は１学期、2 は２学期、3 は３学期、4 は１年間\n"_s;

struct TotalsRequest
{
    QString folder;
    std::optional<int> schoolYear;
    std::optional<int> term; // 1..4 as typed
    QString csv;
    TotalsCsv::Layout layout = TotalsCsv::Layout::Totals;
    std::optional<PrintTarget> print;
    QString workFolder = u"."_s;
};

bool parseArguments(const QStringList &arguments, TotalsRequest &request)
{
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const QString &option = arguments[i];
        const QString &value = arguments[i + 1];
        if (option == u"--folder"_s)
            request.folder = value;
        else if (option == u"--school-year"_s)
            request.schoolYear = parseNumber(value, 1989, 9998);
        else if (option == u"--term"_s)
            request.term = parseNumber(value, 1, TotalsTerm::Count);
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
    return arguments.size() % 2 == 0 && !request.folder.isEmpty() && request.schoolYear && request.term;
}

QString readingName(MonthReading reading)
{
    switch (reading) {
    case MonthReading::Read:
        return u"read"_s;
    case MonthReading::Missing:
        return u"missing"_s;
    case MonthReading::Unreadable:
        break;
    }
    return u"unreadable"_s;
}

QByteArray totalsJson(const Totals &totals, int typedTerm)
{
    JsonWriter json;
    json.beginObject();
    json.key(u"schoolYear"_s).value(totals.schoolYear);
    json.key(u"term"_s).value(typedTerm);
    json.key(u"months"_s).beginArray();
    for (const TotalsMonth &month : totals.months) {
        json.beginObject();
        json.key(u"year"_s).value(month.gregorianYear);
        json.key(u"month"_s).value(month.month);
        json.key(u"status"_s).value(readingName(month.reading));
        json.endObject();
    }
    json.endArray();
    json.key(u"rows"_s).beginArray();
    for (qsizetype r = 0; r < totals.rows.size(); ++r) {
        const TotalsRow &row = totals.rows[r];
        json.beginObject();
        json.key(u"no"_s).value(r + 1);
        json.key(u"name"_s).value(row.Name);
        json.key(u"sex"_s).value(row.Sex);
        json.key(u"grade"_s).value(row.Grade);
        json.key(u"schoolDays"_s).value(row.schoolDays());
        json.key(u"stat"_s).numbers(row.Stat);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.document();
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
    const QString title = TotalsText::title(totals.schoolYear, totals.term, classEntry);
    return printTo(
        target, title, [&](PageSurface &surface) { return PrintTotals(surface, totals, classEntry); }, output);
}

} // namespace

ExitStatus runTotals(const QStringList &arguments, CommandOutput &output)
{
    TotalsRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, TotalsUsage);
    if (!QFileInfo(request.folder).isDir()) {
        output.err += QDir::toNativeSeparators(request.folder) + u": フォルダーがありません\n"_s;
        return ExitStatus::InputError;
    }

    const Totals totals = ComputeTotals(request.folder, *request.schoolYear, *request.term - 1);
    for (const TotalsMonth &month : totals.monthsRead(MonthReading::Unreadable))
        output.err += month.detail + u": 読めないため、この月を除いて集計しました\n"_s;
    // Every input is checked before any output is written.
    std::optional<ClassEntry> classEntry;
    if (request.print) {
        classEntry = printedClass(request, totals, output);
        if (!classEntry)
            return ExitStatus::InputError;
    }
    output.out += totalsJson(totals, *request.term);

    if (!request.csv.isEmpty()) {
        const SaveResult saved = TotalsCsv::save(request.csv, totals, request.layout);
        if (!saved.ok)
            return saveError(output, saved);
    }
    return request.print ? printTotals(*request.print, totals, *classEntry, output) : ExitStatus::Success;
}
