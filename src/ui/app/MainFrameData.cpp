// The two data sets, the data types and the grid layouts.
#include "ui/app/MainFrame.h"

#include <wx/grid.h>

#include "ui/grid/VardenGrid.h"

void MainFrame::onGridCellChanged(wxGridEvent&) {
  probe("extractGridData");
  extractGridData();
}

// Rebuilds the shown set from the grid, then refreshes the analysis.
void MainFrame::extractGridData() {}

// Shows the chosen set in the grid in the layout of the data type.
void MainFrame::onSetSelected(wxCommandEvent&) { probe("onSetSelected"); }

// Switches the data type: grid layout, column-width button and the third page.
void MainFrame::onDataTypeChanged(wxCommandEvent&) { probe("onDataTypeChanged"); }

// Opens the class grouping of already grouped data.
void MainFrame::onGroupingDetails(wxCommandEvent&) { probe("onGroupingDetails"); }

// Only the values-only look for now: the value column fills the grid and the
// frequency column is hidden. Writing the set's pairs in each layout comes with the
// data-type work.
void MainFrame::showSetInGrid(tally::GridLayout) {
  grid->ClearGrid();
  grid->SetColSize(0, 160);
  grid->SetColSize(1, 0);
}
