// The printed page: drawn by the printout on a page-sized bitmap as a 150 dpi
// printer would, checked where the layout puts the names, the graphs and the
// table; fitted on A4 and Letter in both orientations; printed to a PostScript
// file through the print command; and shown in the preview window.
// With TALLYSCOPE_SHOT_DIR set, the page is also saved as a PNG.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/print.h>
#include <wx/cmndata.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <limits>
#include <locale>
#include <sstream>
#include <vector>
#include <string>

#include "core/NumberText.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/AnalysisPrintout.h"
#include "AxesAnswer.h"
#include "MainFrameDriver.h"
#include "PixelTools.h"

namespace {

void failOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE() << "wx assertion at " << file << ":" << line << " in " << func << ": " << cond
                << " " << msg;
}

struct Paper {
  const char* name;
  int width, height;  // pixels at 150 dpi
};
const Paper kA4{"A4", 1240, 1754};        // 210 x 297 mm
const Paper kLetter{"Letter", 1275, 1650};  // 8.5 x 11 in
constexpr int kPpi = 150;
constexpr int kMargin = 37;  // a quarter inch at 150 dpi

class PrintTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  void SetUp() override {
    previous = wxSetAssertHandler(failOnAssert);
    frame->SetSize(1000, 700);
    settle();
  }
  void TearDown() override { wxSetAssertHandler(previous); }

  static void settle() {
    for (int i = 0; i < 3; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
    }
  }

  // The Print button's page as PostScript: the printer the window is handed
  // prints to a file, which is read back and removed.
  std::string printedPostScript() {
    const wxString path = wxFileName::CreateTempFileName("tallyscope-print");
    frame->runPrinter = [&](wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout) {
      data.GetPrintData().SetPrintMode(wxPRINT_MODE_FILE);
      data.GetPrintData().SetFilename(path);
      data.SetFromPage(1);
      data.SetToPage(9);
      wxPostScriptPrinter printer(&data);
      return printer.Print(parent, &printout, false) ? wxPRINTER_NO_ERROR
                                                     : wxPrinter::GetLastError();
    };
    click(frame->FindWindow(ID_PRINT));
    wxString ps;
    EXPECT_TRUE(wxFFile(path).ReadAll(&ps));
    wxRemoveFile(path);
    return toStd(ps);
  }

  // Page 1 as a 150 dpi printer would get it, on a white page of that size.
  wxImage printPage(int width, int height, int ppi = kPpi) {
    AnalysisPrintout printout(frame);
    wxImage page = renderOnWhite(width, height, [&](wxDC& dc) {
      printout.SetUp(dc);
      printout.SetPPIScreen(96, 96);
      printout.SetPPIPrinter(ppi, ppi);
      printout.SetPageSizePixels(width, height);
      EXPECT_TRUE(printout.OnPrintPage(1));
    });
    layout = printout.lastLayout();
    return page;
  }

  // Pixels in the device rectangle for which `test` holds.
  static int count(const wxImage& img, wxRect r, const std::function<bool(int, int)>& test) {
    r.Intersect(wxRect(0, 0, img.GetWidth(), img.GetHeight()));
    int n = 0;
    for (int y = r.y; y < r.GetBottom(); ++y)
      for (int x = r.x; x < r.GetRight(); ++x)
        if (test(x, y)) ++n;
    return n;
  }
  static int inkOutsideMargins(const wxImage& img) {
    int n = 0;
    for (int y = 0; y < img.GetHeight(); ++y)
      for (int x = 0; x < img.GetWidth(); ++x) {
        const bool inside = x >= kMargin && x < img.GetWidth() - kMargin && y >= kMargin &&
                            y < img.GetHeight() - kMargin;
        if (!inside && !white(img, x, y)) ++n;
      }
    return n;
  }
  // Graph i's box on the page, as the layout placed it.
  wxRect graphRect(int i) const {
    const double s = layout.graphScale;
    return wxRect(layout.graphOrigin[i].x, layout.graphOrigin[i].y,
                  static_cast<int>(std::ceil(layout.viewWidth[i] * s)),
                  static_cast<int>(std::ceil(layout.viewHeight[i] * s)));
  }
  // Where the page may have ink: the names' line, the three graphs' boxes and the table.
  bool onSomethingPlaced(int x, int y) const {
    const wxPoint p(x, y);
    for (int i = 0; i < 3; ++i)
      if (graphRect(i).Contains(p)) return true;
    const int namesBottom = layout.textOrigin.y +
                            static_cast<int>(std::ceil(layout.textScale * (layout.nameY + 40)));
    if (y >= layout.textOrigin.y && y < std::min(namesBottom, layout.graphOrigin[0].y)) return true;
    return wxRect(wxPoint(layout.tableOrigin.x, layout.tableOrigin.y),
                  wxPoint(layout.tableRight, layout.tableBottom))
        .Contains(p);
  }
  int inkOutsideWhatWasPlaced(const wxImage& img) const {
    int n = 0;
    for (int y = 0; y < img.GetHeight(); ++y)
      for (int x = 0; x < img.GetWidth(); ++x)
        if (!white(img, x, y) && !onSomethingPlaced(x, y)) ++n;
    return n;
  }
  // A band of the table in device pixels: lines first to last, columns from x to x + width
  // (text units).
  wxRect tableBand(int x, int width, int firstLine, int lastLine) const {
    const double r = layout.textScale;
    const int top = layout.firstRowY + firstLine * layout.lineHeight;
    const int bottom = layout.firstRowY + (lastLine + 1) * layout.lineHeight;
    return wxRect(layout.tableOrigin.x + static_cast<int>(x * r),
                  layout.tableOrigin.y + static_cast<int>(top * r), static_cast<int>(width * r),
                  static_cast<int>((bottom - top) * r));
  }

  // A value axis set by hand through its page's "Axes..." button.
  void setAxes(int page, const std::string& from, const std::string& to, const std::string& unit) {
    AxesAnswer answer{from, to, unit};
    wxTEST_DIALOG(click(frame->axesButton[page]), AnswerAxes(answer));
    ASSERT_EQ(answer.problem, "");
    ASSERT_TRUE(frame->analysis().axisRange(page));
  }

  void saveShot(const wxImage& img, const char* name) {
    const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
    if (dir) {
      EXPECT_TRUE(img.SaveFile(wxString::FromUTF8(dir) + "/" + name, wxBITMAP_TYPE_PNG));
    }
  }

  tally::PageLayout layout;

 private:
  wxAssertHandler_t previous = nullptr;
};

