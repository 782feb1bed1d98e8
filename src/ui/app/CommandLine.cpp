#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/Version.h"
#include "bitmaps/BitmapLoading.h"
#include "model/AcornTovel.h"
#include "model/MacTovel.h"
#include "model/TovelFile.h"
#include "platform/FileIo.h"
#include "platform/Ini.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"

namespace {

const char* const Usage =
    "Usage:\n"
    "  tovelcreator [FILE]\n"
    "      Starts the editor, opening the tovel FILE when given.\n"
    "  tovelcreator --export native --output OUT [--tovels-folder DIR] FILE\n"
    "      Reads the tovel FILE and writes it to OUT as the editor saves it.\n"
    "  tovelcreator --export acorn --output OUT [--sprites-dir NAME] [--sprites-size N]\n"
    "               [--tovels-folder DIR] FILE\n"
    "      Writes the tovel FILE in the Acorn form. The sprites directory (at most\n"
    "      10 characters) defaults to FILE's name, the size (0 to 1024000 bytes) to 0.\n"
    "  tovelcreator --export mac --output OUT [--tovels-folder DIR] FILE\n"
    "      Writes the tovel FILE in the Macintosh form, with each bitmap's size\n"
    "      read from its BMP file in the tovels folder.\n"
    "  tovelcreator --render OUT.png [--zoom Z] [--labels on|off] [--set NAME=VALUE]...\n"
    "               [--tovels-folder DIR] FILE\n"
    "      Draws the tovel's page as the editor shows it (zoom 1 to 4, labels\n"
    "      shown unless off) into the PNG picture OUT.png. Needs a display.\n"
    "      With --set, draws it as View > Try the tovel shows it after these\n"
    "      settings, made in the order given: in1..in8 and out1..out8 =on|off,\n"
    "      motA..motD =off|forward|reverse, val1..val4 and vara, varb, varc,\n"
    "      vard, varn, varx, vary, varz =a number such as -12.5.\n"
    "  tovelcreator --help | --version\n"
    "\n"
    "An option's value may follow it as the next argument or after '=': --zoom=2.\n"
    "The tovels folder comes from KESTRO2.INI (section LOCATIONS, key TOVELS);\n"
    "--tovels-folder overrides it. See the manual page tovelcreator(1).\n"
    "\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 a usage error.\n";

struct AcornDetails {
  std::string directory; // Windows-1252, as the file stores it
  std::uint32_t size = 0;
};

// The sprites directory and size of an Acorn export, checked as the details
// dialog checks them. Returns the message for the first problem.
std::optional<std::string> CheckAcornDetails(const CommandLine& line, AcornDetails* details)
{
  const std::string directory =
      line.spritesDirectoryGiven
          ? line.spritesDirectory
          : platform::Utf8FromPath(platform::PathFromUtf8(line.file).filename());
  // A refused directory is named by the option that gave it, or as the
  // file's name standing in for that option.
  const std::string directorySource =
      line.spritesDirectoryGiven
          ? "--sprites-dir \"" + directory + "\""
          : "sprites directory \"" + directory + "\" (the file's name; --sprites-dir sets another)";
  const auto stored = platform::Utf8ToCp1252(directory);
  if (!stored) return directorySource + ": it holds characters that tovels cannot store";
  SpritesCheck failed{};
  auto problem = SpritesDetailsProblem(*stored, line.spritesSize, &details->size, &failed);
  if (!problem) {
    details->directory = *stored;
    return std::nullopt;
  }
  if (failed == SpritesCheck::DirectoryTooLong || failed == SpritesCheck::DirectorySeparator)
    return directorySource + ": " + *problem;
  return "--sprites-size \"" + line.spritesSize + "\": " + *problem;
}

// Whether a file name ends in ".png" in any letter case.
bool EndsWithPng(const std::string& name)
{
  constexpr std::string_view png = ".png";
  if (name.size() < png.size()) return false;
  return std::equal(png.begin(), png.end(), name.end() - png.size(), [](char want, char got) {
    return want == std::tolower(static_cast<unsigned char>(got));
  });
}

} // namespace

