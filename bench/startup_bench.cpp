// Start-up time and peak memory of the program against a bare wx frame.
//
// Each repetition launches, one after the other, a bare frame of the program's
// opening size (this benchmark run again with --bare-frame) and the program on
// the example analysis. Both report the end of their first paint through the
// probe of ui/app/FirstPaintProbe.h and end there; the time is taken from just
// before the launch to that report, the peak resident memory from the ended
// process. Launching the two side by side in every repetition lets both feel the
// same load on a busy machine. The CPU time each used is reported too: on a
// loaded machine the wall-clock times stretch with the load, the CPU times less.
//
// GDK sets up OpenGL when it opens the display, which a bare wx frame pays for
// (tens of milliseconds and some 50 MiB); the program tells GDK not to, as it
// draws with cairo only. The ratios stay those against the bare frame as any wx
// program starts it; the same frame without OpenGL (GDK_GL=disable) is launched
// beside it and reported as a second reference, so that both readings show.
//
// Run under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/release/startup_bench
// The summary at the end gives the medians and the program's ratio and excess.
// TALLYSCOPE_BENCH_PROGRAM=path measures another build of the program instead;
// TALLYSCOPE_BENCH_OLDER_PROGRAM=path launches an older build as well, in every
// repetition, and reports it beside the program: before and after from one run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "ui/app/FirstPaintProbe.h"

extern char** environ;

namespace {

// The size the main window opens at on a screen of at least 1000 x 700.
constexpr int kFrameWidth = 1000;
constexpr int kFrameHeight = 700;
constexpr int kRepetitions = 15;

class BareFrameApp : public wxApp {
 public:
  bool OnInit() override {
    installFirstPaintProbe();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare frame", wxDefaultPosition,
                              wxSize(kFrameWidth, kFrameHeight));
    frame->Show();
    return true;
  }
};

struct Launch {
  double milliseconds = 0;  // launch to the end of the first paint
  double cpuMilliseconds = 0;  // user and system time the process used meanwhile
  double peakMiB = 0;
};

// Starts argv with the probe's pipe, waits for its report and collects it; `extraEnv`
// ("NAME=value") is added to the environment.
Launch launch(const std::vector<std::string>& args, const char* extraEnv = nullptr) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The child's copy of the write end stays open across exec.
  const int childFd = 100;
  posix_spawn_file_actions_adddup2(&actions, fds[1], childFd);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "TALLYSCOPE_FIRST_PAINT_FD=", 26) != 0) env.emplace_back(*e);
  env.push_back("TALLYSCOPE_FIRST_PAINT_FD=" + std::to_string(childFd));
  if (extraEnv) {
    const std::string setting = extraEnv;
    const std::string name = setting.substr(0, setting.find('=') + 1);
    env.erase(std::remove_if(env.begin(), env.end(),
                             [&](const std::string& e) { return e.rfind(name, 0) == 0; }),
              env.end());
    env.emplace_back(extraEnv);
  }
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argCopy = args;
  std::vector<char*> argv;
  for (auto& a : argCopy) argv.push_back(a.data());
  argv.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    throw std::runtime_error("cannot start " + args[0]);
  }

  pollfd wait{fds[0], POLLIN, 0};
  char buffer[16] = {};
  const bool reported = poll(&wait, 1, 60000) == 1 && read(fds[0], buffer, sizeof buffer) > 0;
  const auto end = std::chrono::steady_clock::now();
  close(fds[0]);
  if (!reported) kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!reported) throw std::runtime_error(args[0] + " never reported a painted window");

  Launch result;
  result.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
  result.cpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
  result.peakMiB = usage.ru_maxrss / 1024.0;  // ru_maxrss is in KiB on Linux
  return result;
}

std::string selfPath;
std::string programPath = TALLYSCOPE_PROGRAM;
std::string olderPath;  // TALLYSCOPE_BENCH_OLDER_PROGRAM: launched beside, for before and after
std::vector<Launch> bareRuns, bareNoGlRuns, programRuns, olderRuns;

