#include "core/stats/Analysis.h"

#include <gtest/gtest.h>

using tally::Analysis;
using tally::UndoHistory;

namespace {

Analysis withValue(double v) {
  Analysis a;
  a.sets[0].pairs = {{v, 1}};
  return a;
}

}  // namespace

TEST(UndoHistory, StepsBackAndForwardAndANewChangeDropsTheRedoSteps) {
  UndoHistory h;
  h.reset(withValue(1));
  EXPECT_FALSE(h.canUndo());
  EXPECT_TRUE(h.record(withValue(2)));
  EXPECT_TRUE(h.record(withValue(3)));
  EXPECT_EQ(h.undo().sets[0].pairs[0].value, 2);
  EXPECT_EQ(h.undo().sets[0].pairs[0].value, 1);
  EXPECT_FALSE(h.canUndo());
  EXPECT_EQ(h.undo().sets[0].pairs[0].value, 1) << "nothing further back";
  EXPECT_EQ(h.redo().sets[0].pairs[0].value, 2);
  EXPECT_TRUE(h.record(withValue(9)));
  EXPECT_FALSE(h.canRedo()) << "the 3 is gone once something else was done";
  EXPECT_EQ(h.undo().sets[0].pairs[0].value, 2);
}

TEST(UndoHistory, OnlyChangesToTheDataAndTheirTypingAreSteps) {
  UndoHistory h;
  h.reset(withValue(1));
  Analysis looked = withValue(1);
  looked.shownSet = 1;
  looked.sampleStdDev = true;
  looked.percentiles[0] = 25;
  EXPECT_FALSE(h.record(looked)) << "showing another set or statistic changes no data";
  Analysis regrouped = withValue(1);
  regrouped.classes.groupSize = 5;
  EXPECT_TRUE(h.record(regrouped));
  Analysis retyped = regrouped;
  retyped.type = tally::GroupedContinuous;
  EXPECT_TRUE(h.record(retyped));
  Analysis renamed = retyped;
  renamed.setNames[1] = "7B";
  EXPECT_TRUE(h.record(renamed));
  EXPECT_EQ(h.size(), 4u);
}

TEST(UndoHistory, KeepsItsLimitOfStepsDroppingTheOldest) {
  UndoHistory h(100);
  h.reset(withValue(0));
  for (int i = 1; i <= 150; ++i) h.record(withValue(i));
  int steps = 0;
  while (h.canUndo()) {
    h.undo();
    ++steps;
  }
  EXPECT_EQ(steps, 100);
  EXPECT_EQ(h.current().sets[0].pairs[0].value, 50);
}
