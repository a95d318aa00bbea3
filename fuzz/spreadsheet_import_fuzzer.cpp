// Spreadsheet import: any file's bytes, decoded and read as Load Data reads them.
//   - reading is deterministic, and the separator is the one findSeparator finds;
//   - every write lies inside the 1000 x 2 table, at most once per cell, in file
//     order; its text is non-empty, valid UTF-8, one line (no TAB/CR/LF) of at most
//     1000 characters; with TAB or ';' as separator no decimal comma is left;
//   - "no numbers" is exactly a table without a number, and says so with the file's
//     name; "frequencies" is exactly a row with a number in both columns;
//   - the header is one trimmed line of UTF-8, and never a number;
//   - the table saved (TAB-separated) and read again gives the same cells, less a
//     first row that now reads as a header and with a decimal comma made a point.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/NumberText.h"
#include "core/grid/DataFile.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/GridData.h"

namespace {

bool isNumber(const std::string& text) {
  double v;
  return tally::parseNumber(text, v);
}

bool sameImport(const tally::DataImport& a, const tally::DataImport& b) {
  return a.problem == b.problem && a.error == b.error && a.writes == b.writes &&
         a.separator == b.separator && a.header == b.header && a.hasNumbers == b.hasNumbers &&
         a.frequencies == b.frequencies && a.cut == b.cut;
}

tally::CellTable tableOf(const tally::DataImport& d) {
  tally::CellTable table(tally::kGridRows);
  for (const tally::CellWrite& w : d.writes) table[w.row][w.col] = w.text;
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  const std::string text =
      tally::decodeDataFile(std::string(reinterpret_cast<const char*>(data), size));
  const tally::DataImport d = tally::importDataText(text, "scores.csv");
  fuzz::require(sameImport(d, tally::importDataText(text, "scores.csv")), "the same text reads the same");
  fuzz::require(d.separator == tally::findSeparator(text), "the separator is the one found");
  fuzz::require(d.separator == '\t' || d.separator == ';' || d.separator == ',',
                "TAB, semicolon or comma");

  bool numbers = false, frequencies = false;
  std::vector<std::vector<bool>> number(tally::kGridRows, std::vector<bool>(tally::kGridColumns));
  long previous = -1;
  for (const tally::CellWrite& w : d.writes) {
    fuzz::require(w.row >= 0 && w.row < tally::kGridRows && w.col >= 0 &&
                      w.col < tally::kGridColumns,
                  "a write lies inside the table");
    const long at = static_cast<long>(w.row) * tally::kGridColumns + w.col;
    fuzz::require(at > previous, "writes in file order, once per cell");
    previous = at;
    fuzz::require(!w.text.empty(), "a write has text");
    fuzz::require(tally::isValidUtf8(w.text), "a cell is UTF-8", fuzz::shown(w.text));
    fuzz::require(w.text.find_first_of("\t\r\n") == std::string::npos, "a cell is one line");
    fuzz::require(fuzz::characters(w.text) <= tally::kMaxCellCharacters, "a cell holds 1000 characters");
    if (d.separator != ',')
      fuzz::require(tally::withDecimalPoint(w.text) == w.text, "no decimal comma is left",
                    fuzz::shown(w.text));
    number[w.row][w.col] = isNumber(w.text);
    numbers = numbers || number[w.row][w.col];
    frequencies = frequencies || (number[w.row][0] && number[w.row][1]);
  }
  fuzz::require(d.cut <= d.writes.size(), "only written fields are cut");
  fuzz::require(d.hasNumbers == numbers, "hasNumbers says whether a cell is a number");
  fuzz::require(d.frequencies == frequencies, "frequencies: a row of two numbers");
  fuzz::require((d.problem == tally::DataImport::NoNumbers) == !numbers, "no numbers is an error");
  fuzz::require(d.problem != tally::DataImport::Unreadable, "text is always readable");
  if (!numbers)
    fuzz::require(d.error == "No numbers found in scores.csv.", "the message names the file", d.error);
  fuzz::require(tally::isValidUtf8(d.header), "the header is UTF-8");
  fuzz::require(d.header.find_first_of("\t\r\n") == std::string::npos, "the header is one line");
  fuzz::require(d.header.empty() || (d.header.front() != ' ' && d.header.back() != ' '),
                "the header is trimmed");
  fuzz::require(!isNumber(d.header), "a header is no number", d.header);

  // Save Data, then Load Data of the saved file.
  tally::CellTable expected = tableOf(d);
  for (tally::CellRow& row : expected)
    for (std::string& cell : row) cell = tally::withDecimalPoint(cell);
  if (tally::isHeaderLine({expected[0][0], expected[0][1]})) {
    expected.erase(expected.begin());
    expected.emplace_back();
  }
  const tally::DataImport again =
      tally::importDataText(tally::decodeDataFile(tally::dataFileText(tableOf(d))), "scores.csv");
  fuzz::require(again.separator == '\t', "a saved file is TAB-separated");
  fuzz::require(tableOf(again) == expected, "a saved table reads back the same");
  return 0;
}
