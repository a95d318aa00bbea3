#include "core/settings/UserSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/NumberText.h"

TEST(UserSettings, ZoomStepsRunFrom75To300ThroughOneHundred) {
  const auto& steps = tally::zoomSteps();
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front(), tally::kZoomMin);
  EXPECT_EQ(steps.back(), tally::kZoomMax);
  for (size_t i = 1; i < steps.size(); ++i) EXPECT_LT(steps[i - 1], steps[i]);
  int up = tally::kZoomMin, count = 1;
  bool passedHundred = false;
  while (up != tally::kZoomMax) {
    up = tally::zoomStepIn(up);
    passedHundred = passedHundred || up == 100;
    ASSERT_LE(++count, 20);
  }
  EXPECT_TRUE(passedHundred);
  EXPECT_EQ(count, static_cast<int>(steps.size()));
}

TEST(UserSettings, StepsInAndOutFromAnyPercentage) {
  struct Case {
    int from, in, out;
  };
  const Case cases[] = {
      {100, 110, 90}, {75, 90, 75},    {300, 300, 250}, {137, 150, 125},
      {10, 75, 75},   {900, 300, 300}, {200, 250, 175}, {90, 100, 75},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tally::zoomStepIn(c.from), c.in) << c.from;
    EXPECT_EQ(tally::zoomStepOut(c.from), c.out) << c.from;
  }
}

TEST(UserSettings, ReadZoomSnapsToTheNearestStep) {
  struct Case {
    long read;
    int step;
  };
  // 80 is 5 from 75 and 10 from 90; 95 ties 90 and 100 and takes the upper.
  const Case cases[] = {{100, 100}, {80, 75},   {95, 100},  {0, 75},   {-5, 75},
                        {LONG_MIN, 75}, {LONG_MAX, 300}, {1000, 300}, {226, 250}, {160, 150}};
  for (const Case& c : cases) EXPECT_EQ(tally::nearestZoomStep(c.read), c.step) << c.read;
}

TEST(UserSettings, CheckedSettingsKeepSoundValuesAndForgetTheRest) {
  tally::RawSettings sound;
  sound.zoomPercent = 150;
  sound.windowWidth = 1200;
  sound.windowHeight = 800;
  sound.maximised = 1;
  sound.loadFolder = "/home/teacher/classes";
  sound.saveFolder = "/tmp/out put";
  sound.decimals = 3;
  const tally::UserSettings s = tally::checkedSettings(sound);
  EXPECT_EQ(s.zoomPercent, 150);
  EXPECT_EQ(s.windowWidth, 1200);
  EXPECT_EQ(s.windowHeight, 800);
  EXPECT_TRUE(s.maximised);
  EXPECT_EQ(s.loadFolder, sound.loadFolder);
  EXPECT_EQ(s.saveFolder, sound.saveFolder);
  EXPECT_EQ(s.decimals, 3);

  tally::RawSettings hostile;
  hostile.zoomPercent = -40;
  hostile.windowWidth = 99999999;
  hostile.windowHeight = 600;
  hostile.maximised = 7;
  hostile.loadFolder = std::string("/tmp/a\nb");
  hostile.saveFolder = std::string(5000, 'x');
  hostile.decimals = 7;
  const tally::UserSettings h = tally::checkedSettings(hostile);
  EXPECT_EQ(h.zoomPercent, 75);
  // A width out of range forgets the height too: one side cannot size a window.
  EXPECT_EQ(h.windowWidth, 0);
  EXPECT_EQ(h.windowHeight, 0);
  EXPECT_FALSE(h.maximised);
  EXPECT_EQ(h.loadFolder, "");
  EXPECT_EQ(h.saveFolder, "");
  EXPECT_EQ(h.decimals, tally::kAutoDecimals);
}

