#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/graph/GraphLayout.h"

using tally::GraphLayout;

namespace {

// Made-up text extents: tick font 7 x 14 per character, axis-label font 9 x 17.
tally::Extent fakeMeasure(const std::string& text, bool axisLabelFont) {
  int chars = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++chars;  // count UTF-8 characters, not bytes
  return axisLabelFont ? tally::Extent{9 * chars, 17} : tally::Extent{7 * chars, 14};
}

std::vector<std::string> texts(const std::vector<tally::TickLabel>& labels) {
  std::vector<std::string> out;
  for (auto& l : labels) out.push_back(l.text);
  return out;
}

}  // namespace

TEST(GraphLayout, DefaultsAsConstructed) {
  GraphLayout g;
  EXPECT_EQ(g.gridStyle, 3);
  EXPECT_FALSE(g.equalScaling);
  EXPECT_FALSE(g.originAlwaysViewable);
  EXPECT_TRUE(g.axesAlwaysViewable);
  EXPECT_EQ(g.fontSize, 12);
  EXPECT_EQ(g.xTickLabelPosition, 1);
  EXPECT_EQ(g.yTickLabelPosition, 4);
  EXPECT_EQ(g.xAxisLabelPosition, 10);
  EXPECT_EQ(g.yAxisLabelPosition, 10);
  EXPECT_EQ(g.xScale.getMin(), -5);
  EXPECT_EQ(g.yScale.getMax(), 5);
  EXPECT_EQ(g.xScale.axisLabel, "x");
  EXPECT_EQ(g.yScale.axisLabel, "y");
  EXPECT_EQ(g.getAxesStyle(), 3);
}

TEST(GraphLayout, AxesInTheMiddleNeedNoExtraRoom) {
  // 400 px for 10 units: the left room of 34 px is under a unit, far from the edge at -5.
  GraphLayout g;
  g.updateScales(400, 300, fakeMeasure);
  EXPECT_EQ(g.xScale.getMin(), -5);
  EXPECT_EQ(g.xScale.getMax(), 5);
  EXPECT_EQ(g.yScale.getMin(), -5);
  EXPECT_EQ(g.yScale.getMax(), 5);
  EXPECT_DOUBLE_EQ(g.xScale.getTickUnit(), 1);
}

TEST(GraphLayout, EqualScalingOnATwoToOneWindowWidensTheHorizontalRange) {
  // r = 2, dx = dy = 10: a = (2*10 - 10)/2 = 5 on each side of x.
  GraphLayout g;
  g.equalScaling = true;
  g.updateScales(400, 200, fakeMeasure);
  EXPECT_DOUBLE_EQ(g.xScale.getMin(), -10);
  EXPECT_DOUBLE_EQ(g.xScale.getMax(), 10);
  EXPECT_DOUBLE_EQ(g.yScale.getMin(), -5);
  EXPECT_DOUBLE_EQ(g.yScale.getMax(), 5);
}

TEST(GraphLayout, EqualizeGrowsTheShortRangeAboutItsCentre) {
  GraphLayout g;
  tally::Window tall{0, 10, 0, 10};
  g.equalizeScales(tall, 100, 400);  // r = 0.25, dx/dy = 1 > r: a = (10/0.25 - 10)/2 = 15
  EXPECT_DOUBLE_EQ(tall.y0, -15);
  EXPECT_DOUBLE_EQ(tall.y1, 25);
  EXPECT_DOUBLE_EQ(tall.x0, 0);
  // On a trig x axis dx counts pi: dx = 2*pi, dy = 2; r = 1 -> a = (2 - 2*pi)/2 < 0... so y grows:
  // dx/dy = pi > 1: a = (2*pi - 2)/2 = pi - 1 on y.
  g.xTrigScale = true;
  tally::Window trig{-1, 1, -1, 1};
  g.equalizeScales(trig, 300, 300);
  EXPECT_DOUBLE_EQ(trig.y1, 1 + (tally::pi - 1));
  EXPECT_DOUBLE_EQ(trig.x1, 1);
  // A window without a size is left alone rather than divided by zero.
  tally::Window same{0, 1, 0, 1};
  g.equalizeScales(same, 300, 0);
  EXPECT_EQ(same.y1, 1);
  EXPECT_EQ(same.x1, 1);
}

