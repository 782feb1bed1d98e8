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
//
// The environment variable TOVEL_TEST_PROGRAM, when set, is the command
// that runs instead of the program built beside the tests: `make
// windows-test` sets it to the Windows program under Wine, so that the same
// tests check the same command line there.
RunResult RunTovelcreator(const std::string& arguments, const std::filesystem::path& scratch);

// Whether the tests drive another program than the one built beside them
// (TOVEL_TEST_PROGRAM); tests of what only this system does skip then.
bool RunsOtherProgram();
