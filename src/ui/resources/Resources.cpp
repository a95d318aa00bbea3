#include "ui/resources/Resources.h"

#include "ui/resources/column_bmp.xpm"
#include "ui/resources/icon.xpm"

wxIcon tallyscopeIcon() { return wxIcon(tallyscope_icon_xpm); }

wxBitmap columnBitmap() { return wxBitmap(column_bmp_xpm); }
