#include "core/model/AnalysisModel.h"

#include "core/description/AnalysisWriter.h"
#include "core/description/DescriptionReader.h"

#include <gtest/gtest.h>

#include "SameResult.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using namespace tally;

namespace {

// A table of one column, as typed from the top row down ("" leaves a blank row).
CellTable column(const std::vector<std::string>& texts) {
  CellTable t;
  for (const std::string& text : texts) t.push_back({text, ""});
  return t;
}

// Types the texts one cell at a time into the shown table, as a student would.
void typeDown(AnalysisModel& m, UndoHistory& h, const std::vector<std::string>& texts) {
  CellTable t = m.shownCells();
  for (size_t r = 0; r < texts.size(); ++r) {
    if (t.size() <= r) t.resize(r + 1);
    t[r][0] = texts[r];
    m.enterTable(t);
    h.record(m.state());
  }
}

double sumHeights(const PointList& columns) {
  double n = 0;
  for (const WorldPoint& p : columns) n += p.y;
  return n;
}

}  // namespace

// After Auto Data (Set 2 up to 13, frequencies up to 7) and Clear Data, three values
// in Set 1 scale every graph by themselves: 1..3 with a margin of 0.2 * 2 on the box
// plot, the tallest column (two 2s) times 1.2 on the column graphs.
TEST(AnalysisModel, ClearDataThenThreeValuesScaleFromThoseValuesOnly) {
  struct Case {
    DataType type;
    bool autoDataFirst;
  } cases[] = {{UngroupedDiscrete, true},   {UngroupedContinuous, true},
               {GroupedDiscrete, true},     {UngroupedDiscrete, false},
               {GroupedContinuous, true}};
  for (const Case& c : cases) {
    AnalysisModel m;
    m.chooseType(c.type);
    if (c.autoDataFirst) m.autoData();
    m.clearData();
    const CellTable typed = layoutForType(c.type) == ValuesOnly
                                ? column({"1", "2", "3", "2"})
                                : CellTable{{"1", "1"}, {"2", "2"}, {"3", "1"}};
    m.enterTable(typed);
    const RefreshResult& r = m.result();
    ASSERT_TRUE(r.sets[0].hasStatistics) << c.type;
    EXPECT_FALSE(r.sets[1].hasStatistics) << c.type;
    ASSERT_TRUE(r.boxRangeSet) << c.type;
    EXPECT_DOUBLE_EQ(r.boxYMin, 0.6) << c.type;
    EXPECT_DOUBLE_EQ(r.boxYMax, 3.4) << c.type;
    ASSERT_TRUE(r.columnRangesSet) << c.type;
    double tallest = 0;
    for (const WorldPoint& p : r.sets[0].columns) tallest = std::max(tallest, p.y);
    EXPECT_DOUBLE_EQ(r.yMax, 1.2 * tallest) << c.type;
    EXPECT_LT(r.xMax, 10) << c.type << ": Set 2's old 13 gives no room";
  }
}

// The example holds values 5 to 13 (25 and 31 observations): every one of them
// stands in a histogram column, however the type is reached.
TEST(AnalysisModel, AutoDataThenContinuousTypesShowEveryValueInTheHistogram) {
  struct Case {
    DataType type;
    bool typeFirst;
  } cases[] = {{UngroupedContinuous, false},
               {GroupedContinuous, false},
               {UngroupedContinuous, true},
               {GroupedContinuous, true}};
  for (const Case& c : cases) {
    AnalysisModel m;
    if (c.typeFirst) m.chooseType(c.type);
    m.autoData();
    if (!c.typeFirst) m.chooseType(c.type);
    EXPECT_TRUE(m.histogramFollowsData()) << c.type;
    EXPECT_DOUBLE_EQ(sumHeights(m.result().sets[0].columns), 25) << c.type;
    EXPECT_DOUBLE_EQ(sumHeights(m.result().sets[1].columns), 31) << c.type;
    EXPECT_GE(m.histogram().end(), 13) << c.type;
  }
}

