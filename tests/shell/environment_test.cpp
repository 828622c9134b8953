#include "shell/windows/environmentdialog.h"

#include "data/cp932.h"
#include "data/settingsfile.h"
#include "data/settingsstore.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

const QString FolderQuestion = u"保存データ用フォルダーを作成しますか？"_s;

struct EnvironmentFixture : ShellFixture
{
    EnvironmentFixture() { dialog.show(); }

    void fill(const QString &code, const QString &name, const QString &folder)
    {
        typeInto(dialog, u"SC_CODE"_s, code);
        typeInto(dialog, u"SC_NAME"_s, name);
        typeInto(dialog, u"SET_DIR"_s, folder);
    }
    QString folder(const QString &name) const { return test.folder.filePath(name); }
    QString box(const QString &name) const { return named<QLineEdit>(dialog, name)->text(); }

    EnvironmentDialog dialog{session, test.platform};
};

} // namespace

class EnvironmentTest : public QObject
{
    Q_OBJECT

private slots:
    void schoolCodeAndName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("storedCode");
        QTest::newRow("code of three") << u"123"_s << u"北小学校"_s << false << 0;
        QTest::newRow("code of four") << u"1234"_s << u"北小学校"_s << true << 1234;
        QTest::newRow("blanks do not count") << u" 123 "_s << u"北小学校"_s << false << 0;
        QTest::newRow("four letters") << u"ABCD"_s << u"北小学校"_s << false << 0;
        QTest::newRow("digits then letters") << u"12AB"_s << u"北小学校"_s << false << 0;
        QTest::newRow("full-width digits") << u"１２３４"_s << u"北小学校"_s << true << 1234;
        QTest::newRow("code beyond the field") << u"9999999999"_s << u"北小学校"_s << false << 0;
        QTest::newRow("name of two") << u"1234"_s << u"北小"_s << false << 0;
        QTest::newRow("name of three") << u"1234"_s << u"北小学"_s << true << 1234;
    }
    void schoolCodeAndName()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(int, storedCode);
        EnvironmentFixture fixture;
        fixture.fill(code, name, fixture.folder(u"data"_s));
        click(fixture.dialog, u"OK"_s);
        QCOMPARE(!fixture.dialog.isVisible(), accepted);
        if (accepted) {
            QCOMPARE(fixture.session.Settings.SchoolCode, storedCode);
            QCOMPARE(fixture.session.Settings.SchoolName, name);
        } else {
            QCOMPARE(fixture.test.prompts.messages,
                     (QList<PromptMessage>{{u"学校コード又は、学校名が不正です"_s, u"ヴェルトラ"_s,
                                            PromptIcon::Critical, PromptButtons::Ok}}));
            QVERIFY(!QFile::exists(fixture.workFile(u"ROLL.SEW"_s)));
        }
    }

    void folderText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u"   "_s;
        QTest::newRow("one character") << u"C"_s;
    }
    void folderText()
    {
        QFETCH(QString, text);
        EnvironmentFixture fixture;
        fixture.fill(u"1234"_s, u"北小学校"_s, text);
        click(fixture.dialog, u"OK"_s);
        QVERIFY(fixture.dialog.isVisible());
        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{{u"ドライブ・フォルダーの設定が不正です"_s, u"ヴェルトラ"_s,
                                        PromptIcon::Critical, PromptButtons::Ok}}));
    }

    void trailingSeparatorIsRemoved()
    {
        EnvironmentFixture fixture;
        const QString folder = fixture.folder(u"DATA"_s);
        QDir().mkpath(folder);
        fixture.fill(u"1234"_s, u"北小学校"_s, folder + u'/');
        click(fixture.dialog, u"OK"_s);
        QCOMPARE(fixture.box(u"SET_DIR"_s), folder);
        QCOMPARE(fixture.session.Settings.DataFolder, folder);
        QVERIFY(fixture.test.prompts.messages.isEmpty());
    }

    void missingFoldersAreCreatedAfterOneQuestion_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::newRow("yes") << PromptAnswer::Yes;
        QTest::newRow("no") << PromptAnswer::No;
    }
    void missingFoldersAreCreatedAfterOneQuestion()
    {
        QFETCH(PromptAnswer, answer);
        EnvironmentFixture fixture;
        fixture.test.prompts.answers = {answer};
        const QString folder = fixture.folder(u"A/B"_s);
        fixture.fill(u"1234"_s, u"北小学校"_s, folder);
        click(fixture.dialog, u"OK"_s);

        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{{FolderQuestion, u"ヴェルトラ"_s, PromptIcon::Question, PromptButtons::YesNo}}));
        const bool created = answer == PromptAnswer::Yes;
        QCOMPARE(QDir(folder).exists(), created);
        QCOMPARE(QDir(fixture.folder(u"A"_s)).exists(), created);
        QCOMPARE(fixture.dialog.isVisible(), !created);
        QCOMPARE(QFile::exists(fixture.workFile(u"ROLL.SEW"_s)), created);
    }

    void folderBehindAFileCannotBeMade()
    {
        EnvironmentFixture fixture;
        QFile file(fixture.folder(u"plain"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        fixture.fill(u"1234"_s, u"北小学校"_s, fixture.folder(u"plain/data"_s));
        click(fixture.dialog, u"OK"_s);
        QCOMPARE(fixture.test.prompts.texts(), QStringList{u"フォルダーが作成できません"_s});
        QVERIFY(fixture.dialog.isVisible());
    }

    void savedSettingsFileAndKeys()
    {
        EnvironmentFixture fixture;
        fixture.session.State.MonthFolder = u"/somewhere/2004/1年2組"_s;
        fixture.test.store.setValue(u"Version"_s, u"Major"_s, u"99"_s);
        const QString folder = fixture.folder(u"data"_s);
        QDir().mkpath(folder);
        fixture.fill(u"4321"_s, u"南中学校"_s, folder);
        named<QCheckBox>(fixture.dialog, u"CHK1"_s)->setChecked(true);
        click(fixture.dialog, u"OK"_s);
        QVERIFY(!fixture.dialog.isVisible());

        ProgramSettings reloaded;
        reloaded.WorkFolder = fixture.session.Settings.WorkFolder;
        QVERIFY(SettingsFile::load(reloaded).ok());
        QCOMPARE(reloaded.SchoolCode, 4321);
        QCOMPARE(reloaded.SchoolName, u"南中学校"_s);
        QCOMPARE(reloaded.DataFolder, folder);
        QCOMPARE(reloaded.CountBySex, 1);

        QFile file(fixture.workFile(u"ROLL.SEW"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 3);

        const SettingsStore &store = fixture.test.store;
        const QList<std::pair<QString, QString>> keys{
            {u"SC_NAME"_s, u"南中学校"_s},    {u"SC_CODE"_s, u"4321"_s},
            {u"SET_D_DIR"_s, folder},         {u"SET_S_DIR"_s, u"/somewhere/2004/1年2組"_s},
            {u"INST_DAY"_s, u"2026/12/07"_s},
        };
        for (const auto &[key, value] : keys)
            QCOMPARE(store.value(u"SCHOOL"_s, key), value);
        QVERIFY(!store.value(u"SCHOOL"_s, u"DIR_ME"_s).isEmpty());
        QCOMPARE(store.value(u"Version"_s, u"Major"_s), u"100"_s);
        QCOMPARE(store.value(u"Version"_s, u"Minor"_s), u"4"_s);
        QCOMPARE(store.value(u"Version"_s, u"Revision"_s), u"724"_s);
    }

    void teacherNameIsShownButNotTakenOver()
    {
        ShellFixture fixture;
        fixture.session.Register.TeacherName = u"佐藤 花子"_s;
        EnvironmentDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        // Shown read-only: typing there changes nothing.
        QTest::sendKeyEvent(QTest::Click, named<QLineEdit>(dialog, u"TS_NAME"_s), Qt::Key_unknown, u"鈴"_s,
                            Qt::NoModifier);
        QTest::keyClicks(named<QLineEdit>(dialog, u"TS_CODE"_s), u"77"_s);
        QCOMPARE(named<QLineEdit>(dialog, u"TS_NAME"_s)->text(), u"佐藤 花子"_s);
        QVERIFY(named<QLineEdit>(dialog, u"TS_CODE"_s)->text().isEmpty());
        typeInto(dialog, u"SC_CODE"_s, u"1234"_s);
        typeInto(dialog, u"SC_NAME"_s, u"北小学校"_s);
        click(dialog, u"OK"_s);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(fixture.session.Register.TeacherName, u"佐藤 花子"_s);
    }

    void settingsFileThatCannotBeWrittenKeepsTheWindow()
    {
        EnvironmentFixture fixture;
        const ProgramSettings before = fixture.session.Settings;
        QDir().mkpath(fixture.workFile(u"ROLL.SEW"_s)); // a folder where the file belongs
        const QString folder = fixture.folder(u"elsewhere"_s);
        QDir().mkpath(folder);
        fixture.fill(u"1234"_s, u"北小学校"_s, folder);
        click(fixture.dialog, u"OK"_s);
        const QString expected = u"データの保存に失敗しました\n%1\n同じ名前のフォルダーがあります"_s.arg(
            QDir::toNativeSeparators(fixture.workFile(u"ROLL.SEW"_s)));
        QCOMPARE(fixture.test.prompts.messages,
                 (QList<PromptMessage>{{expected, QString(), PromptIcon::Warning, PromptButtons::Ok}}));
        QVERIFY(fixture.dialog.isVisible());
        QCOMPARE(fixture.box(u"SC_CODE"_s), u"1234"_s);
        QCOMPARE(fixture.box(u"SC_NAME"_s), u"北小学校"_s);
        // Nothing typed is in force until it is saved, even after キャンセル.
        click(fixture.dialog, u"B_ESC"_s);
        QCOMPARE(fixture.session.Settings.DataFolder, before.DataFolder);
        QCOMPARE(fixture.session.Settings.SchoolCode, before.SchoolCode);
        QCOMPARE(fixture.session.Settings.SchoolName, before.SchoolName);
    }

    void characterTheFileCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("schoolName");
        QTest::addColumn<QString>("message");
        QTest::newRow("not in code page 932") << u"𠮷野小学校"_s << Cp932::unencodableMessage(U'𠮷');
        QTest::newRow("control character") << u"北\u0000小学校"_s << u"制御文字(U+0000)は使えません"_s;
    }
    void characterTheFileCannotHoldIsRefused()
    {
        QFETCH(QString, schoolName);
        QFETCH(QString, message);
        EnvironmentFixture fixture;
        const QString folder = fixture.folder(u"data"_s);
        QDir().mkpath(folder);
        fixture.fill(u"1234"_s, schoolName, folder);
        click(fixture.dialog, u"OK"_s);
        QCOMPARE(fixture.test.prompts.texts(), QStringList{message});
        QVERIFY(fixture.dialog.isVisible());
        QVERIFY(!QFile::exists(fixture.workFile(u"ROLL.SEW"_s)));
    }

    void settingsAreShownWhenTheWindowOpens()
    {
        ShellFixture fixture;
        fixture.session.Settings.SchoolCode = 0;
        fixture.session.Settings.SchoolName = u"北小学校"_s;
        fixture.session.Settings.CountBySex = 1;
        EnvironmentDialog dialog(fixture.session, fixture.test.platform);
        QCOMPARE(named<QLineEdit>(dialog, u"SC_CODE"_s)->text(), QString());
        QCOMPARE(named<QLineEdit>(dialog, u"SC_NAME"_s)->text(), u"北小学校"_s);
        QCOMPARE(named<QLineEdit>(dialog, u"SET_DIR"_s)->text(), fixture.session.Settings.DataFolder);
        QVERIFY(named<QCheckBox>(dialog, u"CHK1"_s)->isChecked());
    }
};

VELTRA_TEST(EnvironmentTest)
#include "environment_test.moc"
