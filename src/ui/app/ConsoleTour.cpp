#include "ui/app/ConsoleTour.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/print.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/settings/UserSettings.h"
#include "core/stats/DataSet.h"
#include "ui/app/MainFrame.h"
#include "ui/app/Settings.h"
#include "ui/graph/coordSysProperties.h"
#include "ui/views/ColumnGraphView.h"

namespace {

// Lets GTK lay out and draw what just changed.
void settle() {
  for (int i = 0; i < 4; ++i) {
    wxMilliSleep(20);
    wxTheApp->Yield(true);
  }
}

// Answers every dialog with Cancel once it has been on show for a few ticks:
// wx's own modal dialogs through EndModal, GTK's message boxes through a response.
class DialogCloser : public wxTimer {
 public:
  DialogCloser() { Start(100); }
  void Notify() override {
    bool open = false;
    for (wxWindow* w : wxTopLevelWindows)
      if (auto* d = wxDynamicCast(w, wxDialog); d && d->IsModal()) {
        open = true;
        if (++ticks > 3) {
          d->EndModal(wxID_CANCEL);
          ticks = 0;
        }
      }
    GList* all = gtk_window_list_toplevels();
    for (GList* l = all; l; l = l->next)
      if (GTK_IS_MESSAGE_DIALOG(l->data) && gtk_widget_get_visible(GTK_WIDGET(l->data))) {
        open = true;
        if (++ticks > 3) {
          gtk_dialog_response(GTK_DIALOG(l->data), GTK_RESPONSE_CANCEL);
          ticks = 0;
        }
      }
    g_list_free(all);
    if (!open) ticks = 0;
  }

 private:
  int ticks = 0;
};

void press(MainFrame* frame, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(frame);
  frame->ProcessWindowEvent(event);
  settle();
}

void choose(MainFrame* frame, int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(frame);
  frame->ProcessWindowEvent(event);
  settle();
}

void chooseType(MainFrame* frame, int type) {
  frame->dataTypeChoice->SetSelection(type);
  wxCommandEvent event(wxEVT_CHOICE, ID_DATA_TYPE);
  event.SetInt(type);
  event.SetEventObject(frame->dataTypeChoice);
  frame->dataTypeChoice->ProcessWindowEvent(event);
  settle();
}

// Zooms to a step and shows each page in turn at it: a page not on show while
// the zoom changes is laid out when it comes up.
void showEveryPage(MainFrame* frame, int step) {
  frame->setZoomPercent(step);
  for (size_t page = 0; page < frame->notebook->GetPageCount(); ++page) {
    frame->notebook->SetSelection(page);
    settle();
  }
  const wxSize size = frame->GetSize(), least = frame->GetMinSize();
  std::fprintf(stderr, "tour: zoom %d%% shown in %dx%d (least %dx%d)\n", step, size.x, size.y,
               least.x, least.y);
}

void closeOtherWindows(MainFrame* frame) {
  for (wxWindow* w : wxTopLevelWindows)
    if (w != frame && w->IsShown() && !wxDynamicCast(w, wxDialog)) w->Close(true);
  settle();
}

void openEveryDialog(MainFrame* frame) {
  press(frame, ID_NAME_SET1);
  chooseType(frame, tally::UngroupedDiscrete);
  press(frame, ID_COLUMN_WIDTH);
  chooseType(frame, tally::GroupedContinuous);
  press(frame, ID_COLUMN_WIDTH);
  chooseType(frame, tally::AlreadyGroupedContinuous);
  press(frame, ID_GROUPING_DETAILS);
  chooseType(frame, tally::UngroupedDiscrete);
  press(frame, ID_AXES_COLUMN);
  press(frame, ID_AXES_BOX);
  choose(frame, wxID_HELP);
  choose(frame, wxID_ABOUT);
  press(frame, ID_PREVIEW);
  closeOtherWindows(frame);
  frame->set1Graph->showProperties();
  settle();
  closeOtherWindows(frame);
  // Asks before the data go (and is answered No).
  press(frame, ID_CLEAR_DATA);
}

}  // namespace

namespace {

const char* tourWanted() {
  const char* v = std::getenv("TALLYSCOPE_CONSOLE_TOUR");
  return v ? v : "";
}

}  // namespace

bool consoleTourWanted() {
  return std::strcmp(tourWanted(), "1") == 0 || std::strcmp(tourWanted(), "zoom") == 0;
}

void runConsoleTour(MainFrame* frame) {
  DialogCloser closer;
  settle();
  // A zoom kept from the last run is taken a moment after the window is on the
  // screen: the start-up is toured with it in force.
  const int kept = Settings().load().zoomPercent;
  for (int i = 0; i < 100 && frame->getZoomPercent() != kept; ++i) settle();
  for (size_t page = 0; page < frame->notebook->GetPageCount(); ++page) {
    frame->notebook->SetSelection(page);
    settle();
  }
  std::fprintf(stderr, "tour: started at %d%%\n", frame->getZoomPercent());
  for (int step : tally::zoomSteps()) showEveryPage(frame, step);
  const bool dialogs = std::strcmp(tourWanted(), "zoom") != 0;
  for (int step : {tally::kZoomMin, 100, tally::kZoomMax}) {
    if (!dialogs) break;
    frame->setZoomPercent(step);
    openEveryDialog(frame);
    std::fprintf(stderr, "tour: dialogs at %d%% shown\n", step);
  }
  // Back down a step at a time, then from the largest straight to 100% (Ctrl+0).
  for (auto step = tally::zoomSteps().rbegin(); step != tally::zoomSteps().rend(); ++step)
    showEveryPage(frame, *step);
  std::fprintf(stderr, "tour: zoomed out step by step\n");
  frame->setZoomPercent(tally::kZoomMax);
  settle();
  frame->setZoomPercent(100);
  settle();
  std::fprintf(stderr, "tour: back to 100%%\n");
  // The question before closing with changes unsaved (answered Cancel).
  if (dialogs) chooseType(frame, tally::GroupedDiscrete);
  if (dialogs && frame->hasUnsavedChanges()) {
    frame->askSaveChanges();
    settle();
    std::fprintf(stderr, "tour: save question asked\n");
  }
  frame->markDataSaved();
  frame->Close(true);
}
