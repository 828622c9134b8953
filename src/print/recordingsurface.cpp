#include "recordingsurface.h"

namespace {

// The resolution the recording reports to the set-up, as a 600-dpi printer.
constexpr double PixelsPerMillimetre = 600 / 25.4;
constexpr double TwipsPerPixel = 1440.0 / 600;

} // namespace

RecordingSurface::RecordingSurface(const SimulatedMargins &margins)
    : m_margins(margins)
    , m_printableCorner(margins.offsetX, margins.offsetY)
{}

bool RecordingSurface::open(PageOrientation orientation)
{
    m_paper = paperSize(orientation);
    m_pages = {RecordedPage()};
    return true;
}

PrinterMetrics RecordingSurface::metrics() const
{
    const QMarginsF margins = m_margins.margins(m_paper);
    PrinterMetrics result;
    result.physicalOffsetX = margins.left() * PixelsPerMillimetre;
    result.physicalOffsetY = margins.top() * PixelsPerMillimetre;
    result.twipsPerPixelX = TwipsPerPixel;
    result.twipsPerPixelY = TwipsPerPixel;
    result.printableWidth = m_paper.width() - margins.left() - margins.right();
    result.printableHeight = m_paper.height() - margins.top() - margins.bottom();
    return result;
}

bool RecordingSurface::newPage()
{
    ++m_newPageCalls;
    m_pages.append(RecordedPage());
    return true;
}

bool RecordingSurface::endDocument()
{
    ++m_endDocumentCalls;
    return true;
}

void RecordingSurface::record(PageOperation operation)
{
    if (m_pages.isEmpty())
        m_pages.append(RecordedPage());
    m_pages.last().append(std::move(operation));
}

void RecordingSurface::drawText(QPointF topLeft, const QString &text, double points, int colour)
{
    record({PageOperation::Kind::Text, onPaper(topLeft), {}, text, points, 0, colour});
}

void RecordingSurface::drawLine(QPointF from, QPointF to, int pixels, int colour)
{
    record({PageOperation::Kind::Line, onPaper(from), onPaper(to), {}, 0, pixels, colour});
}

void RecordingSurface::drawBox(QPointF corner1, QPointF corner2, int pixels, int colour)
{
    record({PageOperation::Kind::Box, onPaper(corner1), onPaper(corner2), {}, 0, pixels, colour});
}

void RecordingSurface::fillBox(QPointF corner1, QPointF corner2, int colour)
{
    record({PageOperation::Kind::Fill, onPaper(corner1), onPaper(corner2), {}, 0, 0, colour});
}
