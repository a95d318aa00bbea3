#include "core/stats/Report.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <utility>

#include "core/FileAccess.h"
#include "core/NumberText.h"
#include "core/description/DescriptionReader.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/lesson/FrequencyTable.h"
#include "core/lesson/MoreStatistics.h"
#include "core/lesson/StemAndLeaf.h"
#include "core/lesson/Working.h"
#include "core/stats/Statistics.h"

namespace tally {
namespace {

bool parseWhole(const std::string& text, int lowest, int highest, int& out) {
  double v;
  if (!parseNumber(text, v) || v != std::floor(v) || v < lowest || v > highest) return false;
  out = static_cast<int>(v);
  return true;
}

bool parseGrouping(const std::string& text, Grouping& g) {
  std::vector<std::string> parts;
  std::string field;
  std::istringstream in(text);
  while (std::getline(in, field, ',')) parts.push_back(field);
  if (parts.size() != 3 || text.back() == ',') return false;
  Grouping parsed;
  if (!parseNumber(parts[0], parsed.startValue) || !parseNumber(parts[1], parsed.groupSize) ||
      !parseWhole(parts[2], 1, 100, parsed.groupCount))
    return false;
  if (!isValidGrouping(parsed)) return false;
  g = parsed;
  return true;
}

// Line breaks written as "\n" (and "\r"): a page text stays in its row, and a message
// that names a file or an argument stays one line whatever the name holds.
std::string escapeBreaks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

// The analysis an analysis description sets up, as the program opens it: each named
// file read as values only (one observation per line), then the description's type.
int reportDescription(const ReportOptions& o, std::ostream& out, std::ostream& err) {
  AnalysisDescription d;
  DescriptionProblems problems;
  if (!loadDescription(o.description, d, problems)) {
    err << escapeBreaks("tallyscope-report: cannot use description '" + o.description +
                   "': " + problems.error)
        << "\n";
    return 2;
  }
  std::string notes;
  for (const std::string& value : problems.invalid)
    notes += escapeBreaks("tallyscope-report: " + o.description + ": " + value +
                          "; the default is kept") +
             "\n";
  // Set 2's file is read only when Set 1's is named.
  std::vector<std::string> files;
  if (!d.set1File.empty()) {
    files.push_back(setFilePath(d, d.set1File));
    if (!d.set2File.empty()) files.push_back(setFilePath(d, d.set2File));
  }
  const Grouping grouping{d.start, d.size, d.number};
  DataSet sets[2];
  for (size_t i = 0; i < files.size(); ++i) {
    std::string text, error;
    if (!readDataFileText(files[i], text, error)) {
      err << "tallyscope-report: " << escapeBreaks(error) << "\n";
      return 2;
    }
    extractGridData(UngroupedDiscrete, loadDataText(text, UngroupedDiscrete, grouping), grouping,
                    sets[i]);
  }
  RefreshInputs in;
  in.type = static_cast<DataType>(d.type);
  in.classes = in.histogram = grouping;
  in.barWidth[0] = in.barWidth[1] = barWidth(in.type, std::trunc(d.colWidth));
  in.sampleStdDev = o.sample;
  in.percentile[0] = in.percentile[1] = o.percentile;
  const RefreshResult result = refreshAnalysis(sets[0], sets[1], in);
  err << notes;
  out << reportOutput(o, sets, result, in, setNameFrom(d.set1Name), setNameFrom(d.set2Name));
  return 0;
}

}  // namespace

std::string reportUsage() {
  return "Usage: tallyscope-report [--type N] [--classes START,SIZE,COUNT]\n"
         "                         [--histogram START,SIZE,COUNT] [--sample]\n"
         "                         [--percentile P] [--frequency-table]\n"
         "                         [--more] [--stem-and-leaf] [--split-stems] [--working]\n"
         "                         SET1_FILE [SET2_FILE]\n"
         "       tallyscope-report --description FILE [--sample] [--percentile P]\n"
         "                         [--frequency-table] [--more] [--stem-and-leaf]\n"
         "                         [--split-stems] [--working]\n"
         "\n"
         "Prints the Statistics page for one or two TAB-separated data files, read as\n"
         "Load Data reads them with the given data type selected.\n"
         "With --description, prints the analysis an analysis description sets up (its\n"
         "data files, data type, column width and grouping, as the program opens it),\n"
         "with the sets' names (first 10 characters) in the header line; for example\n"
         "  tallyscope-report --description examples/two-classes.tally\n"
         "\n"
         "  --type N            data type: 0 Ungrouped Discrete (default),\n"
         "                      1 Ungrouped Continuous, 2 Grouped Discrete,\n"
         "                      3 Grouped Continuous, 4 Already Grouped Continuous\n"
         "  --classes S,W,C     classes of already grouped data: start S >= 0,\n"
         "                      size W > 0, count C from 1 to 100 (default 0,1,10);\n"
         "                      the class bounds must be distinct finite numbers\n"
         "  --histogram S,W,C   histogram columns of continuous data, types 1 and 3\n"
         "                      (default 0,1,10); they change no statistic shown\n"
         "  --sample            sample standard deviation (default: population)\n"
         "  --percentile P      percentile row, a whole number 0 to 100 (default 50)\n"
         "  --description FILE  the analysis of an analysis description (XML); takes\n"
         "                      no data files and no --type, --classes, --histogram\n"
         "  --frequency-table   print the frequency table behind the column graphs\n"
         "                      instead of the Statistics page (see below)\n"
         "  --more              add the rows of the page's \"More\" expander: Sum x,\n"
         "                      Sum x^2, both standard deviations, distinct values\n"
         "  --stem-and-leaf     print each set's stem-and-leaf plot instead of the page\n"
         "  --split-stems       the same with each stem split (leaves 0-4 and 5-9)\n"
         "  --working           print how each statistic was found, for each set\n"
         "  --help              show this text\n"
         "\n"
         "Output: a header line TAB \"Set 1\" TAB \"Set 2\", then one line per row:\n"
         "caption TAB Set 1 text TAB Set 2 text; a line break in a text is written \\n.\n"
         "A set with fewer than three distinct values (already grouped: no filled class)\n"
         "shows empty texts, as the window does. A value repeated in a file of types 2\n"
         "and 3 keeps its first frequency and is noted on standard error.\n"
         "A value of a description that cannot be used keeps its default and is noted\n"
         "on standard error.\n"
         "\n"
         "With --frequency-table: for Set 1 then Set 2, one line per column of the set's\n"
         "column graph: \"Set 1\" or \"Set 2\" TAB the value (types 0 and 2) or the\n"
         "class label \"LOWER - < UPPER\" (types 1, 3: histogram columns; type 4: classes)\n"
         "TAB the frequency TAB the cumulative frequency. Every class is listed, empty\n"
         "ones too, in order; values in ascending order. A set that shows no\n"
         "statistics prints no lines. Each line then has two more fields: the relative\n"
         "frequency (%) and the cumulative %, both of all the set's observations (with\n"
         "values outside the classes the last cumulative % stays below 100).\n"
         "\n"
         "With --more the page gets five more rows: \"\xCE\xA3x:\", \"\xCE\xA3x\xC2\xB2:\" (the sums over\n"
         "the observations; class midpoints for type 4), \"Std Dev.(s):\", \"Std Dev.(p):\"\n"
         "and \"Distinct values:\" (empty for type 4).\n"
         "\n"
         "With --stem-and-leaf: for each set that shows statistics (types 0 to 3), a line\n"
         "with its name, one line \"STEM | L L L\" per stem from the lowest to the highest\n"
         "(empty ones too; leaves ascending, single digits), then \"Key: STEM | LEAF means\n"
         "VALUE\". The leaf unit is the smallest power of ten giving at most 20 stems\n"
         "(no finer than the data's last decimal place, nor than 1 for whole numbers);\n"
         "values are truncated to it, not rounded; -0.1 to -9 stand on the stem \"-0\".\n"
         "\n"
         "With --working: for each set with statistics, a line with its name, then the\n"
         "steps from the data to each statistic of the page, with the set's numbers:\n"
         "sums, mean, both standard deviations, ordered data, median and quartiles by\n"
         "halves, the percentile at rank (n - 1)p/100 + 1 between its neighbours (type 4:\n"
         "L + (N p/100 - F) / f h in the class that holds it), range, IQR, fences and\n"
         "outliers, modes. A set of one or two different values gets one line saying\n"
         "so. Sets are separated by an empty line. With --description the sets' names\n"
         "stand for \"Set 1\" and \"Set 2\" here and in the table and plots.\n"
         "\n"
         "Given together, --frequency-table, --stem-and-leaf and --working print in\n"
         "that order, separated by an empty line.\n"
         "\n"
         "Exit status: 0 on success, 2 on bad usage or an unreadable file.\n";
}

bool parseReportArguments(const std::vector<std::string>& args, ReportOptions& options,
                          std::string& error) {
  ReportOptions o;
  std::string dataOption;  // an option a description does not combine with
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= args.size()) {
        error = "option " + a + " needs a value";
        return false;
      }
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--sample") {
      o.sample = true;
    } else if (a == "--frequency-table") {
      o.frequencyTable = true;
    } else if (a == "--more") {
      o.more = true;
    } else if (a == "--stem-and-leaf") {
      o.stemAndLeaf = true;
    } else if (a == "--split-stems") {
      o.stemAndLeaf = o.splitStems = true;
    } else if (a == "--working") {
      o.working = true;
    } else if (a == "--type") {
      dataOption = a;
      int t;
      if (!value(v)) return false;
      if (!parseWhole(v, 0, 4, t)) {
        error = "--type must be a whole number from 0 to 4, not '" + v + "'";
        return false;
      }
      o.type = static_cast<DataType>(t);
    } else if (a == "--percentile") {
      if (!value(v)) return false;
      if (!parseWhole(v, 0, 100, o.percentile)) {
        error = "--percentile must be a whole number from 0 to 100, not '" + v + "'";
        return false;
      }
    } else if (a == "--classes" || a == "--histogram") {
      dataOption = a;
      if (!value(v)) return false;
      if (!parseGrouping(v, a == "--classes" ? o.classes : o.histogram)) {
        error = a +
                " must be START,SIZE,COUNT with START >= 0, SIZE > 0, COUNT 1 to 100 and distinct"
                " finite class bounds, not '" +
                v + "'";
        return false;
      }
    } else if (a == "--description") {
      if (!value(o.description)) return false;
    } else if (a.size() > 1 && a[0] == '-') {
      error = "unknown option '" + a + "'";
      return false;
    } else {
      o.files.push_back(a);
    }
  }
  if (!o.help && !o.description.empty()) {
    if (!o.files.empty() || !dataOption.empty()) {
      error = "--description takes no data files and no " +
              (dataOption.empty() ? std::string("--type") : dataOption);
      return false;
    }
  } else if (!o.help) {
    if (o.files.empty()) {
      error = "no data file given";
      return false;
    }
    if (o.files.size() > 2) {
      error = "at most two data files (Set 1 and Set 2)";
      return false;
    }
  }
  options = o;
  return true;
}

