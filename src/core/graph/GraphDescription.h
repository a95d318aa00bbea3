#pragma once
// What a screen reader says about a graph: a short name and a description of what
// the picture shows (its kind, the sets, the axis ranges and the values drawn), so
// that a student who cannot see the graph gets the same information from it.
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/graph/Series.h"

namespace tally {

struct GraphText {
  std::string name;
  std::string description;
  // False when the graph draws no data: it then has nothing to say and is not
  // worth a stop when moving through the window with the keyboard.
  bool hasData = false;
};

// An axis as drawn: its caption and the range of its visible part.
struct GraphAxis {
  std::string label;
  double min = 0;
  double max = 0;
};

// A set's column graph. `columns` are the columns' centres (x) and heights (y),
// each `barWidth` wide; with `classes` each column is read as the class it
// covers ("10 to 20: 4"), otherwise as the value it stands on ("14: 5").
GraphText describeColumnGraph(const std::string& setName, const GraphAxis& x,
                              const GraphAxis& y, const PointList& columns, double barWidth,
                              bool classes);

// One set's box and whiskers: the box lines as the statistics build them (box,
// median, upper whisker, lower whisker; none when the set draws no box) and the
// outliers (their y is the value).
struct BoxPlotSet {
  std::string name;
  std::vector<PointList> lines;
  PointList outliers;
};
// Both sets' box plots on the shared value axis; quartiles and median in the
// chosen decimals, whisker ends and outliers as data values.
GraphText describeBoxPlots(const BoxPlotSet sets[2], const GraphAxis& valueAxis,
                           int decimals = kAutoDecimals);

// One set's cumulative-percentage curve: its points (upper class bound,
// cumulative percent), empty when the set draws none, and the value the slider
// reads off it.
struct CurveSet {
  std::string name;
  PointList points;
  double sliderValue = 0;
};
GraphText describeCumulativeCurves(const CurveSet sets[2], const GraphAxis& x,
                                   const GraphAxis& y, int sliderPercent,
                                   int decimals = kAutoDecimals);

// At most this many columns, outliers or curve points are read out one by one;
// the rest are counted ("and 12 more").
constexpr int kDescribedPointsMax = 40;

}  // namespace tally
