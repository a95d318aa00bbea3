// What a screen reader hears of the main window, and the keys that reach every
// part of it without a mouse.
#include <memory>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/NumberText.h"
#include "core/graph/GraphDescription.h"
#include "ui/WxBridge.h"
#include "ui/access/Accessible.h"
#include "ui/app/MainFrame.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/StatisticsPanel.h"

namespace {

// The window that stands just before `window` in the sizer that holds it: the
// caption of a value label in the statistics table and the read-out row.
wxWindow* windowBefore(wxWindow* window) {
  wxSizer* sizer = window ? window->GetContainingSizer() : nullptr;
  if (!sizer) return nullptr;
  wxWindow* before = nullptr;
  for (wxSizerItem* item : sizer->GetChildren()) {
    if (item->GetWindow() == window) return before;
    before = item->GetWindow();
  }
  return nullptr;
}

// What a statistic is called when read out; the page's captions are abbreviated.
wxString statisticName(Statistic which, bool sample, int percentile, int sliderPercent) {
  switch (which) {
    case Statistic::N: return _("n");
    case Statistic::Mean: return _("Mean");
    case Statistic::Mode: return _("Mode");
    case Statistic::Minimum: return _("Minimum");
    case Statistic::Q1: return _("Lower quartile Q1");
    case Statistic::Median: return _("Median");
    case Statistic::Q3: return _("Upper quartile Q3");
    case Statistic::Maximum: return _("Maximum");
    case Statistic::Range: return _("Range");
    case Statistic::Iqr: return _("Interquartile range");
    case Statistic::StdDev:
      return sample ? _("Sample standard deviation") : _("Population standard deviation");
    case Statistic::Percentile: return wxString::Format(_("Percentile %d"), percentile);
    case Statistic::SliderPercentile:
      return wxString::Format(_("Percentile %d%% on the curve"), sliderPercent);
    case Statistic::Count: break;
  }
  return wxString();
}

tally::GraphAxis axis(const coordSys* view, bool x) {
  return {toStd(x ? view->getXAxisLabel() : view->getYAxisLabel()),
          x ? view->getXMin() : view->getYMin(), x ? view->getXMax() : view->getYMax()};
}

// A graph is named and described, and takes the focus only while it shows data.
void describeGraph(coordSys* view, const tally::GraphText& text, bool onShow) {
  a11y::setRole(view, a11y::Role::Image);
  a11y::setName(view, toWx(text.name));
  a11y::setDescription(view, toWx(text.description));
  view->SetCanFocus(text.hasData && onShow);
}

// Each value is read with its caption and labels nothing itself (the mode's text
// was made just before a Cycle button); each Cycle button with its caption.
void relateStatistics(StatisticsPanel* statistics) {
  for (int s = 0; s < 2; ++s) {
    for (int k = 0; k < static_cast<int>(Statistic::Count); ++k) {
      wxStaticText* value = statistics->label(s, static_cast<Statistic>(k));
      a11y::labelsNothing(value);
      if (auto* caption = wxDynamicCast(windowBefore(value), wxStaticText)) {
        a11y::guessesNoTarget(caption);
        a11y::setLabelledBy(value, caption);
      }
    }
  }
  for (int id : {ID_CYCLE_SET1, ID_CYCLE_SET2}) {
    wxWindow* cycle = statistics->FindWindow(id);
    if (auto* caption = wxDynamicCast(windowBefore(cycle), wxStaticText)) {
      a11y::guessesNoTarget(caption);
      a11y::setLabelledBy(cycle, caption);
    }
  }
}

}  // namespace

void MainFrame::setUpAccess() {
  // Ctrl+PageUp and Ctrl+PageDown turn the notebook's pages from anywhere in the
  // window, as in a browser; GTK's notebook does it only with the focus on its tabs.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool up = key == WXK_PAGEUP || key == WXK_NUMPAD_PAGEUP;
    const bool down = key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEDOWN;
    if (event.GetModifiers() == wxMOD_CONTROL && (up || down)) {
      // The toolkit hands the focus to the new page; a user typing in the table
      // keeps it there.
      wxWindow* focus = wxWindow::FindFocus();
      const bool outside = focus && !notebook->IsDescendant(focus) && focus != notebook;
      notebook->AdvanceSelection(down);
      if (outside && wxWindow::FindFocus() != focus) focus->SetFocus();
      return;
    }
    event.Skip();
  });
  a11y::setName(dataTypeChoice, _("Data type"));
  a11y::setName(instructionsText, _("Instructions"));
  a11y::setName(percentileSlider, _("Percentile slider: 0 at the bottom, 100 at the top"));
  a11y::setName(percentageText, _("Slider percentage"));
  a11y::setName(statistics->decimalsChoice(), _("Decimals"));
  a11y::setName(notebook, _("Details"));
  describeForReaders();
  // Texts still waiting for a reader go with the window.
  Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == this) a11y::forget(this);
    event.Skip();
  });
  // Showing the window gives the mode's text its label-for relation again; the
  // relations are set right once the window is on screen.
  auto done = std::make_shared<bool>(false);
  Bind(wxEVT_IDLE, [this, done](wxIdleEvent& event) {
    event.Skip();
    if (*done || !IsShownOnScreen()) return;
    *done = true;
    relateStatistics(statistics);
  });
}

