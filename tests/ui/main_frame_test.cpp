// The main window: its start state, where the graph views sit, and the routing of
// control events, each control with an identifier of its own, to their handlers.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uilocale.h>
#include <wx/modalhook.h>

#include <cstdlib>

#include <gtk/gtk.h>
#include <numeric>
#include <string>
#include <vector>

#include "ui/WxBridge.h"
#include "ui/app/AnalysisApp.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/grid/VardenGrid.h"
#include "ui/views/FrequencyTablePage.h"
#include "ui/views/StemAndLeafPage.h"
#include "ui/views/WorkingPage.h"

namespace {

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new MainFrame(nullptr, wxID_ANY, wxString());
    frame->handlerProbe = [this](const std::string& name) { ran.push_back(name); };
    // The file selector answers Cancel: these tests follow events, not files.
    frame->fileSelector = [](auto&&...) { return wxString(); };
    frame->Show();
  }
  void TearDown() override {
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
  }

  // Sends the event from the control, so it travels up to the frame as a click would.
  std::vector<std::string> handlersFor(wxWindow* source, wxCommandEvent& event) {
    ran.clear();
    event.SetEventObject(source);
    source->GetEventHandler()->ProcessEvent(event);
    wxTheApp->ProcessPendingEvents();
    return ran;
  }

  wxWindow* byLabel(const char* label) {
    wxWindow* w = wxWindow::FindWindowByLabel(label, frame);
    EXPECT_NE(w, nullptr) << label;
    return w;
  }

  MainFrame* frame = nullptr;
  std::vector<std::string> ran;
};

double totalFrequency(const std::vector<tally::FrequencyPair>& pairs) {
  return std::accumulate(pairs.begin(), pairs.end(), 0.0,
                         [](double sum, const tally::FrequencyPair& p) { return sum + p.frequency; });
}

}  // namespace

TEST_F(MainFrameTest, StartsEmptyOnSet1UngroupedDiscrete) {
  EXPECT_EQ(frame->GetTitle(), "Untitled - Tallyscope");
  EXPECT_EQ(frame->statistics->nameLabel(0)->GetLabel(), "Set 1");
  EXPECT_EQ(frame->statistics->nameLabel(1)->GetLabel(), "Set 2");

  EXPECT_EQ(frame->grid->GetNumberRows(), 1000);
  EXPECT_EQ(frame->grid->GetNumberCols(), 2);
  EXPECT_EQ(frame->grid->GetColLabelValue(0), "Value");
  EXPECT_EQ(frame->grid->GetColLabelValue(1), "Frequency");
  EXPECT_EQ(frame->grid->GetColSize(0), 160);
  EXPECT_FALSE(frame->grid->IsColShown(1));
  for (int r : {0, 14, 15, 999}) EXPECT_EQ(frame->grid->GetCellValue(r, 0), "") << r;

  const char* types[] = {"Ungrouped Discrete", "Ungrouped Continuous", "Grouped Discrete",
                         "Grouped Continuous", "Already Grouped Continuous"};
  ASSERT_EQ(frame->dataTypeChoice->GetCount(), 5u);
  for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(frame->dataTypeChoice->GetString(i), types[i]);
  EXPECT_EQ(frame->dataTypeChoice->GetSelection(), tally::UngroupedDiscrete);
  EXPECT_TRUE(frame->set1Radio->GetValue());
  EXPECT_FALSE(frame->set2Radio->GetValue());
  EXPECT_FALSE(frame->groupingDetailsButton->IsShown());
  EXPECT_TRUE(frame->columnWidthButton->IsShown());
  EXPECT_EQ(frame->columnWidthButton->GetLabelText(), "Col Width...");

  EXPECT_EQ(frame->statistics->percentileSpin(0)->GetValue(), 50);
  EXPECT_EQ(frame->statistics->percentileSpin(1)->GetValue(), 50);
  EXPECT_EQ(frame->percentileSlider->GetValue(), 50);
  EXPECT_EQ(frame->percentageText->GetValue(), "50%");
  EXPECT_EQ(frame->statistics->stdDevCaption(0)->GetLabel(), "Std Dev.(p):");

  EXPECT_EQ(frame->analysis().state().columnWidth, 1.0);
  EXPECT_EQ(frame->analysis().type(), tally::UngroupedDiscrete);
  EXPECT_EQ(frame->analysis().shownSet(), 0);
  EXPECT_FALSE(frame->analysis().sampleStdDev());
  EXPECT_EQ(frame->analysis().set(0).count, 0);
  // No stored start extremes: a set never filled adds nothing to any scale.
  EXPECT_EQ(frame->analysis().set(1).minimum, 0);
  // The example of Auto Data: 3+4+5+7+4+2 = 25 and 1+1+2+4+6+7+6+4 = 31 observations.
  EXPECT_EQ(tally::exampleData(0).size() + tally::exampleData(1).size(), 14u);
  EXPECT_EQ(totalFrequency(tally::exampleData(0)), 25);
  EXPECT_EQ(totalFrequency(tally::exampleData(1)), 31);
}

