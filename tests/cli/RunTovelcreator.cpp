#include "cli/RunTovelcreator.h"

#include <cstdlib>
#include <sys/wait.h>

#include "common/TempFolder.h"

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
