// The analysis file through the window: Save Analysis, the title's star, the save
// question on closing and opening, Open Analysis, Recent Analyses, the menu bar and
// the guide. The file selector is replaced by the test.
#include <gtest/gtest.h>
#include <expat.h>

#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <memory>
#include <regex>

#include "../TestFiles.h"
#include "MainFrameDriver.h"
#include "core/description/AnalysisFile.h"
#include "core/description/AnalysisWriter.h"
#include "ui/app/HelpGuide.h"

namespace {

namespace fs = std::filesystem;
using namespace testfiles;

const char* const kTitleSuffix = " - Tallyscope";

std::string saveQuestion(const std::string& name) {
  return "Save changes to \xE2\x80\x9C" + name + "\xE2\x80\x9D before closing?";
}

// The save question, with its three buttons, given this answer.
class AnswerSave : public wxExpectModalBase<wxMessageDialog, AnswerSave> {
 public:
  AnswerSave(std::string name, int answer) : name(std::move(name)), answer(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetCaption()), "Tallyscope");
    EXPECT_EQ(toStd(dlg->GetMessage()), saveQuestion(name));
    const long style = dlg->GetMessageDialogStyle();
    EXPECT_TRUE((style & wxYES_NO) && (style & wxCANCEL));
    EXPECT_EQ(toStd(dlg->GetYesLabel()), "Save");
    EXPECT_EQ(toStd(dlg->GetNoLabel()), "Close Without Saving");
    EXPECT_EQ(toStd(dlg->GetCancelLabel()), "Cancel");
    return answer;
  }
  wxString GetDefaultDescription() const override { return "the save question"; }

 private:
  std::string name;
  int answer;
};

// The guide dialog: every page named, the statistics explained.
class ExpectGuide : public wxExpectModalBase<HelpGuide, ExpectGuide> {
 public:
  explicit ExpectGuide(std::vector<std::string> pages) : pages(std::move(pages)) {}

 protected:
  int OnInvoked(HelpGuide* dlg) const override {
    const std::string text = toStd(dlg->text()->GetValue());
    for (const std::string& page : pages) EXPECT_NE(text.find("- " + page), std::string::npos) << page;
    for (const char* term : {"Q1", "Median", "Std Dev.", "n - 1", "F1", "Ctrl+Z"})
      EXPECT_NE(text.find(term), std::string::npos) << term;
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "the guide"; }

 private:
  std::vector<std::string> pages;
};

// A window whose file selector answers with `chosen` (empty: Cancel) and counts its calls.
struct Window : MainFrameDriver {
  explicit Window(std::string* chosen, int* calls, const wxString& file = wxString())
      : MainFrameDriver(file) {
    frame->fileSelector = [chosen, calls](const wxString&, const wxString&, const wxString&,
                                          const wxString&, const wxString&, int, wxWindow*) {
      ++*calls;
      return toWx(*chosen);
    };
  }
  // A menu command as the menu bar sends it.
  void command(int id) {
    ASSERT_NE(frame->GetMenuBar()->FindItem(id), nullptr) << id;
    // Opening a menu brings its entries up to date first.
    frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    frame->ProcessCommand(id);
  }
  std::string title() const { return toStd(frame->GetTitle()); }
  std::string fileText() const {
    return tally::analysisFileText(tally::describeAnalysis(frame->analysis().content()));
  }
};

