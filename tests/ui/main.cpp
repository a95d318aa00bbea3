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
#include <system_error>

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
  // The settings the program keeps go to a folder of this run's own, never to the
  // user's real configuration.
  const char* tmp = std::getenv("TMPDIR");
  std::string configHome = std::string(tmp && *tmp ? tmp : "/tmp") + "/tallyscope-ui-config-XXXXXX";
  if (!mkdtemp(configHome.data())) return 1;
  setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
  // GTK lists the recent analyses among the desktop's recent files too.
  setenv("XDG_DATA_HOME", configHome.c_str(), 1);
  if (!wxEntryStart(argc, argv)) return 1;
  wxConfigBase::Set(new wxFileConfig("tallyscope", wxEmptyString,
                                     configHome + "/tallyscope.conf", wxEmptyString,
                                     wxCONFIG_USE_LOCAL_FILE));
  wxTheApp->CallOnInit();
  int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::error_code ignored;
  std::filesystem::remove_all(configHome, ignored);
  return result;
}
