#pragma once
// The settings file: the user's XDG config folder ($XDG_CONFIG_HOME, else
// ~/.config), tallyscope/settings.conf, a small INI text (tally::parseSettingsText).
// Anyone can edit it, so what is read is checked; a file that cannot be read gives
// the defaults and no message.
#include <wx/string.h>

#include "core/settings/UserSettings.h"

class Settings {
 public:
  static wxString defaultPath();
  explicit Settings(const wxString& path = defaultPath()) : path(path) {}

  tally::UserSettings load() const;
  // Writes the whole file anew (the folder is created); false when it could not be written.
  bool save(const tally::UserSettings& settings) const;
  // The same, from and to the text of such a file.
  static tally::UserSettings fromText(const std::string& text);
  static std::string toText(const tally::UserSettings& settings);

  const wxString& filePath() const { return path; }

 private:
  wxString path;
};
