// The window without a mouse and through a screen reader's eyes: Alt keys that
// do not collide, the keys that leave the table and turn the pages, names that
// say which set a control is for and follow the names and values, and graphs
// that take the focus only while they show something.
#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MainFrameDriver.h"
#include "ui/access/Accessible.h"
#include "ui/access/AccessibleTable.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

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

  // wx orders a panel's tab chain again when a window comes or goes, and makes
  // texts the labels of the controls after them: still no value labels a control,
  // and every value of both sets keeps its caption.
  wxTEST_DIALOG(d.chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 5));
  d.chooseType(tally::UngroupedDiscrete);
  delete new wxButton(f->statistics, wxID_ANY, "passing");
  d.wait(100);
  for (int s = 0; s < 2; ++s) {
    for (int k = 0; k < static_cast<int>(Statistic::Count); ++k) {
      wxStaticText* value = f->statistics->label(s, static_cast<Statistic>(k));
      if (!value) continue;
      EXPECT_EQ(a11y::labelledCount(value), 0) << nameOf(value);
      wxWindow* before = nullptr;
      for (wxSizerItem* item : value->GetContainingSizer()->GetChildren()) {
        if (item->GetWindow() == value) break;
        before = item->GetWindow();
      }
      // The chosen percentile stands after its spin control; its name says which.
      if (static_cast<Statistic>(k) == Statistic::Percentile) continue;
      auto* caption = wxDynamicCast(before, wxStaticText);
      ASSERT_NE(caption, nullptr) << nameOf(value);
      EXPECT_TRUE(a11y::isLabelledBy(value, caption))
          << nameOf(value) << " is not labelled by \"" << toStd(caption->GetLabelText()) << "\"";
      EXPECT_EQ(a11y::labelledCount(caption), 1) << toStd(caption->GetLabelText());
    }
  }
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

// The grid as a reader's table: its shown columns under their headers, its rows
// down to the last filled one and one more to type into, following every edit,
// the cursor, the data type and the set on show.
TEST(AccessTable, GridIsATableOfItsShownColumnsAndFilledRows) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  wxWindow* g = f->grid;
  // An empty table still has its row to type into.
  EXPECT_EQ(a11y::tableRowCount(g), 1);
  EXPECT_EQ(a11y::tableColumnCount(g), 1);
  d.typeValues({"12", "14", "14", "17"});
  struct Cell {
    int row, col;
    const char* text;
  };
  struct Case {
    int type;
    std::vector<std::string> headers;
    int rows;
    std::vector<Cell> cells;
  };
  // Ungrouped: the frequency column is hidden, the table has the four values and
  // an empty row. Grouped Discrete counts the 14s: 12 once, 14 twice, 17 once.
  const Case cases[] = {
      {tally::UngroupedDiscrete, {"Value"}, 5, {{1, 0, "14"}, {2, 0, "14"}, {4, 0, ""}}},
      {tally::GroupedDiscrete,
       {"Value", "Frequency"},
       4,
       {{1, 0, "14"}, {1, 1, "2"}, {2, 0, "17"}, {3, 0, ""}, {3, 1, ""}}}};
  for (const Case& c : cases) {
    d.chooseType(c.type);
    SCOPED_TRACE(c.type);
    ASSERT_EQ(a11y::tableColumnCount(g), static_cast<int>(c.headers.size()));
    for (size_t col = 0; col < c.headers.size(); ++col)
      EXPECT_EQ(toStd(a11y::tableHeader(g, static_cast<int>(col))), c.headers[col]);
    EXPECT_EQ(a11y::tableRowCount(g), c.rows);
    for (const Cell& cell : c.cells)
      EXPECT_EQ(toStd(a11y::tableCell(g, cell.row, cell.col)), cell.text)
          << "row " << cell.row << " column " << cell.col;
    EXPECT_EQ(toStd(a11y::tableRowDescription(g, 2)), "Row 3");
    EXPECT_EQ(toStd(a11y::tableCell(g, c.rows, 0)), "") << "no cell below the table";
  }
  // Grouped Discrete now: a frequency changed, a value typed in the empty row.
  d.type(1, 1, "3");
  d.type(3, 0, "18");
  EXPECT_EQ(toStd(a11y::tableCell(g, 1, 1)), "3");
  EXPECT_EQ(toStd(a11y::tableCell(g, 3, 0)), "18");
  // A value two rows below the last: the rows between are empty cells of the table.
  d.type(6, 0, "20");
  EXPECT_EQ(a11y::tableRowCount(g), 8);
  EXPECT_EQ(toStd(a11y::tableCell(g, 6, 0)), "20");
  EXPECT_EQ(toStd(a11y::tableCell(g, 5, 0)), "");

  // The cursor's cell is the table's active one; a cursor below the rows brings
  // empty rows down to it.
  f->grid->SetGridCursor(2, 1);
  int row = -1, col = -1;
  ASSERT_TRUE(a11y::tableActiveCell(g, row, col));
  EXPECT_EQ(row, 2);
  EXPECT_EQ(col, 1);
  f->grid->SetGridCursor(11, 0);
  EXPECT_EQ(a11y::tableRowCount(g), 12);
  ASSERT_TRUE(a11y::tableActiveCell(g, row, col));
  EXPECT_EQ(row, 11);
  EXPECT_EQ(col, 0);

  // Set 2 is empty: its table is the row to type into (and the cursor's).
  f->grid->SetGridCursor(0, 0);
  d.selectSet(1);
  EXPECT_EQ(a11y::tableRowCount(g), 1);
  EXPECT_EQ(toStd(a11y::tableCell(g, 0, 0)), "");
  d.selectSet(0);
  EXPECT_EQ(toStd(a11y::tableCell(g, 6, 0)), "20");
}

