// The projector zoom: Ctrl+plus, Ctrl+minus and Ctrl+0 scale the whole window,
// its controls, the data table and the graphs; and the settings the window keeps
// between runs.
#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/collpane.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/settings/UserSettings.h"
#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/DotPlotView.h"
#include "ui/views/PercentileGraphView.h"

namespace {

// Controls GTK will not draw smaller than their own text asks: a minimum below
// that cuts their text off and makes GTK complain about negative sizes.
bool keepsNaturalSize(wxWindow* w) {
  return wxDynamicCast(w, wxButton) || wxDynamicCast(w, wxSpinCtrl) ||
         wxDynamicCast(w, wxSpinCtrlDouble) || wxDynamicCast(w, wxChoice) ||
         wxDynamicCast(w, wxRadioButton) || wxDynamicCast(w, wxCheckBox) ||
         wxDynamicCast(w, wxStaticText) || wxDynamicCast(w, wxCollapsiblePane);
}

// Panels only hold other windows: their own font is never drawn.
bool onlyHolds(wxWindow* w) {
  return wxDynamicCast(w, wxPanel) && !wxDynamicCast(w, wxNotebook);
}

// What GTK itself asks for a control now. It answers from the style it last
// worked out: after a change of font, that is the old font's until GTK's next
// frame, so a new size is foreseen from the text (textExtent) instead.
// The control's minimum and the widget's size request (which wx sets to the
// control's present size) are lifted while it is asked: wx's best size is never
// less than the minimum, nor GTK's answer less than the request, so a control
// once enlarged would never shrink again with the zoom.
wxSize toolkitSize(wxWindow* w) {
  auto* widget = static_cast<GtkWidget*>(w->GetHandle());
  if (!widget) return w->GetBestSize();
  const wxSize keptLeast = w->GetMinSize();
  w->SetMinSize(wxDefaultSize);
  gint requestX = -1, requestY = -1;
  gtk_widget_get_size_request(widget, &requestX, &requestY);
  gtk_widget_set_size_request(widget, -1, -1);
  w->InvalidateBestSize();
  wxSize size = w->GetBestSize();
  w->InvalidateBestSize();
  gtk_widget_queue_resize(widget);
  gint least = 0, natural = 0;
  gtk_widget_get_preferred_height(widget, &least, &natural);
  size.y = std::max(size.y, natural);
  gtk_widget_get_preferred_width_for_height(widget, size.y, &least, &natural);
  size.x = std::max(size.x, natural);
  gtk_widget_set_size_request(widget, requestX, requestY);
  w->SetMinSize(keptLeast);
  return size;
}

// Whether GTK's style of a control has taken its wx font yet.
bool styleCaughtUp(wxWindow* w) {
  auto* widget = static_cast<GtkWidget*>(w->GetHandle());
  if (!widget) return true;
  PangoFontDescription* font = nullptr;
  gtk_style_context_get(gtk_widget_get_style_context(widget), gtk_widget_get_state_flags(widget),
                        "font", &font, nullptr);
  if (!font) return true;
  const double points = pango_font_description_get_size(font) / static_cast<double>(PANGO_SCALE);
  pango_font_description_free(font);
  return std::fabs(points - w->GetFont().GetFractionalPointSize()) < 0.05;
}

// The size of a control's text in a font; a spin control's is its widest value.
wxSize textExtent(wxWindow* w, const wxFont& font) {
  wxString text = wxDynamicCast(w, wxSpinCtrl) ? wxString("000") : w->GetLabel();
  int width = 0, height = 0;
  w->GetTextExtent(text.empty() ? wxString("W") : text, &width, &height, nullptr, nullptr, &font);
  return wxSize(width, height);
}

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

}  // namespace

