#pragma once
// Checking a dot plot's picture against the stacking the view works out.
#include <gtest/gtest.h>
#include <wx/image.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ui/views/DotPlotView.h"

// Every dot of every stack is drawn in its set's colour where the stacking puts
// it: on the value's column, k + 1/2 dot diameters above the set's baseline; the
// place of the dot after the last is clear of any colour. Returns the number of
// dots checked.
inline size_t expectStacksDrawn(const wxImage& img, const DotPlotView& view) {
  auto near = [&](int x, int y, const wxColour& c) {
    return std::abs(img.GetRed(x, y) - c.Red()) <= 30 &&
           std::abs(img.GetGreen(x, y) - c.Green()) <= 30 &&
           std::abs(img.GetBlue(x, y) - c.Blue()) <= 30;
  };
  auto coloured = [&](int x, int y) {
    const int r = img.GetRed(x, y), g = img.GetGreen(x, y), b = img.GetBlue(x, y);
    return std::max({r, g, b}) - std::min({r, g, b}) > 40;
  };
  const tally::DotPlotModel m = view.plotModel();
  const double d = view.dotDiameter();
  size_t checked = 0;
  for (int s = 0; s < 2; ++s) {
    for (const tally::DotStack& st : m.stacks[s]) {
      const int x = view.worldToPixelX(st.value);
      for (std::uint64_t k = 0; k <= st.dots; ++k) {
        const int y = static_cast<int>(std::lround(view.baselineY(s) - (k + 0.5) * d));
        if (k < st.dots) {
          EXPECT_TRUE(near(x, y, DotPlotView::dotColour(s)))
              << "set " << s << " value " << st.value << " dot " << k << " at " << x << "," << y;
          ++checked;
        } else {
          EXPECT_FALSE(coloured(x, y)) << "set " << s << " value " << st.value << " above";
        }
      }
    }
  }
  return checked;
}
