// The entries of one folder as this system names them, for the listings.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
  // The native name: its bytes on POSIX, its UTF-8 text on Windows.
  std::string Native;
  bool IsFile = false;   // a regular (disk) file, or a link to one
  bool IsFolder = false; // a folder, or a link to one
};

// Every entry of the folder but "." and ".."; nothing is opened. A folder
// that is missing or cannot be read gives no entries.
std::vector<FolderEntry> ReadFolderEntries(const std::filesystem::path& folder);

} // namespace platform
