// The two data sets, the data types and the grid layouts.
#include "ui/app/MainFrame.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"

namespace {

bool isDiscrete(int type) { return tally::isDiscreteType(static_cast<tally::DataType>(type)); }

}  // namespace

tally::DataType MainFrame::shownType() const {
  const int selection = dataTypeChoice->GetSelection();
  if (selection < tally::UngroupedDiscrete || selection > tally::AlreadyGroupedContinuous)
    return tally::UngroupedDiscrete;
  return static_cast<tally::DataType>(selection);
}

tally::GridLayout MainFrame::shownLayout() const { return tally::layoutForType(shownType()); }

tally::Grouping MainFrame::classGrouping() const {
  if (!classDialog) return tally::Grouping();
  return {classDialog->getStartValue(), classDialog->getGroupSize(), classDialog->getGroupCount()};
}

tally::Grouping MainFrame::histogramGrouping() const {
  if (!histogramDialog) return tally::Grouping();
  return {histogramDialog->getStartValue(), histogramDialog->getGroupSize(),
          histogramDialog->getGroupCount()};
}

tally::CellTable MainFrame::readGrid() const {
  const int rows = std::min(grid->GetNumberRows(), tally::kGridRows);
  tally::CellTable table(static_cast<size_t>(rows));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < tally::kGridColumns; ++c) table[r][c] = toStd(grid->GetCellValue(r, c));
  return table;
}

void MainFrame::showMessage(const wxString& message, const wxString& title, long style) {
  wxMessageDialog(this, message, title, style).ShowModal();
}

void MainFrame::onGridCellChanged(wxGridEvent&) {
  probe("extractGridData");
  extractGridData();
}

// Rebuilds the shown set from the grid, then refreshes the analysis.
void MainFrame::extractGridData() {
  const tally::ExtractResult read =
      tally::extractGridData(shownType(), readGrid(), classGrouping(), dataSets[currentSet]);
  for (const tally::CellWrite& w : read.rewrites) grid->SetCellValue(w.row, w.col, toWx(w.text));
  // The set is rebuilt on every change, so a repeated row is reported each time
  // until the user removes it.
  for (double value : read.duplicates)
    showMessage(toWx(tally::duplicateValueMessage(
                    value, toStd(wxGetTranslation(tally::kDuplicateValueMessage)))),
                wxGetTranslation(tally::kDuplicateValueTitle), wxOK | wxCENTRE);
  refreshAnalysis();
}

// Shows the chosen set in the grid in the layout of the data type.
void MainFrame::onSetSelected(wxCommandEvent& event) {
  probe("onSetSelected");
  currentSet = event.GetId() == ID_SET2_RADIO ? 1 : 0;
  showSetInGrid(shownLayout());
}

// The third page shows either the box plot or the ogive with its slider.
void MainFrame::showOgivePage(bool ogive) {
  boxPageSizer->Show(boxPlotSizer, !ogive);
  boxPageSizer->Show(percentileSizer, ogive);
  // Adding a page strips the doubled ampersand on GTK, renaming one does not.
  notebook->SetPageText(2, wxStripMenuCodes(ogive ? _("Ogive") : _("Box && Whisker"),
                                            wxStrip_Mnemonics));
  boxPage->Layout();
}

// Switches the data type: grid layout, column-width button and the third page.
void MainFrame::onDataTypeChanged(wxCommandEvent&) {
  probe("onDataTypeChanged");
  applyDataType(shownType(), true);
}

