#include "platform/Paths.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "platform/Windows1252.h"

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

// Splits on both separator kinds; empty and "." components are dropped.
std::vector<std::string> SplitComponents(std::string_view text)
{
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string_view part = text.substr(start, end - start);
    if (!part.empty() && part != ".") parts.emplace_back(part);
    start = end + 1;
  }
  return parts;
}

bool EntryExists(const std::filesystem::path& p)
{
  std::error_code ec;
  const auto status = std::filesystem::symlink_status(p, ec);
  return !ec && status.type() != std::filesystem::file_type::not_found;
}

// The native name of the entry of `folder` that equals `component` (Windows-1252)
// ignoring case; the first such name in byte order.
std::optional<std::string> FindIgnoringCase(const std::filesystem::path& folder,
                                            const std::string& component)
{
  std::vector<std::string> matches;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    const auto asModel = Utf8ToCp1252(name);
    if (asModel && EqualsIgnoreCase(*asModel, component)) matches.push_back(std::move(name));
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

} // namespace

std::string JoinTovelsPath(const std::string& folder, const std::string& name)
{
  return folder + "\\" + name;
}

std::filesystem::path NativePath(const std::string& windowsPath)
{
  std::string_view rest = windowsPath;
  bool absolute = false;
  if (rest.size() >= 2 && IsDriveLetter(rest[0]) && rest[1] == ':') {
    absolute = true;
    rest.remove_prefix(2);
  } else if (!rest.empty() && IsSeparator(rest[0])) {
    absolute = true;
  }

  std::filesystem::path result = absolute ? "/" : "";
  bool lookingUp = true;
  for (const std::string& component : SplitComponents(rest)) {
    const std::filesystem::path nativeComponent = Cp1252ToUtf8(component);
    // A name with a NUL byte cannot be passed to the system, so it is never
    // looked up; the caller's open reports the problem.
    if (!lookingUp || component == ".." || component.find('\0') != std::string::npos) {
      lookingUp = lookingUp && component == "..";
      result /= nativeComponent;
      continue;
    }
    if (EntryExists(result / nativeComponent)) {
      result /= nativeComponent;
    } else if (const auto found = FindIgnoringCase(result, component)) {
      result /= *found;
    } else {
      lookingUp = false;
      result /= nativeComponent;
    }
  }
  return result;
}

std::optional<std::string> NativeToModelName(const std::filesystem::path& nativePath)
{
  return Utf8ToCp1252(nativePath.native());
}

} // namespace platform