void StartUp(benchmark::State& state) {
  for (auto _ : state) {
    try {
      const Launch bare = launch({selfPath, "--bare-frame"});
      const Launch bareNoGl = launch({selfPath, "--bare-frame"}, "GDK_GL=disable");
      if (!olderPath.empty()) olderRuns.push_back(launch({olderPath, TALLYSCOPE_EXAMPLE_ANALYSIS}));
      const Launch program = launch({programPath, TALLYSCOPE_EXAMPLE_ANALYSIS});
      bareRuns.push_back(bare);
      bareNoGlRuns.push_back(bareNoGl);
      programRuns.push_back(program);
      state.SetIterationTime(program.milliseconds / 1000.0);
      state.counters["bare_ms"] = bare.milliseconds;
      state.counters["program_ms"] = program.milliseconds;
      state.counters["time_ratio"] = program.milliseconds / bare.milliseconds;
      state.counters["bare_no_gl_ms"] = bareNoGl.milliseconds;
      state.counters["bare_cpu_ms"] = bare.cpuMilliseconds;
      state.counters["program_cpu_ms"] = program.cpuMilliseconds;
      state.counters["bare_MiB"] = bare.peakMiB;
      state.counters["program_MiB"] = program.peakMiB;
      state.counters["extra_MiB"] = program.peakMiB - bare.peakMiB;
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      return;
    }
  }
}
BENCHMARK(StartUp)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double medianOf(const std::vector<Launch>& runs, double Launch::*field) {
  std::vector<double> v;
  for (const Launch& r : runs) v.push_back(r.*field);
  return median(v);
}

struct Medians {
  double ms, cpu, mib;
};

Medians mediansOf(const std::vector<Launch>& runs) {
  return {medianOf(runs, &Launch::milliseconds), medianOf(runs, &Launch::cpuMilliseconds),
          medianOf(runs, &Launch::peakMiB)};
}

void printRow(const char* name, const Medians& m, const Medians* bare) {
  std::printf("  %-16s %7.1f ms %10.1f ms %10.1f MiB", name, m.ms, m.cpu, m.mib);
  if (bare)
    std::printf("   %5.2fx %5.2fx %+6.1f MiB", m.ms / bare->ms, m.cpu / bare->cpu,
                m.mib - bare->mib);
  std::printf("\n");
}

void printSummary() {
  if (bareRuns.empty()) return;
  const Medians bare = mediansOf(bareRuns), noGl = mediansOf(bareNoGlRuns),
                program = mediansOf(programRuns);
  std::printf("\nMedians of %zu launches each, side by side (ratios to the bare frame):\n",
              bareRuns.size());
  std::printf("  %-16s %10s %13s %14s   %6s %6s %10s\n", "", "to paint", "CPU time",
              "peak resident", "time", "CPU", "memory");
  printRow("bare frame", bare, nullptr);
  if (!olderRuns.empty()) {
    const Medians older = mediansOf(olderRuns);
    printRow("older program", older, &bare);
  }
  printRow("tallyscope", program, &bare);
  std::printf("  targets: time at most 1.3x, at most 15 MiB more\n");
  std::printf("The same beside a bare frame without OpenGL (GDK_GL=disable), as the program "
              "starts:\n");
  printRow("bare, no GL", noGl, nullptr);
  if (!olderRuns.empty()) {
    const Medians older = mediansOf(olderRuns);
    printRow("older program", older, &noGl);
  }
  printRow("tallyscope", program, &noGl);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--bare-frame") == 0) {
    wxApp::SetInstance(new BareFrameApp);
    return wxEntry(argc, argv);
  }
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  selfPath = n > 0 ? std::string(self, n) : std::string(argv[0]);
  if (const char* other = std::getenv("TALLYSCOPE_BENCH_PROGRAM"); other && *other)
    programPath = other;
  if (const char* older = std::getenv("TALLYSCOPE_BENCH_OLDER_PROGRAM"); older && *older)
    olderPath = older;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  printSummary();
  return 0;
}
