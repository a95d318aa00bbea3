// The axis model: AxisScale and GraphLayout with arbitrary doubles, switches and
// client sizes (negative and huge ones too).
//   - a refused range changes nothing; an accepted one is finite and min < max;
//   - tick units stay positive and finite; positions lie inside the range, and
//     there are few enough to draw;
//   - tick labels on one axis are distinct and finite;
//   - updateScales leaves finite, non-empty ranges; the margins are finite;
//   - every world -> pixel transform stays within its clamp.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/graph/AxisScale.h"
#include "core/graph/GraphLayout.h"
#include "core/NumberText.h"

namespace {

double pickDouble(FuzzedDataProvider& in) {
  static const double special[] = {0,     -0.0,   1,       -1,     1e-308, 5e-324, 1e308,
                                   -1e308, 1e15,  1e-15,   0.1,    3.141592653589793,
                                   INFINITY, -INFINITY, NAN, 1e16, 123456.7, 1e10};
  if (in.ConsumeBool()) return special[in.ConsumeIntegralInRange<size_t>(0, 17)];
  return in.ConsumeFloatingPoint<double>();
}

int pickSize(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegralInRange(0, 2000);
    case 1: return in.ConsumeIntegralInRange(-5, 5);
    case 2: return in.ConsumeBool() ? INT_MIN + in.ConsumeIntegralInRange(0, 100)
                                    : INT_MAX - in.ConsumeIntegralInRange(0, 100);
    default: return in.ConsumeIntegral<int>();
  }
}

void checkScale(const tally::AxisScale& s, const char* axis) {
  const std::string name(axis);
  fuzz::require(std::isfinite(s.getMin()) && std::isfinite(s.getMax()) && s.getMin() < s.getMax(),
                "a range is finite and not empty", name);
  fuzz::require(s.getTickUnit() > 0 && std::isfinite(s.getTickUnit()) &&
                    s.getMinorTickUnit() > 0 && std::isfinite(s.getMinorTickUnit()),
                "tick units positive and finite", name);
  std::vector<double> positions;
  for (int which : {tally::MajorTicks, tally::MinorTicks}) {
    const int n = s.tickPositions(positions, which);
    fuzz::require(n == static_cast<int>(positions.size()), "position count as returned");
    fuzz::require(n <= tally::AxisScale::maxPositions + 1, "few enough positions to draw");
    for (double p : positions)
      fuzz::require(std::isfinite(p) && p >= s.getMin() && p <= s.getMax(),
                    "a tick position lies inside the range", name);
  }
}

void checkLabels(const tally::GraphLayout& g, tally::Axis axis) {
  const bool custom = axis == tally::XAxis ? g.customXTickLabelsOn : g.customYTickLabelsOn;
  std::set<std::string> seen;
  for (const tally::TickLabel& l : g.tickLabels(axis)) {
    if (custom) continue;  // a user's own labels may repeat
    fuzz::require(!fuzz::hasNonFinite(l.text), "tick label finite", l.text);
    fuzz::expectKnown(seen.insert(l.text).second, "tick-labels-repeat-on-one-axis",
                      l.text + " on " + (axis == tally::XAxis ? "x" : "y") + " range " +
                          tally::formatNumber("%.17g", (axis == tally::XAxis ? g.xScale : g.yScale).getMin()) +
                          ".." +
                          tally::formatNumber("%.17g", (axis == tally::XAxis ? g.xScale : g.yScale).getMax()));
  }
}

