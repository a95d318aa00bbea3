#include "ui/app/AnalysisApp.h"

#include <wx/image.h>

#include "ui/app/FirstPaintProbe.h"
#include "ui/app/MainFrame.h"
#include "ui/app/ThemeAssets.h"

// Only the first argument names the analysis description; the rest are ignored.
bool AnalysisApp::OnInit() {
  installFirstPaintProbe();
  wxInitAllImageHandlers();
  preferBitmapThemeAssets();
  const wxString descriptionFile = argc > 1 ? wxString(argv[1]) : wxString();
  frame = new MainFrame(nullptr, wxID_ANY, descriptionFile, wxDefaultPosition, wxDefaultSize);
  SetTopWindow(frame);
  frame->Show();
  return true;
}
