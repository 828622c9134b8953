#include "totalssurface.h"

#include <QPaintEvent>
#include <QPainter>

TotalsSurface::TotalsSurface(const QString &name, PaintRoutine routine, QWidget *parent)
    : QWidget(parent)
    , m_paint(std::move(routine))
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TotalsSurface::setOrigin(int twips)
{
    if (m_origin == twips)
        return;
    m_origin = twips;
    update();
}

void TotalsSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    PainterCanvas canvas(painter, logicalDpiX(), logicalDpiY(), m_origin, m_texts);
    m_paint(canvas);
}