bool readDataFileText(const std::string& path, std::string& text, std::string& error) {
  std::string bytes, reason;
  if (!readRegularFile(path, kMaxDataFileBytes, bytes, reason)) {
    error = "cannot read data file '" + path + "': " + reason;
    return false;
  }
  text = decodeDataFile(std::move(bytes));
  return true;
}

CellTable loadDataText(const std::string& text, DataType type, const Grouping& classes) {
  CellTable table(kGridRows);
  const bool labels = type == AlreadyGroupedContinuous;
  if (labels) {
    for (int k = 0; k < classes.classes() && k < kGridRows; ++k) table[k][0] = classes.classLabel(k);
  }
  for (const CellWrite& w : pasteWrites(text, 0, 0, kGridRows, kGridColumns)) {
    if (w.row < 0 || w.row >= kGridRows || w.col < 0 || w.col >= kGridColumns) continue;
    if (labels && w.col == 0) continue;  // the class labels are read-only
    table[w.row][w.col] = w.text;
  }
  return table;
}

std::string statisticsPage(const RefreshResult& result, bool sample, int percentile,
                           const std::string& name1, const std::string& name2) {
  const SetLabels& a = result.sets[0].labels;
  const SetLabels& b = result.sets[1].labels;
  std::string page = "\t" + name1 + "\t" + name2 + "\n";
  auto row = [&](const std::string& caption, const std::string SetLabels::*field) {
    page += caption + "\t" + escapeBreaks(a.*field) + "\t" + escapeBreaks(b.*field) + "\n";
  };
  row("n:", &SetLabels::n);
  row("Mean:", &SetLabels::mean);
  row("Mode:", &SetLabels::mode);
  row("Minimum:", &SetLabels::minimum);
  row("Q1:", &SetLabels::q1);
  row("Median:", &SetLabels::median);
  row("Q3:", &SetLabels::q3);
  row("Maximum:", &SetLabels::maximum);
  row("Range:", &SetLabels::range);
  row("IQR:", &SetLabels::iqr);
  row(standardDeviationCaption(sample), &SetLabels::stdDev);
  row("p=" + formatInt("%d", percentile) + ":", &SetLabels::percentile);
  return page;
}

