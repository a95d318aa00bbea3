#include "core/print/PrintPage.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"
#include "core/stats/Statistics.h"

namespace tally {

double pageTextScale(const PageMeasures& m) {
  if (m.screenPpi <= 0) return 0;
  return static_cast<float>(m.deviceScale * m.printerPpi / m.screenPpi);
}

PageLayout layoutPage(const PageMeasures& m) {
  PageLayout out;
  const double pw = m.pageWidth, ph = m.pageHeight;
  if (pw <= 0 || ph <= 0 || m.screenPpi <= 0 || m.printerPpi <= 0 ||
      !(m.deviceScale > 0) || !std::isfinite(m.deviceScale) || m.titleHeight <= 0 ||
      m.lineHeight <= 0)
    return out;

  // 0 whenever the printer resolution exceeds the screen's.
  const int top = m.screenPpi / m.printerPpi;
  const int ch = m.titleHeight, cw3 = m.titleWidth / 3, lh = m.lineHeight;
  out.nameX[0] = top + 7 * cw3;
  out.nameX[1] = out.nameX[0] + 28 * cw3;
  out.nameY = top + ch;
  out.labelX[0] = out.nameX[0];
  out.labelX[1] = out.nameX[1];
  out.valueX[0] = (out.nameX[0] + out.nameX[1]) / 2;
  out.valueX[1] = out.nameX[1] + out.valueX[0] - out.nameX[0];
  // A value keeps a few units clear of the next set's captions.
  out.valueWidth = std::max(1, out.labelX[1] - out.valueX[0] - cw3);
  out.headingY = top + ch;
  out.firstRowY = out.headingY + 2 * ch;
  out.lineHeight = lh;

  // Two units spare: a glyph's smoothed edge may stand a pixel beyond its extent.
  const double rightEnd = 2 + std::max({out.nameX[1] + m.set2NameWidth,
                                        out.labelX[1] + m.widestLabel,
                                        out.valueX[1] + std::min(m.widestSet2Value, out.valueWidth)});
  const double g = pageTextScale(m);
  // One pixel spare: the scale is rounded to a float and the extent up.
  double r = std::min(g, static_cast<double>(static_cast<float>((pw - 1) / rightEnd)));
  r = std::max(r, static_cast<double>(static_cast<float>(kLeastTextShrink * g)));
  if (!(g > 0) || !std::isfinite(g)) return out;

  const double gap = 8 * g;
  const double namesBottom = r * (top + 2.0 * ch);
  const double tableHeight = r * (out.firstRowY + static_cast<double>(kTableLines) * lh);
  // Beside a graph the table's own left margin (up to its captions) is room for it.
  const double tableWidth = std::min(pw, r * rightEnd);
  const double tableInk = std::min(pw, r * (rightEnd - out.labelX[0]));
  // One pixel spare for rounding each origin down and each extent up.
  const double room = ph - namesBottom - 1;

  double row1 = 0, row2 = 0, thirdWidth = pw;
  const double besideWidth = pw - tableInk - gap;
  if (pw > ph && besideWidth >= pw / 4) {
    out.thirdBesideTable = true;
    row2 = tableHeight;
    row1 = room - row2 - 2 * gap;
    thirdWidth = besideWidth;
  } else {
    row1 = row2 = (room - tableHeight - 3 * gap) / 2;
  }
  // A graph needs room for its tick labels, captions and a little plotting area.
  const double least = 60 * g;
  if (!(row1 >= least) || !(row2 >= least)) return out;

  out.drawable = true;
  out.textScale = r;
  out.graphScale = g;
  const int left = m.pageLeft, y0 = m.pageTop;
  out.textOrigin = {left, y0};
  const double columnWidth = (pw - gap) / 2;
  const double row1Top = namesBottom + gap;
  const double row2Top = row1Top + row1 + gap;
  auto place = [&](int i, double x, double y, double w, double h) {
    out.graphOrigin[i] = {left + static_cast<int>(x), y0 + static_cast<int>(y)};
    // Whole graph units that stay inside the box once scaled.
    out.viewWidth[i] = static_cast<int>(std::floor(w / g));
    out.viewHeight[i] = static_cast<int>(std::floor(h / g));
  };
  place(0, 0, row1Top, columnWidth, row1);
  place(1, pw - columnWidth, row1Top, columnWidth, row1);
  place(2, 0, row2Top, thirdWidth, row2);
  if (out.thirdBesideTable)
    out.tableOrigin = {left + static_cast<int>(pw - tableWidth), y0 + static_cast<int>(row2Top)};
  else
    out.tableOrigin = {left, y0 + static_cast<int>(row2Top + row2 + gap)};

  out.graphsBottom = 0;
  out.graphsRight = 0;
  for (int i = 0; i < 3; ++i) {
    out.graphsBottom = std::max(
        out.graphsBottom,
        out.graphOrigin[i].y + static_cast<int>(std::ceil(out.viewHeight[i] * g)));
    out.graphsRight = std::max(
        out.graphsRight, out.graphOrigin[i].x + static_cast<int>(std::ceil(out.viewWidth[i] * g)));
  }
  out.tableBottom = out.tableOrigin.y +
                    static_cast<int>(std::ceil(r * (out.firstRowY + kTableLines * lh)));
  out.tableRight = out.tableOrigin.x + static_cast<int>(std::ceil(r * rightEnd));
  return out;
}

std::vector<TableText> tableLabels(int percentile) {
  return {{0, "n"},         {1, "Mean"},     {2, "Mode(s)"},
          {4, "Minimum"},   {5, "Q1"},       {6, "Median"},
          {7, "Q3"},        {8, "Maximum"},  {10, "Range"},
          {11, "IQR"},      {13, "Standard Deviation:"},
          {14, "(sample)"}, {15, "(population)"},
          {17, "Percentile (p = " + formatInt("%d", percentile) + ")"}};
}

std::vector<TableText> tableValues(const PrintedSet& set) {
  std::vector<TableText> out;
  auto put = [&out](int line, const std::string& text) {
    if (!text.empty()) out.push_back({line, text});
  };
  // A blanked set keeps the count and sum of squares of its last refresh;
  // printing them would show numbers the window no longer shows.
  if (set.showsStatistics)
    put(0, valueText(set.n));
  else
    put(0, set.shownN);
  put(1, set.showsStatistics ? set.mean : set.reason);
  const size_t br = set.mode.find('\n');
  put(2, set.mode.substr(0, br));
  if (br != std::string::npos) put(3, set.mode.substr(br + 1));
  put(4, set.minimum);
  put(5, set.q1);
  put(6, set.median);
  put(7, set.q3);
  put(8, set.maximum);
  put(10, set.range);
  put(11, set.iqr);
  if (set.showsStatistics && set.n > 0) {
    put(14, standardDeviationText(set.sumSquares, set.n, true, set.deviationScale, set.decimals));
    put(15, standardDeviationText(set.sumSquares, set.n, false, set.deviationScale, set.decimals));
  }
  put(17, set.percentile);
  return out;
}

std::vector<std::string> wrapWords(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t space = text.find(' ', at);
    const std::string word = text.substr(at, space == std::string::npos ? std::string::npos : space - at);
    at = space == std::string::npos ? text.size() : space + 1;
    if (word.empty()) continue;
    const std::string longer = line.empty() ? word : line + " " + word;
    if (line.empty() || measure(longer) <= width) {
      line = longer;
    } else {
      lines.push_back(line);
      line = word;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace tally
