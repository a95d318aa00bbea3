#pragma once
// Shared by the GUI tests of the main window: the grouping dialog's answer and a
// driver that works the window through its real controls and events, as a user would.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ui/WxBridge.h"
#include "ui/app/MainFrame.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/stats/StatisticsPanel.h"
#include "ModalHook.h"

// Types a grouping into the dialog's fields and presses its OK button. Gives the
// dialog's return code: 0 when its own checks refused the entry.
inline int submitGrouping(GroupingDialog* dlg, const std::string& start, const std::string& size,
                          int count) {
  dlg->SetReturnCode(0);
  dlg->startField()->SetValue(toWx(start));
  dlg->sizeField()->SetValue(toWx(size));
  dlg->countSpin()->SetValue(count);
  wxWindow* ok = dlg->FindWindow(GroupingDialog::ID_OK);
  wxCommandEvent click(wxEVT_BUTTON, GroupingDialog::ID_OK);
  click.SetEventObject(ok);
  ok->ProcessWindowEvent(click);
  return dlg->GetReturnCode();
}

// Answers the grouping dialog through submitGrouping.
class AnswerGrouping : public wxExpectModalBase<GroupingDialog, AnswerGrouping> {
 public:
  AnswerGrouping(const std::string& start, const std::string& size, int count)
      : start(start), size(size), count(count) {}

 protected:
  int OnInvoked(GroupingDialog* dlg) const override {
    const int code = submitGrouping(dlg, start, size, count);
    return code == 0 ? wxID_NONE : code;
  }
  wxString GetDefaultDescription() const override { return "grouping dialog"; }

 private:
  std::string start, size;
  int count;
};

// Answers a text prompt (a set's name) with the given text and OK.
class AnswerText : public wxExpectModalBase<wxTextEntryDialog, AnswerText> {
 public:
  explicit AnswerText(std::string answer) : answer(std::move(answer)) {}

 protected:
  int OnInvoked(wxTextEntryDialog* dlg) const override {
    dlg->SetValue(toWx(answer));
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "text prompt"; }

 private:
  std::string answer;
};

// A view holds what the window handed it last: the series' points and bar width.
inline void expectHanded(const tally::Series* held, const tally::Series& handed) {
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->segments, handed.segments);
  EXPECT_EQ(held->columnWidth, handed.columnWidth);
}

// A cell of the first column as the grid draws it (its merged attribute and its
// renderer), into a picture of `size`.
inline wxImage drawnCell(wxGrid* grid, int row, const wxSize& size) {
  wxBitmap bitmap(size.x, size.y, 24);
  wxMemoryDC dc(bitmap);
  dc.SetFont(grid->GetDefaultCellFont());
  wxGridCellAttr* attr = grid->GetOrCreateCellAttr(row, 0);
  wxGridCellRenderer* renderer = grid->GetCellRenderer(row, 0);
  renderer->Draw(*grid, *attr, dc, wxRect(size), row, 0, false);
  renderer->DecRef();
  attr->DecRef();
  dc.SelectObject(wxNullBitmap);
  return bitmap.ConvertToImage();
}

// A shown main window (with no description file unless one is given), worked
// through real events. Any dialog a test does not expect fails it.
class MainFrameDriver {
 public:
  explicit MainFrameDriver(const wxString& descriptionFile = wxString())
      : frame(new MainFrame(nullptr, wxID_ANY, descriptionFile)) {
    // The toolkit's selector would wait for a person; a test that needs a file sets its own.
    frame->fileSelector = [](auto&&...) {
      ADD_FAILURE() << "unexpected file selector";
      return wxString();
    };
    frame->Show();
  }
  ~MainFrameDriver() {
    frame->Destroy();
    wxTheApp->ProcessPendingEvents();
  }
  MainFrameDriver(const MainFrameDriver&) = delete;
  MainFrameDriver& operator=(const MainFrameDriver&) = delete;

