#pragma once
// A notebook page that is a view of the analysis model: it is built again from the
// model's last refresh when it is on show, and only marked out of date while it is
// hidden, to be built when it is shown. It holds no state of the analysis. Its
// controls are made at its first build, or when a caller first asks for one, so
// that a page nobody opens costs the start-up nothing.
#include <wx/font.h>
#include <wx/panel.h>

class wxBookCtrlEvent;
class wxNotebook;
class wxTextCtrl;

namespace tally {
class AnalysisModel;
}

class LessonPage : public wxPanel {
 public:
  LessonPage(wxNotebook* book, const tally::AnalysisModel& model);
  ~LessonPage() override;

  // The model changed: the page shows it now when on show, else when shown.
  void modelChanged();
  bool isOnShow() const;
  bool isUpToDate() const { return upToDate; }
  // How many times the page was built from the model (lets tests see that a
  // hidden page does no work).
  int buildCount() const { return builds; }
  // Whether the page's controls exist yet.
  bool hasControls() const { return controlsMade; }

 protected:
  // Writes the page from the model; its controls exist by then.
  virtual void build() = 0;
  // Makes the page's controls and sizer; runs once.
  virtual void makeControls() = 0;
  // Makes the controls now unless they exist; every accessor of a control calls it.
  void needControls() const;
  const tally::AnalysisModel& model;

 private:
  void onPageChanged(wxBookCtrlEvent& event);
  void buildNow();

  wxNotebook* book;
  bool upToDate = false;
  bool controlsMade = false;
  int builds = 0;
};

// The fixed-width font of the text pages.
wxFont lessonTextFont();
// A read-only text of several lines in that font, scrolling both ways.
wxTextCtrl* lessonText(wxWindow* parent);
// Puts a text on the clipboard; false when the clipboard cannot be opened.
bool copyToClipboard(const wxString& text);
