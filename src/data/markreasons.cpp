#include "markreasons.h"

#include "marktable.h"
#include "reasoncategories.h"
#include "storedtext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace MarkReasons {

namespace {

auto dayOf(const PupilRecord &pupil, int day)
{
    return std::find_if(pupil.Reasons.begin(), pupil.Reasons.end(),
                        [day](const MarkReason &reason) { return reason.Day == day; });
}

} // namespace

const MarkReason *find(const PupilRecord &pupil, int day)
{
    const auto found = dayOf(pupil, day);
    return found == pupil.Reasons.end() ? nullptr : &*found;
}

void set(PupilRecord &pupil, const MarkReason &reason)
{
    clear(pupil, reason.Day);
    const auto before = std::find_if(pupil.Reasons.begin(), pupil.Reasons.end(),
                                     [&](const MarkReason &other) { return other.Day > reason.Day; });
    pupil.Reasons.insert(before, reason);
}

bool clear(PupilRecord &pupil, int day)
{
    return pupil.Reasons.removeIf([day](const MarkReason &reason) { return reason.Day == day; }) > 0;
}

bool anyIn(const RegisterMonth &month)
{
    return std::any_of(month.Pupils.begin(), month.Pupils.end(),
                       [](const PupilRecord &pupil) { return !pupil.Reasons.isEmpty(); });
}

bool fitsMark(MarkReason &reason, const QString &mark, const ReasonCategories &categories)
{
    const QString current = mark.trimmed();
    if (reason.Categories.isEmpty() || !ReasonCategories::carriesReasons(markCodeOf(current)))
        return false;
    if (current == reason.Mark)
        return true;
    if (!categories.allows(markCodeOf(current), reason.Categories))
        return false;
    reason.Mark = current;
    return true;
}

void dropStale(RegisterMonth &month, const ReasonCategories &categories)
{
    for (PupilRecord &pupil : month.Pupils) {
        if (pupil.Reasons.isEmpty())
            continue;
        QList<MarkReason> kept;
        for (MarkReason reason : std::as_const(pupil.Reasons)) {
            if (reason.Day >= 0 && reason.Day < DaySlots && fitsMark(reason, pupil.Marks[reason.Day], categories))
                kept.append(reason);
        }
        if (kept != pupil.Reasons)
            pupil.Reasons = kept;
    }
}

QString refusal(const PupilRecord &pupil, const MarkReason &reason, const ReasonCategories &categories)
{
    if (reason.Day < 0 || reason.Day >= DaySlots)
        return u"日付が正しくありません"_s;
    const QString mark = pupil.Marks[reason.Day].trimmed();
    const int code = markCodeOf(mark);
    if (!ReasonCategories::carriesReasons(code))
        return u"%1日には理由を付けられる記号がありません"_s.arg(reason.Day + 1);
    if (reason.Categories.isEmpty())
        return u"理由を一つ以上選んでください"_s;
    const QStringList list = categories.forMark(code);
    for (const QString &category : reason.Categories) {
        if (!list.contains(category))
            return u"「%1」は「%2」の理由にありません"_s.arg(category, mark);
    }
    if (reason.Text.size() > TextLimit)
        return u"理由の説明は%1文字までです"_s.arg(TextLimit);
    if (const auto refused = StoredText::firstRefused(reason.Text))
        return StoredText::refusalMessage(*refused);
    return {};
}

QString describe(const MarkReason &reason)
{
    const QString categories = reason.Categories.join(u'・');
    return reason.Text.isEmpty() ? categories : categories + u'　' + reason.Text;
}

} // namespace MarkReasons
