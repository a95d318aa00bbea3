#pragma once
// Drawing helpers for the graph: many short lines in one stroke, many columns in
// one fill, text whose extent is already known, shapes at whole pixels without
// antialiasing, and a layer kept between drawings.
#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/graph/GraphLayout.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

// Many short lines in one pen. DrawLine strokes each line on its own, and on a
// graphics context every stroke costs far more than its few pixels; the batch
// strokes them all as one path. The lines of one batch must not overlap, so that
// the one stroke covers exactly the pixels the separate ones would. A batch of
// only horizontal and vertical lines is stroked without antialiasing: at whole
// pixels it covers the same pixels, faster and without faint ends. On a plain
// unscaled image surface, in a solid opaque pen, those pixels are written directly.
class LineBatch {
 public:
  void add(int x1, int y1, int x2, int y2) { lines.push_back({x1, y1, x2, y2}); }

  // Strokes the lines added since the last stroke and forgets them.
  void stroke(wxDC& dc);

 private:
  struct Line {
    int x1, y1, x2, y2;
  };
  std::vector<Line> lines;
};

// Turns antialiasing off on the context's graphics context for the scope: for
// shapes whose edges all lie on whole pixels (columns, boxes, axis-aligned lines),
// which it then fills far faster, with crisp corners. No effect without one.
class AntialiasOff {
 public:
  explicit AntialiasOff(wxDC& dc);
  ~AntialiasOff();
  AntialiasOff(const AntialiasOff&) = delete;
  AntialiasOff& operator=(const AntialiasOff&) = delete;

 private:
  wxGraphicsContext* gc = nullptr;
  wxAntialiasMode kept = wxANTIALIAS_DEFAULT;
};

// Rectangles in the context's current pen and brush, given in DrawRectangle's
// terms and drawn with the same pixels as DrawRectangle would draw them one after
// the other, but as one fill and one stroke for each run of rectangles that do not
// overlap beyond a shared edge. Rectangles the batch cannot draw that way (too
// thin, or a wide or translucent pen) are drawn one by one, in their turn.
class RectangleBatch {
 public:
  void add(int x, int y, int w, int h) { rects.push_back({x, y, w, h}); }

  // Draws the rectangles added since the last draw and forgets them.
  void draw(wxDC& dc);

 private:
  void fillRuns(wxDC& dc, cairo_t* cr, const wxColour& pen, const wxColour& brush);

  std::vector<wxRect> rects;
};

// Sets every pixel of `boxes` (in the context's units, within its clip) to the
// opaque `colour`, written directly into a plain unscaled image surface; false
// (and nothing drawn) on any other context.
bool paintPixels(wxDC& dc, const std::vector<wxRect>& boxes, const wxColour& colour);

// Copies the pixels of `box` from one plain unscaled image surface to another, as
// they are; false (and nothing copied) when either context is not such a surface
// or its clip or size leaves out part of the box.
bool copyPixels(wxDC& from, wxDC& to, const wxRect& box);

// DrawText lays a text out twice, once to draw it and once more to measure it for
// the bounding box. With its extent already known it is laid out once.
void drawMeasuredText(wxDC& dc, const wxString& text, int x, int y, const tally::Extent& e);

// A drawing kept as a transparent picture and laid over a context again while
// what it shows stays the same: the axes, ticks and labels of a graph whose size,
// scale and ranges did not change. It is used only on contexts that paint into a
// bitmap through cairo (the view's buffer, the clipboard picture); anywhere else
// (a printer, a PostScript or SVG file) the caller draws as usual.
//
// The picture drawn before the last one is kept as well: an edit that grows a
// range and its undo, or two values typed in turn, go back and forth between two
// sets of axes, and each comes back without being drawn again.
class GraphLayer {
 public:
  GraphLayer() = default;
  ~GraphLayer();
  GraphLayer(const GraphLayer&) = delete;
  GraphLayer& operator=(const GraphLayer&) = delete;

  // Whether `dc` can take a kept layer: a memory context with cairo underneath,
  // unscaled and unmoved, while layers are on.
  static bool suits(wxDC& dc);
  // Layers are on unless turned off, which makes every drawing draw directly:
  // for comparing the two.
  static void setEnabled(bool on);
  // On a plain unscaled image surface the picture's pixels are laid over by hand,
  // the same as cairo would (see `Run`), unless this is turned off: for comparing.
  static void setPixelBlending(bool on);
  // Lays the layer over `dc`, first drawing it anew with `paint` unless it was
  // drawn for the same key at the context's size and scale (as the last picture
  // or the one before). `parts`, when given, are the rectangles `paint` draws
  // within (in the context's units): only they are laid over; otherwise the
  // picture is searched for them. False (and nothing drawn) when the context does
  // not suit.
  bool paintOver(wxDC& dc, const std::string& key, const std::function<void(wxDC&)>& paint,
                 const std::vector<wxRect>& parts = {});
  // Forgets both pictures.
  void clear();
  // How many times a picture was drawn anew, for tests.
  int drawings() const { return drawn; }

 private:
  struct Picture {
    // The picture's own context keeps it selected; surface is the context's target.
    wxBitmap bitmap;
    std::unique_ptr<wxMemoryDC> dc;
    wxSize size;
    double bitmapScale = 0;
    cairo_surface_t* surface = nullptr;
    std::string key;
    int width = 0, height = 0;
    double scale = 1.0;
    // The parts of the picture holding anything, in device pixels: only these are laid over.
    std::vector<wxRect> tiles;
    // Within them, each row's runs of pixels that are not transparent, their
    // pixels kept one after the other in `pixels`. Laid over, a picture of axes
    // and labels is a few thousand pixels, not a screenful of mostly empty tiles.
    struct Run {
      int x, y, count;
      size_t at;
    };
    std::vector<Run> runs;
    std::vector<uint32_t> pixels;
    bool empty = true;
    wxRect box;  // what the drawing covered, in the context's units

    bool shows(const std::string& wanted, const wxSize& at, double factor) const {
      return surface && key == wanted && at.x == width && at.y == height && factor == scale;
    }
    void forget();
  };

  bool record(Picture& into, wxDC& target, const std::function<void(wxDC&)>& paint,
              const std::vector<wxRect>& parts);
  static void keepRuns(Picture& picture);
  bool blendRuns(wxDC& dc) const;

  Picture current, previous;
  int drawn = 0;
};
