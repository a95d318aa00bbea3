#include "ui/stats/StatisticsPanel.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>
#include <vector>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/collpane.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/fontutil.h>
#include <wx/textwrapper.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "core/NumberText.h"
#include "core/stats/Statistics.h"
#include "ui/LateControls.h"
#include "ui/WxBridge.h"
#include "ui/graph/TextMeasure.h"

wxFont boldFont(int points) {
  return wxFont(points, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
}

namespace {

// Giving a label a font of its own, wx asks GTK four times for the font it had
// (a style lookup each, dearer than making the label) to see whether it was
// underlined. A font already in place answers at once; it is neither underlined
// nor struck through, as the toolkit's own is not, and differs from `font`, so
// `font` still reaches GTK.
void setLabelFont(wxStaticText* label, const wxFont& font) {
  wxFont before = font;
  before.SetUnderlined(false);
  before.SetStrikethrough(false);
  before.SetFractionalPointSize(font.GetFractionalPointSize() + 1);
  label->wxWindowBase::SetFont(before);
  label->SetFont(font);
}

}  // namespace

#ifdef __WXGTK__
namespace {

// The class that gives a caption its font in GTK. A font given through wx brings a
// style sheet of the label's own, which GTK parses and applies to that label alone;
// the captions share one, for the screen, below any font wx gives a window (the
// zoom's), so that a caption given a font of its own still shows that one.
constexpr char kCaptionClass[] = "tallyscope-caption";

bool captionStyleInstalled(const wxFont& font) {
  static int installed = -1;
  if (installed >= 0) return installed == 1;
  installed = 0;
  GdkScreen* screen = gdk_screen_get_default();
  const wxNativeFontInfo* info = font.GetNativeFontInfo();
  if (!screen || !info || !info->description) return false;
  const char* family = pango_font_description_get_family(info->description);
  if (!family || std::strchr(family, '"')) return false;
  const wxString css = wxString::Format(
      "label.%s, .%s label { font-family: \"%s\"; font-size: %gpt; font-weight: %d; "
      "font-style: normal; }",
      kCaptionClass, kCaptionClass, wxString::FromUTF8(family), font.GetFractionalPointSize(),
      font.GetNumericWeight());
  GtkCssProvider* provider = gtk_css_provider_new();
  if (gtk_css_provider_load_from_data(provider, css.utf8_str(), -1, nullptr)) {
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION - 1);
    installed = 1;
  }
  g_object_unref(provider);
  return installed == 1;
}

}  // namespace
#endif

// A control of a fixed size is never measured by its text: GTK draws its text in the
// captions' font, and wx is told that font.
void giveBoldFont(wxControl* control) {
  const wxFont font = boldFont(8);
#ifdef __WXGTK__
  if (control->GetMinSize().IsFullySpecified() && captionStyleInstalled(font)) {
    control->wxWindowBase::SetFont(font);
    gtk_style_context_add_class(gtk_widget_get_style_context(control->GetHandle()),
                                kCaptionClass);
    return;
  }
#endif
  control->SetFont(font);
}

// A box's title in the captions' font: GTK draws the box's label in the caption
// class; wx is told the font and measures the box again.
void giveBoldTitle(wxStaticBox* box, int points) {
  const wxFont font = boldFont(points);
#ifdef __WXGTK__
  if (points == 8 && captionStyleInstalled(font)) {
    box->wxWindowBase::SetFont(font);
    gtk_style_context_add_class(gtk_widget_get_style_context(box->GetHandle()), kCaptionClass);
    box->InvalidateBestSize();
    return;
  }
#endif
  box->SetFont(font);
}

wxStaticText* boldCaption(wxWindow* parent, const wxString& text) {
  const wxFont font = boldFont(8);
#ifdef __WXGTK__
  if (captionStyleInstalled(font)) {
    // The caption's size is that of its text in its own font, as GTK measures a
    // label (a pixel wider, for GTK's rounding), measured by the parent: a label
    // made at its size is not measured by GTK in the toolkit's font first, and its
    // style is worked out once, with its class, when the window is shown.
    int width = 0, height = 0;
    parent->GetTextExtent(wxControl::RemoveMnemonics(text), &width,
                          &height, nullptr, nullptr, &font);
    const wxSize size(width + 1, height);
    auto* label = new wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, size,
                                   wxST_NO_AUTORESIZE);
    // wx is told the font; GTK takes it from the caption class.
    label->wxWindowBase::SetFont(font);
    gtk_style_context_add_class(gtk_widget_get_style_context(label->GetHandle()),
                                kCaptionClass);
    // Made at its size, the caption still follows a new text or font as any label.
    label->SetWindowStyleFlag(label->GetWindowStyleFlag() & ~wxST_NO_AUTORESIZE);
    label->SetMinSize(wxDefaultSize);
    label->CacheBestSize(size);
    return label;
  }
