// The projector zoom over the whole window, the settings kept between runs, and
// the tint of cells that are not numbers against the theme in force.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/stattext.h>
#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/spinctrl.h>
#include <wx/stdpaths.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/graph/Contrast.h"
#include "core/settings/UserSettings.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/app/Settings.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/DotPlotView.h"
#include "ui/views/PercentileGraphView.h"
#include "MainFrameDriver.h"
#include "PixelTools.h"

namespace {

class ZoomTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  void zoom(int id) {
    wxCommandEvent key(wxEVT_MENU, id);
    frame->GetEventHandler()->ProcessEvent(key);
  }
  wxButton* button(int id) { return wxDynamicCast(frame->FindWindow(id), wxButton); }
  static double points(const wxWindow* w) { return w->GetFont().GetFractionalPointSize(); }

  // A dark line met on the way from `from` one pixel at a time in the direction
  // (dx, dy), measured across that direction: its width and whether it ends in
  // white on both sides, as a line drawn without antialiasing does.
  struct Crossing {
    int width = 0;
    bool crisp = false;
  };
  static Crossing lineAcross(const wxImage& img, wxPoint from, int dx, int dy, int reach) {
    Crossing c;
    wxPoint p = from;
    for (int i = 0; i < reach && !dark(img, p.x, p.y); ++i) p += wxPoint(dx, dy);
    if (!dark(img, p.x, p.y)) return c;
    const wxPoint before = p - wxPoint(dx, dy);
    while (dark(img, p.x, p.y)) {
      ++c.width;
      p += wxPoint(dx, dy);
    }
    c.crisp = white(img, before.x, before.y) && white(img, p.x, p.y);
    return c;
  }
};

// A folder of the test's own, removed afterwards.
struct ScratchFolder {
  ScratchFolder() {
    path = wxFileName::CreateTempFileName("tallyscope-settings");
    wxRemoveFile(path);
    wxFileName::Mkdir(path);
  }
  ~ScratchFolder() { wxFileName::Rmdir(path, wxPATH_RMDIR_RECURSIVE); }
  wxString path;
};

}  // namespace

// Every step up scales the buttons, the tabs, the table's fonts, rows and
// columns, the graphs' texts and lines by the step; Ctrl+0 brings back the
// sizes of 100% exactly.
TEST_F(ZoomTest, EveryStepScalesTheWholeWindowAndCtrl0ReturnsToIt) {
  paste("4\n6\n8\n");
  const double clearPoints = points(button(ID_CLEAR_DATA));
  const double tabPoints = points(frame->notebook);
  const double cellPoints = frame->grid->GetDefaultCellFont().GetFractionalPointSize();
  const double labelPoints = frame->grid->GetLabelFont().GetFractionalPointSize();
  const int rowHeight = frame->grid->GetDefaultRowSize();
  const int valueWidth = frame->grid->GetColSize(0);
  ASSERT_EQ(frame->getZoomPercent(), 100);

  std::vector<int> seen;
  for (int i = 0; i < 12; ++i) {
    zoom(ID_ZOOM_IN);
    seen.push_back(frame->getZoomPercent());
    const double z = frame->getZoomPercent() / 100.0;
    const std::string at = std::to_string(frame->getZoomPercent()) + "%";
    EXPECT_NEAR(points(button(ID_CLEAR_DATA)), clearPoints * z, 0.01) << at;
    EXPECT_NEAR(points(frame->notebook), tabPoints * z, 0.01) << at;
    EXPECT_NEAR(frame->grid->GetDefaultCellFont().GetFractionalPointSize(), cellPoints * z, 0.01) << at;
    EXPECT_NEAR(frame->grid->GetLabelFont().GetFractionalPointSize(), labelPoints * z, 0.01) << at;
    EXPECT_EQ(frame->grid->GetRowSize(3), std::lround(rowHeight * z)) << at;
    EXPECT_EQ(frame->grid->GetColSize(0), std::lround(valueWidth * z)) << at;
    // The statistics page also grows with the window: by the text scale.
    EXPECT_NEAR(points(frame->statistics->label(0, Statistic::Mean)) / frame->getTextScale(),
                points(frame->statistics->label(1, Statistic::Mean)) / frame->getTextScale(), 1e-9);
    EXPECT_GE(frame->getTextScale(), z - 1e-9) << at;
    EXPECT_EQ(frame->set1Graph->getFontSize(), std::lround(8 * frame->getTextScale())) << at;
    EXPECT_EQ(frame->shownSeries(OGIVE_SET1).penWidth, std::max(1L, std::lround(2 * z))) << at;
    EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).penWidth, std::max(1L, std::lround(1 * z))) << at;
    // A button is never given less than its text needs.
    const wxSize best = button(ID_CLEAR_DATA)->GetBestSize();
    EXPECT_GE(button(ID_CLEAR_DATA)->GetMinSize().x, best.x) << at;
  }
  EXPECT_EQ(seen, (std::vector<int>{110, 125, 150, 175, 200, 250, 300, 300, 300, 300, 300, 300}));

  zoom(ID_ZOOM_RESET);
  EXPECT_EQ(frame->getZoomPercent(), 100);
  EXPECT_DOUBLE_EQ(points(button(ID_CLEAR_DATA)), clearPoints);
  EXPECT_DOUBLE_EQ(points(frame->notebook), tabPoints);
  EXPECT_DOUBLE_EQ(frame->grid->GetDefaultCellFont().GetFractionalPointSize(), cellPoints);
  EXPECT_EQ(frame->grid->GetRowSize(3), rowHeight);
  EXPECT_EQ(frame->grid->GetColSize(0), valueWidth);
  EXPECT_EQ(frame->shownSeries(OGIVE_SET1).penWidth, 2);

  std::vector<int> down;
  for (int i = 0; i < 4; ++i) {
    zoom(ID_ZOOM_OUT);
    down.push_back(frame->getZoomPercent());
  }
  EXPECT_EQ(down, (std::vector<int>{90, 75, 75, 75}));
  EXPECT_NEAR(points(button(ID_CLEAR_DATA)), clearPoints * 0.75, 0.01);
  // Lines stay at least a pixel wide.
  EXPECT_EQ(frame->shownSeries(COLUMNS_SET1).penWidth, 1);
}

