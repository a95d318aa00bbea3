#pragma once
// The modal dialog in which the user sets the equal classes of a grouping:
// class k is [startValue + k*groupSize, startValue + (k+1)*groupSize).
#include <wx/dialog.h>

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
  void setValues(double start, double size, int count);

  // Rewrites the fields, the spin control and the range preview from the
  // accepted values, and forgets any half-typed pending values.
  void refreshFields();
  // Range preview from the pending start and size and the spin control.
  void updateRangeText();

  // Controls, for tests and callers that need to drive the dialog.
  wxTextCtrl* startField() { buildControls(); return startCtrl; }
  wxTextCtrl* sizeField() { buildControls(); return sizeCtrl; }
  wxSpinCtrl* countSpin() { buildControls(); return countCtrl; }
  wxString rangeText();

 private:
  // Makes the controls from the accepted values, once.
  void buildControls();
  void closeWith(int code);

  void onStartText(wxCommandEvent& event);
  void onSizeText(wxCommandEvent& event);
  void onCountText(wxCommandEvent& event);
  void onCountSpin(wxSpinEvent& event);
  void onOK(wxCommandEvent& event);
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
  // True while the dialog writes its own controls, whose text events must
  // not be taken for the user's typing.
  bool writingFields = false;

  wxDECLARE_EVENT_TABLE();
};