#endif
  auto* label = new wxStaticText(parent, wxID_ANY, text);
  setLabelFont(label, font);
  return label;
}

// What a label needs for its whole text in its font. GTK's own answer can lag
// behind a new text of several lines, so the lines are measured as well, each
// with the label's own text layout (a client DC per label would cost far more).
wxSize textSize(wxStaticText* label) {
  const wxFont font = label->GetFont();
  int w = 0, h = 0;
  for (const wxString& line : wxSplit(label->GetLabel(), '\n', '\0')) {
    int lineWidth = 0, lineHeight = 0;
    // An empty line is as high as any other.
    label->GetTextExtent(line.empty() ? wxString("W") : line, &lineWidth, &lineHeight,
                         nullptr, nullptr, &font);
    if (!line.empty()) w = std::max(w, lineWidth);
    h += lineHeight;
  }
  const wxSize best = label->GetBestSize();
  return wxSize(std::max(best.x, w + 2), std::max(best.y, h));
}

// One-line widths of the value texts and the line height, per font, kept between
// refreshes: GTK lays a text out anew each time it is measured, and the texts of
// a set come back with every undo and every edit undone by the next one. On the
// screen an extent depends on the font and the text alone. Each font is held, so
// that a font's data cannot be freed and its address taken by another font.
class TextWidths {
 public:
  int width(const wxWindow& window, const wxFont& font, const wxString& text) {
    PerFont& f = of(font);
    auto found = f.widths.find(text);
    if (found != f.widths.end()) return found->second;
    int w = 0, h = 0;
    window.GetTextExtent(text, &w, &h, nullptr, nullptr, &font);
    // Statistics of a long session are endless; the recent ones come back.
    if (f.widths.size() >= 4096) f.widths.clear();
    f.widths.emplace(text, w);
    return w;
  }
  int lineHeight(const wxWindow& window, const wxFont& font) {
    PerFont& f = of(font);
    if (f.lineHeight < 0) {
      int w = 0;
      window.GetTextExtent("W", &w, &f.lineHeight, nullptr, nullptr, &font);
    }
    return f.lineHeight;
  }

 private:
  struct PerFont {
    wxFont font;
    int lineHeight = -1;
    std::unordered_map<wxString, int> widths;
  };
  PerFont& of(const wxFont& font) {
    for (PerFont& f : fonts)
      if (f.font.GetRefData() == font.GetRefData()) return f;
    // A zooming user makes a font per step.
    if (fonts.size() >= 16) fonts.clear();
    fonts.push_back(PerFont{font, -1, {}});
    return fonts.back();
  }
  std::vector<PerFont> fonts;
};

