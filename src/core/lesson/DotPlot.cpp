#include "core/lesson/DotPlot.h"

#include <algorithm>
#include <cmath>

#include "core/NumberText.h"

namespace tally {

DotScale dotScaleFor(double tallestStack, int heightInDots) {
  DotScale s;
  const double band = std::max(1, heightInDots);
  if (!(tallestStack > band)) return s;
  if (tallestStack * kSmallestDotScale <= band) {
    s.dotScale = band / tallestStack;
    return s;
  }
  const double room = std::floor(band / kSmallestDotScale);  // dots of the smallest size
  double k = 1;
  for (double decade = 1;; decade *= 10) {
    bool fits = false;
    for (double step : {1.0, 2.0, 5.0}) {
      k = step * decade;
      if (std::ceil(tallestStack / k) <= room) {
        fits = true;
        break;
      }
    }
    if (fits || !std::isfinite(decade)) break;
  }
  s.perDot = k;
  s.dotScale = std::min(1.0, band / std::ceil(tallestStack / k));
  return s;
}

DotPlotModel buildDotPlot(const DataSet* first, const DataSet* second, int heightInDots) {
  DotPlotModel m;
  const DataSet* sets[2] = {first, second};
  bool any = false;
  for (int s = 0; s < 2; ++s) {
    if (!sets[s]) continue;
    std::vector<DotStack>& stacks = m.stacks[s];
    for (const auto& p : sets[s]->pairs) {
      const double f = wholeCount(p.frequency);
      if (f <= 0 || !std::isfinite(p.value)) continue;
      // Pairs come sorted from the refresh, but equal values may still be two pairs.
      if (!stacks.empty() && stacks.back().value == p.value)
        stacks.back().count += f;
      else
        stacks.push_back({p.value, f, 0});
    }
    std::sort(stacks.begin(), stacks.end(),
              [](const DotStack& a, const DotStack& b) { return a.value < b.value; });
    for (const DotStack& st : stacks) {
      m.tallest = std::max(m.tallest, st.count);
      m.valueMin = any ? std::min(m.valueMin, st.value) : st.value;
      m.valueMax = any ? std::max(m.valueMax, st.value) : st.value;
      any = true;
    }
  }
  if (!any) return m;
  m.scale = dotScaleFor(m.tallest, heightInDots);
  for (auto& stacks : m.stacks)
    for (DotStack& st : stacks) st.dots = static_cast<std::uint64_t>(std::ceil(st.count / m.scale.perDot));
  // A twentieth to spare, taken apart so that extremes of two signs cannot overflow.
  double pad = 0.05 * m.valueMax - 0.05 * m.valueMin;
  if (pad == 0) pad = m.valueMin == 0 ? 1 : 0.05 * std::fabs(m.valueMin);
  if (std::isfinite(m.valueMin - pad) && std::isfinite(m.valueMax + pad)) {
    m.valueMin -= pad;
    m.valueMax += pad;
  }
  return m;
}

std::string dotKeyText(const DotScale& scale) {
  if (scale.perDot <= 1) return std::string();
  return "Each dot stands for " + formatNumber("%.0f", scale.perDot) + " observations";
}

}  // namespace tally
