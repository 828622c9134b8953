#include "sheetcursor.h"

#include "data/records.h"
#include "sheetgeometry.h"

#include <algorithm>

using namespace Sheet;

namespace {

struct Span
{
    int left;
    int right;
};

Span columnSpan(int column, const SheetCursor::Bounds &bounds)
{
    const bool grade = bounds.leadingColumns == 4;
    const Span withGrade[] = {{NoLeft, GradeLeft}, {GradeLeft, GradeRight}, {GradeRight, SexLeft}, {SexLeft, DaysLeft}};
    const Span withoutGrade[] = {{NoLeft, GradeLeft}, {GradeLeft, SexLeft}, {SexLeft, DaysLeft}};
    if (column < bounds.leadingColumns)
        return grade ? withGrade[column] : withoutGrade[column];
    const int day = column - bounds.leadingColumns;
    return {dayLeft(day), dayLeft(day + 1)};
}

} // namespace

SheetCursor::Bounds SheetCursor::Bounds::of(int pupilCount, int classKind, int monthLength, int visibleRows)
{
    return {hasGradeColumn(classKind) ? 4 : 3, std::clamp(monthLength, 0, int(DaySlots)),
            std::clamp(pupilCount, 0, PupilWorkingLimit - 1), std::max(visibleRows, 1)};
}

SheetCursor SheetCursor::atDay(int row, int day, const Bounds &bounds)
{
    return SheetCursor{row, bounds.leadingColumns + day}.clamped(bounds);
}

std::optional<SheetCursor::Move> SheetCursor::moveForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    switch (key) {
    case Qt::Key_Left:
        return Move::Left;
    case Qt::Key_Right:
        return Move::Right;
    case Qt::Key_Up:
        return Move::Up;
    case Qt::Key_Down:
        return Move::Down;
    case Qt::Key_Home:
        return control ? Move::Top : Move::RowStart;
    case Qt::Key_End:
        return control ? Move::Bottom : Move::RowEnd;
    case Qt::Key_PageUp:
        return Move::PageUp;
    case Qt::Key_PageDown:
        return Move::PageDown;
    default:
        return std::nullopt;
    }
}

SheetCursor SheetCursor::moved(Move move, const Bounds &bounds) const
{
    SheetCursor next = *this;
    switch (move) {
    case Move::Left:
        --next.column;
        break;
    case Move::Right:
        ++next.column;
        break;
    case Move::Up:
        --next.row;
        break;
    case Move::Down:
        ++next.row;
        break;
    case Move::RowStart:
        next.column = bounds.leadingColumns;
        break;
    case Move::RowEnd:
        next.column = bounds.columnCount() - 1;
        break;
    case Move::PageUp:
        next.row -= bounds.pageRows;
        break;
    case Move::PageDown:
        next.row += bounds.pageRows;
        break;
    case Move::Top:
        next.row = 0;
        break;
    case Move::Bottom:
        next.row = bounds.lastRow;
        break;
    }
    return next.clamped(bounds);
}

SheetCursor SheetCursor::clamped(const Bounds &bounds) const
{
    return {std::clamp(row, 0, bounds.lastRow), std::clamp(column, 0, bounds.columnCount() - 1)};
}

QRect SheetCursor::cell(const Bounds &bounds) const
{
    const Span span = columnSpan(column, bounds);
    return QRect(span.left, rowTop(row), span.right - span.left, RowHeight);
}

std::optional<int> SheetCursor::columnAt(int x, const Bounds &bounds)
{
    for (int column = 0; column < bounds.columnCount(); ++column) {
        const Span span = columnSpan(column, bounds);
        if (x >= span.left && x < span.right)
            return column;
    }
    return std::nullopt;
}
