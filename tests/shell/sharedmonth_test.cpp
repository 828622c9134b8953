#include "calendar/monthchoice.h"
#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "register/monthlock.h"
#include "register/monthrecovery.h"
#include "register/openmonth.h"
#include "register/windows/rollform.h"
#include "shell/windows/mainwindow.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

const QString HeldMessage = u"この出席簿は他のパソコンで開かれています"_s;
const QString RecoveryQuestion =
    u"1年2組 令和8年11月の出席簿は、前回正常に終了しなかったため、保存されていない入力があります。復元しますか？"_s;

// One computer of the school: its own session and main window on the shared data folder.
struct Computer
{
    explicit Computer(const QString &dataFolder = {})
    {
        if (!dataFolder.isEmpty())
            fixture.session.Settings.DataFolder = dataFolder;
        fixture.addClass(u"1年2組"_s);
        applyMonthChoice(fixture.session.State, fixture.session.Settings, fixture.session.Classes.Entries[0],
                         {2026, 11});
        QDir().mkpath(fixture.session.State.MonthFolder);
    }

    QString monthPath() const { return openMonthPath(fixture.session.State); }
    RollForm *editor() const
    {
        const QList<QMdiSubWindow *> windows = named<QMdiArea>(window, u"MDI"_s)->subWindowList();
        return windows.isEmpty() ? nullptr : qobject_cast<RollForm *>(windows.last()->widget());
    }
    bool enabled(const QString &button) const { return named(window, button)->isEnabled(); }
    QStringList messages() const { return fixture.test.prompts.texts(); }

    ShellFixture fixture;
    MainWindow window{fixture.session, fixture.test.platform};
};

RegisterMonth monthWithTeacher(const QString &teacher)
{
    RegisterMonth month;
    month.TeacherName = teacher;
    month.HolidayCount = 1;
    month.HolidayList[0] = {3, u"文化の日"_s, u"祝"_s};
    month.PupilCount = 1;
    month.Pupils[0].Name = u"山田 太郎"_s;
    month.Pupils[0].Sex = u"男"_s;
    return month;
}

RegisterMonth loaded(const QString &path)
{
    RegisterMonth month;
    if (!MonthFile::load(path, month).ok())
        qWarning("cannot load %s", qPrintable(path));
    return month;
}

void writeRecovery(const QString &monthPath, const RegisterMonth &month)
{
    QVERIFY(MonthRecovery::save(monthPath, MonthFile::toBytes(month), ReasonFile::toBytes(month)).ok);
    QFile file(MonthRecovery::recoveryPath(monthPath));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
}

QStringList setAsideFiles(const QString &folder)
{
    return QDir(folder).entryList({u"*.ROD.*-*.recover"_s}, QDir::Files);
}

} // namespace

// Two computers on one data folder: the month is written by one at a time;
// the other may look at it read-only. Entries of a run that ended without
// closing are offered again.
class SharedMonthTest : public QObject
{
    Q_OBJECT

private slots:
    void theSecondComputerGetsTheMonthReadOnly()
    {
        Computer office;
        Computer classroom(office.fixture.session.Settings.DataFolder);
        QVERIFY(MonthFile::save(office.monthPath(), monthWithTeacher(u"山田"_s)).ok);

        office.window.openMonth();
        QVERIFY(office.messages().isEmpty());
        QVERIFY(!office.editor()->isReadOnly());

        classroom.window.openMonth();
        QCOMPARE(classroom.fixture.test.prompts.messages.size(), 1);
        const PromptMessage &held = classroom.fixture.test.prompts.messages.first();
        QVERIFY(held.text.startsWith(HeldMessage + u"\n\nパソコン名："_s + QSysInfo::machineHostName()));
        QVERIFY(held.text.contains(QDateTime::currentDateTime().toString(u"yyyy/MM/dd"_s)));
        QCOMPARE(held.buttons, PromptButtons::OpenReadOnlyCancel);
        RollForm *readOnly = classroom.editor();
        QVERIFY(readOnly && readOnly->isReadOnly());
        QVERIFY(readOnly->windowTitle().contains(u"読み取り専用"_s));
        QVERIFY(named<QLineEdit>(*readOnly, u"TS_NAME"_s)->isReadOnly());
        QVERIFY(!named(*readOnly, u"B_DEL"_s)->isEnabled());
        QVERIFY(!classroom.enabled(u"B_HOLIDAY"_s) && !classroom.enabled(u"B_MEIBO"_s));
        QVERIFY(classroom.enabled(u"B_PRT"_s) && classroom.enabled(u"B_CLOSE"_s));

        office.fixture.session.Register.TeacherName = u"山本"_s;
        office.editor()->RefreshSheet();
        QVERIFY(office.window.closeDocuments());
        QVERIFY(!QFile::exists(MonthLock::lockPath(office.monthPath())));
        QVERIFY(classroom.window.closeDocuments());
        QCOMPARE(loaded(office.monthPath()).TeacherName, u"山本"_s);

        classroom.window.openMonth();
        QCOMPARE(classroom.messages().size(), 1);
        QVERIFY(!classroom.editor()->isReadOnly());
        QCOMPARE(classroom.fixture.session.Register.TeacherName, u"山本"_s);
    }