// A zoom kept from the last run is the window's first scaling: each control's
// text grows from its own size at 100%, not from the size its parent has just
// taken (a check box at four times its size at 200%). The statistics page and
// the box plot's page also follow the window's size, so they are left out.
TEST_F(ZoomTest, AFirstZoomAboveHundredScalesEachTextOnce) {
  std::vector<std::pair<wxWindow*, double>> before;
  std::function<void(wxWindow*)> walk = [&](wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
      if (child->IsTopLevel() || child == frame->statistics || child == frame->boxPage ||
          child == frame->grid)
        continue;
      if (wxDynamicCast(child, wxButton) || wxDynamicCast(child, wxCheckBox) ||
          wxDynamicCast(child, wxChoice) || wxDynamicCast(child, wxCollapsiblePane) ||
          wxDynamicCast(child, wxStaticText))
        before.push_back({child, points(child)});
      walk(child);
    }
  };
  walk(frame);
  // The text pages make their controls when first shown; those take the zoom then.
  ASSERT_GT(before.size(), 10u);
  ASSERT_NE(frame->GetMenuBar(), nullptr);
  before.push_back({frame->GetMenuBar(), points(frame->GetMenuBar())});
  frame->setZoomPercent(200);
  for (const auto& [window, atHundred] : before)
    EXPECT_NEAR(points(window), 2 * atHundred, 0.01)
        << wxString(window->GetClassInfo()->GetClassName()) << " \"" << window->GetLabel() << "\"";
}

// After the largest step, a step back gives the buttons and the data-type list
// their size of before again: GTK is asked for a control's own size, not the
// size it was last given.
TEST_F(ZoomTest, ButtonsShrinkAgainAfterTheLargestStep) {
  // The sizes GTK answers with follow a moment after a zoom, once its styles
  // have taken the new fonts.
  auto letGtkAnswer = [] {
    for (int i = 0; i < 75; ++i) {
      wxMilliSleep(20);
      wxTheApp->Yield(true);
    }
  };
  frame->setZoomPercent(110);
  letGtkAnswer();
  const wxSize atStart = button(ID_CLEAR_DATA)->GetMinSize();
  const wxSize choiceAtStart = frame->dataTypeChoice->GetMinSize();
  frame->setZoomPercent(300);
  letGtkAnswer();
  EXPECT_GT(button(ID_CLEAR_DATA)->GetMinSize().x, 2 * atStart.x);
  frame->setZoomPercent(110);
  letGtkAnswer();
  EXPECT_EQ(button(ID_CLEAR_DATA)->GetMinSize(), atStart);
  EXPECT_EQ(button(ID_SAVE_DATA)->GetMinSize().y, atStart.y);
  EXPECT_EQ(frame->dataTypeChoice->GetMinSize(), choiceAtStart);
}

