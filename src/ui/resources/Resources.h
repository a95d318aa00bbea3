#pragma once
// The program's compiled-in pictures: the window icon and the data-type picture.
#include <wx/bitmap.h>
#include <wx/icon.h>

wxIcon tallyscopeIcon();   // 16 x 16
wxBitmap columnBitmap();   // 34 x 34, a small column graph
