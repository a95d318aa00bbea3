#include "core/graph/GraphDescription.h"

#include <algorithm>
#include <cstddef>

namespace tally {

namespace {

// "Frequency axis from 0 to 10"; an axis without a caption is "Horizontal axis".
std::string axisText(const GraphAxis& axis, const char* unnamed) {
  const std::string label = axis.label.empty() ? std::string(unnamed) : axis.label;
  return label + " axis from " + readoutText(axis.min) + " to " + readoutText(axis.max);
}

// Items joined by "; ", the ones beyond the limit counted instead of read.
std::string listText(const std::vector<std::string>& items) {
  std::string text;
  const size_t shown = std::min(items.size(), static_cast<size_t>(kDescribedPointsMax));
  for (size_t i = 0; i < shown; ++i) {
    if (i > 0) text += "; ";
    text += items[i];
  }
  if (items.size() > shown) text += "; and " + std::to_string(items.size() - shown) + " more";
  return text;
}

// The list of `count` items of which only those read are written: every refresh
// describes the graphs again, and a hundred columns would format each number for
// the sixty that are only counted.
template <typename Item>
std::string listText(size_t count, const Item& item) {
  std::vector<std::string> items;
  const size_t shown = std::min(count, static_cast<size_t>(kDescribedPointsMax));
  items.reserve(shown);
  for (size_t i = 0; i < shown; ++i) items.push_back(item(i));
  std::string text = listText(items);
  if (count > shown) text += "; and " + std::to_string(count - shown) + " more";
  return text;
}

std::string plural(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string bothNames(const std::string& first, const std::string& second) {
  return first + " and " + second;
}

}  // namespace

GraphText describeColumnGraph(const std::string& setName, const GraphAxis& x,
                              const GraphAxis& y, const PointList& columns, double barWidth,
                              bool classes) {
  GraphText text;
  text.name = "Column graph of " + setName;
  text.hasData = !columns.empty();
  std::string d = text.name + ". " + axisText(x, "Horizontal") + ", " +
                  axisText(y, "Vertical") + ". ";
  if (columns.empty()) {
    text.description = d + "No columns are drawn.";
    return text;
  }
  const std::string items = listText(columns.size(), [&](size_t i) {
    const WorldPoint& c = columns[i];
    // Columns stand centred on their x; a class runs half a width either side.
    const std::string where = classes ? valueText(c.x - barWidth / 2) + " to " +
                                            valueText(c.x + barWidth / 2)
                                      : valueText(c.x);
    return where + ": " + valueText(c.y);
  });
  const std::string what = classes ? "class and frequency" : "value and frequency";
  text.description =
      d + plural(columns.size(), "column", "columns") + " (" + what + "): " + items + ".";
  return text;
}

GraphText describeBoxPlots(const BoxPlotSet sets[2], const GraphAxis& valueAxis, int decimals) {
  GraphText text;
  text.name = "Box-and-whisker plots of " + bothNames(sets[0].name, sets[1].name);
  std::string d = text.name + ". " + axisText(valueAxis, "Value") + ".";
  for (int s = 0; s < 2; ++s) {
    const BoxPlotSet& set = sets[s];
    d += " " + set.name + ": ";
    // Box (q1 .. q3 .. q1), median, upper whisker, lower whisker.
    const auto& l = set.lines;
    if (l.size() < 4 || l[0].size() < 3 || l[1].empty() || l[2].size() < 2 || l[3].size() < 2) {
      d += "no box is drawn.";
      continue;
    }
    text.hasData = true;
    d += "lower whisker " + valueText(l[3][1].y) + ", lower quartile " +
         formatStatistic(l[0][0].y, decimals) + ", median " +
         formatStatistic(l[1][0].y, decimals) + ", upper quartile " +
         formatStatistic(l[0][2].y, decimals) + ", upper whisker " + valueText(l[2][1].y);
    if (set.outliers.empty()) {
      d += ", no outliers.";
    } else {
      std::vector<std::string> values;
      for (const WorldPoint& p : set.outliers) values.push_back(valueText(p.y));
      d += ", " + plural(values.size(), "outlier", "outliers") + ": " + listText(values) + ".";
    }
  }
  text.description = d;
  return text;
}

GraphText describeCumulativeCurves(const CurveSet sets[2], const GraphAxis& x, const GraphAxis& y,
                                   int sliderPercent, int decimals) {
  GraphText text;
  text.name = "Cumulative percentage graph of " + bothNames(sets[0].name, sets[1].name);
  std::string d = text.name + ". " + axisText(x, "Horizontal") + ", " +
                  axisText(y, "Vertical") + ".";
  for (int s = 0; s < 2; ++s) {
    const CurveSet& set = sets[s];
    d += " " + set.name + ": ";
    if (set.points.empty()) {
      d += "no curve is drawn.";
      continue;
    }
    text.hasData = true;
    const std::string items = listText(set.points.size(), [&set](size_t i) {
      const WorldPoint& p = set.points[i];
      return valueText(p.x) + ": " + readoutText(p.y) + "%";
    });
    d += "curve through (value: cumulative percent) " + items + "; at " +
         std::to_string(sliderPercent) + "% the value is " +
         formatStatistic(set.sliderValue, decimals) + ".";
  }
  text.description = d;
  return text;
}

}  // namespace tally
