#pragma once

#include "register/paintercanvas.h"

#include <QWidget>

#include <functional>

// A picture surface of the totals window (K_LIST or D_LIST): paints its
// routine in twips, with the top of its coordinates at `origin` twips.
class TotalsSurface : public QWidget
{
    Q_OBJECT

public:
    using PaintRoutine = std::function<void(SheetCanvas &)>;

    TotalsSurface(const QString &name, PaintRoutine routine, QWidget *parent);

    void setOrigin(int twips);
    int origin() const { return m_origin; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PaintRoutine m_paint;
    SheetTextCache m_texts;
    int m_origin = 0;
};
