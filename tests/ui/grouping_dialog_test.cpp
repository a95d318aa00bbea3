// The grouping dialog driven through its real controls and event table, shown
// modally under the test hook so that message boxes are answered and checked.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/testing.h>

#include <dlfcn.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/WxBridge.h"
#include "ui/stats/GroupingDialog.h"
#include "ModalHook.h"

// Runs a script on the dialog in place of the user; the script's result is
// what ShowModal returns.
template <>
class wxExpectModal<GroupingDialog> : public wxExpectModalBase<GroupingDialog> {
 public:
  explicit wxExpectModal(std::function<int(GroupingDialog*)> script) : script(std::move(script)) {}

 protected:
  int OnInvoked(GroupingDialog* dlg) const override {
    dlg->SetReturnCode(0);
    return script(dlg);
  }

 private:
  std::function<int(GroupingDialog*)> script;
};

namespace {

const char* const invalidCaption = "Invalid Entry";

// A message box with exactly this text, the caption "Invalid Entry" and the
// exclamation icon, answered with OK.
class ExpectInvalid : public wxExpectModalBase<wxMessageDialog, ExpectInvalid> {
 public:
  explicit ExpectInvalid(const wxString& message) : message(message) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetMessage()), toStd(message));
    EXPECT_EQ(toStd(dlg->GetCaption()), invalidCaption);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxICON_EXCLAMATION);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxOK);
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "message box \"" + message + "\""; }

 private:
  wxString message;
};

const wxString startMessage = "Please enter a valid number for start value.";
const wxString sizeMessage = "Please enter a valid positive number for group size value.";
const wxString countMessage = "Please enter a valid positive integer for the number of groups.";
const wxString typedCountMessage = "Please enter a valid positive integer.";

// Any dialog shown while this is alive fails the test instead of blocking it.
struct NoDialogs : GTestModalHook {
  NoDialogs() : GTestModalHook(__FILE__, __LINE__, "NoDialogs") {}
};

void press(GroupingDialog* dlg, int id) {
  wxWindow* button = dlg->FindWindow(id);
  ASSERT_NE(button, nullptr);
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(button);
  button->ProcessWindowEvent(click);
}

// What ShowModal gives back once a script has pressed a button; wxID_NONE
// (reported by the hook as a failure) while the dialog is still open.
int outcome(GroupingDialog* dlg) {
  return dlg->GetReturnCode() == 0 ? wxID_NONE : dlg->GetReturnCode();
}

// Types into the spin control's GTK entry as the keyboard would: GTK then
// emits its own "changed" signal, which wx turns into the text event.
void typeIntoSpin(wxSpinCtrl* spin, const char* text) {
  using SetText = void (*)(void*, const char*);
  static auto setText = reinterpret_cast<SetText>(dlsym(RTLD_DEFAULT, "gtk_entry_set_text"));
  ASSERT_NE(setText, nullptr);
  setText(spin->GetHandle(), text);
}

// One click of the spin control's up arrow, through GTK.
void spinUp(wxSpinCtrl* spin) {
  using Spin = void (*)(void*, int, double);
  static auto spinButton = reinterpret_cast<Spin>(dlsym(RTLD_DEFAULT, "gtk_spin_button_spin"));
  ASSERT_NE(spinButton, nullptr);
  const int stepForward = 0;  // GTK_SPIN_STEP_FORWARD
  spinButton(spin->GetHandle(), stepForward, 1.0);
}

std::string text(const wxTextCtrl* field) { return toStd(field->GetValue()); }
std::string range(GroupingDialog& dlg) { return toStd(dlg.rangeText()); }

}  // namespace

