// The text pages of a lesson on the example analysis: the frequency tables, the
// back-to-back stem-and-leaf plot, the working of the set on show and the "More"
// rows of the Statistics page, worked through their real controls. The expected
// numbers are the example's, worked out by hand in the comments. With
// TALLYSCOPE_SHOT_DIR set, the pages are also saved as PNGs (the README's pictures
// docs/frequency-table.png, docs/stem-and-leaf.png and docs/working.png come from here).
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/collpane.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/utils.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "MainFrameDriver.h"
#include "core/NumberText.h"
#include "core/lesson/FrequencyTable.h"
#include "ui/views/FrequencyTablePage.h"
#include "ui/views/StemAndLeafPage.h"
#include "ui/views/WorkingPage.h"
#include "ui/views/WorkingPrintout.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
    lines.push_back(text.substr(from, end - from));
  if (from < text.size()) lines.push_back(text.substr(from));
  return lines;
}

std::string clipboardText() {
  wxClipboardLocker lock;
  if (!lock) return "(no clipboard)";
  wxTextDataObject data;
  if (!wxTheClipboard->GetData(data)) return "(nothing)";
  return toStd(data.GetText());
}

// The stems of a back-to-back plot, top to bottom: the middle field of each line
// between the name line and the key.
std::vector<std::string> stemsOf(const std::string& plot) {
  std::vector<std::string> stems;
  const std::vector<std::string> lines = linesOf(plot);
  for (size_t k = 1; k < lines.size(); ++k) {
    if (lines[k].rfind("Key: ", 0) == 0) break;
    const size_t a = lines[k].find(" | ");
    const size_t b = lines[k].find(" |", a + 3);
    std::string stem = lines[k].substr(a + 3, b - a - 3);
    stem.erase(0, stem.find_first_not_of(' '));
    stems.push_back(stem);
  }
  return stems;
}

class LessonPagesTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  LessonPagesTest() : MainFrameDriver(TALLYSCOPE_EXAMPLES "/two-classes.tally") {
    frame->SetSize(1000, 700);
  }

  void showPage(wxWindow* page) {
    const int index = frame->notebook->FindPage(page);
    ASSERT_GE(index, 0);
    frame->notebook->SetSelection(static_cast<size_t>(index));
    wxTheApp->ProcessPendingEvents();
  }
  void chooseDecimals(wxChoice* choice, int item) {
    choice->SetSelection(item);
    wxCommandEvent chosen(wxEVT_CHOICE, choice->GetId());
    chosen.SetInt(item);
    chosen.SetEventObject(choice);
    choice->GetEventHandler()->ProcessEvent(chosen);
  }
  std::string workingShown() const { return toStd(frame->workingPage->workingText()->GetValue()); }
  static std::string cellText(wxListCtrl* list, long row, int col) {
    return toStd(list->GetItemText(row, col));
  }
  void shoot(wxWindow* page, const std::string& name) {
    if (!std::getenv("TALLYSCOPE_SHOT_DIR")) return;
    showPage(page);
    saveWindowShot(name);
  }
};

}  // namespace

