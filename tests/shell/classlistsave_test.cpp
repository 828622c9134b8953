#include "shell/windows/mainwindow.h"

#include "data/classlistfile.h"
#include "data/sessionclasslist.h"
#include "shellfixture.h"
#include "testregistry.h"
#include "ui/classlistsave.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Unreadable("3,\"\",\"\",\"\"\r\n0,1,0,\"2\",\"\",\"\",\"\",\"1-2\"\r\n"); // 3 announced, 1 there

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString replaceQuestion(const QString &path)
{
    return u"クラスファイルが読み込めなかったため、保存していません\n%1\n今のクラス一覧で置き換えますか？"_s.arg(
        QDir::toNativeSeparators(path));
}

} // namespace

class ClassListSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpSaysWhenTheClassListCannotBeRead()
    {
        ShellFixture fixture;
        const QString path = fixture.workFile(u"CLASS.CSD"_s);
        writeFile(path, Unreadable);
        MainWindow window(fixture.session, fixture.test.platform);
        window.show();
        QTRY_COMPARE(fixture.test.prompts.messages.size(), 2);
        QCOMPARE(fixture.test.prompts.messages.first(),
                 (PromptMessage{u"クラスファイルの読込に失敗しました\n"_s + QDir::toNativeSeparators(path),
                                u"ヴェルトラ"_s, PromptIcon::Warning, PromptButtons::Ok}));
        QVERIFY(fixture.session.ClassListUnreadable);
        QCOMPARE(fixture.session.Classes.ClassCount, 1);
    }

    // Every way a changed class list meets the file on disk.
    void savingOverTheFileOnDisk_data()
    {
        QTest::addColumn<QByteArray>("onDisk"); // empty: no CLASS.CSD
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("questions");
        const QByteArray readable = ClassListFile::toBytes(ClassList{});
        QTest::newRow("no file yet") << QByteArray() << false << PromptAnswer::Yes << true << 0;
        QTest::newRow("readable file") << readable << false << PromptAnswer::Yes << true << 0;
        QTest::newRow("unreadable, kept") << Unreadable << true << PromptAnswer::No << false << 1;
        QTest::newRow("unreadable, replaced") << Unreadable << true << PromptAnswer::Yes << true << 1;
    }
    void savingOverTheFileOnDisk()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(bool, unreadable);
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, written);
        QFETCH(int, questions);
        ShellFixture fixture;
        const QString path = fixture.workFile(u"CLASS.CSD"_s);
        if (!onDisk.isEmpty())
            writeFile(path, onDisk);
        QCOMPARE(loadSessionClassList(fixture.session).unreadable(), unreadable);
        fixture.addClass(u"3年1組"_s, 3, u"1"_s);
        fixture.test.prompts.answers = {answer};

        QCOMPARE(saveClassList(fixture.session, fixture.test.platform, nullptr), written);
        QCOMPARE(fixture.test.prompts.messages.size(), questions);
        if (questions)
            QCOMPARE(fixture.test.prompts.messages.first(), (PromptMessage{replaceQuestion(path), u"ヴェルトラ"_s,
                                                                           PromptIcon::Warning, PromptButtons::YesNo}));
        QCOMPARE(readFile(path), written ? ClassListFile::toBytes(fixture.session.Classes) : onDisk);
        QCOMPARE(fixture.session.ClassListUnreadable, !written);
        if (!written)
            QVERIFY(!saveSessionClassList(fixture.session).ok); // the core refuses too
    }

    void failedSaveIsReported()
    {
        ShellFixture fixture;
        const QString path = fixture.workFile(u"CLASS.CSD"_s);
        QDir().mkpath(path); // a folder where the file belongs
        QVERIFY(!saveClassList(fixture.session, fixture.test.platform, nullptr));
        QCOMPARE(fixture.test.prompts.messages.size(), 1);
        QVERIFY(fixture.test.prompts.messages.first().text.startsWith(u"クラスファイルの保存に失敗しました\n"_s
                                                                      + QDir::toNativeSeparators(path)));
    }
};

VELTRA_TEST(ClassListSaveTest)
#include "classlistsave_test.moc"
