#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

inline const QString MonthInUseMessage = QStringLiteral("この出席簿は他のパソコンで開かれています");

// Who has a month open for writing, as its lock file says.
struct LockHolder
{
    QString host;
    QString user;
    QDateTime since;
    bool onThisComputer = false;

    // Another computer's lock a day old or older: its program most likely
    // ended without closing the month, and the user may take the lock over.
    bool isAbandoned(const QDateTime &now = QDateTime::currentDateTime()) const;
    // "パソコン名：…\nユーザー名：…\n開いた日時：…", for the user.
    QString description() const;
};

// The lock of one month opened for writing: a file beside the month file
// ("2026_11.ROD.lock") naming the computer, the user and (by its time) when the
// month was opened. A lock left behind by a program that no longer runs on this
// computer is taken over at once; another computer's lock only by takeOver(),
// which the user must agree to. Each object is a lock of its own, so two
// sessions of one process contend for a month like two programs.
class MonthLock
{
public:
    enum class Outcome { Taken, Held, Unavailable };

    explicit MonthLock(const QString &monthPath);
    ~MonthLock();
    MonthLock(const MonthLock &) = delete;
    MonthLock &operator=(const MonthLock &) = delete;

    static QString lockPath(const QString &monthPath);

    // Takes the lock; Held when another program has it, Unavailable when the
    // lock file cannot be made (a folder without write permission).
    Outcome take();
    // Removes the lock of another program and takes it. Only for a lock the user
    // has agreed to take over.
    Outcome takeOver();
    void release();
    bool isHeld() const { return m_file.isLocked(); }

    // The lock's holder while another program holds it.
    std::optional<LockHolder> holder() const;

private:
    Outcome outcome() const;
    void recordUser();

    QString m_path;
    QLockFile m_file;
};

// The name of the user running this program, empty when the system does not say.
QString currentUserName();

// How the register editor holds its month: for writing with the month's lock
// (none where the month was opened without one), or read-only.
struct MonthAccess
{
    std::unique_ptr<MonthLock> lock;
    bool readOnly = false;
};
