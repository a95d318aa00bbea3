#pragma once
// The graph property settings: an XML document with one element per setting,
// named by its key (xmin, gridStyle, customXTickLabels, ...), with the value as
// the element's text. Settings are the children of the most recently opened
// gridProperties element; without one, a root element that is a key sets that
// one setting. Each setting is applied through the graph model's own setters
// when its element closes, so a key given twice takes its last value; refused
// values and unknown names are skipped silently. Nothing is recomputed: the
// owner calls updateScales afterwards.
#include <cstddef>
#include <string>

#include "core/graph/GraphLayout.h"

namespace tally {

// Longest settings file loadSettings reads.
constexpr std::size_t maxSettingsFileBytes = 1 << 20;
// Labels of one custom label list beyond this many are dropped.
constexpr std::size_t maxSettingsLabels = 1000;
// A text value (or the text pieces of one setting) longer than this many
// characters is ignored piece by piece, as the format has always done.
constexpr std::size_t maxSettingsText = 20;
// Largest fontSize a settings document may set.
constexpr int maxSettingsFontSize = 200;

// Parses the document and applies its settings in document order. False when
// the document is not well-formed or declares entities; the settings that
// closed before an error stay applied, and an entity declaration (which comes
// before any element) stops the parse before anything is applied.
bool parseSettings(GraphLayout& graph, const std::string& text);

// The same on the contents of a regular file of at most maxSettingsFileBytes;
// false, with nothing changed, for anything else or a file that cannot be read.
bool loadSettings(GraphLayout& graph, const std::string& fileName);

}  // namespace tally
