#include "ui/views/FrequencyTablePage.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "core/NumberText.h"
#include "core/lesson/FrequencyTable.h"
#include "core/model/AnalysisModel.h"
#include "ui/WxBridge.h"
#include "ui/stats/StatisticsPanel.h"

namespace {

tally::FrequencyTableRows rowsOf(const tally::AnalysisModel& model, int set) {
  return tally::buildFrequencyTable(model.set(set), model.result().sets[set], model.inputs());
}

}  // namespace

FrequencyTablePage::FrequencyTablePage(wxNotebook* book, const tally::AnalysisModel& model)
    : LessonPage(book, model) {}

void FrequencyTablePage::makeControls() {
  copy = new wxButton(this, wxID_ANY, _("C&opy"));
  copy->SetToolTip(_("Copy both tables as TAB-separated text, for a spreadsheet"));
  copy->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { copyToClipboard(toWx(copyText())); });
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  for (int s = 0; s < 2; ++s) {
    names[s] = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    names[s]->SetFont(boldFont(9));
    tables[s] = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                               wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    tables[s]->SetMinSize(wxSize(120, 100));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(names[s], 0, wxEXPAND | wxBOTTOM, 4);
    column->Add(tables[s], 1, wxEXPAND);
    columns->Add(column, 1, wxEXPAND | wxALL, 5);
  }
  auto* page = new wxBoxSizer(wxVERTICAL);
  page->Add(copy, 0, wxALIGN_RIGHT | wxRIGHT | wxTOP, 5);
  page->Add(columns, 1, wxEXPAND);
  SetSizer(page);
}

std::string FrequencyTablePage::copyText() const {
  const std::string setNames[2] = {model.setName(0), model.setName(1)};
  const tally::FrequencyTableRows rows[2] = {rowsOf(model, 0), rowsOf(model, 1)};
  return tally::frequencyTablesText(setNames, rows);
}

void FrequencyTablePage::build() {
  for (int s = 0; s < 2; ++s) {
    names[s]->SetLabelText(toWx(model.setName(s)));
    const tally::FrequencyTableRows rows = rowsOf(model, s);
    wxListCtrl* list = tables[s];
    list->Freeze();
    list->ClearAll();
    list->AppendColumn(rows.classes ? _("Class") : _("Value"));
    // Short headings, so that both tables fit side by side at the opening size; the
    // copy has them whole.
    list->AppendColumn(_("Freq."), wxLIST_FORMAT_RIGHT);
    list->AppendColumn(_("Rel. %"), wxLIST_FORMAT_RIGHT);
    list->AppendColumn(_("Cum. freq."), wxLIST_FORMAT_RIGHT);
    list->AppendColumn(_("Cum. %"), wxLIST_FORMAT_RIGHT);
    long item = 0;
    for (const tally::FrequencyRow& row : rows.rows) {
      const wxString label =
          row.outside ? wxGetTranslation(tally::kOutsideClassesLabel) : toWx(row.label);
      list->InsertItem(item, label);
      list->SetItem(item, 1, toWx(tally::valueText(row.frequency)));
      list->SetItem(item, 2, toWx(tally::percentageText(row.relativePercent)));
      list->SetItem(item, 3, toWx(tally::valueText(row.cumulative)));
      list->SetItem(item, 4, toWx(tally::percentageText(row.cumulativePercent)));
      // What no class holds stands apart, in the colour of the lines that name it.
      if (row.outside) list->SetItemTextColour(item, wxColour(170, 0, 0));
      ++item;
    }
    // Each column as wide as its widest text and a little room: the toolkit's own
    // sizing leaves wide margins, and both tables should fit side by side.
    const int room = list->GetTextExtent("00").x;
    wxListItem header;
    header.SetMask(wxLIST_MASK_TEXT);
    for (int c = 0; c < list->GetColumnCount(); ++c) {
      list->GetColumn(c, header);
      int widest = list->GetTextExtent(header.GetText()).x;
      for (long r = 0; r < list->GetItemCount(); ++r)
        widest = std::max(widest, list->GetTextExtent(list->GetItemText(r, c)).x);
      list->SetColumnWidth(c, widest + room);
    }
    list->Thaw();
  }
}
