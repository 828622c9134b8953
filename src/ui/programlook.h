#pragma once

#include "register/registerfont.h"

#include <QIcon>
#include <QString>

class QApplication;

// Makes "ＭＳ 明朝" resolve to IPAMincho where it is missing and makes it the
// program's font.
void applyProgramFont(QApplication &application);

// The program's icon: the character 出 on a register-green ground.
QIcon programIcon();
