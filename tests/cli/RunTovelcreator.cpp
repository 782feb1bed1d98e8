#include "cli/RunTovelcreator.h"

#include <cstdlib>
#include <sys/wait.h>

#include "common/TempFolder.h"

namespace {

std::string ProgramCommand()
{
  const char* other = std::getenv("TOVEL_TEST_PROGRAM");
  return other && *other ? other : TOVEL_EXECUTABLE;
}

} // namespace

bool RunsOtherProgram()
{
  return ProgramCommand() != TOVEL_EXECUTABLE;
}

RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch)
{
  const std::filesystem::path errFile = scratch / "stderr.txt";
  const std::string command = "KESTRO2_INI=/nonexistent " + ProgramCommand() + " " + arguments +
                              " >/dev/null 2>'" + errFile.string() + "'";
  RunResult run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadFileText(errFile);
  return run;
}
