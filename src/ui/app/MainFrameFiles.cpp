// Data files and the analysis file.
#include "ui/app/MainFrame.h"

#include <cmath>
#include <optional>
#include <utility>

#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "core/FileAccess.h"
#include "core/description/AnalysisFile.h"
#include "core/description/AnalysisWriter.h"
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

namespace {

wxString analysisFileWildcard() {
  return _("Analysis files (*.tally)|*.tally|All files (*.*)|*.*");
}

}  // namespace

// Applies an analysis description or analysis file: set names, the tables (inline
// or from data files, read in the description's type), groupings, width, type,
// percentiles, deviation and decimals. At start-up a description that cannot be
// read or is not well formed is reported and the window starts in its default
// state, so that Auto Data later takes the defaults, not half a file; later it is
// reported and the analysis on show stays.
bool MainFrame::openAnalysisDescription(const wxString& fileName) {
  const bool starting = classDialog == nullptr;
  bool usable = false;
  tally::AnalysisDescription description;
  if (fileName.length() >= 2) {
    tally::AnalysisDescription read;
    tally::DescriptionProblems problems;
    usable = tally::loadDescription(systemName(fileName), read, problems);
    if (!usable) {
      if (starting)
        showMessage(wxString::Format(_("The analysis description \"%s\" could not be used. "
                                       "%s\nThe program starts without it."),
                                     fileName, toWx(problems.error)),
                    _("Error"), wxOK | wxICON_ERROR);
      else
        showMessage(wxString::Format(_("The analysis file \"%s\" could not be opened. %s"),
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

  if (starting) {
    classDialog = new GroupingDialog(this, description.start, description.size, description.number);
    histogramDialog =
        new GroupingDialog(this, description.start, description.size, description.number);
  }
  if (!usable) {
    if (starting) {
      // Nothing to draw yet: the views keep the empty axes they were made with.
      tally::ModelChange start;
      start.table = start.type = start.names = start.statistics = true;
      show(start);
      savedText = tally::analysisFileText(tally::describeAnalysis(model.content()));
    }
    return false;
  }

  const tally::OpenedAnalysis opened = tally::openAnalysis(description);
  for (int s = 0; s < 2; ++s) {
    const wxString file = shownName(opened.files[s]);
    if (opened.problem[s] == tally::DataImport::Unreadable)
      showMessage(wxString::Format(_("The data file \"%s\" could not be loaded. %s"), file,
                                   wxGetTranslation(toWx(opened.error[s]))),
                  _("Error"), wxOK | wxICON_ERROR);
    else if (opened.problem[s] == tally::DataImport::NoNumbers)
      showMessage(toWx(tally::noNumbersMessage(
                      toStd(file), toStd(wxGetTranslation(tally::kNoNumbersMessage)))),
                  _("Error"), wxOK | wxICON_ERROR);
  }
  tally::ModelChange change = model.openAnalysis(opened, &description);
  change.graphs = change.statistics = true;
  show(change);
  // Classes counted from a data file are asked for again, as when the type is
  // chosen; a table kept inline was saved under its classes.
  if (model.type() == tally::AlreadyGroupedContinuous && !description.has("set1Data") &&
      !description.has("set2Data"))
    show(model.setClasses(askClasses()));
  wxFileName name(fileName);
  name.MakeAbsolute();
  analysisFile = name.GetFullPath();
  savedText = tally::analysisFileText(tally::describeAnalysis(model.content()));
  rememberRecent(analysisFile);
  return true;
}

bool MainFrame::openAnalysisFile(const wxString& path) {
  commitGridEditor();
  if (!askSaveChanges()) return false;
  if (!openAnalysisDescription(path)) return false;
  // A file opened is a fresh start: undo does not go back into the analysis before it.
  history.reset(model.state());
  markDataSaved();
  showTitle();
  return true;
}

bool MainFrame::hasUnsavedChanges() const {
  return tally::analysisFileText(tally::describeAnalysis(model.content())) != savedText;
}

bool MainFrame::askSaveChanges() {
  commitGridEditor();
  if (!hasUnsavedChanges()) return true;
  const wxString name =
      analysisFile.empty() ? _("Untitled") : wxFileName(analysisFile).GetFullName();
  wxMessageDialog ask(this,
                      wxString::Format(_(L"Save changes to \u201C%s\u201D before closing?"), name),
                      _("Tallyscope"), wxYES_NO | wxCANCEL | wxICON_QUESTION);
  ask.SetYesNoCancelLabels(_("Save"), _("Close Without Saving"), _("Cancel"));
  switch (ask.ShowModal()) {
    case wxID_YES:
      return saveAnalysis();
    case wxID_NO:
      return true;
    default:
      return false;
  }
}

// Writes the whole analysis, its tables inline, atomically over its file.
bool MainFrame::saveAnalysis(bool askName) {
  commitGridEditor();
  wxString path = analysisFile;
  if (askName || path.empty()) {
    const wxFileName current(analysisFile);
    const wxString chosen =
        fileSelector(_("Save Analysis As"), analysisFile.empty() ? wxString() : current.GetPath(),
                     analysisFile.empty() ? wxString() : current.GetFullName(), "tally",
                     analysisFileWildcard(), wxFD_SAVE, this);
    if (chosen.empty()) return false;
    // A name without an extension gets ".tally", so that Open Analysis lists the file.
    path = shownName(tally::withDefaultExtension(systemName(chosen), ".tally"));
    wxFileName absolute(path);
    absolute.MakeAbsolute();
    path = absolute.GetFullPath();
    if (path != analysisFile && wxFileExists(path) &&
        wxMessageDialog(this, _("File already exists. Do you want to replace it?"),
                        _("File Exists"), wxYES_NO)
                .ShowModal() != wxID_YES)
      return false;
  }
  const tally::AnalysisDescription description = tally::describeAnalysis(model.content());
  std::string reason;
  if (!tally::saveAnalysisFile(systemName(path), description, reason)) {
    showMessage(wxString::Format(_("File could not be saved. %s"), wxGetTranslation(toWx(reason))),
                _("File Creation Error"), wxOK | wxICON_ERROR);
    return false;
  }
  analysisFile = path;
  savedText = tally::analysisFileText(description);
  rememberRecent(path);
  showTitle();
  return true;
}
