#pragma once

#include "data/registerfont.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

// What the sheet's paint routines draw on, in twips. The window paints through
// a QPainter; tests record the operations.
class SheetCanvas
{
public:
    // Which point of the text the x coordinate names; y is always the top of
    // the character cell.
    enum class Anchor { Left, Centre, Right };

    struct TextStyle
    {
        double points = 10;
        QColor colour = Qt::black;
        Anchor anchor = Anchor::Left;
        int maxWidth = 0; // > 0: a wider text is narrowed to fit
    };

    virtual ~SheetCanvas() = default;

    virtual void fill(const QRect &area, const QColor &colour) = 0;
    virtual void line(QPoint from, QPoint to, const QColor &colour = Qt::black, int pixelWidth = 1) = 0;
    virtual void text(QPoint at, const QString &text, const TextStyle &style) = 0;

    void text(QPoint at, const QString &content, double points, const QColor &colour = Qt::black)
    {
        text(at, content, TextStyle{points, colour});
    }
};
