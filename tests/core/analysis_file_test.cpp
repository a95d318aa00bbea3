// The analysis file: what the window holds written as a description with its
// tables inline, read back, and opened as the window opens it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "../TestFiles.h"
#include "core/description/AnalysisFile.h"
#include "core/description/AnalysisWriter.h"
#include "core/description/DescriptionReader.h"
#include "core/stats/Refresh.h"

using namespace tally;

namespace {

AnalysisDescription parsed(const std::string& text) {
  AnalysisDescription d;
  DescriptionProblems problems;
  EXPECT_TRUE(parseDescription(text, d, problems)) << problems.error << "\n" << text;
  EXPECT_TRUE(problems.invalid.empty()) << problems.invalid.front();
  return d;
}

CellTable table(std::vector<CellRow> rows) {
  rows.resize(kGridRows);
  return rows;
}

AnalysisContent classroom() {
  AnalysisContent c;
  c.names[0] = "Class 7A";
  c.names[1] = "Class 7B";
  c.tables[0] = table({{"14", ""}, {"12", ""}});
  c.tables[1] = table({{"11", ""}});
  return c;
}

}  // namespace

// Each field the window holds, changed alone, is written, reads back and opens as
// it was; writing what was read gives the same bytes.
TEST(AnalysisFile, EveryFieldRoundTripsAndWritingWhatWasReadGivesTheSameBytes) {
  struct Case {
    const char* what;
    std::function<void(AnalysisContent&)> change;
  } cases[] = {
      {"names", [](AnalysisContent& c) { c.names[0] = "R&D <team> \"1\""; c.names[1] = "Heights of Year 9 girls (cm)"; }},
      {"type", [](AnalysisContent& c) { c.type = UngroupedContinuous; }},
      {"classes", [](AnalysisContent& c) { c.classes = Grouping{140.5, 0.1, 8}; }},
      {"histogram", [](AnalysisContent& c) { c.histogram = Grouping{-3, 2.5, 12}; }},
      {"histogram 0 1 10", [](AnalysisContent& c) { c.histogram = Grouping{0, 1, 10}; }},
      {"column width", [](AnalysisContent& c) { c.columnWidth = 3; }},
      {"column width 1", [](AnalysisContent& c) { c.columnWidth = 1; }},
      {"percentiles", [](AnalysisContent& c) { c.percentile[0] = 0; c.percentile[1] = 100; }},
      {"deviation", [](AnalysisContent& c) { c.sampleStdDev = true; }},
      {"decimals auto", [](AnalysisContent& c) { c.decimals = -1; }},
      {"decimals 6", [](AnalysisContent& c) { c.decimals = 6; }},
      {"box axis", [](AnalysisContent& c) { c.axes[kBoxAxis] = AxisRange{-1.5, 1e15, 0.25}; }},
      {"column and ogive axes", [](AnalysisContent& c) {
         c.axes[kColumnAxis] = AxisRange{0, 20, 2};
         c.axes[kOgiveAxis] = AxisRange{1995, 2024, 5};
       }},
      {"tables", [](AnalysisContent& c) {
         c.tables[0] = table({{"7,5", "note"}, {"", ""}, {"\"quoted\"", "a\"b"}, {" 3 ", "x y"}});
         c.tables[1] = CellTable();
       }},
      {"value and frequency", [](AnalysisContent& c) {
         c.type = GroupedDiscrete;
         c.tables[0] = table({{"5", "3"}, {"6", "2"}, {"7", "4"}});
         c.tables[1] = table({{"1.5", "1"}});
       }},
      {"classes beside their labels", [](AnalysisContent& c) {
         c.type = AlreadyGroupedContinuous;
         c.classes = Grouping{0, 5, 2};
         c.tables[0] = table({{"0 - < 5", "3"}, {"5 - < 10", "0"}});
         c.tables[1] = table({{"0 - < 5", "0"}, {"5 - < 10", "1"}});
       }},
  };
  const std::string plain = analysisFileText(describeAnalysis(classroom()));
  for (const Case& c : cases) {
    AnalysisContent content = classroom();
    c.change(content);
    const std::string written = analysisFileText(describeAnalysis(content));
    EXPECT_NE(written, plain) << c.what << ": the change is written";
    const AnalysisDescription read = parsed(written);
    EXPECT_EQ(analysisFileText(read), written) << c.what;

    const AnalysisContent opened = openAnalysis(read).content;
    EXPECT_EQ(opened.names[0], content.names[0]) << c.what;
    EXPECT_EQ(opened.names[1], content.names[1]) << c.what;
    EXPECT_EQ(opened.type, content.type) << c.what;
    EXPECT_EQ(opened.classes, content.classes) << c.what;
    EXPECT_EQ(opened.histogram, content.histogram) << c.what;
    EXPECT_EQ(opened.columnWidth, content.columnWidth) << c.what;
    EXPECT_EQ(opened.percentile[0], content.percentile[0]) << c.what;
    EXPECT_EQ(opened.percentile[1], content.percentile[1]) << c.what;
    EXPECT_EQ(opened.sampleStdDev, content.sampleStdDev) << c.what;
    EXPECT_EQ(opened.decimals, content.decimals) << c.what;
    for (int a = 0; a < 3; ++a) EXPECT_EQ(opened.axes[a], content.axes[a]) << c.what << a;
    for (int s = 0; s < 2; ++s) {
      CellTable expected = content.tables[s];
      expected.resize(kGridRows);
      EXPECT_EQ(opened.tables[s], expected) << c.what << " set " << s + 1;
    }
    // Opened and saved again: the same bytes.
    EXPECT_EQ(analysisFileText(describeAnalysis(opened)), written) << c.what;
  }
}