bool greenish(const wxImage& img, int x, int y) {
  return img.GetGreen(x, y) > 200 && img.GetRed(x, y) < 80 && img.GetBlue(x, y) < 80;
}
bool reddish(const wxImage& img, int x, int y) {
  return img.GetRed(x, y) > 200 && img.GetGreen(x, y) < 80 && img.GetBlue(x, y) < 80;
}

}  // namespace

TEST_F(PrintTest, PageShowsNamesGraphsAndTableWhereTheLayoutPutsThem) {
  click(frame->FindWindow(ID_AUTO_DATA));
  for (bool ogive : {false, true}) {
    SCOPED_TRACE(ogive ? "percentile graph" : "box plot");
    if (ogive) {
      wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("4", "1", 10));
      settle();
    }
    const wxImage page = printPage(kA4.width, kA4.height);
    ASSERT_TRUE(layout.drawable);
    if (!ogive) saveShot(page, "printed-page.png");
    EXPECT_EQ(inkOutsideMargins(page), 0);

    auto dark = [&](int x, int y) { return ::dark(page, x, y); };
    auto green = [&](int x, int y) { return greenish(page, x, y); };
    auto red = [&](int x, int y) { return reddish(page, x, y); };
    const double r = layout.textScale;
    for (int s = 0; s < 2; ++s) {
      const wxRect name(layout.textOrigin.x + static_cast<int>(layout.nameX[s] * r),
                        layout.textOrigin.y + static_cast<int>(layout.nameY * r),
                        static_cast<int>(40 * r), static_cast<int>(20 * r));
      EXPECT_GT(count(page, name, dark), 20) << "name " << s;
    }
    for (int g = 0; g < 2; ++g) EXPECT_GT(count(page, graphRect(g), green), 500) << g;
    // Every column of the box-plot types is whole on paper: as many green runs
    // across the graph, a little above the axis (clear of its tick marks), as
    // the set has values; none cut away at the window's edge.
    for (int g = 0; g < 2 && !ogive; ++g) {
      const wxRect box = graphRect(g);
      int foot = -1;
      for (int y = box.y; y < box.GetBottom(); ++y)
        for (int x = box.x; x < box.GetRight() && foot != y; ++x)
          if (greenish(page, x, y)) foot = y;
      ASSERT_GT(foot, 0) << g;
      const int y = foot - static_cast<int>(12 * layout.graphScale);
      int runs = 0;
      for (int x = box.x + 1; x < box.GetRight(); ++x)
        if (greenish(page, x, y) && !greenish(page, x - 1, y)) ++runs;
      EXPECT_EQ(runs, static_cast<int>(frame->analysis().set(g).pairs.size())) << g;
    }
    // Nothing of the column graphs' green outside their rectangles.
    EXPECT_EQ(count(page, wxRect(0, 0, page.GetWidth(), page.GetHeight()), green),
              count(page, graphRect(0), green) + count(page, graphRect(1), green));
    EXPECT_EQ(inkOutsideWhatWasPlaced(page), 0);

    const wxRect third = graphRect(2);
    EXPECT_GT(count(page, third, dark), 200);
    // The ogive of Set 1 is red; the box plot draws in black, but for the red
    // "+" on each mean.
    if (ogive) {
      EXPECT_GT(count(page, third, red), 50);
    } else {
      // The page lays the box plot out again at its box, so the marks are found
      // on paper: the red pixels form one small "+" per set and nothing else
      // (pixels up to 3 apart belong together: thin antialiased arms break up).
      const double g = layout.graphScale;
      const int arm = static_cast<int>((frame->boxPlot->meanMarkArm() + 2) * g) + 2;
      // Red, or red blended with the white paper at a thin arm's edge.
      auto tinted = [&](int x, int y) {
        const int r = page.GetRed(x, y);
        return r > 180 && r - page.GetGreen(x, y) > 60 && r - page.GetBlue(x, y) > 60;
      };
      std::vector<wxRect> marks;
      std::vector<bool> seen(static_cast<size_t>(page.GetWidth()) * page.GetHeight(), false);
      for (int y = third.y; y < third.GetBottom(); ++y)
        for (int x = third.x; x < third.GetRight(); ++x) {
          if (!tinted(x, y) || seen[static_cast<size_t>(y) * page.GetWidth() + x]) continue;
          wxRect bounds(x, y, 1, 1);
          std::vector<wxPoint> todo{{x, y}};
          seen[static_cast<size_t>(y) * page.GetWidth() + x] = true;
          while (!todo.empty()) {
            const wxPoint q = todo.back();
            todo.pop_back();
            bounds.Union(wxRect(q.x, q.y, 1, 1));
            for (int dy = -3; dy <= 3; ++dy)
              for (int dx = -3; dx <= 3; ++dx) {
                const int nx = q.x + dx, ny = q.y + dy;
                if (!third.Contains(nx, ny) || !tinted(nx, ny)) continue;
                const size_t at = static_cast<size_t>(ny) * page.GetWidth() + nx;
                if (seen[at]) continue;
                seen[at] = true;
                todo.push_back({nx, ny});
              }
          }
          marks.push_back(bounds);
        }
      std::string where;
      for (const wxRect& m : marks)
        where += " (" + std::to_string(m.x) + "," + std::to_string(m.y) + " " +
                 std::to_string(m.width) + "x" + std::to_string(m.height) + ")";
      ASSERT_EQ(marks.size(), 2u) << "red found at" << where << " arm " << arm;
      for (const wxRect& m : marks) {
        EXPECT_LE(m.width, 2 * arm + 1);
        EXPECT_LE(m.height, 2 * arm + 1);
        EXPECT_GE(m.width, arm) << "a + has arms both ways";
        EXPECT_GE(m.height, arm);
      }
    }

    // Heading, the captions of both blocks and both sets' values, down to the
    // population deviation on line 15.
    const wxRect heading(layout.tableOrigin.x + static_cast<int>(layout.labelX[0] * r),
                         layout.tableOrigin.y + static_cast<int>(layout.headingY * r),
                         static_cast<int>(80 * r), static_cast<int>(20 * r));
    EXPECT_GT(count(page, heading, dark), 50);
    for (int x : {layout.labelX[0], layout.labelX[1], layout.valueX[0], layout.valueX[1]}) {
      EXPECT_GT(count(page, tableBand(x, 40, 0, 0), dark), 5) << x;
      EXPECT_GT(count(page, tableBand(x, 40, 15, 15), dark), 5) << x;
      // The percentile row, captions and values.
      EXPECT_GT(count(page, tableBand(x, 40, 17, 17), dark), 5) << x;
    }
    EXPECT_GE(layout.tableOrigin.y + 1, layout.graphsBottom);
  }
}

