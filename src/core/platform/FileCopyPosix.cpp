#include "platform/FileCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Descriptor.h"
#include "platform/FileErrors.h"
#include "platform/FileIo.h"
#include "platform/RegularFile.h"

namespace platform {

namespace {

std::string ErrorFor(int err, const std::filesystem::path& path)
{
  if (err == EEXIST) return DisplayPath(path) + " exists already.";
  return FileErrorMessage(CauseFromErrno(err), DisplayPath(path));
}

// Reads into buffer; -1 on a read error.
ssize_t ReadSome(int fd, char* buffer, std::size_t size)
{
  while (true) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

bool WriteAll(int fd, const char* bytes, std::size_t size)
{
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

} // namespace

std::optional<std::string> CopyFileNoOverwrite(const std::filesystem::path& source,
                                               const std::filesystem::path& target)
{
  const Descriptor in = OpenRegularFile(source);
  if (in.Get() < 0) return ErrorFor(errno, source);

  // O_EXCL makes the creation fail when anything of that name exists, a
  // dangling link included, so an existing file is never touched.
  Descriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.Get() < 0) return ErrorFor(errno, target);

  auto fail = [&](const std::string& message) {
    out.Close();
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    return message;
  };
  char buffer[65536];
  while (true) {
    const ssize_t got = ReadSome(in.Get(), buffer, sizeof buffer);
    if (got < 0) return fail(ErrorFor(errno, source));
    if (got == 0) break;
    if (!WriteAll(out.Get(), buffer, static_cast<std::size_t>(got)))
      return fail(FileErrorMessage(FileErrorCause::DiskFull, DisplayPath(target)));
  }
  if (::fsync(out.Get()) != 0 || !out.Close()) {
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    return FileErrorMessage(FileErrorCause::DiskFull, DisplayPath(target));
  }
  return std::nullopt;
}

std::optional<std::string> WriteNewFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes)
{
  Descriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.Get() < 0) return ErrorFor(errno, target);
  if (!WriteAll(out.Get(), reinterpret_cast<const char*>(bytes.data()), bytes.size()) ||
      ::fsync(out.Get()) != 0 || !out.Close()) {
    out.Close();
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    return FileErrorMessage(FileErrorCause::DiskFull, DisplayPath(target));
  }
  return std::nullopt;
}

std::optional<std::string> CreateFolder(const std::filesystem::path& path)
{
  if (::mkdir(path.c_str(), 0777) != 0) return ErrorFor(errno, path);
  return std::nullopt;
}

} // namespace platform
