#pragma once

// The register sheet's geometry on screen, in twips from the top left of the
// surface it belongs to. Header (K_LIST), pupil rows (D_LIST) and summary
// (C_LIST) share the x positions.
namespace Sheet {

inline constexpr int RowHeight = 240;
inline constexpr int Width = 13190; // D_LIST, and with it K_LIST and C_LIST

inline constexpr int NoLeft = 0;
inline constexpr int GradeLeft = 400;  // the grade column exists when ClassKind > 0
inline constexpr int GradeRight = 800; // the name starts here with a grade column, else at GradeLeft
inline constexpr int SexLeft = 2400;
inline constexpr int DaysLeft = 2800;
inline constexpr int DayWidth = 240;
inline constexpr int PresentLeft = 10240; // 出席日数, after the 31st day column
inline constexpr int StatsLeft = 10640;   // counter columns 1 to 10
inline constexpr int StatWidth = 250;
inline constexpr int StatsRight = StatsLeft + 10 * StatWidth;

inline constexpr int GridBottom = 12050; // the row grid's depth for 50 rows

inline constexpr int HeaderHeight = 860;   // K_LIST
inline constexpr int SummaryHeight = 1740; // C_LIST
inline constexpr int SurfaceOverlap = 20;  // each surface starts 20 twips above the previous one's end

// Text sizes in points; 20 twips to the point.
inline constexpr double TextPoints = 10;
inline constexpr double FigurePoints = 9;
inline constexpr double DayNumberPoints = 8.7;
inline constexpr double LargeFigurePoints = 15;

constexpr int dayLeft(int day)
{
    return DaysLeft + DayWidth * day;
}

// Left edge of counter column n (1 to 10).
constexpr int statLeft(int column)
{
    return StatsLeft + StatWidth * (column - 1);
}

constexpr int rowTop(int row)
{
    return RowHeight * row;
}

constexpr bool hasGradeColumn(int classKind)
{
    return classKind > 0;
}

} // namespace Sheet
