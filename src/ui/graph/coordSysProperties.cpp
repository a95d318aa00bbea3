#include "ui/graph/coordSysProperties.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/NumberText.h"
#include "core/graph/GraphLayout.h"
#include "ui/WxBridge.h"

wxBEGIN_EVENT_TABLE(coordSysProperties, wxFrame)
  EVT_CLOSE(coordSysProperties::onClose)
  EVT_BUTTON(coordSysProperties::ID_OK, coordSysProperties::onOK)
  EVT_BUTTON(coordSysProperties::ID_CANCEL, coordSysProperties::onCancel)
  EVT_BUTTON(coordSysProperties::ID_APPLY, coordSysProperties::onApply)
  EVT_CHECKBOX(coordSysProperties::ID_X_AUTOSCALE, coordSysProperties::onXAutoScale)
  EVT_CHECKBOX(coordSysProperties::ID_Y_AUTOSCALE, coordSysProperties::onYAutoScale)
wxEND_EVENT_TABLE()

namespace {

// Fields are read like the C library reads them: the leading number counts and
// text without one is 0. The C locale keeps the decimal point, and "inf" or
// "nan" are no numbers there, so they read as 0 too.
double readNumber(const wxTextCtrl* field) { return tally::leadingNumber(toStd(field->GetValue())); }

// A base-10 integer from the start of the text; a count too large for an int is
// held at the int's limit rather than wrapped.
int readCount(const wxTextCtrl* field) {
  const long n = std::strtol(toStd(field->GetValue()).c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(n, INT_MIN, INT_MAX));
}

void showNumber(wxTextCtrl* field, double v) { field->ChangeValue(toWx(tally::fieldText(v))); }

// Axis label positions, in the order of the label-position choices.
const int labelPositionCodes[] = {6, 10, 5, 9};

int labelPositionEntry(int code) {
  for (int i = 0; i < 3; ++i)
    if (labelPositionCodes[i] == code) return i;
  return 3;
}

wxArrayString entries(std::initializer_list<wxString> texts) {
  wxArrayString out;
  for (const wxString& t : texts) out.Add(t);
  return out;
}

}  // namespace

coordSysProperties::coordSysProperties(GraphPropertiesHost* parent, wxWindowID id,
                                       const wxString& title, const wxPoint& pos, const wxSize& size,
                                       long)
    : wxFrame(parent->propertiesParent(), id, title, pos, size,
              wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxFRAME_TOOL_WINDOW |
                  wxFRAME_FLOAT_ON_PARENT | wxFRAME_NO_TASKBAR),
      owner(parent) {
  SetTitle(_("Properties"));
}

coordSysProperties::~coordSysProperties() {
  if (owner) owner->forgetPropertiesWindow(this);
}

// Every graph has its window from the start, but the controls are made at the
// first filling: most graphs never open theirs, and each set of controls costs
// start-up time and memory.
void coordSysProperties::buildControls() {
  if (panel) return;
  panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER);

  auto* settings = new wxBoxSizer(wxVERTICAL);
  settings->Add(buildAxisBox(x, true), wxSizerFlags(1).Expand());
  settings->Add(5, 5);
  settings->Add(buildAxisBox(y, false), wxSizerFlags(1).Expand());
  settings->Add(buildGeneralBlock(), wxSizerFlags(0).Expand().Border(wxALL, 5));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(panel, ID_OK, _("&OK"));
  buttons->Add(ok);
  buttons->Add(new wxButton(panel, ID_CANCEL, _("&Cancel")), wxSizerFlags().Border(wxLEFT | wxRIGHT, 10));
  buttons->Add(new wxButton(panel, ID_APPLY, _("&Apply")));

  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(settings, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  outer->Add(buttons, wxSizerFlags(0).Right().Border(wxALL, 10));
  panel->SetSizer(outer);
  outer->Fit(panel);
  outer->SetSizeHints(panel);

  auto* frameSizer = new wxBoxSizer(wxVERTICAL);
  frameSizer->Add(panel, wxSizerFlags(1).Expand());
  SetSizer(frameSizer);
  frameSizer->Fit(this);
  frameSizer->SetSizeHints(this);
  Layout();

  for (const AxisControls* c : {&x, &y}) {
    c->tickLabelPosition->SetSelection(0);
    c->labelPosition->SetSelection(0);
  }
  grid->SetSelection(3);
  axes->SetSelection(3);
  ok->SetDefault();
}

