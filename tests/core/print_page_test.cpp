#include "core/print/PrintPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace tally;

namespace {

// A 150 dpi page seen from a 96 dpi screen, with fonts measured as on the screen:
// "Cat" 42 x 23 in the title font, lines of 15 in the body font; Set 2's name 60
// wide, the widest caption 125, Set 2's widest value 50.
PageMeasures measures(int pageW, int pageH) {
  PageMeasures m;
  m.pageWidth = pageW;
  m.pageHeight = pageH;
  m.screenPpi = 96;
  m.printerPpi = 150;
  m.titleWidth = 42;
  m.titleHeight = 23;
  m.lineHeight = 15;
  m.set2NameWidth = 60;
  m.widestLabel = 125;
  m.widestSet2Value = 50;
  return m;
}

}  // namespace

// Columns: top = 96 / 150 = 0; x1 = 7 * (42 / 3) = 98; x2 = 98 + 28 * 14 = 490;
// colA = 294; colB = 490 + 294 - 98 = 686; a value column holds 490 - 294 - 14 =
// 182 units. The right end is 2 + max(490 + 60, 490 + 125, 686 + 50) = 738, which
// fits 1166 device pixels at the full scale 150 / 96 = 1.5625.
TEST(PrintPage, PortraitPageStacksTheGraphsAboveTheTableAtFullSize) {
  const PageLayout p = layoutPage(measures(1166, 1680));
  ASSERT_TRUE(p.drawable);
  EXPECT_FALSE(p.thirdBesideTable);
  EXPECT_DOUBLE_EQ(p.textScale, 1.5625);
  EXPECT_DOUBLE_EQ(p.graphScale, 1.5625);
  EXPECT_EQ(p.nameX[0], 98);
  EXPECT_EQ(p.nameX[1], 490);
  EXPECT_EQ(p.nameY, 23);
  EXPECT_EQ(p.valueX[0], 294);
  EXPECT_EQ(p.valueX[1], 686);
  EXPECT_EQ(p.valueWidth, 182);
  EXPECT_EQ(p.headingY, 23);
  EXPECT_EQ(p.firstRowY, 69);
  // Names end at 1.5625 * 46 = 71.875, a gap of 8 * 1.5625 = 12.5 follows; the
  // table takes 1.5625 * (69 + 18 * 15) = 529.6875; the two rows share the rest:
  // (1680 - 71.875 - 1 - 529.6875 - 3 * 12.5) / 2 = 519.97 each.
  EXPECT_EQ(p.graphOrigin[0].x, 0);
  EXPECT_EQ(p.graphOrigin[0].y, 84);  // 71.875 + 12.5
  // Two columns of (1166 - 12.5) / 2 = 576.75, the second ending at the right edge.
  EXPECT_EQ(p.graphOrigin[1].x, 589);
  EXPECT_EQ(p.graphOrigin[1].y, 84);
  EXPECT_EQ(p.viewWidth[0], 369);   // 576.75 / 1.5625 = 369.1
  EXPECT_EQ(p.viewHeight[0], 332);  // 519.97 / 1.5625 = 332.8
  EXPECT_EQ(p.viewWidth[1], 369);
  // The third graph spans the page: 1166 / 1.5625 = 746.2.
  EXPECT_EQ(p.graphOrigin[2].x, 0);
  EXPECT_EQ(p.graphOrigin[2].y, 616);  // 84.375 + 519.97 + 12.5
  EXPECT_EQ(p.viewWidth[2], 746);
  EXPECT_EQ(p.viewHeight[2], 332);
  EXPECT_EQ(p.tableOrigin.x, 0);
  EXPECT_EQ(p.tableOrigin.y, 1149);  // 616.84 + 519.97 + 12.5
  EXPECT_EQ(p.tableBottom, 1679);    // 1149 + 530
}

