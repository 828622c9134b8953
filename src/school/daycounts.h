#pragma once

#include <QList>
#include <QString>

#include <optional>

// How the pupils enrolled on one school day attended it, one count per pupil:
// present (no mark, 遅, ソ, ﾁ), absent through sickness (病) or for other
// reasons (事), suspended for discipline (テ) or an infectious disease (ホ),
// mourning (キ) or special absence (ト). Late and left early count the present
// pupils who came late (遅, ﾁ) or left early (ソ, ﾁ).
struct DayCounts
{
    int present = 0;
    int sick = 0;
    int other = 0;
    int suspended = 0;
    int infectious = 0;
    int mourning = 0;
    int special = 0;
    int late = 0;
    int leftEarly = 0;

    int absent() const { return sick + other; }
    int enrolled() const { return present + absent() + suspended + infectious + mourning + special; }
    // Both kinds of 出席停止, as the grade and school sums show them.
    int suspendedAll() const { return suspended + infectious; }
    // A class's line in order: enrolled, present, absent, sick, other,
    // suspended, infectious, mourning, special, late and left early.
    QList<int> columns() const
    {
        return {enrolled(), present, absent(), sick, other, suspended, infectious, mourning, special, late, leftEarly};
    }

    // Counts one enrolled pupil with `mark`; false, counting nothing, for a
    // mark that belongs to no figure (出, an enrolment kind or any other text).
    bool count(const QString &mark);

    DayCounts &operator+=(const DayCounts &other);
    friend bool operator==(const DayCounts &, const DayCounts &) = default;
};

// The closure rate: (absent + infectious) ÷ enrolled × 100 in tenths of a
// percent, rounded half up; nullopt when no pupil is enrolled.
std::optional<int> closureRateTenths(const DayCounts &counts);

// Tenths of a percent as text with one decimal: 125 → "12.5".
QString tenthsText(int tenths);
