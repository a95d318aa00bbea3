#pragma once
// A notebook page that is a view of the analysis model: it is built again from the
// model's last refresh when it is on show, and only marked out of date while it is
// hidden, to be built when it is shown. It holds no state of the analysis.
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

 protected:
  // Writes the page from the model.
  virtual void build() = 0;
  const tally::AnalysisModel& model;

 private:
  void onPageChanged(wxBookCtrlEvent& event);
  void buildNow();

  wxNotebook* book;
  bool upToDate = false;
  int builds = 0;
};

// The fixed-width font of the text pages.
wxFont lessonTextFont();
// A read-only text of several lines in that font, scrolling both ways.
wxTextCtrl* lessonText(wxWindow* parent);
// Puts a text on the clipboard; false when the clipboard cannot be opened.
bool copyToClipboard(const wxString& text);