TEST(UserSettings, WindowSidesAndDecimalsAtTheirLimits) {
  struct Case {
    long width, height, decimals;
    int keptWidth, keptDecimals;
  };
  const Case cases[] = {
      {tally::kLeastWindowSide, 500, 0, static_cast<int>(tally::kLeastWindowSide), 0},
      {tally::kLeastWindowSide - 1, 500, 6, 0, 6},
      {tally::kLargestWindowSide, 500, -1, static_cast<int>(tally::kLargestWindowSide), -1},
      {tally::kLargestWindowSide + 1, 500, -2, 0, tally::kAutoDecimals},
  };
  for (const Case& c : cases) {
    tally::RawSettings raw;
    raw.windowWidth = c.width;
    raw.windowHeight = c.height;
    raw.decimals = c.decimals;
    const tally::UserSettings s = tally::checkedSettings(raw);
    EXPECT_EQ(s.windowWidth, c.keptWidth) << c.width;
    EXPECT_EQ(s.decimals, c.keptDecimals) << c.decimals;
  }
}

TEST(UserSettings, TextReadsBackAsWritten) {
  tally::UserSettings s;
  s.zoomPercent = 250;
  s.windowWidth = 1400;
  s.windowHeight = 900;
  s.maximised = true;
  s.loadFolder = "/home/t/Klasse 7ä [Mathe] = A";
  s.saveFolder = "/tmp";
  s.decimals = 0;
  const tally::UserSettings back = tally::parseSettingsText(tally::settingsText(s));
  EXPECT_EQ(back.zoomPercent, 250);
  EXPECT_EQ(back.windowWidth, 1400);
  EXPECT_EQ(back.windowHeight, 900);
  EXPECT_TRUE(back.maximised);
  EXPECT_EQ(back.loadFolder, s.loadFolder);
  EXPECT_EQ(back.saveFolder, "/tmp");
  EXPECT_EQ(back.decimals, 0);
  // A name with spaces at its end would not read back: it is not written.
  s.loadFolder = "/tmp/x ";
  EXPECT_EQ(tally::parseSettingsText(tally::settingsText(s)).loadFolder, "");
}

// Any text gives settings within their rules; what can be read is read.
TEST(UserSettings, TextOfAnyKindGivesSoundSettings) {
  struct Case {
    const char* name;
    std::string text;
    int zoom, width, decimals;
    const char* loadFolder;
  };
  const Case cases[] = {
      {"empty", "", 100, 0, -1, ""},
      {"words for numbers", "[View]\nZoom=big\n[Window]\nWidth=wide\nHeight=1\n", 100, 0, -1, ""},
      {"below range", "[View]\nZoom=-99999999999999999999\n[Statistics]\nDecimals=99\n", 75, 0, -1, ""},
      {"above range", "[View]\nZoom=" + std::string(400, '9') + "\n", 300, 0, -1, ""},
      {"off-step zoom, CRLF", "[View]\r\nZoom = 140\r\n[Window]\r\nWidth=900\r\nHeight=600\r\n", 150,
       900, -1, ""},
      {"broken groups", "[View\nZoom=200\n[[[]]]\n=\n==\n[Statistics]\nDecimals=2\n", 100, 0, 2, ""},
      {"key outside a group", "Zoom=200\n[Folders]\nLoadData=/srv/data\n", 100, 0, -1, "/srv/data"},
      {"binary", std::string("\0\xff\xfe[View]\nZoom=250\x01\n", 20), 100, 0, -1, ""},
      {"comments and signs", "# a comment\n[View]\n;Zoom=300\nZoom=+175\n", 175, 0, -1, ""},
      {"later line wins", "[View]\nZoom=90\nZoom=110\n", 110, 0, -1, ""},
  };
  for (const Case& c : cases) {
    const tally::UserSettings s = tally::parseSettingsText(c.text);
    EXPECT_EQ(s.zoomPercent, c.zoom) << c.name;
    EXPECT_EQ(s.windowWidth, c.width) << c.name;
    EXPECT_EQ(s.decimals, c.decimals) << c.name;
    EXPECT_EQ(s.loadFolder, c.loadFolder) << c.name;
  }
}
