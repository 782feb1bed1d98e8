#include "app/ProgramStart.h"

#ifdef _WIN32
#include <cstdio>
#include <windows.h>

#include <shellapi.h>

#include "platform/WideText.h"

namespace {

// Whether a standard handle leads somewhere already (a file, a pipe, a
// console), as when the output is redirected.
bool HasStandardHandle(DWORD which)
{
  const HANDLE handle = ::GetStdHandle(which);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

std::vector<std::string> ProgramArguments(int, char**)
{
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(platform::Utf8FromWide(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

void ConnectToConsole()
{
  const bool output = HasStandardHandle(STD_OUTPUT_HANDLE);
  const bool error = HasStandardHandle(STD_ERROR_HANDLE);
  if (output && error) return;
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
  FILE* ignored = nullptr;
  if (!output) freopen_s(&ignored, "CONOUT$", "w", stdout);
  if (!error) freopen_s(&ignored, "CONOUT$", "w", stderr);
}

#else

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
  return std::vector<std::string>(argv + 1, argv + argc);
}

void ConnectToConsole() {}

#endif
