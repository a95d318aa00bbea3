#include "ui/app/AnalysisApp.h"

#include <wx/image.h>
#include <wx/stdpaths.h>
#include <wx/uilocale.h>

#include <cstdlib>

#include "ui/app/ConsoleTour.h"
#include "ui/app/FirstPaintProbe.h"
#include "ui/app/MainFrame.h"
#include "ui/app/Settings.h"
#include "ui/app/ThemeAssets.h"

// Runs before the toolkit opens the display. The program draws with cairo and has
// no OpenGL view, yet GDK sets up OpenGL when it opens the display: loading the
// GL driver was about a third of the start-up and 50 MiB of memory. A user who
// set GDK_GL keeps that setting.
AnalysisApp::AnalysisApp() { setenv("GDK_GL", "disable", 0); }

// Only the first argument names the analysis description; the rest are ignored.
bool AnalysisApp::OnInit() {
  // Settings (the recent analyses) go under ~/.config, where the desktop keeps them.
  SetAppName("tallyscope");
  wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
  installFirstPaintProbe();
  wxInitAllImageHandlers();
  preferBitmapThemeAssets();
  const wxString descriptionFile = argc > 1 ? wxString(argv[1]) : wxString();
  frame = new MainFrame(nullptr, wxID_ANY, descriptionFile, wxDefaultPosition, wxDefaultSize);
  // The zoom, the window's size, the folders and the decimals of the last run,
  // kept again when the window closes (a close the user cancels keeps them too).
  const Settings settings;
  frame->applySettings(settings.load());
  frame->Bind(wxEVT_CLOSE_WINDOW, [this, settings](wxCloseEvent& event) {
    settings.save(frame->currentSettings());
    event.Skip();
  });
  SetTopWindow(frame);
  frame->Show();
  if (consoleTourWanted()) CallAfter([this] { runConsoleTour(frame); });
  return true;
}

// The program sets no locale of its own for wx, so wx answers for the C locale,
// left to right, and finds that out by building its table of every language: some
// ten million instructions before the first window. The answer is given at once
// while that locale is in force.
wxLayoutDirection programLayoutDirection() {
  if (wxUILocale::GetCurrent().GetName() == "C") return wxLayout_LeftToRight;
  return wxTheApp ? wxTheApp->wxAppBase::GetLayoutDirection() : wxLayout_Default;
}

wxLayoutDirection AnalysisApp::GetLayoutDirection() const { return programLayoutDirection(); }