TEST(GraphLayout, OriginAlwaysViewablePullsTheRangeDownToTheAxesPlusLabelRoom) {
  GraphLayout g;
  g.originAlwaysViewable = true;
  g.xMin = g.yMin = 10;
  g.xMax = g.yMax = 20;
  g.updateScales(400, 300, fakeMeasure);
  // Window 0..20 both ways; unit 2, so y labels "2".."18": widest 2 chars = 14 px.
  // left = 14 + 20 = 34 px; L = 34 * 20/400 = 1.7, adjusted by 400/(400-34).
  EXPECT_NEAR(g.xScale.getMin(), -1.7 * 400 / 366, 1e-9);
  EXPECT_DOUBLE_EQ(g.xScale.getMax(), 20);
  // below = 14 + 15 = 29 px; B = 29 * 20/300, adjusted by 300/(300-29).
  EXPECT_NEAR(g.yScale.getMin(), -(29.0 * 20 / 300) * 300 / 271, 1e-9);
  EXPECT_DOUBLE_EQ(g.yScale.getMax(), 20);
}

TEST(GraphLayout, WithoutOriginRuleAFarWindowStaysAsRequested) {
  GraphLayout g;
  g.xMin = g.yMin = 10;
  g.xMax = g.yMax = 20;
  g.updateScales(400, 300, fakeMeasure);
  EXPECT_EQ(g.xScale.getMin(), 10);
  EXPECT_EQ(g.yScale.getMin(), 10);
}

TEST(GraphLayout, AnAxisNearAnEdgePushesThatEdgeOut) {
  GraphLayout g;
  g.xMin = -0.1;  // the vertical axis about 8 px from the left edge
  g.updateScales(400, 300, fakeMeasure);
  // Range -0.1..5 (5.1 units on 400 px): L = 34 * 5.1/400, adjusted by 400/366 = 34 * 5.1/366,
  // about 0.47; -0.1 lies in [-L, 0], so the left edge moves to -L. The others stay.
  EXPECT_NEAR(g.xScale.getMin(), -34 * 5.1 / 366, 1e-9);
  EXPECT_EQ(g.xScale.getMax(), 5);
  EXPECT_EQ(g.yScale.getMin(), -5);
  EXPECT_EQ(g.yScale.getMax(), 5);
}

TEST(GraphLayout, MarginsFollowLabelPositions) {
  GraphLayout g;
  g.updateScales(400, 300, fakeMeasure);  // -5..5 both, 40 px per x unit, 30 per y unit
  // Defaults: y labels left ("-4" = 14 px): left 34; y axis label "y" (9 px) right: right 29.
  // x labels below: below 14 + 15 = 29; x axis label above (bit 2): above 15 + 17 = 32.
  tally::Margins m = g.computeMargins(false, 400, 300, fakeMeasure);
  EXPECT_DOUBLE_EQ(m.left, 34.0 / 40);
  EXPECT_DOUBLE_EQ(m.right, 29.0 / 40);
  EXPECT_DOUBLE_EQ(m.below, 29.0 / 30);
  EXPECT_DOUBLE_EQ(m.above, 32.0 / 30);
  // Both y texts right (8, 8): right = 14 + 20 + 9 + 5; both x texts below (1, 5): below = 29 + 17 + 5.
  ASSERT_TRUE(g.setYTickLabelPosition(8));
  ASSERT_TRUE(g.setYAxisLabelPosition(9));
  ASSERT_TRUE(g.setXAxisLabelPosition(5));
  m = g.computeMargins(false, 400, 300, fakeMeasure);
  EXPECT_DOUBLE_EQ(m.left, 20.0 / 40);
  EXPECT_DOUBLE_EQ(m.right, 48.0 / 40);
  EXPECT_DOUBLE_EQ(m.below, 51.0 / 30);
  EXPECT_DOUBLE_EQ(m.above, 15.0 / 30);
  // The adjustment scales each room by w/(w - room).
  tally::Margins a = g.computeMargins(true, 400, 300, fakeMeasure);
  EXPECT_DOUBLE_EQ(a.right, 48.0 / 40 * 400 / 352);
}