// The window carries the program's icon at every size the desktop asks for, each
// the column-graph drawing: the tallest column (units 8 to 11 of 16, from unit 2
// down) is green at 16 px and at 256 px alike. The icons come once the window has
// painted, so the test lets it paint first.
TEST_F(MainFrameTest, WindowIconComesAtEverySize) {
  for (int round = 0; round < 400 && frame->GetIcons().IsEmpty(); ++round) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
    wxMilliSleep(5);
  }
  const wxIconBundle& icons = frame->GetIcons();
  EXPECT_EQ(icons.GetIconCount(), 7u);
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    wxIcon icon = icons.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE);
    ASSERT_TRUE(icon.IsOk()) << size;
    EXPECT_EQ(icon.GetWidth(), size);
    EXPECT_EQ(icon.GetHeight(), size);
    if (size == 16 || size == 256) {
      wxBitmap bitmap;
      bitmap.CopyFromIcon(icon);
      const wxImage image = bitmap.ConvertToImage();
      const int x = size * 9 / 16, y = size * 5 / 16;
      EXPECT_GT(image.GetGreen(x, y), 120) << size;
      EXPECT_LT(image.GetRed(x, y), 100) << size;
    }
  }
}

// The instructions stand whole in their text, and whoever comes to the text (the
// keys or a screen reader, through the focus) starts at their beginning.
TEST_F(MainFrameTest, InstructionsAreReadFromTheirStart) {
  wxTextCtrl* instructions = nullptr;
  std::vector<wxWindow*> pending = {frame};
  while (!pending.empty() && !instructions) {
    wxWindow* window = pending.back();
    pending.pop_back();
    auto* text = wxDynamicCast(window, wxTextCtrl);
    if (text && text->IsMultiLine() && text->GetValue().StartsWith("Enter data in the table"))
      instructions = text;
    for (wxWindow* child : window->GetChildren()) pending.push_back(child);
  }
  ASSERT_NE(instructions, nullptr);
  EXPECT_TRUE(instructions->GetValue().EndsWith("graphs & box plots to be displayed."))
      << instructions->GetValue();
  EXPECT_EQ(instructions->GetLastPosition(),
            static_cast<long>(instructions->GetValue().length()));
  wxFocusEvent focus(wxEVT_SET_FOCUS, instructions->GetId());
  focus.SetEventObject(instructions);
  instructions->HandleWindowEvent(focus);
  EXPECT_EQ(instructions->GetInsertionPoint(), 0);
  // Later visits keep the place a reader or a click left.
  instructions->SetInsertionPoint(12);
  instructions->HandleWindowEvent(focus);
  EXPECT_EQ(instructions->GetInsertionPoint(), 12);
}

// The program answers the window's direction at once, as wx would for the locale
// in force (wx's own answer builds its table of every language).
TEST(AnalysisAppTest, LayoutDirectionIsWxsOwnForTheLocaleInForce) {
  ASSERT_EQ(wxUILocale::GetCurrent().GetName(), "C");
  EXPECT_EQ(programLayoutDirection(), wxTheApp->GetLayoutDirection());
}