// Every window under the frame whose text the zoom resizes, with its font and
// minimum size at 100%. The statistics page's and the ogive page's texts also
// grow with the window (a projector screen), so they follow textScale; the
// rest follow the zoom alone. The graphs and the grid are scaled on their own.
void MainFrame::rememberScaledTexts() {
  scaledTexts.clear();
  std::function<void(wxWindow*, bool)> walk = [&](wxWindow* parent, bool followsWindow) {
    for (wxWindow* child : parent->GetChildren()) {
      // coordSys answers with wxWindow's class information: wxDynamicCast matches any window.
      if (dynamic_cast<coordSys*>(child) || child == grid || child->IsTopLevel()) continue;
      const bool pageText = followsWindow || child == statistics || child == boxPage;
      if (child != percentileSlider)
        scaledTexts.push_back({child, wxNullFont, child->GetMinSize(), pageText, wxSize(), wxSize()});
      walk(child, pageText);
    }
  };
  walk(this, false);
}

// Controls a page or pane made after the window was built (LateControls.h) join
// the texts above at 100%, with the toolkit's sizes at 100%, and take the scale in force.
void MainFrame::adoptLateControls(wxWindow* root) {
  if (!root || scaledTexts.empty()) return;  // not yet remembered: the walk finds them
  bool followsWindow = false;
  for (wxWindow* w = root; w && w != this; w = w->GetParent())
    followsWindow = followsWindow || w == statistics || w == boxPage;
  const size_t first = scaledTexts.size();
  std::function<void(wxWindow*)> walk = [&](wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
      if (dynamic_cast<coordSys*>(child) || child == grid || child->IsTopLevel()) continue;
      const bool known = std::any_of(scaledTexts.begin(), scaledTexts.end(),
                                     [child](const ScaledText& t) { return t.window == child; });
      if (!known && child != percentileSlider)
        scaledTexts.push_back(
            {child, wxNullFont, child->GetMinSize(), followsWindow, wxSize(), wxSize()});
      walk(child);
    }
  };
  walk(root);
  if (zoomPercent == 100 && std::fabs(textScale - 1.0) < 1e-9) return;
  for (size_t i = first; i < scaledTexts.size(); ++i) {
    ScaledText& t = scaledTexts[i];
    if (!keepsNaturalSize(t.window) || wxDynamicCast(t.window, wxStaticText)) continue;
    t.natural = toolkitSize(t.window);
    t.text = textExtent(t.window, t.window->GetFont());
  }
  setTextScale(textScale);
}

double MainFrame::wantedTextScale() const {
  // The window opens at about 1000 x 700; a projector's window is larger. A window
  // the zoom itself made larger asks for no more than the zoom.
  const wxSize c = GetClientSize();
  const double grown = std::max(1.0, userZoom);
  const double bySize =
      std::max(1.0, std::min(c.x / (1000.0 * grown), c.y / (700.0 * grown)));
  return std::clamp(bySize * userZoom, 0.75, 3.0);
}

int MainFrame::zoomed(int pixels) const { return scaled(pixels, userZoom); }

void MainFrame::onZoom(wxCommandEvent& event) {
  if (event.GetId() == ID_ZOOM_IN)
    setZoomPercent(tally::zoomStepIn(zoomPercent));
  else if (event.GetId() == ID_ZOOM_OUT)
    setZoomPercent(tally::zoomStepOut(zoomPercent));
  else
    setZoomPercent(100);
}

void MainFrame::setZoomPercent(int percent) {
  commitGridEditor();
  // The toolkit's own size of each control, with its text, before the first
  // zoom: the window is on the screen by then, so GTK's answer is its real one.
  if (scaledTexts.empty()) rememberScaledTexts();
  for (ScaledText& t : scaledTexts) {
    if (t.natural != wxSize() || !keepsNaturalSize(t.window) || wxDynamicCast(t.window, wxStaticText))
      continue;
    t.natural = toolkitSize(t.window);
    t.text = textExtent(t.window, t.window->GetFont());
  }
  zoomPercent = std::clamp(percent, tally::kZoomMin, tally::kZoomMax);
  userZoom = zoomPercent / 100.0;
  Freeze();
  zoomGrid();
  zoomSeriesPens();
  zoomMenuBar();
  textScale = -1;  // every text is set anew, even at an unchanged text scale
  setTextScale(wantedTextScale());
  Thaw();
}