TEST(GraphLayout, TransformsMapTheRangeOntoTheClientAndClamp) {
  GraphLayout g;  // -5..5 both
  EXPECT_EQ(g.worldToPixelX(-5, 400), 0);
  EXPECT_EQ(g.worldToPixelX(5, 400), 400);
  EXPECT_EQ(g.worldToPixelX(0, 400), 200);
  EXPECT_EQ(g.worldToPixelY(5, 300), 0);
  EXPECT_EQ(g.worldToPixelY(-5, 300), 300);
  EXPECT_EQ(g.worldToPixelY(2.5, 300), 75);
  EXPECT_EQ(g.worldToPixelX(1e9, 400), 10000);
  EXPECT_EQ(g.worldToPixelX(-1e9, 400), -10000);
  EXPECT_EQ(g.worldToPixelY(-1e9, 300), 10000);
  EXPECT_EQ(g.worldToPixelX(std::numeric_limits<double>::infinity(), 400), 10000);
  EXPECT_DOUBLE_EQ(g.pixelToWorldX(100, 400), -2.5);
  EXPECT_DOUBLE_EQ(g.pixelToWorldY(60, 300), 3);
  EXPECT_DOUBLE_EQ(g.pixelWidthToWorld(40, 400), 1);
  EXPECT_DOUBLE_EQ(g.pixelHeightToWorld(60, 300), 2);
  EXPECT_EQ(g.worldWidthToPixels(-1, 400), 40);  // lengths are never negative
  EXPECT_EQ(g.worldHeightToPixels(2, 300), 60);
  EXPECT_TRUE(g.isVisible(0, 0, 400, 300));
  EXPECT_TRUE(g.isVisible(-5, 5, 400, 300));
  EXPECT_FALSE(g.isVisible(5, 0, 400, 300));  // pixel 400 is just outside
  EXPECT_FALSE(g.isVisible(0, 6, 400, 300));
}

TEST(GraphLayout, TransformsOfAnUnsizedWindowStayFiniteAndInsideTheClamp) {
  GraphLayout g;
  for (double v : {-1e9, -5.0, 0.0, 5.0, 1e9, std::nan("")}) {
    int px = g.worldToPixelX(v, 0), py = g.worldToPixelY(v, 0);
    EXPECT_TRUE(px >= -10000 && px <= 10000);
    EXPECT_TRUE(py >= -10000 && py <= 10000);
  }
  EXPECT_EQ(g.worldToPixelX(std::nan(""), 400), 0);
  EXPECT_TRUE(std::isfinite(g.pixelToWorldX(10, 0)));
  EXPECT_TRUE(std::isfinite(g.pixelToWorldY(10, 0)));
  EXPECT_EQ(g.pixelWidthToWorld(10, 0), 0);
  EXPECT_FALSE(g.isVisible(0, 0, 0, 0));
  g.equalScaling = true;
  g.originAlwaysViewable = true;
  g.updateScales(0, 0, fakeMeasure);
  EXPECT_LT(g.xScale.getMin(), g.xScale.getMax());
  EXPECT_TRUE(std::isfinite(g.xScale.getMin()) && std::isfinite(g.yScale.getMax()));
}

TEST(GraphLayout, TrigAxesCountInPi) {
  GraphLayout g;
  g.xTrigScale = true;
  g.xScale.setRange(-2, 2);
  g.xScale.setTickUnit(1);
  EXPECT_EQ(g.worldToPixelX(2 * tally::pi, 400), 400);
  EXPECT_EQ(g.worldToPixelX(tally::pi, 400), 300);
  const std::string pi = "\xCF\x80";
  // 0 is left out while the vertical axis crosses there.
  EXPECT_EQ(texts(g.tickLabels(tally::XAxis)), (std::vector<std::string>{pi, "-" + pi}));
  g.xScale.autoScale = true;
  g.xScale.setRange(-2, 2);  // range 4: base 0.1 -> 0.2 -> 0.5 (4 > 2, 4 > 5 no)
  EXPECT_EQ(texts(g.tickLabels(tally::XAxis)),
            (std::vector<std::string>{"0.5" + pi, pi, "1.5" + pi, "-0.5" + pi, "-" + pi, "-1.5" + pi}));
}

