#include "core/grid/PasteText.h"

#include <algorithm>

namespace tally {

std::vector<CellWrite> pasteWrites(const std::string& text, int startRow, int startCol, int rows,
                                   int cols, PasteOverflow* dropped) {
  std::vector<CellWrite> writes;
  PasteOverflow lost;
  long long lastLostRow = -1;
  // Counted in 64 bits: a start near INT_MAX plus the lines and TABs of the text
  // must not wrap around into the grid.
  const long long firstCol = std::max(startCol, 0);
  long long r = std::max(startRow, 0);
  long long c = firstCol;
  std::string field;
  std::size_t characters = 0;
  bool fieldCut = false;
  // Whether the current field holds text, also where none of it is kept because
  // the field lies outside the grid: such fields are only counted.
  bool hasText = false;
  auto fits = [&] { return r < rows && c < cols; };
  auto write = [&] {
    if (!field.empty() && fits()) {
      writes.push_back({static_cast<int>(r), static_cast<int>(c), field});
      if (fieldCut) ++lost.cut;
    } else if (hasText && r >= rows) {
      if (r != lastLostRow) ++lost.lines;
      lastLostRow = r;
    } else if (hasText) {
      ++lost.cells;
    }
    hasText = false;
    field.clear();
    characters = 0;
    fieldCut = false;
  };
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char ch = text[i];
    if (ch == '\t') {
      write();
      ++c;
    } else if (ch == '\r' || ch == '\n') {
      write();
      if (ch == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
      ++r;
      c = firstCol;
    } else if (!fits()) {
      hasText = true;
    } else {
      hasText = true;
      // A continuation byte belongs to the character before it, so a cut never
      // splits a character.
      const bool continuation = (static_cast<unsigned char>(ch) & 0xC0) == 0x80;
      if (!continuation && characters == kMaxCellCharacters) fieldCut = true;
      // Stray continuation bytes (text that is not UTF-8) are bounded too.
      if (field.size() == 4 * kMaxCellCharacters) fieldCut = true;
      if (fieldCut) continue;
      if (!continuation) ++characters;
      field += ch;
    }
  }
  write();  // a last field with no line end after it
  if (dropped) *dropped = lost;
  return writes;
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

std::string cutFieldsMessage(std::size_t count, const std::string& message) {
  std::string text = message;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return text;
}

}  // namespace tally
