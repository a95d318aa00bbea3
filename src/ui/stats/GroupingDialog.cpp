#include "ui/stats/GroupingDialog.h"

#include <wx/button.h>
#include <wx/font.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/NumberText.h"
#include "core/stats/Grouping.h"
#include "ui/WxBridge.h"
#include "ui/access/Accessible.h"

wxBEGIN_EVENT_TABLE(GroupingDialog, wxDialog)
  EVT_TEXT(GroupingDialog::ID_START, GroupingDialog::onStartText)
  EVT_TEXT(GroupingDialog::ID_SIZE, GroupingDialog::onSizeText)
  EVT_TEXT(GroupingDialog::ID_COUNT, GroupingDialog::onCountText)
  EVT_SPINCTRL(GroupingDialog::ID_COUNT, GroupingDialog::onCountSpin)
  EVT_BUTTON(GroupingDialog::ID_OK, GroupingDialog::onOK)
  EVT_BUTTON(GroupingDialog::ID_FIT, GroupingDialog::onFit)
  EVT_BUTTON(GroupingDialog::ID_CANCEL, GroupingDialog::onCancel)
  EVT_CLOSE(GroupingDialog::onClose)
wxEND_EVENT_TABLE()

namespace {

wxString numberText(double v) { return toWx(tally::valueText(v)); }

bool readNumber(const wxTextCtrl* field, double& value) {
  return tally::parseNumber(toStd(field->GetValue()), value);
}

// The whole-number part of what the spin control's text says. GTK clamps the
// control's value to its range, so a typed 0 shows only in the text.
bool typedCount(const wxSpinCtrl* spin, double& count) {
  if (!tally::parseNumber(toStd(spin->GetTextValue()), count)) return false;
  count = std::trunc(count);
  return true;
}

int clampCount(int count) {
  return std::clamp(count, GroupingDialog::minGroups, GroupingDialog::maxGroups);
}

void showInvalid(wxWindow* parent, const wxString& message) {
  wxMessageBox(message, _("Invalid Entry"), wxOK | wxICON_EXCLAMATION, parent);
}

}  // namespace

GroupingDialog::GroupingDialog(wxWindow* parent, double start, double size, int count)
    : wxDialog(parent, wxID_ANY, _("Grouping Details"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      startValue(start),
      groupSize(size),
      groupCount(clampCount(count)),
      pendingStart(start),
      pendingSize(size) {
  SetAffirmativeId(ID_OK);
  SetEscapeId(ID_CANCEL);
}

int GroupingDialog::ShowModal() {
  buildControls();
  return wxDialog::ShowModal();
}

void GroupingDialog::buildControls() {
  if (startCtrl) return;
  writingFields = true;
  wxFont ownFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
  const wxSize fieldSize(FromDIP(80), -1);

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* intro = new wxStaticText(
      this, wxID_ANY, _("Use the entry boxes below to specify how the data\nshould be grouped."),
      wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  top->Add(intro, wxSizerFlags().Centre().Border(wxALL, 10));

  auto* grid = new wxFlexGridSizer(3, 2, 6, 8);
  auto addLabel = [&](const wxString& text) {
    auto* label = new wxStaticText(this, wxID_ANY, text, wxDefaultPosition, wxDefaultSize,
                                   wxALIGN_RIGHT);
    label->SetFont(ownFont);
    grid->Add(label, wxSizerFlags().Right().CentreVertical());
    return label;
  };
  wxStaticText* startLabel = addLabel(_("Start Value:"));
  startCtrl = new wxTextCtrl(this, ID_START, numberText(startValue), wxDefaultPosition, fieldSize);
  grid->Add(startCtrl, wxSizerFlags().CentreVertical());
  wxStaticText* sizeLabel = addLabel(_("Group Size:"));
  sizeCtrl = new wxTextCtrl(this, ID_SIZE, numberText(groupSize), wxDefaultPosition, fieldSize);
  grid->Add(sizeCtrl, wxSizerFlags().CentreVertical());
  wxStaticText* countLabel = addLabel(_("Number of Groups:"));
  countCtrl = new wxSpinCtrl(this, ID_COUNT, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                             wxSP_ARROW_KEYS, minGroups, maxGroups, groupCount);
  // GTK draws its two step buttons beside the text and cannot squeeze them into 80 pixels.
  countCtrl->SetInitialSize(wxSize(std::max(fieldSize.x, countCtrl->GetBestSize().x), -1));
  grid->Add(countCtrl, wxSizerFlags().CentreVertical());
  top->Add(grid, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT, 10));

  auto* rangeRow = new wxBoxSizer(wxHORIZONTAL);
  auto* rangeLabel = new wxStaticText(this, wxID_ANY, _(" Range: "));
  rangeRow->Add(rangeLabel, wxSizerFlags().CentreVertical());
  // At least 100 pixels, and wider as the texts need: "123.457 - 1234.57" must not
  // lose its end value.
  rangeCtrl = new wxStaticText(this, wxID_ANY, wxEmptyString);
  rangeCtrl->SetMinSize(wxSize(FromDIP(100), -1));
  rangeRow->Add(rangeCtrl, wxSizerFlags().CentreVertical());
  top->Add(rangeRow, wxSizerFlags().Centre().Border(wxALL, 10));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, ID_OK, _("&OK"));
  auto* cancel = new wxButton(this, ID_CANCEL, _("&Cancel"));
  fitButton = new wxButton(this, ID_FIT, _("&Fit to data"));
  ok->SetFont(ownFont);
  cancel->SetFont(ownFont);
  fitButton->SetFont(ownFont);
  ok->SetDefault();
  buttons->Add(fitButton, wxSizerFlags().Border(wxRIGHT, 10));
  buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 10));
  buttons->Add(cancel);
  fitButton->Show(static_cast<bool>(dataFit));
  top->Add(buttons, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));

  // A screen reader reads each field with its caption.
  a11y::setLabelledBy(startCtrl, startLabel);
  a11y::setLabelledBy(sizeCtrl, sizeLabel);
  a11y::setLabelledBy(countCtrl, countLabel);
  a11y::setLabelledBy(rangeCtrl, rangeLabel);
  a11y::setName(startCtrl, _("Start value"));
  a11y::setName(sizeCtrl, _("Group size"));
  a11y::setName(countCtrl, _("Number of groups"));

  updateRangeText();
  SetSizerAndFit(top);
  CentreOnParent();
  writingFields = false;
}