TEST_F(PrintTest, EverythingFitsOnA4AndLetterInBothOrientationsAtEveryWindowSize) {
  click(frame->FindWindow(ID_AUTO_DATA));
  // Set 2's longest texts: more than two modes, numbers in exponent form.
  selectSet(1);
  loadText("-1234567\n-123456.5\n0.000123\n");
  ASSERT_EQ(text(frame->statistics->label(1, Statistic::Mode)), "(more than\n 2 modes)");
  const wxSize sizes[] = {frame->GetSize(), frame->GetMinSize(), wxSize(1920, 1080)};
  for (const wxSize& size : sizes) {
    frame->SetSize(size);
    frame->Layout();
    settle();
    for (const Paper& paper : {kA4, kLetter})
      for (bool landscape : {false, true}) {
        const int w = landscape ? paper.height : paper.width;
        const int h = landscape ? paper.width : paper.height;
        SCOPED_TRACE(std::string(paper.name) + (landscape ? " landscape " : " portrait ") +
                     std::to_string(size.x) + "x" + std::to_string(size.y));
        const wxImage page = printPage(w, h);
        if (landscape && size.x == 1920 && paper.name == kLetter.name)
          saveShot(page, "printed-landscape.png");
        ASSERT_TRUE(layout.drawable);
        EXPECT_EQ(inkOutsideMargins(page), 0);
        EXPECT_LE(layout.tableBottom, h - kMargin);
        EXPECT_LE(layout.graphsRight, w - kMargin);
        EXPECT_LE(layout.tableRight, w - kMargin);
        EXPECT_EQ(inkOutsideWhatWasPlaced(page), 0);
        // Still a full table: its last line has ink in both value columns.
        for (int x : {layout.valueX[0], layout.valueX[1]})
          EXPECT_GT(count(page, tableBand(x, 40, 15, 15),
                          [&](int px, int py) { return dark(page, px, py); }),
                    5);
      }
  }
}

