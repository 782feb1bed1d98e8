#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

Descriptor OpenRegularFile(const std::filesystem::path& path)
{
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return Descriptor(-1);
  if (!S_ISREG(info.st_mode)) {
    errno = EACCES;
    return Descriptor(-1);
  }
  // Should the name have been given to a pipe since, opening it does not
  // wait either, and the check below refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return Descriptor(-1);
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    errno = EACCES;
    return Descriptor(-1);
  }
  return Descriptor(fd);
}

} // namespace platform
