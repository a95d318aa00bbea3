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
#include "core/description/AnalysisFile.h"
#include "core/description/DescriptionReader.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/HistogramFit.h"
#include "core/stats/Statistics.h"

namespace tally {

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

// A data file read as Load Data reads it; false, with one line on `err`, when it
// cannot be read or holds no number.
bool readSetFile(const std::string& path, DataImport& data, std::ostream& err) {
  data = importDataFile(path, path);
  if (data.problem == DataImport::None) return true;
  const std::string error = data.problem == DataImport::Unreadable
                                ? "cannot read data file '" + path + "': " + data.error
                                : data.error;
  err << "tallyscope-report: " << escapeBreaks(error) << "\n";
  return false;
}

// The analysis an analysis description sets up, as the program opens it
// (openAnalysis): inline tables, or set files read in the description's type.
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
  OpenedAnalysis opened = openAnalysis(d);
  for (int i = 0; i < 2; ++i) {
    if (opened.problem[i] == DataImport::None) continue;
    const std::string error = opened.problem[i] == DataImport::Unreadable
                                  ? "cannot read data file '" + opened.files[i] + "': " +
                                        opened.error[i]
                                  : opened.error[i];
    err << "tallyscope-report: " << escapeBreaks(error) << "\n";
    return 2;
  }
  for (int i = 0; i < 2; ++i)
    for (double v : opened.duplicates[i])
      notes += escapeBreaks("tallyscope-report: " + o.description + ": Set " +
                            std::to_string(i + 1) + ": the value " + valueText(v) +
                            " has been added more than once; only the first frequency value is used") +
               "\n";
  DataSet* sets = opened.sets;
  const std::string* names = opened.content.names;
  const Grouping grouping = opened.content.classes;
  RefreshInputs in;
  in.type = static_cast<DataType>(d.type);
  in.classes = grouping;
  // A histogram or column width the description does not give follows the data.
  in.histogram = opened.content.histogram ? *opened.content.histogram
                                          : fitHistogram(sets[0], sets[1]);
  in.columnWidth = opened.content.columnWidth.value_or(1);
  in.fitBarWidth = !opened.content.columnWidth;
  in.barWidth[0] = in.barWidth[1] = barWidth(in.type, in.columnWidth);
  // The description's deviation choice and percentiles, unless the command line
  // sets them.
  in.sampleStdDev = o.sample || opened.content.sampleStdDev;
  for (int i = 0; i < 2; ++i)
    in.percentile[i] = o.percentileGiven ? o.percentile : opened.content.percentile[i];
  in.decimals = o.decimals;
  const RefreshResult result = refreshAnalysis(sets[0], sets[1], in);
  notes += outsideLines(result, in.type, setNameFrom(names[0]), setNameFrom(names[1]));
  err << notes;
  out << reportOutput(o, sets, result, in, setNameFrom(names[0]), setNameFrom(names[1]));
  return 0;
}

}  // namespace

