// Showing the model: statistics, graphs, percentiles and the standard-deviation switch.
#include "ui/app/MainFrame.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/grid.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "core/NumberText.h"
#include "ui/WxBridge.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/FrequencyTablePage.h"
#include "ui/views/PercentileGraphView.h"
#include "ui/views/DotPlotView.h"
#include "ui/views/StemAndLeafPage.h"
#include "ui/views/WorkingPage.h"

namespace {

int setOfControl(int id, int set2Id) { return id == set2Id ? 1 : 0; }

// Distance from an end of the vertical slider to the centre of its thumb at that
// end: half the thumb and the trough's padding (GTK 3's default theme).
constexpr int sliderEndInset = 12;

}  // namespace

void MainFrame::show(const tally::ModelChange& change) {
  if (change.table) showTable();
  for (const tally::CellWrite& w : change.rewrites) grid->SetCellValue(w.row, w.col, toWx(w.text));
  // The set is read again on every change, so a repeated row is reported each
  // time until the user removes it.
  for (double value : change.duplicates)
    showMessage(toWx(tally::duplicateValueMessage(
                    value, toStd(wxGetTranslation(tally::kDuplicateValueMessage)))),
                wxGetTranslation(tally::kDuplicateValueTitle), wxOK | wxCENTRE);
  if (change.cutFields > 0) grid->reportCutFields(change.cutFields);
  if (change.rowsExceeded)
    showMessage(wxGetTranslation(tally::kRowsExceededMessage),
                wxGetTranslation(tally::kRowsExceededTitle), wxOK | wxCENTRE);
  if (change.type) showType();
  if ((change.type || change.classes) && model.type() == tally::AlreadyGroupedContinuous)
    handPercentileRange();
  if (change.statistics) showStatistics();
  if (change.graphs)
    showGraphs();
  else if (change.statistics)
    showSliderReadOuts(change.percentage);
  if (change.statistics) showColumnOutside();
  if (change.names) showNames();
  if (change.any()) showLessonPages();
  describeForReaders();
}

// The text pages: built now when on show, else when shown.
void MainFrame::showLessonPages() {
  for (LessonPage* page : {static_cast<LessonPage*>(frequencyTablePage),
                           static_cast<LessonPage*>(stemAndLeafPage),
                           static_cast<LessonPage*>(workingPage)})
    if (page) page->modelChanged();
}

// The shown set's table as typed, in the layout of the type.
void MainFrame::showTable() {
  const tally::GridLayout layout = model.layout();
  (model.shownSet() == 1 ? set2Radio : set1Radio)->SetValue(true);
  grid->BeginBatch();
  // Attributes go first so that no read-only class label survives a change of layout.
  if (layout == tally::Classes) {
    auto* labels = new wxGridCellAttr;
    labels->SetReadOnly(true);
    labels->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    labels->SetTextColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    grid->SetColAttr(0, labels);
  } else {
    grid->SetColAttr(0, nullptr);
  }
  grid->ClearGrid();
  const tally::CellTable& cells = model.shownCells();
  const int rows = std::min(static_cast<int>(cells.size()), grid->GetNumberRows());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < tally::kGridColumns; ++c)
      if (!cells[r][c].empty()) grid->SetCellValue(r, c, toWx(cells[r][c]));
  sizeGridColumns();
  grid->EndBatch();
  grid->ForceRefresh();
}

void MainFrame::sizeGridColumns() {
  const tally::GridLayout layout = model.layout();
  if (layout == tally::ValuesOnly) {
    grid->SetColSize(0, zoomed(160));
    grid->SetColSize(1, 0);
  } else {
    grid->SetColSize(0, zoomed(80));
    grid->SetColSize(1, zoomed(80));
  }
  if (layout == tally::Classes) {
    // A label such as "1980 - < 1985" is wider than 80 pixels: the column grows to
    // the widest one, so that no class bound is cut.
    const tally::CellTable& cells = model.shownCells();
    const int rows = std::min(static_cast<int>(cells.size()), grid->GetNumberRows());
    const wxFont font = grid->GetDefaultCellFont();
    int widest = 0;
    for (int r = 0; r < rows; ++r) {
      int w = 0, h = 0;
      grid->GetTextExtent(toWx(cells[r][0]), &w, &h, nullptr, nullptr, &font);
      widest = std::max(widest, w);
    }
    grid->SetColSize(0, std::max(zoomed(80), widest + zoomed(8)));
  }
}

// The type in the choice; the grouping button, the column-width button and the
// third page as the type wants them.
void MainFrame::showType() {
  const tally::DataType type = model.type();
  dataTypeChoice->SetSelection(type);
  const bool grouped = type == tally::AlreadyGroupedContinuous;
  groupingDetailsButton->Show(grouped);
  groupingDetailsButton->GetParent()->Layout();
  columnWidthButton->Show(!grouped);
  if (!grouped)
    columnWidthButton->SetLabel(tally::isDiscreteType(type) ? _("Col &Width...") : _("&Grouping..."));
  columnGraphPage->Layout();
  showOgivePage(grouped);
}

