#include "shell/windows/mainwindow.h"

#include "data/settingsstore.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

const QStringList DocumentButtons{u"B_HOLIDAY"_s, u"B_MEIBO"_s, u"B_PRT"_s, u"B_CLOSE"_s};
const QStringList CommandButtons{u"B_MONTH"_s, u"B_TOTAL"_s, u"B_END"_s};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void firstShowing_data()
    {
        QTest::addColumn<QByteArray>("settingsFile"); // empty = no ROLL.SEW
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("dialog"); // the dialog that opens, if any
        const auto settings = [](const QByteArray &dataFolder) {
            return "1234,\"SCHOOL\",\"\",\"" + dataFolder
                   + "\",\"\",\"\"\r\n"
                     "0,\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                     "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        };
        QTest::newRow("new installation") << QByteArray() << u"環境設定ﾌｧｲﾙが有りません"_s << u"出席簿"_s << QString();
        QTest::newRow("unreadable settings")
            << QByteArray("garbage\r\n") << u"環境設定ﾌｧｲﾙ読み込みエラー"_s << u"出席簿"_s << QString();
        QTest::newRow("settings present") << settings("") << QString() << u"出席簿 "_s << u"F_SET"_s;
        // A data folder set on a Windows PC is chosen anew, and never created here.
        QTest::newRow("data folder of another computer")
            << settings("C:\\ROLL\\DATA") << u"保存データ用フォルダーが見つかりません: C:\\ROLL\\DATA"_s << u"出席簿 "_s
            << u"USER_SET"_s;
    }
    void firstShowing()
    {
        QFETCH(QByteArray, settingsFile);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        QFETCH(QString, dialog);
        ShellFixture fixture;
        if (!settingsFile.isEmpty())
            writeFile(fixture.workFile(u"ROLL.SEW"_s), settingsFile);
        MainWindow window(fixture.session, fixture.test.platform);
        FixedInstanceLock lock(true);
        QVERIFY(window.startUp(lock));

        QString dialogShown;
        NextModalDialog handler([&](QDialog &shown) {
            dialogShown = shown.objectName();
            shown.reject();
        });
        window.show();
        QTRY_COMPARE(window.windowTitle(), caption);
        if (!message.isEmpty()) {
            QTRY_COMPARE(fixture.test.prompts.messages.size(), 1);
            QCOMPARE(fixture.test.prompts.messages.first(),
                     (PromptMessage{message, u"ヴェルトラ"_s, PromptIcon::Warning, PromptButtons::Ok}));
        } else {
            QVERIFY(fixture.test.prompts.messages.isEmpty());
        }
        if (dialog.isEmpty()) {
            QTest::qWait(50);
            QVERIFY(dialogShown.isEmpty());
        } else {
            QTRY_COMPARE(dialogShown, dialog);
            QCOMPARE(fixture.session.Settings.SchoolCode, 1234);
        }
        QCOMPARE(QDir(fixture.session.Settings.WorkFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!QApplication::overrideCursor());
        for (const QString &name : DocumentButtons)
            QVERIFY2(!named(window, name)->isEnabled(), qPrintable(name));
        for (const QString &name : CommandButtons)
            QVERIFY2(named(window, name)->isEnabled(), qPrintable(name));
    }

    // A class list holding one title twice (written by hand or by an older
    // program) is named when the program starts: both classes share a folder.
    void sharedClassTitleIsNamed()
    {
        ShellFixture fixture;
        fixture.addClass(u"1年2組"_s);
        fixture.addClass(u"1年2組 "_s);
        QVERIFY(ClassListFile::save(fixture.session.Settings.WorkFolder, fixture.session.Classes).ok);
        MainWindow window(fixture.session, fixture.test.platform);
        window.show();
        QTRY_COMPARE(fixture.test.prompts.messages.size(), 2);
        QCOMPARE(fixture.test.prompts.texts(),
                 (QStringList{u"クラスファイルに同じ名前のクラス「1年2組」が複数あります\n"
                              u"クラス設定でどちらかを削除してください"_s,
                              u"環境設定ﾌｧｲﾙが有りません"_s}));
    }

    void menusWorkWithoutSettings_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("environment") << u"M0_USER_SET"_s << u"USER_SET"_s;
        QTest::newRow("version") << u"M3_VER"_s << u"VER_FORM"_s;
        QTest::newRow("month") << u"M0_NEW"_s << u"F_SET"_s;
    }
    void menusWorkWithoutSettings()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        ShellFixture fixture;
        MainWindow mainWindow(fixture.session, fixture.test.platform);
        mainWindow.show();
        QTRY_COMPARE(fixture.test.prompts.messages.size(), 1);

        QString dialogShown;
        NextModalDialog handler([&](QDialog &dialog) {
            dialogShown = dialog.objectName();
            dialog.reject();
        });
        named<QAction>(mainWindow, item)->trigger();
        QCOMPARE(dialogShown, window);
    }

    void helpOpensTheManualAtItsSearchField()
    {
        ShellFixture fixture;
        MainWindow window(fixture.session, fixture.test.platform);
        named<QAction>(window, u"M3_HELP"_s)->trigger();
        QWidget *help = named(window, u"HELP"_s);
        QVERIFY(help->isVisible());
        QCOMPARE(help->focusWidget(), named(*help, u"FIND"_s));
    }

    void secondInstanceIsRefused()
    {
        ShellFixture fixture;
        MainWindow window(fixture.session, fixture.test.platform);
        FixedInstanceLock taken(false);
        QVERIFY(!window.startUp(taken));
        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{{u"すでにヴェルトラは実行されています、実行を中止します"_s, u"ヴェルトラ"_s,
                                        PromptIcon::Critical, PromptButtons::Ok}}));
        QVERIFY(fixture.test.store.value(u"SCHOOL"_s, u"INST_DAY"_s).isEmpty());
    }

    void lockFileAdmitsOneInstance()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"veltra.lock"_s);
        {
            LockFileInstanceLock first(path);
            QVERIFY(first.tryLock());
            LockFileInstanceLock second(path);
            QVERIFY(!second.tryLock());
        }
        LockFileInstanceLock afterTheFirstEnded(path);
        QVERIFY(afterTheFirstEnded.tryLock());
    }

    void versionIsRecordedAtStartUp_data()
    {
        QTest::addColumn<QString>("storedMajor");
        QTest::addColumn<QString>("installDay");
        QTest::newRow("older version") << u"99"_s << u"2026/12/07"_s;
        QTest::newRow("never installed") << QString() << u"2026/12/07"_s;
        QTest::newRow("same version") << u"100"_s << QString();
    }
    void versionIsRecordedAtStartUp()
    {
        QFETCH(QString, storedMajor);
        QFETCH(QString, installDay);
        ShellFixture fixture;
        if (!storedMajor.isEmpty())
            fixture.test.store.setValue(u"Version"_s, u"Major"_s, storedMajor);
        MainWindow window(fixture.session, fixture.test.platform);
        FixedInstanceLock lock(true);
        QVERIFY(window.startUp(lock));
        QCOMPARE(fixture.test.store.value(u"SCHOOL"_s, u"INST_DAY"_s), installDay);
    }

    // First start fills the screen's available area; later starts reopen at
    // the size the window had when it closed.
    void windowSizeIsRemembered()
    {
        ShellFixture fixture;
        {
            MainWindow first(fixture.session, fixture.test.platform);
            first.showInRememberedPlace();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            QCOMPARE(first.frameGeometry().united(first.screen()->availableGeometry()),
                     first.screen()->availableGeometry());
            QVERIFY(first.width() * 10 >= first.screen()->availableGeometry().width() * 9);
            first.showNormal();
            first.setGeometry(40, 50, 800, 500);
            first.close();
        }
        MainWindow second(fixture.session, fixture.test.platform);
        second.showInRememberedPlace();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.size(), QSize(800, 500));
    }
};

VELTRA_TEST(StartUpTest)
#include "startup_test.moc"
