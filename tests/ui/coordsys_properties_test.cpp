// The properties window of a graph, driven through its real buttons and check
// boxes. With TALLYSCOPE_SHOT_DIR set, the window is also saved as a PNG.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ModalHook.h"
#include "core/NumberText.h"
#include "coordsys_fixture.h"
#include "ui/graph/coordSysProperties.h"

namespace {

// Any dialog shown while this is alive fails the test instead of blocking it.
struct NoDialogs : GTestModalHook {
  NoDialogs() : GTestModalHook(__FILE__, __LINE__, "NoDialogs") {}
};

std::string text(const wxTextCtrl* field) { return toStd(field->GetValue()); }
std::string text(const wxStaticText* caption) { return toStd(caption->GetLabel()); }

void type(wxTextCtrl* field, const char* s) { field->ChangeValue(s); }

void click(wxCheckBox* box) {
  box->SetValue(!box->GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
  event.SetEventObject(box);
  event.SetInt(box->GetValue());
  box->ProcessWindowEvent(event);
}

class PropertiesTest : public CoordSysTest {
 protected:
  void SetUp() override {
    CoordSysTest::SetUp();
    graph->Bind(viewChangedEvent, [this](wxCommandEvent& e) { payloads.push_back(e.GetInt()); });
  }

  coordSysProperties* show() {
    graph->showProperties();
    return graph->getPropertiesWindow();
  }

  void press(coordSysProperties* w, int id) {
    wxButton* b = w->button(id);
    ASSERT_NE(b, nullptr);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(b);
    b->ProcessWindowEvent(event);
  }

  std::vector<int> payloads;
};

}  // namespace

TEST_F(PropertiesTest, ShowFillsEveryControlFromTheGraph) {
  graph->setXMin(-2.5);
  graph->setXMax(1e-7);
  graph->setYMin(0);
  graph->setYMax(1.0 / 3);
  graph->setXAxisLabel("time");
  graph->setYAxisLabel("speed");
  graph->setXTickUnit(0.25);  // autoscale off
  graph->setYMaxTicks(7);
  graph->setXTrigScale(true);
  graph->setGridStyle(4);
  graph->setAxesStyle(2);
  graph->setEqualScaling(true);
  graph->setOriginAlwaysViewable(true);
  graph->setAxesAlwaysViewable(false);
  graph->setXTickLabelPosition(2);
  graph->setYTickLabelPosition(8);
  graph->setXAxisLabelPosition(5);
  graph->setYAxisLabelPosition(9);

  coordSysProperties* w = show();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->IsShown());
  EXPECT_EQ(toStd(w->GetTitle()), "Properties");
  EXPECT_EQ(w->GetPosition(), graph->ClientToScreen(wxPoint(50, 50)));  // beside the graph
  const auto& x = w->xControls();
  const auto& y = w->yControls();
  EXPECT_EQ(text(x.min), "-2.5");
  EXPECT_EQ(text(x.max), "1e-07");
  EXPECT_EQ(text(y.max), "0.333333333333");  // "%.12g"
  EXPECT_EQ(text(x.label), "time");
  EXPECT_EQ(text(y.label), "speed");
  EXPECT_FALSE(x.autoScale->GetValue());
  EXPECT_EQ(text(x.tickCaption), "tick unit:");
  EXPECT_EQ(text(x.tick), "0.25");
  EXPECT_TRUE(y.autoScale->GetValue());
  EXPECT_EQ(text(y.tickCaption), "max ticks:");
  EXPECT_EQ(text(y.tick), "7");
  EXPECT_TRUE(x.trigScale->GetValue());
  EXPECT_FALSE(y.trigScale->GetValue());
  EXPECT_EQ(w->gridChoice()->GetSelection(), 4);
  EXPECT_EQ(w->axesChoice()->GetSelection(), 2);
  EXPECT_TRUE(w->equalScalingBox()->GetValue());
  EXPECT_TRUE(w->originViewableBox()->GetValue());
  EXPECT_FALSE(w->axesViewableBox()->GetValue());
  EXPECT_EQ(toStd(x.tickLabelPosition->GetStringSelection()), "above axis");
  EXPECT_EQ(toStd(y.tickLabelPosition->GetStringSelection()), "right of axis");
  EXPECT_EQ(toStd(x.labelPosition->GetStringSelection()), "below left");
  EXPECT_EQ(toStd(y.labelPosition->GetStringSelection()), "bottom right");
  EXPECT_EQ(text(x.labelCaption), "axis label:");
  EXPECT_EQ(text(y.labelCaption), "axis label");
  EXPECT_TRUE(payloads.empty());

