#pragma once

#include <QPointF>
#include <QString>

#include <optional>

#include <QMarginsF>
#include <QSizeF>

// Paper orientation of a run: register sheets are A4 landscape, the totals A4 portrait.
enum class PageOrientation { Landscape, Portrait };

// A4 in `orientation`, in mm.
QSizeF paperSize(PageOrientation orientation);

// A printer's unprintable margins as a PDF or a trace simulates them: the
// printable area starts `offsetX`, `offsetY` mm from the paper's corner and is
// `printableHeight` mm high (the rest of the paper when unset).
struct SimulatedMargins
{
    double offsetX = 0;
    double offsetY = 0;
    std::optional<double> printableHeight;

    QMarginsF margins(QSizeF paper) const;
};

// What a print set-up learns from its device: where the printable area lies
// on the paper and how large it is.
struct PrinterMetrics
{
    double physicalOffsetX = 0; // left edge of the printable area, device pixels
    double physicalOffsetY = 0; // top edge, device pixels
    double twipsPerPixelX = 2.4;
    double twipsPerPixelY = 2.4;
    double printableWidth = 0;  // mm
    double printableHeight = 0; // mm
};

// Colours of the printed forms: 24-bit values with red in the low byte.
namespace PageColour {
inline constexpr int Black = 0;
inline constexpr int Red = 255;
} // namespace PageColour

// The drawing operations of all printing, in millimetres. The scale origin
// names the coordinate of the printable area's top-left corner; once the set-up
// has placed it at the printer's offsets, coordinates are measured from the
// corner of the paper. Texts are placed by the top-left corner of their first
// character cell. The font is always the register font; sizes are in points,
// line widths in printer pixels (as on a 600-dpi printer).
class PageSurface
{
public:
    // Every surface draws in the register font, so creating one makes sure it
    // resolves to IPAMincho where "ＭＳ 明朝" is missing.
    PageSurface();
    virtual ~PageSurface() = default;

    // Paper A4 in `orientation`, then opens the document; false when the device
    // cannot be opened.
    virtual bool open(PageOrientation orientation) = 0;
    virtual PrinterMetrics metrics() const = 0;
    // Ends the current page and starts the next; false when the device failed.
    virtual bool newPage() = 0;
    // Ends the last page and hands the document to the device; false when it failed.
    virtual bool endDocument() = 0;

    void setScaleOrigin(double left, double top);
    void setFont(double points) { m_points = points; }
    double fontSize() const { return m_points; }
    void setLineWidth(int pixels) { m_lineWidth = pixels; }
    int lineWidth() const { return m_lineWidth; }
    void setColour(int colour) { m_colour = colour; }
    int colour() const { return m_colour; }
    void moveTo(double x, double y) { m_position = {x, y}; }

    // The text at the current position; an empty text draws nothing.
    void printText(const QString &text);
    void line(double x1, double y1, double x2, double y2, std::optional<int> colour = std::nullopt);
    void box(double x1, double y1, double x2, double y2);
    void filledBox(double x1, double y1, double x2, double y2);

    // Width and height of one line of `text` in the current font, in mm.
    double textWidth(const QString &text) const;
    double textHeight(const QString &text) const;

protected:
    // Where a point of the drawing lands relative to the printable area's corner.
    QPointF toPrintable(double x, double y) const { return {x - m_originX, y - m_originY}; }

    virtual void drawText(QPointF topLeft, const QString &text, double points, int colour) = 0;
    virtual void drawLine(QPointF from, QPointF to, int pixels, int colour) = 0;
    virtual void drawBox(QPointF corner1, QPointF corner2, int pixels, int colour) = 0;
    virtual void fillBox(QPointF corner1, QPointF corner2, int colour) = 0;

private:
    double m_originX = 0;
    double m_originY = 0;
    double m_points = 14;
    int m_lineWidth = 1;
    int m_colour = PageColour::Black;
    QPointF m_position;
};
