// Building the main window: the data side, the three pages and the graph views.
#include <algorithm>
#include <memory>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "ui/app/MainFrame.h"
#include "ui/grid/VardenGrid.h"
#include "ui/resources/Resources.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/FrequencyTablePage.h"
#include "ui/views/PercentileGraphView.h"
#include "ui/views/StemAndLeafPage.h"
#include "ui/views/WorkingPage.h"

namespace {

wxStaticBoxSizer* boxSizer(wxWindow* parent, const wxString& title) {
  auto* box = new wxStaticBox(parent, wxID_ANY, title);
  giveBoldTitle(box, 8);
  return new wxStaticBoxSizer(box, wxVERTICAL);
}

void fitPanel(wxPanel* panel, wxSizer* sizer) {
  panel->SetAutoLayout(true);
  panel->SetSizer(sizer);
  sizer->SetSizeHints(panel);
}

wxChoice* typeChoice(wxWindow* parent) {
  wxArrayString typeNames;
  typeNames.Add(_("Ungrouped Discrete"));
  typeNames.Add(_("Ungrouped Continuous"));
  typeNames.Add(_("Grouped Discrete"));
  typeNames.Add(_("Grouped Continuous"));
  typeNames.Add(_("Already Grouped Continuous"));
  // GTK draws a choice at least 34 pixels high; a fixed 20 would cut its text off.
  auto* choice = new wxChoice(parent, ID_DATA_TYPE, wxDefaultPosition, wxSize(130, -1), typeNames);
  // At 130 pixels GTK's arrow leaves room for only "Ungrouped ..."; a student
  // must be able to read which type is in force, so it may grow to its longest entry.
  choice->SetMinSize(wxSize(std::max(130, choice->GetBestSize().GetWidth()), -1));
  choice->SetSelection(tally::UngroupedDiscrete);
  return choice;
}

// The instructions go into the text's buffer directly. wx's own way places the
// cursor at the start, and the text view answers that by laying the paragraph out
// for a width it does not have yet, laid out again once the window is placed: some
// 14 million instructions at start-up. The cursor goes to the start instead when
// the text first takes the focus, where a reader or the keys take it up.
void setInstructions(wxTextCtrl* text, const wxString& instructions) {
#ifdef __WXGTK__
  GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(text->GetConnectWidget()));
  if (buffer) {
    // A text set at building is no user's edit.
    wxEventBlocker quiet(text, wxEVT_TEXT);
    const wxScopedCharBuffer utf8 = instructions.utf8_str();
    gtk_text_buffer_set_text(buffer, utf8.data(), static_cast<int>(utf8.length()));
    auto placed = std::make_shared<bool>(false);
    text->Bind(wxEVT_SET_FOCUS, [text, placed](wxFocusEvent& event) {
      event.Skip();
      if (*placed) return;
      *placed = true;
      text->SetInsertionPoint(0);
    });
    return;
  }
#endif
  text->ChangeValue(instructions);
}

VardenGrid* dataGrid(wxWindow* parent) {
  auto* grid = new VardenGrid(parent, wxID_ANY, wxDefaultPosition, wxSize(180, 200), wxWANTS_CHARS);
  grid->createTable(15, 2, wxGrid::wxGridSelectCells);
  grid->SetRowLabelSize(1);
  grid->SetColMinimalAcceptableWidth(0);
  grid->DisableDragColSize();
  grid->DisableDragRowSize();
  grid->DisableDragGridSize();
  grid->SetColLabelValue(0, _("Value"));
  grid->SetColLabelValue(1, _("Frequency"));
  return grid;
}

}  // namespace

