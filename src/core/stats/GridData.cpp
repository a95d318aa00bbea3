#include "core/stats/GridData.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/NumberText.h"
#include "core/stats/CellNumbers.h"

namespace tally {
namespace {

bool cellNumber(const CellTable& table, int row, int col, double& v) {
  if (row < 0 || row >= static_cast<int>(table.size())) return false;
  return parseNumber(table[row][col], v);
}

// Where each value read so far stands among the set's pairs: a thousand rows
// would otherwise search the pairs a thousand times. Equal as doubles compare
// (0 and -0 are one value), as the pairs are compared. Open addressing in one
// array: a node per value would cost more than the rest of the reading.
class PairIndex {
 public:
  explicit PairIndex(DataSet& set) : set(set) { reindex(); }
  FrequencyPair* find(double v) {
    if (slots.empty()) return nullptr;
    for (size_t i = home(v);; i = (i + 1) & mask()) {
      if (slots[i] == 0) return nullptr;
      FrequencyPair& p = set.pairs[slots[i] - 1];
      if (p.value == v) return &p;
    }
  }
  void add(double v, double frequency) {
    set.pairs.push_back({v, frequency});
    // At most half full, so that a search soon meets an empty slot.
    if (2 * set.pairs.size() > slots.size())
      reindex();
    else
      put(v, set.pairs.size() - 1);
  }

 private:
  static size_t slotsFor(size_t count) {
    size_t n = 64;
    while (n < 4 * count) n *= 2;
    return n;
  }
  size_t mask() const { return slots.size() - 1; }
  size_t home(double v) const {
    // 0 and -0 are one value: both hash as 0.
    uint64_t bits = 0;
    if (v != 0) std::memcpy(&bits, &v, sizeof bits);
    return static_cast<size_t>((bits * 0x9E3779B97F4A7C15ull) >> 32) & mask();
  }
  void put(double v, size_t k) {
    size_t i = home(v);
    while (slots[i] != 0) i = (i + 1) & mask();
    slots[i] = static_cast<uint32_t>(k + 1);
  }
  void reindex() {
    slots.assign(slotsFor(set.pairs.size()), 0);
    for (size_t k = 0; k < set.pairs.size(); ++k) put(set.pairs[k].value, k);
  }