std::string frequencyTable(const RefreshResult& result, const RefreshInputs& in) {
  const bool histogram = isContinuousType(in.type) && in.histogram.groupSize > 0;
  const Grouping* classes = in.type == AlreadyGroupedContinuous ? &in.classes
                            : histogram                         ? &in.histogram
                                                                : nullptr;
  std::string table;
  for (int s = 0; s < 2; ++s) {
    const SetDisplay& d = result.sets[s];
    if (!d.hasStatistics) continue;
    const std::string name = s == 0 ? "Set 1" : "Set 2";
    double cumulative = 0;
    for (size_t j = 0; j < d.columns.size(); ++j) {
      const auto& c = d.columns[j];
      cumulative += c.y;
      const std::string what =
          classes ? classes->classLabel(static_cast<int>(j)) : formatNumber("%g", c.x);
      table += name + "\t" + what + "\t" + formatNumber("%g", c.y) + "\t" +
               formatNumber("%g", cumulative) + "\n";
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
      table += (s == 0 ? name1 : name2) + "\t" + row.label + "\t" + formatNumber("%g", row.frequency) +
               "\t" + formatNumber("%g", row.cumulative) + "\t" +
               percentageText(row.relativePercent) + "\t" +
               percentageText(row.cumulativePercent) + "\n";
    }
  }
  return table;
}

