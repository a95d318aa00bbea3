#pragma once
// One axis of a graph: displayed range, tick spacing and display switches.
// On a trig axis every number here counts in multiples of pi; the owner
// multiplies by pi where it turns numbers into pixels.
#include <string>
#include <vector>

namespace tally {

enum TickKind { MajorTicks = 1, MinorTicks = 2 };

class AxisScale {
 public:
  AxisScale();
  AxisScale(double min, double max);

  bool autoScale = true;
  bool minorAutoScale = true;
  std::string axisLabel;
  bool showTicks = true;
  bool showMinorTicks = true;
  bool showTickLabels = true;
  bool showAxis = true;
  // Counts: both units are whole numbers of at least 1 (no "1.5" of a count).
  bool wholeUnits = false;

  // Refuses an empty, inverted or non-finite range and keeps the old one.
  bool setRange(double min, double max);
  bool setMin(double value) { return setRange(value, max_); }
  bool setMax(double value) { return setRange(min_, value); }
  void getRange(double& min, double& max) const {
    min = min_;
    max = max_;
  }
  double getMin() const { return min_; }
  double getMax() const { return max_; }

  bool setTickUnit(double u);
  bool setMinorTickUnit(double u);
  bool setMaxTicks(int n);
  bool setMaxMinorTicks(int n);
  double getTickUnit() const { return tickUnit_; }
  double getMinorTickUnit() const { return minorTickUnit_; }
  int getMaxTicks() const { return maxTicks_; }
  int getMaxMinorTicks() const { return maxMinorTicks_; }

  // 0 first when inside the range, then k*u ascending, then -k*u descending.
  // The ends are never ticks (unless 0): a multiple within about 1e-9 of a unit
  // of an end counts as that end, so rounding in the ends adds no tick there.
  int tickPositions(std::vector<double>& out, int which) const;
  // Text of a major tick label on this axis: exact to the major unit.
  std::string labelText(double position, bool trig) const;

  // 1, 2, 5, 10, 20, 50, ... times a power of ten.
  static double nextNiceUnit(double u);

  // More positions than this in one list are not drawn: a tiny fixed unit
  // over a wide range would otherwise exhaust memory.
  static constexpr double maxPositions = 10000;
  // Fraction of a unit within which a multiple counts as lying on a range end.
  static constexpr double tolerance = 1e-9;

 private:
  void computeTickUnits();

  double min_ = -1;
  double max_ = 1;
  int maxTicks_ = 10;
  int maxMinorTicks_ = 50;
  double tickUnit_ = 0.2;
  double minorTickUnit_ = 0.1;
};

// Text of a numeric tick label (readoutText: five significant digits, whole digits
// kept); on a trig axis rewritten with the letter pi.
std::string tickLabelText(double position, bool trig);
// Text of a tick label on an axis whose ticks are multiples of unit: as many
// digits as the unit needs, so that the labels of one axis are distinct and
// exact, and no exponent for magnitudes from 1e-4 to 1e15. Wherever readoutText is
// already exact in that span, the text is the same.
std::string tickLabelText(double position, double unit, bool trig);

// The Greek small letter pi, UTF-8.
extern const char* const piSign;

}  // namespace tally
