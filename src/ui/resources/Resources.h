#pragma once
// The program's compiled-in pictures: the window icon and the data-type picture.
#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The program's icon at 16, 24, 32, 48, 64, 128 and 256 px, each drawn from the
// vector at its size, so the desktop picks a sharp one wherever it shows it.
wxIconBundle tallyscopeIcons();
wxBitmap columnBitmap();   // 34 x 34, a small column graph
