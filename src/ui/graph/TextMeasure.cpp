#include "ui/graph/TextMeasure.h"

#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/WxBridge.h"

void GraphFonts::build(int size) const {
  if (builtSize == size) return;
  tickFont = wxFont(wxFontInfo(size).Family(wxFONTFAMILY_ROMAN));
  axisFont = wxFont(wxFontInfo(size + 2).Family(wxFONTFAMILY_ROMAN).Italic());
  builtSize = size;
}

const wxFont& GraphFonts::tick(int size) const {
  build(size);
  return tickFont;
}

const wxFont& GraphFonts::axisLabel(int size) const {
  build(size);
  return axisFont;
}

const wxString& fontKey(const wxFont& font) {
  struct Known {
    wxFont font;
    wxString key;
  };
  static std::vector<Known> known;
  for (const Known& k : known)
    if (k.font.GetRefData() == font.GetRefData() && k.font.IsOk()) return k.key;
  // A few fonts are in use at a time; one made anew for every drawing takes the
  // last place over and over.
  constexpr size_t kMost = 16;
  if (known.size() >= kMost) known.pop_back();
  known.insert(known.begin(), {font, font.IsOk() ? font.GetNativeFontInfoDesc() : wxString()});
  return known.front().key;
}

// Laying out text costs more than drawing a whole graph's lines, and every redraw
// measures the same few tick labels again.
tally::TextMeasure windowTextMeasure(const wxWindow& window, const wxFont& tick, const wxFont& axis,
                                     int fontSize) {
  using Key = std::tuple<int, bool, std::string>;
  static std::map<Key, tally::Extent> known;
  return [&window, tick, axis, fontSize](const std::string& text, bool axisLabel) {
    Key key{fontSize, axisLabel, text};
    auto found = known.find(key);
    if (found != known.end()) return found->second;
    int w = 0, h = 0;
    window.GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
    // Tick labels of a zooming user are endless; the common ones come back at once.
    if (known.size() >= 4096) known.clear();
    known.emplace(std::move(key), tally::Extent{w, h});
    return tally::Extent{w, h};
  };
}

tally::TextMeasure dcTextMeasure(wxDC& dc, const wxFont& tick, const wxFont& axis, int fontSize) {
  double ux = 0, uy = 0, lx = 0, ly = 0;
  dc.GetUserScale(&ux, &uy);
  dc.GetLogicalScale(&lx, &ly);
  const bool lasting = wxDynamicCast(&dc, wxMemoryDC) && ux == 1 && uy == 1 && lx == 1 && ly == 1 &&
                       dc.GetContentScaleFactor() == 1;
  if (lasting) {
    using Key = std::tuple<int, int, int, bool, std::string>;
    static std::map<Key, tally::Extent> known;
    const wxSize ppi = dc.GetPPI();
    return [&dc, tick, axis, ppi, fontSize](const std::string& text, bool axisLabel) {
      Key key{ppi.x, ppi.y, fontSize, axisLabel, text};
      auto found = known.find(key);
      if (found != known.end()) return found->second;
      wxCoord w = 0, h = 0;
      dc.GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
      if (known.size() >= 4096) known.clear();
      known.emplace(std::move(key), tally::Extent{w, h});
      return tally::Extent{w, h};
    };
  }
  auto known = std::make_shared<std::map<std::pair<bool, std::string>, tally::Extent>>();
  return [&dc, tick, axis, known](const std::string& text, bool axisLabel) {
    auto found = known->find({axisLabel, text});
    if (found != known->end()) return found->second;
    wxCoord w = 0, h = 0;
    dc.GetTextExtent(toWx(text), &w, &h, nullptr, nullptr, axisLabel ? &axis : &tick);
    known->emplace(std::make_pair(axisLabel, text), tally::Extent{w, h});
    return tally::Extent{w, h};
  };
}

bool surelyOneLine(const wxString& text, int measured, int width) {
  // A wrapper keeps a line whole while its width stays below the limit.
  return text.find('\n') == wxString::npos && measured + 2 < width;
}
