// Running the real executable from a test.
#pragma once

#include <filesystem>
#include <string>

struct RunResult {
  int status = -1; // the exit status, -1 when it did not exit normally
  std::string err; // what it wrote to standard error, with "\n" line ends
};

// Runs the executable with the given arguments, with no settings file,
// keeping its error output in `scratch`. The arguments are words separated
// by spaces; a word may be quoted in single quotes, as in a POSIX shell
// ('' is an empty word).
RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch);
