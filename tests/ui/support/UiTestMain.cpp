// Runs the window tests: wxWidgets is started once, lazily, so that listing
// the tests needs no display.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/image.h>

#include "app/TovelCreatorApp.h"

// Fontconfig keeps its caches until the process ends; leak checking stays on
// for everything else.
extern "C" const char* __lsan_default_suppressions()
{
  return "leak:libfontconfig.so\n";
}

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
  ADD_FAILURE() << "wxWidgets assertion failed at " << file << ":" << line << " in " << func << ": "
                << cond << " " << msg;
}

class WxEnvironment : public ::testing::Environment {
public:
  void SetUp() override
  {
    wxSetAssertHandler(FailOnAssert);
    wxApp::SetInstance(new CTovelCreatorApp);
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display: run the window tests under xvfb-run";
    CTovelCreatorApp::ConfigureProcess();
    wxInitAllImageHandlers(); // the tests read and write PNG pictures
  }
  void TearDown() override { wxEntryCleanup(); }
};

} // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new WxEnvironment);
  return RUN_ALL_TESTS();
}
