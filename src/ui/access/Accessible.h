#pragma once
// What assistive technology (a screen reader over AT-SPI) learns about a window:
// its accessible name, description, role and which label it is read with. wx's
// own wxAccessible works only on Windows; on GTK these go through the ATK object
// of the widget that takes the focus (a text view inside a scrolled window, a
// slider's scale, a custom window's client area). Elsewhere they do nothing.
#include <wx/string.h>

#include <functional>

class wxWindow;

namespace a11y {

enum class Role { Image, Table, Label, Filler };

// Each setter changes the object only when the text differs, so that a reader is
// not told of a change that is none.
void setName(wxWindow* window, const wxString& name);
void setDescription(wxWindow* window, const wxString& description);
void setRole(wxWindow* window, Role role);
// `target` is read with `label`'s text: the pair gets a labelled-by relation one
// way and a label-for relation the other. Relations the toolkit guessed for the
// target before are dropped first (GTK makes a text that stands beside a button
// its label).
void setLabelledBy(wxWindow* target, wxWindow* label);

// The text (a caption or a value without an Alt key) is never made the label of
// the control that follows it; wx does so whenever it orders the tab chain again,
// and a reader then hears the text as that control's name. Relations set here
// stay.
void guessesNoTarget(wxWindow* window);
// The window is the label of no other: drops the label-for relations the toolkit
// guessed from the order the windows were made in (a value text made just
// before a button became that button's label).
void labelsNothing(wxWindow* window);
// The targets the window is the label of, for checks.
int labelledCount(wxWindow* window);

// Whether an assistive technology can reach the objects at all: the toolkit's
// bridge to AT-SPI is on and has a bus to find the accessibility bus on. Without
// it only the program itself reads them (the checks below).
bool bridgeActive();
// Writes the texts of `owner`'s windows with `work`: at once while a bridge is
// active, otherwise when the first check below asks (the latest work of each
// owner, once). Texts that follow every edit cost a refresh nothing while nobody
// can hear them. `forget` drops the owner's waiting work (when it is destroyed).
void writeWhenRead(const void* owner, std::function<void()> work);
void forget(const void* owner);
// Runs the waiting work now: something is reading the objects (the checks below,
// the data table's own object when asked for its rows and cells).
void writeWaiting();

// What the objects now say, for checks.
wxString nameOf(wxWindow* window);
wxString descriptionOf(wxWindow* window);
bool isLabelledBy(wxWindow* target, wxWindow* label);
// Whether the toolkit lets the keyboard focus reach the window.
bool takesFocus(wxWindow* window);
// Whether the keyboard focus is on the window or on a widget inside it (a choice
// gives it to its inner button, which wx knows nothing of).
bool holdsFocus(wxWindow* window);

}  // namespace a11y
