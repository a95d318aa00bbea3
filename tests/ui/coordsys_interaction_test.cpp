// Events, store and animations of the graph widget.
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/tooltip.h>

#include "coordsys_fixture.h"
#include "ui/graph/coordSysProperties.h"

namespace {

tally::Series polyline(int n, double y) {
  tally::Series s;
  tally::PointList pts;
  for (int i = 0; i < n; ++i) pts.push_back({-4.95 + 0.099 * i, y});
  s.segments.push_back(pts);
  return s;
}

struct EventLog {
  std::vector<int> done, changed;
  void attach(coordSys* g) {
    g->Bind(animationDoneEvent, [this](wxCommandEvent& e) { done.push_back(e.GetInt()); });
    g->Bind(viewChangedEvent, [this](wxCommandEvent& e) { changed.push_back(e.GetInt()); });
  }
};

void tick(coordSys* g) {
  wxTimerEvent ev(g->getAnimationTimer());
  g->GetEventHandler()->ProcessEvent(ev);
}

}  // namespace

TEST_F(CoordSysTest, ConstructionGivesTheDocumentedState) {
  EXPECT_EQ(graph->getGridStyle(), 3);
  EXPECT_FALSE(graph->getEqualScaling());
  EXPECT_FALSE(graph->getPropertiesMenuEnabled());
  EXPECT_FALSE(graph->getOriginAlwaysViewable());
  EXPECT_TRUE(graph->getAxesAlwaysViewable());
  EXPECT_EQ(graph->getAnimationInterval(), 50);
  EXPECT_EQ(graph->getXAxisLabel(), "x");
  EXPECT_EQ(graph->getYAxisLabel(), "y");
  EXPECT_EQ(graph->getXMin(), -5);
  EXPECT_EQ(graph->getYMax(), 5);
  EXPECT_EQ(graph->getFontSize(), 12);
  EXPECT_FALSE(graph->isAnimating());
  EXPECT_EQ(graph->getAnimationTimer().GetId(), 1);
  ASSERT_NE(graph->getPropertiesWindow(), nullptr);
  EXPECT_FALSE(graph->getPropertiesWindow()->IsShown());
  // Its controls wait for the first opening: most graphs never open theirs.
  EXPECT_EQ(graph->getPropertiesWindow()->button(coordSysProperties::ID_OK), nullptr);
  EXPECT_FALSE(graph->setFontSize(0));
  EXPECT_FALSE(graph->setXMaxTicks(1));
  EXPECT_FALSE(graph->setYTickUnit(-1));
  EXPECT_TRUE(graph->getYAutoScale());
}

TEST_F(CoordSysTest, StoreHandsOutIdsAndKeepsLabelsWithTheirSeries) {
  int a = graph->addSeries(polyline(3, 1));
  int b = graph->addSeries(polyline(3, 2));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(graph->findSeries(b), 1);
  tally::PointLabel own;
  own.seriesId = a;
  own.x = 1e-11;  // tiny coordinates are stored as 0
  own.y = 2;
  tally::PointLabel free;
  EXPECT_EQ(graph->addPointLabel(own), 1);
  EXPECT_EQ(graph->addPointLabel(free), 2);
  EXPECT_EQ(graph->getPointLabels()[0].x, 0);
  EXPECT_EQ(graph->getPointLabels()[0].y, 2);

  tally::Series replacement = polyline(5, 3);
  EXPECT_TRUE(graph->replaceSeries(a, replacement));
  EXPECT_EQ(graph->findSeries(a), 1);  // moved to the end of the drawing order
  EXPECT_EQ(graph->getSeries(a)->segments[0].size(), 5u);
  EXPECT_FALSE(graph->replaceSeries(99, replacement));

  EXPECT_TRUE(graph->removeSeries(a));
  EXPECT_EQ(graph->getSeries(a), nullptr);
  ASSERT_EQ(graph->getPointLabels().size(), 1u);  // its label went with it
  EXPECT_EQ(graph->getPointLabels()[0].id, 2);
  EXPECT_FALSE(graph->removeSeries(a));
  EXPECT_EQ(graph->addSeries(polyline(2, 0)), 3);  // identifiers are never reused
  graph->clearSeries();
  EXPECT_EQ(graph->seriesCount(), 0);
  EXPECT_EQ(graph->getPointLabels().size(), 1u);  // a label of no series stays
  EXPECT_TRUE(graph->removePointLabel(2));
  EXPECT_FALSE(graph->removePointLabel(2));
}

TEST_F(CoordSysTest, ResizeRecomputesOnlyWhenALayoutRuleDependsOnSize) {
  EventLog log;
  log.attach(graph);
  graph->setXMin(10);
  graph->setXMax(20);
  wxSizeEvent size(wxSize(400, 300), graph->GetId());
  size.SetEventObject(graph);
  graph->GetEventHandler()->ProcessEvent(size);
  ASSERT_EQ(log.changed, std::vector<int>{-1});
  EXPECT_EQ(graph->getXScale().getMin(), 10);

  graph->setXMin(30);
  graph->setXMax(40);
  graph->setAxesAlwaysViewable(false);
  graph->GetEventHandler()->ProcessEvent(size);
  EXPECT_EQ(log.changed.size(), 1u);
  EXPECT_EQ(graph->getXScale().getMin(), 10);  // nothing recomputed
}