  // Filled again with autoscale off where it was on: the caption follows the box.
  w->Hide();
  graph->setYTickUnit(0.5);
  show();
  EXPECT_EQ(text(y.tickCaption), "tick unit:");
  EXPECT_EQ(text(y.tick), "0.5");
}

TEST_F(PropertiesTest, ApplyAndOkWriteBackAndTellTheOwner) {
  coordSysProperties* w = show();
  const auto& x = w->xControls();
  const auto& y = w->yControls();
  type(x.min, "-1");
  type(x.max, "3abc");  // the leading number counts
  type(y.min, "10");
  type(y.max, "20");
  click(x.autoScale);  // off: the field holds a unit
  type(x.tick, "0.5");
  type(y.tick, "4");  // y stays autoscaled: a count
  type(x.label, "angle");
  type(y.label, "level");
  click(x.trigScale);
  w->gridChoice()->SetSelection(1);
  w->axesChoice()->SetSelection(1);
  w->equalScalingBox()->SetValue(true);
  w->originViewableBox()->SetValue(true);
  w->axesViewableBox()->SetValue(false);
  x.tickLabelPosition->SetSelection(0);
  y.tickLabelPosition->SetSelection(1);
  x.labelPosition->SetSelection(2);
  y.labelPosition->SetSelection(3);
  {
    NoDialogs noDialogs;
    press(w, coordSysProperties::ID_APPLY);
  }
  EXPECT_TRUE(w->IsShown());
  EXPECT_EQ(payloads, std::vector<int>{-1});
  EXPECT_EQ(graph->getXMin(), -1);
  EXPECT_EQ(graph->getXMax(), 3);
  EXPECT_EQ(graph->getYMin(), 10);
  EXPECT_EQ(graph->getYMax(), 20);
  EXPECT_FALSE(graph->getXAutoScale());
  EXPECT_EQ(graph->getXTickUnit(), 0.5);
  EXPECT_TRUE(graph->getYAutoScale());
  EXPECT_EQ(graph->getYMaxTicks(), 4);
  EXPECT_EQ(toStd(graph->getXAxisLabel()), "angle");
  EXPECT_EQ(toStd(graph->getYAxisLabel()), "level");
  EXPECT_TRUE(graph->getXTrigScale());
  EXPECT_EQ(graph->getGridStyle(), 1);
  EXPECT_EQ(graph->getAxesStyle(), 1);
  EXPECT_TRUE(graph->getEqualScaling());
  EXPECT_TRUE(graph->getOriginAlwaysViewable());
  EXPECT_FALSE(graph->getAxesAlwaysViewable());
  EXPECT_EQ(graph->getXTickLabelPosition(), 2);
  EXPECT_EQ(graph->getYTickLabelPosition(), 8);
  EXPECT_EQ(graph->getXAxisLabelPosition(), 5);
  EXPECT_EQ(graph->getYAxisLabelPosition(), 9);
  // The ranges were recomputed: the displayed window holds the requested one.
  EXPECT_LE(graph->getYScale().getMin(), 0);  // origin always viewable
  EXPECT_GE(graph->getYScale().getMax(), 20);

  // The other entry of each choice, through "OK", which also hides the window.
  type(y.max, "30");
  x.tickLabelPosition->SetSelection(1);
  y.tickLabelPosition->SetSelection(0);
  x.labelPosition->SetSelection(0);
  y.labelPosition->SetSelection(1);
  {
    NoDialogs noDialogs;
    press(w, coordSysProperties::ID_OK);
  }
  EXPECT_FALSE(w->IsShown());
  EXPECT_EQ(payloads, (std::vector<int>{-1, -1}));
  EXPECT_EQ(graph->getYMax(), 30);
  EXPECT_EQ(graph->getXTickLabelPosition(), 1);
  EXPECT_EQ(graph->getYTickLabelPosition(), 4);
  EXPECT_EQ(graph->getXAxisLabelPosition(), 6);
  EXPECT_EQ(graph->getYAxisLabelPosition(), 10);
}

