#pragma once
// A custom-drawn table (the data grid) as a screen reader walks it: a table of
// rows and columns with a header over each column and one object per cell, kept
// in step with what the window shows. On GTK the window's own accessible object
// becomes that table (the toolkit knows nothing of cells it does not draw);
// elsewhere these do nothing.
#include <wx/string.h>

#include <vector>

class wxWindow;
class wxGrid;

namespace a11y {

struct TableContent {
  // One header text per column, left to right.
  std::vector<wxString> headers;
  // The rows from the top down to the last that holds text; a row may be shorter
  // than the headers (its last cells are empty).
  std::vector<std::vector<wxString>> rows;
  // The cursor's cell in the table's own rows and columns; -1 when there is none.
  int cursorRow = -1;
  int cursorCol = -1;
};

// Makes the window's accessible object a table with this content. Beyond the rows
// given the table has one empty row to type into, and empty rows down to the
// cursor. Cells whose text changed tell the reader so; a change of rows or
// columns is announced as such.
void setTable(wxWindow* window, const TableContent& content);
// The cursor is on another cell: the reader is told the table's active cell.
void setTableCursor(wxWindow* window, int row, int col);

// The grid's shown columns under their labels and its rows down to the last that
// holds text in them, with the cursor at the grid's (row, col); a hidden column
// is none of the table's.
TableContent gridTable(const wxGrid& grid, int cursorRow, int cursorCol);
// The table's column of a grid column, -1 for a hidden one.
int gridTableColumn(const wxGrid& grid, int col);

// What a reader finds through the table interface of the window's accessible
// object, for checks: -1 or empty text when it is no table or there is no such
// cell.
int tableRowCount(wxWindow* window);
int tableColumnCount(wxWindow* window);
wxString tableHeader(wxWindow* window, int col);
wxString tableCell(wxWindow* window, int row, int col);
wxString tableRowDescription(wxWindow* window, int row);
// The cell the table reports as its active one (selected); false when none.
bool tableActiveCell(wxWindow* window, int& row, int& col);

}  // namespace a11y
