#include "core/grid/DataFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../TestFiles.h"
#include "core/FileAccess.h"
#include "core/stats/Report.h"

using namespace tally;
using namespace testfiles;

namespace {

CellTable table(std::vector<CellRow> rows) {
  rows.resize(kGridRows);
  return rows;
}

}  // namespace

TEST(DataFileText, OnlyRow3HoldingTextGivesFourLinesAndTheFinalEmptyLine) {
  CellTable t = table({{"", ""}, {"", ""}, {"", ""}, {"7", ""}});
  EXPECT_EQ(dataFileText(t), "\t\n\t\n\t\n7\t\n\n");
  EXPECT_EQ(dataFileText(table({})), "");  // nothing to save
}

// Each layout's rows, written and loaded back under a type of that layout, give the
// same cells again (for classes the labels come from the grouping, not the file).
TEST(DataFileText, EachLayoutRoundTripsThroughTheFile) {
  DataSet set;
  set.pairs = {{2.5, 2}, {10, 1}, {1234567, 1}, {-0.125, 3}};
  const Grouping classes{0, 5, 3};
  struct Case {
    GridLayout layout;
    DataType type;
    const char* firstLine;
  } cases[] = {{ValuesOnly, UngroupedDiscrete, "2.5\t\n"},
               {ValueAndFrequency, GroupedDiscrete, "2.5\t2\n"},
               {Classes, AlreadyGroupedContinuous, "0 - < 5\t2\n"}};
  for (const Case& c : cases) {
    const GridRows rows = setToGridRows(set, c.layout, classes);
    const CellTable shown = table(rows.rows);
    const std::string file = dataFileText(shown);
    EXPECT_EQ(file.substr(0, std::string(c.firstLine).size()), c.firstLine) << c.layout;
    EXPECT_EQ(file.substr(file.size() - 2), "\n\n") << c.layout;
    EXPECT_EQ(loadDataText(decodeDataFile(file), c.type, classes), shown) << c.layout;
  }
}

