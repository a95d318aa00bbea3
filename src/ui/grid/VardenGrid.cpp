#include "ui/grid/VardenGrid.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/msgdlg.h>
#include <wx/tooltip.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/graph/GraphDescription.h"
#include "core/graph/Contrast.h"
#include "core/grid/PasteText.h"
#include "ui/WxBridge.h"
#include "ui/access/Accessible.h"
#include "ui/access/AccessibleTable.h"
#include "ui/grid/GridCellTexts.h"

wxBEGIN_EVENT_TABLE(VardenGrid, wxGrid)
  EVT_KEY_DOWN(VardenGrid::onKeyDown)
  EVT_GRID_RANGE_SELECTED(VardenGrid::onRangeSelect)
  EVT_GRID_TABBING(VardenGrid::onTabbing)
  EVT_GRID_SELECT_CELL(VardenGrid::onSelectCell)
  EVT_GRID_EDITOR_CREATED(VardenGrid::onEditorCreated)
wxEND_EVENT_TABLE()

namespace {

// Draws cells as text, tinting those that do not count as numbers.
class CheckedCellRenderer : public wxGridCellStringRenderer {
 public:
  void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
            bool isSelected) override {
    const auto& checked = static_cast<const VardenGrid&>(grid);
    if (isSelected || checked.cellProblem(row, col).empty()) {
      wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
      return;
    }
    const tally::CellTint tint = VardenGrid::problemTint(attr.GetBackgroundColour(), attr.GetTextColour());
    wxGridCellAttr* tinted = attr.Clone();
    tinted->SetBackgroundColour(toWx(tint.background));
    tinted->SetTextColour(toWx(tint.text));
    wxGridCellStringRenderer::Draw(grid, *tinted, dc, rect, row, col, isSelected);
    tinted->DecRef();
  }
  wxGridCellRenderer* Clone() const override { return new CheckedCellRenderer; }
};

bool isPasteKey(const wxKeyEvent& event) {
  return (event.ControlDown() && event.GetKeyCode() == 'V') ||
         (event.ShiftDown() && event.GetKeyCode() == WXK_INSERT);
}

// The clipboard's text, empty when it holds none; false when it cannot be opened.
bool clipboardText(wxString& text) {
  text.clear();
  if (!wxTheClipboard->Open()) return false;
  wxTextDataObject data;
  if ((wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) &&
      wxTheClipboard->GetData(data))
    text = data.GetText();
  wxTheClipboard->Close();
  return true;
}

// More than one field: the text would fill several cells.
bool clipboardHoldsBlock() {
  wxString text;
  return clipboardText(text) && text.find_first_of("\t\r\n") != wxString::npos;
}

}  // namespace

// Light enough to read on a light theme, plain enough to catch the eye in a column
// of white cells; a dark red on a dark theme, where the peach would hold light text.
tally::CellTint VardenGrid::problemTint(const wxColour& background, const wxColour& text) {
  return tally::problemCellTint(toCore(background), toCore(text));
}

VardenGrid::VardenGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       long style)
    : wxGrid(parent, id, pos, size, style) {
  SetDefaultRenderer(new CheckedCellRenderer);
  GetGridWindow()->Bind(wxEVT_MOTION, &VardenGrid::onGridMotion, this);
}

void VardenGrid::createTable(int rows, int cols, wxGridSelectionModes selection) {
  SetTable(new GridCellTexts(rows, cols), true, selection);
}

