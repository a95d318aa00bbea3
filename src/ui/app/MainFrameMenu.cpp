// The menu bar, the window's title, the guide and About. Menu commands reach the
// window's ProcessEvent like the buttons, so each change is one undo step.
#include "ui/app/MainFrame.h"

#include <wx/config.h>
#include <wx/confbase.h>
#include <wx/filename.h>
#include <wx/filedlg.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>

#include "ui/WxBridge.h"
#include "ui/app/HelpGuide.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/PercentileGraphView.h"

#ifndef TALLYSCOPE_VERSION
#define TALLYSCOPE_VERSION "0"
#endif

namespace {

// The recent analyses' own group in the program's settings.
const char* const kRecentGroup = "/RecentAnalyses";

// The decimals choice's items, in its order: Auto, then 0 to 6 places.
constexpr int kDecimalsItems = 8;

}  // namespace

void MainFrame::buildMenuBar() {
  auto* file = new wxMenu;
  file->Append(wxID_OPEN, _("&Open Analysis...\tCtrl+O"));
  file->Append(wxID_SAVE, _("&Save Analysis\tCtrl+S"));
  file->Append(wxID_SAVEAS, _("Save Analysis &As...\tCtrl+Shift+S"));
  auto* recent = new wxMenu;
  file->AppendSubMenu(recent, _("&Recent Analyses"));
  file->AppendSeparator();
  file->Append(ID_LOAD_DATA, _("&Load Data..."));
  file->Append(ID_SAVE_DATA, _("Save &Data..."));
  file->AppendSeparator();
  file->Append(ID_EXPORT_PICTURE, _("Export &Picture..."));
  file->Append(ID_EXPORT_PDF, _("Export PD&F...\tCtrl+Shift+E"));
  file->Append(ID_PREVIEW, _("Print Pre&view"));
  file->Append(ID_PRINT, _("P&rint...\tCtrl+P"));
  file->AppendSeparator();
  file->Append(wxID_EXIT, _("&Quit\tCtrl+Q"));

  auto* edit = new wxMenu;
  edit->Append(wxID_UNDO, _("&Undo\tCtrl+Z"));
  edit->Append(wxID_REDO, _("&Redo\tCtrl+Y"));
  edit->AppendSeparator();
  edit->Append(ID_COPY_STATISTICS, _("Copy &Statistics\tCtrl+Shift+C"));

  // One entry per page of the notebook, whatever pages it was given.
  auto* view = new wxMenu;
  const int pages = static_cast<int>(notebook->GetPageCount());
  firstPageItem = wxWindow::NewControlId(pages + kDecimalsItems);
  for (int p = 0; p < pages; ++p) {
    view->Append(firstPageItem + p, notebook->GetPageText(p));
    Bind(
        wxEVT_MENU, [this, p](wxCommandEvent&) { notebook->SetSelection(p); }, firstPageItem + p);
  }
  view->AppendSeparator();
  view->Append(ID_ZOOM_IN, _("Zoom &In\tCtrl++"));
  view->Append(ID_ZOOM_OUT, _("Zoom &Out\tCtrl+-"));
  view->Append(ID_ZOOM_RESET, _("&Normal Size\tCtrl+0"));
  view->AppendSeparator();
  auto* decimals = new wxMenu;
  const int firstDecimals = firstPageItem + pages;
  for (int item = 0; item < kDecimalsItems; ++item) {
    const int places = StatisticsPanel::itemDecimals(item);
    decimals->AppendRadioItem(firstDecimals + item,
                              places == tally::kAutoDecimals ? _("Auto") : wxString::Format("%d", places));
    Bind(
        wxEVT_MENU,
        [this, places](wxCommandEvent&) { show(model.setDecimals(places)); },
        firstDecimals + item);
    Bind(
        wxEVT_UPDATE_UI,
        [this, item](wxUpdateUIEvent& e) {
          e.Check(StatisticsPanel::decimalsItem(model.decimals()) == item);
        },
        firstDecimals + item);
  }
  view->AppendSubMenu(decimals, _("&Decimals"));

  auto* help = new wxMenu;
  help->Append(wxID_HELP, _("&Guide\tF1"));
  help->Append(wxID_ABOUT, _("&About Tallyscope"));

  auto* bar = new wxMenuBar;
  bar->Append(file, _("&File"));
  bar->Append(edit, _("&Edit"));
  bar->Append(view, _("&View"));
  bar->Append(help, _("&Help"));
  SetMenuBar(bar);

  recentFiles = std::make_unique<wxFileHistory>();
  recentFiles->UseMenu(recent);
  {
    wxConfigBase* config = wxConfigBase::Get();
    wxConfigPathChanger group(config, wxString(kRecentGroup) + "/");
    recentFiles->Load(*config);
  }
  recentFiles->AddFilesToMenu(recent);
  // The analysis opened at start-up was remembered before the list existed.
  if (!analysisFile.empty()) rememberRecent(analysisFile);

  Bind(wxEVT_MENU, &MainFrame::onOpenAnalysis, this, wxID_OPEN);
  Bind(wxEVT_MENU, &MainFrame::onSaveAnalysis, this, wxID_SAVE);
  Bind(wxEVT_MENU, &MainFrame::onSaveAnalysis, this, wxID_SAVEAS);
  Bind(wxEVT_MENU, &MainFrame::onRecentAnalysis, this, wxID_FILE1, wxID_FILE9);
  Bind(wxEVT_MENU, &MainFrame::onLoadData, this, ID_LOAD_DATA);
  Bind(wxEVT_MENU, &MainFrame::onSaveData, this, ID_SAVE_DATA);
  Bind(wxEVT_MENU, &MainFrame::onExportShownPicture, this, ID_EXPORT_PICTURE);
  Bind(wxEVT_MENU, &MainFrame::onPreview, this, ID_PREVIEW);
  Bind(wxEVT_MENU, &MainFrame::onPrint, this, ID_PRINT);
  Bind(wxEVT_MENU, &MainFrame::onQuit, this, wxID_EXIT);
  Bind(wxEVT_MENU, &MainFrame::onGuide, this, wxID_HELP);
  Bind(wxEVT_MENU, &MainFrame::onAbout, this, wxID_ABOUT);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(canUndo()); }, wxID_UNDO);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(canRedo()); }, wxID_REDO);
  showTitle();
}

