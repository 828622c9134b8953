#include "holidaylist.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int VacationPresets = 4; // 春季, 夏季, 冬季, 振替休業日 print without the final 日
constexpr int VacationPrintLength = 4;

int usedEntries(const RegisterMonth &month)
{
    return std::clamp<int>(month.HolidayCount, 0, HolidaySlots);
}

} // namespace

QStringList holidayPresetReasons()
{
    return {u"春季休業日"_s, u"夏季休業日"_s, u"冬季休業日"_s,    u"振替休業日"_s,
            u"創立記念日"_s, u"卒業"_s,       u"台風のため休業"_s};
}

QString presetPrintText(int presetIndex)
{
    const QString reason = holidayPresetReasons().value(presetIndex);
    return presetIndex < VacationPresets ? reason.left(VacationPrintLength) : reason;
}

void setHoliday(RegisterMonth &month, int day, const QString &reason, const QString &printText)
{
    const int used = usedEntries(month);
    const auto end = month.HolidayList.begin() + used;
    auto entry = std::find_if(month.HolidayList.begin(), end, [day](const HolidayEntry &e) { return e.Day == day; });
    if (entry == end) {
        if (used == HolidaySlots)
            return;
        entry->Day = qint16(day);
        month.HolidayCount = qint16(used + 1);
    }
    entry->Reason = reason;
    entry->PrintText = printText;
}

bool holidaysFit(const RegisterMonth &month, int firstDay, int lastDay)
{
    const int used = usedEntries(month);
    const auto begin = month.HolidayList.begin();
    int needed = 0;
    for (int day = firstDay; day <= lastDay; ++day)
        needed += std::none_of(begin, begin + used, [day](const HolidayEntry &e) { return e.Day == day; }) ? 1 : 0;
    return used + needed <= HolidaySlots;
}

void setHolidays(RegisterMonth &month, int firstDay, int lastDay, const QString &reason, const QString &printText)
{
    for (int day = firstDay; day <= lastDay; ++day)
        setHoliday(month, day, reason, printText);
}

int deleteHolidays(RegisterMonth &month, int firstIndex, int lastIndex)
{
    const int used = usedEntries(month);
    const int first = std::max(std::min(firstIndex, lastIndex), 0);
    const int last = std::min(std::max(firstIndex, lastIndex), used - 1);
    if (first > last)
        return 0;
    const auto begin = month.HolidayList.begin();
    std::move(begin + last + 1, begin + used, begin + first);
    const int deleted = last - first + 1;
    std::fill(begin + used - deleted, begin + used, HolidayEntry{});
    month.HolidayCount = qint16(used - deleted);
    return deleted;
}

void sortHolidays(RegisterMonth &month)
{
    const auto begin = month.HolidayList.begin();
    for (auto next = begin; next != begin + usedEntries(month); ++next) {
        const auto place = std::find_if(begin, next, [day = next->Day](const HolidayEntry &e) { return e.Day >= day; });
        std::rotate(place, next, next + 1);
    }
}