TEST_F(PrintTest, NoPrinterResolutionDrawsNothing) {
  click(frame->FindWindow(ID_AUTO_DATA));
  const wxImage page = printPage(kA4.width, kA4.height, 0);
  EXPECT_FALSE(layout.drawable);
  EXPECT_EQ(count(page, wxRect(0, 0, page.GetWidth(), page.GetHeight()),
                  [&](int x, int y) { return !white(page, x, y); }),
            0);
}

// The print command with a PostScript printer writing to a file in place of the
// toolkit's dialog.
TEST_F(PrintTest, PrintCommandWritesOnePageWithTheStatisticsToAFile) {
  click(frame->FindWindow(ID_AUTO_DATA));
  // A long name with an "&": its first 30 characters, as typed, on the graph and the page.
  rename(0, "R&D team: heights of Year 9 girls");
  const std::string name = "R&D team: heights of Year 9 gi";
  EXPECT_EQ(toStd(frame->set1Graph->getTitle()), name);
  // Set 2 shows no statistics after 1, 2, 3 became 5, 5, 5, 5 (only its n and why),
  // yet keeps the sum of squares of its last refresh; the page must not print it.
  selectSet(1);
  loadText("1\n2\n3\n");
  loadText("5\n5\n5\n5\n");
  ASSERT_EQ(text(frame->statistics->label(1, Statistic::Mean)), "At least three different values are needed");
  ASSERT_EQ(text(frame->statistics->label(1, Statistic::StdDev)), "");

  const std::string out = printedPostScript();
  ASSERT_FALSE(out.empty());
  size_t pages = 0;
  for (size_t at = out.find("%%Page:"); at != std::string::npos; at = out.find("%%Page:", at + 1))
    ++pages;
  EXPECT_EQ(pages, 1u);
  // PostScript strings escape their parentheses.
  for (std::string shown : {name, std::string("Set 2"), std::string("Statistics"),
                            std::string("\\(sample\\)"), std::string("\\(population\\)")})
    EXPECT_NE(out.find("(" + shown + ")"), std::string::npos) << shown;
  using S = Statistic;
  for (Statistic which : {S::N, S::Mean, S::Minimum, S::Q1, S::Median, S::Q3, S::Maximum,
                          S::Range, S::Iqr, S::StdDev}) {
    const std::string shown = text(frame->statistics->label(0, which));
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(out.find("(" + shown + ")"), std::string::npos) << shown;
  }
  EXPECT_NE(out.find("(" + text(frame->statistics->label(0, Statistic::Mode)) + ")"), std::string::npos);
  // The names as on the preview: over its column of the page, as its column
  // graph's title and under its box (Set 2, with no statistics, has no box).
  const std::pair<std::string, size_t> names[] = {{name, 3}, {"Set 2", 2}};
  for (const auto& [shown, expected] : names) {
    size_t times = 0;
    for (size_t at = out.find("(" + shown + ")"); at != std::string::npos;
         at = out.find("(" + shown + ")", at + 1))
      ++times;
    EXPECT_EQ(times, expected) << shown;
  }
  // Set 2's stale deviations (its stale count of 1 cannot be told from a tick label).
  EXPECT_EQ(out.find("(1.414)"), std::string::npos);
  EXPECT_EQ(out.find("(inf)"), std::string::npos);
}

