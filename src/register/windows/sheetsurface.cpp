#include "sheetsurface.h"

#include "ui/twips.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

SheetSurface::SheetSurface(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetSurface::setOrigin(int twips)
{
    if (m_origin == twips)
        return;
    m_origin = twips;
    update();
}

void SheetSurface::setZoom(double zoom)
{
    if (m_zoom == zoom)
        return;
    m_zoom = zoom;
    update();
}

QPoint SheetSurface::toTwips(QPointF pixels) const
{
    return {pixelsToTwips(pixels.x(), logicalDpiX() * m_zoom),
            pixelsToTwips(pixels.y(), logicalDpiY() * m_zoom) + m_origin};
}

int SheetSurface::twipsToY(int sheetY) const
{
    return twipsToPixels(sheetY - m_origin, logicalDpiY() * m_zoom);
}

int SheetSurface::twipsToX(int sheetX) const
{
    return twipsToPixels(sheetX, logicalDpiX() * m_zoom);
}

int SheetSurface::toPixels(int twips) const
{
    return twipsToPixels(twips, logicalDpiY() * m_zoom);
}

bool SheetSurface::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !m_tip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = m_tip(toTwips(help->pos()));
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void SheetSurface::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuAt(toTwips(event->pos()), event->globalPos());
}

void SheetSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!m_paint)
        return;
    PainterCanvas canvas(painter, logicalDpiX(), logicalDpiY(), m_origin, m_texts, m_zoom);
    m_paint(canvas);
}

void SheetSurface::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A quick second click is a click of its own: each one may enter or clear a mark.
void SheetSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void SheetSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clickedAt(toTwips(event->position()));
}

void SheetSurface::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

// The cell cursor shows whether the keys reach the sheet.
void SheetSurface::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void SheetSurface::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void SheetSurface::wheelEvent(QWheelEvent *event)
{
    event->ignore();
    emit wheelTurned(event);
    if (!event->isAccepted())
        QWidget::wheelEvent(event);
}
