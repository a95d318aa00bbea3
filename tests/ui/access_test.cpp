// The window without a mouse and through a screen reader's eyes: Alt keys that
// do not collide, the keys that leave the table and turn the pages, names that
// say which set a control is for and follow the names and values, and graphs
// that take the focus only while they show something.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/toplevel.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MainFrameDriver.h"
#include "ui/access/Accessible.h"

namespace {

// The letter after a single "&" in a label, lower case; 0 when there is none.
char mnemonicOf(const wxString& label) {
  for (size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != '&') continue;
    if (label[i + 1] == '&') {
      ++i;
      continue;
    }
    const wxString letter = wxString(label[i + 1]).Lower();
    return static_cast<char>(letter[0].GetValue());
  }
  return 0;
}

// Every button, radio button and check box the user can see and reach.
void collectButtons(wxWindow* window, std::vector<wxControl*>& out) {
  if (!window->IsShownOnScreen()) return;
  for (wxWindow* child : window->GetChildren()) {
    if (wxDynamicCast(child, wxTopLevelWindow)) continue;
    if (child->IsShownOnScreen() &&
        (wxDynamicCast(child, wxButton) || wxDynamicCast(child, wxRadioButton) ||
         wxDynamicCast(child, wxCheckBox)))
      out.push_back(static_cast<wxControl*>(child));
    collectButtons(child, out);
  }
}

std::string nameOf(wxWindow* w) { return toStd(a11y::nameOf(w)); }

// Which window has the focus, for the failure messages.
std::string focusText() {
  wxWindow* w = wxWindow::FindFocus();
  if (!w) return "nothing";
  return toStd(wxString(w->GetClassInfo()->GetClassName())) + " \"" + toStd(w->GetLabel()) +
         "\" in " + (w->GetParent() ? toStd(wxString(w->GetParent()->GetClassInfo()->GetClassName())) : "-");
}

// A fresh main window, raised and mapped so that typed keys reach it.
std::unique_ptr<MainFrameDriver> raisedWindow(const wxString& analysis = wxString()) {
  auto d = std::make_unique<MainFrameDriver>(analysis);
  d->frame->Raise();
  d->wait(400);
  return d;
}

}  // namespace

TEST(AccessKeys, EveryVisibleButtonHasItsOwnAltKeyOnEveryPageAndType) {
  MainFrameDriver d;
  for (int type : {tally::UngroupedDiscrete, tally::UngroupedContinuous,
                   tally::AlreadyGroupedContinuous}) {
    if (type == tally::AlreadyGroupedContinuous) {
      wxTEST_DIALOG(d.chooseType(type), AnswerGrouping("0", "10", 5));
    } else {
      d.chooseType(type);
    }
    for (size_t page = 0; page < d.frame->notebook->GetPageCount(); ++page) {
      d.frame->notebook->SetSelection(page);
      d.settle();
      std::vector<wxControl*> buttons;
      collectButtons(d.frame, buttons);
      // The data side's six buttons and the two sets at least.
      EXPECT_GE(buttons.size(), 8u) << "type " << type << " page " << page;
      // The menu bar's titles take their Alt keys first.
      std::map<char, std::string> taken;
      wxMenuBar* bar = d.frame->GetMenuBar();
      ASSERT_NE(bar, nullptr);
      for (size_t m = 0; m < bar->GetMenuCount(); ++m) {
        const char key = mnemonicOf(bar->GetMenuLabel(m));
        EXPECT_NE(key, 0) << toStd(bar->GetMenuLabel(m));
        EXPECT_TRUE(taken.emplace(key, toStd(bar->GetMenuLabel(m))).second);
      }
      for (wxControl* b : buttons) {
        const std::string label = toStd(b->GetLabel());
        const char key = mnemonicOf(b->GetLabel());
        EXPECT_NE(key, 0) << "no Alt key: \"" << label << "\" (type " << type << ", page "
                          << page << ")";
        if (key == 0) continue;
        const auto [where, fresh] = taken.emplace(key, label);
        EXPECT_TRUE(fresh) << "Alt+" << key << " is both \"" << where->second << "\" and \""
                           << label << "\" (type " << type << ", page " << page << ")";
      }
    }
  }
}

