#pragma once
// The Working page: how each statistic of a set was found, step by step with the
// set's own numbers, each step ending in the text the Statistics page shows.
#include <cstdint>
#include <string>
#include <vector>

#include "core/stats/DataSet.h"
#include "core/stats/Refresh.h"

namespace tally {

// Up to this many values (classes) the deviations are tabled one by one.
constexpr size_t kMaxTabledValues = 30;
// Up to this many observations the ordered data are listed whole; beyond, only the
// positions the quartiles and the percentile use.
constexpr std::uint64_t kMaxListedObservations = 60;
// What the Statistics page shows for a set of one or two different values.
constexpr const char* kTooFewValuesText = "At least three different values are needed";

// The working of one set after refreshAnalysis (`set` sorted by it, `d` its result,
// `index` 0 or 1 for the set's percentile), one entry per line without line ends:
// section headings, their steps indented by two spaces, table rows TAB-separated.
// Ungrouped data: count and sums, mean, both standard deviations (with a table of
// the deviations for at most kMaxTabledValues values), the ordered data, median and
// quartiles by halves, the percentile by its rank (n - 1)p/100 + 1, range, IQR,
// fences and outliers, modes. Already grouped data: the same from the class
// midpoints and frequencies, the quantiles by L + (N p/100 - F) / f * h.
// One line for a set of too few values; no lines for a set without data.
std::vector<std::string> setWorking(const DataSet& set, const SetDisplay& d,
                                    const RefreshInputs& in, int index);

// The set's name on a line of its own, then its working, each line ending "\n".
std::string workingText(const std::string& name, const std::vector<std::string>& lines);

// The lines for a fixed-width font: each run of TAB-separated lines becomes a table
// whose columns line up, two blanks apart, every column as wide as its widest cell
// (counted in letters, not bytes: "Σ" and "−" take one place each).
std::vector<std::string> alignedLines(const std::vector<std::string>& lines);

}  // namespace tally
