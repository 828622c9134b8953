#include "rosterfiles.h"
#include "testregistry.h"

#include <QTest>

// The roster program's files read without disk: plain and shifted, the items
// a pupil's row is taken from, and files that are cut short or malformed.
class RosterFileTest : public QObject
{
    Q_OBJECT

private slots:
    void plainAndShiftedFilesReadAlike_data()
    {
        QTest::addColumn<bool>("shifted");
        QTest::newRow("plain") << false;
        QTest::newRow("shifted") << true;
    }

    void plainAndShiftedFilesReadAlike()
    {
        QFETCH(bool, shifted);
        RosterBuilder builder;
        builder.marker = 10000;
        builder.add(u"山田　太郎"_s, u"1"_s, 0, 3).add(u"髙橋　花子"_s, u"2"_s, 1, 4);
        RosterFile::Roster roster;
        const LoadResult read = RosterFile::fromBytes(shifted ? builder.shifted() : builder.plain(), roster);
        QVERIFY2(read.ok(), qPrintable(read.describe()));
        QCOMPARE(roster.shifted, shifted);
        QCOMPARE(roster.schoolCode, 1234);
        QCOMPARE(roster.schoolName, u"ヴェルトラ小学校"_s);
        const QList<RosterFile::RosterPupil> expected{{u"山田　太郎"_s, u"男"_s, 3, u"1"_s},
                                                      {u"髙橋　花子"_s, u"女"_s, 4, u"2"_s}};
        QCOMPARE(roster.pupils, expected);
    }

    void rowItemsGiveNumberAndSex_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("sexCode");
        QTest::addColumn<int>("rosterNo");
        QTest::addColumn<QString>("sex");
        QTest::newRow("empty selector takes A") << QString() << 1 << 11 << u"女"_s;
        QTest::newRow("selector takes B") << u"1"_s << 2 << 22 << u"男"_s;
        QTest::newRow("sex code 0") << QString() << 0 << 11 << u"男"_s;
        QTest::newRow("sex code -1") << QString() << -1 << 11 << u"男"_s;
    }

    void rowItemsGiveNumberAndSex()
    {
        QFETCH(QString, selector);
        QFETCH(int, sexCode);
        RosterBuilder builder;
        builder.pupils.append({u"名"_s, u"1"_s, sexCode, 11, selector, 22});
        RosterFile::Roster roster;
        QVERIFY(RosterFile::fromBytes(builder.plain(), roster).ok());
        QCOMPARE(roster.pupils.size(), 1);
        QTEST(int(roster.pupils[0].rosterNo), "rosterNo");
        QTEST(roster.pupils[0].sex, "sex");
    }

    void lineBreaksCarryNoMeaning()
    {
        RosterBuilder builder;
        builder.add(u"名"_s, u"1"_s);
        QByteArray oneLine = builder.plain();
        oneLine.replace("\r\n", ",");
        oneLine.chop(1);
        RosterFile::Roster roster;
        QVERIFY(RosterFile::fromBytes(oneLine + "\r\n\r\n", roster).ok());
        QCOMPARE(roster.pupils.size(), 1);
        QCOMPARE(roster.pupils[0].name, u"名"_s);
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        RosterBuilder builder;
        builder.add(u"名"_s, u"1"_s).add(u"名2"_s, u"1"_s);
        const QByteArray whole = builder.plain();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header cut short") << whole.left(20);
        QTest::newRow("second pupil cut short") << whole.left(whole.size() - 40);
        QTest::newRow("unclosed quote") << whole.left(whole.lastIndexOf('"'));
        QByteArray badNumber = whole;
        badNumber.replace("1234", "12a4");
        QTest::newRow("school code not a number") << badNumber;
        RosterBuilder wideSexCode;
        wideSexCode.pupils.append({u"名"_s, u"1"_s, 70000, 0, {}, 0});
        QTest::newRow("sex code beyond 16 bits") << wideSexCode.plain();
        QByteArray badText = whole;
        badText.replace(Cp932::encode(u"名2"_s), "\x81");
        QTest::newRow("half a double-byte character") << badText;
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        RosterFile::Roster roster;
        QVERIFY(!RosterFile::fromBytes(bytes, roster).ok());
        QVERIFY(roster.pupils.isEmpty());
    }
};

VELTRA_TEST(RosterFileTest)
#include "rosterfile_test.moc"
