#pragma once
// The cumulative-percentage curves (ogives) of both sets, with a marker on each
// curve at the value where the chosen percentage is reached.
#include "ui/graph/TextMeasure.h"
#include "ui/graph/TextStamp.h"
#include "ui/views/BufferedGraphView.h"

class PercentileGraphView : public BufferedGraphView {
 public:
  // The style argument is ignored: the view always has a sunken border.
  PercentileGraphView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                      long style);
  ~PercentileGraphView() override;

  // which 0: Set 1's curve, any other value: Set 2's. Null removes the curve.
  // The view draws its own copy, taken now: call again after changing the record.
  // This and the setters below mark the picture stale when they change what it
  // shows (a curve compared by value).
  void setCurve(int which, const tally::Series* curve);
  void setSet1Percentile(double v);
  void setSet2Percentile(double v);
  void setPercentage(double v);
  // The set names the markers carry ("Class 7A  Percentile"); Set 1 and Set 2
  // until given.
  void setSetNames(const wxString& set1, const wxString& set2);
  // A marker's text: the set's name and "  Percentile".
  wxString markerTitle(int set) const;
  // The complete graph on any context: screen buffer, clipboard picture, printer.
  void draw(wxDC& dc) override;

  // The record a curve was last set from (which curve is on show), null when
  // there is none. The view never reads through it.
  const tally::Series* getCurve(int which) const { return curve(which).source; }
  // The view's own copy of a curve, as drawn; null when there is none.
  const tally::Series* getDrawnCurve(int which) const {
    return curve(which).source ? &curve(which).copy : nullptr;
  }
  double getSet1Percentile() const { return set1Percentile; }
  double getSet2Percentile() const { return set2Percentile; }
  double getPercentage() const { return percentage; }
  // The font of the marker and percentage texts, 9 points unless set otherwise
  // (the main window grows it with its text scale).
  static wxFont markerFont(int points = 9);
  // How many marker texts were drawn anew into pictures of their own, for tests.
  int markerTextsDrawn() const { return markerTexts.stampsMade(); }
  void setMarkerFontSize(int points);
  int getMarkerFontSize() const { return markerPoints; }

 protected:
  bool ownStateTracked() const override { return true; }

 private:
  struct Curve {
    const tally::Series* source = nullptr;
    tally::Series copy;
  };
  const Curve& curve(int which) const { return which == 0 ? set1Curve : set2Curve; }
  // One set's curve, inside the graph's window.
  void drawCurve(wxDC& dc, int which);

  Curve set1Curve;
  Curve set2Curve;
  double set1Percentile = 0;
  double percentage = 0;
  double set2Percentile = 0;
  int markerPoints = 9;
  // markerFont(markerPoints), kept while the size stays: its key is remembered by object.
  KeptFont markersFont;
  wxString setNames[2] = {"Set 1", "Set 2"};
  GraphLayer curveLayers[2];  // each set's curve as last drawn on a picture
  TextStamps markerTexts;     // the markers' texts, each as drawn once
};
