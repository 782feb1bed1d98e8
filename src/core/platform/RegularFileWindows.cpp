#include "platform/RegularFile.h"

#include <array>
#include <cwctype>
#include <string_view>

namespace platform {

bool NamesDevice(const std::filesystem::path& path)
{
  const std::wstring& text = path.native();
  if (text.size() >= 4 && (text[0] == L'\\' || text[0] == L'/') &&
      (text[1] == L'\\' || text[1] == L'/') && text[2] == L'.' &&
      (text[3] == L'\\' || text[3] == L'/'))
    return true;
  // The device names hold for any extension and trailing spaces: "nul.txt".
  std::wstring stem = path.filename().native();
  stem = stem.substr(0, stem.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (wchar_t& c : stem) c = static_cast<wchar_t>(std::towupper(c));
  static constexpr std::array<std::wstring_view, 6> fixed = {L"CON", L"PRN",    L"AUX",
                                                             L"NUL", L"CONIN$", L"CONOUT$"};
  for (const std::wstring_view name : fixed) {
    if (stem == name) return true;
  }
  return stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
         stem[3] >= L'1' && stem[3] <= L'9';
}

unsigned long FileAttributes(const std::filesystem::path& path)
{
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_INVALID_FUNCTION)
      ::SetLastError(ERROR_ACCESS_DENIED);
  }
  return attributes;
}

FileHandle OpenRegularFile(const std::filesystem::path& path)
{
  if (NamesDevice(path)) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return FileHandle();
  }
  const DWORD attributes = FileAttributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return FileHandle();
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return FileHandle();
  }
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return file;
  // Whatever the name turned out to be, only a disk file is read.
  if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
    file.Close();
    ::SetLastError(ERROR_ACCESS_DENIED);
  }
  return file;
}

} // namespace platform
