#pragma once
// The properties window of a graph. Created hidden with its graph; its
// controls are still to come, so for now it is an empty frame.
#include <wx/frame.h>

class coordSys;

class coordSysProperties : public wxFrame {
 public:
  coordSysProperties(coordSys* owner, wxWindow* parent, const wxPoint& pos);

  coordSys* getOwner() const { return owner; }

 private:
  coordSys* owner;
};
