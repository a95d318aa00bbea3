#pragma once
// The data-entry grid: a wxGrid that remembers its selected block and does
// copy, cut, paste and delete through the clipboard.
#include <wx/grid.h>

#include <cstddef>
#include <string>

class VardenGrid : public wxGrid {
 public:
  VardenGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = wxWANTS_CHARS);
  ~VardenGrid() override = default;

  // Writes TAB/line-separated text into the cells from the block's top-left
  // corner, or from the cursor cell when no block is selected. Empty fields,
  // cells outside the grid and read-only cells are left alone; a field longer
  // than a cell holds is cut. Reports no change; returns how many fields were cut.
  size_t pasteText(const wxString& text);
  // The same from a given start cell, whatever is selected, for UTF-8 text (a data
  // file's text need not become a wide string first).
  size_t pasteTextAt(const std::string& text, int startRow, int startCol);
  // Tells the user that `count` pasted or loaded fields were cut.
  void reportCutFields(size_t count);

  void pasteFromClipboard();
  // True when text was put on the clipboard (empty text leaves it alone).
  bool copySelection();
  void cutSelection();
  void clearSelection();

  // The selected block; all -1 when none is selected.
  int selectionTop = -1;
  int selectionLeft = -1;
  int selectionBottom = -1;
  int selectionRight = -1;

  void onRangeSelect(wxGridRangeSelectEvent& event);
  void onKeyDown(wxKeyEvent& event);

 private:
  bool hasBlock() const { return selectionTop != -1; }
  bool insideGrid(int row, int col) const;
  wxString selectionText() const;
  void postCellChange();

  wxDECLARE_EVENT_TABLE();
};
