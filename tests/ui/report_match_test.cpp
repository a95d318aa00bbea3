// The command-line report and the main window must show the same Statistics page
// for the same data files. Each case runs the report in-process and as the built
// tool, then loads the same files into a real window the way a user would (data
// type choice, grouping dialogs, Load Data, the "p" spin controls, Cycle) and
// compares every row: caption, Set 1 text, Set 2 text.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/stats/Report.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/views/ColumnGraphView.h"
#include "MainFrameDriver.h"

namespace {

// A grouping as typed into the dialog and as given to the report ("START,SIZE,COUNT").
struct TypedGrouping {
  std::string start, size;
  int count = 0;
  bool given() const { return count > 0; }
  std::string argument() const { return start + "," + size + "," + std::to_string(count); }
};

struct ReportCase {
  const char* name;
  int type;
  std::vector<std::string> files;  // under the test data folder; one or two
  TypedGrouping classes;
  TypedGrouping histogram;
  bool sample = false;
  int percentile = 50;
  // The repeated value each file's load reports, "" for none.
  std::string duplicate[2];
  // Every observation lies in a column of the column graph, so its heights add up to n.
  bool columnsHoldAll = false;

  std::vector<std::string> arguments() const {
    std::vector<std::string> args = {"--type", std::to_string(type)};
    if (classes.given()) args.insert(args.end(), {"--classes", classes.argument()});
    if (histogram.given()) args.insert(args.end(), {"--histogram", histogram.argument()});
    if (sample) args.push_back("--sample");
    if (percentile != 50) args.insert(args.end(), {"--percentile", std::to_string(percentile)});
    for (const std::string& f : files) args.push_back(std::string(TALLYSCOPE_TEST_DATA) + "/" + f);
    return args;
  }
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

const ReportCase kCases[] = {
    {"UngroupedDiscrete", 0, {"report_values1.csv", "report_values2.csv"}, {}, {}, false, 50, {}},
    // Two modes and an outlier (40) against three modes; sample deviation, p = 90.
    {"UngroupedDiscreteModesSample", 0, {"report_modes.csv", "report_three_modes.csv"}, {}, {},
     true, 90, {}},
    // Set 2 never loaded: its column stays empty.
    {"UngroupedDiscreteOneFile", 0, {"report_modes.csv"}, {}, {}, false, 50, {}},
    {"UngroupedContinuousHistogram", 1, {"report_continuous.csv", "report_values2.csv"}, {},
     {"0", "5", 4}, false, 25, {}},
    // report_freq2.csv repeats the value 4: the first frequency counts.
    {"GroupedDiscrete", 2, {"report_freq1.csv", "report_freq2.csv"}, {}, {}, false, 50, {"", "4"}},
    // Rounded, non-positive and unreadable frequencies; histogram columns of width 2.
    {"GroupedContinuousSample", 3, {"report_freq1.csv", "report_freq3.csv"}, {}, {"0", "2", 5},
     true, 75, {}},
    {"AlreadyGrouped", 4, {"report_classes1.csv", "report_classes2.csv"}, {"0", "10", 3}, {},
     false, 50, {}},
    // Two modal classes (0-2.5 and 5-7.5) against one; sample deviation, p = 10.
    {"AlreadyGroupedTwoModesSample", 4, {"report_class_modes.csv", "report_classes1.csv"},
     {"0", "2.5", 4}, {}, true, 10, {}},
    // Awkward numbers: values on decimal column bounds; fractional class frequencies
    // and a percentile target of exactly 7 (28% of 25) beside an empty class, with one
    // or two filled classes; squares, sums and midpoints beyond the doubles;
    // frequencies above 2^53.
    {"DecimalHistogramColumns", 1, {"report_decimal_values.csv"}, {}, {"0", "0.1", 10}, false,
     50, {}, true},
    {"AlreadyGroupedExactTargets", 4,
     {"report_class_percentile.csv", "report_fractional_classes.csv"}, {"0", "10", 3}, {}, false,
     28, {}, true},
    {"AlreadyGroupedOneFilledClass", 4, {"report_one_class.csv"}, {"0", "10", 3}, {}, true, 50,
     {}, true},
    {"ExtremeMagnitudes", 0, {"report_big_values.csv", "report_tiny_values.csv"}, {}, {}, true,
     25, {}, true},
    {"OverflowingSums", 0, {"report_huge_values.csv"}, {}, {}, false, 50, {}, true},
    {"FrequenciesThatAreNoCounts", 2, {"report_not_counts.csv", "report_count_overflow.csv"}, {},
     {}, false, 50, {}, true},
    // Numbers as a student writes them: millions with every digit beside the mean
    // of -1.5e308, -1e308, 1e308, 1.5e308 and 2 (0.4); quartiles and a mean on
    // decimal ties (2.1585, 4.4585, 13.075, 13.125), rounded half up; two modal
    // classes 10.8-11.2 and 11.2-11.6 with their own bounds.
    {"MillionsAndTheExtremeMean", 0, {"report_millions.csv", "report_extreme_mean.csv"}, {}, {},
     false, 50, {}, true},
    {"TiesRoundHalfUp", 0, {"report_ties.csv", "report_tie_mean.csv"}, {}, {}, true, 25, {},
     true},
    {"TwoModalClasses", 4, {"report_two_modal_classes.csv"}, {"10.4", "0.4", 4}, {}, false, 50,
     {}, true},
};

using Page = std::vector<std::vector<std::string>>;

Page splitPage(const std::string& text) {
  Page rows;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream parts(line);
    while (std::getline(parts, field, '\t')) fields.push_back(field);
    // A trailing empty field (empty Set 2 text) is dropped by getline.
    if (!line.empty() && line.back() == '\t') fields.push_back("");
    rows.push_back(fields);
  }
  return rows;
}

std::string escapeBreaks(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

std::string shellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The built tool's standard output and exit status.
std::string runTool(const std::vector<std::string>& args, int& status) {
  std::string command = shellQuote(TALLYSCOPE_REPORT_BIN);
  for (const std::string& a : args) command += " " + shellQuote(a);
  command += " 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return out;
  }
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  status = pclose(pipe);
  return out;
}

class ReportMatchTest : public ::testing::TestWithParam<ReportCase>, protected MainFrameDriver {
 protected:
  // The caption in front of a value label in the statistics grid.
  std::string captionOf(const wxStaticText* value) const {
    const wxSizerItemList& items = frame->statistics->gridSizer()->GetChildren();
    const wxSizerItem* previous = nullptr;
    for (const wxSizerItem* item : items) {
      if (item->GetWindow() == value) {
        const auto* caption =
            previous ? wxDynamicCast(previous->GetWindow(), wxStaticText) : nullptr;
        return caption ? toStd(caption->GetLabel()) : std::string("<no caption>");
      }
      previous = item;
    }
    return "<not in the statistics grid>";
  }

