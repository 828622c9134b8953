#include "paintercanvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr double TwipsPerPoint = 20;

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, double twipsPerPixel)
    : m_painter(painter)
    , m_twipsPerPixel(twipsPerPixel)
{}

void PainterCanvas::scaleToTwips(QPainter &painter, double logicalDpiX, double logicalDpiY)
{
    painter.scale(logicalDpiX / 1440.0, logicalDpiY / 1440.0);
}

void PainterCanvas::fill(const QRect &area, const QColor &colour)
{
    m_painter.fillRect(area, colour);
}

void PainterCanvas::line(QPoint from, QPoint to, const QColor &colour, int pixelWidth)
{
    QPen pen(colour, pixelWidth * m_twipsPerPixel);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(from, to);
}

void PainterCanvas::text(QPoint at, const QString &text, const TextStyle &style)
{
    const SizedFont &sized = fontOf(style.points);
    m_painter.setFont(sized.font);
    m_painter.setPen(style.colour);

    const bool measured = style.anchor != Anchor::Left || style.maxWidth > 0;
    const double width = measured ? QFontMetricsF(sized.font).horizontalAdvance(text) : 0;
    const double shown = style.maxWidth > 0 ? std::min<double>(width, style.maxWidth) : width;
    double left = at.x();
    if (style.anchor == Anchor::Centre)
        left -= shown / 2;
    else if (style.anchor == Anchor::Right)
        left -= shown;

    const QPointF baseline(left, at.y() + sized.ascent);
    if (shown >= width) {
        m_painter.drawText(baseline, text);
        return;
    }
    m_painter.save();
    m_painter.translate(baseline);
    m_painter.scale(shown / width, 1);
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

const PainterCanvas::SizedFont &PainterCanvas::fontOf(double points)
{
    const int pixelSize = int(std::lround(points * TwipsPerPoint));
    auto found = m_fonts.find(pixelSize);
    if (found == m_fonts.end()) {
        QFont font(SheetFontFamily);
        font.setPixelSize(pixelSize);
        found = m_fonts.insert(pixelSize, {font, QFontMetricsF(font).ascent()});
    }
    return *found;
}