TEST_F(PropertiesTest, CancelHidesAndWritesNothing) {
  coordSysProperties* w = show();
  type(w->xControls().min, "-100");
  type(w->yControls().label, "changed");
  w->gridChoice()->SetSelection(0);
  {
    NoDialogs noDialogs;
    press(w, coordSysProperties::ID_CANCEL);
  }
  EXPECT_FALSE(w->IsShown());
  EXPECT_EQ(graph->getXMin(), -5);
  EXPECT_EQ(toStd(graph->getYAxisLabel()), "y");
  EXPECT_EQ(graph->getGridStyle(), 3);
  EXPECT_TRUE(payloads.empty());
}

// Equal ends are refused too; with both ranges wrong only the x message shows.
// "inf" and "nan" are no numbers to the C library's reading here: they read as 0.
TEST_F(PropertiesTest, RangeMessagesRefuseTheWholeEntry) {
  const struct {
    const char *xMin, *xMax, *yMin, *yMax;
    const char* message;
  } cases[] = {
      {"1", "1", "0", "1", "xmax must be greater than xmin."},
      {"2", "1", "0", "1", "xmax must be greater than xmin."},
      {"0", "1", "2", "2", "ymax must be greater than ymin."},
      {"5", "1", "5", "1", "xmax must be greater than xmin."},
      {"-inf", "inf", "0", "1", "xmax must be greater than xmin."},
      {"0", "1", "nan", "abc", "ymax must be greater than ymin."},
  };
  coordSysProperties* w = show();
  for (const auto& c : cases) {
    type(w->xControls().min, c.xMin);
    type(w->xControls().max, c.xMax);
    type(w->yControls().min, c.yMin);
    type(w->yControls().max, c.yMax);
    type(w->xControls().label, "not written");
    for (int button : {coordSysProperties::ID_APPLY, coordSysProperties::ID_OK}) {
      wxTEST_DIALOG(press(w, button), ExpectMessage("Error", c.message, wxICON_ERROR));
      EXPECT_TRUE(w->IsShown());
    }
  }
  EXPECT_EQ(graph->getXMin(), -5);
  EXPECT_EQ(graph->getXMax(), 5);
  EXPECT_EQ(graph->getYMin(), -5);
  EXPECT_EQ(toStd(graph->getXAxisLabel()), "x");
  EXPECT_TRUE(payloads.empty());
}

TEST_F(PropertiesTest, AutoscaleToggleSwapsUnitAndCount) {
  graph->setXTickUnit(0.1);
  graph->setXMaxTicks(12);
  coordSysProperties* w = show();
  const auto& x = w->xControls();
  type(x.tick, "0.30");
  click(x.autoScale);
  EXPECT_EQ(text(x.tickCaption), "max ticks:");
  EXPECT_EQ(text(x.tick), "12");
  type(x.tick, "7.9");
  click(x.autoScale);
  EXPECT_EQ(text(x.tickCaption), "tick unit:");
  EXPECT_EQ(text(x.tick), "0.3");  // what was typed, reformatted
  click(x.autoScale);
  EXPECT_EQ(text(x.tick), "7");  // read as a base-10 integer
  // The y axis has its own field and stored values.
  EXPECT_EQ(text(w->yControls().tickCaption), "max ticks:");
  EXPECT_EQ(text(w->yControls().tick), "10");
  EXPECT_EQ(graph->getXTickUnit(), 0.1);  // nothing written without Apply
}

TEST_F(PropertiesTest, ClearingAutoscaleAfterApplyShowsTheChosenUnit) {
  coordSysProperties* w = show();
  const auto& x = w->xControls();
  ASSERT_TRUE(x.autoScale->GetValue());
  const double before = graph->getXTickUnit();
  type(x.min, "0");
  type(x.max, "1000");
  {
    NoDialogs noDialogs;
    press(w, coordSysProperties::ID_APPLY);
  }
  const double chosen = graph->getXTickUnit();
  EXPECT_GE(chosen, 100);  // at most 10 intervals over 0..1000 and more
  EXPECT_NE(chosen, before);
  click(x.autoScale);
  EXPECT_EQ(text(x.tick), tally::formatNumber("%.12g", chosen));
}

