#include "ui/app/AnalysisApp.h"

#include <wx/frame.h>

// Placeholder until the main window lands.
bool AnalysisApp::OnInit() {
  wxInitAllImageHandlers();
  auto* f = new wxFrame(nullptr, wxID_ANY, "Tallyscope");
  SetTopWindow(f);
  f->Show();
  return true;
}
