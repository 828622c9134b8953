// Kill trials: starts the real program on a demo month with scripted changes,
// kills it with SIGKILL at random moments (during start-up, while it edits,
// while it writes the recovery file, while it writes the month file), and
// checks after every kill that
// - the month file is whole, and holds either what it held before or what the
//   program was writing;
// - the recovery file, if any, is whole;
// - what reopening offers (the recovery file when it is pending, else the
//   month file) holds every change made more than a second before the kill;
// - the next run offers the recovery exactly when one is pending, and takes
//   over the lock the killed run left behind without a question.
//
// kill_trial --program PATH [--kills N] [--seed S] [--verbose]

#include "data/monthfile.h"
#include "demo/demoworkfolder.h"
#include "register/monthlock.h"
#include "register/monthrecovery.h"
#include "register/scriptedchanges.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString RecoveryPrompt = u"前回正常に終了しなかったため、保存されていない入力があります。復元しますか？"_s;
const QString HeldPrompt = u"この出席簿は他のパソコンで開かれています"_s;
// The recovery writer's delay; kills aimed at a recovery write land just after it.
constexpr qint64 RecoveryDelay = 500;
constexpr qint64 PromiseMs = 1000;

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

QString argumentValue(const QStringList &arguments, const QString &name, const QString &fallback = {})
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : fallback;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Step
{
    qint64 at = 0;
    QString kind;
    int number = 0;
    QString text;
};

// The complete lines of a run's log.
QList<Step> readLog(const QString &path)
{
    QList<Step> steps;
    const QByteArray bytes = readAll(path);
    const QList<QByteArray> lines = bytes.left(bytes.lastIndexOf('\n') + 1).split('\n');
    for (const QByteArray &line : lines) {
        const QString text = QString::fromUtf8(line);
        if (text.isEmpty())
            continue;
        Step step;
        step.at = text.section(u' ', 0, 0).toLongLong();
        step.kind = text.section(u' ', 1, 1);
        step.text = text.section(u' ', 2);
        step.number = step.text.toInt();
        steps.append(step);
    }
    return steps;
}

std::optional<Step> firstOf(const QList<Step> &steps, const QString &kind, qint64 after = 0)
{
    for (const Step &step : steps) {
        if (step.kind == kind && step.at >= after)
            return step;
    }
    return std::nullopt;
}

// The month's contents after the first n scripted changes.
class Replay
{
public:
    explicit Replay(const RegisterMonth &start)
        : m_month(start)
    {
        m_states.append(MonthFile::toBytes(m_month));
    }
    const QByteArray &after(int changes)
    {
        while (m_states.size() <= changes) {
            ScriptedChanges::apply(m_month, int(m_states.size()));
            m_states.append(MonthFile::toBytes(m_month));
        }
        return m_states[changes];
    }

private:
    RegisterMonth m_month;
    QList<QByteArray> m_states;
};

enum class KillMoment { StartUp, Editing, MonthSave, RecoveryWrite };

struct Figures
{
    int kills = 0;
    int duringStartUp = 0;
    int duringMonthSave = 0;
    int aimedAtRecoveryWrite = 0;
    int pending = 0;
    int offered = 0;
    int changes = 0;
    int lostOrCorrupt = 0;
    int otherFailures = 0;
};

class Trial
{
public:
    Trial(const QString &program, quint32 seed, bool verbose)
        : m_program(program)
        , m_random(seed)
        , m_verbose(verbose)
    {}

    bool setUp();
    void killOnce(int index);
    bool finish();
    const Figures &figures() const { return m_figures; }

private:
    qint64 runAndKill(QProcess &process, const QString &log, KillMoment moment);
    void check(const QString &log, qint64 killedAt);
    void fail(bool lost, const QString &what);

    QString m_program;
    QRandomGenerator m_random;
    bool m_verbose;
    QTemporaryDir m_folder;
    QString m_work;
    QString m_classTitle;
    QString m_month;
    std::optional<Replay> m_replay;
    QByteArray m_monthBefore;
    int m_next = 1;
    bool m_expectOffer = false;
    int m_index = 0;
    Figures m_figures;
};

