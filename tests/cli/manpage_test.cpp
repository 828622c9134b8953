#include "cli/commands.h"
#include "clitestfiles.h"
#include "testregistry.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The man page's text with groff's escaped hyphens made plain.
QString manPage()
{
    return QString::fromUtf8(readFile(QStringLiteral(VELTRA_MAN_PAGE))).replace(u"\\-"_s, u"-"_s);
}

// The part of the man page from the subsection of `command` to the next one.
QString manSection(const QString &page, const QString &command)
{
    const qsizetype start = page.indexOf(u"\n.SS \""_s + command + u' ');
    if (start < 0)
        return {};
    const qsizetype end = page.indexOf(QRegularExpression(u"\n\\.S[SH] "_s), start + 1);
    return page.mid(start, end - start);
}

QStringList commandsOfHelp()
{
    CommandOutput help;
    runCommand({u"--help"_s}, help);
    QStringList commands;
    for (const QRegularExpressionMatch &match :
         QRegularExpression(u"^  veltra-cli ([a-z][a-z-]*)"_s, QRegularExpression::MultilineOption)
             .globalMatch(QString::fromUtf8(help.out)))
        commands.append(match.captured(1));
    commands.removeDuplicates();
    return commands;
}

} // namespace

class ManPageTest : public QObject
{
    Q_OBJECT

private slots:
    // Every command that --help lists has its subsection, and every option its
    // usage names is described there; a new command or option without its
    // description fails here.
    void everyCommandAndOptionIsDescribed()
    {
        const QString page = manPage();
        QVERIFY(!page.isEmpty());
        const QStringList commands = commandsOfHelp();
        QVERIFY(commands.size() >= 7);
        for (const QString &command : commands) {
            const QString section = manSection(page, command);
            QVERIFY2(!section.isEmpty(), qPrintable(command));
            CommandOutput usage;
            QCOMPARE(runCommand({command}, usage), ExitStatus::UsageError);
            for (const QRegularExpressionMatch &option : QRegularExpression(u"--[a-z][a-z-]*"_s).globalMatch(usage.err))
                QVERIFY2(section.contains(option.captured()), qPrintable(command + u' ' + option.captured()));
        }
        for (const QString &exitStatus : {u".B 0"_s, u".B 1"_s, u".B 2"_s, u".B 3"_s})
            QVERIFY2(page.section(u".SH 終了ステータス"_s, 1).contains(exitStatus), qPrintable(exitStatus));
    }
};

VELTRA_TEST(ManPageTest)
#include "manpage_test.moc"
