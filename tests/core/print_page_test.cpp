#include "core/print/PrintPage.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tally;

namespace {

// A 150 dpi page seen from a 96 dpi screen, with fonts measured as on the screen:
// "Cat" 42 x 23 in the title font, lines of 15 in the body font.
PageMeasures measures(int w, int h, int pageW, int pageH) {
  PageMeasures m;
  m.graphWidth = m.thirdWidth = w;
  m.graphHeight = m.thirdHeight = h;
  m.pageWidth = pageW;
  m.pageHeight = pageH;
  m.screenPpi = 96;
  m.printerPpi = 150;
  m.titleWidth = 42;
  m.titleHeight = 23;
  m.lineHeight = 15;
  return m;
}

}  // namespace

TEST(PrintPage, RoomyPageKeepsTheGraphScaleOfTwoWidthsAndThreeHeights) {
  PageMeasures m = measures(300, 250, 1240, 1754);
  m.thirdWidth = 600;
  const PageLayout p = layoutPage(m);
  ASSERT_TRUE(p.drawable);
  // r = 150 / 96; s = min(1240 / 720, 1754 / 900) = 1.7222.
  EXPECT_DOUBLE_EQ(p.textScale, 1.5625);
  EXPECT_NEAR(p.graphScale, 1240.0 / 720, 1e-6);
  // top = 96 / 150 = 0; x1 = 7 * (42 / 3) = 98; x2 = 98 + 28 * 14 = 490;
  // colA = 294; colB = 490 + 294 - 98 = 686; y = 23, rows from 23 + 46.
  EXPECT_EQ(p.nameX[0], 98);
  EXPECT_EQ(p.nameX[1], 490);
  EXPECT_EQ(p.nameY, 23);
  EXPECT_EQ(p.valueX[0], 294);
  EXPECT_EQ(p.valueX[1], 686);
  EXPECT_EQ(p.headingY, 23);
  EXPECT_EQ(p.firstRowY, 69);
  // xm = (1240 - 600 s) / 2 = 103.3; gap g s = 60 s = 103.3; the third graph at
  // 1.1 h s + g s = 576.9, the table at g s + 2.1 h s = 1007.5.
  const double s = p.graphScale;
  EXPECT_EQ(p.graphOrigin[0].x, 103);
  EXPECT_EQ(p.graphOrigin[0].y, 103);
  EXPECT_EQ(p.graphOrigin[1].x, static_cast<int>(300 * 1.2 * s + 103.33));
  EXPECT_EQ(p.graphOrigin[1].y, 103);
  EXPECT_NEAR(p.graphOrigin[2].x, 155, 1);
  EXPECT_EQ(p.graphOrigin[2].y, 576);
  EXPECT_EQ(p.tableOrigin.y, 1007);
}

TEST(PrintPage, EverythingStaysOnThePageWhateverTheWindowAndPaper) {
  struct Window {
    int w, h, thirdW, thirdH;
  };
  // Column graphs of the smallest window, the opening one and a 1920 x 1080 screen,
  // a box plot taller than them, and a long narrow window.
  const Window windows[] = {
      {170, 160, 350, 180}, {350, 420, 710, 450}, {790, 820, 1590, 860}, {200, 900, 410, 930}};
  struct Page {
    int w, h;
  };
  // A4 and Letter at 150 dpi less quarter-inch margins, both orientations.
  const Page pages[] = {{1166, 1680}, {1680, 1166}, {1201, 1576}, {1576, 1201}};
  for (const Window& win : windows)
    for (const Page& page : pages) {
      PageMeasures m = measures(win.w, win.h, page.w, page.h);
      m.thirdWidth = win.thirdW;
      m.thirdHeight = win.thirdH;
      m.pageLeft = m.pageTop = 37;
      m.set2NameWidth = 60;
      m.widestLabel = 125;
      m.widestSet2Value = 70;
      const PageLayout p = layoutPage(m);
      SCOPED_TRACE(testing::Message() << win.w << "x" << win.h << " on " << page.w << "x" << page.h);
      ASSERT_TRUE(p.drawable);
      EXPECT_LE(p.tableBottom, 37 + page.h);
      EXPECT_LE(p.graphsRight, 37 + page.w);
      EXPECT_GE(p.graphOrigin[0].x, 37);
      EXPECT_LE(p.graphsBottom, p.tableOrigin.y + 1);  // rounding may touch, never overlap
      // The graphs start below the names.
      EXPECT_GE(p.graphOrigin[0].y, 37 + p.textScale * (p.nameY + 23) - 1);
      EXPECT_LE(p.textScale * (p.valueX[1] + 70), page.w);
    }
}