CommandLineParse ParseCommandLine(const std::vector<std::string>& arguments)
{
  CommandLineParse parse;
  CommandLine& line = parse.line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    // An option's value follows it as the next argument or after '='.
    std::string argument = arguments[i];
    std::optional<std::string> attached;
    if (argument.rfind("--", 0) == 0) {
      if (const auto equals = argument.find('='); equals != std::string::npos) {
        attached = argument.substr(equals + 1);
        argument.resize(equals);
      }
    }
    auto value = [&](const char* option) -> std::string {
      if (attached) return *attached;
      if (i + 1 >= arguments.size()) {
        parse.error = std::string(option) + " needs a value";
        return {};
      }
      return arguments[++i];
    };
    auto flag = [&](CommandLine::Mode mode) {
      if (attached)
        parse.error = argument + " takes no value";
      else
        line.mode = mode;
    };
    if (argument == "--help" || argument == "-h")
      flag(CommandLine::Mode::Help);
    else if (argument == "--version")
      flag(CommandLine::Mode::Version);
    else if (argument == "--export") {
      line.mode = CommandLine::Mode::Export;
      line.format = value("--export");
    } else if (argument == "--render") {
      line.mode = CommandLine::Mode::Render;
      line.output = value("--render");
    } else if (argument == "--zoom") {
      const std::string zoom = value("--zoom");
      if (zoom.size() == 1 && zoom[0] >= '1' && zoom[0] <= '4')
        line.zoom = zoom[0] - '0';
      else if (parse.error.empty())
        parse.error = "--zoom takes 1, 2, 3 or 4, not '" + zoom + "'";
    } else if (argument == "--labels") {
      const std::string labels = value("--labels");
      if (labels == "on" || labels == "off")
        line.labels = labels == "on";
      else if (parse.error.empty())
        parse.error = "--labels takes on or off, not '" + labels + "'";
    } else if (argument == "--set") {
      const std::string setting = value("--set");
      if (parse.error.empty()) {
        TrySettingParse read = ParseTrySetting(setting);
        if (read.Setting)
          line.settings.push_back(std::move(*read.Setting));
        else
          parse.error = "--set " + setting + ": " + read.Error;
      }
    } else if (argument == "--output")
      line.output = value("--output");
    else if (argument == "--sprites-dir") {
      line.spritesDirectory = value("--sprites-dir");
      line.spritesDirectoryGiven = true;
    } else if (argument == "--sprites-size") {
      line.spritesSize = value("--sprites-size");
      line.spritesSizeGiven = true;
    } else if (argument == "--tovels-folder") {
      line.tovelsFolder = value("--tovels-folder");
      line.tovelsFolderGiven = true;
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "--")
      parse.error = "unknown option " + argument;
    else {
      // "--" ends the options: the next argument is the file, even if it
      // starts with a dash.
      const bool afterDashes = argument == "--";
      if (afterDashes && i + 1 >= arguments.size()) continue;
      const std::string& file = afterDashes ? arguments[++i] : argument;
      if (!line.file.empty())
        parse.error = "more than one tovel file named: " + line.file + " and " + file;
      else
        line.file = file;
    }
    if (!parse.error.empty()) return parse;
  }
  const bool spritesGiven = line.spritesDirectoryGiven || line.spritesSizeGiven;
  if (line.tovelsFolderGiven && !platform::Utf8ToCp1252(line.tovelsFolder))
    parse.error = "the tovels folder's name holds characters that tovels cannot store";
  else if (!line.settings.empty() && line.mode != CommandLine::Mode::Render)
    parse.error = "--set is only for --render";
  else if (spritesGiven && (line.mode != CommandLine::Mode::Export || line.format != "acorn"))
    parse.error = "--sprites-dir and --sprites-size are only for --export acorn";
  else if (line.mode == CommandLine::Mode::Export) {
    if (line.format != "native" && line.format != "acorn" && line.format != "mac")
      parse.error = "unknown export form '" + line.format + "' (native, acorn or mac)";
    else if (line.output.empty())
      parse.error = "--export needs --output OUT";
    else if (line.file.empty())
      parse.error = "--export needs the tovel FILE to read";
  } else if (line.mode == CommandLine::Mode::Render) {
    if (line.output.empty())
      parse.error = "--render needs the PNG file to write";
    else if (!EndsWithPng(line.output))
      parse.error =
          "--render writes PNG pictures only: name the picture OUT.png, not " + line.output;
    else if (line.file.empty())
      parse.error = "--render needs the tovel FILE to read";
  } else if (line.mode == CommandLine::Mode::Editor && !line.output.empty())
    parse.error = "--output is only for --export";
  return parse;
}

