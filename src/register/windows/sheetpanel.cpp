#include "sheetpanel.h"

#include "data/session.h"
#include "register/cellannouncement.h"
#include "register/sheetdrawing.h"
#include "register/sheetgeometry.h"
#include "register/sheetzoom.h"
#include "sheetsurface.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Sheet;

namespace {

const QColor CursorColour{0, 80, 230};
const QColor IdleCursorColour{150, 150, 150};

// Window height left to the rows by LayoutSheet: what the header, the summary
// and the controls above the sheet do not take.
constexpr int ReservedHeight = 1000;
constexpr int RowsExtra = 80; // a glimpse of the row below the last whole one

} // namespace

SheetPanel::SheetPanel(const Session &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_header(new SheetSurface(u"K_LIST"_s, this))
    , m_rows(new SheetSurface(u"D_LIST"_s, this))
    , m_summary(new SheetSurface(u"C_LIST"_s, this))
    , m_scroll(new QScrollBar(Qt::Vertical, this))
    , m_underline(new QFrame(m_rows))
{
    m_header->setPaintRoutine([this](SheetCanvas &canvas) { drawHeader(canvas, SheetContent::of(m_session)); });
    m_rows->setPaintRoutine([this](SheetCanvas &canvas) { paintRows(canvas); });
    m_summary->setPaintRoutine(
        [this](SheetCanvas &canvas) { drawSummary(canvas, SheetContent::of(m_session), SummaryHeight); });
    m_rows->setFocusPolicy(Qt::StrongFocus);

    m_scroll->setObjectName(u"V_SCL"_s);
    m_scroll->setSingleStep(1);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_rows->setOrigin(value * RowHeight);
        placeUnderline();
        emit scrolled();
    });
    for (SheetSurface *surface : {m_header, m_rows, m_summary}) {
        connect(surface, &SheetSurface::wheelTurned, this, [this, surface](QWheelEvent *event) {
            if (event->modifiers() & Qt::ControlModifier) {
                if (const int turned = event->angleDelta().y(); turned != 0)
                    emit zoomStepped(turned > 0 ? 1 : -1);
                event->accept();
            } else if (surface == m_rows) {
                QApplication::sendEvent(m_scroll, event);
            }
        });
    }

    m_underline->setObjectName(u"U_BAR"_s);
    m_underline->setAutoFillBackground(true);
    QPalette underlinePalette = m_underline->palette();
    underlinePalette.setColor(QPalette::Window, Qt::blue);
    m_underline->setPalette(underlinePalette);
    m_underline->hide();
}

int SheetPanel::pixelsX(int twips) const
{
    return twipsToPixels(twips, logicalDpiX() * m_zoom / 100.0);
}

int SheetPanel::pixelsY(int twips) const
{
    return twipsToPixels(twips, logicalDpiY() * m_zoom / 100.0);
}

void SheetPanel::setZoom(int percent)
{
    m_zoom = percent;
    for (SheetSurface *surface : {m_header, m_rows, m_summary})
        surface->setZoom(percent / 100.0);
    layoutSheet(m_windowHeight);
}

// The rows take what the window's height leaves, counted in the sheet's own
// twips: at a larger zoom fewer rows fit.
void SheetPanel::layoutSheet(int windowHeight)
{
    m_windowHeight = windowHeight;
    const int sheetHeight = int((windowHeight - ReservedHeight) * 100.0 / m_zoom);
    m_visibleRows = std::max(1, (sheetHeight - HeaderHeight - SummaryHeight) / RowHeight);
    const int rowsTop = HeaderHeight - SurfaceOverlap;
    const int rowsHeight = m_visibleRows * RowHeight + RowsExtra;
    const int summaryTop = rowsTop + rowsHeight - SurfaceOverlap;

    m_header->setGeometry(0, 0, pixelsX(Width), pixelsY(HeaderHeight));
    m_rows->setGeometry(0, pixelsY(rowsTop), pixelsX(Width), pixelsY(rowsHeight));
    m_scroll->setGeometry(pixelsX(Width), pixelsY(rowsTop), m_scroll->sizeHint().width(), pixelsY(rowsHeight));
    m_summary->setGeometry(0, pixelsY(summaryTop), pixelsX(Width), pixelsY(SummaryHeight));
    m_summary->show();
    resize(preferredWidth(), pixelsY(summaryTop + SummaryHeight));

    refresh();
    m_scroll->setValue(0);
}

