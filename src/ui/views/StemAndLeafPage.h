#pragma once
// The "Stem-and-leaf" page: both sets back to back in a fixed-width font, Set 1's
// leaves to the left of the stems and Set 2's to the right, with the key line. The
// "Split stems" check box is an option of this view only.
#include <string>

#include "ui/views/LessonPage.h"

class wxButton;
class wxCheckBox;
class wxTextCtrl;

class StemAndLeafPage : public LessonPage {
 public:
  StemAndLeafPage(wxNotebook* book, const tally::AnalysisModel& model);

  wxCheckBox* splitBox() const { needControls(); return split; }
  wxButton* copyButton() const { needControls(); return copy; }
  wxTextCtrl* plotText() const { needControls(); return text; }
  // The plot as the page shows it (what Copy puts on the clipboard).
  std::string plotTextNow() const;

 protected:
  void build() override;
  void makeControls() override;

 private:
  wxCheckBox* split = nullptr;
  wxButton* copy = nullptr;
  wxTextCtrl* text = nullptr;
};
