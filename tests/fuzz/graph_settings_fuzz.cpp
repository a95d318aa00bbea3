// Fuzz target for the graph settings reader: any bytes as a settings document,
// then the layout computed from whatever was applied. Not part of the normal
// build; with clang's libFuzzer, from the repository root:
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//     tests/fuzz/graph_settings_fuzz.cpp src/core/graph/*.cpp src/core/NumberText.cpp \
//     -lexpat -o /tmp/graph_settings_fuzz
//   /tmp/graph_settings_fuzz -dict=tests/fuzz/graph_settings.dict -max_total_time=300 \
//     /tmp/corpus tests/data
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/graph/GraphSettings.h"

namespace {

tally::Extent measure(const std::string& text, bool axisLabelFont) {
  const int chars = static_cast<int>(text.size());
  return axisLabelFont ? tally::Extent{9 * chars, 17} : tally::Extent{7 * chars, 14};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tally::GraphLayout g;
  tally::parseSettings(g, std::string(reinterpret_cast<const char*>(data), size));
  if (g.fontSize <= 0 || g.fontSize > tally::maxSettingsFontSize) std::abort();
  if (g.gridStyle < 0 || g.gridStyle > 4) std::abort();
  if (g.customXTickLabels.size() > tally::maxSettingsLabels) std::abort();
  g.updateScales(400, 300, measure);
  if (!(g.xScale.getMin() < g.xScale.getMax()) || !(g.yScale.getMin() < g.yScale.getMax())) std::abort();
  g.tickLabels(tally::XAxis);
  g.tickLabels(tally::YAxis);
  return 0;
}
