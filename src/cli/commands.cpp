#include "commands.h"

#include "calendar/monthchoice.h"
#include "data/classlistfile.h"
#include "data/fileerror.h"
#include "data/settingsfile.h"
#include "roster/classtitle.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Usage =
    u"使い方:\n"
    u"  veltra-cli stats FILE.ROD [--year Y --month M]\n"
    u"  veltra-cli convert IN OUT        (.ROD から .json へ、.json から .ROD へ)\n"
    u"  veltra-cli demo DIR\n"
    u"  veltra-cli holidays Y M\n"
    u"  veltra-cli roster --work-folder DIR (--class TITLE | --all-classes) --year Y --month M\n"
    u"                    --from last-month|roster|text [--file F] [--with-sex] [--write [--replace]]\n"
    u"  veltra-cli print FILE.ROD (--pdf OUT.pdf | --trace OUT.json | --printer NAME) [--side …]\n"
    u"  veltra-cli print --school-year Y --class TITLE --pdf OUT.pdf\n"
    u"  veltra-cli totals (--folder CLASSFOLDER | --all-classes) --school-year Y (--term 1..4 | --from D --to D)\n"
    u"                    [--csv OUT.csv]\n"
    u"  veltra-cli new-year --work-folder DIR --school-year Y [--write]\n"
    u"  veltra-cli reasons FILE.ROD [--work-folder DIR] [--set D N CATEGORY[,…] [--text T] | --clear D N]\n"
    u"  veltra-cli day --work-folder DIR [--date YYYY-MM-DD] [--csv OUT.csv] [--pdf OUT.pdf]\n"
    u"  veltra-cli --version | --help\n"
    u"コマンド名だけで実行すると、そのコマンドの詳しい使い方を表示します (man veltra-cli)\n"_s;

using Command = std::function<ExitStatus(const QStringList &, CommandOutput &)>;

struct NamedCommand
{
    QString name;
    Command run;
};

const NamedCommand Commands[] = {
    {u"stats"_s, runStats},     {u"convert"_s, runConvert}, {u"demo"_s, runDemo},     {u"holidays"_s, runHolidays},
    {u"roster"_s, runRoster},   {u"print"_s, runPrint},     {u"totals"_s, runTotals}, {u"new-year"_s, runNewYear},
    {u"reasons"_s, runReasons}, {u"day"_s, runDay},
};

} // namespace

ExitStatus runCommand(const QStringList &arguments, CommandOutput &output)
{
    const QString name = arguments.value(0);
    if (name == u"--help"_s || name == u"-h"_s) {
        output.out += Usage.toUtf8();
        return ExitStatus::Success;
    }
    if (name == u"--version"_s) {
        output.out += "veltra-cli " VELTRA_VERSION "\n";
        return ExitStatus::Success;
    }
    for (const NamedCommand &command : Commands) {
        if (command.name == name)
            return command.run(arguments.mid(1), output);
    }
    return usageError(output, Usage);
}

ExitStatus writeOutput(const CommandOutput &output, ExitStatus status, std::FILE *out, std::FILE *err)
{
    QString messages = output.err;
    std::fwrite(output.out.constData(), 1, size_t(output.out.size()), out);
    if (std::fflush(out) != 0 || std::ferror(out)) {
        const int error = errno;
        const QString reason =
            error == ENOSPC ? u"ディスクの空き容量が足りません"_s : QString::fromLocal8Bit(std::strerror(error));
        messages += u"標準出力に書き込めません: %1\n"_s.arg(reason);
        status = ExitStatus::OutputError;
    }
    std::fputs(messages.toUtf8().constData(), err);
    std::fflush(err);
    return status;
}

ExitStatus usageError(CommandOutput &output, const QString &usage)
{
    output.err += usage;
    return ExitStatus::UsageError;
}

ExitStatus loadError(CommandOutput &output, const LoadResult &result)
{
    output.err += result.describe();
    if (result.missing())
        output.err += u": ファイルがありません"_s;
    output.err += u'\n';
    return ExitStatus::InputError;
}

ExitStatus saveError(CommandOutput &output, const SaveResult &result)
{
    output.err += u"%1: 保存できません: %2\n"_s.arg(QDir::toNativeSeparators(result.path), result.error);
    return ExitStatus::OutputError;
}

ExitStatus dataFolderError(CommandOutput &output, const QString &message)
{
    output.err += message + u'\n';
    return ExitStatus::InputError;
}

ExitStatus lockMonthForWriting(MonthLock &lock, const QString &monthPath, CommandOutput &output)
{
    const QString file = QDir::toNativeSeparators(monthPath);
    switch (lock.take()) {
    case MonthLock::Outcome::Taken:
        return ExitStatus::Success;
    case MonthLock::Outcome::Held:
        output.err += u"%1: %2\n"_s.arg(file, MonthInUseMessage);
        if (const std::optional<LockHolder> holder = lock.holder())
            output.err += holder->description() + u'\n';
        break;
    case MonthLock::Outcome::Unavailable:
        output.err += u"%1: 保存できません: 使用中を示すファイルを作れません（%2）\n"_s.arg(
            file, fileFailureText(probeFileFailure(QFileDevice::OpenError, MonthLock::lockPath(monthPath), 1)));
        break;
    }
    return ExitStatus::OutputError;
}

std::optional<ExitStatus> loadWorkFolder(const QString &workFolder, ProgramSettings &settings, ClassList &classes,
                                         CommandOutput &output)
{
    settings.WorkFolder = QDir(workFolder).absolutePath();
    if (const LoadResult loaded = SettingsFile::load(settings); !loaded.ok())
        return loadError(output, loaded);
    if (const auto unreachable = unreachableDataFolder(settings.DataFolder))
        return dataFolderError(output, *unreachable);
    return loadClassList(settings.WorkFolder, classes, output);
}

std::optional<int> parseNumber(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum || text.startsWith(u'+'))
        return std::nullopt;
    return value;
}

std::optional<ExitStatus> loadClassList(const QString &workFolder, ClassList &classes, CommandOutput &output)
{
    const LoadResult loaded = ClassListFile::load(workFolder, classes);
    if (!loaded.ok())
        return loadError(output, loaded);
    if (const auto shared = ClassTitle::sharedTitle(classes)) {
        output.err += u"%1: %2\n"_s.arg(QDir::toNativeSeparators(loaded.path),
                                        ClassTitle::sharedTitleMessage(*shared).replace(u'\n', u' '));
        return ExitStatus::InputError;
    }
    return std::nullopt;
}

const ClassEntry *findClass(const ClassList &classes, const QString &title)
{
    for (int i = 0; i < classes.ClassCount && i < ClassSlots; ++i) {
        if (classes.Entries[i].Title.trimmed() == title.trimmed())
            return &classes.Entries[i];
    }
    return nullptr;
}

ExitStatus unknownClassError(CommandOutput &output, const QString &workFolder, const QString &title)
{
    output.err += u"%1: 学級がありません: %2\n"_s.arg(
        QDir::toNativeSeparators(ClassListFile::filePath(QDir(workFolder).absolutePath())), title);
    return ExitStatus::InputError;
}
