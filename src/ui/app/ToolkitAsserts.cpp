#include "app/ToolkitAsserts.h"

#include <cstdio>
#include <string>

#include <wx/debug.h>
#include <wx/string.h>

namespace {

void PrintAssert(const wxString& file, int line, const wxString& function,
                 const wxString& condition, const wxString& message)
{
  // Put together without a format string, which could fail a check itself.
  wxString text;
  text << "tovelcreator: " << file << "(" << line << "): assert \"" << condition << "\" failed in "
       << function << "()";
  if (!message.empty()) text << ": " << message;
  text.Replace("\r\n", " ");
  text.Replace("\n", " ");
  text.Replace("\r", " ");
  // One write for the whole line, so that lines from two threads do not mix.
  const std::string bytes = text.utf8_string() + "\n";
  std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  std::fflush(stderr);
}

} // namespace

void ReportToolkitAsserts()
{
  wxSetAssertHandler(PrintAssert);
}