void GroupingDialog::setValues(double start, double size, int count) {
  startValue = start;
  groupSize = size;
  groupCount = clampCount(count);
  following = false;
}

void GroupingDialog::showFitted(const tally::Grouping& g) {
  setValues(g.startValue, g.groupSize, g.groupCount);
  following = true;
  refreshFields();
}

void GroupingDialog::refreshFields() {
  if (!startCtrl) {
    // Controls made later start from the accepted values anyway.
    pendingStart = startValue;
    pendingSize = groupSize;
    return;
  }
  writeFields(startValue, groupSize, groupCount);
  fieldsFitted = false;
}

void GroupingDialog::writeFields(double start, double size, int count) {
  writingFields = true;
  startCtrl->ChangeValue(numberText(start));
  sizeCtrl->ChangeValue(numberText(size));
  countCtrl->SetValue(count);
  writingFields = false;
  // The fields now hold these values, so a later spin of the arrows must preview
  // from them and not from an older, abandoned edit.
  pendingStart = start;
  pendingSize = size;
  updateRangeText();
}

void GroupingDialog::updateRangeText() {
  if (!rangeCtrl) return;
  double count = 0;
  if (!typedCount(countCtrl, count) || count < minGroups) count = countCtrl->GetValue();
  count = std::min<double>(count, maxGroups);
  wxString range = _("%g - %g");
  range.Replace("%g", numberText(pendingStart), false);
  range.Replace("%g", numberText(pendingStart + count * pendingSize), false);
  rangeCtrl->SetLabel(range);
  // The label grows with its text; the dialog follows once it is laid out.
  if (GetSizer()) Fit();
}

void GroupingDialog::setDataFit(std::function<tally::Grouping()> fit) {
  dataFit = std::move(fit);
  // Controls not made yet show the button when they are.
  if (!fitButton) return;
  fitButton->Show(static_cast<bool>(dataFit));
  Fit();
}

void GroupingDialog::onFit(wxCommandEvent&) {
  if (!dataFit) return;
  const tally::Grouping g = dataFit();
  writeFields(g.startValue, g.groupSize, clampCount(g.groupCount));
  fieldsFitted = true;
}

wxString GroupingDialog::rangeText() {
  buildControls();
  return rangeCtrl->GetLabel();
}

void GroupingDialog::onStartText(wxCommandEvent&) {
  double v = 0;
  if (writingFields) return;
  fieldsFitted = false;
  if (!readNumber(startCtrl, v)) return;
  pendingStart = v;
  updateRangeText();
}

void GroupingDialog::onSizeText(wxCommandEvent&) {
  double v = 0;
  if (writingFields) return;
  fieldsFitted = false;
  if (!readNumber(sizeCtrl, v) || v <= 0) return;
  pendingSize = v;
  updateRangeText();
}

void GroupingDialog::onCountText(wxCommandEvent&) {
  if (writingFields) return;
  fieldsFitted = false;
  double count = 0;
  // Text that is no number at all (an emptied field mid-typing) is left alone.
  if (!typedCount(countCtrl, count)) return;
  if (count <= 0) {
    countCtrl->SetSelection(-1, -1);
    showInvalid(this, _("Please enter a valid positive integer."));
    return;
  }
  updateRangeText();
}

void GroupingDialog::onCountSpin(wxSpinEvent&) {
  if (writingFields) return;
  fieldsFitted = false;
  updateRangeText();
}

void GroupingDialog::onOK(wxCommandEvent&) {
  double start = 0;
  if (!readNumber(startCtrl, start)) {
    showInvalid(this, _("Please enter a valid number for start value."));
    return;
  }
  double size = 0;
  if (!readNumber(sizeCtrl, size) || size <= 0) {
    showInvalid(this, _("Please enter a valid positive number for group size value."));
    return;
  }
  double count = 0;
  if (!typedCount(countCtrl, count) || count <= 0) {
    showInvalid(this, _("Please enter a valid positive integer for the number of groups."));
    return;
  }
  // Above the range the control itself would settle on its maximum.
  const int groups = clampCount(static_cast<int>(std::min<double>(count, maxGroups)));
  // A size too small for the start gives classes that are one and the same number.
  if (!tally::isValidGrouping({start, size, groups})) {
    showInvalid(this, _("Please enter a valid positive number for group size value."));
    return;
  }
  startValue = start;
  groupSize = size;
  groupCount = groups;
  pendingStart = start;
  pendingSize = size;
  following = fieldsFitted;
  closeWith(wxID_OK);
}

void GroupingDialog::onCancel(wxCommandEvent&) { closeWith(wxID_CANCEL); }

void GroupingDialog::onClose(wxCloseEvent&) { closeWith(wxID_CANCEL); }

// Closing ends the edit: a fit shown in the fields is forgotten with it.
void GroupingDialog::closeWith(int code) {
  fieldsFitted = false;
  SetReturnCode(code);
  if (IsModal())
    EndModal(code);
  else
    Hide();
}