TEST_F(LessonPagesTest, FrequencyTablesOfBothSetsAndTheirCopy) {
  FrequencyTablePage* page = frame->frequencyTablePage;
  showPage(page);
  EXPECT_EQ(toStd(page->nameLabel(0)->GetLabelText()), "Class 7A");
  EXPECT_EQ(toStd(page->nameLabel(1)->GetLabelText()), "Class 7B");
  // Class 7A, 25 scores: 6 8 9 10 11 11 12 12 12 13 13 13 14 14 14 14 15 15 15 16 16
  // 17 17 18 19, 13 different values. 14 comes 4 times (16%), with 12 scores below
  // it: cumulative 16 = 64%. Class 7B, 26 scores, 12 different values, 20 the last.
  struct Row {
    int set;
    long row;
    const char *value, *frequency, *relative, *cumulative, *cumulativePercent;
  } rows[] = {
      {0, 0, "6", "1", "4", "1", "4"},
      {0, 7, "14", "4", "16", "16", "64"},
      {0, 12, "19", "1", "4", "25", "100"},
      {1, 0, "5", "1", "3.846", "1", "3.846"},
      {1, 11, "20", "1", "3.846", "26", "100"},
  };
  EXPECT_EQ(page->table(0)->GetItemCount(), 13);
  EXPECT_EQ(page->table(1)->GetItemCount(), 12);
  for (const Row& r : rows) {
    wxListCtrl* list = page->table(r.set);
    EXPECT_EQ(cellText(list, r.row, 0), r.value);
    EXPECT_EQ(cellText(list, r.row, 1), r.frequency) << r.value;
    EXPECT_EQ(cellText(list, r.row, 2), r.relative) << r.value;
    EXPECT_EQ(cellText(list, r.row, 3), r.cumulative) << r.value;
    EXPECT_EQ(cellText(list, r.row, 4), r.cumulativePercent) << r.value;
  }
  wxListItem header;
  header.SetMask(wxLIST_MASK_TEXT);
  ASSERT_TRUE(page->table(0)->GetColumn(0, header));
  EXPECT_EQ(toStd(header.GetText()), "Value");
  ASSERT_TRUE(page->table(0)->GetColumn(4, header));
  EXPECT_EQ(toStd(header.GetText()), "Cum. %");
  // At the opening size every column of both tables is in view.
  for (int s = 0; s < 2; ++s) {
    int widths = 0;
    for (int c = 0; c < page->table(s)->GetColumnCount(); ++c)
      widths += page->table(s)->GetColumnWidth(c);
    EXPECT_LE(widths, page->table(s)->GetClientSize().x) << s;
  }

  click(page->copyButton());
  const std::string copied = clipboardText();
  EXPECT_EQ(copied.rfind("Class 7A\nValue\tFrequency\tRelative frequency (%)\tCumulative "
                         "frequency\tCumulative %\n6\t1\t4\t1\t4\n",
                         0),
            0u)
      << copied;
  EXPECT_NE(copied.find("\n14\t4\t16\t16\t64\n"), std::string::npos);
  EXPECT_NE(copied.find("\n\nClass 7B\nValue\t"), std::string::npos);
  const std::string last = "\n20\t1\t3.846\t26\t100\n";
  ASSERT_GT(copied.size(), last.size());
  EXPECT_EQ(copied.substr(copied.size() - last.size()), last);

  // Classes: Already Grouped Continuous on the example's grouping 0, 2, 10 of 7B
  // (Set 2's 20 lies outside 0 - < 20 and gets the closing row).
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "2", 10),
                wxExpectModal<wxMessageDialog>(wxID_NO));
  ASSERT_TRUE(page->table(1)->GetColumn(0, header));
  EXPECT_EQ(toStd(header.GetText()), "Class");
  const int classRows = page->table(1)->GetItemCount();
  ASSERT_EQ(classRows, 11);
  EXPECT_EQ(cellText(page->table(1), 0, 0), "0 - < 2");
  EXPECT_EQ(cellText(page->table(1), 10, 0), "Outside the classes");
  EXPECT_EQ(cellText(page->table(1), 10, 4), "100");
}

