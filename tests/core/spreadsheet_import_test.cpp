#include "core/grid/SpreadsheetImport.h"

#include <gtest/gtest.h>

#include "core/FileAccess.h"
#include "core/grid/DataFile.h"

using namespace tally;

namespace {

using Writes = std::vector<CellWrite>;

// Text as a spreadsheet's "Unicode text" writes it: UTF-16 with its byte-order mark.
// Only for ASCII and Latin-1 letters (one code unit each), given as UTF-8.
std::string utf16(const std::string& utf8, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (size_t i = 0; i < utf8.size(); ++i) {
    unsigned code = static_cast<unsigned char>(utf8[i]);
    if (code >= 0xC0) code = ((code & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
    const char high = static_cast<char>(code >> 8), low = static_cast<char>(code & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

}  // namespace

// Each file as Load Data reads it: decoded, split, its header taken off, placed
// from the top left.
TEST(SpreadsheetImport, SmallFilesGiveTheirSeparatorHeaderAndCells) {
  struct Case {
    const char* what;
    std::string bytes;
    char separator;
    const char* header;
    Writes writes;
    bool frequencies;
  } cases[] = {
      {"comma", "12,3\n14,2\n", ',', "", {{0, 0, "12"}, {0, 1, "3"}, {1, 0, "14"}, {1, 1, "2"}},
       true},
      {"a comma file keeps a quoted decimal comma as text", "\"7,5\",2\n8,1\n", ',', "",
       {{0, 0, "7,5"}, {0, 1, "2"}, {1, 0, "8"}, {1, 1, "1"}}, true},
      {"semicolon with decimal comma and a header", "Score;Frequency\r\n7,5;2\r\n12;1,0\r\n", ';',
       "Score", {{0, 0, "7.5"}, {0, 1, "2"}, {1, 0, "12"}, {1, 1, "1.0"}}, true},
      // Line 2's quoted field holds a line break: it is still two lines of two fields.
      {"quoted fields with separators, quotes and a line break inside",
       "\"1,5\",\"say \"\"hi\"\"\"\n\"2\",\"a\r\nb\"\n", ',', "",
       {{0, 0, "1,5"}, {0, 1, "say \"hi\""}, {1, 0, "2"}, {1, 1, "a b"}}, false},
      {"text after a closing quote is kept; \"\"\"\" is one quote", "\"ab\"c;\"\"\"\"\n1;2\n", ';',
       "ab" "c", {{0, 0, "1"}, {0, 1, "2"}}, true},
      {"a quote that never closes is a character", "\"5\t1\n2\t3\n", '\t', "",
       {{0, 0, "\"5"}, {0, 1, "1"}, {1, 0, "2"}, {1, 1, "3"}}, true},
      {"TAB with decimal comma", "7,5\t2\n3,25\t\n", '\t', "",
       {{0, 0, "7.5"}, {0, 1, "2"}, {1, 0, "3.25"}}, true},
      // TAB is tried first: both TAB and comma split every line in two here.
      {"TAB first", "1\t2,3\n4\t5,6\n", '\t', "",
       {{0, 0, "1"}, {0, 1, "2.3"}, {1, 0, "4"}, {1, 1, "5.6"}}, true},
      {"UTF-16 LE with a header", utf16("Score\r\n12\r\n14\r\n", false), '\t', "Score",
       {{0, 0, "12"}, {1, 0, "14"}}, false},
      {"UTF-16 BE, semicolons", utf16("Gr\xC3\xB6\xC3\x9F" "e;Anzahl\n1,5;2\n", true), ';',
       "Gr\xC3\xB6\xC3\x9F" "e", {{0, 0, "1.5"}, {0, 1, "2"}}, true},
      {"header line, blanks trimmed", " Class 7A \n14\n\n12\n", '\t', "Class 7A",
       {{0, 0, "14"}, {2, 0, "12"}}, false},
      // No separator splits every line alike: TAB, and the comma is a decimal comma.
      {"ragged lines", "1\t2\n3\n4,5\t6\n1,2\n", '\t', "",
       {{0, 0, "1"}, {0, 1, "2"}, {1, 0, "3"}, {2, 0, "4.5"}, {2, 1, "6"}, {3, 0, "1.2"}}, true},
      {"empty lines do not count, CR ends a line", "1;2\r\r3;4\r", ';', "",
       {{0, 0, "1"}, {0, 1, "2"}, {2, 0, "3"}, {2, 1, "4"}}, true},
      {"today's saved file", "14\t\n\t\n12\t\n\n", '\t', "", {{0, 0, "14"}, {2, 0, "12"}}, false},
      {"class labels are no header", "0 - < 10\t\n10 - < 20\t3\n", '\t', "",
       {{0, 0, "0 - < 10"}, {1, 0, "10 - < 20"}, {1, 1, "3"}}, false},
      {"a first line holding a number is data", "x\t1\n\t4\n", '\t', "",
       {{0, 0, "x"}, {0, 1, "1"}, {1, 1, "4"}}, false},
      {"fields past the second column are dropped", "1,2,3\n4,5,6\n", ',', "",
       {{0, 0, "1"}, {0, 1, "2"}, {1, 0, "4"}, {1, 1, "5"}}, true},
  };
  for (const Case& c : cases) {
    const DataImport d = importDataText(decodeDataFile(c.bytes), "f.csv");
    EXPECT_EQ(d.problem, DataImport::None) << c.what;
    EXPECT_EQ(d.separator, c.separator) << c.what;
    EXPECT_EQ(d.header, c.header) << c.what;
    EXPECT_EQ(d.writes, c.writes) << c.what;
    EXPECT_EQ(d.frequencies, c.frequencies) << c.what;
    EXPECT_TRUE(d.hasNumbers) << c.what;
    EXPECT_EQ(d.cut, 0u) << c.what;
  }
}

TEST(SpreadsheetImport, AFileWithoutNumbersIsAnErrorNamingTheFile) {
  for (const std::string& bytes :
       {std::string(), std::string("\n\n"), std::string("Name\nJoe\nAnn\n"),
        std::string("a;b\nc;d\n"), utf16("Score\r\n", false), std::string("\xEF\xBB\xBF"),
        std::string("x\t\t7\n")}) {  // the 7 lies past the table's two columns
    const DataImport d = importDataText(decodeDataFile(bytes), "data/scores.csv");
    EXPECT_EQ(d.problem, DataImport::NoNumbers) << bytes;
    EXPECT_EQ(d.error, "No numbers found in data/scores.csv.") << bytes;
    EXPECT_FALSE(d.hasNumbers);
  }
  // Here the number lies in the table: the file loads.
  EXPECT_EQ(importDataText("1\t\t7\n", "f").problem, DataImport::None);
  EXPECT_EQ(noNumbersMessage("x.csv", "Keine Zahlen in %s."), "Keine Zahlen in x.csv.");
}

TEST(SpreadsheetImport, FileReadingGivesTheReasonOrTheFileName) {
  const std::string missing = testing::TempDir() + "no_such_import.csv";
  DataImport d = importDataFile(missing, "shown.csv");
  EXPECT_EQ(d.problem, DataImport::Unreadable);
  EXPECT_EQ(d.error, "No such file or directory.");
  EXPECT_TRUE(d.writes.empty());

  d = importDataFile(std::string(TALLYSCOPE_TEST_DATA) + "/report_freq1.csv", "shown.csv");
  EXPECT_EQ(d.problem, DataImport::None);
  EXPECT_TRUE(d.frequencies);
  EXPECT_EQ(d.writes.front(), (CellWrite{0, 0, "1"}));
}

TEST(SpreadsheetImport, CellsStayOneLineAndWithinTheTable) {
  // A long quoted field is cut like a pasted one; a TAB inside quotes is a space.
  const std::string text = "\"0." + std::string(1498, '0') + "\";\"a\tb\"\n;\n";
  DataImport d = importDataText(text, "f");
  ASSERT_EQ(d.writes.size(), 2u);
  EXPECT_EQ(d.writes[0].text, "0." + std::string(kMaxCellCharacters - 2, '0'));
  EXPECT_EQ(d.writes[1].text, "a b");
  EXPECT_EQ(d.cut, 1u);

  // After a header, 1000 data lines fill the table and the rest is dropped.
  std::string many = "Score,Count,Note\n";
  for (int i = 0; i < 1200; ++i) many += std::to_string(i) + ",1,x\n";
  d = importDataText(many, "f");
  EXPECT_EQ(d.header, "Score");
  ASSERT_EQ(d.writes.size(), 2000u);
  EXPECT_EQ(d.writes.back(), (CellWrite{999, 1, "1"}));
}

// A quote with no partner anywhere after it swallows nothing: every line is read.
TEST(SpreadsheetImport, AQuoteThatNeverClosesSwallowsNoLine) {
  std::string text = "\"0\t1\n";
  for (int i = 1; i < 2000; ++i) text += std::to_string(i) + "\t1\n";
  const DataImport d = importDataText(text, "f");
  ASSERT_EQ(d.writes.size(), 2000u);
  EXPECT_EQ(d.writes[0].text, "\"0");
  EXPECT_EQ(d.writes[1998], (CellWrite{999, 0, "999"}));
}

TEST(SpreadsheetImport, DecimalCommaAndHeaderRules) {
  struct Case {
    const char* field;
    const char* read;
  } commas[] = {{"7,5", "7.5"}, {" -0,25 ", " -0.25 "}, {"1,234,5", "1,234,5"},
                {"a,b", "a,b"}, {"1.5,2", "1.5,2"}, {",", ","}, {"12", "12"}};
  for (const Case& c : commas) EXPECT_EQ(withDecimalPoint(c.field), c.read) << c.field;

  EXPECT_TRUE(isHeaderLine({"Score"}));
  EXPECT_TRUE(isHeaderLine({"Score", "Frequency"}));
  EXPECT_TRUE(isHeaderLine({"nan"}));
  EXPECT_FALSE(isHeaderLine({"Score", "12"}));
  EXPECT_FALSE(isHeaderLine({"0 - < 10", ""}));
  EXPECT_FALSE(isHeaderLine({"", "Frequency"}));
  EXPECT_FALSE(isHeaderLine({"12"}));
  EXPECT_FALSE(isHeaderLine({}));
}

// Save Data writes TAB-separated lines; whatever the table holds, its file is read
// as TAB-separated and gives the same cells again.
TEST(SpreadsheetImport, ASavedTableReadsBackAsItStands) {
  CellTable table(kGridRows);
  table[0] = {"12", "\"quoted\" text"};
  table[1] = {"a;b", "c,d"};
  table[3] = {"say \"hi\"", ""};
  const std::string file = dataFileText(table);
  EXPECT_EQ(file.substr(0, file.find('\n') + 1), "12\t\"\"\"quoted\"\" text\"\n");
  const DataImport d = importDataText(decodeDataFile(file), "f");
  EXPECT_EQ(d.separator, '\t');
  EXPECT_EQ(d.writes, (Writes{{0, 0, "12"},
                              {0, 1, "\"quoted\" text"},
                              {1, 0, "a;b"},
                              {1, 1, "c,d"},
                              {3, 0, "say \"hi\""}}));
}

TEST(SpreadsheetImport, SavedNamesGetCsvWhenTheyHaveNoExtension) {
  struct Case {
    const char* name;
    const char* saved;
  } cases[] = {{"scores", "scores.csv"},           {"/home/t/scores", "/home/t/scores.csv"},
               {"scores.txt", "scores.txt"},       {"scores.csv", "scores.csv"},
               {"/home/t.v/scores", "/home/t.v/scores.csv"},
               {".scores", ".scores.csv"},         {"scores.", "scores."},
               {"", ""},                           {"/home/t/", "/home/t/"}};
  for (const Case& c : cases) EXPECT_EQ(withDefaultExtension(c.name, ".csv"), c.saved) << c.name;
}
