#include "ui/grid/VardenGrid.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/grid/PasteText.h"
#include "ui/WxBridge.h"

wxBEGIN_EVENT_TABLE(VardenGrid, wxGrid)
  EVT_KEY_DOWN(VardenGrid::onKeyDown)
  EVT_GRID_RANGE_SELECTED(VardenGrid::onRangeSelect)
wxEND_EVENT_TABLE()

VardenGrid::VardenGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       long style)
    : wxGrid(parent, id, pos, size, style) {}

void VardenGrid::onRangeSelect(wxGridRangeSelectEvent& event) {
  if (event.Selecting()) {
    selectionTop = event.GetTopRow();
    selectionLeft = event.GetLeftCol();
    selectionBottom = event.GetBottomRow();
    selectionRight = event.GetRightCol();
  } else {
    selectionTop = selectionLeft = selectionBottom = selectionRight = -1;
  }
  event.Skip();
}

void VardenGrid::onKeyDown(wxKeyEvent& event) {
  const bool ctrl = event.ControlDown();
  const bool shift = event.ShiftDown();
  const int key = event.GetKeyCode();
  if (ctrl && key == 'V') {
    pasteFromClipboard();
  } else if (ctrl && key == 'C') {
    copySelection();
  } else if (ctrl && key == 'X') {
    cutSelection();
  } else if (shift && key == WXK_INSERT) {
    pasteFromClipboard();
  } else if (ctrl && key == WXK_INSERT) {
    copySelection();
  } else if (shift && key == WXK_DELETE) {
    cutSelection();
  } else if (!shift && key == WXK_DELETE) {
    clearSelection();
  } else {
    event.Skip();
  }
}

bool VardenGrid::insideGrid(int row, int col) const {
  return row >= 0 && col >= 0 && row < GetNumberRows() && col < GetNumberCols();
}

size_t VardenGrid::pasteText(const wxString& text) {
  int row = hasBlock() ? selectionTop : GetGridCursorRow();
  int col = hasBlock() ? selectionLeft : GetGridCursorCol();
  return pasteTextAt(toStd(text), row, col);
}

size_t VardenGrid::pasteTextAt(const std::string& text, int startRow, int startCol) {
  size_t cut = 0;
  for (const tally::CellWrite& w :
       tally::pasteWrites(text, startRow, startCol, GetNumberRows(), GetNumberCols(), &cut)) {
    if (insideGrid(w.row, w.col) && !IsReadOnly(w.row, w.col))
      SetCellValue(w.row, w.col, toWx(w.text));
  }
  return cut;
}

void VardenGrid::reportCutFields(size_t count) {
  wxMessageDialog(this,
                  toWx(tally::cutFieldsMessage(count, toStd(wxGetTranslation(
                                                          tally::kCutFieldsMessage)))),
                  wxGetTranslation(tally::kCutFieldsTitle), wxOK | wxICON_WARNING)
      .ShowModal();
}

void VardenGrid::clearSelection() {
  if (!IsEditable()) return;
  if (hasBlock()) {
    // Clamped so that a block reported before the grid changed shape cannot reach past it.
    const int bottom = std::min(selectionBottom, GetNumberRows() - 1);
    const int right = std::min(selectionRight, GetNumberCols() - 1);
    for (int r = std::max(selectionTop, 0); r <= bottom; ++r)
      for (int c = std::max(selectionLeft, 0); c <= right; ++c)
        if (!IsReadOnly(r, c)) SetCellValue(r, c, wxString());
  } else {
    const int row = GetGridCursorRow();
    const int col = GetGridCursorCol();
    if (insideGrid(row, col) && !IsReadOnly(row, col)) SetCellValue(row, col, wxString());
  }
  postCellChange();
}

wxString VardenGrid::selectionText() const {
  if (!hasBlock()) {
    const int row = GetGridCursorRow();
    const int col = GetGridCursorCol();
    return insideGrid(row, col) ? GetCellValue(row, col) : wxString();
  }
  std::vector<std::vector<std::string>> rows;
  for (int r = selectionTop; r <= selectionBottom; ++r) {
    std::vector<std::string> cells;
    for (int c = selectionLeft; c <= selectionRight; ++c)
      cells.push_back(insideGrid(r, c) ? toStd(GetCellValue(r, c)) : std::string());
    rows.push_back(std::move(cells));
  }
  return toWx(tally::blockText(rows));
}

bool VardenGrid::copySelection() {
  const wxString text = selectionText();
  if (text.empty()) return false;
  if (!wxTheClipboard->Open()) return false;
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
  return true;
}

void VardenGrid::cutSelection() {
  if (copySelection()) clearSelection();
}

void VardenGrid::pasteFromClipboard() {
  if (!IsEditable()) return;
  if (!wxTheClipboard->Open()) return;
  size_t cut = 0;
  if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) {
    wxTextDataObject data;
    if (wxTheClipboard->GetData(data)) cut = pasteText(data.GetText());
  }
  wxTheClipboard->Close();
  postCellChange();
  if (cut > 0) reportCutFields(cut);
}

// Plain cell writes send no change event; one queued event per operation makes the
// window re-read the grid once, after the current event, however many cells changed.
void VardenGrid::postCellChange() {
  wxGridEvent changed(0, wxEVT_GRID_CELL_CHANGED, nullptr, -1, -1, -1, -1);
  wxPostEvent(GetEventHandler(), changed);
}
