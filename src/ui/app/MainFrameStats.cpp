// The statistics display: refresh, percentiles and the standard-deviation switch.
#include "ui/app/MainFrame.h"

#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "core/NumberText.h"
#include "core/stats/HistogramFit.h"
#include "core/stats/Statistics.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/WxBridge.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/PercentileGraphView.h"

namespace {

int setOfControl(int id, int set2Id) { return id == set2Id ? 1 : 0; }

// Distance from an end of the vertical slider to the centre of its thumb at that
// end: half the thumb and the trough's padding (GTK 3's default theme).
constexpr int sliderEndInset = 12;

}  // namespace

// What a label needs for its whole text in its font. GTK's own answer can lag
// behind a new text of several lines, so the lines are measured as well, each
// with the label's own text layout (a client DC per label would cost far more).
wxSize textSize(wxStaticText* label) {
  const wxFont font = label->GetFont();
  int w = 0, h = 0;
  for (const wxString& line : wxSplit(label->GetLabel(), '\n', '\0')) {
    int lineWidth = 0, lineHeight = 0;
    // An empty line is as high as any other.
    label->GetTextExtent(line.empty() ? wxString("W") : line, &lineWidth, &lineHeight,
                         nullptr, nullptr, &font);
    if (!line.empty()) w = std::max(w, lineWidth);
    h += lineHeight;
  }
  const wxSize best = label->GetBestSize();
  return wxSize(std::max(best.x, w + 2), std::max(best.y, h));
}

namespace {

const tally::PointList& classPoints(const tally::Series& columns) {
  static const tally::PointList none;
  return columns.segments.empty() ? none : columns.segments.front();
}

}  // namespace

// Recomputes the set's percentile result from its "p" spin control.
void MainFrame::onPercentileSpin(wxSpinEvent& event) {
  probe("onPercentileSpin");
  const int set = setOfControl(event.GetId(), ID_PERCENTILE_SET2);
  // A blanked set keeps its percentile label empty.
  if (!showsStatistics[set]) return;
  setValueText(percentileLabel[set],
      toWx(tally::percentileText(dataSets[set], classPoints(series[COLUMNS_SET1 + set]),
                                 classGrouping(), shownType(), percentileSpin[set]->GetValue())));
  layOutGrownLabels();
}

// Checks a typed percentile (0 to 100) and recomputes as the spin arrows do.
void MainFrame::onPercentileText(wxCommandEvent& event) {
  probe("onPercentileText");
  const int set = setOfControl(event.GetId(), ID_PERCENTILE_SET2);
  double p = 0;
  // Half-typed text (empty, a lone minus sign) is not an entry yet.
  if (!tally::parseNumber(toStd(event.GetString()), p)) return;
  if (!tally::isValidPercentileEntry(p)) {
    percentileSpin[set]->SetSelection(-1, -1);
    showMessage(_("Please enter an integer 0 to 100."), _("Invalid Entry"),
                wxOK | wxICON_EXCLAMATION);
    return;
  }
  if (!showsStatistics[set]) return;
  setValueText(percentileLabel[set],
      toWx(tally::percentileText(dataSets[set], classPoints(series[COLUMNS_SET1 + set]),
                                 classGrouping(), shownType(), static_cast<int>(p))));
  layOutGrownLabels();
}

// Reads the ogive percentiles of both sets at the slider's percentage.
void MainFrame::onPercentileSlider(wxScrollEvent& event) {
  probe("onPercentileSlider");
  const int p = tally::sliderPercent(event.GetPosition());
  percentageText->ChangeValue(toWx(tally::percentText(p)));
  bool shown = false;
  for (int s = 0; s < 2; ++s) {
    // Only a set whose ogive is drawn has a slider read-out to follow.
    if (sliderPercentileLabel[s]->GetLabel().empty()) continue;
    shown = true;
    const double value = tally::groupedPercentile(classPoints(series[COLUMNS_SET1 + s]),
                                                  classGrouping(), dataSets[s].count, p);
    setValueText(sliderPercentileLabel[s], toWx(tally::formatStatistic(value)));
    handSliderPercentile(s, value);
  }
  if (shown) handPercentage(p);
  layOutGrownLabels();
}

