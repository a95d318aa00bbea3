#pragma once
// The main window: data entry on the left, statistics and graphs on the right.
// A view of the analysis model it holds: handlers call one model operation and
// show what it changed; nothing is read back from a control to compute anything.
#include <wx/cmndata.h>
#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/prntbase.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/graph/Series.h"
#include "core/model/AnalysisModel.h"
#include "core/settings/UserSettings.h"
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
class BufferedGraphView;
class DotPlotView;
class wxCheckBox;
class FrequencyTablePage;
class StemAndLeafPage;
class WorkingPage;
class GroupingDialog;
class StatisticsPanel;
class VardenGrid;

// Control identifiers, one number each: a handler never has to tell two controls
// apart by the kind of their event.
enum MainFrameId {
  ID_CLEAR_DATA = wxID_HIGHEST + 1,
  ID_PRINT,
  ID_AUTO_DATA,
  ID_CYCLE_SET1,
  ID_CYCLE_SET2,
  ID_NAME_SET1,
  ID_NAME_SET2,
  ID_COLUMN_WIDTH,
  ID_GROUPING_DETAILS,
  ID_LOAD_DATA,
  ID_SAVE_DATA,
  ID_PREVIEW,
  ID_DATA_TYPE,
  ID_SET1_RADIO,
  ID_SET2_RADIO,
  ID_PERCENTILE_SET1,
  ID_PERCENTILE_SET2,
  ID_PERCENTILE_SLIDER,
  ID_ZOOM_IN,
  ID_ZOOM_OUT,
  ID_ZOOM_RESET,
  ID_DECIMALS,
  ID_COPY_STATISTICS,
  ID_EXPORT_PICTURE,
  ID_EXPORT_PDF,
  ID_FREQUENCY_KIND,
  ID_SHOW_VALUES,
  ID_AXES_COLUMN,  // "Axes..." of the column graphs, the box plot and the ogive (by AxisPage)
  ID_AXES_BOX,
  ID_AXES_OGIVE
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

class MainFrame : public wxFrame {
 public:
  MainFrame(wxWindow* parent, wxWindowID id, const wxString& descriptionFile,
            const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);
  ~MainFrame() override;

  // The analysis the window shows; every command changes it through one operation.
  const tally::AnalysisModel& analysis() const { return model; }

  // Enters the grid's table as it now stands (a paste, a load) into the shown set.
  void extractGridData();
  // Puts the analysis of a description or analysis file in place (start-up and
  // openAnalysisFile); one that cannot be used is reported and changes nothing.
  // True when it was applied.
  bool openAnalysisDescription(const wxString& fileName);
  // The print command: dialog, printout, messages; keeps the user's choices in
  // printData after a successful print. The preview window's Print button runs it too.
  bool printAnalysis(wxWindow* parent);
  // Prints any printout through runPrinter (or the toolkit's dialog), with the
  // messages and the kept choices of printAnalysis.
  bool printPrintout(wxWindow* parent, wxPrintout& printout);

  // Keeps what is typed in an open grid cell, in the set it was typed into. Runs
  // before any other control acts, before closing and before the grouping dialogs.
  void commitGridEditor();
  // Undo and redo of changes to the data, their tables, the data type, the names,
  // the column width and the groupings. Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z.
  void undo();
  void redo();
  bool canUndo() const { return history.canUndo(); }
  bool canRedo() const { return history.canRedo(); }
  // Records the data of both sets (set -1) or of one set as saved.
  void markDataSaved(int set = -1) { model.markSaved(set); }
  // True when a set holds data other than those last loaded or saved.
  bool hasUnsavedData() const { return model.hasUnsavedData(); }

  // Every command event that reaches the window records an undo step when it
  // changed the analysis, so each command gets undo without doing anything.
  bool ProcessEvent(wxEvent& event) override;

  // Data files (MainFrameFiles.cpp). loadDataFile reads the whole file first and
  // only then puts it in place of the shown table; a file that cannot be read is
  // reported and changes nothing. saveDataFile asks for the file.
  bool loadDataFile(const wxString& path);
  bool saveDataFile();

