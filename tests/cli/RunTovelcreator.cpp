#include "cli/RunTovelcreator.h"

#include "common/TempFolder.h"

#ifdef _WIN32
#include <vector>
#include <windows.h>

#include "platform/WideText.h"
#else
#include <cstdlib>
#include <sys/wait.h>
#endif

#ifdef _WIN32

namespace {

// The words of a shell-like argument string: blanks separate them, single
// quotes keep blanks and make '' an empty word.
std::vector<std::string> Words(const std::string& text)
{
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char c : text) {
    if (quoted) {
      if (c == '\'')
        quoted = false;
      else
        word += c;
    } else if (c == '\'') {
      quoted = inWord = true;
    } else if (c == ' ') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

// One argument quoted so that the program's command-line parser gives it
// back unchanged: backslashes double only before a quote.
std::wstring QuotedArgument(const std::wstring& argument)
{
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

} // namespace

RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch)
{
  const std::filesystem::path errFile = scratch / "stderr.txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE err = ::CreateFileW(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  const HANDLE out =
      ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  std::wstring command = QuotedArgument(std::filesystem::path(TOVEL_EXECUTABLE).wstring());
  for (const std::string& word : Words(arguments))
    command += L" " + QuotedArgument(platform::WideFromUtf8(word));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  ::SetEnvironmentVariableW(L"KESTRO2_INI", L"C:\\nonexistent\\KESTRO2.INI");
  RunResult run;
  if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    if (::GetExitCodeProcess(process.hProcess, &status)) run.status = static_cast<int>(status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  ::SetEnvironmentVariableW(L"KESTRO2_INI", nullptr);
  ::CloseHandle(out);
  ::CloseHandle(err);
  run.err = ReadFileText(errFile);
  // The program ends its lines as Windows does.
  for (auto at = run.err.find("\r\n"); at != std::string::npos; at = run.err.find("\r\n", at))
    run.err.erase(at, 1);
  return run;
}

#else

RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch)
{
  const std::filesystem::path errFile = scratch / "stderr.txt";
  const std::string command = std::string("KESTRO2_INI=/nonexistent ") + TOVEL_EXECUTABLE + " " +
                              arguments + " >/dev/null 2>'" + errFile.string() + "'";
  RunResult run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadFileText(errFile);
  return run;
}

#endif
