#include "core/grid/PasteText.h"

#include <gtest/gtest.h>

using tally::blockText;
using tally::CellWrite;
using tally::pasteWrites;
using Writes = std::vector<CellWrite>;

TEST(PasteText, TabsMoveAcrossAndLineEndsMoveDownToTheStartColumn) {
  EXPECT_EQ(pasteWrites("1\t2\r\n3\t4", 5, 0),
            (Writes{{5, 0, "1"}, {5, 1, "2"}, {6, 0, "3"}, {6, 1, "4"}}));
  // Bare LF and bare CR end a line just as CR LF does.
  EXPECT_EQ(pasteWrites("a\nb\rc", 0, 1), (Writes{{0, 1, "a"}, {1, 1, "b"}, {2, 1, "c"}}));
}

TEST(PasteText, EmptyFieldsLeaveTheirCellsAlone) {
  EXPECT_EQ(pasteWrites("a\t\tb", 2, 0), (Writes{{2, 0, "a"}, {2, 2, "b"}}));
  EXPECT_EQ(pasteWrites("\n\n7", 0, 0), (Writes{{2, 0, "7"}}));
  EXPECT_TRUE(pasteWrites("", 3, 1).empty());
}

TEST(PasteText, AFinalLineEndWritesNothingExtra) {
  EXPECT_EQ(pasteWrites("1\r\n2\r\n", 0, 0), (Writes{{0, 0, "1"}, {1, 0, "2"}}));
  EXPECT_EQ(pasteWrites("1\r\n2", 0, 0), (Writes{{0, 0, "1"}, {1, 0, "2"}}));
}

TEST(PasteText, FieldsAreTakenAsTheyStand) {
  EXPECT_EQ(pasteWrites("1,5", 0, 0), (Writes{{0, 0, "1,5"}}));
  EXPECT_EQ(pasteWrites(" 2 \t\"x\"", 0, 0), (Writes{{0, 0, " 2 "}, {0, 1, "\"x\""}}));
}

TEST(PasteText, NegativeStartIsTakenAsZero) {
  EXPECT_EQ(pasteWrites("1\t2\n3", -1, -1), (Writes{{0, 0, "1"}, {0, 1, "2"}, {1, 0, "3"}}));
}

TEST(BlockText, EveryRowEndsWithCrLf) {
  EXPECT_EQ(blockText({{"a", "b"}, {"c", "d"}}), "a\tb\r\nc\td\r\n");
  EXPECT_EQ(blockText({{"", "x"}}), "\tx\r\n");
  EXPECT_EQ(blockText({}), "");
}

TEST(PasteText, OverflowCountsLinesBelowTheGridAndCellsPastItsSide) {
  // Grid of 3 rows x 2 columns, paste from row 1: lines 1 and 2 fit, 3 and 4 do not;
  // the empty line 3 writes nothing and is not counted.
  auto dropped = [](const char* text, int startRow, int startCol, int rows) {
    tally::PasteOverflow lost;
    pasteWrites(text, startRow, startCol, rows, 2, &lost);
    return lost;
  };
  EXPECT_EQ(dropped("a\tb\tc\nd\n\ne\tf\n", 1, 0, 3), (tally::PasteOverflow{1, 1}));
  EXPECT_FALSE(dropped("1\n2\n", 0, 0, 3).any());
  EXPECT_EQ(dropped("1\n2\n3\n", 0, 1, 2).lines, 1);
}
