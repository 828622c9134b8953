#include "sheetzoom.h"

#include <algorithm>
#include <array>

namespace SheetZoom {

namespace {

constexpr std::array Steps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

int zoomedIn(int percent)
{
    const auto next = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return next == Steps.end() ? Most : *next;
}

int zoomedOut(int percent)
{
    const auto next = std::lower_bound(Steps.begin(), Steps.end(), percent);
    return next == Steps.begin() ? Least : *(next - 1);
}

int clamped(int percent)
{
    return percent <= 0 ? Actual : std::clamp(percent, Least, Most);
}

int fitting(int roomPixels, int sheetPixels)
{
    if (sheetPixels <= 0)
        return Actual;
    return std::clamp(int(static_cast<long long>(roomPixels) * Actual / sheetPixels), Least, Most);
}

} // namespace SheetZoom
