#pragma once
// The fonts of a graph's texts and the ways the layout measures them.
#include <wx/font.h>

#include "core/graph/GraphLayout.h"

class wxDC;
class wxWindow;

// The tick-label font and the axis-label font of one font size, built once per
// size: every drawing and every measure asks for them, and a new wxFont means a
// new font lookup.
class GraphFonts {
 public:
  const wxFont& tick(int size) const;
  const wxFont& axisLabel(int size) const;

 private:
  void build(int size) const;

  mutable int builtSize = 0;
  mutable wxFont tickFont;
  mutable wxFont axisFont;
};

// One font of a view's own, made again only when its size changes.
class KeptFont {
 public:
  template <class Make>
  const wxFont& at(int points, Make&& make) {
    if (points != size) {
      font = make(points);
      size = points;
    }
    return font;
  }

 private:
  int size = 0;
  wxFont font;
};

// The description of `font` (face, size, style, weight) as text, to key what is
// kept per font. Writing it out costs more than a short text's remembered
// extent; the fonts the views keep come back as the same font object, so their
// descriptions are remembered (a held copy keeps the object from being reused).
const wxString& fontKey(const wxFont& font);

// Measures on the screen through the window. Extents are remembered across
// calls: on screen they depend only on the font size, the face and the text.
tally::TextMeasure windowTextMeasure(const wxWindow& window, const wxFont& tick, const wxFont& axis,
                                     int fontSize);

// Measures on a drawing context, which must outlive the measure. A context's
// extents may differ from the screen's (printer), so they are remembered for the
// one drawing only; an unscaled memory context's are remembered across drawings,
// per resolution.
tally::TextMeasure dcTextMeasure(wxDC& dc, const wxFont& tick, const wxFont& axis, int fontSize);

// Whether `text`, measured `measured` pixels wide on one line, surely stays on one
// line when wrapped at `width` pixels: a single line narrower than the width, with
// a pixel of room either way for a context that measures a little differently.
// Measuring (or remembering a measurement) costs far less than wrapping, which
// makes a drawing context for the window each time. False means: wrap to find out.
bool surelyOneLine(const wxString& text, int measured, int width);
