// GUI tests: start wx without its event loop, then run every test on the GUI thread.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

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
  if (!wxEntryStart(argc, argv)) return 1;
  wxTheApp->CallOnInit();
  int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