void MainFrame::applyDataType(int newType, bool askClasses) {
  const int oldType = currentType;
  // Choosing already grouped data again reopens its grouping.
  if (newType == oldType && newType != tally::AlreadyGroupedContinuous) return;
  dataTypeChoice->SetSelection(newType);

  groupingDetailsButton->Hide();
  if (newType == tally::AlreadyGroupedContinuous) {
    groupingDetailsButton->Show();
    groupingDetailsButton->GetParent()->Layout();
    if (askClasses) classDialog->ShowModal();
    columnWidthButton->Hide();
    columnGraphPage->Layout();
    handPercentileRange();
    showOgivePage(true);
    showSetInGrid(tally::Classes);
    refreshAnalysis();
    currentType = newType;
    return;
  }
  groupingDetailsButton->GetParent()->Layout();

  const bool discrete = isDiscrete(newType);
  // Only a change between the discrete and the continuous family (or away from
  // classes) changes the bars.
  const bool familyChanged =
      oldType == tally::AlreadyGroupedContinuous || isDiscrete(oldType) != discrete;
  if (familyChanged) {
    setColumnWidth(columnWidth, newType);
    columnWidthButton->SetLabel(discrete ? _("Col Width...") : _("Grouping..."));
    if (oldType == tally::AlreadyGroupedContinuous) {
      showOgivePage(false);
      columnWidthButton->Show();
    }
    columnGraphPage->Layout();
    refreshAnalysis();
  }
  if (tally::layoutForType(static_cast<tally::DataType>(oldType)) != shownLayout())
    showSetInGrid(shownLayout());
  currentType = newType;
}

// Opens the class grouping of already grouped data.
void MainFrame::onGroupingDetails(wxCommandEvent&) {
  probe("onGroupingDetails");
  // The button is shown only for already grouped data; a stray click otherwise
  // must not regroup a set that is not shown in classes.
  if (shownType() != tally::AlreadyGroupedContinuous || !classDialog) return;
  classDialog->ShowModal();
  handPercentileRange();
  showSetInGrid(tally::Classes);
  refreshAnalysis();
}

// Clears the grid and writes the shown set in the given layout.
void MainFrame::showSetInGrid(tally::GridLayout layout) {
  grid->BeginBatch();
  // Attributes go first so that no read-only class label survives a change of layout.
  if (layout == tally::Classes) {
    auto* labels = new wxGridCellAttr;
    labels->SetReadOnly(true);
    labels->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    labels->SetTextColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    grid->SetColAttr(0, labels);
  } else {
    grid->SetColAttr(0, nullptr);
  }
  grid->ClearGrid();
  if (layout == tally::ValuesOnly) {
    grid->SetColSize(0, 160);
    grid->SetColSize(1, 0);
  } else {
    grid->SetColSize(0, 80);
    grid->SetColSize(1, 80);
  }

  const tally::GridRows out = tally::setToGridRows(dataSets[currentSet], layout, classGrouping());
  const int rows = std::min(static_cast<int>(out.rows.size()), grid->GetNumberRows());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < tally::kGridColumns; ++c)
      if (!out.rows[r][c].empty()) grid->SetCellValue(r, c, toWx(out.rows[r][c]));
  if (layout == tally::Classes) {
    // A label such as "1980 - < 1985" is wider than 80 pixels: the column grows to
    // the widest one, so that no class bound is cut.
    const wxFont font = grid->GetDefaultCellFont();
    int widest = 0;
    for (int r = 0; r < rows; ++r) {
      int w = 0, h = 0;
      grid->GetTextExtent(toWx(out.rows[r][0]), &w, &h, nullptr, nullptr, &font);
      widest = std::max(widest, w);
    }
    grid->SetColSize(0, std::max(80, widest + 8));
  }
  grid->EndBatch();
  grid->ForceRefresh();

  if (out.exceeded)
    showMessage(wxGetTranslation(tally::kRowsExceededMessage),
                wxGetTranslation(tally::kRowsExceededTitle), wxOK | wxCENTRE);
}

tally::Analysis MainFrame::currentAnalysis() const {
  tally::Analysis a;
  for (int s = 0; s < 2; ++s) {
    a.sets[s].pairs = dataSets[s].pairs;
    a.setNames[s] = toStd(setNameLabel[s]->GetLabel());
    a.percentiles[s] = percentileSpin[s]->GetValue();
  }
  a.type = static_cast<tally::DataType>(currentType);  // the type in force, also mid-switch
  a.shownSet = currentSet;
  a.classes = classGrouping();
  a.histogram = histogramGrouping();
  a.columnWidth = columnWidth;
  a.sampleStdDev = sampleStdDev;
  return a;
}

