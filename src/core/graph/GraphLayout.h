#pragma once
// The window-independent model of a graph: the requested window, the layout
// rules that turn it into displayed ranges, and the world <-> pixel transforms.
// The window supplies its client size and a way to measure label texts.
#include <functional>
#include <string>
#include <vector>

#include "core/graph/AxisScale.h"
#include "core/graph/Series.h"

namespace tally {

struct Extent {
  int width = 0;
  int height = 0;
};

// Measures a text in the tick font (axisLabelFont false) or the axis-label font.
using TextMeasure = std::function<Extent(const std::string& text, bool axisLabelFont)>;

// Room for labels around the axes, in axis units (multiples of pi on a trig axis).
struct Margins {
  double left = 0;
  double right = 0;
  double above = 0;
  double below = 0;
};

// A window onto the world, in axis units.
struct Window {
  double x0 = 0;
  double x1 = 0;
  double y0 = 0;
  double y1 = 0;
};

struct TickLabel {
  double position = 0;  // axis units
  std::string text;
};

enum Axis { XAxis, YAxis };

class GraphLayout {
 public:
  GraphLayout();

  int gridStyle = 3;
  bool equalScaling = false;
  bool xTrigScale = false;
  bool yTrigScale = false;
  bool originAlwaysViewable = false;
  bool axesAlwaysViewable = true;
  WorldPoint axisIntersection;
  AxisScale xScale;
  AxisScale yScale;
  double xMin = -5, xMax = 5, yMin = -5, yMax = 5;
  int fontSize = 12;
  int xTickLabelPosition = 1;
  int yTickLabelPosition = 4;
  int xAxisLabelPosition = 10;
  int yAxisLabelPosition = 10;
  bool customXTickLabelsOn = false;
  bool customYTickLabelsOn = false;
  std::vector<std::string> customXTickLabels;
  std::vector<std::string> customYTickLabels;

  // Validating setters: false and no change when the value is refused.
  bool setFontSize(int size);
  bool setXTickLabelPosition(int pos);  // 2 if bit 2, else 1 if bit 1
  bool setYTickLabelPosition(int pos);  // 4 if bit 4, else 8 if bit 8
  bool setXAxisLabelPosition(int pos);  // (2 or 1) + (4 or 8)
  bool setYAxisLabelPosition(int pos);
  void setAxesStyle(int style);
  int getAxesStyle() const;
  void setCustomXTickLabels(const std::vector<std::string>& labels);
  void setCustomYTickLabels(const std::vector<std::string>& labels);
  void clearCustomXTickLabels();
  void clearCustomYTickLabels();

  // Transforms; w and h are the client size in pixels. World values are real
  // (times pi on a trig axis). Pixel results are clamped to -10000..10000.
  int worldToPixelX(double v, int w) const;
  int worldToPixelY(double v, int h) const;
  double pixelToWorldX(int p, int w) const;
  double pixelToWorldY(int p, int h) const;
  double pixelWidthToWorld(int n, int w) const;
  double pixelHeightToWorld(int n, int h) const;
  int worldWidthToPixels(double d, int w) const;
  int worldHeightToPixels(double d, int h) const;
  bool isVisible(double x, double y, int w, int h) const;

  // Displayed ranges from the requested window and the layout rules.
  void updateScales(int w, int h, const TextMeasure& measure);
  void applyMargins(int mode, Window& win, int w, int h, const TextMeasure& measure);
  Margins computeMargins(bool adjust, int w, int h, const TextMeasure& measure) const;
  void equalizeScales(Window& win, int w, int h) const;

  // Largest tick label of an axis, as used for the label room.
  Extent measureTickLabels(Axis axis, const TextMeasure& measure) const;
  // The major tick labels as drawn, in tick order: custom entries handed out
  // in turn, or numbers without the one at the crossing of a drawn other axis.
  std::vector<TickLabel> tickLabels(Axis axis) const;

  // Real world value of an axis number.
  double xWorld(double axisUnits) const;
  double yWorld(double axisUnits) const;

 private:
  void scaleEnds(Axis axis, double& a, double& b) const;
};

constexpr double pi = 3.141592653589793;

}  // namespace tally
