#include "ui/access/Accessible.h"

#include <wx/window.h>

#include <map>
#include <utility>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace a11y {

namespace {

std::map<const void*, std::function<void()>>& waiting() {
  static std::map<const void*, std::function<void()>> work;
  return work;
}

}  // namespace

// Each piece of work is taken out before it runs: it may itself ask a check.
void writeWaiting() {
  auto& work = waiting();
  while (!work.empty()) {
    std::function<void()> next = std::move(work.begin()->second);
    work.erase(work.begin());
    if (next) next();
  }
}

void writeWhenRead(const void* owner, std::function<void()> work) {
  if (bridgeActive()) {
    waiting().erase(owner);
    if (work) work();
    return;
  }
  waiting()[owner] = std::move(work);
}

void forget(const void* owner) { waiting().erase(owner); }

#ifdef __WXGTK__

bool bridgeActive() {
  static const bool active = [] {
    // The bridge's own switch; GTK starts it otherwise.
    const char* off = g_getenv("NO_AT_BRIDGE");
    if (off && g_ascii_strtod(off, nullptr) == 1) return false;
    // It finds the accessibility bus through its address, the session bus, or the
    // address the bus launcher leaves on the X screen's root window; failing all,
    // libdbus may start a session bus itself with dbus-launch.
    if (g_getenv("AT_SPI_BUS_ADDRESS") || g_getenv("DBUS_SESSION_BUS_ADDRESS")) return true;
    if (gchar* launcher = g_find_program_in_path("dbus-launch")) {
      g_free(launcher);
      return true;
    }
    GdkWindow* root = gdk_get_default_root_window();
    if (!root) return true;
    GdkAtom type = GDK_NONE;
    gint format = 0, length = 0;
    guchar* data = nullptr;
    const bool found = gdk_property_get(root, gdk_atom_intern_static_string("AT_SPI_BUS"),
                                        GDK_NONE, 0, 4096, FALSE, &type, &format, &length,
                                        &data);
    g_free(data);
    return found;
  }();
  return active;
}

namespace {

// The object a reader meets when the window has the focus: that of the widget
// wx connects its events to (the client area of a custom window, the text view
// of a multi-line text, the scale of a slider).
AtkObject* objectOf(wxWindow* window) {
  if (!window) return nullptr;
  GtkWidget* widget = window->GetConnectWidget();
  if (!widget) widget = static_cast<GtkWidget*>(window->GetHandle());
  return widget ? gtk_widget_get_accessible(widget) : nullptr;
}

wxString fromUtf8(const gchar* text) { return text ? wxString::FromUTF8(text) : wxString(); }

void dropRelation(AtkObject* object, AtkRelationType type) {
  AtkRelationSet* relations = atk_object_ref_relation_set(object);
  if (!relations) return;
  while (AtkRelation* r = atk_relation_set_get_relation_by_type(relations, type))
    atk_relation_set_remove(relations, r);
  g_object_unref(relations);
}

}  // namespace

void setName(wxWindow* window, const wxString& name) {
  AtkObject* object = objectOf(window);
  if (!object || fromUtf8(atk_object_get_name(object)) == name) return;
  atk_object_set_name(object, name.utf8_str());
}

void setDescription(wxWindow* window, const wxString& description) {
  AtkObject* object = objectOf(window);
  if (!object || fromUtf8(atk_object_get_description(object)) == description) return;
  atk_object_set_description(object, description.utf8_str());
}

void setRole(wxWindow* window, Role role) {
  AtkObject* object = objectOf(window);
  if (!object) return;
  AtkRole atkRole = ATK_ROLE_FILLER;
  switch (role) {
    case Role::Image: atkRole = ATK_ROLE_IMAGE; break;
    case Role::Table: atkRole = ATK_ROLE_TABLE; break;
    case Role::Label: atkRole = ATK_ROLE_LABEL; break;
    case Role::Filler: atkRole = ATK_ROLE_FILLER; break;
  }
  if (atk_object_get_role(object) != atkRole) atk_object_set_role(object, atkRole);
}

void setLabelledBy(wxWindow* target, wxWindow* label) {
  AtkObject* t = objectOf(target);
  AtkObject* l = objectOf(label);
  if (!t || !l || isLabelledBy(target, label)) return;
  dropRelation(t, ATK_RELATION_LABELLED_BY);
  dropRelation(l, ATK_RELATION_LABEL_FOR);
  atk_object_add_relationship(t, ATK_RELATION_LABELLED_BY, l);
  atk_object_add_relationship(l, ATK_RELATION_LABEL_FOR, t);
}

