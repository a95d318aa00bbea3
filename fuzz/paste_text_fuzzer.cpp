// Paste text: arbitrary clipboard text at an arbitrary start cell (near INT_MAX
// too) into a grid of arbitrary size.
//   - every write lies inside the grid, at or after the start, in row-major order,
//     at most once per cell;
//   - a written text is non-empty, holds no TAB/CR/LF and at most 1000 characters,
//     and is the field the text holds there (cut to 1000 characters);
//   - writing the cells back out as block text and pasting that again gives the
//     same writes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/grid/PasteText.h"

namespace {

int pickCoordinate(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return in.ConsumeIntegralInRange(-2, 1100);
    case 1: return INT_MAX - in.ConsumeIntegralInRange(0, 3);
    case 2: return INT_MIN + in.ConsumeIntegralInRange(0, 3);
    default: return in.ConsumeIntegral<int>();
  }
}

// Longer than a cell holds: too many characters, or (text that is not UTF-8) too
// many bytes for that many characters.
bool tooLong(const std::string& field) {
  return fuzz::characters(field) > tally::kMaxCellCharacters ||
         field.size() > 4 * tally::kMaxCellCharacters;
}

// The fields of the text by plain splitting, no limits: what each cell should get.
std::vector<std::vector<std::string>> split(const std::string& text) {
  std::vector<std::vector<std::string>> lines(1);
  lines.back().emplace_back();
  for (size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\t') {
      lines.back().emplace_back();
    } else if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
      lines.back().emplace_back();
    } else {
      lines.back().back() += ch;
    }
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  FuzzedDataProvider in(data, size);
  const int startRow = pickCoordinate(in);
  const int startCol = pickCoordinate(in);
  const int rows = in.ConsumeBool() ? 1000 : pickCoordinate(in);
  const int cols = in.ConsumeBool() ? 2 : pickCoordinate(in);
  const std::string text = in.ConsumeRemainingBytesAsString();

  tally::PasteOverflow lost;
  const std::vector<tally::CellWrite> writes =
      tally::pasteWrites(text, startRow, startCol, rows, cols, &lost);
  const long long r0 = startRow < 0 ? 0 : startRow, c0 = startCol < 0 ? 0 : startCol;
  const auto lines = split(text);
  size_t expectedCut = 0, expectedWrites = 0;
  int expectedLines = 0, expectedCells = 0;
  for (size_t l = 0; l < lines.size(); ++l) {
    bool lineLost = false;
    for (size_t f = 0; f < lines[l].size(); ++f) {
      if (lines[l][f].empty()) continue;
      if (r0 + (long long)l >= rows) {
        lineLost = true;
      } else if (c0 + (long long)f >= cols) {
        ++expectedCells;
      } else {
        ++expectedWrites;
        if (tooLong(lines[l][f])) ++expectedCut;
      }
    }
    if (lineLost) ++expectedLines;
  }
  fuzz::require(writes.size() == expectedWrites, "one write per non-empty field that fits",
                std::to_string(writes.size()) + " vs " + std::to_string(expectedWrites));
  fuzz::require(lost.cut == expectedCut, "cut count is the number of long fields written");
  fuzz::require(lost.lines == expectedLines && lost.cells == expectedCells,
                "lines below the grid and cells beside it are counted");

  for (size_t i = 0; i < writes.size(); ++i) {
    const tally::CellWrite& w = writes[i];
    fuzz::require(w.row >= r0 && w.row < rows && w.col >= c0 && w.col < cols,
                  "write inside the grid and after the start",
                  std::to_string(w.row) + "," + std::to_string(w.col));
    if (i > 0) {
      const tally::CellWrite& p = writes[i - 1];
      fuzz::require(p.row < w.row || (p.row == w.row && p.col < w.col),
                    "writes in row-major order, each cell once");
    }
    fuzz::require(!w.text.empty(), "no empty write");
    fuzz::require(w.text.find_first_of("\t\r\n") == std::string::npos, "no separator in a cell");
    fuzz::require(fuzz::characters(w.text) <= tally::kMaxCellCharacters, "cell within 1000 characters");
    const std::string& field = lines[w.row - r0][w.col - c0];
    fuzz::require(field.compare(0, w.text.size(), w.text) == 0, "the cell holds its field's start",
                  fuzz::shown(w.text));
    fuzz::require(w.text == field || (tooLong(field) &&
                                      (fuzz::characters(w.text) == tally::kMaxCellCharacters ||
                                       w.text.size() == 4 * tally::kMaxCellCharacters)),
                  "only a long field is shortened, to what a cell holds");
  }

  // Block text of the written cells pasted again gives the same cells.
  if (!writes.empty() && writes.back().row - writes.front().row < 2000) {
    const int top = writes.front().row;
    int left = INT_MAX, right = 0;
    for (const auto& w : writes) {
      left = std::min(left, w.col);
      right = std::max(right, w.col);
    }
    if (right - left < 100) {
      std::vector<std::vector<std::string>> block(
          writes.back().row - top + 1, std::vector<std::string>(right - left + 1));
      for (const auto& w : writes) block[w.row - top][w.col - left] = w.text;
      const auto again = tally::pasteWrites(tally::blockText(block), top, left, rows, cols);
      fuzz::require(again == writes, "block text pasted again gives the same cells");
    }
  }
  return 0;
}
