#include "cli/commands.h"
#include "clitestfiles.h"
#include "data/classlistfile.h"
#include "data/cp932.h"
#include "data/monthfile.h"
#include "data/reasonfile.h"
#include "data/settingsfile.h"
#include "register/monthlock.h"
#include "school/closurethreshold.h"
#include "testregistry.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Date = u"2026-12-09"_s;

// The JSON of a work folder with 1年1組 (山田 病 with a reason, 佐藤 present,
// 鈴木 出) and 1年2組 without a month file, its threshold at 50.0 %.
const QString TwoClassesJson =
    u"{\"date\":\"2026-12-09\",\"schoolYear\":2026,\"threshold\":50.0,\"classes\":["
    u"{\"title\":\"1年1組\",\"status\":\"read\",\"savedAt\":\"2026-12-09T08:41:00\",\"enrolled\":2,\"present\":1,"
    u"\"absent\":1,\"sick\":1,\"other\":0,\"suspended\":0,\"infectious\":0,\"mourning\":0,\"special\":0,\"late\":0,"
    u"\"leftEarly\":0,\"closureRate\":\"50.0\",\"overThreshold\":true,\"pupils\":[{\"no\":1,\"name\":\"山田花子\","
    u"\"sex\":\"女\",\"grade\":1,\"mark\":\"病\",\"reason\":{\"categories\":[\"発熱\",\"頭痛\"],\"text\":\"せき\"}}],"
    u"\"byCategory\":[{\"mark\":\"病\",\"category\":\"発熱\",\"pupils\":1},"
    u"{\"mark\":\"病\",\"category\":\"頭痛\",\"pupils\":1}]},"
    u"{\"title\":\"1年2組\",\"status\":\"missing\",\"savedAt\":null}],"
    u"\"grades\":[{\"grade\":1,\"enrolled\":2,\"present\":1,\"absent\":1,\"suspended\":0}],"
    u"\"school\":{\"enrolled\":2,\"present\":1,\"absent\":1,\"suspended\":0,\"classesOverThreshold\":1}}\n"_s;

} // namespace

// veltra-cli day: the whole school's day as JSON, CSV and PDF, only reading.
class DayCommandTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString work() const { return m_folder.filePath(u"work"_s); }
    QString monthPath() const { return m_folder.filePath(u"work/data/2026/1年1組/2026_12.ROD"_s); }
    QStringList arguments(const QStringList &extra = {}) const
    {
        return QStringList{u"day"_s, u"--work-folder"_s, work(), u"--date"_s, Date} + extra;
    }