std::string reportUsage() {
  return "Usage: tallyscope-report [--type N] [--classes START,SIZE,COUNT]\n"
         "                         [--histogram START,SIZE,COUNT] [--sample]\n"
         "                         [--percentile P] [--decimals N|auto] [--frequency-table]\n"
         "                         [--more] [--stem-and-leaf] [--split-stems] [--working]\n"
         "                         SET1_FILE [SET2_FILE]\n"
         "       tallyscope-report --description FILE [--sample] [--percentile P]\n"
         "                         [--decimals N|auto] [--frequency-table] [--more]\n"
         "                         [--stem-and-leaf] [--split-stems] [--working]\n"
         "\n"
         "Prints the Statistics page for one or two data files (TAB, semicolon or comma\n"
         "separated), read as Load Data reads them with the given data type selected;\n"
         "a file's header line names its set.\n"
         "With --description, prints the analysis an analysis description sets up (its\n"
         "data files, data type, column width and grouping, as the program opens it),\n"
         "with the sets' names (first 30 characters) in the header line; for example\n"
         "  tallyscope-report --description examples/two-classes.tally\n"
         "An analysis file (.tally) is such a description: XML whose elements set1Name,\n"
         "set2Name, type, colWidth, start, size, number (and more, see the README) set\n"
         "up the analysis, with each set's table in set1Data, set2Data (the data file's\n"
         "text: TAB between columns, a row per line, written on the line after the start\n"
         "tag) or in a data file named by set1File, set2File; inline data win. Data\n"
         "files are read in the description's type, so that under types 2 and 3 a file\n"
         "of values and frequencies keeps its frequencies. Its sampleStdDev (1: sample)\n"
         "and set1Percentile, set2Percentile apply unless --sample or --percentile is\n"
         "given. Write & as &amp; and < as &lt;.\n"
         "  <analysis>\n"
         "    <set1Name>Class 7A</set1Name>\n"
         "    <type>2</type>\n"
         "    <set1Data>\n"
         "5<TAB>3\n"
         "6<TAB>2\n"
         "</set1Data>\n"
         "  </analysis>\n"
         "(<TAB> stands for a TAB character).\n"
         "\n"
         "  --type N            data type: 0 Ungrouped Discrete (default),\n"
         "                      1 Ungrouped Continuous, 2 Grouped Discrete,\n"
         "                      3 Grouped Continuous, 4 Already Grouped Continuous\n"
         "  --classes S,W,C     classes of already grouped data: start S >= 0,\n"
         "                      size W > 0, count C from 1 to 100 (default 0,1,10);\n"
         "                      the class bounds must be distinct finite numbers\n"
         "  --histogram S,W,C   histogram columns of continuous data, types 1 and 3\n"
         "                      (default: fitted to the data as the window fits\n"
         "                      them); they change no statistic shown\n"
         "  --sample            sample standard deviation (default: population)\n"
         "  --percentile P      percentile row, a whole number 0 to 100 (default 50)\n"
         "  --decimals N|auto   places of the computed statistics (mean, quartiles,\n"
         "                      median, IQR, deviation, percentile): 0 to 6 fixed\n"
         "                      places, or auto (default: 4 significant digits);\n"
         "                      n, values, modes, extremes and classes keep theirs\n"
         "  --description FILE  the analysis of an analysis description (XML, .tally),\n"
         "                      with --frequency-table its column graphs' table; takes\n"
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
         "Numbers are written as the window shows them: a decimal point, no exponent\n"
         "from 1e-4 to 1e15 (whole numbers keep every digit), ties rounded half up\n"
         "from the shortest decimal that reads back as the computed value.\n"
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
         "Values outside the histogram columns or the classes are noted on standard\n"
         "error, one line per set: \"Set 2: 1 value outside the classes (20)\".\n"
         "\n"
         "Exit status: 0 on success, 2 on bad usage, an unreadable file or a file with\n"
         "no numbers (\"No numbers found in FILE.\").\n";
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
      o.percentileGiven = true;
      if (!parseWhole(v, 0, 100, o.percentile)) {
        error = "--percentile must be a whole number from 0 to 100, not '" + v + "'";
        return false;
      }
    } else if (a == "--decimals") {
      if (!value(v)) return false;
      if (!parseDecimals(v, o.decimals)) {
        error = "--decimals must be auto or a whole number from 0 to " +
                std::to_string(kMaxDecimals) + ", not '" + v + "'";
        return false;
      }
    } else if (a == "--classes" || a == "--histogram") {
      dataOption = a;
      if (!value(v)) return false;
      if (a == "--histogram") o.histogramGiven = true;
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
  return loadedTable(importDataText(text, std::string()), type, classes);
}

CellTable loadedTable(const DataImport& data, DataType type, const Grouping& classes) {
  CellTable table(kGridRows);
  const bool labels = type == AlreadyGroupedContinuous;
  if (labels) {
    for (int k = 0; k < classes.classes() && k < kGridRows; ++k) table[k][0] = classes.classLabel(k);
  }
  for (const CellWrite& w : data.writes) {
    if (w.row < 0 || w.row >= kGridRows || w.col < 0 || w.col >= kGridColumns) continue;
    if (labels && w.col == 0) continue;  // the class labels are read-only
    table[w.row][w.col] = w.text;
  }
  return table;
}

