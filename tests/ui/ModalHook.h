#pragma once
// Modal dialogs in GUI tests: a hook that turns missing or unexpected dialogs into
// test failures, and the usual answer to a message box.
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <string>

#include "ui/WxBridge.h"

// A missing or unexpected dialog fails the test; an unexpected one is dismissed
// instead of shown for real, which would block the run.
class GTestModalHook : public wxTestingModalHook {
 public:
  using wxTestingModalHook::wxTestingModalHook;

 protected:
  int Enter(wxDialog* dlg) override {
    const int rc = wxTestingModalHook::Enter(dlg);
    return rc == wxID_NONE ? wxID_CANCEL : rc;
  }
  void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg; }
};
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook

// A message box with exactly this caption and text (and icon, when given), answered with OK.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
 public:
  ExpectMessage(const std::string& title, const std::string& message, long icon = 0)
      : title(title), message(message), icon(icon) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetCaption()), title);
    EXPECT_EQ(toStd(dlg->GetMessage()), message);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxOK);
    if (icon) {
      EXPECT_TRUE(dlg->GetMessageDialogStyle() & icon);
    }
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return toWx("message \"" + title + "\""); }

 private:
  std::string title, message;
  long icon;
};