  // The program's statistic rows in the report's form. The report's header names
  // the columns "Set 1" and "Set 2" whatever the window calls the sets.
  Page programRows() const {
    Page page;
    using S = Statistic;
    for (Statistic which : {S::N, S::Mean, S::Mode, S::Minimum, S::Q1, S::Median, S::Q3,
                            S::Maximum, S::Range, S::Iqr, S::StdDev}) {
      wxStaticText* const labels[2] = {frame->statistics->label(0, which),
                                       frame->statistics->label(1, which)};
      // Both sets' captions must read alike; the report has one caption column.
      const std::string caption = captionOf(labels[0]);
      EXPECT_EQ(captionOf(labels[1]), caption);
      page.push_back({caption, escapeBreaks(toStd(labels[0]->GetLabel())),
                      escapeBreaks(toStd(labels[1]->GetLabel()))});
    }
    EXPECT_EQ(frame->statistics->percentileSpin(0)->GetValue(), frame->statistics->percentileSpin(1)->GetValue());
    page.push_back({"p=" + std::to_string(frame->statistics->percentileSpin(0)->GetValue()) + ":",
                    escapeBreaks(toStd(frame->statistics->label(0, Statistic::Percentile)->GetLabel())),
                    escapeBreaks(toStd(frame->statistics->label(1, Statistic::Percentile)->GetLabel()))});
    return page;
  }
};

TEST_P(ReportMatchTest, ProgramShowsTheReportsPage) {
  const ReportCase& c = GetParam();
  const std::vector<std::string> args = c.arguments();

  std::ostringstream out, err;
  ASSERT_EQ(tally::runReport(args, out, err), 0) << err.str();
  const Page report = splitPage(out.str());
  ASSERT_EQ(report.size(), 13u) << out.str();
  for (int s = 0; s < 2; ++s) {
    // The report notes a repeated value on its error stream, as the program's message box does.
    const bool noted = err.str().find("the value " + c.duplicate[s] + " has been") !=
                       std::string::npos;
    if (!c.duplicate[s].empty()) {
      EXPECT_TRUE(noted) << err.str();
    }
  }
  // Besides repeated values, only values outside the histogram columns are noted.
  if (c.duplicate[0].empty() && c.duplicate[1].empty()) {
    std::istringstream lines(err.str());
    for (std::string line; std::getline(lines, line);)
      EXPECT_NE(line.find(" outside the columns ("), std::string::npos) << line;
  }

  // The installed tool prints exactly what the library computes.
  int status = -1;
  EXPECT_EQ(runTool(args, status), out.str());
  EXPECT_EQ(status, 0);

  // The user's road through the window.
  if (c.type == tally::AlreadyGroupedContinuous) {
    wxTEST_DIALOG(chooseType(c.type),
                  AnswerGrouping(c.classes.start, c.classes.size, c.classes.count));
  } else {
    chooseType(c.type);
  }
  ASSERT_EQ(frame->shownType(), c.type);
  if (c.histogram.given()) {
    ASSERT_EQ(toStd(frame->columnWidthButton->GetLabelText()), "Grouping...");
    wxTEST_DIALOG(click(frame->columnWidthButton),
                  AnswerGrouping(c.histogram.start, c.histogram.size, c.histogram.count));
  }
  for (size_t s = 0; s < c.files.size(); ++s) {
    std::string text, error;
    ASSERT_TRUE(tally::readDataFileText(std::string(TALLYSCOPE_TEST_DATA) + "/" + c.files[s],
                                        text, error))
        << error;
    selectSet(static_cast<int>(s));
    if (c.duplicate[s].empty()) {
      loadText(text);
    } else {
      wxTEST_DIALOG(loadText(text),
                    ExpectMessage("Value Already Exists",
                                  "The value " + c.duplicate[s] +
                                      " has been added more than once.\nOnly the first frequency "
                                      "value will be used.\n Please select a new value for the "
                                      "copies."));
    }
  }
  if (c.percentile != 50) {
    spin(0, c.percentile);
    spin(1, c.percentile);
  }
  if (c.sample) click(frame->FindWindow(ID_CYCLE_SET1));

  EXPECT_EQ(report[0], (std::vector<std::string>{"", "Set 1", "Set 2"}));
  const Page program = programRows();
  ASSERT_EQ(program.size(), report.size() - 1);
  // The window says in the mean row why a set of too few different values shows no
  // statistics; the report leaves that row blank.
  const std::string tooFew = "At least three different values are needed";
  bool showsStatistics[2] = {true, true};
  for (size_t r = 0; r < program.size(); ++r) {
    std::vector<std::string> shown = program[r];
    for (int s = 0; s < 2; ++s)
      if (shown.size() == 3 && shown[1 + s] == tooFew) {
        shown[1 + s].clear();
        showsStatistics[s] = false;
      }
    EXPECT_EQ(shown, report[r + 1]) << "row " << r + 1;
  }

  // The report's frequency table is the column graph the window hands its views.
  std::vector<std::string> tableArgs = args;
  tableArgs.insert(tableArgs.begin(), "--frequency-table");
  std::ostringstream tableOut, tableErr;
  ASSERT_EQ(tally::runReport(tableArgs, tableOut, tableErr), 0);
  Page table[2];
  for (const auto& line : splitPage(tableOut.str()))
    table[line.at(0) == "Set 2" ? 1 : 0].push_back(line);
  for (int s = 0; s < 2; ++s) {
    SCOPED_TRACE(s == 0 ? "Set 1" : "Set 2");
    const std::string n = toStd(frame->statistics->label(s, Statistic::N)->GetLabel());
    const ColumnGraphView* graph = s == 0 ? frame->set1Graph : frame->set2Graph;
    const tally::Series& columns = frame->shownSeries(COLUMNS_SET1 + s);
    if (n.empty() || !showsStatistics[s]) {
      EXPECT_TRUE(table[s].empty());
      EXPECT_TRUE(columns.segments.empty());
      continue;
    }
    expectHanded(graph->getSlot(0), columns);
    ASSERT_EQ(columns.segments.size(), 1u);
    ASSERT_EQ(columns.segments[0].size(), table[s].size());
    for (size_t j = 0; j < table[s].size(); ++j)
      EXPECT_EQ(tally::valueText(columns.segments[0][j].y), table[s][j].at(2)) << j;
    if (c.columnsHoldAll) {
      ASSERT_FALSE(table[s].empty());
      EXPECT_EQ(table[s].back().at(3), n);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryDataType, ReportMatchTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReportCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
