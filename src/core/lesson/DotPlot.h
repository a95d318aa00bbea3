#pragma once
// The dot plot of ungrouped data: one dot per observation stacked over its value,
// both sets on one value axis. Pure layout: which stacks, how large a dot is drawn
// and how many observations a dot stands for; the view draws it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/stats/DataSet.h"

namespace tally {

struct DotStack {
  double value = 0;
  double count = 0;        // whole observations of the value
  std::uint64_t dots = 0;  // dots drawn: count / perDot, rounded up
};

// How tall stacks are drawn in a band of `heightInDots` full-size dots.
struct DotScale {
  double dotScale = 1;  // diameter of a dot relative to a full-size dot
  double perDot = 1;    // observations one dot stands for (the key says so when > 1)
};

// Dots shrink no smaller than this fraction of their full size; past that each
// dot stands for several observations.
constexpr double kSmallestDotScale = 0.4;

// Full-size dots while the tallest stack fits the band; then smaller dots, down to
// kSmallestDotScale; past that each dot stands for 1, 2 or 5 times a power of ten
// observations, the fewest that let the tallest stack fit at the smallest size, and
// the dots grow back as far as the band allows. A band of less than one dot counts
// as one.
DotScale dotScaleFor(double tallestStack, int heightInDots);

struct DotPlotModel {
  std::vector<DotStack> stacks[2];  // per set, in value order
  double valueMin = 0, valueMax = 0;  // the common value axis, framed to the data
  double tallest = 0;                 // the largest count of one value in either set
  DotScale scale;
  bool empty() const { return stacks[0].empty() && stacks[1].empty(); }
};

// Both sets (either may be null) in bands of `heightInDots` dots: the axis runs from
// the smallest to the largest value of both with a twentieth of their span to spare
// on each side (one unit, or a twentieth of the value, when there is only one value).
DotPlotModel buildDotPlot(const DataSet* first, const DataSet* second, int heightInDots);

// "Each dot stands for 5 observations", or empty when a dot is one observation.
std::string dotKeyText(const DotScale& scale);

}  // namespace tally