// The table's column widths follow the zoom when the data type changes the layout:
// one value column of 160 pixels at 100%, or value and frequency of 80 each.
TEST_F(ZoomTest, TableColumnsOfANewLayoutAreZoomed) {
  frame->setZoomPercent(200);
  ASSERT_EQ(frame->shownLayout(), tally::ValuesOnly);
  EXPECT_EQ(frame->grid->GetColSize(0), 320);
  EXPECT_EQ(frame->grid->GetColSize(1), 0);
  wxCommandEvent choose(wxEVT_CHOICE, ID_DATA_TYPE);
  choose.SetInt(tally::GroupedDiscrete);
  frame->dataTypeChoice->SetSelection(tally::GroupedDiscrete);
  frame->dataTypeChoice->GetEventHandler()->ProcessEvent(choose);
  ASSERT_EQ(frame->shownLayout(), tally::ValueAndFrequency);
  EXPECT_EQ(frame->grid->GetColSize(0), 160);
  EXPECT_EQ(frame->grid->GetColSize(1), 160);
  frame->setZoomPercent(75);
  EXPECT_EQ(frame->grid->GetColSize(0), 60);
  EXPECT_EQ(frame->grid->GetColSize(1), 60);
}

// The graphs' own lines thicken with the zoom: the axes, the ticks and the mean
// marks are round(zoom) pixels wide (at least one), the box plot's box and
// whiskers as thick; axis lines stay whole pixels with no grey edge.
TEST_F(ZoomTest, GraphLinesThickenWithTheZoom) {
  paste("4\n6\n8\n9\n11\n");
  struct Step {
    int percent;
    int width;
  };
  // round(0.75) = round(0.9) = 1; round(1.5) = 2; round(2.5) = 3, halves away from zero.
  const Step steps[] = {{75, 1}, {90, 1}, {100, 1}, {110, 1}, {150, 2},
                        {175, 2}, {200, 2}, {250, 3}, {300, 3}};
  ColumnGraphView* graph = frame->set1Graph;
  for (const Step& step : steps) {
    frame->setZoomPercent(step.percent);
    const std::string at = std::to_string(step.percent) + "%";
    EXPECT_EQ(graph->lineWidth(), step.width) << at;
    EXPECT_EQ(frame->boxPlot->lineWidth(), step.width) << at;
    EXPECT_EQ(frame->dotPlot->lineWidth(), step.width) << at;
    EXPECT_EQ(frame->percentileGraph->lineWidth(), step.width) << at;
    EXPECT_EQ(graph->lineWidth(2), std::max(1L, std::lround(2 * step.percent / 100.0))) << at;
    // The box plot draws its own copy of the lines: it is thickened too.
    for (int slot = 0; slot < 4; ++slot) {
      const tally::Series* lines = frame->boxPlot->getDrawnSlot(slot);
      if (lines && lines->style == tally::PolylineStyle) {
        EXPECT_EQ(lines->penWidth, step.width) << at << " slot " << slot;
      }
    }

    const wxSize size = graph->GetClientSize();
    ASSERT_GT(size.x, 100) << at;
    ASSERT_GT(size.y, 100) << at;
    const wxImage img = renderOnWhite(size.x, size.y, [&](wxDC& dc) { graph->draw(dc); });
    const wxPoint crossing = graph->axesCrossingPixel();
    // Across the vertical axis, left to right from inside its tick labels' gap, on
    // rows between its crossing and the top: rows with a tick give a longer run,
    // so the narrowest is the axis.
    Crossing vertical{1000, false};
    for (int y = crossing.y - 3 * step.width - 2; y > crossing.y - 60 && y > 0; --y) {
      const Crossing c = lineAcross(img, wxPoint(std::max(0, crossing.x - 4), y), 1, 0, 8);
      if (c.width > 0 && c.width < vertical.width) vertical = c;
    }
    EXPECT_EQ(vertical.width, step.width) << at << ": vertical axis";
    EXPECT_TRUE(vertical.crisp) << at << ": vertical axis has a grey edge";
    // Across the horizontal axis, top to bottom, right of the last column.
    Crossing horizontal{1000, false};
    for (int x = size.x - 20; x > size.x - 60; --x) {
      const Crossing c = lineAcross(img, wxPoint(x, std::max(0, crossing.y - 4)), 0, 1, 8);
      if (c.width > 0 && c.width < horizontal.width) horizontal = c;
    }
    EXPECT_EQ(horizontal.width, step.width) << at << ": horizontal axis";
    EXPECT_TRUE(horizontal.crisp) << at << ": horizontal axis has a grey edge";
  }

  // The kept picture of the axes is drawn anew for a new width alone.
  frame->setZoomPercent(100);
  graph->setLineScale(3.0);
  const wxSize size = graph->GetClientSize();
  const wxPoint crossing = graph->axesCrossingPixel();
  auto verticalAxis = [&] {
    const wxImage img = renderOnWhite(size.x, size.y, [&](wxDC& dc) { graph->draw(dc); });
    int narrowest = 1000;
    for (int y = crossing.y - 10; y > crossing.y - 60 && y > 0; --y) {
      const Crossing c = lineAcross(img, wxPoint(std::max(0, crossing.x - 4), y), 1, 0, 8);
      if (c.width > 0) narrowest = std::min(narrowest, c.width);
    }
    return narrowest;
  };
  EXPECT_EQ(verticalAxis(), 3);
  graph->setLineScale(1.0);
  EXPECT_EQ(verticalAxis(), 1);
}

