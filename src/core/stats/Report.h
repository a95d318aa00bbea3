#pragma once
// The command-line report: the Statistics page of one or two data files, as the
// program would show it after loading them.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/grid/DataFile.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/DataSet.h"
#include "core/stats/GridData.h"
#include "core/stats/Grouping.h"
#include "core/stats/Refresh.h"

namespace tally {

struct ReportOptions {
  DataType type = UngroupedDiscrete;
  Grouping classes;    // 0, 1, 10 as the program starts
  Grouping histogram;  // without --histogram: fitted to the data (fitHistogram)
  bool histogramGiven = false;      // --histogram was on the command line
  bool sample = false;
  int percentile = 50;
  int decimals = kAutoDecimals;     // --decimals: places of the computed statistics
  bool percentileGiven = false;     // --percentile was on the command line
  bool frequencyTable = false;      // print the column graphs' table instead of the page
  bool more = false;                // add the "More" rows to the page
  bool stemAndLeaf = false;         // print each set's stem-and-leaf plot instead of the page
  bool splitStems = false;          // ... with each stem split in two (leaves 0-4, 5-9)
  bool working = false;             // print each set's working instead of the page
  std::vector<std::string> files;  // one or two
  std::string description;         // an analysis description instead of the files
  bool help = false;
};

// Reads the arguments (without the program name). False with a one-line `error`
// on bad usage or an out-of-range option.
bool parseReportArguments(const std::vector<std::string>& args, ReportOptions& options,
                          std::string& error);

std::string reportUsage();

// The whole file as text up to its first NUL byte. False with `error` when it
// cannot be read.
bool readDataFileText(const std::string& path, std::string& text, std::string& error);

// The grid after Load Data: the file's fields (importDataText) written from row 0,
// column 0 into an empty 1000 x 2 table; for already grouped data column 0 holds the
// read-only class labels and only column 1 takes the file's fields.
CellTable loadDataText(const std::string& text, DataType type, const Grouping& classes);
CellTable loadedTable(const DataImport& data, DataType type, const Grouping& classes);

// Line breaks written as "\n" (and "\r"): a page text stays in its row, and a
// message that names a file or an argument stays one line whatever the name holds.
std::string escapeBreaks(const std::string& text);

// The Statistics page: a header "\tSet 1\tSet 2" (or the sets' names) and one line
// per row (caption TAB Set 1 TAB Set 2), line breaks inside texts written as "\n".
std::string statisticsPage(const RefreshResult& result, bool sample, int percentile,
                           const std::string& name1 = kDefaultSetNames[0],
                           const std::string& name2 = kDefaultSetNames[1]);

// The same page with each set's percentile its own: the caption "p=25, 75:" when
// they differ.
std::string statisticsPage(const RefreshResult& result, bool sample, int percentile1,
                           int percentile2, const std::string& name1, const std::string& name2);

// What Copy Statistics puts on the clipboard: the same rows as TAB-separated text
// ended by CR LF (as a copied block of cells), a text of several lines written as
// one, its lines joined by ", ". Each set's percentile is its own: the caption reads
// "p=50:" when both are 50, "p=25, 75:" when Set 1's is 25 and Set 2's 75.
std::string statisticsText(const RefreshResult& result, bool sample, int percentile1,
                           int percentile2, const std::string& name1, const std::string& name2);

// The table behind the column graphs: for Set 1 then Set 2, one line per column of
// a set that shows statistics: set name TAB value (valueText, discrete types) or
// class label ("LOWER - < UPPER", continuous types) TAB frequency TAB cumulative
// frequency.
std::string frequencyTable(const RefreshResult& result, const RefreshInputs& in);

// The frequency table with percentages: each line of frequencyTable (set name,
// value or class label, frequency, cumulative frequency) followed by TAB relative
// frequency (%) TAB cumulative %, both of all the set's observations: the lines stay
// those of the column graph, so values outside every class leave the last
// cumulative % below 100.
std::string frequencyTableWithPercentages(const DataSet sets[2], const RefreshResult& result,
                                          const RefreshInputs& in,
                                          const std::string& name1 = "Set 1",
                                          const std::string& name2 = "Set 2");

// The "More" rows (caption TAB Set 1 TAB Set 2): Σx, Σx², both standard deviations
// and the number of distinct values.
std::string moreRows(const DataSet sets[2], const RefreshResult& result, DataType type,
                     int decimals = kAutoDecimals);

// For each set that shows statistics (not already grouped data): its name, one line
// "STEM | L L L" per stem, then "Key: STEM | LEAF means VALUE".
std::string stemAndLeafReport(const DataSet sets[2], const RefreshResult& result,
                              const RefreshInputs& in, bool split,
                              const std::string& name1 = "Set 1",
                              const std::string& name2 = "Set 2");

// For each set with statistics (or too few values), its name and its working, the
// blocks separated by an empty line.
std::string workingReport(const DataSet sets[2], const RefreshResult& result,
                          const RefreshInputs& in, const std::string& name1 = "Set 1",
                          const std::string& name2 = "Set 2");

// What the options ask for after the refresh: the page (with the "More" rows), or
// the frequency table, the stem-and-leaf plots and the working, in that order and
// separated by an empty line, for those asked for.
std::string reportOutput(const ReportOptions& o, const DataSet sets[2], const RefreshResult& result,
                         const RefreshInputs& in, const std::string& name1,
                         const std::string& name2);

// The lines on standard error for the values a grouping leaves out, one per
// affected set: "Set 2: 1 value outside the classes (20)".
std::string outsideLines(const RefreshResult& result, DataType type, const std::string& name1,
                         const std::string& name2);

// The whole program: returns the exit status (0, or 2 on any error, with one line
// on `err` and nothing on `out`). Values outside the columns or classes are noted
// on `err` (outsideLines) and leave the status 0.
int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tally
