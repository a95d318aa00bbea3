#pragma once
// The data-entry grid: a wxGrid that remembers its selected block, does copy, cut,
// paste and delete through the clipboard, moves like a spreadsheet (Enter and
// Down go down, Tab to the next visible cell) and marks cells that are not numbers.
#include <wx/grid.h>

#include <cstddef>
#include <string>

#include "core/graph/Contrast.h"
#include "core/grid/PasteText.h"

class GridCellTexts;

class VardenGrid : public wxGrid {
 public:
  VardenGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = wxWANTS_CHARS);
  ~VardenGrid() override = default;

  // Gives the grid its cells: a table that also keeps the texts as the model
  // reads them (see GridCellTexts).
  void createTable(int rows, int cols, wxGridSelectionModes selection);
  // That table, or null when the grid was given another.
  const GridCellTexts* cellTexts() const;

  // Writes TAB/line-separated text into the cells from the block's top-left
  // corner, or from the cursor cell when no block is selected. Empty fields,
  // cells outside the grid and read-only cells are left alone; a field longer
  // than a cell holds is cut. Reports no change; returns what fell outside the grid
  // and how many fields were cut.
  tally::PasteOverflow pasteText(const wxString& text);
  // The same from a given start cell, whatever is selected, for UTF-8 text (a data
  // file's text need not become a wide string first).
  tally::PasteOverflow pasteTextAt(const std::string& text, int startRow, int startCol);
  // Tells the user that `count` pasted or loaded fields were cut.
  void reportCutFields(size_t count);

  void pasteFromClipboard();
  // True when text was put on the clipboard (empty text leaves it alone).
  bool copySelection();
  void cutSelection();
  void clearSelection();

  // Ends an open cell editor, keeping what was typed (the grid reports the change
  // at once), or throwing it away. True when an editor was open.
  bool commitEditor();
  bool cancelEditor();
  // The text in the open editor, or the cursor cell's text when none is open.
  wxString editorText() const;

  // Why the cell does not count as a number (translated), or empty. Only cells
  // the data are read from are checked: shown columns, not read-only.
  wxString cellProblem(int row, int col) const;

  // Background and text of a cell that does not count as a number, for cells
  // drawn in the given colours (the theme's): readable in light and dark themes.
  static tally::CellTint problemTint(const wxColour& background, const wxColour& text);

  // The selected block; all -1 when none is selected.
  int selectionTop = -1;
  int selectionLeft = -1;
  int selectionBottom = -1;
  int selectionRight = -1;

  // What a screen reader hears of the table: its title ("Table of Class 7A") and
  // the cell under the cursor with its row and column ("row 3, Value: 14"); the
  // rows that hold text are listed in the table's description. Its shown columns
  // and filled rows are a reader's table of cells (a11y::setTable).
  void setReaderTitle(const wxString& title);
  void describeForReaders();
  // The name the cell gets when the cursor is on it.
  wxString readerCellText(int row, int col) const;

  // Leaves the table for the next (or previous) control of the window, keeping
  // what was typed: Ctrl+Tab, Shift+Ctrl+Tab, and Tab past the last cell.
  void leaveGrid(bool forward);

  void onRangeSelect(wxGridRangeSelectEvent& event);
  void onKeyDown(wxKeyEvent& event);

 protected:
  // Row labels one pixel wide get their border only: laying out row numbers no
  // one can see cost more than drawing the cells.
  void DrawRowLabel(wxDC& dc, int row) override;

 private:
  bool hasBlock() const { return selectionTop != -1; }
  // A cell the data are read from: in a shown column and not a read-only label.
  bool isDataCell(int row, int col) const;
  bool insideGrid(int row, int col) const;
  wxString selectionText() const;
  void postCellChange();
  void postCommand(int id);
  // Moves the cursor without forgetting where a run of Tabs started.
  void moveByKeys(int row, int col);
  bool nextEditableCell(int& row, int& col, bool forward) const;
  bool handleUndoKey(const wxKeyEvent& event);

  void onTabbing(wxGridEvent& event);
  void onSelectCell(wxGridEvent& event);
  void onEditorCreated(wxGridEditorCreatedEvent& event);
  void onEditorKey(wxKeyEvent& event);
  void onGridMotion(wxMouseEvent& event);

  // Column where a run of Tabs began: Enter then goes to that column of the next
  // row, as in a spreadsheet. -1 when the cursor last moved some other way.
  int tabStartCol = -1;
  bool movingByKeys = false;
  wxString readerTitle;

  wxDECLARE_EVENT_TABLE();
};
