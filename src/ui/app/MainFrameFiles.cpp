// Data files and the analysis description.
#include "ui/app/MainFrame.h"

#include "ui/stats/GroupingDialog.h"

// Fills the grid from a TAB-separated data file and re-reads it.
void MainFrame::onLoadData(wxCommandEvent&) { probe("onLoadData"); }

// Writes the grid to a TAB-separated data file.
void MainFrame::onSaveData(wxCommandEvent&) { probe("onSaveData"); }

// Applying a description file arrives with the description reader; until then the
// grouping dialogs take the description's defaults and the window starts on the
// empty grid in its values-only look.
void MainFrame::openAnalysisDescription(const wxString&) {
  if (!classDialog) classDialog = new GroupingDialog(this, 0, 1, 10);
  if (!histogramDialog) histogramDialog = new GroupingDialog(this, 0, 1, 10);
  showSetInGrid(tally::ValuesOnly);
}
