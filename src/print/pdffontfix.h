#pragma once

#include <QByteArray>

// Mends two faults of the fonts Qt's PDF writer embeds, so that validators,
// font lists and copied text see what the page shows:
// - a subset font keeps its bare name in /BaseFont while its descriptor has
//   the subset tag (ABCDEF+IPAMincho); both font dictionaries get the tagged name;
// - the half-width blank shares its glyph with the tab, and the text map sends
//   it back to U+0009; it is mapped to U+0020.
// The cross-reference table is rewritten to the new offsets. A file that does
// not have the layout Qt writes comes back unchanged.
QByteArray fixEmbeddedFonts(const QByteArray &pdf);
