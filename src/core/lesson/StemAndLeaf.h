#pragma once
// The stem-and-leaf plot of one or two sets, back to back: Set 1's leaves to the
// left of the stems, Set 2's to the right, as textbooks draw it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/stats/DataSet.h"

namespace tally {

// One line of the plot: a stem (or half a stem when split) with how many leaves of
// each digit each set has on it.
struct StemLine {
  std::string stem;  // "4", "0", "-0", "-12"
  // leaves[s][digit]: how many observations of set s end in that digit here.
  std::array<std::array<std::uint64_t, 10>, 2> leaves{};
};

struct StemAndLeafPlot {
  int leafExponent = 0;  // the leaf unit is 10^leafExponent
  bool split = false;
  std::vector<StemLine> lines;  // from the lowest stem to the highest, empty ones too
  // The key "4 | 3 means 43", from a leaf of the data.
  std::string keyStem, keyLeaf, keyValue;
  bool empty() const { return lines.empty(); }
};

// Most stems a plot has: the leaf unit is the smallest power of ten at which the
// data span at most this many stems (before splitting).
constexpr int kMaxStems = 20;
// Beyond this many observations of a set a line lists its leaf count "(N)" instead
// of the leaves.
constexpr std::uint64_t kMaxLeavesListed = 10000;
// The window's page counts the leaves of a larger set than this: back to back, the
// leaves of a few hundred values would push the stems out of sight.
constexpr std::uint64_t kMaxLeavesShown = 100;

// The plot of `first` (left) and `second` (right; may be null) over their whole
// counts. Values are truncated to the leaf unit, never rounded; negative values
// take the stems "-0", "-1", ... (-0.1 to -9 on "-0" at unit 1). With `split` each
// stem gives two lines, leaves 0-4 and 5-9, in value order, from the lowest half
// holding a leaf to the highest. The leaf unit is no
// finer than the data's own last decimal place, nor finer than 1 for whole numbers.
// Empty when neither set holds an observation.
StemAndLeafPlot buildStemAndLeaf(const DataSet* first, const DataSet* second, bool split);

// One set's plot as the report prints it: one line per stem "STEM | L L L" (leaves
// ascending, single digits separated by single spaces; "STEM |" on an empty stem),
// then "Key: STEM | LEAF means VALUE".
std::string stemAndLeafText(const StemAndLeafPlot& plot, int side);

// Both sets back to back, for the page's copy: "L L L | STEM | L L L", the left
// leaves ascending outward (right to left), stems lined up, then the key line.
std::string backToBackText(const StemAndLeafPlot& plot,
                           std::uint64_t maxListed = kMaxLeavesListed);
// The same under a line naming the sets over their leaves: the first name ending
// where the left leaves end, the second starting where the right leaves start (the
// plot moves right when the first name is the wider).
std::string backToBackText(const StemAndLeafPlot& plot, const std::string& leftName,
                           const std::string& rightName,
                           std::uint64_t maxListed = kMaxLeavesListed);

// The leaves of one side of a line, ascending: "1 3 3 7" ("(N)" for a set above
// `maxListed` observations, given its total).
std::string leafText(const StemLine& line, int side, std::uint64_t setTotal,
                     std::uint64_t maxListed = kMaxLeavesListed);

}  // namespace tally