TEST(Settings, TestsKeepTheirSettingsAwayFromTheUsersOwn) {
  const char* home = std::getenv("XDG_CONFIG_HOME");
  ASSERT_NE(home, nullptr);
  const wxString path = Settings::defaultPath();
  EXPECT_TRUE(path.StartsWith(wxString::FromUTF8(home) + "/tallyscope/")) << path;
  EXPECT_TRUE(path.EndsWith("settings.conf")) << path;
}

TEST(Settings, SavedSettingsComeBackAsTheyWere) {
  ScratchFolder scratch;
  const Settings settings(scratch.path + "/deeper/tallyscope/settings.conf");
  EXPECT_FALSE(wxFileName::FileExists(settings.filePath()));
  // No file yet: the defaults.
  const tally::UserSettings none = settings.load();
  EXPECT_EQ(none.zoomPercent, 100);
  EXPECT_EQ(none.windowWidth, 0);

  tally::UserSettings s;
  s.zoomPercent = 175;
  s.windowWidth = 1234;
  s.windowHeight = 777;
  s.maximised = true;
  s.loadFolder = "/tmp/Klasse 7ä";
  s.saveFolder = "/home/teacher/out";
  s.decimals = 4;
  ASSERT_TRUE(settings.save(s));
  const tally::UserSettings back = settings.load();
  EXPECT_EQ(back.zoomPercent, 175);
  EXPECT_EQ(back.windowWidth, 1234);
  EXPECT_EQ(back.windowHeight, 777);
  EXPECT_TRUE(back.maximised);
  EXPECT_EQ(back.loadFolder, s.loadFolder);
  EXPECT_EQ(back.saveFolder, s.saveFolder);
  EXPECT_EQ(back.decimals, 4);
}

// Whatever someone puts in the file, the program starts with sound settings.
TEST(Settings, HostileFilesGiveSoundSettings) {
  ScratchFolder scratch;
  const Settings settings(scratch.path + "/settings.conf");
  const std::string texts[] = {std::string("\0\xff[View]\nZoom=250\x01\n", 18),
                               "[View]\nZoom=" + std::string(100000, '9') + "\n=\n[[\n",
                               std::string(70 * 1024, 'x')};
  for (const std::string& text : texts) {
    {
      std::ofstream out(toStd(settings.filePath()), std::ios::binary);
      out << text;
    }
    const tally::UserSettings s = settings.load();
    EXPECT_NE(std::find(tally::zoomSteps().begin(), tally::zoomSteps().end(), s.zoomPercent),
              tally::zoomSteps().end());
    EXPECT_EQ(s.windowWidth, 0);
  }
  // A folder in the settings' place, and a file too large to be ours: the defaults.
  wxRemoveFile(settings.filePath());
  wxFileName::Mkdir(settings.filePath());
  EXPECT_EQ(settings.load().zoomPercent, 100);
}

