#include "core/stats/Outside.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"

namespace tally {
namespace {

const char* kindWord(GroupingKind kind) {
  return kind == HistogramColumns ? "columns" : "classes";
}

std::string countText(double count) {
  return valueText(count) + (count == 1 ? " value" : " values");
}

// "20, 21" or "1, 1, 2, 3, 4 and 2 more": each observation once.
std::string listText(const OutsideValues& outside) {
  std::string list;
  double listed = 0;
  for (const FrequencyPair& p : outside.values) {
    for (double k = 0; k < p.frequency && listed < kListedOutside; ++k, ++listed)
      list += (list.empty() ? "" : ", ") + valueText(p.value);
    if (listed >= kListedOutside) break;
  }
  const double more = outside.count - listed;
  if (more > 0) list += " and " + valueText(more) + " more";
  return list;
}

}  // namespace

OutsideValues valuesOutside(const DataSet& set, const Grouping& g) {
  OutsideValues out;
  // Whether the classes are usable is the same for every value: asked once.
  const bool usable = g.usable();
  for (const FrequencyPair& p : set.pairs) {
    const double f = wholeCount(p.frequency);
    if (f <= 0 || (usable && g.locate(p.value) >= 0)) continue;
    out.values.push_back({p.value, f});
    out.count += f;
  }
  std::stable_sort(out.values.begin(), out.values.end(),
                   [](const FrequencyPair& a, const FrequencyPair& b) { return a.value < b.value; });
  return out;
}

std::string outsideText(const OutsideValues& outside, GroupingKind kind) {
  if (outside.empty()) return std::string();
  return countText(outside.count) + " outside the " + kindWord(kind) + ": " + listText(outside);
}

std::string outsideReportLine(const std::string& setName, const OutsideValues& outside,
                              GroupingKind kind) {
  if (outside.empty()) return std::string();
  return setName + ": " + countText(outside.count) + " outside the " + kindWord(kind) + " (" +
         listText(outside) + ")";
}

std::string widenClassesQuestion(double outsideCount) {
  // "1 value lies ... hold it?", "2 values lie ... hold them?"
  if (outsideCount == 1)
    return countText(outsideCount) + " lies outside these classes. Widen the classes to hold it?";
  return countText(outsideCount) + " lie outside these classes. Widen the classes to hold them?";
}

std::optional<Grouping> widenedClasses(const Grouping& g, const DataSet& set1,
                                       const DataSet& set2) {
  if (!g.usable()) return std::nullopt;
  bool any = false;
  double lo = 0, hi = 0;
  for (const DataSet* set : {&set1, &set2})
    for (const FrequencyPair& p : set->pairs) {
      if (!std::isfinite(p.value) || wholeCount(p.frequency) <= 0) continue;
      lo = any ? std::min(lo, p.value) : p.value;
      hi = any ? std::max(hi, p.value) : p.value;
      any = true;
    }
  Grouping w = g;
  if (!any) return w;
  const int maxCount = std::max(kMaxClasses, g.groupCount);
  // Whole sizes below the start: computed, then corrected by the class test, so
  // that a value a rounding away from a bound lands where classOf puts it.
  if (w.classOf(lo) < 0 && lo < w.startValue) {
    const double steps = std::ceil((w.startValue - lo) / w.groupSize);
    if (!(steps + w.groupCount <= maxCount)) return std::nullopt;
    w.startValue = g.startValue - steps * g.groupSize;
    w.groupCount += static_cast<int>(steps);
    while (w.classOf(lo) < 0 && w.groupCount < maxCount) {
      w.startValue -= g.groupSize;
      ++w.groupCount;
    }
  }
  if (w.classOf(hi) < 0 && hi >= w.startValue) {
    const double needed = std::floor((hi - w.startValue) / w.groupSize) + 1;
    if (!(needed <= maxCount)) return std::nullopt;
    w.groupCount = std::max(w.groupCount, static_cast<int>(needed));
    while (w.classOf(hi) < 0 && w.groupCount < maxCount) ++w.groupCount;
  }
  if (!w.usable() || w.classOf(lo) < 0 || w.classOf(hi) < 0) return std::nullopt;
  return w;
}

}  // namespace tally