TEST(GraphLayout, CrossingLabelReturnsWhenTheOtherAxisIsHidden) {
  GraphLayout g;
  const std::vector<std::string> withoutZero{"1", "2", "3", "4", "-1", "-2", "-3", "-4"};
  EXPECT_EQ(texts(g.tickLabels(tally::XAxis)), withoutZero);
  EXPECT_EQ(texts(g.tickLabels(tally::YAxis)), withoutZero);
  g.setAxesStyle(1);
  EXPECT_EQ(g.getAxesStyle(), 1);
  auto x = texts(g.tickLabels(tally::XAxis));
  ASSERT_EQ(x.size(), 9u);
  EXPECT_EQ(x.front(), "0");
  // The label skipped is the crossing's, wherever the crossing is.
  g.setAxesStyle(3);
  g.axisIntersection = {2, 0};
  EXPECT_EQ(texts(g.tickLabels(tally::XAxis)),
            (std::vector<std::string>{"0", "1", "3", "4", "-1", "-2", "-3", "-4"}));
}

TEST(GraphLayout, CustomLabelsAreHandedOutInTickOrderUntilUsedUp) {
  GraphLayout g;
  g.setCustomXTickLabels({"zero", "one", "two"});
  auto labels = g.tickLabels(tally::XAxis);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].position, 0);  // custom labels do not skip the crossing
  EXPECT_EQ(labels[0].text, "zero");
  EXPECT_EQ(labels[2].position, 2);
  // Measurement takes the whole list: "zero" is 4 characters.
  EXPECT_EQ(g.measureTickLabels(tally::XAxis, fakeMeasure).width, 28);
  g.clearCustomXTickLabels();
  EXPECT_FALSE(g.customXTickLabelsOn);
  EXPECT_EQ(g.tickLabels(tally::XAxis).size(), 8u);
}

TEST(GraphLayout, HiddenTickLabelsMeasureNothing) {
  GraphLayout g;
  g.yScale.showTickLabels = false;
  tally::Extent e = g.measureTickLabels(tally::YAxis, fakeMeasure);
  EXPECT_EQ(e.width, 0);
  EXPECT_EQ(e.height, 0);
}

TEST(GraphLayout, SettersNormaliseOrRefusePositions) {
  struct Case {
    int value;
    bool xTickOk;
    int xTick;
    bool yTickOk;
    int yTick;
    bool axisOk;
    int axis;
  } cases[] = {
      {1, true, 1, false, 1, false, 10},  {2, true, 2, false, 1, false, 10},
      {3, true, 2, false, 1, false, 10},  {4, false, 1, true, 4, false, 10},
      {8, false, 1, true, 8, false, 10},  {12, false, 1, true, 4, false, 10},
      {5, true, 1, true, 4, true, 5},     {15, true, 2, true, 4, true, 6},
      {9, true, 1, true, 8, true, 9},     {0, false, 1, false, 1, false, 10},
  };
  for (const Case& c : cases) {
    GraphLayout g;
    g.yTickLabelPosition = 1;  // a marker value to see that a refusal changes nothing
    EXPECT_EQ(g.setXTickLabelPosition(c.value), c.xTickOk) << c.value;
    EXPECT_EQ(g.xTickLabelPosition, c.xTick) << c.value;
    EXPECT_EQ(g.setYTickLabelPosition(c.value), c.yTickOk) << c.value;
    EXPECT_EQ(g.yTickLabelPosition, c.yTick) << c.value;
    EXPECT_EQ(g.setXAxisLabelPosition(c.value), c.axisOk) << c.value;
    EXPECT_EQ(g.xAxisLabelPosition, c.axis) << c.value;
  }
  GraphLayout g;
  EXPECT_FALSE(g.setFontSize(0));
  EXPECT_EQ(g.fontSize, 12);
  EXPECT_TRUE(g.setFontSize(8));
  EXPECT_EQ(g.fontSize, 8);
}