  // The toolkit's file selector, or what a test puts in its place: message, default
  // directory, default file name, default extension, wildcard, flags, parent.
  using FileSelector =
      std::function<wxString(const wxString&, const wxString&, const wxString&, const wxString&,
                             const wxString&, int, wxWindow*)>;
  static FileSelector toolkitFileSelector();
  // MainFrameExport.cpp. Files dropped on the window: the first opens as the
  // analysis when it is a ".tally" file, else loads as data into the set on show,
  // one undo step. exportPicture asks for the file (".png" or
  // ".svg") and, for PNG, the scale; exportPdf writes the printed page to the file.
  bool dropFiles(const wxArrayString& files);
  bool exportPicture(BufferedGraphView* view);
  bool exportPdf(const wxString& path);
  FileSelector fileSelector = toolkitFileSelector();

  // The analysis file (MainFrameFiles.cpp). openAnalysisFile puts the file's
  // analysis in place of the window's, after the save question when there are
  // unsaved changes; saveAnalysis writes the analysis to its file, asking for a
  // name when it has none (or `askName`). Both false when nothing was done.
  bool openAnalysisFile(const wxString& path);
  bool saveAnalysis(bool askName = false);
  // The analysis differs from what was last opened or saved.
  bool hasUnsavedChanges() const;
  // "Save changes to ... before closing?" when there are unsaved changes: true to
  // go on (saved, or closed without saving), false on Cancel or a failed save.
  bool askSaveChanges();
  // The analysis file's full path; empty while the analysis has none.
  const wxString& analysisPath() const { return analysisFile; }
  // Analysis files lately opened or saved, newest first (kept in wxConfigBase::Get()).
  wxFileHistory* recentAnalyses() const { return recentFiles.get(); }

  // The data type in force, and the layout it writes the grid in.
  tally::DataType shownType() const { return model.type(); }
  tally::GridLayout shownLayout() const { return model.layout(); }
  tally::Grouping classGrouping() const { return model.classes(); }
  tally::Grouping histogramGrouping() const { return model.histogram(); }

  wxPrintData printData;

  // Data side.
  VardenGrid* grid = nullptr;
  wxRadioButton* set1Radio = nullptr;
  wxRadioButton* set2Radio = nullptr;
  wxChoice* dataTypeChoice = nullptr;
  wxButton* groupingDetailsButton = nullptr;

  // Notebook and its pages.
  wxNotebook* notebook = nullptr;
  StatisticsPanel* statistics = nullptr;
  wxPanel* columnGraphPage = nullptr;
  wxPanel* boxPage = nullptr;
  // Views of the model's last refresh, built when on show (src/ui/views).
  FrequencyTablePage* frequencyTablePage = nullptr;
  StemAndLeafPage* stemAndLeafPage = nullptr;
  WorkingPage* workingPage = nullptr;

  // "Column Graph" page.
  wxButton* columnWidthButton = nullptr;
  // Under each set's graph, the values its columns or classes leave out ("1 value
  // outside the columns: 20"); hidden while every value is counted.
  wxStaticText* columnOutside[2] = {};

  // "Box && Whisker" page: the data-type switch shows one of the two inner sizers.
  wxBoxSizer* boxPageSizer = nullptr;
  wxBoxSizer* boxPlotSizer = nullptr;
  wxBoxSizer* percentileSizer = nullptr;
  wxSlider* percentileSlider = nullptr;
  wxTextCtrl* percentageText = nullptr;

  // "Column Graph" page: "Frequency" or "Relative frequency (%)" on the columns.
  wxChoice* frequencyChoice = nullptr;
  // "Box && Whisker" page: the five-number summary written beside each box.
  wxCheckBox* showValuesCheck = nullptr;
  // "Dot Plot" page: the dots of ungrouped data, or why grouped data have none.
  wxPanel* dotPlotPage = nullptr;
  // The dot plot waits for its page to be shown before it takes the sets.
  bool dotPlotStale = true;
  DotPlotView* dotPlot = nullptr;

  // The series the window hands the graph views, written from the last refresh.
  const tally::Series& shownSeries(int index) const { return series[index]; }

  // The four graph views.
  ColumnGraphView* set1Graph = nullptr;
  ColumnGraphView* set2Graph = nullptr;
  ColumnGraphView* boxPlot = nullptr;
  PercentileGraphView* percentileGraph = nullptr;

  // Called with the handler's name each time an event handler runs; empty in the
  // program. Lets tests see which handler an event reached.
  std::function<void(const std::string&)> handlerProbe;

  // Prints the printout through the printer's own dialog, parented to the given
  // window. Returns wxPRINTER_NO_ERROR with the user's choices left in the
  // dialog data, or why nothing was printed. The toolkit's print dialog is not
  // a wx dialog a test can answer, so tests put their own printer here.
  std::function<wxPrinterError(wxWindow* parent, wxPrintDialogData& data, wxPrintout& printout)>
      runPrinter;

