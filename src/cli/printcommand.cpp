#include "commands.h"
#include "printsource.h"
#include "printtarget.h"

#include "calendar/era.h"
#include "print/registersheets.h"

#include <QDate>
#include <QDir>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString PrintUsage =
    u"使い方: veltra-cli print FILE.ROD (--pdf OUT.pdf | --trace OUT.json | --printer NAME)\n"
    u"          [--side front|back|full] [--options N] [--work-folder DIR]\n"
    u"          [--printer-offsets X,Y] [--printable-height H]\n"
    u"        veltra-cli print [FILE.ROD | --class TITLE] --blank N (--pdf … | --trace … | --printer …) [同上]\n"
    u"        veltra-cli print --school-year Y --class TITLE --pdf OUT.pdf [--work-folder DIR] [--options N]\n"
    u"        veltra-cli print --school-year Y --all-classes --pdf-folder DIR [--work-folder DIR] [--options N]\n"
    u"  --all-classes は学級ごとに1つの PDF (年度_学級名.pdf) を --pdf-folder に書きます\n"
    u"  --side 表・裏・全表 (既定 front)、--options 印刷オプションのビット和 (既定 8)\n"
    u"  --printer-offsets と --printable-height はプリンタの印刷できない余白 (mm) を模します\n"_s;

constexpr int MostBlankCopies = 999;
constexpr int AllOptions = 31;
constexpr double LargestOffset = 50;

struct PrintRequest
{
    QString monthFile;
    std::optional<PrintTarget> target;
    qint16 side = FrontSheet;
    qint16 options = PrintOption::FirstUse;
    QString workFolder = u"."_s;
    std::optional<int> blankCopies;
    QString classTitle;
    std::optional<int> schoolYear;
    bool allClasses = false;
    QString pdfFolder; // with allClasses: one PDF per class
    SimulatedMargins margins;
};

std::optional<double> parseMillimetres(const QString &text, double largest)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > largest)
        return std::nullopt;
    return value;
}

std::optional<qint16> parseSide(const QString &text)
{
    if (text == u"front"_s)
        return FrontSheet;
    if (text == u"back"_s)
        return BackSheet;
    if (text == u"full"_s)
        return FullSheet;
    return std::nullopt;
}

bool setTarget(PrintRequest &request, PrintTarget::Kind kind, const QString &name)
{
    if (request.target || name.isEmpty())
        return false;
    request.target = PrintTarget{kind, name, {}};
    return true;
}

// One option and its value; false on anything it does not know.
bool parseOption(PrintRequest &request, SimulatedMargins &margins, const QString &option, const QString &value)
{
    if (option == u"--pdf"_s)
        return setTarget(request, PrintTarget::Kind::Pdf, value);
    if (option == u"--trace"_s)
        return setTarget(request, PrintTarget::Kind::Trace, value);
    if (option == u"--printer"_s)
        return setTarget(request, PrintTarget::Kind::Printer, value);
    if (option == u"--work-folder"_s) {
        request.workFolder = value;
        return !value.isEmpty();
    }
    if (option == u"--pdf-folder"_s) {
        request.pdfFolder = value;
        return !value.isEmpty();
    }
    if (option == u"--class"_s) {
        request.classTitle = value;
        return !value.trimmed().isEmpty();
    }
    if (option == u"--side"_s) {
        const auto side = parseSide(value);
        request.side = side.value_or(FrontSheet);
        return side.has_value();
    }
    if (option == u"--options"_s) {
        const auto options = parseNumber(value, 0, AllOptions);
        request.options = qint16(options.value_or(0));
        return options.has_value();
    }
    if (option == u"--blank"_s) {
        request.blankCopies = parseNumber(value, 1, MostBlankCopies);
        return request.blankCopies.has_value();
    }
    if (option == u"--school-year"_s) {
        request.schoolYear = parseNumber(value, JapaneseEra::HeiseiOffset + 1, 9998);
        return request.schoolYear.has_value();
    }
    if (option == u"--printer-offsets"_s) {
        const QStringList xy = value.split(u',');
        const auto x = parseMillimetres(xy.value(0), LargestOffset);
        const auto y = parseMillimetres(xy.value(1), LargestOffset);
        margins.offsetX = x.value_or(0);
        margins.offsetY = y.value_or(0);
        return xy.size() == 2 && x && y;
    }
    if (option == u"--printable-height"_s) {
        margins.printableHeight = parseMillimetres(value, 297);
        return margins.printableHeight > 0;
    }
    return false;
}