// The menu titles grow with the rest; the menus' own items keep the desktop's size.
void MainFrame::zoomMenuBar() {
  wxMenuBar* bar = GetMenuBar();
  if (!bar) return;
  if (!menuFontAtHundred.IsOk()) menuFontAtHundred = bar->GetFont();
  wxFont font = menuFontAtHundred;
  font.SetFractionalPointSize(font.GetFractionalPointSize() * userZoom);
  bar->SetFont(font);
}

void MainFrame::zoomGrid() {
  if (!gridAtHundred.cellFont.IsOk()) {
    gridAtHundred.cellFont = grid->GetDefaultCellFont();
    gridAtHundred.labelFont = grid->GetLabelFont();
    gridAtHundred.rowHeight = grid->GetDefaultRowSize();
    gridAtHundred.labelHeight = grid->GetColLabelSize();
  }
  grid->BeginBatch();
  wxFont cell = gridAtHundred.cellFont;
  cell.SetFractionalPointSize(cell.GetFractionalPointSize() * userZoom);
  grid->SetDefaultCellFont(cell);
  wxFont label = gridAtHundred.labelFont;
  label.SetFractionalPointSize(label.GetFractionalPointSize() * userZoom);
  grid->SetLabelFont(label);
  grid->SetDefaultRowSize(zoomed(gridAtHundred.rowHeight), true);
  grid->SetColLabelSize(zoomed(gridAtHundred.labelHeight));
  sizeGridColumns();
  grid->EndBatch();
  // The grid's own minimum (180 x 200 at 100%) keeps its columns in view.
  grid->SetMinSize(wxSize(zoomed(180), zoomed(200)));
  grid->ForceRefresh();
}

// The graphs' lines thicken with the zoom, so that a projected box plot stays
// visible: the series' pens here, each graph's axes, ticks, grid and marks by its
// line scale.
void MainFrame::zoomSeriesPens() {
  std::function<void(wxWindow*)> walk = [&](wxWindow* parent) {
    for (wxWindow* child : parent->GetChildren()) {
      if (auto* graph = dynamic_cast<coordSys*>(child)) graph->setLineScale(userZoom);
      if (!child->IsTopLevel()) walk(child);
    }
  };
  walk(this);
  if (seriesPensAtHundred.empty())
    for (const tally::Series& s : series) seriesPensAtHundred.push_back({s.penWidth, s.markerSize});
  for (size_t i = 0; i < seriesPensAtHundred.size(); ++i) {
    series[i].penWidth = std::max(1, scaled(seriesPensAtHundred[i].first, userZoom));
    series[i].markerSize = std::max(1, scaled(seriesPensAtHundred[i].second, userZoom));
  }
  showGraphs();
}