TEST(AccessKeys, MnemonicOfReadsTheMarkedLetterOnly) {
  EXPECT_EQ(mnemonicOf("&Clear Data"), 'c');
  EXPECT_EQ(mnemonicOf("Pre&view"), 'v');
  EXPECT_EQ(mnemonicOf("Box && &Whisker"), 'w');
  EXPECT_EQ(mnemonicOf("Box && Whisker"), 0);
  EXPECT_EQ(mnemonicOf("Print"), 0);
}

TEST(AccessNames, ControlsSayWhichSetTheyAreForAndFollowRenames) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  EXPECT_EQ(nameOf(f->dataTypeChoice), "Data type");
  EXPECT_EQ(nameOf(f->statistics->percentileSpin(0)), "Percentile for Set 1");
  EXPECT_EQ(nameOf(f->FindWindow(ID_NAME_SET2)), "Name of Set 2...");
  EXPECT_EQ(nameOf(f->FindWindow(ID_CYCLE_SET1)),
            "Standard deviation of Set 1: population; press for sample");
  d.rename(0, "Class 7A & B");
  EXPECT_EQ(nameOf(f->statistics->percentileSpin(0)), "Percentile for Class 7A & B");
  EXPECT_EQ(nameOf(f->FindWindow(ID_NAME_SET1)), "Name of Class 7A & B...");
  EXPECT_EQ(nameOf(f->statistics->percentileSpin(1)), "Percentile for Set 2");
  d.click(f->FindWindow(ID_CYCLE_SET1));
  EXPECT_EQ(nameOf(f->FindWindow(ID_CYCLE_SET2)),
            "Standard deviation of Set 2: sample; press for population");
}

TEST(AccessNames, EachStatisticIsReadWithItsCaptionAndShownText) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  d.typeValues({"12", "14", "14", "17"});
  struct Case {
    Statistic which;
    const char* spoken;
    const char* caption;
  };
  const Case cases[] = {{Statistic::N, "n", "n:"},
                        {Statistic::Mean, "Mean", "Mean:"},
                        {Statistic::Median, "Median", "Median:"},
                        {Statistic::Iqr, "Interquartile range", "IQR:"},
                        {Statistic::StdDev, "Population standard deviation", "Std Dev.(p):"},
                        {Statistic::Percentile, "Percentile 50", nullptr}};
  for (const Case& c : cases) {
    wxStaticText* value = f->statistics->label(0, c.which);
    const std::string shown = toStd(value->GetLabelText());
    EXPECT_FALSE(shown.empty()) << c.spoken;
    EXPECT_EQ(nameOf(value), std::string(c.spoken) + " of Set 1: " + shown);
    if (!c.caption) continue;
    // The caption that stands before the value in the table is its label.
    wxStaticText* caption = nullptr;
    for (wxWindow* w : f->statistics->GetChildren()) {
      auto* t = wxDynamicCast(w, wxStaticText);
      if (t && t->GetLabelText() == c.caption && a11y::isLabelledBy(value, t)) caption = t;
    }
    EXPECT_NE(caption, nullptr) << c.spoken << " is not labelled by \"" << c.caption << "\"";
  }
  // A value labels no control (the mode's text was made just before a Cycle button).
  for (int s = 0; s < 2; ++s)
    for (Statistic which : {Statistic::Mode, Statistic::Iqr, Statistic::StdDev})
      EXPECT_EQ(a11y::labelledCount(f->statistics->label(s, which)), 0) << "set " << s;
  // 12 14 14 17: mean 14.25; a new value changes the spoken text with the shown one.
  EXPECT_EQ(nameOf(f->statistics->label(0, Statistic::Mean)), "Mean of Set 1: 14.25");
  d.type(4, 0, "23");
  EXPECT_EQ(nameOf(f->statistics->label(0, Statistic::Mean)), "Mean of Set 1: 16");
  EXPECT_EQ(nameOf(f->statistics->label(1, Statistic::Mean)), "Mean of Set 2: none");
}

