// Running the real executable from a test.
#pragma once

#include <filesystem>
#include <string>

struct RunResult {
  int status = -1; // the exit status, -1 when it did not exit normally
  std::string err; // what it wrote to standard error
};

// Runs the executable with the given arguments (shell-quoted by the
// caller), with no settings file, keeping its error output in `scratch`.
RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch);
