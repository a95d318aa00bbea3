#pragma once
// Contrast of a text against its background, as the readability guidelines for
// the web define it: relative luminance from linearised sRGB, then
// (lighter + 0.05) / (darker + 0.05), from 1 (the same colour) to 21 (black on white).
#include "core/graph/Colour.h"

namespace tally {

// 0 for black, 1 for white. An unset colour counts as black.
double relativeLuminance(const Colour& c);
double contrastRatio(const Colour& a, const Colour& b);

// The least ratio normal-size text needs.
constexpr double kReadableContrast = 4.5;

// Background and text of a grid cell that does not count as a number, for a
// theme whose cells are `text` on `background`: a peach tint on a light theme,
// a dark red on a dark one, each with whichever of the theme's text colour,
// black or white reads best on it (at least kReadableContrast).
struct CellTint {
  Colour background;
  Colour text;
};
CellTint problemCellTint(const Colour& background, const Colour& text);

}  // namespace tally
