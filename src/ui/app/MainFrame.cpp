// Construction, layout and event table of the main window.
#include "ui/app/MainFrame.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>

#include <wx/accel.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/collpane.h>
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
#include <wx/weakref.h>

#include "core/stats/HistogramFit.h"
#include "ui/LateControls.h"
#include "ui/grid/VardenGrid.h"
#include "ui/stats/GroupingDialog.h"
#include "ui/stats/StatisticsPanel.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/DotPlotView.h"
#include "ui/views/FrequencyTablePage.h"
#include "ui/views/PercentileGraphView.h"
#include "ui/views/StemAndLeafPage.h"
#include "ui/views/WorkingPage.h"
#include "ui/resources/Resources.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

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
  EVT_CHOICE(ID_DECIMALS, MainFrame::onDecimals)
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
  EVT_MENU(ID_COPY_STATISTICS, MainFrame::onCopyStatistics)
  EVT_MENU(ID_EXPORT_PDF, MainFrame::onExportPdf)
wxEND_EVENT_TABLE()

MainFrame::MainFrame(wxWindow* parent, wxWindowID id, const wxString& descriptionFile,
                     const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, id, descriptionFile, pos, size, wxDEFAULT_FRAME_STYLE) {
  // Pages and panes that make their controls when first shown hand them over here.
  Bind(EVT_LATE_CONTROLS, [this](wxCommandEvent& event) {
    adoptLateControls(wxDynamicCast(event.GetEventObject(), wxWindow));
  });
  auto* mainPanel = new wxPanel(this, wxID_ANY);
  wxNotebook* pages = nullptr;
  wxSizer* panelSizer = buildDataSide(mainPanel, pages);
  mainPanel->SetAutoLayout(true);
  mainPanel->SetSizer(panelSizer);
  panelSizer->SetSizeHints(mainPanel);

  auto* frameSizer = new wxBoxSizer(wxVERTICAL);
  frameSizer->Add(mainPanel, 1, wxEXPAND);
  SetSizer(frameSizer);
  frameSizer->SetSizeHints(this);
  fitInstructions(frameSizer);
  // The minimum size leaves the graphs a few centimetres wide; open roomier where
  // the screen allows, without going below the minimum.
  const wxRect screen = wxGetClientDisplayRect();
  const wxSize least = GetMinSize();
  SetSize(wxSize(std::max(least.x, std::min(1000, screen.width)),
                 std::max(least.y, std::min(700, screen.height))));

  SetTitle(_("Tallyscope"));
  iconsAfterFirstPaint(mainPanel);
  grid->AppendRows(tally::kGridRows - grid->GetNumberRows());
  groupingDetailsButton->Hide();
  initialiseSeries();
  Layout();

  rememberScaledTexts();
  fitTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { fitToToolkit(); });
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    event.Skip();
    if (!IsMaximized()) restoredSize = GetSize();
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
  histogramDialog->setDataFit(
      [this] { return tally::fitHistogram(model.set(0), model.set(1)); });
  bindKeys();
  bindExports();
  setUpAccess();
  history.reset(model.state());
  historyStarted = true;
  markDataSaved();
  buildMenuBar();
}

MainFrame::~MainFrame() = default;

// Decoding the seven icon pictures and handing them to the X server took some 18
// million instructions before the window could paint. Nothing in the window's own
// picture shows them: the desktop reads them from the window's properties and
// follows them when they change. So they are given once the window has painted,
// when the toolkit has nothing more urgent to do.
void MainFrame::iconsAfterFirstPaint(wxWindow* painted) {
#ifdef __WXGTK__
  auto asked = std::make_shared<bool>(false);
  painted->Bind(wxEVT_PAINT, [this, asked](wxPaintEvent& event) {
    event.Skip();
    if (*asked) return;
    *asked = true;
    // Below the toolkit's own idle work, which finishes the paint first.
    g_idle_add_full(
        G_PRIORITY_LOW + 10,
        +[](gpointer data) -> gboolean {
          if (MainFrame* frame = static_cast<wxWeakRef<MainFrame>*>(data)->get())
            frame->SetIcons(tallyscopeIcons());
          return G_SOURCE_REMOVE;
        },
        new wxWeakRef<MainFrame>(this),
        +[](gpointer data) { delete static_cast<wxWeakRef<MainFrame>*>(data); });
  });
#else
  (void)painted;
  SetIcons(tallyscopeIcons());
#endif
}

// One table for the zoom keys and the undo keys: a second table would replace the first.
void MainFrame::bindKeys() {
  const wxAcceleratorEntry keys[] = {
      {wxACCEL_CTRL, '+', ID_ZOOM_IN},
      {wxACCEL_CTRL, '=', ID_ZOOM_IN},
      {wxACCEL_CTRL, WXK_NUMPAD_ADD, ID_ZOOM_IN},
      {wxACCEL_CTRL, '-', ID_ZOOM_OUT},
      {wxACCEL_CTRL, WXK_NUMPAD_SUBTRACT, ID_ZOOM_OUT},
      {wxACCEL_CTRL, '0', ID_ZOOM_RESET},
      {wxACCEL_CTRL, 'Z', wxID_UNDO},
      {wxACCEL_CTRL, 'Y', wxID_REDO},
      {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', wxID_REDO},
      {wxACCEL_CTRL | wxACCEL_SHIFT, 'C', ID_COPY_STATISTICS},
      {wxACCEL_CTRL | wxACCEL_SHIFT, 'E', ID_EXPORT_PDF}};
  SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
}

void MainFrame::initialiseSeries() {
  for (int s = 0; s < 2; ++s) {
    tally::Series& columns = series[COLUMNS_SET1 + s];
    columns.style = tally::ColumnsStyle;
    columns.lineColour = tally::colours::black;
    columns.penWidth = 1;
    columns.fillColour = tally::colours::green;
    columns.columnWidth = tally::discreteBarWidth(1);

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
