#include "pagesurface.h"

#include "pagefont.h"

#include "data/registerfont.h"

#include <algorithm>

QSizeF paperSize(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

QMarginsF SimulatedMargins::margins(QSizeF paper) const
{
    const double height = printableHeight.value_or(paper.height() - offsetY);
    return {offsetX, offsetY, 0, std::max(0.0, paper.height() - offsetY - height)};
}

PageSurface::PageSurface()
{
    installRegisterFontSubstitution();
}

void PageSurface::setScaleOrigin(double left, double top)
{
    m_originX = left;
    m_originY = top;
}

void PageSurface::printText(const QString &text)
{
    if (!text.isEmpty())
        drawText(toPrintable(m_position.x(), m_position.y()), text, m_points, m_colour);
}

void PageSurface::line(double x1, double y1, double x2, double y2, std::optional<int> colour)
{
    drawLine(toPrintable(x1, y1), toPrintable(x2, y2), m_lineWidth, colour.value_or(m_colour));
}

void PageSurface::box(double x1, double y1, double x2, double y2)
{
    drawBox(toPrintable(x1, y1), toPrintable(x2, y2), m_lineWidth, m_colour);
}

void PageSurface::filledBox(double x1, double y1, double x2, double y2)
{
    fillBox(toPrintable(x1, y1), toPrintable(x2, y2), m_colour);
}

double PageSurface::textWidth(const QString &text) const
{
    return PageFont::textWidth(text, m_points);
}

double PageSurface::textHeight(const QString &) const
{
    return PageFont::lineHeight(m_points);
}