  DataSet& set;
  std::vector<uint32_t> slots;  // a pair's position + 1, or 0 for none
};

int rowCount(const CellTable& table) {
  return table.size() < static_cast<size_t>(kGridRows) ? static_cast<int>(table.size())
                                                       : kGridRows;
}

std::string countText(double whole) {
  if (whole >= INT_MIN && whole <= INT_MAX) return formatInt("%d", static_cast<int>(whole));
  // Beyond int the same digits without a cast that would overflow.
  return formatNumber("%.0f", whole);
}


// The readers, with the cells' numbers read by `cellNumber(table, row, col, v)`.
template <typename Number>
void readValues(const CellTable& table, DataSet& set, Number cellNumber) {
  set.pairs.clear();
  PairIndex index(set);
  for (int r = 0; r < rowCount(table); ++r) {
    double v;
    if (!cellNumber(table, r, 0, v)) continue;
    if (FrequencyPair* p = index.find(v))
      p->frequency += 1;
    else
      index.add(v, 1);
  }
}

template <typename Number>
ExtractResult readValuesAndFrequencies(const CellTable& table, DataSet& set, Number cellNumber) {
  ExtractResult result;
  set.pairs.clear();
  PairIndex index(set);
  for (int r = 0; r < rowCount(table); ++r) {
    double v, f;
    if (!cellNumber(table, r, 0, v) || !cellNumber(table, r, 1, f)) continue;
    // Beyond 2^53 a frequency no longer counts whole observations: no number.
    if (f > kLargestCount) continue;
    // Frequencies are whole counts; one that rounds to nothing is no observation
    // and must not put its value into the set.
    double rounded = f > 0 ? std::floor(f + 0.5) : 0;
    if (rounded <= 0) {
      result.rewrites.push_back({r, 1, "0"});
      continue;
    }
    if (index.find(v)) {
      result.duplicates.push_back(v);
      continue;
    }
    result.rewrites.push_back({r, 1, exactText(rounded)});
    index.add(v, rounded);
  }
  return result;
}

template <typename Number>
void readClasses(const CellTable& table, const Grouping& classes, DataSet& set,
                 Number cellNumber) {
  // Without usable classes no value can ever fall inside one, and an appended
  // lower bound would be appended again on every change.
  if (!classes.usable()) return;
  auto& pairs = set.pairs;
  // The class of each pair, decided once and kept in step with the pairs; and
  // each class's pairs and whole count, so that only the classes whose cell
  // disagrees are searched.
  std::vector<int> classOfPair;
  classOfPair.reserve(pairs.size());
  std::vector<double> counted(static_cast<size_t>(classes.classes()), 0);
  std::vector<size_t> members(static_cast<size_t>(classes.classes()), 0);
  for (const auto& p : pairs) {
    const int k = classes.locate(p.value);
    classOfPair.push_back(k);
    if (k >= 0 && k < classes.classes()) {
      counted[static_cast<size_t>(k)] += wholeCount(p.frequency);
      ++members[static_cast<size_t>(k)];
    }
  }
  auto erase = [&](size_t i) {
    pairs.erase(pairs.begin() + static_cast<long>(i));
    classOfPair.erase(classOfPair.begin() + static_cast<long>(i));
  };
  // Changing class k's pairs leaves the other classes' counts as they were.
  for (int k = 0; k < classes.classes(); ++k) {
    double f;
    // Frequencies count as whole numbers, in the cell as in the pairs: comparing
    // or adding a fraction would move the class on edits elsewhere.
    const double F = cellNumber(table, k, 1, f) ? wholeCount(f) : 0;
    const double s = counted[static_cast<size_t>(k)];
    if (F <= 0) {
      if (members[static_cast<size_t>(k)] == 0) continue;
      for (size_t i = pairs.size(); i-- > 0;)
        if (classOfPair[i] == k) erase(i);
      continue;
    }
    if (F > s) {
      // The whole count rises by F - s; the fraction typed is kept, as typed.
      const double fraction = f - std::trunc(f);
      size_t i = 0;
      if (members[static_cast<size_t>(k)] > 0)
        while (i < pairs.size() && classOfPair[i] != k) ++i;
      else
        i = pairs.size();
      if (i < pairs.size()) {
        pairs[i].frequency = wholeCount(pairs[i].frequency) + (F - s) + fraction;
      } else {
        pairs.push_back({classes.lower(k), f});
        classOfPair.push_back(k);
      }
    } else if (F < s) {
      double excess = s - F;
      for (size_t i = 0; i < pairs.size() && excess > 0;) {
        if (classOfPair[i] != k) {
          ++i;
          continue;
        }
        const double whole = wholeCount(pairs[i].frequency);
        if (excess >= whole) {
          excess -= whole;
          erase(i);
        } else {
          pairs[i].frequency -= excess;
          break;
        }
      }
    }
  }
}

template <typename Number>
ExtractResult readGrid(DataType type, const CellTable& table, const Grouping& classes,
                       DataSet& set, Number cellNumber) {
  switch (type) {
    case GroupedDiscrete:
    case GroupedContinuous:
      return readValuesAndFrequencies(table, set, cellNumber);
    case AlreadyGroupedContinuous:
      readClasses(table, classes, set, cellNumber);
      return {};
    default:
      readValues(table, set, cellNumber);
      return {};
  }
}

}  // namespace

void extractValues(const CellTable& table, DataSet& set) { readValues(table, set, cellNumber); }

ExtractResult extractValuesAndFrequencies(const CellTable& table, DataSet& set) {
  return readValuesAndFrequencies(table, set, cellNumber);
}

void adjustClasses(const CellTable& table, const Grouping& classes, DataSet& set) {
  readClasses(table, classes, set, cellNumber);
}

ExtractResult extractGridData(DataType type, const CellTable& table, const Grouping& classes,
                              DataSet& set) {
  return readGrid(type, table, classes, set, cellNumber);
}

ExtractResult extractGridData(DataType type, const CellTable& table, const Grouping& classes,
                              DataSet& set, CellNumbers& numbers) {
  return readGrid(type, table, classes, set,
                  [&numbers](const CellTable& t, int row, int col, double& v) {
                    return numbers.number(t, row, col, v);
                  });
}

double classFrequency(const DataSet& set, const Grouping& g, int k) {
  if (k < 0 || !g.usable()) return 0;
  double s = 0;
  for (const auto& p : set.pairs)
    if (g.locate(p.value) == k) s += wholeCount(p.frequency);
  return s;
}

std::string duplicateValueMessage(double value, const std::string& message) {
  std::string text = message;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, valueText(value));
  return text;
}

GridRows setToGridRows(const DataSet& set, GridLayout layout, const Grouping& classes) {
  GridRows out;
  switch (layout) {
    case ValuesOnly:
      for (const auto& p : set.pairs) {
        std::string text = exactText(p.value);
        // One row per observation the pair counts for: 2.5 gives 2 rows, so that
        // a change of data type never changes n.
        const double rows = wholeCount(p.frequency);
        for (double j = 0; j < rows; ++j) {
          if (static_cast<int>(out.rows.size()) >= kGridRows) {
            out.exceeded = true;
            return out;
          }
          out.rows.push_back({text, ""});
        }
      }
      break;
    case ValueAndFrequency:
      for (const auto& p : set.pairs) {
        if (static_cast<int>(out.rows.size()) >= kGridRows) break;
        out.rows.push_back({exactText(p.value), exactText(wholeCount(p.frequency))});
      }
      break;
    case Classes: {
      const std::vector<double> h = classFrequencies(set.pairs, classes);
      for (int k = 0; k < classes.classes() && k < kGridRows; ++k)
        out.rows.push_back({classes.classLabel(k), countText(h[static_cast<size_t>(k)])});
      break;
    }
  }
  return out;
}

}  // namespace tally
