#include "core/graph/GraphLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/NumberText.h"

namespace tally {

namespace {

int clampPixel(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -10000.0, 10000.0));
}

bool within(double v, double lo, double hi) { return lo <= v && v <= hi; }

}  // namespace

GraphLayout::GraphLayout() {
  xScale.setRange(-5, 5);
  yScale.setRange(-5, 5);
  xScale.axisLabel = "x";
  yScale.axisLabel = "y";
}

bool GraphLayout::setFontSize(int size) {
  if (size <= 0) return false;
  fontSize = size;
  return true;
}

bool GraphLayout::setXTickLabelPosition(int pos) {
  if (pos & 2)
    xTickLabelPosition = 2;
  else if (pos & 1)
    xTickLabelPosition = 1;
  else
    return false;
  return true;
}

bool GraphLayout::setYTickLabelPosition(int pos) {
  if (pos & 4)
    yTickLabelPosition = 4;
  else if (pos & 8)
    yTickLabelPosition = 8;
  else
    return false;
  return true;
}

namespace {
bool axisLabelPosition(int pos, int& out) {
  int vertical = (pos & 2) ? 2 : (pos & 1) ? 1 : 0;
  int horizontal = (pos & 4) ? 4 : (pos & 8) ? 8 : 0;
  if (vertical == 0 || horizontal == 0) return false;
  out = vertical + horizontal;
  return true;
}
}  // namespace

bool GraphLayout::setXAxisLabelPosition(int pos) { return axisLabelPosition(pos, xAxisLabelPosition); }
bool GraphLayout::setYAxisLabelPosition(int pos) { return axisLabelPosition(pos, yAxisLabelPosition); }

void GraphLayout::setAxesStyle(int style) {
  xScale.showAxis = (style & 1) != 0;
  yScale.showAxis = (style & 2) != 0;
}

int GraphLayout::getAxesStyle() const { return (xScale.showAxis ? 1 : 0) | (yScale.showAxis ? 2 : 0); }

void GraphLayout::setCustomXTickLabels(const std::vector<std::string>& labels) {
  customXTickLabels = labels;
  customXTickLabelsOn = true;
}
void GraphLayout::setCustomYTickLabels(const std::vector<std::string>& labels) {
  customYTickLabels = labels;
  customYTickLabelsOn = true;
}
void GraphLayout::clearCustomXTickLabels() {
  customXTickLabels.clear();
  customXTickLabelsOn = false;
}
void GraphLayout::clearCustomYTickLabels() {
  customYTickLabels.clear();
  customYTickLabelsOn = false;
}

double GraphLayout::xWorld(double v) const { return xTrigScale ? v * pi : v; }
double GraphLayout::yWorld(double v) const { return yTrigScale ? v * pi : v; }

namespace {
// A trig axis counts in units of pi: ends near the largest doubles would overflow
// on the way to world values, so world values stop at the largest finite ones.
double finiteWorld(double v) {
  constexpr double big = std::numeric_limits<double>::max();
  return std::isnan(v) ? 0.0 : std::clamp(v, -big, big);
}
}  // namespace

void GraphLayout::scaleEnds(Axis axis, double& a, double& b) const {
  if (axis == XAxis) {
    a = finiteWorld(xWorld(xScale.getMin()));
    b = finiteWorld(xWorld(xScale.getMax()));
  } else {
    a = finiteWorld(yWorld(yScale.getMin()));
    b = finiteWorld(yWorld(yScale.getMax()));
  }
}

int GraphLayout::worldToPixelX(double v, int w) const {
  double a, b;
  scaleEnds(XAxis, a, b);
  // The fraction first: w * (v - a) overflows for ranges near the largest doubles.
  return clampPixel(std::max(w, 0) * ((v - a) / (b - a)));
}

int GraphLayout::worldToPixelY(double v, int h) const {
  double a, b;
  scaleEnds(YAxis, a, b);
  return clampPixel(std::max(h, 0) * ((b - v) / (b - a)));
}

// A window not yet sized maps every pixel to the near end of the range.
double GraphLayout::pixelToWorldX(int p, int w) const {
  double a, b;
  scaleEnds(XAxis, a, b);
  return finiteWorld(w > 0 ? a + (b - a) / w * p : a);
}

double GraphLayout::pixelToWorldY(int p, int h) const {
  double a, b;
  scaleEnds(YAxis, a, b);
  return finiteWorld(h > 0 ? b - (b - a) / h * p : b);
}

