#include "platform/FileCopy.h"

#include <algorithm>

#include "platform/FileErrors.h"
#include "platform/FileHandle.h"
#include "platform/FileIo.h"
#include "platform/RegularFile.h"

namespace platform {

namespace {

std::string ErrorFor(DWORD error, const std::filesystem::path& path)
{
  if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
    return DisplayPath(path) + " exists already.";
  return FileErrorMessage(CauseFromWin32Error(error), DisplayPath(path));
}

bool WriteAll(HANDLE file, const char* bytes, DWORD size)
{
  while (size > 0) {
    DWORD written = 0;
    if (!::WriteFile(file, bytes, size, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes += written;
    size -= written;
  }
  return true;
}

} // namespace

std::optional<std::string> CopyFileNoOverwrite(const std::filesystem::path& source,
                                               const std::filesystem::path& target)
{
  const FileHandle in = OpenRegularFile(source);
  if (!in.IsOpen()) return ErrorFor(::GetLastError(), source);

  // CREATE_NEW fails when anything of that name exists, so an existing file
  // is never touched. A device name would open the device: refuse it first.
  if (NamesDevice(target)) return ErrorFor(ERROR_ACCESS_DENIED, target);
  FileHandle out(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.IsOpen()) return ErrorFor(::GetLastError(), target);

  auto fail = [&](const std::string& message) {
    out.Close();
    ::DeleteFileW(target.c_str());
    return message;
  };
  char buffer[65536];
  while (true) {
    DWORD got = 0;
    if (!::ReadFile(in.Get(), buffer, sizeof buffer, &got, nullptr))
      return fail(ErrorFor(::GetLastError(), source));
    if (got == 0) break;
    if (!WriteAll(out.Get(), buffer, got)) return fail(ErrorFor(::GetLastError(), target));
  }
  if (!::FlushFileBuffers(out.Get()) || !out.Close())
    return fail(ErrorFor(::GetLastError(), target));
  return std::nullopt;
}

std::optional<std::string> WriteNewFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes)
{
  if (NamesDevice(target)) return ErrorFor(ERROR_ACCESS_DENIED, target);
  FileHandle out(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.IsOpen()) return ErrorFor(::GetLastError(), target);
  if (!WriteAll(out.Get(), reinterpret_cast<const char*>(bytes.data()),
                static_cast<DWORD>(bytes.size())) ||
      !::FlushFileBuffers(out.Get()) || !out.Close()) {
    const DWORD error = ::GetLastError();
    out.Close();
    ::DeleteFileW(target.c_str());
    return ErrorFor(error, target);
  }
  return std::nullopt;
}

std::optional<std::string> CreateFolder(const std::filesystem::path& path)
{
  if (!::CreateDirectoryW(path.c_str(), nullptr)) return ErrorFor(::GetLastError(), path);
  return std::nullopt;
}

} // namespace platform