void MainFrame::setTextScale(double scale) {
  if (scaledTexts.empty()) rememberScaledTexts();
  textScale = scale;
  // Every font at 100% is read before any is set: a window with no font of its
  // own answers with its parent's once the parent has one.
  for (ScaledText& t : scaledTexts)
    if (!onlyHolds(t.window) && !t.font.IsOk()) t.font = t.window->GetFont();
  for (ScaledText& t : scaledTexts) {
    if (onlyHolds(t.window)) continue;
    const double s = t.followsWindow ? scale : userZoom;
    wxFont font = t.font;
    font.SetFractionalPointSize(t.font.GetFractionalPointSize() * s);
    t.window->SetFont(font);
    wxSize least = wxDefaultSize;
    if (t.minSize.x > 0) least.x = scaled(t.minSize.x, s);
    if (t.minSize.y > 0) least.y = scaled(t.minSize.y, s);
    const wxSize shownLeast = t.window->GetEffectiveMinSize();
    t.window->SetMinSize(wxDefaultSize);
    t.window->InvalidateBestSize();
    if (keepsNaturalSize(t.window)) {
      // A value label keeps room for the longest text it has shown.
      auto* label = wxDynamicCast(t.window, wxStaticText);
      // The toolkit's size at 100% grown by as much as the text grows, and a
      // little room for rounding.
      // GTK keeps the old font's size until its next frame: a control keeps the
      // larger of the two until then (fitToToolkit gives it its own).
      // Parts drawn beside the text (a spin button's arrows, a check box's box)
      // grow with the font as well: the whole size grown in proportion is kept
      // as least until GTK's own answer replaces it, never less than it needs.
      wxSize need = label || t.natural == wxSize()
                        ? (label ? textSize(label) : t.window->GetBestSize())
                        : t.natural + textExtent(t.window, font) - t.text + wxSize(2, 2);
      if (!label && t.natural != wxSize() && s > 1)
        need.IncTo(wxSize(scaled(t.natural.x, s), scaled(t.natural.y, s)));
      if (!label) need.IncTo(shownLeast);
      least.IncTo(need);
    }
    t.window->SetMinSize(least);
  }
  // A panel's minimum was fixed from its controls at 100%; it follows them, inner
  // panels first (the walk put every panel before the windows inside it).
  for (auto t = scaledTexts.rbegin(); t != scaledTexts.rend(); ++t) {
    if (!onlyHolds(t->window) || !t->window->GetSizer()) continue;
    const double s = t->followsWindow ? scale : userZoom;
    wxSize least = t->window->GetSizer()->GetMinSize();
    if (t->minSize.x > 0) least.x = std::max(least.x, scaled(t->minSize.x, s));
    if (t->minSize.y > 0) least.y = std::max(least.y, scaled(t->minSize.y, s));
    t->window->SetMinSize(least);
  }
  const int points = std::max(1, static_cast<int>(std::lround(8 * scale)));
  for (ColumnGraphView* view : {set1Graph, set2Graph, boxPlot}) {
    view->setFontSize(points);
    view->redrawPicture();
  }
  dotPlot->setFontSize(points);
  dotPlot->redrawPicture();
  percentileGraph->setFontSize(points);
  percentileGraph->setMarkerFontSize(static_cast<int>(std::lround(9 * scale)));
  percentileGraph->Refresh(false);
  columnGraphPage->Layout();
  // The pages now need another minimum; the window's follows.
  holdPanelsWhole();
  keepPagesInView();
  // The frequency tables' columns fit their texts in the new size.
  showLessonPages();
  fitAttempts = 0;
  if (!fitTimer.IsRunning()) fitTimer.Start(20);
}

// Once GTK has worked out the new fonts' sizes (its styles follow at its next
// frame), each control gets the size GTK asks for, neither more nor less.
void MainFrame::fitToToolkit() {
  std::vector<ScaledText*> controls;
  bool caughtUp = true;
  for (ScaledText& t : scaledTexts) {
    if (!t.font.IsOk() || !keepsNaturalSize(t.window) || wxDynamicCast(t.window, wxStaticText))
      continue;
    controls.push_back(&t);
    caughtUp = caughtUp && styleCaughtUp(t.window);
  }
  // A second at most: a theme that sizes fonts its own way is not waited for.
  if (!caughtUp && ++fitAttempts < 50) return;
  fitTimer.Stop();
  for (ScaledText* t : controls) {
    const double s = t->followsWindow ? textScale : userZoom;
    wxSize least = toolkitSize(t->window);
    if (t->minSize.x > 0) least.x = std::max(least.x, scaled(t->minSize.x, s));
    if (t->minSize.y > 0) least.y = std::max(least.y, scaled(t->minSize.y, s));
    if (least != t->window->GetMinSize()) t->window->SetMinSize(least);
  }
  // Laid out again even when no control changed: the panels' virtual sizes are
  // then their final least sizes, neither more (a page cut short at its foot)
  // nor less.
  holdPanelsWhole();
  keepPagesInView();
  // The pages' new minimums change the minimums of the panels around them.
  holdPanelsWhole();
}

