#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/graph/AxisGeometry.h"

using tally::AxesGeometry;
using tally::AxisGeometry;
using tally::GraphLayout;

namespace {

// Made-up text extents: tick font 7 x 14 per character, axis-label font 9 x 17.
tally::Extent fakeMeasure(const std::string& text, bool axisLabelFont) {
  const int chars = static_cast<int>(text.size());
  return axisLabelFont ? tally::Extent{9 * chars, 17} : tally::Extent{7 * chars, 14};
}

constexpr int W = 400, H = 300;

struct AxesCase {
  const char* name;
  double xMin, xMax, yMin, yMax;
  // The vertical axis stands at world x = 0, or runs along the left edge.
  bool verticalAtZero;
  // The horizontal axis stands at world y = 0, or runs along the bottom edge.
  bool horizontalAtZero;
  tally::PixelPoint crossing;
  std::vector<std::string> xTickTexts;  // the horizontal axis's drawn tick labels, from 0 outwards
  bool originRing;
};

const AxesCase axesCases[] = {
    // 40 px a unit; no label at the crossing.
    {"ordinary", -5, 5, -5, 5, true, true, {200, 150}, {"1", "2", "3", "4", "-1", "-2", "-3", "-4"}, true},
    // Years: the vertical axis runs along the left edge, 34 px in for the labels "20" .. "80".
    {"far from zero", 1990, 2030, 0, 100, false, true, {34, 271},
     {"1995", "2000", "2005", "2010", "2015", "2020", "2025"}, false},
    // Both axes pinned: left edge, and 29 px above the bottom for the x tick labels.
    {"negative", -50, -10, -8, -2, false, false, {34, 271},
     {"-15", "-20", "-25", "-30", "-35", "-40", "-45"}, false},
};

std::vector<std::string> texts(const std::vector<tally::LabelBox>& boxes) {
  std::vector<std::string> out;
  for (const auto& b : boxes) out.push_back(b.text);
  return out;
}

bool inside(const tally::LabelBox& b) {
  return b.x >= 0 && b.y >= 0 && b.x + b.extent.width <= W && b.y + b.extent.height <= H;
}

}  // namespace

