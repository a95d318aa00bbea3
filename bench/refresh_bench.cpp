// Time of one full analysis refresh in a real main window: both sets of 1000
// observations, the statistics labels, and the graph views redrawn at 800 x 600.
//
// Each iteration refreshes with set 1 alternating between its data and the same
// data with one value changed, as after an edit, so the statistics labels get new
// texts every time (an unchanged label is not written again).
//
// The views only ask for a repaint inside the refresh, so each iteration also
// draws them as their next paint would: the column graphs and the box plot
// redraw their buffers, and in the already grouped case (where it is the page on
// show) the percentile view draws into an 800 x 600 memory context.
//
// Run under a display, e.g.:  xvfb-run -a build/release/refresh_bench
//
// TALLYSCOPE_BENCH_BASELINE=path/to/older/refresh_bench compares with an older
// build instead: each round launches the older benchmark and this one, one after
// the other, for each case, so that both feel the same load on a busy machine,
// and reads the median each reports. The summary gives the medians of the rounds'
// medians side by side and their ratio. The older program needs nothing but
// Google Benchmark's own flags, so any build of this benchmark will do.
// TALLYSCOPE_BENCH_ROUNDS sets the number of rounds (7 unless set).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "ui/app/MainFrame.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/stats/StatisticsPanel.h"

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

namespace {

constexpr int kRows = 1000;
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

// Answers a grouping dialog with 100 classes of width 1 from 0.
class AcceptHundredClasses : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override {
    auto* grouping = wxDynamicCast(dialog, GroupingDialog);
    if (!grouping) return wxID_CANCEL;
    grouping->setValues(0, 1, 100);
    grouping->refreshFields();
    return wxID_OK;
  }
  void Exit(wxDialog*) override {}
};

void chooseType(MainFrame* frame, int type) {
  frame->dataTypeChoice->SetSelection(type);
  wxCommandEvent chosen(wxEVT_CHOICE, ID_DATA_TYPE);
  chosen.SetInt(type);
  chosen.SetEventObject(frame->dataTypeChoice);
  frame->dataTypeChoice->GetEventHandler()->ProcessEvent(chosen);
}

void selectSet(MainFrame* frame, int set) {
  wxRadioButton* radio = set == 0 ? frame->set1Radio : frame->set2Radio;
  radio->SetValue(true);
  wxCommandEvent picked(wxEVT_RADIOBUTTON, radio->GetId());
  picked.SetEventObject(radio);
  radio->GetEventHandler()->ProcessEvent(picked);
}

// 1000 values spread over [shift, shift + 95): nearly all distinct, and all inside
// the 100 columns or classes from 0 to 100. Set 2 is shifted so that the two sets
// overlap without being equal.
std::string columnOfValues(unsigned seed, double shift) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> hundredths(0, 9999);
  std::string text;
  for (int i = 0; i < kRows; ++i) {
    const double v = hundredths(random) / 100.0 * 0.95 + shift;
    text += tally::formatNumber("%g", v) + "\n";
  }
  return text;
}

void loadSets(MainFrame* frame) {
  for (int s = 0; s < 2; ++s) {
    selectSet(frame, s);
    frame->grid->ClearGrid();
    frame->grid->SetGridCursor(0, 0);
    frame->grid->pasteText(columnOfValues(17 + s, s * 5.0));
    frame->extractGridData();
  }
}

// Every view at 800 x 600: the window's size and the buffer it draws into.
bool sizeViews(MainFrame* frame) {
  coordSys* views[] = {frame->set1Graph, frame->set2Graph, frame->boxPlot,
                       frame->percentileGraph};
  for (coordSys* view : views) {
    view->SetSize(kViewWidth, kViewHeight);
    wxSizeEvent resized(wxSize(kViewWidth, kViewHeight), view->GetId());
    resized.SetEventObject(view);
    view->GetEventHandler()->ProcessEvent(resized);
    if (view->GetSize() != wxSize(kViewWidth, kViewHeight)) return false;
  }
  return frame->set1Graph->getBufferWidth() == kViewWidth &&
         frame->percentileGraph->getBufferHeight() == kViewHeight;
}

// Set 1's first-row cell as loaded and changed: the two texts an edit alternates between.
struct EditedSet {
  int col = 0;
  wxString loaded, edited;
};

