#include "data/markreasons.h"
#include "data/monthfile.h"
#include "data/reasoncategories.h"
#include "register/monthrecovery.h"
#include "register/recoverywriter.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush();
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One pupil, sick on the 2nd.
RegisterMonth monthWithTeacher(const QString &teacher)
{
    RegisterMonth month;
    month.TeacherName = teacher;
    month.PupilCount = 1;
    month.Pupils[0].Name = u"山田一郎"_s;
    month.Pupils[0].Marks[1] = u"病"_s;
    return month;
}

RegisterMonth recover(const QString &month)
{
    RegisterMonth recovered;
    QString message;
    [&] { QVERIFY(MonthRecovery::load(month, ReasonCategories{}, recovered, message).ok()); }();
    return recovered;
}

} // namespace

// The recovery file: when it is offered, how a declined one is kept, and how
// the open month's changes reach it.
class MonthRecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void pending_data()
    {
        QTest::addColumn<int>("monthAge"); // seconds before now; -1: no month file
        QTest::addColumn<int>("recoveryAge");
        QTest::addColumn<bool>("pending");

        QTest::newRow("recovery newer") << 60 << 5 << true;
        QTest::newRow("recovery older") << 5 << 60 << false;
        QTest::newRow("same time") << 5 << 5 << false;
        QTest::newRow("month never written") << -1 << 5 << true;
        QTest::newRow("no recovery") << 5 << -1 << false;
    }

    void pending()
    {
        QFETCH(int, monthAge);
        QFETCH(int, recoveryAge);
        QFETCH(bool, pending);
        QTemporaryDir folder;
        const QString month = folder.filePath(u"2026_11.ROD"_s);
        const QDateTime now = QDateTime::currentDateTime();
        if (monthAge >= 0)
            writeFile(month, "month", now.addSecs(-monthAge));
        if (recoveryAge >= 0)
            writeFile(MonthRecovery::recoveryPath(month), "recovery", now.addSecs(-recoveryAge));
        QCOMPARE(MonthRecovery::isPending(month), pending);
    }

    void aDeclinedRecoveryIsKeptUnderANameOfItsOwn()
    {
        QTemporaryDir folder;
        const QString month = folder.filePath(u"2026_11.ROD"_s);
        const QDateTime at(QDate(2026, 12, 7), QTime(9, 15, 0));
        QStringList kept;
        for (const QByteArray &bytes : {QByteArray("first"), QByteArray("second")}) {
            writeFile(MonthRecovery::recoveryPath(month), bytes, at);
            kept.append(MonthRecovery::setAside(month, at));
        }
        QCOMPARE(kept, QStringList({month + u".20261207-091500.recover"_s, month + u".20261207-091500-2.recover"_s}));
        QCOMPARE(readFile(kept[0]), "first");
        QCOMPARE(readFile(kept[1]), "second");
        QVERIFY(!MonthRecovery::isPending(month));
    }

    void changesReachTheRecoveryFileTogether()
    {
        QTemporaryDir folder;
        const QString month = folder.filePath(u"2026_11.ROD"_s);
        const QString recovery = MonthRecovery::recoveryPath(month);
        RegisterMonth open = monthWithTeacher(u"山田"_s);
        RecoveryWriter writer(month, open, std::chrono::milliseconds(50));

        writer.monthChanged();
        QTest::qWait(120);
        QVERIFY2(!QFile::exists(recovery), "an unchanged month is not written");

        open.TeacherName = u"山"_s;
        writer.monthChanged();
        open.TeacherName = u"山本"_s;
        writer.monthChanged();
        QTRY_VERIFY(QFile::exists(recovery));
        QCOMPARE(recover(month), open);
        QVERIFY(MonthRecovery::isPending(month));

        // A reason alone is a change too, and comes back with its pupil.
        QVERIFY(MonthFile::save(month, open).ok);
        writer.discard();
        MarkReasons::set(open.Pupils[0], {1, u"病"_s, {u"発熱"_s}, u"38度"_s});
        writer.monthChanged();
        QTRY_VERIFY(MonthRecovery::isPending(month));
        QCOMPARE(recover(month), open);

        writer.discard();
        QVERIFY(!QFile::exists(recovery));
        QVERIFY(!QFile::exists(MonthRecovery::reasonsRecoveryPath(month)));
        QVERIFY(!MonthRecovery::isPending(month));
    }

    void aFailedWriteIsReported()
    {
        QTemporaryDir folder;
        const RegisterMonth open = monthWithTeacher(u"山田"_s);
        RegisterMonth changed = open;
        RecoveryWriter writer(folder.filePath(u"missing/2026_11.ROD"_s), changed, std::chrono::milliseconds(10));
        QSignalSpy failed(&writer, &RecoveryWriter::writeFailed);
        changed.TeacherName = u"山本"_s;
        writer.monthChanged();
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!writer.writeNow().ok);
    }
};

VELTRA_TEST(MonthRecoveryTest)
#include "monthrecovery_test.moc"
