#pragma once

#include <QFont>
#include <QString>

// The register font measured in millimetres, the same for every surface so
// that a trace, a PDF and a printer place every text alike. Measurements come
// from unhinted outlines and scale linearly with the size.
namespace PageFont {

// The register font at `points`, for drawing on a device.
QFont font(double points);

double textWidth(const QString &text, double points);
double lineHeight(double points);
// From the top of the character cell down to the baseline.
double ascent(double points);

// The first size from `largest` down to `smallest` in steps of 0.2 points at
// which `text` is narrower than `width` mm; `smallest` when none is.
double shrinkToFit(const QString &text, double largest, double smallest, double width);

} // namespace PageFont
