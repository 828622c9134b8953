#include "classlistedit.h"

#include "classtitle.h"
#include "data/cp932.h"

#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

QList<SpecialSupportCategory> specialSupportCategories()
{
    return {{u"知的障害"_s, u"知的"_s},
            {u"肢体不自由"_s, u"肢体"_s},
            {u"病弱・身体虚弱"_s, u"病弱"_s},
            {u"弱視"_s, u"弱視"_s},
            {u"難聴"_s, u"難聴"_s},
            {u"言語障害"_s, u"言語"_s},
            {u"自閉症・情緒障害"_s, u"自閉・情緒"_s}};
}

QString classKindName(int kind)
{
    switch (kind) {
    case OrdinaryClass:
        return u"普通"_s;
    case SpecialSupportClass:
        return u"特別支援"_s;
    case MultiGradeClass:
        return u"複式"_s;
    }
    return {};
}

namespace {

QString boxText(const QString &typed)
{
    return Cp932::mapLookAlikes(typed).trimmed();
}

QString missingBoxesMessage(const ClassInput &input)
{
    switch (input.kind) {
    case SpecialSupportClass:
        if (input.category.isEmpty() || input.className.isEmpty())
            return u"種別クラス名を設定してください"_s;
        break;
    case MultiGradeClass:
        if (input.gradeText.isEmpty() || input.grade2Text.isEmpty())
            return u"学年を設定してください"_s;
        break;
    default:
        if (input.className.isEmpty() || input.gradeText.isEmpty())
            return u"学年クラスを設定してください"_s;
    }
    return {};
}

QString titleOf(const ClassInput &input)
{
    switch (input.kind) {
    case SpecialSupportClass:
        return input.className + u'(' + input.category + u')';
    case MultiGradeClass:
        return input.gradeText + u'・' + input.grade2Text + u'年';
    default:
        return input.gradeText + u'年' + input.className + u'組';
    }
}

// A grade box holds one digit from 1 to 9, full-width or not: its number, or
// nothing for any other text.
std::optional<qint16> gradeOf(const QString &text)
{
    const QString digit = text.normalized(QString::NormalizationForm_KC);
    if (digit.size() != 1 || digit[0] < u'1' || digit[0] > u'9')
        return std::nullopt;
    return qint16(digit[0].unicode() - u'0');
}

// Rank of a kind in the list: ordinary, multi-grade, special-support.
int rankOf(qint16 kind)
{
    switch (kind) {
    case OrdinaryClass:
        return 0;
    case MultiGradeClass:
        return 1;
    default:
        return 2;
    }
}

} // namespace

ClassFromInput classFromInput(const ClassInput &typed)
{
    // Only the boxes the kind shows count; the others may hold what was typed before.
    const bool special = typed.kind == SpecialSupportClass;
    const bool multiGrade = typed.kind == MultiGradeClass;
    const ClassInput input{typed.kind, special ? QString() : boxText(typed.gradeText),
                           multiGrade ? boxText(typed.grade2Text) : QString(),
                           multiGrade ? QString() : boxText(typed.className), special ? typed.category : QString()};
    if (const QString missing = missingBoxesMessage(input); !missing.isEmpty())
        return {std::nullopt, missing};
    const auto grade = special ? std::optional<qint16>(0) : gradeOf(input.gradeText);
    const auto grade2 = multiGrade ? gradeOf(input.grade2Text) : std::optional<qint16>(0);
    if (!grade || !grade2)
        return {std::nullopt, u"学年は1から9までの数字で入力してください"_s};
    ClassEntry entry{input.kind, *grade, *grade2, input.className, input.category, titleOf(input)};
    if (const auto unsafe = ClassTitle::unsafeReason(entry.Title))
        return {std::nullopt, *unsafe};
    return {entry, {}};
}

std::optional<QString> addClass(ClassList &list, const ClassEntry &entry)
{
    const auto begin = list.Entries.begin();
    const auto sameTitle = [&](const ClassEntry &other) { return ClassTitle::sameFolder(other.Title, entry.Title); };
    if (std::any_of(begin, begin + list.ClassCount, sameTitle))
        return u"同じ名前のクラスが既にあります"_s;
    if (list.ClassCount >= ClassSlots)
        return u"クラスは51までしか登録できません"_s;
    list.Entries[list.ClassCount++] = entry;
    return std::nullopt;
}

int deleteClasses(ClassList &list, int first, int last)
{
    if (first > last)
        std::swap(first, last);
    first = std::max(first, 0);
    last = std::min<int>(last, list.ClassCount - 1);
    if (first > last)
        return 0;
    const auto begin = list.Entries.begin();
    const auto used = begin + list.ClassCount;
    const auto kept = std::move(begin + last + 1, used, begin + first);
    std::fill(kept, used, ClassEntry{});
    const int deleted = last - first + 1;
    list.ClassCount = qint16(list.ClassCount - deleted);
    return deleted;
}

void SortClassList(ClassList &list)
{
    const auto before = [](const ClassEntry &a, const ClassEntry &b) {
        const int rankA = rankOf(a.Kind), rankB = rankOf(b.Kind);
        return std::tie(rankA, a.Grade, a.Grade2, a.ClassName) < std::tie(rankB, b.Grade, b.Grade2, b.ClassName);
    };
    std::stable_sort(list.Entries.begin(), list.Entries.begin() + list.ClassCount, before);
}
