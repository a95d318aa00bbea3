// The data-entry grid: paste, copy, cut and delete through real key events and
// the clipboard, and the one queued cell-change event per operation.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/frame.h>

#include <string>
#include <functional>
#include <tuple>
#include <vector>

#include "ui/WxBridge.h"
#include "ui/grid/GridCellTexts.h"
#include "ui/grid/VardenGrid.h"

namespace {

wxString clipboardText() {
  wxString text;
  if (wxTheClipboard->Open()) {
    wxTextDataObject data;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
      text = data.GetText();
    wxTheClipboard->Close();
  }
  return text;
}

void setClipboardText(const wxString& text) {
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
}

struct Cell {
  int row;
  int col;
  std::string text;
};

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "grid");
    grid = new VardenGrid(frame, wxID_ANY, wxDefaultPosition, wxSize(180, 200), wxWANTS_CHARS);
    grid->CreateGrid(1000, 2, wxGrid::wxGridSelectCells);
    // Counted at the parent, where the main window's handler sits.
    frame->Bind(wxEVT_GRID_CELL_CHANGED, [this](wxGridEvent&) { ++changes; });
    frame->Show();
  }
  void TearDown() override {
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
  }

  std::string cell(int row, int col) const { return toStd(grid->GetCellValue(row, col)); }

  // Sends a key down the way the toolkit does: to the grid's cell window, which
  // hands it to the grid's own handlers.
  void pressKey(int key, bool ctrl, bool shift) {
    wxKeyEvent key_event(wxEVT_KEY_DOWN);
    key_event.m_keyCode = key;
    key_event.SetControlDown(ctrl);
    key_event.SetShiftDown(shift);
    key_event.SetEventObject(grid->GetGridWindow());
    grid->GetGridWindow()->GetEventHandler()->ProcessEvent(key_event);
  }

  int changesAfterIdle() {
    wxTheApp->ProcessPendingEvents();
    return changes;
  }

  wxFrame* frame = nullptr;
  VardenGrid* grid = nullptr;
  int changes = 0;
};

}  // namespace

TEST_F(GridTest, RangeSelectEventsTrackTheBlock) {
  EXPECT_EQ(grid->selectionTop, -1);
  grid->SelectBlock(2, 0, 4, 1);
  EXPECT_EQ(grid->selectionTop, 2);
  EXPECT_EQ(grid->selectionLeft, 0);
  EXPECT_EQ(grid->selectionBottom, 4);
  EXPECT_EQ(grid->selectionRight, 1);
  grid->ClearSelection();
  EXPECT_EQ(grid->selectionTop, -1);
  EXPECT_EQ(grid->selectionLeft, -1);
  EXPECT_EQ(grid->selectionBottom, -1);
  EXPECT_EQ(grid->selectionRight, -1);
}

