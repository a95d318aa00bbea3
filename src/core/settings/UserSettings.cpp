#include "core/settings/UserSettings.h"

#include <algorithm>
#include <cstdlib>

#include "core/NumberText.h"

namespace tally {

const std::vector<int>& zoomSteps() {
  static const std::vector<int> steps{75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
  return steps;
}

int zoomStepIn(int percent) {
  for (int step : zoomSteps())
    if (step > percent) return step;
  return kZoomMax;
}

int zoomStepOut(int percent) {
  const auto& steps = zoomSteps();
  for (auto it = steps.rbegin(); it != steps.rend(); ++it)
    if (*it < percent) return *it;
  return kZoomMin;
}

int nearestZoomStep(long percent) {
  // Clamped first, so that no difference overflows.
  const long p = std::clamp<long>(percent, 0, 10 * kZoomMax);
  int best = 100;
  long bestDistance = -1;
  for (int step : zoomSteps()) {
    const long distance = std::labs(p - step);
    if (bestDistance < 0 || distance <= bestDistance) {
      best = step;
      bestDistance = distance;
    }
  }
  return best;
}

namespace {

int side(long v) {
  return v >= kLeastWindowSide && v <= kLargestWindowSide ? static_cast<int>(v) : 0;
}

std::string folder(const std::string& name) {
  if (name.size() > kLongestFolderName) return {};
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7f) return {};
  return name;
}

}  // namespace

UserSettings checkedSettings(const RawSettings& raw) {
  UserSettings s;
  s.zoomPercent = nearestZoomStep(raw.zoomPercent);
  s.windowWidth = side(raw.windowWidth);
  s.windowHeight = side(raw.windowHeight);
  // One side alone cannot size a window.
  if (s.windowWidth == 0 || s.windowHeight == 0) s.windowWidth = s.windowHeight = 0;
  s.maximised = raw.maximised == 1;
  s.loadFolder = folder(raw.loadFolder);
  s.saveFolder = folder(raw.saveFolder);
  s.decimals = raw.decimals >= 0 && raw.decimals <= 6 ? static_cast<int>(raw.decimals)
                                                       : kAutoDecimals;
  return s;
}

}  // namespace tally
