#pragma once

#include "sheetcanvas.h"

#include <QFont>
#include <QHash>

class QPainter;

// Draws on a QPainter whose coordinates are twips. Fonts are "ＭＳ 明朝" at the
// requested point size; line widths are given in screen pixels.
class PainterCanvas : public SheetCanvas
{
public:
    // `twipsPerPixel` is 1440 / the logical DPI of the device.
    PainterCanvas(QPainter &painter, double twipsPerPixel);

    void fill(const QRect &area, const QColor &colour) override;
    void line(QPoint from, QPoint to, const QColor &colour, int pixelWidth) override;
    void text(QPoint at, const QString &text, const TextStyle &style) override;
    using SheetCanvas::text;

    // Scales `painter` so that one unit is one twip on a device of `logicalDpi`.
    static void scaleToTwips(QPainter &painter, double logicalDpiX, double logicalDpiY);

private:
    struct SizedFont
    {
        QFont font;
        double ascent = 0;
    };
    const SizedFont &fontOf(double points);

    QPainter &m_painter;
    double m_twipsPerPixel;
    QHash<int, SizedFont> m_fonts; // by size in twips
};
