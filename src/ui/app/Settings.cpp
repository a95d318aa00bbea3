#include "ui/app/Settings.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "core/FileAccess.h"
#include "ui/WxBridge.h"

namespace {

// Far more than any settings file of ours; a larger one is not ours to read.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

}  // namespace

wxString Settings::defaultPath() {
  wxStandardPaths& paths = wxStandardPaths::Get();
  paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
  wxFileName name(paths.GetUserConfigDir(), "settings.conf");
  name.AppendDir("tallyscope");
  return name.GetFullPath();
}

tally::UserSettings Settings::fromText(const std::string& text) {
  return tally::parseSettingsText(text);
}

std::string Settings::toText(const tally::UserSettings& settings) {
  return tally::settingsText(settings);
}

tally::UserSettings Settings::load() const {
  std::string bytes, reason;
  if (!tally::readRegularFile(toStd(path), kMaxSettingsBytes, bytes, reason)) return {};
  return fromText(bytes);
}

bool Settings::save(const tally::UserSettings& settings) const {
  const wxFileName name(path);
  if (!name.DirExists() && !wxFileName::Mkdir(name.GetPath(), 0700, wxPATH_MKDIR_FULL))
    return false;
  std::string reason;
  return tally::replaceFile(toStd(path), toText(settings), reason);
}
