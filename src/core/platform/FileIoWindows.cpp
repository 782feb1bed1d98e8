#include "platform/FileIo.h"

#include <algorithm>
#include <atomic>

#include "platform/FileErrors.h"
#include "platform/FileHandle.h"
#include "platform/ReadUpTo.h"
#include "platform/RegularFile.h"
#include "platform/WideText.h"

namespace platform {

namespace {

std::string ErrorFor(DWORD error, const std::filesystem::path& path)
{
  return FileErrorMessage(CauseFromWin32Error(error), DisplayPath(path));
}

// WriteFile and ReadFile take at most a DWORD of bytes at a time.
constexpr std::size_t Chunk = 1 << 20;

bool WriteAll(HANDLE file, std::string_view bytes)
{
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min(bytes.size(), Chunk));
    if (!::WriteFile(file, bytes.data(), size, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Rewind(HANDLE file)
{
  LARGE_INTEGER start{};
  return ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != 0;
}

// Reads the whole file from its start.
bool ReadAll(HANDLE file, std::string& bytes)
{
  bytes.clear();
  if (!Rewind(file)) return false;
  char buffer[65536];
  while (true) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    bytes.append(buffer, got);
  }
}

// Makes the file hold exactly these bytes, on the disk.
bool Overwrite(HANDLE file, std::string_view bytes)
{
  return Rewind(file) && WriteAll(file, bytes) && ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

DWORD AttributesOf(const std::filesystem::path& path)
{
  return FileAttributes(path);
}

bool IsFolder(DWORD attributes)
{
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileHandle OpenForWriting(const std::filesystem::path& path, DWORD access)
{
  return FileHandle(::CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

// An existing disk file that can be opened for reading and writing.
bool CanWriteInPlace(const std::filesystem::path& path)
{
  const DWORD attributes = AttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || IsFolder(attributes) ||
      (attributes & FILE_ATTRIBUTE_READONLY) || NamesDevice(path))
    return false;
  const FileHandle file = OpenForWriting(path, GENERIC_READ | GENERIC_WRITE);
  return file.IsOpen() && ::GetFileType(file.Get()) == FILE_TYPE_DISK;
}

// The one save that is not atomic: the file itself is overwritten. Its
// previous bytes are kept in memory and written back when the new ones
// cannot all be written and flushed, so a failure leaves it as it was
// unless writing it back fails too.
std::optional<std::string> WriteInPlace(const std::filesystem::path& finalPath,
                                        const std::filesystem::path& target, std::string_view bytes)
{
  FileHandle file = OpenForWriting(finalPath, GENERIC_READ | GENERIC_WRITE);
  if (!file.IsOpen()) return ErrorFor(::GetLastError(), target);
  std::string previous;
  if (!ReadAll(file.Get(), previous)) return ErrorFor(::GetLastError(), target);
  if (!Overwrite(file.Get(), bytes)) {
    const DWORD error = ::GetLastError();
    Overwrite(file.Get(), previous);
    return ErrorFor(error, target);
  }
  if (!file.Close()) return ErrorFor(::GetLastError(), target);
  return std::nullopt;
}

// The file a symbolic link leads to, so that a save replaces that file and
// not the link; any other path as it is.
std::filesystem::path FinalPath(const std::filesystem::path& path)
{
  const DWORD attributes = AttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return path;
  const FileHandle file(::CreateFileW(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.IsOpen()) return path;
  std::wstring final(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD length = ::GetFinalPathNameByHandleW(
        file.Get(), final.data(), static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
    if (length == 0) return path;
    if (length < final.size()) {
      final.resize(length);
      return final;
    }
    final.resize(length); // too small: length is the size needed
  }
  return path;
}

// A new hidden file with a dotted name in the folder, so that the Open list
// never shows it; the name is short, so that it fits wherever the target's
// name does.
FileHandle CreateTemporaryFile(const std::filesystem::path& folder, std::filesystem::path& made)
{
  static std::atomic<unsigned> made_so_far{0};
  const unsigned seed =
      static_cast<unsigned>(::GetTickCount64()) * 2654435761u ^ ::GetCurrentProcessId();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned number = (seed + made_so_far++ * 40503u) & 0xFFFFFFu;
    std::wstring name = L".tovel-";
    for (int shift = 20; shift >= 0; shift -= 4)
      name += L"0123456789ABCDEF"[(number >> shift) & 0xF];
    made = folder / name;
    FileHandle file(::CreateFileW(made.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (file.IsOpen() || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return FileHandle();
}

} // namespace

std::string DisplayPath(const std::filesystem::path& path)
{
  return Utf8FromWide(path.native());
}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes)
{
  FileBytes result;
  const FileHandle file = OpenRegularFile(path);
  if (!file.IsOpen()) {
    result.Error = ErrorFor(::GetLastError(), path);
    return result;
  }
  LARGE_INTEGER size{};
  const std::uint64_t expected = ::GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0
                                     ? static_cast<std::uint64_t>(size.QuadPart)
                                     : 0;
  DWORD error = 0;
  const bool read =
      ReadUpTo(result.Bytes, expected, maxBytes, result.Truncated,
               [&](std::uint8_t* into, std::size_t most) -> std::optional<std::size_t> {
                 DWORD got = 0;
                 if (::ReadFile(file.Get(), into, static_cast<DWORD>(most), &got, nullptr))
                   return got;
                 error = ::GetLastError();
                 return std::nullopt;
               });
  if (!read) result.Error = ErrorFor(error, path);
  return result;
}

bool IsWriteProtected(const std::filesystem::path& path)
{
  const DWORD attributes = AttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || IsFolder(attributes)) return false;
  if (attributes & FILE_ATTRIBUTE_READONLY) return true;
  if (NamesDevice(path)) return false;
  // Opening for writing changes nothing; it fails when this user may not.
  const FileHandle file = OpenForWriting(path, GENERIC_WRITE);
  return !file.IsOpen() && ::GetLastError() == ERROR_ACCESS_DENIED;
}

std::optional<std::string> WriteFileSafely(const std::filesystem::path& shownTarget,
                                           std::string_view bytes)
{
  // Messages name the path as given; a link is followed to its file.
  const std::filesystem::path target = FinalPath(shownTarget);
  if (IsWriteProtected(target))
    return FileErrorMessage(FileErrorCause::AccessDenied, DisplayPath(shownTarget));
  // A device, a pipe or a folder is never replaced by a file.
  const DWORD existing = AttributesOf(target);
  const bool unknown =
      existing == INVALID_FILE_ATTRIBUTES && ::GetLastError() == ERROR_ACCESS_DENIED;
  if (unknown || IsFolder(existing) || NamesDevice(target))
    return FileErrorMessage(FileErrorCause::AccessDenied, DisplayPath(shownTarget));

  const auto folder = target.has_parent_path() ? target.parent_path() : ".";
  std::filesystem::path tempPath;
  FileHandle temp = CreateTemporaryFile(folder, tempPath);
  if (!temp.IsOpen()) {
    const DWORD error = ::GetLastError();
    // A folder that takes no new file may still hold a file that can be
    // written: a save then writes that file itself.
    if (CanWriteInPlace(target)) return WriteInPlace(target, shownTarget, bytes);
    // A folder that does not exist is a bad path, not a missing file.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return FileErrorMessage(FileErrorCause::BadPath, DisplayPath(shownTarget));
    return ErrorFor(error, shownTarget);
  }
  auto fail = [&](DWORD error) {
    temp.Close();
    ::DeleteFileW(tempPath.c_str());
    return ErrorFor(error, shownTarget);
  };
  if (!WriteAll(temp.Get(), bytes) || !::FlushFileBuffers(temp.Get()))
    return fail(::GetLastError());
  if (!temp.Close()) return fail(::GetLastError());

  // The saved file takes the attributes the target had (read-only aside,
  // which was refused above); a new one gets none, so the temporary file's
  // hidden mark goes.
  constexpr DWORD kept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD attributes =
      existing == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_NORMAL : (existing & kept);
  ::SetFileAttributesW(tempPath.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
  if (!::MoveFileExW(tempPath.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = ::GetLastError();
    ::DeleteFileW(tempPath.c_str());
    return ErrorFor(error, shownTarget);
  }
  return std::nullopt;
}

} // namespace platform
