// The data side of the main window driven through real grid, choice, radio, spin
// and button events: reading the grid for each data type, writing a set back in
// each layout, the data-type switch with its grouping dialog, the duplicate and
// row-limit messages, the percentile entries and the standard-deviation switch.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <dlfcn.h>

#include <string>
#include <vector>

#include "core/stats/GridData.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "MainFrameDriver.h"

namespace {

using Pairs = std::vector<tally::FrequencyPair>;

class StatsUiTest : public ::testing::Test, protected MainFrameDriver {};

// Types into the spin control's GTK entry as the keyboard would, so that GTK
// raises the text event itself.
void typeIntoSpin(wxSpinCtrl* spin, const char* text) {
  using SetText = void (*)(void*, const char*);
  static auto setText = reinterpret_cast<SetText>(dlsym(RTLD_DEFAULT, "gtk_entry_set_text"));
  ASSERT_NE(setText, nullptr);
  setText(spin->GetHandle(), text);
}

}  // namespace

TEST_F(StatsUiTest, ValuesOnlyTypesCountRepeatedValues) {
  typeValues({"3", "3", "5", "abc"});
  // 3, 3, 5 and an unreadable cell: two distinct values, so only n is shown yet.
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{3, 2}, {5, 1}}));
  EXPECT_EQ(frame->analysis().set(0).count, 2);  // the number of pairs of a set without statistics
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Median)), "");
  // The frequency column is hidden and never read.
  type(0, 1, "7");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{3, 2}, {5, 1}}));
}

TEST_F(StatsUiTest, FrequenciesAreRoundedOrZeroedInTheirCells) {
  chooseType(tally::GroupedDiscrete);
  EXPECT_EQ(frame->grid->GetColSize(0), 80);
  EXPECT_EQ(frame->grid->GetColSize(1), 80);
  EXPECT_TRUE(frame->grid->IsColShown(1));

  struct Row {
    const char* value;
    const char* frequency;
    const char* cellAfter;
  };
  // 2.4 rounds to 2 and 2.5 to 3 (floor(f + 0.5)); -1 becomes "0" and adds nothing.
  const Row rows[] = {{"1", "2.4", "2"}, {"2", "2.5", "3"}, {"3", "-1", "0"}, {"", "4", "4"}};
  for (int r = 0; r < 4; ++r) {
    type(r, 0, rows[r].value);
    type(r, 1, rows[r].frequency);
    EXPECT_EQ(cell(r, 1), rows[r].cellAfter) << r;
  }
  // A frequency without a value adds nothing either.
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{1, 2}, {2, 3}}));
}

TEST_F(StatsUiTest, DuplicateValueIsReportedOnEveryChangeWhileItStays) {
  chooseType(tally::GroupedDiscrete);
  type(0, 0, "4");
  type(0, 1, "1");
  type(1, 0, "6");
  type(1, 1, "2");
  type(2, 0, "4");
  const std::string message = tally::duplicateValueMessage(4);
  EXPECT_NE(message.find("The value 4 has been added more than once."), std::string::npos);
  wxTEST_DIALOG(type(2, 1, "3"), ExpectMessage("Value Already Exists", message));
  // The first row's frequency is the one kept.
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{4, 1}, {6, 2}}));
  // Another cell changes: the copy is still there, so the message comes again, once.
  wxTEST_DIALOG(type(3, 0, "8"), ExpectMessage("Value Already Exists", message));
  // Removing the copy ends the messages (the guard fails on any further dialog).
  type(2, 0, "");
  type(3, 1, "1");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{4, 1}, {6, 2}, {8, 1}}));
}

TEST_F(StatsUiTest, EachSetIsShownInTheLayoutOfTheDataType) {
  typeValues({"1", "2", "2", "3"});
  selectSet(1);
  EXPECT_EQ(frame->analysis().shownSet(), 1);
  EXPECT_EQ(cell(0, 0), "");
  typeValues({"7", "8", "9", "9"});

  chooseType(tally::GroupedContinuous);
  EXPECT_EQ(frame->analysis().type(), tally::GroupedContinuous);
  // Set 2 as value and frequency rows, in sorted order.
  const char* set2Rows[][2] = {{"7", "1"}, {"8", "1"}, {"9", "2"}, {"", ""}};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(cell(r, 0), set2Rows[r][0]) << r;
    EXPECT_EQ(cell(r, 1), set2Rows[r][1]) << r;
  }

  selectSet(0);
  const char* set1Rows[][2] = {{"1", "1"}, {"2", "2"}, {"3", "1"}, {"", ""}};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(cell(r, 0), set1Rows[r][0]) << r;
    EXPECT_EQ(cell(r, 1), set1Rows[r][1]) << r;
  }

  // Back to values only: one row per observation, the frequency column hidden.
  chooseType(tally::UngroupedContinuous);
  EXPECT_EQ(frame->grid->GetColSize(0), 160);
  EXPECT_FALSE(frame->grid->IsColShown(1));
  const char* values[] = {"1", "2", "2", "3", ""};
  for (int r = 0; r < 5; ++r) EXPECT_EQ(cell(r, 0), values[r]) << r;
  // Showing never changes the data.
  EXPECT_EQ(frame->analysis().set(1).pairs, (Pairs{{7, 1}, {8, 1}, {9, 2}}));
}