TEST_F(LessonPagesTest, StemAndLeafBackToBackAndSplitStems) {
  StemAndLeafPage* page = frame->stemAndLeafPage;
  showPage(page);
  const std::string plot = toStd(page->plotText()->GetValue());
  const std::vector<std::string> lines = linesOf(plot);
  ASSERT_EQ(lines.size(), 5u) << plot;
  // The names over their leaves, Class 7A's leaves ascending outward to the left:
  // stem 0 holds 7A's 6 8 9 and 7B's 5 7 8 8 9 9 9; stem 2 only 7B's 20.
  EXPECT_NE(lines[0].find("Class 7A |"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("| Class 7B"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1].substr(lines[1].find("9 8 6 | ")), "9 8 6 | 0 | 5 7 8 8 9 9 9");
  EXPECT_EQ(lines[3].substr(lines[3].find('|') - 1), " | 2 | 0");
  EXPECT_EQ(lines[4], "Key: 1 | 1 means 11");
  EXPECT_EQ(stemsOf(plot), (std::vector<std::string>{"0", "1", "2"}));

  // Split: 0 (5-9), 1 (0-4), 1 (5-9), 2 (0-4); 7A's 15 15 15 16 16 17 17 18 19 on the
  // second half of stem 1.
  page->splitBox()->SetValue(true);
  wxCommandEvent checked(wxEVT_CHECKBOX, page->splitBox()->GetId());
  checked.SetInt(1);
  checked.SetEventObject(page->splitBox());
  page->splitBox()->GetEventHandler()->ProcessEvent(checked);
  const std::string split = toStd(page->plotText()->GetValue());
  EXPECT_EQ(stemsOf(split), (std::vector<std::string>{"0", "1", "1", "2"})) << split;
  EXPECT_NE(split.find("9 8 7 7 6 6 5 5 5 | 1 |"), std::string::npos) << split;

  click(page->copyButton());
  EXPECT_EQ(clipboardText(), split);
}

TEST_F(LessonPagesTest, WorkingFollowsTheSetEditsAndDecimalsAndIsBuiltOnlyWhenShown) {
  WorkingPage* page = frame->workingPage;
  // Hidden: edits mark the page, and build nothing.
  const int builds = page->buildCount();
  selectSet(1);
  type(26, 0, "13");
  EXPECT_EQ(page->buildCount(), builds);
  EXPECT_FALSE(page->isUpToDate());
  showPage(page);
  EXPECT_EQ(page->buildCount(), builds + 1);
  EXPECT_TRUE(page->isUpToDate());

  // Class 7B with a 13 more: 27 scores, Σx = 295 + 13 = 308, mean 308 / 27 = 11.41.
  std::string shown = workingShown();
  EXPECT_EQ(shown.rfind("Class 7B\n", 0), 0u) << shown;
  EXPECT_NE(shown.find("\n  n = 27\n"), std::string::npos);
  EXPECT_NE(shown.find("\n  mean = \xCE\xA3x / n = 308 / 27 = 11.41\n"), std::string::npos)
      << shown;
  EXPECT_EQ(shown.find('\t'), std::string::npos) << "tables are lined up, not tabbed";

  // Each edit shows at once while on show.
  type(26, 0, "");
  EXPECT_EQ(page->buildCount(), builds + 2);
  shown = workingShown();
  EXPECT_NE(shown.find("\n  mean = \xCE\xA3x / n = 295 / 26 = 11.35\n"), std::string::npos)
      << shown;

  // The set switch: Class 7A, n = 25 odd, Q1 of positions 1-12 = (x6 + x7) / 2.
  selectSet(0);
  shown = workingShown();
  EXPECT_EQ(shown.rfind("Class 7A\n", 0), 0u);
  EXPECT_NE(shown.find("  Q1 = median of positions 1\xE2\x80\x93" "12 = (x6 + x7) / 2 = (11 + 12) / 2 "
                       "= 11.5\n"),
            std::string::npos)
      << shown;

  // The page's own Decimals choice is the Statistics page's setting: 3 places,
  // mean 334 / 25 = 13.360.
  chooseDecimals(page->decimalsChoice(), StatisticsPanel::decimalsItem(3));
  EXPECT_EQ(frame->analysis().decimals(), 3);
  EXPECT_EQ(frame->statistics->decimalsChoice()->GetSelection(), StatisticsPanel::decimalsItem(3));
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mean)), "13.360");
  shown = workingShown();
  EXPECT_NE(shown.find("\n  mean = \xCE\xA3x / n = 334.000 / 25 = 13.360\n"), std::string::npos)
      << shown;
  // ... and the other way round.
  chooseDecimals(frame->statistics->decimalsChoice(), StatisticsPanel::decimalsItem(1));
  EXPECT_EQ(page->decimalsChoice()->GetSelection(), StatisticsPanel::decimalsItem(1));
  EXPECT_NE(workingShown().find(" = 334.0 / 25 = 13.4\n"), std::string::npos);

  // The type: frequencies name their sums Σf and Σfx.
  chooseType(tally::GroupedDiscrete);
  EXPECT_NE(workingShown().find("\n  \xCE\xA3" "fx = 334.0\n"), std::string::npos) << workingShown();

  // Copy gives the lines with their TABs, as the report's --working does.
  click(page->copyButton());
  const std::string copied = clipboardText();
  EXPECT_EQ(copied, page->copyText());
  EXPECT_EQ(copied.rfind("Class 7A\n", 0), 0u);
  EXPECT_NE(copied.find("\t"), std::string::npos);
}

