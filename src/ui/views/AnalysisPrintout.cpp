#include "ui/views/AnalysisPrintout.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/intl.h>

#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/views/BufferedGraphView.h"
#include "ui/views/PercentileGraphView.h"

namespace {

wxFont titleFont() {
  return wxFont(17, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, true);
}
wxFont bodyFont() {
  return wxFont(10, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false);
}

// A set's statistics as the last refresh gave them; a set of too few values
// shows its count and why there are no statistics, as the page does.
tally::PrintedSet printedSet(const tally::AnalysisModel& m, int s) {
  const tally::SetDisplay& d = m.result().sets[s];
  const tally::SetLabels& l = d.labels;
  tally::PrintedSet p;
  p.showsStatistics = d.hasStatistics;
  p.n = m.set(s).count;
  p.sumSquares = m.set(s).sumSquares;
  p.deviationScale = m.set(s).deviationScale;
  p.decimals = m.decimals();
  p.mean = l.mean;
  p.mode = l.mode;
  p.minimum = l.minimum;
  p.q1 = l.q1;
  p.median = l.median;
  p.q3 = l.q3;
  p.maximum = l.maximum;
  p.range = l.range;
  p.iqr = l.iqr;
  p.percentile = l.percentile;
  if (d.tooFewValues) {
    p.shownN = l.n;
    p.reason = toStd(_("At least three different values are needed"));
  }
  return p;
}

// A graph laid out at its box on the page with the page's fonts, then given back
// to the window as it was.
class PrintedGraph {
 public:
  PrintedGraph(BufferedGraphView* view, int width, int height) : view(view) {
    keptSize = view->getDrawingSize();
    keptFont = view->getFontSize();
    keptLines = view->getLineScale();
    view->setDrawingSize(wxSize(width, height));
    view->setFontSize(tally::kPrintedGraphFont);
    // The page has a scale of its own: the window's zoom does not thicken its lines.
    view->setLineScale(1.0);
    if (auto* ogive = dynamic_cast<PercentileGraphView*>(view)) {
      keptMarker = ogive->getMarkerFontSize();
      ogive->setMarkerFontSize(tally::kPrintedMarkerFont);
    }
  }
  ~PrintedGraph() {
    view->setDrawingSize(keptSize);
    view->setFontSize(keptFont);
    view->setLineScale(keptLines);
    if (auto* ogive = dynamic_cast<PercentileGraphView*>(view)) ogive->setMarkerFontSize(keptMarker);
    view->updateScales();
    view->redrawPicture();
  }
  PrintedGraph(const PrintedGraph&) = delete;
  PrintedGraph& operator=(const PrintedGraph&) = delete;

 private:
  BufferedGraphView* view;
  wxSize keptSize;
  int keptFont = 0;
  double keptLines = 1.0;
  int keptMarker = 0;
};

}  // namespace

AnalysisPrintout::AnalysisPrintout(MainFrame* frame, const wxString& title)
    : wxPrintout(title.empty() ? _("Tallyscope") : title), frame(frame) {}

AnalysisPrintout::~AnalysisPrintout() = default;

void AnalysisPrintout::OnPreparePrinting() {}

bool AnalysisPrintout::HasPage(int page) { return page == 1; }

void AnalysisPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *maxPage = *pageFrom = *pageTo = 1;
}

BufferedGraphView* AnalysisPrintout::printedGraph(int i) const {
  if (i == 0) return frame->set1Graph;
  if (i == 1) return frame->set2Graph;
  if (frame->shownType() == tally::AlreadyGroupedContinuous) return frame->percentileGraph;
  return frame->boxPlot;
}