TEST(AnalysisModel, AutoDataTakesTheDescriptionsGroupingWhenTheHistogramNoLongerFollows) {
  AnalysisModel m;
  AnalysisDescription d;
  d.start = 4.5;
  d.size = 2;
  d.number = 6;
  const std::optional<std::string> none[2];
  m.applyDescription(d, none);
  EXPECT_FALSE(m.histogramFollowsData());
  m.autoData();
  // Whole parts: start 4, size 2.
  EXPECT_EQ(m.histogram(), (Grouping{4, 2, 6}));
  EXPECT_EQ(m.classes(), (Grouping{4, 2, 6}));

  // A positive value whose whole part is 0 is kept as it is.
  d.start = d.size = d.colWidth = 0.5;
  m.applyDescription(d, none);
  m.autoData();
  EXPECT_EQ(m.histogram(), (Grouping{0.5, 0.5, 6}));
  EXPECT_EQ(m.state().columnWidth, 0.5);
  EXPECT_TRUE(m.state().columnWidthChosen);
}

// "1O" and "7,5" are no numbers; fixing them is two steps, and each undo brings
// back the table exactly as it was typed: order, blank row and the bad cell.
TEST(AnalysisModel, UndoAfterFixingANotANumberCellBringsBackTheTableAsTyped) {
  const std::vector<std::string> typed = {"5", "1O", "", "7,5", "3", "9"};
  struct Fix {
    int row;
    std::string text;
  } fixes[] = {{1, "10"}, {3, "7.5"}};
  AnalysisModel m;
  UndoHistory h;
  h.reset(m.state());
  typeDown(m, h, typed);
  std::vector<CellTable> before;
  for (const Fix& f : fixes) {
    before.push_back(m.shownCells());
    CellTable t = m.shownCells();
    t[static_cast<size_t>(f.row)][0] = f.text;
    m.enterTable(t);
    EXPECT_TRUE(h.record(m.state()));
  }
  EXPECT_EQ(m.set(0).pairs.size(), 5u);
  for (size_t k = before.size(); k-- > 0;) {
    m.restore(h.undo(), 0);
    EXPECT_EQ(m.shownCells(), before[k]) << "undo " << before.size() - k;
  }
  EXPECT_EQ(m.shownCells(), column(typed));
  EXPECT_EQ(m.set(0).pairs.size(), 3u) << "5, 3 and 9 are the numbers typed";
  m.restore(h.redo(), 0);
  EXPECT_EQ(m.shownCells()[1][0], "10");
  EXPECT_EQ(m.shownCells()[3][0], "7,5");
}

TEST(AnalysisModel, ShowingTheOtherSetKeepsEachTableAsTyped) {
  AnalysisModel m;
  m.enterTable(column({"3", "x", "1", "2"}));
  m.selectSet(1);
  EXPECT_TRUE(m.shownCells().empty());
  m.enterTable(column({"8", "7", "9"}));
  m.selectSet(0);
  EXPECT_EQ(m.shownCells(), column({"3", "x", "1", "2"}));
  // A type of another layout writes both sets out from their data.
  m.chooseType(GroupedDiscrete);
  EXPECT_EQ(m.cells(0), (CellTable{{"1", "1"}, {"2", "1"}, {"3", "1"}}));
  EXPECT_EQ(m.cells(1), (CellTable{{"7", "1"}, {"8", "1"}, {"9", "1"}}));
}

// Fitted bars of 1, 1.5, 2 are 0.75 * 0.5 wide: Col Width offers 0.5, and a width
// of 1 then widens them.
TEST(AnalysisModel, ColumnWidthOffersTheWidthOnShow) {
  AnalysisModel m;
  EXPECT_DOUBLE_EQ(m.shownColumnWidth(), 1);
  m.enterTable(column({"1", "1.5", "2"}));
  EXPECT_DOUBLE_EQ(m.result().sets[0].barWidth, 0.375);
  EXPECT_DOUBLE_EQ(m.shownColumnWidth(), 0.5);
  EXPECT_FALSE(m.setColumnWidth(0.5).any()) << "the width on show changes nothing";
  EXPECT_TRUE(m.setColumnWidth(1).any());
  EXPECT_DOUBLE_EQ(m.result().sets[0].barWidth, 0.75);
  EXPECT_DOUBLE_EQ(m.shownColumnWidth(), 1);
  for (double refused : {0.0, -1.0, 100.5}) EXPECT_FALSE(m.setColumnWidth(refused).any());
}

