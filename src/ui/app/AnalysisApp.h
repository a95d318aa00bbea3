#pragma once
#include <wx/app.h>

class MainFrame;

// The application object: creates the one main window from the command line.
class AnalysisApp : public wxApp {
 public:
  AnalysisApp();
  bool OnInit() override;

 private:
  MainFrame* frame = nullptr;  // owned by the toolkit once shown
};
