#include "ui/grid/GridCellTexts.h"

#include "ui/WxBridge.h"

GridCellTexts::GridCellTexts(int rows, int cols) : wxGridStringTable(rows, cols) { readAll(); }

const std::string& GridCellTexts::text(int row, int col) const {
  static const std::string none;
  if (row < 0 || col < 0 || static_cast<size_t>(row) >= texts.size()) return none;
  const auto& cells = texts[static_cast<size_t>(row)];
  return static_cast<size_t>(col) < cells.size() ? cells[static_cast<size_t>(col)] : none;
}

std::string GridCellTexts::modelText(const wxString& cell) {
  std::string text;
  text.reserve(cell.length());
  for (const wxUniChar ch : cell) {
    // As through UTF-8 into a C string: the text ends at a nul.
    if (ch.GetValue() == 0) break;
    // A letter beyond ASCII goes the whole way through UTF-8; plain ASCII (any
    // number) is copied as it is.
    if (!ch.IsAscii()) return toStd(cell);
    text += static_cast<char>(ch.GetValue());
  }
  return text;
}

void GridCellTexts::SetValue(int row, int col, const wxString& value) {
  wxGridStringTable::SetValue(row, col, value);
  if (row < 0 || col < 0 || static_cast<size_t>(row) >= texts.size() ||
      static_cast<size_t>(col) >= texts[static_cast<size_t>(row)].size()) {
    readAll();
    return;
  }
  texts[static_cast<size_t>(row)][static_cast<size_t>(col)] = modelText(value);
}

void GridCellTexts::Clear() {
  wxGridStringTable::Clear();
  for (auto& row : texts)
    for (auto& cell : row) cell.clear();
}

// Other changes of shape read the cells again: they are rare (the grid is given
// its thousand rows once, at the end), and the table's own rules for a position
// past the end then need no copy here.
bool GridCellTexts::InsertRows(size_t pos, size_t numRows) {
  return readAfter(wxGridStringTable::InsertRows(pos, numRows));
}

bool GridCellTexts::AppendRows(size_t numRows) {
  const bool done = wxGridStringTable::AppendRows(numRows);
  // New rows at the end are empty.
  texts.resize(static_cast<size_t>(GetNumberRows()),
               std::vector<std::string>(static_cast<size_t>(GetNumberCols())));
  return done;
}

bool GridCellTexts::DeleteRows(size_t pos, size_t numRows) {
  return readAfter(wxGridStringTable::DeleteRows(pos, numRows));
}

bool GridCellTexts::InsertCols(size_t pos, size_t numCols) {
  return readAfter(wxGridStringTable::InsertCols(pos, numCols));
}

bool GridCellTexts::AppendCols(size_t numCols) {
  return readAfter(wxGridStringTable::AppendCols(numCols));
}

bool GridCellTexts::DeleteCols(size_t pos, size_t numCols) {
  return readAfter(wxGridStringTable::DeleteCols(pos, numCols));
}

bool GridCellTexts::readAfter(bool changed) {
  readAll();
  return changed;
}

void GridCellTexts::readAll() {
  const int rows = GetNumberRows(), cols = GetNumberCols();
  texts.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols)));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const wxString cell = wxGridStringTable::GetValue(r, c);
      if (!cell.empty()) texts[static_cast<size_t>(r)][static_cast<size_t>(c)] = modelText(cell);
    }
}
