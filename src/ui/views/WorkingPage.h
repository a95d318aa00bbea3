#pragma once
// The "Working" page: how each statistic of the set on show was found, step by step
// with its own numbers, in a fixed-width font; the Decimals choice (the same setting
// as on the Statistics page), Copy and Print.
#include <functional>
#include <string>
#include <vector>

#include "ui/views/LessonPage.h"

class wxButton;
class wxChoice;
class wxPrintout;

class WorkingPage : public LessonPage {
 public:
  // The choice sends its events with `decimalsId`, as the Statistics page's does.
  WorkingPage(wxNotebook* book, const tally::AnalysisModel& model, int decimalsId);

  wxChoice* decimalsChoice() const { needControls(); return decimals; }
  wxButton* copyButton() const { needControls(); return copy; }
  wxButton* printButton() const { needControls(); return print; }
  wxTextCtrl* workingText() const { needControls(); return text; }
  // The working of the set on show: its name, then a line per step (tables
  // TAB-separated), as Copy puts it on the clipboard.
  std::string copyText() const;
  // The lines as shown and printed: tables lined up.
  std::vector<std::string> shownLines() const;

  // Prints a printout through the window's printer; set by the window.
  std::function<void(wxPrintout&)> printer;

 protected:
  void build() override;
  void makeControls() override;

 private:
  std::vector<std::string> steps() const;

  int decimalsId;
  wxChoice* decimals = nullptr;
  wxButton* copy = nullptr;
  wxButton* print = nullptr;
  wxTextCtrl* text = nullptr;
};
