#include "core/graph/AxisGeometry.h"

#include <algorithm>
#include <cmath>

namespace tally {

namespace {

// A tick label cut at the window's edge can read as another number ("-5" as "5"),
// so a label is drawn whole or not at all.
bool fitsClient(int x, int y, const Extent& e, int w, int h) {
  return x >= 0 && y >= 0 && x + e.width <= w && y + e.height <= h;
}

// Labels wider than their spacing would run into each other ("-4000000-2000000"
// for populations on a narrow graph): only the labels at every second, third, ...
// tick are kept, the smallest step at which those kept stand a few pixels apart,
// and the kept ticks are whole multiples of the step (0, 2000000, 4000000).
struct PlacedLabel {
  double position;  // in axis units
  LabelBox box;
};

std::vector<LabelBox> standingApart(std::vector<PlacedLabel> labels) {
  std::vector<LabelBox> all;
  for (const PlacedLabel& l : labels) all.push_back(l.box);
  std::sort(labels.begin(), labels.end(),
            [](const PlacedLabel& a, const PlacedLabel& b) { return a.position < b.position; });
  const size_t n = labels.size();
  auto gapAfter = [&](size_t i, size_t j) {
    const LabelBox &a = labels[i].box, &b = labels[j].box;
    return b.x > a.x ? b.x - (a.x + a.extent.width) : a.x - (b.x + b.extent.width);
  };
  auto clear = [&](size_t step) {
    for (size_t i = 0; i + step < n; ++i)
      if (gapAfter(i, i + step) < 4) return false;
    return true;
  };
  size_t step = 1;
  while (step < n && !clear(step)) ++step;
  if (step == 1) return all;
  std::vector<LabelBox> kept;
  const double unit = labels[1].position - labels[0].position;
  for (size_t i = 0; i < n; ++i) {
    // The tick's number of units from 0; past what a whole number holds, its index.
    const double units = labels[i].position / unit;
    const long long k = unit > 0 && std::fabs(units) < 1e15 ? std::llround(units)
                                                             : static_cast<long long>(i);
    if (k % static_cast<long long>(step) == 0) kept.push_back(labels[i].box);
  }
  return kept;
}

// The pixel ends of an axis and the row or column it runs along.
struct AxisRun {
  int low = 0;   // left, or bottom
  int high = 0;  // right, or top
  int across = 0;
};

AxisGeometry horizontalAxis(const GraphLayout& g, int w, int h, const TextMeasure& measure,
                            const AxisRun& run) {
  const AxisScale& scale = g.xScale;
  const int row = run.across, left = run.low, right = run.high;
  auto column = [&](double axisUnits) { return g.worldToPixelX(g.xWorld(axisUnits), w); };
  AxisGeometry a;
  a.axis = XAxis;
  a.line = {{left, row}, {right, row}};
  a.startHead = {{{left, row}, {left + 16, row + 4}, {left + 16, row - 4}}};
  a.endHead = {{{right, row}, {right - 16, row + 4}, {right - 16, row - 4}}};
  std::vector<double> positions;
  if (scale.showTicks) {
    scale.tickPositions(positions, MajorTicks);
    for (double p : positions) a.majorTicks.push_back({{column(p), row + 4}, {column(p), row - 5}});
  }
  if (scale.showTickLabels) {
    std::vector<PlacedLabel> labels;
    for (const TickLabel& label : g.tickLabels(XAxis)) {
      const Extent e = measure(label.text, false);
      const int x = column(label.position) - e.width / 2;
      const int y = g.xTickLabelPosition == 1 ? row + 6 : row - e.height - 6;
      labels.push_back({label.position, {label.text, x, y, e}});
    }
    for (const LabelBox& box : standingApart(labels))
      if (fitsClient(box.x, box.y, box.extent, w, h)) a.tickLabels.push_back(box);
  }
  if (scale.showMinorTicks) {
    scale.tickPositions(positions, MinorTicks);
    for (double p : positions) a.minorTicks.push_back({{column(p), row + 2}, {column(p), row - 3}});
  }
  // The label keeps clear of the tick labels when it stands on their side.
  const Extent tallest = g.measureTickLabels(XAxis, measure);
  const Extent e = measure(scale.axisLabel, true);
  const int pos = g.xAxisLabelPosition;
  const int x = (pos & 8) ? right - e.width - 10 : left + 10;
  const int y = (pos & 2) ? row - e.height - 10 - (g.xTickLabelPosition == 2 ? tallest.height : 0)
                          : row + 10 + (g.xTickLabelPosition == 1 ? tallest.height : 0);
  a.axisLabel = {scale.axisLabel, x, y, e};
  return a;
}

AxisGeometry verticalAxis(const GraphLayout& g, int w, int h, const TextMeasure& measure,
                          const AxisRun& run) {
  const AxisScale& scale = g.yScale;
  const int col = run.across, bottom = run.low, top = run.high;
  auto rowOf = [&](double axisUnits) { return g.worldToPixelY(g.yWorld(axisUnits), h); };
  AxisGeometry a;
  a.axis = YAxis;
  a.line = {{col, bottom}, {col, top}};
  a.startHead = {{{col, bottom}, {col - 4, bottom - 16}, {col + 4, bottom - 16}}};
  a.endHead = {{{col, top}, {col - 4, top + 16}, {col + 4, top + 16}}};
  std::vector<double> positions;
  if (scale.showTicks) {
    scale.tickPositions(positions, MajorTicks);
    for (double p : positions) a.majorTicks.push_back({{col + 4, rowOf(p)}, {col - 5, rowOf(p)}});
  }
  if (scale.showTickLabels) {
    for (const TickLabel& label : g.tickLabels(YAxis)) {
      const Extent e = measure(label.text, false);
      const int x = g.yTickLabelPosition == 4 ? col - e.width - 11 : col + 14;
      const int y = rowOf(label.position) - e.height / 2;
      if (fitsClient(x, y, e, w, h)) a.tickLabels.push_back({label.text, x, y, e});
    }
  }
  if (scale.showMinorTicks) {
    scale.tickPositions(positions, MinorTicks);
    for (double p : positions) a.minorTicks.push_back({{col + 2, rowOf(p)}, {col - 3, rowOf(p)}});
  }
  const Extent widest = g.measureTickLabels(YAxis, measure);
  const Extent e = measure(scale.axisLabel, true);
  const int pos = g.yAxisLabelPosition;
  const int y = (pos & 1) ? bottom - e.height - 10 : top + 5;
  const int x = (pos & 4) ? col - e.width - 10 - (g.yTickLabelPosition == 4 ? widest.width + 5 : 0)
                          : col + 15 + (g.yTickLabelPosition == 8 ? widest.width + 5 : 0);
  a.axisLabel = {scale.axisLabel, x, y, e};
  return a;
}

}  // namespace

PixelPoint axesCrossing(const GraphLayout& g, int w, int h, const TextMeasure& measure) {
  const WorldPoint cross = g.axisIntersection;
  int row = g.worldToPixelY(g.yWorld(cross.y), h);
  int col = g.worldToPixelX(g.xWorld(cross.x), w);
  if (g.axesAlwaysViewable && !g.originAlwaysViewable) {
    const Margins m = g.computeMargins(false, w, h, measure);
    if (row < 0 || row > h) row = h - g.worldHeightToPixels(g.yWorld(m.below), h);
    if (col < 0 || col > w) col = g.worldWidthToPixels(g.xWorld(m.left), w);
  }
  return {col, row};
}

AxesGeometry axesGeometry(const GraphLayout& g, int w, int h, const TextMeasure& measure) {
  AxesGeometry out;
  if (!g.xScale.showAxis && !g.yScale.showAxis) return out;
  out.crossing = axesCrossing(g, w, h, measure);
  const int left = g.worldToPixelX(g.xWorld(g.xScale.getMin()), w);
  const int right = g.worldToPixelX(g.xWorld(g.xScale.getMax()), w);
  const int top = g.worldToPixelY(g.yWorld(g.yScale.getMax()), h);
  const int bottom = g.worldToPixelY(g.yWorld(g.yScale.getMin()), h);
  if (g.xScale.showAxis) out.axes.push_back(horizontalAxis(g, w, h, measure, {left, right, out.crossing.y}));
  if (g.yScale.showAxis) out.axes.push_back(verticalAxis(g, w, h, measure, {bottom, top, out.crossing.x}));
  out.originRing = g.xScale.showAxis && g.yScale.showAxis && g.isVisible(0, 0, w, h) &&
                   g.axisIntersection.x == 0 && g.axisIntersection.y == 0;
  return out;
}

}  // namespace tally
