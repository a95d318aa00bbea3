// The data-side commands of the main window through their buttons: Clear Data,
// Auto Data, the two "Name..." prompts, "Col Width..." / "Grouping...", and the
// three outcomes of Print through the printer seam.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/printdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textdlg.h>

#include <wx/filefn.h>
#include <wx/filename.h>

#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/AnalysisPrintout.h"
#include "MainFrameDriver.h"

namespace {

using Pairs = std::vector<tally::FrequencyPair>;

// The prompt's message as the dialog shows it, one static text per line.
std::string shownMessage(wxWindow* dlg) {
  std::string lines;
  std::function<void(wxWindow*)> walk = [&](wxWindow* w) {
    for (wxWindow* child : w->GetChildren()) {
      if (auto* label = dynamic_cast<wxStaticText*>(child))
        lines += (lines.empty() ? "" : "\n") + toStd(label->GetLabel());
      walk(child);
    }
  };
  walk(dlg);
  return lines;
}

// Answers a text prompt with the given text (OK), or cancels it (no text); checks
// its message, caption and default answer.
class AnswerPrompt : public wxExpectModalBase<wxTextEntryDialog, AnswerPrompt> {
 public:
  AnswerPrompt(std::string message, std::string caption, std::string shown,
               std::optional<std::string> answer)
      : message(std::move(message)), caption(std::move(caption)), shown(std::move(shown)),
        answer(std::move(answer)) {}

 protected:
  int OnInvoked(wxTextEntryDialog* dlg) const override {
    EXPECT_EQ(shownMessage(dlg), message);
    EXPECT_EQ(toStd(dlg->GetTitle()), caption);
    EXPECT_EQ(toStd(dlg->GetValue()), shown);
    if (!answer) return wxID_CANCEL;
    dlg->SetValue(toWx(*answer));
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return toWx("prompt \"" + caption + "\""); }

 private:
  std::string message, caption, shown;
  std::optional<std::string> answer;
};

const char* const kDeletion = "This action will delete the existing data. Do you want to continue?";

// The data-loss question, answered Yes or No.
class AnswerDeletion : public wxExpectModalBase<wxMessageDialog, AnswerDeletion> {
 public:
  explicit AnswerDeletion(int answer) : answer(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetCaption()), "Confirm Data Deletion");
    EXPECT_EQ(toStd(dlg->GetMessage()), kDeletion);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxYES_NO);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxICON_QUESTION);
    return answer;
  }
  wxString GetDefaultDescription() const override { return "data deletion question"; }

 private:
  int answer;
};

class CommandsTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  wxWindow* button(int id) { return frame->FindWindow(id); }
  void clearData() { click(button(ID_CLEAR_DATA)); }
  void autoData() { click(button(ID_AUTO_DATA)); }
  std::string n(int s) { return text(frame->statistics->label(s, Statistic::N)); }
};

const Pairs kExample1 = {{5, 3}, {6, 4}, {7, 5}, {8, 7}, {9, 4}, {10, 2}};
const Pairs kExample2 = {{5, 1}, {7, 1}, {8, 2}, {9, 4}, {10, 6}, {11, 7}, {12, 6}, {13, 4}};

}  // namespace

TEST_F(CommandsTest, ClearDataAsksOnceAndNoKeepsEverything) {
  // With nothing to lose it asks nothing: any question would be an unexpected dialog.
  clearData();
  typeValues({"1", "2", "3"});
  selectSet(1);
  typeValues({"4", "5", "6", "7"});
  wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_NO));
  EXPECT_EQ(n(0), "3");
  EXPECT_EQ(n(1), "4");
  EXPECT_EQ(cell(3, 0), "7");
  EXPECT_EQ(frame->analysis().set(0).pairs.size(), 3u);

  wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
  for (int s = 0; s < 2; ++s) {
    EXPECT_TRUE(frame->analysis().set(s).pairs.empty()) << s;
    EXPECT_EQ(frame->analysis().set(s).count, 0) << s;
    EXPECT_EQ(n(s), "") << s;
    EXPECT_EQ(text(frame->statistics->label(s, Statistic::Mean)), "") << s;
    EXPECT_EQ(frame->percentileGraph->getCurve(s), nullptr) << s;
  }
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(frame->shownSeries(i).segments.empty()) << i;
  for (int r = 0; r < 4; ++r) EXPECT_EQ(cell(r, 0), "") << r;
  EXPECT_EQ(frame->set1Graph->getSlot(0), nullptr);
  EXPECT_EQ(frame->set2Graph->getSlot(0), nullptr);
  expectHanded(frame->boxPlot->getSlot(0), frame->shownSeries(OUTLIERS_SET1));
  EXPECT_EQ(frame->percentileGraph->getPercentage(), 0);
  EXPECT_EQ(text(frame->statistics->nameLabel(0)), "Set 1");
}