// The third page shows either the box plot or the ogive with its slider.
void MainFrame::showOgivePage(bool ogive) {
  if (boxPageSizer->IsShown(percentileSizer) == ogive &&
      boxPageSizer->IsShown(boxPlotSizer) == !ogive)
    return;
  boxPageSizer->Show(boxPlotSizer, !ogive);
  boxPageSizer->Show(percentileSizer, ogive);
  // Adding a page strips the doubled ampersand on GTK, renaming one does not.
  notebook->SetPageText(2, wxStripMenuCodes(ogive ? _("Ogive") : _("Box && Whisker"),
                                            wxStrip_Mnemonics));
  boxPage->Layout();
}

void MainFrame::showNames() {
  for (int s = 0; s < 2; ++s) statistics->showName(s, model.setName(s));
  nameGraphs();
  for (ColumnGraphView* view : {set1Graph, set2Graph, boxPlot}) view->redrawPicture();
  dotPlot->redrawPicture();
}

void MainFrame::showStatistics() {
  const tally::RefreshResult& result = model.result();
  // Statistics of values counted in classes leave out what no class holds; those
  // of ungrouped values count every one.
  const bool classes = model.type() == tally::AlreadyGroupedContinuous;
  for (int s = 0; s < 2; ++s) {
    statistics->showSet(s, result.sets[s]);
    statistics->showPercentile(s, model.percentile(s));
    statistics->showOutside(s, classes ? result.sets[s].outsideText : std::string());
  }
  statistics->showDeviationCaption(model.sampleStdDev());
  statistics->showDecimals(model.decimals());
  statistics->showMore([this](int s) {
    return tally::moreStatistics(model.set(s), model.result().sets[s], model.type(),
                                 model.decimals());
  });
  layOutGrownLabels();
}

// The slider's read-outs and, when a set draws an ogive, its marks on the graph.
void MainFrame::showSliderReadOuts(bool percentage) {
  const tally::RefreshResult& result = model.result();
  const int p = tally::sliderPercent(model.state().sliderPosition);
  if (percentage) percentageText->ChangeValue(toWx(tally::percentText(p)));
  for (int s = 0; s < 2; ++s)
    if (result.sets[s].hasStatistics && !result.sets[s].ogive.empty())
      handSliderPercentile(s, result.sets[s].sliderValue);
  if (result.sliderPercentShown) handPercentage(p);
}

// Writes the eight series from the last refresh and hands every view its data.
void MainFrame::showGraphs() {
  const tally::RefreshResult& result = model.result();
  const bool grouped = model.type() == tally::AlreadyGroupedContinuous;
  for (int s = 0; s < 2; ++s) {
    const tally::SetDisplay& d = result.sets[s];
    tally::Series& columns = series[COLUMNS_SET1 + s];
    tally::Series& outliers = series[OUTLIERS_SET1 + s];
    tally::Series& lines = series[BOX_LINES_SET1 + s];
    tally::Series& ogive = series[OGIVE_SET1 + s];
    columns.columnWidth = d.barWidth;
    columns.segments.clear();
    outliers.segments.clear();
    lines.segments.clear();
    ogive.segments.clear();
    if (!d.hasStatistics) {
      handOgive(s, false);
      handColumnGraph(s, false);
      continue;
    }
    columns.segments.assign(1, d.graphColumns);
    // Ungrouped sets get box-plot series, already grouped ones an ogive instead.
    if (!grouped) outliers.segments.push_back(d.outliers);
    lines.segments = d.boxLines;
    if (!d.ogive.empty()) ogive.segments.push_back(d.ogive);
    handOgive(s, !d.ogive.empty());
    if (!d.ogive.empty()) handSliderPercentile(s, d.sliderValue);
  }
  // The views below redraw with the names of this refresh's boxes.
  nameGraphs();
  if (result.boxRangeSet) {
    boxPlot->setYMin(result.boxYMin);
    boxPlot->setYMax(result.boxYMax);
  }
  handBoxPlot();
  handBoxMarks();
  handDotPlot();
  showFrequencyKind();
  if (result.sliderPercentShown) handPercentage(result.sliderPercent);
  // Without new ranges the column graphs keep theirs, but a set that shows
  // statistics always gets its columns.
  if (result.columnRangesSet)
    handColumnRanges(result);
  else
    for (int s = 0; s < 2; ++s)
      if (result.sets[s].hasStatistics) handColumnGraph(s, true);
  applyAxisRanges();
}