// About: the program's name and a version of three numbers.
class ExpectAbout : public wxExpectModalBase<wxMessageDialog, ExpectAbout> {
 protected:
  int OnInvoked(wxMessageDialog* dlg) const override {
    EXPECT_EQ(toStd(dlg->GetCaption()), "About Tallyscope");
    const std::string message = toStd(dlg->GetMessage());
    EXPECT_TRUE(std::regex_search(message, std::regex("^Tallyscope [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << message;
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "About"; }
};

bool closing(wxWindow* frame) { return wxPendingDelete.Member(frame); }

class AnalysisFileTest : public ::testing::Test {
 protected:
  AnalysisFileTest() : dir(freshDirectory("analysis_file_ui")) {}
  ~AnalysisFileTest() override { fs::remove_all(dir); }
  std::unique_ptr<Window> window(const wxString& file = wxString()) {
    return std::make_unique<Window>(&chosen, &calls, file);
  }

  std::string dir;
  std::string chosen;
  int calls = 0;
};

// An analysis with something set in every part the file keeps.
void prepare(Window& w) {
  w.chooseType(tally::GroupedDiscrete);
  w.type(0, 0, "3");
  w.type(0, 1, "2");
  w.type(1, 0, "5");
  w.type(1, 1, "4");
  w.type(2, 0, "x");  // kept as typed
  w.rename(0, "Class 7A & B");
  w.selectSet(1);
  w.type(0, 0, "6");
  w.type(0, 1, "1");
  w.selectSet(0);
  w.spin(1, 75);
  w.click(w.frame->FindWindow(ID_CYCLE_SET1));
}

}  // namespace

TEST_F(AnalysisFileTest, SaveWritesTheAnalysisAndTheTitleShowsUnsavedChanges) {
  auto w = window();
  EXPECT_EQ(w->title(), std::string("Untitled") + kTitleSuffix);
  prepare(*w);
  EXPECT_EQ(w->title(), std::string("Untitled*") + kTitleSuffix);
  EXPECT_TRUE(w->frame->hasUnsavedChanges());

  // Unnamed: Save asks for a name, and ".tally" is added to it.
  chosen = dir + "lesson";
  w->command(wxID_SAVE);
  EXPECT_EQ(calls, 1);
  const std::string path = dir + "lesson.tally";
  EXPECT_EQ(toStd(w->frame->analysisPath()), path);
  EXPECT_EQ(w->title(), "lesson.tally" + std::string(kTitleSuffix));
  const std::string written = slurp(path);
  EXPECT_EQ(written, w->fileText());
  for (const char* part : {"<set1Name>Class 7A &amp; B</set1Name>", "<type>2</type>",
                           "<set2Percentile>75</set2Percentile>",
                           "<sampleStdDev>1</sampleStdDev>", "<set1Data>\n3\t2\n5\t4\nx\t\n"})
    EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;

  // A change shows the star; Save writes to the same file without asking.
  w->type(3, 0, "9");
  w->type(3, 1, "1");
  EXPECT_EQ(w->title(), "lesson.tally*" + std::string(kTitleSuffix));
  w->command(wxID_SAVE);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(w->title(), "lesson.tally" + std::string(kTitleSuffix));
  EXPECT_NE(slurp(path).find("9\t1\n"), std::string::npos);
  // Undoing the change after saving differs from the file again.
  w->command(wxID_UNDO);
  EXPECT_EQ(w->title(), "lesson.tally*" + std::string(kTitleSuffix));

  // Save As asks again, offering the file's own name.
  chosen = dir + "copy.tally";
  w->command(wxID_SAVEAS);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(slurp(dir + "copy.tally"), w->fileText());
  EXPECT_EQ(w->title(), "copy.tally" + std::string(kTitleSuffix));
}

// Each answer of the question on closing: Cancel keeps the window, Close Without
// Saving closes it, Save closes it after saving, and a save that does not happen
// (no name chosen, or the file cannot be written) keeps it open.
TEST_F(AnalysisFileTest, ClosingWithUnsavedChangesAsksAndEachAnswerDoesWhatItSays) {
  struct Case {
    const char* name;
    int answer;
    std::string chosen;
    bool closes, saved, failureMessage;
  } cases[] = {
      {"cancel", wxID_CANCEL, "", false, false, false},
      {"close without saving", wxID_NO, "", true, false, false},
      {"save", wxID_YES, "closed.tally", true, true, false},
      {"save, no name chosen", wxID_YES, "", false, false, false},
      {"save that fails", wxID_YES, "missing/closed.tally", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(dir + "closed.tally");
    chosen = c.chosen.empty() ? "" : dir + c.chosen;
    auto w = window();
    w->type(0, 0, "4");
    if (c.failureMessage) {
      wxTEST_DIALOG(w->frame->Close(), AnswerSave("Untitled", c.answer),
                    wxExpectModal<wxMessageDialog>(wxID_OK).Describe("the failure"));
    } else {
      wxTEST_DIALOG(w->frame->Close(), AnswerSave("Untitled", c.answer));
    }
    EXPECT_EQ(closing(w->frame), c.closes);
    EXPECT_EQ(fs::exists(dir + "closed.tally"), c.saved);
    if (c.saved) {
      EXPECT_EQ(slurp(dir + "closed.tally"), w->fileText());
    }
  }
  // Nothing unsaved: no question at all.
  auto w = window();
  w->frame->Close();
  EXPECT_TRUE(closing(w->frame));
}

TEST_F(AnalysisFileTest, OpenAnalysisBringsEverythingBack) {
  auto first = window();
  prepare(*first);
  wxTEST_DIALOG(first->click(first->frame->columnWidthButton), AnswerText("2"));
  ASSERT_TRUE(first->frame->analysis().state().columnWidthChosen);
  chosen = dir + "lesson.tally";
  first->command(wxID_SAVE);
  // The decimals from the View menu are kept too.
  wxMenuBar* bar = first->frame->GetMenuBar();
  const int decimals = bar->FindMenuItem("View", "2");
  ASSERT_NE(decimals, wxNOT_FOUND);
  first->command(decimals);
  EXPECT_EQ(first->frame->analysis().decimals(), 2);
  first->command(wxID_SAVE);

  auto second = window();
  second->type(0, 0, "100");
  // Unsaved work: asked first; Cancel opens nothing and chooses no file.
  calls = 0;
  wxTEST_DIALOG(second->command(wxID_OPEN), AnswerSave("Untitled", wxID_CANCEL));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(second->cell(0, 0), "100");
  wxTEST_DIALOG(second->command(wxID_OPEN), AnswerSave("Untitled", wxID_NO));
  EXPECT_EQ(calls, 1);

  EXPECT_EQ(second->fileText(), first->fileText());
  EXPECT_EQ(second->title(), "lesson.tally" + std::string(kTitleSuffix));
  EXPECT_FALSE(second->frame->canUndo());
  const MainFrame* a = first->frame;
  const MainFrame* b = second->frame;
  EXPECT_EQ(b->dataTypeChoice->GetSelection(), tally::GroupedDiscrete);
  EXPECT_EQ(b->statistics->decimalsChoice()->GetSelection(), 3);
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(b->analysis().set(s).pairs, a->analysis().set(s).pairs);
    EXPECT_EQ(toStd(b->statistics->nameLabel(s)->GetLabel()),
              toStd(a->statistics->nameLabel(s)->GetLabel()));
    for (Statistic st : {Statistic::N, Statistic::Mean, Statistic::Q1, Statistic::Median})
      EXPECT_EQ(MainFrameDriver::text(b->statistics->label(s, st)),
                MainFrameDriver::text(a->statistics->label(s, st)));
    EXPECT_EQ(b->statistics->percentileSpin(s)->GetValue(), a->analysis().percentile(s));
  }
  EXPECT_EQ(second->cell(2, 0), "x");
  EXPECT_EQ(second->cell(1, 1), "4");
  EXPECT_TRUE(b->analysis().sampleStdDev());
}

TEST_F(AnalysisFileTest, RecentAnalysesListsTheFileInEveryNewWindow) {
  const std::string path = dir + "recent.tally";
  {
    auto w = window();
    w->type(0, 0, "7");
    chosen = path;
    w->command(wxID_SAVE);
    ASSERT_GE(w->frame->recentAnalyses()->GetCount(), 1u);
    EXPECT_EQ(toStd(w->frame->recentAnalyses()->GetHistoryFile(0)), path);
  }
  auto w = window();
  wxMenuItem* item = w->frame->GetMenuBar()->FindItem(wxID_FILE1);
  ASSERT_NE(item, nullptr);
  EXPECT_NE(toStd(item->GetItemLabelText()).find("recent.tally"), std::string::npos);
  // Choosing it opens the file.
  w->command(wxID_FILE1);
  EXPECT_EQ(toStd(w->frame->analysisPath()), path);
  EXPECT_EQ(w->cell(0, 0), "7");
}

// A new account may have no settings folder yet: saving an analysis makes it and
// keeps the recent list there, with no error in between.
TEST_F(AnalysisFileTest, TheRecentListMakesAMissingSettingsFolder) {
  const std::string kept = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  const std::string folder = dir + "no-such/config";
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  // Where the program keeps its settings (it asks for the desktop's layout).
  wxStandardPaths& paths = wxStandardPaths::Get();
  const auto layout = paths.GetFileLayout();
  paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
  const std::string file = toStd(wxFileConfig::GetLocalFile("tallyscope").GetFullPath());
  ASSERT_EQ(file.rfind(folder, 0), 0u) << file;
  wxConfigBase* before = wxConfigBase::Set(new wxFileConfig(
      "tallyscope", wxEmptyString, toWx(file), wxEmptyString, wxCONFIG_USE_LOCAL_FILE));
  {
    auto w = window();
    w->type(0, 0, "7");
    chosen = dir + "kept.tally";
    w->command(wxID_SAVE);
  }
  delete wxConfigBase::Set(before);
  paths.SetFileLayout(layout);
  setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
  EXPECT_NE(slurp(file).find("kept.tally"), std::string::npos) << file;
}

// A ".tally" file dropped on the window opens as the analysis, after the question.
TEST_F(AnalysisFileTest, ADroppedAnalysisFileOpensAfterTheSaveQuestion) {
  const std::string path = dir + "dropped.tally";
  spit(path, "<analysis><set1Name>Dropped</set1Name><type>2</type>"
             "<set1Data>4\t3\n8\t1\n</set1Data></analysis>");
  auto w = window();
  w->type(0, 0, "1");
  wxArrayString files;
  files.Add(toWx(path));
  bool opened = false;
  wxTEST_DIALOG(opened = w->frame->dropFiles(files), AnswerSave("Untitled", wxID_NO));
  EXPECT_TRUE(opened);
  EXPECT_EQ(w->frame->analysis().setName(0), "Dropped");
  EXPECT_EQ(w->frame->analysis().set(0).pairs,
            (std::vector<tally::FrequencyPair>{{4, 3}, {8, 1}}));
  EXPECT_EQ(w->title(), "dropped.tally" + std::string(kTitleSuffix));
}

TEST_F(AnalysisFileTest, TheMenuBarOffersTheCommandsAndAPageEntryForEveryPage) {
  auto w = window();
  wxMenuBar* bar = w->frame->GetMenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetMenuCount(), 4u);
  struct Entry {
    int id;
    int flags, key;  // 0: no accelerator
  } entries[] = {
      {wxID_OPEN, wxACCEL_CTRL, 'O'},
      {wxID_SAVE, wxACCEL_CTRL, 'S'},
      {wxID_SAVEAS, wxACCEL_CTRL | wxACCEL_SHIFT, 'S'},
      {ID_LOAD_DATA, 0, 0},
      {ID_SAVE_DATA, 0, 0},
      {ID_EXPORT_PICTURE, 0, 0},
      {ID_EXPORT_PDF, wxACCEL_CTRL | wxACCEL_SHIFT, 'E'},
      {ID_PREVIEW, 0, 0},
      {ID_PRINT, wxACCEL_CTRL, 'P'},
      {wxID_EXIT, wxACCEL_CTRL, 'Q'},
      {wxID_UNDO, wxACCEL_CTRL, 'Z'},
      {wxID_REDO, wxACCEL_CTRL, 'Y'},
      {ID_COPY_STATISTICS, wxACCEL_CTRL | wxACCEL_SHIFT, 'C'},
      {ID_ZOOM_IN, 0, 0},
      {ID_ZOOM_OUT, 0, 0},
      {ID_ZOOM_RESET, wxACCEL_CTRL, '0'},
      {wxID_HELP, wxACCEL_NORMAL, WXK_F1},
      {wxID_ABOUT, 0, 0},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.id);
    wxMenuItem* item = bar->FindItem(e.id);
    ASSERT_NE(item, nullptr);
    if (!e.key) continue;
    std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
    ASSERT_TRUE(accel);
    EXPECT_EQ(accel->GetFlags(), e.flags);
    EXPECT_EQ(accel->GetKeyCode(), e.key);
  }
  // View: one entry per page, in the notebook's order; each shows its page.
  wxMenu* view = bar->GetMenu(bar->FindMenu("View"));
  wxNotebook* notebook = w->frame->notebook;
  ASSERT_GE(view->GetMenuItemCount(), notebook->GetPageCount());
  for (size_t p = notebook->GetPageCount(); p-- > 0;) {
    wxMenuItem* item = view->FindItemByPosition(p);
    EXPECT_EQ(item->GetItemLabel(), notebook->GetPageText(p));
    w->command(item->GetId());
    EXPECT_EQ(notebook->GetSelection(), static_cast<int>(p));
  }
  // Zoom from the menu uses the zoom keys' handler.
  w->command(ID_ZOOM_IN);
  EXPECT_DOUBLE_EQ(w->frame->getUserZoom(), 1.1);
  w->command(ID_ZOOM_RESET);
  EXPECT_DOUBLE_EQ(w->frame->getUserZoom(), 1.0);
  // About names the version.
  wxTEST_DIALOG(w->command(wxID_ABOUT), ExpectAbout());
}

