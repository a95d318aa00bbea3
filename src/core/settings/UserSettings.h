#pragma once
// What the program keeps between runs: the zoom, the window's size, the folders
// last used for data files and the decimals of the statistics. Values come back
// from a file anyone can edit, so every field is checked on the way in.
#include <string>
#include <vector>

namespace tally {

// The zoom steps of Ctrl+plus and Ctrl+minus, in percent; 100 is Ctrl+0.
const std::vector<int>& zoomSteps();
constexpr int kZoomMin = 75;
constexpr int kZoomMax = 300;
// The next step up or down from any percentage (the end steps stay where they are).
int zoomStepIn(int percent);
int zoomStepOut(int percent);
// The step nearest a percentage read from outside; the upper one on a tie.
int nearestZoomStep(long percent);

struct UserSettings {
  int zoomPercent = 100;
  // 0: not yet known, the window opens at its own size.
  int windowWidth = 0;
  int windowHeight = 0;
  bool maximised = false;
  std::string loadFolder;
  std::string saveFolder;
  // As the model keeps it: kAutoDecimals or 0 to 6 places.
  int decimals = -1;
};

// Window sides are kept between these (a side outside is forgotten: 0).
constexpr long kLeastWindowSide = 100;
constexpr long kLargestWindowSide = 20000;
// Folder names longer than this are forgotten.
constexpr size_t kLongestFolderName = 4096;

// The settings as read, raw, each field only where the file had it.
struct RawSettings {
  long zoomPercent = 100;
  long windowWidth = 0;
  long windowHeight = 0;
  long maximised = 0;
  std::string loadFolder;
  std::string saveFolder;
  long decimals = -1;
};

// Sound settings from whatever was read: the zoom snapped to a step, sizes in
// range or 0, folders without control characters and not too long or empty,
// decimals of the model's choices or automatic.
UserSettings checkedSettings(const RawSettings& raw);

// The settings file's text: "[Group]" lines and "Key=Value" lines under them
// (View/Zoom, Window/Width, Window/Height, Window/Maximised, Folders/LoadData,
// Folders/SaveData, Statistics/Decimals). Reading takes any bytes: unknown
// groups, keys and lines are skipped, a number out of range counts as the
// nearest end, and the result is checked as above.
UserSettings parseSettingsText(const std::string& text);
std::string settingsText(const UserSettings& settings);

}  // namespace tally
