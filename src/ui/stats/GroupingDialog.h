#pragma once
// The modal dialog in which the user sets the equal classes of a grouping:
// class k is [startValue + k*groupSize, startValue + (k+1)*groupSize).
#include <wx/dialog.h>

#include <functional>

#include "core/stats/Grouping.h"

class wxButton;
class wxSpinCtrl;
class wxSpinEvent;
class wxStaticText;
class wxTextCtrl;

class GroupingDialog : public wxDialog {
 public:
  // Control identifiers of the event table.
  enum {
    ID_SIZE = 1,
    ID_COUNT = 2,
    ID_START = 3,
    ID_OK = 4,
    ID_FIT = 5,
    ID_CANCEL = 16,
  };
  static constexpr int minGroups = 1;
  static constexpr int maxGroups = 100;

  // Created hidden; the count is kept to 1..100 like the spin control's. The
  // controls are made when first needed (shown, or asked for), so the two
  // dialogs the main window keeps cost its start-up nothing.
  GroupingDialog(wxWindow* parent, double start, double size, int count);

  int ShowModal() override;

  double getStartValue() const { return startValue; }
  double getGroupSize() const { return groupSize; }
  int getGroupCount() const { return groupCount; }

  // Replaces the accepted values without touching the controls; call
  // refreshFields() afterwards to show them. The count is kept to 1..100.
  // Values set this way (a description, Auto Data) end following the data.
  void setValues(double start, double size, int count);
  // Accepts and shows the grouping fitted to the data, still following it.
  void showFitted(const tally::Grouping& g);

  // Rewrites the fields, the spin control and the range preview from the
  // accepted values, and forgets any half-typed pending values.
  void refreshFields();
  // Range preview from the pending start and size and the spin control.
  void updateRangeText();

  // The grouping chosen from the data, offered by the "Fit to data" button; the
  // button shows only once a choice is given.
  void setDataFit(std::function<tally::Grouping()> fit);
  // True until the user accepts a grouping of their own with OK (or a caller,
  // such as the analysis description, sets one): the owner then keeps the
  // grouping fitted to the data. "Fit to data" then OK returns to following.
  bool followsData() const { return following; }
  void setFollowsData(bool on) { following = on; }

  // Controls, for tests and callers that need to drive the dialog.
  wxTextCtrl* startField() { buildControls(); return startCtrl; }
  wxTextCtrl* sizeField() { buildControls(); return sizeCtrl; }
  wxSpinCtrl* countSpin() { buildControls(); return countCtrl; }
  wxString rangeText();

 private:
  // Makes the controls from the accepted values, once.
  void buildControls();
  void closeWith(int code);
  // Writes the three fields without treating it as typing, and previews their range.
  void writeFields(double start, double size, int count);

  void onStartText(wxCommandEvent& event);
  void onSizeText(wxCommandEvent& event);
  void onCountText(wxCommandEvent& event);
  void onCountSpin(wxSpinEvent& event);
  void onOK(wxCommandEvent& event);
  void onFit(wxCommandEvent& event);
  void onCancel(wxCommandEvent& event);
  void onClose(wxCloseEvent& event);

  double startValue = 0;
  double groupSize = 1;
  int groupCount = 10;
  double pendingStart = 0;
  double pendingSize = 1;

  wxTextCtrl* startCtrl = nullptr;
  wxTextCtrl* sizeCtrl = nullptr;
  wxSpinCtrl* countCtrl = nullptr;
  wxStaticText* rangeCtrl = nullptr;
  wxButton* fitButton = nullptr;
  std::function<tally::Grouping()> dataFit;
  bool following = true;
  // The fields hold the data's grouping as "Fit to data" wrote it.
  bool fieldsFitted = false;
  // True while the dialog writes its own controls, whose text events must
  // not be taken for the user's typing.
  bool writingFields = false;

  wxDECLARE_EVENT_TABLE();
};