bool AnalysisPrintout::OnPrintPage(int) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  layout = tally::PageLayout();

  tally::PageMeasures m;
  int unused = 0, pagePixelsX = 0;
  GetPPIScreen(&m.screenPpi, &unused);
  GetPPIPrinter(&m.printerPpi, &unused);
  GetPageSizePixels(&pagePixelsX, &unused);
  // A preview draws the page into a smaller bitmap than the printer's pixels.
  // A context that knows no size of its own (a PDF surface) is the page itself.
  wxSize device = dc->GetSize();
  if (device.x <= 0 || device.y <= 0) GetPageSizePixels(&device.x, &device.y);
  m.deviceScale = pagePixelsX > 0 ? static_cast<double>(device.x) / pagePixelsX : 0;
  const int margin = static_cast<int>(marginInches * m.printerPpi * m.deviceScale);
  m.pageLeft = m.pageTop = margin;
  m.pageWidth = device.x - 2 * margin;
  m.pageHeight = device.y - 2 * margin;

  const double r = tally::pageTextScale(m);
  if (!(r > 0)) return true;
  dc->SetUserScale(r, r);
  dc->SetFont(bodyFont());
  m.lineHeight = dc->GetTextExtent("Car").y;
  const tally::AnalysisModel& analysis = frame->analysis();
  for (int s = 0; s < 2; ++s)
    for (const tally::TableText& t : tally::tableLabels(analysis.percentile(s)))
      m.widestLabel = std::max(m.widestLabel, dc->GetTextExtent(wxGetTranslation(toWx(t.text))).x);
  for (const tally::TableText& t : tally::tableValues(printedSet(analysis, 1)))
    m.widestSet2Value = std::max(m.widestSet2Value, dc->GetTextExtent(toWx(t.text)).x);
  dc->SetFont(titleFont());
  const wxSize cat = dc->GetTextExtent("Cat");
  m.titleWidth = cat.x;
  m.titleHeight = cat.y;
  m.set2NameWidth = dc->GetTextExtent(toWx(analysis.setName(1))).x;
  layout = tally::layoutPage(m);
  if (!layout.drawable) {
    dc->SetUserScale(1, 1);
    return true;
  }

  // The names.
  dc->SetDeviceOrigin(layout.textOrigin.x, layout.textOrigin.y);
  dc->SetTextForeground(*wxBLACK);
  for (int s = 0; s < 2; ++s)
    dc->DrawText(toWx(analysis.setName(s)), layout.nameX[s], layout.nameY);

  // The graphs, each laid out at its box and kept inside it: a line or a text
  // that would run past the box's edge is cut there, never drawn on the page
  // round it.
  dc->SetUserScale(layout.graphScale, layout.graphScale);
  for (int i = 0; i < 3; ++i) {
    BufferedGraphView* view = printedGraph(i);
    PrintedGraph printed(view, layout.viewWidth[i], layout.viewHeight[i]);
    dc->SetDeviceOrigin(layout.graphOrigin[i].x, layout.graphOrigin[i].y);
    dc->SetClippingRegion(0, 0, layout.viewWidth[i], layout.viewHeight[i]);
    view->draw(*dc);
    dc->DestroyClippingRegion();
  }

  dc->SetDeviceOrigin(layout.tableOrigin.x, layout.tableOrigin.y);
  dc->SetUserScale(layout.textScale, layout.textScale);
  drawTable(*dc);
  dc->SetDeviceOrigin(0, 0);
  return true;
}

void AnalysisPrintout::drawTable(wxDC& dc) {
  dc.SetTextForeground(*wxBLACK);
  dc.SetFont(titleFont());
  dc.DrawText(wxGetTranslation(tally::kPrintHeading), layout.labelX[0], layout.headingY);
  dc.SetFont(bodyFont());
  auto rowY = [this](int line) { return layout.firstRowY + line * layout.lineHeight; };
  const tally::AnalysisModel& analysis = frame->analysis();
  for (int s = 0; s < 2; ++s)
    for (const tally::TableText& t : tally::tableLabels(analysis.percentile(s)))
      dc.DrawText(wxGetTranslation(toWx(t.text)), layout.labelX[s], rowY(t.line));
  auto measure = [&dc](const std::string& text) { return dc.GetTextExtent(toWx(text)).x; };
  for (int s = 0; s < 2; ++s)
    for (const tally::TableText& t : tally::tableValues(printedSet(analysis, s))) {
      // A text wider than its column (the reason a set has no statistics) goes
      // on the lines below, never across the other set's captions.
      int line = t.line;
      for (const std::string& part : tally::wrapWords(t.text, layout.valueWidth, measure))
        dc.DrawText(toWx(part), layout.valueX[s], rowY(line++));
    }
}

AnalysisPreview::AnalysisPreview(MainFrame* frame, wxPrintDialogData* data)
    : wxPrintPreview(new AnalysisPrintout(frame), new AnalysisPrintout(frame), data),
      frame(frame) {}

bool AnalysisPreview::Print(bool) { return frame->printAnalysis(GetFrame()); }
