// Time of reading the largest data file Load Data takes (64 MiB) as text: the
// separator is tried on the whole text before the first 1000 lines are placed.
//   comma:  lines "12,3" (every separator tried: TAB and ';' fail at once, ',' reads
//           every line);
//   tab:    lines "12<TAB>3", the separator found on the first try;
//   quotes: lines of quoted fields with doubled quotes inside;
//   stray:  '"12<TAB>"3': each line's quotes pair up into one field, so no
//           separator splits the lines and TAB is taken without a full read.
//
// Run:  build/release/import_bench
#include <benchmark/benchmark.h>

#include <string>

#include "core/grid/DataFile.h"
#include "core/grid/SpreadsheetImport.h"

namespace {

std::string fileOf(const std::string& line) {
  std::string text;
  text.reserve(tally::kMaxDataFileBytes);
  while (text.size() + line.size() <= tally::kMaxDataFileBytes) text += line;
  return text;
}

void importText(benchmark::State& state, const std::string& line) {
  const std::string text = fileOf(line);
  for (auto _ : state) {
    tally::DataImport d = tally::importDataText(text, "bench.csv");
    benchmark::DoNotOptimize(d.writes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void BM_ImportComma(benchmark::State& state) { importText(state, "12,3\n"); }
void BM_ImportTab(benchmark::State& state) { importText(state, "12\t3\n"); }
void BM_ImportQuotes(benchmark::State& state) { importText(state, "\"1,5\";\"a \"\"b\"\"\"\n"); }
void BM_ImportStrayQuotes(benchmark::State& state) { importText(state, "\"12\t\"3\n"); }

}  // namespace

BENCHMARK(BM_ImportComma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportQuotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportStrayQuotes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
