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
  const double w = m.graphWidth, h = m.graphHeight;
  const double pw = m.pageWidth, ph = m.pageHeight;
  if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0 || m.screenPpi <= 0 || m.printerPpi <= 0 ||
      !(m.deviceScale > 0) || !std::isfinite(m.deviceScale))
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
  out.headingY = top + ch;
  out.firstRowY = out.headingY + 2 * ch;
  out.lineHeight = lh;

  // Two units spare: a glyph's smoothed edge may stand a pixel beyond its extent.
  const double rightEnd = 2 + std::max({out.nameX[1] + m.set2NameWidth,
                                        out.labelX[1] + m.widestLabel,
                                        out.valueX[1] + m.widestSet2Value});
  double r = pageTextScale(m);
  r = std::min(r, static_cast<double>(static_cast<float>(pw / rightEnd)));
  const double gap = 0.2 * std::max(w, h);

  // Two widths plus 20 % side by side, three heights plus 20 % stacked.
  double s = std::min(pw / (2 * w * 1.2f), ph / (3 * h * 1.2f));
  // The graph below is drawn at its own size: it must not run off the right edge...
  const double blockRight = std::max(2.2 * w, 0.1 * w + std::max(0, m.thirdWidth));
  s = std::min(s, pw / (2 * (blockRight - w)));
  // ...nor into the table, which must end on the page. The graphs start below
  // the gap or below the names, whichever is lower.
  const double rows = std::max(2.1 * h, 1.1 * h + std::max(0, m.thirdHeight));
  const double namesBottom = r * (top + 2.0 * ch);
  const double tableHeight = r * (top + 3.0 * ch + 16.0 * lh);
  // One pixel spare for rounding each origin down and each extent up.
  const double room = ph - tableHeight - 1;
  s = std::min({s, room / (gap + rows), (room - namesBottom) / rows});
  if (!(s > 0) || !std::isfinite(s)) return out;
  s = static_cast<float>(s);

  out.drawable = true;
  out.textScale = r;
  out.graphScale = s;
  const double xm = (pw - 2 * w * s) * 0.5;
  const double graphTop = std::max(gap * s, namesBottom);
  const int left = m.pageLeft, y0 = m.pageTop;
  out.textOrigin = {left, y0};
  out.graphOrigin[0] = {left + static_cast<int>(xm), y0 + static_cast<int>(graphTop)};
  out.graphOrigin[1] = {left + static_cast<int>(w * 1.2 * s + xm), y0 + static_cast<int>(graphTop)};
  out.graphOrigin[2] = {left + static_cast<int>(0.1 * w * s + xm),
                        y0 + static_cast<int>(1.1 * h * s + graphTop)};
  out.tableOrigin = {left, y0 + static_cast<int>(graphTop + rows * s)};

  const int columnBottom = out.graphOrigin[0].y + static_cast<int>(std::ceil(h * s));
  const int thirdBottom =
      out.graphOrigin[2].y + static_cast<int>(std::ceil(std::max(0, m.thirdHeight) * s));
  out.graphsBottom = std::max(columnBottom, thirdBottom);
  out.graphsRight = std::max(out.graphOrigin[1].x + static_cast<int>(std::ceil(w * s)),
                             out.graphOrigin[2].x +
                                 static_cast<int>(std::ceil(std::max(0, m.thirdWidth) * s)));
  out.tableBottom =
      out.tableOrigin.y + static_cast<int>(std::ceil(r * (out.firstRowY + 16.0 * lh)));
  return out;
}

std::vector<TableText> tableLabels() {
  return {{0, "n"},       {1, "Mean"},   {2, "Mode(s)"}, {4, "Minimum"},
          {5, "Q1"},      {6, "Median"}, {7, "Q3"},      {8, "Maximum"},
          {10, "Range"},  {11, "IQR"},   {13, "Standard Deviation:"},
          {14, "(sample)"}, {15, "(population)"}};
}

std::vector<TableText> tableValues(const PrintedSet& set) {
  std::vector<TableText> out;
  auto put = [&out](int line, const std::string& text) {
    if (!text.empty()) out.push_back({line, text});
  };
  // A blanked set keeps the count and sum of squares of its last refresh;
  // printing them would show numbers the window no longer shows.
  if (set.showsStatistics) put(0, valueText(set.n));
  put(1, set.mean);
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
  return out;
}

}  // namespace tally
