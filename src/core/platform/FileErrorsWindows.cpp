#include "platform/FileErrors.h"

#include "platform/WindowsApi.h"

namespace platform {

FileErrorCause CauseFromWin32Error(unsigned long error)
{
  switch (error) {
  case ERROR_FILE_NOT_FOUND:
    return FileErrorCause::FileNotFound;
  case ERROR_PATH_NOT_FOUND:
  case ERROR_INVALID_NAME:
  case ERROR_BAD_PATHNAME:
  case ERROR_DIRECTORY:
  case ERROR_FILENAME_EXCED_RANGE:
  case ERROR_INVALID_DRIVE:
  case ERROR_BAD_NETPATH:
    return FileErrorCause::BadPath;
  case ERROR_TOO_MANY_OPEN_FILES:
    return FileErrorCause::TooManyOpenFiles;
  case ERROR_ACCESS_DENIED:
  case ERROR_WRITE_PROTECT:
  case ERROR_CURRENT_DIRECTORY:
    return FileErrorCause::AccessDenied;
  case ERROR_INVALID_HANDLE:
    return FileErrorCause::InvalidHandle;
  case ERROR_CANNOT_MAKE:
    return FileErrorCause::DirectoryFull;
  case ERROR_CRC:
  case ERROR_SEEK:
  case ERROR_SECTOR_NOT_FOUND:
  case ERROR_READ_FAULT:
  case ERROR_WRITE_FAULT:
  case ERROR_GEN_FAILURE:
  case ERROR_NOT_READY:
  case ERROR_IO_DEVICE:
    return FileErrorCause::HardwareError;
  case ERROR_SHARING_VIOLATION:
    return FileErrorCause::SharingViolation;
  case ERROR_LOCK_VIOLATION:
    return FileErrorCause::LockingViolation;
  case ERROR_DISK_FULL:
  case ERROR_HANDLE_DISK_FULL:
    return FileErrorCause::DiskFull;
  default:
    return FileErrorCause::Unknown;
  }
}

} // namespace platform
