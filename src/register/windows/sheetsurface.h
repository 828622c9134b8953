#pragma once

#include "register/paintercanvas.h"

#include <QWidget>

#include <functional>

// One picture surface of the register sheet (K_LIST, D_LIST or C_LIST): it
// paints its routine in twips, enlarged by the zoom, with the top of its
// coordinates at `origin` twips, and reports clicks in the same coordinates.
class SheetSurface : public QWidget
{
    Q_OBJECT

public:
    using PaintRoutine = std::function<void(SheetCanvas &)>;
    // The tooltip of a point in sheet twips; empty for none.
    using TipRoutine = std::function<QString(QPoint)>;

    SheetSurface(const QString &name, QWidget *parent);

    void setPaintRoutine(PaintRoutine routine) { m_paint = std::move(routine); }
    void setTipRoutine(TipRoutine routine) { m_tip = std::move(routine); }
    void setOrigin(int twips);
    int origin() const { return m_origin; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    // Sheet twips ↔ this widget's pixels (origin and zoom included).
    QPoint toTwips(QPointF pixels) const;
    int twipsToY(int sheetY) const;
    int twipsToX(int sheetX) const;
    int toPixels(int twips) const;

signals:
    void clickedAt(QPoint sheetTwips);
    void contextMenuAt(QPoint sheetTwips, QPoint globalPos);
    void keyPressed(QKeyEvent *event);
    void wheelTurned(QWheelEvent *event);

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    PaintRoutine m_paint;
    TipRoutine m_tip;
    SheetTextCache m_texts;
    int m_origin = 0;
    double m_zoom = 1;
    bool m_pressed = false;
};
