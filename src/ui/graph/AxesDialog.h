#pragma once
// "Axes...": the value axis of a graph page set by hand (From, To, Tick unit), or
// framed to the data again with "Fit to data". The dialog only reads and checks
// the texts; the window hands the range to the analysis model.
#include <wx/dialog.h>

#include "core/description/AnalysisFile.h"

class wxStaticText;
class wxTextCtrl;

class AxesDialog : public wxDialog {
 public:
  // ShowModal's answer for "Fit to data".
  enum { ID_FIT_TO_DATA = wxID_HIGHEST + 901 };

  // Starts from the axis on show; `handSet` tells whether it was set by hand.
  AxesDialog(wxWindow* parent, const wxString& title, const tally::AxisRange& shown, bool handSet);

  // The range read by the last accept().
  const tally::AxisRange& range() const { return chosen; }
  // Reads and checks the three texts: true with the range, or false with the
  // reason shown in the dialog, which stays open. What OK does.
  bool accept();
  void setTexts(const wxString& from, const wxString& to, const wxString& unit);
  // The reason the last accept() refused the texts; empty after a good one.
  wxString problem() const;

  wxTextCtrl* fromText = nullptr;
  wxTextCtrl* toText = nullptr;
  wxTextCtrl* unitText = nullptr;

 private:
  void onOk(wxCommandEvent& event);
  void onFit(wxCommandEvent& event);

  wxStaticText* problemText = nullptr;
  wxString reason;
  tally::AxisRange chosen;
};
