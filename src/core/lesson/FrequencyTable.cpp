#include "core/lesson/FrequencyTable.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/stats/Statistics.h"

namespace tally {

FrequencyTableRows buildFrequencyTable(const DataSet& set, const SetDisplay& d,
                                       const RefreshInputs& in) {
  FrequencyTableRows table;
  if (!d.hasStatistics) return table;
  const bool histogram = isContinuousType(in.type) && in.histogram.groupSize > 0;
  const Grouping* classes = in.type == AlreadyGroupedContinuous ? &in.classes
                            : histogram                         ? &in.histogram
                                                                : nullptr;
  table.classes = classes != nullptr;
  double inside = 0;
  for (size_t j = 0; j < d.columns.size(); ++j) {
    const WorldPoint& c = d.columns[j];
    FrequencyRow row;
    row.label = classes ? classes->classLabel(static_cast<int>(j)) : valueText(c.x);
    row.frequency = c.y;
    inside += c.y;
    row.cumulative = inside;
    table.rows.push_back(row);
  }
  // Whole observations on both sides: the columns count each pair's whole count.
  const double all = static_cast<double>(observationCount(set));
  table.total = inside;
  if (classes && all > inside) {
    FrequencyRow row;
    row.label = kOutsideClassesLabel;
    row.frequency = all - inside;
    row.cumulative = all;
    row.outside = true;
    table.rows.push_back(row);
    table.total = all;
  }
  for (FrequencyRow& row : table.rows) {
    if (table.total > 0) {
      row.relativePercent = 100 * row.frequency / table.total;
      row.cumulativePercent = 100 * row.cumulative / table.total;
    }
  }
  return table;
}

std::string percentageText(double percent) { return statisticText(percent); }

std::string frequencyTableText(const FrequencyTableRows& table) {
  std::string text = std::string(table.classes ? "Class" : "Value") +
                     "\tFrequency\tRelative frequency (%)\tCumulative frequency\tCumulative %\n";
  for (const FrequencyRow& row : table.rows)
    text += row.label + "\t" + valueText(row.frequency) + "\t" +
            percentageText(row.relativePercent) + "\t" + valueText(row.cumulative) +
            "\t" + percentageText(row.cumulativePercent) + "\n";
  return text;
}

std::string frequencyTablesText(const std::string names[2], const FrequencyTableRows tables[2]) {
  std::string text;
  for (int s = 0; s < 2; ++s) {
    if (tables[s].rows.empty()) continue;
    if (!text.empty()) text += "\n";
    text += names[s] + "\n" + frequencyTableText(tables[s]);
  }
  return text;
}

}  // namespace tally
