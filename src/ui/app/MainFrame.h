#pragma once
// The main window: data entry on the left, statistics and graphs on the right.
// It owns the analysis state (the two sets, the eight series) and every control.
#include <wx/cmndata.h>
#include <wx/frame.h>
#include <wx/prntbase.h>

#include <functional>
#include <string>
#include <vector>

#include "core/description/AnalysisDescription.h"
#include "core/graph/Series.h"
#include "core/stats/Analysis.h"
#include "core/stats/DataSet.h"
#include "core/stats/GridData.h"
#include "core/stats/Grouping.h"
#include "core/stats/Refresh.h"
#include "ui/views/ColumnGraphView.h"
#include "ui/views/PercentileGraphView.h"

class wxBoxSizer;
class wxButton;
class wxChoice;
class wxCloseEvent;
class wxFlexGridSizer;
class wxGridEvent;
class wxNotebook;
class wxPanel;
class wxRadioButton;
class wxScrollEvent;
class wxSizerItem;
class wxSlider;
class wxSpinCtrl;
class wxSpinEvent;
class wxStaticText;
class wxTextCtrl;
class GroupingDialog;
class VardenGrid;

// Control identifiers: small integers reused across control kinds; the event type
// tells them apart (choice, first radio button and first spin control are all 1).
enum MainFrameId {
  ID_CLEAR_DATA = 1,
  ID_PRINT = 2,
  ID_AUTO_DATA = 3,
  ID_CYCLE_SET1 = 4,
  ID_CYCLE_SET2 = 5,
  ID_NAME_SET1 = 6,
  ID_NAME_SET2 = 7,
  ID_COLUMN_WIDTH = 8,
  ID_GROUPING_DETAILS = 9,
  ID_LOAD_DATA = 10,
  ID_SAVE_DATA = 11,
  ID_PREVIEW = 12,
  ID_DATA_TYPE = 1,
  ID_SET1_RADIO = 1,
  ID_SET2_RADIO = 2,
  ID_PERCENTILE_SET1 = 1,
  ID_PERCENTILE_SET2 = 2,
  ID_PERCENTILE_SLIDER = 10,
  ID_ZOOM_IN = 12,
  ID_ZOOM_OUT = 13,
  ID_ZOOM_RESET = 14
};

// Indexes of the eight series records; each set owns four.
enum SeriesIndex {
  COLUMNS_SET1 = 0,
  COLUMNS_SET2 = 1,
  OUTLIERS_SET1 = 2,
  OUTLIERS_SET2 = 3,
  BOX_LINES_SET1 = 4,
  BOX_LINES_SET2 = 5,
  OGIVE_SET1 = 6,
  OGIVE_SET2 = 7
};

// The size a static text needs to show its whole label in its font.
wxSize textSize(wxStaticText* label);

