#pragma once
// The "Frequency Table" page: both sets side by side, each a table of its values or
// classes (every class, empty ones too, and a closing row of the values outside
// them) with frequency, relative frequency (%), cumulative frequency and cumulative %.
#include <string>

#include "ui/views/LessonPage.h"

class wxButton;
class wxListCtrl;
class wxStaticText;

class FrequencyTablePage : public LessonPage {
 public:
  FrequencyTablePage(wxNotebook* book, const tally::AnalysisModel& model);

  wxListCtrl* table(int set) const { needControls(); return tables[set]; }
  wxStaticText* nameLabel(int set) const { needControls(); return names[set]; }
  wxButton* copyButton() const { needControls(); return copy; }
  // What Copy puts on the clipboard: each set's name and TAB-separated rows.
  std::string copyText() const;

 protected:
  void build() override;
  void makeControls() override;

 private:
  wxListCtrl* tables[2] = {};
  wxStaticText* names[2] = {};
  wxButton* copy = nullptr;
};
