#pragma once
// The properties window of a graph: ranges, autoscaling with its tick unit or
// maximum tick count, label positions, axis labels, trig scales, grid, axes and
// the layout switches. Created hidden with its graph and reused for every
// opening; showProperties makes its controls at the first opening and fills it,
// "Apply" and "OK" write it back.
#include <wx/frame.h>

#include "ui/graph/GraphPropertiesHost.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

class coordSysProperties : public wxFrame {
 public:
  // Control identifiers of the event table.
  enum { ID_OK = 0, ID_CANCEL = 1, ID_APPLY = 2, ID_X_AUTOSCALE = 3, ID_Y_AUTOSCALE = 4 };

  // The controls of one axis.
  struct AxisControls {
    wxTextCtrl* min = nullptr;
    wxTextCtrl* max = nullptr;
    wxCheckBox* autoScale = nullptr;
    wxStaticText* tickCaption = nullptr;
    wxTextCtrl* tick = nullptr;
    wxChoice* tickLabelPosition = nullptr;
    wxStaticText* labelCaption = nullptr;
    wxTextCtrl* label = nullptr;
    wxChoice* labelPosition = nullptr;
    wxCheckBox* trigScale = nullptr;
  };

  // The style argument is not used: the window is always a floating tool window.
  // The graph passes itself: the window floats over it and edits its layout.
  coordSysProperties(GraphPropertiesHost* parent, wxWindowID id, const wxString& title,
                     const wxPoint& pos, const wxSize& size, long style);
  ~coordSysProperties() override;

  GraphPropertiesHost* getOwner() const { return owner; }
  // The graph is going away first: forget it.
  void forgetOwner() { owner = nullptr; }

  // Makes the controls if they are not made yet; showProperties calls it before
  // the filling. Until then the control accessors below answer null.
  void buildControls();

  // Makes the controls if needed and fills them all from the graph's layout.
  void fillFromOwner();

  // Fill setters: each writes one control; numbers are shown with "%.12g".
  void setXMin(double v);
  void setXMax(double v);
  void setYMin(double v);
  void setYMax(double v);
  void setXAutoScale(bool on);
  void setYAutoScale(bool on);
  void setXTickUnit(double u);
  void setYTickUnit(double u);
  void setXMaxTicks(int n);
  void setYMaxTicks(int n);
  void setXAxisLabel(const wxString& text);
  void setYAxisLabel(const wxString& text);
  void setXTrigScale(bool on);
  void setYTrigScale(bool on);
  void setGridStyle(int style);
  void setAxesStyle(int style);
  void setEqualScaling(bool on);
  void setOriginAlwaysViewable(bool on);
  void setAxesAlwaysViewable(bool on);
  void setXTickLabelPosition(int code);
  void setYTickLabelPosition(int code);
  void setXAxisLabelPosition(int code);
  void setYAxisLabelPosition(int code);

  // Checks the ranges and writes every entry into the graph; false, with a
  // message and nothing written, when a minimum is not below its maximum.
  bool apply();

  // Controls, for tests and callers that need to drive the window.
  const AxisControls& xControls() const { return x; }
  const AxisControls& yControls() const { return y; }
  wxChoice* gridChoice() const { return grid; }
  wxChoice* axesChoice() const { return axes; }
  wxCheckBox* equalScalingBox() const { return equalScaling; }
  wxCheckBox* originViewableBox() const { return originViewable; }
  wxCheckBox* axesViewableBox() const { return axesViewable; }
  wxButton* button(int id) const;

 private:
  // What the window keeps for one axis: its controls and the value its tick
  // field does not show at the moment.
  struct Axis {
    AxisControls& controls;
    int& maxTicks;
    double& tickUnit;
  };
  Axis axis(bool isX) { return isX ? Axis{x, xMaxTicks, xTickUnit} : Axis{y, yMaxTicks, yTickUnit}; }

  wxSizer* buildAxisBox(AxisControls& c, bool isX);
  wxSizer* buildGeneralBlock();
  // Caption and text of the tick field as the autoscale box asks.
  void showTickField(Axis a);
  void switchTickField(Axis a);

  void onClose(wxCloseEvent& event);
  void onOK(wxCommandEvent& event);
  void onCancel(wxCommandEvent& event);
  void onApply(wxCommandEvent& event);
  void onXAutoScale(wxCommandEvent& event);
  void onYAutoScale(wxCommandEvent& event);

  GraphPropertiesHost* owner;
  wxPanel* panel = nullptr;
  AxisControls x, y;
  wxChoice* grid = nullptr;
  wxChoice* axes = nullptr;
  wxCheckBox* equalScaling = nullptr;
  wxCheckBox* originViewable = nullptr;
  wxCheckBox* axesViewable = nullptr;
  // The axis models' own defaults until the first filling.
  int xMaxTicks = 10;
  int yMaxTicks = 10;
  double xTickUnit = 1;
  double yTickUnit = 1;

  wxDECLARE_EVENT_TABLE();
};
