#include "platform/Ini.h"

#include <algorithm>

#include "platform/FileIo.h"
#include "platform/Windows1252.h"

namespace platform {

namespace {

std::string_view Trim(std::string_view text)
{
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view value)
{
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string Cut(std::string_view text, std::size_t maxChars)
{
  return std::string(text.substr(0, std::min(text.size(), maxChars)));
}

} // namespace

std::string ParseProfileString(std::string_view contents, std::string_view section,
                               std::string_view key, std::string_view defaultValue,
                               std::size_t maxChars)
{
  if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3); // UTF-8 mark

  bool inSection = false;
  bool sectionSeen = false;
  while (!contents.empty()) {
    const auto lineEnd = contents.find('\n');
    std::string_view text = contents.substr(0, lineEnd);
    contents.remove_prefix(lineEnd == std::string_view::npos ? contents.size() : lineEnd + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    text = Trim(text);
    if (text.empty() || text.front() == ';') continue;

    if (text.front() == '[') {
      const auto close = text.find(']');
      if (close == std::string_view::npos) continue;
      // Only the first section of that name is searched.
      if (sectionSeen) break;
      inSection = EqualsIgnoreCase(Trim(text.substr(1, close - 1)), section);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection) continue;

    const auto equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    if (EqualsIgnoreCase(Trim(text.substr(0, equals)), key)) {
      return Cut(Unquote(Trim(text.substr(equals + 1))), maxChars);
    }
  }
  return Cut(defaultValue, maxChars);
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t maxChars)
{
  // A settings file is a few lines long; anything past the first megabyte
  // is not read, so a wrong file named by mistake cannot exhaust memory. A
  // pipe or device named by mistake is not read at all.
  const FileBytes read = ReadFileBytes(file, MaxProfileBytes);
  if (!read.Error.empty()) return Cut(defaultValue, maxChars);
  const std::string contents(read.Bytes.begin(), read.Bytes.end());
  return ParseProfileString(contents, section, key, defaultValue, maxChars);
}

std::string ReadTovelsFolderSetting()
{
  // Read without a limit first: cutting UTF-8 text at a byte count could
  // split a character and stop it from converting.
  const std::string value = ReadProfileString(FindKestroIni(), KestroSection, KestroTovelsKey,
                                              KestroTovelsDefault, std::string::npos);
  const bool hasNonAscii = std::any_of(
      value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (hasNonAscii && IsValidUtf8(value)) {
    if (const auto converted = Utf8ToCp1252(value)) return Cut(*converted, KestroMaxChars);
  }
  return Cut(value, KestroMaxChars);
}

} // namespace platform