TEST(AnalysisFile, TheWrittenDocumentIsReadableXmlWithTheTablesOnTheirOwnLines) {
  AnalysisContent c = classroom();
  c.classes = Grouping{0, 2, 10};
  const std::string text = analysisFileText(describeAnalysis(c));
  EXPECT_EQ(text,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<analysis>\n"
            "  <set1Name>Class 7A</set1Name>\n"
            "  <set2Name>Class 7B</set2Name>\n"
            "  <type>0</type>\n"
            "  <start>0</start>\n"
            "  <size>2</size>\n"
            "  <number>10</number>\n"
            "  <fitHistogram>1</fitHistogram>\n"
            "  <set1Percentile>50</set1Percentile>\n"
            "  <set2Percentile>50</set2Percentile>\n"
            "  <sampleStdDev>0</sampleStdDev>\n"
            "  <set1Data>\n14\t\n12\t\n\n</set1Data>\n"
            "  <set2Data>\n11\t\n\n</set2Data>\n"
            "</analysis>\n");
}

// What XML 1.0 cannot hold: a CR is written as a reference and survives; other
// control characters, U+FFFE/U+FFFF and bytes that are not UTF-8 become U+FFFD.
TEST(AnalysisFile, CharacterDataIsEscapedAndWhatXmlCannotHoldIsReplaced) {
  const std::string fffd = "\xEF\xBF\xBD";
  struct Case {
    std::string text, written;
  } cases[] = {
      {"AT&T <b>", "AT&amp;T &lt;b&gt;"},
      {"a\tb\nc", "a\tb\nc"},
      {"a\r\nb", "a&#13;\nb"},
      {"x\x01y\x1Fz\x7F", "x" + fffd + "y" + fffd + "z\x7F"},
      {"\xEF\xBF\xBE\xEF\xBF\xBF", fffd + fffd},
      {"caf\xE9", "caf" + fffd},
      {"\xC0\xAF", fffd + fffd},  // an overlong "/"
      {"Gr\xC3\xBCn \xF0\x9F\x93\x8A", "Gr\xC3\xBCn \xF0\x9F\x93\x8A"},
  };
  for (const Case& c : cases) EXPECT_EQ(xmlCharacterData(c.text), c.written) << c.text;

  // In a table: TAB and LF exactly, a CR too; a literal CR LF in a hand-written
  // file is one LF, as XML reads it.
  AnalysisDescription d;
  d.set1Data = "1\t\r\n\t2\n";
  d.given = {"set1Data"};
  EXPECT_EQ(parsed(analysisFileText(d)).set1Data, d.set1Data);
  EXPECT_EQ(parsed("<a><set1Data>\r\n1\t\r\n2\r\n</set1Data></a>").set1Data, "1\t\n2\n");

  // A cell the table cannot hold as it is reads back as written once, and stays so.
  AnalysisContent c;
  c.tables[0] = table({{"a\x01" "b", "tab\there"}, {"line\nbreak", ""}});
  const std::string once = analysisFileText(describeAnalysis(c));
  const AnalysisContent opened = openAnalysis(parsed(once)).content;
  EXPECT_EQ(opened.tables[0][0], (CellRow{"a" + fffd + "b", "tab here"}));
  EXPECT_EQ(opened.tables[0][1], (CellRow{"line break", ""}));
  EXPECT_EQ(analysisFileText(describeAnalysis(opened)), once);
}