namespace {

// The Statistics page as rows of texts: the set names under an empty caption, then
// caption, Set 1 text, Set 2 text for each row, texts as the window shows them.
// Each set's percentile row is at its own percentile: one number in the caption
// when both are the same, Set 1's then Set 2's when not.
std::vector<std::vector<std::string>> statisticsRows(const RefreshResult& result, bool sample,
                                                     int percentile1, int percentile2,
                                                     const std::string& name1,
                                                     const std::string& name2) {
  const SetLabels& a = result.sets[0].labels;
  const SetLabels& b = result.sets[1].labels;
  std::vector<std::vector<std::string>> rows{{"", name1, name2}};
  auto row = [&](const std::string& caption, const std::string SetLabels::*field) {
    rows.push_back({caption, a.*field, b.*field});
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
  const std::string p = formatInt("%d", percentile1);
  row("p=" + (percentile1 == percentile2 ? p : p + ", " + formatInt("%d", percentile2)) + ":",
      &SetLabels::percentile);
  return rows;
}

// A text's lines joined by ", " (the blanks that start a continued line dropped),
// as two modes already read: a pasted cell stays one cell.
std::string oneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r') {
      out += c;
      continue;
    }
    while (i + 1 < text.size() &&
           (text[i + 1] == '\n' || text[i + 1] == '\r' || text[i + 1] == ' '))
      ++i;
    if (i + 1 < text.size()) out += ", ";
  }
  return out;
}

}  // namespace

std::string statisticsPage(const RefreshResult& result, bool sample, int percentile,
                           const std::string& name1, const std::string& name2) {
  return statisticsPage(result, sample, percentile, percentile, name1, name2);
}

std::string statisticsPage(const RefreshResult& result, bool sample, int percentile1,
                           int percentile2, const std::string& name1, const std::string& name2) {
  std::string page;
  for (const auto& row : statisticsRows(result, sample, percentile1, percentile2, name1, name2))
    page += escapeBreaks(row[0]) + "\t" + escapeBreaks(row[1]) + "\t" + escapeBreaks(row[2]) + "\n";
  return page;
}

std::string statisticsText(const RefreshResult& result, bool sample, int percentile1,
                           int percentile2, const std::string& name1, const std::string& name2) {
  auto rows = statisticsRows(result, sample, percentile1, percentile2, name1, name2);
  for (auto& row : rows)
    for (std::string& text : row) text = oneLine(text);
  return blockText(rows);
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
  DataImport imports[2];
  std::string names[2] = {"Set 1", "Set 2"};
  for (size_t i = 0; i < o.files.size(); ++i) {
    if (!readSetFile(o.files[i], imports[i], err)) return 2;
    if (!imports[i].header.empty()) names[i] = setNameFrom(imports[i].header);
  }

  DataSet sets[2];
  RefreshInputs in;
  in.type = o.type;
  in.classes = o.classes;
  in.histogram = o.histogram;
  in.barWidth[0] = in.barWidth[1] = barWidth(o.type, 1);
  in.sampleStdDev = o.sample;
  in.percentile[0] = in.percentile[1] = o.percentile;
  in.decimals = o.decimals;

  RefreshResult result = refreshAnalysis(sets[0], sets[1], in);
  std::string notes;
  for (size_t i = 0; i < o.files.size(); ++i) {
    // Each load rebuilds its set from the grid and refreshes, as Load Data does.
    CellTable table = loadedTable(imports[i], o.type, o.classes);
    ExtractResult ex = extractGridData(o.type, table, o.classes, sets[i]);
    for (double v : ex.duplicates)
      notes += escapeBreaks("tallyscope-report: " + o.files[i] + ": the value " +
                       valueText(v) +
                       " has been added more than once; only the first frequency value is used") +
               "\n";
    // Histogram columns the command line does not give follow the data, as the
    // window fits them on loading.
    if (!o.histogramGiven) in.histogram = fitHistogram(sets[0], sets[1]);
    result = refreshAnalysis(sets[0], sets[1], in);
  }
  notes += outsideLines(result, in.type, names[0], names[1]);
  err << notes;
  out << reportOutput(o, sets, result, in, names[0], names[1]);
  return 0;
}

}  // namespace tally
