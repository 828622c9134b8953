#include "storedtext.h"

#include "cp932.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace StoredText {

bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7F;
}

std::optional<char32_t> firstRefused(const QString &text)
{
    const QString stored = Cp932::normalizeText(text);
    for (const char32_t c : stored.toUcs4()) {
        if (isControl(c))
            return c;
    }
    return Cp932::firstUnencodable(stored);
}

QString refusalMessage(char32_t c)
{
    if (isControl(c))
        return u"制御文字%1は使えません"_s.arg(Cp932::describeCharacter(c));
    return Cp932::unencodableMessage(c);
}

QString blankControls(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return isControl(c.unicode()); }))
        return text;
    QString blanked = text;
    for (QChar &c : blanked) {
        if (isControl(c.unicode()))
            c = u' ';
    }
    return blanked;
}

QString asStored(const QString &text)
{
    return blankControls(Cp932::normalizeText(text));
}

} // namespace StoredText
