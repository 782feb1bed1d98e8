#include "app/CommandLine.h"

#include <iostream>

#include "bitmaps/BitmapLoading.h"
#include "model/TovelFile.h"
#include "platform/FileIo.h"
#include "platform/Ini.h"
#include "platform/Windows1252.h"

namespace {

const char* const Usage =
    "Usage:\n"
    "  tovelcreator [FILE]\n"
    "      Starts the editor, opening the tovel FILE when given.\n"
    "  tovelcreator --export native --output OUT [--tovels-folder DIR] FILE\n"
    "      Reads the tovel FILE and writes it to OUT as the editor saves it.\n"
    "  tovelcreator --help | --version\n"
    "\n"
    "The tovels folder comes from KESTRO2.INI (section LOCATIONS, key TOVELS);\n"
    "--tovels-folder overrides it.\n";

} // namespace

CommandLineParse ParseCommandLine(const std::vector<std::string>& arguments)
{
  CommandLineParse parse;
  CommandLine& line = parse.line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&](const char* option) -> std::string {
      if (i + 1 >= arguments.size()) {
        parse.error = std::string(option) + " needs a value";
        return {};
      }
      return arguments[++i];
    };
    if (argument == "--help" || argument == "-h")
      line.mode = CommandLine::Mode::Help;
    else if (argument == "--version")
      line.mode = CommandLine::Mode::Version;
    else if (argument == "--export") {
      line.mode = CommandLine::Mode::Export;
      line.format = value("--export");
    } else if (argument == "--output")
      line.output = value("--output");
    else if (argument == "--tovels-folder") {
      line.tovelsFolder = value("--tovels-folder");
      line.tovelsFolderGiven = true;
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "--")
      parse.error = "unknown option " + argument;
    else if (!line.file.empty())
      parse.error = "more than one file named";
    else if (argument == "--") {
      if (i + 1 < arguments.size()) line.file = arguments[++i];
    } else
      line.file = argument;
    if (!parse.error.empty()) return parse;
  }
  if (line.mode == CommandLine::Mode::Export) {
    if (line.format != "native")
      parse.error = "unknown export form '" + line.format + "'";
    else if (line.output.empty())
      parse.error = "--export needs --output OUT";
    else if (line.file.empty())
      parse.error = "--export needs the tovel FILE to read";
  } else if (line.mode == CommandLine::Mode::Editor && !line.output.empty())
    parse.error = "--output is only for --export";
  return parse;
}

int ReportUsageError(const std::string& error)
{
  std::cerr << "tovelcreator: " << error << "\n\n" << Usage;
  return 2;
}

int RunBatch(const CommandLine& line)
{
  switch (line.mode) {
  case CommandLine::Mode::Help:
    std::cout << Usage;
    return 0;
  case CommandLine::Mode::Version:
    std::cout << "TovelCreator 1.01\n";
    return 0;
  case CommandLine::Mode::Editor:
    return 2;
  case CommandLine::Mode::Export:
    break;
  }

  if (line.tovelsFolderGiven) {
    auto folder = platform::Utf8ToCp1252(line.tovelsFolder);
    if (!folder)
      return ReportUsageError("the tovels folder name holds characters tovels cannot store");
    TovelsFolder = *folder;
  } else
    TovelsFolder = platform::ReadTovelsFolderSetting();

  if (auto error = ReadTovel(line.file)) {
    std::cerr << *error << "\n";
    return 1;
  }
  for (const auto& problem : LoadAllBitmapSlots()) std::cerr << "Warning: " << problem << "\n";
  if (auto error = platform::WriteFileSafely(line.output, FormatTovel(TheTovel))) {
    std::cerr << *error << "\n";
    return 1;
  }
  return 0;
}
