#pragma once
#include <wx/app.h>

class MainFrame;

// The application object: creates the one main window from the command line.
class AnalysisApp : public wxApp {
 public:
  AnalysisApp();
  bool OnInit() override;
  // Left to right for the C locale, without wx's table of languages.
  wxLayoutDirection GetLayoutDirection() const override;

 private:
  MainFrame* frame = nullptr;  // owned by the toolkit once shown
};

// The direction of the program's windows: wx's own answer for the locale in force,
// given at once for the C locale, which the program keeps.
wxLayoutDirection programLayoutDirection();