TEST_F(LessonPagesTest, WorkingPrintsOnPagesOfItsOwn) {
  WorkingPage* page = frame->workingPage;
  showPage(page);
  // The example's Class 7A on A4 and on A6 at 150 dpi: every shown line printed in
  // order, a line too long for the paper carried on indented, nothing in the margins.
  struct Case {
    const char* paper;
    int width, height;
  } cases[] = {{"A4", 1240, 1754}, {"A6", 620, 874}};
  size_t linesPerPage[2] = {};
  for (size_t k = 0; k < 2; ++k) {
    const Case& c = cases[k];
    SCOPED_TRACE(c.paper);
    std::vector<std::vector<wxString>> printed;
    wxImage first;
    int calls = 0;
    frame->runPrinter = [&](wxWindow*, wxPrintDialogData&, wxPrintout& printout) {
      ++calls;
      auto* working = dynamic_cast<WorkingPrintout*>(&printout);
      EXPECT_NE(working, nullptr) << "the working prints, not the analysis";
      if (!working) return wxPRINTER_ERROR;
      wxBitmap paper(c.width, c.height);
      wxMemoryDC dc(paper);
      working->SetUp(dc);
      working->SetPPIScreen(96, 96);
      working->SetPPIPrinter(150, 150);
      working->SetPageSizePixels(c.width, c.height);
      working->OnPreparePrinting();
      int minPage = 0, maxPage = 0, from = 0, to = 0;
      working->GetPageInfo(&minPage, &maxPage, &from, &to);
      EXPECT_EQ(minPage, 1);
      EXPECT_EQ(maxPage, static_cast<int>(working->pages().size()));
      EXPECT_FALSE(working->HasPage(maxPage + 1));
      // The last page drawn is the first.
      for (int p = maxPage; p >= minPage; --p) {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        EXPECT_TRUE(working->OnPrintPage(p));
      }
      dc.SelectObject(wxNullBitmap);
      first = paper.ConvertToImage();
      printed = working->pages();
      return wxPRINTER_NO_ERROR;
    };
    click(page->printButton());
    EXPECT_EQ(calls, 1);
    std::vector<std::string> lines;
    for (const auto& p : printed)
      for (const wxString& l : p) lines.push_back(toStd(l));
    const std::vector<std::string> shown = page->shownLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Class 7A");
    size_t at = 0;
    for (const std::string& line : shown) {
      ASSERT_LT(at, lines.size());
      std::string joined = lines[at++];
      while (at < lines.size() && lines[at].rfind("    ", 0) == 0 && joined.size() < line.size())
        joined += lines[at++].substr(4);
      EXPECT_EQ(joined, line);
    }
    EXPECT_EQ(at, lines.size());
    // Full pages but the last.
    for (size_t p = 0; p + 1 < printed.size(); ++p) EXPECT_EQ(printed[p].size(), printed[0].size());
    linesPerPage[k] = printed[0].size();
    if (k == 1) {
      EXPECT_GE(printed.size(), 2u) << "A6 takes more than one page";
    }
    // Ink inside the half-inch margins (75 pixels at 150 dpi) only.
    ASSERT_TRUE(first.IsOk());
    int inMargin = 0, inside = 0;
    for (int y = 0; y < first.GetHeight(); ++y)
      for (int x = 0; x < first.GetWidth(); ++x) {
        const bool ink = first.GetRed(x, y) < 128;
        const bool margin = x < 70 || y < 70 || x >= first.GetWidth() - 70 || y >= first.GetHeight() - 70;
        (margin ? inMargin : inside) += ink ? 1 : 0;
      }
    EXPECT_EQ(inMargin, 0);
    EXPECT_GT(inside, 1000);
  }
  EXPECT_GT(linesPerPage[0], linesPerPage[1]);
}

