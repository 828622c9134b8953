#pragma once

#include "sheetcanvas.h"

#include <QFont>
#include <QHash>
#include <QStaticText>

class QPainter;

// The fonts and laid-out texts of one surface, kept from paint to paint: a
// sheet repeats the same few hundred texts every time it is drawn.
class SheetTextCache
{
public:
    const QFont &font(double points);
    const QStaticText &text(const QString &content, double points);

private:
    QHash<int, QFont> m_fonts; // by tenths of a point
    QHash<std::pair<int, QString>, QStaticText> m_texts;
};

// Draws the sheet's twips on a QPainter that works in the device's logical
// pixels, enlarged by `zoom`. Twips are mapped to pixels here rather than by
// scaling the painter, which keeps lines and cached texts on the painter's
// fast paths. Fonts are "ＭＳ 明朝" at the requested point size times the
// zoom; line widths are in pixels.
class PainterCanvas : public SheetCanvas
{
public:
    // `originY`: the sheet's y in twips that the device's top shows.
    PainterCanvas(QPainter &painter, double logicalDpiX, double logicalDpiY, int originY, SheetTextCache &cache,
                  double zoom = 1);

    void fill(const QRect &area, const QColor &colour) override;
    void line(QPoint from, QPoint to, const QColor &colour, int pixelWidth) override;
    void text(QPoint at, const QString &text, const TextStyle &style) override;
    using SheetCanvas::text;

private:
    QPointF toPixels(QPoint twips) const;

    QPainter &m_painter;
    double m_pixelsPerTwipX;
    double m_pixelsPerTwipY;
    int m_originY;
    SheetTextCache &m_cache;
    double m_zoom;
};
