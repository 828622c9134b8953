#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Every data file is stored in the Windows Japanese code page (932). These
// helpers are the only place where text meets bytes.
namespace Cp932 {

// Replaces the usual look-alikes that code page 932 lacks with the character
// it has (WAVE DASH → FULLWIDTH TILDE, MINUS SIGN → FULLWIDTH HYPHEN-MINUS, …).
QString mapLookAlikes(const QString &text);

// What a text becomes in a data file: look-alikes mapped, a double quote turned
// into the full-width ＂ (the format cannot carry it) and line breaks into blanks.
QString normalizeText(const QString &text);

// The first character (a whole code point) that code page 932 cannot store.
std::optional<char32_t> firstUnencodable(const QString &text);

// "「X」(U+XXXX)": the way messages name a character; "(U+XXXX)" alone for a
// control character, which shows nothing.
QString describeCharacter(char32_t codePoint);

// The message shown when a typed or imported text holds such a character.
QString unencodableMessage(char32_t codePoint);

// Encodes text; nullopt when some character has no code page 932 form.
std::optional<QByteArray> tryEncode(const QString &text);

// Encodes text that has been checked with firstUnencodable.
QByteArray encode(const QString &text);

// Decodes bytes; nullopt when they are not valid code page 932.
std::optional<QString> decode(const QByteArray &bytes);

} // namespace Cp932