TEST(AnalysisModel, OperationsSayWhatChanged) {
  AnalysisModel m;
  m.enterTable(column({"1", "2", "3"}));
  struct Case {
    const char* what;
    ModelChange change;
    bool table, type, names, graphs;
  } cases[] = {
      {"name", m.setName(0, "Class 7A of 2026"), false, false, true, false},
      {"percentile", m.setPercentile(0, 25), false, false, false, false},
      {"cycle", m.cycleDeviation(), false, false, false, false},
      {"relative frequency", m.setRelativeFrequency(true), false, false, false, true},
      {"the same choice again", m.setRelativeFrequency(true), false, false, false, false},
      {"same layout", m.chooseType(UngroupedContinuous), false, true, false, true},
      {"other layout", m.chooseType(GroupedContinuous), true, true, false, true},
      {"set", m.selectSet(1), true, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.change.table, c.table) << c.what;
    EXPECT_EQ(c.change.type, c.type) << c.what;
    EXPECT_EQ(c.change.names, c.names) << c.what;
    EXPECT_EQ(c.change.graphs, c.graphs) << c.what;
  }
  EXPECT_EQ(m.setName(0, "Class 7A of 2026").names, true);
  EXPECT_EQ(m.setName(0, "").any(), false);
  EXPECT_EQ(m.setName(0, "Class 7A of 2026").names, true);
  EXPECT_EQ(m.setName(0, "x").names, true);
  EXPECT_EQ(m.state().setNames[0], "x");
  EXPECT_TRUE(m.sampleStdDev());
  EXPECT_EQ(m.percentile(0), 25);
  EXPECT_TRUE(m.relativeFrequency());
}

// Relative frequency is a way of looking at the data: no undo step of its own, and
// undoing a data change keeps the columns in percent.
TEST(AnalysisModel, RelativeFrequencyIsKeptByUndoAndIsNoStep) {
  AnalysisModel m;
  UndoHistory h;
  h.reset(m.state());
  typeDown(m, h, {"1", "2", "2", "3", "4"});
  const size_t steps = h.size();
  m.setRelativeFrequency(true);
  EXPECT_FALSE(h.record(m.state()));
  EXPECT_EQ(h.size(), steps);
  // 1, 2, 2, 3, 4: the column at 2 holds two of the five observations.
  ASSERT_EQ(m.result().sets[0].graphColumns.size(), 4u);
  EXPECT_EQ(m.result().sets[0].graphColumns[1], (WorldPoint{2, 40}));
  m.restore(h.undo(), 0);  // back to 1, 2, 2, 3: two of four
  EXPECT_TRUE(m.relativeFrequency());
  ASSERT_EQ(m.result().sets[0].graphColumns.size(), 3u);
  EXPECT_EQ(m.result().sets[0].graphColumns[1], (WorldPoint{2, 50}));
  m.setRelativeFrequency(false);
  ASSERT_EQ(m.result().sets[0].graphColumns.size(), 3u);
  EXPECT_EQ(m.result().sets[0].graphColumns[1], (WorldPoint{2, 2}));
}

// Reading a file's text replaces the shown table; under already grouped data the
// class labels stay and the fields fill the frequencies beside them.
TEST(AnalysisModel, LoadingAFileReplacesTheShownTable) {
  AnalysisModel m;
  m.enterTable(column({"9", "9", "9", "9"}));
  ModelChange c = m.loadFile("4\n5\n6\n");
  EXPECT_TRUE(c.table);
  EXPECT_EQ(m.shownCells(), column({"4", "5", "6"}));
  EXPECT_EQ(m.set(0).count, 3);

  m.setClasses(Grouping{0, 2, 3});
  m.chooseType(AlreadyGroupedContinuous);
  c = m.loadFile("x\t4\n\t5\n");
  EXPECT_EQ(m.shownCells(), (CellTable{{"0 - < 2", "4"}, {"2 - < 4", "5"}, {"4 - < 6", ""}}));
  EXPECT_EQ(m.set(0).count, 9);
  EXPECT_TRUE(m.hasUnsavedData());
  m.markSaved();
  EXPECT_FALSE(m.hasUnsavedData());
}

