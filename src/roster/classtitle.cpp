#include "classtitle.h"

#include "data/cp932.h"
#include "data/storedtext.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <string_view>

using namespace Qt::StringLiterals;

namespace ClassTitle {

namespace {

bool forbiddenInFolderName(char32_t c)
{
    static constexpr std::string_view Forbidden = "\\/:*?\"<>|";
    return c < 0x80 && Forbidden.find(char(c)) != std::string_view::npos;
}

bool blankOrDot(QChar c)
{
    return c.isSpace() || c == u'.';
}

// Windows opens a device, not a folder, for these names in any case and with
// any extension ("con", "Com1.txt").
bool isDeviceName(const QString &title)
{
    static const QRegularExpression device(u"^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])\\s*(\\..*)?$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(title).hasMatch();
}

} // namespace

std::optional<QString> unsafeReason(const QString &title)
{
    if (title.isEmpty())
        return u"クラス名がありません"_s;
    if (title == u"."_s || title == u".."_s)
        return u"「%1」はフォルダー名に使えません"_s.arg(title);
    if (const auto refused = StoredText::firstRefused(title))
        return StoredText::refusalMessage(*refused);
    for (char32_t c : title.toUcs4()) {
        if (forbiddenInFolderName(c))
            return u"文字%1はクラス名に使えません"_s.arg(Cp932::describeCharacter(c));
    }
    if (blankOrDot(title.front()) || blankOrDot(title.back()))
        return u"クラス名の先頭と末尾には空白も「.」も使えません"_s;
    if (isDeviceName(title))
        return u"「%1」はWindowsの装置の名前のため、フォルダー名に使えません"_s.arg(title);
    return std::nullopt;
}

QString refusalMessage(const QString &title, const QString &reason)
{
    return u"クラス「%1」はフォルダー名にできないため開けません\n%2"_s.arg(title, reason);
}

QStringList folderTitles(const ClassList &list, QStringList &refusals)
{
    QStringList titles;
    for (int c = 0; c < std::clamp<int>(list.ClassCount, 0, ClassSlots); ++c) {
        const QString title = list.Entries[c].Title.trimmed();
        if (const auto unsafe = unsafeReason(title))
            refusals.append(refusalMessage(title, *unsafe));
        else
            titles.append(title);
    }
    return titles;
}

bool sameFolder(const QString &title, const QString &other)
{
    return title.trimmed().compare(other.trimmed(), Qt::CaseInsensitive) == 0;
}

std::optional<QString> sharedTitle(const ClassList &list)
{
    const int count = std::clamp<int>(list.ClassCount, 0, ClassSlots);
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (sameFolder(list.Entries[i].Title, list.Entries[j].Title))
                return list.Entries[i].Title.trimmed();
        }
    }
    return std::nullopt;
}

QString sharedTitleMessage(const QString &title)
{
    return u"クラスファイルに同じ名前のクラス「%1」が複数あります\nクラス設定でどちらかを削除してください"_s.arg(title);
}

} // namespace ClassTitle