  // "Axes..." of a graph page (AxisPage): the dialog, then the model's range. The
  // pages' buttons and the graphs' context menus run it.
  void askAxes(int page);
  wxButton* axesButton[3] = {};

  // Lines the slider's track up with the percentile graph's 0% and 100% rows.
  void alignPercentileSlider();

  // Size of the statistics page's texts and of the graphs' labels, 1 at the
  // opening size: it grows with the window (a projector screen) times the zoom.
  void setTextScale(double scale);
  double getTextScale() const { return textScale; }
  double getUserZoom() const { return userZoom; }
  // The scale the window's client size asks for, times the user's zoom.
  double wantedTextScale() const;

  // The projector zoom of Ctrl+plus / Ctrl+minus / Ctrl+0 (MainFrameZoom.cpp), in
  // percent, one of tally::zoomSteps(): every control's text and minimum size,
  // the table's fonts, rows and columns, the graphs' texts and lines.
  int getZoomPercent() const { return zoomPercent; }
  void setZoomPercent(int percent);
  // A length in pixels at 100%, at the zoom in force.
  int zoomed(int pixels) const;
  // What is kept between runs: the zoom, the window's size, the data files'
  // folders, the decimals (an analysis that chose its own decimals keeps them).
  void applySettings(const tally::UserSettings& settings);
  tally::UserSettings currentSettings() const;
  // The folders Load Data and Save Data open in: the last ones used.
  wxString lastLoadFolder;
  wxString lastSaveFolder;

 private:
  // Building (MainFrameLayout.cpp).
  wxSizer* buildDataSide(wxPanel* mainPanel, wxNotebook*& pages);
  void buildPages();
  void buildColumnPage();
  void buildBoxPage();
  // MainFrameGraphChoices.cpp: the dot plot page, the frequency choice and the
  // box plot's values.
  void buildDotPlotPage();
  void buildGraphChoices();
  void handDotPlot();
  void handBoxMarks();
  void showFrequencyKind();
  void onFrequencyKind(wxCommandEvent& event);
  void onShowValues(wxCommandEvent& event);
  void buildLessonPages();
  void createGraphViews();
  void fitInstructions(wxSizer* frameSizer);
  void bindKeys();
  void initialiseSeries();
  // The window's icons, given once `painted` (the window's panel) has painted.
  void iconsAfterFirstPaint(wxWindow* painted);
  void probe(const char* handler) {
    if (handlerProbe) handlerProbe(handler);
  }

  bool TryBefore(wxEvent& event) override;

  // src/ui/access/MainFrameAccess.cpp: accessible names, descriptions and label
  // relations, kept in step with the model after every change; the page keys.
  void setUpAccess();
  void describeForReaders();
  void writeReaderTexts();

  // The one way the model's changes reach the controls (MainFrameStats.cpp).
  void show(const tally::ModelChange& change);
  void showTable();
  void showType();
  void showNames();
  void showStatistics();
  void showGraphs();
  void showSliderReadOuts(bool percentage);
  void showLessonPages();
  void layOutGrownLabels();
  void keepPagesInView();
  void showMessage(const wxString& message, const wxString& title, long style);
  void showOgivePage(bool ogive);
  // The classes asked in the class dialog, starting from the model's.
  tally::Grouping askClasses();
  // Whether classes that leave values out are to be widened to hold them; asked
  // only when values fall outside them.
  bool askWidenClasses(const tally::Grouping& classes);
  // The lines under the column graphs naming the values their columns or classes
  // leave out.
  void showColumnOutside();

