// The value axes a teacher sets by hand: the "Axes..." buttons and context-menu
// entries, the dialog, and the ranges laid over the fitted frames while set.
#include <wx/button.h>
#include <wx/intl.h>

#include "core/graph/AxisControl.h"
#include "ui/app/MainFrame.h"
#include "ui/graph/AxesDialog.h"
#include "ui/stats/StatisticsPanel.h"

namespace {

const int kAxesIds[3] = {ID_AXES_COLUMN, ID_AXES_BOX, ID_AXES_OGIVE};

}  // namespace

// The page's button; the graphs of the page get the same entry on their context menu.
wxButton* MainFrame::makeAxesButton(wxWindow* parent, int page) {
  auto* button = new wxButton(parent, kAxesIds[page], _("A&xes..."), wxDefaultPosition,
                              wxSize(80, 20));
  button->SetFont(boldFont(8));  // as "Col Width..." beside it
  button->SetToolTip(_("Set the range and tick unit of the value axis, or fit it to the data."));
  axesButton[page] = button;
  Bind(wxEVT_BUTTON, [this, page](wxCommandEvent&) { askAxes(page); }, kAxesIds[page]);
  std::vector<coordSys*> views;
  if (page == tally::kColumnAxis) views = {set1Graph, set2Graph};
  if (page == tally::kBoxAxis) views = {boxPlot};
  if (page == tally::kOgiveAxis) views = {percentileGraph};
  for (coordSys* view : views) {
    view->addMenuEntry(kAxesIds[page], _("A&xes..."));
    // A menu event stays with the graph that opened the menu: the window's own
    // undo recording does not see it, so the command records its steps itself.
    view->Bind(
        wxEVT_MENU,
        [this, page](wxCommandEvent&) {
          recordUndoStep();
          askAxes(page);
          recordUndoStep();
        },
        kAxesIds[page]);
  }
  return button;
}

void MainFrame::askAxes(int page) {
  probe("askAxes");
  if (page < tally::kColumnAxis || page > tally::kOgiveAxis) return;
  const std::optional<tally::AxisRange> handSet = model.axisRange(page);
  tally::AxisRange shown;
  if (handSet) {
    shown = *handSet;
  } else {
    // The frame fitted to the data, as the last refresh gave it, with the tick
    // unit the axis chose for it.
    const tally::RefreshResult& fitted = model.result();
    coordSys* view = page == tally::kColumnAxis ? static_cast<coordSys*>(set1Graph)
                     : page == tally::kBoxAxis  ? static_cast<coordSys*>(boxPlot)
                                                : static_cast<coordSys*>(percentileGraph);
    view->updateScales();
    if (page == tally::kColumnAxis) {
      shown = {view->getXMin(), view->getXMax(), view->getXTickUnit()};
      if (fitted.columnRangesSet) shown = {fitted.xMin, fitted.xMax, shown.unit};
    } else if (page == tally::kBoxAxis) {
      shown = {view->getYMin(), view->getYMax(), view->getYTickUnit()};
      if (fitted.boxRangeSet) shown = {fitted.boxYMin, fitted.boxYMax, shown.unit};
    } else {
      shown = {view->getXMin(), view->getXMax(), view->getXTickUnit()};
    }
  }
  const wxString titles[3] = {_("Axes of the Column Graphs"), _("Axes of the Box Plot"),
                              _("Axes of the Ogive")};
  AxesDialog dialog(this, titles[page], shown, handSet.has_value());
  const int answer = dialog.ShowModal();
  if (answer == wxID_OK)
    show(model.setAxisRange(page, dialog.range()));
  else if (answer == AxesDialog::ID_FIT_TO_DATA)
    show(model.setAxisRange(page, std::nullopt));
}

// Runs after the fitted ranges were handed to the views: a range set by hand
// replaces the fitted one, and without one the axis picks its own ticks again.
void MainFrame::applyAxisRanges() {
  const std::optional<tally::AxisRange> column = model.axisRange(tally::kColumnAxis);
  for (ColumnGraphView* view : {set1Graph, set2Graph}) {
    if (column) {
      view->setXMin(column->min);
      view->setXMax(column->max);
      view->setXTickUnit(column->unit);
      // The range is the teacher's: 0 is not pulled into it, and the frequency
      // axis stands at its left end.
      view->setOriginAlwaysViewable(false);
      view->setAxisIntersection(column->min, 0);
    } else {
      view->setXAutoScale(true);
    }
    view->redrawPicture();
  }

  const std::optional<tally::AxisRange> box = model.axisRange(tally::kBoxAxis);
  if (box) {
    boxPlot->setYMin(box->min);
    boxPlot->setYMax(box->max);
    boxPlot->setYTickUnit(box->unit);
  } else {
    boxPlot->setYAutoScale(true);
  }
  boxPlot->redrawPicture();

  const std::optional<tally::AxisRange> ogive = model.axisRange(tally::kOgiveAxis);
  if (ogive) {
    percentileGraph->setXMin(ogive->min);
    percentileGraph->setXMax(ogive->max);
    percentileGraph->setXTickUnit(ogive->unit);
    percentileGraph->setAxisIntersection(ogive->min, 0);
    percentileGraph->redrawPicture();
  } else {
    percentileGraph->setXAutoScale(true);
    if (model.type() == tally::AlreadyGroupedContinuous)
      handPercentileRange();
    else
      percentileGraph->redrawPicture();
  }
}
