// The graph settings reader: any document, applied to a fresh graph model, then
// laid out as the widget would.
//   - parsing the same document twice (each parse starts afresh) gives the same
//     model, and a parse after a broken document is not thrown off by it;
//   - whatever is applied keeps the model's own rules: font size 1..200, label
//     positions of the allowed codes, tick counts of at least 2, units positive,
//     at most 1000 custom labels of at most 20 characters;
//   - the laid-out ranges are finite and not empty, the tick labels of one axis
//     are distinct, and the transforms stay within their clamp;
//   - read as the program's own settings file (zoom, window, folders, decimals),
//     every value keeps its rules and the text written from it reads back the same.
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/graph/GraphSettings.h"
#include "core/settings/UserSettings.h"

namespace {

// Everything a document can set, as one text to compare.
std::string state(const tally::GraphLayout& g) {
  std::string s;
  auto num = [&](double v) { s += tally::formatNumber("%.17g", v) + ";"; };
  for (const tally::AxisScale* a : {&g.xScale, &g.yScale}) {
    num(a->getMin()); num(a->getMax()); num(a->getTickUnit()); num(a->getMinorTickUnit());
    num(a->getMaxTicks()); num(a->getMaxMinorTicks());
    num(a->autoScale); num(a->minorAutoScale); num(a->showTicks); num(a->showMinorTicks);
    num(a->showTickLabels); num(a->showAxis);
    s += a->axisLabel + ";";
  }
  for (double v : {g.xMin, g.xMax, g.yMin, g.yMax, g.axisIntersection.x, g.axisIntersection.y})
    num(v);
  for (int v : {g.gridStyle, int(g.equalScaling), int(g.xTrigScale), int(g.yTrigScale),
                int(g.originAlwaysViewable), int(g.axesAlwaysViewable), g.fontSize,
                g.xTickLabelPosition, g.yTickLabelPosition, g.xAxisLabelPosition,
                g.yAxisLabelPosition, int(g.customXTickLabelsOn), int(g.customYTickLabelsOn)})
    num(v);
  for (const auto* list : {&g.customXTickLabels, &g.customYTickLabels}) {
    for (const std::string& l : *list) s += l + ",";
    s += ";";
  }
  return s;
}

void checkRules(const tally::GraphLayout& g) {
  fuzz::require(g.fontSize >= 1 && g.fontSize <= tally::maxSettingsFontSize, "font size 1..200",
                std::to_string(g.fontSize));
  fuzz::require(g.xTickLabelPosition == 1 || g.xTickLabelPosition == 2, "x tick label position");
  fuzz::require(g.yTickLabelPosition == 4 || g.yTickLabelPosition == 8, "y tick label position");
  for (int p : {g.xAxisLabelPosition, g.yAxisLabelPosition})
    fuzz::require(p == 5 || p == 6 || p == 9 || p == 10, "axis label position", std::to_string(p));
  for (const tally::AxisScale* a : {&g.xScale, &g.yScale}) {
    fuzz::require(a->getMaxTicks() >= 2 && a->getMaxMinorTicks() >= 2, "tick counts at least 2");
    fuzz::require(a->getTickUnit() > 0 && std::isfinite(a->getTickUnit()) &&
                      a->getMinorTickUnit() > 0 && std::isfinite(a->getMinorTickUnit()),
                  "units positive and finite");
    fuzz::require(fuzz::characters(a->axisLabel) <= tally::maxSettingsText, "axis label of 20 characters");
  }
  for (double v : {g.xMin, g.xMax, g.yMin, g.yMax, g.axisIntersection.x, g.axisIntersection.y})
    fuzz::require(std::isfinite(v), "numbers finite");
  for (const auto* list : {&g.customXTickLabels, &g.customYTickLabels}) {
    fuzz::require(list->size() <= tally::maxSettingsLabels, "at most 1000 labels");
    for (const std::string& l : *list)
      fuzz::require(fuzz::characters(l) <= tally::maxSettingsText, "a label of 20 characters", l);
  }
}

// The same bytes as the program's own settings file: every value within its
// rules, and what is written reads back the same.
void checkUserSettings(const std::string& text) {
  const tally::UserSettings s = tally::parseSettingsText(text);
  const auto& steps = tally::zoomSteps();
  fuzz::require(std::find(steps.begin(), steps.end(), s.zoomPercent) != steps.end(),
                "kept zoom is a step", std::to_string(s.zoomPercent));
  fuzz::require((s.windowWidth == 0) == (s.windowHeight == 0), "both window sides or neither");
  fuzz::require(s.windowWidth == 0 || (s.windowWidth >= tally::kLeastWindowSide &&
                                       s.windowWidth <= tally::kLargestWindowSide),
                "window width in range");
  fuzz::require(s.decimals == tally::kAutoDecimals || (s.decimals >= 0 && s.decimals <= 6),
                "decimals of the choices");
  for (const std::string* f : {&s.loadFolder, &s.saveFolder}) {
    fuzz::require(f->size() <= tally::kLongestFolderName, "folder name not too long");
    for (unsigned char c : *f) fuzz::require(c >= 0x20 && c != 0x7f, "no control character in a folder");
  }
  const std::string written = tally::settingsText(s);
  const tally::UserSettings back = tally::parseSettingsText(written);
  fuzz::require(tally::settingsText(back) == written, "written settings read back the same", written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);

  tally::GraphLayout first, second;
  const bool ok = tally::parseSettings(first, text);
  // A broken document first must not change how the same document reads afterwards.
  tally::parseSettings(second, "<gridProperties><xmin>1</xmin><a><b>");
  tally::GraphLayout fresh;
  tally::parseSettings(fresh, text);
  second = tally::GraphLayout();
  fuzz::require(tally::parseSettings(second, text) == ok, "the same document, the same answer");
  fuzz::require(state(first) == state(second) && state(first) == state(fresh),
                "the same document, the same settings");
  checkRules(first);

  // Laid out as the widget does: the requested window, if the document left a usable one.
  tally::GraphLayout& g = first;
  if (!(g.xMin < g.xMax) || !std::isfinite(g.xMax - g.xMin)) {
    g.xMin = -5;
    g.xMax = 5;
  }
  if (!(g.yMin < g.yMax) || !std::isfinite(g.yMax - g.yMin)) {
    g.yMin = -5;
    g.yMax = 5;
  }
  const int w = 400 + static_cast<int>(size % 300), h = 300;
  g.updateScales(w, h, fuzz::measureText);
  for (const tally::AxisScale* a : {&g.xScale, &g.yScale})
    fuzz::require(std::isfinite(a->getMin()) && std::isfinite(a->getMax()) && a->getMin() < a->getMax(),
                  "laid-out range finite and not empty");
  for (tally::Axis axis : {tally::XAxis, tally::YAxis}) {
    const bool custom = axis == tally::XAxis ? g.customXTickLabelsOn : g.customYTickLabelsOn;
    if (custom) continue;
    std::set<std::string> seen;
    for (const tally::TickLabel& l : g.tickLabels(axis))
      fuzz::expectKnown(seen.insert(l.text).second, "tick-labels-repeat-on-one-axis", l.text);
  }
  for (double v : {g.xMin, g.yMax, g.axisIntersection.x}) {
    const int px = g.worldToPixelX(v, w), py = g.worldToPixelY(v, h);
    fuzz::require(px >= -10000 && px <= 10000 && py >= -10000 && py <= 10000,
                  "transforms within their clamp");
  }
  checkUserSettings(text);
  return 0;
}
