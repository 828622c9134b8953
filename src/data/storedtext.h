#pragma once

#include <QString>

#include <optional>

// What a text in a data file may hold. Older tools stop reading a file at a
// NUL or SUB byte, so no text is entered with a control character (U+0000 to
// U+001F, U+007F) nor with a character that code page 932 lacks. A text that
// already holds a control character (a file an older tool wrote) loads as it
// is and is written with a blank in its place, so a save never fails for it.
namespace StoredText {

bool isControl(char32_t c);

// The first character of an entered text that cannot be stored: a control
// character or one that code page 932 lacks. Line breaks (which become blanks)
// and the look-alikes that are mapped are not refused.
std::optional<char32_t> firstRefused(const QString &text);

// The message naming that character.
QString refusalMessage(char32_t c);

// Every control character of `text` as a blank.
QString blankControls(const QString &text);

// The text as a data file stores it, and as an entry box shows a stored text:
// normalized for code page 932 (Cp932::normalizeText) and without control characters.
QString asStored(const QString &text);

} // namespace StoredText