// Switches both standard deviations between population and sample.
void MainFrame::onCycleStdDev(wxCommandEvent&) {
  probe("onCycleStdDev");
  sampleStdDev = !sampleStdDev;
  for (int s = 0; s < 2; ++s) {
    stdDevCaption[s]->SetLabel(wxGetTranslation(tally::standardDeviationCaption(sampleStdDev)));
    // A set of one or two values keeps a count but no valid sum of squares.
    if (!showsStatistics[s] || dataSets[s].count <= 0) continue;
    setValueText(stdDevLabel[s], toWx(tally::standardDeviationText(
        dataSets[s].sumSquares, dataSets[s].count, sampleStdDev, dataSets[s].deviationScale)));
  }
  layOutGrownLabels();
}

// Sorts and sums both sets, computes their statistics and hands the graphs their data.
void MainFrame::refreshAnalysis() {
  // Until the user or the description sets the histogram grouping, it follows the data.
  if (histogramDialog && histogramDialog->followsData() && tally::isContinuousType(shownType())) {
    const tally::Grouping fitted = tally::fitHistogram(dataSets[0], dataSets[1]);
    if (!(fitted == histogramGrouping())) histogramDialog->showFitted(fitted);
  }
  tally::RefreshInputs in;
  in.type = shownType();
  in.classes = classGrouping();
  in.histogram = histogramGrouping();
  for (int s = 0; s < 2; ++s) {
    in.barWidth[s] = series[COLUMNS_SET1 + s].columnWidth;
    in.percentile[s] = percentileSpin[s]->GetValue();
  }
  in.sampleStdDev = sampleStdDev;
  in.fitBarWidth = !columnWidthChosen;
  in.columnWidth = columnWidth;
  in.sliderPosition = percentileSlider->GetValue();

  const tally::RefreshResult result = tally::refreshAnalysis(dataSets[0], dataSets[1], in);
  for (int s = 0; s < 2; ++s) {
    if (result.sets[s].hasStatistics) {
      computeSetStatistics(s, result.sets[s]);
    } else {
      clearSetDisplay(s);
      if (result.sets[s].tooFewValues) {
        setValueText(nLabel[s], toWx(result.sets[s].labels.n));
        setValueText(meanLabel[s], _("At least three different values are needed"));
      }
    }
  }
  layOutGrownLabels();
  // The views below redraw with the names of this refresh's boxes.
  nameGraphs();
  if (result.boxRangeSet) handBoxRange(result.boxYMin, result.boxYMax);
  handBoxPlot();
  if (result.sliderPercentShown) handPercentage(result.sliderPercent);
  // Without new ranges the column graphs keep theirs, but a set that shows
  // statistics always gets its columns.
  if (result.columnRangesSet)
    handColumnRanges(result);
  else
    for (int s = 0; s < 2; ++s)
      if (result.sets[s].hasStatistics) handColumnGraph(s, true);
}

void MainFrame::showSetNames() {
  nameGraphs();
  for (ColumnGraphView* view : {set1Graph, set2Graph, boxPlot}) view->redrawPicture();
}

void MainFrame::nameGraphs() {
  const wxString names[2] = {setNameLabel[0]->GetLabel(), setNameLabel[1]->GetLabel()};
  set1Graph->setTitle(names[0]);
  set2Graph->setTitle(names[1]);
  // A name stands under its set's box (x = -4 for Set 1, 4 for Set 2), and only
  // while there is a box to name.
  std::vector<std::pair<double, wxString>> under;
  for (int s = 0; s < 2; ++s)
    if (!series[BOX_LINES_SET1 + s].segments.empty()) under.push_back({s == 0 ? -4.0 : 4.0, names[s]});
  boxPlot->setNamesUnder(under);
}

// Blanks one set's statistics and empties its series.
void MainFrame::clearSetDisplay(int set) {
  showsStatistics[set] = false;
  for (int index : {COLUMNS_SET1, OUTLIERS_SET1, BOX_LINES_SET1, OGIVE_SET1})
    series[index + set].segments.clear();
  handBoxPlot();
  handOgive(set, false);
  for (wxStaticText* label :
       {nLabel[set], meanLabel[set], modeLabel[set], minimumLabel[set], q1Label[set],
        medianLabel[set], q3Label[set], maximumLabel[set], rangeLabel[set], iqrLabel[set],
        stdDevLabel[set], percentileLabel[set], sliderPercentileLabel[set]})
    label->SetLabel(wxString());
  handColumnGraph(set, false);
}

