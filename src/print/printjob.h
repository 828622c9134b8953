#pragma once

#include "pagesurface.h"

#include <QtGlobal>

#include <functional>

// Which sheet a run prints.
enum PrintSideValue : qint16 { FrontSheet = 1, BackSheet = 2, FullSheet = 3 };

// The bits of PrintOptions, as the print dialog's check boxes set them and the
// settings store keeps them under PRT_ROLL_F.
namespace PrintOption {
enum : qint16 { Data = 1, Weekdays = 2, Holidays = 4, Colour = 8, GirlsInRed = 16 };
inline constexpr qint16 FirstUse = Colour;
} // namespace PrintOption

// The state of one print run.
struct PrintJob
{
    qint16 PrintSide = FrontSheet;
    qint16 BlankCopies = 0; // 0: the open month with its data; n: n blank sheets
    qint16 PrintOptions = PrintOption::FirstUse;
    double OffsetX = 0; // the printer's unprintable margins, mm
    double OffsetY = 0;
    double PageBottom = 0; // lower edge of the printable area on the paper, whole mm

    bool has(qint16 option) const { return (PrintOptions & option) != 0; }
    bool printsData() const { return BlankCopies < 1; }
};

// How a run ended.
enum class PrintResult { Printed, DeviceNotOpened, DeviceFailed };

// A run drawn on some surface: a printer, a PDF, a preview or a recording.
using PrintRun = std::function<PrintResult(PageSurface &surface)>;

// Opens the device on A4 landscape (register sheets) or portrait (totals) with
// millimetre coordinates from the printable corner, the register font at 14
// points, and takes the printer's offsets; false when the device cannot be opened.
bool prepareLandscapePage(PageSurface &surface, PrintJob &job);
bool preparePortraitPage(PageSurface &surface, PrintJob &job);

// OffsetX and OffsetY from the physical offsets of the printable area.
void computePrinterOffsets(const PrinterMetrics &metrics, PrintJob &job);

// PageBottom, then moves the scale origin to the printer's offsets so that
// coordinates count from the paper's corner; a printable area that ends above
// y = 204 shifts the drawing up by what is missing.
void applyMarginCorrection(PageSurface &surface, PrintJob &job);

// The top edge of the printable area in drawing coordinates, after the margin correction.
double printableTop(const PrintJob &job);

// At the start of every page: thin pen, no styles, 14 points, and two blanks
// at the corner so that the page exists before any rule is drawn.
void resetPageState(PageSurface &surface);

// The run loop: `drawPage` for each of `pages` pages, after resetPageState at
// 10 points, new pages between them and the end of the document after the last.
PrintResult runPages(PageSurface &surface, int pages, const std::function<void(int page)> &drawPage);
// One page for a data print, BlankCopies pages otherwise.
PrintResult runPages(PageSurface &surface, const PrintJob &job, const std::function<void()> &drawPage);