// The page's captions are drawn in their own bold 8-point font: what the toolkit
// measures for them is what their texts measure in that font, not in the default one.
TEST_F(MainFrameTest, CaptionsReachTheToolkitInTheirFont) {
  wxTheApp->ProcessPendingEvents();
  const wxFont regular = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  int captions = 0, offOwn = 0, offRegular = 0;
  for (wxWindow* child : frame->statistics->GetChildren()) {
    auto* caption = wxDynamicCast(child, wxStaticText);
    if (!caption || caption->GetFont().GetWeight() != wxFONTWEIGHT_BOLD) continue;
    const wxString text = caption->GetLabelText();
    if (text.empty() || caption->HasFlag(wxST_NO_AUTORESIZE)) continue;
    EXPECT_EQ(caption->GetFont().GetPointSize(), 8) << text;
    int own = 0, plain = 0, ownHeight = 0, plainHeight = 0;
    caption->GetTextExtent(text, &own, &ownHeight);
    caption->GetTextExtent(text, &plain, &plainHeight, nullptr, nullptr, &regular);
    caption->InvalidateBestSize();
    const wxSize toolkit = caption->GetBestSize();
    EXPECT_NEAR(toolkit.x, own, 2) << text;
    EXPECT_NEAR(toolkit.y, ownHeight, 1) << text;
    ++captions;
    offOwn += std::abs(toolkit.x - own) + std::abs(toolkit.y - ownHeight);
    offRegular += std::abs(toolkit.x - plain) + std::abs(toolkit.y - plainHeight);
  }
  ASSERT_GE(captions, 20);
  // The two fonts are told apart: the default one misses by far more.
  EXPECT_GT(offRegular, 2 * offOwn + 2 * captions) << offOwn;
}

// A zoom's font, given to a caption through wx, is the one the toolkit draws and
// measures it in, over the font all captions share.
TEST_F(MainFrameTest, ZoomedCaptionsReachTheToolkitInTheZoomedFont) {
  wxTheApp->ProcessPendingEvents();
  std::vector<std::pair<wxStaticText*, int>> captions;  // with their width at 100%
  for (wxWindow* child : frame->statistics->GetChildren()) {
    auto* caption = wxDynamicCast(child, wxStaticText);
    if (!caption || caption->GetFont().GetWeight() != wxFONTWEIGHT_BOLD) continue;
    if (caption->GetLabelText().empty() || caption->HasFlag(wxST_NO_AUTORESIZE)) continue;
    caption->InvalidateBestSize();
    captions.emplace_back(caption, caption->GetBestSize().x);
  }
  ASSERT_GE(captions.size(), 20u);
  frame->setZoomPercent(200);
  wxTheApp->ProcessPendingEvents();
  for (const auto& [caption, widthAtHundred] : captions) {
    const wxString text = caption->GetLabelText();
    EXPECT_EQ(caption->GetFont().GetPointSize(), 16) << text;
    int own = 0, ownHeight = 0;
    caption->GetTextExtent(text, &own, &ownHeight);
    caption->InvalidateBestSize();
    const wxSize toolkit = caption->GetBestSize();
    EXPECT_NEAR(toolkit.x, own, 2) << text;
    EXPECT_NEAR(toolkit.y, ownHeight, 1) << text;
    EXPECT_GT(toolkit.x, widthAtHundred * 3 / 2) << text;
  }
}

