// Plain-language messages for failures to open, read or write a file.
#pragma once

#include <string>

namespace platform {

enum class FileErrorCause {
  Unknown,
  FileNotFound,
  BadPath,
  TooManyOpenFiles,
  AccessDenied,
  InvalidHandle,
  DirectoryFull,
  HardwareError,
  SharingViolation,
  LockingViolation,
  DiskFull
};

// The cause that an errno value reports; Unknown for values without a
// cause of their own.
FileErrorCause CauseFromErrno(int err);

#ifdef _WIN32
// The cause that a Windows system error code (GetLastError) reports;
// Unknown for codes without a cause of their own.
FileErrorCause CauseFromWin32Error(unsigned long error);
#endif

// The message for `cause` naming the file `path`, e.g. "x.tvl was not found."
std::string FileErrorMessage(FileErrorCause cause, const std::string& path);

} // namespace platform