namespace {

// The height a label needs for its text within its width. The toolkit wraps a
// label's text at words within the width it is given; the lines are counted the
// same way here, so the label is given room for all of them; a text that surely
// stays one line, by its remembered width, is not wrapped.
int wrappedHeight(wxStaticText* label, int width, TextWidths& widths) {
  struct LineCounter : wxTextWrapper {
    int lines = 1;
    void OnOutputLine(const wxString&) override {}
    void OnNewLine() override { ++lines; }
  } counter;
  const wxFont font = label->GetFont();
  const wxString text = label->GetLabelText();
  if (!surelyOneLine(text, widths.width(*label, font, text), width))
    counter.Wrap(label, text, width);
  return counter.lines * widths.lineHeight(*label, font);
}

// Value labels keep the size of their placeholder, so the page does not jump as
// the statistics change. The size is pinned as the minimum at once: a label in a
// sizer hidden at start would otherwise be measured later, blank, at zero width.
// Labels of one placeholder share one measurement: laying the text out for each
// of the two dozen labels took a noticeable part of the start-up. For the same
// reason they share one font, set on each: a label without a font of its own
// answers every font query with a fresh GTK style lookup, and each new value
// text is measured in the label's font.
class ValueLabelMaker {
 public:
  explicit ValueLabelMaker(wxFont& font) : font(font) {}
  wxStaticText* operator()(wxWindow* parent, const wxString& placeholder,
                           const wxSize& size = wxDefaultSize) {
    wxSize wanted = size;
    auto known = measured.find(placeholder);
    if (size == wxDefaultSize && known != measured.end()) wanted = known->second;
    auto* label = new wxStaticText(parent, wxID_ANY, placeholder, wxDefaultPosition, wanted,
                                   wxST_NO_AUTORESIZE);
    // The shared font is the toolkit's own for a label, which GTK already draws
    // in: wx is told it, GTK need not be.
    if (!font.IsOk()) font = label->GetFont();
    label->wxWindowBase::SetFont(font);
    if (size == wxDefaultSize) measured.emplace(placeholder, label->GetSize());
    label->SetMinSize(label->GetSize());
    return label;
  }

 private:
  std::map<wxString, wxSize> measured;
  wxFont& font;
};

// The "More" expander, which asks for its rows before it opens, whether a caller
// opens it or the user does (a click or key reaches GTK's "activate" first): GTK
// measures the pane as it opens.
class MoreExpander : public wxCollapsiblePane {
 public:
  MoreExpander(wxWindow* parent, std::function<void()> beforeOpening)
      : wxCollapsiblePane(parent, wxID_ANY, _("More"), wxDefaultPosition, wxDefaultSize,
                          wxCP_DEFAULT_STYLE | wxCP_NO_TLW_RESIZE),
        beforeOpening(std::move(beforeOpening)) {
#ifdef __WXGTK__
    g_signal_connect(GetHandle(), "activate", G_CALLBACK(+[](GtkWidget*, gpointer self) {
                       static_cast<MoreExpander*>(self)->beforeOpening();
                     }),
                     this);
#endif
  }
  void Collapse(bool collapse = true) override {
    if (!collapse) beforeOpening();
    wxCollapsiblePane::Collapse(collapse);
  }

 private:
  std::function<void()> beforeOpening;
};

// Room for any shown number without an exponent: sixteen digits, a sign and the
// point, or fifteen whole digits with six places.
const wxString nine = "-000000000000000.000000";
// A set's name takes up to 30 letters on at most two lines.
const wxString nameRoom = "000000000000000";

}  // namespace