TEST(GroupingDialog, ConstructionShowsValuesAndRangeWithoutMessages) {
  struct Case {
    double start, size;
    int count;
    const char *startText, *sizeText;
    int spin;
    const char* preview;
  };
  const std::vector<Case> cases = {
      {0, 10, 5, "0", "10", 5, "0 - 50"},          // 0 + 5*10
      {0, 1, 10, "0", "1", 10, "0 - 10"},          // the description's defaults
      {2.5, 0.5, 4, "2.5", "0.5", 4, "2.5 - 4.5"},  // 2.5 + 4*0.5
      {0, 1, 0, "0", "1", 1, "0 - 1"},             // below the range: one group
      {10, 2, 500, "10", "2", 100, "10 - 210"},    // above it: 100 groups, 10 + 100*2
  };
  NoDialogs guard;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.preview);
    GroupingDialog dlg(nullptr, c.start, c.size, c.count);
    EXPECT_EQ(toStd(dlg.GetTitle()), "Grouping Details");
    EXPECT_EQ(text(dlg.startField()), c.startText);
    EXPECT_EQ(text(dlg.sizeField()), c.sizeText);
    EXPECT_EQ(dlg.countSpin()->GetValue(), c.spin);
    EXPECT_EQ(dlg.getGroupCount(), c.spin);
    EXPECT_EQ(range(dlg), c.preview);
    EXPECT_EQ(dlg.countSpin()->GetMin(), 1);
    EXPECT_EQ(dlg.countSpin()->GetMax(), 100);
  }
}

TEST(GroupingDialog, ControlsCarryTheEventTableIds) {
  NoDialogs guard;
  GroupingDialog dlg(nullptr, 0, 1, 10);
  EXPECT_EQ(dlg.startField()->GetId(), 3);
  EXPECT_EQ(dlg.sizeField()->GetId(), 1);
  EXPECT_EQ(dlg.countSpin()->GetId(), 2);
  auto* ok = dynamic_cast<wxButton*>(dlg.FindWindow(4));
  auto* cancel = dynamic_cast<wxButton*>(dlg.FindWindow(16));
  ASSERT_NE(ok, nullptr);
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(toStd(ok->GetLabelText()), "OK");
  EXPECT_EQ(toStd(cancel->GetLabelText()), "Cancel");
  EXPECT_EQ(dlg.GetDefaultItem(), ok);
}

TEST(GroupingDialog, PreviewFollowsOnlyValidTyping) {
  NoDialogs guard;
  GroupingDialog dlg(nullptr, 0, 10, 5);
  struct Step {
    wxTextCtrl* field;
    const char* typed;
    const char* preview;
  };
  const std::vector<Step> steps = {
      {dlg.startField(), "5", "5 - 55"},      // 5 + 5*10
      {dlg.sizeField(), "abc", "5 - 55"},     // not a number: unchanged
      {dlg.sizeField(), "0", "5 - 55"},       // size must be > 0
      {dlg.sizeField(), "-2", "5 - 55"},
      {dlg.sizeField(), "2", "5 - 15"},       // 5 + 5*2
      {dlg.startField(), "-1", "-1 - 9"},     // temperatures start below 0: -1 + 5*2
      {dlg.startField(), "3x", "-1 - 9"},     // only a whole-text number counts
      {dlg.startField(), "1e999", "-1 - 9"},  // overflow is no number
      {dlg.startField(), "0", "0 - 10"},      // 0 is a valid start: 0 + 5*2
      {dlg.startField(), " 1.5", "1.5 - 11.5"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.typed);
    s.field->SetValue(s.typed);
    EXPECT_EQ(range(dlg), s.preview);
  }
  // Typing changes nothing accepted.
  EXPECT_EQ(dlg.getStartValue(), 0);
  EXPECT_EQ(dlg.getGroupSize(), 10);
  EXPECT_EQ(dlg.getGroupCount(), 5);
}