TEST_F(CoordSysTest, TooltipShowsTheFirstLabelWithinReach) {
  graph->updateScales();
  tally::PointLabel first, second;
  first.x = 0;  // pixel (200, 150)
  first.text = "first";
  second.x = graph->pixelToWorldX(203);  // 3 px to the right
  second.text = "second";
  graph->addPointLabel(first);
  graph->addPointLabel(second);

  wxMouseEvent move(wxEVT_MOTION);
  move.m_x = 202;
  move.m_y = 150;
  graph->GetEventHandler()->ProcessEvent(move);
  EXPECT_EQ(graph->GetToolTipText(), "(0, 0)\n---------------------\nfirst");

  move.m_x = 206;  // 3 from the second, 6 from the first
  graph->GetEventHandler()->ProcessEvent(move);
  EXPECT_TRUE(graph->GetToolTipText().EndsWith("second"));

  move.m_x = 300;
  graph->GetEventHandler()->ProcessEvent(move);
  EXPECT_EQ(graph->GetToolTip(), nullptr);
}

TEST_F(CoordSysTest, LineAnimationDrawsNinePointChunksAndEndsOnTheThirteenthTick) {
  graph->updateScales();
  EventLog log;
  log.attach(graph);
  tally::Series s = polyline(100, 1);
  const tally::PointList pts = s.segments[0];
  int id = graph->addSeries(s);

  // 400 px wide: 400/50 + 1.5 = 9.5, so 9 points per tick; the first step draws points 0..8.
  graph->animateSeries(id, 0);
  ASSERT_TRUE(graph->isAnimating());
  EXPECT_EQ(graph->getAnimationLastPoint(), pts[8]);
  // Each tick starts at the previous last point, so it adds 8: 16, 24, ..., 96, then 97..99.
  for (int t = 1; t <= 12; ++t) {
    tick(graph);
    ASSERT_TRUE(graph->isAnimating()) << "tick " << t;
    EXPECT_EQ(graph->getAnimationLastPoint(), pts[std::min(8 + 8 * t, 99)]) << "tick " << t;
  }
  EXPECT_TRUE(log.done.empty());
  tick(graph);
  EXPECT_FALSE(graph->isAnimating());
  EXPECT_EQ(log.done, std::vector<int>{id});
}

TEST_F(CoordSysTest, AnimatingAnInvisibleSeriesShowsTheMessageAndDrawsNothing) {
  graph->updateScales();
  EventLog log;
  log.attach(graph);
  int id = graph->addSeries(polyline(20, 50));  // y = 50, far above the window
  wxTEST_DIALOG(graph->animateSeries(id, 0), wxExpectModal<wxMessageDialog>(wxID_OK));
  EXPECT_FALSE(graph->isAnimating());
  EXPECT_EQ(log.done, std::vector<int>{id});
  EXPECT_EQ(graph->getAnimationLastPoint(), tally::WorldPoint{});
}

TEST_F(CoordSysTest, ColumnsAreNotAnimatedButDrawnAtOnce) {
  graph->updateScales();
  tally::Series s = polyline(5, 1);
  s.style = tally::ColumnsStyle;
  graph->animateSeries(graph->addSeries(s), 0);
  EXPECT_FALSE(graph->isAnimating());
  graph->animateSeries(99, 0);  // not stored: nothing
  EXPECT_FALSE(graph->isAnimating());
}

TEST_F(CoordSysTest, PointAnimationRefinesUntilTheWholeSeriesIsDrawn) {
  graph->updateScales();
  EventLog log;
  log.attach(graph);
  int id = graph->addSeries(polyline(100, 1));
  graph->animateSeries(id, 1);
  EXPECT_EQ(graph->getAnimationInterval(), 1500);
  ASSERT_TRUE(graph->isAnimating());
  int ticks = 0;
  while (graph->isAnimating() && ticks < 100) {
    tick(graph);
    ++ticks;
  }
  // The step halves from 1 world unit after every pass: 0.5 after the first step, then
  // 0.25, ..., 0.0078125 after the 6th tick, below half a pixel (0.025 / 2 = 0.0125).
  EXPECT_EQ(ticks, 6);
  EXPECT_EQ(log.done, std::vector<int>{id});
}

TEST_F(CoordSysTest, AddingASeriesInterruptsARunningAnimation) {
  graph->updateScales();
  EventLog log;
  log.attach(graph);
  int id = graph->addSeries(polyline(100, 1));
  graph->animateSeries(id, 0);
  ASSERT_TRUE(graph->isAnimating());
  graph->addSeries(polyline(3, 2));
  EXPECT_FALSE(graph->isAnimating());
  EXPECT_EQ(log.done, std::vector<int>{id});
  graph->resumeAnimation();
  EXPECT_TRUE(graph->isAnimating());
  graph->stopAnimation();
}

TEST_F(CoordSysTest, KeysAndRightClicksPassOnWhenNotForTheWidget) {
  bool clickSeen = false;
  graph->Bind(wxEVT_RIGHT_UP, [&](wxMouseEvent& e) {
    clickSeen = true;
    e.Skip();
  });
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = 'X';
  key.m_controlDown = true;
  wxMouseEvent right(wxEVT_RIGHT_UP);
  // Skipped all the way: ProcessEvent reports the events as unhandled.
  EXPECT_FALSE(graph->GetEventHandler()->ProcessEvent(key));
  EXPECT_FALSE(graph->GetEventHandler()->ProcessEvent(right));
  EXPECT_TRUE(clickSeen);
}

TEST_F(CoordSysTest, ShowPropertiesShowsTheHiddenWindow) {
  graph->showProperties();
  EXPECT_TRUE(graph->getPropertiesWindow()->IsShown());
  EXPECT_NE(graph->getPropertiesWindow()->button(coordSysProperties::ID_OK), nullptr);
}
