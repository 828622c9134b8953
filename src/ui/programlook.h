#pragma once

#include "data/registerfont.h"

#include <QIcon>
#include <QString>

class QApplication;

// Makes "ＭＳ 明朝" resolve to IPAMincho where it is missing and makes it the
// program's font.
void applyProgramFont(QApplication &application);

// The program's icon, as installed for the desktop menu: a ruled register
// sheet with a teacher's seal on register green.
QIcon programIcon();
