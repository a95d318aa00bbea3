#include "core/graph/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tally {

namespace {

double linear(unsigned char channel) {
  const double v = channel / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const Colour& c) {
  if (!c.set) return 0;
  return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrastRatio(const Colour& a, const Colour& b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

CellTint problemCellTint(const Colour& background, const Colour& text) {
  // A dark theme's cells are darker than their text.
  const bool dark = relativeLuminance(background) < relativeLuminance(text);
  CellTint tint;
  tint.background = dark ? Colour::rgb(110, 24, 24) : Colour::rgb(255, 214, 170);
  tint.text = text.set ? text : (dark ? colours::white : colours::black);
  if (contrastRatio(tint.background, tint.text) < kReadableContrast) {
    const double onBlack = contrastRatio(tint.background, colours::black);
    const double onWhite = contrastRatio(tint.background, colours::white);
    tint.text = onBlack >= onWhite ? colours::black : colours::white;
  }
  return tint;
}

}  // namespace tally