TEST(AxisGeometry, AxesOfARangeAreLaidOutWithoutADisplay) {
  for (const AxesCase& c : axesCases) {
    SCOPED_TRACE(c.name);
    GraphLayout g;
    g.xMin = c.xMin;
    g.xMax = c.xMax;
    g.yMin = c.yMin;
    g.yMax = c.yMax;
    g.updateScales(W, H, fakeMeasure);
    const AxesGeometry geo = tally::axesGeometry(g, W, H, fakeMeasure);
    ASSERT_EQ(geo.axes.size(), 2u);
    const AxisGeometry& xa = geo.axes[0];
    const AxisGeometry& ya = geo.axes[1];
    EXPECT_EQ(xa.axis, tally::XAxis);
    EXPECT_EQ(ya.axis, tally::YAxis);

    // Where the axes cross: at world zero, or pinned inside the window with room for labels.
    const int zeroCol = g.worldToPixelX(0, W), zeroRow = g.worldToPixelY(0, H);
    if (c.verticalAtZero) {
      EXPECT_EQ(geo.crossing.x, zeroCol);
    } else {
      EXPECT_TRUE(zeroCol < 0 || zeroCol > W) << zeroCol;
      EXPECT_GT(geo.crossing.x, 0);
      EXPECT_LT(geo.crossing.x, W / 4);
    }
    if (c.horizontalAtZero) {
      EXPECT_EQ(geo.crossing.y, zeroRow);
    } else {
      EXPECT_TRUE(zeroRow < 0 || zeroRow > H) << zeroRow;
      EXPECT_LT(geo.crossing.y, H);
      EXPECT_GT(geo.crossing.y, H * 3 / 4);
    }
    EXPECT_EQ(geo.crossing, c.crossing);
    EXPECT_EQ(geo.crossing, tally::axesCrossing(g, W, H, fakeMeasure));

    // Each line spans its displayed range, an arrowhead's tip at either end.
    EXPECT_EQ(xa.line.from, (tally::PixelPoint{g.worldToPixelX(g.xScale.getMin(), W), geo.crossing.y}));
    EXPECT_EQ(xa.line.to, (tally::PixelPoint{g.worldToPixelX(g.xScale.getMax(), W), geo.crossing.y}));
    EXPECT_EQ(ya.line.from, (tally::PixelPoint{geo.crossing.x, g.worldToPixelY(g.yScale.getMin(), H)}));
    EXPECT_EQ(ya.line.to, (tally::PixelPoint{geo.crossing.x, g.worldToPixelY(g.yScale.getMax(), H)}));
    for (const AxisGeometry* a : {&xa, &ya}) {
      EXPECT_EQ(a->startHead[0], a->line.from);
      EXPECT_EQ(a->endHead[0], a->line.to);
    }
    // Heads point outwards: their backs lie 16 pixels inside the line.
    EXPECT_EQ(xa.startHead[1].x, xa.line.from.x + 16);
    EXPECT_EQ(xa.endHead[1].x, xa.line.to.x - 16);
    EXPECT_EQ(ya.startHead[1].y, ya.line.from.y - 16);
    EXPECT_EQ(ya.endHead[1].y, ya.line.to.y + 16);

    // One major tick per tick position, across the line, at that position's pixel.
    std::vector<double> xs, ys;
    g.xScale.tickPositions(xs, tally::MajorTicks);
    g.yScale.tickPositions(ys, tally::MajorTicks);
    ASSERT_EQ(xa.majorTicks.size(), xs.size());
    ASSERT_EQ(ya.majorTicks.size(), ys.size());
    for (size_t i = 0; i < xs.size(); ++i) {
      const tally::PixelSegment& t = xa.majorTicks[i];
      EXPECT_EQ(t.from.x, g.worldToPixelX(xs[i], W));
      EXPECT_EQ(t.to.x, t.from.x);
      EXPECT_GT(t.from.y, geo.crossing.y);
      EXPECT_LT(t.to.y, geo.crossing.y);
    }
    for (size_t i = 0; i < ys.size(); ++i) {
      const tally::PixelSegment& t = ya.majorTicks[i];
      EXPECT_EQ(t.from.y, g.worldToPixelY(ys[i], H));
      EXPECT_GT(t.from.x, geo.crossing.x);
      EXPECT_LT(t.to.x, geo.crossing.x);
    }
    std::vector<double> minor;
    g.xScale.tickPositions(minor, tally::MinorTicks);
    EXPECT_EQ(xa.minorTicks.size(), minor.size());

    // Tick labels: centred under their ticks, every one of them whole inside the window.
    EXPECT_EQ(texts(xa.tickLabels), c.xTickTexts);
    for (const tally::LabelBox& b : xa.tickLabels) {
      EXPECT_TRUE(inside(b)) << b.text;
      EXPECT_EQ(b.y, geo.crossing.y + 6) << b.text;
      EXPECT_NEAR(b.x + b.extent.width / 2.0, g.worldToPixelX(std::stod(b.text), W), 1.0) << b.text;
    }
    EXPECT_EQ(ya.tickLabels.size(), g.tickLabels(tally::YAxis).size());
    for (const tally::LabelBox& b : ya.tickLabels) {
      EXPECT_TRUE(inside(b)) << b.text;
      EXPECT_EQ(b.x + b.extent.width, geo.crossing.x - 11) << b.text;
    }

    // Axis labels: "x" above the right end of its axis, "y" right of the top of its axis.
    EXPECT_EQ(xa.axisLabel.text, "x");
    EXPECT_EQ(xa.axisLabel.x + xa.axisLabel.extent.width, xa.line.to.x - 10);
    EXPECT_EQ(xa.axisLabel.y + xa.axisLabel.extent.height, geo.crossing.y - 10);
    EXPECT_EQ(ya.axisLabel.text, "y");
    EXPECT_EQ(ya.axisLabel.y, ya.line.to.y + 5);
    EXPECT_EQ(ya.axisLabel.x, geo.crossing.x + 15);
    EXPECT_TRUE(inside(xa.axisLabel));
    EXPECT_TRUE(inside(ya.axisLabel));

    EXPECT_EQ(geo.originRing, c.originRing);
  }
}