    void cancellingOpensNothing()
    {
        Computer office;
        Computer classroom(office.fixture.session.Settings.DataFolder);
        office.window.openMonth();
        classroom.fixture.test.prompts.answers = {PromptAnswer::Cancel};
        classroom.window.openMonth();
        QCOMPARE(classroom.messages().size(), 1);
        QVERIFY(!classroom.editor());
        QVERIFY(!classroom.enabled(u"B_CLOSE"_s));
    }

    void anAbandonedLockOfAnotherComputer_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("taken over") << PromptAnswer::Yes << false;
        QTest::newRow("left alone") << PromptAnswer::No << true;
    }

    void anAbandonedLockOfAnotherComputer()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, readOnly);
        Computer classroom;
        QVERIFY(MonthFile::save(classroom.monthPath(), monthWithTeacher(u"山田"_s)).ok);
        {
            QFile lock(MonthLock::lockPath(classroom.monthPath()));
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("4242\nveltra\nSHOKUIN-PC\n0123456789abcdef\nboot\nuser:tanaka\n");
            lock.flush();
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        }
        classroom.fixture.test.prompts.answers = {answer};
        classroom.window.openMonth();

        const QStringList messages = classroom.messages();
        QVERIFY(messages.value(0).contains(u"パソコン名：SHOKUIN-PC\nユーザー名：tanaka"_s));
        QCOMPARE(classroom.fixture.test.prompts.messages.value(0).buttons, PromptButtons::YesNo);
        QCOMPARE(messages.size(), readOnly ? 2 : 1);
        if (readOnly)
            QVERIFY(messages[1].startsWith(HeldMessage));
        QCOMPARE(classroom.editor()->isReadOnly(), readOnly);
    }

    void unsavedEntriesAreOffered_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("teacher");
        QTest::newRow("restored") << PromptAnswer::Yes << u"復元"_s;
        QTest::newRow("declined") << PromptAnswer::No << u"保存済"_s;
    }

    void unsavedEntriesAreOffered()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, teacher);
        Computer classroom;
        const QString month = classroom.monthPath();
        QVERIFY(MonthFile::save(month, monthWithTeacher(u"保存済"_s)).ok);
        writeRecovery(month, monthWithTeacher(u"復元"_s));

        classroom.fixture.test.prompts.answers = {answer};
        classroom.window.openMonth();
        QCOMPARE(
            classroom.fixture.test.prompts.messages,
            (QList<PromptMessage>{{RecoveryQuestion, u"ヴェルトラ"_s, PromptIcon::Question, PromptButtons::YesNo}}));
        QCOMPARE(classroom.fixture.session.Register.TeacherName, teacher);
        const QString folder = classroom.fixture.session.State.MonthFolder;
        QCOMPARE(setAsideFiles(folder).size(), answer == PromptAnswer::No ? 1 : 0);

        QVERIFY(classroom.window.closeDocuments());
        QCOMPARE(loaded(month).TeacherName, teacher);
        QVERIFY(!QFile::exists(MonthRecovery::recoveryPath(month)));
        QCOMPARE(setAsideFiles(folder).size(), answer == PromptAnswer::No ? 1 : 0);
    }

    void unsavedEntriesOfAMonthNeverWrittenNeedNoOtherQuestion()
    {
        Computer classroom;
        writeRecovery(classroom.monthPath(), monthWithTeacher(u"復元"_s));
        classroom.window.openMonth();
        QCOMPARE(classroom.messages(), QStringList{RecoveryQuestion});
        QCOMPARE(classroom.fixture.session.Register.TeacherName, u"復元"_s);
    }

    void aReadOnlyMonthNeitherOffersNorTouchesTheHoldersEntries()
    {
        Computer office;
        Computer classroom(office.fixture.session.Settings.DataFolder);
        QVERIFY(MonthFile::save(office.monthPath(), monthWithTeacher(u"保存済"_s)).ok);
        office.window.openMonth();
        writeRecovery(office.monthPath(), monthWithTeacher(u"入力中"_s));

        classroom.window.openMonth();
        QCOMPARE(classroom.messages().size(), 1);
        QVERIFY(classroom.messages()[0].startsWith(HeldMessage));
        QCOMPARE(classroom.fixture.session.Register.TeacherName, u"保存済"_s);
        QVERIFY(classroom.window.closeDocuments());
        QVERIFY(MonthRecovery::isPending(office.monthPath()));
        QCOMPARE(loaded(office.monthPath()).TeacherName, u"保存済"_s);
    }
};

VELTRA_TEST(SharedMonthTest)
#include "sharedmonth_test.moc"
