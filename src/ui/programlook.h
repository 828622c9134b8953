#pragma once

#include "register/registerfont.h"

#include <QIcon>
#include <QString>

class QApplication;

// Makes "ＭＳ 明朝" resolve to an installed Mincho font where it is missing
// (IPAexMincho, then Noto Serif CJK JP) and makes it the program's font.
void applyProgramFont(QApplication &application);

// The program's icon: the character 出 on a register-green ground.
QIcon programIcon();