// The edit as the grid reports it: the cell written, the table entered and refreshed.
void refreshAfterEdit(MainFrame* frame, const EditedSet& states, bool edited) {
  frame->grid->SetCellValue(0, states.col, edited ? states.edited : states.loaded);
  frame->extractGridData();
}

// Keeps the first row's cell of `col` (a value, or a class's frequency) and `text`
// as the two states; false when the mean did not change between them.
bool editFirstRow(MainFrame* frame, int col, const wxString& text, EditedSet& states) {
  selectSet(frame, 0);
  states.col = col;
  states.loaded = frame->grid->GetCellValue(0, col);
  states.edited = text;
  wxStaticText* mean = frame->statistics->label(0, Statistic::Mean);
  refreshAfterEdit(frame, states, false);
  const wxString before = mean->GetLabel();
  refreshAfterEdit(frame, states, true);
  return mean->GetLabel() != before;
}

void redrawColumnViews(MainFrame* frame) {
  for (ColumnGraphView* view : {frame->set1Graph, frame->set2Graph, frame->boxPlot})
    view->redrawBufferIfStale();
}

// One timed iteration of each case, kept out of line so that a profiler can
// count it alone (valgrind --toggle-collect='*timedRefresh*').
[[gnu::noinline]] void timedRefreshHistogram(MainFrame* frame, const EditedSet& states,
                                             bool edited) {
  refreshAfterEdit(frame, states, edited);
  redrawColumnViews(frame);
}

[[gnu::noinline]] void timedRefreshGrouped(MainFrame* frame, const EditedSet& states, bool edited,
                                           wxMemoryDC& dc) {
  refreshAfterEdit(frame, states, edited);
  redrawColumnViews(frame);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  frame->percentileGraph->draw(dc);
}

MainFrame* newFrame() { return new MainFrame(nullptr, wxID_ANY, wxString()); }

void finish(benchmark::State& state, MainFrame* frame) {
  state.counters["n1"] = frame->analysis().set(0).count;
  state.counters["n2"] = frame->analysis().set(1).count;
  state.counters["pairs1"] = static_cast<double>(frame->analysis().set(0).pairs.size());
  frame->Destroy();
  wxTheApp->ProcessPendingEvents();
}

// Sizes the views and makes the edit in column `col` (a value, or a class's
// frequency); when either fails the run is skipped and the frame closed.
bool readyToRefresh(benchmark::State& state, MainFrame* frame, int col, const wxString& text,
                    EditedSet& states) {
  const char* problem = !sizeViews(frame) ? "the views could not be sized to 800 x 600"
                        : !editFirstRow(frame, col, text, states)
                            ? "the edit did not change the mean"
                            : nullptr;
  if (!problem) return true;
  state.SkipWithError(problem);
  finish(state, frame);
  return false;
}

void UngroupedContinuousHistogram(benchmark::State& state) {
  MainFrame* frame = newFrame();
  chooseType(frame, tally::UngroupedContinuous);
  {
    // The Grouping... button opens the histogram grouping: 100 columns of width 1.
    AcceptHundredClasses answer;
    answer.Register();
    wxCommandEvent pressed(wxEVT_BUTTON, ID_COLUMN_WIDTH);
    pressed.SetEventObject(frame->columnWidthButton);
    frame->columnWidthButton->GetEventHandler()->ProcessEvent(pressed);
    answer.Unregister();
  }
  loadSets(frame);
  EditedSet states;
  if (!readyToRefresh(state, frame, 0, "42.125", states)) return;
  bool edited = false;
  for (auto _ : state) timedRefreshHistogram(frame, states, edited = !edited);
  finish(state, frame);
}

void AlreadyGroupedHundredClasses(benchmark::State& state) {
  MainFrame* frame = newFrame();
  // The raw values stay in the sets: 1000 observations spread over the classes.
  chooseType(frame, tally::UngroupedContinuous);
  loadSets(frame);
  {
    AcceptHundredClasses answer;
    answer.Register();
    chooseType(frame, tally::AlreadyGroupedContinuous);
    answer.Unregister();
  }
  EditedSet states;
  if (!readyToRefresh(state, frame, 1, "60", states)) return;
  wxBitmap picture(kViewWidth, kViewHeight);
  wxMemoryDC dc(picture);
  bool edited = false;
  for (auto _ : state) timedRefreshGrouped(frame, states, edited = !edited, dc);
  finish(state, frame);
}

