// The command line: the editor with an optional file, or a batch job that
// needs no display.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "trying/TryState.h"

struct CommandLine {
  enum class Mode { Editor, Export, Render, Help, Version };
  Mode mode = Mode::Editor;
  std::string file;         // the tovel to open or export (UTF-8: platform::PathFromUtf8)
  std::string format;       // export form: "native", "acorn" or "mac"
  std::string output;       // export or render target (UTF-8, as file)
  int zoom = 1;             // render: 1 to 4
  bool labels = true;       // render: draw the label items
  std::string tovelsFolder; // overrides the settings file when not empty
  bool tovelsFolderGiven = false;
  // Acorn export: the sprites directory (UTF-8; the tovel file's name when
  // not given) and the sprites size as typed.
  std::string spritesDirectory;
  bool spritesDirectoryGiven = false;
  std::string spritesSize = "0";
  bool spritesSizeGiven = false;
  // render: the tovel as tried, with these connections set in this order
  // (--set NAME=VALUE); as it is stored when there are none.
  std::vector<TrySetting> settings;
};

struct CommandLineParse {
  CommandLine line;
  std::string error; // a usage error, when not empty
};

CommandLineParse ParseCommandLine(const std::vector<std::string>& arguments);

// Runs a batch job that needs no display (export, help, version) and
// returns the exit status: 0 success, 1 a file could not be read or
// written, 2 a usage error or Acorn details the editor would refuse.
int RunBatch(const CommandLine& line);

// Sets the tovels folder from --tovels-folder or the settings file, and
// reads the tovel FILE with its bitmaps, telling standard error about
// bitmaps that could not be read. Returns false, having printed the
// message, when the tovel cannot be read.
bool LoadTovelForBatch(const CommandLine& line);

// Draws the tovel's page into a PNG file, written as safely as a tovel is
// saved. Returns the exit status: 0 success, 1 no display (with the
// message every display-needing run gives) or a file that could not be read
// or written.
int RunRender(const CommandLine& line, int argc, char** argv);

// A folder named as the tovel FILE or as the file to write (--output,
// --render): the message naming it (for exit status 1 in a batch run; the
// editor shows it in place of opening the file).
std::optional<std::string> FolderArgumentProblem(const CommandLine& line);

// Prints a message on standard error, after the program's name.
void ReportProblem(const std::string& message);

// Prints a usage error, with where to find the usage, and returns the exit
// status 2.
int ReportUsageError(const std::string& error);