TEST(PrintPage, AWideTableShrinksItsTextToThePageWidth) {
  PageMeasures m = measures(300, 250, 1166, 1680);
  m.widestSet2Value = 300;  // "-1.234e+05" in a large font, say
  const PageLayout p = layoutPage(m);
  ASSERT_TRUE(p.drawable);
  // colB = 686: the values end at 986 text units (988 with two spare), so
  // r = 1166 / 988 rather than 1.5625.
  EXPECT_NEAR(p.textScale, 1166.0 / 988, 1e-6);
}

TEST(PrintPage, NothingToMeasureOrNoRoomDrawsNothing) {
  const PageMeasures ok = measures(300, 250, 1240, 1754);
  ASSERT_TRUE(layoutPage(ok).drawable);
  PageMeasures cases[7] = {ok, ok, ok, ok, ok, ok, ok};
  cases[0].graphWidth = 0;
  cases[1].graphHeight = 0;
  cases[2].printerPpi = 0;
  cases[3].screenPpi = 0;
  cases[4].pageWidth = 0;
  cases[5].deviceScale = 0;
  cases[6].lineHeight = 200;  // a table taller than the page
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(layoutPage(cases[i]).drawable) << i;
}

TEST(PrintPage, SetValuesSplitTheModeAndFormatCountAndDeviations) {
  PrintedSet set;
  set.showsStatistics = true;
  // 1, 2, 3, 4: mean 2.5, sum of squares 5.
  set.n = 4;
  set.sumSquares = 5;
  set.mean = "2.5";
  set.mode = "(more than\n 2 modes)";
  set.minimum = "1";
  set.q1 = "1.5";
  set.median = "2.5";
  set.q3 = "3.5";
  set.maximum = "4";
  set.range = "3";
  set.iqr = "2";
  // Sample sqrt(5 / 3) = 1.291, population sqrt(5 / 4) = 1.118.
  const std::vector<TableText> expected = {
      {0, "4"},      {1, "2.5"},  {2, "(more than"}, {3, " 2 modes)"}, {4, "1"},
      {5, "1.5"},    {6, "2.5"},  {7, "3.5"},        {8, "4"},         {10, "3"},
      {11, "2"},     {14, "1.291"}, {15, "1.118"}};
  EXPECT_EQ(tableValues(set), expected);

  set.mode = "3";
  EXPECT_EQ(tableValues(set)[2], (TableText{2, "3"}));
  EXPECT_EQ(tableValues(set)[3], (TableText{4, "1"}));  // nothing on the line below

  // Data near 1e150 keep their sum of squares scaled down; the page scales it back
  // as the window does.
  set.deviationScale = 1e150;
  const std::vector<TableText> scaled = tableValues(set);
  EXPECT_EQ(scaled[scaled.size() - 2], (TableText{14, "1.291e+150"}));
  EXPECT_EQ(scaled.back(), (TableText{15, "1.118e+150"}));

  // The deviations follow the Decimals choice; n keeps every digit.
  set.deviationScale = 1;
  set.decimals = 3;
  set.n = 1000000;
  set.sumSquares = 5000000;  // sqrt(5) = 2.2360 both ways, to three places
  const std::vector<TableText> fixed = tableValues(set);
  EXPECT_EQ(fixed.front(), (TableText{0, "1000000"}));
  EXPECT_EQ(fixed[fixed.size() - 2], (TableText{14, "2.236"}));
  EXPECT_EQ(fixed.back(), (TableText{15, "2.236"}));
}

TEST(PrintPage, BlankSetPrintsNoStaleCountOrDeviations) {
  // 1, 2, 3 then 5, 5, 5, 5: no statistics, but count 1 and sum of squares 2 remain.
  PrintedSet blank;
  blank.n = 1;
  blank.sumSquares = 2;
  EXPECT_TRUE(tableValues(blank).empty());

  // One observation shows "undefined" as the Statistics page does, never nan or inf.
  PrintedSet one;
  one.showsStatistics = true;
  one.n = 1;
  const std::vector<TableText> v = tableValues(one);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1], (TableText{14, "undefined"}));
  EXPECT_EQ(v[2], (TableText{15, "0"}));
}
