#include "data/monthfile.h"
#include "roster/registerimport.h"
#include "testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Pupils taken from register files: last month's register of the class, and
// the candidates offered from any register file.
class RegisterImportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    static PupilRecord pupil(const QString &name, const QString &sex, const QString &outKind = {})
    {
        PupilRecord record;
        record.Name = name;
        record.Sex = sex;
        record.RosterNo = 7;
        record.Grade = 2;
        record.OutKind = outKind;
        record.OutDay = outKind.isEmpty() ? 0 : 10;
        record.InKind = name.endsWith(u'入') ? u"入"_s : QString();
        record.Marks[3] = u"病"_s;
        return record;
    }

    static RegisterMonth monthWith(int pupils, const QString &teacher = {})
    {
        RegisterMonth month;
        month.TeacherName = teacher;
        for (int i = 0; i < pupils; ++i)
            month.Pupils[month.PupilCount++] = pupil(u"児童%1"_s.arg(i + 1), i % 2 ? u"女"_s : u"男"_s);
        return month;
    }

    AppState stateOf(int heiseiYear, int month) const
    {
        AppState state;
        state.HeiseiYear = qint16(heiseiYear);
        state.Month = qint16(month);
        state.MonthFolder = m_folder.filePath(u"2004/1年2組"_s);
        QDir().mkpath(state.MonthFolder);
        return state;
    }

    void saveMonth(const AppState &state, int heiseiYear, int month, const RegisterMonth &contents)
    {
        const QString path = QDir(state.MonthFolder).filePath(MonthFile::fileName(heiseiYear + 1988, month));
        QVERIFY(MonthFile::save(path, contents).ok);
    }

    static QStringList names(const QList<PupilRecord> &pupils)
    {
        QStringList result;
        for (const PupilRecord &record : pupils)
            result.append(record.Name);
        return result;
    }

private slots:
    void lastMonthIsTheMonthBefore_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("lastYear");
        QTest::addColumn<int>("lastMonth");
        QTest::newRow("March reads February") << 17 << 3 << 17 << 2;
        QTest::newRow("January reads December") << 17 << 1 << 16 << 12;
    }

    void lastMonthIsTheMonthBefore()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, lastYear);
        QFETCH(int, lastMonth);
        const AppState state = stateOf(year, month);
        RegisterMonth last = monthWith(0, u"佐藤先生"_s);
        last.Pupils[0] = pupil(u"残る"_s, u"女"_s);
        last.Pupils[1] = pupil(u"転校した"_s, u"男"_s, u"転"_s);
        last.Pupils[2] = pupil(u"転入した入"_s, u"男"_s);
        last.PupilCount = 3;
        saveMonth(state, lastYear, lastMonth, last);

        RegisterMonth open = monthWith(2);
        const PupilImport import = ImportLastMonth(state, open);
        QVERIFY(import.messages.isEmpty());
        QVERIFY(import.replacesList);
        QCOMPARE(import.teacherName, u"佐藤先生"_s);
        QCOMPARE(names(import.pupils), (QStringList{u"残る"_s, u"転入した入"_s}));
        PupilRecord carried;
        carried.Name = u"転入した入"_s;
        carried.Sex = u"男"_s;
        carried.RosterNo = 7;
        carried.Grade = 2;
        QCOMPARE(import.pupils[1], carried);

        applyImport(open, import);
        QCOMPARE(open.PupilCount, 2);
        QCOMPARE(open.Pupils[0].Name, u"残る"_s);
        QCOMPARE(open.Pupils[2], PupilRecord{});
        QCOMPARE(open.TeacherName, u"佐藤先生"_s);
    }

    void aMonthWithATeacherKeepsIt()
    {
        const AppState state = stateOf(16, 6);
        saveMonth(state, 16, 5, monthWith(0, u"佐藤先生"_s));
        const PupilImport import = ImportLastMonth(state, monthWith(1, u"鈴木先生"_s));
        QCOMPARE(import.teacherName, std::nullopt);
        QVERIFY(!import.replacesList);
        QVERIFY(import.pupils.isEmpty());
    }

    void aprilFindsNoLastMonth()
    {
        const AppState state = stateOf(16, 4);
        saveMonth(state, 15, 3, monthWith(3)); // March of the school year before lies elsewhere
        const PupilImport import = ImportLastMonth(state, monthWith(0));
        QCOMPARE(import.messages, (QList<ImportMessage>{plainMessage(u"先月のデータは、有りません"_s)}));
        QVERIFY(import.pupils.isEmpty());
        QVERIFY(!import.replacesList);
    }

    void candidatesStopAtFifty()
    {
        const AppState state = stateOf(16, 6);
        RegisterMonth other = monthWith(51);
        other.Pupils[0].OutKind = u"転"_s;
        saveMonth(state, 16, 5, other);
        const RegisterCandidates offered =
            LoadRegisterCandidates(QDir(state.MonthFolder).filePath(MonthFile::fileName(2004, 5)));
        QVERIFY(offered.read);
        QCOMPARE(offered.candidates.size(), CandidateLimit);
        QCOMPARE(offered.candidates.first().Name, u"児童2"_s);
        QCOMPARE(offered.candidates.last().Name, u"児童51"_s);
        QVERIFY(offered.messages.isEmpty());

        other.Pupils[0].OutKind.clear();
        saveMonth(state, 16, 5, other);
        const RegisterCandidates tooMany =
            LoadRegisterCandidates(QDir(state.MonthFolder).filePath(MonthFile::fileName(2004, 5)));
        QCOMPARE(tooMany.candidates.size(), CandidateLimit);
        QCOMPARE(tooMany.messages, (QList<ImportMessage>{plainMessage(TooManyPupilsMessage)}));
    }

    void chosenCandidatesFillUpToTheLimit()
    {
        const RegisterMonth open = monthWith(44);
        const QList<PupilRecord> chosen{pupil(u"甲"_s, u"男"_s), pupil(u"乙"_s, u"女"_s), pupil(u"丙"_s, u"男"_s)};
        const PupilImport import = importCandidates(chosen, open.PupilCount);
        QCOMPARE(names(import.pupils), (QStringList{u"甲"_s, u"乙"_s}));
        QCOMPARE(import.messages, (QList<ImportMessage>{plainMessage(TooManyPupilsMessage)}));
    }

    void unreadableRegisterIsNamed()
    {
        const AppState state = stateOf(16, 6);
        const QString path = QDir(state.MonthFolder).filePath(MonthFile::fileName(2004, 5));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0,\"\",99,0,\"\",\"\",\"\"\r\n");
        file.close();
        const PupilImport import = ImportLastMonth(state, monthWith(1));
        QCOMPARE(import.unreadableFile, path);
        QVERIFY(import.messages.value(0).text.startsWith(u"データの読込に失敗しました\n"_s));
        QVERIFY(!LoadRegisterCandidates(path).read);
    }
};

VELTRA_TEST(RegisterImportTest)
#include "registerimport_test.moc"