  // Types into a cell and presses Enter: the grid reports the change.
  void type(int row, int col, const std::string& text) {
    VardenGrid* grid = frame->grid;
    grid->SetCellValue(row, col, toWx(text));
    wxGridEvent changed(grid->GetId(), wxEVT_GRID_CELL_CHANGED, grid, row, col);
    grid->GetEventHandler()->ProcessEvent(changed);
  }
  void typeValues(const std::vector<std::string>& values) {
    for (size_t r = 0; r < values.size(); ++r) type(static_cast<int>(r), 0, values[r]);
  }
  // Pastes at the top left, then queues the one change a paste command queues
  // (no event object, row and column -1) and lets it arrive.
  void paste(const std::string& text) {
    frame->grid->SetGridCursor(0, 0);
    frame->grid->pasteText(toWx(text));
    wxGridEvent changed(0, wxEVT_GRID_CELL_CHANGED, nullptr, -1, -1, -1, -1);
    wxPostEvent(frame->grid->GetEventHandler(), changed);
    wxTheApp->ProcessPendingEvents();
  }
  // What Load Data does with a file's text: empty the grid (only the frequency
  // column under the read-only class labels), paste from the top left, re-read.
  void loadText(const std::string& text) {
    VardenGrid* grid = frame->grid;
    const bool classes = frame->shownType() == tally::AlreadyGroupedContinuous;
    for (int r = 0; r < grid->GetNumberRows(); ++r)
      for (int c = classes ? 1 : 0; c < grid->GetNumberCols(); ++c)
        grid->SetCellValue(r, c, wxString());
    grid->SetGridCursor(0, 0);
    grid->pasteText(toWx(text));
    frame->extractGridData();
  }
  void chooseType(int t) {
    frame->dataTypeChoice->SetSelection(t);
    wxCommandEvent chosen(wxEVT_CHOICE, ID_DATA_TYPE);
    chosen.SetInt(t);
    chosen.SetEventObject(frame->dataTypeChoice);
    frame->dataTypeChoice->GetEventHandler()->ProcessEvent(chosen);
  }
  void selectSet(int s) {
    wxRadioButton* radio = s == 0 ? frame->set1Radio : frame->set2Radio;
    radio->SetValue(true);
    wxCommandEvent picked(wxEVT_RADIOBUTTON, radio->GetId());
    picked.SetEventObject(radio);
    radio->GetEventHandler()->ProcessEvent(picked);
  }
  // Set 1 and Set 2 loaded from data-file texts; Set 1 shown again after.
  void fillSets(const std::string& set1, const std::string& set2) {
    selectSet(0);
    loadText(set1);
    selectSet(1);
    loadText(set2);
    selectSet(0);
  }
  // The window as the X server shows it, saved as NAME.png in TALLYSCOPE_SHOT_DIR
  // when that is set (the README's pictures); the toolkit cannot read back what
  // it drew on GTK 3.
  void saveWindowShot(const std::string& name) {
    const char* dir = std::getenv("TALLYSCOPE_SHOT_DIR");
    if (!dir) return;
    for (int i = 0; i < 40; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(25);
    }
    const wxRect r = frame->GetScreenRect();
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s/%s.png", r.width,
                         r.height, r.x, r.y, wxString::FromUTF8(dir), toWx(name));
    EXPECT_EQ(wxExecute(command, wxEXEC_SYNC), 0) << command;
  }
  void click(wxWindow* button) {
    wxCommandEvent pressed(wxEVT_BUTTON, button->GetId());
    pressed.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(pressed);
  }
  // Sets a set's "p" spin control as its arrows would.
  void spin(int s, int p) {
    wxSpinCtrl* control = frame->statistics->percentileSpin(s);
    control->SetValue(p);
    wxSpinEvent spun(wxEVT_SPINCTRL, control->GetId());
    spun.SetEventObject(control);
    spun.SetPosition(p);
    control->GetEventHandler()->ProcessEvent(spun);
  }
  // Names a set through its Name... button, as the user would.
  void rename(int s, const std::string& name) {
    wxWindow* button = frame->FindWindow(s == 0 ? ID_NAME_SET1 : ID_NAME_SET2);
    wxTEST_DIALOG(click(button), AnswerText(name));
  }
  std::string cell(int row, int col) const { return toStd(frame->grid->GetCellValue(row, col)); }

  // Real input through the X server: the toolkit and GTK get exactly what a
  // keyboard and a mouse would give them, focus changes included.
  void settle(int rounds = 3) {
    for (int i = 0; i < rounds; ++i) {
      wxTheApp->ProcessPendingEvents();
      wxYield();
      wxMilliSleep(5);
    }
  }
  // Lets the toolkit handle what the X server has queued for `ms` milliseconds.
  void wait(long ms) {
    wxStopWatch watch;
    while (watch.Time() < ms) settle(1);
  }
  // A click changes the focus, which GTK reports a little later; typing before
  // then would go to the window that is losing it.
  void clickAt(const wxPoint& screen) {
    input.MouseMove(screen);
    wait(30);
    input.MouseClick();
    wait(150);
  }
  void clickCell(int row, int col) {
    VardenGrid* grid = frame->grid;
    grid->MakeCellVisible(row, col);
    settle();
    const wxRect r = grid->CellToRect(row, col);
    const wxPoint inside = grid->CalcScrolledPosition(r.GetPosition()) + wxPoint(6, r.height / 2);
    clickAt(grid->GetGridWindow()->ClientToScreen(inside));
  }
  void clickOn(wxWindow* control) {
    const wxRect r = control->GetScreenRect();
    clickAt(wxPoint(r.x + std::min(10, r.width / 2), r.y + r.height / 2));
  }
  // Types the text; "\n" is Enter, "\t" is Tab, "{down}" and "{up}" the arrows.
  void keys(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (text.compare(i, 6, "{down}") == 0) {
        press(WXK_DOWN);
        i += 5;
      } else if (text.compare(i, 4, "{up}") == 0) {
        press(WXK_UP);
        i += 3;
      } else if (c == '\n') {
        press(WXK_RETURN);
      } else if (c == '\t') {
        press(WXK_TAB);
      } else {
        input.Char(c);
        settle(1);
      }
    }
    settle();
  }
  void press(int key, int modifiers = wxMOD_NONE) {
    input.Char(key, modifiers);
    settle(4);
  }
  std::vector<tally::FrequencyPair> pairs(int set) const { return frame->analysis().set(set).pairs; }
  const tally::Series& series(int index) const { return frame->shownSeries(index); }
  static std::string text(const wxStaticText* label) { return toStd(label->GetLabel()); }

  MainFrame* frame;

 private:
  GTestModalHook guard{__FILE__, __LINE__, "MainFrameDriver"};
  wxUIActionSimulator input;
};
