#include "register/monthlock.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// No process ever has this id: it lies above the largest id Linux hands out.
constexpr qint64 EndedProcess = 4194305;

// A lock file as a program on `host` leaves it, `ageDays` old.
void writeLock(const QString &path, qint64 pid, const QString &host, const QByteArray &machineId,
               const QByteArray &bootId, int ageDays)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + "\nveltra\n" + host.toUtf8() + '\n' + machineId + '\n' + bootId
               + "\nuser:tanaka\n");
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-ageDays), QFileDevice::FileModificationTime));
}

} // namespace

// The lock of a month opened for writing: contended between sessions of one
// process, left locks of ended programs taken over, other computers' locks kept.
class MonthLockTest : public QObject
{
    Q_OBJECT

private slots:
    void secondSessionFindsTheMonthHeldUntilTheFirstReleases()
    {
        QTemporaryDir folder;
        const QString month = folder.filePath(u"2026_11.ROD"_s);
        MonthLock first(month);
        MonthLock second(month);
        QCOMPARE(first.take(), MonthLock::Outcome::Taken);
        QVERIFY(QFile::exists(folder.filePath(u"2026_11.ROD.lock"_s)));

        QCOMPARE(second.take(), MonthLock::Outcome::Held);
        const std::optional<LockHolder> holder = second.holder();
        QVERIFY(holder);
        QCOMPARE(holder->host, QSysInfo::machineHostName());
        QCOMPARE(holder->user, currentUserName());
        QVERIFY(holder->onThisComputer);
        QVERIFY(qAbs(holder->since.secsTo(QDateTime::currentDateTime())) < 60);
        QVERIFY(!holder->isAbandoned(QDateTime::currentDateTime().addDays(3)));
        QCOMPARE(second.takeOver(), MonthLock::Outcome::Held);

        first.release();
        QCOMPARE(second.take(), MonthLock::Outcome::Taken);
        QCOMPARE(first.take(), MonthLock::Outcome::Held);
    }

    void leftLocks_data()
    {
        QTest::addColumn<bool>("thisComputer");
        QTest::addColumn<bool>("sameBoot");
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("takenAtOnce");
        QTest::addColumn<bool>("abandoned");

        QTest::newRow("ended program here") << true << true << 0 << true << false;
        QTest::newRow("program here before a restart") << true << false << 0 << true << false;
        QTest::newRow("other computer, today") << false << true << 0 << false << false;
        QTest::newRow("other computer, two days") << false << true << 2 << false << true;
    }

    void leftLocks()
    {
        QFETCH(bool, thisComputer);
        QFETCH(bool, sameBoot);
        QFETCH(int, ageDays);
        QFETCH(bool, takenAtOnce);
        QFETCH(bool, abandoned);

        QTemporaryDir folder;
        const QString month = folder.filePath(u"2026_11.ROD"_s);
        writeLock(MonthLock::lockPath(month), EndedProcess,
                  thisComputer ? QSysInfo::machineHostName() : u"SHOKUIN-PC"_s,
                  thisComputer ? QSysInfo::machineUniqueId() : QByteArray("0123456789abcdef"),
                  sameBoot ? QSysInfo::bootUniqueId() : QByteArray("earlier-boot"), ageDays);

        MonthLock lock(month);
        QCOMPARE(lock.take() == MonthLock::Outcome::Taken, takenAtOnce);
        if (takenAtOnce)
            return;
        QCOMPARE(lock.holder()->host, u"SHOKUIN-PC"_s);
        QCOMPARE(lock.holder()->user, u"tanaka"_s);
        QCOMPARE(lock.holder()->isAbandoned(), abandoned);
        QCOMPARE(lock.takeOver(), MonthLock::Outcome::Taken);
        QVERIFY(!lock.holder());
    }

    void aFolderThatCannotHoldTheLock()
    {
        QTemporaryDir folder;
        MonthLock lock(folder.filePath(u"missing/2026_11.ROD"_s));
        QCOMPARE(lock.take(), MonthLock::Outcome::Unavailable);
        QVERIFY(!lock.isHeld());
    }
};

VELTRA_TEST(MonthLockTest)
#include "monthlock_test.moc"