wxSizer* coordSysProperties::buildAxisBox(AxisControls& c, bool isX) {
  auto* box = new wxStaticBoxSizer(wxVERTICAL, panel, isX ? _("x axis") : _("y axis"));
  // Controls in a box are the box's children, as GTK wants them.
  wxWindow* parent = box->GetStaticBox();
  const wxSizerFlags centred = wxSizerFlags().CentreVertical();
  const wxSizerFlags rowFlags = wxSizerFlags(1).Expand().Border(wxALL, 5);
  auto caption = [parent](const wxString& text) { return new wxStaticText(parent, wxID_ANY, text); };

  auto* range = new wxBoxSizer(wxHORIZONTAL);
  c.min = new wxTextCtrl(parent, wxID_ANY);
  c.max = new wxTextCtrl(parent, wxID_ANY);
  range->Add(caption(_("minimum:")), centred);
  range->Add(c.min, wxSizerFlags(centred).Border(wxLEFT | wxRIGHT, 10));
  range->Add(caption(_("maximum:")), centred);
  range->Add(c.max, wxSizerFlags(centred).Border(wxLEFT | wxRIGHT, 10));
  box->Add(range, rowFlags);

  auto* ticks = new wxBoxSizer(wxHORIZONTAL);
  c.autoScale = new wxCheckBox(parent, isX ? ID_X_AUTOSCALE : ID_Y_AUTOSCALE, _("autoscale"));
  c.tickCaption = caption(_("tick unit:"));
  c.tick = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(75, -1));
  c.tickLabelPosition =
      new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   isX ? entries({_("above axis"), _("below axis")})
                       : entries({_("left of axis"), _("right of axis")}));
  ticks->Add(c.autoScale, wxSizerFlags(centred).Border(wxRIGHT, isX ? 10 : 20));
  ticks->Add(c.tickCaption, wxSizerFlags(centred).Border(wxRIGHT, 10));
  ticks->Add(c.tick, wxSizerFlags(centred).Border(wxRIGHT, 10));
  ticks->Add(caption(_("tick label pos:")), wxSizerFlags(centred).Border(wxRIGHT, 10));
  ticks->Add(c.tickLabelPosition, isX ? centred : wxSizerFlags());
  box->Add(ticks, rowFlags);

  auto* labels = new wxBoxSizer(wxHORIZONTAL);
  c.labelCaption = caption(isX ? _("axis label:") : _("axis label"));
  c.label = new wxTextCtrl(parent, wxID_ANY);
  c.labelPosition = new wxChoice(
      parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
      isX ? entries({_("above left"), _("above right"), _("below left"), _("below right")})
          : entries({_("top left"), _("top right"), _("bottom left"), _("bottom right")}));
  c.trigScale = new wxCheckBox(parent, wxID_ANY, _("trig scale"));
  labels->Add(c.labelCaption, wxSizerFlags(centred).Border(wxRIGHT, 10));
  labels->Add(c.label, wxSizerFlags(centred).Border(wxRIGHT, 10));
  labels->Add(caption(_("label pos:")), wxSizerFlags(centred).Border(wxRIGHT, 10));
  labels->Add(c.labelPosition, wxSizerFlags(centred).Border(wxRIGHT, 10));
  labels->Add(c.trigScale, centred);
  box->Add(labels, rowFlags);
  return box;
}

wxSizer* coordSysProperties::buildGeneralBlock() {
  const wxSizerFlags centred = wxSizerFlags().CentreVertical();
  auto* general = new wxBoxSizer(wxVERTICAL);

  auto* first = new wxBoxSizer(wxHORIZONTAL);
  grid = new wxChoice(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                      entries({_("no grid"), _("horizontal grid"), _("vertical grid"),
                               _("rectangular grid"), _("polar grid")}));
  axes = new wxChoice(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                      entries({_("no axes"), _("horizontal axis"), _("vertical axis"), _("both axes")}));
  equalScaling = new wxCheckBox(panel, wxID_ANY, _("equal scaling"));
  first->Add(new wxStaticText(panel, wxID_ANY, _("grid:"), wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT),
             wxSizerFlags(centred).Border(wxRIGHT, 5));
  first->Add(grid, wxSizerFlags(centred).Border(wxRIGHT, 10));
  first->Add(new wxStaticText(panel, wxID_ANY, _("axes:")), wxSizerFlags(centred).Border(wxRIGHT, 5));
  first->Add(axes, wxSizerFlags().Border(wxRIGHT, 10));
  first->Add(equalScaling, centred);
  general->Add(first, wxSizerFlags(1).Expand().Border(wxBOTTOM, 5));

  auto* second = new wxBoxSizer(wxHORIZONTAL);
  originViewable = new wxCheckBox(panel, wxID_ANY, _("Origin is always viewable"));
  axesViewable = new wxCheckBox(panel, wxID_ANY, _("Axes are always viewable"));
  second->Add(originViewable, wxSizerFlags(centred).Border(wxRIGHT, 5));
  second->Add(axesViewable, centred);
  general->Add(second, wxSizerFlags(1).Expand());
  return general;
}

