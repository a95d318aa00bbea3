#pragma once
// Where a graph's two axes are drawn, in pixels: the line, the arrowheads at both
// ends, the major and minor tick segments, the tick label boxes that fit the
// window and the box of the axis label. Computed from a GraphLayout whose scales
// are up to date, a client size and a way to measure texts; drawing only strokes it.
#include <array>
#include <string>
#include <vector>

#include "core/graph/GraphLayout.h"

namespace tally {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint& o) const { return x == o.x && y == o.y; }
};

struct PixelSegment {
  PixelPoint from;
  PixelPoint to;
  bool operator==(const PixelSegment& o) const { return from == o.from && to == o.to; }
};

// A text and the box it is drawn in: top-left corner and measured extent.
struct LabelBox {
  std::string text;
  int x = 0;
  int y = 0;
  Extent extent;
};

using Arrowhead = std::array<PixelPoint, 3>;  // tip first

struct AxisGeometry {
  Axis axis = XAxis;
  PixelSegment line;     // from the low end of the range to the high end
  Arrowhead startHead;   // at the low end (left, or bottom)
  Arrowhead endHead;     // at the high end (right, or top)
  std::vector<PixelSegment> majorTicks;  // empty when ticks are hidden
  std::vector<PixelSegment> minorTicks;  // empty when minor ticks are hidden
  std::vector<LabelBox> tickLabels;      // the ones drawn: shown, and whole inside the window
  LabelBox axisLabel;                    // in the axis-label font
};

struct AxesGeometry {
  // x: the column of the vertical axis, y: the row of the horizontal one.
  PixelPoint crossing;
  // The shown axes in drawing order: the horizontal one first.
  std::vector<AxisGeometry> axes;
  // A ring around the crossing when both axes show and cross at a visible origin.
  bool originRing = false;
  int originRingRadius = 8;
};

// Where the axes cross. With axesAlwaysViewable (and not originAlwaysViewable) an
// axis outside the window runs along the bottom or left edge, leaving room for
// its labels.
PixelPoint axesCrossing(const GraphLayout& layout, int w, int h, const TextMeasure& measure);

AxesGeometry axesGeometry(const GraphLayout& layout, int w, int h, const TextMeasure& measure);

}  // namespace tally
