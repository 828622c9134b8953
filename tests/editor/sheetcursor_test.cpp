#include "register/sheetcursor.h"
#include "testregistry.h"

#include <QTest>

// The keyboard's cell cursor: its moves, its limits and its cells.
class SheetCursorTest : public QObject
{
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<int>("columnAfter");
        // Ordinary class, 10 pupils, a 30-day month, 8 rows on screen: columns
        // NO, name and sex, then days at 3 to 32; rows 0 to 10 (the empty row).
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("right") << 2 << 5 << int(Qt::Key_Right) << 0 << 2 << 6;
        QTest::newRow("left into the sex column") << 2 << 3 << int(Qt::Key_Left) << 0 << 2 << 2;
        QTest::newRow("left stops at NO") << 2 << 0 << int(Qt::Key_Left) << 0 << 2 << 0;
        QTest::newRow("right stops at the 30th") << 2 << 32 << int(Qt::Key_Right) << 0 << 2 << 32;
        QTest::newRow("down to the empty row") << 9 << 5 << int(Qt::Key_Down) << 0 << 10 << 5;
        QTest::newRow("down stops at the empty row") << 10 << 5 << int(Qt::Key_Down) << 0 << 10 << 5;
        QTest::newRow("up stops at the first") << 0 << 5 << int(Qt::Key_Up) << 0 << 0 << 5;
        QTest::newRow("home goes to the 1st") << 4 << 20 << int(Qt::Key_Home) << 0 << 4 << 3;
        QTest::newRow("end goes to the 30th") << 4 << 1 << int(Qt::Key_End) << 0 << 4 << 32;
        QTest::newRow("ctrl+home to the first row") << 7 << 9 << int(Qt::Key_Home) << ctrl << 0 << 9;
        QTest::newRow("ctrl+end to the last row") << 1 << 9 << int(Qt::Key_End) << ctrl << 10 << 9;
        QTest::newRow("page down") << 1 << 9 << int(Qt::Key_PageDown) << 0 << 9 << 9;
        QTest::newRow("page down stops") << 5 << 9 << int(Qt::Key_PageDown) << 0 << 10 << 9;
        QTest::newRow("page up stops") << 5 << 9 << int(Qt::Key_PageUp) << 0 << 0 << 9;
    }
    void moves()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const auto bounds = SheetCursor::Bounds::of(10, 0, 30, 8);
        const auto move = SheetCursor::moveForKey(key, Qt::KeyboardModifiers(modifiers));
        QVERIFY(move.has_value());
        const SheetCursor after = SheetCursor{row, column}.moved(*move, bounds);
        QTEST(after.row, "rowAfter");
        QTEST(after.column, "columnAfter");
    }

    void otherKeysDoNotMove()
    {
        QVERIFY(!SheetCursor::moveForKey(Qt::Key_Space, {}).has_value());
        QVERIFY(!SheetCursor::moveForKey(Qt::Key_Q, {}).has_value());
    }

    void rowsStopAtTheWorkingLimit()
    {
        const auto bounds = SheetCursor::Bounds::of(46, 0, 31, 20);
        QCOMPARE(bounds.lastRow, 45);
        QCOMPARE(SheetCursor({45, 3}).moved(SheetCursor::Move::Down, bounds).row, 45);
    }

    void cells_data()
    {
        QTest::addColumn<int>("classKind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QRect>("cell");
        QTest::newRow("NO") << 0 << 0 << QRect(0, 480, 400, 240);
        QTest::newRow("name without grade") << 0 << 1 << QRect(400, 480, 2000, 240);
        QTest::newRow("sex without grade") << 0 << 2 << QRect(2400, 480, 400, 240);
        QTest::newRow("first day without grade") << 0 << 3 << QRect(2800, 480, 240, 240);
        QTest::newRow("grade") << 2 << 1 << QRect(400, 480, 400, 240);
        QTest::newRow("name with grade") << 2 << 2 << QRect(800, 480, 1600, 240);
        QTest::newRow("12th with grade") << 2 << 15 << QRect(2800 + 240 * 11, 480, 240, 240);
    }
    void cells()
    {
        QFETCH(int, classKind);
        QFETCH(int, column);
        QFETCH(QRect, cell);
        const auto bounds = SheetCursor::Bounds::of(5, classKind, 31, 10);
        QCOMPARE(SheetCursor({2, column}).cell(bounds), cell);
        QCOMPARE(SheetCursor::columnAt(cell.center().x(), bounds), std::optional<int>(column));
    }

    void columnsEndWithTheMonth()
    {
        const auto february = SheetCursor::Bounds::of(5, 0, 28, 10);
        QCOMPARE(SheetCursor::columnAt(2800 + 240 * 27 + 1, february), std::optional<int>(30));
        QCOMPARE(SheetCursor::columnAt(2800 + 240 * 28 + 1, february), std::nullopt);
        QCOMPARE(SheetCursor::atDay(0, 30, february).column, 30);
    }

    void cursorFollowsAShrinkingRegister()
    {
        const auto bounds = SheetCursor::Bounds::of(2, 0, 31, 10);
        QCOMPARE(SheetCursor({9, 40}).clamped(bounds), SheetCursor({2, 33}));
    }
};

VELTRA_TEST(SheetCursorTest)
#include "sheetcursor_test.moc"
