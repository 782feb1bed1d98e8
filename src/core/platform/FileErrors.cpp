#include "platform/FileErrors.h"

#include <cerrno>
#include <string_view>

namespace platform {

FileErrorCause CauseFromErrno(int err)
{
  switch (err) {
  case ENOENT:
    return FileErrorCause::FileNotFound;
  case ENOTDIR:
  case ENAMETOOLONG:
  case ELOOP:
  case EINVAL:
    return FileErrorCause::BadPath;
  case EMFILE:
  case ENFILE:
    return FileErrorCause::TooManyOpenFiles;
  case EACCES:
  case EPERM:
  case EROFS:
  case EISDIR:
    return FileErrorCause::AccessDenied;
  case EBADF:
    return FileErrorCause::InvalidHandle;
  case EMLINK:
    return FileErrorCause::DirectoryFull;
  case EIO:
    return FileErrorCause::HardwareError;
  case EBUSY:
  case ETXTBSY:
    return FileErrorCause::SharingViolation;
  case ENOLCK:
  case EDEADLK:
    return FileErrorCause::LockingViolation;
  case ENOSPC:
#ifdef EDQUOT
  case EDQUOT:
#endif
  case EFBIG:
    return FileErrorCause::DiskFull;
  default:
    return FileErrorCause::Unknown;
  }
}

namespace {

std::string_view MessageTemplate(FileErrorCause cause)
{
  switch (cause) {
  case FileErrorCause::FileNotFound:
    return "%1 was not found.";
  case FileErrorCause::BadPath:
    return "%1 contains an invalid path.";
  case FileErrorCause::TooManyOpenFiles:
    return "%1 could not be opened because there are too many open files.";
  case FileErrorCause::AccessDenied:
    return "Access to %1 was denied.";
  case FileErrorCause::InvalidHandle:
    return "An invalid file handle was associated with %1.";
  case FileErrorCause::DirectoryFull:
    return "%1 could not be created because the directory is full.";
  case FileErrorCause::HardwareError:
    return "A hardware I/O error was reported while accessing %1.";
  case FileErrorCause::SharingViolation:
    return "A sharing violation occurred while accessing %1.";
  case FileErrorCause::LockingViolation:
    return "A locking violation occurred while accessing %1.";
  case FileErrorCause::DiskFull:
    return "Disk full while accessing %1.";
  case FileErrorCause::Unknown:
    break;
  }
  // Also reached for values outside the enumeration.
  return "An unknown error occurred while accessing %1.";
}

} // namespace

std::string FileErrorMessage(FileErrorCause cause, const std::string& path)
{
  const std::string_view text = MessageTemplate(cause);
  const auto marker = text.find("%1");
  std::string message(text.substr(0, marker));
  message += path;
  message += text.substr(marker + 2);
  return message;
}

} // namespace platform