TEST(GroupingDialog, SpinArrowsAndTypedCountUpdatePreview) {
  NoDialogs guard;
  GroupingDialog dlg(nullptr, 0, 10, 5);
  spinUp(dlg.countSpin());
  EXPECT_EQ(dlg.countSpin()->GetValue(), 6);
  EXPECT_EQ(range(dlg), "0 - 60");  // 0 + 6*10
  typeIntoSpin(dlg.countSpin(), "12");
  EXPECT_EQ(range(dlg), "0 - 120");
  typeIntoSpin(dlg.countSpin(), "");  // emptied mid-typing: no message, no change
  EXPECT_EQ(range(dlg), "0 - 120");
}

TEST(GroupingDialog, TypingANonPositiveCountWarnsAtOnce) {
  // The integer spin control refuses letters and points as they are typed,
  // so a minus sign and digits are all that can reach it.
  for (const char* typed : {"0", "-3", "00"}) {
    SCOPED_TRACE(typed);
    GroupingDialog dlg(nullptr, 0, 10, 5);
    wxTEST_DIALOG(typeIntoSpin(dlg.countSpin(), typed),
                  ExpectInvalid(typedCountMessage).Describe("typed count warning"));
    EXPECT_EQ(range(dlg), "0 - 50");
    EXPECT_EQ(dlg.getGroupCount(), 5);
  }
}

TEST(GroupingDialog, OkRejectsEachInvalidFieldInOrderAndStaysOpen) {
  struct Case {
    const char *start, *size, *count;
    wxString message;
  };
  const std::vector<Case> cases = {
      {"abc", "2", "3", startMessage},
      {"", "2", "3", startMessage},
      {"x", "abc", "0", startMessage},  // the start is checked first
      {"-1", "abc", "3", sizeMessage},  // a start below 0 is a start
      {"1", "abc", "3", sizeMessage},
      {"1", "0", "3", sizeMessage},
      {"1", "-4", "0", sizeMessage},  // the size before the count
      {"1", "2", "0", countMessage},
      {"1", "2", "", countMessage},  // emptied
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + "|" + c.size + "|" + c.count);
    GroupingDialog dlg(nullptr, 7, 3, 4);
    // A typed 0 is reported as soon as it is typed, and again by OK.
    if (std::string(c.count) == "0") {
      wxTEST_DIALOG(typeIntoSpin(dlg.countSpin(), c.count), ExpectInvalid(typedCountMessage));
    } else {
      typeIntoSpin(dlg.countSpin(), c.count);
    }
    int shown = 0;
    auto script = [&](GroupingDialog* d) {
      d->startField()->ChangeValue(c.start);
      d->sizeField()->ChangeValue(c.size);
      press(d, 4);
      EXPECT_EQ(d->GetReturnCode(), 0) << "dialog closed on invalid input";
      press(d, 16);
      return outcome(d);
    };
    wxTEST_DIALOG(shown = dlg.ShowModal(),
                  wxExpectModal<GroupingDialog>(script).Describe("grouping dialog"),
                  ExpectInvalid(c.message).Describe("OK rejection"));
    EXPECT_EQ(shown, wxID_CANCEL);
    EXPECT_EQ(dlg.getStartValue(), 7);
    EXPECT_EQ(dlg.getGroupSize(), 3);
    EXPECT_EQ(dlg.getGroupCount(), 4);
  }
}

TEST(GroupingDialog, OkAcceptsAfterAFailedTry) {
  GroupingDialog dlg(nullptr, 7, 3, 4);
  int shown = 0;
  auto script = [](GroupingDialog* d) {
    d->startField()->SetValue("-");
    press(d, 4);  // refused, stays open
    d->startField()->SetValue("0");
    d->sizeField()->SetValue("2.5");
    typeIntoSpin(d->countSpin(), "8");
    press(d, 4);
    return outcome(d);
  };
  wxTEST_DIALOG(shown = dlg.ShowModal(),
                wxExpectModal<GroupingDialog>(script).Describe("grouping dialog"),
                ExpectInvalid(startMessage).Describe("a lone minus sign"));
  EXPECT_EQ(shown, wxID_OK);
  EXPECT_EQ(dlg.getStartValue(), 0);
  EXPECT_EQ(dlg.getGroupSize(), 2.5);
  EXPECT_EQ(dlg.getGroupCount(), 8);
  EXPECT_EQ(range(dlg), "0 - 20");  // 0 + 8*2.5
}

