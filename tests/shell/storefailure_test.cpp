#include "shell/windows/mainwindow.h"

#include "shell/windows/settingssave.h"
#include "shellfixture.h"
#include "testregistry.h"
#include "ui/windowposition.h"

#include <QFile>

using namespace Qt::StringLiterals;

// A settings store that refuses every write: its file would lie inside a plain file.
struct RefusingStore
{
    explicit RefusingStore(ShellFixture &fixture)
        : plainFile(fixture.test.folder.filePath(u"plain"_s))
        , store(plainFile + u"/settings.ini"_s)
        , platform{fixture.test.prompts, fixture.test.clock, fixture.test.screen, store}
    {
        QFile file(plainFile);
        file.open(QIODevice::WriteOnly);
    }

    QString plainFile;
    SettingsStore store;
    Platform platform;
};

class StoreFailureTest : public QObject
{
    Q_OBJECT

private slots:
    void refusedWritesAreReportedOnce_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::newRow("version at start-up") << u"version"_s;
        QTest::newRow("published settings") << u"settings"_s;
        QTest::newRow("window position") << u"position"_s;
    }
    void refusedWritesAreReportedOnce()
    {
        QFETCH(QString, writer);
        ShellFixture fixture;
        QVERIFY(QDir(fixture.session.Settings.DataFolder).mkpath(u"."_s));
        RefusingStore refusing(fixture);
        MainWindow window(fixture.session, refusing.platform);
        const QHash<QString, std::function<void()>> writers{
            {u"version"_s,
             [&] {
                 FixedInstanceLock lock(true);
                 window.startUp(lock);
             }},
            {u"settings"_s, [&] { saveSettings(fixture.session.Settings, QString(), refusing.platform, &window); }},
            {u"position"_s,
             [&] {
                 RememberedDialog dialog(refusing.platform, u"F_SET"_s, &window);
                 dialog.show();
                 dialog.reject();
             }},
        };
        writers[writer]();
        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{
                     {u"ユーザー設定を保存できませんでした（ウィンドウの位置などは次回の起動に引き継がれません）\n"_s
                          + QDir::toNativeSeparators(refusing.store.location()),
                      u"ヴェルトラ"_s, PromptIcon::Warning, PromptButtons::Ok}}));
        for (const auto &write : writers)
            write();
        QCOMPARE(fixture.test.prompts.messages.size(), 1);
    }
};

VELTRA_TEST(StoreFailureTest)
#include "storefailure_test.moc"