// Classes 6, 2 x 3 (6..12) leave 4, 5 and 20 of 4 5 6 7 20 out: widened they run
// from 4 to 22 at the same size; kept, the statistics count what they hold and the
// three values are named as outside. Undo brings back the raw values either way.
TEST(AnalysisModel, ClassesThatLeaveValuesOutAreWidenedOnlyWhenTheAnswerSaysSo) {
  struct Case {
    bool widen;
    Grouping classes;
    double n;
    std::string outside;
  };
  for (const Case& c : {Case{true, {4, 2, 9}, 5, ""},
                        Case{false, {6, 2, 3}, 2, "3 values outside the classes: 4, 5, 20"}}) {
    SCOPED_TRACE(c.widen);
    AnalysisModel m;
    m.chooseType(UngroupedContinuous);
    m.enterTable(column({"4", "5", "6", "7", "20"}));
    const Analysis typed = m.state();
    EXPECT_EQ(m.countOutside(Grouping{6, 2, 3}), 3);
    EXPECT_EQ(m.countOutside(Grouping{0, 5, 5}), 0);
    m.setClasses(Grouping{6, 2, 3}, c.widen);
    m.chooseType(AlreadyGroupedContinuous);
    EXPECT_EQ(m.classes(), c.classes);
    EXPECT_EQ(m.set(0).count, c.n);
    EXPECT_EQ(m.result().sets[0].outsideText, c.outside);
    m.restore(typed, 0);
    EXPECT_EQ(m.type(), UngroupedContinuous);
    EXPECT_EQ(m.set(0).count, 5);
    EXPECT_EQ(m.shownCells(), column({"4", "5", "6", "7", "20"}));
  }
}

namespace {

// A model's content written as an analysis file, read back and opened in a fresh model.
AnalysisModel reopened(const AnalysisModel& m) {
  AnalysisDescription read;
  DescriptionProblems problems;
  const std::string text = analysisFileText(describeAnalysis(m.content()));
  EXPECT_TRUE(parseDescription(text, read, problems)) << problems.error;
  EXPECT_TRUE(problems.invalid.empty());
  AnalysisModel opened;
  opened.openAnalysis(openAnalysis(read), &read);
  return opened;
}

}  // namespace

// Everything Save Analysis keeps comes back on opening, in every type: the tables
// as typed (a blank row and a cell that is no number included), the sets read from
// them, names, groupings, the chosen width, percentiles, deviation, decimals and the
// value axes set by hand.
TEST(AnalysisModel, ContentWrittenAndOpenedGivesTheSameAnalysisBack) {
  for (int t = UngroupedDiscrete; t <= AlreadyGroupedContinuous; ++t) {
    SCOPED_TRACE(t);
    AnalysisModel m;
    m.setClasses(Grouping{0, 5, 4});
    m.chooseType(static_cast<DataType>(t));
    const bool classes = t == AlreadyGroupedContinuous;
    CellTable typed = m.shownCells();
    typed.resize(4);
    for (int r = 0; r < 4; ++r) {
      const char* values[4] = {"3", "", "x", "12.5"};
      const char* freqs[4] = {"2", "", "1", "4"};
      if (!classes) typed[r][0] = values[r];
      typed[r][1] = freqs[r];
    }
    m.enterTable(typed);
    m.selectSet(1);
    CellTable second = m.shownCells();
    second.resize(std::max<size_t>(second.size(), 2));
    second[0][classes ? 1 : 0] = "7";
    second[1][classes ? 1 : 0] = "8";
    m.enterTable(second);
    m.setName(0, "Class 7A");
    m.setName(1, "Gr\xC3\xB6\xC3\x9F" "e & <Gewicht>");
    m.setHistogram(Grouping{1, 2, 7}, false);
    m.setColumnWidth(3);
    m.setPercentile(0, 25);
    m.setPercentile(1, 90);
    m.cycleDeviation();
    m.setDecimals(2);
    m.setAxisRange(kColumnAxis, AxisRange{1990, 2030, 5});
    m.setAxisRange(kOgiveAxis, AxisRange{-12.5, 8.25, 0.25});

    const AnalysisModel o = reopened(m);
    EXPECT_EQ(o.type(), m.type());
    for (int s = 0; s < 2; ++s) {
      EXPECT_EQ(o.setName(s), m.setName(s));
      EXPECT_EQ(o.cells(s), m.cells(s));
      EXPECT_EQ(o.set(s).pairs, m.set(s).pairs);
      EXPECT_EQ(o.percentile(s), m.percentile(s));
    }
    EXPECT_EQ(o.classes(), m.classes());
    EXPECT_EQ(o.histogram(), m.histogram());
    EXPECT_FALSE(o.histogramFollowsData());
    EXPECT_EQ(o.state().columnWidth, 3);
    EXPECT_TRUE(o.state().columnWidthChosen);
    EXPECT_TRUE(o.sampleStdDev());
    EXPECT_EQ(o.decimals(), 2);
    for (int page = kColumnAxis; page <= kOgiveAxis; ++page)
      EXPECT_EQ(o.axisRange(page), m.axisRange(page)) << page;
    ASSERT_TRUE(o.axisRange(kOgiveAxis));
    EXPECT_EQ(o.axisRange(kOgiveAxis)->min, -12.5);
    EXPECT_FALSE(o.axisRange(kBoxAxis));
    EXPECT_EQ(o.shownSet(), 0);
    // Nothing differs: the file the reopened analysis writes is the same.
    EXPECT_EQ(analysisFileText(describeAnalysis(o.content())),
              analysisFileText(describeAnalysis(m.content())));
  }
}

