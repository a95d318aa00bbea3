#include "core/grid/PasteText.h"

#include <algorithm>

namespace tally {

std::vector<CellWrite> pasteWrites(const std::string& text, int startRow, int startCol, int rows,
                                   int cols, PasteOverflow* dropped) {
  std::vector<CellWrite> writes;
  int lastLostRow = -1;
  const int firstCol = std::max(startCol, 0);
  int r = std::max(startRow, 0);
  int c = firstCol;
  std::string field;
  auto write = [&] {
    if (!field.empty()) {
      if (r < rows && c < cols) {
        writes.push_back({r, c, field});
      } else if (dropped && r >= rows) {
        if (r != lastLostRow) ++dropped->lines;
        lastLostRow = r;
      } else if (dropped) {
        ++dropped->cells;
      }
    }
    field.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\t') {
      write();
      ++c;
    } else if (ch == '\r' || ch == '\n') {
      write();
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++r;
      c = firstCol;
    } else {
      field += ch;
    }
  }
  write();  // a last field with no line end after it
  return writes;
}

PasteOverflow pasteOverflow(const std::vector<CellWrite>& writes, int rows, int cols) {
  PasteOverflow out;
  int lastLostRow = -1;
  // Writes come line by line, so a line below the grid is counted at its first field.
  for (const CellWrite& w : writes) {
    if (w.row >= rows) {
      if (w.row != lastLostRow) ++out.lines;
      lastLostRow = w.row;
    } else if (w.col >= cols) {
      ++out.cells;
    }
  }
  return out;
}

std::string blockText(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += '\t';
      out += row[i];
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace tally
