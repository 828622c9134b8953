#pragma once

#include <QString>

// The font of every caption, sheet and printout.
inline const QString RegisterFontFamily = QStringLiteral("ＭＳ 明朝");