TEST_F(LessonPagesTest, MoreRowsOpenWithBothDeviationsAndFollowTheDecimals) {
  StatisticsPanel* panel = frame->statistics;
  wxCollapsiblePane* more = panel->morePane();
  ASSERT_TRUE(more->IsCollapsed());
  // Closed: nothing written.
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::SumX)), "");
  more->Expand();
  wxCollapsiblePaneEvent opened(more, more->GetId(), false);
  more->GetEventHandler()->ProcessEvent(opened);
  // Class 7A: Σx 334, Σx² = 36 + 64 + 81 + 100 + 2·121 + 3·144 + 3·169 + 4·196 + 3·225
  // + 2·256 + 2·289 + 324 + 361 = 4696. σ² = 4696/25 − 13.36² = 9.3504: σ 3.058,
  // s = √(9.3504·25/24) = 3.121. Class 7B: Σx 295, Σx² 3585, 12 different values.
  struct Expect {
    int set;
    MoreRow row;
    const char* text;
  } expected[] = {
      {0, MoreRow::SumX, "334"},          {0, MoreRow::SumX2, "4696"},
      {0, MoreRow::SampleStdDev, "3.121"}, {0, MoreRow::PopulationStdDev, "3.058"},
      {0, MoreRow::DistinctValues, "13"}, {1, MoreRow::SumX, "295"},
      {1, MoreRow::SumX2, "3585"},        {1, MoreRow::DistinctValues, "12"},
  };
  for (const Expect& e : expected)
    EXPECT_EQ(text(panel->moreLabel(e.set, e.row)), e.text) << e.set << " " << int(e.row);
  // The form the page shows is one of the two, whichever Cycle picks.
  for (int s = 0; s < 2; ++s)
    EXPECT_EQ(text(panel->moreLabel(s, MoreRow::PopulationStdDev)),
              text(panel->label(s, Statistic::StdDev)));
  click(frame->FindWindow(ID_CYCLE_SET1));
  for (int s = 0; s < 2; ++s)
    EXPECT_EQ(text(panel->moreLabel(s, MoreRow::SampleStdDev)),
              text(panel->label(s, Statistic::StdDev)));
  // Decimals: 2 places for the sums and deviations; a count keeps its digits.
  chooseDecimals(panel->decimalsChoice(), StatisticsPanel::decimalsItem(2));
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::SumX)), "334.00");
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::SampleStdDev)), "3.12");
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::DistinctValues)), "13");
  // An edit shows at once: a 7 more in Set 1 makes Σx 341 and 14 different values.
  selectSet(0);
  type(25, 0, "7");
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::SumX)), "341.00");
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::DistinctValues)), "14");
}

TEST_F(LessonPagesTest, ZoomKeysGrowTheTextPagesAndTheMoreRows) {
  StatisticsPanel* panel = frame->statistics;
  showPage(frame->frequencyTablePage);
  const int columnWidth = frame->frequencyTablePage->table(0)->GetColumnWidth(4);
  showPage(frame->workingPage);
  const double points[] = {
      frame->workingPage->workingText()->GetFont().GetFractionalPointSize(),
      frame->stemAndLeafPage->plotText()->GetFont().GetFractionalPointSize(),
      frame->frequencyTablePage->table(1)->GetFont().GetFractionalPointSize(),
      panel->moreLabel(1, MoreRow::SumX2)->GetFont().GetFractionalPointSize()};
  // Four steps: 110%, 125%, 150%, 175%.
  for (int i = 0; i < 4; ++i) {
    wxCommandEvent key(wxEVT_MENU, ID_ZOOM_IN);
    frame->GetEventHandler()->ProcessEvent(key);
  }
  wxTheApp->ProcessPendingEvents();
  ASSERT_DOUBLE_EQ(frame->getUserZoom(), 1.75);
  // The text pages follow the zoom; the statistics page's More rows its text
  // scale, which also grows with the window.
  const double zoom = frame->getUserZoom(), statisticsScale = frame->getTextScale();
  ASSERT_GE(statisticsScale, zoom);
  const double zoomed[] = {
      frame->workingPage->workingText()->GetFont().GetFractionalPointSize(),
      frame->stemAndLeafPage->plotText()->GetFont().GetFractionalPointSize(),
      frame->frequencyTablePage->table(1)->GetFont().GetFractionalPointSize(),
      panel->moreLabel(1, MoreRow::SumX2)->GetFont().GetFractionalPointSize()};
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(zoomed[i], points[i] * (i == 3 ? statisticsScale : zoom), 0.5) << i;
  // The table, built again in the larger font, widens its columns to their texts.
  showPage(frame->frequencyTablePage);
  EXPECT_GT(frame->frequencyTablePage->table(0)->GetColumnWidth(4), columnWidth * 1.3);
}