// A fresh analysis keeps the choices that follow the data: no width, a histogram
// fitted to the data, the automatic decimals; and it opens as it was.
TEST(AnalysisModel, AFreshAnalysisKeepsItsFittedChoicesThroughTheFile) {
  AnalysisModel m;
  m.enterTable(column({"1.5", "2", "4"}));
  const AnalysisContent c = m.content();
  EXPECT_FALSE(c.columnWidth.has_value());
  EXPECT_FALSE(c.histogram.has_value());
  ASSERT_TRUE(c.decimals.has_value());
  EXPECT_EQ(*c.decimals, kAutoDecimals);
  EXPECT_EQ(c.names[0], "Set 1");
  for (const auto& axis : c.axes) EXPECT_FALSE(axis.has_value());

  const AnalysisModel o = reopened(m);
  EXPECT_FALSE(o.state().columnWidthChosen);
  EXPECT_TRUE(o.histogramFollowsData());
  EXPECT_EQ(o.decimals(), kAutoDecimals);
  EXPECT_EQ(o.shownColumnWidth(), m.shownColumnWidth());
  EXPECT_EQ(o.set(0).pairs, m.set(0).pairs);
  EXPECT_TRUE(o.set(1).pairs.empty());
}

// Opening replaces what was there, and Auto Data then takes the opened grouping.
TEST(AnalysisModel, OpeningReplacesEverythingAndAutoDataTakesItsGrouping) {
  AnalysisModel m;
  m.enterTable(column({"1", "2", "3"}));
  m.setName(1, "Old");
  AnalysisDescription d;
  DescriptionProblems problems;
  ASSERT_TRUE(parseDescription(
      "<analysis><type>2</type><start>10</start><size>5</size><number>3</number>"
      "<set2Data>4\t2\n5\t1\n4\t3\n</set2Data></analysis>",
      d, problems));
  const ModelChange change = m.openAnalysis(openAnalysis(d));
  EXPECT_TRUE(change.table && change.type && change.names && change.statistics);
  // The repeated 4 of a value-and-frequency table is named once.
  EXPECT_EQ(change.duplicates, (std::vector<double>{4}));
  EXPECT_TRUE(m.set(0).pairs.empty());
  EXPECT_TRUE(m.cells(0).empty());
  EXPECT_EQ(m.setName(1), "Set 2");
  EXPECT_EQ(m.type(), GroupedDiscrete);
  m.autoData();
  EXPECT_EQ(m.classes(), (Grouping{10, 5, 3}));
}