TEST_F(CommandsTest, ClearDataUnderClassesKeepsTheClassLabels) {
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "2", 4));
  type(0, 1, "3");
  type(1, 1, "5");
  ASSERT_EQ(n(0), "8");
  wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
  EXPECT_EQ(cell(0, 0), "0 - < 2");
  EXPECT_EQ(cell(3, 0), "6 - < 8");
  EXPECT_EQ(cell(0, 1), "");
  EXPECT_EQ(cell(1, 1), "");
}

TEST_F(CommandsTest, ASetHoldsDataWhileItHasPairsEvenWithCountZero) {
  typeValues({"50", "60", "70"});
  // Classes 0 to 10: every value lies outside them; kept as they are (No to
  // widening them), the set counts 0.
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "1", 10),
                wxExpectModal<wxMessageDialog>(wxID_NO));
  ASSERT_EQ(frame->analysis().set(0).count, 0);
  ASSERT_FALSE(frame->analysis().set(0).pairs.empty());
  wxTEST_DIALOG(autoData(), AnswerDeletion(wxID_NO));
  wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_NO));
  EXPECT_EQ(frame->analysis().set(0).pairs.size(), 3u);
}

TEST_F(CommandsTest, AutoDataFillsBothSetsWithoutAskingWhenEmpty) {
  autoData();
  EXPECT_EQ(frame->analysis().set(0).pairs, kExample1);
  EXPECT_EQ(frame->analysis().set(1).pairs, kExample2);
  EXPECT_EQ(n(0), "25");
  EXPECT_EQ(n(1), "31");
  // Set 1 stays shown, each observation on a row of its own.
  EXPECT_EQ(cell(0, 0), "5");
  EXPECT_EQ(cell(24, 0), "10");
  EXPECT_EQ(cell(25, 0), "");
  EXPECT_EQ(frame->analysis().state().columnWidth, 1);
  EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 0.75);

  // Now it asks: No keeps an edited set, Yes restores the example.
  type(0, 0, "6");
  const Pairs edited = frame->analysis().set(0).pairs;
  wxTEST_DIALOG(autoData(), AnswerDeletion(wxID_NO));
  EXPECT_EQ(frame->analysis().set(0).pairs, edited);
  wxTEST_DIALOG(autoData(), AnswerDeletion(wxID_YES));
  EXPECT_EQ(frame->analysis().set(0).pairs, kExample1);
}

TEST_F(CommandsTest, AutoDataUnderClassesShowsTheShownSetInClasses) {
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "2", 4));
  selectSet(1);
  autoData();
  // The description's grouping 0, 1, 10 comes back.
  EXPECT_EQ(frame->classGrouping(), (tally::Grouping{0, 1, 10}));
  EXPECT_EQ(cell(0, 0), "0 - < 1");
  EXPECT_EQ(cell(5, 1), "1");
  EXPECT_EQ(cell(9, 1), "4");
  // Values of 10 and more lie beyond the last class.
  EXPECT_EQ(n(0), "23");
  EXPECT_EQ(n(1), "8");
  EXPECT_TRUE(frame->set2Radio->GetValue());
}