wxButton* coordSysProperties::button(int id) const {
  return panel ? wxDynamicCast(panel->FindWindow(id), wxButton) : nullptr;
}

// ---- filling

void coordSysProperties::setXMin(double v) { showNumber(x.min, v); }
void coordSysProperties::setXMax(double v) { showNumber(x.max, v); }
void coordSysProperties::setYMin(double v) { showNumber(y.min, v); }
void coordSysProperties::setYMax(double v) { showNumber(y.max, v); }

// Each tick setter keeps the caption in step with the box, so a filling with
// autoscale off after one with it on no longer shows a unit under "max ticks:".
void coordSysProperties::setXAutoScale(bool on) {
  x.autoScale->SetValue(on);
  showTickField(axis(true));
}
void coordSysProperties::setYAutoScale(bool on) {
  y.autoScale->SetValue(on);
  showTickField(axis(false));
}

void coordSysProperties::setXTickUnit(double u) {
  xTickUnit = u;
  if (!x.autoScale->GetValue()) showTickField(axis(true));
}
void coordSysProperties::setYTickUnit(double u) {
  yTickUnit = u;
  if (!y.autoScale->GetValue()) showTickField(axis(false));
}

void coordSysProperties::setXMaxTicks(int n) {
  xMaxTicks = n;
  if (x.autoScale->GetValue()) showTickField(axis(true));
}
void coordSysProperties::setYMaxTicks(int n) {
  yMaxTicks = n;
  if (y.autoScale->GetValue()) showTickField(axis(false));
}

void coordSysProperties::setXAxisLabel(const wxString& text) { x.label->ChangeValue(text); }
void coordSysProperties::setYAxisLabel(const wxString& text) { y.label->ChangeValue(text); }
void coordSysProperties::setXTrigScale(bool on) { x.trigScale->SetValue(on); }
void coordSysProperties::setYTrigScale(bool on) { y.trigScale->SetValue(on); }
void coordSysProperties::setGridStyle(int style) { grid->SetSelection(style); }
void coordSysProperties::setAxesStyle(int style) { axes->SetSelection(style); }
void coordSysProperties::setEqualScaling(bool on) { equalScaling->SetValue(on); }
void coordSysProperties::setOriginAlwaysViewable(bool on) { originViewable->SetValue(on); }
void coordSysProperties::setAxesAlwaysViewable(bool on) { axesViewable->SetValue(on); }
void coordSysProperties::setXTickLabelPosition(int code) { x.tickLabelPosition->SetSelection(code == 2 ? 0 : 1); }
void coordSysProperties::setYTickLabelPosition(int code) { y.tickLabelPosition->SetSelection(code == 4 ? 0 : 1); }
void coordSysProperties::setXAxisLabelPosition(int code) { x.labelPosition->SetSelection(labelPositionEntry(code)); }
void coordSysProperties::setYAxisLabelPosition(int code) { y.labelPosition->SetSelection(labelPositionEntry(code)); }

void coordSysProperties::showTickField(Axis a) {
  if (a.controls.autoScale->GetValue()) {
    a.controls.tickCaption->SetLabel(_("max ticks:"));
    a.controls.tick->ChangeValue(toWx(tally::formatInt("%d", a.maxTicks)));
  } else {
    a.controls.tickCaption->SetLabel(_("tick unit:"));
    showNumber(a.controls.tick, a.tickUnit);
  }
  panel->Layout();
}

// The box has just changed: what the field showed is kept as the other kind.
void coordSysProperties::switchTickField(Axis a) {
  if (a.controls.autoScale->GetValue())
    a.tickUnit = readNumber(a.controls.tick);
  else
    a.maxTicks = readCount(a.controls.tick);
  showTickField(a);
}

