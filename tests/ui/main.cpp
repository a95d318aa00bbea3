// GUI tests: start wx without its event loop, then run every test on the GUI thread.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class TestApp : public wxApp {
 public:
  bool OnInit() override {
    wxInitAllImageHandlers();
    return true;
  }
};

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The windows keep settings (the recent analyses, which GTK also lists among the
  // desktop's recent files): the tests keep theirs in a fresh folder of their own,
  // never in the user's.
  char folder[] = "/tmp/tallyscope-ui-config-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  setenv("XDG_CONFIG_HOME", folder, 1);
  setenv("XDG_DATA_HOME", folder, 1);
  if (!wxEntryStart(argc, argv)) return 1;
  wxConfigBase::Set(new wxFileConfig("tallyscope", wxEmptyString,
                                     std::string(folder) + "/tallyscope.conf", wxEmptyString,
                                     wxCONFIG_USE_LOCAL_FILE));
  wxTheApp->CallOnInit();
  int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::filesystem::remove_all(folder);
  return result;
}