// Far from 0 the difference of two positions would lose the length's low digits.
double GraphLayout::pixelWidthToWorld(int n, int w) const {
  double a, b;
  scaleEnds(XAxis, a, b);
  return w > 0 ? finiteWorld(std::fabs((b - a) / w * n)) : 0.0;
}
double GraphLayout::pixelHeightToWorld(int n, int h) const {
  double a, b;
  scaleEnds(YAxis, a, b);
  return h > 0 ? finiteWorld(std::fabs((b - a) / h * n)) : 0.0;
}
// A length is its own ratio, not the difference of two clamped positions: with
// world 0 more than 10000 pixels away both positions would clamp to one value.
int GraphLayout::worldWidthToPixels(double d, int w) const {
  double a, b;
  scaleEnds(XAxis, a, b);
  return std::abs(clampPixel(std::max(w, 0) * (std::fabs(d) / (b - a))));
}
int GraphLayout::worldHeightToPixels(double d, int h) const {
  double a, b;
  scaleEnds(YAxis, a, b);
  return std::abs(clampPixel(std::max(h, 0) * (std::fabs(d) / (b - a))));
}

bool GraphLayout::isVisible(double x, double y, int w, int h) const {
  int px = worldToPixelX(x, w);
  int py = worldToPixelY(y, h);
  return px >= 0 && px < w && py >= 0 && py < h;
}

std::vector<TickLabel> GraphLayout::tickLabels(Axis axis) const {
  const AxisScale& scale = axis == XAxis ? xScale : yScale;
  const AxisScale& other = axis == XAxis ? yScale : xScale;
  const bool customOn = axis == XAxis ? customXTickLabelsOn : customYTickLabelsOn;
  const std::vector<std::string>& custom = axis == XAxis ? customXTickLabels : customYTickLabels;
  const bool trig = axis == XAxis ? xTrigScale : yTrigScale;
  const std::string crossing =
      scale.labelText(axis == XAxis ? axisIntersection.x : axisIntersection.y, false);

  std::vector<double> positions;
  scale.tickPositions(positions, MajorTicks);
  std::vector<TickLabel> labels;
  size_t next = 0;
  for (double p : positions) {
    if (customOn) {
      if (next >= custom.size()) break;
      labels.push_back({p, custom[next++]});
    } else {
      // The crossing's number would sit on the other axis's line.
      std::string text = scale.labelText(p, false);
      if (other.showAxis && text == crossing) continue;
      labels.push_back({p, trig ? scale.labelText(p, true) : std::move(text)});
    }
  }
  return labels;
}

Extent GraphLayout::measureTickLabels(Axis axis, const TextMeasure& measure) const {
  const AxisScale& scale = axis == XAxis ? xScale : yScale;
  const AxisScale& other = axis == XAxis ? yScale : xScale;
  Extent largest;
  if (!scale.showTickLabels) return largest;
  auto take = [&](const std::string& text) {
    Extent e = measure(text, false);
    largest.width = std::max(largest.width, e.width);
    largest.height = std::max(largest.height, e.height);
  };
  const bool customOn = axis == XAxis ? customXTickLabelsOn : customYTickLabelsOn;
  if (customOn) {
    for (const std::string& text : axis == XAxis ? customXTickLabels : customYTickLabels) take(text);
    return largest;
  }
  const bool trig = axis == XAxis ? xTrigScale : yTrigScale;
  std::vector<double> positions;
  scale.tickPositions(positions, MajorTicks);
  for (double p : positions) {
    std::string text = scale.labelText(p, trig);
    if (text == "0" && !other.showAxis) continue;
    take(text);
  }
  return largest;
}

Margins GraphLayout::computeMargins(bool adjust, int w, int h, const TextMeasure& measure) const {
  int left = 20, right = 20, above = 15, below = 15;
  const int tw = measureTickLabels(YAxis, measure).width;
  const int th = measureTickLabels(XAxis, measure).height;
  const int lw = measure(yScale.axisLabel, true).width;
  const int lh = measure(xScale.axisLabel, true).height;

  if (yTickLabelPosition & 4)
    left = tw + 20;
  else
    right = tw + 20;
  if (yAxisLabelPosition & 4)
    left += lw;
  else
    right += lw;
  if ((yTickLabelPosition & 4) && (yAxisLabelPosition & 4)) left += 5;
  if ((yTickLabelPosition & 8) && (yAxisLabelPosition & 8)) right += 5;

  if (xTickLabelPosition & 2)
    above = th + 15;
  else
    below = th + 15;
  if (xAxisLabelPosition & 2)
    above += lh;
  else
    below += lh;
  if ((xTickLabelPosition & 2) && (xAxisLabelPosition & 2)) above += 5;
  if ((xTickLabelPosition & 1) && (xAxisLabelPosition & 1)) below += 5;

  Margins m;
  m.left = pixelWidthToWorld(left, w);
  m.right = pixelWidthToWorld(right, w);
  m.above = pixelHeightToWorld(above, h);
  m.below = pixelHeightToWorld(below, h);
  // The room is scaled to its size after the range has grown by it, in double (a
  // client size near INT_MIN less a margin would overflow an int). A pane no larger
  // than its label room cannot hold both; scaling would blow the range up.
  const double cw = w, ch = h;
  if (adjust && cw > double(left) + right) {
    m.left *= cw / (cw - left);
    m.right *= cw / (cw - right);
  }
  if (adjust && ch > double(above) + below) {
    m.above *= ch / (ch - above);
    m.below *= ch / (ch - below);
  }
  if (xTrigScale) {
    m.left /= pi;
    m.right /= pi;
  }
  if (yTrigScale) {
    m.above /= pi;
    m.below /= pi;
  }
  return m;
}