BENCHMARK(UngroupedContinuousHistogram)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(AlreadyGroupedHundredClasses)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// ---- Side by side with an older build

extern "C" char** environ;

struct Timing {
  double realMs = 0;
  double cpuMs = 0;
};

// The value of `"key": number` after `from` in Google Benchmark's JSON report.
bool jsonNumber(const std::string& json, size_t from, const char* key, double& out) {
  const std::string quoted = std::string("\"") + key + "\":";
  const size_t at = json.find(quoted, from);
  if (at == std::string::npos) return false;
  out = std::strtod(json.c_str() + at + quoted.size(), nullptr);
  return true;
}

// Runs `program` on one case and reads the median of its repetitions, in ms.
bool timeCase(const std::string& program, const std::string& name, Timing& timing) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  std::vector<std::string> args = {program, "--benchmark_filter=^" + name + "(/|$)",
                                   "--benchmark_format=json", "--benchmark_min_time=0.2"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string json;
  char buffer[4096];
  ssize_t got = 0;
  while (spawned == 0 && (got = read(fds[0], buffer, sizeof buffer)) > 0) json.append(buffer, got);
  close(fds[0]);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return false;
  // The one case run reports one median among its aggregates.
  const size_t median = json.find("\"aggregate_name\": \"median\"");
  if (median == std::string::npos) return false;
  double real = 0, cpu = 0;
  if (!jsonNumber(json, median, "real_time", real) || !jsonNumber(json, median, "cpu_time", cpu))
    return false;
  // Both times are in the report's unit, milliseconds for these cases.
  timing = {real, cpu};
  return true;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int compareWith(const std::string& baseline, const std::string& self) {
  const char* roundsText = std::getenv("TALLYSCOPE_BENCH_ROUNDS");
  const int rounds = roundsText && std::atoi(roundsText) > 0 ? std::atoi(roundsText) : 7;
  const char* cases[] = {"UngroupedContinuousHistogram", "AlreadyGroupedHundredClasses"};
  struct Column {
    std::vector<double> real, cpu;
  };
  Column older[2], newer[2];
  for (int r = 0; r < rounds; ++r) {
    for (int c = 0; c < 2; ++c) {
      Timing before, now;
      if (!timeCase(baseline, cases[c], before)) {
        std::fprintf(stderr, "refresh_bench: %s gave no median for %s\n", baseline.c_str(),
                     cases[c]);
        return 1;
      }
      if (!timeCase(self, cases[c], now)) {
        std::fprintf(stderr, "refresh_bench: this build gave no median for %s\n", cases[c]);
        return 1;
      }
      older[c].real.push_back(before.realMs);
      older[c].cpu.push_back(before.cpuMs);
      newer[c].real.push_back(now.realMs);
      newer[c].cpu.push_back(now.cpuMs);
      std::printf("round %d %-30s older %6.3f ms  this %6.3f ms\n", r + 1, cases[c],
                  before.realMs, now.realMs);
      std::fflush(stdout);
    }
  }
  std::printf("\nMedians of %d rounds (each the median of one run's repetitions), side by side:\n",
              rounds);
  std::printf("  %-30s %10s %10s %7s   %10s %10s %7s\n", "", "older", "this", "ratio",
              "older CPU", "this CPU", "ratio");
  for (int c = 0; c < 2; ++c) {
    const double o = median(older[c].real), n = median(newer[c].real);
    const double oc = median(older[c].cpu), nc = median(newer[c].cpu);
    std::printf("  %-30s %7.3f ms %7.3f ms %6.2fx   %7.3f ms %7.3f ms %6.2fx\n", cases[c], o, n,
                n > 0 ? o / n : 0.0, oc, nc, nc > 0 ? oc / nc : 0.0);
  }
  std::printf("  (ratio = older / this; targets: this at most 2 ms, ratio at least 1.4)\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* baseline = std::getenv("TALLYSCOPE_BENCH_BASELINE"); baseline && *baseline) {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    // The children are plain runs of the two benchmarks.
    unsetenv("TALLYSCOPE_BENCH_BASELINE");
    return compareWith(baseline, n > 0 ? std::string(self, n) : std::string(argv[0]));
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "refresh_bench: cannot start wx (no display?)\n");
    return 1;
  }
  wxTheApp->CallOnInit();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
