#include "ui/views/AnalysisPrintout.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/intl.h>

#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"

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
  p.mean = d.tooFewValues ? toStd(_("At least three different values are needed")) : l.mean;
  p.mode = l.mode;
  p.minimum = l.minimum;
  p.q1 = l.q1;
  p.median = l.median;
  p.q3 = l.q3;
  p.maximum = l.maximum;
  p.range = l.range;
  p.iqr = l.iqr;
  return p;
}

}  // namespace

AnalysisPrintout::AnalysisPrintout(MainFrame* frame, const wxString& title)
    : wxPrintout(title.empty() ? _("Tallyscope") : title), frame(frame) {}

AnalysisPrintout::~AnalysisPrintout() = default;

void AnalysisPrintout::OnPreparePrinting() {}

bool AnalysisPrintout::HasPage(int page) { return page == 1; }

void AnalysisPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *maxPage = *pageFrom = *pageTo = 1;
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

  const bool ogive = frame->shownType() == tally::AlreadyGroupedContinuous;
  coordSys* third = ogive ? static_cast<coordSys*>(frame->percentileGraph)
                          : static_cast<coordSys*>(frame->boxPlot);
  const wxSize graph = frame->set1Graph->GetSize();
  const wxSize below = third->GetSize();
  m.graphWidth = graph.x;
  m.graphHeight = graph.y;
  m.thirdWidth = below.x;
  m.thirdHeight = below.y;

  const double r = tally::pageTextScale(m);
  if (!(r > 0)) return true;
  dc->SetUserScale(r, r);
  dc->SetFont(bodyFont());
  m.lineHeight = dc->GetTextExtent("Car").y;
  for (const tally::TableText& t : tally::tableLabels())
    m.widestLabel = std::max(m.widestLabel, dc->GetTextExtent(wxGetTranslation(toWx(t.text))).x);
  for (const tally::TableText& t : tally::tableValues(printedSet(frame->analysis(), 1)))
    m.widestSet2Value = std::max(m.widestSet2Value, dc->GetTextExtent(toWx(t.text)).x);
  dc->SetFont(titleFont());
  const wxSize cat = dc->GetTextExtent("Cat");
  m.titleWidth = cat.x;
  m.titleHeight = cat.y;
  m.set2NameWidth = dc->GetTextExtent(toWx(frame->analysis().setName(1))).x;
  layout = tally::layoutPage(m);
  if (!layout.drawable) {
    dc->SetUserScale(1, 1);
    return true;
  }

  // The names.
  dc->SetDeviceOrigin(layout.textOrigin.x, layout.textOrigin.y);
  dc->SetTextForeground(*wxBLACK);
  for (int s = 0; s < 2; ++s)
    dc->DrawText(toWx(frame->analysis().setName(s)), layout.nameX[s], layout.nameY);

  // The graphs, each at its own window size.
  dc->SetUserScale(layout.graphScale, layout.graphScale);
  dc->SetDeviceOrigin(layout.graphOrigin[0].x, layout.graphOrigin[0].y);
  frame->set1Graph->draw(*dc);
  dc->SetDeviceOrigin(layout.graphOrigin[1].x, layout.graphOrigin[1].y);
  frame->set2Graph->draw(*dc);
  dc->SetDeviceOrigin(layout.graphOrigin[2].x, layout.graphOrigin[2].y);
  if (ogive)
    frame->percentileGraph->draw(*dc);
  else
    frame->boxPlot->draw(*dc);

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
  for (const tally::TableText& t : tally::tableLabels())
    for (int x : layout.labelX) dc.DrawText(wxGetTranslation(toWx(t.text)), x, rowY(t.line));
  for (int s = 0; s < 2; ++s)
    for (const tally::TableText& t : tally::tableValues(printedSet(frame->analysis(), s)))
      dc.DrawText(toWx(t.text), layout.valueX[s], rowY(t.line));
}

AnalysisPreview::AnalysisPreview(MainFrame* frame, wxPrintDialogData* data)
    : wxPrintPreview(new AnalysisPrintout(frame), new AnalysisPrintout(frame), data),
      frame(frame) {}

bool AnalysisPreview::Print(bool) { return frame->printAnalysis(GetFrame()); }
