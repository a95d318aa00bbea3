#pragma once
// The graph widget: a coordinate system with grid, axes, tick labels, data
// series and labelled points. The layout rules and the axis geometry live in the
// core (GraphLayout, AxisGeometry); the stored series in SeriesStore, the fonts
// and text measures in TextMeasure, the animation steps in coordSysAnimation.cpp.
// This window draws, and handles the mouse, keys and timer.
#include <wx/arrstr.h>
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/event.h>
#include <wx/font.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <functional>
#include <string>
#include <vector>

#include "core/graph/AxisGeometry.h"
#include "core/graph/GraphLayout.h"
#include "core/graph/Series.h"
#include "ui/graph/GraphDrawing.h"
#include "ui/graph/GraphPropertiesHost.h"
#include "ui/graph/SeriesStore.h"
#include "ui/graph/TextMeasure.h"
#include "ui/graph/coordSysAnimation.h"

class coordSysProperties;

// Sent with int -1 after a resize or the properties window recomputed the ranges.
wxDECLARE_EVENT(viewChangedEvent, wxCommandEvent);
// Sent with the animated series' id whenever an animation stops.
wxDECLARE_EVENT(animationDoneEvent, wxCommandEvent);

class coordSys : public wxWindow, public GraphPropertiesHost {
 public:
  enum { AnimationTimerId = 1, PropertiesMenuId = 0 };

  coordSys(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
           const wxSize& size = wxDefaultSize, long style = 0,
           const wxString& name = wxASCII_STR(wxPanelNameStr));
  ~coordSys() override;

  // The requested window, in axis units; takes effect at the next updateScales.
  void setXMin(double v) { layout.xMin = v; }
  void setXMax(double v) { layout.xMax = v; }
  void setYMin(double v) { layout.yMin = v; }
  void setYMax(double v) { layout.yMax = v; }
  double getXMin() const { return layout.xMin; }
  double getXMax() const { return layout.xMax; }
  double getYMin() const { return layout.yMin; }
  double getYMax() const { return layout.yMax; }

  void setXAxisLabel(const wxString& text);
  void setYAxisLabel(const wxString& text);
  wxString getXAxisLabel() const;
  wxString getYAxisLabel() const;
  bool setXTickUnit(double u) { return layout.xScale.setTickUnit(u); }
  bool setYTickUnit(double u) { return layout.yScale.setTickUnit(u); }
  double getXTickUnit() const { return layout.xScale.getTickUnit(); }
  double getYTickUnit() const { return layout.yScale.getTickUnit(); }
  void setXAutoScale(bool on) { layout.xScale.autoScale = on; }
  void setYAutoScale(bool on) { layout.yScale.autoScale = on; }
  bool getXAutoScale() const { return layout.xScale.autoScale; }
  bool getYAutoScale() const { return layout.yScale.autoScale; }
  bool setXMaxTicks(int n) { return layout.xScale.setMaxTicks(n); }
  bool setYMaxTicks(int n) { return layout.yScale.setMaxTicks(n); }
  int getXMaxTicks() const { return layout.xScale.getMaxTicks(); }
  int getYMaxTicks() const { return layout.yScale.getMaxTicks(); }
  bool setFontSize(int size) { return layout.setFontSize(size); }
  int getFontSize() const { return layout.fontSize; }
  // How much thicker than at 100% the graph's own lines are drawn (the axes, the
  // ticks, the grid, the marks): the projector zoom. A line of n pixels at 100%
  // is drawn round(n x scale) pixels wide, never less than one.
  void setLineScale(double scale) { lineScale = scale > 0 ? scale : 1.0; }
  double getLineScale() const { return lineScale; }
  int lineWidth(int atHundred = 1) const;
  bool setXTickLabelPosition(int p) { return layout.setXTickLabelPosition(p); }
  bool setYTickLabelPosition(int p) { return layout.setYTickLabelPosition(p); }
  bool setXAxisLabelPosition(int p) { return layout.setXAxisLabelPosition(p); }
  bool setYAxisLabelPosition(int p) { return layout.setYAxisLabelPosition(p); }
  int getXTickLabelPosition() const { return layout.xTickLabelPosition; }
  int getYTickLabelPosition() const { return layout.yTickLabelPosition; }
  int getXAxisLabelPosition() const { return layout.xAxisLabelPosition; }
  int getYAxisLabelPosition() const { return layout.yAxisLabelPosition; }
  void setAxesStyle(int style) { layout.setAxesStyle(style); }
  int getAxesStyle() const { return layout.getAxesStyle(); }
  void setCustomXTickLabels(const wxArrayString& labels);
  void setCustomYTickLabels(const wxArrayString& labels);
  void clearCustomXTickLabels() { layout.clearCustomXTickLabels(); }
  void clearCustomYTickLabels() { layout.clearCustomYTickLabels(); }
  bool getCustomXTickLabelsOn() const { return layout.customXTickLabelsOn; }
  bool getCustomYTickLabelsOn() const { return layout.customYTickLabelsOn; }