TEST_F(PropertiesTest, CloseHidesAndKeepsTheWindowButAForcedCloseIsForgotten) {
  coordSysProperties* w = show();
  EXPECT_TRUE(w->Close());
  EXPECT_FALSE(w->IsShown());
  EXPECT_EQ(graph->getPropertiesWindow(), w);
  EXPECT_EQ(show(), w);
  EXPECT_TRUE(w->IsShown());

  w->Close(true);
  EXPECT_EQ(graph->getPropertiesWindow(), nullptr);
  wxTheApp->ProcessIdle();  // the destroyed window is deleted here
  graph->setXMin(-3);
  coordSysProperties* fresh = show();
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->IsShown());
  EXPECT_EQ(fresh->getOwner(), graph);
  EXPECT_EQ(text(fresh->xControls().min), "-3");
}

// A picture for a person to look at: every control readable, nothing clipped.
TEST_F(PropertiesTest, Screenshot) {
  graph->setYTickUnit(0.5);
  graph->setXAxisLabel("time (s)");
  coordSysProperties* w = show();
  const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
  // Every control gets at least the size it asks for.
  for (wxWindow* c : {static_cast<wxWindow*>(w->xControls().labelPosition),
                      static_cast<wxWindow*>(w->yControls().tickLabelPosition),
                      static_cast<wxWindow*>(w->gridChoice()), static_cast<wxWindow*>(w->axesViewableBox()),
                      static_cast<wxWindow*>(w->button(coordSysProperties::ID_APPLY))}) {
    EXPECT_GE(c->GetSize().x, c->GetBestSize().x);
    EXPECT_TRUE(w->GetClientRect().Contains(w->ScreenToClient(c->GetScreenRect().GetBottomRight())));
  }
  if (!dir) return;
  for (int i = 0; i < 20; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxMilliSleep(30);
  }
  const wxRect r = w->GetScreenRect();
  const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s/properties.png",
                                            r.width, r.height, r.x, r.y, dir);
  EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
}

namespace {

// A graph stand-in: a plain window and a layout, no coordSys.
struct LayoutHost : GraphPropertiesHost {
  explicit LayoutHost(wxWindow* window) : window(window) {}
  wxWindow* propertiesParent() override { return window; }
  tally::GraphLayout& propertiesLayout() override { return layout; }
  void propertiesApplied() override { ++applied; }
  void forgetPropertiesWindow(const coordSysProperties* w) override { forgotten.push_back(w); }

  wxWindow* window;
  tally::GraphLayout layout;
  int applied = 0;
  std::vector<const coordSysProperties*> forgotten;
};

}  // namespace

TEST_F(PropertiesTest, TheWindowEditsAnyHostsLayoutThroughItsInterface) {
  LayoutHost host(frame);
  host.layout.xMin = -2;
  host.layout.xScale.axisLabel = "time";
  host.layout.gridStyle = 0;
  auto* w = new coordSysProperties(&host, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize, 0);
  EXPECT_EQ(w->getOwner(), &host);
  EXPECT_EQ(w->GetParent(), frame);
  w->fillFromOwner();
  EXPECT_EQ(text(w->xControls().min), "-2");
  EXPECT_EQ(text(w->xControls().label), "time");
  EXPECT_EQ(w->gridChoice()->GetSelection(), 0);

  type(w->xControls().max, "40");
  type(w->yControls().label, "count");
  w->gridChoice()->SetSelection(2);
  ASSERT_TRUE(w->apply());
  EXPECT_EQ(host.applied, 1);
  EXPECT_EQ(host.layout.xMin, -2);
  EXPECT_EQ(host.layout.xMax, 40);
  EXPECT_EQ(host.layout.yScale.axisLabel, "count");
  EXPECT_EQ(host.layout.gridStyle, 2);

  // Refused ranges write nothing and tell the host nothing.
  type(w->xControls().min, "50");
  wxTEST_DIALOG(EXPECT_FALSE(w->apply()),
                ExpectMessage("Error", "xmax must be greater than xmin.", wxICON_ERROR));
  EXPECT_EQ(host.applied, 1);
  EXPECT_EQ(host.layout.xMin, -2);

  w->Close(true);
  wxTheApp->ProcessIdle();
  ASSERT_EQ(host.forgotten.size(), 1u);
  EXPECT_EQ(host.forgotten[0], w);
}
