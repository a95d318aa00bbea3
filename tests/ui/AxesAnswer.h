#pragma once
// Answers the "Axes..." dialog in GUI tests.
#include <gtest/gtest.h>
#include <wx/testing.h>

#include <string>
#include <utility>

#include "ui/WxBridge.h"
#include "ui/graph/AxesDialog.h"

// Types From, To and Tick unit into the dialog and presses OK (or "Fit to data").
// Records what the dialog offered first and the reason it gave, if any.
struct AxesAnswer {
  AxesAnswer() = default;
  AxesAnswer(std::string from, std::string to, std::string unit)
      : from(std::move(from)), to(std::move(to)), unit(std::move(unit)) {}
  std::string from, to, unit;
  bool fit = false;
  // Filled when the dialog is answered.
  mutable std::string offeredFrom, offeredTo, offeredUnit, problem;
};

class AnswerAxes : public wxExpectModalBase<AxesDialog, AnswerAxes> {
 public:
  explicit AnswerAxes(const AxesAnswer& answer) : answer(answer) {}

 protected:
  int OnInvoked(AxesDialog* dlg) const override {
    answer.offeredFrom = toStd(dlg->fromText->GetValue());
    answer.offeredTo = toStd(dlg->toText->GetValue());
    answer.offeredUnit = toStd(dlg->unitText->GetValue());
    if (answer.fit) return AxesDialog::ID_FIT_TO_DATA;
    dlg->setTexts(toWx(answer.from), toWx(answer.to), toWx(answer.unit));
    const bool accepted = dlg->accept();
    answer.problem = toStd(dlg->problem());
    return accepted ? wxID_OK : wxID_CANCEL;
  }
  wxString GetDefaultDescription() const override { return "axes dialog"; }

 private:
  const AxesAnswer& answer;
};