TEST(GroupingDialog, CountAboveTheRangeIsTakenAsTheMaximum) {
  GroupingDialog dlg(nullptr, 0, 1, 10);
  auto script = [](GroupingDialog* d) {
    typeIntoSpin(d->countSpin(), "250");
    press(d, 4);
    return outcome(d);
  };
  wxTEST_DIALOG(dlg.ShowModal(), wxExpectModal<GroupingDialog>(script));
  EXPECT_EQ(dlg.getGroupCount(), 100);
}

TEST(GroupingDialog, CancelAndCloseKeepValuesAndEditedTexts) {
  for (bool viaCloseBox : {false, true}) {
    SCOPED_TRACE(viaCloseBox ? "close box" : "Cancel");
    GroupingDialog dlg(nullptr, 0, 10, 5);
    int shown = 0;
    auto script = [viaCloseBox](GroupingDialog* d) {
      d->startField()->SetValue("4");
      d->sizeField()->SetValue("abc");
      typeIntoSpin(d->countSpin(), "9");
      if (viaCloseBox)
        d->Close();
      else
        press(d, 16);
      return outcome(d);
    };
    wxTEST_DIALOG(shown = dlg.ShowModal(),
                  wxExpectModal<GroupingDialog>(script).Describe("grouping dialog"));
    EXPECT_EQ(shown, wxID_CANCEL);
    EXPECT_EQ(dlg.getStartValue(), 0);
    EXPECT_EQ(dlg.getGroupSize(), 10);
    EXPECT_EQ(dlg.getGroupCount(), 5);

    // The next showing starts from the edited texts: OK now reports the size.
    auto again = [](GroupingDialog* d) {
      EXPECT_EQ(text(d->startField()), "4");
      EXPECT_EQ(text(d->sizeField()), "abc");
      EXPECT_EQ(toStd(d->countSpin()->GetTextValue()), "9");
      EXPECT_EQ(range(*d), "4 - 94");  // pending 4 and 10, 9 groups: 4 + 9*10
      press(d, 4);
      press(d, 16);
      return outcome(d);
    };
    wxTEST_DIALOG(dlg.ShowModal(),
                  wxExpectModal<GroupingDialog>(again).Describe("second showing"),
                  ExpectInvalid(sizeMessage).Describe("size still invalid"));
  }
}

TEST(GroupingDialog, RefreshFieldsRewritesControlsFromSetValues) {
  GroupingDialog dlg(nullptr, 0, 10, 5);
  dlg.startField()->SetValue("33");
  dlg.sizeField()->SetValue("7");
  // A leftover 0 in the spin text that the refresh must not complain about.
  wxTEST_DIALOG(typeIntoSpin(dlg.countSpin(), "0"), ExpectInvalid(typedCountMessage));
  NoDialogs guard;

  dlg.setValues(2, 3, 4);
  EXPECT_EQ(text(dlg.startField()), "33") << "setValues alone leaves the controls";
  dlg.refreshFields();
  EXPECT_EQ(dlg.getStartValue(), 2);
  EXPECT_EQ(dlg.getGroupSize(), 3);
  EXPECT_EQ(dlg.getGroupCount(), 4);
  EXPECT_EQ(text(dlg.startField()), "2");
  EXPECT_EQ(text(dlg.sizeField()), "3");
  EXPECT_EQ(dlg.countSpin()->GetValue(), 4);
  EXPECT_EQ(toStd(dlg.countSpin()->GetTextValue()), "4");
  EXPECT_EQ(range(dlg), "2 - 14");  // 2 + 4*3

  // The abandoned edits (33, 7) are forgotten: the arrows preview from 2 and 3.
  spinUp(dlg.countSpin());
  EXPECT_EQ(range(dlg), "2 - 17");  // 2 + 5*3

  dlg.setValues(0, 1, 0);  // counts outside 1..100 are kept to the range
  dlg.refreshFields();
  EXPECT_EQ(dlg.getGroupCount(), 1);
  EXPECT_EQ(range(dlg), "0 - 1");
}