// Landscape: the table's ink (its captions from x1 = 98 to its right end 738, so
// 1.5625 * 640 = 1000 wide) leaves 1680 - 1000 - 12.5 = 667.5 beside it, more than
// a quarter of the page: the third graph stands there.
TEST(PrintPage, LandscapePagePutsTheThirdGraphBesideTheTable) {
  const PageLayout p = layoutPage(measures(1680, 1166));
  ASSERT_TRUE(p.drawable);
  EXPECT_TRUE(p.thirdBesideTable);
  EXPECT_DOUBLE_EQ(p.graphScale, 1.5625);
  // Row 2 is the table's height, row 1 the rest: 1166 - 71.875 - 1 - 529.6875 - 25.
  EXPECT_EQ(p.viewHeight[0], 344);  // 538.44 / 1.5625 = 344.6
  EXPECT_EQ(p.graphOrigin[2].x, 0);
  EXPECT_EQ(p.graphOrigin[2].y, 635);  // 84.375 + 538.44 + 12.5
  EXPECT_EQ(p.viewWidth[2], 427);      // 667.5 / 1.5625
  EXPECT_EQ(p.viewHeight[2], 339);     // the table's 529.69 / 1.5625
  EXPECT_EQ(p.tableOrigin.x, 526);     // 1680 - 1.5625 * 738: the table ends at the right edge
  EXPECT_EQ(p.tableOrigin.y, 635);
  EXPECT_LE(p.tableRight, 1680);
  // The third graph ends before the table's captions begin.
  EXPECT_LE(p.graphOrigin[2].x + p.viewWidth[2] * p.graphScale,
            p.tableOrigin.x + p.labelX[0] * p.textScale);
}

TEST(PrintPage, EverythingStaysOnThePageAndNoTextShrinksBelowSevenTenths) {
  struct Page {
    int w, h;
  };
  // A4 and Letter at 150 dpi less quarter-inch margins, both orientations; A4 at
  // 600 dpi; a preview at a third of the 150 dpi page.
  struct Case {
    Page page;
    int printerPpi;
    double deviceScale;
  } cases[] = {{{1166, 1680}, 150, 1}, {{1680, 1166}, 150, 1}, {{1201, 1576}, 150, 1},
               {{1576, 1201}, 150, 1}, {{4664, 6720}, 600, 1}, {{389, 560}, 150, 1.0 / 3}};
  // Set 2's widest value: short, a reason wrapped to its column, a long caption.
  const int widest[] = {50, 900};
  const int labels[] = {125, 900};
  for (const Case& c : cases)
    for (int value : widest)
      for (int label : labels) {
        PageMeasures m = measures(c.page.w, c.page.h);
        m.printerPpi = c.printerPpi;
        m.deviceScale = c.deviceScale;
        m.pageLeft = m.pageTop = 37;
        m.widestSet2Value = value;
        m.widestLabel = label;
        const PageLayout p = layoutPage(m);
        SCOPED_TRACE(testing::Message() << c.page.w << "x" << c.page.h << " value " << value
                                        << " label " << label);
        ASSERT_TRUE(p.drawable);
        const double full = pageTextScale(m);
        EXPECT_GE(p.textScale, kLeastTextShrink * full * (1 - 1e-6));
        EXPECT_LE(p.textScale, full);
        // The graphs' texts are never scaled down: a point is a point.
        EXPECT_DOUBLE_EQ(p.graphScale, full);
        EXPECT_LE(p.tableBottom, 37 + c.page.h);
        EXPECT_LE(p.graphsRight, 37 + c.page.w);
        if (label == 125) {
          EXPECT_LE(p.tableRight, 37 + c.page.w);
        }
        for (int i = 0; i < 3; ++i) {
          EXPECT_GE(p.graphOrigin[i].x, 37) << i;
          // The graphs start below the names.
          EXPECT_GE(p.graphOrigin[i].y, 37 + p.textScale * (p.nameY + 23) - 1) << i;
          EXPECT_GT(p.viewWidth[i], 100) << i;
          EXPECT_GE(p.viewHeight[i], 60) << i;
        }
        // The column graphs do not meet.
        EXPECT_LT(p.graphOrigin[0].x + p.viewWidth[0] * p.graphScale, p.graphOrigin[1].x);
        if (p.thirdBesideTable) {
          EXPECT_LE(p.graphOrigin[2].x + p.viewWidth[2] * p.graphScale,
                    p.tableOrigin.x + p.labelX[0] * p.textScale);
        } else {
          EXPECT_LE(p.graphsBottom, p.tableOrigin.y + 1);  // rounding may touch, never overlap
        }
      }
}

