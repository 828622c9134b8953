#include "classtitle.h"

#include "data/cp932.h"

#include <QList>

#include <string_view>

using namespace Qt::StringLiterals;

namespace ClassTitle {

namespace {

bool forbiddenInFolderName(char32_t c)
{
    static constexpr std::string_view Forbidden = "\\/:*?\"<>|";
    return c < 0x20 || c == 0x7F || (c < 0x80 && Forbidden.find(char(c)) != std::string_view::npos);
}

bool blankOrDot(QChar c)
{
    return c.isSpace() || c == u'.';
}

} // namespace

std::optional<QString> unsafeReason(const QString &title)
{
    if (title.isEmpty())
        return u"クラス名がありません"_s;
    if (title == u"."_s || title == u".."_s)
        return u"「%1」はフォルダー名に使えません"_s.arg(title);
    for (char32_t c : title.toUcs4()) {
        if (forbiddenInFolderName(c))
            return u"文字%1はクラス名に使えません"_s.arg(Cp932::describeCharacter(c));
    }
    if (blankOrDot(title.front()) || blankOrDot(title.back()))
        return u"クラス名の先頭と末尾には空白も「.」も使えません"_s;
    if (const auto lacking = Cp932::firstUnencodable(title))
        return Cp932::unencodableMessage(*lacking);
    return std::nullopt;
}

QString refusalMessage(const QString &title, const QString &reason)
{
    return u"クラス「%1」はフォルダー名にできないため開けません\n%2"_s.arg(title, reason);
}

} // namespace ClassTitle
