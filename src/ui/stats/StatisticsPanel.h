#pragma once
// The "Statistics" page: for each set its name, the thirteen value labels with
// their captions (the slider's read-out lives on the ogive page but is one of
// them), the Name..., Cycle and "p" controls. It shows a set's texts from the
// refresh's result and never is read back.
#include <wx/panel.h>

#include <functional>
#include <memory>
#include <string>

#include "core/lesson/MoreStatistics.h"
#include "core/stats/Refresh.h"

class wxChoice;
class wxControl;
class wxCollapsiblePane;
class wxFlexGridSizer;
class wxSizer;
class wxSpinCtrl;
class wxStaticBox;
class wxStaticText;
class TextWidths;

// The rows of the "More" expander, in order.
enum class MoreRow { SumX, SumX2, SampleStdDev, PopulationStdDev, DistinctValues, Count };

// The value labels of a set, in the order the page lists them.
enum class Statistic {
  N, Mean, Mode, Minimum, Q1, Median, Q3, Maximum, Range, Iqr, StdDev, Percentile,
  SliderPercentile, Count
};

// Bold captions of the pages.
wxFont boldFont(int points);
wxStaticText* boldCaption(wxWindow* parent, const wxString& text);
// The captions' font for a control of a fixed size (a button, a radio button).
void giveBoldFont(wxControl* control);
// A box's title in the bold font of `points` points.
void giveBoldTitle(wxStaticBox* box, int points);

class StatisticsPanel : public wxPanel {
 public:
  // Control identifiers of the page's buttons and spin controls.
  StatisticsPanel(wxWindow* parent, const int nameIds[2], const int cycleIds[2],
                  const int percentileIds[2], int decimalsId);
  ~StatisticsPanel() override;

  // The slider read-out of a set, made on the ogive page.
  wxStaticText* makeSliderLabel(int set, wxWindow* page);

  wxStaticText* label(int set, Statistic which) const;
  wxStaticText* nameLabel(int set) const { return names[set]; }
  wxStaticText* minimumCaption(int set) const { return extremeCaptions[set][0]; }
  wxStaticText* maximumCaption(int set) const { return extremeCaptions[set][1]; }
  wxStaticText* rangeCaption(int set) const { return extremeCaptions[set][2]; }
  wxStaticText* stdDevCaption(int set) const { return deviationCaptions[set]; }
  wxSpinCtrl* percentileSpin(int set) const { return spins[set]; }
  // "Auto" (4 significant digits) or 0 to 6 places of the computed statistics.
  wxChoice* decimalsChoice() const { return decimals; }
  // The choice's item of a decimals setting, and the setting of an item.
  static int decimalsItem(int decimals);
  static int itemDecimals(int item);
  // Captions and values, 16 rows of 4 cells filled row by row.
  wxFlexGridSizer* gridSizer() const { return rows; }

  // Writes a set's texts: its statistics, or blanks (with the reason when it has
  // too few values).
  void showSet(int set, const tally::SetDisplay& display);
  void showName(int set, const std::string& name);
  void showDeviationCaption(bool sample);
  void showPercentile(int set, int p);
  void showDecimals(int decimals);
  // Under the statistics, the values the classes of already grouped data leave
  // out ("1 value outside the classes: 20"): hidden when the text is empty.
  void showOutside(int set, const std::string& text);
  wxStaticText* outsideLabel(int set) const { return outside[set]; }
  // The "More" expander: Σx, Σx², both standard deviations and the number of
  // distinct values of each set. `rows` gives a set's texts; it is asked at once
  // while the expander is open, else when it is opened (no work while closed).
  void showMore(std::function<tally::MoreLabels(int set)> rows);
  wxCollapsiblePane* morePane() const { return more; }
  wxStaticText* moreLabel(int set, MoreRow row) const {
    needMoreRows();
    return moreValues[set][static_cast<int>(row)];
  }
  // Makes the rows now unless they exist.
  void needMoreRows() const;
  // True once since a value label grew beyond its room; the owner lays out again.
  bool takeGrownLabels();

 private:
  // The "Decimals:" caption and its choice, below the statistics.
  wxSizer* buildDecimalsRow(int id);
  // The lines naming values outside the classes, one per set.
  wxSizer* buildOutsideRow();
  // The "More" expander, closed; its rows are made when it first opens.
  wxCollapsiblePane* buildMore();
  void makeMoreRows();
  void writeMore();
  // A value label keeps its width, so that both columns keep their places
  // whatever their texts; a longer text wraps and the label grows downwards only,
  // never shrinking below what it once needed, so the page does not jump.
  void setValueText(wxStaticText* label, const wxString& text);

  wxStaticText* values[2][static_cast<int>(Statistic::Count)] = {};
  wxStaticText* names[2] = {};
  wxStaticText* extremeCaptions[2][3] = {};
  wxStaticText* deviationCaptions[2] = {};
  wxStaticText* outside[2] = {};
  wxCollapsiblePane* more = nullptr;
  wxStaticText* moreValues[2][static_cast<int>(MoreRow::Count)] = {};
  std::function<tally::MoreLabels(int)> moreRows;
  bool moreWritten = false;
  wxSpinCtrl* spins[2] = {};
  wxChoice* decimals = nullptr;
  wxFlexGridSizer* rows = nullptr;
  wxFont valueFont;
  bool grew = false;
  // What the value texts measured, kept between refreshes.
  std::unique_ptr<TextWidths> widths;
};

// The size a static text needs to show its whole label in its font.
wxSize textSize(wxStaticText* label);