TEST(AnalysisFile, InlineDataKeepTabsAndBlankRowsCellForCell) {
  const AnalysisDescription d = parsed(
      "<analysis><type>2</type><set1Data>\n5\t3\n\n\t\n\"a\tb\"\"\"c\t7\n6\t2\r\n"
      "</set1Data></analysis>");
  EXPECT_EQ(d.set1Data, "5\t3\n\n\t\n\"a\tb\"\"\"c\t7\n6\t2\n");
  const OpenedAnalysis opened = openAnalysis(d);
  const CellTable& t = opened.content.tables[0];
  EXPECT_EQ(t[0], (CellRow{"5", "3"}));
  EXPECT_EQ(t[1], (CellRow{"", ""}));
  EXPECT_EQ(t[2], (CellRow{"", ""}));
  // Quoted as dataFileText quotes; a cell holds no TAB, so the quoted one is a space.
  EXPECT_EQ(t[3], (CellRow{"a b\"c", "7"}));
  EXPECT_EQ(t[4], (CellRow{"6", "2"}));
  EXPECT_EQ(t[5], (CellRow{"", ""}));
  ASSERT_EQ(opened.sets[0].pairs.size(), 2u);
  EXPECT_EQ(opened.sets[0].pairs[0], (FrequencyPair{5, 3}));
  EXPECT_EQ(opened.sets[0].pairs[1], (FrequencyPair{6, 2}));

  // Nothing is guessed: no header, no decimal comma, no separator but TAB.
  const CellTable raw = dataTextTable("Heights\n1,5;2\n\xEF\xBB\xBF" "x");
  EXPECT_EQ(raw[0], (CellRow{"Heights", ""}));
  EXPECT_EQ(raw[1], (CellRow{"1,5;2", ""}));
  EXPECT_EQ(raw[2], (CellRow{"\xEF\xBB\xBF" "x", ""}));  // only a leading mark is dropped
  EXPECT_EQ(dataTextTable("\xEF\xBB\xBF" "9\t1")[0], (CellRow{"9", "1"}));
  // Rows and columns past the grid are left out; a table of blanks is no table.
  std::string many;
  for (int r = 0; r < kGridRows + 5; ++r) many += std::to_string(r) + "\ta\tb\n";
  const CellTable cut = dataTextTable(many);
  EXPECT_EQ(cut.size(), static_cast<size_t>(kGridRows));
  EXPECT_EQ(cut.back(), (CellRow{"999", "a"}));
  EXPECT_FALSE(parsed("<a><set1Data>\n \t\n</set1Data></a>").has("set1Data"));
}

