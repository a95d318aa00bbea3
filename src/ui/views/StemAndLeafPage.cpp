#include "ui/views/StemAndLeafPage.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "core/lesson/StemAndLeaf.h"
#include "core/model/AnalysisModel.h"
#include "ui/WxBridge.h"

StemAndLeafPage::StemAndLeafPage(wxNotebook* book, const tally::AnalysisModel& model)
    : LessonPage(book, model) {}

void StemAndLeafPage::makeControls() {
  split = new wxCheckBox(this, wxID_ANY, _("Spli&t stems"));
  split->SetToolTip(_("Each stem on two lines: leaves 0 to 4, then 5 to 9"));
  copy = new wxButton(this, wxID_ANY, _("C&opy"));
  text = lessonText(this);
  // The check box changes this view only: the plot is built again at once.
  split->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { build(); });
  copy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { copyToClipboard(text->GetValue()); });
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(split, 0, wxALIGN_CENTER_VERTICAL);
  row->AddStretchSpacer();
  row->Add(copy, 0, wxALIGN_CENTER_VERTICAL);
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(row, 0, wxEXPAND | wxALL, 5);
  page->Add(text, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);
  SetSizer(page);
}

std::string StemAndLeafPage::plotTextNow() const {
  if (model.type() == tally::AlreadyGroupedContinuous)
    return std::string(
        _("Already grouped data keep only their classes: a stem-and-leaf plot needs the "
          "values themselves.")
            .utf8_str());
  // Only the sets that show statistics, as everywhere else.
  const tally::DataSet empty;
  const tally::DataSet* sets[2];
  for (int s = 0; s < 2; ++s)
    sets[s] = model.result().sets[s].hasStatistics ? &model.set(s) : &empty;
  // Before the page's controls exist the box is unticked.
  const tally::StemAndLeafPlot plot =
      tally::buildStemAndLeaf(sets[0], sets[1], split && split->GetValue());
  if (plot.empty())
    return std::string(_("No set shows statistics yet: at least three different values are "
                         "needed.").utf8_str());
  std::string shown =
      tally::backToBackText(plot, model.setName(0), model.setName(1), tally::kMaxLeavesShown);
  for (int s = 0; s < 2; ++s)
    if (tally::observationCount(*sets[s]) > tally::kMaxLeavesShown) {
      shown += std::string(wxString::Format(_("(N): %s has more than %d values; each stem "
                                              "shows how many leaves it holds."),
                                            toWx(model.setName(s)),
                                            static_cast<int>(tally::kMaxLeavesShown))
                               .utf8_str()) +
               "\n";
    }
  return shown;
}

void StemAndLeafPage::build() { text->ChangeValue(toWx(plotTextNow())); }