void coordSysProperties::fillFromOwner() {
  if (!owner) return;
  buildControls();
  const tally::GraphLayout& g = owner->propertiesLayout();
  setXMin(g.xMin);
  setXMax(g.xMax);
  setXAxisLabel(toWx(g.xScale.axisLabel));
  setXAutoScale(g.xScale.autoScale);
  setXMaxTicks(g.xScale.getMaxTicks());
  setXTickUnit(g.xScale.getTickUnit());
  setXTrigScale(g.xTrigScale);
  setYMin(g.yMin);
  setYMax(g.yMax);
  setYAxisLabel(toWx(g.yScale.axisLabel));
  setYAutoScale(g.yScale.autoScale);
  setYMaxTicks(g.yScale.getMaxTicks());
  setYTickUnit(g.yScale.getTickUnit());
  setYTrigScale(g.yTrigScale);
  setGridStyle(g.gridStyle);
  setAxesStyle(g.getAxesStyle());
  setEqualScaling(g.equalScaling);
  setOriginAlwaysViewable(g.originAlwaysViewable);
  setAxesAlwaysViewable(g.axesAlwaysViewable);
  setXAxisLabelPosition(g.xAxisLabelPosition);
  setYAxisLabelPosition(g.yAxisLabelPosition);
  setXTickLabelPosition(g.xTickLabelPosition);
  setYTickLabelPosition(g.yTickLabelPosition);
}

// ---- writing back

bool coordSysProperties::apply() {
  // A window never filled has nothing to write.
  if (!owner || !panel) return false;
  const double xMin = readNumber(x.min), xMax = readNumber(x.max);
  const double yMin = readNumber(y.min), yMax = readNumber(y.max);
  if (xMin >= xMax) {
    wxMessageBox(_("xmax must be greater than xmin."), _("Error"), wxOK | wxICON_ERROR, this);
    return false;
  }
  if (yMin >= yMax) {
    wxMessageBox(_("ymax must be greater than ymin."), _("Error"), wxOK | wxICON_ERROR, this);
    return false;
  }

  tally::GraphLayout& g = owner->propertiesLayout();
  g.xMin = xMin;
  g.xMax = xMax;
  g.xTrigScale = x.trigScale->GetValue();
  g.xScale.autoScale = x.autoScale->GetValue();
  if (x.autoScale->GetValue())
    g.xScale.setMaxTicks(xMaxTicks = readCount(x.tick));
  else
    g.xScale.setTickUnit(xTickUnit = readNumber(x.tick));
  g.xScale.axisLabel = toStd(x.label->GetValue());

  g.yMin = yMin;
  g.yMax = yMax;
  g.yTrigScale = y.trigScale->GetValue();
  g.yScale.autoScale = y.autoScale->GetValue();
  if (y.autoScale->GetValue())
    g.yScale.setMaxTicks(yMaxTicks = readCount(y.tick));
  else
    g.yScale.setTickUnit(yTickUnit = readNumber(y.tick));
  g.yScale.axisLabel = toStd(y.label->GetValue());

  g.gridStyle = grid->GetSelection();
  g.setAxesStyle(axes->GetSelection());
  g.equalScaling = equalScaling->GetValue();
  g.originAlwaysViewable = originViewable->GetValue();
  g.axesAlwaysViewable = axesViewable->GetValue();
  g.setXTickLabelPosition(x.tickLabelPosition->GetSelection() == 1 ? 1 : 2);
  g.setYTickLabelPosition(y.tickLabelPosition->GetSelection() == 1 ? 8 : 4);
  g.setXAxisLabelPosition(labelPositionCodes[std::clamp(x.labelPosition->GetSelection(), 0, 3)]);
  g.setYAxisLabelPosition(labelPositionCodes[std::clamp(y.labelPosition->GetSelection(), 0, 3)]);

  owner->propertiesApplied();

  // An autoscaled axis shows the unit autoscaling chose once its box is cleared.
  setXTickUnit(g.xScale.getTickUnit());
  setYTickUnit(g.yScale.getTickUnit());
  return true;
}

// ---- events

// A close that can be refused only hides the window, which stays for the next
// opening. A forced one destroys it; the graph then forgets it and makes a new
// one when asked to show its properties again.
void coordSysProperties::onClose(wxCloseEvent& event) {
  if (event.CanVeto()) {
    Hide();
    return;
  }
  if (owner) owner->forgetPropertiesWindow(this);
  owner = nullptr;
  Destroy();
}

void coordSysProperties::onOK(wxCommandEvent&) {
  if (apply()) Hide();
}

void coordSysProperties::onCancel(wxCommandEvent&) { Hide(); }

void coordSysProperties::onApply(wxCommandEvent&) { apply(); }

void coordSysProperties::onXAutoScale(wxCommandEvent&) { switchTickField(axis(true)); }

void coordSysProperties::onYAutoScale(wxCommandEvent&) { switchTickField(axis(false)); }