// A set read from a data file is shown sorted in the type's layout, its frequencies
// kept; the file's own order is not the table's.
TEST(AnalysisModel, ASetFromADataFileIsShownAsTheWindowWritesItOut) {
  const std::string dir = ::testing::TempDir();
  const std::string file = dir + "analysis_model_open.csv";
  {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("7\t2\n5\t3\n", f);
    std::fclose(f);
  }
  AnalysisDescription d;
  DescriptionProblems problems;
  ASSERT_TRUE(parseDescription("<analysis><type>2</type><set1File>" + file +
                                   "</set1File></analysis>",
                               d, problems));
  AnalysisModel m;
  m.openAnalysis(openAnalysis(d), &d);
  EXPECT_EQ(m.cells(0), (CellTable{{"5", "3"}, {"7", "2"}}));
  EXPECT_EQ(m.set(0).pairs, (std::vector<FrequencyPair>{{5, 3}, {7, 2}}));
  std::remove(file.c_str());
}

namespace {

// The cells of `after` that differ from `before`, as an edit hands them in.
std::vector<CellWrite> cellsChanged(const CellTable& before, const CellTable& after) {
  std::vector<CellWrite> changed;
  const size_t rows = std::max(before.size(), after.size());
  for (size_t r = 0; r < rows; ++r)
    for (int c = 0; c < kGridColumns; ++c) {
      const std::string was = r < before.size() ? before[r][c] : std::string();
      const std::string now = r < after.size() ? after[r][c] : std::string();
      if (was != now) changed.push_back({static_cast<int>(r), c, now});
    }
  return changed;
}

// The shown table with its frequency (or value) column filled from the top row.
CellTable withColumn(CellTable t, int col, const std::vector<std::string>& texts) {
  if (t.size() < texts.size()) t.resize(texts.size());
  for (size_t r = 0; r < texts.size(); ++r) t[r][static_cast<size_t>(col)] = texts[r];
  return t;
}

}  // namespace

