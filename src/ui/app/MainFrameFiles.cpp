// Data files and the analysis description.
#include "ui/app/MainFrame.h"

#include <cmath>
#include <optional>
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
#include "core/grid/SpreadsheetImport.h"
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

// Puts a TAB-separated data file in place of the shown set's table.
void MainFrame::onLoadData(wxCommandEvent&) {
  probe("onLoadData");
  const wxString path = fileSelector(_("Choose a Data File"), lastLoadFolder, wxString(), "csv",
                                     dataFileWildcard(), wxFD_OPEN | wxFD_FILE_MUST_EXIST, this);
  if (path.empty()) return;
  lastLoadFolder = wxPathOnly(path);
  if (!loadDataFile(path)) return;
  markDataSaved(model.shownSet());
}

bool MainFrame::readDataText(const wxString& path, std::string& text) {
  std::string bytes, reason;
  if (!tally::readRegularFile(systemName(path), tally::kMaxDataFileBytes, bytes, reason)) {
    showMessage(wxString::Format(_("The data file \"%s\" could not be loaded. %s"), path,
                                 wxGetTranslation(toWx(reason))),
                _("Error"), wxOK | wxICON_ERROR);
    return false;
  }
  text = tally::decodeDataFile(std::move(bytes));
  return true;
}

bool MainFrame::loadDataFile(const wxString& path) {
  const tally::DataImport data = tally::importDataFile(systemName(path), toStd(path));
  if (data.problem == tally::DataImport::Unreadable) {
    showMessage(wxString::Format(_("The data file \"%s\" could not be loaded. %s"), path,
                                 wxGetTranslation(toWx(data.error))),
                _("Error"), wxOK | wxICON_ERROR);
    return false;
  }
  if (data.problem == tally::DataImport::NoNumbers) {
    showMessage(toWx(tally::noNumbersMessage(toStd(path),
                                             toStd(wxGetTranslation(tally::kNoNumbersMessage)))),
                _("Error"), wxOK | wxICON_ERROR);
    return false;
  }
  // Values with their frequencies would lose the frequencies under an ungrouped type.
  const tally::DataType type = model.type();
  if (data.frequencies &&
      (type == tally::UngroupedDiscrete || type == tally::UngroupedContinuous) &&
      wxMessageDialog(this, _("The file has frequencies. Switch to Grouped Discrete to keep them?"),
                      _("Frequencies"), wxYES_NO | wxICON_QUESTION)
              .ShowModal() == wxID_YES)
    show(model.chooseType(tally::GroupedDiscrete));
  grid->SetGridCursor(0, 0);
  show(model.loadImport(data));
  return true;
}

// Writes the grid to a TAB-separated data file.
void MainFrame::onSaveData(wxCommandEvent&) {
  probe("onSaveData");
  if (!saveDataFile()) return;
  // The file holds the shown set only.
  markDataSaved(model.shownSet());
  wxMessageDialog(nullptr, _("Save was completed successfully"), _("File Saved"), wxOK | wxCENTRE)
      .ShowModal();
}

bool MainFrame::saveDataFile() {
  const wxString chosen = fileSelector(_("Save Data As"), lastSaveFolder, wxString(), "csv",
                                       dataFileWildcard(), wxFD_SAVE, nullptr);
  if (chosen.empty()) return false;
  lastSaveFolder = wxPathOnly(chosen);
  // A name without an extension gets ".csv", so that Load Data lists the file.
  const wxString path = shownName(tally::withDefaultExtension(systemName(chosen), ".csv"));
  if (wxFileExists(path) &&
      wxMessageDialog(nullptr, _("File already exists. Do you want to replace it?"),
                      _("File Exists"), wxYES_NO)
              .ShowModal() != wxID_YES)
    return false;
  const std::string text = tally::dataFileText(model.shownCells());
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
  tally::AnalysisDescription description;
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
    // Nothing to draw yet: the views keep the empty axes they were made with.
    tally::ModelChange start;
    start.table = start.type = start.names = start.statistics = true;
    show(start);
    return;
  }

  // Set 2's file is read only when Set 1's is named.
  std::optional<std::string> texts[2];
  const std::string files[2] = {description.set1File, description.set2File};
  for (int s = 0; s < 2 && !files[s].empty(); ++s) {
    std::string text;
    if (readDataText(shownName(tally::setFilePath(description, files[s])), text)) texts[s] = text;
  }
  tally::ModelChange change = model.applyDescription(description, texts);
  change.graphs = change.statistics = true;
  show(change);
  if (model.type() == tally::AlreadyGroupedContinuous) show(model.setClasses(askClasses()));
}
