// Load Data, Save Data and the analysis description through the main window, with
// the file selector replaced by the test (on GTK the real one cannot be answered).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/choice.h>
#include <wx/choicdlg.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/notebook.h>


#include <filesystem>
#include <memory>

#include "../TestFiles.h"
#include "MainFrameDriver.h"
#include "core/description/DescriptionReader.h"
#include "core/stats/Report.h"

namespace {

namespace fs = std::filesystem;
using namespace testfiles;

// A Yes/No message box with exactly this caption and text, given this answer.
class AnswerQuestion : public wxExpectModalBase<wxMessageDialog, AnswerQuestion> {
 public:
  AnswerQuestion(const std::string& title, const std::string& message, int answer)
      : title(title), message(message), answer(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetCaption()), title);
    EXPECT_EQ(toStd(dlg->GetMessage()), message);
    EXPECT_TRUE(dlg->GetMessageDialogStyle() & wxYES_NO);
    return answer;
  }
  wxString GetDefaultDescription() const override { return toWx("question \"" + title + "\""); }

 private:
  std::string title, message;
  int answer;
};

AnswerQuestion replace(int answer) {
  return AnswerQuestion("File Exists", "File already exists. Do you want to replace it?", answer);
}

struct SelectorCall {
  std::string message, directory, file, extension, wildcard;
  int flags;
  wxWindow* parent;
};

const char* const kWildcard = "CSV files (*.csv)|*.csv|All files (*.*)|*.*";

class DataFilesTest : public ::testing::Test, protected MainFrameDriver {
 protected:
  DataFilesTest() : dir(freshDirectory("data_files_ui")) {
    frame->fileSelector = [this](const wxString& message, const wxString& directory,
                                 const wxString& file, const wxString& extension,
                                 const wxString& wildcard, int flags, wxWindow* parent) {
      calls.push_back({toStd(message), toStd(directory), toStd(file), toStd(extension),
                       toStd(wildcard), flags, parent});
      return toWx(chosen);
    };
  }
  ~DataFilesTest() override { fs::remove_all(dir); }

  // The buttons' identifiers are shared with other controls; the frame's table
  // tells them apart by the event type.
  void press(int id) {
    wxCommandEvent pressed(wxEVT_BUTTON, id);
    frame->GetEventHandler()->ProcessEvent(pressed);
  }
  std::vector<std::string> column(int col, int rows) const {
    std::vector<std::string> cells;
    for (int r = 0; r < rows; ++r) cells.push_back(cell(r, col));
    return cells;
  }

  std::string dir;
  std::string chosen;  // what the selector returns; empty for Cancel
  std::vector<SelectorCall> calls;
};

}  // namespace

TEST_F(DataFilesTest, LoadFillsTheGridFromTheTopLeftWhateverIsSelectedAndReReadsTheSet) {
  typeValues({"1", "2", "3", "4", "5"});
  frame->grid->SelectBlock(2, 0, 3, 0);
  chosen = dir + "scores.csv";
  spit(chosen, "\xEF\xBB\xBF" "5\t\r\n7\t\r\n7\t\r\n8\t\r\n");  // a byte-order mark, CR LF lines
  press(ID_LOAD_DATA);

  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].message, "Choose a Data File");
  EXPECT_EQ(calls[0].directory, "");
  EXPECT_EQ(calls[0].file, "");
  EXPECT_EQ(calls[0].extension, "csv");
  EXPECT_EQ(calls[0].wildcard, kWildcard);
  EXPECT_EQ(calls[0].flags, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  EXPECT_EQ(calls[0].parent, frame);
  EXPECT_EQ(column(0, 5), (std::vector<std::string>{"5", "7", "7", "8", ""}));
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "4");
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::Mode)), "7");

  // Cancel changes nothing.
  chosen.clear();
  press(ID_LOAD_DATA);
  EXPECT_EQ(column(0, 5), (std::vector<std::string>{"5", "7", "7", "8", ""}));
}

