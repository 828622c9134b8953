#pragma once

#include "pagesurface.h"

#include <QList>

// One drawing operation as it lands on the paper, in mm from its corner.
struct PageOperation
{
    enum class Kind { Text, Line, Box, Fill };

    Kind kind = Kind::Text;
    QPointF from; // a text's top-left corner
    QPointF to;
    QString text;
    double points = 0; // texts
    int width = 0;     // lines and boxes, printer pixels
    int colour = 0;
};

using RecordedPage = QList<PageOperation>;

// Records every operation instead of drawing it, for tests and traces; it
// behaves as a printer with the given margins.
class RecordingSurface : public PageSurface
{
public:
    explicit RecordingSurface(const SimulatedMargins &margins = {});

    bool open(PageOrientation orientation) override;
    PrinterMetrics metrics() const override;
    bool newPage() override;
    bool endDocument() override;

    QSizeF paper() const { return m_paper; }
    const QList<RecordedPage> &pages() const { return m_pages; }
    int newPageCalls() const { return m_newPageCalls; }
    int endDocumentCalls() const { return m_endDocumentCalls; }

protected:
    void drawText(QPointF topLeft, const QString &text, double points, int colour) override;
    void drawLine(QPointF from, QPointF to, int pixels, int colour) override;
    void drawBox(QPointF corner1, QPointF corner2, int pixels, int colour) override;
    void fillBox(QPointF corner1, QPointF corner2, int colour) override;

private:
    QPointF onPaper(QPointF printable) const { return printable + m_printableCorner; }
    void record(PageOperation operation);

    SimulatedMargins m_margins;
    QSizeF m_paper{297, 210};
    QPointF m_printableCorner;
    QList<RecordedPage> m_pages;
    int m_newPageCalls = 0;
    int m_endDocumentCalls = 0;
};