TEST_F(StatsUiTest, DataTypeSetsBarWidthsAndTheColumnWidthButton) {
  struct Step {
    int type;
    const char* button;
    double barWidth;
  };
  // Discrete bars are 0.75 x columnWidth wide, continuous ones 1 (before any
  // histogram grouping is applied to data).
  const Step steps[] = {{tally::UngroupedContinuous, "Grouping...", 1},
                        {tally::GroupedDiscrete, "Col Width...", 0.75},
                        {tally::GroupedContinuous, "Grouping...", 1},
                        {tally::UngroupedDiscrete, "Col Width...", 0.75}};
  for (const Step& s : steps) {
    chooseType(s.type);
    EXPECT_EQ(toStd(frame->columnWidthButton->GetLabelText()), s.button) << s.type;
    EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, s.barWidth) << s.type;
    EXPECT_EQ(frame->shownSeries(COLUMNS_SET2).columnWidth, s.barWidth) << s.type;
    EXPECT_TRUE(frame->columnWidthButton->IsShown());
    EXPECT_FALSE(frame->groupingDetailsButton->IsShown());
  }
}

TEST_F(StatsUiTest, AlreadyGroupedOpensTheClassGroupingEachTimeItIsChosen) {
  typeValues({"2", "2", "2", "15"});
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 3));
  EXPECT_EQ(frame->analysis().type(), tally::AlreadyGroupedContinuous);
  EXPECT_TRUE(frame->groupingDetailsButton->IsShown());
  EXPECT_FALSE(frame->columnWidthButton->IsShown());
  EXPECT_EQ(frame->notebook->GetPageText(2), "Ogive");
  EXPECT_TRUE(frame->boxPageSizer->IsShown(frame->percentileSizer));
  EXPECT_FALSE(frame->boxPageSizer->IsShown(frame->boxPlotSizer));

  // Class rows: read-only labels on the button face, class sums beside them.
  const char* rows[][2] = {{"0 - < 10", "3"}, {"10 - < 20", "1"}, {"20 - < 30", "0"}, {"", ""}};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(cell(r, 0), rows[r][0]) << r;
    EXPECT_EQ(cell(r, 1), rows[r][1]) << r;
  }
  EXPECT_TRUE(frame->grid->IsReadOnly(0, 0));
  EXPECT_FALSE(frame->grid->IsReadOnly(0, 1));
  EXPECT_EQ(frame->grid->GetCellBackgroundColour(0, 0),
            wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  EXPECT_EQ(frame->grid->GetCellTextColour(0, 0),
            wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));

  // Chosen again: the dialog opens again and the grid follows the new classes.
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "5", 4));
  const char* regrouped[][2] = {{"0 - < 5", "3"}, {"5 - < 10", "0"}, {"10 - < 15", "0"},
                                {"15 - < 20", "1"}, {"", ""}};
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(cell(r, 0), regrouped[r][0]) << r;
    EXPECT_EQ(cell(r, 1), regrouped[r][1]) << r;
  }

  // Leaving the classes: no read-only cell stays behind and the box plot returns.
  chooseType(tally::UngroupedDiscrete);
  EXPECT_FALSE(frame->grid->IsReadOnly(0, 0));
  EXPECT_EQ(cell(0, 0), "2");
  EXPECT_EQ(frame->notebook->GetPageText(2), "Box & Whisker");
  EXPECT_TRUE(frame->boxPageSizer->IsShown(frame->boxPlotSizer));
  EXPECT_FALSE(frame->boxPageSizer->IsShown(frame->percentileSizer));
  EXPECT_TRUE(frame->columnWidthButton->IsShown());
  EXPECT_FALSE(frame->groupingDetailsButton->IsShown());
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 0.75);
}

TEST_F(StatsUiTest, ClassFrequenciesAdjustTheRawValues) {
  typeValues({"2", "2", "2", "15"});
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 2));
  // 5 into a class holding 3: the first pair of the class gains 2.
  type(0, 1, "5");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{2, 5}, {15, 1}}));
  // 1 instead: the pair shrinks to 1.
  type(0, 1, "1");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{2, 1}, {15, 1}}));
  // Emptying the cell removes the class's pairs.
  type(1, 1, "");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{2, 1}}));
  // 4 into the now empty class appends its lower bound.
  type(1, 1, "4");
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{2, 1}, {10, 4}}));
}

