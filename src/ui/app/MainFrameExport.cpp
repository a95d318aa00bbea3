// What leaves the window other than data files and the printer: the statistics
// as text on the clipboard, a graph as a picture file, the printed page as a PDF
// file; and files dropped on the window.
#include "ui/app/MainFrame.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <wx/choicdlg.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/graphics.h>
#include <wx/imagpng.h>
#include <wx/msgdlg.h>
#include <wx/paper.h>
#include <wx/dcsvg.h>

#include "core/FileAccess.h"
#include "core/stats/Report.h"
#include "ui/WxBridge.h"
#include "ui/views/AnalysisPrintout.h"
#include "ui/views/BufferedGraphView.h"
#include "ui/views/DotPlotView.h"

namespace {

std::string systemName(const wxString& path) { return std::string(path.fn_str()); }
wxString shownName(const std::string& path) { return wxString(path.c_str(), *wxConvFileName); }

// Files dropped anywhere on the window: an analysis file opens, any other file
// loads as data into the set on show.
class DataFileDrop : public wxFileDropTarget {
 public:
  explicit DataFileDrop(MainFrame* frame) : frame(frame) {}
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) override {
    return !files.empty() && frame->dropFiles(files);
  }

 private:
  MainFrame* frame;
};

}  // namespace

void MainFrame::bindExports() {
  SetDropTarget(new DataFileDrop(this));
  for (BufferedGraphView* view : {static_cast<BufferedGraphView*>(set1Graph),
                                  static_cast<BufferedGraphView*>(set2Graph),
                                  static_cast<BufferedGraphView*>(boxPlot),
                                  static_cast<BufferedGraphView*>(percentileGraph),
                                  static_cast<BufferedGraphView*>(dotPlot)}) {
    view->addMenuEntry(ID_EXPORT_PICTURE, _("Export Picture..."));
    view->Bind(
        wxEVT_MENU, [this, view](wxCommandEvent&) { exportPicture(view); }, ID_EXPORT_PICTURE);
  }
}

// Both sets' statistics as TAB-separated text, one line per row of the page.
void MainFrame::onCopyStatistics(wxCommandEvent&) {
  probe("onCopyStatistics");
  const std::string text =
      tally::statisticsText(model.result(), model.sampleStdDev(), model.percentile(0),
                            model.percentile(1), model.setName(0), model.setName(1));
  if (!wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(toWx(text)));
  wxTheClipboard->Close();
}

bool MainFrame::dropFiles(const wxArrayString& files) {
  probe("dropFiles");
  commitGridEditor();
  // An analysis file opens in place of the analysis, after the save question.
  if (wxFileName(files[0]).GetExt().Lower() == "tally") return openAnalysisFile(files[0]);
  recordUndoStep();
  // One set takes one file: the first.
  const bool loaded = loadDataFile(files[0]);
  if (loaded) markDataSaved(model.shownSet());
  recordUndoStep();
  return loaded;
}

// The graph as a picture file, by the name's extension: PNG, 1, 2 or 3 times its
// size on screen, or SVG; a name without an extension gets ".png".
bool MainFrame::exportPicture(BufferedGraphView* view) {
  const wxString chosen =
      fileSelector(_("Export Picture"), wxString(), wxString(), "png",
                   _("PNG pictures (*.png)|*.png|SVG pictures (*.svg)|*.svg"), wxFD_SAVE, this);
  if (chosen.empty()) return false;
  const wxString path = shownName(tally::withDefaultExtension(systemName(chosen), ".png"));
  const wxString extension = wxFileName(path).GetExt().Lower();
  if (extension != "png" && extension != "svg") {
    showMessage(_("A picture is saved as a .png or .svg file."), _("Export Picture"),
                wxOK | wxICON_ERROR);
    return false;
  }
  const wxSize size = view->GetClientSize();
  if (extension == "svg") {
    bool written = false;
    {
      wxSVGFileDC dc(path, size.x, size.y, 96, _("Tallyscope graph"));
      if (dc.IsOk()) {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        view->draw(dc);
        written = true;
      }
    }
    // The DC writes its file as it closes; an empty or missing file did not work.
    if (!written || !wxFileName(path).FileExists() || wxFileName(path).GetSize() == 0) {
      showMessage(wxString::Format(_("The picture could not be saved as \"%s\"."), path),
                  _("Export Picture"), wxOK | wxICON_ERROR);
      return false;
    }
    return true;
  }
  const wxString scales[] = {_("1x (as on screen)"), _("2x"), _("3x")};
  wxSingleChoiceDialog ask(this, _("Size of the picture:"), _("Export Picture"), 3, scales);
  if (ask.ShowModal() != wxID_OK) return false;
  const int scale = ask.GetSelection() + 1;
  wxBitmap picture(size.x * scale, size.y * scale, 24);
  {
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetUserScale(scale, scale);
    view->draw(dc);
  }
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  if (!picture.ConvertToImage().SaveFile(path, wxBITMAP_TYPE_PNG)) {
    showMessage(wxString::Format(_("The picture could not be saved as \"%s\"."), path),
                _("Export Picture"), wxOK | wxICON_ERROR);
    return false;
  }
  return true;
}

// The printed page straight into a PDF file of the printer's paper (A4 when none
// is chosen yet), without the print dialog.
void MainFrame::onExportPdf(wxCommandEvent&) {
  probe("onExportPdf");
  const wxString chosen = fileSelector(_("Export PDF"), wxString(), wxString(), "pdf",
                                       _("PDF files (*.pdf)|*.pdf"), wxFD_SAVE, this);
  if (chosen.empty()) return;
  const wxString path = shownName(tally::withDefaultExtension(systemName(chosen), ".pdf"));
  if (!exportPdf(path))
    showMessage(wxString::Format(_("The PDF file \"%s\" could not be written."), path),
                _("Export PDF"), wxOK | wxICON_ERROR);
}

bool MainFrame::exportPdf(const wxString& path) {
  // The paper in tenths of a millimetre.
  wxSize paper = wxThePrintPaperDatabase ? wxThePrintPaperDatabase->GetSize(printData.GetPaperId())
                                         : wxSize();
  if (paper.x <= 0 || paper.y <= 0) paper = printData.GetPaperSize() * 10;
  if (paper.x <= 0 || paper.y <= 0) paper = wxSize(2100, 2970);
  if (printData.GetOrientation() == wxLANDSCAPE) paper = wxSize(paper.y, paper.x);
  // A PDF page is measured in points, 72 to the inch.
  const int width = static_cast<int>(paper.x / 254.0 * 72 + 0.5);
  const int height = static_cast<int>(paper.y / 254.0 * 72 + 0.5);

  cairo_surface_t* surface = cairo_pdf_surface_create(systemName(path).c_str(), width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_t* cr = cairo_create(surface);
  bool printed = false;
  {
    wxGraphicsContext* context =
        wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr);
    wxGCDC dc(context);
    AnalysisPrintout printout(this);
    printout.SetUp(dc);
    printout.SetPPIScreen(96, 96);
    printout.SetPPIPrinter(72, 72);
    printout.SetPageSizePixels(width, height);
    printout.SetPaperRectPixels(wxRect(0, 0, width, height));
    printout.OnBeginPrinting();
    printed = printout.OnPrintPage(1);
    printout.OnEndPrinting();
  }
  cairo_show_page(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool ok = printed && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}
