// The dot plot page, the column graphs' frequency choice and the box plot's marks.
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/DotPlotView.h"

// The frequency choice of the column page and the box page's "Show values"; the
// pages' builders place them.
void MainFrame::buildGraphChoices() {
  wxArrayString kinds;
  kinds.Add(_("Frequency"));
  kinds.Add(_("Relative frequency (%)"));
  frequencyChoice = new wxChoice(columnGraphPage, ID_FREQUENCY_KIND, wxDefaultPosition,
                                 wxDefaultSize, kinds);
  frequencyChoice->SetSelection(0);
  Bind(wxEVT_CHOICE, &MainFrame::onFrequencyKind, this, ID_FREQUENCY_KIND);

  showValuesCheck = new wxCheckBox(boxPage, ID_SHOW_VALUES, _("Sho&w values"));
  Bind(wxEVT_CHECKBOX, &MainFrame::onShowValues, this, ID_SHOW_VALUES);
}

void MainFrame::buildDotPlotPage() {
  dotPlotPage = new wxPanel(notebook, wxID_ANY);
  dotPlot = new DotPlotView(dotPlotPage, wxID_ANY, wxDefaultPosition, wxDefaultSize);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(dotPlot, 1, wxEXPAND | wxALL, 5);
  dotPlotPage->SetSizer(sizer);
  // The dots are built for the page on show: a change while another page is on
  // show leaves them to be built when the page is shown again.
  notebook->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
    event.Skip();
    if (dotPlotStale && notebook->GetCurrentPage() == dotPlotPage) handDotPlot();
  });
}

// Ungrouped data get their dots; for the other types the page says what it
// shows instead of drawing nothing.
void MainFrame::handDotPlot() {
  dotPlotStale = notebook->GetCurrentPage() != dotPlotPage;
  if (dotPlotStale) return;
  const tally::DataType type = model.type();
  if (type == tally::UngroupedDiscrete || type == tally::UngroupedContinuous) {
    dotPlot->setSets(&model.set(0), &model.set(1));
    return;
  }
  dotPlot->setReason(
      _("A dot plot shows ungrouped data, one dot per observation.\n"
        "Choose Ungrouped Discrete or Ungrouped Continuous to see the dots."));
}

// Each box's mean and five numbers, from the refresh; none for a set without a box.
void MainFrame::handBoxMarks() {
  std::vector<ColumnGraphView::BoxMark> marks;
  for (int s = 0; s < 2; ++s) {
    const tally::SetDisplay& d = model.result().sets[s];
    if (!d.hasStatistics || !d.boxMarks) continue;
    ColumnGraphView::BoxMark mark;
    mark.centreX = d.boxMean.x;
    mark.rightX = d.boxMean.x + 1;  // the box is two units wide
    mark.mean = d.boxMean.y;
    for (const auto& v : d.boxValues) mark.values.push_back({v.value, toWx(v.text)});
    marks.push_back(mark);
  }
  boxPlot->setBoxMarks(marks);
}

// The choice, the frequency axes' caption and their ticks: whole counts, or
// percentages that may be fractions.
void MainFrame::showFrequencyKind() {
  const bool relative = model.relativeFrequency();
  frequencyChoice->SetSelection(relative ? 1 : 0);
  for (ColumnGraphView* view : {set1Graph, set2Graph}) {
    view->setYAxisLabel(relative ? _("Relative frequency (%)") : _("Frequency"));
    view->getYScale().wholeUnits = !relative;
    view->redrawPicture();
  }
}

void MainFrame::onFrequencyKind(wxCommandEvent& event) {
  probe("onFrequencyKind");
  show(model.setRelativeFrequency(event.GetSelection() == 1));
}

// A way of looking at the box plot only: the view writes the numbers it holds.
void MainFrame::onShowValues(wxCommandEvent& event) {
  probe("onShowValues");
  boxPlot->setShowValues(event.IsChecked());
}
