#include "data/classlistfile.h"
#include "data/settingsfile.h"
#include "data/settingsstore.h"
#include "goldenfile.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray classLines(int announced, int written)
{
    QByteArray bytes = QByteArray::number(announced) + ",\"\",\"\",\"\"\r\n";
    for (int i = 0; i < written; ++i)
        bytes += "0,1,0,\"" + QByteArray::number(i) + "\",\"\",\"\",\"\",\"t\"\r\n";
    return bytes;
}

} // namespace

class SettingsFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void classListGoldenFillsEveryField()
    {
        ClassList list;
        const QByteArray bytes = goldenFile(u"CLASS.CSD"_s);
        QVERIFY(ClassListFile::fromBytes(bytes, list).ok());
        QCOMPARE(list.ClassCount, 2);
        QCOMPARE(list.Entries[0], (ClassEntry{0, 1, 0, u"2"_s, QString(), u"1年2組"_s}));
        QCOMPARE(list.Entries[1], (ClassEntry{1, 0, 0, u"なかよし"_s, u"知的"_s, u"なかよし(知的)"_s}));
        QCOMPARE(ClassListFile::toBytes(list), bytes);
    }

    void classListCounts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("classCount");
        QTest::newRow("empty list") << classLines(0, 0) << true << 0;
        QTest::newRow("51 classes") << classLines(51, 51) << true << 51;
        QTest::newRow("52 announced") << classLines(52, 52) << false << 51;
        QTest::newRow("huge count") << classLines(30000, 3) << false << 3;
        QTest::newRow("short file") << classLines(5, 2) << false << 2;
        QTest::newRow("negative count") << classLines(-4, 0) << true << 0;
    }
    void classListCounts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QFETCH(int, classCount);
        ClassList list;
        const LoadResult result = ClassListFile::fromBytes(bytes, list);
        QCOMPARE(result.ok(), read);
        QCOMPARE(result.unreadable(), !read);
        QCOMPARE(list.ClassCount, classCount);
    }

    void emptyClassListIsOneHeaderLine()
    {
        QCOMPARE(ClassListFile::toBytes(ClassList{}), QByteArray("0,\"\",\"\",\"\"\r\n"));
    }

    void settingsGoldenFillsEveryField()
    {
        ProgramSettings settings;
        const QByteArray bytes = goldenFile(u"ROLL.SEW"_s);
        QVERIFY(SettingsFile::fromBytes(bytes, u"/work"_s, settings).ok());
        QCOMPARE(settings.SchoolCode, 123456);
        QCOMPARE(settings.SchoolName, u"ヴェルトラ小学校"_s);
        QCOMPARE(settings.DataFolder, u"D:\\出席簿"_s);
        QCOMPARE(settings.CountBySex, 1);
        QCOMPARE(SettingsFile::toBytes(settings), bytes);
    }

    void emptyDataFolderIsTheWorkFolder()
    {
        ProgramSettings settings;
        settings.SchoolName = u"学校"_s;
        QVERIFY(SettingsFile::fromBytes(SettingsFile::toBytes(settings), u"/work"_s, settings).ok());
        QCOMPARE(settings.DataFolder, u"/work"_s);
    }

    void settingsLoadResults()
    {
        QTemporaryDir dir;
        ProgramSettings settings;
        settings.WorkFolder = dir.path();
        QVERIFY(SettingsFile::load(settings).missing());

        QFile file(SettingsFile::filePath(dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1,\"a\",\"\",\"\",\"\",\"\"\r\n");
        file.close();
        QVERIFY(SettingsFile::load(settings).unreadable());

        settings.SchoolName = u"学校"_s;
        QVERIFY(SettingsFile::save(settings).ok);
        ProgramSettings loaded;
        loaded.WorkFolder = dir.path();
        QVERIFY(SettingsFile::load(loaded).ok());
        QCOMPARE(loaded.SchoolName, u"学校"_s);
    }

    void publishWritesEveryKey()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"s.ini"_s));
        ProgramSettings settings;
        settings.SchoolName = u"学校"_s;
        settings.SchoolCode = 4321;
        settings.DataFolder = u"/data"_s;
        QVERIFY(publishSettings(store, settings, u"/data/2026/1年2組"_s, u"/opt/veltra"_s, QDate(2026, 12, 7)));
        QCOMPARE(store.value(u"SCHOOL"_s, u"SC_NAME"_s), u"学校"_s);
        QCOMPARE(store.value(u"SCHOOL"_s, u"SC_CODE"_s), u"4321"_s);
        QCOMPARE(store.value(u"SCHOOL"_s, u"INST_DAY"_s), u"2026/12/07"_s);
        QCOMPARE(store.value(u"SCHOOL"_s, u"SET_S_DIR"_s), u"/data/2026/1年2組"_s);
        QCOMPARE(store.value(u"SCHOOL"_s, u"SET_D_DIR"_s), u"/data"_s);
        QCOMPARE(store.value(u"SCHOOL"_s, u"DIR_ME"_s), u"/opt/veltra"_s);
        QCOMPARE(store.value(u"Version"_s, u"Major"_s), u"100"_s);
        QCOMPARE(store.value(u"Version"_s, u"Minor"_s), u"4"_s);
        QCOMPARE(store.value(u"Version"_s, u"Revision"_s), u"724"_s);

        // A later save keeps the installation day of the same major version.
        QVERIFY(publishSettings(store, settings, QString(), u"/opt/veltra"_s, QDate(2027, 1, 8)));
        QCOMPARE(store.value(u"SCHOOL"_s, u"INST_DAY"_s), u"2026/12/07"_s);
    }

    void startupRecordsOnlyANewerMajor_data()
    {
        QTest::addColumn<QString>("storedMajor");
        QTest::addColumn<QString>("installDay");
        QTest::newRow("never installed") << QString() << u"2026/12/07"_s;
        QTest::newRow("older major") << u"99"_s << u"2026/12/07"_s;
        QTest::newRow("same major") << u"100"_s << u"2020/04/01"_s;
        QTest::newRow("newer major") << u"101"_s << u"2020/04/01"_s;
    }
    void startupRecordsOnlyANewerMajor()
    {
        QFETCH(QString, storedMajor);
        QFETCH(QString, installDay);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"s.ini"_s));
        store.setValue(u"SCHOOL"_s, u"INST_DAY"_s, u"2020/04/01"_s);
        if (!storedMajor.isEmpty())
            store.setValue(u"Version"_s, u"Major"_s, storedMajor);
        QVERIFY(recordVersionAtStartup(store, QDate(2026, 12, 7)));
        QCOMPARE(store.value(u"SCHOOL"_s, u"INST_DAY"_s), installDay);
    }

    void windowPositions_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("expectedLeft");
        QTest::addColumn<int>("expectedTop");
        QTest::newRow("never placed") << QString() << QString() << 0 << 0;
        QTest::newRow("on screen") << u"1200"_s << u"800"_s << 1200 << 800;
        QTest::newRow("beyond width") << u"70000"_s << u"800"_s << 0 << 800;
        QTest::newRow("beyond 16 bits on a wide screen") << u"40000"_s << u"800"_s << 40000 << 800;
        QTest::newRow("beyond height") << u"1200"_s << u"14000"_s << 1200 << 0;
        QTest::newRow("negative kept") << u"-300"_s << u"-15"_s << -300 << -15;
        QTest::newRow("at the limit") << u"59000"_s << u"11000"_s << 59000 << 11000;
    }
    void windowPositions()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(int, expectedLeft);
        QFETCH(int, expectedTop);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"s.ini"_s));
        if (!left.isEmpty()) {
            store.setValue(u"Position"_s, u"F_SET Left"_s, left);
            store.setValue(u"Position"_s, u"F_SET Top"_s, top);
        }
        const WindowPosition position = restoreWindowPosition(store, u"F_SET"_s, 60000, 12000);
        QCOMPARE(position.WindowLeft, expectedLeft);
        QCOMPARE(position.WindowTop, expectedTop);

        QVERIFY(saveWindowPosition(store, u"F_SET"_s, {expectedLeft + 15, expectedTop + 30}));
        QCOMPARE(store.value(u"Position"_s, u"F_SET Left"_s), QString::number(expectedLeft + 15));
    }

    void rosterWindowIgnoresNegativePositions()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"s.ini"_s));
        QVERIFY(saveRosterWindowPosition(store, u"MEIBO_F"_s, -120, 2400.5));
        const OptionalWindowPosition position = restoreRosterWindowPosition(store, u"MEIBO_F"_s, 15000, 12000);
        QVERIFY(!position.left);
        QCOMPARE(position.top.value_or(0), 2400.5);
    }
};

VELTRA_TEST(SettingsFilesTest)
#include "settingsfiles_test.moc"
