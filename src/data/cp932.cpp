#include "cp932.h"

#include "storedtext.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace Cp932 {

namespace {

constexpr auto CodecName = "windows-31j";

struct LookAlike
{
    char16_t from;
    char16_t to;
};

constexpr LookAlike LookAlikes[] = {
    {u'\u301C', u'\uFF5E'}, // WAVE DASH → FULLWIDTH TILDE
    {u'\u2212', u'\uFF0D'}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {u'\u2014', u'\u2015'}, // EM DASH → HORIZONTAL BAR
    {u'\u00A2', u'\uFFE0'}, // CENT SIGN → FULLWIDTH CENT SIGN
    {u'\u00A3', u'\uFFE1'}, // POUND SIGN → FULLWIDTH POUND SIGN
    {u'\u00AC', u'\uFFE2'}, // NOT SIGN → FULLWIDTH NOT SIGN
};

// The converter's table pairs three control bytes with other characters than
// Windows does: it reads byte 1A as U+001C, 1C as U+007F and 7F as U+001A.
// Texts are mapped on their way through it, so that they match Windows.
constexpr char16_t WindowsControls[] = {0x1A, 0x1C, 0x7F};
constexpr char16_t ConverterControls[] = {0x1C, 0x7F, 0x1A};

QString mapped(const QString &text, const char16_t (&from)[3], const char16_t (&to)[3])
{
    const auto find = [&](QChar c) { return std::find(std::begin(from), std::end(from), c.unicode()); };
    if (std::none_of(text.cbegin(), text.cend(), [&](QChar c) { return find(c) != std::end(from); }))
        return text;
    QString result = text;
    for (QChar &c : result) {
        if (const char16_t *found = find(c); found != std::end(from))
            c = QChar(to[found - std::begin(from)]);
    }
    return result;
}

QString forConverter(const QString &text)
{
    return mapped(text, WindowsControls, ConverterControls);
}

QString fromConverter(const QString &text)
{
    return mapped(text, ConverterControls, WindowsControls);
}

// Setting up a converter costs far more than converting one short item, so
// each thread keeps a stateless encoder and decoder. Their error flag never
// clears, so a converter that met an error is replaced by a fresh one.
constexpr auto Stateless = QStringConverter::Flag::Stateless;

template<typename Converter> Converter &cachedConverter()
{
    thread_local std::optional<Converter> converter;
    if (!converter || converter->hasError())
        converter.emplace(CodecName, Stateless);
    return *converter;
}

QStringEncoder &encoder()
{
    return cachedConverter<QStringEncoder>();
}

QStringDecoder &decoder()
{
    return cachedConverter<QStringDecoder>();
}

bool encodes(QStringView text)
{
    QStringEncoder &converter = encoder();
    const QByteArray bytes = converter.encode(text);
    return !converter.hasError();
}

} // namespace

QString mapLookAlikes(const QString &text)
{
    QString mapped = text;
    for (QChar &c : mapped) {
        for (const LookAlike &pair : LookAlikes) {
            if (c.unicode() == pair.from)
                c = QChar(pair.to);
        }
    }
    return mapped;
}

QString normalizeText(const QString &text)
{
    QString result = mapLookAlikes(text);
    result.replace(u"\r\n"_s, u" "_s);
    result.replace(u'\r', u' ');
    result.replace(u'\n', u' ');
    result.replace(u'"', u'\uFF02');
    return result;
}

std::optional<char32_t> firstUnencodable(const QString &text)
{
    if (tryEncode(text))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView piece = QStringView(text).mid(i, width);
        if (!encodes(piece))
            return piece.toUcs4().value(0);
        i += width;
    }
    return std::nullopt;
}

QString describeCharacter(char32_t codePoint)
{
    const QString hex = u"(U+%1)"_s.arg(QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0'));
    if (StoredText::isControl(codePoint))
        return hex;
    return u"「%1」"_s.arg(QString::fromUcs4(&codePoint, 1)) + hex;
}

QString unencodableMessage(char32_t codePoint)
{
    return u"文字%1はシフトJISで保存できません"_s.arg(describeCharacter(codePoint));
}

std::optional<QByteArray> tryEncode(const QString &text)
{
    QStringEncoder &converter = encoder();
    QByteArray bytes = converter.encode(forConverter(text));
    if (converter.hasError())
        return std::nullopt;
    return bytes;
}

QByteArray encode(const QString &text)
{
    return encoder().encode(forConverter(text));
}

std::optional<QString> decode(const QByteArray &bytes)
{
    QStringDecoder &converter = decoder();
    QString text = converter.decode(bytes);
    if (converter.hasError())
        return std::nullopt;
    return fromConverter(text);
}

} // namespace Cp932
