#pragma once
// The dot plot of ungrouped data: one dot per observation stacked over its value,
// Set 1's band above Set 2's on one value axis at the foot of the graph. The
// stacking (dot size, observations per dot) comes from the core's buildDotPlot
// for the band height of the window; the view only places and draws the dots.
#include <wx/string.h>

#include "core/lesson/DotPlot.h"
#include "core/stats/DataSet.h"
#include "ui/views/BufferedGraphView.h"

class DotPlotView : public BufferedGraphView {
 public:
  // The style argument is ignored: the view always has a sunken border.
  DotPlotView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
              long style = 0);
  ~DotPlotView() override;

  // The observations of both sets (either may be null: no dots), copied now, and
  // the axis framed to them. Clears the reason. Marks the picture stale.
  void setSets(const tally::DataSet* first, const tally::DataSet* second);
  // Why there is nothing to show (grouped data), written across the graph in
  // place of the dots; empty: the dots. Marks the picture stale.
  void setReason(const wxString& text);
  const wxString& getReason() const { return reason; }
  // The name written at the top left of each set's band. Marks the picture stale.
  void setSetNames(const wxString& first, const wxString& second);
  const wxString& getSetName(int set) const { return names[set == 1 ? 1 : 0]; }

  void draw(wxDC& dc) override;

  // --- The geometry of the picture at the window's present size ---------------
  // The stacks as drawn: the model for the bands' height in full-size dots.
  tally::DotPlotModel plotModel() const;
  // Diameter in pixels of a full-size dot, and of the dots as drawn.
  double fullDotDiameter() const;
  double dotDiameter() const;
  // The pixel row the dots of a set stand on (their bottom edge).
  int baselineY(int set) const;
  // Pixel height of a band available to the stacks, under the set's name.
  int stackRoom() const;
  // "Each dot stands for 5 observations", or empty when a dot is one observation.
  wxString keyText() const;

  // The colour of each set's dots.
  static wxColour dotColour(int set);

 private:
  // Sets the x window to the model's frame and lays the scales out for the window.
  void frameAxis();
  int keyRoom() const;
  // Each set's band: Set 1's under the key line, Set 2's below it down to the axis.
  int bandHeight() const;
  int bandTop(int set) const;
  int nameHeight() const;
  void drawBand(wxDC& dc, int set, const tally::DotPlotModel& m);
  void drawKey(wxDC& dc, const tally::DotPlotModel& m);

  tally::DataSet sets[2];
  bool hasSet[2] = {false, false};
  wxString reason;
  wxString names[2];
};