int SheetPanel::preferredWidth() const
{
    return pixelsX(Width) + m_scroll->sizeHint().width();
}

int SheetPanel::fittingZoom(int roomWidth) const
{
    const int byWidth =
        SheetZoom::fitting(roomWidth - m_scroll->sizeHint().width(), twipsToPixels(Width, logicalDpiX()));
    const int rows = std::min<int>(m_session.Register.PupilCount + 1, PupilWorkingLimit);
    const int byHeight =
        SheetZoom::fitting(m_windowHeight - ReservedHeight, HeaderHeight + SummaryHeight + rows * RowHeight);
    return std::min(byWidth, byHeight);
}

void SheetPanel::refresh()
{
    const int pupils = m_session.Register.PupilCount;
    m_scroll->setMaximum(pupils < m_visibleRows ? 0 : pupils - m_visibleRows + 2);
    m_scroll->setPageStep(m_visibleRows);
    m_cursor = m_cursor.clamped(cursorBounds());
    announceCursor();
    placeUnderline();
    m_header->update();
    m_rows->update();
    m_summary->update();
}

int SheetPanel::firstRow() const
{
    return m_scroll->value();
}

void SheetPanel::ensureRowVisible(int row)
{
    if (row < firstRow())
        m_scroll->setValue(row);
    else if (row >= firstRow() + m_visibleRows)
        m_scroll->setValue(row - m_visibleRows + 1);
}

void SheetPanel::showUnderline(int row)
{
    m_underlineRow = row;
    placeUnderline();
    m_underline->show();
}

void SheetPanel::hideUnderline()
{
    m_underlineRow = -1;
    m_underline->hide();
}

void SheetPanel::placeUnderline()
{
    if (m_underlineRow < 0)
        return;
    const int y = m_rows->twipsToY(rowTop(m_underlineRow + 1));
    m_underline->setGeometry(0, y - 1, m_rows->width(), 2);
}

void SheetPanel::setHighlightedRow(int row)
{
    if (m_highlightedRow == row)
        return;
    m_highlightedRow = row;
    m_rows->update();
}

SheetCursor::Bounds SheetPanel::cursorBounds() const
{
    const SheetContent content = SheetContent::of(m_session);
    return SheetCursor::Bounds::of(content.month.PupilCount, content.classKind, content.monthLength(), m_visibleRows);
}

void SheetPanel::placeCursor(SheetCursor cursor)
{
    m_cursor = cursor.clamped(cursorBounds());
    ensureRowVisible(m_cursor.row);
    announceCursor();
    m_rows->update();
    emit cursorMoved();
}

// The rows' accessible name is the cell under the cursor, so that a screen
// reader says it on every move and change.
void SheetPanel::announceCursor()
{
    const QString said = cellAnnouncement(m_session.Register, m_cursor, cursorBounds());
    if (m_rows->accessibleName() != said)
        m_rows->setAccessibleName(said);
}

void SheetPanel::paintRows(SheetCanvas &canvas) const
{
    drawRows(canvas, SheetContent::of(m_session, m_highlightedRow));
    const QRect cell = m_cursor.cell(cursorBounds());
    const QColor colour = m_rows->hasFocus() ? CursorColour : IdleCursorColour;
    const int left = cell.x();
    const int top = cell.y();
    const int right = left + cell.width();
    const int bottom = top + cell.height();
    canvas.line({left, top}, {right, top}, colour, 2);
    canvas.line({left, bottom}, {right, bottom}, colour, 2);
    canvas.line({left, top}, {left, bottom}, colour, 2);
    canvas.line({right, top}, {right, bottom}, colour, 2);
}
