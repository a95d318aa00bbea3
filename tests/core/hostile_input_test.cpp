// Hostile input: corner cases found by fuzzing and by huge files and pastes. Each
// case keeps one fault from coming back.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/graph/GraphLayout.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/stats/Report.h"

using tally::CellWrite;
using tally::kMaxCellCharacters;
using tally::pasteWrites;
using Writes = std::vector<CellWrite>;

TEST(HostileInput, PasteStartNearIntMaxNeverWrapsIntoTheGrid) {
  // Rows and columns past INT_MAX do not exist; counting on must not wrap to negatives.
  EXPECT_EQ(pasteWrites("a\nb\nc\nd", INT_MAX - 1, 0), (Writes{{INT_MAX - 1, 0, "a"}}));
  EXPECT_EQ(pasteWrites("a\tb\tc\td", 0, INT_MAX - 1), (Writes{{0, INT_MAX - 1, "a"}}));
  EXPECT_EQ(pasteWrites("a\tb\nc\td", INT_MAX, INT_MAX), Writes{});
}

TEST(HostileInput, LongFieldsAreCutToWhatACellHoldsAndCounted) {
  const std::string longest(kMaxCellCharacters, '7');
  // 1000 characters fit; 1001 and twenty million are cut to 1000 and counted.
  const std::string text = longest + "\t" + longest + "8\n" + std::string(20000000, '9') + "\tx";
  tally::PasteOverflow cut;
  cut.cut = 99;
  const Writes writes = pasteWrites(text, 0, 0, 1000, 2, &cut);
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].text, longest);
  EXPECT_EQ(writes[1].text, longest);
  EXPECT_EQ(writes[2].text, std::string(kMaxCellCharacters, '9'));
  EXPECT_EQ(writes[3].text, "x");
  EXPECT_EQ(cut.cut, 2u);
  // A field beyond the grid is neither built nor counted.
  pasteWrites(text, 0, 1, 1000, 2, &cut);
  EXPECT_EQ(cut.cut, 1u);
  // Characters, not bytes: a cut keeps whole UTF-8 characters ("é" is two bytes).
  std::string accents;
  for (size_t i = 0; i <= kMaxCellCharacters; ++i) accents += "\xC3\xA9";
  const Writes cutAccents = pasteWrites(accents, 0, 0, 1, 1, &cut);
  ASSERT_EQ(cutAccents.size(), 1u);
  EXPECT_EQ(cutAccents[0].text, accents.substr(0, 2 * kMaxCellCharacters));
  EXPECT_EQ(cut.cut, 1u);
  EXPECT_EQ(tally::cutFieldsMessage(2),
            "2 fields were longer than 1000 characters. Each was cut to its first 1000 "
            "characters.");
}

TEST(HostileInput, ALoadedFileCutsItsLongFieldsAsAPasteDoes) {
  const std::string text = "1\t" + std::string(5000, '2') + "\n3\n";
  const tally::CellTable table = tally::loadDataText(text, tally::GroupedDiscrete, {});
  EXPECT_EQ(table[0][0], "1");
  EXPECT_EQ(table[0][1].size(), kMaxCellCharacters);
  EXPECT_EQ(table[1][0], "3");
}

TEST(HostileInput, MarginsOfANegativeOrHugeClientSizeAreFinite) {
  tally::GraphLayout g;
  auto measure = [](const std::string& text, bool) {
    return tally::Extent{7 * static_cast<int>(text.size()), 14};
  };
  for (int size : {INT_MIN, INT_MIN + 1, -1, 0, INT_MAX}) {
    for (bool adjust : {false, true}) {
      const tally::Margins m = g.computeMargins(adjust, size, size, measure);
      EXPECT_TRUE(std::isfinite(m.left) && std::isfinite(m.right) && std::isfinite(m.above) &&
                  std::isfinite(m.below))
          << size;
    }
  }
}

TEST(HostileInput, DecodingMovedBytesKeepsTheirBufferWhenTheyAreUtf8) {
  std::string bytes = "\xEF\xBB\xBF" "1\n2\n" + std::string(1 << 20, 'x');
  const char* buffer = bytes.data();
  const std::string text = tally::decodeDataFile(std::move(bytes));
  EXPECT_EQ(text.substr(0, 4), "1\n2\n");
  // No second copy of a large file: the text lives in the buffer that was read.
  EXPECT_EQ(text.data(), buffer);
}

TEST(HostileInput, AReportErrorStaysOneLineWhateverTheNameHolds) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"no\nsuch\r\nfile.csv"}, {"--type", "1\n2"},
        {"--description", "a\nb.xml"}, {"--\nodd"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(tally::runReport(args, out, err), 2);
    EXPECT_EQ(out.str(), "");
    const std::string e = err.str();
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    EXPECT_EQ(e.back(), '\n');
  }
}
