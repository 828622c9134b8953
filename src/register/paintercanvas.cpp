#include "paintercanvas.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

#include <algorithm>

namespace {

constexpr double TwipsPerInch = 1440;
constexpr qsizetype CachedTextsLimit = 4000; // far above one sheet's texts

int tenths(double points)
{
    return int(std::lround(points * 10));
}

} // namespace

const QFont &SheetTextCache::font(double points)
{
    auto found = m_fonts.find(tenths(points));
    if (found == m_fonts.end()) {
        QFont font(RegisterFontFamily);
        font.setPointSizeF(points);
        found = m_fonts.insert(tenths(points), font);
    }
    return *found;
}

const QStaticText &SheetTextCache::text(const QString &content, double points)
{
    const std::pair key(tenths(points), content);
    auto found = m_texts.find(key);
    if (found == m_texts.end()) {
        if (m_texts.size() >= CachedTextsLimit)
            m_texts.clear();
        QStaticText laidOut(content);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), font(points));
        found = m_texts.insert(key, laidOut);
    }
    return *found;
}

PainterCanvas::PainterCanvas(QPainter &painter, double logicalDpiX, double logicalDpiY, int originY,
                             SheetTextCache &cache, double zoom)
    : m_painter(painter)
    , m_pixelsPerTwipX(logicalDpiX * zoom / TwipsPerInch)
    , m_pixelsPerTwipY(logicalDpiY * zoom / TwipsPerInch)
    , m_originY(originY)
    , m_cache(cache)
    , m_zoom(zoom)
{}

QPointF PainterCanvas::toPixels(QPoint twips) const
{
    return {twips.x() * m_pixelsPerTwipX, (twips.y() - m_originY) * m_pixelsPerTwipY};
}

void PainterCanvas::fill(const QRect &area, const QColor &colour)
{
    m_painter.fillRect(QRectF(toPixels(area.topLeft()), toPixels(area.topLeft() + QPoint(area.width(), area.height()))),
                       colour);
}

// Lines are whole device pixels wide, so that at a screen scaling of 125 % or
// 150 % every rule of the grid is as sharp and as heavy as its neighbours.
void PainterCanvas::line(QPoint from, QPoint to, const QColor &colour, int pixelWidth)
{
    const double ratio = m_painter.device() ? m_painter.device()->devicePixelRatioF() : 1;
    QPen pen(colour, std::max(1.0, std::round(pixelWidth * ratio)));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(toPixels(from), toPixels(to));
}

void PainterCanvas::text(QPoint at, const QString &text, const TextStyle &style)
{
    const double points = style.points * m_zoom;
    const QStaticText &laidOut = m_cache.text(text, points);
    m_painter.setFont(m_cache.font(points));
    m_painter.setPen(style.colour);

    const double width = laidOut.size().width();
    const double room = style.maxWidth * m_pixelsPerTwipX;
    const double shown = style.maxWidth > 0 ? std::min(width, room) : width;
    QPointF topLeft = toPixels(at);
    if (style.anchor == Anchor::Centre)
        topLeft.rx() -= shown / 2;
    else if (style.anchor == Anchor::Right)
        topLeft.rx() -= shown;

    if (shown >= width) {
        m_painter.drawStaticText(topLeft, laidOut);
        return;
    }
    m_painter.save();
    m_painter.translate(topLeft);
    m_painter.scale(shown / width, 1);
    m_painter.drawStaticText(QPointF(0, 0), laidOut);
    m_painter.restore();
}
