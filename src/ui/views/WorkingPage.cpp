#include "ui/views/WorkingPage.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/lesson/Working.h"
#include "core/model/AnalysisModel.h"
#include "ui/WxBridge.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/WorkingPrintout.h"

WorkingPage::WorkingPage(wxNotebook* book, const tally::AnalysisModel& model, int decimalsId)
    : LessonPage(book, model), decimalsId(decimalsId) {}

void WorkingPage::makeControls() {
  const wxString places[] = {_("Auto"), "0", "1", "2", "3", "4", "5", "6"};
  decimals = new wxChoice(this, decimalsId, wxDefaultPosition, wxDefaultSize, WXSIZEOF(places),
                          places);
  decimals->SetSelection(StatisticsPanel::decimalsItem(tally::kAutoDecimals));
  decimals->SetToolTip(_("Places of the computed statistics, as on the Statistics page"));
  copy = new wxButton(this, wxID_ANY, _("C&opy"));
  print = new wxButton(this, wxID_ANY, _("Print Wor&king"));
  print->SetToolTip(_("Print the working on pages of its own"));
  text = lessonText(this);
  copy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { copyToClipboard(toWx(copyText())); });
  print->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (!printer) return;
    std::vector<wxString> lines;
    for (const std::string& line : shownLines()) lines.push_back(toWx(line));
    WorkingPrintout printout(_("Tallyscope working"), std::move(lines));
    printer(printout);
  });
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(boldCaption(this, _("Decimals:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(decimals, 0, wxALIGN_CENTER_VERTICAL);
  row->AddStretchSpacer();
  row->Add(copy, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  row->Add(print, 0, wxALIGN_CENTER_VERTICAL);
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(row, 0, wxEXPAND | wxALL, 5);
  page->Add(text, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);
  SetSizer(page);
}

std::vector<std::string> WorkingPage::steps() const {
  const int s = model.shownSet();
  std::vector<std::string> lines =
      tally::setWorking(model.set(s), model.result().sets[s], model.inputs(), s);
  if (lines.empty())
    lines.push_back(std::string(
        _("No data yet: enter at least three different values to see how each statistic is "
          "found.")
            .utf8_str()));
  return lines;
}

std::string WorkingPage::copyText() const {
  return tally::workingText(model.setName(model.shownSet()), steps());
}

std::vector<std::string> WorkingPage::shownLines() const {
  std::vector<std::string> lines = tally::alignedLines(steps());
  lines.insert(lines.begin(), model.setName(model.shownSet()));
  return lines;
}

void WorkingPage::build() {
  const int item = StatisticsPanel::decimalsItem(model.decimals());
  if (decimals->GetSelection() != item) decimals->SetSelection(item);
  wxString shown;
  for (const std::string& line : shownLines()) shown += toWx(line) + "\n";
  text->ChangeValue(shown);
}