TEST_F(DataFilesTest, LoadReadsLatin1AndKeepsTheClassLabelsOfAlreadyGroupedData) {
  chosen = dir + "names.csv";
  // A header line names the set.
  spit(chosen, "Gr\xFC\xDF\t\n3\t\n");
  press(ID_LOAD_DATA);
  EXPECT_EQ(frame->analysis().setName(0), "Gr\xC3\xBC\xC3\x9F");
  EXPECT_EQ(cell(0, 0), "3");

  wxTEST_DIALOG(chooseType(tally::AlreadyGroupedContinuous), AnswerGrouping("0", "10", 3));
  spit(chosen, "x\t2\n\t3\n");
  press(ID_LOAD_DATA);
  EXPECT_EQ(column(0, 2), (std::vector<std::string>{"0 - < 10", "10 - < 20"}));
  EXPECT_EQ(column(1, 3), (std::vector<std::string>{"2", "3", ""}));
  EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), "5");
}

TEST_F(DataFilesTest, AFailedLoadSaysWhyAndLeavesTheGridAndBothSetsAlone) {
  typeValues({"1", "2", "3"});
  selectSet(1);
  typeValues({"4", "5", "6"});
  const auto set1 = frame->analysis().set(0).pairs, set2 = frame->analysis().set(1).pairs;
  struct Case {
    std::string path, reason;
  } cases[] = {{dir + "missing.csv", "No such file or directory."},
               {dir, "It is not a regular file."}};
  for (const Case& c : cases) {
    chosen = c.path;
    wxTEST_DIALOG(press(ID_LOAD_DATA),
                  ExpectMessage("Error",
                                "The data file \"" + c.path + "\" could not be loaded. " + c.reason,
                                wxICON_ERROR));
    EXPECT_EQ(column(0, 4), (std::vector<std::string>{"4", "5", "6", ""})) << c.path;
    EXPECT_EQ(frame->analysis().set(0).pairs, set1);
    EXPECT_EQ(frame->analysis().set(1).pairs, set2);
  }
}

TEST_F(DataFilesTest, SaveWritesTheGridAsksBeforeReplacingAndKeepsPermissions) {
  typeValues({"5", "7"});
  chosen = dir + "out.csv";
  wxTEST_DIALOG(press(ID_SAVE_DATA),
                ExpectMessage("File Saved", "Save was completed successfully"));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].message, "Save Data As");
  EXPECT_EQ(calls[0].extension, "csv");
  EXPECT_EQ(calls[0].wildcard, kWildcard);
  EXPECT_EQ(calls[0].flags, wxFD_SAVE);
  EXPECT_EQ(calls[0].parent, nullptr);
  EXPECT_EQ(slurp(chosen), "5\t\n7\t\n\n");

  ASSERT_EQ(chmod(chosen.c_str(), 0640), 0);
  type(3, 0, "9");
  wxTEST_DIALOG(press(ID_SAVE_DATA), replace(wxID_NO));
  EXPECT_EQ(slurp(chosen), "5\t\n7\t\n\n");
  wxTEST_DIALOG(press(ID_SAVE_DATA), replace(wxID_YES),
                ExpectMessage("File Saved", "Save was completed successfully"));
  EXPECT_EQ(slurp(chosen), "5\t\n7\t\n\t\n9\t\n\n");
  struct stat st;
  ASSERT_EQ(stat(chosen.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // An empty table writes nothing, and the old file stays.
  for (int r : {0, 1, 3}) type(r, 0, "");
  wxTEST_DIALOG(press(ID_SAVE_DATA), replace(wxID_YES),
                ExpectMessage("Table Empty", "Table has no data. File was not saved.",
                              wxICON_ERROR));
  EXPECT_EQ(slurp(chosen), "5\t\n7\t\n\t\n9\t\n\n");
  // Cancel asks nothing.
  chosen.clear();
  press(ID_SAVE_DATA);
}

// A disk that fills up half way: the file-size limit cuts the write short.
TEST_F(DataFilesTest, AShortWriteReportsTheFailureAndLeavesTheOldFileByteForByte) {
  chosen = dir + "set.csv";
  const std::string old = "1\t\n2\t\n\n";
  spit(chosen, old);
  std::vector<std::string> many;
  for (int i = 0; i < 50; ++i) many.push_back(std::to_string(1000 + i));
  typeValues(many);

  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 16;
  void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  wxTEST_DIALOG(press(ID_SAVE_DATA), replace(wxID_YES),
                ExpectMessage("File Creation Error", "File could not be saved. File too large.",
                              wxICON_ERROR));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);

  EXPECT_EQ(slurp(chosen), old);
  EXPECT_EQ(entries(dir), std::vector<std::string>{"set.csv"}) << "no temporary file is left";
}

