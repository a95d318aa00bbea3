// Data files and the analysis description.
#include "ui/app/MainFrame.h"

#include <cmath>
#include <utility>

#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "core/FileAccess.h"
#include "core/description/DescriptionReader.h"
#include "core/grid/DataFile.h"
#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"

namespace {

// File names go to the system in its own encoding and come back the same way.
std::string systemName(const wxString& path) { return std::string(path.fn_str()); }
wxString shownName(const std::string& path) { return wxString(path.c_str(), *wxConvFileName); }

wxString dataFileWildcard() { return _("CSV files (*.csv)|*.csv|All files (*.*)|*.*"); }

}  // namespace

MainFrame::FileSelector MainFrame::toolkitFileSelector() {
  return [](const wxString& message, const wxString& directory, const wxString& file,
            const wxString& extension, const wxString& wildcard, int flags, wxWindow* parent) {
    return wxFileSelector(message, directory, file, extension, wildcard, flags, parent);
  };
}

// Fills the grid from a TAB-separated data file and re-reads it.
void MainFrame::onLoadData(wxCommandEvent&) {
  probe("onLoadData");
  const wxString path = fileSelector(_("Choose a Data File"), wxString(), wxString(), "csv",
                                     dataFileWildcard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST, this);
  if (path.empty()) return;
  if (!loadDataFile(path)) return;
  extractGridData();
  markDataSaved(currentSet);
}

bool MainFrame::loadDataFile(const wxString& path) {
  std::string bytes, reason;
  if (!tally::readRegularFile(systemName(path), tally::kMaxDataFileBytes, bytes, reason)) {
    showMessage(wxString::Format(_("The data file \"%s\" could not be loaded. %s"), path,
                                 wxGetTranslation(toWx(reason))),
                _("Error"), wxOK | wxICON_ERROR);
    return false;
  }
  const std::string text = tally::decodeDataFile(std::move(bytes));
  grid->BeginBatch();
  // Under already grouped data the read-only class labels stay; the file fills
  // the frequencies beside them.
  const int firstColumn = shownType() == tally::AlreadyGroupedContinuous ? 1 : 0;
  for (int r = 0; r < grid->GetNumberRows(); ++r)
    for (int c = firstColumn; c < grid->GetNumberCols(); ++c)
      if (!grid->GetCellValue(r, c).empty()) grid->SetCellValue(r, c, wxString());
  grid->SetGridCursor(0, 0);
  const size_t cut = grid->pasteTextAt(text, 0, 0).cut;
  grid->EndBatch();
  grid->ForceRefresh();
  if (cut > 0) grid->reportCutFields(cut);
  return true;
}

// Writes the grid to a TAB-separated data file.
void MainFrame::onSaveData(wxCommandEvent&) {
  probe("onSaveData");
  if (!saveDataFile()) return;
  // The file holds the shown set only.
  markDataSaved(currentSet);
  wxMessageDialog(nullptr, _("Save was completed successfully"), _("File Saved"), wxOK | wxCENTRE)
      .ShowModal();
}

bool MainFrame::saveDataFile() {
  const wxString path = fileSelector(_("Save Data As"), wxString(), wxString(), "csv",
                                     dataFileWildcard(), wxFD_SAVE, nullptr);
  if (path.empty()) return false;
  if (wxFileExists(path) &&
      wxMessageDialog(nullptr, _("File already exists. Do you want to replace it?"),
                      _("File Exists"), wxYES_NO)
              .ShowModal() != wxID_YES)
    return false;
  const std::string text = tally::dataFileText(readGrid());
  if (text.empty()) {
    wxMessageDialog(nullptr, _("Table has no data. File was not saved."), _("Table Empty"),
                    wxOK | wxICON_ERROR)
        .ShowModal();
    return false;
  }
  // Written beside the old file and renamed over it: a failure leaves the old one whole.
  std::string reason;
  if (!tally::replaceFile(systemName(path), text, reason)) {
    const wxString message =
        wxString::Format(_("File could not be saved. %s"), wxGetTranslation(toWx(reason)));
    wxMessageDialog(nullptr, message, _("File Creation Error"), wxOK | wxICON_ERROR).ShowModal();
    return false;
  }
  return true;
}

// Applies the analysis description named on the command line: set names, data
// files, column width, grouping and data type. A description that cannot be read
// or is not well formed is reported and the window starts in its default state, so
// that Auto Data later takes the defaults, not half a file.
void MainFrame::openAnalysisDescription(const wxString& fileName) {
  bool usable = false;
  if (fileName.length() >= 2) {
    tally::AnalysisDescription read;
    tally::DescriptionProblems problems;
    usable = tally::loadDescription(systemName(fileName), read, problems);
    if (!usable) {
      showMessage(wxString::Format(_("The analysis description \"%s\" could not be used. "
                                     "%s\nThe program starts without it."),
                                   fileName, toWx(problems.error)),
                  _("Error"), wxOK | wxICON_ERROR);
    } else {
      description = read;
      if (!problems.invalid.empty()) {
        wxString list;
        for (const std::string& value : problems.invalid) list += "\n" + toWx(value);
        showMessage(wxString::Format(_("These values of the analysis description \"%s\" "
                                       "cannot be used; their defaults are kept:%s"),
                                     fileName, list),
                    _("Invalid Entry"), wxOK | wxICON_WARNING);
      }
    }
  }

  if (!classDialog)
    classDialog = new GroupingDialog(this, description.start, description.size, description.number);
  if (!histogramDialog)
    histogramDialog =
        new GroupingDialog(this, description.start, description.size, description.number);
  if (!usable) {
    showSetInGrid(tally::ValuesOnly);
    return;
  }

  const std::string names[2] = {tally::setNameFrom(description.set1Name),
                                tally::setNameFrom(description.set2Name)};
  for (int s = 0; s < 2; ++s) {
    setNameLabel[s]->SetLabel(toWx(names[s]));
    dataSets[s].name = names[s];
  }
  setColumnWidth(std::trunc(description.colWidth), currentType);
  // A description that names its own width or grouping has set them; the defaults
  // leave both to be fitted to the data.
  const tally::AnalysisDescription defaults;
  columnWidthChosen = description.colWidth != defaults.colWidth;
  if (description.start != defaults.start || description.size != defaults.size ||
      description.number != defaults.number)
    histogramDialog->setFollowsData(false);

  // The choice still shows Ungrouped Discrete: each file is read one value per line,
  // into the set that is current while it is read. Set 2's file is read only when
  // Set 1's is named.
  const std::string files[2] = {description.set1File, description.set2File};
  for (int s = 0; s < 2 && !files[s].empty(); ++s) {
    currentSet = s;
    if (loadDataFile(shownName(tally::setFilePath(description, files[s])))) extractGridData();
  }
  currentSet = 0;
  showSetInGrid(shownLayout());
  applyDataType(description.type, true);
}