private slots:
    void init()
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(QFileInfo(monthPath()).absolutePath());
        ProgramSettings settings;
        settings.WorkFolder = work();
        settings.DataFolder = u"data"_s;
        QVERIFY(SettingsFile::save(settings).ok);
        ClassList classes;
        classes.Entries[0] = {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s};
        classes.Entries[1] = {OrdinaryClass, 1, 0, u"2"_s, {}, u"1年2組"_s};
        classes.ClassCount = 2;
        QVERIFY(ClassListFile::save(work(), classes).ok);
        QVERIFY(ClosureThreshold::save(work(), 500).ok);

        RegisterMonth month;
        const QStringList names{u"山田花子"_s, u"佐藤一郎"_s, u"鈴木次郎"_s};
        const QStringList marks{u"病"_s, QString(), u"出"_s};
        for (int i = 0; i < 3; ++i) {
            month.Pupils[i].Name = names[i];
            month.Pupils[i].Sex = i == 0 ? u"女"_s : u"男"_s;
            month.Pupils[i].Marks[8] = marks[i];
        }
        month.PupilCount = 3;
        month.Pupils[0].Reasons.append({8, u"病"_s, {u"発熱"_s, u"頭痛"_s}, u"せき"_s});
        QVERIFY(MonthFile::save(monthPath(), month).ok);
        QVERIFY(ReasonFile::save(monthPath(), month).ok);
        QFile file(monthPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(8, 41)), QFileDevice::FileModificationTime));
    }

    // The JSON in the order of its keys; the CSV one row per class, in code
    // page 932 with CR LF; the PDF of the printout.
    void writesJsonCsvAndPdf()
    {
        const QString csv = m_folder.filePath(u"day.csv"_s);
        const QString pdf = m_folder.filePath(u"day.pdf"_s);
        CommandOutput output;
        QCOMPARE(runCommand(arguments({u"--csv"_s, csv, u"--pdf"_s, pdf}), output), ExitStatus::Success);
        QCOMPARE(QString::fromUtf8(output.out), TwoClassesJson);
        QCOMPARE(output.err, QString());
        QCOMPARE(Cp932::decode(readFile(csv)).value_or(QString()),
                 u"学級,状態,在籍,出席,欠席,病気,事故,不良停止,伝染停止,忌引,特欠,遅刻,早退,閉鎖目安(%),"
                 u"発熱,頭痛,急性呼吸器症状,腹痛,下痢,嘔吐,発疹,けが,通院,その他,"
                 u"インフルエンザ,新型コロナウイルス感染症,感染性胃腸炎,流行性耳下腺炎,水痘,その他の感染症\r\n"
                 u"1年1組,学級閉鎖の目安,2,1,1,1,0,0,0,0,0,0,0,50.0,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                 u"1年2組,出席簿なし,,,,,,,,,,,,,,,,,,,,,,,,,,,,\r\n"_s);
        QVERIFY(readFile(pdf).startsWith("%PDF-"));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<ExitStatus>("status");
        QTest::addColumn<QString>("message"); // on stderr

        QTest::newRow("no such date") << QString() << QStringList{u"--date"_s, u"2026-02-30"_s}
                                      << ExitStatus::UsageError << u"veltra-cli day"_s;
        QTest::newRow("date with slashes")
            << QString() << QStringList{u"--date"_s, u"2026/12/09"_s} << ExitStatus::UsageError << u"veltra-cli day"_s;
        QTest::newRow("unknown option") << QString() << QStringList{u"--class"_s, u"1年1組"_s} << ExitStatus::UsageError
                                        << u"veltra-cli day"_s;
        QTest::newRow("no ROLL.SEW") << u"ROLL.SEW"_s << QStringList() << ExitStatus::InputError << u"ROLL.SEW"_s;
        QTest::newRow("no CLASS.CSD") << u"CLASS.CSD"_s << QStringList() << ExitStatus::InputError << u"CLASS.CSD"_s;
        QTest::newRow("unreadable month is its class's status")
            << u"month"_s << QStringList() << ExitStatus::Success << u"出席簿を読み込めません"_s;
        QTest::newRow("unreadable threshold: 20 %")
            << u"CLOSURE.CSD"_s << QStringList() << ExitStatus::Success << u"学級閉鎖の目安を 20.0% とします"_s;
        QTest::newRow("CSV onto a folder")
            << QString() << QStringList{u"--csv"_s, QDir::tempPath()} << ExitStatus::OutputError << u"保存できません"_s;
    }

    void exitStatus()
    {
        QFETCH(QString, setUp);
        QFETCH(QStringList, extra);
        if (setUp == u"month"_s)
            QVERIFY(writeFile(monthPath(), "1,\"\",99"));
        else if (setUp == u"CLOSURE.CSD"_s)
            QVERIFY(writeFile(ClosureThreshold::filePath(work()), "250.0\r\n"));
        else if (!setUp.isEmpty())
            QVERIFY(QFile::remove(QDir(work()).filePath(setUp)));
        CommandOutput output;
        QTEST(runCommand(arguments(extra), output), "status");
        QFETCH(QString, message);
        QVERIFY2(output.err.contains(message), qPrintable(output.err));
        if (setUp == u"month"_s)
            QVERIFY(output.out.contains("{\"title\":\"1年1組\",\"status\":\"unreadable\",\"savedAt\":\""));
        if (setUp == u"CLOSURE.CSD"_s)
            QVERIFY(output.out.contains("\"threshold\":20.0,"));
    }

    // The month is open on another computer (this test holds its lock): the
    // real program reads its last save and leaves the lock and every file alone.
    void readsAMonthOpenElsewhere()
    {
        MonthLock elsewhere(monthPath());
        QCOMPARE(elsewhere.take(), MonthLock::Outcome::Taken);
        const auto snapshot = [this] {
            QStringList files;
            QDirIterator it(work(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                files.append(path + u' ' + QString::fromLatin1(readFile(path).toHex()));
            }
            files.sort();
            return files;
        };
        const QStringList before = snapshot();

        QProcess process;
        startProgram(process, arguments());
        const ProgramRun run = finishProgram(process);
        QCOMPARE(run.exitCode, int(ExitStatus::Success));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), TwoClassesJson);
        QCOMPARE(snapshot(), before);
        QVERIFY(elsewhere.isHeld());
    }
};

VELTRA_TEST(DayCommandTest)
#include "daycommand_test.moc"