// Writes one set's statistic labels and its column, box-plot and ogive series.
void MainFrame::computeSetStatistics(int set, const tally::SetDisplay& display) {
  showsStatistics[set] = true;
  const tally::SetLabels& l = display.labels;
  const std::pair<wxStaticText*, const std::string*> texts[] = {
      {nLabel[set], &l.n},           {meanLabel[set], &l.mean},
      {modeLabel[set], &l.mode},     {minimumLabel[set], &l.minimum},
      {q1Label[set], &l.q1},         {medianLabel[set], &l.median},
      {q3Label[set], &l.q3},         {maximumLabel[set], &l.maximum},
      {rangeLabel[set], &l.range},   {iqrLabel[set], &l.iqr},
      {stdDevLabel[set], &l.stdDev}, {percentileLabel[set], &l.percentile},
      {sliderPercentileLabel[set], &l.sliderPercentile}};
  for (const auto& [label, text] : texts) setValueText(label, toWx(*text));
  if (l.extremeCaptionsEnabled) {
    for (wxStaticText* c : {minimumCaption[set], maximumCaption[set], rangeCaption[set]})
      c->Enable(*l.extremeCaptionsEnabled);
  }

  tally::Series& columns = series[COLUMNS_SET1 + set];
  columns.columnWidth = display.barWidth;
  columns.segments.assign(1, display.columns);

  // Ungrouped sets get box-plot series, already grouped ones an ogive instead.
  tally::Series& outliers = series[OUTLIERS_SET1 + set];
  tally::Series& lines = series[BOX_LINES_SET1 + set];
  tally::Series& ogive = series[OGIVE_SET1 + set];
  const bool grouped = shownType() == tally::AlreadyGroupedContinuous;
  outliers.segments.clear();
  if (!grouped) outliers.segments.push_back(display.outliers);
  lines.segments = display.boxLines;
  ogive.segments.clear();
  if (!display.ogive.empty()) ogive.segments.push_back(display.ogive);
  handOgive(set, !display.ogive.empty());
  if (!display.ogive.empty()) handSliderPercentile(set, display.sliderValue);
}

// A value label grows to its whole text ("0.0002761", "(more than\n 2 modes)"); it
// never shrinks below what it once needed, so the page does not jump back and forth.
void MainFrame::setValueText(wxStaticText* label, const wxString& text) {
  if (label->GetLabel() == text) return;
  label->SetLabel(text);
  label->InvalidateBestSize();
  const wxSize need = textSize(label), least = label->GetMinSize();
  if (need.x > least.x || need.y > least.y) {
    label->SetMinSize(wxSize(std::max(need.x, least.x), std::max(need.y, least.y)));
    labelsGrew = true;
  }
}

namespace {

// Grown labels can make a page need more than the window's minimum size gave it:
// the minimum follows, so that nothing is cut off at the smallest window.
void keepPagesInView(MainFrame& frame) {
  for (wxWindow* page : {frame.statisticsPage, frame.boxPage})
    page->SetMinSize(page->GetSizer()->GetMinSize());
  frame.notebook->InvalidateBestSize();
  // The panel holding everything had its minimum fixed when it was built.
  wxWindow* panel = frame.notebook->GetParent();
  panel->SetMinSize(wxDefaultSize);
  panel->SetMinSize(panel->GetSizer()->GetMinSize());
  frame.GetSizer()->Layout();
  const wxSize least = frame.GetSizer()->GetMinSize(), now = frame.GetClientSize();
  frame.SetMinClientSize(least);
  if (now.x < least.x || now.y < least.y)
    frame.SetClientSize(wxSize(std::max(now.x, least.x), std::max(now.y, least.y)));
}

}  // namespace

void MainFrame::layOutGrownLabels() {
  if (!labelsGrew) return;
  labelsGrew = false;
  statisticsPage->Layout();
  boxPage->Layout();
  keepPagesInView(*this);
}

