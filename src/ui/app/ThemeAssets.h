#pragma once
// GTK's built-in theme draws the dot of a chosen radio button from an SVG image,
// so showing the main window's "Set 1" / "Set 2" choice loads the SVG renderer
// and its libraries: about 7 MiB and several milliseconds at start-up, for one
// dot. The same theme carries the dot as a PNG as well; on that theme, at an
// unscaled screen, this points GTK at the PNG. Other themes and scaled screens
// are left as they are.
void preferBitmapThemeAssets();