TEST_F(AnalysisFileTest, MenuCommandsAreUndoStepsLikeTheButtons) {
  auto w = window();
  w->typeValues({"1", "2"});
  w->command(wxID_UNDO);
  EXPECT_EQ(w->pairs(0), (std::vector<tally::FrequencyPair>{{1, 1}}));
  w->command(wxID_REDO);
  EXPECT_EQ(w->pairs(0), (std::vector<tally::FrequencyPair>{{1, 1}, {2, 1}}));
}

TEST_F(AnalysisFileTest, TheGuideOpensOnF1) {
  auto w = window();
  std::vector<std::string> pages;
  for (size_t p = 0; p < w->frame->notebook->GetPageCount(); ++p) {
    std::string name = toStd(w->frame->notebook->GetPageText(p));
    for (size_t i; (i = name.find("&&")) != std::string::npos;) name.erase(i, 1);
    pages.push_back(name);
  }
  w->frame->Raise();
  w->frame->SetFocus();
  w->wait(200);
  wxTEST_DIALOG(w->press(WXK_F1), ExpectGuide(pages));
}

// SVG: the graph on show as a picture file that parses as XML, with the graph's texts.
TEST_F(AnalysisFileTest, ExportPictureWritesAnSvgThatParsesWithTheGraphsTexts) {
  auto w = window();
  w->click(w->frame->FindWindow(ID_AUTO_DATA));
  w->rename(0, "Class <7A>");
  w->frame->notebook->SetSelection(1);
  w->settle();
  chosen = dir + "graph.svg";
  w->command(ID_EXPORT_PICTURE);
  const std::string svg = slurp(dir + "graph.svg");
  ASSERT_FALSE(svg.empty());

  struct Texts {
    std::vector<std::string> all;
    std::string current;
    int depth = 0;
  } texts;
  XML_Parser parser = XML_ParserCreate("UTF-8");
  XML_SetUserData(parser, &texts);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char**) {
        auto* t = static_cast<Texts*>(data);
        if (std::string(name) == "text") ++t->depth;
      },
      [](void* data, const XML_Char* name) {
        auto* t = static_cast<Texts*>(data);
        if (std::string(name) != "text") return;
        --t->depth;
        t->all.push_back(t->current);
        t->current.clear();
      });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int len) {
    auto* t = static_cast<Texts*>(data);
    if (t->depth > 0) t->current.append(s, static_cast<size_t>(len));
  });
  const bool parsed =
      XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
  EXPECT_TRUE(parsed) << XML_ErrorString(XML_GetErrorCode(parser)) << " at line "
                      << XML_GetCurrentLineNumber(parser);
  XML_ParserFree(parser);
  auto has = [&](const std::string& wanted) {
    for (const std::string& t : texts.all)
      if (t.find(wanted) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(has("Class <7A>"));
  // The example's values 5 to 10 are labelled on the value axis.
  EXPECT_TRUE(has("5"));
  EXPECT_TRUE(has("10"));
}

// The window's own keys and the menu's accelerators are the same keys: one press
// still does its command once.
TEST_F(AnalysisFileTest, EachKeyDoesItsCommandOnceWithTheMenuBar) {
  auto w = window();
  w->typeValues({"1", "2", "3"});
  w->frame->Raise();
  w->clickOn(w->frame->statistics);
  w->press('Z', wxMOD_CONTROL);
  EXPECT_EQ(w->pairs(0), (std::vector<tally::FrequencyPair>{{1, 1}, {2, 1}}));
  w->press('Y', wxMOD_CONTROL);
  EXPECT_EQ(w->pairs(0), (std::vector<tally::FrequencyPair>{{1, 1}, {2, 1}, {3, 1}}));
  w->press('=', wxMOD_CONTROL);
  EXPECT_DOUBLE_EQ(w->frame->getUserZoom(), 1.1);
  w->press('0', wxMOD_CONTROL);
  EXPECT_DOUBLE_EQ(w->frame->getUserZoom(), 1.0);
}
