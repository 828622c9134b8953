#include "readerfuzz.h"

#include "data/marktable.h"
#include "data/reasoncategories.h"
#include "data/reasonfile.h"

using namespace Qt::StringLiterals;

namespace {

// Three pupils, two of them with the same name, with every mark that carries
// a reason and some days without a mark, so lines can attach, move or be dropped.
RegisterMonth markedMonth()
{
    RegisterMonth month;
    month.PupilCount = 3;
    const QString names[] = {u"山田太郎"_s, u"佐藤花子"_s, u"山田太郎"_s};
    for (int row = 0; row < month.PupilCount; ++row) {
        month.Pupils[row].Name = names[row];
        for (int day = 0; day < DaySlots; ++day)
            month.Pupils[row].Marks[day] = MarkTable[(day + row) % (MarkCode::LateAndEarlyLeave + 2)].toString();
    }
    return month;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const RegisterMonth base = markedMonth();
    static const ReasonCategories categories;
    const auto attach = [](const QByteArray &bytes, RegisterMonth &month) {
        month = base;
        QStringList notes;
        return ReasonFile::attach(bytes, month, categories, notes);
    };
    return fuzzReader<RegisterMonth>(data, size, attach, ReasonFile::toBytes, [](const RegisterMonth &month) {
        for (int row = 0; row < month.PupilCount; ++row) {
            const PupilRecord &pupil = month.Pupils[row];
            for (const MarkReason &reason : pupil.Reasons) {
                if (reason.Day < 0 || reason.Day >= DaySlots || reason.Mark != pupil.Marks[reason.Day]
                    || !ReasonCategories::carriesReasons(markCodeOf(reason.Mark)) || reason.Categories.isEmpty())
                    return false;
            }
        }
        return true;
    });
}
