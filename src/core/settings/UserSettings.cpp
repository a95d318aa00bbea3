#include "core/settings/UserSettings.h"

#include <algorithm>
#include <charconv>
#include <climits>
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

namespace {

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const size_t last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// A whole number, or false; one beyond the range of long counts as its nearest end.
bool readWhole(const std::string& text, long& value) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  long v = 0;
  const auto [stop, error] = std::from_chars(begin, end, v);
  if (stop != end || begin == end) return false;
  if (error == std::errc::result_out_of_range) v = *begin == '-' ? LONG_MIN : LONG_MAX;
  else if (error != std::errc()) return false;
  value = v;
  return true;
}

}  // namespace

UserSettings parseSettingsText(const std::string& text) {
  RawSettings raw;
  std::string group;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[') {
      group = line.back() == ']' ? trimmed(line.substr(1, line.size() - 2)) : std::string();
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = group + "/" + trimmed(line.substr(0, equals));
    const std::string value = trimmed(line.substr(equals + 1));
    long* number = key == "View/Zoom"             ? &raw.zoomPercent
                   : key == "Window/Width"        ? &raw.windowWidth
                   : key == "Window/Height"       ? &raw.windowHeight
                   : key == "Window/Maximised"    ? &raw.maximised
                   : key == "Statistics/Decimals" ? &raw.decimals
                                                  : nullptr;
    if (number) {
      long v = 0;
      if (readWhole(value, v)) *number = v;
    } else if (key == "Folders/LoadData") {
      raw.loadFolder = value;
    } else if (key == "Folders/SaveData") {
      raw.saveFolder = value;
    }
  }
  return checkedSettings(raw);
}

std::string settingsText(const UserSettings& s) {
  std::string text = "[View]\nZoom=" + std::to_string(s.zoomPercent) + "\n[Window]\n";
  if (s.windowWidth > 0 && s.windowHeight > 0)
    text += "Width=" + std::to_string(s.windowWidth) + "\nHeight=" + std::to_string(s.windowHeight) + "\n";
  text += "Maximised=" + std::string(s.maximised ? "1" : "0") + "\n";
  // Names that would not read back as they are (spaces at an end) are left out.
  auto writeFolder = [&](const char* key, const std::string& name) {
    if (!name.empty() && trimmed(name) == name && folder(name) == name)
      text += std::string(key) + "=" + name + "\n";
  };
  text += "[Folders]\n";
  writeFolder("LoadData", s.loadFolder);
  writeFolder("SaveData", s.saveFolder);
  text += "[Statistics]\nDecimals=" + std::to_string(s.decimals) + "\n";
  return text;
}

}  // namespace tally
