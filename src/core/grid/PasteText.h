#pragma once
// The text rules of the data-entry grid's clipboard: how pasted text becomes
// cell writes, and how a block of cells becomes clipboard text.
#include <climits>
#include <cstddef>
#include <string>
#include <vector>

namespace tally {

// A cell holds at most this many characters: drawing and measuring a cell's text
// costs time in its length, and no number or note needs more.
constexpr std::size_t kMaxCellCharacters = 1000;

struct CellWrite {
  int row = 0;
  int col = 0;
  std::string text;
  bool operator==(const CellWrite& o) const {
    return row == o.row && col == o.col && text == o.text;
  }
};

// The writes of pasting `text` with its first field at (startRow, startCol).
// TAB ends a field; CR, LF or CR LF ends a field and the line. Only non-empty
// fields are written (an empty field leaves its cell alone); fields are taken as
// they stand, with no trimming or quoting. No write is built at or past `rows` and
// `cols` (the grid's size), so a huge text costs no memory for what cannot fit; the
// caller drops writes onto read-only cells. A field longer than kMaxCellCharacters
// UTF-8 characters is cut to that many. `dropped`, when given, receives what did not
// fit and how many written fields were cut.
struct PasteOverflow;
std::vector<CellWrite> pasteWrites(const std::string& text, int startRow, int startCol,
                                   int rows = INT_MAX, int cols = INT_MAX,
                                   PasteOverflow* dropped = nullptr);

// What a paste could not place in a grid of `rows` x `cols`: the lines below the
// last row that held at least one field, and the fields of the other lines that
// fell past the last column; and how many fields it wrote were cut to a cell's size.
struct PasteOverflow {
  int lines = 0;
  int cells = 0;
  std::size_t cut = 0;
  bool any() const { return lines > 0 || cells > 0; }
  bool operator==(const PasteOverflow& o) const {
    return lines == o.lines && cells == o.cells && cut == o.cut;
  }
};

// Clipboard text of a block: cells of a row joined by TAB, every row ended by CR LF.
std::string blockText(const std::vector<std::vector<std::string>>& rows);

// What the window tells the user after a paste or load cut long fields.
const char* const kCutFieldsTitle = "Long Fields Cut";
// "%s" stands for the number of fields cut.
const char* const kCutFieldsMessage =
    "%s fields were longer than 1000 characters. Each was cut to its first 1000 characters.";
std::string cutFieldsMessage(std::size_t count, const std::string& message = kCutFieldsMessage);

}  // namespace tally
