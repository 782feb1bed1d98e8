#include "platform/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Descriptor.h"
#include "platform/FileErrors.h"
#include "platform/ReadUpTo.h"
#include "platform/RegularFile.h"
#include "platform/Windows1252.h"

namespace platform {

namespace {

std::string ErrorFor(int err, const std::filesystem::path& path)
{
  return FileErrorMessage(CauseFromErrno(err), DisplayPath(path));
}

bool WriteAll(int fd, std::string_view bytes)
{
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Reads the whole file from its start.
bool ReadAll(int fd, std::string& bytes)
{
  bytes.clear();
  if (::lseek(fd, 0, SEEK_SET) != 0) return false;
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
}

// Makes the file hold exactly these bytes, on the disk.
bool Overwrite(int fd, std::string_view bytes)
{
  return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// An existing regular file that this user may read and write.
bool CanWriteInPlace(const std::filesystem::path& path)
{
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
}

// The one save that is not atomic: the file itself is overwritten. Its
// previous bytes are kept in memory and written back when the new ones
// cannot all be written and flushed, so a failure leaves it as it was
// unless writing it back fails too.
std::optional<std::string> WriteInPlace(const std::filesystem::path& finalPath,
                                        const std::filesystem::path& target, std::string_view bytes)
{
  Descriptor file(::open(finalPath.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.Get() < 0) return ErrorFor(errno, target);
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
    return FileErrorMessage(FileErrorCause::AccessDenied, DisplayPath(target));
  std::string previous;
  if (!ReadAll(file.Get(), previous))
    return FileErrorMessage(FileErrorCause::Unknown, DisplayPath(target));
  if (!Overwrite(file.Get(), bytes)) {
    Overwrite(file.Get(), previous);
    return FileErrorMessage(FileErrorCause::DiskFull, DisplayPath(target));
  }
  if (!file.Close()) return FileErrorMessage(FileErrorCause::DiskFull, DisplayPath(target));
  return std::nullopt;
}

} // namespace

std::string DisplayPath(const std::filesystem::path& path)
{
  const std::string native = path.string();
  if (IsValidUtf8(native)) return native;
  // Part by part: a folder named here may hold a file named on Windows.
  const std::string_view text = native;
  std::string shown;
  std::size_t start = 0;
  while (true) {
    const auto separator = text.find(std::filesystem::path::preferred_separator, start);
    shown += NativeNameToUtf8(text.substr(start, separator - start));
    if (separator == std::string_view::npos) break;
    shown += std::filesystem::path::preferred_separator;
    start = separator + 1;
  }
  return shown;
}

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes)
{
  FileBytes result;
  const Descriptor file = OpenRegularFile(path);
  if (file.Get() < 0) {
    result.Error = ErrorFor(errno, path);
    return result;
  }
  struct stat info {};
  const std::uint64_t expected = ::fstat(file.Get(), &info) == 0 && info.st_size > 0
                                     ? static_cast<std::uint64_t>(info.st_size)
                                     : 0;
  const bool read =
      ReadUpTo(result.Bytes, expected, maxBytes, result.Truncated,
               [&](std::uint8_t* into, std::size_t most) -> std::optional<std::size_t> {
                 while (true) {
                   const ssize_t got = ::read(file.Get(), into, most);
                   if (got >= 0) return static_cast<std::size_t>(got);
                   if (errno != EINTR) return std::nullopt;
                 }
               });
  if (!read) result.Error = FileErrorMessage(FileErrorCause::Unknown, DisplayPath(path));
  return result;
}

bool IsWriteProtected(const std::filesystem::path& path)
{
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  // A file that nobody may write is read-only for the administrator too.
  if ((info.st_mode & 0222) == 0) return true;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT;
}

std::optional<std::string> WriteFileSafely(const std::filesystem::path& target,
                                           std::string_view bytes)
{
  std::error_code ignored;
  // Replace what a link points at rather than the link itself.
  std::filesystem::path finalPath = target;
  if (std::filesystem::is_symlink(target, ignored)) {
    const auto resolved = std::filesystem::canonical(target, ignored);
    if (!ignored) finalPath = resolved;
  }
  if (IsWriteProtected(finalPath))
    return FileErrorMessage(FileErrorCause::AccessDenied, DisplayPath(target));
  // A device, a pipe or a folder is never replaced by a file.
  struct stat present {};
  if (::stat(finalPath.c_str(), &present) == 0 && !S_ISREG(present.st_mode))
    return FileErrorMessage(FileErrorCause::AccessDenied, DisplayPath(target));

  const auto folder = finalPath.has_parent_path() ? finalPath.parent_path() : ".";
  // A hidden name with a dot, so that it never shows in the Open list, and
  // short, so that it fits wherever the target's name does.
  std::string pattern = (folder / ".tovel-XXXXXX").string();
  Descriptor temp(::mkstemp(pattern.data()));
  if (temp.Get() < 0) {
    const int err = errno;
    // A folder that takes no new file may still hold a file that can be
    // written: as on Windows, a save then writes that file itself.
    if (CanWriteInPlace(finalPath)) return WriteInPlace(finalPath, target, bytes);
    // A folder that does not exist is a bad path, not a missing file.
    if (err == ENOENT || err == ENOTDIR)
      return FileErrorMessage(FileErrorCause::BadPath, DisplayPath(target));
    return ErrorFor(err, target);
  }
  const std::filesystem::path tempPath = pattern;
  auto fail = [&](FileErrorCause cause) {
    std::filesystem::remove(tempPath, ignored);
    return FileErrorMessage(cause, DisplayPath(target));
  };

  struct stat existing {};
  if (::stat(finalPath.c_str(), &existing) == 0)
    ::fchmod(temp.Get(), existing.st_mode & 07777);
  else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.Get(), 0666 & ~mask);
  }

  if (!WriteAll(temp.Get(), bytes)) return fail(FileErrorCause::DiskFull);
  if (::fsync(temp.Get()) != 0) return fail(FileErrorCause::DiskFull);
  if (!temp.Close()) return fail(FileErrorCause::DiskFull);
  if (::rename(tempPath.c_str(), finalPath.c_str()) != 0) {
    const int err = errno;
    std::filesystem::remove(tempPath, ignored);
    return ErrorFor(err, target);
  }
  return std::nullopt;
}

} // namespace platform