TEST_F(CommandsTest, AutoDataTakesTheDescriptionsWholePartsButNeverZeroForAPositiveValue) {
  struct Case {
    double start, size, colWidth;
    int number;
    tally::Grouping grouping;
    double width;
  };
  const Case cases[] = {
      {2.7, 3.9, 2.5, 12, {2, 3, 12}, 2},        // whole parts
      // Would be 0: kept as they are (a description refuses widths below 1; the
      // model's own test covers a width of 0.5).
      {0.5, 0.5, 1, 10, {0.5, 0.5, 10}, 1},
  };
  const wxString path = wxFileName::CreateTempFileName("tallyscope-auto");
  for (const Case& c : cases) {
    std::ofstream(path.ToStdString())
        << "<analysis><start>" << c.start << "</start><size>" << c.size << "</size><colWidth>"
        << c.colWidth << "</colWidth><number>" << c.number << "</number></analysis>\n";
    frame->openAnalysisDescription(path);
    if (frame->analysis().holdsData()) wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
    autoData();
    EXPECT_EQ(frame->classGrouping(), c.grouping) << c.size;
    EXPECT_EQ(frame->histogramGrouping(), c.grouping) << c.size;
    EXPECT_EQ(frame->analysis().state().columnWidth, c.width) << c.colWidth;
    EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET2).columnWidth, 0.75 * c.width);
  }
  wxRemoveFile(path);
}

TEST_F(CommandsTest, SetNamesAreCutToThirtyCharacters) {
  struct Case {
    int set;
    std::optional<std::string> answer;
    const char* shown;
  };
  const Case cases[] = {
      {0, "Fifteen chars!!", "Fifteen chars!!"},
      {0, "Heights of Year 9 girls (cm), spring", "Heights of Year 9 girls (cm), "},
      // Thirty characters, not bytes: the multi-byte letters stay whole.
      {0, "Gr\xC3\xB6\xC3\x9F" "en der Klasse 9b, Fr\xC3\xBC" "hjahr 2024",
       "Gr\xC3\xB6\xC3\x9F" "en der Klasse 9b, Fr\xC3\xBC" "hjahr"},
      {0, "Exactly 10", "Exactly 10"},
      {0, "", "Exactly 10"},             // empty: nothing changes
      {0, std::nullopt, "Exactly 10"},   // cancelled
      {1, "Class 7B", "Class 7B"},
  };
  for (const Case& c : cases) {
    const int id = c.set == 0 ? ID_NAME_SET1 : ID_NAME_SET2;
    const std::string message = "Please type the new name for set " + std::to_string(c.set + 1) +
                                ".\n(30 character maximum)";
    const std::string before = text(frame->statistics->nameLabel(c.set));
    wxTEST_DIALOG(click(button(id)), AnswerPrompt(message, "Set Name", before, c.answer));
    EXPECT_EQ(text(frame->statistics->nameLabel(c.set)), c.shown) << c.answer.value_or("(cancel)");
  }
  EXPECT_EQ(text(frame->statistics->nameLabel(0)), "Exactly 10");
}

TEST_F(CommandsTest, ColumnWidthPromptAcceptsAboveZeroUpToHundred) {
  const char* message = "Please enter the new histogram column width.(0.1-100)";
  struct Case {
    std::optional<std::string> answer;
    double width;  // columnWidth afterwards
  };
  const Case cases[] = {{"100", 100}, {"0", 100},   {"-1", 100},         {"150", 100},
                        {"abc", 100}, {"", 100},    {std::nullopt, 100}, {"0.05", 0.05},
                        {"2.5", 2.5}};
  for (const Case& c : cases) {
    const std::string shown = tally::formatNumber("%g", frame->analysis().state().columnWidth);
    wxTEST_DIALOG(click(frame->columnWidthButton), AnswerPrompt(message, "Width =", shown, c.answer));
    EXPECT_EQ(frame->analysis().state().columnWidth, c.width) << c.answer.value_or("(cancel)");
    EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET1).columnWidth, 0.75 * c.width);
    EXPECT_DOUBLE_EQ(frame->shownSeries(COLUMNS_SET2).columnWidth, 0.75 * c.width);
  }
}

TEST_F(CommandsTest, TheSameColumnWidthDoesNotRefresh) {
  typeValues({"1", "2", "3"});
  // A refresh would write the mean label again.
  frame->statistics->label(0, Statistic::Mean)->SetLabel("untouched");
  const char* message = "Please enter the new histogram column width.(0.1-100)";
  wxTEST_DIALOG(click(frame->columnWidthButton), AnswerPrompt(message, "Width =", "1", "1"));
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "untouched");
  wxTEST_DIALOG(click(frame->columnWidthButton), AnswerPrompt(message, "Width =", "1", "2"));
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "2");
  EXPECT_DOUBLE_EQ(frame->set1Graph->getSlot(0)->columnWidth, 1.5);
}

