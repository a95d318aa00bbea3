#pragma once
// The printed page of an analysis: where the set names, the three graphs and the
// statistics table go on a page, and the table's rows. The printout measures the
// fonts and draws; everything it has to work out is here.
//
// Every text is printed at its own point size whatever the window's size: one
// unit of the names, the table and the graphs is one screen pixel (1/96 inch at
// a 96 dpi screen), so a 10-point font prints at 10 points. The graphs are not
// the window's pictures scaled down: each is laid out anew at the size of its box
// on the paper, in those units.
#include <functional>
#include <string>
#include <vector>

#include "core/NumberText.h"

namespace tally {

// What the layout needs to know. Text sizes are in screen pixels (the unit the
// fonts are measured in); page sizes in device pixels.
struct PageMeasures {
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
  // Set 2's widest value (body font; a value wider than its column is wrapped
  // into it and counts as the column's width).
  int set2NameWidth = 0, widestLabel = 0, widestSet2Value = 0;
};

struct DeviceOffset {
  int x = 0, y = 0;
};

// Lines of the table from the "n" row to the percentile row.
constexpr int kTableLines = 18;
// The table's text may shrink to fit a narrow page, but no further than this
// fraction of its size: the body font's 10 points stay 7.
constexpr double kLeastTextShrink = 0.7;
// The graphs' texts on paper, in points: tick labels, and the markers' texts of
// the ogive (names and axis captions are two points larger than tick labels).
constexpr int kPrintedGraphFont = 8;
constexpr int kPrintedMarkerFont = 9;

// Where everything goes. Texts are placed in text units (user scale textScale),
// graphs by their device origins (user scale graphScale), each laid out at its
// view size and clipped to it.
struct PageLayout {
  bool drawable = false;  // false: nothing is drawn (no size, no resolution, no room)
  double textScale = 0;   // user scale of the names and the table
  double graphScale = 0;  // user scale of the graphs
  // Device origins: the names and the table are drawn from `textOrigin` (in text
  // units below), the graphs each from their own origin.
  DeviceOffset textOrigin;
  DeviceOffset graphOrigin[3];  // Set 1, Set 2, the graph below them
  // Each graph's size in graph units (its client area while printed); its box on
  // the device is this times graphScale from its origin.
  int viewWidth[3] = {0, 0, 0};
  int viewHeight[3] = {0, 0, 0};
  DeviceOffset tableOrigin;
  // The third graph beside the table rather than above it (a landscape page).
  bool thirdBesideTable = false;
  // In text units from the text or table origin.
  int nameX[2] = {0, 0};
  int nameY = 0;
  int labelX[2] = {0, 0};  // the two label columns (x1, x2)
  int valueX[2] = {0, 0};  // Set 1's and Set 2's values (colA, colB)
  int valueWidth = 0;      // room of a value column before the next caption
  int headingY = 0;        // "Statistics"
  int firstRowY = 0;       // the "n" row
  int lineHeight = 0;
  // Device extent of everything placed.
  int graphsBottom = 0;
  int tableBottom = 0;
  int tableRight = 0;
  int graphsRight = 0;
};

// The user scale that makes one unit of the names, the table and the graphs one
// screen pixel.
double pageTextScale(const PageMeasures& m);

// Names at the top, the two column graphs side by side below them, then the
// third graph and the table: on a portrait page the third graph spans the page
// above the table; on a page wider than tall it stands left of the table when
// that leaves it a quarter of the width. The graphs share the height the names
// and the table leave. Names and table keep their size unless their right end
// would leave the page; then they shrink to fit, down to kLeastTextShrink.
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
  std::string mean, mode, minimum, q1, median, q3, maximum, range, iqr, percentile;
  // A set of one or two distinct values: its n as the window shows it and the
  // reason there are no statistics, on the mean's line and below.
  std::string shownN, reason;
};

constexpr const char* kPrintHeading = "Statistics";
// The row captions of a set's column, in line order; the percentile row names
// the set's own p: "Percentile (p = 50)".
std::vector<TableText> tableLabels(int percentile);
// A set's values: n and both deviations only for a set that shows statistics;
// the mode's second line, if any, on the line below it; no empty texts.
std::vector<TableText> tableValues(const PrintedSet& set);

// The text broken at spaces into lines no wider than `width` by `measure`; a
// word wider than that stands on a line of its own.
std::vector<std::string> wrapWords(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure);

}  // namespace tally