class MainFrame : public wxFrame {
 public:
  MainFrame(wxWindow* parent, wxWindowID id, const wxString& descriptionFile,
            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
  ~MainFrame() override;

  // Operations the data, statistics, file and print code share.
  void extractGridData();
  void refreshAnalysis();
  void showSetInGrid(tally::GridLayout layout);
  void clearSetDisplay(int set);
  // Writes one set's labels and series from the refresh's result for it.
  void computeSetStatistics(int set, const tally::SetDisplay& display);
  void blankStatistics();
  // Shows the set names (the texts of the name labels) on the column graphs and
  // under the boxes of the box plot; call after a name label changes.
  void showSetNames();
  void openAnalysisDescription(const wxString& fileName);
  // The print command: dialog, printout, messages; keeps the user's choices in
  // printData after a successful print. The preview window's Print button runs it too.
  bool printAnalysis(wxWindow* parent);

  // The analysis as one value, read from the members and controls (MainFrameData.cpp).
  tally::Analysis currentAnalysis() const;
  // Keeps what is typed in an open grid cell, in the set it was typed into. Runs
  // before any other control acts, before closing and before the grouping dialogs.
  void commitGridEditor();
  // Undo and redo of changes to the data, the data type and the groupings; each
  // restores both sets, the layout and the statistics. Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z.
  void undo();
  void redo();
  bool canUndo() const { return history.canUndo(); }
  bool canRedo() const { return history.canRedo(); }
  // Records the data of both sets (set -1) or of one set as saved, after a data
  // file was loaded or written.
  void markDataSaved(int set = -1);
  // True when a set holds data other than those last loaded or saved.
  bool hasUnsavedData() const;

  // Every command event that reaches the window records an undo step when it
  // changed the analysis, so each command gets undo without doing anything.
  bool ProcessEvent(wxEvent& event) override;

  // Data files (MainFrameFiles.cpp). loadDataFile reads the whole file first and
  // only then empties the grid and pastes it from row 0, column 0; a file that
  // cannot be read is reported and changes nothing. saveDataFile asks for the file.
  bool loadDataFile(const wxString& path);
  bool saveDataFile();

  // The toolkit's file selector, or what a test puts in its place: message, default
  // directory, default file name, default extension, wildcard, flags, parent.
  using FileSelector =
      std::function<wxString(const wxString&, const wxString&, const wxString&, const wxString&,
                             const wxString&, int, wxWindow*)>;
  static FileSelector toolkitFileSelector();
  FileSelector fileSelector = toolkitFileSelector();

  // The data type shown in the choice, and the layout it writes the grid in.
  tally::DataType shownType() const;
  tally::GridLayout shownLayout() const;
  // The accepted values of the two grouping dialogs.
  tally::Grouping classGrouping() const;
  tally::Grouping histogramGrouping() const;

  // Analysis state.
  tally::DataSet dataSets[2];
  tally::Series series[8];
  double columnWidth = 1.0;
  // Whether the user (or the description) chose the column width; until then a
  // discrete column is fitted to the smallest gap between neighbouring values.
  bool columnWidthChosen = false;
  int currentType = tally::UngroupedDiscrete;
  int currentSet = 0;
  bool sampleStdDev = false;
  std::vector<tally::FrequencyPair> exampleData[2];
  // The analysis description read at start-up (the defaults when none was read).
  tally::AnalysisDescription description;
  wxPrintData printData;
  // Whether each set shows statistics since the last refresh; the partial updates
  // (percentile entries, Cycle) write only into a set that does.
  bool showsStatistics[2] = {false, false};

  // Class grouping of already grouped data, and the histogram columns of
  // continuous data; created hidden by openAnalysisDescription.
  GroupingDialog* classDialog = nullptr;
  GroupingDialog* histogramDialog = nullptr;

  // Data side.
  VardenGrid* grid = nullptr;
  wxTextCtrl* instructionsText = nullptr;
  wxRadioButton* set1Radio = nullptr;
  wxRadioButton* set2Radio = nullptr;
  wxChoice* dataTypeChoice = nullptr;
  wxButton* groupingDetailsButton = nullptr;

  // Notebook and its pages.
  wxNotebook* notebook = nullptr;
  wxPanel* statisticsPage = nullptr;
  wxPanel* columnGraphPage = nullptr;
  wxPanel* boxPage = nullptr;

  // "Statistics" page; every array is indexed by set (0 = Set 1).
  wxFlexGridSizer* statisticsSizer = nullptr;
  wxStaticText* setNameLabel[2] = {};
  wxStaticText* nLabel[2] = {};
  wxStaticText* meanLabel[2] = {};
  wxStaticText* modeLabel[2] = {};
  wxStaticText* minimumLabel[2] = {};
  wxStaticText* q1Label[2] = {};
  wxStaticText* medianLabel[2] = {};
  wxStaticText* q3Label[2] = {};
  wxStaticText* maximumLabel[2] = {};
  wxStaticText* rangeLabel[2] = {};
  wxStaticText* iqrLabel[2] = {};
  wxStaticText* stdDevLabel[2] = {};
  wxStaticText* percentileLabel[2] = {};
  wxStaticText* minimumCaption[2] = {};
  wxStaticText* maximumCaption[2] = {};
  wxStaticText* rangeCaption[2] = {};
  wxStaticText* stdDevCaption[2] = {};
  wxSpinCtrl* percentileSpin[2] = {};

  // "Column Graph" page.
  wxButton* columnWidthButton = nullptr;

  // "Box && Whisker" page: the data-type switch shows one of the two inner sizers.
  wxBoxSizer* boxPageSizer = nullptr;
  wxBoxSizer* boxPlotSizer = nullptr;
  wxBoxSizer* percentileSizer = nullptr;
  wxSlider* percentileSlider = nullptr;
  wxSizerItem* sliderTopSpace = nullptr;
  wxSizerItem* sliderBottomSpace = nullptr;
  wxTextCtrl* percentageText = nullptr;
  wxStaticText* sliderPercentileLabel[2] = {};

  // The four graph views.
  ColumnGraphView* set1Graph = nullptr;
  ColumnGraphView* set2Graph = nullptr;
  ColumnGraphView* boxPlot = nullptr;
  PercentileGraphView* percentileGraph = nullptr;

  // Called with the handler's name each time an event handler runs; empty in the
  // program. Lets tests see which handler an event with a shared identifier reached.
  std::function<void(const std::string&)> handlerProbe;

  // Prints the printout through the printer's own dialog, parented to the given
  // window. Returns wxPRINTER_NO_ERROR with the user's choices left in the
  // dialog data, or why nothing was printed. The toolkit's print dialog is not
  // a wx dialog a test can answer, so tests put their own printer here.
  std::function<wxPrinterError(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout)>
      runPrinter;

 private:
  void createGraphViews();
  void initialiseSeries();
  void initialiseExampleData();
  void probe(const char* handler) {
    if (handlerProbe) handlerProbe(handler);
  }

  bool TryBefore(wxEvent& event) override;

  // Writes a statistic label; the label grows to its text. The pages are laid
  // out again (layOutGrownLabels) only when a label grew.
  void setValueText(wxStaticText* label, const wxString& text);
  void layOutGrownLabels();
  bool labelsGrew = false;

  void rememberScaledTexts();
  void onZoom(wxCommandEvent& event);
  double textScale = 1.0;
  double userZoom = 1.0;
  // Every text the scale resizes, with its font (and minimum size) at scale 1.
  // The font is read at the first scaling: asking GTK for a control's default
  // font costs a style lookup per control, too dear to pay for every label at
  // start-up, and nothing changes the fonts before then.
  struct ScaledText {
    wxWindow* window;
    wxFont font;  // not Ok until the first scaling
    wxSize minSize;
  };
  std::vector<ScaledText> scaledTexts;

  // MainFrameData.cpp
  tally::CellTable readGrid() const;
  void recordUndoStep();
  void restoreAnalysis(const tally::Analysis& state, int shownSet);
  // The data-type switch; `askClasses` opens the class grouping for already grouped data.
  void applyDataType(int newType, bool askClasses);
  void onClose(wxCloseEvent& event);
  void onUndo(wxCommandEvent& event);
  void onRedo(wxCommandEvent& event);
  void showMessage(const wxString& message, const wxString& title, long style);
  void showOgivePage(bool ogive);

  // Undo steps, and the data as last loaded or saved (MainFrameData.cpp).
  tally::UndoHistory history;
  // Starts when construction has set the first state up.
  bool historyStarted = false;
  // Nesting of command events at the window: steps are recorded at the outermost.
  int eventDepth = 0;
  std::vector<tally::FrequencyPair> savedPairs[2];

  // MainFrameStats.cpp: everything handed to the graph views goes through these.
  void handColumnGraph(int set, bool withSeries);
  void handColumnRanges(const tally::RefreshResult& result);
  void handBoxPlot();
  void handBoxRange(double yMin, double yMax);
  void handOgive(int set, bool present);
  void handSliderPercentile(int set, double value);
  void handPercentage(int p);
  void handPercentileRange();
  // The column width and the bar width of both column series under a data type.
  void setColumnWidth(double width, int type);
  // Hands the set names to the views without redrawing them.
  void nameGraphs();

 public:
  // Lines the slider's track up with the percentile graph's 0% and 100% rows.
  void alignPercentileSlider();

  // Size of the statistics page's texts and of the graphs' labels, 1 at the
  // opening size: it grows with the window (a projector screen) times the zoom
  // of Ctrl+plus / Ctrl+minus (Ctrl+0 returns to 1).
  void setTextScale(double scale);
  double getTextScale() const { return textScale; }
  double getUserZoom() const { return userZoom; }
  // The scale the window's client size asks for, times the user's zoom.
  double wantedTextScale() const;

 private:

  // MainFrameCommands.cpp
  void onClearData(wxCommandEvent& event);
  void onPrint(wxCommandEvent& event);
  void onAutoData(wxCommandEvent& event);
  void onSetName(wxCommandEvent& event);
  void onColumnWidth(wxCommandEvent& event);
  void onPreview(wxCommandEvent& event);
  bool holdsData() const;
  bool confirmDataLoss();

  // MainFrameFiles.cpp
  void onLoadData(wxCommandEvent& event);
  void onSaveData(wxCommandEvent& event);

  // MainFrameData.cpp
  void onGridCellChanged(wxGridEvent& event);
  void onSetSelected(wxCommandEvent& event);
  void onDataTypeChanged(wxCommandEvent& event);
  void onGroupingDetails(wxCommandEvent& event);

  // MainFrameStats.cpp
  void onPercentileSpin(wxSpinEvent& event);
  void onPercentileText(wxCommandEvent& event);
  void onPercentileSlider(wxScrollEvent& event);
  void onCycleStdDev(wxCommandEvent& event);

  wxDECLARE_EVENT_TABLE();
};