TEST(GraphLayout, LengthsFarFromTheOriginAreTheirRatioNotClampedDifferences) {
  // Classes 1980 / 5 / 8 and the ogive's 99998..100007: world 0 lies far off the
  // canvas, and differences of clamped positions gave 0 for every length.
  GraphLayout g;
  ASSERT_TRUE(g.xScale.setRange(99998, 100007));
  ASSERT_TRUE(g.yScale.setRange(1970, 2030));
  EXPECT_EQ(g.worldWidthToPixels(0.5, 659), 36);  // 0.5 * 659 / 9 = 36.6
  EXPECT_EQ(g.worldHeightToPixels(5, 300), 25);   // 5 * 300 / 60
  EXPECT_NEAR(g.pixelWidthToWorld(36, 659), 36 * 9 / 659.0, 1e-9);
  EXPECT_NEAR(g.pixelHeightToWorld(25, 300), 5, 1e-9);
  EXPECT_EQ(g.worldWidthToPixels(1e12, 659), 10000);  // clamped only at the end
  for (double a : {-1e9, -3.0, 0.0, 1e-3, 2.5e6, 1e9}) {
    for (double span : {1e-3, 1.0, 9.0, 400.0}) {
      ASSERT_TRUE(g.xScale.setRange(a, a + span));
      for (double d : {span / 7, span / 2, span}) {
        const int expected = static_cast<int>(std::min(d * 659 / ((a + span) - a), 10000.0));
        EXPECT_EQ(g.worldWidthToPixels(d, 659), expected) << a << " " << span;
        EXPECT_EQ(g.worldWidthToPixels(-d, 659), expected);
      }
    }
  }
}

TEST(GraphLayout, SmallPanesKeepTheirRangeNearTheRequestedWindow) {
  // The room scaling w / (w - left) explodes once the labels need most of the pane.
  for (int w = 20; w <= 200; w += 3) {
    for (int h : {25, 30, 38, 45, 300}) {
      GraphLayout g;
      g.updateScales(w, h, fakeMeasure);
      // At most the 10 requested units plus the room of the labels (here under 70 px
      // a side) at that scale; the scaling once made -5..5 at 34 px into -32.5..38.6.
      EXPECT_LE(g.xScale.getMax() - g.xScale.getMin(), 10 * (1 + 70.0 / w)) << w << " x " << h;
      EXPECT_LE(g.yScale.getMax() - g.yScale.getMin(), 10 * (1 + 70.0 / h)) << w << " x " << h;
      EXPECT_LE(g.xScale.getMin(), -5);
      EXPECT_GE(g.yScale.getMax(), 5);
    }
  }
}

TEST(GraphLayout, OverflowingWindowsFallBackToAFiniteRangeHoldingTheData) {
  const double inf = std::numeric_limits<double>::infinity();
  // Data 1e308 .. 1.7e308: the box range's upper end overflows.
  const double lo = 1e308, hi = 1.7e308;
  GraphLayout g;
  g.yMin = lo - 0.2 * (hi - lo);
  g.yMax = hi + 0.2 * (hi - lo);
  ASSERT_TRUE(std::isinf(g.yMax));
  g.updateScales(400, 300, fakeMeasure);
  EXPECT_TRUE(std::isfinite(g.yScale.getMin()) && std::isfinite(g.yScale.getMax()));
  EXPECT_LE(g.yScale.getMin(), lo);
  EXPECT_GE(g.yScale.getMax(), hi);
  // Both ends overflowing, and a span that overflows between finite ends.
  for (auto [a, b] : {std::pair{-inf, inf}, std::pair{-1.5e308, 1.5e308}, std::pair{inf, inf}}) {
    GraphLayout f;
    f.xMin = a;
    f.xMax = b;
    f.updateScales(400, 300, fakeMeasure);
    EXPECT_LT(f.xScale.getMin(), f.xScale.getMax()) << a << " " << b;
    EXPECT_TRUE(std::isfinite(f.xScale.getMax() - f.xScale.getMin())) << a << " " << b;
  }
}