std::string moreRows(const DataSet sets[2], const RefreshResult& result, DataType type) {
  const MoreLabels a = moreStatistics(sets[0], result.sets[0], type);
  const MoreLabels b = moreStatistics(sets[1], result.sets[1], type);
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
    std::string page = statisticsPage(result, o.sample, o.percentile, name1, name2);
    if (o.more) page += moreRows(sets, result, in.type);
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

int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReportOptions o;
  std::string error;
  if (!parseReportArguments(args, o, error)) {
    err << "tallyscope-report: " << escapeBreaks(error) << " (try --help)\n";
    return 2;
  }
  if (o.help) {
    out << reportUsage();
    return 0;
  }
  if (!o.description.empty()) return reportDescription(o, out, err);
  std::string texts[2];
  for (size_t i = 0; i < o.files.size(); ++i) {
    if (!readDataFileText(o.files[i], texts[i], error)) {
      err << "tallyscope-report: " << escapeBreaks(error) << "\n";
      return 2;
    }
  }

  DataSet sets[2];
  RefreshInputs in;
  in.type = o.type;
  in.classes = o.classes;
  in.histogram = o.histogram;
  in.barWidth[0] = in.barWidth[1] = barWidth(o.type, 1);
  in.sampleStdDev = o.sample;
  in.percentile[0] = in.percentile[1] = o.percentile;

  RefreshResult result = refreshAnalysis(sets[0], sets[1], in);
  std::string notes;
  for (size_t i = 0; i < o.files.size(); ++i) {
    // Each load rebuilds its set from the grid and refreshes, as Load Data does.
    CellTable table = loadDataText(texts[i], o.type, o.classes);
    ExtractResult ex = extractGridData(o.type, table, o.classes, sets[i]);
    for (double v : ex.duplicates)
      notes += escapeBreaks("tallyscope-report: " + o.files[i] + ": the value " +
                       formatNumber("%g", v) +
                       " has been added more than once; only the first frequency value is used") +
               "\n";
    result = refreshAnalysis(sets[0], sets[1], in);
  }
  err << notes;
  out << reportOutput(o, sets, result, in, "Set 1", "Set 2");
  return 0;
}

}  // namespace tally