// The window takes the settings and gives them back; Load Data and Save Data
// open in the folders kept, and keep the folders they were last used in.
TEST_F(ZoomTest, SettingsReachTheWindowAndTheFileSelectors) {
  ScratchFolder scratch;
  tally::UserSettings s;
  s.zoomPercent = 150;
  s.loadFolder = toStd(scratch.path);
  s.saveFolder = toStd(scratch.path + "/not-there");
  s.decimals = 2;
  frame->applySettings(s);
  EXPECT_EQ(frame->getZoomPercent(), 150);
  EXPECT_EQ(frame->lastLoadFolder, scratch.path);
  EXPECT_EQ(frame->lastSaveFolder, "") << "a folder that is gone is forgotten";
  EXPECT_EQ(frame->analysis().decimals(), 2);

  wxString askedIn;
  const wxString data = scratch.path + "/scores.csv";
  {
    std::ofstream out(toStd(data));
    out << "4\n6\n8\n";
  }
  frame->fileSelector = [&](const wxString&, const wxString& folder, auto&&...) {
    askedIn = folder;
    return data;
  };
  wxCommandEvent load(wxEVT_BUTTON, ID_LOAD_DATA);
  frame->ProcessWindowEvent(load);
  EXPECT_EQ(askedIn, scratch.path);
  EXPECT_EQ(frame->lastLoadFolder, scratch.path);
  EXPECT_EQ(frame->analysis().shownCells()[2][0], "8");

  const tally::UserSettings back = frame->currentSettings();
  EXPECT_EQ(back.zoomPercent, 150);
  EXPECT_EQ(back.loadFolder, toStd(scratch.path));
  EXPECT_EQ(back.decimals, 2);
  EXPECT_GT(back.windowWidth, 0);
  EXPECT_GT(back.windowHeight, 0);
}

// A cell that is not a number is drawn in the tint for the theme in force, and
// its text reads at least 4.5 : 1 on it. Run under a light and a dark theme.
TEST_F(ZoomTest, ProblemCellReadsInTheThemeInForce) {
  paste("5,5\n7\n");
  VardenGrid* grid = frame->grid;
  ASSERT_FALSE(grid->cellProblem(0, 0).empty());
  const wxColour window = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
  const wxColour windowText = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
  const bool darkTheme = tally::relativeLuminance(toCore(window)) < tally::relativeLuminance(toCore(windowText));

  auto drawCell = [&](int row) {
    return drawnCell(grid, row, wxSize(grid->GetColSize(0), grid->GetRowSize(row)));
  };
  auto colourAt = [](const wxImage& img, int x, int y) {
    return tally::Colour::rgb(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
  };
  // The background at the cell's right end, past its text; the text is the pixel
  // that differs most from it.
  auto contrastOf = [&](const wxImage& img, tally::Colour& background) {
    background = colourAt(img, img.GetWidth() - 4, img.GetHeight() / 2);
    double most = 1;
    for (int y = 0; y < img.GetHeight(); ++y)
      for (int x = 0; x < img.GetWidth() / 2; ++x)
        most = std::max(most, tally::contrastRatio(colourAt(img, x, y), background));
    return most;
  };

  tally::Colour tint, plain;
  const double tinted = contrastOf(drawCell(0), tint);
  const double normal = contrastOf(drawCell(1), plain);
  EXPECT_GE(tinted, tally::kReadableContrast) << (darkTheme ? "dark" : "light") << " theme";
  EXPECT_NE(tint, plain) << "the cell is not tinted";
  EXPECT_GE(normal, tally::kReadableContrast);
  // A dark theme gets a dark tint, a light one a light tint.
  EXPECT_EQ(tally::relativeLuminance(tint) < 0.2, darkTheme);
  const tally::CellTint expected = VardenGrid::problemTint(window, windowText);
  EXPECT_EQ(tint, expected.background);
}
