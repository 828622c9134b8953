#include "commands.h"
#include "jsonwriter.h"

#include "calendar/monthchoice.h"
#include "calendar/nationalholidays.h"
#include "data/folderpath.h"
#include "data/monthfile.h"
#include "register/openmonth.h"
#include "roster/classtitle.h"
#include "roster/registerimport.h"
#include "roster/rosterimport.h"
#include "roster/textlistimport.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString RosterUsage =
    u"使い方: veltra-cli roster --work-folder DIR (--class TITLE | --all-classes) --year Y --month M\n"
    u"                          --from last-month|roster|text [--file F] [--with-sex] [--write [--replace]]\n"
    u"  Y と M は名簿を入れる月の西暦年と月、TITLE は CLASS.CSD のクラス名\n"
    u"  --write がなければ読み込む名簿を JSON で出力するだけで、ファイルは変えません\n"
    u"  児童のいる月は --replace を付けたときだけ、その名簿を置き換えます\n"_s;

enum class Source { LastMonth, Roster, Text };

struct RosterRequest
{
    QString workFolder;
    QString classTitle;
    bool allClasses = false;
    std::optional<int> year;
    std::optional<int> month;
    std::optional<Source> source;
    QString file;
    bool withSex = false;
    bool write = false;
    bool replace = false;
};

std::optional<Source> sourceNamed(const QString &name)
{
    if (name == u"last-month"_s)
        return Source::LastMonth;
    if (name == u"roster"_s)
        return Source::Roster;
    if (name == u"text"_s)
        return Source::Text;
    return std::nullopt;
}

bool parseArguments(const QStringList &arguments, RosterRequest &request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        const bool takesValue = option == u"--work-folder"_s || option == u"--class"_s || option == u"--year"_s
                                || option == u"--month"_s || option == u"--from"_s || option == u"--file"_s;
        if (takesValue && ++i == arguments.size())
            return false;
        const QString value = takesValue ? arguments[i] : QString();
        if (option == u"--work-folder"_s)
            request.workFolder = value;
        else if (option == u"--class"_s)
            request.classTitle = value;
        else if (option == u"--year"_s)
            request.year = parseNumber(value, 1989, 9999);
        else if (option == u"--month"_s)
            request.month = parseNumber(value, 1, 12);
        else if (option == u"--from"_s)
            request.source = sourceNamed(value);
        else if (option == u"--file"_s)
            request.file = value;
        else if (option == u"--all-classes"_s)
            request.allClasses = true;
        else if (option == u"--with-sex"_s)
            request.withSex = true;
        else if (option == u"--write"_s)
            request.write = true;
        else if (option == u"--replace"_s)
            request.replace = true;
        else
            return false;
    }
    const bool needsFile = request.source == Source::Text;
    return !request.workFolder.isEmpty() && request.classTitle.isEmpty() == request.allClasses && request.year
           && request.month && request.source && needsFile != request.file.isEmpty()
           && (!request.replace || request.write);
}

// One class's month with what the import gives it, and the month's lock while
// it is to be written.
struct ClassMonth
{
    AppState state;
    RegisterMonth month;
    PupilImport import;
    std::unique_ptr<MonthLock> lock;
};

PupilImport runImport(const RosterRequest &request, const ClassMonth &target, const ProgramSettings &settings)
{
    const int pupilCount = request.replace ? 0 : target.month.PupilCount;
    PupilImport import;
    switch (*request.source) {
    case Source::LastMonth:
        return ImportLastMonth(target.state, target.month);
    case Source::Roster:
        import = ImportRosterFiles(target.state, settings, pupilCount);
        break;
    case Source::Text:
        import =
            ImportTextFile(request.file, request.withSex ? TextLayout::NamesAndSexes : TextLayout::Names, pupilCount);
        break;
    }
    import.replacesList = request.replace;
    return import;
}

void writeClassJson(JsonWriter &json, const ClassMonth &target, const RosterRequest &request)
{
    json.beginObject();
    json.key(u"class"_s).value(target.state.ClassTitle);
    json.key(u"year"_s).value(*request.year);
    json.key(u"month"_s).value(*request.month);
    json.key(u"pupils"_s).beginArray();
    for (const PupilRecord &pupil : target.import.pupils) {
        json.beginObject();
        json.key(u"name"_s).value(pupil.Name);
        json.key(u"sex"_s).value(pupil.Sex);
        json.key(u"rosterNo"_s).value(pupil.RosterNo);
        json.key(u"grade"_s).value(pupil.Grade);
        json.endObject();
    }
    json.endArray();
    json.key(u"messages"_s).beginArray();
    for (const ImportMessage &message : target.import.messages)
        json.value(message.text);
    json.endArray();
    json.endObject();
}