// "scores.tally* - Tallyscope": the analysis file's name (or "Untitled") and a
// star while there are unsaved changes.
void MainFrame::showTitle() {
  if (!historyStarted || IsBeingDeleted()) return;
  const wxString name =
      analysisFile.empty() ? _("Untitled") : wxFileName(analysisFile).GetFullName();
  const wxString title =
      name + (hasUnsavedChanges() ? "*" : "") + " - " + _("Tallyscope");
  if (GetTitle() != title) SetTitle(title);
}

void MainFrame::rememberRecent(const wxString& path) {
  if (!recentFiles) return;
  recentFiles->AddFileToHistory(path);
  wxConfigBase* config = wxConfigBase::Get();
  {
    wxConfigPathChanger group(config, wxString(kRecentGroup) + "/");
    recentFiles->Save(*config);
  }
  // The list is a convenience: the settings folder is made when it is missing (a
  // new account may have none), and a file that still cannot be written leaves
  // the list to this session, without a dialog in the middle of opening a file.
  wxLogNull quiet;
  const wxString folder = wxFileConfig::GetLocalFile(wxTheApp->GetAppName()).GetPath();
  if (!folder.empty() && !wxFileName::DirExists(folder))
    wxFileName::Mkdir(folder, 0700, wxPATH_MKDIR_FULL);
  config->Flush();
}

void MainFrame::onOpenAnalysis(wxCommandEvent&) {
  probe("onOpenAnalysis");
  commitGridEditor();
  // Asked before the file is chosen: Cancel leaves everything as it is.
  if (!askSaveChanges()) return;
  const wxString dir = analysisFile.empty() ? wxString() : wxFileName(analysisFile).GetPath();
  const wxString path =
      fileSelector(_("Open Analysis"), dir, wxString(), "tally",
                   _("Analysis files (*.tally)|*.tally|All files (*.*)|*.*"),
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST, this);
  if (path.empty()) return;
  if (!openAnalysisDescription(path)) {
    showTitle();
    return;
  }
  history.reset(model.state());
  markDataSaved();
  showTitle();
}

void MainFrame::onSaveAnalysis(wxCommandEvent& event) {
  probe("onSaveAnalysis");
  saveAnalysis(event.GetId() == wxID_SAVEAS);
}

void MainFrame::onRecentAnalysis(wxCommandEvent& event) {
  probe("onRecentAnalysis");
  const size_t index = static_cast<size_t>(event.GetId() - wxID_FILE1);
  if (!recentFiles || index >= recentFiles->GetCount()) return;
  openAnalysisFile(recentFiles->GetHistoryFile(index));
}

void MainFrame::onQuit(wxCommandEvent&) {
  probe("onQuit");
  Close();
}

void MainFrame::onGuide(wxCommandEvent&) {
  probe("onGuide");
  wxArrayString pages;
  for (size_t p = 0; p < notebook->GetPageCount(); ++p) pages.Add(notebook->GetPageText(p));
  HelpGuide guide(this, pages);
  guide.ShowModal();
}

void MainFrame::onAbout(wxCommandEvent&) {
  probe("onAbout");
  showMessage(wxString::Format(_("Tallyscope %s\nThe descriptive statistics of one variable: "
                                 "statistics, column graphs, box plots and ogives of two data "
                                 "sets, for teaching."),
                               TALLYSCOPE_VERSION),
              _("About Tallyscope"), wxOK | wxICON_INFORMATION);
}

// The graph on show: the shown set's column graph, the box plot or the ogives.
void MainFrame::onExportShownPicture(wxCommandEvent&) {
  probe("onExportShownPicture");
  wxWindow* page = notebook->GetCurrentPage();
  BufferedGraphView* shown = nullptr;
  if (page == columnGraphPage)
    shown = model.shownSet() == 1 ? static_cast<BufferedGraphView*>(set2Graph) : set1Graph;
  else if (page == boxPage)
    shown = model.type() == tally::AlreadyGroupedContinuous
                ? static_cast<BufferedGraphView*>(percentileGraph)
                : boxPlot;
  if (!shown) {
    showMessage(_("Show a graph page (Column Graph or Box & Whisker) to export its picture."),
                _("Export Picture"), wxOK | wxICON_INFORMATION);
    return;
  }
  exportPicture(shown);
}
