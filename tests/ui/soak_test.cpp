// A soak of the real main window: thousands of random operations from a fixed
// seed, as a restless user would do them, with every dialog answered. After each
// operation no assertion has fired and nothing was thrown; every 100 operations the
// Statistics page equals what the core computes for the same cells; and after the
// first 1000 operations the resident memory hardly grows.
//
// The operations are a table of small functions (kOperations) so that new commands
// join the soak with one line each. The seed is printed; set TALLYSCOPE_SOAK_SEED
// (and TALLYSCOPE_SOAK_OPERATIONS) to replay or lengthen a run.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/grid/PasteText.h"
#include "core/stats/GridData.h"
#include "core/stats/Refresh.h"
#include "MainFrameDriver.h"

namespace {

// Answers every dialog the soak raises: message boxes with OK, a grouping dialog
// with the grouping the operation chose (an invalid one is refused by the dialog,
// whose own message box is answered too, and then cancelled), anything else Cancel.
class AnswerEverything : public wxModalDialogHook {
 public:
  AnswerEverything() { Register(); }
  ~AnswerEverything() override { Unregister(); }

  std::string start = "0", size = "1";
  int count = 10;
  int dialogs = 0;

 protected:
  int Enter(wxDialog* dialog) override {
    ++dialogs;
    // Questions (Clear Data, Auto Data over data) are answered Yes.
    if (auto* message = wxDynamicCast(dialog, wxMessageDialog))
      return message->GetMessageDialogStyle() & wxYES_NO ? wxID_YES : wxID_OK;
    // dynamic_cast: the dialog has no class information of its own, so wxDynamicCast
    // would take any dialog (the column-width prompt too) for a grouping dialog.
    if (auto* grouping = dynamic_cast<GroupingDialog*>(dialog)) {
      const int code = submitGrouping(grouping, start, size, count);
      return code == 0 ? wxID_CANCEL : code;
    }
    return wxID_CANCEL;
  }
  void Exit(wxDialog*) override {}
};

// Resident memory in bytes.
long residentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

class SoakTest : public ::testing::Test, public MainFrameDriver {
 protected:
  void SetUp() override {
    previousAssertHandler = wxSetAssertHandler(&SoakTest::onAssert);
    assertions().clear();
    dataFile = "/tmp/tallyscope-soak-" + std::to_string(getpid()) + ".csv";
    frame->fileSelector = [this](const wxString&, const wxString&, const wxString&,
                                 const wxString&, const wxString&, int, wxWindow*) {
      return toWx(dataFile);
    };
  }
  void TearDown() override {
    wxSetAssertHandler(previousAssertHandler);
    std::remove(dataFile.c_str());
  }

  static std::vector<std::string>& assertions() {
    static std::vector<std::string> list;
    return list;
  }
  static void onAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                       const wxString& msg) {
    assertions().push_back(toStd(file) + ":" + std::to_string(line) + " " + toStd(func) + ": " +
                           toStd(cond) + " " + toStd(msg));
  }