TEST(PrintPage, AWideTableShrinksItsTextToThePageWidth) {
  PageMeasures m = measures(1166, 1680);
  // A value wider than its column is wrapped into it: the column's 182 units count.
  // 2 + 686 + 182 = 870, so r = (1166 - 1) / 870 (a pixel spare) rather than 1.5625.
  m.widestSet2Value = 300;
  PageLayout p = layoutPage(m);
  ASSERT_TRUE(p.drawable);
  EXPECT_NEAR(p.textScale, 1165.0 / 870, 1e-6);
  // A caption 900 wide would need 1166 / 1392: the text stops at 0.7 of its size.
  m.widestLabel = 900;
  p = layoutPage(m);
  ASSERT_TRUE(p.drawable);
  EXPECT_NEAR(p.textScale, 0.7 * 1.5625, 1e-6);
}

TEST(PrintPage, NothingToMeasureOrNoRoomDrawsNothing) {
  const PageMeasures ok = measures(1166, 1680);
  ASSERT_TRUE(layoutPage(ok).drawable);
  PageMeasures cases[8] = {ok, ok, ok, ok, ok, ok, ok, ok};
  cases[0].pageWidth = 0;
  cases[1].pageHeight = -5;
  cases[2].printerPpi = 0;
  cases[3].screenPpi = 0;
  cases[4].deviceScale = 0;
  cases[5].lineHeight = 200;  // a table taller than the page
  cases[6].titleHeight = 0;
  cases[7].pageHeight = 700;  // the table leaves no room for the graphs
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(layoutPage(cases[i]).drawable) << i;
}

TEST(PrintPage, WordsWrapIntoTheirColumn) {
  // Every letter 10 wide, a space too.
  auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 10; };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(wrapWords("At least three different values are needed", 182, measure),
            (Lines{"At least three", "different values", "are needed"}));
  EXPECT_EQ(wrapWords("12.5", 182, measure), (Lines{"12.5"}));
  // A word wider than the column keeps a line of its own, uncut.
  EXPECT_EQ(wrapWords("a 1234567890123456789012 b", 100, measure),
            (Lines{"a", "1234567890123456789012", "b"}));
  EXPECT_EQ(wrapWords("  two  spaces ", 1000, measure), (Lines{"two spaces"}));
  EXPECT_TRUE(wrapWords("", 100, measure).empty());
}

TEST(PrintPage, PercentileRowNamesEachSetsOwnP) {
  const std::vector<TableText> labels = tableLabels(25);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.back(), (TableText{17, "Percentile (p = 25)"}));
  EXPECT_LT(labels.back().line, kTableLines);
  EXPECT_EQ(tableLabels(100).back().text, "Percentile (p = 100)");
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
  // The percentile, as the spin control's label shows it, on the last line.
  set.percentile = "3.25";
  EXPECT_EQ(tableValues(set).back(), (TableText{17, "3.25"}));
  set.percentile.clear();

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

  // 5, 5, 5, 5: the window shows n = 4 and the reason; so does the page, the
  // reason on the mean's line, and nothing else.
  PrintedSet few = blank;
  few.shownN = "4";
  few.reason = "At least three different values are needed";
  few.mean = "stale";
  EXPECT_EQ(tableValues(few),
            (std::vector<TableText>{{0, "4"}, {1, "At least three different values are needed"}}));

  // One observation shows "undefined" as the Statistics page does, never nan or inf.
  PrintedSet one;
  one.showsStatistics = true;
  one.n = 1;
  const std::vector<TableText> v = tableValues(one);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1], (TableText{14, "undefined"}));
  EXPECT_EQ(v[2], (TableText{15, "0"}));
}
