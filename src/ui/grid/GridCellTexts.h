#pragma once
// The data grid's cells: a string table that also keeps each cell's text as the
// model reads it, so that finding the cells an edit changed compares texts
// without copying a thousand of them out of the grid first.
#include <wx/grid.h>

#include <string>
#include <vector>

class GridCellTexts : public wxGridStringTable {
 public:
  GridCellTexts(int rows, int cols);

  // A cell's text as the model keeps it: UTF-8, ending at a nul; a cell outside
  // the table is empty.
  const std::string& text(int row, int col) const;
  static std::string modelText(const wxString& cell);

  void SetValue(int row, int col, const wxString& value) override;
  void Clear() override;
  bool InsertRows(size_t pos = 0, size_t numRows = 1) override;
  bool AppendRows(size_t numRows = 1) override;
  bool DeleteRows(size_t pos = 0, size_t numRows = 1) override;
  bool InsertCols(size_t pos = 0, size_t numCols = 1) override;
  bool AppendCols(size_t numCols = 1) override;
  bool DeleteCols(size_t pos = 0, size_t numCols = 1) override;

 private:
  // Reads every cell again from the table: after a change of shape it did not
  // foresee.
  void readAll();
  // Reads every cell again after a change of shape and passes on its answer.
  bool readAfter(bool changed);

  std::vector<std::vector<std::string>> texts;
};