TEST_F(StatsUiTest, GroupingDetailsRegroupsTheClasses) {
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 2));
  type(1, 1, "3");
  wxTEST_DIALOG(click(frame->groupingDetailsButton), AnswerGrouping("10", "2", 3));
  EXPECT_EQ(frame->classGrouping().startValue, 10);
  EXPECT_EQ(cell(0, 0), "10 - < 12");
  EXPECT_EQ(cell(0, 1), "3");
  EXPECT_EQ(cell(2, 0), "14 - < 16");
  EXPECT_EQ(cell(3, 0), "");
  // Three classes of 2 from 10: n = 3 in the first class, midpoint 11.
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "11");
}

TEST_F(StatsUiTest, UngroupingMoreThanAThousandObservationsShowsTheFirstThousand) {
  chooseType(tally::GroupedDiscrete);
  type(0, 0, "5");
  type(0, 1, "1200");
  type(1, 0, "6");
  type(1, 1, "1");
  wxTEST_DIALOG(chooseType(tally::UngroupedDiscrete),
                ExpectMessage(tally::kRowsExceededTitle, tally::kRowsExceededMessage));
  EXPECT_EQ(cell(0, 0), "5");
  EXPECT_EQ(cell(999, 0), "5");
  // The set keeps everything until the next change rebuilds it from the rows shown.
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{5, 1200}, {6, 1}}));
  type(0, 0, "7");
  // Two distinct values are not sorted by a refresh: rows are read top down.
  EXPECT_EQ(frame->analysis().set(0).pairs, (Pairs{{7, 1}, {5, 999}}));
}

TEST_F(StatsUiTest, PercentileEntriesOutsideZeroToHundredAreRefused) {
  typeValues({"10", "20", "30", "40"});
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Percentile)), "25");  // p = 50: position 2.5

  // Percentile 25: position 0.75*3 + 1 = 1.75, 10 + 0.75*(20 - 10) = 17.5.
  frame->statistics->percentileSpin(0)->SetValue(25);
  wxSpinEvent spun(wxEVT_SPINCTRL, ID_PERCENTILE_SET1);
  spun.SetEventObject(frame->statistics->percentileSpin(0));
  frame->statistics->percentileSpin(0)->GetEventHandler()->ProcessEvent(spun);
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Percentile)), "17.5");

  for (const char* refused : {"-5", "101"}) {
    wxTEST_DIALOG(typeIntoSpin(frame->statistics->percentileSpin(0), refused),
                  ExpectMessage("Invalid Entry", "Please enter an integer 0 to 100.",
                                wxICON_EXCLAMATION));
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::Percentile)), "17.5") << refused;
  }
  typeIntoSpin(frame->statistics->percentileSpin(0), "0");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Percentile)), "10");
  typeIntoSpin(frame->statistics->percentileSpin(0), "100");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Percentile)), "40");

  // Set 2 holds nothing: an entry there is checked but writes no result.
  typeIntoSpin(frame->statistics->percentileSpin(1), "30");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Percentile)), "");
}

TEST_F(StatsUiTest, CycleTwiceRestoresThePopulationValues) {
  // 2 4 4 4 5 5 7 9: mean 5, sum of squares 9+1+1+1+0+0+4+16 = 32;
  // population sqrt(32/8) = 2, sample sqrt(32/7) = 2.138.
  typeValues({"2", "4", "4", "4", "5", "5", "7", "9"});
  // Set 2 with two values keeps a count but shows nothing, also after Cycle.
  selectSet(1);
  typeValues({"1", "2"});
  EXPECT_EQ(frame->analysis().set(1).count, 2);

  wxWindow* cycle = frame->FindWindow(ID_CYCLE_SET2);
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::StdDev)), "2");
  click(cycle);
  EXPECT_TRUE(frame->analysis().sampleStdDev());
  EXPECT_EQ(text(frame->statistics->stdDevCaption(0)), "Std Dev.(s):");
  EXPECT_EQ(text(frame->statistics->stdDevCaption(1)), "Std Dev.(s):");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::StdDev)), "2.138");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::StdDev)), "");
  click(frame->FindWindow(ID_CYCLE_SET1));
  EXPECT_FALSE(frame->analysis().sampleStdDev());
  EXPECT_EQ(text(frame->statistics->stdDevCaption(0)), "Std Dev.(p):");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::StdDev)), "2");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::StdDev)), "");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "5");
}

