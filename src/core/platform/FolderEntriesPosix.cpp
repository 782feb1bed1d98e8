#include "platform/FolderEntries.h"

#include <system_error>

namespace platform {

std::vector<FolderEntry> ReadFolderEntries(const std::filesystem::path& folder)
{
  std::vector<FolderEntry> entries;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::string native = it->path().filename().native();
    if (native == "." || native == "..") continue;
    std::error_code ignored;
    // Both follow symbolic links.
    const bool isFile = it->is_regular_file(ignored);
    const bool isFolder = it->is_directory(ignored);
    entries.push_back({std::move(native), isFile, isFolder});
  }
  return entries;
}

} // namespace platform
