#pragma once
// What an analysis description (a `.tally` file) sets up: the set names, each
// set's table (inline as data-file text, or a data file), the data type, the
// column width, the class grouping and the histogram columns, the percentiles
// and the deviation choice. Auto Data takes the column width and the grouping
// from it again later.
#include <set>
#include <string>

namespace tally {

struct AnalysisDescription {
  // Directory of the description file with a trailing separator; relative set
  // file names are read from there.
  std::string directory;
  std::string set1Name = "Set 1";
  std::string set1File;
  std::string set2Name = "Set 2";
  std::string set2File;
  // A set's table as the data file's text (TAB between the columns, LF after each
  // row), kept exactly; given, it wins over the set's file.
  std::string set1Data;
  std::string set2Data;
  int type = 0;
  double colWidth = 1.0;
  // The class grouping; the histogram columns too unless histogramStart,
  // histogramSize or histogramNumber is given, or fitHistogram is 1.
  double start = 0;
  double size = 1.0;
  int number = 10;
  double histogramStart = 0;
  double histogramSize = 1.0;
  int histogramNumber = 10;
  // The histogram columns follow the data whatever the grouping elements say.
  bool fitHistogram = false;
  int set1Percentile = 50;
  int set2Percentile = 50;
  bool sampleStdDev = false;
  // Kept for the Statistics page's decimals choice: -1 "auto", else 0 to 6.
  int decimals = -1;
  // Kept for the value axes of the graph pages: the column graphs, the box plot
  // and the ogive (index kColumnAxis, kBoxAxis, kOgiveAxis), each its range and
  // tick unit.
  double axisMin[3] = {0, 0, 0};
  double axisMax[3] = {0, 0, 0};
  double axisUnit[3] = {0, 0, 0};

  // The elements the document gave (by element name), valid or applied, even
  // when a value equals its default: a given value is applied as given, an
  // element not given leaves the window's own choice (a fitted histogram, a
  // fitted column width) in place.
  std::set<std::string> given;
  bool has(const std::string& element) const { return given.count(element) > 0; }
};

enum AxisPage { kColumnAxis = 0, kBoxAxis = 1, kOgiveAxis = 2 };

}  // namespace tally
