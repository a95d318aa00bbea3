#include "core/graph/Contrast.h"

#include <gtest/gtest.h>

using tally::Colour;

namespace {

struct RatioCase {
  Colour a, b;
  double expected;
};

}  // namespace

// Worked by hand from the luminance formula:
//   white 1, black 0: (1.05)/(0.05) = 21.
//   #777777: 0x77/255 = 0.4667, linear ((0.4667+0.055)/1.055)^2.4 = 0.1845;
//     on white (1.05)/(0.2345) = 4.478, just under 4.5.
//   #767676: 0.4627 -> 0.1812; on white 1.05/0.2312 = 4.54, just over.
//   pure red: 0.2126; on black 0.2626/0.05 = 5.252. Pure green: 0.7152 -> 15.30.
//   peach (255,214,170) under white text, the old dark-theme cell: 214 -> 0.6724,
//     170 -> 0.4020; L = 0.2126 + 0.4809 + 0.0290 = 0.7225; 1.05/0.7725 = 1.36.
TEST(Contrast, RatioOfKnownPairs) {
  const RatioCase cases[] = {
      {tally::colours::white, tally::colours::black, 21.0},
      {tally::colours::black, tally::colours::white, 21.0},
      {Colour::rgb(0x77, 0x77, 0x77), tally::colours::white, 4.478},
      {Colour::rgb(0x76, 0x76, 0x76), tally::colours::white, 4.542},
      {tally::colours::red, tally::colours::black, 5.252},
      {tally::colours::green, tally::colours::black, 15.30},
      {Colour::rgb(255, 214, 170), tally::colours::white, 1.359},
      {Colour::rgb(40, 90, 200), Colour::rgb(40, 90, 200), 1.0},
  };
  for (const RatioCase& c : cases)
    EXPECT_NEAR(tally::contrastRatio(c.a, c.b), c.expected, 0.005)
        << int(c.a.red) << "," << int(c.a.green) << "," << int(c.a.blue);
}

TEST(Contrast, LuminanceRunsFromBlackToWhiteAndUnsetCountsAsBlack) {
  EXPECT_DOUBLE_EQ(tally::relativeLuminance(tally::colours::black), 0);
  EXPECT_NEAR(tally::relativeLuminance(tally::colours::white), 1, 1e-12);
  EXPECT_DOUBLE_EQ(tally::relativeLuminance(Colour::none()), 0);
  // Below 0.04045 the curve is a straight line: 10/255/12.92.
  EXPECT_NEAR(tally::relativeLuminance(Colour::rgb(10, 10, 10)), 10 / 255.0 / 12.92, 1e-12);
}

struct ThemeCase {
  const char* name;
  Colour background, text;
  bool darkTint;
};

// Cells of light and dark themes as GTK's themes give them; the tint must read
// at least 4.5 : 1, differ from the plain cell, and be dark on a dark theme.
TEST(Contrast, ProblemTintReadsInEveryTheme) {
  const ThemeCase themes[] = {
      {"light", tally::colours::white, tally::colours::black, false},
      {"adwaita", Colour::rgb(255, 255, 255), Colour::rgb(46, 52, 54), false},
      {"adwaita dark", Colour::rgb(45, 45, 45), Colour::rgb(238, 238, 236), true},
      {"high contrast dark", tally::colours::black, tally::colours::white, true},
      {"dark with grey text", Colour::rgb(30, 30, 30), Colour::rgb(150, 150, 150), true},
      {"light with pale text", Colour::rgb(250, 250, 250), Colour::rgb(140, 140, 140), false},
  };
  for (const ThemeCase& t : themes) {
    const tally::CellTint tint = tally::problemCellTint(t.background, t.text);
    EXPECT_GE(tally::contrastRatio(tint.background, tint.text), tally::kReadableContrast) << t.name;
    EXPECT_NE(tint.background, t.background) << t.name;
    EXPECT_EQ(tally::relativeLuminance(tint.background) < 0.2, t.darkTint) << t.name;
  }
}

TEST(Contrast, ProblemTintKeepsTheThemesTextWhereItReads) {
  const tally::CellTint light = tally::problemCellTint(tally::colours::white, tally::colours::black);
  EXPECT_EQ(light.text, tally::colours::black);
  const Colour paper = Colour::rgb(238, 238, 236);
  const tally::CellTint dark = tally::problemCellTint(Colour::rgb(45, 45, 45), paper);
  EXPECT_EQ(dark.text, paper);
}
