#include "documentwindow.h"

#include "twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

QRect twipsToPixelRect(const QWidget &widget, QRect twips)
{
    const auto x = [&](int value) { return twipsToPixels(value, widget.logicalDpiX()); };
    const auto y = [&](int value) { return twipsToPixels(value, widget.logicalDpiY()); };
    return QRect(x(twips.x()), y(twips.y()), x(twips.width()), y(twips.height()));
}

void placeInDocumentArea(QWidget &document, int leastWidthTwips)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(document.parentWidget());
    if (!frame || !frame->mdiArea() || frame->isMaximized())
        return;
    const QSize room = frame->mdiArea()->viewport()->size();
    frame->setGeometry(0, 0, std::max(room.width(), twipsToPixels(leastWidthTwips, document.logicalDpiX())),
                       room.height());
}
