#include "cli/commands.h"
#include "data/classlistfile.h"
#include "data/monthfile.h"
#include "data/settingsfile.h"
#include "register/monthlock.h"
#include "testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// veltra-cli new-year: the plan as JSON, and the April files written from it.
class NewYearCommandTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString work() const { return m_folder.filePath(u"work"_s); }
    QString monthPath(int schoolYear, const QString &title, int year, int month) const
    {
        return m_folder.filePath(u"data/%1/%2/"_s.arg(schoolYear).arg(title) + MonthFile::fileName(year, month));
    }

    void saveMarch(const QString &title, const QStringList &names)
    {
        RegisterMonth march;
        for (const QString &name : names) {
            PupilRecord &pupil = march.Pupils[march.PupilCount++];
            pupil.Name = name;
            pupil.OutKind = name.endsWith(u'転') ? u"転"_s : QString();
        }
        const QString path = monthPath(2025, title, 2026, 3);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(MonthFile::save(path, march).ok);
    }

    ExitStatus run(const QStringList &extra, CommandOutput &output) const
    {
        return runCommand(QStringList{u"new-year"_s, u"--work-folder"_s, work(), u"--school-year"_s, u"2025"_s} + extra,
                          output);
    }

private slots:
    void init()
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(work());
        ProgramSettings settings;
        settings.WorkFolder = work();
        settings.DataFolder = u"../data"_s;
        QVERIFY(SettingsFile::save(settings).ok);
        ClassList classes;
        classes.Entries[0] = {OrdinaryClass, 1, 0, u"1"_s, {}, u"1年1組"_s};
        classes.Entries[1] = {OrdinaryClass, 2, 0, u"1"_s, {}, u"2年1組"_s};
        classes.Entries[2] = {OrdinaryClass, 3, 0, u"1"_s, {}, u"3年1組"_s};
        classes.Entries[3] = {SpecialSupportClass, 0, 0, u"なかよし"_s, u"知的"_s, u"なかよし"_s};
        classes.ClassCount = 4;
        QVERIFY(ClassListFile::save(work(), classes).ok);
        saveMarch(u"1年1組"_s, {u"山田"_s, u"川口転"_s});
        saveMarch(u"2年1組"_s, {u"森"_s});
        saveMarch(u"3年1組"_s, {u"谷"_s, u"林"_s});
        saveMarch(u"なかよし"_s, {u"木村"_s});
    }

    void printsThePlanWithoutWriting()
    {
        CommandOutput output;
        QCOMPARE(run({}, output), ExitStatus::Success);
        QCOMPARE(output.out,
                 u"{\"from\":2025,\"to\":2026,\"moves\":[{\"from\":\"1年1組\",\"to\":\"2年1組\",\"pupils\":[\"山田\"]},"
                 "{\"from\":\"2年1組\",\"to\":\"3年1組\",\"pupils\":[\"森\"]}],"
                 "\"graduates\":[{\"class\":\"3年1組\",\"pupils\":2}],"
                 "\"notPlaced\":[{\"class\":\"なかよし\",\"name\":\"木村\",\"grade\":0}],\"skipped\":[]}\n"_s.toUtf8());
        QVERIFY(!QFileInfo::exists(monthPath(2026, u"2年1組"_s, 2026, 4)));
    }

    void keepsWhatWasWrittenWhenATargetIsLocked()
    {
        const QString locked = monthPath(2026, u"3年1組"_s, 2026, 4);
        QDir().mkpath(QFileInfo(locked).absolutePath());
        MonthLock other(locked);
        QCOMPARE(other.take(), MonthLock::Outcome::Taken);
        CommandOutput output;
        QCOMPARE(run({u"--write"_s}, output), ExitStatus::OutputError);
        QVERIFY(output.err.contains(MonthInUseMessage));
        QVERIFY(output.err.contains(u"書き込んでいないクラス: 3年1組"_s));
        RegisterMonth april;
        QVERIFY(MonthFile::load(monthPath(2026, u"2年1組"_s, 2026, 4), april).ok());
        QCOMPARE(april.Pupils[0].Name, u"山田"_s);
        QVERIFY(!QFileInfo::exists(locked));

        other.release();
        CommandOutput again;
        QCOMPARE(run({u"--write"_s}, again), ExitStatus::Success);
        QVERIFY(again.out.contains(u"{\"class\":\"2年1組\",\"reason\":\"4月の出席簿に児童がいます\"}"_s.toUtf8()));
        QVERIFY(MonthFile::load(locked, april).ok());
        QCOMPARE(april.Pupils[0].Name, u"森"_s);
    }
};

VELTRA_TEST(NewYearCommandTest)
#include "newyearcommand_test.moc"