TEST(GroupingDialog, FitToDataOffersTheDataGroupingAndOkReturnsToFollowingIt) {
  NoDialogs guard;
  GroupingDialog dlg(nullptr, 0, 1, 10);
  dlg.startField();  // the controls are made when first needed
  wxWindow* fit = dlg.FindWindow(GroupingDialog::ID_FIT);
  ASSERT_NE(fit, nullptr);
  EXPECT_FALSE(fit->IsShown());  // nothing to fit to yet
  EXPECT_TRUE(dlg.followsData());
  // Temperatures -7..12: classes -10 / 5 / 5.
  dlg.setDataFit([] { return tally::Grouping{-10, 5, 5}; });
  EXPECT_TRUE(fit->IsShown());

  // The user's own grouping ends following the data.
  dlg.startField()->SetValue("0");
  press(&dlg, GroupingDialog::ID_OK);
  EXPECT_FALSE(dlg.followsData());
  // Fit to data fills the fields; the range preview keeps its end value.
  press(&dlg, GroupingDialog::ID_FIT);
  EXPECT_EQ(text(dlg.startField()), "-10");
  EXPECT_EQ(text(dlg.sizeField()), "5");
  EXPECT_EQ(range(dlg), "-10 - 15");
  EXPECT_FALSE(dlg.followsData()) << "only OK accepts";
  press(&dlg, GroupingDialog::ID_OK);
  EXPECT_TRUE(dlg.followsData());
  EXPECT_EQ(dlg.getStartValue(), -10);
  EXPECT_EQ(dlg.getGroupCount(), 5);
  // Editing after the fit is the user's grouping again.
  press(&dlg, GroupingDialog::ID_FIT);
  dlg.sizeField()->SetValue("2");
  press(&dlg, GroupingDialog::ID_OK);
  EXPECT_FALSE(dlg.followsData());
}

TEST(GroupingDialog, TheRangePreviewShowsItsWholeText) {
  NoDialogs guard;
  GroupingDialog dlg(nullptr, 0, 1, 10);
  dlg.startField()->SetValue("123.457");
  dlg.sizeField()->SetValue("123456");
  ASSERT_EQ(range(dlg), "123.457 - 1234683");  // 123.457 + 10 * 123456, every whole digit
  bool found = false;
  for (wxWindow* w : dlg.GetChildren()) {
    auto* label = wxDynamicCast(w, wxStaticText);
    if (!label || toStd(label->GetLabel()) != range(dlg)) continue;
    found = true;
    EXPECT_GE(label->GetSize().x, label->GetBestSize().x);
    EXPECT_LE(label->GetRect().GetRight(), dlg.GetClientSize().x);
  }
  EXPECT_TRUE(found);
}

// The controls are made when first needed, not with the dialog (the main window
// keeps two of these from its start-up on); values accepted before then are the
// ones they show, and the preview starts from them.
TEST(GroupingDialog, ValuesSetBeforeTheControlsExistAppearInThem) {
  GroupingDialog dlg(nullptr, 0, 10, 5);
  NoDialogs guard;
  EXPECT_EQ(dlg.GetChildren().GetCount(), 0u);
  dlg.setValues(2, 3, 4);
  dlg.refreshFields();
  EXPECT_EQ(text(dlg.startField()), "2");
  EXPECT_EQ(text(dlg.sizeField()), "3");
  EXPECT_EQ(dlg.countSpin()->GetValue(), 4);
  EXPECT_EQ(range(dlg), "2 - 14");  // 2 + 4*3
  spinUp(dlg.countSpin());
  EXPECT_EQ(range(dlg), "2 - 17");  // 2 + 5*3
}
