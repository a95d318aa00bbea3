// The data-side commands of the main window: clear, print, example data, set names,
// column width.
#include "ui/app/MainFrame.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/printdlg.h>
#include <wx/textdlg.h>

#include "core/NumberText.h"
#include "core/grid/DataFile.h"
#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/views/AnalysisPrintout.h"

namespace {

wxPrinterError showPrinter(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout) {
  wxPrinter printer(&data);
  if (printer.Print(parent, &printout, true)) {
    data = printer.GetPrintDialogData();
    return wxPRINTER_NO_ERROR;
  }
  return wxPrinter::GetLastError() == wxPRINTER_ERROR ? wxPRINTER_ERROR : wxPRINTER_CANCELLED;
}

}  // namespace

// Asked before a command replaces data that is there.
bool MainFrame::confirmDataLoss() {
  wxMessageDialog question(
      this, _("This action will delete the existing data. Do you want to continue?"),
      _("Confirm Data Deletion"), wxYES_NO | wxICON_QUESTION);
  return question.ShowModal() == wxID_YES;
}

// Empties both sets, their tables and every display after confirming the loss of data.
void MainFrame::onClearData(wxCommandEvent&) {
  probe("onClearData");
  if (!model.holdsData() || !confirmDataLoss()) return;
  show(model.clearData());
  handPercentage(0);
}

// Prints the statistics and the graphs on one page.
void MainFrame::onPrint(wxCommandEvent&) {
  probe("onPrint");
  printAnalysis(this);
}

bool MainFrame::printAnalysis(wxWindow* parent) {
  AnalysisPrintout printout(this, _("Tallyscope"));
  return printPrintout(parent, printout);
}

bool MainFrame::printPrintout(wxWindow* parent, wxPrintout& printout) {
  wxPrintDialogData dialogData(printData);
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
  if (model.holdsData() && !confirmDataLoss()) return;
  show(model.autoData());
}

// Renames Set 1 or Set 2 through a text prompt.
void MainFrame::onSetName(wxCommandEvent& event) {
  probe("onSetName");
  const int set = event.GetId() == ID_NAME_SET2 ? 1 : 0;
  const wxString message = set == 0
                               ? _("Please type the new name for set 1.\n(30 character maximum)")
                               : _("Please type the new name for set 2.\n(30 character maximum)");
  const wxString answer = wxGetTextFromUser(message, _("Set Name"), toWx(model.setName(set)),
                                            nullptr, wxDefaultCoord, wxDefaultCoord, true);
  show(model.setName(set, toStd(answer)));
}

// Asks for the column width of discrete data, or opens the histogram grouping of
// continuous data.
void MainFrame::onColumnWidth(wxCommandEvent&) {
  probe("onColumnWidth");
  if (tally::isDiscreteType(model.type())) {
    const wxString answer = wxGetTextFromUser(
        _("Please enter the new histogram column width.(0.1-100)"), _("Width ="),
        toWx(tally::valueText(model.shownColumnWidth())), nullptr, wxDefaultCoord,
        wxDefaultCoord, true);
    double w = 0;
    // Cancel, text, a width out of range or the width on show change nothing, silently.
    if (!tally::parseNumber(toStd(answer), w)) return;
    show(model.setColumnWidth(w));
    return;
  }
  if (!histogramDialog || model.type() == tally::AlreadyGroupedContinuous) return;
  const tally::Grouping& g = model.histogram();
  histogramDialog->setValues(g.startValue, g.groupSize, g.groupCount);
  histogramDialog->refreshFields();
  histogramDialog->setFollowsData(model.histogramFollowsData());
  // The dialog itself keeps its values on Cancel, so its answer is not looked at.
  histogramDialog->ShowModal();
  if (histogramDialog->getGroupSize() > 0)
    show(model.setHistogram({histogramDialog->getStartValue(), histogramDialog->getGroupSize(),
                             histogramDialog->getGroupCount()},
                            histogramDialog->followsData()));
}
