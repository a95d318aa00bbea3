#pragma once
// What a teacher's analysis description sets up: the set names, a data file for
// each set, the data type, the column width and the grouping of both grouping
// dialogs. Auto Data takes the column width and the grouping from it again later.
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
  int type = 0;
  double colWidth = 1.0;
  double start = 0;
  double size = 1.0;
  int number = 10;
};

}  // namespace tally