// Every panel is laid out anew, at no less than its least size. The controls'
// new minimums come before the window's new size: the window grows at GTK's next
// frame, and a page not on show keeps its size and is not laid out again by
// itself. A layout at the old size would squeeze spin buttons and check boxes
// below what GTK can draw them in (a spin button one pixel high), and a page left
// as it was would keep a check box at its old size under a larger font; GTK
// reports either on the console. Cut at the panel's edge for that moment
// instead, they keep their size: the layout takes the panel's virtual size where
// that is larger than its client size.
void MainFrame::holdPanelsWhole() {
  std::vector<wxWindow*> panels;
  for (ScaledText& t : scaledTexts)
    if (onlyHolds(t.window) && t.window->GetSizer() && !wxDynamicCast(t.window, wxScrolledWindow))
      panels.push_back(t.window);
  for (wxWindow* panel : panels) panel->SetVirtualSize(panel->GetSizer()->GetMinSize());
  // Outer panels first (the walk put every panel before the windows inside it):
  // an inner panel's layout then starts from its new size.
  for (wxWindow* panel : panels) panel->Layout();
}

// The window is never smaller than what it holds: a control given less than
// its least size loses its text, and GTK complains.
void MainFrame::growToContent() {
  const wxSize least = GetSizer()->GetMinSize();
  SetMinClientSize(least);
  const wxSize client = GetClientSize();
  if (!IsMaximized() && (client.x < least.x || client.y < least.y))
    SetClientSize(wxSize(std::max(client.x, least.x), std::max(client.y, least.y)));
  Layout();
}

void MainFrame::applySettings(const tally::UserSettings& settings) {
  if (settings.windowWidth > 0 && settings.windowHeight > 0) {
    const wxSize least = GetMinSize();
    SetSize(wxSize(std::max(least.x, settings.windowWidth), std::max(least.y, settings.windowHeight)));
  }
  if (settings.maximised) Maximize();
  // GTK measures controls truly only once they are on the screen and styled: a
  // window not yet shown takes its zoom a moment after it is.
  if (settings.zoomPercent != zoomPercent) {
    if (IsShownOnScreen()) {
      setZoomPercent(settings.zoomPercent);
    } else {
      startZoom = settings.zoomPercent;
      startZoomTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        if (IsShownOnScreen()) setZoomPercent(startZoom);
        else startZoomTimer.StartOnce(100);
      });
      startZoomTimer.StartOnce(300);
    }
  }
  const wxString load = toWx(settings.loadFolder), save = toWx(settings.saveFolder);
  if (!load.empty() && wxFileName::DirExists(load)) lastLoadFolder = load;
  if (!save.empty() && wxFileName::DirExists(save)) lastSaveFolder = save;
  // An analysis that chose its own decimals keeps them.
  if (model.decimals() == tally::kAutoDecimals && settings.decimals != tally::kAutoDecimals)
    show(model.setDecimals(settings.decimals));
}

tally::UserSettings MainFrame::currentSettings() const {
  tally::UserSettings s;
  s.zoomPercent = zoomPercent;
  s.maximised = IsMaximized();
  // A maximised window keeps the size it returns to.
  const wxSize size = s.maximised && restoredSize.IsFullySpecified() ? restoredSize : GetSize();
  s.windowWidth = size.x;
  s.windowHeight = size.y;
  s.loadFolder = toStd(lastLoadFolder);
  s.saveFolder = toStd(lastSaveFolder);
  s.decimals = model.decimals();
  return s;
}