void GraphLayout::applyMargins(int mode, Window& win, int w, int h, const TextMeasure& measure) {
  xScale.setRange(win.x0, win.x1);
  yScale.setRange(win.y0, win.y1);
  const Margins m = computeMargins(true, w, h, measure);
  const double ix = axisIntersection.x, iy = axisIntersection.y;
  if (!originAlwaysViewable && mode == 3) {
    // Only an axis closer to an edge than its labels need pushes that edge out.
    mode = 0;
    if (within(win.x0, ix - m.left, ix) || within(win.x1, ix, ix + m.right)) mode |= 1;
    if (within(win.y0, iy - m.below, iy) || within(win.y1, iy, iy + m.above)) mode |= 2;
  }
  if (mode & 1) {
    win.x0 = std::min(win.x0, ix - m.left);
    win.x1 = std::max(win.x1, ix + m.right);
  }
  if (mode & 2) {
    win.y0 = std::min(win.y0, iy - m.below);
    win.y1 = std::max(win.y1, iy + m.above);
  }
}

void GraphLayout::equalizeScales(Window& win, int w, int h) const {
  // Without a size there is no aspect ratio to match.
  if (w <= 0 || h <= 0) return;
  const double r = double(w) / h;
  const double dx = (win.x1 - win.x0) * (xTrigScale ? pi : 1.0);
  const double dy = (win.y1 - win.y0) * (yTrigScale ? pi : 1.0);
  if (dx / dy > r) {
    double a = (dx / r - dy) / 2;
    if (yTrigScale) a /= pi;
    win.y0 -= a;
    win.y1 += a;
  } else {
    double a = (r * dy - dx) / 2;
    if (xTrigScale) a /= pi;
    win.x0 -= a;
    win.x1 += a;
  }
}

namespace {

// Makes a ← b a finite range with a finite span, keeping as much of [a, b] as
// doubles allow: overflowing data ranges still get an axis that holds the data.
void finiteRange(double& a, double& b) {
  const double big = std::numeric_limits<double>::max();
  if (std::isnan(a) || std::isnan(b)) return;
  if (std::isfinite(a) && std::isfinite(b) && std::isfinite(b - a)) return;
  a = std::clamp(a, -big, big);
  b = std::clamp(b, -big, big);
  if (!std::isfinite(b - a)) {
    a = std::max(a, -big / 2);
    b = std::min(b, big / 2);
  }
  if (!(a < b)) {
    // Both ends clamped onto the same limit: half of it still lies inside.
    if (b > 0)
      a = b / 2;
    else if (a < 0)
      b = a / 2;
  }
}

}  // namespace

void GraphLayout::updateScales(int w, int h, const TextMeasure& measure) {
  Window win{xMin, xMax, yMin, yMax};
  finiteRange(win.x0, win.x1);
  finiteRange(win.y0, win.y1);
  const Window requested = win;
  const double ix = axisIntersection.x, iy = axisIntersection.y;
  if (originAlwaysViewable) {
    win.x0 = std::min(win.x0, ix);
    win.x1 = std::max(win.x1, ix);
    win.y0 = std::min(win.y0, iy);
    win.y1 = std::max(win.y1, iy);
  }
  applyMargins(3, win, w, h, measure);
  if (equalScaling) {
    equalizeScales(win, w, h);
    if (axesAlwaysViewable && !originAlwaysViewable) {
      const bool xIn = within(ix, win.x0, win.x1);
      const bool yIn = within(iy, win.y0, win.y1);
      int mode = xIn && yIn ? 3 : xIn ? 1 : yIn ? 2 : 0;
      if (mode != 0) applyMargins(mode, win, w, h, measure);
      equalizeScales(win, w, h);
    }
  }
  // Label room added to a range near the largest doubles can overflow it; the
  // requested window alone still holds the data.
  if (!std::isfinite(win.x1 - win.x0)) {
    win.x0 = requested.x0;
    win.x1 = requested.x1;
  }
  if (!std::isfinite(win.y1 - win.y0)) {
    win.y0 = requested.y0;
    win.y1 = requested.y1;
  }
  xScale.setRange(win.x0, win.x1);
  yScale.setRange(win.y0, win.y1);
}

}  // namespace tally