TEST_F(PrintTest, PreviewShowsThePageAndPrintsThroughThePrintCommand) {
  click(frame->FindWindow(ID_AUTO_DATA));
  int printed = 0;
  frame->runPrinter = [&](wxWindow*, wxPrintDialogData& data, wxPrintout&) {
    ++printed;
    data.GetPrintData().SetNoCopies(2);
    return wxPRINTER_NO_ERROR;
  };
  click(frame->FindWindow(ID_PREVIEW));
  wxPreviewFrame* window = nullptr;
  for (wxWindow* w : wxTopLevelWindows)
    if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) window = p;
  ASSERT_NE(window, nullptr);
  wxPrintPreviewBase* preview = nullptr;
  for (wxWindow* child : window->GetChildren())
    if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) preview = bar->GetPrintPreview();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->IsOk());
  EXPECT_NE(dynamic_cast<AnalysisPrintout*>(preview->GetPrintout()), nullptr);
  EXPECT_EQ(preview->GetMaxPage(), 1);
  settle();

  const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
  if (dir) {
    window->Raise();
    for (int i = 0; i < 20; ++i) {
      settle();
      wxMilliSleep(50);
    }
    const wxRect r = window->GetScreenRect();
    const wxString command = wxString::Format(
        "import -window root -crop %dx%d+%d+%d +repage %s/print-preview.png", r.width, r.height,
        r.x, r.y, wxString::FromUTF8(dir));
    EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
  }

  // The preview's Print button.
  EXPECT_TRUE(preview->Print(true));
  EXPECT_EQ(printed, 1);
  EXPECT_EQ(frame->printData.GetNoCopies(), 2);
  window->Close(true);
  settle();
}

namespace {

std::string yearsText(int from, int to) {
  std::string text;
  for (int y = from; y <= to; ++y) text += std::to_string(y) + "\n";
  return text;
}

}  // namespace