// Bold texts that GTK must lay out in their own font, and in the zoom's once
// zoomed: the titles of the three boxes ("Instructions", "Data Entry", "Data
// Details"), each on its own, and the controls of a fixed size (the Name... and
// Cycle buttons, Col Width..., the set radios), together (the theme pads a radio's
// label). GTK lays each text out as wide as wx measures it in its font, not in the
// default one.
TEST_F(MainFrameTest, BoldTitlesAndFixedSizeControlsReachTheToolkitInTheirFont) {
  struct Text {
    wxControl* owner;
    GtkWidget* label;
    bool alone;  // nearer its own font than the default by itself, not only together
  };
  std::vector<Text> texts;
  std::vector<wxWindow*> pending = {frame};
  while (!pending.empty()) {
    wxWindow* window = pending.back();
    pending.pop_back();
    if (auto* box = wxDynamicCast(window, wxStaticBox))
      texts.push_back({box, gtk_frame_get_label_widget(GTK_FRAME(box->GetHandle())), true});
    for (wxWindow* child : window->GetChildren()) pending.push_back(child);
  }
  ASSERT_EQ(texts.size(), 3u);
  std::vector<wxControl*> controls = {frame->set1Radio, frame->set2Radio,
                                      frame->columnWidthButton};
  for (int id : {ID_NAME_SET1, ID_NAME_SET2, ID_CYCLE_SET1, ID_CYCLE_SET2})
    controls.push_back(wxDynamicCast(wxWindow::FindWindowById(id, frame), wxControl));
  for (wxControl* control : controls) {
    ASSERT_NE(control, nullptr);
    texts.push_back({control, gtk_bin_get_child(GTK_BIN(control->GetHandle())), false});
  }
  const wxFont regular = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  for (int percent : {100, 200}) {
    frame->setZoomPercent(percent);
    // GTK restyles at its next frames.
    for (int i = 0; i < 20; ++i) {
      wxYield();
      wxMilliSleep(10);
    }
    int offOwn = 0, offRegular = 0, together = 0;
    for (const Text& t : texts) {
      const wxString text = t.owner->GetLabelText();
      EXPECT_EQ(t.owner->GetFont().GetWeight(), wxFONTWEIGHT_BOLD) << text;
      EXPECT_EQ(t.owner->GetFont().GetPointSize(), 8 * percent / 100) << text;
      ASSERT_TRUE(t.label && GTK_IS_LABEL(t.label)) << text;
      int natural = 0;
      pango_layout_get_pixel_size(gtk_label_get_layout(GTK_LABEL(t.label)), &natural, nullptr);
      int own = 0, plain = 0;
      t.owner->GetTextExtent(text, &own, nullptr);
      t.owner->GetTextExtent(text, &plain, nullptr, nullptr, nullptr, &regular);
      EXPECT_NEAR(natural, own, 2) << text << " at " << percent << "%";
      if (t.alone) {
        EXPECT_GT(std::abs(natural - plain), std::abs(natural - own) + 2)
            << text << " at " << percent << "%";
      } else {
        offOwn += std::abs(natural - own);
        offRegular += std::abs(natural - plain);
        ++together;
      }
    }
    EXPECT_GT(offRegular, 2 * offOwn + together) << percent;
  }
}

TEST_F(MainFrameTest, EveryStatisticStartsBlank) {
  for (int s = 0; s < 2; ++s) {
    for (wxStaticText* label :
         {frame->statistics->label(s, Statistic::N), frame->statistics->label(s, Statistic::Mean), frame->statistics->label(s, Statistic::Mode), frame->statistics->label(s, Statistic::Minimum),
          frame->statistics->label(s, Statistic::Q1), frame->statistics->label(s, Statistic::Median), frame->statistics->label(s, Statistic::Q3), frame->statistics->label(s, Statistic::Maximum),
          frame->statistics->label(s, Statistic::Range), frame->statistics->label(s, Statistic::Iqr), frame->statistics->label(s, Statistic::StdDev),
          frame->statistics->label(s, Statistic::Percentile), frame->statistics->label(s, Statistic::SliderPercentile)})
      EXPECT_EQ(label->GetLabel(), "") << "set " << s;
  }
}

TEST_F(MainFrameTest, NotebookPagesWithTabsAtTheBottom) {
  // The pages of the analysis first, then the lesson's pages.
  ASSERT_EQ(frame->notebook->GetPageCount(), 7u);
  EXPECT_TRUE(frame->notebook->HasFlag(wxNB_BOTTOM));
  EXPECT_EQ(frame->notebook->GetSelection(), 0);
  EXPECT_EQ(frame->notebook->GetPageText(0), "Statistics");
  EXPECT_EQ(frame->notebook->GetPageText(1), "Column Graph");
  // The caption is written "Box && Whisker"; the tab shows one ampersand.
  EXPECT_EQ(frame->notebook->GetPageText(2), "Box & Whisker");
  EXPECT_EQ(frame->notebook->GetPage(2), frame->boxPage);
  EXPECT_EQ(frame->notebook->GetPageText(3), "Dot Plot");
  EXPECT_EQ(frame->notebook->GetPage(3), frame->dotPlotPage);
  const std::pair<wxWindow*, const char*> lessonPages[] = {
      {frame->frequencyTablePage, "Frequency Table"},
      {frame->stemAndLeafPage, "Stem-and-leaf"},
      {frame->workingPage, "Working"}};
  for (const auto& [page, caption] : lessonPages) {
    const int index = frame->notebook->FindPage(page);
    ASSERT_GE(index, 4) << caption;
    EXPECT_EQ(frame->notebook->GetPageText(static_cast<size_t>(index)), caption);
  }
}

