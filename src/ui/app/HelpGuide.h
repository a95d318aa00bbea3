#pragma once
// The short guide of Help > Guide (F1): what each page shows, how each statistic
// is worked out, and the keys.
#include <wx/arrstr.h>
#include <wx/dialog.h>

class wxTextCtrl;

// The guide's text for a window whose notebook has these pages (their tab texts,
// in order): every page is listed, a page the guide has no words for by its name.
wxString guideText(const wxArrayString& pageNames);

class HelpGuide : public wxDialog {
 public:
  HelpGuide(wxWindow* parent, const wxArrayString& pageNames);
  wxTextCtrl* text() const { return body; }

 private:
  wxTextCtrl* body = nullptr;
};
