#include "ui/graph/PictureState.h"

// A field added to the layout or an axis must be compared here too, or a view
// handed only that change would go on showing its old picture. The sizes below
// trip when the records grow (on the one platform whose sizes they are).
#if defined(__x86_64__) && defined(__GLIBCXX__) && _GLIBCXX_USE_CXX11_ABI
static_assert(sizeof(tally::AxisScale) == 88, "compare the new field of AxisScale in sameScale");
static_assert(sizeof(tally::GraphLayout) == 312,
              "compare the new field of GraphLayout in sameLayout");
static_assert(sizeof(tally::Series) == 72, "compare the new field of Series in sameSeries");
#endif

bool sameScale(const tally::AxisScale& a, const tally::AxisScale& b) {
  return a.autoScale == b.autoScale && a.minorAutoScale == b.minorAutoScale &&
         a.axisLabel == b.axisLabel && a.showTicks == b.showTicks &&
         a.showMinorTicks == b.showMinorTicks && a.showTickLabels == b.showTickLabels &&
         a.showAxis == b.showAxis && a.wholeUnits == b.wholeUnits && a.getMin() == b.getMin() &&
         a.getMax() == b.getMax() && a.getTickUnit() == b.getTickUnit() &&
         a.getMinorTickUnit() == b.getMinorTickUnit() && a.getMaxTicks() == b.getMaxTicks() &&
         a.getMaxMinorTicks() == b.getMaxMinorTicks();
}

bool sameLayout(const tally::GraphLayout& a, const tally::GraphLayout& b) {
  return a.gridStyle == b.gridStyle && a.equalScaling == b.equalScaling &&
         a.xTrigScale == b.xTrigScale && a.yTrigScale == b.yTrigScale &&
         a.originAlwaysViewable == b.originAlwaysViewable &&
         a.axesAlwaysViewable == b.axesAlwaysViewable && a.axisIntersection == b.axisIntersection &&
         sameScale(a.xScale, b.xScale) && sameScale(a.yScale, b.yScale) && a.xMin == b.xMin &&
         a.xMax == b.xMax && a.yMin == b.yMin && a.yMax == b.yMax && a.fontSize == b.fontSize &&
         a.xTickLabelPosition == b.xTickLabelPosition &&
         a.yTickLabelPosition == b.yTickLabelPosition &&
         a.xAxisLabelPosition == b.xAxisLabelPosition &&
         a.yAxisLabelPosition == b.yAxisLabelPosition &&
         a.customXTickLabelsOn == b.customXTickLabelsOn &&
         a.customYTickLabelsOn == b.customYTickLabelsOn &&
         a.customXTickLabels == b.customXTickLabels && a.customYTickLabels == b.customYTickLabels;
}

namespace {

bool sameLooks(const tally::Series& a, const tally::Series& b) {
  return a.id == b.id && a.visible == b.visible && a.style == b.style &&
         a.penWidth == b.penWidth && a.markerSize == b.markerSize &&
         a.markerShape == b.markerShape && a.columnWidth == b.columnWidth &&
         a.columnAlign == b.columnAlign && a.lineColour == b.lineColour &&
         a.fillColour == b.fillColour && a.segments.size() == b.segments.size();
}

}  // namespace

bool sameSeries(const tally::Series& a, const tally::Series& b) {
  return sameLooks(a, b) && a.segments == b.segments;
}

bool sameButHeights(const tally::Series& a, const tally::Series& b) {
  if (!sameLooks(a, b)) return false;
  for (size_t i = 0; i < a.segments.size(); ++i) {
    const tally::PointList &p = a.segments[i], &q = b.segments[i];
    if (p.size() != q.size()) return false;
    for (size_t k = 0; k < p.size(); ++k)
      if (p[k].x != q[k].x) return false;
  }
  return true;
}
