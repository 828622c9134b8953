#pragma once

#include "register/sheetcanvas.h"

#include <QList>

// Keeps every drawing operation, so that tests check positions and texts.
class RecordingCanvas : public SheetCanvas
{
public:
    struct Text
    {
        QPoint at;
        QString text;
        double points;
        QColor colour;
        Anchor anchor;
        int maxWidth;
    };
    struct Line
    {
        QPoint from;
        QPoint to;
        QColor colour;
        int width;
    };

    void fill(const QRect &area, const QColor &colour) override { fills.append({area, colour}); }
    void line(QPoint from, QPoint to, const QColor &colour, int pixelWidth) override
    {
        lines.append({from, to, colour, pixelWidth});
    }
    void text(QPoint at, const QString &content, const TextStyle &style) override
    {
        texts.append({at, content, style.points, style.colour, style.anchor, style.maxWidth});
    }
    using SheetCanvas::text;

    // The texts drawn with their top left (or anchor) at `at`.
    QStringList textsAt(QPoint at) const
    {
        QStringList found;
        for (const Text &t : texts) {
            if (t.at == at)
                found.append(t.text);
        }
        return found;
    }
    const Text *findText(const QString &content) const
    {
        for (const Text &t : texts) {
            if (t.text == content)
                return &t;
        }
        return nullptr;
    }
    int countText(const QString &content) const
    {
        return int(std::count_if(texts.begin(), texts.end(), [&](const Text &t) { return t.text == content; }));
    }
    bool hasLine(QPoint from, QPoint to) const { return findLine(from, to) != nullptr; }
    const Line *findLine(QPoint from, QPoint to) const
    {
        for (const Line &l : lines) {
            if ((l.from == from && l.to == to) || (l.from == to && l.to == from))
                return &l;
        }
        return nullptr;
    }
    // Vertical lines drawn at x.
    int verticalsAt(int x) const
    {
        return int(
            std::count_if(lines.begin(), lines.end(), [&](const Line &l) { return l.from.x() == x && l.to.x() == x; }));
    }

    QList<QPair<QRect, QColor>> fills;
    QList<Line> lines;
    QList<Text> texts;
};