TEST(AccessNames, TableNamesItsCursorCellAndListsItsRows) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  d.chooseType(tally::GroupedDiscrete);
  d.type(0, 0, "5");
  d.type(0, 1, "2");
  d.type(1, 0, "6");
  d.type(1, 1, "3");
  f->grid->SetGridCursor(1, 1);
  d.settle();
  EXPECT_EQ(nameOf(f->grid), "Table of Set 1, row 2, Frequency: 3");
  f->grid->SetGridCursor(2, 0);
  EXPECT_EQ(nameOf(f->grid), "Table of Set 1, row 3, Value: empty");
  EXPECT_EQ(toStd(a11y::descriptionOf(f->grid)),
            "Columns: Value, Frequency. Rows with data: 1: 5, 2; 2: 6, 3.");
  d.selectSet(1);
  EXPECT_EQ(toStd(a11y::descriptionOf(f->grid)),
            "Columns: Value, Frequency. No row holds data.");
  EXPECT_EQ(nameOf(f->grid).rfind("Table of Set 2, row ", 0), 0u);
}

TEST(AccessGraphs, GraphsAreDescribedAndTakeTheFocusOnlyWithData) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  // Nothing drawn: nothing to say, no stop for the keyboard.
  for (wxWindow* view : {static_cast<wxWindow*>(f->set1Graph), static_cast<wxWindow*>(f->set2Graph),
                         static_cast<wxWindow*>(f->boxPlot)})
    EXPECT_FALSE(a11y::takesFocus(view)) << nameOf(view);
  EXPECT_EQ(nameOf(f->boxPlot), "Box-and-whisker plots of Set 1 and Set 2");
  d.typeValues({"12", "14", "14", "17"});
  EXPECT_TRUE(a11y::takesFocus(f->set1Graph));
  EXPECT_FALSE(a11y::takesFocus(f->set2Graph));
  EXPECT_TRUE(a11y::takesFocus(f->boxPlot));
  EXPECT_FALSE(a11y::takesFocus(f->percentileGraph));
  const std::string columns = toStd(a11y::descriptionOf(f->set1Graph));
  EXPECT_NE(columns.find("3 columns (value and frequency): 12: 1; 14: 2; 17: 1."),
            std::string::npos)
      << columns;
  const std::string box = toStd(a11y::descriptionOf(f->boxPlot));
  EXPECT_NE(box.find("Set 1: lower whisker 12, lower quartile 13, median 14, upper quartile "
                     "15.5, upper whisker 17, no outliers. Set 2: no box is drawn."),
            std::string::npos)
      << box;
}

TEST(AccessKeys, CtrlTabLeavesTheTableAndTabPastItsLastRowToo) {
  auto d = raisedWindow();
  MainFrame* f = d->frame;
  wxWindow* cells = f->grid;  // the grid's own window has the focus, not its cell area
  // A click on the cursor's own cell would open its editor; row 3 is only selected.
  d->clickCell(2, 0);
  ASSERT_EQ(wxWindow::FindFocus(), cells) << focusText();
  d->keys("\t");
  EXPECT_EQ(wxWindow::FindFocus(), cells) << "Tab moves among the cells";
  EXPECT_EQ(f->grid->GetGridCursorRow(), 3);
  d->press(WXK_TAB, wxMOD_CONTROL);
  EXPECT_EQ(wxWindow::FindFocus(), f->set1Radio) << focusText();
  d->press(WXK_TAB);
  // The choice hands the focus to its inner button, which wx does not know.
  EXPECT_TRUE(a11y::holdsFocus(f->dataTypeChoice)) << focusText();
  d->press(WXK_TAB, wxMOD_SHIFT);
  EXPECT_EQ(wxWindow::FindFocus(), f->set1Radio) << focusText();
  d->press(WXK_TAB, wxMOD_SHIFT);
  EXPECT_EQ(wxWindow::FindFocus(), cells) << focusText();
  d->press(WXK_TAB, wxMOD_CONTROL | wxMOD_SHIFT);
  EXPECT_EQ(wxWindow::FindFocus(), f->FindWindow(ID_SAVE_DATA)) << focusText();

  // From the last row Tab has no cell left to go to: it leaves.
  const int last = f->grid->GetNumberRows() - 1;
  d->clickCell(last, 0);
  ASSERT_EQ(wxWindow::FindFocus(), cells);
  d->keys("7\t");
  EXPECT_EQ(d->cell(last, 0), "7");
  EXPECT_EQ(wxWindow::FindFocus(), f->set1Radio);
}

