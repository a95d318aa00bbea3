#include "ui/resources/Resources.h"

#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/mstream.h>

#include "ui/resources/IconPngs.h"
#include "ui/resources/column_bmp.xpm"

wxIconBundle tallyscopeIcons() {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  wxIconBundle icons;
  for (const IconPng& png : tallyscopeIconPngs()) {
    wxMemoryInputStream in(png.data, png.length);
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(wxImage(in, wxBITMAP_TYPE_PNG)));
    icons.AddIcon(icon);
  }
  return icons;
}

wxBitmap columnBitmap() { return wxBitmap(column_bmp_xpm); }
