#pragma once

#include <QtGlobal>

#include <cmath>

// Screen geometry is given in twips: 1440 to the logical inch, so windows keep
// their proportions at any screen scaling.
inline constexpr double TwipsPerInch = 1440.0;

inline int twipsToPixels(double twips, double logicalDpi)
{
    return int(std::lround(twips * logicalDpi / TwipsPerInch));
}

inline int pixelsToTwips(double pixels, double logicalDpi)
{
    return int(std::lround(pixels * TwipsPerInch / logicalDpi));
}