namespace {

bool insideWindow(const wxWindow* inner, const wxWindow* outer) {
  for (const wxWindow* w = inner; w; w = w->GetParent())
    if (w == outer) return true;
  return false;
}

// Idle-time interface updates and focus notices are command events, but no user action.
bool isUserCommand(const wxEvent& event) {
  const wxEventType type = event.GetEventType();
  return event.IsCommandEvent() && type != wxEVT_UPDATE_UI && type != wxEVT_CHILD_FOCUS;
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
  if (--eventDepth == 0) recordUndoStep();
  return handled;
}

void MainFrame::commitGridEditor() {
  if (!grid || !grid->IsCellEditControlEnabled()) return;
  // The choice already shows a newly picked type when its event arrives; the
  // open cell was typed into the layout of the type still in force, and is read
  // (and the statistics refreshed) as that type.
  const int chosen = dataTypeChoice->GetSelection();
  dataTypeChoice->SetSelection(currentType);
  grid->commitEditor();
  dataTypeChoice->SetSelection(chosen);
  recordUndoStep();
}

void MainFrame::recordUndoStep() {
  if (!historyStarted || IsBeingDeleted()) return;
  history.record(currentAnalysis());
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
  restoreAnalysis(history.undo(), shown);
  --eventDepth;
}

void MainFrame::redo() {
  commitGridEditor();
  if (!history.canRedo()) return;
  const tally::Analysis& next = history.redo();
  ++eventDepth;
  restoreAnalysis(next, next.shownSet);
  --eventDepth;
}

void MainFrame::onUndo(wxCommandEvent&) { undo(); }

void MainFrame::onRedo(wxCommandEvent&) { redo(); }

// Puts a recorded state back: data, names, groupings, column width, type and
// layout, then recomputes the statistics from the restored sets.
void MainFrame::restoreAnalysis(const tally::Analysis& recorded, int shownSet) {
  const tally::Analysis state = recorded;  // the history may move while restoring
  for (int s = 0; s < 2; ++s) {
    dataSets[s].pairs = state.sets[s].pairs;
    dataSets[s].name = state.setNames[s];
    setNameLabel[s]->SetLabel(toWx(state.setNames[s]));
  }
  classDialog->setValues(state.classes.startValue, state.classes.groupSize,
                         state.classes.groupCount);
  classDialog->refreshFields();
  // Restoring the grouping is no choice of the user's: a grouping that followed the
  // data goes on following them.
  const bool followed = histogramDialog->followsData();
  histogramDialog->setValues(state.histogram.startValue, state.histogram.groupSize,
                             state.histogram.groupCount);
  histogramDialog->refreshFields();
  histogramDialog->setFollowsData(followed);
  setColumnWidth(state.columnWidth, state.type);
  currentSet = shownSet;
  (shownSet == 1 ? set2Radio : set1Radio)->SetValue(true);
  applyDataType(state.type, false);
  // Already grouped data were shown and refreshed by applyDataType itself.
  if (state.type == tally::AlreadyGroupedContinuous) return;
  showSetInGrid(shownLayout());
  refreshAnalysis();
}

void MainFrame::markDataSaved(int set) {
  for (int s = 0; s < 2; ++s)
    if (set < 0 || set == s) savedPairs[s] = dataSets[s].pairs;
}

bool MainFrame::hasUnsavedData() const {
  return dataSets[0].pairs != savedPairs[0] || dataSets[1].pairs != savedPairs[1];
}

// Asks before typed data are lost with the window.
void MainFrame::onClose(wxCloseEvent& event) {
  commitGridEditor();
  if (event.CanVeto() && hasUnsavedData()) {
    wxMessageDialog ask(this, _("The data have not been saved. Close anyway?"), _("Tallyscope"),
                        wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    if (ask.ShowModal() != wxID_YES) {
      event.Veto();
      return;
    }
  }
  event.Skip();
}

void MainFrame::setColumnWidth(double width, int type) {
  columnWidth = width;
  const double bar = tally::barWidth(static_cast<tally::DataType>(type), width);
  series[COLUMNS_SET1].columnWidth = bar;
  series[COLUMNS_SET2].columnWidth = bar;
}
