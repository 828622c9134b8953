#pragma once

class QWidget;

// Sets the Tab order of a window's controls to their reading order on the
// screen: row by row from the top, left to right within a row (controls whose
// middles lie within half the lower one's height share a row). Controls
// inside another control (the box of an editable list) go with it.
void orderTabsAsLaidOut(QWidget &window);