bool Trial::setUp()
{
    m_work = m_folder.filePath(u"work"_s);
    if (!DemoWorkFolder::write(m_work).ok)
        return false;
    const ProgramSettings settings = DemoWorkFolder::settings(m_work);
    m_classTitle = DemoWorkFolder::classList().Entries[0].Title;
    m_month = QDir(DemoWorkFolder::monthFolder(settings)).filePath(MonthFile::fileName(2026, 11));
    RegisterMonth start;
    if (!MonthFile::load(m_month, start).ok())
        return false;
    m_replay.emplace(start);
    m_monthBefore = readAll(m_month);
    QDir(m_folder.path()).mkpath(u"runtime"_s);
    QFile::setPermissions(m_folder.filePath(u"runtime"_s),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

// The folder stays for a look at the runs' logs.
void Trial::fail(bool lost, const QString &what)
{
    (lost ? m_figures.lostOrCorrupt : m_figures.otherFailures)++;
    m_folder.setAutoRemove(false);
    std::fprintf(stderr, "kill %d: %s (logs in %s)\n", m_index, qPrintable(what), qPrintable(m_folder.path()));
}

void Trial::killOnce(int index)
{
    m_index = index;
    const QString log = m_folder.filePath(u"run-%1.log"_s.arg(index));
    QProcess process;
    process.setProgram(m_program);
    process.setArguments({u"--scripted-run="_s + log, u"--scripted-class="_s + m_classTitle,
                          u"--scripted-month=2026-11"_s, u"--scripted-first=%1"_s.arg(m_next),
                          u"--scripted-seed=%1"_s.arg(m_random.generate())});
    process.setWorkingDirectory(m_work);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(u"QT_QPA_PLATFORM"_s))
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"HOME"_s, m_folder.path());
    environment.insert(u"XDG_CONFIG_HOME"_s, m_folder.filePath(u"config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_folder.filePath(u"runtime"_s));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(log + u".err"_s);

    const int roll = int(m_random.bounded(100));
    const KillMoment moment = roll < 10   ? KillMoment::StartUp
                              : roll < 45 ? KillMoment::Editing
                              : roll < 75 ? KillMoment::MonthSave
                                          : KillMoment::RecoveryWrite;
    process.start();
    if (!process.waitForStarted()) {
        fail(false, u"the program did not start"_s);
        return;
    }
    const qint64 killedAt = runAndKill(process, log, moment);
    ++m_figures.kills;
    if (moment == KillMoment::RecoveryWrite)
        ++m_figures.aimedAtRecoveryWrite;
    check(log, killedAt);
}

// Waits for the moment, then kills; the time of the kill.
qint64 Trial::runAndKill(QProcess &process, const QString &log, KillMoment moment)
{
    const qint64 started = now();
    std::optional<qint64> killAt;
    if (moment == KillMoment::StartUp)
        killAt = started + m_random.bounded(1200);
    while (process.state() == QProcess::Running) {
        const qint64 time = now();
        const QList<Step> steps = readLog(log);
        const std::optional<Step> open = firstOf(steps, u"open"_s);
        if (!killAt && open) {
            switch (moment) {
            case KillMoment::Editing:
                killAt = open->at + m_random.bounded(2500);
                break;
            case KillMoment::MonthSave:
                if (firstOf(steps, u"save"_s, open->at))
                    killAt = time;
                else if (time > open->at + 8000)
                    killAt = time; // no save came: kill anyway
                break;
            case KillMoment::RecoveryWrite:
                if (const std::optional<Step> change = firstOf(steps, u"change"_s, open->at))
                    killAt = change->at + RecoveryDelay + m_random.bounded(40);
                break;
            case KillMoment::StartUp:
                break;
            }
        }
        if (!killAt && time > started + 30000) {
            fail(false, u"the month never opened"_s);
            killAt = time;
        }
        if (killAt && time >= *killAt) {
            process.kill();
            process.waitForFinished();
            return time;
        }
        QThread::usleep(500);
    }
    fail(false, u"the program ended by itself: "_s + QString::fromLocal8Bit(readAll(log + u".err"_s)));
    return now();
}

void Trial::check(const QString &log, qint64 killedAt)
{
    const QList<Step> steps = readLog(log);
    const std::optional<Step> open = firstOf(steps, u"open"_s);
    if (!open)
        ++m_figures.duringStartUp;

    // The previous kill's entries are offered before the month opens, and only then.
    if (open) {
        bool offered = false;
        for (const Step &step : steps) {
            if (step.at > open->at)
                break;
            offered = offered || (step.kind == u"prompt"_s && step.text.endsWith(RecoveryPrompt));
        }
        if (offered != m_expectOffer)
            fail(true, offered ? u"recovery offered without cause"_s : u"recovery not offered"_s);
        m_figures.offered += offered ? 1 : 0;
    }
    for (const Step &step : steps) {
        if (step.kind == u"prompt"_s && step.text.startsWith(HeldPrompt))
            fail(false, u"the lock of the killed run was not taken over"_s);
    }

    // The month file: what it held, what the last finished save wrote, or what the save under way wrote.
    QList<QByteArray> allowedMonths{m_monthBefore};
    int lastChange = m_next - 1;
    int promised = m_next - 1;
    bool saving = false;
    for (const Step &step : steps) {
        if (step.kind == u"save"_s) {
            allowedMonths = {allowedMonths.first(), m_replay->after(step.number)};
            saving = true;
        } else if (step.kind == u"saved"_s) {
            allowedMonths = {m_replay->after(step.number)};
            saving = false;
        } else if (step.kind == u"change"_s) {
            lastChange = step.number;
            m_figures.changes++;
            if (step.at <= killedAt - PromiseMs)
                promised = step.number;
        }
    }
    m_figures.duringMonthSave += saving ? 1 : 0;
    const QByteArray month = readAll(m_month);
    RegisterMonth parsed;
    if (!MonthFile::fromBytes(month, parsed).ok() || !allowedMonths.contains(month))
        fail(true, u"the month file is damaged or holds neither its old nor its new contents"_s);

    const QString recoveryPath = MonthRecovery::recoveryPath(m_month);
    const QByteArray recovery = readAll(recoveryPath);
    if (QFile::exists(recoveryPath) && !MonthFile::fromBytes(recovery, parsed).ok())
        fail(true, u"the recovery file is damaged"_s);

    m_expectOffer = MonthRecovery::isPending(m_month);
    m_figures.pending += m_expectOffer ? 1 : 0;
    const QByteArray reopened = m_expectOffer ? recovery : month;
    std::optional<int> holds;
    for (int n = lastChange; n >= 0 && !holds; --n) {
        if (m_replay->after(n) == reopened)
            holds = n;
    }
    if (!holds || *holds < promised)
        fail(true, u"reopening loses changes: changes %1 to %2 were made, up to %3 more than a second before the kill; "
                   "reopening holds %4"_s.arg(m_next)
                       .arg(lastChange)
                       .arg(promised)
                       .arg(holds ? QString::number(*holds) : u"none of them"_s));
    if (!holds) {
        std::fprintf(stderr, "the program's month is no longer known; stopping\n");
        std::exit(1);
    }
    if (m_verbose)
        std::printf("kill %d: changes %d..%d, promised %d, reopening holds %d%s%s\n", m_index, m_next, lastChange,
                    promised, *holds, saving ? ", during a month save" : "", m_expectOffer ? ", recovery pending" : "");
    m_next = *holds + 1;
    m_monthBefore = month;
}

// The last run's lock is taken over once more, as the next start would.
bool Trial::finish()
{
    MonthLock lock(m_month);
    if (lock.take() != MonthLock::Outcome::Taken) {
        fail(false, u"the lock of the last killed run was not taken over"_s);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString program = argumentValue(arguments, u"--program"_s);
    const QString absoluteProgram = program.isEmpty() ? QString() : QFileInfo(program).absoluteFilePath();
    const int kills = argumentValue(arguments, u"--kills"_s, u"20"_s).toInt();
    const quint32 seed = argumentValue(arguments, u"--seed"_s, QString::number(now() % 100000)).toUInt();
    if (program.isEmpty() || kills < 1) {
        std::fprintf(stderr, "usage: kill_trial --program PATH [--kills N] [--seed S] [--verbose]\n");
        return 1;
    }
    Trial trial(absoluteProgram, seed, arguments.contains(u"--verbose"_s));
    if (!trial.setUp()) {
        std::fprintf(stderr, "cannot write the demo work folder\n");
        return 2;
    }
    const qint64 started = now();
    for (int i = 1; i <= kills; ++i)
        trial.killOnce(i);
    trial.finish();
    const Figures &f = trial.figures();
    std::printf("seed %u: %d kills in %.0f s (%d during start-up, %d during a month save, %d aimed at a recovery "
                "write); %d scripted changes; recovery pending after %d kills, offered on reopening %d times; "
                "%d lost or corrupt months, %d other failures\n",
                seed, f.kills, (now() - started) / 1000.0, f.duringStartUp, f.duringMonthSave, f.aimedAtRecoveryWrite,
                f.changes, f.pending, f.offered, f.lostOrCorrupt, f.otherFailures);
    return f.lostOrCorrupt == 0 && f.otherFailures == 0 ? 0 : 1;
}