TEST(AnalysisFile, InlineDataWinOverTheSetFile) {
  const std::string dir = testfiles::freshDirectory("analysis_inline");
  testfiles::spit(dir + "b.csv", "20\n21\n22\n");
  AnalysisDescription d = parsed(
      "<analysis><set1File>missing.csv</set1File><set1Data>1\n2\n3\n</set1Data>"
      "<set2File>b.csv</set2File></analysis>");
  d.directory = dir;
  const OpenedAnalysis opened = openAnalysis(d);
  EXPECT_EQ(opened.problem[0], DataImport::None) << "the file is not read";
  EXPECT_EQ(opened.content.tables[0][2], (CellRow{"3", ""}));
  // Set 1 has a table of its own, so Set 2's file is read.
  EXPECT_EQ(opened.content.tables[1][2], (CellRow{"22", ""}));
  EXPECT_EQ(opened.files[1], dir + "b.csv");

  // Without anything for Set 1, Set 2's file is not read, as before.
  AnalysisDescription alone = parsed("<a><set2File>b.csv</set2File></a>");
  alone.directory = dir;
  EXPECT_TRUE(openAnalysis(alone).sets[1].pairs.empty());
}

// The example, a description of today's form, opens as before: its files under
// type 0, its grouping for both dialogs, its column width chosen.
TEST(AnalysisFile, ADescriptionOfTodaysFormOpensAsBefore) {
  const std::string examples = std::string(TALLYSCOPE_TEST_DATA) + "/../../examples/";
  AnalysisDescription d;
  DescriptionProblems problems;
  ASSERT_TRUE(loadDescription(examples + "two-classes.tally", d, problems)) << problems.error;
  const OpenedAnalysis opened = openAnalysis(d);
  EXPECT_EQ(opened.content.names[0], "Class 7A");
  EXPECT_EQ(opened.content.classes, (Grouping{0, 2, 10}));
  EXPECT_EQ(opened.content.histogram, (Grouping{0, 2, 10}));
  EXPECT_EQ(opened.content.columnWidth, 1.0);
  EXPECT_EQ(observationCount(opened.sets[0]), 25u);
  EXPECT_EQ(observationCount(opened.sets[1]), 26u);
  EXPECT_EQ(opened.content.tables[0][0], (CellRow{"14", ""}));  // the file's cells

  // Read and written, it keeps its form: the files named, nothing added.
  const std::string written = analysisFileText(d);
  EXPECT_NE(written.find("<set1File>class-7a.csv</set1File>"), std::string::npos);
  EXPECT_EQ(written.find("Data>"), std::string::npos);
  EXPECT_EQ(written.find("Percentile"), std::string::npos);
  EXPECT_EQ(analysisFileText(parsed(written)), written);

  // The inline example opens to the same sets.
  AnalysisDescription inl;
  ASSERT_TRUE(loadDescription(examples + "two-classes-inline.tally", inl, problems));
  const OpenedAnalysis both = openAnalysis(inl);
  for (int s = 0; s < 2; ++s) EXPECT_EQ(both.sets[s].pairs, opened.sets[s].pairs) << s;
}

// A set file is read in the description's type: frequencies kept where the file
// has them, one value per line where it has none.
TEST(AnalysisFile, SetFilesAreReadInTheDescriptionsType) {
  const std::string dir = testfiles::freshDirectory("analysis_types");
  testfiles::spit(dir + "pairs.csv", "5\t3\n6\t2\n7\t4\n");
  testfiles::spit(dir + "values.csv", "5\n5\n6\n");
  struct Case {
    int type;
    const char* file;
    std::uint64_t n;
    CellRow firstRow;
  } cases[] = {
      {2, "pairs.csv", 9, {"5", "3"}},
      {3, "pairs.csv", 9, {"5", "3"}},
      {0, "pairs.csv", 3, {"5", "3"}},  // values only: the frequencies are no values
      {2, "values.csv", 3, {"5", "2"}},  // counted, shown beside their values
      // Classes 0 - < 5 and 5 - < 10: the file's second column beside the labels...
      {4, "pairs.csv", 5, {"0 - < 5", "3"}},
      // ...or, without one, the values counted into the classes.
      {4, "values.csv", 3, {"0 - < 5", "0"}},
  };
  for (const Case& c : cases) {
    AnalysisDescription d = parsed("<a><type>" + std::to_string(c.type) + "</type><set1File>" +
                                   c.file + "</set1File><start>0</start><size>5</size>"
                                   "<number>2</number></a>");
    d.directory = dir;
    OpenedAnalysis opened = openAnalysis(d);
    DataSet other;
    RefreshInputs in;
    in.type = static_cast<DataType>(c.type);
    in.classes = opened.content.classes;
    const RefreshResult result = refreshAnalysis(opened.sets[0], other, in);
    EXPECT_EQ(result.sets[0].labels.n, std::to_string(c.n)) << c.type << " " << c.file;
    EXPECT_EQ(opened.content.tables[0][0], c.firstRow) << c.type << " " << c.file;
  }
}

