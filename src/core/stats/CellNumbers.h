#pragma once
// The numbers of a table's cells, kept with the texts they were read from, so
// that reading the table again after an edit parses only the cells whose text
// changed. A cell's number depends on its text alone, so a remembered reading
// is used only while the text is the same.
#include <array>
#include <string>
#include <vector>

#include "core/stats/GridData.h"

namespace tally {

class CellNumbers {
 public:
  // As parseNumber on the cell's text; a row past the end of the table is no number.
  bool number(const CellTable& table, int row, int col, double& value);
  // Forgets every reading (the memory they hold too).
  void clear() { cells.clear(); }
  // How many cell texts were parsed since the numbers were made (lets tests see
  // that an unchanged cell is not parsed again).
  long parses() const { return parsed; }

 private:
  struct Reading {
    std::string text;
    double value = 0;
    bool known = false;
    bool isNumber = false;
  };
  std::vector<std::array<Reading, kGridColumns>> cells;
  long parsed = 0;
};

}  // namespace tally
