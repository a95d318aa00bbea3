#pragma once
// Controls made after the window was built. A page or pane that makes its controls
// only when first shown (or first asked for) announces them, so that the window can
// treat them as its own: give them the zoom in force and scale them with the rest.
#include <wx/event.h>

class wxWindow;

// Sent to `root` and up through its parents once the controls under it exist.
wxDECLARE_EVENT(EVT_LATE_CONTROLS, wxCommandEvent);

void announceLateControls(wxWindow* root);
