#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

// The keyboard's cell cursor on the pupil rows. It visits the columns a click
// reacts to: NO, the grade (when the class has one), the name, the sex and the
// days of the month, on every pupil row and the empty row under them (never
// past the 46th row).
struct SheetCursor
{
    int row = 0;
    int column = 0;

    enum class Move { Left, Right, Up, Down, RowStart, RowEnd, PageUp, PageDown, Top, Bottom };

    // The columns and rows open to the cursor for one register.
    struct Bounds
    {
        int leadingColumns = 3; // NO, (grade,) name, sex
        int days = 0;           // day columns of the month
        int lastRow = 0;
        int pageRows = 1;

        static Bounds of(int pupilCount, int classKind, int monthLength, int visibleRows);
        int columnCount() const { return leadingColumns + days; }
    };

    static SheetCursor atDay(int row, int day, const Bounds &bounds);

    // The move a navigation key makes: the arrows, Home and End within the
    // row's days (with Ctrl to the first and last row), Page Up and Page Down.
    static std::optional<Move> moveForKey(int key, Qt::KeyboardModifiers modifiers);

    SheetCursor moved(Move move, const Bounds &bounds) const;
    // The same place, pulled inside `bounds` after the register changed.
    SheetCursor clamped(const Bounds &bounds) const;

    // The cell in sheet twips, and the column that holds a point's x.
    QRect cell(const Bounds &bounds) const;
    static std::optional<int> columnAt(int x, const Bounds &bounds);

    friend bool operator==(const SheetCursor &, const SheetCursor &) = default;
};
