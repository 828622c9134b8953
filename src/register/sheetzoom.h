#pragma once

// The register sheet's zoom on screen, in percent of its designed size.
namespace SheetZoom {

inline constexpr int Actual = 100;
inline constexpr int Least = 50;
inline constexpr int Most = 300;

// The next step up or down of the usual zoom steps (…, 90, 100, 110, 125, 150, …).
int zoomedIn(int percent);
int zoomedOut(int percent);
// A percent within Least..Most; a stored text that is no number gives Actual.
int clamped(int percent);
// The largest whole percent at which `sheetPixels` (the sheet's width at 100 %)
// fits into `roomPixels`, within Least..Most.
int fitting(int roomPixels, int sheetPixels);

} // namespace SheetZoom
