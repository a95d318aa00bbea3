#include "ui/graph/AxesDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "core/NumberText.h"
#include "core/graph/AxisControl.h"
#include "ui/WxBridge.h"

AxesDialog::AxesDialog(wxWindow* parent, const wxString& title, const tally::AxisRange& shown,
                       bool handSet)
    : wxDialog(parent, wxID_ANY, title), chosen(shown) {
  auto* fields = new wxFlexGridSizer(3, 2, 6, 8);
  auto field = [&](const wxString& caption, double value) {
    fields->Add(new wxStaticText(this, wxID_ANY, caption), 0, wxALIGN_CENTER_VERTICAL);
    // The shortest text that reads back as the value: 1995 stays 1995, 0.1 stays 0.1.
    auto* text = new wxTextCtrl(this, wxID_ANY, toWx(tally::exactText(value)));
    text->SetMinSize(wxSize(text->GetSizeFromTextSize(text->GetTextExtent("-1234567.25")).x, -1));
    fields->Add(text, 1, wxEXPAND);
    return text;
  };
  fromText = field(_("From:"), shown.min);
  toText = field(_("To:"), shown.max);
  unitText = field(_("Tick unit:"), shown.unit);
  fields->AddGrowableCol(1);

  auto* state = new wxStaticText(
      this, wxID_ANY,
      handSet ? _("Set by hand until Fit to data or Clear Data.") : _("Fitted to the data."));
  problemText = new wxStaticText(this, wxID_ANY, wxString());
  problemText->SetForegroundColour(wxColour(170, 0, 0));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* fit = new wxButton(this, ID_FIT_TO_DATA, _("Fit to data"));
  buttons->Add(fit, 0, wxRIGHT, 20);
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(this, wxID_CANCEL, _("Cancel")), 0, wxRIGHT, 6);
  auto* ok = new wxButton(this, wxID_OK, _("OK"));
  ok->SetDefault();
  buttons->Add(ok);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, _("The value axis:")), 0, wxALL, 10);
  top->Add(fields, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(state, 0, wxALL, 10);
  top->Add(problemText, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(buttons, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  // Room for the longest reason without growing the dialog when it appears.
  SetMinSize(wxSize(std::max(GetSize().x, 360), GetSize().y + problemText->GetCharHeight() * 2));
  Fit();

  Bind(wxEVT_BUTTON, &AxesDialog::onOk, this, wxID_OK);
  Bind(wxEVT_BUTTON, &AxesDialog::onFit, this, ID_FIT_TO_DATA);
  fromText->SetFocus();
  fromText->SelectAll();
}

void AxesDialog::setTexts(const wxString& from, const wxString& to, const wxString& unit) {
  fromText->ChangeValue(from);
  toText->ChangeValue(to);
  unitText->ChangeValue(unit);
}

bool AxesDialog::accept() {
  std::string why;
  const std::optional<tally::AxisRange> read = tally::readAxisRange(
      toStd(fromText->GetValue()), toStd(toText->GetValue()), toStd(unitText->GetValue()), why);
  if (!read) {
    reason = wxGetTranslation(toWx(why));
    problemText->SetLabelText(reason);
    problemText->Wrap(GetClientSize().x - 20);
    Layout();
    return false;
  }
  reason.clear();
  problemText->SetLabelText(wxString());
  chosen = *read;
  return true;
}

wxString AxesDialog::problem() const { return reason; }

void AxesDialog::onOk(wxCommandEvent&) {
  if (accept()) EndModal(wxID_OK);
}

void AxesDialog::onFit(wxCommandEvent&) { EndModal(ID_FIT_TO_DATA); }
