#include "pupillist.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace PupilList {

namespace {

bool onList(const RegisterMonth &month, int index)
{
    return index >= 0 && index < std::min<int>(month.PupilCount, PupilSlots);
}

} // namespace

void admitRow(RegisterMonth &month, int row)
{
    if (row != month.PupilCount || row >= PupilSlots)
        return;
    ++month.PupilCount;
    month.Pupils[row].Sex = u"男"_s;
}

void toggleSex(PupilRecord &pupil)
{
    pupil.Sex = pupil.Sex == u"男"_s ? u"女"_s : u"男"_s;
}

bool remove(RegisterMonth &month, int index)
{
    if (!onList(month, index))
        return false;
    const int count = std::min<int>(month.PupilCount, PupilSlots);
    std::move(month.Pupils.begin() + index + 1, month.Pupils.begin() + count, month.Pupils.begin() + index);
    month.Pupils[count - 1] = PupilRecord{};
    --month.PupilCount;
    return true;
}

bool exchange(RegisterMonth &month, int first, int second)
{
    if (!onList(month, first) || !onList(month, second))
        return false;
    std::swap(month.Pupils[first], month.Pupils[second]);
    return true;
}

} // namespace PupilList