namespace {

const char* const kFrequenciesQuestion =
    "The file has frequencies. Switch to Grouped Discrete to keep them?";

// The scale dialog of Export Picture, answered with the entry at `index`.
class ChooseScale : public wxExpectModalBase<wxSingleChoiceDialog, ChooseScale> {
 public:
  explicit ChooseScale(int index) : index(index) {}

 protected:
  int OnInvoked(wxSingleChoiceDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetTitle()), "Export Picture");
    dlg->SetSelection(index);
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "the picture's scale"; }

 private:
  int index;
};

size_t occurrences(const std::string& text, const std::string& word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

}  // namespace

TEST_F(DataFilesTest, LoadReadsSpreadsheetFilesAndNamesTheSetFromTheirHeader) {
  chooseType(tally::GroupedDiscrete);
  struct Case {
    int set;
    std::string file;
    std::vector<std::string> values, frequencies;
    std::string name, n;
  } cases[] = {
      // Semicolons with decimal commas, a header, CR LF lines.
      {0, "Score;Frequency\r\n7,5;2\r\n8;3\r\n", {"7.5", "8", ""}, {"2", "3", ""}, "Score", "5"},
      // Commas with quoted fields: separators and doubled quotes inside.
      {1, "\"Mark, \"\"final\"\"\",\"n\"\n\"1.5\",4\n2,\"1\"\n", {"1.5", "2", ""},
       {"4", "1", ""}, "Mark, \"final\"", "5"},
      // TAB with a decimal comma; a set already named keeps its name.
      {0, "Other\n2,5\t1\n3\t2\n", {"2.5", "3", ""}, {"1", "2", ""}, "Score", "3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    selectSet(c.set);
    chosen = dir + "sheet.csv";
    spit(chosen, c.file);
    press(ID_LOAD_DATA);
    EXPECT_EQ(column(0, 3), c.values);
    EXPECT_EQ(column(1, 3), c.frequencies);
    EXPECT_EQ(frame->analysis().setName(c.set), c.name);
    EXPECT_EQ(text(frame->statistics->label(c.set, Statistic::N)), c.n);
  }
}

TEST_F(DataFilesTest, AFileOfValuesAndFrequenciesAsksWhetherToKeepTheFrequencies) {
  struct Case {
    int answer;
    tally::DataType type;
    std::vector<std::string> frequencies;
    std::string n;
  } cases[] = {{wxID_YES, tally::GroupedDiscrete, {"2", "3", ""}, "5"},
               {wxID_NO, tally::UngroupedDiscrete, {"", "", ""}, "2"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    if (frame->shownType() != tally::UngroupedDiscrete) chooseType(tally::UngroupedDiscrete);
    chosen = dir + "pairs.csv";
    spit(chosen, "5\t2\n7\t3\n");
    wxTEST_DIALOG(press(ID_LOAD_DATA), AnswerQuestion("Frequencies", kFrequenciesQuestion, c.answer));
    EXPECT_EQ(frame->shownType(), c.type);
    EXPECT_EQ(column(0, 3), (std::vector<std::string>{"5", "7", ""}));
    if (c.type == tally::GroupedDiscrete) {
      EXPECT_EQ(column(1, 3), c.frequencies);
    }
    EXPECT_EQ(text(frame->statistics->label(0, Statistic::N)), c.n);
  }
  // Under a grouped type nothing is asked.
  chooseType(tally::GroupedContinuous);
  press(ID_LOAD_DATA);
  EXPECT_EQ(frame->shownType(), tally::GroupedContinuous);
  EXPECT_EQ(column(1, 3), (std::vector<std::string>{"2", "3", ""}));
}

TEST_F(DataFilesTest, AFileWithNoNumbersIsReportedAndChangesNothing) {
  typeValues({"1", "2", "3"});
  const auto pairs = frame->analysis().set(0).pairs;
  for (const std::string& file : {std::string(), std::string("Score\n"), std::string("a;b\nc;d\n"),
                                  std::string("\xFF\xFE")}) {
    SCOPED_TRACE(file);
    chosen = dir + "words.csv";
    spit(chosen, file);
    wxTEST_DIALOG(press(ID_LOAD_DATA),
                  ExpectMessage("Error", "No numbers found in " + chosen + ".", wxICON_ERROR));
    EXPECT_EQ(column(0, 4), (std::vector<std::string>{"1", "2", "3", ""}));
    EXPECT_EQ(frame->analysis().set(0).pairs, pairs);
    EXPECT_EQ(frame->analysis().setName(0), "Set 1");
  }
}

TEST_F(DataFilesTest, SaveAddsCsvToANameWithoutAnExtension) {
  typeValues({"5", "7"});
  struct Case {
    std::string typed, written;
  } cases[] = {{"scores", "scores.csv"}, {"scores.txt", "scores.txt"}};
  for (const Case& c : cases) {
    chosen = dir + c.typed;
    wxTEST_DIALOG(press(ID_SAVE_DATA),
                  ExpectMessage("File Saved", "Save was completed successfully"));
    EXPECT_EQ(slurp(dir + c.written), "5\t\n7\t\n\n") << c.typed;
  }
  EXPECT_EQ(entries(dir), (std::vector<std::string>{"scores.csv", "scores.txt"}));
}

TEST_F(DataFilesTest, CopyStatisticsPutsBothSetsStatisticsOnTheClipboard) {
  press(ID_AUTO_DATA);
  wxCommandEvent copy(wxEVT_MENU, ID_COPY_STATISTICS);
  frame->GetEventHandler()->ProcessEvent(copy);
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTextDataObject data;
  const bool got = wxTheClipboard->GetData(data);
  wxTheClipboard->Close();
  ASSERT_TRUE(got);
  const std::string copied = toStd(data.GetText());
  const tally::AnalysisModel& a = frame->analysis();
  EXPECT_EQ(copied, tally::statisticsText(a.result(), a.sampleStdDev(), a.percentile(0),
                                          a.percentile(1), a.setName(0), a.setName(1)));
  EXPECT_EQ(copied.rfind("\tSet 1\tSet 2", 0), 0u) << copied;
  const std::string n = text(frame->statistics->label(0, Statistic::N)) + "\t" +
                        text(frame->statistics->label(1, Statistic::N));
  EXPECT_NE(copied.find("\t" + n + "\r\n"), std::string::npos) << copied;
}

TEST_F(DataFilesTest, ExportPictureWritesAPngOfTheChosenScale) {
  press(ID_AUTO_DATA);
  frame->notebook->SetSelection(1);
  for (int i = 0; i < 3; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
  }
  ColumnGraphView* view = frame->set1Graph;
  const wxSize size = view->GetClientSize();
  ASSERT_GT(size.x, 0);
  ASSERT_GT(size.y, 0);
  wxCommandEvent exportPicture(wxEVT_MENU, ID_EXPORT_PICTURE);

  struct Case {
    std::string typed, written;
    int choice;
  } cases[] = {{"graph.png", "graph.png", 0}, {"graph@3", "graph@3.png", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    chosen = dir + c.typed;
    wxTEST_DIALOG(view->GetEventHandler()->ProcessEvent(exportPicture), ChooseScale(c.choice));
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(toWx(dir + c.written), wxBITMAP_TYPE_PNG));
    EXPECT_EQ(picture.GetWidth(), size.x * (c.choice + 1));
    EXPECT_EQ(picture.GetHeight(), size.y * (c.choice + 1));
  }

}

TEST_F(DataFilesTest, ExportPdfWritesThePrintedPageAsAOnePagePdf) {
  press(ID_AUTO_DATA);
  chosen = dir + "analysis";
  wxCommandEvent exportPdf(wxEVT_MENU, ID_EXPORT_PDF);
  frame->GetEventHandler()->ProcessEvent(exportPdf);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].message, "Export PDF");
  const std::string pdf = slurp(dir + "analysis.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(occurrences(pdf, "/Type /Page") - occurrences(pdf, "/Type /Pages"), 1u);
}

TEST_F(DataFilesTest, AFileDroppedOnTheWindowLoadsIntoTheSetOnShow) {
  selectSet(1);
  const std::string path = dir + "dropped.txt";
  spit(path, "Height\n4\n6\n");
  auto* drop = dynamic_cast<wxFileDropTarget*>(frame->GetDropTarget());
  ASSERT_NE(drop, nullptr);
  wxArrayString files;
  files.Add(toWx(path));
  EXPECT_TRUE(drop->OnDropFiles(10, 10, files));
  EXPECT_EQ(column(0, 3), (std::vector<std::string>{"4", "6", ""}));
  EXPECT_EQ(frame->analysis().setName(1), "Height");
  EXPECT_EQ(frame->analysis().set(0).pairs.size(), 0u);
  ASSERT_TRUE(frame->canUndo());
  frame->undo();
  EXPECT_EQ(cell(0, 0), "");
}

namespace {

class DescriptionTest : public ::testing::Test {
 protected:
  DescriptionTest() : dir(freshDirectory("description_ui")) {}
  ~DescriptionTest() override { fs::remove_all(dir); }

  std::string describe(const std::string& name, const std::string& keys) {
    spit(dir + name, "<?xml version=\"1.0\"?>\n<analysis>\n" + keys + "\n</analysis>\n");
    return dir + name;
  }
  // Opens the window on a description.
  void open(const std::string& path) { window = std::make_unique<MainFrameDriver>(toWx(path)); }
  MainFrame* frame() const { return window->frame; }
  std::string label(int s) const { return toStd(frame()->statistics->nameLabel(s)->GetLabel()); }

  std::string dir;
  std::unique_ptr<MainFrameDriver> window;
};

}  // namespace

TEST_F(DescriptionTest, NamesFilesTypeColumnWidthAndGroupingAreApplied) {
  spit(dir + "a.csv", "1\t2\n2\t1\n");  // read in the type: values and frequencies
  spit(dir + "b.csv", "4\n5\n5\n6\n");
  open(describe("class.xml",
                "<set1Name>Mathematics Class 7A, Mr Ng's afternoon</set1Name>"
                "<set1File>a.csv</set1File>\n"
                "<set2Name>\xC3\x9C" "bungsgruppe Gr\xC3\xB6\xC3\x9F" "en und Gewichte 9b</set2Name>"
                "<set2File>" + dir + "b.csv</set2File>\n"
                "<type>2</type><colWidth>2.5</colWidth>\n"
                "<start>1</start><size>0.5</size><number>4</number>"));
  EXPECT_EQ(label(0), "Mathematics Class 7A, Mr Ng's ");
  // Thirty characters, not thirty bytes: the umlauts stay whole.
  EXPECT_EQ(label(1), "\xC3\x9C" "bungsgruppe Gr\xC3\xB6\xC3\x9F" "en und Gewich");
  EXPECT_EQ(frame()->dataTypeChoice->GetSelection(), tally::GroupedDiscrete);
  EXPECT_TRUE(frame()->set1Radio->GetValue());
  EXPECT_FALSE(frame()->set2Radio->GetValue());
  EXPECT_EQ(frame()->analysis().shownSet(), 0);
  // Set 1 shown with the counted frequencies; Set 2 built from its own file.
  EXPECT_EQ(window->cell(0, 0), "1");
  EXPECT_EQ(window->cell(0, 1), "2");
  EXPECT_EQ(window->cell(1, 0), "2");
  EXPECT_EQ(window->cell(1, 1), "1");
  EXPECT_EQ(frame()->analysis().set(1).pairs,
            (std::vector<tally::FrequencyPair>{{4, 1}, {5, 2}, {6, 1}}));
  EXPECT_EQ(frame()->analysis().state().columnWidth, 2);
  EXPECT_EQ(frame()->shownSeries(COLUMNS_SET1).columnWidth, 1.5);
  for (const tally::Grouping& g : {frame()->classGrouping(), frame()->histogramGrouping()})
    EXPECT_EQ(g, (tally::Grouping{1, 0.5, 4}));
}

TEST_F(DescriptionTest, AnUnusableDescriptionIsReportedAndTheWindowStartsInItsDefaultState) {
  const std::string path = describe("broken.xml", "<set1Name>Half</set1Name><type>2</type><size>");
  tally::AnalysisDescription d;
  tally::DescriptionProblems problems;
  ASSERT_FALSE(tally::loadDescription(path, d, problems));
  wxTEST_DIALOG(open(path),
                ExpectMessage("Error", "The analysis description \"" + path +
                                           "\" could not be used. " + problems.error +
                                           "\nThe program starts without it.",
                              wxICON_ERROR));
  EXPECT_EQ(label(0), "Set 1");
  EXPECT_EQ(frame()->dataTypeChoice->GetSelection(), tally::UngroupedDiscrete);
  EXPECT_EQ(frame()->analysis().description().set1Name, "Set 1");
  EXPECT_EQ(frame()->analysis().description().type, 0);
}

TEST_F(DescriptionTest, InvalidValuesAndAMissingDataFileAreReportedAndTheRestIsApplied) {
  const std::string path = describe(
      "odd.xml", "<set1Name>Named</set1Name><set1File>gone.csv</set1File><number>0</number>"
                 "<type>9</type><size>3</size>");
  wxTEST_DIALOG(
      open(path),
      ExpectMessage("Invalid Entry",
                     "These values of the analysis description \"" + path +
                         "\" cannot be used; their defaults are kept:\n"
                         "number \"0\" (must be a whole number from 1 to 100)\n"
                         "type \"9\" (must be a whole number from 0 to 4)",
                     wxICON_WARNING),
       ExpectMessage("Error",
                     "The data file \"" + dir + "gone.csv\" could not be loaded. "
                     "No such file or directory.",
                     wxICON_ERROR));
  EXPECT_EQ(label(0), "Named");
  EXPECT_EQ(frame()->dataTypeChoice->GetSelection(), tally::UngroupedDiscrete);
  EXPECT_EQ(frame()->classGrouping().groupCount, 10);
  EXPECT_EQ(frame()->classGrouping().groupSize, 3);
  EXPECT_TRUE(frame()->analysis().set(0).pairs.empty());
}

// Already grouped data: the class grouping opens at start-up as the description set it.
TEST_F(DescriptionTest, AlreadyGroupedDataOpensTheClassGroupingAndShowsTheClasses) {
  spit(dir + "marks.csv", "2\n15\n15\n");
  const std::string path = describe("grouped.xml",
                                    "<set1File>marks.csv</set1File><type>4</type>"
                                    "<start>0</start><size>10</size><number>3</number>");
  wxTEST_DIALOG(open(path), AnswerGrouping("0", "10", 3));
  EXPECT_EQ(frame()->dataTypeChoice->GetSelection(), tally::AlreadyGroupedContinuous);
  EXPECT_EQ(window->cell(0, 0), "0 - < 10");
  EXPECT_EQ(window->cell(0, 1), "1");
  EXPECT_EQ(window->cell(1, 1), "2");
  EXPECT_EQ(window->cell(2, 1), "0");
}