const GridCellTexts* VardenGrid::cellTexts() const {
  return dynamic_cast<const GridCellTexts*>(GetTable());
}

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
  if (handleUndoKey(event)) return;
  if (key == WXK_TAB && ctrl && !event.AltDown()) {
    leaveGrid(!shift);
    return;
  }
  if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && tabStartCol >= 0 &&
      !event.HasAnyModifiers()) {
    // After value, Tab, frequency: Enter goes to the first column of the run on
    // the next row, as in a spreadsheet.
    const int col = tabStartCol;
    commitEditor();
    tabStartCol = -1;
    const int row = GetGridCursorRow() + 1;
    if (row < GetNumberRows()) moveByKeys(row, col);
    return;
  }
  if (isPasteKey(event)) {
    pasteFromClipboard();
  } else if (ctrl && key == 'C') {
    copySelection();
  } else if (ctrl && key == 'X') {
    cutSelection();
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

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; the main window keeps the history.
bool VardenGrid::handleUndoKey(const wxKeyEvent& event) {
  if (!event.ControlDown() || event.AltDown()) return false;
  const int key = event.GetKeyCode();
  if (key == 'Z') {
    postCommand(event.ShiftDown() ? wxID_REDO : wxID_UNDO);
    return true;
  }
  if (key == 'Y' && !event.ShiftDown()) {
    postCommand(wxID_REDO);
    return true;
  }
  return false;
}

// Sent at once, up to the window that keeps the history.
void VardenGrid::postCommand(int id) {
  wxCommandEvent command(wxEVT_MENU, id);
  command.SetEventObject(this);
  ProcessWindowEvent(command);
}

bool VardenGrid::commitEditor() {
  if (!IsCellEditControlEnabled()) return false;
  DisableCellEditControl();
  return true;
}

bool VardenGrid::cancelEditor() {
  if (!IsCellEditControlEnabled()) return false;
  wxGridCellEditor* editor = GetCellEditor(GetGridCursorRow(), GetGridCursorCol());
  editor->Reset();
  editor->DecRef();
  DisableCellEditControl();
  return true;
}

wxString VardenGrid::editorText() const {
  const int row = GetGridCursorRow();
  const int col = GetGridCursorCol();
  if (!insideGrid(row, col)) return wxString();
  if (!IsCellEditControlEnabled()) return GetCellValue(row, col);
  wxGridCellEditor* editor = GetCellEditor(row, col);
  const wxString text = editor->GetValue();
  editor->DecRef();
  return text;
}

bool VardenGrid::isDataCell(int row, int col) const {
  return insideGrid(row, col) && IsColShown(col) && GetColSize(col) > 0 && !IsReadOnly(row, col);
}

wxString VardenGrid::cellProblem(int row, int col) const {
  if (!isDataCell(row, col)) return wxString();
  const std::string reason = tally::notNumberReason(toStd(GetCellValue(row, col)));
  return reason.empty() ? wxString() : wxGetTranslation(toWx(reason));
}

void VardenGrid::onGridMotion(wxMouseEvent& event) {
  event.Skip();
  int x = 0, y = 0;
  CalcUnscrolledPosition(event.GetX(), event.GetY(), &x, &y);
  const wxString tip = cellProblem(YToRow(y), XToCol(x));
  wxWindow* window = GetGridWindow();
  if (tip.empty()) {
    if (window->GetToolTip()) window->UnsetToolTip();
  } else if (window->GetToolTipText() != tip) {
    window->SetToolTip(tip);
  }
}

void VardenGrid::moveByKeys(int row, int col) {
  movingByKeys = true;
  SetGridCursor(row, col);
  MakeCellVisible(row, col);
  movingByKeys = false;
}

void VardenGrid::onSelectCell(wxGridEvent& event) {
  if (!movingByKeys) tabStartCol = -1;
  a11y::setName(this, readerCellText(event.GetRow(), event.GetCol()));
  a11y::setTableCursor(this, event.GetRow(), a11y::gridTableColumn(*this, event.GetCol()));
  event.Skip();
}

// wxGrid keeps Tab, even with Ctrl, among its cells; a keyboard alone could then
// never get past the table.
void VardenGrid::leaveGrid(bool forward) {
  commitEditor();
  tabStartCol = -1;
  // The toolkit moves the focus on from where it is (NavigateIn; Navigate would
  // send an event no window of a natively tabbing toolkit handles). Forward it
  // would first go into the grid's own sub-windows: they take no focus meanwhile.
  std::vector<std::pair<wxWindow*, bool>> focusable{{this, a11y::takesFocus(this)}};
  for (wxWindow* child : GetChildren()) focusable.push_back({child, a11y::takesFocus(child)});
  for (const auto& [window, can] : focusable)
    if (can) window->SetCanFocus(false);
  NavigateIn(forward ? wxNavigationKeyEvent::IsForward : wxNavigationKeyEvent::IsBackward);
  for (const auto& [window, can] : focusable)
    if (can) window->SetCanFocus(true);
}

void VardenGrid::setReaderTitle(const wxString& title) {
  readerTitle = title;
  describeForReaders();
}

wxString VardenGrid::readerCellText(int row, int col) const {
  if (!insideGrid(row, col)) return readerTitle;
  const wxString text = GetCellValue(row, col);
  return wxString::Format(_("%s, row %d, %s: %s"), readerTitle, row + 1, GetColLabelValue(col),
                          text.empty() ? _("empty") : text);
}

// The rows with text, one by one ("1: 12; 2: 14, 3"), as many as a graph reads out.
void VardenGrid::describeForReaders() {
  // The grid's own window holds the keyboard focus; its cells draw in a child.
  a11y::setTable(this, a11y::gridTable(*this, GetGridCursorRow(), GetGridCursorCol()));
  a11y::setRole(this, a11y::Role::Table);
  a11y::setName(this, readerCellText(GetGridCursorRow(), GetGridCursorCol()));
  wxString rows;
  int listed = 0, filled = 0;
  // Read on every refresh: the shown columns are found once, each cell read once.
  std::vector<int> shown;
  for (int c = 0; c < GetNumberCols(); ++c)
    if (IsColShown(c) && GetColSize(c) > 0) shown.push_back(c);
  for (int r = 0; r < GetNumberRows(); ++r) {
    wxString cells;
    for (int c : shown) {
      const wxString cell = GetCellValue(r, c);
      if (cell.empty()) continue;
      if (!cells.empty()) cells += ", ";
      cells += cell;
    }
    if (cells.empty()) continue;
    ++filled;
    if (++listed > tally::kDescribedPointsMax) continue;
    if (!rows.empty()) rows += "; ";
    rows += wxString::Format("%d: %s", r + 1, cells);
  }
  wxString columns;
  for (int c = 0; c < GetNumberCols(); ++c)
    if (IsColShown(c) && GetColSize(c) > 0)
      columns += (columns.empty() ? "" : ", ") + GetColLabelValue(c);
  wxString description = wxString::Format(_("Columns: %s. "), columns);
  if (filled == 0)
    description += _("No row holds data.");
  else
    description += wxString::Format(_("Rows with data: %s"), rows) +
                   (filled > tally::kDescribedPointsMax
                        ? wxString::Format(_("; and %d more."), filled - tally::kDescribedPointsMax)
                        : wxString("."));
  a11y::setDescription(this, description);
  a11y::setName(GetGridColLabelWindow(), _("Column headers"));
  a11y::setDescription(GetGridColLabelWindow(), columns);
}

// The next cell a value can be typed into, row by row, skipping hidden columns
// (the frequency column of the values layout) and read-only class labels.
bool VardenGrid::nextEditableCell(int& row, int& col, bool forward) const {
  const int cols = GetNumberCols();
  int r = row, c = col;
  for (;;) {
    c += forward ? 1 : -1;
    if (c >= cols) {
      c = 0;
      ++r;
    } else if (c < 0) {
      c = cols - 1;
      --r;
    }
    if (r < 0 || r >= GetNumberRows()) return false;
    if (isDataCell(r, c)) break;
  }
  row = r;
  col = c;
  return true;
}

// Tab keeps what was typed and goes to the next visible cell; in the values
// layout, whose second column is hidden, that is the next row.
void VardenGrid::onTabbing(wxGridEvent& event) {
  commitEditor();
  int row = GetGridCursorRow();
  int col = GetGridCursorCol();
  const bool forward = !event.ShiftDown();
  if (forward && tabStartCol < 0) tabStartCol = col;
  if (nextEditableCell(row, col, forward))
    moveByKeys(row, col);
  else
    leaveGrid(forward);
}

void VardenGrid::onEditorCreated(wxGridEditorCreatedEvent& event) {
  event.GetControl()->Bind(wxEVT_KEY_DOWN, &VardenGrid::onEditorKey, this);
  event.Skip();
}

// Keys typed into an open cell editor that the editor itself would get wrong.
void VardenGrid::onEditorKey(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  const bool down = key == WXK_DOWN || key == WXK_NUMPAD_DOWN;
  const bool up = key == WXK_UP || key == WXK_NUMPAD_UP;
  if ((down || up) && !event.HasAnyModifiers()) {
    // The text entry would hand the arrow to focus navigation, which closes the
    // editor without moving, so the next value overwrote this one.
    const int col = GetGridCursorCol();
    const int row = GetGridCursorRow() + (down ? 1 : -1);
    commitEditor();
    if (row >= 0 && row < GetNumberRows()) {
      SetGridCursor(row, col);
      MakeCellVisible(row, col);
    }
    GetGridWindow()->SetFocus();
    return;
  }
  if (isPasteKey(event) && clipboardHoldsBlock()) {
    // Several cells' worth of text belongs in several cells, not in this one.
    commitEditor();
    GetGridWindow()->SetFocus();
    pasteFromClipboard();
    return;
  }
  if (handleUndoKey(event)) return;
  if (key == WXK_TAB && event.ControlDown() && !event.AltDown()) {
    leaveGrid(!event.ShiftDown());
    return;
  }
  event.Skip();
}

bool VardenGrid::insideGrid(int row, int col) const {
  return row >= 0 && col >= 0 && row < GetNumberRows() && col < GetNumberCols();
}

tally::PasteOverflow VardenGrid::pasteText(const wxString& text) {
  int row = hasBlock() ? selectionTop : GetGridCursorRow();
  int col = hasBlock() ? selectionLeft : GetGridCursorCol();
  if (row < 0) row = 0;
  if (col < 0) col = 0;
  return pasteTextAt(toStd(text), row, col);
}

tally::PasteOverflow VardenGrid::pasteTextAt(const std::string& text, int startRow,
                                             int startCol) {
  tally::PasteOverflow overflow;
  for (const tally::CellWrite& w : tally::pasteWrites(text, startRow, startCol, GetNumberRows(),
                                                      GetNumberCols(), &overflow)) {
    if (insideGrid(w.row, w.col) && !IsReadOnly(w.row, w.col))
      SetCellValue(w.row, w.col, toWx(w.text));
  }
  return overflow;
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
  wxString text;
  if (!clipboardText(text)) return;
  tally::PasteOverflow overflow;
  if (!text.empty()) overflow = pasteText(text);
  postCellChange();
  if (overflow.any()) {
    wxString message;
    if (overflow.lines > 0)
      message += wxString::Format(
          wxPLURAL("%d line did not fit below the last row of the table and was not pasted.",
                   "%d lines did not fit below the last row of the table and were not pasted.",
                   overflow.lines),
          overflow.lines);
    if (overflow.cells > 0) {
      if (!message.empty()) message += "\n";
      message += wxString::Format(
          wxPLURAL("%d cell did not fit beside the last column and was not pasted.",
                   "%d cells did not fit beside the last column and were not pasted.",
                   overflow.cells),
          overflow.cells);
    }
    wxMessageDialog(this, message, _("Not All Pasted"), wxOK | wxICON_EXCLAMATION | wxCENTRE)
        .ShowModal();
  }
  if (overflow.cut > 0) reportCutFields(overflow.cut);
}

// Plain cell writes send no change event; one queued event per operation makes the
// window re-read the grid once, after the current event, however many cells changed.
void VardenGrid::postCellChange() {
  wxGridEvent changed(0, wxEVT_GRID_CELL_CHANGED, nullptr, -1, -1, -1, -1);
  wxPostEvent(GetEventHandler(), changed);
}

void VardenGrid::DrawRowLabel(wxDC& dc, int row) {
  wxGridCellAttrProvider* provider = GetTable() ? GetTable()->GetAttrProvider() : nullptr;
  if (GetRowLabelSize() > 1 || !provider) {
    wxGrid::DrawRowLabel(dc, row);
    return;
  }
  if (GetRowSize(row) <= 0 || GetRowLabelSize() <= 0) return;
  wxRect rect(0, GetRowTop(row), GetRowLabelSize(), GetRowSize(row));
  provider->GetRowHeaderRenderer(row).DrawBorder(*this, dc, rect);
}
