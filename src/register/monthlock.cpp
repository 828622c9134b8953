#include "monthlock.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

// The lock file holds the lines QLockFile writes (process, program, computer,
// machine and boot ids) followed by a line of our own with the user's name.
constexpr QByteArrayView UserLinePrefix = "user:";
constexpr qint64 AbandonedAfterSeconds = qint64(24) * 60 * 60;

} // namespace

QString currentUserName()
{
    for (const char *variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

MonthLock::MonthLock(const QString &monthPath)
    : m_path(lockPath(monthPath))
    , m_file(m_path)
{
    // A month stays open for hours; only an ended process or the user's
    // consent frees its lock, never its age alone.
    m_file.setStaleLockTime(0);
}

MonthLock::~MonthLock()
{
    release();
}

QString MonthLock::lockPath(const QString &monthPath)
{
    return monthPath + u".lock"_s;
}

MonthLock::Outcome MonthLock::take()
{
    if (isHeld())
        return Outcome::Taken;
    // A second try when the holder closed the month in the meantime.
    if (m_file.tryLock(0) || (!QFileInfo::exists(m_path) && m_file.tryLock(0)))
        recordUser();
    return outcome();
}

MonthLock::Outcome MonthLock::takeOver()
{
    if (isHeld())
        return Outcome::Taken;
    m_file.removeStaleLockFile();
    return take();
}

void MonthLock::release()
{
    m_file.unlock();
}

MonthLock::Outcome MonthLock::outcome() const
{
    if (isHeld())
        return Outcome::Taken;
    return m_file.error() == QLockFile::LockFailedError ? Outcome::Held : Outcome::Unavailable;
}

void MonthLock::recordUser()
{
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(UserLinePrefix.toByteArray() + currentUserName().toUtf8() + '\n');
}

std::optional<LockHolder> MonthLock::holder() const
{
    const QFileInfo info(m_path);
    if (isHeld() || !info.exists())
        return std::nullopt;
    LockHolder holder;
    qint64 pid = 0;
    QString program;
    // A lock file its maker could not finish names nobody; it still holds the month.
    if (m_file.getLockInfo(&pid, &holder.host, &program))
        holder.onThisComputer = holder.host == QSysInfo::machineHostName();
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = file.read(qint64(64) * 1024).split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith(UserLinePrefix))
                holder.user = QString::fromUtf8(line.mid(UserLinePrefix.size())).trimmed();
        }
    }
    holder.since = info.lastModified();
    return holder;
}

QString LockHolder::description() const
{
    const auto shown = [](const QString &text) { return text.isEmpty() ? u"（不明）"_s : text; };
    return u"パソコン名：%1\nユーザー名：%2\n開いた日時：%3"_s.arg(shown(host), shown(user),
                                                                   since.toString(u"yyyy/MM/dd HH:mm"_s));
}

bool LockHolder::isAbandoned(const QDateTime &now) const
{
    return !onThisComputer && since.secsTo(now) >= AbandonedAfterSeconds;
}
