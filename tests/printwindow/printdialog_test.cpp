#include "data/monthfile.h"
#include "data/session.h"
#include "data/settingsstore.h"
#include "print/recordingsurface.h"
#include "print/windows/printdestination.h"
#include "print/windows/printdialog.h"
#include "testplatform.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records each run instead of printing it.
class RecordingDestination : public PrintDestination
{
public:
    QString name() const override { return printer; }
    PrintResult print(const PrintRun &run) override
    {
        RecordingSurface surface;
        const PrintResult result = run(surface);
        runs.append(surface.pages().size());
        return failing ? PrintResult::DeviceFailed : result;
    }

    QList<qsizetype> runs; // pages of each run
    bool failing = false;
    QString printer = u"テストプリンタ"_s; // empty: the computer has none
};

struct DialogFixture
{
    TestPlatform test;
    Session session;
    RecordingDestination destination;

    explicit DialogFixture(int pupils)
    {
        session.State.HeiseiYear = 31;
        session.State.Month = 5; // May 2019: 令和元年
        session.State.ClassGrade = 1;
        session.State.ClassName = u" 2 "_s;
        session.State.ClassTitle = u"1年2組"_s;
        session.Register.PupilCount = qint16(pupils);
        session.Register.TeacherName = u"森野"_s;
    }

    template<class Widget> static Widget *child(PrintDialog &dialog, const QString &name)
    {
        return dialog.findChild<Widget *>(name);
    }
    // Answers the save dialog with `path`, keeping the name it proposed.
    static void saveTo(PrintDialog &dialog, const QString &path, QString &proposed)
    {
        dialog.setSavePathChooser([path, &proposed](QWidget *, const QString &name) {
            proposed = name;
            return path;
        });
    }
    static void click(PrintDialog &dialog, const QString &name)
    {
        QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
};

} // namespace

class PrintDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void openingByPupilCount_data()
    {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("printEnabled");
        QTest::newRow("no pupils") << 0 << u"OPB3"_s << false;
        QTest::newRow("12 pupils") << 12 << u"OPB3"_s << true;
        QTest::newRow("13 pupils") << 13 << u"OPB1"_s << true;
        QTest::newRow("30 pupils") << 30 << u"OPB1"_s << true;
    }
    void openingByPupilCount()
    {
        QFETCH(int, pupils);
        QFETCH(QString, selected);
        QFETCH(bool, printEnabled);
        DialogFixture f(pupils);
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        QCOMPARE(dialog.objectName(), u"PRT_ROLL"_s);
        QCOMPARE(dialog.windowTitle(), u"出席簿印刷"_s);
        QVERIFY(DialogFixture::child<QRadioButton>(dialog, selected)->isChecked());
        QCOMPARE(DialogFixture::child<QPushButton>(dialog, u"B_PRT"_s)->isEnabled(), printEnabled);
        QCOMPARE(DialogFixture::child<QLabel>(dialog, u"R_COUNT"_s)->text(), QString::number(pupils));
        QCOMPARE(DialogFixture::child<QLineEdit>(dialog, u"P_NO"_s)->text(), u"1"_s);
    }

    // First use ticks カラー印刷 only; clearing it clears and greys out the two
    // boxes that depend on it, ticking it again enables them unticked.
    void colourDependency()
    {
        DialogFixture f(20);
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        QCOMPARE(dialog.chosenOptions(), qint16(PrintOption::Colour));
        auto *holidays = DialogFixture::child<QCheckBox>(dialog, u"CHK2"_s);
        auto *girls = DialogFixture::child<QCheckBox>(dialog, u"CHK4"_s);
        QVERIFY(holidays->isEnabled() && girls->isEnabled());
        DialogFixture::click(dialog, u"CHK2"_s);
        DialogFixture::click(dialog, u"CHK3"_s);
        QVERIFY(!holidays->isChecked() && !holidays->isEnabled() && !girls->isEnabled());
        DialogFixture::click(dialog, u"CHK3"_s);
        QVERIFY(!holidays->isChecked() && holidays->isEnabled() && girls->isEnabled());
    }

    // Stored options are read once: a box the user cleared stays cleared after
    // a message box, and closing stores what the boxes show.
    void optionsReadOnceAndStoredOnClosing()
    {
        DialogFixture f(20);
        f.test.store.setValue(u"PRT_ROLL"_s, u"PRT_ROLL_F"_s, u"31"_s);
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        QCOMPARE(dialog.chosenOptions(), qint16(31));
        DialogFixture::click(dialog, u"CHK1"_s);
        DialogFixture::child<QLineEdit>(dialog, u"P_NO"_s)->setText(u"abc"_s);
        DialogFixture::click(dialog, u"B_PRT2"_s);
        QVERIFY(!DialogFixture::child<QCheckBox>(dialog, u"CHK1"_s)->isChecked());
        DialogFixture::click(dialog, u"B_ESC"_s);
        QCOMPARE(f.test.store.value(u"PRT_ROLL"_s, u"PRT_ROLL_F"_s), u"29"_s);
    }

    void blankSheets_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("pages"); // 0: refused
        QTest::newRow("3") << u"3"_s << 3;
        QTest::newRow("2.5") << u"2.5"_s << 2;
        QTest::newRow("leading blanks") << u"  4枚"_s << 4;
        QTest::newRow("0") << u"0"_s << 0;
        QTest::newRow("abc") << u"abc"_s << 0;
    }
    void blankSheets()
    {
        QFETCH(QString, count);
        QFETCH(int, pages);
        DialogFixture f(0);
        f.session.Register.TeacherName.clear(); // blank sheets carry no teacher's name
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        DialogFixture::child<QLineEdit>(dialog, u"P_NO"_s)->setText(count);
        DialogFixture::click(dialog, u"B_PRT2"_s);
        if (pages == 0) {
            QCOMPARE(f.test.prompts.texts(), QStringList{u"印刷枚数を指定してください"_s});
            QVERIFY(f.destination.runs.isEmpty());
            return;
        }
        QCOMPARE(f.test.prompts.texts(), QStringList{u"令和　年　月の出席簿用紙を%1枚印刷します"_s.arg(pages)});
        QCOMPARE(f.destination.runs, QList<qsizetype>{pages});
    }

    void printMonth_data()
    {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("runs");
        const QString confirm = u"1年2組\n\n令和元年5月の出席簿を印刷します"_s;
        const QString teacher = u"森野"_s;
        QTest::newRow("front") << 20 << u"OPB1"_s << teacher << PromptAnswer::Yes << QStringList{confirm} << 1;
        QTest::newRow("answered no") << 20 << u"OPB2"_s << teacher << PromptAnswer::No << QStringList{confirm} << 0;
        QTest::newRow("full with 18") << 18 << u"OPB3"_s << teacher << PromptAnswer::Yes << QStringList{confirm} << 1;
        QTest::newRow("full with 19") << 19 << u"OPB3"_s << teacher << PromptAnswer::Yes
                                      << QStringList{u"１８名以上なので全表は使用できません"_s} << 0;
        QTest::newRow("no teacher's name")
            << 20 << u"OPB1"_s << QString() << PromptAnswer::Yes << QStringList{u"担任名を入力してください"_s} << 0;
    }
    void printMonth()
    {
        QFETCH(int, pupils);
        QFETCH(QString, side);
        QFETCH(QString, teacher);
        QFETCH(PromptAnswer, answer);
        QFETCH(QStringList, messages);
        QFETCH(int, runs);
        DialogFixture f(pupils);
        f.session.Register.TeacherName = teacher;
        f.test.prompts.answers.push_back(answer);
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        DialogFixture::click(dialog, side);
        DialogFixture::click(dialog, u"B_PRT"_s);
        QCOMPARE(f.test.prompts.texts(), messages);
        QCOMPARE(f.destination.runs.size(), runs);
        if (runs > 0)
            QCOMPARE(f.destination.runs.first(), 1);
    }

    void printerFailureSaysWhatHappened_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("message");
        QTest::newRow("named printer") << u"テストプリンタ"_s << u"プリンタ「テストプリンタ」に印刷できませんでした"_s;
        QTest::newRow("no printer")
            << QString()
            << u"プリンタが設定されていないため印刷できません。\n「PDF保存」でPDFファイルに保存できます。"_s;
    }
    void printerFailureSaysWhatHappened()
    {
        QFETCH(QString, printer);
        QFETCH(QString, message);
        DialogFixture f(5);
        f.destination.failing = true;
        f.destination.printer = printer;
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        DialogFixture::click(dialog, u"B_PRT"_s);
        QCOMPARE(f.test.prompts.texts().last(), message);
    }

    void pdfOfTheChosenSheet()
    {
        DialogFixture f(20);
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        QString proposed;
        const QString path = f.test.folder.filePath(u"sheet.pdf"_s);
        DialogFixture::saveTo(dialog, path, proposed);
        DialogFixture::click(dialog, u"OPB2"_s);
        DialogFixture::click(dialog, u"B_PDF"_s);
        QCOMPARE(QFileInfo(proposed).fileName(), u"2019_5_1年2組_裏.pdf"_s);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 1);
        QVERIFY(f.test.prompts.messages.isEmpty());
        QCOMPARE(f.test.prompts.statusTexts, QStringList{u"保存しました: "_s + QDir::toNativeSeparators(path)});

        // The next save starts in the folder saved in.
        DialogFixture::click(dialog, u"B_PDF"_s);
        QCOMPARE(proposed, f.test.folder.filePath(u"2019_5_1年2組_裏.pdf"_s));
    }

    // The class's school year in one PDF: April's 20 pupils on front and back,
    // June's 5 on the full sheet, and the open May as it stands in the editor
    // (20 pupils, two pages) rather than as its file last saved it (none).
    void pdfOfTheSchoolYear()
    {
        DialogFixture f(20);
        f.session.Settings.WorkFolder = f.test.folder.path();
        f.session.Settings.DataFolder = u"data"_s;
        const QDir classFolder(f.test.folder.filePath(u"data/2019/1年2組"_s));
        QVERIFY(QDir().mkpath(classFolder.path()));
        f.session.State.MonthFolder = classFolder.path();
        const std::pair<int, int> files[] = {{4, 20}, {5, 0}, {6, 5}};
        for (const auto &[month, pupils] : files) {
            RegisterMonth saved;
            saved.PupilCount = qint16(pupils);
            QVERIFY(MonthFile::save(classFolder.filePath(MonthFile::fileName(2019, month)), saved).ok);
        }
        PrintDialog dialog(f.session, f.test.platform, f.destination);
        QString proposed;
        const QString path = f.test.folder.filePath(u"year.pdf"_s);
        DialogFixture::saveTo(dialog, path, proposed);
        DialogFixture::click(dialog, u"B_YEAR_PDF"_s);
        QCOMPARE(QFileInfo(proposed).fileName(), u"2019_1年2組.pdf"_s);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 2 + 2 + 1);
        QVERIFY(f.test.prompts.messages.isEmpty());
        QCOMPARE(f.test.prompts.statusTexts, QStringList{u"保存しました: "_s + QDir::toNativeSeparators(path)});
    }
};

VELTRA_TEST(PrintDialogTest)

#include "printdialog_test.moc"
