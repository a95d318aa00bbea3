// Typing and pasting into the main window as a class would: real keys and clicks
// through the X server, checked against the sets the statistics are computed from.
// Grouped by topic: navigation, commit on every path, paste, exact numbers, undo,
// the close question, and a randomised typing session.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcmemory.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "MainFrameDriver.h"

namespace {

using Values = std::vector<double>;

// Every observation of a set, ascending: a frequency of 3 gives the value 3 times.
Values observations(const std::vector<tally::FrequencyPair>& pairs) {
  Values out;
  for (const auto& p : pairs)
    for (double j = 0; j < p.frequency; ++j) out.push_back(p.value);
  std::sort(out.begin(), out.end());
  return out;
}

Values sorted(Values v) {
  std::sort(v.begin(), v.end());
  return v;
}

void setClipboardText(const std::string& text) {
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->SetData(new wxTextDataObject(toWx(text)));
  wxTheClipboard->Close();
}

// A fresh main window, raised so that the keyboard reaches it.
std::unique_ptr<MainFrameDriver> freshWindow() {
  auto d = std::make_unique<MainFrameDriver>();
  d->frame->Raise();
  // The X server must have mapped and placed the window before a click can land on it.
  wxStopWatch mapped;
  while (mapped.Time() < 400) d->settle(1);
  return d;
}

// The statistics a student sees, to compare before and after an undo.
std::vector<std::string> statisticTexts(const MainFrame* f) {
  std::vector<std::string> texts;
  for (int s = 0; s < 2; ++s)
    for (const wxStaticText* label :
         {f->statistics->label(s, Statistic::N), f->statistics->label(s, Statistic::Mean), f->statistics->label(s, Statistic::Mode), f->statistics->label(s, Statistic::Median), f->statistics->label(s, Statistic::Q1),
          f->statistics->label(s, Statistic::Q3), f->statistics->label(s, Statistic::StdDev), f->statistics->label(s, Statistic::Percentile)})
      texts.push_back(toStd(label->GetLabel()));
  return texts;
}

// A Yes/No question with exactly this text and the question icon, answered.
class AnswerQuestion : public wxExpectModalBase<wxMessageDialog, AnswerQuestion> {
 public:
  AnswerQuestion(const std::string& message, int answer) : message(message), answer(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetMessage()), message);
    const long style = dlg->GetMessageDialogStyle();
    EXPECT_TRUE(style & wxYES_NO);
    EXPECT_TRUE(style & wxICON_QUESTION);
    return answer;
  }
  wxString GetDefaultDescription() const override { return toWx("question \"" + message + "\""); }

 private:
  std::string message;
  int answer;
};

// A closed frame waits in the toolkit's list of windows to delete at the next idle time.
bool closing(wxWindow* frame) { return wxPendingDelete.Member(frame); }

const char* const kCloseQuestion = "Save changes to \xE2\x80\x9CUntitled\xE2\x80\x9D before closing?";

}  // namespace

// ---- Navigation ------------------------------------------------------------------

