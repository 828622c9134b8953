#pragma once

#include "register/sheetcursor.h"

#include <QWidget>

class QFrame;
class QScrollBar;
class SheetCanvas;
class SheetSurface;
struct Session;

// The register sheet on screen: the header K_LIST, the pupil rows D_LIST with
// its scroll bar V_SCL and the underline U_BAR, and the summary C_LIST, laid
// out in twips; the keyboard's cell cursor is drawn over the rows.
class SheetPanel : public QWidget
{
    Q_OBJECT

public:
    SheetPanel(const Session &session, QWidget *parent);

    SheetSurface *rows() const { return m_rows; }

    // LayoutSheet: fits the rows to a window `windowHeight` twips high and
    // scrolls back to the top.
    void layoutSheet(int windowHeight);
    // Draws the sheet `percent` % of its designed size and lays it out again.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    int visibleRows() const { return m_visibleRows; }
    // The panel's width in pixels at the zoom: the sheet and its scroll bar.
    int preferredWidth() const;
    // The largest zoom at which the sheet fits `roomWidth` pixels across and
    // every pupil row (and the empty row under them) fits the window's height.
    int fittingZoom(int roomWidth) const;

    // Redraws the three surfaces and sets the scroll bar's range.
    void refresh();

    int firstRow() const;
    void ensureRowVisible(int row);

    void showUnderline(int row);
    void hideUnderline();
    void setHighlightedRow(int row);

    SheetCursor::Bounds cursorBounds() const;
    const SheetCursor &cellCursor() const { return m_cursor; }
    void placeCursor(SheetCursor cursor);

signals:
    void scrolled();
    void cursorMoved();
    // Ctrl and the wheel: +1 to zoom in, -1 to zoom out.
    void zoomStepped(int step);

private:
    // The rows and the cell cursor over them.
    void paintRows(SheetCanvas &canvas) const;
    void placeUnderline();
    void announceCursor();
    // Sheet twips in pixels at the zoom.
    int pixelsX(int twips) const;
    int pixelsY(int twips) const;

    const Session &m_session;
    SheetSurface *m_header;
    SheetSurface *m_rows;
    SheetSurface *m_summary;
    QScrollBar *m_scroll;
    QFrame *m_underline;
    int m_visibleRows = 1;
    int m_windowHeight = 0;
    int m_zoom = 100;
    int m_underlineRow = -1;
    int m_highlightedRow = -1;
    SheetCursor m_cursor;
};
