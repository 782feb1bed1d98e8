#include <string>

#include <gtest/gtest.h>

#include <wx/debug.h>

#include "app/ToolkitAsserts.h"

TEST(ToolkitAsserts, AFailedCheckPrintsOneLineAndTheProgramGoesOn)
{
  const wxAssertHandler_t testHandler = wxTheAssertHandler;
  ReportToolkitAsserts();
  testing::internal::CaptureStderr();
  const int line = __LINE__ + 1;
  wxASSERT_MSG(2 + 2 == 5, "the sum is\nwrong");
  const std::string printed = testing::internal::GetCapturedStderr();
  wxSetAssertHandler(testHandler);

  const std::string where = std::string(__FILE__) + "(" + std::to_string(line) + ")";
  EXPECT_EQ(printed, "tovelcreator: " + where +
                         ": assert \"2 + 2 == 5\" failed in TestBody(): the sum is wrong\n");
}