TEST(AccessKeys, CtrlPageDownAndUpTurnThePagesFromAnywhere) {
  auto d = raisedWindow();
  MainFrame* f = d->frame;
  d->clickCell(2, 0);
  ASSERT_EQ(wxWindow::FindFocus(), f->grid) << focusText();
  ASSERT_EQ(f->notebook->GetSelection(), 0);
  d->press(WXK_PAGEDOWN, wxMOD_CONTROL);
  EXPECT_EQ(f->notebook->GetSelection(), 1);
  d->press(WXK_PAGEDOWN, wxMOD_CONTROL);
  EXPECT_EQ(f->notebook->GetSelection(), 2);
  d->press(WXK_PAGEUP, wxMOD_CONTROL);
  EXPECT_EQ(f->notebook->GetSelection(), 1);
  EXPECT_EQ(wxWindow::FindFocus(), f->grid)
      << "the focus stays where it was, not on " << focusText();
}

TEST(AccessNames, GroupingFieldsAreNamedAndLabelledByTheirCaptions) {
  wxFrame parent(nullptr, wxID_ANY, "parent");
  GroupingDialog dlg(&parent, 0, 10, 5);
  struct Field {
    wxWindow* field;
    const char* name;
    const char* caption;
  };
  const Field fields[] = {{dlg.startField(), "Start value", "Start Value:"},
                          {dlg.sizeField(), "Group size", "Group Size:"},
                          {dlg.countSpin(), "Number of groups", "Number of Groups:"}};
  for (const Field& f : fields) {
    EXPECT_EQ(nameOf(f.field), f.name);
    bool labelled = false;
    for (wxWindow* w : dlg.GetChildren())
      if (auto* t = wxDynamicCast(w, wxStaticText); t && t->GetLabelText() == f.caption)
        labelled = a11y::isLabelledBy(f.field, t);
    EXPECT_TRUE(labelled) << f.name << " is not labelled by \"" << f.caption << "\"";
  }
}

// The tests run without the bridge: texts written for readers wait until a check
// reads any of them, only the latest work of each owner runs, and a forgotten
// owner's work never does.
TEST(AccessNames, TextsWithoutABridgeAreWrittenWhenFirstRead) {
  ASSERT_FALSE(a11y::bridgeActive());
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "readers");
  std::vector<std::string> ran;
  int owners[2];
  a11y::writeWhenRead(&owners[0], [&] {
    ran.push_back("first");
    a11y::setName(frame, "first");
  });
  a11y::writeWhenRead(&owners[0], [&] {
    ran.push_back("latest");
    a11y::setName(frame, "latest");
  });
  a11y::writeWhenRead(&owners[1], [&] { ran.push_back("forgotten"); });
  a11y::forget(&owners[1]);
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(toStd(a11y::nameOf(frame)), "latest");
  EXPECT_EQ(ran, std::vector<std::string>{"latest"});
  a11y::nameOf(frame);
  EXPECT_EQ(ran.size(), 1u);
  frame->Destroy();
}