bool parseArguments(const QStringList &arguments, PrintRequest &request)
{
    SimulatedMargins margins;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--all-classes"_s) {
            request.allClasses = true;
        } else if (argument.startsWith(u"--"_s)) {
            if (i + 1 == arguments.size() || !parseOption(request, margins, argument, arguments[i + 1]))
                return false;
            ++i;
        } else if (request.monthFile.isEmpty()) {
            request.monthFile = argument;
        } else {
            return false;
        }
    }
    request.margins = margins;
    if (request.allClasses) {
        return request.schoolYear && !request.pdfFolder.isEmpty() && !request.target && request.monthFile.isEmpty()
               && request.classTitle.isEmpty() && !request.blankCopies;
    }
    if (!request.target || !request.pdfFolder.isEmpty())
        return false;
    request.target->margins = margins;
    if (request.schoolYear)
        return request.monthFile.isEmpty() && !request.classTitle.isEmpty() && !request.blankCopies;
    if (request.blankCopies)
        return request.monthFile.isEmpty() != request.classTitle.isEmpty();
    return !request.monthFile.isEmpty() && request.classTitle.isEmpty();
}

ExitStatus printSchoolYear(const PrintRequest &request, const PrintTarget &target, PrintSource &source,
                           CommandOutput &output)
{
    if (const auto failed = source.loadSchoolYear(*request.schoolYear))
        return *failed;
    const QString title = JapaneseEra::schoolYearTitle(*request.schoolYear) + u' ' + source.session().State.ClassTitle;
    return printTo(
        target, title,
        [&](PageSurface &surface) {
            return PrintSchoolYear(surface, source.months(), request.options, QDate::currentDate());
        },
        output);
}

// One archive per class of the class list, <school year>_<class title>.pdf in
// the folder. A class without month files of that year is named and passed
// over; the run fails when no archive was written or one could not be.
ExitStatus printAllClasses(const PrintRequest &request, PrintSource &source, CommandOutput &output)
{
    const QDir folder(request.pdfFolder);
    if (!QDir().mkpath(folder.absolutePath())) {
        output.err += u"%1: フォルダーを作れません\n"_s.arg(QDir::toNativeSeparators(request.pdfFolder));
        return ExitStatus::OutputError;
    }
    const ClassList classes = source.session().Classes;
    ExitStatus status = ExitStatus::Success;
    int written = 0;
    for (int c = 0; c < std::min<int>(classes.ClassCount, ClassSlots); ++c) {
        const QString title = classes.Entries[c].Title.trimmed();
        if (const auto failed = source.chooseClass(title)) {
            status = std::max(status, *failed);
            continue;
        }
        const PrintTarget target{PrintTarget::Kind::Pdf,
                                 folder.filePath(u"%1_%2.pdf"_s.arg(*request.schoolYear).arg(title)), request.margins};
        const ExitStatus printed = printSchoolYear(request, target, source, output);
        if (printed == ExitStatus::Success)
            ++written;
        else if (!source.yearWithoutMonths())
            status = std::max(status, printed);
    }
    return written == 0 ? std::max(status, ExitStatus::InputError) : status;
}

ExitStatus printSheets(const PrintRequest &request, const Session &session, CommandOutput &output)
{
    PrintJob job;
    job.PrintSide = request.side;
    job.PrintOptions = request.options;
    job.BlankCopies = qint16(request.blankCopies.value_or(0));
    if (job.printsData() && job.PrintSide == FullSheet && session.Register.PupilCount > FullSheetPupils) {
        output.err += u"１８名以上なので全表は使用できません\n"_s;
        return ExitStatus::OutputError;
    }
    return printTo(
        *request.target, sheetTitle(session, job.PrintSide),
        [&](PageSurface &surface) { return PrintRegisterSheets(surface, job, session, QDate::currentDate()); }, output);
}

} // namespace

ExitStatus runPrint(const QStringList &arguments, CommandOutput &output)
{
    PrintRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, PrintUsage);

    PrintSource source(output);
    if (const auto failed = source.loadWorkFolder(request.workFolder))
        return *failed;
    if (request.allClasses)
        return printAllClasses(request, source, output);
    if (request.schoolYear) {
        if (const auto failed = source.chooseClass(request.classTitle))
            return *failed;
        return printSchoolYear(request, *request.target, source, output);
    }
    const auto failed =
        request.monthFile.isEmpty() ? source.chooseClass(request.classTitle) : source.loadMonth(request.monthFile);
    if (failed)
        return *failed;
    return printSheets(request, source.session(), output);
}
