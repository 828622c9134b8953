#include "painterpagesurface.h"

#include "pagefont.h"

#include <QPagedPaintDevice>

namespace {

// Pen widths are given in pixels of a 600-dpi printer.
constexpr double MillimetresPerPenPixel = 25.4 / 600;

} // namespace

QColor pageColour(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

PainterPageSurface::PainterPageSurface(QPagedPaintDevice &device, std::optional<SimulatedMargins> margins)
    : m_device(device)
    , m_margins(margins)
{}

PainterPageSurface::~PainterPageSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PainterPageSurface::open(PageOrientation orientation)
{
    m_device.setPageSize(QPageSize(QPageSize::A4));
    m_device.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    if (m_margins) {
        m_device.setPageMargins(m_margins->margins(paperSize(orientation)), QPageLayout::Millimeter);
    } else {
        const QPageLayout layout = m_device.pageLayout();
        m_device.setPageMargins(layout.minimumMargins(), layout.units());
    }
    if (!m_painter.begin(&m_device))
        return false;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_pixelsPerMillimetre = m_device.logicalDpiX() / 25.4;
    return true;
}

PrinterMetrics PainterPageSurface::metrics() const
{
    const QPageLayout layout = m_device.pageLayout();
    const int resolution = m_device.logicalDpiX();
    const QRect paintRect = layout.paintRectPixels(resolution);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    PrinterMetrics result;
    result.physicalOffsetX = paintRect.left();
    result.physicalOffsetY = paintRect.top();
    result.twipsPerPixelX = 1440.0 / resolution;
    result.twipsPerPixelY = 1440.0 / m_device.logicalDpiY();
    result.printableWidth = printable.width();
    result.printableHeight = printable.height();
    return result;
}

bool PainterPageSurface::newPage()
{
    return m_painter.isActive() && m_device.newPage();
}

bool PainterPageSurface::endDocument()
{
    return m_painter.isActive() && m_painter.end();
}

QPen PainterPageSurface::pen(int pixels, int colour) const
{
    QPen result(pageColour(colour), pixels * MillimetresPerPenPixel * m_pixelsPerMillimetre);
    result.setCapStyle(Qt::RoundCap);
    return result;
}

void PainterPageSurface::drawText(QPointF topLeft, const QString &text, double points, int colour)
{
    m_painter.setFont(PageFont::font(points));
    m_painter.setPen(pageColour(colour));
    m_painter.drawText(toDevice(topLeft + QPointF(0, PageFont::ascent(points))), text);
}

void PainterPageSurface::drawLine(QPointF from, QPointF to, int pixels, int colour)
{
    m_painter.setPen(pen(pixels, colour));
    m_painter.drawLine(toDevice(from), toDevice(to));
}

void PainterPageSurface::drawBox(QPointF corner1, QPointF corner2, int pixels, int colour)
{
    m_painter.setPen(pen(pixels, colour));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toDevice(corner1), toDevice(corner2)).normalized());
}

void PainterPageSurface::fillBox(QPointF corner1, QPointF corner2, int colour)
{
    m_painter.fillRect(QRectF(toDevice(corner1), toDevice(corner2)).normalized(), pageColour(colour));
}
