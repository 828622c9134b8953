#include "cli/commands.h"
#include "clitestfiles.h"
#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// `veltra-cli print` on the demo work folder.
class PrintCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CommandOutput output;
        QCOMPARE(runDemo({m_folder.path()}, output), ExitStatus::Success);
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("arguments"); // MONTH: the demo's May file, OUT: a file in the folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        QTest::newRow("front as PDF") << QStringList{u"MONTH"_s, u"--pdf"_s, u"OUT"_s} << 0 << QString();
        QTest::newRow("back trace") << QStringList{u"MONTH"_s, u"--side"_s, u"back"_s, u"--trace"_s, u"OUT"_s} << 0
                                    << QString();
        QTest::newRow("blank sheets of a class")
            << QStringList{u"--class"_s, u"3・4年"_s, u"--blank"_s, u"2"_s, u"--trace"_s, u"OUT"_s} << 0 << QString();
        QTest::newRow("no output") << QStringList{u"MONTH"_s} << 1 << u"使い方"_s;
        QTest::newRow("two outputs") << QStringList{u"MONTH"_s, u"--pdf"_s, u"OUT"_s, u"--trace"_s, u"OUT"_s} << 1
                                     << u"使い方"_s;
        QTest::newRow("unknown side") << QStringList{u"MONTH"_s, u"--side"_s, u"left"_s, u"--pdf"_s, u"OUT"_s} << 1
                                      << u"使い方"_s;
        QTest::newRow("zero blanks") << QStringList{u"MONTH"_s, u"--blank"_s, u"0"_s, u"--pdf"_s, u"OUT"_s} << 1
                                     << u"使い方"_s;
        QTest::newRow("bad offsets") << QStringList{u"MONTH"_s, u"--printer-offsets"_s, u"4"_s, u"--pdf"_s, u"OUT"_s}
                                     << 1 << u"使い方"_s;
        for (const QString &offsets : {u"nan,nan"_s, u"inf,0"_s, u"0,-inf"_s})
            QTest::addRow("offsets %s", qPrintable(offsets))
                << QStringList{u"MONTH"_s, u"--printer-offsets"_s, offsets, u"--pdf"_s, u"OUT"_s} << 1 << u"使い方"_s;
        QTest::newRow("printable height nan")
            << QStringList{u"MONTH"_s, u"--printable-height"_s, u"nan"_s, u"--pdf"_s, u"OUT"_s} << 1 << u"使い方"_s;
        QTest::newRow("unknown class") << QStringList{u"--class"_s, u"9年9組"_s, u"--blank"_s,
                                                      u"1"_s,       u"--pdf"_s,  u"OUT"_s}
                                       << 2 << u"学級がありません: 9年9組"_s;
        QTest::newRow("missing month") << QStringList{u"data/2026/1年2組/2031_5.ROD"_s, u"--pdf"_s, u"OUT"_s} << 2
                                       << u"ファイルがありません"_s;
        QTest::newRow("unknown printer") << QStringList{u"MONTH"_s, u"--printer"_s, u"no-such-printer"_s} << 2
                                         << u"no-such-printer: プリンタがありません"_s;
        QTest::newRow("full sheet of 30 pupils")
            << QStringList{u"MONTH"_s, u"--side"_s, u"full"_s, u"--pdf"_s, u"OUT"_s} << 3
            << u"１８名以上なので全表は使用できません"_s;
        QTest::newRow("unwritable output")
            << QStringList{u"MONTH"_s, u"--pdf"_s, u"no/such/folder/out.pdf"_s} << 3 << u"保存できません"_s;
    }
    void statuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        for (QString &argument : arguments) {
            if (argument == u"MONTH"_s)
                argument = u"data/2026/1年2組/2026_5.ROD"_s;
            if (argument != u"--pdf"_s && argument != u"--trace"_s && (argument == u"OUT"_s || argument.contains(u'/')))
                argument = m_folder.filePath(argument == u"OUT"_s ? u"out"_s : argument);
        }
        CommandOutput output;
        QCOMPARE(int(runPrint(arguments << u"--work-folder"_s << m_folder.path(), output)), status);
        QVERIFY2(output.err.contains(message), qPrintable(output.err));
    }

    // The trace of the demo month's back sheet: A4 landscape, one page, items
    // on the paper as the form puts them, moved by the simulated margins.
    void traceOnAShortPrintableArea()
    {
        const QString trace = m_folder.filePath(u"back.json"_s);
        CommandOutput output;
        QCOMPARE(runPrint({m_folder.filePath(u"data/2026/1年2組/2026_5.ROD"_s), u"--side"_s, u"back"_s,
                           u"--work-folder"_s, m_folder.path(), u"--trace"_s, trace, u"--printer-offsets"_s, u"4,5"_s,
                           u"--printable-height"_s, u"198.4"_s},
                          output),
                 ExitStatus::Success);
        const QJsonObject json = QJsonDocument::fromJson(readFile(trace)).object();
        QCOMPARE(json[u"paper"_s].toObject()[u"width"_s].toInt(), 297);
        const QJsonArray pages = json[u"pages"_s].toArray();
        QCOMPARE(pages.size(), 1);
        const QJsonObject outerLeft = pages[0].toArray()[0].toObject();
        QCOMPARE(outerLeft[u"kind"_s].toString(), u"line"_s);
        QCOMPARE(outerLeft[u"y1"_s].toDouble(), 5.0);
        QCOMPARE(outerLeft[u"y2"_s].toDouble(), 190.0);
        QCOMPARE(outerLeft[u"width"_s].toInt(), 7);
    }

    // The year-end archive: both sheets of each month, missing months named.
    void schoolYearArchive()
    {
        QFile::remove(m_folder.filePath(u"data/2026/1年2組/2026_8.ROD"_s));
        const QString pdf = m_folder.filePath(u"year.pdf"_s);
        CommandOutput output;
        QCOMPARE(runPrint({u"--school-year"_s, u"2026"_s, u"--class"_s, u"1年2組"_s, u"--work-folder"_s,
                           m_folder.path(), u"--pdf"_s, pdf},
                          output),
                 ExitStatus::Success);
        QVERIFY(output.err.contains(u"2026_8.ROD: ファイルがありません"_s));
        QCOMPARE(readFile(pdf).count("/Type /Page\n"), 22);
    }

    // One archive per class into the folder; the classes without month files
    // that year are named and passed over.
    void schoolYearOfEveryClass()
    {
        for (const QString &title :
             {u"2年2組"_s, u"3年2組"_s, u"4年2組"_s, u"5年2組"_s, u"6年2組"_s, u"ひまわり(知的)"_s})
            QVERIFY(QDir(m_folder.filePath(u"data/2026/"_s + title)).removeRecursively());
        const QString folder = m_folder.filePath(u"archives"_s);
        CommandOutput output;
        QCOMPARE(runPrint({u"--school-year"_s, u"2026"_s, u"--all-classes"_s, u"--pdf-folder"_s, folder,
                           u"--work-folder"_s, m_folder.path()},
                          output),
                 ExitStatus::Success);
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{u"2026_1年2組.pdf"_s, u"2026_3・4年.pdf"_s}));
        QVERIFY(readFile(QDir(folder).filePath(u"2026_1年2組.pdf"_s)).count("/Type /Page\n") >= 22);
        QVERIFY(output.err.contains(u"ひまわり(知的): 月のファイルがありません"_s));
        QVERIFY(output.err.contains(u"6年2組: 月のファイルがありません"_s));

        CommandOutput refused;
        QCOMPARE(runPrint({u"--school-year"_s, u"2031"_s, u"--all-classes"_s, u"--pdf-folder"_s, folder,
                           u"--work-folder"_s, m_folder.path()},
                          refused),
                 ExitStatus::InputError);
        CommandOutput usage;
        QCOMPARE(runPrint({u"--school-year"_s, u"2026"_s, u"--all-classes"_s, u"--pdf"_s, folder}, usage),
                 ExitStatus::UsageError);
    }

private:
    QTemporaryDir m_folder;
};

VELTRA_TEST(PrintCommandTest)

#include "printcommand_test.moc"
