#include "ui/LateControls.h"

#include <wx/window.h>

wxDEFINE_EVENT(EVT_LATE_CONTROLS, wxCommandEvent);

void announceLateControls(wxWindow* root) {
  wxCommandEvent event(EVT_LATE_CONTROLS, root->GetId());
  event.SetEventObject(root);
  root->ProcessWindowEvent(event);
}
