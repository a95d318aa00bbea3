#include "ui/graph/coordSysProperties.h"

coordSysProperties::coordSysProperties(coordSys* owner, wxWindow* parent, const wxPoint& pos)
    : wxFrame(parent, wxID_ANY, wxEmptyString, pos), owner(owner) {}