TEST(AxisGeometry, HiddenPartsAreLeftOut) {
  GraphLayout g;
  g.xScale.showMinorTicks = true;
  g.yScale.showTicks = false;
  g.yScale.showTickLabels = false;
  g.updateScales(W, H, fakeMeasure);
  AxesGeometry geo = tally::axesGeometry(g, W, H, fakeMeasure);
  ASSERT_EQ(geo.axes.size(), 2u);
  std::vector<double> minor;
  g.xScale.tickPositions(minor, tally::MinorTicks);
  EXPECT_FALSE(minor.empty());
  EXPECT_EQ(geo.axes[0].minorTicks.size(), minor.size());
  EXPECT_TRUE(geo.axes[1].majorTicks.empty());
  EXPECT_TRUE(geo.axes[1].tickLabels.empty());

  // One axis alone: it is the only one laid out, and the origin gets no ring.
  g.setAxesStyle(2);
  geo = tally::axesGeometry(g, W, H, fakeMeasure);
  ASSERT_EQ(geo.axes.size(), 1u);
  EXPECT_EQ(geo.axes[0].axis, tally::YAxis);
  EXPECT_FALSE(geo.originRing);

  g.setAxesStyle(0);
  EXPECT_TRUE(tally::axesGeometry(g, W, H, fakeMeasure).axes.empty());
}

TEST(AxisGeometry, LabelsOnTheOtherSideMoveWithTheirPositions) {
  GraphLayout g;
  ASSERT_TRUE(g.setXTickLabelPosition(2));  // above the axis
  ASSERT_TRUE(g.setYTickLabelPosition(8));  // right of the axis
  ASSERT_TRUE(g.setXAxisLabelPosition(2 + 4));  // above, at the left end
  ASSERT_TRUE(g.setYAxisLabelPosition(1 + 8));  // at the bottom, right of the axis
  g.updateScales(W, H, fakeMeasure);
  const AxesGeometry geo = tally::axesGeometry(g, W, H, fakeMeasure);
  ASSERT_EQ(geo.axes.size(), 2u);
  const AxisGeometry& xa = geo.axes[0];
  const AxisGeometry& ya = geo.axes[1];
  ASSERT_FALSE(xa.tickLabels.empty());
  for (const tally::LabelBox& b : xa.tickLabels) EXPECT_EQ(b.y + b.extent.height, geo.crossing.y - 6);
  ASSERT_FALSE(ya.tickLabels.empty());
  for (const tally::LabelBox& b : ya.tickLabels) EXPECT_EQ(b.x, geo.crossing.x + 14);
  // Clear of the tick labels on the same side.
  EXPECT_EQ(xa.axisLabel.x, xa.line.from.x + 10);
  EXPECT_EQ(xa.axisLabel.y + xa.axisLabel.extent.height, geo.crossing.y - 10 - 14);
  EXPECT_EQ(ya.axisLabel.y + ya.axisLabel.extent.height, ya.line.from.y - 10);
  const int widest = g.measureTickLabels(tally::YAxis, fakeMeasure).width;
  EXPECT_EQ(ya.axisLabel.x, geo.crossing.x + 15 + widest + 5);
}

TEST(AxisGeometry, TickLabelsCutByTheWindowEdgeAreDropped) {
  // A narrow window: the outermost labels of a wide range would stick out.
  GraphLayout g;
  g.xMin = -1000000;
  g.xMax = 1000000;
  g.updateScales(120, H, fakeMeasure);
  const AxesGeometry geo = tally::axesGeometry(g, 120, H, fakeMeasure);
  ASSERT_EQ(geo.axes.size(), 2u);
  const auto all = g.tickLabels(tally::XAxis);
  EXPECT_LT(geo.axes[0].tickLabels.size(), all.size());
  for (const tally::LabelBox& b : geo.axes[0].tickLabels)
    EXPECT_TRUE(b.x >= 0 && b.x + b.extent.width <= 120) << b.text;
}

TEST(AxisGeometry, WideTickLabelsAreThinnedUntilTheyStandApart) {
  // Populations in the millions on a graph of 330 pixels: every digit is written, so
  // the labels "1000000" (49 px wide) are wider than their spacing.
  GraphLayout g;
  g.xMin = 0;
  g.xMax = 12000000;
  g.updateScales(330, H, fakeMeasure);
  const AxesGeometry geo = tally::axesGeometry(g, 330, H, fakeMeasure);
  ASSERT_EQ(geo.axes.size(), 2u);
  const auto& kept = geo.axes[0].tickLabels;
  ASSERT_GE(kept.size(), 2u);
  EXPECT_LT(kept.size(), g.tickLabels(tally::XAxis).size());
  for (size_t i = 0; i + 1 < kept.size(); ++i)
    EXPECT_GE(kept[i + 1].x - (kept[i].x + kept[i].extent.width), 4)
        << kept[i].text << " " << kept[i + 1].text;
}