TEST_F(CommandsTest, GroupingButtonOpensTheHistogramGroupingNeverThePrompt) {
  chooseType(tally::UngroupedContinuous);
  ASSERT_EQ(toStd(frame->columnWidthButton->GetLabelText()), "Grouping...");
  typeValues({"1", "2", "3", "7"});
  // Only the grouping dialog is expected: a prompt would fail the test.
  wxTEST_DIALOG(click(frame->columnWidthButton), AnswerGrouping("0", "5", 2));
  EXPECT_EQ(frame->histogramGrouping(), (tally::Grouping{0, 5, 2}));
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).segments.front(), (tally::PointList{{2.5, 3}, {7.5, 1}}));
  EXPECT_EQ(frame->analysis().state().columnWidth, 1);
}

TEST_F(CommandsTest, PrintKeepsTheChoicesOfASuccessfulPrintOnly) {
  autoData();
  std::vector<wxPrinterError> answers;
  int runs = 0;
  frame->runPrinter = [&](wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout) {
    EXPECT_EQ(parent, frame);
    EXPECT_EQ(printout.GetTitle(), "Tallyscope");
    EXPECT_NE(dynamic_cast<AnalysisPrintout*>(&printout), nullptr);
    // Each print starts from the choices of the last successful one.
    EXPECT_EQ(data.GetPrintData().GetNoCopies(), runs == 0 ? 1 : 3);
    EXPECT_EQ(data.GetPrintData().GetOrientation(), runs == 0 ? wxPORTRAIT : wxLANDSCAPE);
    data.GetPrintData().SetNoCopies(runs == 0 ? 3 : 5);
    data.GetPrintData().SetOrientation(wxLANDSCAPE);
    return answers[runs++];
  };
  answers = {wxPRINTER_NO_ERROR, wxPRINTER_CANCELLED, wxPRINTER_ERROR};
  click(button(ID_PRINT));
  EXPECT_EQ(frame->printData.GetNoCopies(), 3);
  EXPECT_EQ(frame->printData.GetOrientation(), wxLANDSCAPE);

  wxTEST_DIALOG(click(button(ID_PRINT)), ExpectMessage("Printing", "You canceled printing"));
  EXPECT_EQ(frame->printData.GetNoCopies(), 3);
  wxTEST_DIALOG(click(button(ID_PRINT)),
                ExpectMessage("Printing",
                              "There was a problem printing.\nPerhaps your current printer is not "
                              "set correctly?"));
  EXPECT_EQ(frame->printData.GetNoCopies(), 3);
  EXPECT_EQ(runs, 3);
}

namespace {

// The toolkit's own print dialog, answered without being shown.
class AnswerPrintDialog : public wxExpectModalBase<wxPrintDialogBase, AnswerPrintDialog> {
 public:
  explicit AnswerPrintDialog(int answer) : answer(answer) {}

 protected:
  int OnInvoked(wxPrintDialogBase*) const override { return answer; }
  wxString GetDefaultDescription() const override { return "print dialog"; }

 private:
  int answer;
};

}  // namespace

TEST_F(CommandsTest, ToolkitPrinterReportsCancelAndError) {
  autoData();
  frame->printData.SetNoCopies(2);
  wxTEST_DIALOG(click(button(ID_PRINT)), AnswerPrintDialog(wxID_CANCEL),
                ExpectMessage("Printing", "You canceled printing"));
  // The toolkit's dialog answers "No" for a printer it cannot use.
  wxTEST_DIALOG(click(button(ID_PRINT)), AnswerPrintDialog(wxID_NO),
                ExpectMessage("Printing",
                              "There was a problem printing.\nPerhaps your current printer is not "
                              "set correctly?"));
  EXPECT_EQ(frame->printData.GetNoCopies(), 2);
}

namespace {

double heights(const tally::Series* columns) {
  double n = 0;
  if (columns)
    for (const tally::PointList& list : columns->segments)
      for (const tally::WorldPoint& p : list) n += p.y;
  return n;
}

}  // namespace

