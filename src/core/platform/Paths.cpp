#include "platform/Paths.h"

#include "platform/PathParts.h"

namespace platform {

namespace {

bool IsSeparator(char c)
{
  return c == '\\' || c == '/';
}

bool IsDriveLetter(char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

WindowsPathParts SplitWindowsPath(std::string_view text)
{
  WindowsPathParts parts;
  if (text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == ':') {
    parts.Root = std::string(text.substr(0, 2)) + "\\";
    text.remove_prefix(2);
  } else if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
    parts.Root = "\\\\";
  } else if (!text.empty() && IsSeparator(text[0])) {
    parts.Root = "\\";
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    const std::string_view part = text.substr(start, end - start);
    if (!part.empty() && part != ".") parts.Components.emplace_back(part);
    start = end + 1;
  }
  return parts;
}

std::string JoinTovelsPath(const std::string& folder, const std::string& name)
{
  return folder + "\\" + name;
}

} // namespace platform
