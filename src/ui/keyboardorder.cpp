#include "keyboardorder.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {

// The controls that take the focus by Tab, outermost ones only.
QList<QWidget *> tabControls(QWidget &window)
{
    QList<QWidget *> controls;
    const auto inControl = [&](const QWidget *widget) {
        for (QWidget *above = widget->parentWidget(); above && above != &window; above = above->parentWidget()) {
            if (above->focusPolicy() & Qt::TabFocus)
                return true;
        }
        return false;
    };
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->isWindow() && !inControl(widget))
            controls.append(widget);
    }
    return controls;
}

QRect placeIn(const QWidget &window, const QWidget *control)
{
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

} // namespace

void orderTabsAsLaidOut(QWidget &window)
{
    QList<QWidget *> controls = tabControls(window);
    std::stable_sort(controls.begin(), controls.end(), [&](const QWidget *a, const QWidget *b) {
        return placeIn(window, a).top() < placeIn(window, b).top();
    });
    // A control shares the row of the row's first control when their middles
    // lie within half the lower one's height.
    QList<QList<QWidget *>> rows;
    for (QWidget *control : controls) {
        const QRect place = placeIn(window, control);
        if (!rows.isEmpty()) {
            const QRect first = placeIn(window, rows.last().first());
            if (std::abs(place.center().y() - first.center().y()) <= std::min(place.height(), first.height()) / 2) {
                rows.last().append(control);
                continue;
            }
        }
        rows.append({control});
    }
    QWidget *previous = nullptr;
    for (QList<QWidget *> &row : rows) {
        std::stable_sort(row.begin(), row.end(), [&](const QWidget *a, const QWidget *b) {
            return placeIn(window, a).left() < placeIn(window, b).left();
        });
        for (QWidget *control : row) {
            if (previous)
                QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}