// Years are far from 0: an ogive or a column drawn from x = 0 would run from the
// sheet's left edge to the graph. Axes set by hand narrower than the data put
// columns, curves and markers past the boxes' edges too: the boxes cut them.
TEST_F(PrintTest, ClassesFarFromZeroLeaveNoInkOutsideTheGraphsBoxes) {
  loadText(yearsText(1995, 2024));
  selectSet(1);
  loadText(yearsText(2001, 2019) + yearsText(2005, 2012));
  for (int step = 0; step < 4; ++step) {
    SCOPED_TRACE(step);
    if (step == 1) {
      // Classes of five years from 1980: the ogive in place of the box plot.
      wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("1980", "5", 10));
      settle();
      ASSERT_EQ(frame->shownType(), tally::AlreadyGroupedContinuous);
    }
    if (step == 2) {
      setAxes(tally::kOgiveAxis, "2000", "2010", "2");
      setAxes(tally::kColumnAxis, "2004", "2012", "1");
    }
    if (step == 3) {
      selectSet(0);
      chooseType(tally::UngroupedDiscrete);
      setAxes(tally::kBoxAxis, "2000", "2010", "5");
    }
    settle();
    for (bool landscape : {false, true}) {
      const int w = landscape ? kA4.height : kA4.width, h = landscape ? kA4.width : kA4.height;
      const wxImage page = printPage(w, h);
      ASSERT_TRUE(layout.drawable);
      EXPECT_EQ(inkOutsideWhatWasPlaced(page), 0) << (landscape ? "landscape" : "portrait");
      // Something was drawn in every box: the clipping cut the overflow, not the graphs.
      for (int i = 0; i < 3; ++i)
        EXPECT_GT(count(page, graphRect(i), [&](int x, int y) { return dark(page, x, y); }), 200)
            << i;
      if (step == 1 && !landscape) saveShot(page, "printed-years-ogive.png");
    }
  }
}

namespace {

// The sizes, in points on the paper, of every font a PostScript page selects: the
// number before each "scalefont", times the scale the page's coordinates are
// drawn at (the last "sx sy scale" of the pages before it, 1 when there is none;
// the prolog's procedures use "scale" on operands of their own).
std::vector<double> postScriptFontSizes(const std::string& ps) {
  std::vector<double> sizes;
  const size_t pages = ps.find("%%EndProlog");
  std::istringstream words(pages == std::string::npos ? ps : ps.substr(pages));
  words.imbue(std::locale::classic());
  std::vector<std::string> recent;
  double scale = 1;
  std::string word;
  auto number = [&recent](size_t back) {
    double v = 0;
    if (recent.size() < back) return std::numeric_limits<double>::quiet_NaN();
    std::istringstream in(recent[recent.size() - back]);
    in.imbue(std::locale::classic());
    return (in >> v) ? v : std::numeric_limits<double>::quiet_NaN();
  };
  while (words >> word) {
    if (word == "scale" && std::isfinite(number(1)) && std::isfinite(number(2)))
      scale = std::min(number(1), number(2));
    if (word == "scalefont") sizes.push_back(number(1) * scale);
    recent.push_back(word);
    if (recent.size() > 4) recent.erase(recent.begin());
  }
  return sizes;
}

}  // namespace