// A value the description gives is applied even when it equals the default.
TEST(AnalysisFile, GivenValuesApplyEvenWhenTheyEqualTheDefaults) {
  struct Case {
    const char* elements;
    std::optional<Grouping> histogram;
    std::optional<double> columnWidth;
  } cases[] = {
      {"", std::nullopt, std::nullopt},
      {"<start>0</start><size>1</size><number>10</number>", Grouping{0, 1, 10}, std::nullopt},
      {"<number>10</number>", Grouping{0, 1, 10}, std::nullopt},
      {"<colWidth>1</colWidth>", std::nullopt, 1.0},
      {"<colWidth>2.5</colWidth>", std::nullopt, 2.0},
      {"<start>0</start><histogramSize>2</histogramSize>", Grouping{0, 2, 10}, std::nullopt},
      {"<start>4</start><fitHistogram>1</fitHistogram>", std::nullopt, std::nullopt},
      // An invalid value is not given: its default stays, and so does the fitting.
      {"<size>0</size><colWidth>0</colWidth>", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    AnalysisDescription d;
    DescriptionProblems problems;
    ASSERT_TRUE(parseDescription(std::string("<a>") + c.elements + "</a>", d, problems));
    const AnalysisContent opened = openAnalysis(d).content;
    EXPECT_EQ(opened.histogram, c.histogram) << c.elements;
    EXPECT_EQ(opened.columnWidth, c.columnWidth) << c.elements;
  }
}

// Saving over a symbolic link writes the file it points to and keeps the link.
TEST(AnalysisFile, SavingOverASymbolicLinkKeepsTheLink) {
  const std::string dir = testfiles::freshDirectory("analysis_link");
  ASSERT_EQ(::mkdir((dir + "real").c_str(), 0755), 0);
  testfiles::spit(dir + "real/class.tally", "old");
  ASSERT_EQ(::chmod((dir + "real/class.tally").c_str(), 0640), 0);
  // A chain: a relative link to a relative link in another folder.
  ASSERT_EQ(::symlink("real/class.tally", (dir + "middle.tally").c_str()), 0);
  ASSERT_EQ(::symlink("middle.tally", (dir + "class.tally").c_str()), 0);
  AnalysisDescription d = describeAnalysis(classroom());
  std::string reason;
  ASSERT_TRUE(saveAnalysisFile(dir + "class.tally", d, reason)) << reason;
  struct stat st;
  ASSERT_EQ(::lstat((dir + "class.tally").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::lstat((dir + "middle.tally").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::lstat((dir + "real/class.tally").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(testfiles::slurp(dir + "real/class.tally"), analysisFileText(d));
  // A link that points nowhere yet: the file is made where it points.
  ASSERT_EQ(::symlink("new.tally", (dir + "dangling.tally").c_str()), 0);
  ASSERT_TRUE(saveAnalysisFile(dir + "dangling.tally", d, reason)) << reason;
  ASSERT_EQ(::lstat((dir + "dangling.tally").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(testfiles::slurp(dir + "new.tally"), analysisFileText(d));
  // A loop of links is refused, and nothing is left behind.
  ASSERT_EQ(::symlink("loop2", (dir + "loop1").c_str()), 0);
  ASSERT_EQ(::symlink("loop1", (dir + "loop2").c_str()), 0);
  EXPECT_FALSE(saveAnalysisFile(dir + "loop1", d, reason));
  EXPECT_FALSE(reason.empty());
}
