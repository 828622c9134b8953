#include "printjob.h"

#include <QCoreApplication>

#include <cmath>

namespace {

constexpr double TwipsPerMillimetre = 56.7;
constexpr double LowestFormEdge = 204; // the register sheet's lowest printed y
// About one device pixel: offsets come in whole pixels and through 56.7 twips
// to the millimetre, so an area ending at 204 mm may measure a hair less.
constexpr double MeasurementTolerance = 0.05;

// Paints what is pending without taking user input, so no second run starts
// while this one is drawing.
void processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool preparePage(PageSurface &surface, PrintJob &job, PageOrientation orientation)
{
    if (!surface.open(orientation))
        return false;
    surface.setScaleOrigin(0, 0);
    surface.setFont(14);
    computePrinterOffsets(surface.metrics(), job);
    processPendingEvents();
    return true;
}

} // namespace

bool prepareLandscapePage(PageSurface &surface, PrintJob &job)
{
    return preparePage(surface, job, PageOrientation::Landscape);
}

bool preparePortraitPage(PageSurface &surface, PrintJob &job)
{
    return preparePage(surface, job, PageOrientation::Portrait);
}

void computePrinterOffsets(const PrinterMetrics &metrics, PrintJob &job)
{
    job.OffsetX = metrics.physicalOffsetX * metrics.twipsPerPixelX / TwipsPerMillimetre;
    job.OffsetY = metrics.physicalOffsetY * metrics.twipsPerPixelY / TwipsPerMillimetre;
}

void applyMarginCorrection(PageSurface &surface, PrintJob &job)
{
    job.PageBottom = std::floor(surface.metrics().printableHeight + job.OffsetY + MeasurementTolerance);
    surface.setScaleOrigin(job.OffsetX, printableTop(job));
}

double printableTop(const PrintJob &job)
{
    return job.PageBottom < LowestFormEdge ? job.OffsetY + LowestFormEdge - job.PageBottom : job.OffsetY;
}

void resetPageState(PageSurface &surface)
{
    surface.setLineWidth(1);
    surface.setFont(14);
    surface.moveTo(0, 0);
    surface.printText(QStringLiteral(" "));
    surface.moveTo(0, 0);
    surface.printText(QStringLiteral(" "));
    processPendingEvents();
}

PrintResult runPages(PageSurface &surface, int pages, const std::function<void(int page)> &drawPage)
{
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !surface.newPage())
            return PrintResult::DeviceFailed;
        surface.setFont(10);
        resetPageState(surface);
        drawPage(page);
    }
    return surface.endDocument() ? PrintResult::Printed : PrintResult::DeviceFailed;
}

PrintResult runPages(PageSurface &surface, const PrintJob &job, const std::function<void()> &drawPage)
{
    return runPages(surface, job.printsData() ? 1 : int(job.BlankCopies), [&](int) { drawPage(); });
}
