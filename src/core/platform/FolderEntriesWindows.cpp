#include "platform/FolderEntries.h"

#include "platform/WideText.h"
#include "platform/WindowsApi.h"

namespace platform {

std::vector<FolderEntry> ReadFolderEntries(const std::filesystem::path& folder)
{
  std::vector<FolderEntry> entries;
  const std::filesystem::path pattern = (folder.empty() ? L"." : folder) / L"*";
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool isDevice = (found.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0;
    entries.push_back({Utf8FromWide(name), !isFolder && !isDevice, isFolder});
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return entries;
}

} // namespace platform