// After Auto Data (Set 2 up to 13, seven 11s) and Clear Data, Set 1 = 1, 2, 3, 2
// alone scales the graphs: the box plot 1 - 0.2*2 = 0.6 to 3 + 0.4 = 3.4, the
// column graphs 1.2 * 3 = 3.6 wide and 1.2 * 2 = 2.4 high (two 2s).
TEST_F(CommandsTest, ClearDataThenThreeValuesScaleTheGraphsFromThoseValuesOnly) {
  struct Case {
    int type;
    double xMax, yMax;
  } cases[] = {{tally::UngroupedDiscrete, 3.6, 2.4}, {tally::GroupedDiscrete, 3.6, 2.4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    if (frame->analysis().holdsData()) wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
    chooseType(c.type);
    autoData();
    wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
    if (c.type == tally::UngroupedDiscrete) {
      typeValues({"1", "2", "3", "2"});
    } else {
      const char* rows[][2] = {{"1", "1"}, {"2", "2"}, {"3", "1"}};
      for (int r = 0; r < 3; ++r) {
        type(r, 0, rows[r][0]);
        type(r, 1, rows[r][1]);
      }
    }
    EXPECT_EQ(n(0), "4");
    EXPECT_DOUBLE_EQ(frame->boxPlot->getYMin(), 0.6);
    EXPECT_DOUBLE_EQ(frame->boxPlot->getYMax(), 3.4);
    for (ColumnGraphView* g : {frame->set1Graph, frame->set2Graph}) {
      EXPECT_DOUBLE_EQ(g->getXMax(), c.xMax);
      EXPECT_DOUBLE_EQ(g->getYMax(), c.yMax);
    }
  }
}

// The example's 25 and 31 values run from 5 to 13: every one stands in a column of
// the histogram that follows the data.
TEST_F(CommandsTest, AutoDataThenContinuousTypesShowEveryValueInTheHistogram) {
  for (int t : {tally::UngroupedContinuous, tally::GroupedContinuous}) {
    SCOPED_TRACE(t);
    chooseType(tally::UngroupedDiscrete);
    if (frame->analysis().holdsData()) wxTEST_DIALOG(clearData(), AnswerDeletion(wxID_YES));
    autoData();
    chooseType(t);
    EXPECT_EQ(n(0), "25");
    EXPECT_EQ(n(1), "31");
    EXPECT_EQ(heights(frame->set1Graph->getSlot(0)), 25);
    EXPECT_EQ(heights(frame->set2Graph->getSlot(0)), 31);
  }
}

// "1O" and "7,5" are no numbers. Fixing them is a step each, and each undo brings
// the column back exactly as typed: not sorted, the blank row and the bad cell kept.
TEST_F(CommandsTest, UndoAfterFixingANotANumberCellBringsBackTheTableAsTyped) {
  const std::vector<std::string> typed = {"5", "1O", "", "7,5", "3", "9"};
  typeValues(typed);
  type(1, 0, "10");
  type(3, 0, "7.5");
  struct Step {
    const char* what;
    std::vector<std::string> column;
  } steps[] = {{"undo 7.5", {"5", "10", "", "7,5", "3", "9"}},
               {"undo 10", typed},
               {"undo 9", {"5", "1O", "", "7,5", "3", ""}}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    frame->undo();
    for (size_t r = 0; r < s.column.size(); ++r) EXPECT_EQ(cell(static_cast<int>(r), 0), s.column[r]) << r;
  }
  frame->redo();
  EXPECT_EQ(cell(5, 0), "9");
  EXPECT_EQ(cell(1, 0), "1O");
}

// Bars fitted to 1, 1.5, 2 are 0.375 wide, a column width of 0.5: the prompt offers
// that, and answering 1 widens them.
TEST_F(CommandsTest, ColumnWidthOffersTheWidthOnShow) {
  const char* message = "Please enter the new histogram column width.(0.1-100)";
  typeValues({"1", "1.5", "2"});
  ASSERT_DOUBLE_EQ(frame->set1Graph->getSlot(0)->columnWidth, 0.375);
  wxTEST_DIALOG(click(frame->columnWidthButton), AnswerPrompt(message, "Width =", "0.5", "1"));
  EXPECT_DOUBLE_EQ(frame->set1Graph->getSlot(0)->columnWidth, 0.75);
}
