// The two data sets, the data types and the grid layouts.
#include "ui/app/MainFrame.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"

namespace {

bool isDiscrete(int type) {
  return type == tally::UngroupedDiscrete || type == tally::GroupedDiscrete;
}

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
  const int newType = shownType();
  const int oldType = currentType;
  // Choosing already grouped data again reopens its grouping.
  if (newType == oldType && newType != tally::AlreadyGroupedContinuous) return;

  groupingDetailsButton->Hide();
  if (newType == tally::AlreadyGroupedContinuous) {
    groupingDetailsButton->Show();
    groupingDetailsButton->GetParent()->Layout();
    classDialog->ShowModal();
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
    const double width = discrete ? tally::discreteBarWidth(columnWidth) : tally::kContinuousBarWidth;
    series[COLUMNS_SET1].columnWidth = width;
    series[COLUMNS_SET2].columnWidth = width;
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
  grid->EndBatch();
  grid->ForceRefresh();

  if (out.exceeded)
    showMessage(wxGetTranslation(tally::kRowsExceededMessage),
                wxGetTranslation(tally::kRowsExceededTitle), wxOK | wxCENTRE);
}
