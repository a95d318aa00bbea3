// The data-side commands of the main window: clear, print, example data, set names,
// column width.
#include "ui/app/MainFrame.h"

#include <wx/button.h>

#include "ui/stats/GroupingDialog.h"

// Empties both sets, the grid and every display after confirming the loss of data.
void MainFrame::onClearData(wxCommandEvent&) { probe("onClearData"); }

// Prints the statistics and the graphs on one page.
void MainFrame::onPrint(wxCommandEvent&) { probe("onPrint"); }

// Replaces both sets by the built-in example data.
void MainFrame::onAutoData(wxCommandEvent&) { probe("onAutoData"); }

// Renames Set 1 (button 6) or Set 2 (button 7) through a text prompt.
void MainFrame::onSetName(wxCommandEvent&) { probe("onSetName"); }

// Asks for the histogram column width, or opens the histogram grouping; the
// button's label says which.
void MainFrame::onColumnWidth(wxCommandEvent&) {
  probe("onColumnWidth");
  if (columnWidthButton->GetLabel() != _("Grouping...") || !histogramDialog) return;
  // The dialog itself keeps its values on Cancel, so its answer is not looked at.
  histogramDialog->ShowModal();
  if (histogramDialog->getGroupSize() > 0) refreshAnalysis();
}
