#include "roster/rosterimport.h"
#include "rosterfiles.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

// Pupils taken from the roster program's files of the school year: which
// files a class reads, the school checks, the class filter, the limit and the
// files that cannot be read.
class RosterImportTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    ProgramSettings m_settings;

    AppState classState(int kind, int grade, int grade2, const QString &className)
    {
        AppState state;
        state.HeiseiYear = 17; // February of the school year 2004
        state.Month = 2;
        state.ClassKind = qint16(kind);
        state.ClassGrade = qint16(grade);
        state.ClassGrade2 = qint16(grade2);
        state.ClassName = className;
        state.YearFolder = m_folder.filePath(u"data/2004"_s);
        return state;
    }

    void writeRoster(int grade, const QByteArray &bytes)
    {
        writeRosterTestFile(m_folder.filePath(u"data/2004/2004_%1.STD"_s.arg(grade)), bytes);
    }

    static QStringList rows(const PupilImport &import)
    {
        QStringList result;
        for (const PupilRecord &pupil : import.pupils)
            result.append(u"%1 %2 %3 %4"_s.arg(pupil.Name, pupil.Sex).arg(pupil.RosterNo).arg(pupil.Grade));
        return result;
    }

private slots:
    void init()
    {
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.filePath(u"work"_s));
        m_settings.SchoolCode = 1234;
        m_settings.SchoolName = u" ヴェルトラ小学校 "_s;
        m_settings.WorkFolder = m_folder.filePath(u"work"_s);
    }

    void classesReadTheFilesOfTheirGrades_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("grade2");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ordinary") << 0 << 2 << 0 << u"1"_s << QStringList{u"二年一組 男 1 2"_s};
        QTest::newRow("multi-grade") << 2 << 3 << 5 << u"1"_s
                                     << QStringList{u"三年一組 男 1 3"_s, u"五年一組 男 1 5"_s};
        QTest::newRow("special-support") << 1 << 0 << 0 << u"さくら"_s
                                         << QStringList{u"一年さくら 女 2 1"_s, u"三年さくら 女 2 3"_s,
                                                        u"五年さくら 女 2 5"_s, u"六年さくら 女 2 6"_s};
    }

    void classesReadTheFilesOfTheirGrades()
    {
        QFETCH(int, kind);
        QFETCH(int, grade);
        QFETCH(int, grade2);
        QFETCH(QString, className);
        const QStringList numerals{u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s, u"六"_s};
        for (int g = 1; g <= 6; ++g) {
            RosterBuilder builder;
            builder.add(numerals[g - 1] + u"年一組"_s, u"1"_s, 0, 1);
            if (g % 2 || g == 6)
                builder.add(numerals[g - 1] + u"年さくら"_s, u"さくら"_s, 1, 2);
            if (g != 4)
                writeRoster(g, builder.plain());
        }
        const PupilImport import = ImportRosterFiles(classState(kind, grade, grade2, className), m_settings, 0);
        QVERIFY(import.messages.isEmpty());
        QTEST(rows(import), "expected");
    }

    void anotherSchoolImportsNothingFromItsFile_data()
    {
        QTest::addColumn<qint32>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("code") << 4321 << u"ヴェルトラ小学校"_s << u"名簿データの学校コードが違います"_s;
        QTest::newRow("name") << 1234 << u"別の小学校"_s << u"名簿データの学校名が違います"_s;
    }

    void anotherSchoolImportsNothingFromItsFile()
    {
        QFETCH(qint32, code);
        QFETCH(QString, name);
        RosterBuilder other;
        other.schoolCode = code;
        other.schoolName = name;
        writeRoster(3, other.add(u"他校"_s, u"1"_s).plain());
        RosterBuilder ours;
        ours.schoolName = u"ヴェルトラ小学校  "_s;
        writeRoster(5, ours.add(u"本校"_s, u"1"_s).plain());

        const PupilImport import = ImportRosterFiles(classState(MultiGradeClass, 3, 5, u"1"_s), m_settings, 0);
        QCOMPARE(rows(import), QStringList{u"本校 男 0 5"_s});
        QFETCH(QString, message);
        QCOMPARE(import.messages, (QList<ImportMessage>{{message, u"児童・生徒名簿"_s, ImportMessageKind::Warning}}));
    }

    void shiftedFileIsDecodedInMemoryOnly()
    {
        const QString decodedCopy = decodedCopyPath(m_settings.WorkFolder);
        writeRosterTestFile(decodedCopy, "old names");
        RosterBuilder builder;
        builder.marker = 10000;
        writeRoster(2, builder.add(u"山田"_s, u"1"_s, 1, 9).shifted());
        const PupilImport import = ImportRosterFiles(classState(OrdinaryClass, 2, 0, u"1"_s), m_settings, 0);
        QCOMPARE(rows(import), QStringList{u"山田 女 9 2"_s});
        QCOMPARE(QDir(m_settings.WorkFolder).entryList(QDir::Files), QStringList{u"MEIBO_L.STD"_s});
    }

    void unreadableFileEndsTheImport_data()
    {
        QTest::addColumn<bool>("shifted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << false << u"名簿ファイル読込エラー"_s << u"児童・生徒名簿"_s;
        QTest::newRow("shifted") << true << u"ファイル読込エラー(2)"_s << u"データ読込"_s;
    }

    void unreadableFileEndsTheImport()
    {
        QFETCH(bool, shifted);
        RosterBuilder first;
        writeRoster(1, first.add(u"一年"_s, u"さくら"_s).plain());
        RosterBuilder broken;
        broken.marker = 10000;
        broken.add(u"二年"_s, u"さくら"_s).add(u"二年の二"_s, u"さくら"_s);
        const QByteArray bytes = shifted ? broken.shifted() : broken.plain();
        writeRoster(2, bytes.left(bytes.size() - 30));
        RosterBuilder third;
        writeRoster(3, third.add(u"三年"_s, u"さくら"_s).plain());

        const PupilImport import = ImportRosterFiles(classState(SpecialSupportClass, 0, 0, u"さくら"_s), m_settings, 0);
        QCOMPARE(rows(import), QStringList{u"一年 男 0 1"_s});
        const QString path = m_folder.filePath(u"data/2004/2004_2.STD"_s);
        QCOMPARE(import.unreadableFile, path);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QCOMPARE(import.messages, (QList<ImportMessage>{{message + u'\n' + QDir::toNativeSeparators(path), title,
                                                         ImportMessageKind::Error}}));
    }

    void importStopsAtTheWorkingLimit()
    {
        RosterBuilder builder;
        for (int i = 0; i < 10; ++i)
            builder.add(u"児童%1"_s.arg(i), u"1"_s);
        writeRoster(2, builder.plain());
        const PupilImport import = ImportRosterFiles(classState(OrdinaryClass, 2, 0, u"1"_s), m_settings, 40);
        QCOMPARE(import.pupils.size(), 6);
        QCOMPARE(import.messages, (QList<ImportMessage>{plainMessage(TooManyPupilsMessage)}));
    }

    void yearFolderWithRosterFilesIsRecognised()
    {
        const QString yearFolder = m_folder.filePath(u"data/2004"_s);
        QVERIFY(!hasRosterFiles(yearFolder));
        writeRoster(1, RosterBuilder().plain());
        QVERIFY(hasRosterFiles(yearFolder));
    }
};

VELTRA_TEST(RosterImportTest)
#include "rosterimport_test.moc"
