#include "app/workfolderchoice.h"
#include "testplatform.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Folder names the cases use, each made inside the test's temporary folder;
// "gone" is never made, and "documents-file" is a file where the documents
// folder should be.
QString resolve(const QTemporaryDir &root, const QString &name)
{
    return name.isEmpty() ? QString() : root.filePath(name);
}

} // namespace

class WorkFolderChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    // Which folder the program runs in, what the user is asked and told, and
    // which folder the menu entry will use next time.
    void workFolderOfTheRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("remembered"); // stored before the start
        QTest::addColumn<QString>("documents");  // the documents folder
        QTest::addColumn<QList<PromptAnswer>>("answers");
        QTest::addColumn<QString>("picked");       // the folder dialog's answer; empty = cancel
        QTest::addColumn<QString>("workFolder");   // empty = the program does not start
        QTest::addColumn<QStringList>("messages"); // first lines
        QTest::addColumn<QString>("dialogFolder"); // where the folder dialog opened; empty = not shown
        QTest::addColumn<QString>("rememberedAfter");

        const QStringList question{u"作業フォルダーを次のフォルダーにしますか"_s};
        const QString proposed = u"documents/出席簿"_s;
        QTest::newRow("from a shell: the current directory")
            << QStringList{} << u"elsewhere"_s << u"documents"_s << QList<PromptAnswer>{} << QString() << u"current"_s
            << QStringList{} << QString() << u"elsewhere"_s;
        QTest::newRow("folder given, not remembered")
            << QStringList{u"--work-folder"_s, u"../elsewhere"_s} << QString() << u"documents"_s
            << QList<PromptAnswer>{} << QString() << u"elsewhere"_s << QStringList{} << QString() << QString();
        QTest::newRow("folder given that does not exist")
            << QStringList{u"--work-folder"_s, u"../gone"_s} << QString() << u"documents"_s << QList<PromptAnswer>{}
            << QString() << QString() << QStringList{u"作業フォルダーがありません"_s} << QString() << QString();
        QTest::newRow("menu: the folder chosen before")
            << QStringList{u"--last-work-folder"_s} << u"elsewhere"_s << u"documents"_s << QList<PromptAnswer>{}
            << QString() << u"elsewhere"_s << QStringList{} << QString() << u"elsewhere"_s;
        QTest::newRow("menu, first start: the proposed folder is made")
            << QStringList{u"--last-work-folder"_s} << QString() << u"documents"_s
            << QList<PromptAnswer>{PromptAnswer::Yes} << QString() << proposed << question << QString() << proposed;
        QTest::newRow("menu, first start: another folder")
            << QStringList{u"--last-work-folder"_s} << QString() << u"documents"_s
            << QList<PromptAnswer>{PromptAnswer::No} << u"elsewhere"_s << u"elsewhere"_s << question << u"documents"_s
            << u"elsewhere"_s;
        QTest::newRow("menu, first start: cancelled")
            << QStringList{u"--last-work-folder"_s} << QString() << u"documents"_s
            << QList<PromptAnswer>{PromptAnswer::No} << QString() << QString() << question << u"documents"_s
            << QString();
        QTest::newRow("menu: the folder chosen before is gone")
            << QStringList{u"--last-work-folder"_s} << u"gone"_s << u"documents"_s
            << QList<PromptAnswer>{PromptAnswer::Ok, PromptAnswer::Yes} << QString() << proposed
            << QStringList{u"前回の作業フォルダーが見つかりません"_s} + question << QString() << proposed;
        QTest::newRow("menu: the proposed folder cannot be made")
            << QStringList{u"--last-work-folder"_s} << QString() << u"documents-file"_s
            << QList<PromptAnswer>{PromptAnswer::Yes} << QString() << QString()
            << question + QStringList{u"作業フォルダーを作成できません"_s} << QString() << QString();
        QTest::newRow("menu action: choose again")
            << QStringList{u"--choose-work-folder"_s} << u"current"_s << u"documents"_s << QList<PromptAnswer>{}
            << u"elsewhere"_s << u"elsewhere"_s << QStringList{} << u"current"_s << u"elsewhere"_s;
        QTest::newRow("menu action: cancelled keeps the folder")
            << QStringList{u"--choose-work-folder"_s} << u"current"_s << u"documents"_s << QList<PromptAnswer>{}
            << QString() << QString() << QStringList{} << u"current"_s << u"current"_s;
    }
    void workFolderOfTheRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, remembered);
        QFETCH(QString, documents);
        QFETCH(QList<PromptAnswer>, answers);
        QFETCH(QString, picked);
        QFETCH(QString, workFolder);
        QFETCH(QStringList, messages);
        QFETCH(QString, dialogFolder);
        QFETCH(QString, rememberedAfter);

        TestPlatform test;
        QTemporaryDir root;
        QDir(root.path()).mkpath(u"current"_s);
        QDir(root.path()).mkpath(u"documents"_s);
        QDir(root.path()).mkpath(u"elsewhere"_s);
        QFile file(root.filePath(u"documents-file"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (!remembered.isEmpty())
            test.store.setValue(WorkFolderSection, WorkFolderKey, QDir::toNativeSeparators(root.filePath(remembered)));
        test.prompts.answers.assign(answers.begin(), answers.end());
        if (!picked.isEmpty())
            test.prompts.fileNames.push_back(root.filePath(picked));

        const std::optional<QString> chosen = chooseWorkFolder(StartOptions::fromArguments(arguments), test.platform,
                                                               root.filePath(u"current"_s), root.filePath(documents));

        QCOMPARE(chosen.value_or(QString()), resolve(root, workFolder));
        if (chosen)
            QVERIFY(QFileInfo(*chosen).isDir());
        QStringList shown;
        for (const QString &text : test.prompts.texts())
            shown.append(text.section(u'\n', 0, 0));
        QCOMPARE(shown, messages);
        QCOMPARE(test.prompts.proposedPaths,
                 dialogFolder.isEmpty() ? QStringList{} : QStringList{root.filePath(dialogFolder)});
        QCOMPARE(QDir::fromNativeSeparators(test.store.value(WorkFolderSection, WorkFolderKey)),
                 resolve(root, rememberedAfter));
    }

    // The first-start question names the folder it proposes, with Yes and No.
    void firstStartQuestion()
    {
        TestPlatform test;
        QTemporaryDir documents;
        test.prompts.answers.push_back(PromptAnswer::No);
        chooseWorkFolder(StartOptions::fromArguments({u"--last-work-folder"_s}), test.platform, documents.path(),
                         documents.path());
        QCOMPARE(test.prompts.messages,
                 (QList<PromptMessage>{{u"作業フォルダーを次のフォルダーにしますか\n%1\n\n"
                                        u"「いいえ」を選ぶと別のフォルダーを選べます"_s.arg(
                                            QDir::toNativeSeparators(documents.filePath(u"出席簿"_s))),
                                        u"ヴェルトラ"_s, PromptIcon::Question, PromptButtons::YesNo}}));
    }
};

VELTRA_TEST(WorkFolderChoiceTest)
#include "workfolderchoice_test.moc"