// The instructions with the buttons, the grid with its set and type controls, and
// the notebook; returns the main panel's sizer.
wxSizer* MainFrame::buildDataSide(wxPanel* mainPanel, wxNotebook*& pages) {
  wxStaticBoxSizer* detailsSizer = boxSizer(mainPanel, _("Data Details"));
  wxStaticBoxSizer* entrySizer = boxSizer(mainPanel, _("Data Entry"));
  wxStaticBoxSizer* instructionsSizer = boxSizer(mainPanel, _("Instructions"));

  instructionsText = new wxTextCtrl(mainPanel, wxID_ANY, wxString(), wxDefaultPosition,
                                    wxSize(-1, 48),
                                    wxTE_MULTILINE | wxTE_READONLY | wxNO_BORDER | wxVSCROLL);
  setInstructions(
      instructionsText,
      _("Enter data in the table below (click the cell to be edited, type the new value and "
        "press tab or enter to update the analysis). The arrow keys can also be used to "
        "traverse the cells. At least three values are required for the statistics, graphs "
        "& box plots to be displayed."));
  instructionsText->SetFont(
      wxFont(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
  instructionsText->SetBackgroundColour(mainPanel->GetBackgroundColour());
  instructionsSizer->Add(instructionsText, 0, wxEXPAND | wxALL, 5);
  auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
  buttonRow->Add(180, 20, 10);
  const std::pair<int, wxString> buttons[] = {
      {ID_CLEAR_DATA, _("Clear &Data")}, {ID_PRINT, _("&Print")},
      {ID_PREVIEW, _("P&review")},       {ID_AUTO_DATA, _("&Auto Data")},
      {ID_LOAD_DATA, _("&Load Data")},   {ID_SAVE_DATA, _("&Save Data")}};
  for (const auto& [id, text] : buttons)
    buttonRow->Add(new wxButton(mainPanel, id, text), 0, wxALL, 2);
  buttonRow->Add(5, 20, 1);
  instructionsSizer->Add(buttonRow);

  grid = dataGrid(mainPanel);
  auto* radioPanel = new wxPanel(mainPanel, wxID_ANY);
  set1Radio = new wxRadioButton(radioPanel, ID_SET1_RADIO, _("Set &1"), wxDefaultPosition,
                                wxSize(60, 20), wxRB_GROUP);
  set2Radio = new wxRadioButton(radioPanel, ID_SET2_RADIO, _("Set &2"), wxDefaultPosition,
                                wxSize(60, 20));
  for (wxRadioButton* radio : {set1Radio, set2Radio}) giveBoldFont(radio);
  set1Radio->SetValue(true);
  auto* separator = new wxStaticLine(mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxLI_HORIZONTAL);
  auto* picture = new wxStaticBitmap(mainPanel, wxID_ANY, columnBitmap());
  dataTypeChoice = typeChoice(mainPanel);
  groupingDetailsButton = new wxButton(mainPanel, ID_GROUPING_DETAILS, _("&Grouping Details"));

  pages = new wxNotebook(mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM);
  notebook = pages;
  buildPages();

  auto* radioSizer = new wxBoxSizer(wxHORIZONTAL);
  radioSizer->Add(set1Radio, 0, wxALIGN_CENTER_VERTICAL);
  radioSizer->Add(set2Radio, 0, wxALL, 8);
  fitPanel(radioPanel, radioSizer);

  entrySizer->Add(grid, 1, wxEXPAND | wxALL, 4);
  entrySizer->Add(radioPanel, 0, wxALIGN_CENTER_HORIZONTAL);
  entrySizer->Add(separator, 0, wxEXPAND);
  auto* typeRow = new wxBoxSizer(wxHORIZONTAL);
  typeRow->Add(picture, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
  auto* typeColumn = new wxBoxSizer(wxVERTICAL);
  typeColumn->Add(dataTypeChoice, 0, wxALIGN_CENTER_HORIZONTAL);
  typeColumn->Add(groupingDetailsButton, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 3);
  typeRow->Add(typeColumn, 0, wxTOP, 4);
  entrySizer->Add(typeRow);

  detailsSizer->Add(notebook, 1, wxEXPAND);

  auto* panelSizer = new wxBoxSizer(wxVERTICAL);
  panelSizer->Add(instructionsSizer, 0, wxEXPAND | wxALL, 3);
  auto* lowerRow = new wxBoxSizer(wxHORIZONTAL);
  lowerRow->Add(entrySizer, 0, wxEXPAND | wxALL, 3);
  lowerRow->Add(detailsSizer, 2, wxEXPAND | wxALL, 3);
  panelSizer->Add(lowerRow, 1, wxEXPAND);
  return panelSizer;
}

void MainFrame::buildPages() {
  const int nameIds[2] = {ID_NAME_SET1, ID_NAME_SET2};
  const int cycleIds[2] = {ID_CYCLE_SET1, ID_CYCLE_SET2};
  const int percentileIds[2] = {ID_PERCENTILE_SET1, ID_PERCENTILE_SET2};
  statistics = new StatisticsPanel(notebook, nameIds, cycleIds, percentileIds, ID_DECIMALS);
  columnGraphPage = new wxPanel(notebook, wxID_ANY);
  boxPage = new wxPanel(notebook, wxID_ANY);
  columnWidthButton = new wxButton(columnGraphPage, ID_COLUMN_WIDTH, _("Col &Width..."),
                                   wxDefaultPosition, wxSize(80, 20));
  giveBoldFont(columnWidthButton);
  createGraphViews();
  buildGraphChoices();
  buildColumnPage();
  buildBoxPage();
  buildDotPlotPage();
  notebook->AddPage(statistics, _("Statistics"), true);
  notebook->AddPage(columnGraphPage, _("Column Graph"));
  notebook->AddPage(boxPage, _("Box && Whisker"));
  notebook->AddPage(dotPlotPage, _("Dot Plot"));
  buildLessonPages();
}

void MainFrame::buildLessonPages() {
  frequencyTablePage = new FrequencyTablePage(notebook, model);
  stemAndLeafPage = new StemAndLeafPage(notebook, model);
  workingPage = new WorkingPage(notebook, model, ID_DECIMALS);
  workingPage->printer = [this](wxPrintout& printout) { printPrintout(this, printout); };
  notebook->AddPage(frequencyTablePage, _("Frequency Table"));
  notebook->AddPage(stemAndLeafPage, _("Stem-and-leaf"));
  notebook->AddPage(workingPage, _("Working"));
}

void MainFrame::buildColumnPage() {
  auto* columnPageSizer = new wxBoxSizer(wxVERTICAL);
  auto* columnControls = new wxBoxSizer(wxHORIZONTAL);
  columnControls->Add(frequencyChoice, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
  columnControls->Add(makeAxesButton(columnGraphPage, tally::kColumnAxis), 0,
                      wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
  columnControls->Add(columnWidthButton, 0, wxALIGN_CENTER_VERTICAL);
  columnPageSizer->Add(columnControls, 0, wxALIGN_RIGHT | wxRIGHT, 5);
  auto* columnGraphs = new wxBoxSizer(wxHORIZONTAL);
  ColumnGraphView* graphs[2] = {set1Graph, set2Graph};
  for (int s = 0; s < 2; ++s) {
    // Each graph with the line naming the values it leaves out under it.
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(graphs[s], 1, wxEXPAND | wxTOP | wxBOTTOM | (s == 0 ? wxLEFT : wxRIGHT), 5);
    columnOutside[s] = new wxStaticText(columnGraphPage, wxID_ANY, wxString(), wxDefaultPosition,
                                        wxDefaultSize,
                                        wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    // One line whatever its text: the two graphs keep equal widths and the window its size.
    columnOutside[s]->SetMinSize(wxSize(10, columnOutside[s]->GetCharHeight() + 4));
    columnOutside[s]->SetForegroundColour(wxColour(170, 0, 0));
    column->Add(columnOutside[s], 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);
    columnOutside[s]->Hide();
    columnGraphs->Add(column, 1, wxEXPAND);
  }
  columnPageSizer->Add(columnGraphs, 1, wxEXPAND);
  fitPanel(columnGraphPage, columnPageSizer);
}

// The "Box && Whisker" page: box plot, or the ogive with its slider.
void MainFrame::buildBoxPage() {
  percentileSlider = new wxSlider(boxPage, ID_PERCENTILE_SLIDER, 50, 0, 100, wxDefaultPosition,
                                  wxDefaultSize, wxSL_VERTICAL | wxSL_AUTOTICKS | wxSL_RIGHT);
  percentileSlider->SetTickFreq(5);
  percentageText = new wxTextCtrl(boxPage, wxID_ANY, _("50%"), wxDefaultPosition,
                                  wxSize(40, -1), wxTE_READONLY);
  // GTK's entry frame takes most of 40 pixels; make room for the widest text, "100%".
  percentageText->SetMinSize(wxSize(
      std::max(40, percentageText->GetSizeFromTextSize(percentageText->GetTextExtent("100%").x)
                       .GetWidth()),
      -1));
  auto* set1PercentileCaption = boldCaption(boxPage, _("Percentiles Set 1:"));
  auto* set2PercentileCaption = boldCaption(boxPage, _("Set 2:"));
  wxStaticText* readOut[2] = {statistics->makeSliderLabel(0, boxPage),
                              statistics->makeSliderLabel(1, boxPage)};

  boxPageSizer = new wxBoxSizer(wxVERTICAL);
  boxPlotSizer = new wxBoxSizer(wxVERTICAL);
  auto* boxControls = new wxBoxSizer(wxHORIZONTAL);
  boxControls->Add(showValuesCheck, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
  boxControls->Add(makeAxesButton(boxPage, tally::kBoxAxis), 0, wxALIGN_CENTER_VERTICAL);
  boxPlotSizer->Add(boxControls, 0, wxALIGN_RIGHT | wxRIGHT | wxTOP, 5);
  boxPlotSizer->Add(boxPlot, 1, wxEXPAND | wxALL, 5);
  percentileSizer = new wxBoxSizer(wxVERTICAL);
  auto* ogiveRow = new wxBoxSizer(wxHORIZONTAL);
  // The spacers above and below the slider line its ends up with the graph's
  // 100% and 0% (alignPercentileSlider).
  auto* sliderColumn = new wxBoxSizer(wxVERTICAL);
  sliderTopSpace = sliderColumn->Add(0, 0);
  sliderColumn->Add(percentileSlider, 1, wxEXPAND);
  sliderBottomSpace = sliderColumn->Add(0, 0);
  ogiveRow->Add(sliderColumn, 0, wxEXPAND);
  ogiveRow->Add(percentileGraph, 1, wxEXPAND | wxALL, 5);
  percentileSizer->Add(ogiveRow, 1, wxEXPAND | wxALL, 5);
  auto* readOutRow = new wxBoxSizer(wxHORIZONTAL);
  readOutRow->Add(percentageText, 0, wxRIGHT, 5);
  readOutRow->Add(set1PercentileCaption, 0, wxALL, 5);
  readOutRow->Add(readOut[0], 0, wxALL, 5);
  readOutRow->Add(set2PercentileCaption, 0, wxALL, 5);
  readOutRow->Add(readOut[1], 0, wxALL, 5);
  readOutRow->Add(makeAxesButton(boxPage, tally::kOgiveAxis), 0, wxLEFT, 15);
  percentileSizer->Add(readOutRow, 0, wxALL, 5);
  boxPageSizer->Add(boxPlotSizer, 1, wxEXPAND);
  boxPageSizer->Add(percentileSizer, 1, wxEXPAND);
  boxPageSizer->Show(percentileSizer, false);
  fitPanel(boxPage, boxPageSizer);
}

// At the smallest width the instructions wrap to more lines than the box's 48
// pixels hold: give it their height there (a line more for word wrapping).
void MainFrame::fitInstructions(wxSizer* frameSizer) {
  Layout();
  const int room = instructionsText->GetClientSize().x - 12;
  const int textWidth = instructionsText->GetTextExtent(instructionsText->GetValue()).x;
  if (room <= 0) return;
  const int lines = (textWidth + room - 1) / room + 1;
  const int height = lines * instructionsText->GetCharHeight() + 10;
  if (height > instructionsText->GetSize().y) {
    instructionsText->SetMinSize(wxSize(-1, height));
    frameSizer->SetSizeHints(this);
  }
}

// The graph views, each handed empty data so that its empty axes show at once.
void MainFrame::createGraphViews() {
  auto columnGraph = [](wxWindow* page) {
    auto* g = new ColumnGraphView(page, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxDEFAULT_FRAME_STYLE);
    g->setFontSize(8);
    g->setXMin(0);
    g->setXMax(10);
    g->setYMin(0);
    g->setYMax(10);
    g->setXAxisLabel(_("Value"));
    g->setYAxisLabel(_("Frequency"));
    g->setOriginAlwaysViewable(true);
    g->setAxesAlwaysViewable(true);
    g->setPropertiesMenuEnabled(false);
    g->setXAutoScale(true);
    g->setGridStyle(1);
    g->setXAxisLabelPosition(9);  // below the axis, at its right end
    g->getYScale().wholeUnits = true;  // frequencies count: no tick at 1.5
    g->setSeries(nullptr, nullptr, nullptr, nullptr);
    return g;
  };
  set1Graph = columnGraph(columnGraphPage);
  set2Graph = columnGraph(columnGraphPage);

  boxPlot = new ColumnGraphView(boxPage, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxDEFAULT_FRAME_STYLE);
  boxPlot->setFontSize(8);
  boxPlot->setXMin(-8);
  boxPlot->setXMax(8);
  boxPlot->setYMin(5);
  boxPlot->setYMax(13);
  boxPlot->setYAxisLabel(_("Value"));
  boxPlot->setOriginAlwaysViewable(false);
  boxPlot->setAxesAlwaysViewable(false);
  boxPlot->setAxesStyle(2);  // vertical axis only
  boxPlot->setXAutoScale(false);
  boxPlot->setGridStyle(1);
  boxPlot->setSeries(nullptr, nullptr, nullptr, nullptr);

  percentileGraph = new PercentileGraphView(boxPage, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                            wxDEFAULT_FRAME_STYLE);
  percentileGraph->setGridStyle(1);
  percentileGraph->setFontSize(8);
  percentileGraph->setXMin(0);
  percentileGraph->setXMax(11);
  percentileGraph->setYMin(0);
  percentileGraph->setYMax(110);
  percentileGraph->setXAxisLabel(_("Values"));
  percentileGraph->setYAxisLabel(_("% of Cumul. Freq."));
  percentileGraph->setOriginAlwaysViewable(false);
  percentileGraph->setAxesAlwaysViewable(true);
  percentileGraph->setCurve(0, nullptr);
  percentileGraph->setCurve(1, nullptr);
  percentileGraph->setPercentage(0);
}
