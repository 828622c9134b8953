#include "app/startoptions.h"
#include "testregistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

class StartOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<StartOptions::Action>("action");
        QTest::addColumn<StartOptions::WorkFolder>("workFolder");
        QTest::addColumn<QString>("givenFolder");
        using A = StartOptions::Action;
        using W = StartOptions::WorkFolder;
        QTest::newRow("from a shell") << QStringList{} << A::Run << W::CurrentDirectory << QString();
        QTest::newRow("folder given") << QStringList{u"--work-folder"_s, u"学校/出席簿"_s} << A::Run << W::Given
                                      << u"学校/出席簿"_s;
        QTest::newRow("folder given with =")
            << QStringList{u"--work-folder=/srv/出席簿"_s} << A::Run << W::Given << u"/srv/出席簿"_s;
        QTest::newRow("menu entry") << QStringList{u"--last-work-folder"_s} << A::Run << W::LastChosen << QString();
        QTest::newRow("menu action") << QStringList{u"--choose-work-folder"_s} << A::Run << W::Choose << QString();
#ifdef VELTRA_SCRIPTED_RUNS
        const A scriptedRun = A::Run;
#else
        const A scriptedRun = A::Refuse; // the installed program has no kill trial switches
#endif
        QTest::newRow("kill trial switches") << QStringList{u"--scripted-run=/tmp/log"_s, u"--scripted-seed=4"_s}
                                             << scriptedRun << W::CurrentDirectory << QString();
        QTest::newRow("version") << QStringList{u"--version"_s} << A::ShowVersion << W::CurrentDirectory << QString();
        QTest::newRow("help after a folder")
            << QStringList{u"--last-work-folder"_s, u"--help"_s} << A::ShowHelp << W::LastChosen << QString();
        QTest::newRow("folder missing") << QStringList{u"--work-folder"_s} << A::Refuse << W::CurrentDirectory
                                        << QString();
        QTest::newRow("empty folder") << QStringList{u"--work-folder="_s} << A::Refuse << W::CurrentDirectory
                                      << QString();
        QTest::newRow("two folder choices")
            << QStringList{u"--last-work-folder"_s, u"--work-folder"_s, u"a"_s} << A::Refuse << W::Given << u"a"_s;
        QTest::newRow("mistyped option") << QStringList{u"--work-fodler"_s, u"a"_s} << A::Refuse << W::CurrentDirectory
                                         << QString();
        QTest::newRow("stray argument") << QStringList{u"出席簿"_s} << A::Refuse << W::CurrentDirectory << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(StartOptions::Action, action);
        QFETCH(StartOptions::WorkFolder, workFolder);
        QFETCH(QString, givenFolder);
        const StartOptions options = StartOptions::fromArguments(arguments);
        QCOMPARE(options.action, action);
        QCOMPARE(options.workFolder, workFolder);
        QCOMPARE(options.givenFolder, givenFolder);
    }
};

VELTRA_TEST(StartOptionsTest)
#include "startoptions_test.moc"
