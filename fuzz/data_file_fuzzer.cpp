// The data-file reader: any file's bytes, read from disk as Load Data reads them,
// then into the grid for each data type, saved and loaded again.
//   - the text read is the decoded bytes: valid UTF-8, no NUL;
//   - no cell holds more than 1000 characters or a TAB/CR/LF, and the read-only
//     class labels are never overwritten;
//   - saving the grid and loading the saved file gives the same grid, less a first
//     row that now reads as a header and with a decimal comma made a point.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "FuzzCheck.h"
#include "core/grid/DataFile.h"
#include "core/grid/PasteText.h"
#include "core/grid/SpreadsheetImport.h"
#include "core/stats/Report.h"

namespace {

std::string scratchFile() {
  static const std::string path = "/tmp/tallyscope-fuzz-data-" + std::to_string(getpid()) + ".csv";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput guard(data, size);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = scratchFile();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  std::string text, error;
  fuzz::require(tally::readDataFileText(path, text, error), "a regular file reads", error);
  fuzz::require(text == tally::decodeDataFile(bytes), "the file reads as its decoded bytes");
  fuzz::require(tally::isValidUtf8(text), "the text is UTF-8");
  fuzz::require(text.find('\0') == std::string::npos, "no NUL in the text");

  const tally::Grouping classes{0, 2.5, 7};
  for (int t = 0; t <= 4; ++t) {
    const auto type = static_cast<tally::DataType>(t);
    const tally::CellTable table = tally::loadDataText(text, type, classes);
    fuzz::require(table.size() == static_cast<size_t>(tally::kGridRows), "the grid's rows");
    for (size_t r = 0; r < table.size(); ++r) {
      for (const std::string& cell : table[r]) {
        fuzz::require(fuzz::characters(cell) <= tally::kMaxCellCharacters, "a cell holds 1000 characters");
        fuzz::require(cell.find_first_of("\t\r\n") == std::string::npos, "no separator in a cell");
      }
      if (type == tally::AlreadyGroupedContinuous)
        fuzz::require(table[r][0] == (r < 7 ? classes.classLabel(static_cast<int>(r)) : ""),
                      "class labels stay");
    }
    // Save Data, then Load Data of the saved file, in the same type.
    const std::string saved = tally::dataFileText(table);
    const tally::CellTable again = tally::loadDataText(tally::decodeDataFile(saved), type, classes);
    tally::CellTable expected = table;
    for (tally::CellRow& row : expected)
      for (std::string& cell : row) cell = tally::withDecimalPoint(cell);
    if (tally::isHeaderLine({expected[0][0], expected[0][1]})) {
      expected.erase(expected.begin());
      expected.emplace_back();
    }
    fuzz::require(again == expected, "a saved grid loads back the same");
  }
  return 0;
}
