#pragma once
// The Frequency Table page: one row per value or class of a set with its frequency,
// relative frequency, cumulative frequency and cumulative percentage.
#include <string>
#include <vector>

#include "core/stats/DataSet.h"
#include "core/stats/Refresh.h"

namespace tally {

struct FrequencyRow {
  std::string label;  // the value ("%g"), the class label ("%g - < %g") or kOutsideClassesLabel
  double frequency = 0;
  double cumulative = 0;
  double relativePercent = 0;    // 100 * frequency / total
  double cumulativePercent = 0;  // 100 * cumulative / total
  bool outside = false;          // the closing row of the values outside every class
};

struct FrequencyTableRows {
  bool classes = false;  // rows per class (histogram columns or already grouped classes)
  double total = 0;      // every observation, those outside the classes included
  std::vector<FrequencyRow> rows;
};

constexpr const char* kOutsideClassesLabel = "Outside the classes";

// The rows of one set after a refresh: one per column of its column graph (every
// value of discrete data; every class, empty ones too, of histogram columns or
// already grouped data), then, when some observations lie in no class, one closing
// row with them. No rows for a set that shows no statistics.
FrequencyTableRows buildFrequencyTable(const DataSet& set, const SetDisplay& d,
                                       const RefreshInputs& in);

// A percentage as the page writes statistics ("%.4g", no exponent).
std::string percentageText(double percent);

// The copy text: a header line, then one TAB-separated line per row: label,
// frequency, relative frequency (%), cumulative frequency, cumulative %.
std::string frequencyTableText(const FrequencyTableRows& table);

// The page's copy: for each set with rows its name on a line, then its copy text;
// an empty line between the two sets.
std::string frequencyTablesText(const std::string names[2], const FrequencyTableRows tables[2]);

}  // namespace tally
