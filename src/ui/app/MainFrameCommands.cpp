// The data-side commands of the main window: clear, print, example data, set names,
// column width.
#include "ui/app/MainFrame.h"

#include <cmath>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/printdlg.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>

#include "core/NumberText.h"
#include "core/grid/DataFile.h"
#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/views/AnalysisPrintout.h"

namespace {

// A description's start, size or column width as Auto Data applies it: its whole
// part, unless that would turn a positive value into 0 (a size of 0.5 would give
// classes the grouping dialog refuses, a width of 0.5 invisible columns).
double wholePart(double v) {
  const double whole = std::trunc(v);
  return whole <= 0 && v > 0 ? v : whole;
}

wxPrinterError showPrinter(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout) {
  wxPrinter printer(&data);
  if (printer.Print(parent, &printout, true)) {
    data = printer.GetPrintDialogData();
    return wxPRINTER_NO_ERROR;
  }
  return wxPrinter::GetLastError() == wxPRINTER_ERROR ? wxPRINTER_ERROR : wxPRINTER_CANCELLED;
}

}  // namespace

// A set holds data while it has any pair, even one whose values all lie outside
// the classes and so count 0.
bool MainFrame::holdsData() const {
  return !dataSets[0].pairs.empty() || !dataSets[1].pairs.empty();
}

// Asked before a command replaces data that is there.
bool MainFrame::confirmDataLoss() {
  wxMessageDialog question(
      this, _("This action will delete the existing data. Do you want to continue?"),
      _("Confirm Data Deletion"), wxYES_NO | wxICON_QUESTION);
  return question.ShowModal() == wxID_YES;
}

// Empties both sets, the grid and every display after confirming the loss of data.
void MainFrame::onClearData(wxCommandEvent&) {
  probe("onClearData");
  if (!holdsData() || !confirmDataLoss()) return;

  grid->BeginBatch();
  if (shownType() == tally::AlreadyGroupedContinuous) {
    // The read-only class labels stay; only their frequencies go.
    const int rows = std::min(classGrouping().classes(), grid->GetNumberRows());
    for (int r = 0; r < rows; ++r) grid->SetCellValue(r, 1, wxString());
  } else {
    grid->ClearGrid();
  }
  grid->EndBatch();
  grid->ForceRefresh();

  for (int s = 0; s < 2; ++s) {
    dataSets[s].count = 0;
    dataSets[s].pairs.clear();
    clearSetDisplay(s);
  }
  handPercentage(0);
}

// Prints the statistics and the graphs on one page.
void MainFrame::onPrint(wxCommandEvent&) {
  probe("onPrint");
  printAnalysis(this);
}

bool MainFrame::printAnalysis(wxWindow* parent) {
  wxPrintDialogData dialogData(printData);
  AnalysisPrintout printout(this, _("Tallyscope"));
  const wxPrinterError result =
      runPrinter ? runPrinter(parent, dialogData, printout) : showPrinter(parent, dialogData, printout);
  if (result == wxPRINTER_NO_ERROR) {
    printData = dialogData.GetPrintData();
    return true;
  }
  if (result == wxPRINTER_ERROR)
    wxMessageBox(_("There was a problem printing.\nPerhaps your current printer is not set correctly?"),
                 _("Printing"), wxOK);
  else
    wxMessageBox(_("You canceled printing"), _("Printing"), wxOK);
  return false;
}

// Shows the page as it will print, in a window from which it can be printed.
void MainFrame::onPreview(wxCommandEvent&) {
  probe("onPreview");
  wxPrintDialogData dialogData(printData);
  auto* preview = new AnalysisPreview(this, &dialogData);
  if (!preview->IsOk()) {
    delete preview;
    wxMessageBox(_("There was a problem previewing.\nPerhaps your current printer is not set correctly?"),
                 _("Print Preview"), wxOK);
    return;
  }
  auto* window = new wxPreviewFrame(preview, this, _("Tallyscope Print Preview"),
                                    wxDefaultPosition, wxSize(700, 850));
  window->Centre();
  window->Initialize();
  window->Show();
}

// Replaces both sets by the built-in example data.
void MainFrame::onAutoData(wxCommandEvent&) {
  probe("onAutoData");
  if (holdsData() && !confirmDataLoss()) return;

  for (GroupingDialog* dialog : {classDialog, histogramDialog}) {
    if (!dialog) continue;
    dialog->setValues(wholePart(description.start), wholePart(description.size),
                      description.number);
    dialog->refreshFields();
  }
  setColumnWidth(wholePart(description.colWidth), currentType);
  // A width set this way is kept as it is, not fitted to the data.
  columnWidthChosen = true;

  for (int s = 0; s < 2; ++s) dataSets[s].pairs = exampleData[s];
  if (shownType() == tally::AlreadyGroupedContinuous) handPercentileRange();
  showSetInGrid(shownLayout());
  refreshAnalysis();
}

// Renames Set 1 (button 6) or Set 2 (button 7) through a text prompt.
void MainFrame::onSetName(wxCommandEvent& event) {
  probe("onSetName");
  const int set = event.GetId() == ID_NAME_SET2 ? 1 : 0;
  const wxString message = set == 0
                               ? _("Please type the new name for set 1.\n(10 character maximum)")
                               : _("Please type the new name for set 2.\n(10 character maximum)");
  const wxString answer =
      wxGetTextFromUser(message, _("Set Name"), setNameLabel[set]->GetLabel(), nullptr,
                        wxDefaultCoord, wxDefaultCoord, true);
  if (answer.empty()) return;
  const std::string name = tally::setNameFrom(toStd(answer));
  setNameLabel[set]->SetLabel(toWx(name));
  dataSets[set].name = name;
  // The graphs name their sets too.
  showSetNames();
}

// Asks for the histogram column width, or opens the histogram grouping; the
// button's label says which.
void MainFrame::onColumnWidth(wxCommandEvent&) {
  probe("onColumnWidth");
  if (columnWidthButton->GetLabel() == _("Col Width...")) {
    const wxString answer = wxGetTextFromUser(
        _("Please enter the new histogram column width.(0.1-100)"), _("Width ="),
        toWx(tally::formatNumber("%g", columnWidth)), nullptr, wxDefaultCoord, wxDefaultCoord,
        true);
    double w = 0;
    // Cancel, text, a width out of range or the same width change nothing, silently.
    if (!tally::parseNumber(toStd(answer), w) || w <= 0 || w > 100 || w == columnWidth) return;
    setColumnWidth(w, currentType);
    columnWidthChosen = true;
    refreshAnalysis();
    return;
  }
  if (!histogramDialog) return;
  // The dialog itself keeps its values on Cancel, so its answer is not looked at.
  histogramDialog->ShowModal();
  if (histogramDialog->getGroupSize() > 0) refreshAnalysis();
}
