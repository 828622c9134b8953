#include "monthstatistics.h"

#include "calendar/era.h"
#include "data/marktable.h"
#include "data/session.h"

using namespace Qt::StringLiterals;

namespace {

const QString Graduation = u"卒業"_s;

void countMark(int code, int d, DayCounters &row, MonthStatistics &stats)
{
    using namespace StatColumn;
    switch (code) {
    case MarkCode::Sick:
        ++row[AbsentSick], ++row[AbsentTotal], ++stats.DayAbsent[d];
        break;
    case MarkCode::OtherReasons:
        ++row[AbsentOther], ++row[AbsentTotal], ++stats.DayAbsent[d];
        break;
    case MarkCode::Late:
        ++row[Present], ++row[Late], ++stats.DayPresent[d];
        break;
    case MarkCode::SuspensionDiscipline:
    case MarkCode::SuspensionInfection:
        ++row[Suspension], ++row[ExcusedTotal];
        break;
    case MarkCode::Mourning:
        ++row[Mourning], ++row[ExcusedTotal];
        break;
    case MarkCode::SpecialAbsence:
        ++row[SpecialAbsence], ++row[ExcusedTotal];
        break;
    case MarkCode::EarlyLeave:
        ++row[Present], ++row[EarlyLeave], ++stats.DayPresent[d];
        break;
    case MarkCode::LateAndEarlyLeave:
        ++row[Present], ++row[Late], ++row[EarlyLeave], ++stats.DayPresent[d];
        break;
    default:
        break;
    }
}

bool countsPresentAlone(const QString &mark)
{
    const int code = markCodeOf(mark);
    return mark.isEmpty() || code == MarkCode::Late || code == MarkCode::EarlyLeave
           || code == MarkCode::LateAndEarlyLeave;
}

// Changes[k] counts the k-th change mark from 転入学 on; joinings use the
// first two, leavings the other five.
static_assert(int(MarkCode::TransferIn) + int(ChangeKind::Death) == int(MarkCode::Death));

void addChange(MonthStatistics &stats, const QString &kind, int first, int last)
{
    for (int k = first; k <= last; ++k) {
        if (MarkTable[MarkCode::TransferIn + k] == kind)
            ++stats.Changes[k];
    }
}

void addEnrolment(qint16 &boys, qint16 &girls, const QString &sex, int amount)
{
    if (sex == u"男")
        boys = qint16(boys + amount);
    else if (sex == u"女")
        girls = qint16(girls + amount);
}

} // namespace

bool isDayOff(const RegisterMonth &month, int day)
{
    for (int h = 0; h < month.HolidayCount && h < HolidaySlots; ++h) {
        const HolidayEntry &entry = month.HolidayList[h];
        if (entry.Day == day && entry.Reason != Graduation)
            return true;
    }
    return false;
}

int countedDays(const RegisterMonth &month, int heiseiYear, int monthNumber)
{
    const int monthLength = JapaneseEra::daysInMonth(JapaneseEra::gregorianFromHeisei(heiseiYear), monthNumber);
    for (int h = 0; h < month.HolidayCount && h < HolidaySlots; ++h) {
        if (month.HolidayList[h].Reason == Graduation)
            return std::clamp<int>(month.HolidayList[h].Day, 0, monthLength);
    }
    return monthLength;
}

namespace {

void computeMonth(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats,
                  PupilDayFigures *byDay)
{
    stats = MonthStatistics{};
    const int days = countedDays(month, heiseiYear, monthNumber);
    stats.CountedDays = qint16(days);

    std::array<bool, DaySlots> dayOff{};
    for (int d = 0; d < days; ++d)
        dayOff[d] = isDayOff(month, d + 1);

    const int pupils = std::clamp<int>(month.PupilCount, 0, PupilSlots);
    for (int i = 0; i < pupils; ++i) {
        const PupilRecord &pupil = month.Pupils[i];
        std::array<DayCounters, DaySlots> dayRows{};
        bool left = false;
        std::array<bool, DaySlots> countedPresent{};
        for (int d = 0; d < days; ++d) {
            const QString &mark = pupil.Marks[d];
            DayCounters &dayRow = dayRows[d];
            const qint16 presentBefore = stats.DayPresent[d];
            if (mark.isEmpty()) {
                if (!left && !dayOff[d])
                    ++stats.DayPresent[d], ++dayRow[StatColumn::Present];
            } else if (!dayOff[d]) {
                countMark(markCodeOf(mark), d, dayRow, stats);
            } else if (markCodeOf(mark) == MarkCode::HolidayAttendance) {
                ++dayRow[StatColumn::HolidayAttendance];
            }
            countedPresent[d] = stats.DayPresent[d] > presentBefore;

            // A joiner's present days restart on the joining day: the days on
            // which the joiner was counted present before are taken out of the
            // pupil's days and of the day totals again, and only those,
            // whatever the order of the list.
            if (!left && !dayOff[d] && !pupil.InKind.isEmpty() && d == pupil.InDay) {
                dayRow[StatColumn::Present] = countsPresentAlone(mark) ? 1 : 0;
                for (int k = 0; k < d; ++k) {
                    dayRows[k][StatColumn::Present] = 0;
                    if (countedPresent[k])
                        --stats.DayPresent[k];
                }
                addEnrolment(stats.StartBoys, stats.StartGirls, pupil.Sex, -1);
                addChange(stats, pupil.InKind, ChangeKind::TransferIn, ChangeKind::Admission);
            }

            if (!pupil.OutKind.isEmpty() && d == pupil.OutDay) {
                addChange(stats, pupil.OutKind, ChangeKind::TransferOut, ChangeKind::Death);
                left = true;
            }

            if (!dayOff[d] && i == 0)
                ++stats.SchoolDays;
            if (d == 0)
                addEnrolment(stats.StartBoys, stats.StartGirls, pupil.Sex, 1);
            if (d == days - 1 && !left)
                addEnrolment(stats.EndBoys, stats.EndGirls, pupil.Sex, 1);
        }
        for (const DayCounters &dayRow : dayRows) {
            for (int c = 0; c < StatColumn::Count; ++c)
                stats.PupilStat[i][c] = qint16(stats.PupilStat[i][c] + dayRow[c]);
        }
        if (byDay)
            (*byDay)[i] = dayRows;
    }
}

} // namespace

void computeMonthStatistics(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats)
{
    computeMonth(month, heiseiYear, monthNumber, stats, nullptr);
}

void computeMonthStatistics(const RegisterMonth &month, int heiseiYear, int monthNumber, MonthStatistics &stats,
                            PupilDayFigures &byDay)
{
    byDay = {};
    computeMonth(month, heiseiYear, monthNumber, stats, &byDay);
}

std::optional<int> attendanceRateTenths(const MonthStatistics &stats)
{
    const qint64 present = stats.totalPresent();
    const qint64 recorded = present + stats.totalAbsent();
    if (recorded == 0)
        return std::nullopt;
    return int(present * 1000 / recorded);
}

std::optional<float> attendanceRate(const MonthStatistics &stats)
{
    const auto tenths = attendanceRateTenths(stats);
    return tenths ? std::optional<float>(float(*tenths) / 10.0f) : std::nullopt;
}

void computeStatistics(Session &session)
{
    computeMonthStatistics(session.Register, session.State.HeiseiYear, session.State.Month, session.Statistics);
}
