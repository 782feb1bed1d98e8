// The command line: the editor with an optional file, or a batch job that
// needs no display.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  enum class Mode { Editor, Export, Help, Version };
  Mode mode = Mode::Editor;
  std::string file;         // the tovel to open or export (native path)
  std::string format;       // export form: "native"
  std::string output;       // export target (native path)
  std::string tovelsFolder; // overrides the settings file when not empty
  bool tovelsFolderGiven = false;
};

struct CommandLineParse {
  CommandLine line;
  std::string error; // a usage error, when not empty
};

CommandLineParse ParseCommandLine(const std::vector<std::string>& arguments);

// Runs a batch job (export, help, version) and returns the exit status:
// 0 success, 1 a file could not be read or written, 2 a usage error.
int RunBatch(const CommandLine& line);

// Prints a usage error and returns the exit status 2.
int ReportUsageError(const std::string& error);