TEST_F(GridTest, PasteWritesFieldsFromTheCursorOrTheBlockCorner) {
  struct Case {
    const char* name;
    std::string text;
    int cursorRow, cursorCol;
    int blockTop, blockLeft;  // -1: no block selected
    std::vector<Cell> expected;
  };
  // Before each case: (0,1) "old", (1,0) "keep", and (4,0) "ro" read-only.
  const std::vector<Case> cases = {
      {"CR LF lines at row 5", "1\t2\r\n3\t4", 5, 0, -1, -1,
       {{5, 0, "1"}, {5, 1, "2"}, {6, 0, "3"}, {6, 1, "4"}, {7, 0, ""}}},
      // The empty middle field leaves (0,1) alone; "b" would go to column 2, which
      // the grid does not have.
      {"empty field skipped", "a\t\tb", 0, 0, -1, -1, {{0, 0, "a"}, {0, 1, "old"}}},
      {"final CR LF writes nothing more", "7\r\n", 0, 0, -1, -1,
       {{0, 0, "7"}, {1, 0, "keep"}, {0, 1, "old"}}},
      {"last field without line end", "x\ny", 0, 0, -1, -1, {{0, 0, "x"}, {1, 0, "y"}}},
      {"lone CR ends a line", "p\rq", 2, 1, -1, -1, {{2, 1, "p"}, {3, 1, "q"}}},
      {"comma is an ordinary character", "1,5", 3, 0, -1, -1, {{3, 0, "1,5"}}},
      {"past the last row", "u\nv\nw", 998, 0, -1, -1,
       {{998, 0, "u"}, {999, 0, "v"}}},
      {"past the last column", "1\t2\t3", 2, 0, -1, -1, {{2, 0, "1"}, {2, 1, "2"}}},
      {"read-only cell kept", "r\ts", 4, 0, -1, -1, {{4, 0, "ro"}, {4, 1, "s"}}},
      {"block corner wins over the cursor", "m\nn", 0, 0, 2, 1,
       {{2, 1, "m"}, {3, 1, "n"}, {0, 0, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->ClearGrid();
    grid->ClearSelection();
    grid->SetReadOnly(4, 0, false);
    grid->SetCellValue(0, 1, "old");
    grid->SetCellValue(1, 0, "keep");
    grid->SetCellValue(4, 0, "ro");
    grid->SetReadOnly(4, 0, true);
    grid->SetGridCursor(c.cursorRow, c.cursorCol);
    if (c.blockTop >= 0) grid->SelectBlock(c.blockTop, c.blockLeft, c.blockTop + 1, c.blockLeft);

    grid->pasteText(toWx(c.text));

    for (const Cell& e : c.expected) EXPECT_EQ(cell(e.row, e.col), e.text) << e.row << "," << e.col;
    EXPECT_EQ(grid->GetNumberRows(), 1000);
    EXPECT_EQ(grid->GetNumberCols(), 2);
  }
  // pasteText itself reports no change.
  EXPECT_EQ(changesAfterIdle(), 0);
}

TEST_F(GridTest, CopyOfOneCellHasNoLineEnd) {
  grid->SetCellValue(3, 1, "42");
  grid->SetGridCursor(3, 1);
  EXPECT_TRUE(grid->copySelection());
  EXPECT_EQ(clipboardText(), "42");
}

TEST_F(GridTest, CopyOfABlockEndsEveryRowWithCrLf) {
  grid->SetCellValue(0, 0, "a");
  grid->SetCellValue(0, 1, "b");
  grid->SetCellValue(1, 0, "c");
  grid->SetCellValue(1, 1, "d");
  grid->SelectBlock(0, 0, 1, 1);
  EXPECT_TRUE(grid->copySelection());
  EXPECT_EQ(clipboardText(), "a\tb\r\nc\td\r\n");
}

TEST_F(GridTest, CutOfAnEmptyCellChangesNothing) {
  setClipboardText("keep");
  grid->SetCellValue(0, 0, "neighbour");
  grid->SetGridCursor(1, 0);
  grid->cutSelection();
  EXPECT_EQ(clipboardText(), "keep");
  EXPECT_EQ(cell(0, 0), "neighbour");
  EXPECT_EQ(changesAfterIdle(), 0);
}

TEST_F(GridTest, ShortcutKeysPasteCopyCutAndClear) {
  enum Effect { Paste, Copy, Cut, Clear };
  struct Case {
    const char* name;
    int key;
    bool ctrl, shift;
    Effect effect;
  };
  const std::vector<Case> cases = {
      {"Ctrl+V", 'V', true, false, Paste},       {"Ctrl+C", 'C', true, false, Copy},
      {"Ctrl+X", 'X', true, false, Cut},         {"Shift+Insert", WXK_INSERT, false, true, Paste},
      {"Ctrl+Insert", WXK_INSERT, true, false, Copy},
      {"Shift+Delete", WXK_DELETE, false, true, Cut},
      {"Delete", WXK_DELETE, false, false, Clear},
      {"Ctrl+Delete", WXK_DELETE, true, false, Clear},
      // Shift+Delete is tested before Ctrl: with both held the key cuts.
      {"Ctrl+Shift+Delete", WXK_DELETE, true, true, Cut},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->ClearGrid();
    grid->SetCellValue(2, 0, "src");
    grid->SetGridCursor(2, 0);
    setClipboardText("clip");
    changes = 0;

    pressKey(c.key, c.ctrl, c.shift);

    // What the cell and the clipboard hold afterwards, and how many re-reads follow.
    const char* cellAfter = c.effect == Paste ? "clip" : c.effect == Copy ? "src" : "";
    const char* clipAfter = (c.effect == Copy || c.effect == Cut) ? "src" : "clip";
    EXPECT_EQ(cell(2, 0), cellAfter);
    EXPECT_EQ(clipboardText(), clipAfter);
    EXPECT_EQ(changesAfterIdle(), c.effect == Copy ? 0 : 1);
  }
}

TEST_F(GridTest, OtherKeysGoOnToTheToolkit) {
  for (int key : {int('A'), int(WXK_RIGHT), int(WXK_RETURN)}) {
    wxKeyEvent key_event(wxEVT_KEY_DOWN);
    key_event.m_keyCode = key;
    grid->onKeyDown(key_event);
    EXPECT_TRUE(key_event.GetSkipped()) << key;
  }
  wxKeyEvent ctrlV(wxEVT_KEY_DOWN);
  ctrlV.m_keyCode = 'V';
  ctrlV.SetControlDown(true);
  setClipboardText("z");
  grid->onKeyDown(ctrlV);
  EXPECT_FALSE(ctrlV.GetSkipped());
}

TEST_F(GridTest, DeleteClearsTheBlockButNotItsReadOnlyCells) {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) grid->SetCellValue(r, c, "v");
  grid->SetReadOnly(1, 0, true);
  grid->SelectBlock(0, 0, 1, 1);
  pressKey(WXK_DELETE, false, false);
  EXPECT_EQ(cell(0, 0), "");
  EXPECT_EQ(cell(0, 1), "");
  EXPECT_EQ(cell(1, 0), "v");  // read-only
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(cell(2, 0), "v");  // outside the block
  EXPECT_EQ(changesAfterIdle(), 1);
}

TEST_F(GridTest, ReadOnlyGridIgnoresDeleteAndPaste) {
  grid->SetCellValue(0, 0, "v");
  grid->SetGridCursor(0, 0);
  grid->EnableEditing(false);
  setClipboardText("new");
  pressKey(WXK_DELETE, false, false);
  pressKey('V', true, false);
  EXPECT_EQ(cell(0, 0), "v");
  EXPECT_EQ(changesAfterIdle(), 0);
}

TEST_F(GridTest, APasteOfManyCellsQueuesOneChangeEvent) {
  setClipboardText("1\t2\r\n3\t4\r\n5\t6\r\n");
  grid->SetGridCursor(0, 0);
  grid->pasteFromClipboard();
  EXPECT_EQ(cell(2, 1), "6");
  EXPECT_EQ(changes, 0);  // queued, not sent at once
  EXPECT_EQ(changesAfterIdle(), 1);
}

TEST_F(GridTest, TabGoesToTheNextEditableVisibleCellAndEnterBackToTheRunsColumn) {
  struct Case {
    const char* name;
    bool hideFrequency;      // the values layout
    bool readOnlyLabels;     // the classes layout
    int startRow, startCol;
    std::vector<int> keys;   // WXK_TAB, WXK_RETURN
    int row, col;            // where the cursor ends
  };
  const std::vector<Case> cases = {
      {"value, Tab, frequency, Enter", false, false, 3, 0, {WXK_TAB, WXK_RETURN}, 4, 0},
      {"Tab at the end of a row wraps", false, false, 3, 0, {WXK_TAB, WXK_TAB}, 4, 0},
      {"hidden frequency column", true, false, 3, 0, {WXK_TAB, WXK_TAB}, 5, 0},
      {"read-only class labels", false, true, 3, 1, {WXK_TAB, WXK_TAB}, 5, 1},
      {"Enter after a class frequency", false, true, 3, 1, {WXK_TAB, WXK_RETURN}, 5, 1},
      {"Tab in the last row stays", false, false, 999, 1, {WXK_TAB}, 999, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetColSize(1, c.hideFrequency ? 0 : 80);
    auto* labels = new wxGridCellAttr;
    labels->SetReadOnly(c.readOnlyLabels);
    grid->SetColAttr(0, labels);
    grid->SetGridCursor(0, 0);  // a click elsewhere ends any earlier run of Tabs
    grid->SetGridCursor(c.startRow, c.startCol);
    for (int key : c.keys) pressKey(key, false, false);
    EXPECT_EQ(grid->GetGridCursorRow(), c.row);
    EXPECT_EQ(grid->GetGridCursorCol(), c.col);
  }
}

// The grid's own table keeps every cell's text as the model reads it, whatever
// changed the cells: the window finds an edit's cells by those texts alone.
TEST_F(GridTest, TheModelsTextsOfTheCellsFollowEveryChangeOfTheTable) {
  auto* own = new VardenGrid(frame, wxID_ANY);
  own->createTable(15, 2, wxGrid::wxGridSelectCells);
  const GridCellTexts* texts = own->cellTexts();
  ASSERT_NE(texts, nullptr);
  EXPECT_EQ(grid->cellTexts(), nullptr);
  const wxString withNul = wxString("12") + wxUniChar(0) + "5";
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"typed", [&] { own->SetCellValue(0, 0, "42.125"); }},
      {"beyond ASCII", [&] { own->SetCellValue(1, 1, wxString::FromUTF8("\xc2\xbd \xc3\xa9")); }},
      {"a nul ends it", [&] { own->SetCellValue(2, 0, withNul); }},
      {"pasted", [&] { own->pasteTextAt("1\t2\n3\t4\n5", 10, 0); }},
      {"rows appended", [&] { own->AppendRows(985); }},
      {"written far down", [&] { own->SetCellValue(999, 1, "-7"); }},
      {"rows inserted", [&] { own->InsertRows(1, 3); }},
      {"rows deleted", [&] { own->DeleteRows(0, 2); }},
      {"rows deleted to the end", [&] { own->DeleteRows(990, 50); }},
      {"a column added and removed", [&] {
         own->AppendCols(1);
         own->SetCellValue(3, 2, "x");
         own->DeleteCols(0, 1);
       }},
      {"cleared", [&] { own->ClearGrid(); }},
      {"written after clearing", [&] { own->SetCellValue(4, 0, "3e2"); }},
  };
  for (const auto& [what, change] : changes) {
    change();
    ASSERT_EQ(own->GetNumberRows(), own->GetTable()->GetNumberRows()) << what;
    int filled = 0;
    for (int r = 0; r < own->GetNumberRows() + 2; ++r)
      for (int c = 0; c < own->GetNumberCols() + 1; ++c) {
        const bool inside = r < own->GetNumberRows() && c < own->GetNumberCols();
        const std::string expected =
            inside ? GridCellTexts::modelText(own->GetCellValue(r, c)) : std::string();
        filled += !expected.empty();
        ASSERT_EQ(texts->text(r, c), expected) << what << " at " << r << "," << c;
      }
    EXPECT_EQ(filled > 0, std::string(what) != "cleared") << what;
  }
  EXPECT_EQ(GridCellTexts::modelText(withNul), "12");
  EXPECT_EQ(GridCellTexts::modelText(wxString::FromUTF8("\xc2\xbd")), "\xc2\xbd");
}