class RosterRun
{
public:
    RosterRun(const RosterRequest &request, CommandOutput &output)
        : m_request(request)
        , m_output(output)
    {}

    ExitStatus run()
    {
        ClassList classes;
        if (const auto failed = loadWorkFolder(m_request.workFolder, m_settings, classes, m_output))
            return *failed;

        // Every class is read and imported, under its month's lock, before any is written.
        std::vector<ClassMonth> targets;
        for (int i = 0; i < classes.ClassCount; ++i) {
            const ClassEntry &entry = classes.Entries[i];
            if (!m_request.allClasses && entry.Title.trimmed() != m_request.classTitle.trimmed())
                continue;
            ClassMonth &target = targets.emplace_back();
            if (const ExitStatus status = prepare(entry, target); status != ExitStatus::Success)
                return status;
        }
        if (targets.empty() && !m_request.allClasses)
            return unknownClassError(m_output, m_settings.WorkFolder, m_request.classTitle);
        if (m_request.write) {
            for (ClassMonth &target : targets) {
                if (const ExitStatus status = save(target); status != ExitStatus::Success)
                    return status;
            }
            if (m_request.source == Source::Roster)
                removeDecodedCopy(m_settings.WorkFolder);
        }
        printJson(targets);
        return ExitStatus::Success;
    }

private:
    ExitStatus prepare(const ClassEntry &entry, ClassMonth &target)
    {
        if (const auto unsafe = ClassTitle::unsafeReason(entry.Title.trimmed())) {
            m_output.err += ClassTitle::refusalMessage(entry.Title, *unsafe) + u'\n';
            return ExitStatus::OutputError;
        }
        applyMonthChoice(target.state, m_settings, entry, {*m_request.year, *m_request.month});
        const QString path = openMonthPath(target.state);
        if (m_request.write) {
            if (const ExitStatus status = lockForWriting(target, path); status != ExitStatus::Success)
                return status;
        }
        const LoadResult loaded = MonthFile::load(path, target.month);
        if (loaded.unreadable())
            return loadError(m_output, loaded);
        if (loaded.missing())
            CalcNationalHolidays(target.state.HeiseiYear, target.state.Month, target.month);
        if (m_request.write && !m_request.replace && target.month.PupilCount > 0) {
            m_output.err += u"%1: 児童のいる月です。名簿を置き換えるには --replace を付けてください\n"_s.arg(
                QDir::toNativeSeparators(path));
            return ExitStatus::OutputError;
        }
        target.import = runImport(m_request, target, m_settings);
        return importStatus(target);
    }

    // The month folder made and the month locked, as the register editor would.
    ExitStatus lockForWriting(ClassMonth &target, const QString &path)
    {
        const auto missing = missingFolders(target.state.MonthFolder);
        if (!missing || !createFolders(*missing))
            return saveError(m_output, {false, path, u"フォルダーが作成できません"_s, false});
        target.lock = std::make_unique<MonthLock>(path);
        return lockMonthForWriting(*target.lock, path, m_output);
    }

    // A source that is missing or refused, or that gives nobody to write, ends
    // the run before anything is written.
    ExitStatus importStatus(const ClassMonth &target)
    {
        const auto report = [&](ExitStatus status) {
            for (const ImportMessage &message : target.import.messages)
                m_output.err += u"%1: %2\n"_s.arg(target.state.ClassTitle, message.text);
            return status;
        };
        switch (target.import.outcome) {
        case ImportOutcome::NoSource:
            return report(ExitStatus::InputError);
        case ImportOutcome::Refused:
            return report(ExitStatus::OutputError);
        case ImportOutcome::Taken:
            break;
        }
        if (m_request.write && target.import.pupils.isEmpty()) {
            m_output.err += u"%1: 読み込める児童がいないため、書き込みません\n"_s.arg(target.state.ClassTitle);
            return ExitStatus::InputError;
        }
        return ExitStatus::Success;
    }

    ExitStatus save(ClassMonth &target)
    {
        applyImport(target.month, target.import);
        const SaveResult saved = MonthFile::save(openMonthPath(target.state), target.month);
        return saved.ok ? ExitStatus::Success : saveError(m_output, saved);
    }

    void printJson(const std::vector<ClassMonth> &targets)
    {
        JsonWriter json;
        if (m_request.allClasses)
            json.beginArray();
        for (const ClassMonth &target : targets)
            writeClassJson(json, target, m_request);
        if (m_request.allClasses)
            json.endArray();
        m_output.out += json.document();
    }

    const RosterRequest &m_request;
    CommandOutput &m_output;
    ProgramSettings m_settings;
};

} // namespace

ExitStatus runRoster(const QStringList &arguments, CommandOutput &output)
{
    RosterRequest request;
    if (!parseArguments(arguments, request))
        return usageError(output, RosterUsage);
    return RosterRun(request, output).run();
}