// Already grouped data: a row per class, its label in the first column; a new
// grouping gives the table other rows.
TEST(AccessTable, ClassesAreTheTablesRowsAndFollowTheGrouping) {
  MainFrameDriver d;
  wxWindow* g = d.frame->grid;
  wxTEST_DIALOG(d.chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "5", 4));
  d.type(0, 1, "3");
  d.type(1, 1, "2");
  EXPECT_EQ(a11y::tableColumnCount(g), 2);
  EXPECT_EQ(toStd(a11y::tableHeader(g, 1)), "Frequency");
  EXPECT_EQ(a11y::tableRowCount(g), 5);  // four classes and an empty row
  EXPECT_EQ(toStd(a11y::tableCell(g, 3, 0)), "15 - < 20");
  EXPECT_EQ(toStd(a11y::tableCell(g, 1, 1)), "2");
  EXPECT_EQ(toStd(a11y::tableCell(g, 4, 0)), "");
  // Two classes of 10: 3 + 2 in the first.
  wxTEST_DIALOG(d.click(d.frame->groupingDetailsButton), AnswerGrouping("0", "10", 2));
  EXPECT_EQ(a11y::tableRowCount(g), 3);
  EXPECT_EQ(toStd(a11y::tableCell(g, 1, 0)), "10 - < 20");
  EXPECT_EQ(toStd(a11y::tableCell(g, 0, 1)), "5");
  EXPECT_EQ(toStd(a11y::tableCell(g, 3, 0)), "");
}

TEST(AccessTable, GridColumnsOfTheTableSkipHiddenOnes) {
  MainFrameDriver d;
  VardenGrid* grid = d.frame->grid;
  d.chooseType(tally::UngroupedDiscrete);
  EXPECT_EQ(a11y::gridTableColumn(*grid, 0), 0);
  EXPECT_EQ(a11y::gridTableColumn(*grid, 1), -1);
  grid->SetColSize(0, 0);
  grid->SetColSize(1, 80);
  // The first column gone, the second is the table's first.
  EXPECT_EQ(a11y::gridTableColumn(*grid, 1), 0);
  EXPECT_EQ(a11y::gridTableColumn(*grid, 0), -1);
  EXPECT_EQ(a11y::gridTableColumn(*grid, 2), -1);
}

#ifdef __WXGTK__
// What the accessibility bridge walks: the cells are the table's children, each
// knows its place, and a cell whose row went away says it is gone instead of
// reading out its old text.
TEST(AccessTable, CellsAreTheTablesChildrenAndGoWhenTheirRowGoes) {
  MainFrameDriver d;
  MainFrame* f = d.frame;
  d.chooseType(tally::GroupedDiscrete);
  d.type(0, 0, "5");
  d.type(0, 1, "2");
  d.type(1, 0, "6");
  d.type(2, 0, "7");
  // Without a bridge the texts wait for their first reader: this test reads as one.
  a11y::writeWaiting();
  AtkObject* table = gtk_widget_get_accessible(f->grid->GetConnectWidget());
  ASSERT_TRUE(ATK_IS_TABLE(table));
  EXPECT_EQ(atk_object_get_role(table), ATK_ROLE_TABLE);
  // Three filled rows and one empty, two columns.
  EXPECT_EQ(atk_object_get_n_accessible_children(table), 8);
  AtkObject* cell = atk_object_ref_accessible_child(table, 5);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(atk_object_get_role(cell), ATK_ROLE_TABLE_CELL);
  EXPECT_STREQ(atk_object_get_name(cell), "");  // row 3, frequency
  EXPECT_EQ(atk_object_get_parent(cell), table);
  EXPECT_EQ(atk_object_get_index_in_parent(cell), 5);
  AtkObject* same = atk_table_ref_at(ATK_TABLE(table), 2, 1);
  EXPECT_EQ(same, cell) << "one object per cell";
  g_object_unref(same);
  d.type(2, 1, "4");
  EXPECT_STREQ(atk_object_get_name(cell), "4");
  AtkStateSet* states = atk_object_ref_state_set(cell);
  EXPECT_FALSE(atk_state_set_contains_state(states, ATK_STATE_DEFUNCT));
  g_object_unref(states);
  GPtrArray* headers = atk_table_cell_get_column_header_cells(ATK_TABLE_CELL(cell));
  ASSERT_EQ(headers->len, 1u);
  EXPECT_STREQ(atk_object_get_name(ATK_OBJECT(g_ptr_array_index(headers, 0))), "Frequency");
  g_ptr_array_unref(headers);
  // Rows 2 and 3 emptied: the table is row 1 and the row to type into; the held
  // cell of row 3 is gone.
  for (int r : {1, 2})
    for (int c : {0, 1}) d.type(r, c, "");
  EXPECT_EQ(atk_table_get_n_rows(ATK_TABLE(table)), 2);
  EXPECT_EQ(atk_object_get_n_accessible_children(table), 4);
  states = atk_object_ref_state_set(cell);
  EXPECT_TRUE(atk_state_set_contains_state(states, ATK_STATE_DEFUNCT));
  g_object_unref(states);
  EXPECT_EQ(atk_object_get_parent(cell), nullptr);
  EXPECT_EQ(atk_object_get_index_in_parent(cell), -1);
  g_object_unref(cell);
  EXPECT_EQ(atk_table_ref_at(ATK_TABLE(table), 2, 1), nullptr);
  // The cursor's cell is the table's selection.
  f->grid->SetGridCursor(0, 1);
  ASSERT_TRUE(ATK_IS_SELECTION(table));
  EXPECT_EQ(atk_selection_get_selection_count(ATK_SELECTION(table)), 1);
  EXPECT_TRUE(atk_selection_is_child_selected(ATK_SELECTION(table), 1));
  EXPECT_FALSE(atk_selection_is_child_selected(ATK_SELECTION(table), 0));
  AtkObject* selected = atk_selection_ref_selection(ATK_SELECTION(table), 0);
  ASSERT_NE(selected, nullptr);
  EXPECT_STREQ(atk_object_get_name(selected), "2");
  g_object_unref(selected);
  AtkObject* typing = atk_table_ref_at(ATK_TABLE(table), 1, 0);
  ASSERT_NE(typing, nullptr);
  EXPECT_STREQ(atk_object_get_name(typing), "");
  g_object_unref(typing);
}