namespace {

void refuseMnemonicWidget(GObject* label, GParamSpec*, gpointer) {
  if (gtk_label_get_mnemonic_widget(GTK_LABEL(label)))
    gtk_label_set_mnemonic_widget(GTK_LABEL(label), nullptr);
}

}  // namespace

void guessesNoTarget(wxWindow* window) {
  GtkWidget* widget = window ? window->GetConnectWidget() : nullptr;
  if (!widget || !GTK_IS_LABEL(widget)) return;
  // wx hands the text to the next control each time it orders the tab chain
  // again (on idle, after a control was added, shown or made focusable): the
  // text is taken back at once, before a reader can ask.
  static const GQuark watched = g_quark_from_static_string("tallyscope-no-mnemonic-widget");
  if (!g_object_get_qdata(G_OBJECT(widget), watched)) {
    g_object_set_qdata(G_OBJECT(widget), watched, GINT_TO_POINTER(1));
    g_signal_connect(widget, "notify::mnemonic-widget", G_CALLBACK(refuseMnemonicWidget), nullptr);
  }
  gtk_label_set_mnemonic_widget(GTK_LABEL(widget), nullptr);
}

void labelsNothing(wxWindow* window) {
  // A GTK label reports its mnemonic widget as the one it labels, whatever the
  // relation set says: wx gives a text made just before a control that role.
  guessesNoTarget(window);
  if (AtkObject* object = objectOf(window)) dropRelation(object, ATK_RELATION_LABEL_FOR);
}

int labelledCount(wxWindow* window) {
  writeWaiting();
  AtkObject* object = objectOf(window);
  AtkRelationSet* relations = object ? atk_object_ref_relation_set(object) : nullptr;
  if (!relations) return 0;
  int count = 0;
  if (AtkRelation* r = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABEL_FOR))
    if (GPtrArray* targets = atk_relation_get_target(r)) count = static_cast<int>(targets->len);
  g_object_unref(relations);
  return count;
}

wxString nameOf(wxWindow* window) {
  writeWaiting();
  AtkObject* object = objectOf(window);
  return object ? fromUtf8(atk_object_get_name(object)) : wxString();
}

wxString descriptionOf(wxWindow* window) {
  writeWaiting();
  AtkObject* object = objectOf(window);
  return object ? fromUtf8(atk_object_get_description(object)) : wxString();
}

bool isLabelledBy(wxWindow* target, wxWindow* label) {
  writeWaiting();
  AtkObject* t = objectOf(target);
  AtkObject* l = objectOf(label);
  if (!t || !l) return false;
  AtkRelationSet* relations = atk_object_ref_relation_set(t);
  if (!relations) return false;
  bool found = false;
  if (AtkRelation* r = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABELLED_BY)) {
    GPtrArray* targets = atk_relation_get_target(r);
    for (guint i = 0; targets && i < targets->len && !found; ++i)
      found = g_ptr_array_index(targets, i) == l;
  }
  g_object_unref(relations);
  return found;
}

bool takesFocus(wxWindow* window) {
  GtkWidget* widget = window ? window->GetConnectWidget() : nullptr;
  return widget && gtk_widget_get_can_focus(widget);
}

bool holdsFocus(wxWindow* window) {
  GtkWidget* widget = window ? static_cast<GtkWidget*>(window->GetHandle()) : nullptr;
  if (!widget) return false;
  GtkWidget* top = gtk_widget_get_toplevel(widget);
  GtkWidget* focus = GTK_IS_WINDOW(top) ? gtk_window_get_focus(GTK_WINDOW(top)) : nullptr;
  return focus && (focus == widget || gtk_widget_is_ancestor(focus, widget));
}

#else

bool bridgeActive() { return false; }
void setName(wxWindow*, const wxString&) {}
void setDescription(wxWindow*, const wxString&) {}
void setRole(wxWindow*, Role) {}
void setLabelledBy(wxWindow*, wxWindow*) {}
void guessesNoTarget(wxWindow*) {}
void labelsNothing(wxWindow*) {}
int labelledCount(wxWindow*) { return 0; }
wxString nameOf(wxWindow*) { return wxString(); }
wxString descriptionOf(wxWindow*) { return wxString(); }
bool isLabelledBy(wxWindow*, wxWindow*) { return false; }
bool takesFocus(wxWindow* window) { return window && window->AcceptsFocus(); }
bool holdsFocus(wxWindow* window) {
  for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
    if (w == window) return true;
  return false;
}

#endif

}  // namespace a11y
