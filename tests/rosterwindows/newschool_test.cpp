#include "../shell/shellfixture.h"
#include "shell/windows/mainwindow.h"
#include "shell/windows/monthdialog.h"
#include "testregistry.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>

using namespace Qt::StringLiterals;

// A new school as its office sets it up: three classes of the three kinds
// in the class list window, then a new month of one of them filled from a
// UTF-8 list of names through the roster window.
class NewSchoolTest : public QObject
{
    Q_OBJECT

private:
    static void typeText(QDialog &dialog, const QString &box, const QString &text)
    {
        auto *edit = named<QLineEdit>(dialog, box);
        edit->clear();
        edit->insert(text);
    }

    static void addClass(QDialog &dialog, const QString &kind, const QString &grade, const QString &grade2,
                         const QString &className, int category = -1)
    {
        click(dialog, kind);
        typeText(dialog, u"TS_YEAR_0"_s, grade);
        typeText(dialog, u"TS_YEAR_1"_s, grade2);
        typeText(dialog, u"TS_CLASS"_s, className);
        named<QComboBox>(dialog, u"TS_SS"_s)->setCurrentIndex(category);
        click(dialog, u"B_ADD"_s);
    }

private slots:
    void classesAndANewMonthFromANameList()
    {
        ShellFixture fixture;
        fixture.session.Settings.SchoolCode = 1234;
        fixture.session.Settings.SchoolName = u"ヴェルトラ小学校"_s;
        MainWindow window(fixture.session, fixture.test.platform);
        window.show();

        {
            NextModalDialog handler([](QDialog &dialog) {
                addClass(dialog, u"OPT2"_s, {}, {}, u"ひまわり"_s, 0);
                addClass(dialog, u"OPT3"_s, u"1"_s, u"2"_s, {});
                addClass(dialog, u"OPT1"_s, u"3"_s, {}, u"1"_s);
                click(dialog, u"B_CLOSE"_s);
            });
            named<QAction>(window, u"M0_CLASS_SET"_s)->trigger();
        }
        ClassList saved;
        QVERIFY(ClassListFile::load(fixture.session.Settings.WorkFolder, saved).ok());
        QCOMPARE(saved.ClassCount, 3);
        QCOMPARE(saved.Entries[0].Title, u"3年1組"_s);
        QCOMPARE(saved.Entries[1].Title, u"1・2年"_s);
        QCOMPARE(saved.Entries[2].Title, u"ひまわり(知的)"_s);

        {
            NextModalDialog handler([](QDialog &dialog) {
                named<QComboBox>(dialog, u"CLASS_NAME"_s)->setCurrentIndex(0);
                click(dialog, u"OK"_s);
            });
            window.runMonthCommand();
        }
        QVERIFY(!fixture.session.State.MonthFolder.isEmpty());
        const QString list = fixture.test.folder.filePath(u"名簿.txt"_s);
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(u"山田　太郎\n髙橋　花子\n"_s.toUtf8());
        file.close();
        fixture.test.prompts.fileNames = {list};
        {
            NextModalDialog handler([](QDialog &dialog) {
                click(dialog, u"OPT1_2"_s);
                click(dialog, u"BLOAD"_s);
            });
            click(window, u"B_MEIBO"_s);
        }
        QCOMPARE(fixture.session.Register.PupilCount, 2);
        QCOMPARE(fixture.session.Register.Pupils[1].Name, u"髙橋　花子"_s);
        QCOMPARE(fixture.session.Statistics.StartBoys, 2);
    }

    // A class list written elsewhere may hold a title that would lead out of
    // the data folder; the month dialog refuses it and creates no folder.
    void monthDialogRefusesAnUnsafeTitle()
    {
        ShellFixture fixture;
        fixture.addClass(u"../../外"_s);
        MonthDialog dialog(fixture.session, fixture.test.platform);
        dialog.show();
        named<QComboBox>(dialog, u"CLASS_NAME"_s)->setCurrentIndex(0);
        click(dialog, u"OK"_s);
        QCOMPARE(fixture.test.prompts.texts(), QStringList{u"クラス「../../外」はフォルダー名にできないため開けません\n"
                                                           u"文字「/」(U+002F)はクラス名に使えません"_s});
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.session.State.HeiseiYear, 0);
        QVERIFY(!QDir(fixture.session.Settings.DataFolder).exists());
    }
};

VELTRA_TEST(NewSchoolTest)
#include "newschool_test.moc"