 public:
  // --- Random material ---------------------------------------------------------
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }
  bool chance(int percent) { return pick(1, 100) <= percent; }

  std::string number() {
    switch (pick(0, 5)) {
      case 0: return std::to_string(pick(-5, 30));
      case 1: return tally::formatNumber("%g", pick(0, 2000) / 8.0);
      case 2: return tally::formatNumber("%g", std::ldexp(1.0, pick(-1070, 1020)) * (chance(50) ? 1 : -1));
      case 3: return std::to_string(pick(0, 3));
      case 4: return tally::formatNumber("%.17g", pick(1, 99) * 1.1);
      default: return std::to_string(pick(1, 12)) + ".5";
    }
  }
  std::string garbage() {
    static const char* const words[] = {"abc", "1,5", "--", "nan", "inf", "-inf", "1e999",
                                        "0x1p3", " ", "\xC3\xA9t\xC3\xA9", "1 2", "+", ".",
                                        "12abc", "\"3\""};
    if (chance(5)) return std::string(pick(1001, 3000), '7');  // longer than a cell holds
    return words[pick(0, 14)];
  }
  std::string cellText() {
    const int kind = pick(0, 9);
    if (kind < 6) return number();
    if (kind < 9) return garbage();
    return "";
  }
  // A TAB-separated block of r rows and c fields, some fields long.
  std::string block(int rows, int cols) {
    std::string text;
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < cols; ++c) {
        if (c > 0) text += '\t';
        text += chance(2) ? std::string(pick(1001, 5000), '1') : cellText();
      }
      text += chance(20) ? "\n" : "\r\n";
    }
    return text;
  }
  // A start row near the top or near the last row, so some blocks run past it.
  int startRow() { return chance(70) ? pick(0, 40) : pick(960, tally::kGridRows - 1); }

  void pressKey(int key, bool ctrl = false, bool shift = false) {
    wxWindow* target = frame->grid->GetGridWindow();
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = key;
    event.SetControlDown(ctrl);
    event.SetShiftDown(shift);
    event.SetEventObject(target);
    target->GetEventHandler()->ProcessEvent(event);
  }
  void setClipboard(const std::string& text) {
    if (wxTheClipboard->Open()) {
      wxTheClipboard->SetData(new wxTextDataObject(toWx(text)));
      wxTheClipboard->Close();
    }
  }
  void selectBlock() {
    const int top = startRow();
    frame->grid->SelectBlock(top, pick(0, 1), std::min(top + pick(0, 30), tally::kGridRows - 1),
                             pick(0, 1));
  }
  void chooseGrouping(bool valid) {
    if (valid) {
      answers.start = std::to_string(pick(0, 20));
      answers.size = tally::formatNumber("%g", pick(1, 40) / 4.0);
      answers.count = pick(1, 100);
    } else {
      static const char* const bad[][2] = {{"-1", "1"}, {"0", "0"}, {"x", "1"}, {"0", "-2"},
                                           {"1e999", "1"}, {"", ""}};
      const int k = pick(0, 5);
      answers.start = bad[k][0];
      answers.size = bad[k][1];
      answers.count = pick(-5, 200);
    }
  }

  // --- The Statistics page against the core ------------------------------------
  // The window is made to read its cells once more (as Enter on an unchanged cell
  // does), and the core reads the same cells into the same set: both sets and then
  // every text of the Statistics page must agree.
  void checkPageAgainstCore(int operation) {
    const tally::DataType type = frame->shownType();
    tally::DataSet sets[2] = {frame->analysis().set(0), frame->analysis().set(1)};
    tally::CellTable cells(tally::kGridRows);
    for (int r = 0; r < tally::kGridRows; ++r)
      for (int c = 0; c < tally::kGridColumns; ++c) cells[r][c] = cell(r, c);
    tally::extractGridData(type, cells, frame->classGrouping(), sets[frame->analysis().shownSet()]);
    VardenGrid* grid = frame->grid;
    wxGridEvent reread(grid->GetId(), wxEVT_GRID_CELL_CHANGED, grid, -1, -1);
    grid->GetEventHandler()->ProcessEvent(reread);
    wxTheApp->ProcessPendingEvents();

    tally::RefreshInputs in;
    in.type = type;
    in.classes = frame->classGrouping();
    in.histogram = frame->histogramGrouping();
    const tally::Analysis& state = frame->analysis().state();
    for (int s = 0; s < 2; ++s) {
      in.barWidth[s] = tally::barWidth(type, state.columnWidth);
      in.percentile[s] = frame->statistics->percentileSpin(s)->GetValue();
    }
    in.fitBarWidth = !state.columnWidthChosen;
    in.columnWidth = state.columnWidth;
    in.sampleStdDev = frame->analysis().sampleStdDev();
    in.sliderPosition = frame->percentileSlider->GetValue();
    const tally::RefreshResult core = tally::refreshAnalysis(sets[0], sets[1], in);
    for (int s = 0; s < 2; ++s) {
      ASSERT_EQ(sets[s].pairs, frame->analysis().set(s).pairs)
          << "operation " << operation << ": set " << s + 1 << " is not what its cells say";
      const tally::SetLabels& l = core.sets[s].labels;
      const std::vector<std::pair<const wxStaticText*, std::string>> rows = {
          {frame->statistics->label(s, Statistic::N), l.n},
          // A set of too few different values shows why in place of its mean.
          {frame->statistics->label(s, Statistic::Mean),
           core.sets[s].tooFewValues ? "At least three different values are needed" : l.mean},
          {frame->statistics->label(s, Statistic::Mode), l.mode},     {frame->statistics->label(s, Statistic::Minimum), l.minimum},
          {frame->statistics->label(s, Statistic::Q1), l.q1},         {frame->statistics->label(s, Statistic::Median), l.median},
          {frame->statistics->label(s, Statistic::Q3), l.q3},         {frame->statistics->label(s, Statistic::Maximum), l.maximum},
          {frame->statistics->label(s, Statistic::Range), l.range},   {frame->statistics->label(s, Statistic::Iqr), l.iqr},
          {frame->statistics->label(s, Statistic::StdDev), l.stdDev}, {frame->statistics->label(s, Statistic::Percentile), l.percentile}};
      for (size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(text(rows[r].first), rows[r].second)
            << "operation " << operation << ", set " << s + 1 << ", row " << r + 1;
    }
  }

  std::mt19937 random;
  AnswerEverything answers;
  std::string dataFile;
  wxAssertHandler_t previousAssertHandler = nullptr;
};

