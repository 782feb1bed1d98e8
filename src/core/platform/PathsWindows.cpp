#include "platform/Paths.h"

#include "platform/PathParts.h"
#include "platform/WideText.h"
#include "platform/Windows1252.h"

namespace platform {

namespace {

bool IsSeparator(char c)
{
  return c == '\\' || c == '/';
}

// "\\.\" names a device, "\\?\" a path the system takes verbatim.
bool IsDeviceOrVerbatim(std::string_view path)
{
  return path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
         (path[2] == '.' || path[2] == '?') && IsSeparator(path[3]);
}

} // namespace

std::filesystem::path NativePath(const std::string& windowsPath)
{
  std::string text;
  if (IsDeviceOrVerbatim(windowsPath)) {
    text = windowsPath;
    for (char& c : text) {
      if (c == '/') c = '\\';
    }
  } else {
    const WindowsPathParts parts = SplitWindowsPath(windowsPath);
    text = parts.Root;
    for (std::size_t i = 0; i < parts.Components.size(); ++i) {
      if (i > 0) text += '\\';
      text += parts.Components[i];
    }
  }
  return std::filesystem::path(WideFromModel(text));
}

std::optional<std::string> NativeToModelName(const std::filesystem::path& nativePath)
{
  return Utf8ToCp1252(Utf8FromWide(nativePath.native()));
}

std::filesystem::path PathFromUtf8(std::string_view text)
{
  return std::filesystem::path(WideFromUtf8(text));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
  return Utf8FromWide(path.native());
}

} // namespace platform
