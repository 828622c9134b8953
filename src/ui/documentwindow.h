#pragma once

#include <QRect>

class QWidget;

// Geometry shared by the document windows (the register editor and the totals
// window), which are laid out in twips inside the main window.

// A rectangle in twips as `widget`'s pixels at its logical resolution.
QRect twipsToPixelRect(const QWidget &widget, QRect twips);

// Form_Load: puts the document window at the top left of the main window's
// client area, as high as the area and at least `leastWidthTwips` wide. Does
// nothing to a maximised window or one outside the main window.
void placeInDocumentArea(QWidget &document, int leastWidthTwips);
