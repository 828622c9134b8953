#pragma once

#include "pagesurface.h"

#include <QPainter>

class QPagedPaintDevice;

// Draws through a QPainter on a paged device: a PDF writer, a printer or a
// preview. Millimetres become device pixels here rather than by scaling the
// painter, so fonts keep their point sizes on every device.
class PainterPageSurface : public PageSurface
{
public:
    // `margins`: the printable area to simulate; without it the device keeps
    // its own unprintable margins (a printer's minimum margins).
    explicit PainterPageSurface(QPagedPaintDevice &device, std::optional<SimulatedMargins> margins = std::nullopt);
    ~PainterPageSurface() override;

    bool open(PageOrientation orientation) override;
    PrinterMetrics metrics() const override;
    bool newPage() override;
    bool endDocument() override;

protected:
    void drawText(QPointF topLeft, const QString &text, double points, int colour) override;
    void drawLine(QPointF from, QPointF to, int pixels, int colour) override;
    void drawBox(QPointF corner1, QPointF corner2, int pixels, int colour) override;
    void fillBox(QPointF corner1, QPointF corner2, int colour) override;

private:
    QPointF toDevice(QPointF millimetres) const { return millimetres * m_pixelsPerMillimetre; }
    QPen pen(int pixels, int colour) const;

    QPagedPaintDevice &m_device;
    std::optional<SimulatedMargins> m_margins;
    QPainter m_painter;
    double m_pixelsPerMillimetre = 1;
};

// 0x0000FF red, 0 black: red in the low byte.
QColor pageColour(int colour);
