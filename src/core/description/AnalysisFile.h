#pragma once
// The analysis file (`.tally`) between the description and the window: what the
// window holds turned into a description to write (describeAnalysis), and a
// description read (with its tables inline or in data files) turned into what the
// window shows (openAnalysis). The report opens descriptions the same way.
#include <optional>
#include <string>

#include "core/description/AnalysisDescription.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/DataSet.h"
#include "core/stats/GridData.h"
#include "core/stats/Grouping.h"

namespace tally {

// A value axis chosen by hand: its range and tick unit.
struct AxisRange {
  double min = 0, max = 0, unit = 0;
  bool operator==(const AxisRange& o) const {
    return min == o.min && max == o.max && unit == o.unit;
  }
};

// What the window holds of an analysis, as an analysis file keeps it.
struct AnalysisContent {
  std::string names[2] = {"Set 1", "Set 2"};
  DataType type = UngroupedDiscrete;
  // Each set's cells as the grid shows them in layoutForType(type), as typed;
  // under already grouped data column 0 holds the class labels.
  CellTable tables[2];
  Grouping classes;                       // the class grouping dialog
  std::optional<Grouping> histogram;      // unset: the histogram columns follow the data
  std::optional<double> columnWidth;      // unset: not chosen (the bars fitted to the data)
  int percentile[2] = {50, 50};
  bool sampleStdDev = false;
  std::optional<int> decimals;            // -1 auto, 0 to 6; unset: not kept
  std::optional<AxisRange> axes[3];       // by AxisPage; unset: fitted to the data
};

// The description that writes `content`: every element it holds marked given,
// names folded as the reader folds them (an empty one gives the default name),
// each table as its data-file text with a TAB, CR or LF inside a cell written as
// a space and cells cut to kMaxCellCharacters, so that the table reads back cell
// for cell. The histogram following the data is written as fitHistogram 1.
AnalysisDescription describeAnalysis(const AnalysisContent& content);

// A set's inline table: rows end at LF, CR LF or CR, cells at TAB; a cell that
// starts with '"' is quoted as dataFileText quotes it; one leading byte-order mark
// is dropped. Nothing is guessed (no header line, separator or decimal comma):
// the cells are the text's, the first kGridRows rows and kGridColumns columns,
// each cut to kMaxCellCharacters characters. Always kGridRows rows.
CellTable dataTextTable(const std::string& text);

// The table's data-file text as describeAnalysis writes it.
std::string tableDataText(const CellTable& table);

// The analysis a description sets up, as the window opens it.
struct OpenedAnalysis {
  AnalysisContent content;
  // Each set as extractGridData builds it from its source.
  DataSet sets[2];
  // The values of types 2 and 3 repeated in a set's table, one per row, in row
  // order (the "Value Already Exists" messages).
  std::vector<double> duplicates[2];
  // A set file that could not be read, or holds no numbers: the problem and the
  // message (DataImport's); that set stays empty and the rest is applied.
  DataImport::Problem problem[2] = {DataImport::None, DataImport::None};
  std::string error[2];
  std::string files[2];  // the set files read (full paths), empty for inline data
};

// Each set's table comes from its inline data (setNData) when given, else from its
// file (Set 2's file only when Set 1 has data or a file), read in the
// description's type as Load Data reads it then: values under types 0 and 1,
// value and frequency under 2 and 3, class frequencies beside the labels under 4.
// A file with no frequencies (types 2 and 3: no row with a number in both
// columns; type 4: no number in column 1) is read as before, one value per line,
// and shown in the type's layout with the counted frequencies. Inline data are
// the table itself, always read in the type. A name the description does not give
// is the file's header when it has one. Given values are applied even when they
// equal the defaults: a given grouping sets the histogram (it no longer follows
// the data), a given colWidth is chosen (its integer part).
OpenedAnalysis openAnalysis(const AnalysisDescription& description);

}  // namespace tally