TEST(DataFileDecoding, BytesBecomeTheTextThatIsPasted) {
  struct Case {
    const char* what;
    std::string bytes, text;
  } cases[] = {
      {"UTF-8 as it is", "Gr\xC3\xBC\xC3\x9F\t1\n", "Gr\xC3\xBC\xC3\x9F\t1\n"},
      {"byte-order mark dropped", "\xEF\xBB\xBF" "5\t\n", "5\t\n"},
      {"ISO-8859-1 read as such", "Gr\xFC\xDF\t1\n", "Gr\xC3\xBC\xC3\x9F\t1\n"},
      {"overlong UTF-8 is not UTF-8", "\xC0\x80", "\xC3\x80\xC2\x80"},
      {"a surrogate is not UTF-8", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
      {"a cut sequence is not UTF-8", "1\xE2\x82", "1\xC3\xA2\xC2\x82"},
      {"reading stops at NUL", std::string("1\t\n2\0" "3\n", 7), "1\t\n2"},
      {"UTF-16 LE", std::string("\xFF\xFE" "5\0\t\0\xFC\0\n\0", 10), "5\t\xC3\xBC\n"},
      {"UTF-16 BE", std::string("\xFE\xFF\0" "5\0\t\0\xFC\0\n", 10), "5\t\xC3\xBC\n"},
      // U+1D11E as a surrogate pair; a lone surrogate is U+FFFD; an odd byte is dropped.
      {"UTF-16 beyond the first plane", std::string("\xFF\xFE\x34\xD8\x1E\xDD\x00\xD8" "1", 9),
       "\xF0\x9D\x84\x9E\xEF\xBF\xBD"},
      {"UTF-16 stops at U+0000", std::string("\xFF\xFE" "1\0\0\0" "2\0", 8), "1"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(decodeDataFile(c.bytes), c.text) << c.what;
}

// A line "1,2" alone splits alike at its comma: a comma-separated file.
TEST(DataFileLoading, CrLfLoadsAsLfAndACommaFileSplitsAtItsCommas) {
  const Grouping g;
  EXPECT_EQ(loadDataText("1\t2\r\n3\t4\r\n\r\n", GroupedDiscrete, g),
            loadDataText("1\t2\n3\t4\n\n", GroupedDiscrete, g));
  EXPECT_EQ(loadDataText("1,2\n", UngroupedDiscrete, g)[0], (CellRow{"1", "2"}));
}

TEST(DataFileLoading, NoWriteIsBuiltPastTheGrid) {
  std::string many;
  for (int i = 0; i < 5000; ++i) many += std::to_string(i) + "\tf\textra\n";
  const std::vector<CellWrite> writes = pasteWrites(many, 0, 0, kGridRows, kGridColumns);
  ASSERT_EQ(writes.size(), 2u * kGridRows);
  EXPECT_EQ(writes.back(), (CellWrite{999, 1, "f"}));
  // From row 998 only two rows fit.
  EXPECT_EQ(pasteWrites("a\nb\nc\n", 998, 0, kGridRows, kGridColumns).size(), 2u);
}

TEST(DataFileReading, WhatCannotBeReadGivesItsReason) {
  const std::string dir = freshDirectory("data_file_read");
  spit(dir + "ok.csv", "1\t\n");
  const size_t limit = 1024 * 1024;
  spit(dir + "big.csv", std::string(limit + 1, '1'));
  ASSERT_EQ(mkfifo((dir + "fifo").c_str(), 0600), 0);
  struct Case {
    std::string path;
    const char* reason;
  } cases[] = {
      {dir + "missing.csv", "No such file or directory."},
      {dir, "It is not a regular file."},
      {dir + "fifo", "It is not a regular file."},  // returns at once: no writer is awaited
      {dir + "big.csv", "It is larger than 1 MiB."},
  };
  for (const Case& c : cases) {
    std::string bytes = "untouched", reason;
    EXPECT_FALSE(readRegularFile(c.path, limit, bytes, reason)) << c.path;
    EXPECT_EQ(reason, c.reason) << c.path;
    EXPECT_EQ(bytes, "untouched");
  }
  std::string bytes, reason;
  ASSERT_TRUE(readRegularFile(dir + "ok.csv", limit, bytes, reason));
  EXPECT_EQ(bytes, "1\t\n");
  EXPECT_EQ(mebibytes(kMaxDataFileBytes), "64 MiB");
}

TEST(DataFileWriting, ReplacingKeepsPermissionsAndLeavesNoTemporaryFile) {
  const std::string dir = freshDirectory("data_file_write");
  const std::string path = dir + "set.csv";
  spit(path, "old\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  std::string reason;
  ASSERT_TRUE(replaceFile(path, "new\t\n\n", reason)) << reason;
  EXPECT_EQ(slurp(path), "new\t\n\n");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // A new file: read and write for everybody the umask allows.
  const mode_t mask = umask(022);
  ASSERT_TRUE(replaceFile(dir + "new.csv", "1\n", reason));
  umask(mask);
  ASSERT_EQ(stat((dir + "new.csv").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);

  EXPECT_FALSE(replaceFile(dir + "no/such/dir.csv", "1\n", reason));
  EXPECT_EQ(reason, "No such file or directory.");
  EXPECT_FALSE(replaceFile(dir, "1\n", reason));
  EXPECT_EQ(reason, "It is not a regular file.");
  EXPECT_EQ(entries(dir), (std::vector<std::string>{"new.csv", "set.csv"}));
}

// A disk that fills up half way: the write falls short, the old file stays whole.
// Run in a child so that the file-size limit cannot touch this test program.
TEST(DataFileWriting, AShortWriteLeavesTheOldFileByteForByte) {
  const std::string dir = freshDirectory("data_file_short");
  const std::string path = dir + "set.csv";
  spit(path, "1\t\n2\t\n\n");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4, 4};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string reason;
    const bool saved = replaceFile(path, std::string(100, '9'), reason);
    _exit(!saved && reason == "File too large." ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(slurp(path), "1\t\n2\t\n\n");
  EXPECT_EQ(entries(dir), std::vector<std::string>{"set.csv"}) << "no temporary file is left";
}

TEST(DataFileText, NamesAreCutByCharactersNotBytes) {
  EXPECT_EQ(firstCharacters("Mathematics 7", 10), "Mathematic");
  EXPECT_EQ(firstCharacters("\xC3\x9C" "bungsgruppe", 10), "\xC3\x9C" "bungsgrup");
  EXPECT_EQ(firstCharacters("short", 10), "short");
}

TEST(DataFileText, SetNamesKeepThirtyWholeCharacters) {
  // "Größen" holds two two-byte letters, "€" is three bytes, "𝑥" four: a cut by
  // bytes would split one of them.
  const std::string umlauts = "Gr\xC3\xB6\xC3\x9F" "en der Klasse 9b";  // 20 characters
  const std::string euro = "\xE2\x82\xAC";
  const std::string x = "\xF0\x9D\x91\xA5";
  struct Case {
    std::string name, kept;
  } cases[] = {
      // 29 and 30 characters stay whole, whatever the bytes.
      {umlauts + "-Ausgabe" + euro, umlauts + "-Ausgabe" + euro},
      {umlauts + "-Ausgabe" + euro + x, umlauts + "-Ausgabe" + euro + x},
      // 31: the last letter goes, the multi-byte letter before it stays whole.
      {umlauts + "-Ausgabe" + euro + x + "z", umlauts + "-Ausgabe" + euro + x},
      {umlauts + "-Ausgabe" + euro + "z" + x, umlauts + "-Ausgabe" + euro + "z"},
      // Two names that the ten-character cut made both "Heights of".
      {"Heights of Year 9 girls (cm)", "Heights of Year 9 girls (cm)"},
      {"Heights of Year 9 boys", "Heights of Year 9 boys"},
      {"R&D team", "R&D team"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(setNameFrom(c.name), c.kept) << c.name;
    EXPECT_LE(utf8Length(setNameFrom(c.name)), kSetNameLength);
  }
  EXPECT_EQ(utf8Length(cases[0].name), 29u);
  EXPECT_EQ(utf8Length(cases[1].name), 30u);
  EXPECT_EQ(utf8Length(cases[2].name), 31u);
  EXPECT_STREQ(kDefaultSetNames[0], "Set 1");
  EXPECT_STREQ(kDefaultSetNames[1], "Set 2");
}