void ReportProblem(const std::string& message)
{
  std::cerr << "tovelcreator: " << message << "\n";
}

int ReportUsageError(const std::string& error)
{
  ReportProblem(error);
  std::cerr << "Try 'tovelcreator --help'.\n";
  return 2;
}

std::optional<std::string> FolderArgumentProblem(const CommandLine& line)
{
  auto isFolder = [](const std::string& name) {
    std::error_code ec;
    return !name.empty() && std::filesystem::is_directory(platform::PathFromUtf8(name), ec);
  };
  if (isFolder(line.file)) return line.file + " is a folder, not a tovel file";
  if (isFolder(line.output)) {
    return line.output + " is a folder, not a file to write the " +
           (line.mode == CommandLine::Mode::Render ? "picture" : "tovel") + " into";
  }
  return std::nullopt;
}

// Reads the tovel for an export or a picture, and as much of the bitmaps as
// that needs.
bool LoadTovelForBatch(const CommandLine& line)
{
  if (line.tovelsFolderGiven) {
    // Checked when the command line was read.
    TovelsFolder = platform::Utf8ToCp1252(line.tovelsFolder).value_or("");
  } else
    TovelsFolder = platform::ReadTovelsFolderSetting();

  if (auto error = ReadTovel(platform::PathFromUtf8(line.file))) {
    ReportProblem(*error);
    return false;
  }
  // A picture shows the pixels; the Macintosh form needs the sizes alone;
  // the other forms do not depend on the bitmaps.
  std::vector<std::string> problems;
  if (line.mode == CommandLine::Mode::Render)
    problems = LoadAllBitmapSlots(BitmapDetail::Pixels);
  else if (line.format == "mac")
    problems = LoadAllBitmapSlots(BitmapDetail::SizeOnly);
  for (const auto& problem : problems) ReportProblem("warning: " + problem);
  return true;
}

int RunBatch(const CommandLine& line)
{
  switch (line.mode) {
  case CommandLine::Mode::Help:
    std::cout << Usage;
    return 0;
  case CommandLine::Mode::Version:
    std::cout << "TovelCreator " TOVEL_VERSION "\n";
    return 0;
  case CommandLine::Mode::Editor:
  case CommandLine::Mode::Render:
    return 2;
  case CommandLine::Mode::Export:
    break;
  }

  AcornDetails acorn;
  if (line.format == "acorn") {
    if (auto problem = CheckAcornDetails(line, &acorn)) return ReportUsageError(*problem);
  }
  if (!LoadTovelForBatch(line)) return 1;
  std::optional<std::string> error;
  if (line.format == "acorn")
    error = platform::WriteFileSafely(platform::PathFromUtf8(line.output),
                                      FormatAcornTovel(TheTovel, acorn.directory, acorn.size));
  else if (line.format == "mac")
    error = platform::WriteFileSafely(platform::PathFromUtf8(line.output),
                                      FormatMacTovel(TheTovel, BitmapImages));
  else
    // As Save writes it, refusing what it refuses: a line too long to
    // read back.
    error = WriteTovel(platform::PathFromUtf8(line.output));
  if (error) {
    ReportProblem(*error);
    return 1;
  }
  return 0;
}
