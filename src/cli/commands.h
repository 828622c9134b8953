#pragma once

#include "data/fileio.h"
#include "data/records.h"
#include "register/monthlock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// The commands of veltra-cli. Each takes the arguments after its own name and
// returns the exit status; what it prints is collected in CommandOutput so the
// commands run the same inside a test as from the shell.
enum class ExitStatus : int {
    Success = 0,
    UsageError = 1,  // usage text on stderr
    InputError = 2,  // input missing or unreadable, named with its line where known
    OutputError = 3, // output not written, or data refused
};

struct CommandOutput
{
    QByteArray out; // stdout, already encoded (UTF-8 JSON)
    QString err;    // stderr, one message per line
};

// `veltra-cli ARGS…`: picks the command by the first argument.
ExitStatus runCommand(const QStringList &arguments, CommandOutput &output);

// Hands the collected output to the process's streams. Output that cannot be
// written (a full disk, a closed file) turns `status` into OutputError, with a
// message on `err`.
ExitStatus writeOutput(const CommandOutput &output, ExitStatus status, std::FILE *out, std::FILE *err);

ExitStatus runStats(const QStringList &arguments, CommandOutput &output);
ExitStatus runConvert(const QStringList &arguments, CommandOutput &output);
ExitStatus runDemo(const QStringList &arguments, CommandOutput &output);
ExitStatus runHolidays(const QStringList &arguments, CommandOutput &output);
ExitStatus runRoster(const QStringList &arguments, CommandOutput &output);
ExitStatus runPrint(const QStringList &arguments, CommandOutput &output);
ExitStatus runTotals(const QStringList &arguments, CommandOutput &output);
ExitStatus runNewYear(const QStringList &arguments, CommandOutput &output);
ExitStatus runReasons(const QStringList &arguments, CommandOutput &output);
ExitStatus runDay(const QStringList &arguments, CommandOutput &output);

// Helpers shared by the commands.
ExitStatus usageError(CommandOutput &output, const QString &usage);
ExitStatus loadError(CommandOutput &output, const LoadResult &result);
ExitStatus saveError(CommandOutput &output, const SaveResult &result);
// The message of a data folder that cannot be reached; InputError.
ExitStatus dataFolderError(CommandOutput &output, const QString &message);
// Takes the lock of the month file at `monthPath` for a command that writes it,
// as the register editor does; OutputError, naming the holder, when another
// program has the month open.
ExitStatus lockMonthForWriting(MonthLock &lock, const QString &monthPath, CommandOutput &output);
// Loads the work folder's CLASS.CSD; InputError, named, when it cannot be read
// or two of its classes share a title (and so one folder).
std::optional<ExitStatus> loadClassList(const QString &workFolder, ClassList &classes, CommandOutput &output);
// Loads the settings of `workFolder` (WorkFolder made absolute) and its
// CLASS.CSD for a command that works on the data folder; the failure's status,
// named, when either cannot be read or the data folder cannot be reached.
std::optional<ExitStatus> loadWorkFolder(const QString &workFolder, ProgramSettings &settings, ClassList &classes,
                                         CommandOutput &output);
// The entry of `classes` titled `title` (blanks around either ignored), or nullptr.
const ClassEntry *findClass(const ClassList &classes, const QString &title);
// Names the work folder's CLASS.CSD and the title it lacks; InputError.
ExitStatus unknownClassError(CommandOutput &output, const QString &workFolder, const QString &title);
// A whole decimal number within minimum..maximum.
std::optional<int> parseNumber(const QString &text, int minimum, int maximum);
