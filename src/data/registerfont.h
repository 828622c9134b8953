#pragma once

#include <QString>

// The font of every caption, sheet and printout.
inline const QString RegisterFontFamily = QStringLiteral("ＭＳ 明朝");

// Where "ＭＳ 明朝" is missing it resolves to IPAMincho: like it, half-width
// blanks and digits are exactly half an em, which the forms' blank-padded
// numbers rely on (IPAexMincho's are not). Every page surface and every
// measurement of the printed font installs it; the windows install it at start.
void installRegisterFontSubstitution();