  void setGridStyle(int style) { layout.gridStyle = style; }
  int getGridStyle() const { return layout.gridStyle; }
  void setEqualScaling(bool on) { layout.equalScaling = on; }
  bool getEqualScaling() const { return layout.equalScaling; }
  void setXTrigScale(bool on) { layout.xTrigScale = on; }
  void setYTrigScale(bool on) { layout.yTrigScale = on; }
  bool getXTrigScale() const { return layout.xTrigScale; }
  bool getYTrigScale() const { return layout.yTrigScale; }
  void setOriginAlwaysViewable(bool on) { layout.originAlwaysViewable = on; }
  bool getOriginAlwaysViewable() const { return layout.originAlwaysViewable; }
  void setAxesAlwaysViewable(bool on) { layout.axesAlwaysViewable = on; }
  bool getAxesAlwaysViewable() const { return layout.axesAlwaysViewable; }
  void setAxisIntersection(double x, double y) { layout.axisIntersection = {x, y}; }
  tally::WorldPoint getAxisIntersection() const { return layout.axisIntersection; }
  void setPropertiesMenuEnabled(bool on) { propertiesMenuEnabled = on; }
  bool getPropertiesMenuEnabled() const { return propertiesMenuEnabled; }
  // An entry of the right-click menu after Properties; its menu event reaches this
  // window first, then its parents.
  void addMenuEntry(int id, const wxString& text) { menuEntries.emplace_back(id, text); }

  // The axis records and the whole model, for the properties window and the settings reader.
  tally::AxisScale& getXScale() { return layout.xScale; }
  tally::AxisScale& getYScale() { return layout.yScale; }
  const tally::AxisScale& getXScale() const { return layout.xScale; }
  const tally::AxisScale& getYScale() const { return layout.yScale; }
  tally::GraphLayout& getLayout() { return layout; }
  const tally::GraphLayout& getLayout() const { return layout; }

  // While set to a size (the printed page), the graph lays itself out and draws as
  // if its client area had that size; wxDefaultSize returns to the window's own.
  void setDrawingSize(const wxSize& size) { drawingSize = size; }
  wxSize getDrawingSize() const { return drawingSize; }

  // Layout and transforms on the client size. World values are real (times pi on a trig axis).
  void updateScales();
  tally::Margins computeMargins(bool adjust) const;
  int worldToPixelX(double v) const;
  int worldToPixelY(double v) const;
  double pixelToWorldX(int p) const;
  double pixelToWorldY(int p) const;
  wxPoint worldToPixel(double x, double y) const;
  tally::WorldPoint pixelToWorld(int px, int py) const;
  double pixelWidthToWorld(int n) const;
  double pixelHeightToWorld(int n) const;
  int worldWidthToPixels(double d) const;
  int worldHeightToPixels(double d) const;
  bool isVisible(double x, double y) const;

  // Where drawAxes draws the axes: x is the column of the vertical axis, y the
  // row of the horizontal one, after pinning an axis outside the window to its edge.
  wxPoint axesCrossingPixel() const;

  // Drawing, on any context (paint, memory, printer).
  void redraw();
  void drawAll(wxDC& dc);
  void drawGrid(wxDC& dc);
  void drawAxes(wxDC& dc);
  void drawAllSeries(wxDC& dc);
  void drawSeries(wxDC& dc, const tally::Series& s);
  // The columns of a columns series that drawSeries paints opaque over whatever
  // lies under them, in pixels at the present size (none for other series).
  void opaqueColumns(const tally::Series& s, std::vector<wxRect>& out) const;
  // Every column of a columns series as DrawRectangle's box (the pixels its
  // outline and fill can reach with a one-pixel pen), in pixels at the present
  // size; none for other series.
  void columnBoxes(const tally::Series& s, std::vector<wxRect>& out) const;
  void drawPointLabels(wxDC& dc);
  void drawMarker(wxDC& dc, double x, double y, int shape, int size);
  void drawSeriesById(int id);
  void drawAllSeriesNow();
  void copyToClipboard();
  // The picture as copied: drawn on white at the window's full size, clipped to
  // it, then cut to the drawn bounding box plus 10 pixels each way. Subclasses
  // that draw more than drawAll pass their own drawing.
  wxBitmap pictureBitmap();
  wxBitmap pictureBitmap(const std::function<void(wxDC&)>& draw);
  // Puts such a picture on the clipboard; false when the clipboard would not open.
  bool copyPicture(const std::function<void(wxDC&)>& draw);
  // Overlapping drawings combine as the product of their colours (the AND of
  // pure colours; unchanged on white). No effect on a context without cairo.
  static void setMultiplyDrawing(wxDC& dc, bool on);
  wxFont tickFont() const;
  wxFont axisLabelFont() const;