StatisticsPanel::StatisticsPanel(wxWindow* parent, const int nameIds[2], const int cycleIds[2],
                                 const int percentileIds[2], int decimalsId)
    : wxPanel(parent, wxID_ANY), widths(std::make_unique<TextWidths>()) {
  ValueLabelMaker valueLabel(valueFont);
  wxButton* nameButton[2];
  wxButton* cycleButton[2];
  wxStaticText* pCaption[2];
  wxFont nameFont = boldFont(9);
  nameFont.SetUnderlined(true);
  for (int s = 0; s < 2; ++s) {
    names[s] = new wxStaticText(this, wxID_ANY, nameRoom, wxDefaultPosition, wxDefaultSize,
                                wxST_NO_AUTORESIZE);
    setLabelFont(names[s], nameFont);
    names[s]->SetMinSize(wxSize(textSize(names[s]).x, -1));
    // Alt+N and Alt+M name the sets, Alt+Y and Alt+E cycle their deviations.
    nameButton[s] = new wxButton(this, nameIds[s], s == 0 ? _("&Name...") : _("Na&me..."),
                                 wxDefaultPosition, wxSize(60, 15));
    wxStaticText** v = values[s];
    using S = Statistic;
    for (S which : {S::N, S::Mean, S::Minimum, S::Q1, S::Median, S::Q3, S::Maximum, S::Range,
                    S::Iqr, S::Percentile})
      v[static_cast<int>(which)] = valueLabel(this, nine);
    v[static_cast<int>(S::Mode)] = valueLabel(this, nine);
    cycleButton[s] = new wxButton(this, cycleIds[s], s == 0 ? _("C&ycle") : _("&Cycle"),
                                  wxDefaultPosition, wxSize(40, 15));
    v[static_cast<int>(S::StdDev)] = valueLabel(this, nine);
    pCaption[s] = boldCaption(this, _("p"));
    pCaption[s]->SetToolTip(
        _("Percentile p: interpolated between the ranks of the ordered data, at rank "
          "(n - 1) p / 100 + 1; so p = 25 can differ from Q1, which takes halves.\n"
          "Already grouped data: interpolated within the class that holds it."));
    // The toolkit's own width: GTK cannot fit its spin buttons into 50 pixels and
    // would drop the arrows.
    spins[s] = new wxSpinCtrl(this, percentileIds[s], wxEmptyString, wxDefaultPosition,
                              wxDefaultSize, wxSP_ARROW_KEYS, 0, 100, 50);
    giveBoldFont(nameButton[s]);
    giveBoldFont(cycleButton[s]);
  }

  // 16 rows of 4 cells filled row by row.
  auto* grid = rows = new wxFlexGridSizer(16, 4, 2, 2);
  for (int s = 0; s < 2; ++s) {
    grid->Add(names[s], 0, wxBOTTOM, 10);
    grid->Add(nameButton[s], 0, wxRIGHT, 6);
  }
  auto addRow = [&](const wxString& text, Statistic which, int extreme = -1,
                    const wxString& tip = wxString()) {
    for (int s = 0; s < 2; ++s) {
      wxStaticText* c = boldCaption(this, text);
      if (extreme >= 0) extremeCaptions[s][extreme] = c;
      if (!tip.empty()) c->SetToolTip(tip);
      grid->Add(c);
      grid->Add(label(s, which));
    }
  };
  // Q1 = 156.6 beside p = 25 giving 156.8 puzzles students: the two methods differ.
  const wxString groupedTip =
      _("Already grouped data: interpolated within the class that holds it.");
  addRow(_("n:"), Statistic::N);
  addRow(_("Mean:"), Statistic::Mean);
  addRow(_("Mode:"), Statistic::Mode);
  addRow(_("Minimum:"), Statistic::Minimum, 0);
  addRow(_("Q1:"), Statistic::Q1, -1,
         _("Lower quartile: the median of the lower half of the ordered data (with an odd "
           "count the median belongs to neither half).") + "\n" + groupedTip);
  addRow(_("Median:"), Statistic::Median, -1,
         _("The middle value of the ordered data, or the mean of the two middle values.") +
             "\n" + groupedTip);
  addRow(_("Q3:"), Statistic::Q3, -1,
         _("Upper quartile: the median of the upper half of the ordered data (with an odd "
           "count the median belongs to neither half).") + "\n" + groupedTip);
  addRow(_("Maximum:"), Statistic::Maximum, 1);
  for (int i = 0; i < 4; ++i) grid->Add(20, 5);
  addRow(_("Range:"), Statistic::Range, 2);
  addRow(_("IQR:"), Statistic::Iqr);
  for (int s = 0; s < 2; ++s) {
    grid->Add(boldCaption(this, _("Sample/Pop'n:")), 0, wxTOP, 10);
    grid->Add(cycleButton[s], 0, wxTOP | wxLEFT, 10);
  }
  for (int s = 0; s < 2; ++s) {
    deviationCaptions[s] = boldCaption(this, _("Std Dev.(p):"));
    grid->Add(deviationCaptions[s], 0, wxRIGHT, 5);
    grid->Add(label(s, Statistic::StdDev));
  }
  for (int s = 0; s < 2; ++s) {
    auto* pPair = new wxBoxSizer(wxHORIZONTAL);
    pPair->Add(pCaption[s], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    pPair->Add(spins[s]);
    grid->Add(pPair, 1, wxEXPAND);
    grid->Add(label(s, Statistic::Percentile), 0, wxALIGN_CENTER_VERTICAL);
  }
  auto* pageSizer = new wxBoxSizer(wxVERTICAL);
  // Expanding fills the page, so centring would have no effect here.
  pageSizer->Add(grid, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 15);
  pageSizer->Add(buildMore(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  pageSizer->Add(buildOutsideRow(), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 15);
  pageSizer->Add(buildDecimalsRow(decimalsId), 0, wxALL, 15);
  SetAutoLayout(true);
  SetSizer(pageSizer);
  pageSizer->SetSizeHints(this);
}

wxCollapsiblePane* StatisticsPanel::buildMore() {
  more = new MoreExpander(this, [this] { needMoreRows(); });
  more->SetToolTip(_("Sums and both standard deviations, to check work done by hand"));
  // GTK draws no expander at all whose pane holds no window: an empty text stands
  // in for the rows until they are made.
  new wxStaticText(more->GetPane(), wxID_ANY, wxString());
  more->Bind(wxEVT_COLLAPSIBLEPANE_CHANGED, [this](wxCollapsiblePaneEvent&) {
    if (more->IsExpanded() && !moreWritten) writeMore();
    Layout();
  });
  return more;
}

// The rows inside the expander are made when it first opens (or a caller asks for
// one): closed, it shows only its caption, and the start-up need not make them.
void StatisticsPanel::needMoreRows() const {
  if (moreValues[0][0]) return;
  const_cast<StatisticsPanel*>(this)->makeMoreRows();
}

void StatisticsPanel::makeMoreRows() {
  wxWindow* pane = more->GetPane();
  auto* grid = new wxFlexGridSizer(static_cast<int>(MoreRow::Count), 4, 2, 8);
  const char* captions[] = {tally::kSumXCaption, tally::kSumX2Caption,
                            tally::standardDeviationCaption(true),
                            tally::standardDeviationCaption(false),
                            tally::kDistinctValuesCaption};
  for (int r = 0; r < static_cast<int>(MoreRow::Count); ++r) {
    for (int s = 0; s < 2; ++s) {
      wxStaticText* caption =
          boldCaption(pane, wxGetTranslation(wxString::FromUTF8(captions[r])));
      // Made on a window already on the screen, a label is measured by GTK in its
      // old font until the next frame: its size is that of its text in its own.
      int width = 0, height = 0;
      caption->GetTextExtent(caption->GetLabelText(), &width, &height);
      caption->SetMinSize(wxSize(width, height));
      grid->Add(caption, 0, wxALIGN_CENTER_VERTICAL);
      auto* value = new wxStaticText(pane, wxID_ANY, wxString());
      // The font of the page's other values (a label without one of its own answers
      // font queries with a fresh style lookup).
      if (valueFont.IsOk()) value->SetFont(valueFont);
      value->SetMinSize(wxSize(value->GetTextExtent(nine).x / 2, -1));
      moreValues[s][r] = value;
      grid->Add(value, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 20);
    }
  }
  auto* paneSizer = new wxBoxSizer(wxVERTICAL);
  paneSizer->Add(grid, 0, wxLEFT, 5);
  pane->SetSizer(paneSizer);
  announceLateControls(pane);
}

void StatisticsPanel::showMore(std::function<tally::MoreLabels(int set)> rows) {
  moreRows = std::move(rows);
  moreWritten = false;
  if (more->IsExpanded()) writeMore();
}

void StatisticsPanel::writeMore() {
  if (!moreRows) return;
  needMoreRows();
  moreWritten = true;
  for (int s = 0; s < 2; ++s) {
    const tally::MoreLabels l = moreRows(s);
    const std::string* texts[] = {&l.sumX, &l.sumX2, &l.sampleStdDev, &l.populationStdDev,
                                  &l.distinctValues};
    for (int r = 0; r < static_cast<int>(MoreRow::Count); ++r)
      moreValues[s][r]->SetLabel(toWx(*texts[r]));
  }
  more->GetPane()->Layout();
}

// One line per set under its own column; a long list ends in "...".
wxSizer* StatisticsPanel::buildOutsideRow() {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  for (int s = 0; s < 2; ++s) {
    outside[s] = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                  wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    outside[s]->SetMinSize(wxSize(10, outside[s]->GetCharHeight() + 4));
    outside[s]->SetForegroundColour(wxColour(170, 0, 0));
    outside[s]->Hide();
    row->Add(outside[s], 1, wxRIGHT, 10);
  }
  return row;
}

wxSizer* StatisticsPanel::buildDecimalsRow(int id) {
  const wxString places[] = {_("Auto"), "0", "1", "2", "3", "4", "5", "6"};
  decimals = new wxChoice(this, id, wxDefaultPosition, wxDefaultSize, WXSIZEOF(places), places);
  decimals->SetSelection(decimalsItem(tally::kAutoDecimals));
  decimals->SetToolTip(_("Places of the computed statistics (mean, quartiles, median, IQR, "
                         "standard deviation, percentile); Auto shows 4 significant digits."));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(boldCaption(this, _("Decimals:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(decimals, 0, wxALIGN_CENTER_VERTICAL);
  return row;
}

wxStaticText* StatisticsPanel::makeSliderLabel(int set, wxWindow* page) {
  ValueLabelMaker valueLabel(valueFont);
  wxStaticText* l = valueLabel(page, nine);
  setLabelFont(l, boldFont(8));
  l->SetForegroundColour(set == 0 ? *wxRED : *wxBLUE);
  values[set][static_cast<int>(Statistic::SliderPercentile)] = l;
  return l;
}

StatisticsPanel::~StatisticsPanel() = default;

wxStaticText* StatisticsPanel::label(int set, Statistic which) const {
  return values[set][static_cast<int>(which)];
}

void StatisticsPanel::showSet(int set, const tally::SetDisplay& display) {
  const tally::SetLabels& l = display.labels;
  if (!display.hasStatistics) {
    for (wxStaticText* v : values[set])
      if (v) v->SetLabel(wxString());
    if (display.tooFewValues) {
      setValueText(label(set, Statistic::N), toWx(l.n));
      setValueText(label(set, Statistic::Mean), _("At least three different values are needed"));
    }
    return;
  }
  const std::string* texts[] = {&l.n,       &l.mean,  &l.mode,   &l.minimum, &l.q1,
                                &l.median,  &l.q3,    &l.maximum, &l.range,  &l.iqr,
                                &l.stdDev,  &l.percentile, &l.sliderPercentile};
  for (int k = 0; k < static_cast<int>(Statistic::Count); ++k)
    if (values[set][k]) setValueText(values[set][k], toWx(*texts[k]));
  if (l.extremeCaptionsEnabled)
    for (wxStaticText* c : extremeCaptions[set]) c->Enable(*l.extremeCaptionsEnabled);
}

// A name is the user's text: "&" is shown as typed, not taken for a mnemonic.
void StatisticsPanel::showName(int set, const std::string& name) {
  wxStaticText* label = names[set];
  label->SetLabelText(toWx(name));
  const int width = label->GetMinSize().x, need = wrappedHeight(label, width, *widths);
  if (need > label->GetMinSize().y) {
    label->SetMinSize(wxSize(width, need));
    grew = true;
  }
}

void StatisticsPanel::showOutside(int set, const std::string& text) {
  wxStaticText* line = outside[set];
  const wxString shown = toWx(text);
  if (line->GetLabelText() != shown) {
    line->SetLabelText(shown);
    if (shown.empty())
      line->UnsetToolTip();
    else
      line->SetToolTip(shown);
  }
  if (line->IsShown() == !shown.empty()) return;
  line->Show(!shown.empty());
  // The page lays its rows out again, as for a label that grew.
  grew = true;
}

int StatisticsPanel::decimalsItem(int decimals) {
  return decimals >= 0 && decimals <= 6 ? decimals + 1 : 0;
}

int StatisticsPanel::itemDecimals(int item) {
  return item >= 1 && item <= 7 ? item - 1 : tally::kAutoDecimals;
}

void StatisticsPanel::showDecimals(int places) {
  const int item = decimalsItem(places);
  if (decimals->GetSelection() != item) decimals->SetSelection(item);
}

void StatisticsPanel::showDeviationCaption(bool sample) {
  for (wxStaticText* c : deviationCaptions)
    c->SetLabel(wxGetTranslation(tally::standardDeviationCaption(sample)));
}

void StatisticsPanel::showPercentile(int set, int p) {
  if (spins[set]->GetValue() != p) spins[set]->SetValue(p);
}

bool StatisticsPanel::takeGrownLabels() {
  const bool was = grew;
  grew = false;
  return was;
}

void StatisticsPanel::setValueText(wxStaticText* label, const wxString& text) {
  if (label->GetLabel() == text) return;
  label->SetLabel(text);
  label->InvalidateBestSize();
  const int width = label->GetMinSize().x, need = wrappedHeight(label, width, *widths);
  if (need > label->GetMinSize().y) {
    label->SetMinSize(wxSize(width, need));
    grew = true;
  }
}
