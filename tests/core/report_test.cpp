#include "core/stats/Report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace tally;

namespace {

std::string data(const char* name) { return std::string(TALLYSCOPE_TEST_DATA) + "/" + name; }

struct ReportRun {
  int status;
  std::string out, err;
};

ReportRun run(std::vector<std::string> args) {
  std::ostringstream out, err;
  int status = runReport(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

TEST(ReportArguments, DefaultsAreThoseOfTheProgram) {
  ReportOptions o;
  std::string error;
  ASSERT_TRUE(parseReportArguments({"a.csv"}, o, error));
  EXPECT_EQ(o.type, UngroupedDiscrete);
  EXPECT_EQ(o.classes, (Grouping{0, 1, 10}));
  EXPECT_EQ(o.histogram, (Grouping{0, 1, 10}));
  EXPECT_FALSE(o.sample);
  EXPECT_EQ(o.percentile, 50);
  EXPECT_EQ(o.decimals, kAutoDecimals);
  EXPECT_EQ(o.files, (std::vector<std::string>{"a.csv"}));

  ASSERT_TRUE(parseReportArguments({"--type", "4", "--classes", "2.5,0.5,12", "--histogram",
                                    "0,5,4", "--sample", "--percentile", "0", "a", "b"},
                                   o, error));
  EXPECT_EQ(o.type, AlreadyGroupedContinuous);
  EXPECT_EQ(o.classes, (Grouping{2.5, 0.5, 12}));
  EXPECT_EQ(o.histogram, (Grouping{0, 5, 4}));
  EXPECT_TRUE(o.sample);
  EXPECT_EQ(o.percentile, 0);
  EXPECT_EQ(o.files.size(), 2u);
}

TEST(ReportArguments, BadUsageExitsWithStatus2AndOneLineNamingTheProblem) {
  struct Case {
    std::vector<std::string> args;
    const char* names;  // a word the message must contain
  } cases[] = {
      {{}, "no data file"},
      {{"--type"}, "--type"},
      {{"--type", "5", "a"}, "--type"},
      {{"--type", "1.5", "a"}, "--type"},
      {{"--type", "x", "a"}, "--type"},
      {{"--percentile", "101", "a"}, "--percentile"},
      {{"--percentile", "-1", "a"}, "--percentile"},
      {{"--percentile", "50%", "a"}, "--percentile"},
      {{"--decimals", "7", "a"}, "--decimals"},
      {{"--decimals", "-1", "a"}, "--decimals"},
      {{"--decimals", "2.5", "a"}, "--decimals"},
      {{"--decimals", "a"}, "--decimals"},
      {{"--decimals"}, "--decimals"},
      {{"--classes", "0,0,10", "a"}, "--classes"},
      {{"--classes", "-1,0,10", "a"}, "--classes"},
      {{"--classes", "0,1,10,", "a"}, "--classes"},
      {{"--histogram", "0,1,101", "a"}, "--histogram"},
      {{"--histogram", "0,1", "a"}, "--histogram"},
      {{"--histogram", "0,nan,3", "a"}, "--histogram"},
      {{"--bogus", "a"}, "--bogus"},
      {{"a", "b", "c"}, "two"},
      {{data("no_such_file.csv")}, "no_such_file.csv"},
      {{std::string(TALLYSCOPE_TEST_DATA)}, "not a regular file"},  // a directory
  };
  for (const auto& c : cases) {
    ReportRun r = run(c.args);
    std::string all;
    for (const auto& a : c.args) all += a + " ";
    EXPECT_EQ(r.status, 2) << all;
    EXPECT_TRUE(r.out.empty()) << all;
    EXPECT_NE(r.err.find(c.names), std::string::npos) << all << " -> " << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
  }
}

TEST(ReportArguments, HelpDocumentsTheOptions) {
  ReportRun r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Usage: tallyscope-report", 0), 0u);
  for (const char* option : {"--type", "--classes", "--histogram", "--sample", "--percentile",
                             "--decimals N|auto"})
    EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

TEST(ReportLoading, ClassLabelsAreReadOnlyAndTheFileStartsAtRow0) {
  Grouping g{0, 10, 2};
  CellTable t = loadDataText("a\t3\r\n\t\nc\t4\td\n", AlreadyGroupedContinuous, g);
  ASSERT_EQ(t.size(), 1000u);
  EXPECT_EQ(t[0], (CellRow{"0 - < 10", "3"}));
  EXPECT_EQ(t[1], (CellRow{"10 - < 20", ""}));
  EXPECT_EQ(t[2], (CellRow{"", "4"}));
  CellTable v = loadDataText("1\t\n2\t5\n", UngroupedDiscrete, g);
  EXPECT_EQ(v[0], (CellRow{"1", ""}));
  EXPECT_EQ(v[1], (CellRow{"2", "5"}));
}

TEST(ReportLoading, ReadingStopsAtNulAndRowsBeyond1000AreDropped) {
  std::string path = testing::TempDir() + "report_nul.csv";
  {
    std::ofstream f(path, std::ios::binary);
    f << "1\t\n2\t\n" << '\0' << "3\t\n";
  }
  std::string text, error;
  ASSERT_TRUE(readDataFileText(path, text, error));
  EXPECT_EQ(text, "1\t\n2\t\n");

  std::string many;
  for (int i = 0; i < 1200; ++i) many += std::to_string(i) + "\n";
  CellTable t = loadDataText(many, UngroupedDiscrete, Grouping{});
  EXPECT_EQ(t[999][0], "999");
  DataSet s;
  extractGridData(UngroupedDiscrete, t, Grouping{}, s);
  EXPECT_EQ(s.pairs.size(), 1000u);
}

// Golden pages, worked by hand:
// report_values1: 1,2,2,3,4,5 (N = 6): mean 17/6; Q1 rank 2, median (2+3)/2, Q3 rank 5;
//   squares 10.833/6 -> 1.344.  report_values2: 10,20,30,40: four modes; squares 500/4.
// report_freq1: 1 x2, 3 x1, 5 x2 (2.4 rounds to 2): N = 5, Q1 (1+1)/2, Q3 (5+5)/2, 16/5.
// report_freq2: 2 x1, 4 x3, 6 x1 (the second 4 is a copy and is dropped).
// report_classes1 on 0,10,3: 2, 5, 3 -> median 16, Q1 11, Q3 20 + 0.5*10/3.
// report_classes2: 1, 0 ("0" empties the class), 4 -> mean (5 + 100)/5 = 21, squares 320.
TEST(ReportPage, GoldenPagesForEachDataType) {
  const std::string ungrouped =
      "\tSet 1\tSet 2\n"
      "n:\t6\t4\n"
      "Mean:\t2.833\t25\n"
      "Mode:\t2\t(more than\\n 2 modes)\n"
      "Minimum:\t1\t10\n"
      "Q1:\t2\t15\n"
      "Median:\t2.5\t25\n"
      "Q3:\t4\t35\n"
      "Maximum:\t5\t40\n"
      "Range:\t4\t30\n"
      "IQR:\t2\t20\n"
      "Std Dev.(p):\t1.344\t11.18\n"
      "p=50:\t2.5\t25\n";
  const std::string withFrequencies =
      "\tSet 1\tSet 2\n"
      "n:\t5\t5\n"
      "Mean:\t3\t4\n"
      "Mode:\t1, 5\t4\n"
      "Minimum:\t1\t2\n"
      "Q1:\t1\t3\n"
      "Median:\t3\t4\n"
      "Q3:\t5\t5\n"
      "Maximum:\t5\t6\n"
      "Range:\t4\t4\n"
      "IQR:\t4\t2\n"
      "Std Dev.(s):\t2\t1.414\n"
      "p=25:\t1\t4\n";
  const std::string classes =
      "\tSet 1\tSet 2\n"
      "n:\t10\t5\n"
      "Mean:\t16\t21\n"
      "Mode:\t10 < 20\t20 < 30\n"
      "Minimum:\t\t\n"
      "Q1:\t11\t20.63\n"  // 20.625, a tie, rounds up
      "Median:\t16\t23.75\n"
      "Q3:\t21.67\t26.88\n"
      "Maximum:\t\t\n"
      "Range:\t\t\n"
      "IQR:\t10.67\t6.25\n"
      "Std Dev.(p):\t7\t8\n"
      "p=50:\t16\t23.75\n";
  const std::string values1 = data("report_values1.csv"), values2 = data("report_values2.csv");
  const std::string freq1 = data("report_freq1.csv"), freq2 = data("report_freq2.csv");
  struct Case {
    std::vector<std::string> args;
    std::string page;
  } cases[] = {
      {{values1, values2}, ungrouped},
      {{"--type", "1", values1, values2}, ungrouped},
      {{"--type", "2", "--sample", "--percentile", "25", freq1, freq2}, withFrequencies},
      {{"--type", "3", "--sample", "--percentile", "25", freq1, freq2}, withFrequencies},
      {{"--type", "4", "--classes", "0,10,3", data("report_classes1.csv"),
        data("report_classes2.csv")},
       classes},
  };
  for (const auto& c : cases) {
    ReportRun r = run(c.args);
    EXPECT_EQ(r.status, 0) << c.args[0];
    EXPECT_EQ(r.out, c.page) << c.args[0];
  }
}

TEST(ReportPage, OneFileLeavesSet2BlankAndCopiesAreNotedOnStandardError) {
  ReportRun r = run({"--type", "2", data("report_freq2.csv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\nn:\t5\t\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("the value 4 has been added more than once"), std::string::npos);
  // Values-only files hold no frequencies: with frequencies expected nothing is read.
  ReportRun blank = run({"--type", "2", data("report_values1.csv")});
  EXPECT_NE(blank.out.find("\nMean:\t\t\n"), std::string::npos) << blank.out;
}

// The example analysis: the same page as its two files give, under the sets' names.
TEST(ReportPage, DecimalsFixTheComputedStatisticsOnly) {
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  ReportRun fixed = run({"--decimals", "2", "--sample", examples + "class-7a.csv",
                         examples + "class-7b.csv"});
  ASSERT_EQ(fixed.status, 0) << fixed.err;
  // Counts, modes and extremes as in auto; every statistic to two places.
  for (const char* line :
       {"\nn:\t25\t26\n", "\nMean:\t13.36\t11.35\n", "\nMode:\t14\t11, 12\n",
        "\nMinimum:\t6\t5\n", "\nQ1:\t11.50\t9.00\n", "\nMedian:\t14.00\t11.00\n",
        "\nRange:\t13\t15\n", "\nIQR:\t4.00\t4.00\n", "\nStd Dev.(s):\t3.12\t3.08\n",
        "\np=50:\t14.00\t11.00\n"})
    EXPECT_NE(fixed.out.find(line), std::string::npos) << line << fixed.out;
  ReportRun described = run({"--decimals", "0", "--description", examples + "two-classes.tally"});
  EXPECT_NE(described.out.find("\nMean:\t13\t11\n"), std::string::npos) << described.out;
  ReportRun automatic = run({"--decimals", "auto", examples + "class-7a.csv"});
  EXPECT_EQ(automatic.out, run({examples + "class-7a.csv"}).out);
}

TEST(ReportPage, NumbersAsAStudentWritesThem) {
  struct Case {
    std::vector<std::string> args;
    std::vector<const char*> rows;  // lines the page must hold
  } cases[] = {
      // Q1 (1234567 + 2345678) / 2 = 1790122.5 and Q3 7438271.5 round half up; the
      // mean of the second file is (2 + 0) / 5.
      {{data("report_millions.csv"), data("report_extreme_mean.csv")},
       {"Mean:\t4382715\t0.4", "Minimum:\t1234567\t-1.5e+308", "Q1:\t1790123\t-1.25e+308",
        "Q3:\t7438272\t1.25e+308", "Range:\t8641976\t", "Std Dev.(p):\t3015987\t1.14e+308"}},
      // Q1 2.1585, Q3 4.4585, mean 13.075, Q3 13.125: every tie rounds up.
      {{data("report_ties.csv"), data("report_tie_mean.csv")},
       {"Q1:\t2.159\t13", "Q3:\t4.459\t13.13", "Mean:\t3.309\t13.08"}},
      {{"--decimals", "2", data("report_ties.csv"), data("report_tie_mean.csv")},
       {"Q1:\t2.16\t13.00", "Q3:\t4.46\t13.13", "Mean:\t3.31\t13.08", "Minimum:\t2.157\t13"}},
      {{"--decimals", "3", data("report_ties.csv"), data("report_tie_mean.csv")},
       {"Q1:\t2.159\t13.000", "Q3:\t4.459\t13.125", "Mean:\t3.309\t13.075"}},
      // Classes 10.4 to 12 in steps of 0.4 with frequencies 1, 3, 3, 2.
      {{"--type", "4", "--classes", "10.4,0.4,4", data("report_two_modal_classes.csv")},
       {"Mode:\t10.8 < 11.2\\n 11.2 < 11.6\t", "n:\t9\t"}},
  };
  for (const Case& c : cases) {
    ReportRun r = run(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* row : c.rows)
      EXPECT_NE(r.out.find(std::string("\n") + row + "\n"), std::string::npos)
          << row << "\n"
          << r.out;
  }
}

TEST(ReportDescription, PrintsTheAnalysisTheDescriptionSetsUp) {
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  ReportRun files = run({"--percentile", "90", examples + "class-7a.csv", examples + "class-7b.csv"});
  ReportRun described = run({"--percentile", "90", "--description", examples + "two-classes.tally"});
  EXPECT_EQ(described.status, 0) << described.err;
  EXPECT_EQ(described.out,
            "\tClass 7A\tClass 7B" + files.out.substr(files.out.find('\n')));

  // Type, grouping, names cut to 30 characters, an invalid value noted; the file read
  // in the description's type: report_freq1's second column (2, 1, 2.4) fills the
  // classes 0 - < 2, 2 - < 4, 4 - < 6 beside their labels, n = 2 + 1 + 2.
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_description.xml")
      << "<a><set1Name>Mathematics 7, Mr Ng's afternoon class</set1Name><set1File>"
      << data("report_freq1.csv")
      << "</set1File><type>4</type><start>0</start><size>2</size><number>3</number>"
         "<colWidth>0</colWidth></a>";
  ReportRun grouped = run({"--description", dir + "report_description.xml"});
  EXPECT_EQ(grouped.status, 0);
  EXPECT_EQ(grouped.out.substr(0, grouped.out.find('\n', grouped.out.find('\n') + 1)),
            "\tMathematics 7, Mr Ng's afterno\tSet 2\nn:\t5\t");
  EXPECT_NE(grouped.err.find("colWidth \"0\""), std::string::npos) << grouped.err;

  std::ofstream(dir + "report_broken.xml") << "<a><type>2</type>";
  ReportRun broken = run({"--description", dir + "report_broken.xml"});
  EXPECT_EQ(broken.status, 2);
  EXPECT_TRUE(broken.out.empty());
  EXPECT_NE(broken.err.find("XML error at line 1"), std::string::npos) << broken.err;
  EXPECT_EQ(broken.err.find('\n'), broken.err.size() - 1) << "one line: " << broken.err;

  for (std::vector<std::string> bad : {std::vector<std::string>{"--description"},
                                       {"--description", "x.xml", "a.csv"},
                                       {"--type", "2", "--description", "x.xml"}}) {
    ReportRun r = run(bad);
    EXPECT_EQ(r.status, 2) << bad.back();
    EXPECT_NE(r.err.find("--"), std::string::npos) << r.err;
  }
}

// A spreadsheet's file (semicolons, decimal commas, a header) gives the page of the
// TAB file with the same numbers, under the header's name.
TEST(ReportPage, ASpreadsheetFileReadsAsItsTabTwinUnderItsHeader) {
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_semicolons.csv", std::ios::binary)
      << "Class 7C;Count\r\n1,5;2\r\n2;1\r\n3;4\r\n4,25;1\r\n";
  std::ofstream(dir + "report_tabs.csv", std::ios::binary) << "1.5\t2\n2\t1\n3\t4\n4.25\t1\n";
  ReportRun sheet = run({"--type", "2", dir + "report_semicolons.csv", dir + "report_tabs.csv"});
  ReportRun tabs = run({"--type", "2", dir + "report_tabs.csv", dir + "report_tabs.csv"});
  ASSERT_EQ(sheet.status, 0) << sheet.err;
  EXPECT_EQ(sheet.out, "\tClass 7C\tSet 2" + tabs.out.substr(tabs.out.find('\n')));
  EXPECT_NE(sheet.out.find("\nn:\t8\t8\n"), std::string::npos) << sheet.out;

  // A description's set without a name of its own takes its file's header.
  std::ofstream(dir + "report_header.xml")
      << "<a><set1File>" << dir << "report_semicolons.csv</set1File><set2Name>B</set2Name>"
      << "<set2File>" << dir << "report_semicolons.csv</set2File></a>";
  ReportRun described = run({"--description", dir + "report_header.xml"});
  EXPECT_EQ(described.out.substr(0, described.out.find('\n')), "\tClass 7C\tB");
}

TEST(ReportLoading, AFileWithNoNumbersExitsWith2AndSaysSo) {
  const std::string dir = testing::TempDir();
  const std::string empty = dir + "report_empty.csv", words = dir + "report_words.csv";
  std::ofstream(empty, std::ios::binary) << "";
  std::ofstream(words, std::ios::binary) << "Score\nabsent\n";
  std::ofstream(dir + "report_words.xml") << "<a><set1File>" << words << "</set1File></a>";
  struct Case {
    std::vector<std::string> args;
    std::string file;
  } cases[] = {{{empty}, empty},
               {{data("report_values1.csv"), words}, words},
               {{"--type", "4", words}, words},
               {{"--description", dir + "report_words.xml"}, words}};
  for (const Case& c : cases) {
    ReportRun r = run(c.args);
    EXPECT_EQ(r.status, 2) << c.file;
    EXPECT_EQ(r.out, "") << c.file;
    EXPECT_EQ(r.err, "tallyscope-report: No numbers found in " + c.file + ".\n");
  }
}

// Copy Statistics: the page's rows as a block of cells, a text of two lines (two
// modal classes) written as one.
TEST(ReportPage, CopyStatisticsTextIsThePageAsCellsOfOneLine) {
  RefreshResult result;
  SetLabels& a = result.sets[0].labels;
  a.n = "5";
  a.mean = "3";
  a.mode = "0 - < 10\n 20 < 30";
  a.minimum = a.q1 = a.median = a.q3 = a.maximum = a.range = a.iqr = a.stdDev = "1";
  a.percentile = "2";
  const std::string text = statisticsText(result, true, 90, 90, "Class 7A", "Set 2");
  EXPECT_EQ(text,
            "\tClass 7A\tSet 2\r\n"
            "n:\t5\t\r\n"
            "Mean:\t3\t\r\n"
            "Mode:\t0 - < 10, 20 < 30\t\r\n"
            "Minimum:\t1\t\r\nQ1:\t1\t\r\nMedian:\t1\t\r\nQ3:\t1\t\r\nMaximum:\t1\t\r\n"
            "Range:\t1\t\r\nIQR:\t1\t\r\n"
            "Std Dev.(s):\t1\t\r\n"
            "p=90:\t2\t\r\n");
  // The same rows as the report's page.
  std::string page = statisticsPage(result, true, 90, "Class 7A", "Set 2"), lines;
  for (char c : text)
    if (c != '\r') lines += c;
  EXPECT_EQ(lines.replace(lines.find(", 20"), 2, "\\n "), page);

  // Percentiles of their own: both in the caption, Set 1's first.
  const std::string own = statisticsText(result, false, 25, 75, "A", "B");
  EXPECT_EQ(own.substr(own.rfind("\r\n", own.size() - 3) + 2), "p=25, 75:\t2\t\r\n");
  EXPECT_NE(own.find("\r\nStd Dev.(p):\t1\t\r\n"), std::string::npos) << own;
}

TEST(ReportFrequencyTable, OneLinePerColumnWithCumulativeFrequenciesAndPercentages) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string table;
  } cases[] = {
      // 1,2,2,3,4,5 and 10,20,30,40: distinct values in ascending order; of 6, one
      // value is 16.67 % and two 33.33 %.
      {"discrete values",
       {"--frequency-table", data("report_values1.csv"), data("report_values2.csv")},
       "Set 1\t1\t1\t1\t16.67\t16.67\nSet 1\t2\t2\t3\t33.33\t50\n"
       "Set 1\t3\t1\t4\t16.67\t66.67\nSet 1\t4\t1\t5\t16.67\t83.33\n"
       "Set 1\t5\t1\t6\t16.67\t100\n"
       "Set 2\t10\t1\t1\t25\t25\nSet 2\t20\t1\t2\t25\t50\nSet 2\t30\t1\t3\t25\t75\n"
       "Set 2\t40\t1\t4\t25\t100\n"},
      // Histogram columns of 0.1 over 0.05, 0.3, 0.6, 0.7: every value in the column
      // its label names, empty columns listed too; 0.6 and 0.7 lie in none, so the
      // percentages of all four stop at 50. Set 2 never loaded prints nothing.
      {"histogram columns",
       {"--type", "1", "--histogram", "0,0.1,5", "--frequency-table",
        data("report_decimal_values.csv")},
       "Set 1\t0 - < 0.1\t1\t1\t25\t25\nSet 1\t0.1 - < 0.2\t0\t1\t0\t25\n"
       "Set 1\t0.2 - < 0.3\t0\t1\t0\t25\nSet 1\t0.3 - < 0.4\t1\t2\t25\t50\n"
       "Set 1\t0.4 - < 0.5\t0\t2\t0\t50\n"},
      // Classes 2.7 -> 2, 0.5 -> 0, 3.9 -> 3 (whole observations); the class file
      // 2, 5, 3 as Set 2.
      {"classes",
       {"--type", "4", "--classes", "0,10,3", "--frequency-table",
        data("report_fractional_classes.csv"), data("report_classes1.csv")},
       "Set 1\t0 - < 10\t2\t2\t40\t40\nSet 1\t10 - < 20\t0\t2\t0\t40\n"
       "Set 1\t20 - < 30\t3\t5\t60\t100\n"
       "Set 2\t0 - < 10\t2\t2\t20\t20\nSet 2\t10 - < 20\t5\t7\t50\t70\n"
       "Set 2\t20 - < 30\t3\t10\t30\t100\n"},
      // Two frequencies beyond 2^53 are no counts: one value left, no statistics.
      {"no statistics", {"--type", "2", "--frequency-table", data("report_not_counts.csv")}, ""},
  };
  for (const auto& c : cases) {
    ReportRun r = run(c.args);
    EXPECT_EQ(r.status, 0) << c.what;
    EXPECT_EQ(r.out, c.table) << c.what;
  }
  EXPECT_NE(run({"--help"}).out.find("--frequency-table"), std::string::npos);
}

TEST(ReportLessons, MoreRowsStemAndLeafAndWorking) {
  const std::string values1 = data("report_values1.csv"), values2 = data("report_values2.csv");
  // 1,2,2,3,4,5: Σx 17, Σx² 1 + 8 + 9 + 16 + 25 = 59, squares 10.833 -> s 1.472, σ 1.344.
  // 10,20,30,40: Σx 100, Σx² 3000, squares 500 -> s 12.91, σ 11.18.
  ReportRun more = run({"--more", values1, values2});
  EXPECT_EQ(more.status, 0);
  EXPECT_EQ(more.out.substr(more.out.find("p=50:")),
            "p=50:\t2.5\t25\n"
            "\xCE\xA3x:\t17\t100\n"
            "\xCE\xA3x\xC2\xB2:\t59\t3000\n"
            "Std Dev.(s):\t1.472\t12.91\n"
            "Std Dev.(p):\t1.344\t11.18\n"
            "Distinct values:\t5\t4\n");

  ReportRun stems = run({"--stem-and-leaf", values1, values2});
  EXPECT_EQ(stems.out,
            "Set 1\n0 | 1 2 2 3 4 5\nKey: 0 | 1 means 1\n"
            "Set 2\n1 | 0\n2 | 0\n3 | 0\n4 | 0\nKey: 1 | 0 means 10\n");
  ReportRun split = run({"--split-stems", values1});
  EXPECT_EQ(split.out, "Set 1\n0 | 1 2 2 3 4\n0 | 5\nKey: 0 | 1 means 1\n");
  // No plot of already grouped data.
  EXPECT_EQ(run({"--type", "4", "--classes", "0,10,3", "--stem-and-leaf",
                 data("report_classes1.csv")}).out,
            "");

  // The working: each set's block under its name, an empty line between them; the
  // example's names from its description.
  ReportRun working = run({"--working", values1, values2});
  EXPECT_EQ(working.out.rfind("Set 1\nCount and sums\n  n = 6\n", 0), 0u) << working.out;
  EXPECT_NE(working.out.find("\n\nSet 2\nCount and sums\n  n = 4\n"), std::string::npos);
  EXPECT_NE(working.out.find("  median = (x3 + x4) / 2 = (2 + 3) / 2 = 2.5\n"), std::string::npos);
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  ReportRun described = run({"--working", "--description", examples + "two-classes.tally"});
  EXPECT_EQ(described.status, 0);
  EXPECT_EQ(described.out.rfind("Class 7A\n", 0), 0u);
  EXPECT_NE(described.out.find("\n\nClass 7B\n"), std::string::npos);

  // Together: table, plots and working in that order, an empty line between.
  ReportRun all = run({"--working", "--stem-and-leaf", "--frequency-table", values1});
  const size_t table = all.out.find("Set 1\t1\t"), plot = all.out.find("\n\nSet 1\n0 |"),
               steps = all.out.find("\n\nSet 1\nCount and sums");
  EXPECT_TRUE(table == 0 && plot != std::string::npos && steps != std::string::npos &&
              plot < steps)
      << all.out;
  for (const char* option : {"--more", "--stem-and-leaf", "--split-stems", "--working"})
    EXPECT_NE(run({"--help"}).out.find(option), std::string::npos) << option;
}

TEST(ReportArguments, DegenerateGroupingsExitWithStatus2) {
  // Classes whose bounds are one double, or whose end overflows.
  for (const char* g : {"1e17,1,3", "1e308,1e308,2", "0,1e307,100"}) {
    for (const char* option : {"--classes", "--histogram"}) {
      ReportRun r = run({option, g, data("report_values1.csv")});
      EXPECT_EQ(r.status, 2) << option << " " << g;
      EXPECT_NE(r.err.find("distinct finite class bounds"), std::string::npos) << r.err;
    }
  }
}

// A description's set files are read in its type; inline tables are read as the
// table; the inline example gives the same page as the two-file example.
TEST(ReportDescription, SetFilesInTheirOwnTypeAndInlineTables) {
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_pairs.csv", std::ios::binary) << "5\t3\n6\t2\n7\t4\n";
  std::ofstream(dir + "report_pairs.tally")
      << "<a><type>2</type><set1File>report_pairs.csv</set1File></a>";
  ReportRun pairs = run({"--description", dir + "report_pairs.tally"});
  EXPECT_EQ(pairs.status, 0) << pairs.err;
  EXPECT_NE(pairs.out.find("\nn:\t9\t\n"), std::string::npos) << pairs.out;

  std::ofstream(dir + "report_inline.tally")
      << "<a><type>2</type><set1File>report_pairs.csv</set1File>"
         "<set1Data>\n5\t1\n6\t1\n7\t1\n4\t2\n4\t7\n</set1Data></a>";
  ReportRun inl = run({"--description", dir + "report_inline.tally"});
  EXPECT_NE(inl.out.find("\nn:\t5\t\n"), std::string::npos) << "inline wins: " << inl.out;
  EXPECT_NE(inl.err.find("Set 1: the value 4 has been added more than once"), std::string::npos)
      << inl.err;

  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  ReportRun files = run({"--sample", "--description", examples + "two-classes.tally"});
  ReportRun inlineExample = run({"--sample", "--description", examples + "two-classes-inline.tally"});
  EXPECT_EQ(inlineExample.status, 0) << inlineExample.err;
  EXPECT_EQ(inlineExample.out, files.out);
  EXPECT_EQ(inlineExample.err, "");
}

// Grouping elements at their defaults set the histogram: ten columns of width 1
// from 0, not the columns fitted to the data.
TEST(ReportDescription, AGroupingAtItsDefaultsIsAppliedNotFitted) {
  const std::string dir = testing::TempDir();
  const std::string data = "<set1Data>\n0.5\n2.5\n4.5\n6.5\n8.5\n30\n</set1Data>";
  std::ofstream(dir + "report_given.tally")
      << "<a><type>1</type><start>0</start><size>1</size><number>10</number>" << data << "</a>";
  std::ofstream(dir + "report_fitted.tally") << "<a><type>1</type>" << data << "</a>";
  ReportRun given = run({"--frequency-table", "--description", dir + "report_given.tally"});
  ReportRun fitted = run({"--frequency-table", "--description", dir + "report_fitted.tally"});
  EXPECT_EQ(given.status, 0) << given.err;
  EXPECT_EQ(given.out.substr(0, given.out.find('\n', given.out.find('\n') + 1)),
            "Set 1\t0 - < 1\t1\t1\t16.67\t16.67\nSet 1\t1 - < 2\t0\t1\t0\t16.67");
  EXPECT_EQ(std::count(given.out.begin(), given.out.end(), '\n'), 10);
  EXPECT_NE(fitted.out, given.out);
  EXPECT_EQ(fitted.out.find("0 - < 1\t"), std::string::npos) << fitted.out;
}

// The description's percentiles and deviation choice, unless the command line sets them.
TEST(ReportDescription, TheDescriptionsPercentilesAndDeviationApply) {
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_choices.tally")
      << "<a><set1Percentile>25</set1Percentile><set2Percentile>75</set2Percentile>"
         "<sampleStdDev>1</sampleStdDev><set1Data>\n1\n2\n3\n4\n</set1Data>"
         "<set2Data>\n1\n2\n3\n4\n</set2Data></a>";
  ReportRun own = run({"--description", dir + "report_choices.tally"});
  EXPECT_EQ(own.status, 0) << own.err;
  EXPECT_NE(own.out.find("\nStd Dev.(s):\t"), std::string::npos) << own.out;
  EXPECT_NE(own.out.find("\np=25, 75:\t"), std::string::npos) << own.out;
  ReportRun told = run({"--percentile", "90", "--description", dir + "report_choices.tally"});
  EXPECT_NE(told.out.find("\np=90:\t"), std::string::npos) << told.out;
}

TEST(ReportOutside, ValuesOutsideTheColumnsAreNotedAndTheStatusStays0) {
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  const std::string a = examples + "class-7a.csv", b = examples + "class-7b.csv";
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      // Columns 0..20 of 2 leave out Class 7B's 20.
      {"given columns", {"--type", "1", "--histogram", "0,2,10", "--frequency-table", a, b},
       "Set 2: 1 value outside the columns (20)\n"},
      {"one set only", {"--type", "1", "--histogram", "0,2,10", b},
       "Set 1: 1 value outside the columns (20)\n"},
      // Without --histogram the columns follow the data and hold every value.
      {"fitted columns", {"--type", "1", "--frequency-table", a, b}, ""},
      // Classes read from the file hold its frequencies: nothing outside.
      {"classes", {"--type", "4", "--classes", "0,2,10", a}, ""},
  };
  for (const Case& c : cases) {
    const ReportRun r = run(c.args);
    EXPECT_EQ(r.status, 0) << c.what;
    EXPECT_EQ(r.err, c.err) << c.what;
    EXPECT_FALSE(r.out.empty()) << c.what;
  }
  // The line names the set as the page does: by its file's header.
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_outside.csv", std::ios::binary)
      << "Class 7C;Count\r\n1,5;2\r\n2;1\r\n3;4\r\n4,25;1\r\n";
  const ReportRun named =
      run({"--type", "3", "--histogram", "0,1,2", dir + "report_outside.csv"});
  EXPECT_EQ(named.status, 0);
  EXPECT_EQ(named.err, "Class 7C: 6 values outside the columns (2, 3, 3, 3, 3 and 1 more)\n");
  // The fitted columns of the example: 5 - < 10 up to 20 - < 25, both sets whole.
  const ReportRun fitted = run({"--type", "1", "--frequency-table", a, b});
  EXPECT_EQ(fitted.out.rfind("Set 1\t5 - < 10\t3\t3\t12\t12\n", 0), 0u) << fitted.out;
  EXPECT_NE(fitted.out.find("Set 1\t20 - < 25\t0\t25\t0\t100\n"), std::string::npos) << fitted.out;
  EXPECT_NE(fitted.out.find("Set 2\t20 - < 25\t1\t26\t3.846\t100\n"), std::string::npos) << fitted.out;
  // Histogram columns change no statistic shown.
  EXPECT_EQ(run({"--type", "1", a, b}).out, run({"--type", "1", "--histogram", "0,2,10", a, b}).out);
}
