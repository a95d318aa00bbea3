#include "core/stats/Report.h"

#include <gtest/gtest.h>

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
  for (const char* option : {"--type", "--classes", "--histogram", "--sample", "--percentile"})
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
      "Q1:\t11\t20.62\n"
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
TEST(ReportDescription, PrintsTheAnalysisTheDescriptionSetsUp) {
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  ReportRun files = run({"--percentile", "90", examples + "class-7a.csv", examples + "class-7b.csv"});
  ReportRun described = run({"--percentile", "90", "--description", examples + "two-classes.tally"});
  EXPECT_EQ(described.status, 0) << described.err;
  EXPECT_EQ(described.out,
            "\tClass 7A\tClass 7B" + files.out.substr(files.out.find('\n')));

  // Type, grouping, names cut to 10 characters, an invalid value noted; files read as
  // one value per line (report_freq1's frequencies are not read).
  const std::string dir = testing::TempDir();
  std::ofstream(dir + "report_description.xml")
      << "<a><set1Name>Mathematics 7</set1Name><set1File>" << data("report_freq1.csv")
      << "</set1File><type>4</type><start>0</start><size>2</size><number>3</number>"
         "<colWidth>0</colWidth></a>";
  ReportRun grouped = run({"--description", dir + "report_description.xml"});
  EXPECT_EQ(grouped.status, 0);
  EXPECT_EQ(grouped.out.substr(0, grouped.out.find('\n', grouped.out.find('\n') + 1)),
            "\tMathematic\tSet 2\nn:\t3\t");
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