  // The stored series and point labels.
  int addSeries(const tally::Series& s);
  bool removeSeries(int id);
  bool replaceSeries(int id, const tally::Series& s);
  void clearSeries();
  int seriesCount() const { return store.count(); }
  int findSeries(int id) const;
  const tally::Series* getSeries(int id) const;
  int addPointLabel(const tally::PointLabel& label);
  void clearPointLabels() { store.clearPointLabels(); }
  bool removePointLabel(int id);
  int removeSeriesPointLabels(int seriesId);
  int removeAllSeriesPointLabels();
  const std::vector<tally::PointLabel>& getPointLabels() const { return store.getPointLabels(); }
  void showProperties();
  coordSysProperties* getPropertiesWindow() const { return propertiesWindow; }
  // Called by a properties window that is being destroyed.
  void forgetPropertiesWindow(const coordSysProperties* window) override {
    if (propertiesWindow == window) propertiesWindow = nullptr;
  }
  // What the properties window edits and how it shows its changes.
  wxWindow* propertiesParent() override { return this; }
  tally::GraphLayout& propertiesLayout() override { return layout; }
  void propertiesApplied() override;
  // Sends viewChangedEvent with this payload to the graph's own handler.
  void notifyViewChanged(int value);

  // Graph property settings (XML): written through the setters in document
  // order; the caller then runs updateScales and refreshes. False for a file
  // that is missing, not regular or over 1 MiB, and for a broken document.
  bool loadSettings(const wxString& fileName);
  bool parseSettings(const std::string& text);

  // Animation of a stored series: mode 1 reveals points coarse to fine, any
  // other mode draws the line a chunk per tick.
  void animateSeries(int id, int mode);
  bool isAnimating() const { return animationTimer.IsRunning(); }
  void resumeAnimation();
  void stopAnimation();
  int getAnimationInterval() const { return animation.interval; }
  int getAnimationMode() const { return animation.mode; }
  int getAnimatedSeriesId() const { return animation.seriesId; }
  tally::WorldPoint getAnimationLastPoint() const { return animation.lastPoint; }
  wxTimer& getAnimationTimer() { return animationTimer; }

  void onKeyDown(wxKeyEvent& event);
  void onRightUp(wxMouseEvent& event);
  void onPaint(wxPaintEvent& event);
  void onSize(wxSizeEvent& event);
  void onTimer(wxTimerEvent& event);
  void onMotion(wxMouseEvent& event);

 protected:
  void DoGetClientSize(int* width, int* height) const override;
  // A world point in pixels of a client area of the given size.
  wxPoint toPixel(double x, double y, const wxSize& client) const;

  bool propertiesMenuEnabled = false;
  std::vector<std::pair<int, wxString>> menuEntries;
  tally::GraphLayout layout;
  SeriesStore store;
  SeriesAnimation animation;
  wxTimer animationTimer;
  coordSysProperties* propertiesWindow = nullptr;

 private:
  // Each column of one segment of a columns series, as DrawRectangle's box.
  template <class Take>
  void forEachColumn(const tally::Series& s, const tally::PointList& seg, const wxSize& c,
                     Take&& take) const;
  GraphFonts fonts;
  wxSize drawingSize = wxDefaultSize;
  double lineScale = 1.0;
  // The axes as last drawn on a bitmap, laid over again while they stay the same.
  GraphLayer axesLayer;

  tally::TextMeasure windowMeasure() const;
  tally::TextMeasure dcMeasure(wxDC& dc) const;
  void drawMarkerAt(wxDC& dc, const wxPoint& centre, int shape, int size);
  void strokeAxes(wxDC& dc, const tally::AxesGeometry& geometry);
  bool startAnimationCursor(const tally::Series& s);
  void lineAnimationStep();
  void pointAnimationStep();
  void setSeriesPenAndBrush(wxDC& dc, const tally::Series& s);
  void onPropertiesMenu(wxCommandEvent& event);

  wxDECLARE_EVENT_TABLE();
};