namespace {

// Classroom data sets for the pictures, two of each kind: each page must show them whole.
struct Scenario {
  const char* name;
  int type;
  std::string set1, set2;
};

std::string years(int from, int count) {
  std::string v;
  for (int y = from; y < from + count; ++y) v += std::to_string(y) + "\n";
  return v;
}
// Noon temperatures of two towns in winter, one place of decimals.
std::string temperatures(double from, double step, int count, double last) {
  std::string v;
  for (int k = 0; k < count; ++k) v += tally::valueText(std::round((from + k * step) * 10) / 10) + "\n";
  return v + tally::valueText(last) + "\n";
}
// A rough bell of 1000 scores: sums of three small cycles.
std::string thousand(int base, int a, int b, int c) {
  std::string v;
  for (int k = 0; k < 1000; ++k)
    v += std::to_string(base + (k * 7) % a + (k * 13) % b + k % c) + "\n";
  return v;
}

}  // namespace

TEST_F(LessonPagesTest, ClassroomSetsOnEveryPage) {
  shoot(frame->frequencyTablePage, "frequency-table");
  shoot(frame->stemAndLeafPage, "stem-and-leaf");
  shoot(frame->workingPage, "working");
  const Scenario scenarios[] = {
      {"years", tally::UngroupedDiscrete, years(1995, 30), years(1981, 30)},
      {"temperatures", tally::UngroupedContinuous, temperatures(-12.5, 0.7, 30, 8.3),
       temperatures(-8.4, 0.5, 30, 6.1)},
      {"thousand", tally::UngroupedDiscrete, thousand(40, 21, 17, 11), thousand(30, 23, 19, 13)},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    chooseType(s.type);
    selectSet(1);
    loadText(s.set2);
    selectSet(0);
    loadText(s.set1);
    // Columns of continuous data as a teacher would set them: 2 degrees wide.
    if (s.type == tally::UngroupedContinuous)
      wxTEST_DIALOG(click(frame->columnWidthButton), AnswerGrouping("-14", "2", 12));
    const tally::FrequencyTableRows rows = tally::buildFrequencyTable(
        frame->analysis().set(0), frame->analysis().result().sets[0], frame->analysis().inputs());
    showPage(frame->frequencyTablePage);
    EXPECT_EQ(frame->frequencyTablePage->table(0)->GetItemCount(),
              static_cast<int>(rows.rows.size()));
    ASSERT_GT(rows.rows.size(), 0u);
    // The last cumulative percentage is the whole set.
    EXPECT_EQ(cellText(frame->frequencyTablePage->table(0),
                       frame->frequencyTablePage->table(0)->GetItemCount() - 1, 4),
              "100");
    shoot(frame->frequencyTablePage, std::string("lesson-") + s.name + "-frequency-table");
    showPage(frame->stemAndLeafPage);
    const std::vector<std::string> stems =
        stemsOf(toStd(frame->stemAndLeafPage->plotText()->GetValue()));
    EXPECT_GE(stems.size(), 1u);
    EXPECT_LE(stems.size(), 20u);
    shoot(frame->stemAndLeafPage, std::string("lesson-") + s.name + "-stem-and-leaf");
    showPage(frame->workingPage);
    EXPECT_EQ(workingShown().rfind("Class 7A\nCount and sums\n  n = ", 0), 0u) << workingShown();
    shoot(frame->workingPage, std::string("lesson-") + s.name + "-working");
  }
  // Already grouped data: the working from the classes; no stem-and-leaf plot.
  // Both sets of scores lie in 30 - < 100.
  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("30", "5", 14));
  showPage(frame->workingPage);
  EXPECT_NE(workingShown().find("Count and sums (x is the class midpoint)"), std::string::npos);
  EXPECT_NE(workingShown().find("L + (N\xC2\xB7p/100"), std::string::npos);
  shoot(frame->workingPage, "lesson-grouped-working");
  showPage(frame->stemAndLeafPage);
  EXPECT_EQ(toStd(frame->stemAndLeafPage->plotText()->GetValue()).find(" | "), std::string::npos);
}