// Every text on the printed page, the graphs' tick labels included, is at least 7
// points on A4 and Letter, portrait and landscape, from any window size.
TEST_F(PrintTest, EveryPrintedFontIsAtLeastSevenPoints) {
  click(frame->FindWindow(ID_AUTO_DATA));
  const wxSize sizes[] = {frame->GetMinSize(), wxSize(1000, 700), wxSize(1920, 1080)};
  const wxString path = wxFileName::CreateTempFileName("tallyscope-fonts");
  for (bool ogive : {false, true}) {
    if (ogive) {
      wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("4", "1", 10));
    }
    for (const wxSize& size : sizes) {
      frame->SetSize(size);
      frame->Layout();
      settle();
      for (wxPaperSize paper : {wxPAPER_A4, wxPAPER_LETTER})
        for (wxPrintOrientation orientation : {wxPORTRAIT, wxLANDSCAPE}) {
          SCOPED_TRACE(testing::Message()
                       << (paper == wxPAPER_A4 ? "A4 " : "Letter ")
                       << (orientation == wxLANDSCAPE ? "landscape " : "portrait ") << size.x
                       << "x" << size.y << (ogive ? " ogive" : " box plot"));
          wxPrintDialogData data;
          data.GetPrintData().SetPaperId(paper);
          data.GetPrintData().SetOrientation(orientation);
          data.GetPrintData().SetPrintMode(wxPRINT_MODE_FILE);
          data.GetPrintData().SetFilename(path);
          data.SetFromPage(1);
          data.SetToPage(9);
          wxPostScriptPrinter printer(&data);
          AnalysisPrintout printout(frame);
          ASSERT_TRUE(printer.Print(frame, &printout, false));
          ASSERT_TRUE(printout.lastLayout().drawable);
          wxString ps;
          ASSERT_TRUE(wxFFile(path).ReadAll(&ps));
          const std::vector<double> fonts = postScriptFontSizes(toStd(ps));
          // Names, heading, table, tick labels, captions, titles: many selections.
          EXPECT_GE(fonts.size(), 8u);
          for (double points : fonts) EXPECT_GE(points, 7.0);
          // Nothing printed large by mistake either: the largest is the 17-point title.
          for (double points : fonts) EXPECT_LE(points, 18.0);
        }
    }
  }
  // Kept to be read when a size was wrong.
  if (HasFailure())
    std::cerr << "last page printed: " << path << "\n";
  else
    wxRemoveFile(path);
}

// A set of one or two distinct values prints its n as the window shows it, and
// the reason it has no statistics stays in its own column, wrapped onto the lines
// below rather than running across the other set's captions.
TEST_F(PrintTest, ASetOfTooFewValuesPrintsItsCountAndKeepsItsReasonInItsColumn) {
  click(frame->FindWindow(ID_AUTO_DATA));
  std::string many;
  for (int i = 0; i < 23; ++i) many += i % 2 ? "7.5\n" : "8.5\n";
  loadText(many);
  ASSERT_EQ(text(frame->statistics->label(0, Statistic::N)), "23");
  ASSERT_EQ(text(frame->statistics->label(0, Statistic::Mean)),
            "At least three different values are needed");
  const wxImage page = printPage(kA4.width, kA4.height);
  ASSERT_TRUE(layout.drawable);
  auto ink = [&](int x, int y) { return dark(page, x, y); };
  // Between the end of Set 1's value column and Set 2's captions: nothing, on
  // every line the reason could take.
  const int columnEnd = layout.valueX[0] + layout.valueWidth + 1;
  const int gapWidth = layout.labelX[1] - columnEnd - 1;
  ASSERT_GT(gapWidth, 2);
  EXPECT_EQ(count(page, tableBand(columnEnd, gapWidth, 0, 16), ink), 0);
  // The reason is there, over more than one line; n on its own line.
  EXPECT_GT(count(page, tableBand(layout.valueX[0], 40, 0, 0), ink), 5);
  EXPECT_GT(count(page, tableBand(layout.valueX[0], 40, 1, 1), ink), 5);
  EXPECT_GT(count(page, tableBand(layout.valueX[0], 40, 2, 2), ink), 5);

  // In the PostScript: n as the window shows it, and every word of the reason.
  const std::string out = printedPostScript();
  ASSERT_FALSE(out.empty());
  EXPECT_NE(out.find("(23)"), std::string::npos);
  for (const char* word : {"At", "least", "three", "different", "values", "are", "needed"})
    EXPECT_NE(out.find(word), std::string::npos) << word;
  // The percentile row of the other set.
  EXPECT_NE(out.find("(Percentile \\(p = 50\\))"), std::string::npos);
  EXPECT_NE(out.find("(" + text(frame->statistics->label(1, Statistic::Percentile)) + ")"),
            std::string::npos);
}