TEST(DataEntryNavigation, EnterDownUpAndTabCommitAndMoveLikeASpreadsheet) {
  struct Cell {
    int row, col;
    const char* text;
  };
  struct Case {
    const char* name;
    int type;
    std::string keys;
    std::vector<Cell> cells;
    Values set;
    int cursorRow, cursorCol;
  };
  const std::vector<Case> cases = {
      {"Down commits and moves down", tally::UngroupedDiscrete, "8.5{down}9.5\n",
       {{0, 0, "8.5"}, {1, 0, "9.5"}}, {8.5, 9.5}, 2, 0},
      // 3 goes to row 2, Up returns to row 1, whose 2 is typed over by 4.
      {"Up commits and moves up", tally::UngroupedDiscrete, "1\n2\n3{up}4\n",
       {{0, 0, "1"}, {1, 0, "4"}, {2, 0, "3"}}, {1, 3, 4}, 2, 0},
      // The frequency column is hidden: Tab goes to the next row, never into it.
      {"Tab in the values layout", tally::UngroupedContinuous, "149.8\t9\t",
       {{0, 0, "149.8"}, {1, 0, "9"}, {0, 1, ""}}, {9, 149.8}, 2, 0},
      {"value Tab frequency Enter", tally::GroupedDiscrete, "5\t2\n6\t3\n",
       {{0, 0, "5"}, {0, 1, "2"}, {1, 0, "6"}, {1, 1, "3"}}, {5, 5, 6, 6, 6}, 2, 0},
      {"Down in the value column", tally::GroupedDiscrete, "5{down}6\t1{down}",
       {{0, 0, "5"}, {1, 0, "6"}, {1, 1, "1"}}, {6}, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto d = freshWindow();
    d->chooseType(c.type);
    d->clickCell(0, 0);
    d->keys(c.keys);
    for (const Cell& e : c.cells) EXPECT_EQ(d->cell(e.row, e.col), e.text) << e.row << "," << e.col;
    EXPECT_EQ(observations(d->pairs(0)), c.set);
    EXPECT_EQ(d->frame->grid->GetGridCursorRow(), c.cursorRow);
    EXPECT_EQ(d->frame->grid->GetGridCursorCol(), c.cursorCol);
  }
}

// ---- Commit on every path --------------------------------------------------------

TEST(DataEntryCommit, SwitchingSetsWithACellOpenKeepsBothSets) {
  auto d = freshWindow();
  d->clickCell(0, 0);
  d->keys("1\n2\n3\n");
  d->clickOn(d->frame->set2Radio);
  d->clickCell(0, 0);
  d->keys("7\n8\n9\n10");  // the 10 is still in the open editor
  ASSERT_TRUE(d->frame->grid->IsCellEditControlEnabled());
  d->clickOn(d->frame->set1Radio);
  EXPECT_EQ(observations(d->pairs(0)), (Values{1, 2, 3}));
  EXPECT_EQ(observations(d->pairs(1)), (Values{7, 8, 9, 10}));
  EXPECT_EQ(d->cell(0, 0), "1");
  EXPECT_EQ(d->cell(3, 0), "");
}

TEST(DataEntryCommit, EveryOtherControlFirstKeepsTheOpenCell) {
  struct Case {
    const char* name;
    std::function<void(MainFrameDriver&)> act;
    Values set1;
  };
  const std::vector<Case> cases = {
      {"Set 2 radio button", [](MainFrameDriver& d) { d.clickOn(d.frame->set2Radio); }, {1, 2, 3}},
      {"Cycle button", [](MainFrameDriver& d) { d.clickOn(d.frame->FindWindow(ID_CYCLE_SET1)); },
       {1, 2, 3}},
      {"data-type choice", [](MainFrameDriver& d) { d.chooseType(tally::GroupedDiscrete); },
       {1, 2, 3}},
      {"percentile spin control", [](MainFrameDriver& d) { d.spin(0, 40); }, {1, 2, 3}},
      // The class grouping opens on the set that already holds the 3.
      {"grouping dialog",
       [](MainFrameDriver& d) {
         wxTEST_DIALOG(d.chooseType(tally::AlreadyGroupedContinuous),
                       AnswerGrouping("0", "5", 4));
         EXPECT_EQ(d.cell(0, 1), "3");
       },
       {1, 2, 3}},
      {"closing the window",
       [](MainFrameDriver& d) {
         wxTEST_DIALOG(d.frame->Close(), AnswerQuestion(kCloseQuestion, wxID_CANCEL));
         EXPECT_FALSE(closing(d.frame));
       },
       {1, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto d = freshWindow();
    d->clickCell(0, 0);
    d->keys("1\n2\n3");
    ASSERT_TRUE(d->frame->grid->IsCellEditControlEnabled());
    c.act(*d);
    d->settle();
    EXPECT_FALSE(d->frame->grid->IsCellEditControlEnabled());
    EXPECT_EQ(observations(d->pairs(0)), c.set1);
    EXPECT_TRUE(d->pairs(1).empty());
  }
}

// ---- Paste -----------------------------------------------------------------------

TEST(DataEntryPaste, SeveralCellsPastedIntoAnOpenEditorFillABlock) {
  auto d = freshWindow();
  d->clickCell(0, 0);  // the cursor cell of a fresh window: the click opens its editor
  ASSERT_TRUE(d->frame->grid->IsCellEditControlEnabled());
  setClipboardText("4\n5\n6\n");
  d->press('V', wxMOD_CONTROL);
  EXPECT_FALSE(d->frame->grid->IsCellEditControlEnabled());
  EXPECT_EQ(d->cell(0, 0), "4");
  EXPECT_EQ(d->cell(2, 0), "6");
  EXPECT_EQ(observations(d->pairs(0)), (Values{4, 5, 6}));

  // One number is pasted into the open editor like typed text.
  setClipboardText("42");
  d->clickCell(3, 0);
  d->keys("1");
  d->press('V', wxMOD_CONTROL);
  d->keys("\n");
  EXPECT_EQ(d->cell(3, 0), "142");
  EXPECT_EQ(observations(d->pairs(0)), (Values{4, 5, 6, 142}));
}

TEST(DataEntryPaste, LinesPastTheLastRowAreCountedForTheUser) {
  struct Case {
    std::string text;
    int startRow;
    const char* message;
    size_t kept;
  };
  std::string lines1200;
  for (int i = 0; i < 1200; ++i) lines1200 += std::to_string(i % 7) + "\r\n";
  const std::vector<Case> cases = {
      {lines1200, 0, "200 lines did not fit below the last row of the table and were not pasted.",
       1000},
      {"1\n2\n3\n", 998, "1 line did not fit below the last row of the table and was not pasted.",
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    auto d = freshWindow();
    setClipboardText(c.text);
    d->frame->grid->SetGridCursor(c.startRow, 0);
    wxTEST_DIALOG(d->frame->grid->pasteFromClipboard(),
                  ExpectMessage("Not All Pasted", c.message, wxICON_EXCLAMATION));
    d->settle();
    EXPECT_EQ(observations(d->pairs(0)).size(), c.kept);
  }
  // Fields beyond the second column are counted as cells.
  auto d = freshWindow();
  d->chooseType(tally::GroupedDiscrete);
  setClipboardText("1\t2\t3\n4\t5\t6\t7\n");
  d->frame->grid->SetGridCursor(0, 0);
  wxTEST_DIALOG(d->frame->grid->pasteFromClipboard(),
                ExpectMessage("Not All Pasted",
                              "3 cells did not fit beside the last column and were not pasted."));
}

TEST(DataEntryPaste, BlanksAroundANumberAreIgnored) {
  auto d = freshWindow();
  d->paste("12 \n 13\n\xC2\xA0" "14\xC2\xA0\n  15  \n");
  EXPECT_EQ(observations(d->pairs(0)), (Values{12, 13, 14, 15}));
}

TEST(DataEntryPaste, CellsThatAreNotNumbersAreTintedAndSayWhy) {
  auto d = freshWindow();
  d->paste("5,5\n12a\n1e999\n7\n");
  VardenGrid* grid = d->frame->grid;
  EXPECT_EQ(grid->cellProblem(0, 0), "Not a number: use a decimal point");
  EXPECT_EQ(grid->cellProblem(1, 0), "Not a number");
  EXPECT_EQ(grid->cellProblem(2, 0), "Not a number: too large");
  EXPECT_EQ(grid->cellProblem(3, 0), "");
  EXPECT_EQ(grid->cellProblem(4, 0), "") << "an empty cell is no problem";
  EXPECT_EQ(observations(d->pairs(0)), (Values{7}));

  // Drawn by the grid's own renderer: the bad cell tinted, the good one white.
  auto backgroundOf = [&](int row) {
    const wxImage image = drawnCell(grid, row, wxSize(160, 24));
    return wxColour(image.GetRed(150, 12), image.GetGreen(150, 12), image.GetBlue(150, 12));
  };
  EXPECT_EQ(backgroundOf(0), wxColour(255, 214, 170));
  EXPECT_EQ(backgroundOf(3), grid->GetDefaultCellBackgroundColour());

  // The real mouse over a cell shows its reason as the tooltip, and none over a number.
  wxUIActionSimulator mouse;
  auto hover = [&](int row) {
    const wxRect r = grid->CellToRect(row, 0);
    mouse.MouseMove(grid->GetGridWindow()->ClientToScreen(r.GetPosition() + wxPoint(20, 5)));
    d->settle(6);
    return toStd(grid->GetGridWindow()->GetToolTipText());
  };
  EXPECT_EQ(hover(0), "Not a number: use a decimal point");
  EXPECT_EQ(hover(3), "");
  EXPECT_EQ(hover(2), "Not a number: too large");

  // Read-only class labels and the hidden frequency column are never marked.
  grid->SetCellValue(0, 1, "x");
  EXPECT_EQ(grid->cellProblem(0, 1), "");
  wxTEST_DIALOG(d->chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "5", 4));
  EXPECT_EQ(grid->cellProblem(0, 0), "");
}

// ---- Exact numbers ---------------------------------------------------------------

TEST(DataEntryPrecision, LayoutSwitchesAndRewrittenFrequenciesKeepEveryDigit) {
  auto d = freshWindow();
  d->paste("12345.67\n23456.78\n34567.89\n1234567\n");
  d->chooseType(tally::GroupedDiscrete);
  EXPECT_EQ(d->cell(0, 0), "12345.67");
  EXPECT_EQ(d->cell(3, 0), "1234567");
  EXPECT_EQ(d->cell(3, 1), "1");
  d->type(0, 1, "1234567");
  EXPECT_EQ(d->cell(0, 1), "1234567") << "the rewritten frequency keeps its digits";
  ASSERT_EQ(d->pairs(0).size(), 4u);
  EXPECT_EQ(d->pairs(0)[0].frequency, 1234567);
  d->type(0, 1, "2");
  EXPECT_EQ(observations(d->pairs(0)), sorted({12345.67, 12345.67, 23456.78, 34567.89, 1234567}));
  d->chooseType(tally::UngroupedContinuous);
  d->type(10, 0, "");  // any edit re-reads the rows the layout wrote
  EXPECT_EQ(observations(d->pairs(0)), sorted({12345.67, 12345.67, 23456.78, 34567.89, 1234567}));
}

// ---- Undo ------------------------------------------------------------------------

TEST(DataEntryUndo, EveryKindOfChangeIsUndoneAndRedoneInTurn) {
  auto d = freshWindow();
  MainFrame* f = d->frame;
  struct Step {
    const char* what;
    tally::Analysis state;
    std::vector<std::string> statistics;
  };
  std::vector<Step> steps;
  auto remember = [&](const char* what) {
    steps.push_back({what, f->analysis().state(), statisticTexts(f)});
  };
  remember("start");
  d->clickCell(0, 0);
  d->keys("3\n4\n5\n6\n");
  remember("typing");  // the last of four typed values
  setClipboardText("7\n8\n");
  d->clickCell(4, 0);
  d->press('V', wxMOD_CONTROL);
  remember("paste");
  d->clickCell(1, 0);
  d->press(WXK_DELETE);
  remember("delete");
  d->clickCell(0, 0);
  d->press('X', wxMOD_CONTROL);
  remember("cut");
  d->chooseType(tally::GroupedDiscrete);
  remember("type switch");
  d->clickOn(f->set2Radio);
  d->clickCell(0, 0);
  // The table keeps each cell as typed: the value alone is a step of its own.
  d->keys("9\t");
  remember("value in Set 2");
  d->keys("2\n");
  remember("typing in Set 2");
  ASSERT_EQ(observations(f->analysis().set(0).pairs), (Values{5, 6, 7, 8}));
  ASSERT_EQ(observations(f->analysis().set(1).pairs), (Values{9, 9}));

  auto expectState = [&](const Step& step) {
    SCOPED_TRACE(step.what);
    const tally::Analysis now = f->analysis().state();
    EXPECT_TRUE(now.sameContent(step.state));
    EXPECT_EQ(statisticTexts(f), step.statistics);
    EXPECT_EQ(f->shownLayout(), tally::layoutForType(step.state.type));
    EXPECT_EQ(f->grid->IsColShown(1), step.state.type >= tally::GroupedDiscrete);
  };
  // Back through every step with Ctrl+Z; the three values typed before the last
  // are steps of their own.
  for (size_t i = steps.size() - 1; i-- > 0;) {
    d->press('Z', wxMOD_CONTROL);
    if (i == 0)
      for (int typedBefore = 0; typedBefore < 3; ++typedBefore) d->press('Z', wxMOD_CONTROL);
    expectState(steps[i]);
  }
  EXPECT_FALSE(f->canUndo());
  // Forward again, with both redo keys.
  for (int typedBefore = 0; typedBefore < 3; ++typedBefore) d->press('Y', wxMOD_CONTROL);
  for (size_t i = 1; i < steps.size(); ++i) {
    d->press(i % 2 ? 'Y' : 'Z', i % 2 ? wxMOD_CONTROL : wxMOD_CONTROL | wxMOD_SHIFT);
    expectState(steps[i]);
  }
  EXPECT_FALSE(f->canRedo());
}

TEST(DataEntryUndo, AGroupingChangeIsUndoneWithItsClassRows) {
  auto d = freshWindow();
  wxTEST_DIALOG(d->chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "5", 4));
  d->type(0, 1, "3");
  d->type(1, 1, "2");
  const std::vector<std::string> before = statisticTexts(d->frame);
  wxTEST_DIALOG(d->click(d->frame->groupingDetailsButton), AnswerGrouping("0", "10", 2));
  ASSERT_EQ(d->cell(0, 1), "5");
  d->frame->undo();
  EXPECT_EQ(d->frame->classGrouping(), (tally::Grouping{0, 5, 4}));
  EXPECT_EQ(d->cell(0, 0), "0 - < 5");
  EXPECT_EQ(d->cell(0, 1), "3");
  EXPECT_EQ(d->cell(1, 1), "2");
  EXPECT_EQ(d->cell(3, 0), "15 - < 20");
  EXPECT_EQ(statisticTexts(d->frame), before);
  d->frame->redo();
  EXPECT_EQ(d->frame->classGrouping(), (tally::Grouping{0, 10, 2}));
  EXPECT_EQ(d->cell(0, 1), "5");
  EXPECT_EQ(d->cell(3, 0), "");
}

TEST(DataEntryUndo, AHistogramThatFollowsTheDataStillFollowsAfterUndo) {
  auto d = freshWindow();
  d->chooseType(tally::UngroupedContinuous);
  for (int r = 0; r < 6; ++r) d->type(r, 0, std::to_string(150 + 5 * r));
  d->type(6, 0, "400");
  d->frame->undo();
  d->frame->redo();
  d->frame->undo();
  EXPECT_TRUE(d->frame->analysis().histogramFollowsData());
  // A new value far out is fitted into the grouping again.
  d->type(6, 0, "900");
  const tally::Grouping g = d->frame->histogramGrouping();
  EXPECT_GE(g.startValue + g.groupSize * g.groupCount, 900);
}

TEST(DataEntryUndo, UndoInAnOpenCellTakesBackOnlyTheTyping) {
  auto d = freshWindow();
  d->clickCell(0, 0);
  d->keys("1\n2");
  d->press('Z', wxMOD_CONTROL);
  EXPECT_FALSE(d->frame->grid->IsCellEditControlEnabled());
  EXPECT_EQ(d->cell(1, 0), "");
  EXPECT_EQ(observations(d->pairs(0)), (Values{1}));
  d->press('Z', wxMOD_CONTROL);
  EXPECT_TRUE(d->pairs(0).empty());
}

TEST(DataEntryUndo, KeepsMoreThanAHundredSteps) {
  auto d = freshWindow();
  for (int r = 0; r < 120; ++r) d->type(r, 0, std::to_string(r));
  for (int i = 0; i < 110; ++i) d->frame->undo();
  EXPECT_EQ(observations(d->pairs(0)).size(), 10u);
  EXPECT_EQ(d->cell(9, 0), "9");
  EXPECT_EQ(d->cell(10, 0), "");
  for (int i = 0; i < 110; ++i) d->frame->redo();
  EXPECT_EQ(observations(d->pairs(0)).size(), 120u);
}

// ---- Closing ---------------------------------------------------------------------

TEST(DataEntryClose, AsksOnlyWhenUnsavedWorkWouldBeLost) {
  {
    auto d = freshWindow();
    d->frame->Close();  // nothing typed: no question
    EXPECT_TRUE(closing(d->frame));
  }
  {
    // A data file keeps one set's table, not the analysis: still asked.
    auto d = freshWindow();
    d->type(0, 0, "4");
    d->frame->markDataSaved();
    wxTEST_DIALOG(d->frame->Close(), AnswerQuestion(kCloseQuestion, wxID_NO));
    EXPECT_TRUE(closing(d->frame));
  }
  {
    // Typed and taken back again: nothing to lose.
    auto d = freshWindow();
    d->type(0, 0, "4");
    d->type(0, 0, "");
    d->frame->Close();
    EXPECT_TRUE(closing(d->frame));
  }
  {
    auto d = freshWindow();
    d->type(0, 0, "4");
    wxTEST_DIALOG(d->frame->Close(), AnswerQuestion(kCloseQuestion, wxID_CANCEL));
    EXPECT_FALSE(closing(d->frame));
    EXPECT_EQ(observations(d->pairs(0)), (Values{4}));
    // "Close Without Saving"
    wxTEST_DIALOG(d->frame->Close(), AnswerQuestion(kCloseQuestion, wxID_NO));
    EXPECT_TRUE(closing(d->frame));
  }
  {
    // Saving one set leaves the other unsaved.
    auto d = freshWindow();
    d->type(0, 0, "4");
    d->selectSet(1);
    d->type(0, 0, "5");
    d->frame->markDataSaved(1);
    EXPECT_TRUE(d->frame->hasUnsavedData());
    d->frame->markDataSaved(0);
    EXPECT_FALSE(d->frame->hasUnsavedData());
  }
}

// ---- A randomised typing session -------------------------------------------------

// Any valid numbers typed with any mix of Enter, Tab, Down and clicks, with the set
// switched by its radio button (sometimes with the last value still open), then
// the sets and the types switched back and forth: both sets hold exactly what was
// typed.
TEST(DataEntryProperty, TypedValuesSurviveEveryWayOfMovingAndSwitching) {
  std::mt19937 random(20261208);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  auto number = [&]() -> std::string {
    switch (pick(4)) {
      case 0: return std::to_string(pick(1000) - 100);
      case 1: return std::to_string(pick(100000)) + "." + std::to_string(pick(100));
      case 2: return "-0." + std::to_string(pick(10000) + 1);
      default: return std::to_string(pick(9) + 1) + "." + std::to_string(pick(1000)) + "e" +
                      std::to_string(pick(8));
    }
  };
  for (int trial = 0; trial < 4; ++trial) {
    SCOPED_TRACE(trial);
    auto d = freshWindow();
    Values expected[2];
    for (int set = 0; set < 2; ++set) {
      if (set == 1) d->clickOn(d->frame->set2Radio);
      d->clickCell(0, 0);
      const int count = 3 + pick(5);
      for (int row = 0; row < count; ++row) {
        const std::string text = number();
        double v = 0;
        ASSERT_TRUE(tally::parseNumber(text, v)) << text;
        expected[set].push_back(v);
        d->keys(text);
        const bool last = row == count - 1;
        switch (pick(last ? 5 : 4)) {
          case 0: d->keys("\n"); break;
          case 1: d->keys("\t"); break;
          case 2: d->keys("{down}"); break;
          case 3: d->clickCell(row + 1, 0); break;
          default: break;  // the last value stays in the open editor
        }
      }
    }
    d->clickOn(d->frame->set1Radio);
    for (int switches = 0; switches < 6; ++switches) {
      d->chooseType(pick(4));  // the four types that keep raw values
      d->selectSet(pick(2));
    }
    for (int set = 0; set < 2; ++set)
      EXPECT_EQ(observations(d->pairs(set)), sorted(expected[set])) << "set " << set + 1;
  }
}

// ---- Pictures for a person -------------------------------------------------------

// With TALLYSCOPE_SHOT_DIR set: a tinted cell with its tooltip, and the close question.
TEST(DataEntryShots, TintedCellWithTooltipAndTheCloseQuestion) {
  const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
  if (!dir) GTEST_SKIP() << "TALLYSCOPE_SHOT_DIR not set";
  const std::string shotDir = dir;
  auto shoot = [&](const std::string& name) {
    const std::string command = "import -window root " + shotDir + "/" + name + ".png";
    EXPECT_EQ(std::system(command.c_str()), 0);
  };
  MainFrame* frame = new MainFrame(nullptr, wxID_ANY, wxString());
  frame->SetPosition(wxPoint(0, 0));
  frame->Show();
  frame->Raise();
  VardenGrid* grid = frame->grid;
  grid->SetGridCursor(0, 0);
  grid->pasteText("12.5\n5,5\n14\n9.5\n11\n");
  frame->extractGridData();
  wxUIActionSimulator input;
  const wxRect r = grid->CellToRect(1, 0);
  input.MouseMove(grid->GetGridWindow()->ClientToScreen(r.GetPosition() + wxPoint(30, 6)));
  for (int i = 0; i < 150; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
  shoot("tinted_cell_tooltip");

  // The question is a real dialog here: a hook notes it, and a timer takes the
  // picture while it is up and answers it with the keyboard.
  struct NoteDialog : wxModalDialogHook {
    wxDialog* shown = nullptr;
    int Enter(wxDialog* dlg) override {
      shown = dlg;
      return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
  } hook;
  hook.Register();
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
    shoot("close_question");
    if (hook.shown) input.MouseMove(hook.shown->GetScreenRect().GetPosition() + wxPoint(40, 40));
    input.Char(WXK_ESCAPE);
  });
  timer.StartOnce(1500);
  frame->Close();
  hook.Unregister();
  EXPECT_NE(hook.shown, nullptr);
  EXPECT_FALSE(closing(frame));
  frame->Destroy();
  wxTheApp->ProcessPendingEvents();
}