TEST_F(MainFrameTest, StatisticsGridHasSixteenRowsOfFour) {
  EXPECT_EQ(frame->statistics->gridSizer()->GetRows(), 16);
  EXPECT_EQ(frame->statistics->gridSizer()->GetCols(), 4);
  // 15 filled rows of 4 cells: 14 rows of controls and the row of spacers.
  EXPECT_EQ(frame->statistics->gridSizer()->GetItemCount(), 60u);
  EXPECT_EQ(frame->statistics->gridSizer()->GetVGap(), 2);
  EXPECT_EQ(frame->statistics->gridSizer()->GetHGap(), 2);
}

TEST_F(MainFrameTest, GraphViewsStandWhereTheLayoutPutsThem) {
  EXPECT_EQ(frame->set1Graph->GetParent(), frame->columnGraphPage);
  EXPECT_EQ(frame->set2Graph->GetParent(), frame->columnGraphPage);
  EXPECT_EQ(frame->boxPlot->GetParent(), frame->boxPage);
  EXPECT_EQ(frame->percentileGraph->GetParent(), frame->boxPage);
  EXPECT_NE(frame->boxPlotSizer->GetItem(frame->boxPlot), nullptr);
  EXPECT_NE(frame->percentileSizer->GetItem(frame->percentileGraph, true), nullptr);
  EXPECT_NE(frame->percentileSizer->GetItem(frame->percentileSlider, true), nullptr);
  // Box plot shown, ogive and slider hidden until already grouped data are chosen.
  EXPECT_TRUE(frame->boxPageSizer->IsShown(frame->boxPlotSizer));
  EXPECT_FALSE(frame->boxPageSizer->IsShown(frame->percentileSizer));
}

TEST_F(MainFrameTest, SeriesLooksForTheViews) {
  for (int s = 0; s < 2; ++s) {
    SCOPED_TRACE(s);
    const tally::Series& columns = frame->shownSeries(COLUMNS_SET1 + s);
    EXPECT_EQ(columns.style, tally::ColumnsStyle);
    EXPECT_EQ(columns.lineColour, tally::colours::black);
    EXPECT_EQ(columns.penWidth, 1);
    EXPECT_EQ(columns.fillColour, tally::colours::green);
    EXPECT_EQ(columns.columnWidth, 0.75);
    const tally::Series& outliers = frame->shownSeries(OUTLIERS_SET1 + s);
    EXPECT_EQ(outliers.style, tally::MarkersStyle);
    EXPECT_EQ(outliers.fillColour, tally::colours::black);
    EXPECT_EQ(outliers.markerShape, tally::CircleMarker);
    EXPECT_EQ(outliers.markerSize, 2);
    const tally::Series& lines = frame->shownSeries(BOX_LINES_SET1 + s);
    EXPECT_EQ(lines.style, tally::PolylineStyle);
    EXPECT_EQ(lines.penWidth, 1);
    EXPECT_EQ(lines.lineColour, tally::colours::black);
    const tally::Series& ogive = frame->shownSeries(OGIVE_SET1 + s);
    EXPECT_EQ(ogive.style, tally::PolylineStyle);
    EXPECT_EQ(ogive.penWidth, 2);
    EXPECT_EQ(ogive.lineColour, s == 0 ? tally::colours::red : tally::colours::blue);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(frame->shownSeries(i).segments.empty());
  }
}

namespace {

// Cancels every modal dialog, the print dialog among them: routing a button whose
// command asks something must not leave a real prompt open.
class CancelEveryDialog : public wxModalDialogHook {
 public:
  CancelEveryDialog() { Register(); }
  ~CancelEveryDialog() override { Unregister(); }

 protected:
  int Enter(wxDialog*) override { return wxID_CANCEL; }
  void Exit(wxDialog*) override {}
};

}  // namespace

