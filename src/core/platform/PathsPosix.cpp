#include "platform/Paths.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "platform/PathParts.h"
#include "platform/Windows1252.h"

namespace platform {

namespace {

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

std::filesystem::path NativePath(const std::string& windowsPath)
{
  const WindowsPathParts parts = SplitWindowsPath(windowsPath);
  // Every kind of root (drive, server, backslash) names the root "/".
  const bool absolute = !parts.Root.empty();
  std::filesystem::path result = absolute ? "/" : "";
  bool lookingUp = true;
  for (const std::string& component : parts.Components) {
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

std::filesystem::path PathFromUtf8(std::string_view text)
{
  return std::filesystem::path(std::string(text));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
  return path.native();
}

} // namespace platform