using Operation = void (*)(SoakTest&);
struct NamedOperation {
  const char* name;
  Operation run;
};

// Typing into the cursor cell, then leaving it as a user does.
void typeAndMove(SoakTest& t, const std::string& text) {
  VardenGrid* grid = t.frame->grid;
  const int row = grid->GetGridCursorRow(), col = grid->GetGridCursorCol();
  if (row >= 0 && col >= 0 && !grid->IsReadOnly(row, col)) t.type(row, col, text);
  static const int keys[] = {WXK_RETURN, WXK_TAB, WXK_DOWN, WXK_UP, WXK_RIGHT, WXK_LEFT};
  t.pressKey(keys[t.pick(0, 5)]);
}

const NamedOperation kOperations[] = {
    {"type a number", [](SoakTest& t) { typeAndMove(t, t.number()); }},
    {"type garbage", [](SoakTest& t) { typeAndMove(t, t.garbage()); }},
    {"type a blank", [](SoakTest& t) { typeAndMove(t, ""); }},
    {"move the cursor",
     [](SoakTest& t) { t.frame->grid->SetGridCursor(t.startRow(), t.pick(0, 1)); }},
    {"paste a block",
     [](SoakTest& t) {
       t.frame->grid->ClearSelection();
       t.frame->grid->SetGridCursor(t.startRow(), t.pick(0, 1));
       t.setClipboard(t.block(t.pick(1, 60), t.pick(1, 3)));
       t.pressKey('V', true);
     }},
    {"delete a block",
     [](SoakTest& t) {
       t.selectBlock();
       t.pressKey(WXK_DELETE);
     }},
    {"cut a block",
     [](SoakTest& t) {
       t.selectBlock();
       t.pressKey('X', true);
     }},
    {"switch the set", [](SoakTest& t) { t.selectSet(t.pick(0, 1)); }},
    {"clear the data", [](SoakTest& t) { t.click(t.frame->FindWindow(ID_CLEAR_DATA)); }},
    {"fill the example data", [](SoakTest& t) { t.click(t.frame->FindWindow(ID_AUTO_DATA)); }},
    {"undo", [](SoakTest& t) { t.frame->undo(); }},
    {"redo", [](SoakTest& t) { t.frame->redo(); }},
    {"switch the data type",
     [](SoakTest& t) {
       t.chooseGrouping(t.chance(70));
       t.chooseType(t.pick(0, 4));
     }},
    {"change the class grouping",
     [](SoakTest& t) {
       t.chooseGrouping(t.chance(60));
       t.click(t.frame->groupingDetailsButton);
     }},
    {"change the histogram grouping",
     [](SoakTest& t) {
       t.chooseGrouping(t.chance(60));
       t.click(t.frame->columnWidthButton);
     }},
    {"spin a percentile", [](SoakTest& t) { t.spin(t.pick(0, 1), t.pick(0, 100)); }},
    {"type a percentile",
     [](SoakTest& t) {
       static const char* const texts[] = {"0", "37", "100", "101", "-3", "abc", "", "50.5"};
       wxSpinCtrl* control = t.frame->statistics->percentileSpin(t.pick(0, 1));
       wxCommandEvent typed(wxEVT_TEXT, control->GetId());
       typed.SetEventObject(control);
       typed.SetString(texts[t.pick(0, 7)]);
       control->GetEventHandler()->ProcessEvent(typed);
     }},
    {"move the percentile slider",
     [](SoakTest& t) {
       wxSlider* slider = t.frame->percentileSlider;
       slider->SetValue(t.pick(0, 100));
       wxScrollEvent moved(wxEVT_SCROLL_THUMBTRACK, slider->GetId(), slider->GetValue());
       moved.SetEventObject(slider);
       slider->GetEventHandler()->ProcessEvent(moved);
     }},
    {"cycle the deviation",
     [](SoakTest& t) { t.click(t.frame->FindWindow(t.chance(50) ? ID_CYCLE_SET1 : ID_CYCLE_SET2)); }},
    {"load a data file",
     [](SoakTest& t) {
       std::ofstream file(t.dataFile, std::ios::binary | std::ios::trunc);
       if (t.chance(10)) {
         for (int i = 0; i < 1100; ++i) file << t.pick(0, 9) << '\n';  // more lines than rows
       } else {
         file << t.block(t.pick(0, 40), t.pick(1, 3));
       }
       file.close();
       if (t.chance(5)) std::remove(t.dataFile.c_str());  // gone before it is read
       t.click(t.frame->FindWindow(ID_LOAD_DATA));
     }},
};

