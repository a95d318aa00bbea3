#pragma once
// The cumulative-percentage curves (ogives) of both sets, with a marker on each
// curve at the value where the chosen percentage is reached.
#include "ui/graph/coordSys.h"
#include "ui/views/ViewBuffer.h"

class PercentileGraphView : public coordSys {
 public:
  // The style argument is ignored: the view always has a sunken border.
  PercentileGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                      long style);
  ~PercentileGraphView() override;

  // which 0: Set 1's curve, any other value: Set 2's. Null removes the curve.
  // Non-owning. Takes effect at the next paint.
  void setCurve(int which, tally::Series* curve);
  void setSet1Percentile(double v) { set1Percentile = v; }
  void setSet2Percentile(double v) { set2Percentile = v; }
  // Set last by the refresh: asks for the one repaint that shows the new state.
  void setPercentage(double v);
  // The complete graph on any context: screen buffer, clipboard picture, printer.
  void draw(wxDC& dc);

  const tally::Series* getCurve(int which) const { return which == 0 ? set1Curve : set2Curve; }
  double getSet1Percentile() const { return set1Percentile; }
  double getSet2Percentile() const { return set2Percentile; }
  double getPercentage() const { return percentage; }
  int getBufferWidth() const { return buffer.width(); }
  int getBufferHeight() const { return buffer.height(); }
  // A copy of the picture the last paint showed.
  wxBitmap bufferSnapshot() { return buffer.snapshot(); }
  // The picture Ctrl+C puts on the clipboard.
  wxBitmap clipboardPicture();
  // The font of the marker and percentage texts, 9 points unless set otherwise
  // (the main window grows it with its text scale).
  static wxFont markerFont(int points = 9);
  void setMarkerFontSize(int points) { markerPoints = points > 0 ? points : 9; }

  void onKeyDown(wxKeyEvent& event);
  void onPaint(wxPaintEvent& event);
  void onEraseBackground(wxEraseEvent& event);
  void onSize(wxSizeEvent& event);

 private:
  ViewBuffer buffer;
  tally::Series* set1Curve = nullptr;
  tally::Series* set2Curve = nullptr;
  double set1Percentile = 0;
  double percentage = 0;
  double set2Percentile = 0;
  int markerPoints = 9;

  wxDECLARE_EVENT_TABLE();
};
