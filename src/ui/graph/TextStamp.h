#pragma once
// Texts drawn once into small transparent pictures and laid over wherever they
// are drawn next: the ogive's marker texts move with the slider and the
// percentiles but keep their words, and laying a text out costs far more than
// laying a picture of it over. Used on the contexts a GraphLayer suits (the
// view's buffer, the copied picture); anywhere else the text is drawn directly.
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>

#include <map>
#include <memory>
#include <string>

typedef struct _cairo_surface cairo_surface_t;

// The extent of `text` in the context's font. On an unscaled memory context it is
// remembered across drawings (by resolution, font and text); elsewhere measured.
wxSize keptTextExtent(wxDC& dc, const wxString& text);

class TextStamps {
 public:
  TextStamps() = default;
  TextStamps(const TextStamps&) = delete;
  TextStamps& operator=(const TextStamps&) = delete;

  // Draws `text` with its top left at x, y in the context's font and text colour,
  // as drawMeasuredText does; `extent` is its measured extent.
  void draw(wxDC& dc, const wxString& text, int x, int y, const wxSize& extent);
  // How many texts were drawn into pictures of their own, for tests.
  int stampsMade() const { return made; }

 private:
  struct Stamp {
    wxBitmap bitmap;
    std::unique_ptr<wxMemoryDC> dc;
    cairo_surface_t* surface = nullptr;
    wxSize size;
  };
  std::map<std::string, Stamp> stamps;
  int made = 0;
};
