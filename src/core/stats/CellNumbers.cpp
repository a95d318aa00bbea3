#include "core/stats/CellNumbers.h"

#include "core/NumberText.h"

namespace tally {

bool CellNumbers::number(const CellTable& table, int row, int col, double& value) {
  if (row < 0 || row >= static_cast<int>(table.size()) || col < 0 || col >= kGridColumns)
    return false;
  const std::string& text = table[static_cast<size_t>(row)][static_cast<size_t>(col)];
  // A blank cell is the common case of a sparse table: no reading to keep.
  if (text.empty()) return false;
  if (static_cast<size_t>(row) >= cells.size()) cells.resize(static_cast<size_t>(row) + 1);
  Reading& r = cells[static_cast<size_t>(row)][static_cast<size_t>(col)];
  if (!r.known || r.text != text) {
    r.text = text;
    r.known = true;
    r.isNumber = parseNumber(text, r.value);
    ++parsed;
  }
  if (r.isNumber) value = r.value;
  return r.isNumber;
}

}  // namespace tally