// A text page nobody opens makes no controls; the first showing makes and fills
// them, and a caller asking for a control of a page not yet shown gets it made.
TEST_F(LessonPagesTest, TextPagesMakeTheirControlsWhenFirstShown) {
  LessonPage* pages[] = {frame->frequencyTablePage, frame->stemAndLeafPage, frame->workingPage};
  for (LessonPage* page : pages) {
    EXPECT_FALSE(page->hasControls());
    EXPECT_TRUE(page->GetChildren().empty());
  }
  showPage(frame->stemAndLeafPage);
  EXPECT_TRUE(frame->stemAndLeafPage->hasControls());
  EXPECT_FALSE(frame->stemAndLeafPage->GetChildren().empty());
  EXPECT_FALSE(frame->stemAndLeafPage->plotText()->GetValue().empty());
  EXPECT_FALSE(frame->frequencyTablePage->hasControls());
  EXPECT_FALSE(frame->workingPage->hasControls());
  // Asked for while hidden: made at once, written when shown.
  wxListCtrl* table = frame->frequencyTablePage->table(0);
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(frame->frequencyTablePage->hasControls());
  EXPECT_EQ(table->GetItemCount(), 0);
  showPage(frame->frequencyTablePage);
  EXPECT_GT(table->GetItemCount(), 0);
}

// Controls made after a zoom take it, as those made before it did; Ctrl+0 brings
// both back to the same size.
TEST_F(LessonPagesTest, APageFirstShownAfterAZoomTakesTheZoom) {
  const double atHundred = frame->workingPage->workingText()->GetFont().GetFractionalPointSize();
  ASSERT_FALSE(frame->stemAndLeafPage->hasControls());
  for (int i = 0; i < 3; ++i) {  // 110%, 125%, 150%
    wxCommandEvent key(wxEVT_MENU, ID_ZOOM_IN);
    frame->GetEventHandler()->ProcessEvent(key);
  }
  wxTheApp->ProcessPendingEvents();
  ASSERT_DOUBLE_EQ(frame->getUserZoom(), 1.5);
  showPage(frame->stemAndLeafPage);
  const double made = frame->stemAndLeafPage->plotText()->GetFont().GetFractionalPointSize();
  EXPECT_NEAR(made, atHundred * 1.5, 0.5);
  EXPECT_NEAR(made, frame->workingPage->workingText()->GetFont().GetFractionalPointSize(), 0.01);
  wxCommandEvent reset(wxEVT_MENU, ID_ZOOM_RESET);
  frame->GetEventHandler()->ProcessEvent(reset);
  wxTheApp->ProcessPendingEvents();
  EXPECT_NEAR(frame->stemAndLeafPage->plotText()->GetFont().GetFractionalPointSize(), atHundred,
              0.01);
}

// The More rows are made as the expander first opens: opened, it holds them and is
// as tall as its five rows.
TEST_F(LessonPagesTest, MoreRowsAreMadeAsTheExpanderFirstOpens) {
  StatisticsPanel* panel = frame->statistics;
  wxCollapsiblePane* more = panel->morePane();
  ASSERT_TRUE(more->IsCollapsed());
  const int closedHeight = more->GetSize().y;
  // Closed, the pane holds only the empty text standing in for the rows.
  ASSERT_EQ(more->GetPane()->GetChildren().size(), 1u);
  more->Expand();
  wxCollapsiblePaneEvent opened(more, more->GetId(), false);
  more->GetEventHandler()->ProcessEvent(opened);
  wxTheApp->ProcessPendingEvents();
  EXPECT_GT(more->GetPane()->GetChildren().size(), 20u);
  const int rowHeight = panel->moreLabel(0, MoreRow::SumX)->GetCharHeight();
  EXPECT_GE(more->GetSize().y, closedHeight + 5 * rowHeight);
  EXPECT_EQ(text(panel->moreLabel(0, MoreRow::SumX)), "334");
}