TEST_F(StatsUiTest, SliderReadsBothOgivesAtItsPercentage) {
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 3));
  // Classes 0-10, 10-20, 20-30 with 2, 5, 3 (n = 10): median 10 + (5 - 2)*10/5 = 16.
  type(0, 1, "2");
  type(1, 1, "5");
  type(2, 1, "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::SliderPercentile)), "16");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::SliderPercentile)), "");

  // Position 75 is 25 %: 10 + (2.5 - 2)*10/5 = 11.
  wxScrollEvent moved(wxEVT_SCROLL_THUMBTRACK, ID_PERCENTILE_SLIDER, 75, wxVERTICAL);
  moved.SetEventObject(frame->percentileSlider);
  frame->percentileSlider->GetEventHandler()->ProcessEvent(moved);
  EXPECT_EQ(toStd(frame->percentageText->GetValue()), "25%");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::SliderPercentile)), "11");
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::SliderPercentile)), "");
}

// The Decimals choice fixes the places of the computed statistics only: values,
// counts and modes keep their own digits, and Auto brings 4 significant digits back.
TEST_F(StatsUiTest, DecimalsFixTheComputedStatisticsOnPageAndInTheModel) {
  // 2 4 4 4 5 5 7 10: mean 41/8 = 5.125; squared deviations 9.765625 +
  // 3 * 1.265625 + 2 * 0.015625 + 3.515625 + 23.765625 = 40.875, and the
  // population deviation sqrt(40.875 / 8) = 2.260393.
  typeValues({"2", "4", "4", "4", "5", "5", "7", "10"});
  wxChoice* decimals = frame->statistics->decimalsChoice();
  struct Case {
    int item;
    const char *mean, *deviation;
  } cases[] = {{3, "5.13", "2.26"}, {1, "5", "2"}, {7, "5.125000", "2.260393"},
               {0, "5.125", "2.26"}};
  for (const Case& c : cases) {
    decimals->SetSelection(c.item);
    wxCommandEvent chosen(wxEVT_CHOICE, ID_DECIMALS);
    chosen.SetInt(c.item);
    chosen.SetEventObject(decimals);
    decimals->GetEventHandler()->ProcessEvent(chosen);
    EXPECT_EQ(frame->analysis().decimals(), StatisticsPanel::itemDecimals(c.item));
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), c.mean) << c.item;
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::StdDev)), c.deviation) << c.item;
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "8");
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mode)), "4");
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::Maximum)), "10");
  }
}

// A name is shown as typed, "&" included, and no text moves Set 2's column: long
// texts wrap inside their own column, and the window keeps its size.
TEST_F(StatsUiTest, NamesAndLongTextsStayInTheirColumns) {
  const wxSize window = frame->GetSize();
  const int set2Caption = frame->statistics->minimumCaption(1)->GetPosition().x;
  rename(0, "R&D team");
  EXPECT_EQ(frame->statistics->nameLabel(0)->GetLabelText(), "R&D team");
  rename(1, "Heights of Year 9 girls (cm), spring term");
  EXPECT_EQ(frame->statistics->nameLabel(1)->GetLabelText(), "Heights of Year 9 girls (cm), ");
  // Four modes, then a set of two values with its reason under Mean.
  typeValues({"1", "1", "2", "2", "3", "3", "4", "4"});
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mode)), "(more than\n 2 modes)");
  selectSet(1);
  typeValues({"1234567.5", "9876543.25"});
  EXPECT_EQ(text(frame->statistics->label(1, Statistic::Mean)),
            "At least three different values are needed");
  frame->Layout();
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(frame->statistics->minimumCaption(1)->GetPosition().x, set2Caption);
  EXPECT_EQ(frame->GetSize(), window);
  const wxStaticText* reason = frame->statistics->label(1, Statistic::Mean);
  EXPECT_GT(reason->GetMinSize().y, frame->statistics->label(1, Statistic::N)->GetMinSize().y);
}

// The model takes an edit as the cells the grid changed: after several cells are
// changed, cleared or given text beyond ASCII at once, its table is the grid's.
TEST_F(StatsUiTest, SeveralCellsChangedAtOnceReachTheModelAsTheGridShowsThem) {
  typeValues({"3", "4", "5", "6"});
  VardenGrid* grid = frame->grid;
  grid->SetCellValue(1, 0, "4.5");
  grid->SetCellValue(2, 0, "");
  grid->SetCellValue(3, 0, wxString::FromUTF8("6\xc2\xa0"));  // a non-breaking space after
  grid->SetCellValue(5, 0, "7 ");
  frame->extractGridData();
  tally::CellTable expected = {{"3", ""}, {"4.5", ""}, {"", ""}, {"6\xc2\xa0", ""}, {"", ""},
                               {"7 ", ""}};
  EXPECT_EQ(frame->analysis().shownCells(), expected);
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Maximum)), "7");
  // The same texts again, the last row cleared: the table ends at the fourth row.
  grid->SetCellValue(3, 0, wxString::FromUTF8("6\xc2\xa0"));
  grid->SetCellValue(5, 0, "");
  frame->extractGridData();
  expected.resize(4);
  EXPECT_EQ(frame->analysis().shownCells(), expected);
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "3");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Maximum)), "6");
}