TEST_F(SoakTest, ThousandsOfRandomOperationsLeaveTheWindowSound) {
  const char* seedText = std::getenv("TALLYSCOPE_SOAK_SEED");
  const char* countText = std::getenv("TALLYSCOPE_SOAK_OPERATIONS");
  const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : 20261208u;
  const int operations = countText ? std::atoi(countText) : 5000;
  std::printf("[ soak     ] seed %u, %d operations (TALLYSCOPE_SOAK_SEED replays)\n", seed,
              operations);
  random.seed(seed);

  const int count = static_cast<int>(sizeof kOperations / sizeof *kOperations);
  std::vector<int> used(count, 0);
  std::vector<double> spent(count, 0.0);
  long residentAfterWarmUp = 0;
  const auto started = std::chrono::steady_clock::now();
  for (int i = 1; i <= operations; ++i) {
    const int k = pick(0, count - 1);
    ++used[k];
    const auto begun = std::chrono::steady_clock::now();
    try {
      kOperations[k].run(*this);
      wxTheApp->ProcessPendingEvents();
      spent[k] += std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    } catch (const std::exception& e) {
      FAIL() << "operation " << i << " (" << kOperations[k].name << ") threw: " << e.what()
             << "; seed " << seed;
    } catch (...) {
      FAIL() << "operation " << i << " (" << kOperations[k].name << ") threw; seed " << seed;
    }
    ASSERT_TRUE(assertions().empty()) << "operation " << i << " (" << kOperations[k].name
                                      << ") asserted: " << assertions().front() << "; seed " << seed;
    if (i % 100 == 0) {
      checkPageAgainstCore(i);
      ASSERT_FALSE(HasFailure()) << "seed " << seed << ", operation " << i;
    }
    if (i == 1000) residentAfterWarmUp = residentBytes();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("[ soak     ] %d operations in %.1f s, %d dialogs answered\n", operations, seconds,
              answers.dialogs);
  for (int k = 0; k < count; ++k) {
    EXPECT_GT(used[k], 0) << kOperations[k].name << " never ran";
    std::printf("[ soak     ] %5d x %-30s %6.2f ms each\n", used[k], kOperations[k].name,
                used[k] ? 1000 * spent[k] / used[k] : 0.0);
  }
  if (operations >= 1000) {
    const long growth = residentBytes() - residentAfterWarmUp;
    std::printf("[ soak     ] resident memory grew by %.2f MiB after operation 1000\n",
                growth / 1048576.0);
    EXPECT_LT(growth, 5L * 1024 * 1024) << "seed " << seed;
  }
}

}  // namespace

namespace {

// A field longer than a cell holds, pasted or loaded, is cut to 1000 characters and
// the user is told how many fields were cut.
class LongFieldTest : public ::testing::Test, public MainFrameDriver {};

TEST_F(LongFieldTest, PasteAndLoadCutLongFieldsAndSaySo) {
  const std::string longest(1000, '4');
  const std::string expected = tally::cutFieldsMessage(2);
  VardenGrid* grid = frame->grid;
  grid->SetGridCursor(0, 0);
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->SetData(new wxTextDataObject(toWx(longest + "5\n" + std::string(20000, '6') + "\n7")));
  wxTheClipboard->Close();
  wxTEST_DIALOG(grid->pasteFromClipboard(), ExpectMessage("Long Fields Cut", expected));
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(cell(0, 0), longest);
  EXPECT_EQ(cell(1, 0), std::string(1000, '6'));
  EXPECT_EQ(cell(2, 0), "7");

  const std::string path = "/tmp/tallyscope-long-field-" + std::to_string(getpid()) + ".csv";
  std::ofstream(path) << "1\t" << std::string(3000, 'x') << "\n" << std::string(1001, '8') << "\n";
  frame->fileSelector = [&](const wxString&, const wxString&, const wxString&, const wxString&,
                            const wxString&, int, wxWindow*) { return toWx(path); };
  wxTEST_DIALOG(click(frame->FindWindow(ID_LOAD_DATA)), ExpectMessage("Long Fields Cut", expected));
  std::remove(path.c_str());
  EXPECT_EQ(cell(0, 0), "1");
  EXPECT_EQ(cell(1, 0), std::string(1000, '8'));
}

}  // namespace