void checkTransforms(const tally::GraphLayout& g, double v, int w, int h) {
  for (int p : {g.worldToPixelX(v, w), g.worldToPixelY(v, h), g.worldWidthToPixels(v, w),
                g.worldHeightToPixels(v, h)})
    fuzz::require(p >= -20000 && p <= 20000, "a pixel stays within its clamp", std::to_string(p));
  fuzz::require(g.worldToPixelX(v, w) >= -10000 && g.worldToPixelX(v, w) <= 10000 &&
                    g.worldToPixelY(v, h) >= -10000 && g.worldToPixelY(v, h) <= 10000,
                "world to pixel within -10000..10000");
  const int p = static_cast<int>(std::fmod(std::fabs(std::isfinite(v) ? v : 0), 4000.0));
  // Read-outs and label room are world values of pixels.
  const std::string where = "pixel " + std::to_string(p) + " of " + std::to_string(w) + " x " +
                            std::to_string(h) + ", x " + std::to_string(g.xScale.getMin()) +
                            ".." + std::to_string(g.xScale.getMax()) + (g.xTrigScale ? " trig" : "") +
                            ", y " + std::to_string(g.yScale.getMin()) + ".." +
                            std::to_string(g.yScale.getMax()) + (g.yTrigScale ? " trig" : "");
  fuzz::require(std::isfinite(g.pixelToWorldX(p, w)) && std::isfinite(g.pixelToWorldY(p, h)) &&
                    std::isfinite(g.pixelWidthToWorld(p, w)) &&
                    std::isfinite(g.pixelHeightToWorld(p, h)),
                "pixel-to-world-not-finite", where);
  g.isVisible(v, v, w, h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  FuzzedDataProvider in(data, size);

  // One scale through its setters.
  tally::AxisScale scale;
  for (int step = 0; step < 8 && in.remaining_bytes() > 0; ++step) {
    double lo, hi;
    scale.getRange(lo, hi);
    const double a = pickDouble(in), b = pickDouble(in);
    switch (in.ConsumeIntegralInRange(0, 5)) {
      case 0:
        if (!scale.setRange(a, b))
          fuzz::require(scale.getMin() == lo && scale.getMax() == hi, "a refused range changes nothing");
        break;
      case 1: scale.setTickUnit(a); break;
      case 2: scale.setMinorTickUnit(a); break;
      case 3: scale.setMaxTicks(in.ConsumeIntegralInRange(-2, 200)); break;
      case 4: scale.setMaxMinorTicks(in.ConsumeIntegral<int>()); break;
      default: scale.autoScale = in.ConsumeBool(); scale.minorAutoScale = in.ConsumeBool();
    }
    checkScale(scale, "scale");
    for (double p : {a, b}) fuzz::require(!fuzz::hasNonFinite(tally::tickLabelText(std::isfinite(p) ? p : 0, in.ConsumeBool())), "label text finite");
  }

  // A whole layout with arbitrary fields and sizes.
  tally::GraphLayout g;
  // A window far from 0 and narrow for its size is where labels run out of digits.
  g.xMin = pickDouble(in);
  const double narrow = std::ldexp(1.0, -in.ConsumeIntegralInRange(1, 60));
  g.xMax = in.ConsumeBool() ? g.xMin + std::fabs(g.xMin) * narrow : pickDouble(in);
  g.yMin = pickDouble(in);
  g.yMax = in.ConsumeBool() ? g.yMin + in.ConsumeIntegralInRange(1, 100) : pickDouble(in);
  // The setters refuse a non-finite or inverted window; the layout starts from what they keep.
  if (!(std::isfinite(g.xMin) && std::isfinite(g.xMax) && g.xMin < g.xMax &&
        std::isfinite(g.xMax - g.xMin))) {
    g.xMin = -5;
    g.xMax = 5;
  }
  if (!(std::isfinite(g.yMin) && std::isfinite(g.yMax) && g.yMin < g.yMax &&
        std::isfinite(g.yMax - g.yMin))) {
    g.yMin = -5;
    g.yMax = 5;
  }
  g.axisIntersection = {pickDouble(in), pickDouble(in)};
  if (!std::isfinite(g.axisIntersection.x)) g.axisIntersection.x = 0;
  if (!std::isfinite(g.axisIntersection.y)) g.axisIntersection.y = 0;
  g.equalScaling = in.ConsumeBool();
  g.originAlwaysViewable = in.ConsumeBool();
  g.axesAlwaysViewable = in.ConsumeBool();
  g.xTrigScale = in.ConsumeBool();
  g.yTrigScale = in.ConsumeBool();
  g.setAxesStyle(in.ConsumeIntegralInRange(0, 3));
  g.xScale.showTickLabels = in.ConsumeBool();
  g.yScale.showTickLabels = in.ConsumeBool();
  g.setXTickLabelPosition(in.ConsumeIntegral<int>());
  g.setYTickLabelPosition(in.ConsumeIntegral<int>());
  g.setXAxisLabelPosition(in.ConsumeIntegral<int>());
  g.setYAxisLabelPosition(in.ConsumeIntegral<int>());
  g.xScale.setMaxTicks(in.ConsumeIntegralInRange(-1, 100));
  g.yScale.setMaxTicks(in.ConsumeIntegralInRange(-1, 100));
  if (in.ConsumeBool()) g.xScale.setTickUnit(pickDouble(in));
  if (in.ConsumeBool()) g.yScale.setMinorTickUnit(pickDouble(in));
  if (in.ConsumeBool()) g.setCustomXTickLabels({"a", "b", "", "a"});
  const int w = pickSize(in), h = pickSize(in);
  const double v = pickDouble(in);

  const tally::Margins m = g.computeMargins(in.ConsumeBool(), w, h, fuzz::measureText);
  fuzz::require(std::isfinite(m.left) && std::isfinite(m.right) && std::isfinite(m.above) &&
                    std::isfinite(m.below),
                "margins finite");
  g.updateScales(w, h, fuzz::measureText);
  checkScale(g.xScale, "x");
  checkScale(g.yScale, "y");
  checkLabels(g, tally::XAxis);
  checkLabels(g, tally::YAxis);
  checkTransforms(g, v, w, h);
  checkTransforms(g, g.xScale.getMin(), w, h);
  return 0;
}
