// The table, the two sets, the data types and undo.
#include "ui/app/MainFrame.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>

#include "ui/LateControls.h"
#include "ui/WxBridge.h"
#include "ui/grid/GridCellTexts.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"

// The grid is the table's editor. The cells whose text in the grid is not the
// model's text of the shown table are the edit's input: an edit, a paste or a
// deletion hands the model only those. A row of the model beyond the grid's rows
// counts as cleared, as reading the grid whole would have it.
std::vector<tally::CellWrite> MainFrame::changedCells() const {
  const tally::CellTable& held = model.shownCells();
  const int rows = std::min(grid->GetNumberRows(), tally::kGridRows);
  std::vector<tally::CellWrite> changed;
  static const std::string blank;
  // The grid's own table keeps its texts as the model reads them; another table
  // has each cell read out and converted.
  const GridCellTexts* texts = grid->cellTexts();
  std::string converted;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < tally::kGridColumns; ++c) {
      const std::string& before =
          static_cast<size_t>(r) < held.size() ? held[r][c] : blank;
      const std::string* now = &converted;
      if (texts)
        now = &texts->text(r, c);
      else
        converted = GridCellTexts::modelText(grid->GetCellValue(r, c));
      if (*now != before) changed.push_back({r, c, *now});
    }
  for (size_t r = static_cast<size_t>(rows); r < held.size(); ++r)
    for (int c = 0; c < tally::kGridColumns; ++c)
      if (!held[r][c].empty()) changed.push_back({static_cast<int>(r), c, std::string()});
  return changed;
}

void MainFrame::showMessage(const wxString& message, const wxString& title, long style) {
  wxMessageDialog(this, message, title, style).ShowModal();
}

void MainFrame::onGridCellChanged(wxGridEvent&) {
  probe("extractGridData");
  extractGridData();
}

void MainFrame::extractGridData() { show(model.enterCells(changedCells())); }

// Shows the chosen set's table.
void MainFrame::onSetSelected(wxCommandEvent& event) {
  probe("onSetSelected");
  show(model.selectSet(event.GetId() == ID_SET2_RADIO ? 1 : 0));
}

tally::Grouping MainFrame::askClasses() {
  const tally::Grouping& g = model.classes();
  classDialog->setValues(g.startValue, g.groupSize, g.groupCount);
  classDialog->refreshFields();
  // The dialog keeps the values it was given on Cancel.
  classDialog->ShowModal();
  return {classDialog->getStartValue(), classDialog->getGroupSize(),
          classDialog->getGroupCount()};
}

// Switches the data type; already grouped data ask for their classes first, also
// when chosen again.
void MainFrame::onDataTypeChanged(wxCommandEvent& event) {
  probe("onDataTypeChanged");
  const int chosen = event.GetInt();
  if (chosen < tally::UngroupedDiscrete || chosen > tally::AlreadyGroupedContinuous) return;
  const auto type = static_cast<tally::DataType>(chosen);
  if (type == tally::AlreadyGroupedContinuous) {
    // Counting the values in classes must not lose any without a word.
    const tally::Grouping classes = askClasses();
    show(model.setClasses(classes, askWidenClasses(classes)));
  }
  show(model.chooseType(type));
}

bool MainFrame::askWidenClasses(const tally::Grouping& classes) {
  const double outside = model.countOutside(classes);
  if (outside <= 0) return false;
  wxMessageDialog question(this, toWx(tally::widenClassesQuestion(outside)),
                           _("Already Grouped Continuous"), wxYES_NO | wxICON_QUESTION);
  return question.ShowModal() == wxID_YES;
}

// Opens the class grouping of already grouped data.
void MainFrame::onGroupingDetails(wxCommandEvent&) {
  probe("onGroupingDetails");
  // The button is shown only for already grouped data; a stray click otherwise
  // must not regroup a set that is not shown in classes.
  if (model.type() != tally::AlreadyGroupedContinuous || !classDialog) return;
  show(model.setClasses(askClasses()));
}

namespace {

bool insideWindow(const wxWindow* inner, const wxWindow* outer) {
  for (const wxWindow* w = inner; w; w = w->GetParent())
    if (w == outer) return true;
  return false;
}

// Idle-time interface updates, focus notices, the toolkit's notices that a window
// was made or destroyed and the hand-over of controls made late are command
// events, but no user action.
bool isUserCommand(const wxEvent& event) {
  const wxEventType type = event.GetEventType();
  return event.IsCommandEvent() && type != wxEVT_UPDATE_UI && type != wxEVT_CHILD_FOCUS &&
         type != wxEVT_CREATE && type != wxEVT_DESTROY && type != EVT_LATE_CONTROLS;
}

}  // namespace

// Before any control other than the grid acts, an open cell editor is saved into
// the set it was opened on: the grid's own commit on losing focus comes later,
// after a set switch would already have changed the set it is read into.
bool MainFrame::TryBefore(wxEvent& event) {
  if (isUserCommand(event) && grid && grid->IsCellEditControlEnabled()) {
    const bool undoKey = event.GetEventType() == wxEVT_MENU &&
                         (event.GetId() == wxID_UNDO || event.GetId() == wxID_REDO);
    const auto* source = wxDynamicCast(event.GetEventObject(), wxWindow);
    if (!undoKey && source && !insideWindow(source, grid)) commitGridEditor();
  }
  return wxFrame::TryBefore(event);
}

bool MainFrame::ProcessEvent(wxEvent& event) {
  // Idle-time updates climb up from every window and never change the data: no
  // snapshots for them.
  if (!isUserCommand(event)) return wxFrame::ProcessEvent(event);
  // A change made outside any event (a caller writing the grid and re-reading
  // it) becomes a step of its own before this event adds another.
  if (eventDepth == 0) recordUndoStep();
  ++eventDepth;
  const bool handled = wxFrame::ProcessEvent(event);
  if (--eventDepth == 0) {
    recordUndoStep();
    showTitle();
  }
  return handled;
}

// The open cell was typed into the table of the type still in force, and is read
// as that type: the model's, whatever the choice already shows.
void MainFrame::commitGridEditor() {
  if (!grid || !grid->IsCellEditControlEnabled()) return;
  grid->commitEditor();
  recordUndoStep();
}

void MainFrame::recordUndoStep() {
  if (!historyStarted || IsBeingDeleted()) return;
  history.record(model.state());
}

void MainFrame::undo() {
  if (grid->IsCellEditControlEnabled()) {
    const int row = grid->GetGridCursorRow();
    const int col = grid->GetGridCursorCol();
    const bool typed = grid->editorText() != grid->GetCellValue(row, col);
    grid->cancelEditor();
    // What is typed in the open cell is the latest change: undoing it is the step.
    if (typed) return;
  }
  recordUndoStep();
  if (!history.canUndo()) return;
  // The set the undone change was made in is shown, so the student sees it go.
  const int shown = history.current().shownSet;
  ++eventDepth;  // no step is recorded halfway through a restore
  show(model.restore(history.undo(), shown));
  --eventDepth;
}

void MainFrame::redo() {
  commitGridEditor();
  if (!history.canRedo()) return;
  const tally::Analysis& next = history.redo();
  ++eventDepth;
  show(model.restore(next, next.shownSet));
  --eventDepth;
}

void MainFrame::onUndo(wxCommandEvent&) { undo(); }

void MainFrame::onRedo(wxCommandEvent&) { redo(); }

// Asks before unsaved work is lost with the window.
void MainFrame::onClose(wxCloseEvent& event) {
  commitGridEditor();
  if (event.CanVeto() && !askSaveChanges()) {
    event.Veto();
    return;
  }
  event.Skip();
}