  void rememberScaledTexts();
  void adoptLateControls(wxWindow* root);
  void onZoom(wxCommandEvent& event);
  void zoomGrid();
  void zoomSeriesPens();
  void zoomMenuBar();
  void fitToToolkit();
  void holdPanelsWhole();
  wxTimer fitTimer;
  // The zoom kept from the last run, taken once the window is on the screen.
  wxTimer startZoomTimer;
  int startZoom = 100;
  int fitAttempts = 0;
  void growToContent();
  // The table's column widths for its layout and the zoom.
  void sizeGridColumns();
  double textScale = 1.0;
  double userZoom = 1.0;
  int zoomPercent = 100;
  // The window's size before it was maximised.
  wxSize restoredSize;
  // Every text the scale resizes, with its font (and minimum size) at scale 1.
  // The font is read at the first scaling: asking GTK for a control's default
  // font costs a style lookup per control, too dear to pay for every label at
  // start-up, and nothing changes the fonts before then.
  struct ScaledText {
    wxWindow* window;
    wxFont font;  // not Ok until the first scaling
    wxSize minSize;
    bool followsWindow;  // grows with the window as well as with the zoom
    wxSize natural;      // the toolkit's size of a control at 100%
    wxSize text;         // its text's size at 100%
  };
  std::vector<ScaledText> scaledTexts;
  struct GridAtHundred {
    wxFont cellFont, labelFont;
    int rowHeight = 0, labelHeight = 0;
  } gridAtHundred;
  wxFont menuFontAtHundred;  // the menu titles' font at 100%
  // Pen width and marker size of each series at 100%.
  std::vector<std::pair<int, int>> seriesPensAtHundred;

  tally::AnalysisModel model;
  // Class grouping of already grouped data, and the histogram columns of
  // continuous data: editors of the model's groupings, given its values each time.
  GroupingDialog* classDialog = nullptr;
  GroupingDialog* histogramDialog = nullptr;
  // The series handed to the graph views, written from the model's last refresh.
  tally::Series series[8];
  wxTextCtrl* instructionsText = nullptr;
  wxSizerItem* sliderTopSpace = nullptr;
  wxSizerItem* sliderBottomSpace = nullptr;

  // MainFrameData.cpp
  std::vector<tally::CellWrite> changedCells() const;
  void recordUndoStep();
  void onClose(wxCloseEvent& event);
  void onUndo(wxCommandEvent& event);
  void onRedo(wxCommandEvent& event);

  // Undo steps: snapshots of the model.
  tally::UndoHistory history;
  // Starts when construction has set the first state up.
  bool historyStarted = false;
  // Nesting of command events at the window: steps are recorded at the outermost.
  int eventDepth = 0;

  // MainFrameStats.cpp: everything handed to the graph views goes through these.
  void handColumnGraph(int set, bool withSeries);
  void handColumnRanges(const tally::RefreshResult& result);
  void handBoxPlot();
  void handOgive(int set, bool present);
  void handSliderPercentile(int set, double value);
  void handPercentage(int p);
  void handPercentileRange();
  // MainFrameAxes.cpp: the value axes set by hand, over the fitted ones.
  wxButton* makeAxesButton(wxWindow* parent, int page);
  void applyAxisRanges();
  // Hands the set names to the views without redrawing them.
  void nameGraphs();

  // MainFrameCommands.cpp
  void onClearData(wxCommandEvent& event);
  void onPrint(wxCommandEvent& event);
  void onAutoData(wxCommandEvent& event);
  void onSetName(wxCommandEvent& event);
  void onColumnWidth(wxCommandEvent& event);
  void onPreview(wxCommandEvent& event);
  bool confirmDataLoss();

  // MainFrameExport.cpp: Ctrl+Shift+C copies the statistics, Ctrl+Shift+E exports
  // the PDF; each graph's right-click menu exports its picture.
  void bindExports();
  void onCopyStatistics(wxCommandEvent& event);
  void onExportPdf(wxCommandEvent& event);

  // MainFrameMenu.cpp: the menu bar, the title, the guide and About.
  void buildMenuBar();
  void showTitle();
  void onOpenAnalysis(wxCommandEvent& event);
  void onSaveAnalysis(wxCommandEvent& event);
  void onRecentAnalysis(wxCommandEvent& event);
  void onQuit(wxCommandEvent& event);
  void onGuide(wxCommandEvent& event);
  void onAbout(wxCommandEvent& event);
  void onExportShownPicture(wxCommandEvent& event);
  void rememberRecent(const wxString& path);
  wxString analysisFile;
  // The analysis file text of what was last opened or saved.
  std::string savedText;
  std::unique_ptr<wxFileHistory> recentFiles;
  int firstPageItem = wxID_NONE;

  // MainFrameFiles.cpp
  void onLoadData(wxCommandEvent& event);
  void onSaveData(wxCommandEvent& event);
  // A file's text, or why it could not be read (shown to the user): false.
  bool readDataText(const wxString& path, std::string& text);

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
  void onDecimals(wxCommandEvent& event);

  wxDECLARE_EVENT_TABLE();
};