void MainFrame::blankStatistics() {
  for (int s = 0; s < 2; ++s) {
    showsStatistics[s] = false;
    for (wxStaticText* label :
         {nLabel[s], meanLabel[s], modeLabel[s], minimumLabel[s], q1Label[s], medianLabel[s],
          q3Label[s], maximumLabel[s], rangeLabel[s], iqrLabel[s], stdDevLabel[s],
          percentileLabel[s], sliderPercentileLabel[s]})
      label->SetLabel(wxString());
  }
}

// --- The graph views ---------------------------------------------------------

// A set's column graph shows its one series, or nothing once the set is blanked.
void MainFrame::handColumnGraph(int set, bool withSeries) {
  ColumnGraphView* view = set == 0 ? set1Graph : set2Graph;
  view->setSeries(withSeries ? &series[COLUMNS_SET1 + set] : nullptr, nullptr, nullptr, nullptr);
}

// Both column graphs share one window; each then redraws with its set's series.
void MainFrame::handColumnRanges(const tally::RefreshResult& result) {
  for (ColumnGraphView* view : {set1Graph, set2Graph}) {
    view->setXMin(result.xMin);
    view->setXMax(result.xMax);
    view->setYMin(result.yMin);
    view->setYMax(result.yMax);
    view->setOriginAlwaysViewable(result.originAlwaysViewable);
  }
  handColumnGraph(0, true);
  handColumnGraph(1, true);
}

// Set 1 outliers, Set 2 lines, Set 2 outliers, Set 1 lines: the order the plot
// has always drawn them in.
void MainFrame::handBoxPlot() {
  boxPlot->setSeries(&series[OUTLIERS_SET1], &series[BOX_LINES_SET2], &series[OUTLIERS_SET2],
                     &series[BOX_LINES_SET1]);
}

void MainFrame::handBoxRange(double yMin, double yMax) {
  boxPlot->setYMin(yMin);
  boxPlot->setYMax(yMax);
}

void MainFrame::handOgive(int set, bool present) {
  percentileGraph->setCurve(set, present ? &series[OGIVE_SET1 + set] : nullptr);
  percentileGraph->Refresh();
}

void MainFrame::handSliderPercentile(int set, double value) {
  if (set == 0)
    percentileGraph->setSet1Percentile(value);
  else
    percentileGraph->setSet2Percentile(value);
}

void MainFrame::handPercentage(int p) { percentileGraph->setPercentage(p); }

// The classes with at most one class's room on either side. The vertical axis
// stands at the left end of that room (at 0 when 0 lies within it), so that it
// and its percentages are never pinned away from the curves' start.
void MainFrame::handPercentileRange() {
  const tally::Grouping g = classGrouping();
  double left = g.startValue - g.groupSize;
  if (left <= 0 && 0 <= g.startValue) left = 0;
  percentileGraph->setAxisIntersection(left, 0);
  percentileGraph->setXMin(left);
  percentileGraph->setXMax(g.startValue + (g.groupCount + 1) * g.groupSize);
  percentileGraph->Refresh();
}

// The slider's value 0 (100%) sits half a thumb below its top end and 100 (0%)
// half a thumb above its bottom end; the spacers put those points on the rows of
// 100% and 0% of the graph beside it.
void MainFrame::alignPercentileSlider() {
  if (!percentileGraph->IsShown()) return;
  percentileGraph->updateScales();
  // Positions within the page, valid also while another page is on show; the
  // sunken border lies evenly round the client area.
  const int border = (percentileGraph->GetSize().y - percentileGraph->GetClientSize().y) / 2;
  const int graphTop = percentileGraph->GetPosition().y + border;
  const int row100 = graphTop + percentileGraph->worldToPixelY(100);
  const int row0 = graphTop + percentileGraph->worldToPixelY(0);
  const wxRect slider = percentileSlider->GetRect();
  const int columnTop = slider.y - sliderTopSpace->GetSize().y;
  const int columnBottom = slider.GetBottom() + 1 + sliderBottomSpace->GetSize().y;
  const int inset = sliderEndInset;
  const int top = std::max(0, row100 - inset - columnTop);
  const int bottom = std::max(0, columnBottom - (row0 + inset));
  if (top == sliderTopSpace->GetSize().y && bottom == sliderBottomSpace->GetSize().y) return;
  sliderTopSpace->AssignSpacer(0, top);
  sliderBottomSpace->AssignSpacer(0, bottom);
  boxPage->Layout();
}
