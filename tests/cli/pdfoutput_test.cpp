#include "cli/commands.h"
#include "testregistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a program prints on stdout; nullopt when it did not run or failed.
std::optional<QByteArray> toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace

// Every kind of PDF the program writes, each by a fresh veltra-cli so that no
// earlier run has set the fonts up for it, read back by other programs: the
// font list by poppler's pdffonts, the text as copying takes it (through the
// font's text map) by Ghostscript.
class PdfOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CommandOutput output;
        QCOMPARE(runDemo({m_folder.path()}, output), ExitStatus::Success);
    }

    void oneFontAndCopyableText_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT: the PDF; paths relative to the demo folder
        const QString month = u"data/2026/1年2組/2026_5.ROD"_s;
        QTest::newRow("front") << QStringList{u"print"_s, month, u"--pdf"_s, u"OUT"_s};
        QTest::newRow("back") << QStringList{u"print"_s, month, u"--side"_s, u"back"_s, u"--pdf"_s, u"OUT"_s};
        QTest::newRow("full, blank") << QStringList{u"print"_s,  u"--class"_s, u"1年2組"_s, u"--blank"_s, u"1"_s,
                                                    u"--side"_s, u"full"_s,    u"--pdf"_s,  u"OUT"_s};
        QTest::newRow("blank sheets") << QStringList{u"print"_s, u"--class"_s, u"3・4年"_s, u"--blank"_s,
                                                     u"2"_s,     u"--pdf"_s,   u"OUT"_s};
        QTest::newRow("year archive") << QStringList{u"print"_s,  u"--school-year"_s, u"2026"_s, u"--class"_s,
                                                     u"1年2組"_s, u"--pdf"_s,         u"OUT"_s};
        QTest::newRow("totals") << QStringList{
            u"totals"_s, u"--folder"_s, u"data/2026/1年2組"_s, u"--school-year"_s, u"2026"_s, u"--term"_s, u"4"_s,
            u"--pdf"_s,  u"OUT"_s};
    }
    void oneFontAndCopyableText()
    {
        QFETCH(QStringList, arguments);
        const QString tool = QCoreApplication::applicationDirPath() + u"/../src/veltra-cli"_s;
        QVERIFY2(QFile::exists(tool), "veltra-cli is built next to the tests");
        const QString pdf = m_folder.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        for (QString &argument : arguments)
            argument = argument == u"OUT"_s              ? pdf
                       : argument.startsWith(u"data/"_s) ? m_folder.filePath(argument)
                                                         : argument;
        QVERIFY(toolOutput(tool, arguments << u"--work-folder"_s << m_folder.path()));

        const std::optional<QByteArray> fontList = toolOutput(u"pdffonts"_s, {pdf});
        QVERIFY2(fontList, "pdffonts (poppler-utils) reads the PDF");
        const QStringList fonts = QString::fromUtf8(*fontList).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY2(fonts.size() == 1, qPrintable(fonts.join(u'\n')));
        static const QRegularExpression subsetOfTheRegisterFont(
            u"^[A-Z]{6}\\+(IPAMincho|MS-Mincho) +CID TrueType +Identity-H +yes +yes +yes "_s);
        QVERIFY2(subsetOfTheRegisterFont.match(fonts[0]).hasMatch(), qPrintable(fonts[0]));

        // Padded numbers (" 7", "  42") and captions such as "参 考" hold half-width blanks.
        const std::optional<QByteArray> text = toolOutput(u"gs"_s, {u"-q"_s, u"-dNOPAUSE"_s, u"-dBATCH"_s, u"-dSAFER"_s,
                                                                    u"-sDEVICE=txtwrite"_s, u"-sOutputFile=-"_s, pdf});
        QVERIFY2(text, "Ghostscript reads the PDF");
        QVERIFY(text->contains(" 1"));
        QVERIFY(!text->contains('\t'));
    }

private:
    QTemporaryDir m_folder;
};

VELTRA_TEST(PdfOutputTest)

#include "pdfoutput_test.moc"
