#pragma once
// The printed page of an analysis: where the set names, the three graphs and the
// statistics table go on a page, and the table's rows. The printout measures the
// fonts and the views and draws; everything it has to work out is here.
#include <string>
#include <vector>

#include "core/NumberText.h"

namespace tally {

// What the layout needs to know. Graph and text sizes are in screen pixels (the
// unit the views and the fonts are measured in); page sizes in device pixels.
struct PageMeasures {
  int graphWidth = 0, graphHeight = 0;  // the Set 1 column graph's whole window
  int thirdWidth = 0, thirdHeight = 0;  // the box plot or percentile graph printed below
  // The printable area: its offset and size on the drawing context.
  int pageLeft = 0, pageTop = 0;
  int pageWidth = 0, pageHeight = 0;
  int screenPpi = 0;
  int printerPpi = 0;
  // Device pixels per printer pixel: 1 on paper, the zoom in a preview.
  double deviceScale = 1;
  int titleWidth = 0, titleHeight = 0;  // "Cat" in the title font
  int lineHeight = 0;                   // "Car" in the body font
  // What stands furthest right: Set 2's name (title font), the widest caption and
  // Set 2's widest value (body font).
  int set2NameWidth = 0, widestLabel = 0, widestSet2Value = 0;
};

struct DeviceOffset {
  int x = 0, y = 0;
};

// Where everything goes. Texts are placed in text units (user scale textScale),
// graphs by their device origins (user scale graphScale).
struct PageLayout {
  bool drawable = false;  // false: nothing is drawn (no size, no resolution, no room)
  double textScale = 0;   // user scale of the names and the table
  double graphScale = 0;  // user scale of the graphs
  // Device origins: the names and the table are drawn from `textOrigin` (in text
  // units below), the graphs each from their own origin.
  DeviceOffset textOrigin;
  DeviceOffset graphOrigin[3];  // Set 1, Set 2, the graph below them
  DeviceOffset tableOrigin;
  // In text units from the text or table origin.
  int nameX[2] = {0, 0};
  int nameY = 0;
  int labelX[2] = {0, 0};  // the two label columns (x1, x2)
  int valueX[2] = {0, 0};  // Set 1's and Set 2's values (colA, colB)
  int headingY = 0;        // "Statistics"
  int firstRowY = 0;       // the "n" row
  int lineHeight = 0;
  // Device extent of everything placed: graphs at their measured sizes and the
  // table down to its last line (its width depends on the texts drawn).
  int graphsBottom = 0;
  int tableBottom = 0;
  int graphsRight = 0;
};

// The user scale that makes one unit of the names and the table one screen pixel,
// before the layout narrows it for a table too wide for the page.
double pageTextScale(const PageMeasures& m);

// The graphs are scaled to fit two widths side by side and three rows of height
// below the names; the scale is then reduced until the table below them also
// fits, and the graphs start below the names. Names and table keep the screen's
// size unless their right end would leave the page; then they shrink to fit.
PageLayout layoutPage(const PageMeasures& m);

// One text of the table on a line (0 = the "n" row).
struct TableText {
  int line = 0;
  std::string text;
  bool operator==(const TableText& o) const { return line == o.line && text == o.text; }
};

// What one set's column of the table reads: the texts its statistic labels show,
// and the numbers behind n and the deviations.
struct PrintedSet {
  bool showsStatistics = false;
  double n = 0;
  double sumSquares = 0;
  double deviationScale = 1;  // as in DataSet
  int decimals = kAutoDecimals;  // of the deviations, as on the page
  std::string mean, mode, minimum, q1, median, q3, maximum, range, iqr;
};

constexpr const char* kPrintHeading = "Statistics";
// The row captions, the same for both sets, in line order.
std::vector<TableText> tableLabels();
// A set's values: n and both deviations only for a set that shows statistics;
// the mode's second line, if any, on the line below it; no empty texts.
std::vector<TableText> tableValues(const PrintedSet& set);

}  // namespace tally
