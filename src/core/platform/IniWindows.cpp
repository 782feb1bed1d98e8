#include "platform/Ini.h"

#include "platform/WindowsApi.h"

namespace platform {

namespace {

std::wstring EnvironmentValue(const wchar_t* name)
{
  std::wstring value(256, L'\0');
  while (true) {
    const DWORD length =
        ::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return {};
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length); // too small: length is the size needed
  }
}

std::filesystem::path WindowsFolder()
{
  std::wstring folder(MAX_PATH, L'\0');
  while (true) {
    const UINT length = ::GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0) return L"C:\\Windows";
    if (length < folder.size()) {
      folder.resize(length);
      return folder;
    }
    folder.resize(length);
  }
}

} // namespace

std::filesystem::path FindKestroIni()
{
  const std::wstring named = EnvironmentValue(L"KESTRO2_INI");
  if (!named.empty()) return named;
  return WindowsFolder() / L"KESTRO2.INI";
}

} // namespace platform
