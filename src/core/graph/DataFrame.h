#pragma once
// A value axis framed to its data. Years 1995 to 2024 on an axis from 0 to 2024
// are a hairline at its right end; framed they fill the graph.
namespace tally {

struct AxisFrame {
  double min = 0, max = 1;
  double unit = 0.1;  // the tick unit the ends are multiples of
  bool keepsZero = true;
};

// Whether 0 lies far outside the data lo..hi: further from the nearest end than
// the data are wide. Scores 5..20 keep 0 in view (5 is less than their span 15),
// heights 148..171 and years 1995..2024 do not. Data round 0 or a single value
// other than 0 count as their own span of |value|, so 7..7 keeps 0.
bool zeroIsFar(double lo, double hi);

// The axis range for data lo..hi: a twentieth of their span to spare on each side,
// then widened to the nearest multiples of a nice tick unit (1, 2, 5 times a
// power of ten, about ten ticks over the range). When 0 is not far (zeroIsFar is
// false) the range reaches 0 and ends there on that side: 0..25 for 5..20.
// Temperatures -12.5..8.3 hold 0 already: -15..10. Non-finite or inverted input
// gives the default frame 0..1.
AxisFrame frameToData(double lo, double hi);

}  // namespace tally
