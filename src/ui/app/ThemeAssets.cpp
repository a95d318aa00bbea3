#include "ui/app/ThemeAssets.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>

namespace {

bool startsWith(const char* text, const char* prefix) {
  return text && std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The theme in force: GTK_THEME wins over the settings, as it does in GTK.
bool builtInThemeInForce(GtkSettings* settings) {
  const char* forced = std::getenv("GTK_THEME");
  if (forced && *forced) return startsWith(forced, "Adwaita");
  gchar* name = nullptr;
  g_object_get(settings, "gtk-theme-name", &name, nullptr);
  const bool builtIn = startsWith(name, "Adwaita");
  g_free(name);
  return builtIn;
}

}  // namespace

void preferBitmapThemeAssets() {
  GdkScreen* screen = gdk_screen_get_default();
  GtkSettings* settings = gtk_settings_get_default();
  if (!screen || !settings || !builtInThemeInForce(settings)) return;
  // A scaled screen would stretch the 16-pixel bitmap: keep the vector image there.
  GdkMonitor* monitor = gdk_display_get_monitor(gdk_screen_get_display(screen), 0);
  if (!monitor || gdk_monitor_get_scale_factor(monitor) != 1) return;
  static const char css[] =
      "radio:checked { -gtk-icon-source: -gtk-recolor(url("
      "\"resource:///org/gtk/libgtk/theme/Adwaita/assets/bullet-symbolic.symbolic.png\")); }";
  GtkCssProvider* provider = gtk_css_provider_new();
  if (gtk_css_provider_load_from_data(provider, css, -1, nullptr))
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}
