#include "core/stats/Report.h"

#include "core/NumberText.h"
#include "core/lesson/FrequencyTable.h"
#include "core/lesson/MoreStatistics.h"
#include "core/lesson/StemAndLeaf.h"
#include "core/lesson/Working.h"
#include "core/stats/Outside.h"
#include "core/stats/Statistics.h"

// The report's sections after the refresh: the frequency table, the "More" rows,
// the stem-and-leaf plots, the working and the notes of values outside a grouping.
namespace tally {

std::string frequencyTable(const RefreshResult& result, const RefreshInputs& in) {
  const bool histogram = isContinuousType(in.type) && in.histogram.groupSize > 0;
  const Grouping* classes = in.type == AlreadyGroupedContinuous ? &in.classes
                            : histogram                         ? &in.histogram
                                                                : nullptr;
  std::string table;
  for (int s = 0; s < 2; ++s) {
    const SetDisplay& d = result.sets[s];
    if (!d.hasStatistics) continue;
    const std::string name = kDefaultSetNames[s];
    double cumulative = 0;
    for (size_t j = 0; j < d.columns.size(); ++j) {
      const auto& c = d.columns[j];
      cumulative += c.y;
      const std::string what =
          classes ? classes->classLabel(static_cast<int>(j)) : valueText(c.x);
      table += name + "\t" + what + "\t" + valueText(c.y) + "\t" + valueText(cumulative) + "\n";
    }
  }
  return table;
}

std::string frequencyTableWithPercentages(const DataSet sets[2], const RefreshResult& result,
                                          const RefreshInputs& in, const std::string& name1,
                                          const std::string& name2) {
  std::string table;
  for (int s = 0; s < 2; ++s) {
    const FrequencyTableRows rows = buildFrequencyTable(sets[s], result.sets[s], in);
    for (const FrequencyRow& row : rows.rows) {
      // The lines stay those of the column graph; the percentages count every observation.
      if (row.outside) continue;
      table += (s == 0 ? name1 : name2) + "\t" + row.label + "\t" + valueText(row.frequency) +
               "\t" + valueText(row.cumulative) + "\t" +
               percentageText(row.relativePercent) + "\t" +
               percentageText(row.cumulativePercent) + "\n";
    }
  }
  return table;
}

std::string moreRows(const DataSet sets[2], const RefreshResult& result, DataType type,
                     int decimals) {
  const MoreLabels a = moreStatistics(sets[0], result.sets[0], type, decimals);
  const MoreLabels b = moreStatistics(sets[1], result.sets[1], type, decimals);
  std::string rows;
  auto row = [&](const std::string& caption, const std::string MoreLabels::*field) {
    rows += caption + "\t" + a.*field + "\t" + b.*field + "\n";
  };
  row(kSumXCaption, &MoreLabels::sumX);
  row(kSumX2Caption, &MoreLabels::sumX2);
  row(standardDeviationCaption(true), &MoreLabels::sampleStdDev);
  row(standardDeviationCaption(false), &MoreLabels::populationStdDev);
  row(kDistinctValuesCaption, &MoreLabels::distinctValues);
  return rows;
}

std::string stemAndLeafReport(const DataSet sets[2], const RefreshResult& result,
                              const RefreshInputs& in, bool split, const std::string& name1,
                              const std::string& name2) {
  if (in.type == AlreadyGroupedContinuous) return std::string();
  std::string text;
  for (int s = 0; s < 2; ++s) {
    if (!result.sets[s].hasStatistics) continue;
    const StemAndLeafPlot plot = buildStemAndLeaf(&sets[s], nullptr, split);
    if (plot.empty()) continue;
    text += (s == 0 ? name1 : name2) + "\n" + stemAndLeafText(plot, 0);
  }
  return text;
}

std::string workingReport(const DataSet sets[2], const RefreshResult& result,
                          const RefreshInputs& in, const std::string& name1,
                          const std::string& name2) {
  std::string text;
  for (int s = 0; s < 2; ++s) {
    const std::vector<std::string> lines = setWorking(sets[s], result.sets[s], in, s);
    if (lines.empty()) continue;
    if (!text.empty()) text += "\n";
    text += workingText(s == 0 ? name1 : name2, lines);
  }
  return text;
}

std::string reportOutput(const ReportOptions& o, const DataSet sets[2], const RefreshResult& result,
                         const RefreshInputs& in, const std::string& name1,
                         const std::string& name2) {
  if (!o.frequencyTable && !o.stemAndLeaf && !o.working) {
    std::string page = statisticsPage(result, in.sampleStdDev, in.percentile[0], in.percentile[1],
                                      name1, name2);
    if (o.more) page += moreRows(sets, result, in.type, in.decimals);
    return page;
  }
  std::string text;
  auto section = [&](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += "\n";
    text += part;
  };
  if (o.frequencyTable) section(frequencyTableWithPercentages(sets, result, in, name1, name2));
  if (o.stemAndLeaf) section(stemAndLeafReport(sets, result, in, o.splitStems, name1, name2));
  if (o.working) section(workingReport(sets, result, in, name1, name2));
  return text;
}

std::string outsideLines(const RefreshResult& result, DataType type, const std::string& name1,
                         const std::string& name2) {
  const GroupingKind kind = type == AlreadyGroupedContinuous ? GroupClasses : HistogramColumns;
  std::string lines;
  const std::string* names[2] = {&name1, &name2};
  for (int s = 0; s < 2; ++s) {
    const std::string line = outsideReportLine(*names[s], result.sets[s].outside, kind);
    if (!line.empty()) lines += escapeBreaks(line) + "\n";
  }
  return lines;
}

}  // namespace tally