// Columns of continuous data are a grouping too: what they leave out is named
// under the graph. Discrete columns stand on every value. While either set has a
// line both graphs make room for one, so that they keep the same height and scale.
void MainFrame::showColumnOutside() {
  const bool grouping = tally::isContinuousType(model.type()) ||
                        model.type() == tally::AlreadyGroupedContinuous;
  wxString texts[2];
  for (int s = 0; s < 2; ++s)
    if (grouping) texts[s] = toWx(model.result().sets[s].outsideText);
  const bool shown = !texts[0].empty() || !texts[1].empty();
  bool changed = false;
  for (int s = 0; s < 2; ++s) {
    wxStaticText* line = columnOutside[s];
    if (line->GetLabelText() != texts[s]) {
      line->SetLabelText(texts[s]);
      if (texts[s].empty())
        line->UnsetToolTip();
      else
        line->SetToolTip(texts[s]);
    }
    if (line->IsShown() != shown) {
      line->Show(shown);
      changed = true;
    }
  }
  if (changed) columnGraphPage->Layout();
}

void MainFrame::nameGraphs() {
  const wxString names[2] = {toWx(model.setName(0)), toWx(model.setName(1))};
  set1Graph->setTitle(names[0]);
  set2Graph->setTitle(names[1]);
  percentileGraph->setSetNames(names[0], names[1]);
  // A name stands under its set's box (x = -4 for Set 1, 4 for Set 2), and only
  // while there is a box to name.
  std::vector<std::pair<double, wxString>> under;
  for (int s = 0; s < 2; ++s)
    if (!model.result().sets[s].boxLines.empty() && model.result().sets[s].hasStatistics)
      under.push_back({s == 0 ? -4.0 : 4.0, names[s]});
  boxPlot->setNamesUnder(under);
  dotPlot->setSetNames(names[0], names[1]);
}

// A typed or spun percentile of a set.
void MainFrame::onPercentileSpin(wxSpinEvent& event) {
  probe("onPercentileSpin");
  const int set = setOfControl(event.GetId(), ID_PERCENTILE_SET2);
  show(model.setPercentile(set, statistics->percentileSpin(set)->GetValue()));
}

// Checks a typed percentile (0 to 100) and recomputes as the spin arrows do.
void MainFrame::onPercentileText(wxCommandEvent& event) {
  probe("onPercentileText");
  const int set = setOfControl(event.GetId(), ID_PERCENTILE_SET2);
  double p = 0;
  // Half-typed text (empty, a lone minus sign) is not an entry yet.
  if (!tally::parseNumber(toStd(event.GetString()), p)) return;
  if (!tally::isValidPercentileEntry(p)) {
    statistics->percentileSpin(set)->SetSelection(-1, -1);
    showMessage(_("Please enter an integer 0 to 100."), _("Invalid Entry"),
                wxOK | wxICON_EXCLAMATION);
    return;
  }
  show(model.setPercentile(set, static_cast<int>(p)));
}

// Reads the ogive percentiles of both sets at the slider's percentage.
void MainFrame::onPercentileSlider(wxScrollEvent& event) {
  probe("onPercentileSlider");
  show(model.setSliderPosition(event.GetPosition()));
}

// Switches both standard deviations between population and sample.
void MainFrame::onCycleStdDev(wxCommandEvent&) {
  probe("onCycleStdDev");
  show(model.cycleDeviation());
}

// Chooses the places of the computed statistics on the page and the printout.
void MainFrame::onDecimals(wxCommandEvent& event) {
  probe("onDecimals");
  show(model.setDecimals(StatisticsPanel::itemDecimals(event.GetSelection())));
}

// Labels that grew downwards (a wrapped text) are laid out again; the columns
// keep their widths, and the window keeps its size: a text never moves the page
// sideways nor widens the window.
void MainFrame::keepPagesInView() {
  statistics->Layout();
  boxPage->Layout();
  for (wxWindow* page : {static_cast<wxWindow*>(statistics), static_cast<wxWindow*>(boxPage)})
    page->SetMinSize(page->GetSizer()->GetMinSize());
  notebook->InvalidateBestSize();
  // The panel holding everything had its minimum fixed when it was built.
  wxWindow* panel = notebook->GetParent();
  panel->SetMinSize(wxDefaultSize);
  panel->SetMinSize(panel->GetSizer()->GetMinSize());
  growToContent();
}

void MainFrame::layOutGrownLabels() {
  if (statistics->takeGrownLabels()) keepPagesInView();
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
    // The frequency axis stands at the left end of the window, never across the
    // columns: at x = 0 it would cut through temperatures from -12.5 to 8.3.
    const double left =
        result.originAlwaysViewable ? std::min(result.xMin, 0.0) : result.xMin;
    view->setAxisIntersection(left, 0);
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

void MainFrame::handOgive(int set, bool present) {
  percentileGraph->setCurve(set, present ? &series[OGIVE_SET1 + set] : nullptr);
  percentileGraph->redrawPicture();
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
  const tally::Grouping& g = model.classes();
  double left = g.startValue - g.groupSize;
  if (left <= 0 && 0 <= g.startValue) left = 0;
  percentileGraph->setAxisIntersection(left, 0);
  percentileGraph->setXMin(left);
  percentileGraph->setXMax(g.startValue + (g.groupCount + 1) * g.groupSize);
  percentileGraph->redrawPicture();
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
