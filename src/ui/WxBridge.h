#pragma once
// Conversions between the core's value types and wx types.
#include <wx/colour.h>
#include <wx/string.h>

#include <string>

#include "core/graph/Colour.h"

inline wxString toWx(const std::string& s) { return wxString::FromUTF8(s.c_str()); }
inline std::string toStd(const wxString& s) { return std::string(s.utf8_str()); }

inline wxColour toWx(const tally::Colour& c) {
  return c.set ? wxColour(c.red, c.green, c.blue) : wxNullColour;
}
inline tally::Colour toCore(const wxColour& c) {
  return c.IsOk() ? tally::Colour::rgb(c.Red(), c.Green(), c.Blue()) : tally::Colour::none();
}