// The graphs take the keyboard focus at once while they show data; their texts,
// the statistics' and the table's are written when a reader can hear them.
void MainFrame::describeForReaders() {
  if (!statistics || !grid) return;
  const tally::RefreshResult& result = model.result();
  const bool grouped = model.type() == tally::AlreadyGroupedContinuous;
  tally::BoxPlotSet boxes[2];
  bool curves = false;
  for (int s = 0; s < 2; ++s) {
    const tally::SetDisplay& d = result.sets[s];
    (s == 0 ? set1Graph : set2Graph)->SetCanFocus(d.hasStatistics && !d.columns.empty());
    if (d.hasStatistics && !grouped) boxes[s].lines = d.boxLines;
    curves = curves || (d.hasStatistics && !d.ogive.empty());
  }
  boxPlot->SetCanFocus(!grouped && tally::describeBoxPlots(boxes, tally::GraphAxis{}).hasData);
  percentileGraph->SetCanFocus(grouped && curves);
  a11y::writeWhenRead(this, [this] { writeReaderTexts(); });
}

void MainFrame::writeReaderTexts() {
  if (!statistics || !grid) return;
  const tally::RefreshResult& result = model.result();
  const bool sample = model.sampleStdDev();
  const int sliderPercent = tally::sliderPercent(model.state().sliderPosition);
  wxString names[2];
  for (int s = 0; s < 2; ++s) {
    names[s] = toWx(model.setName(s));
    for (int k = 0; k < static_cast<int>(Statistic::Count); ++k) {
      const auto which = static_cast<Statistic>(k);
      wxStaticText* value = statistics->label(s, which);
      if (!value) continue;
      const wxString shown = value->GetLabelText();
      a11y::setName(value, wxString::Format(_("%s of %s: %s"),
                                              statisticName(which, sample, model.percentile(s),
                                                            sliderPercent),
                                              names[s], shown.empty() ? _("none") : shown));
    }
    const int nameIds[2] = {ID_NAME_SET1, ID_NAME_SET2};
    const int cycleIds[2] = {ID_CYCLE_SET1, ID_CYCLE_SET2};
    a11y::setName(statistics->FindWindow(nameIds[s]),
                    wxString::Format(_("Name of %s..."), names[s]));
    a11y::setName(statistics->FindWindow(cycleIds[s]),
                    wxString::Format(sample ? _("Standard deviation of %s: sample; press for "
                                                "population")
                                            : _("Standard deviation of %s: population; press "
                                                "for sample"),
                                     names[s]));
    a11y::setName(statistics->percentileSpin(s),
                    wxString::Format(_("Percentile for %s"), names[s]));
  }
  a11y::setDescription(set1Radio, wxString::Format(_("Shows the table of %s"), names[0]));
  a11y::setDescription(set2Radio, wxString::Format(_("Shows the table of %s"), names[1]));
  relateStatistics(statistics);
  grid->setReaderTitle(
      wxString::Format(_("Table of %s"), names[model.shownSet() == 1 ? 1 : 0]));

  const bool grouped = model.type() == tally::AlreadyGroupedContinuous;
  const bool classes = grouped || tally::isContinuousType(model.type());
  ColumnGraphView* columnGraphs[2] = {set1Graph, set2Graph};
  tally::BoxPlotSet boxes[2];
  tally::CurveSet curves[2];
  for (int s = 0; s < 2; ++s) {
    const tally::SetDisplay& d = result.sets[s];
    const tally::PointList none;
    describeGraph(columnGraphs[s],
                  tally::describeColumnGraph(toStd(names[s]), axis(columnGraphs[s], true),
                                             axis(columnGraphs[s], false),
                                             d.hasStatistics ? d.columns : none, d.barWidth,
                                             classes),
                  true);
    boxes[s].name = curves[s].name = toStd(names[s]);
    if (d.hasStatistics && !grouped) {
      boxes[s].lines = d.boxLines;
      boxes[s].outliers = d.outliers;
    }
    if (d.hasStatistics) {
      curves[s].points = d.ogive;
      curves[s].sliderValue = d.sliderValue;
    }
  }
  describeGraph(boxPlot,
                tally::describeBoxPlots(boxes, axis(boxPlot, false), model.decimals()),
                !grouped);
  describeGraph(percentileGraph,
                tally::describeCumulativeCurves(curves, axis(percentileGraph, true),
                                                axis(percentileGraph, false), sliderPercent,
                                                model.decimals()),
                grouped);
}
