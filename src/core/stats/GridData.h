#pragma once
// The data-entry grid as cell texts: reading it into a set for each data type,
// and writing a set back out in each layout.
#include <array>
#include <string>
#include <vector>

#include "core/grid/PasteText.h"
#include "core/stats/DataSet.h"
#include "core/stats/Grouping.h"

namespace tally {

constexpr int kGridRows = 1000;
constexpr int kGridColumns = 2;

using CellRow = std::array<std::string, kGridColumns>;
// Row r of the grid is table[r]; rows past the end of the vector count as empty.
using CellTable = std::vector<CellRow>;

// What reading the grid asks the caller to show.
struct ExtractResult {
  // Frequency cells to rewrite (types 2 and 3): "0" or the rounded frequency.
  std::vector<CellWrite> rewrites;
  // The repeated values (types 2 and 3), one per repeating row in row order;
  // each is one "Value Already Exists" message.
  std::vector<double> duplicates;
};

// Rebuilds (types 0 to 3) or adjusts (type 4, classes of `classes`) the pairs of
// `set` from the cell texts. A cell is a number only when its whole text is one
// finite number.
ExtractResult extractGridData(DataType type, const CellTable& table, const Grouping& classes,
                              DataSet& set);

class CellNumbers;
// The same, with the cells' numbers taken from `numbers` where a cell's text is
// the one they were read from (an edit parses the cells it changed).
ExtractResult extractGridData(DataType type, const CellTable& table, const Grouping& classes,
                              DataSet& set, CellNumbers& numbers);

// The three readers behind extractGridData.
void extractValues(const CellTable& table, DataSet& set);
ExtractResult extractValuesAndFrequencies(const CellTable& table, DataSet& set);
void adjustClasses(const CellTable& table, const Grouping& classes, DataSet& set);

// Sum of the whole counts of the pairs in class k.
double classFrequency(const DataSet& set, const Grouping& g, int k);

const char* const kDuplicateValueTitle = "Value Already Exists";
const char* const kDuplicateValueMessage =
    "The value %s has been added more than once.\nOnly the first frequency value will be "
    "used.\n Please select a new value for the copies.";
// The message (or its translation) with "%s" replaced by the repeated value (valueText).
std::string duplicateValueMessage(double value, const std::string& message = kDuplicateValueMessage);

// A set written out in a layout: the rows from row 0 down (the caller empties the
// rest of the grid), and whether the 1000 grid rows cut ungrouped values short.
struct GridRows {
  std::vector<CellRow> rows;
  bool exceeded = false;
};

GridRows setToGridRows(const DataSet& set, GridLayout layout, const Grouping& classes);

const char* const kRowsExceededTitle = "Exceeded Maximum Number Rows Displayed";
const char* const kRowsExceededMessage =
    "The data when ungrouped exceeds the maximum number of rows of this table.\n"
    "Subsequently, only the first 1000 rows of data are displayed. The data that\n"
    "is not displayed will be deleted if any changes are made to the data in this mode.";

}  // namespace tally