// Closing the window frees the table with its headers and cells, whatever a
// reader still holds of them (the held cell then says it is gone).
TEST(AccessTable, TableGoesWithItsWindow) {
  AtkObject* cell = nullptr;
  gpointer table = nullptr;
  {
    MainFrameDriver d;
    d.chooseType(tally::GroupedDiscrete);
    d.type(0, 0, "5");
    a11y::writeWaiting();
    table = gtk_widget_get_accessible(d.frame->grid->GetConnectWidget());
    ASSERT_TRUE(ATK_IS_TABLE(table));
    g_object_add_weak_pointer(G_OBJECT(table), &table);
    cell = atk_table_ref_at(ATK_TABLE(table), 0, 0);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(atk_table_get_column_header(ATK_TABLE(table), 1), nullptr);
  }
  for (int i = 0; i < 5 && table; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
  }
  EXPECT_EQ(table, nullptr) << "the table outlived its window";
  if (table) g_object_remove_weak_pointer(G_OBJECT(table), &table);
  AtkStateSet* states = atk_object_ref_state_set(cell);
  EXPECT_TRUE(atk_state_set_contains_state(states, ATK_STATE_DEFUNCT));
  g_object_unref(states);
  g_object_unref(cell);
}
#endif

// wx makes a text the label of the control after it whenever it orders the tab
// chain again; a value so made would be read as the button's name.
TEST(AccessNames, ATextKeptFromGuessesLabelsNoFollowingControl) {
  wxFrame frame(nullptr, wxID_ANY, "labels");
  auto* panel = new wxPanel(&frame);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* kept = new wxStaticText(panel, wxID_ANY, "14");
  auto* first = new wxButton(panel, wxID_ANY, "First");
  auto* guessed = new wxStaticText(panel, wxID_ANY, "12");
  auto* second = new wxButton(panel, wxID_ANY, "Second");
  for (wxWindow* w : {static_cast<wxWindow*>(kept), static_cast<wxWindow*>(first),
                      static_cast<wxWindow*>(guessed), static_cast<wxWindow*>(second)})
    sizer->Add(w);
  panel->SetSizer(sizer);
  frame.Show();
  a11y::labelsNothing(kept);
  auto settle = [] {
    for (int i = 0; i < 5; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(5);
    }
  };
  // A new control makes wx order the chain again.
  sizer->Add(new wxButton(panel, wxID_ANY, "Third"));
  panel->Layout();
  settle();
  EXPECT_EQ(a11y::labelledCount(guessed), 1) << "wx guesses a text's target";
  EXPECT_EQ(a11y::labelledCount(kept), 0);
  EXPECT_FALSE(a11y::isLabelledBy(first, kept));
  // A relation set on purpose stays.
  a11y::guessesNoTarget(guessed);
  a11y::setLabelledBy(second, guessed);
  sizer->Add(new wxButton(panel, wxID_ANY, "Fourth"));
  settle();
  EXPECT_TRUE(a11y::isLabelledBy(second, guessed));
  EXPECT_EQ(a11y::labelledCount(guessed), 1);
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