TEST_F(MainFrameTest, EachControlHasItsOwnIdentifierAndReachesOnlyItsHandler) {
  using Names = std::vector<std::string>;
  CancelEveryDialog cancel;
  struct Route {
    const char* what;
    wxWindow* source;
    wxEventType type;
    int id;
    const char* handler;
  };
  const std::vector<Route> routes = {
      {"Clear Data", byLabel("Clear &Data"), wxEVT_BUTTON, ID_CLEAR_DATA, "onClearData"},
      {"data-type choice", frame->dataTypeChoice, wxEVT_CHOICE, ID_DATA_TYPE, "onDataTypeChanged"},
      {"Set 1 radio", frame->set1Radio, wxEVT_RADIOBUTTON, ID_SET1_RADIO, "onSetSelected"},
      {"Set 2 radio", frame->set2Radio, wxEVT_RADIOBUTTON, ID_SET2_RADIO, "onSetSelected"},
      {"Print", byLabel("&Print"), wxEVT_BUTTON, ID_PRINT, "onPrint"},
      {"Auto Data", byLabel("&Auto Data"), wxEVT_BUTTON, ID_AUTO_DATA, "onAutoData"},
      {"Cycle 1", frame->FindWindow(ID_CYCLE_SET1), wxEVT_BUTTON, ID_CYCLE_SET1, "onCycleStdDev"},
      {"Cycle 2", frame->FindWindow(ID_CYCLE_SET2), wxEVT_BUTTON, ID_CYCLE_SET2, "onCycleStdDev"},
      {"Name 1", frame->FindWindow(ID_NAME_SET1), wxEVT_BUTTON, ID_NAME_SET1, "onSetName"},
      {"Name 2", frame->FindWindow(ID_NAME_SET2), wxEVT_BUTTON, ID_NAME_SET2, "onSetName"},
      {"Col Width", frame->columnWidthButton, wxEVT_BUTTON, ID_COLUMN_WIDTH, "onColumnWidth"},
      {"Grouping Details", frame->groupingDetailsButton, wxEVT_BUTTON, ID_GROUPING_DETAILS, "onGroupingDetails"},
      {"Load Data", byLabel("&Load Data"), wxEVT_BUTTON, ID_LOAD_DATA, "onLoadData"},
      {"Save Data", byLabel("&Save Data"), wxEVT_BUTTON, ID_SAVE_DATA, "onSaveData"},
      {"spin 1 text", frame->statistics->percentileSpin(0), wxEVT_TEXT, ID_PERCENTILE_SET1, "onPercentileText"},
      {"spin 2 text", frame->statistics->percentileSpin(1), wxEVT_TEXT, ID_PERCENTILE_SET2, "onPercentileText"},
  };
  for (const Route& r : routes) {
    SCOPED_TRACE(r.what);
    ASSERT_NE(r.source, nullptr);
    EXPECT_EQ(r.source->GetId(), r.id);
    wxCommandEvent event(r.type, r.id);
    EXPECT_EQ(handlersFor(r.source, event), Names{r.handler});
  }

  for (int s = 0; s < 2; ++s) {
    wxSpinEvent spin(wxEVT_SPINCTRL, frame->statistics->percentileSpin(s)->GetId());
    EXPECT_EQ(handlersFor(frame->statistics->percentileSpin(s), spin), Names{"onPercentileSpin"}) << s;
  }

  const wxEventType scrolls[] = {wxEVT_SCROLL_TOP,          wxEVT_SCROLL_BOTTOM,
                                 wxEVT_SCROLL_LINEUP,       wxEVT_SCROLL_LINEDOWN,
                                 wxEVT_SCROLL_PAGEUP,       wxEVT_SCROLL_PAGEDOWN,
                                 wxEVT_SCROLL_THUMBTRACK,   wxEVT_SCROLL_THUMBRELEASE,
                                 wxEVT_SCROLL_CHANGED};
  EXPECT_EQ(frame->percentileSlider->GetId(), ID_PERCENTILE_SLIDER);
  for (wxEventType type : scrolls) {
    wxScrollEvent scroll(type, frame->percentileSlider->GetId(), 40, wxVERTICAL);
    EXPECT_EQ(handlersFor(frame->percentileSlider, scroll), Names{"onPercentileSlider"}) << type;
  }
}

TEST_F(MainFrameTest, GridChangesReachExtractGridDataOncePerOperation) {
  using Names = std::vector<std::string>;
  wxGridEvent edited(frame->grid->GetId(), wxEVT_GRID_CELL_CHANGED, frame->grid, 0, 0);
  EXPECT_EQ(handlersFor(frame->grid, edited), Names{"extractGridData"});

  // A block delete writes many cells and posts one change.
  frame->grid->pasteText("1\t2\n3\t4\n");
  frame->grid->SelectBlock(0, 0, 1, 1);
  ran.clear();
  frame->grid->clearSelection();
  EXPECT_TRUE(ran.empty());
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(ran, Names{"extractGridData"});
  EXPECT_EQ(frame->grid->GetCellValue(1, 1), "");
}