// An edit handed in as its changed cells reads and refreshes as the whole table
// read afresh does, and the set not edited keeps, digit for digit, what computing
// it anew gives; for values, values with frequencies and counts in classes, and
// for a cell changed, added, cleared in the middle, and every cell cleared.
TEST(AnalysisModel, AnEditOfSomeCellsGivesWhatReadingTheWholeTableGives) {
  enum Edit { Change, Add, ClearOne, ClearAll, ChangeTwice };
  struct Case {
    DataType type;
    Edit edit;
    int set;  // the set edited
  };
  std::vector<Case> cases;
  for (DataType type : {UngroupedContinuous, GroupedContinuous, AlreadyGroupedContinuous})
    for (Edit edit : {Change, Add, ClearOne, ClearAll, ChangeTwice})
      for (int set : {0, 1}) cases.push_back({type, edit, set});
  // Values with -0 and 0 (one value, first seen wins), a text that is no number,
  // and under frequencies a repeated value and a frequency that rounds to nothing.
  const std::vector<std::string> values[2] = {
      {"3", "-0", "7.25", "x", "0", "12", "7.25", "5"},
      {"4", "9", "1e1", "2.5", "", "11", "0", "-0"}};
  const std::vector<std::string> frequencies[2] = {
      {"2", "1", "3", "1", "0.4", "2", "5", "1"}, {"1", "4", "2", "2", "3", "1", "1", "2"}};
  // Seven classes of width 2 from 0, one left blank in each set.
  const std::vector<std::string> classCounts[2] = {{"2", "1", "", "3", "1.5", "2", "5"},
                                                   {"1", "", "4", "2", "2", "3", "1"}};
  for (const Case& c : cases) {
    const std::string what = "type " + std::to_string(c.type) + ", edit " +
                             std::to_string(c.edit) + ", set " + std::to_string(c.set + 1);
    AnalysisModel m, twin;
    const bool grouped = c.type == AlreadyGroupedContinuous;
    for (AnalysisModel* model : {&m, &twin}) {
      model->chooseType(c.type);
      if (grouped) model->setClasses(Grouping{0, 2, 7});
      for (int s = 0; s < 2; ++s) {
        model->selectSet(s);
        CellTable t = model->shownCells();
        if (grouped) {
          t = withColumn(t, 1, classCounts[s]);
        } else {
          t = withColumn(t, 0, values[s]);
          if (layoutForType(c.type) == ValueAndFrequency) t = withColumn(t, 1, frequencies[s]);
        }
        model->enterTable(t);
      }
      model->selectSet(c.set);
    }
    const DataSet other = m.set(1 - c.set);
    const int col = grouped || layoutForType(c.type) == ValueAndFrequency ? 1 : 0;
    const CellTable before = m.shownCells();
    CellTable after = before;
    switch (c.edit) {
      case Change:
      case ChangeTwice:
        after[2][col] = grouped || col == 1 ? "6" : "-1.5";
        break;
      case Add:
        if (grouped) {
          after[c.set == 0 ? 2 : 1][1] = "3";  // a class left blank
        } else {
          after.resize(12);
          after[11] = CellRow{"8", col == 1 ? "2" : ""};
        }
        break;
      case ClearOne:
        after[3][0] = grouped ? after[3][0] : "";
        after[3][1] = "";
        break;
      case ClearAll:
        for (CellRow& row : after) {
          if (!grouped) row[0].clear();
          row[1].clear();
        }
        break;
    }
    const ModelChange edited = m.enterCells(cellsChanged(before, after));
    const ModelChange read = twin.enterTable(after);
    if (c.edit == ChangeTwice) {
      // Back to the table as it was: the numbers read before must not linger.
      m.enterCells(cellsChanged(after, before));
      twin.enterTable(before);
    }
    EXPECT_EQ(m.shownCells(), twin.shownCells()) << what;
    EXPECT_EQ(edited.rewrites, read.rewrites) << what;
    EXPECT_EQ(edited.duplicates, read.duplicates) << what;
    EXPECT_TRUE(edited.statistics && edited.graphs) << what;
    for (int s = 0; s < 2; ++s)
      same::expectSameSet(m.set(s), twin.set(s), what + ", model set " + std::to_string(s + 1));
    same::expectSameResult(m.result(), twin.result(), what + ", against the whole table");
    // Everything computed anew from the sets as they now stand.
    DataSet fresh[2] = {m.set(0), m.set(1)};
    const RefreshResult full = refreshAnalysis(fresh[0], fresh[1], m.inputs());
    same::expectSameResult(m.result(), full, what + ", against a full refresh");
    for (int s = 0; s < 2; ++s)
      same::expectSameSet(m.set(s), fresh[s], what + ", full refresh of set " + std::to_string(s + 1));
    if (!grouped) {
      // The edited set as its table reads with nothing kept from before.
      DataSet read;
      extractGridData(c.type, m.shownCells(), m.classes(), read);
      if (read.pairs.size() > 2) sortPairs(read);
      ASSERT_EQ(read.pairs.size(), m.set(c.set).pairs.size()) << what;
      for (size_t k = 0; k < read.pairs.size(); ++k) {
        EXPECT_TRUE(same::bits(read.pairs[k].value, m.set(c.set).pairs[k].value)) << what;
        EXPECT_TRUE(same::bits(read.pairs[k].frequency, m.set(c.set).pairs[k].frequency)) << what;
      }
    }
    // The other set's data did not move.
    same::expectSameSet(m.set(1 - c.set), other, what + ", the set not edited");
  }
}

// A setting that changes the statistics of both sets is no edit of either: the
// kept refresh of a set whose data stayed must not be shown again.
TEST(AnalysisModel, ASettingAfterAnEditRefreshesBothSets) {
  AnalysisModel m;
  m.autoData();
  m.enterCells({{0, 0, "2"}});
  const std::string before = m.result().sets[1].labels.mean;
  m.setDecimals(0);
  EXPECT_NE(m.result().sets[1].labels.mean, before);
  DataSet fresh[2] = {m.set(0), m.set(1)};
  same::expectSameResult(m.result(), refreshAnalysis(fresh[0], fresh[1], m.inputs()),
                         "decimals 0");
  m.cycleDeviation();
  same::expectSameResult(m.result(), refreshAnalysis(fresh[0], fresh[1], m.inputs()),
                         "sample deviation");
  m.setPercentile(1, 90);
  same::expectSameResult(m.result(), refreshAnalysis(fresh[0], fresh[1], m.inputs()),
                         "set 2 at 90%");
}
