// Construction, layout and event table of the main window.
#include "ui/app/MainFrame.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/stats/HistogramFit.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/PercentileGraphView.h"
#include "ui/resources/Resources.h"

wxBEGIN_EVENT_TABLE(MainFrame, wxFrame)
  EVT_BUTTON(ID_CLEAR_DATA, MainFrame::onClearData)
  EVT_BUTTON(ID_PRINT, MainFrame::onPrint)
  EVT_BUTTON(ID_PREVIEW, MainFrame::onPreview)
  EVT_BUTTON(ID_AUTO_DATA, MainFrame::onAutoData)
  EVT_BUTTON(ID_LOAD_DATA, MainFrame::onLoadData)
  EVT_BUTTON(ID_SAVE_DATA, MainFrame::onSaveData)
  EVT_BUTTON(ID_CYCLE_SET1, MainFrame::onCycleStdDev)
  EVT_BUTTON(ID_CYCLE_SET2, MainFrame::onCycleStdDev)
  EVT_BUTTON(ID_NAME_SET1, MainFrame::onSetName)
  EVT_BUTTON(ID_NAME_SET2, MainFrame::onSetName)
  EVT_BUTTON(ID_COLUMN_WIDTH, MainFrame::onColumnWidth)
  EVT_BUTTON(ID_GROUPING_DETAILS, MainFrame::onGroupingDetails)
  EVT_CHOICE(ID_DATA_TYPE, MainFrame::onDataTypeChanged)
  EVT_RADIOBUTTON(ID_SET1_RADIO, MainFrame::onSetSelected)
  EVT_RADIOBUTTON(ID_SET2_RADIO, MainFrame::onSetSelected)
  EVT_SPINCTRL(ID_PERCENTILE_SET1, MainFrame::onPercentileSpin)
  EVT_SPINCTRL(ID_PERCENTILE_SET2, MainFrame::onPercentileSpin)
  EVT_TEXT(ID_PERCENTILE_SET1, MainFrame::onPercentileText)
  EVT_TEXT(ID_PERCENTILE_SET2, MainFrame::onPercentileText)
  EVT_COMMAND_SCROLL_TOP(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_BOTTOM(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_LINEUP(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_LINEDOWN(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_PAGEUP(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_PAGEDOWN(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_THUMBTRACK(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_THUMBRELEASE(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_COMMAND_SCROLL_CHANGED(ID_PERCENTILE_SLIDER, MainFrame::onPercentileSlider)
  EVT_GRID_CELL_CHANGED(MainFrame::onGridCellChanged)
  EVT_MENU(wxID_UNDO, MainFrame::onUndo)
  EVT_MENU(wxID_REDO, MainFrame::onRedo)
  EVT_CLOSE(MainFrame::onClose)
  EVT_MENU(ID_ZOOM_IN, MainFrame::onZoom)
  EVT_MENU(ID_ZOOM_OUT, MainFrame::onZoom)
  EVT_MENU(ID_ZOOM_RESET, MainFrame::onZoom)
wxEND_EVENT_TABLE()

namespace {

wxFont boldFont(int points) {
  return wxFont(points, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
}

wxStaticText* caption(wxWindow* parent, const wxString& text) {
  auto* label = new wxStaticText(parent, wxID_ANY, text);
  label->SetFont(boldFont(8));
  return label;
}

// Value labels keep the size of their placeholder, so the page does not jump as
// the statistics change. The size is pinned as the minimum at once: a label in a
// sizer hidden at start would otherwise be measured later, blank, at zero width.
// Labels of one placeholder share one measurement: laying the text out for each
// of the two dozen labels took a noticeable part of the start-up. For the same
// reason they share one font, set on each: a label without a font of its own
// answers every font query with a fresh GTK style lookup, and each new value
// text is measured in the label's font.
class ValueLabelMaker {
 public:
  wxStaticText* operator()(wxWindow* parent, const wxString& placeholder,
                           const wxSize& size = wxDefaultSize) {
    wxSize wanted = size;
    auto known = measured.find(placeholder);
    if (size == wxDefaultSize && known != measured.end()) wanted = known->second;
    auto* label = new wxStaticText(parent, wxID_ANY, placeholder, wxDefaultPosition, wanted,
                                   wxST_NO_AUTORESIZE);
    if (!font.IsOk()) font = label->GetFont();
    label->SetFont(font);
    if (size == wxDefaultSize) measured.emplace(placeholder, label->GetSize());
    label->SetMinSize(label->GetSize());
    return label;
  }

 private:
  std::map<wxString, wxSize> measured;
  wxFont font;
};

wxStaticBoxSizer* boxSizer(wxWindow* parent, const wxString& title) {
  auto* box = new wxStaticBox(parent, wxID_ANY, title);
  box->SetFont(boldFont(8));
  return new wxStaticBoxSizer(box, wxVERTICAL);
}

void fitPanel(wxPanel* panel, wxSizer* sizer) {
  panel->SetAutoLayout(true);
  panel->SetSizer(sizer);
  sizer->SetSizeHints(panel);
}

}  // namespace

MainFrame::MainFrame(wxWindow* parent, wxWindowID id, const wxString& descriptionFile,
                     const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, id, descriptionFile, pos, size, wxDEFAULT_FRAME_STYLE) {
  auto* mainPanel = new wxPanel(this, wxID_ANY);
  ValueLabelMaker valueLabel;

  // Data side.
  wxStaticBoxSizer* detailsSizer = boxSizer(mainPanel, _("Data Details"));
  wxStaticBoxSizer* entrySizer = boxSizer(mainPanel, _("Data Entry"));
  wxStaticBoxSizer* instructionsSizer = boxSizer(mainPanel, _("Instructions"));

  instructionsText = new wxTextCtrl(
      mainPanel, wxID_ANY,
      _("Enter data in the table below (click the cell to be edited, type the new value and "
        "press tab or enter to update the analysis). The arrow keys can also be used to "
        "traverse the cells. At least three values are required for the statistics, graphs "
        "& box plots to be displayed."),
      wxDefaultPosition, wxSize(-1, 48), wxTE_MULTILINE | wxTE_READONLY | wxNO_BORDER | wxVSCROLL);
  auto* clearButton = new wxButton(mainPanel, ID_CLEAR_DATA, _("Clear Data"));
  auto* printButton = new wxButton(mainPanel, ID_PRINT, _("Print"));
  auto* previewButton = new wxButton(mainPanel, ID_PREVIEW, _("Preview"));
  auto* autoButton = new wxButton(mainPanel, ID_AUTO_DATA, _("Auto Data"));
  auto* loadButton = new wxButton(mainPanel, ID_LOAD_DATA, _("Load Data"));
  auto* saveButton = new wxButton(mainPanel, ID_SAVE_DATA, _("Save Data"));

  grid = new VardenGrid(mainPanel, wxID_ANY, wxDefaultPosition, wxSize(180, 200), wxWANTS_CHARS);

  auto* radioPanel = new wxPanel(mainPanel, wxID_ANY);
  set1Radio = new wxRadioButton(radioPanel, ID_SET1_RADIO, _("Set 1"), wxDefaultPosition,
                                wxSize(60, 20), wxRB_GROUP);
  set2Radio = new wxRadioButton(radioPanel, ID_SET2_RADIO, _("Set 2"), wxDefaultPosition,
                                wxSize(60, 20));
  auto* separator = new wxStaticLine(mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxLI_HORIZONTAL);
  auto* picture = new wxStaticBitmap(mainPanel, wxID_ANY, columnBitmap());
  wxArrayString typeNames;
  typeNames.Add(_("Ungrouped Discrete"));
  typeNames.Add(_("Ungrouped Continuous"));
  typeNames.Add(_("Grouped Discrete"));
  typeNames.Add(_("Grouped Continuous"));
  typeNames.Add(_("Already Grouped Continuous"));
  // GTK draws a choice at least 34 pixels high; a fixed 20 would cut its text off.
  dataTypeChoice = new wxChoice(mainPanel, ID_DATA_TYPE, wxDefaultPosition, wxSize(130, -1),
                                typeNames);
  // At 130 pixels GTK's arrow leaves room for only "Ungrouped ..."; a student
  // must be able to read which type is in force, so it may grow to its longest entry.
  dataTypeChoice->SetMinSize(
      wxSize(std::max(130, dataTypeChoice->GetBestSize().GetWidth()), -1));
  groupingDetailsButton = new wxButton(mainPanel, ID_GROUPING_DETAILS, _("Grouping Details"));

  notebook = new wxNotebook(mainPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM);
  statisticsPage = new wxPanel(notebook, wxID_ANY);
  columnGraphPage = new wxPanel(notebook, wxID_ANY);
  boxPage = new wxPanel(notebook, wxID_ANY);

  // "Statistics" page.
  wxButton* nameButton[2];
  wxButton* cycleButton[2];
  wxStaticText* pCaption[2];
  const wxString nine = "000000000";
  for (int s = 0; s < 2; ++s) {
    setNameLabel[s] = new wxStaticText(statisticsPage, wxID_ANY, "0000000000", wxDefaultPosition,
                                       wxSize(80, 20));
    nameButton[s] = new wxButton(statisticsPage, s == 0 ? ID_NAME_SET1 : ID_NAME_SET2,
                                 _("Name..."), wxDefaultPosition, wxSize(60, 15));
    nLabel[s] = valueLabel(statisticsPage, nine);
    meanLabel[s] = valueLabel(statisticsPage, nine);
    modeLabel[s] = valueLabel(statisticsPage, nine, wxSize(60, 30));
    minimumLabel[s] = valueLabel(statisticsPage, nine);
    q1Label[s] = valueLabel(statisticsPage, nine);
    medianLabel[s] = valueLabel(statisticsPage, nine);
    q3Label[s] = valueLabel(statisticsPage, nine);
    maximumLabel[s] = valueLabel(statisticsPage, nine);
    rangeLabel[s] = valueLabel(statisticsPage, nine);
    iqrLabel[s] = valueLabel(statisticsPage, nine);
    cycleButton[s] = new wxButton(statisticsPage, s == 0 ? ID_CYCLE_SET1 : ID_CYCLE_SET2,
                                  _("Cycle"), wxDefaultPosition, wxSize(40, 15));
    stdDevLabel[s] = valueLabel(statisticsPage, "0000000");
    pCaption[s] = caption(statisticsPage, _("p"));
    pCaption[s]->SetToolTip(
        _("Percentile p: interpolated between the ranks of the ordered data, at rank "
          "(n - 1) p / 100 + 1; so p = 25 can differ from Q1, which takes halves.\n"
          "Already grouped data: interpolated within the class that holds it."));
    // The toolkit's own width: GTK cannot fit its spin buttons into 50 pixels and
    // would drop the arrows.
    percentileSpin[s] = new wxSpinCtrl(
        statisticsPage, s == 0 ? ID_PERCENTILE_SET1 : ID_PERCENTILE_SET2, wxEmptyString,
        wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0, 100, 50);
    percentileLabel[s] = valueLabel(statisticsPage, nine);
  }

  // "Column Graph" page.
  columnWidthButton = new wxButton(columnGraphPage, ID_COLUMN_WIDTH, _("Col Width..."),
                                   wxDefaultPosition, wxSize(80, 20));

  // "Box && Whisker" page.
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
  auto* set1PercentileCaption = caption(boxPage, _("Percentiles Set 1:"));
  auto* set2PercentileCaption = caption(boxPage, _("Set 2:"));
  for (int s = 0; s < 2; ++s) {
    sliderPercentileLabel[s] = valueLabel(boxPage, nine);
    sliderPercentileLabel[s]->SetFont(boldFont(8));
    sliderPercentileLabel[s]->SetForegroundColour(s == 0 ? *wxRED : *wxBLUE);
  }

  createGraphViews();

  // Fonts, sizes and the grid's look.
  instructionsText->SetFont(
      wxFont(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
  instructionsText->SetBackgroundColour(mainPanel->GetBackgroundColour());
  set1Radio->SetFont(boldFont(8));
  set2Radio->SetFont(boldFont(8));
  set1Radio->SetValue(true);
  dataTypeChoice->SetSelection(tally::UngroupedDiscrete);
  columnWidthButton->SetFont(boldFont(8));
  wxFont nameFont = boldFont(9);
  nameFont.SetUnderlined(true);
  for (int s = 0; s < 2; ++s) {
    setNameLabel[s]->SetFont(nameFont);
    setNameLabel[s]->SetLabel(s == 0 ? _("Set 1") : _("Set 2"));
    nameButton[s]->SetFont(boldFont(8));
    cycleButton[s]->SetFont(boldFont(8));
  }

  grid->CreateGrid(15, 2, wxGrid::wxGridSelectCells);
  grid->SetRowLabelSize(1);
  grid->SetColMinimalAcceptableWidth(0);
  grid->DisableDragColSize();
  grid->DisableDragRowSize();
  grid->DisableDragGridSize();
  grid->SetColLabelValue(0, _("Value"));
  grid->SetColLabelValue(1, _("Frequency"));

  // Layout: the "Statistics" page, 16 rows of 4 cells filled row by row.
  statisticsSizer = new wxFlexGridSizer(16, 4, 2, 2);
  for (int s = 0; s < 2; ++s) {
    statisticsSizer->Add(setNameLabel[s], 0, wxBOTTOM, 10);
    statisticsSizer->Add(nameButton[s], 0, wxRIGHT, 6);
  }
  auto addRow = [&](const wxString& text, wxStaticText* const* values,
                    wxStaticText** captions = nullptr, const wxString& tip = wxString()) {
    for (int s = 0; s < 2; ++s) {
      wxStaticText* c = caption(statisticsPage, text);
      if (captions) captions[s] = c;
      if (!tip.empty()) c->SetToolTip(tip);
      statisticsSizer->Add(c);
      statisticsSizer->Add(values[s]);
    }
  };
  // Q1 = 156.6 beside p = 25 giving 156.8 puzzles students: the two methods differ.
  const wxString groupedTip =
      _("Already grouped data: interpolated within the class that holds it.");
  addRow(_("n:"), nLabel);
  addRow(_("Mean:"), meanLabel);
  addRow(_("Mode:"), modeLabel);
  addRow(_("Minimum:"), minimumLabel, minimumCaption);
  addRow(_("Q1:"), q1Label, nullptr,
         _("Lower quartile: the median of the lower half of the ordered data (with an odd "
           "count the median belongs to neither half).") + "\n" + groupedTip);
  addRow(_("Median:"), medianLabel, nullptr,
         _("The middle value of the ordered data, or the mean of the two middle values.") +
             "\n" + groupedTip);
  addRow(_("Q3:"), q3Label, nullptr,
         _("Upper quartile: the median of the upper half of the ordered data (with an odd "
           "count the median belongs to neither half).") + "\n" + groupedTip);
  addRow(_("Maximum:"), maximumLabel, maximumCaption);
  for (int i = 0; i < 4; ++i) statisticsSizer->Add(20, 5);
  addRow(_("Range:"), rangeLabel, rangeCaption);
  addRow(_("IQR:"), iqrLabel);
  for (int s = 0; s < 2; ++s) {
    statisticsSizer->Add(caption(statisticsPage, _("Sample/Pop'n:")), 0, wxTOP, 10);
    statisticsSizer->Add(cycleButton[s], 0, wxTOP | wxLEFT, 10);
  }
  for (int s = 0; s < 2; ++s) {
    stdDevCaption[s] = caption(statisticsPage, _("Std Dev.(p):"));
    statisticsSizer->Add(stdDevCaption[s], 0, wxRIGHT, 5);
    statisticsSizer->Add(stdDevLabel[s]);
  }
  for (int s = 0; s < 2; ++s) {
    auto* pPair = new wxBoxSizer(wxHORIZONTAL);
    pPair->Add(pCaption[s], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    pPair->Add(percentileSpin[s]);
    statisticsSizer->Add(pPair, 1, wxEXPAND);
    statisticsSizer->Add(percentileLabel[s], 0, wxALIGN_CENTER_VERTICAL);
  }
  auto* statisticsPageSizer = new wxBoxSizer(wxHORIZONTAL);
  // Expanding fills the page, so centring would have no effect here.
  statisticsPageSizer->Add(statisticsSizer, 1, wxEXPAND | wxALL, 15);
  fitPanel(statisticsPage, statisticsPageSizer);

  // The "Column Graph" page.
  auto* columnPageSizer = new wxBoxSizer(wxVERTICAL);
  columnPageSizer->Add(columnWidthButton, 0, wxALIGN_RIGHT | wxRIGHT, 5);
  auto* columnGraphs = new wxBoxSizer(wxHORIZONTAL);
  columnGraphs->Add(set1Graph, 1, wxEXPAND | wxTOP | wxBOTTOM | wxLEFT, 5);
  columnGraphs->Add(set2Graph, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 5);
  columnPageSizer->Add(columnGraphs, 1, wxEXPAND);
  fitPanel(columnGraphPage, columnPageSizer);

  // The "Box && Whisker" page: box plot, or the ogive with its slider.
  boxPageSizer = new wxBoxSizer(wxVERTICAL);
  boxPlotSizer = new wxBoxSizer(wxVERTICAL);
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
  readOutRow->Add(sliderPercentileLabel[0], 0, wxALL, 5);
  readOutRow->Add(set2PercentileCaption, 0, wxALL, 5);
  readOutRow->Add(sliderPercentileLabel[1], 0, wxALL, 5);
  percentileSizer->Add(readOutRow, 0, wxALL, 5);
  boxPageSizer->Add(boxPlotSizer, 1, wxEXPAND);
  boxPageSizer->Add(percentileSizer, 1, wxEXPAND);
  boxPageSizer->Show(percentileSizer, false);
  fitPanel(boxPage, boxPageSizer);

  notebook->AddPage(statisticsPage, _("Statistics"), true);
  notebook->AddPage(columnGraphPage, _("Column Graph"));
  notebook->AddPage(boxPage, _("Box && Whisker"));

  // The data side.
  instructionsSizer->Add(instructionsText, 0, wxEXPAND | wxALL, 5);
  auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
  buttonRow->Add(180, 20, 10);
  for (wxButton* b : {clearButton, printButton, previewButton, autoButton, loadButton, saveButton})
    buttonRow->Add(b, 0, wxALL, 2);
  buttonRow->Add(5, 20, 1);
  instructionsSizer->Add(buttonRow);

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
  fitPanel(mainPanel, panelSizer);

  auto* frameSizer = new wxBoxSizer(wxVERTICAL);
  frameSizer->Add(mainPanel, 1, wxEXPAND);
  SetSizer(frameSizer);
  frameSizer->SetSizeHints(this);
  {
    // At the smallest width the instructions wrap to more lines than the box's
    // 48 pixels hold: give it their height there (a line more for word wrapping).
    Layout();
    const int room = instructionsText->GetClientSize().x - 12;
    const int textWidth = instructionsText->GetTextExtent(instructionsText->GetValue()).x;
    if (room > 0) {
      const int lines = (textWidth + room - 1) / room + 1;
      const int height = lines * instructionsText->GetCharHeight() + 10;
      if (height > instructionsText->GetSize().y) {
        instructionsText->SetMinSize(wxSize(-1, height));
        frameSizer->SetSizeHints(this);
      }
    }
  }
  // The minimum size leaves the graphs a few centimetres wide; open roomier where
  // the screen allows, without going below the minimum.
  const wxRect screen = wxGetClientDisplayRect();
  const wxSize least = GetMinSize();
  SetSize(wxSize(std::max(least.x, std::min(1000, screen.width)),
                 std::max(least.y, std::min(700, screen.height))));

  SetTitle(_("Tallyscope"));
  SetIcons(tallyscopeIcons());
  blankStatistics();
  setNameLabel[0]->SetLabel(_("Set-1"));
  setNameLabel[1]->SetLabel(_("Set-2"));
  grid->AppendRows(985);
  groupingDetailsButton->Hide();

  columnWidth = 1.0;
  currentType = tally::UngroupedDiscrete;
  currentSet = 0;
  sampleStdDev = false;
  initialiseExampleData();
  initialiseSeries();
  showSetNames();
  Layout();

  rememberScaledTexts();
  wxAcceleratorEntry zoomKeys[] = {
      {wxACCEL_CTRL, '+', ID_ZOOM_IN},           {wxACCEL_CTRL, '=', ID_ZOOM_IN},
      {wxACCEL_CTRL, WXK_NUMPAD_ADD, ID_ZOOM_IN}, {wxACCEL_CTRL, '-', ID_ZOOM_OUT},
      {wxACCEL_CTRL, WXK_NUMPAD_SUBTRACT, ID_ZOOM_OUT}, {wxACCEL_CTRL, '0', ID_ZOOM_RESET}};
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    CallAfter([this] {
      const double wanted = wantedTextScale();
      if (std::fabs(wanted - textScale) > 0.02) setTextScale(wanted);
    });
  });
  percentileGraph->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    CallAfter([this] { alignPercentileSlider(); });
  });

  openAnalysisDescription(descriptionFile);
  if (histogramDialog)
    histogramDialog->setDataFit([this] { return tally::fitHistogram(dataSets[0], dataSets[1]); });

  // One table for the zoom keys and the undo keys: a second table would replace the first.
  std::vector<wxAcceleratorEntry> keys(std::begin(zoomKeys), std::end(zoomKeys));
  keys.push_back({wxACCEL_CTRL, 'Z', wxID_UNDO});
  keys.push_back({wxACCEL_CTRL, 'Y', wxID_REDO});
  keys.push_back({wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', wxID_REDO});
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(keys.size()), keys.data()));
  history.reset(currentAnalysis());
  historyStarted = true;
  markDataSaved();
}

MainFrame::~MainFrame() = default;

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

void MainFrame::initialiseExampleData() {
  exampleData[0] = {{5, 3}, {6, 4}, {7, 5}, {8, 7}, {9, 4}, {10, 2}};
  exampleData[1] = {{5, 1}, {7, 1}, {8, 2}, {9, 4}, {10, 6}, {11, 7}, {12, 6}, {13, 4}};
}

void MainFrame::initialiseSeries() {
  for (int s = 0; s < 2; ++s) {
    tally::Series& columns = series[COLUMNS_SET1 + s];
    columns.style = tally::ColumnsStyle;
    columns.lineColour = tally::colours::black;
    columns.penWidth = 1;
    columns.fillColour = tally::colours::green;
    columns.columnWidth = 0.75 * columnWidth;

    tally::Series& outliers = series[OUTLIERS_SET1 + s];
    outliers.style = tally::MarkersStyle;
    outliers.lineColour = tally::colours::black;
    outliers.fillColour = tally::colours::black;
    outliers.markerShape = tally::CircleMarker;
    outliers.markerSize = 2;

    tally::Series& lines = series[BOX_LINES_SET1 + s];
    lines.style = tally::PolylineStyle;
    lines.lineColour = tally::colours::black;
    lines.penWidth = 1;
    lines.fillColour = tally::Colour::none();

    tally::Series& ogive = series[OGIVE_SET1 + s];
    ogive.style = tally::PolylineStyle;
    ogive.penWidth = 2;
    ogive.lineColour = s == 0 ? tally::colours::red : tally::colours::blue;
  }
}

// The statistics page's captions, values, names and buttons, the ogive page's
// read-outs: their fonts and minimum sizes at scale 1.
void MainFrame::rememberScaledTexts() {
  scaledTexts.clear();
  for (wxWindow* page : {statisticsPage, boxPage}) {
    for (wxWindow* child : page->GetChildren()) {
      // coordSys answers with wxWindow's class information: wxDynamicCast matches any window.
      if (child == percentileSlider || dynamic_cast<coordSys*>(child)) continue;
      scaledTexts.push_back({child, wxNullFont, child->GetMinSize()});
    }
  }
}

double MainFrame::wantedTextScale() const {
  // The window opens at about 1000 x 700; a projector's window is larger.
  const wxSize c = GetClientSize();
  const double bySize = std::max(1.0, std::min(c.x / 1000.0, c.y / 700.0));
  return std::clamp(bySize * userZoom, 0.75, 3.0);
}

void MainFrame::onZoom(wxCommandEvent& event) {
  if (event.GetId() == ID_ZOOM_IN)
    userZoom = std::min(userZoom * 1.25, 3.0);
  else if (event.GetId() == ID_ZOOM_OUT)
    userZoom = std::max(userZoom / 1.25, 0.75);
  else
    userZoom = 1.0;
  setTextScale(wantedTextScale());
}

void MainFrame::setTextScale(double scale) {
  textScale = scale;
  for (ScaledText& t : scaledTexts) {
    if (!t.font.IsOk()) t.font = t.window->GetFont();
    wxFont font = t.font;
    font.SetFractionalPointSize(t.font.GetFractionalPointSize() * scale);
    t.window->SetFont(font);
    wxSize least = wxDefaultSize;
    if (t.minSize.x > 0) least.x = static_cast<int>(std::lround(t.minSize.x * scale));
    if (t.minSize.y > 0) least.y = static_cast<int>(std::lround(t.minSize.y * scale));
    t.window->SetMinSize(least);
    t.window->InvalidateBestSize();
    // A value label keeps room for the longest text it has shown.
    if (auto* label = wxDynamicCast(t.window, wxStaticText)) {
      const wxSize need = textSize(label);
      label->SetMinSize(wxSize(std::max(need.x, least.x), std::max(need.y, least.y)));
    }
  }
  const int points = static_cast<int>(std::lround(8 * scale));
  for (ColumnGraphView* view : {set1Graph, set2Graph, boxPlot}) {
    view->setFontSize(points);
    view->redrawPicture();
  }
  percentileGraph->setFontSize(points);
  percentileGraph->setMarkerFontSize(static_cast<int>(std::lround(9 * scale)));
  percentileGraph->Refresh(false);
  columnGraphPage->Layout();
  // The pages now need another minimum; the window's follows.
  labelsGrew = true;
  layOutGrownLabels();
  Layout();
}
