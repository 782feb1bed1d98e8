// The parts of a Windows-style path as tovels and the settings file write
// it, shared by the POSIX and Windows forms of NativePath.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct WindowsPathParts {
  // "" for a relative path, "\" for one from the root, "X:\" after a drive
  // letter (also "X:" alone or "X:name"), "\\" before a server name.
  std::string Root;
  // The names between separators (backslashes or slashes); empty and "."
  // components are dropped.
  std::vector<std::string> Components;
};

WindowsPathParts SplitWindowsPath(std::string_view path);

} // namespace platform
