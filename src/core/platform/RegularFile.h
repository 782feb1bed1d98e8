// Opening a file for reading without ever waiting on one that is not a
// regular file.
#pragma once

#include <filesystem>

#ifdef _WIN32
#include "platform/FileHandle.h"
#else
#include "platform/Descriptor.h"
#endif

namespace platform {

#ifdef _WIN32
// Opens a disk file for reading, sharing it with other readers and writers.
// A folder or a device ("CON", "NUL", "COM1", "\\.\...") is refused without
// being opened where its name tells, and after opening otherwise, as no disk
// file; GetLastError is then ERROR_ACCESS_DENIED, so that it is reported as
// a file that cannot be read. On failure the handle is not open and
// GetLastError says why.
FileHandle OpenRegularFile(const std::filesystem::path& path);

// GetFileAttributesW, except that what is there but is neither a file nor a
// folder (Wine shows the pipes and devices of the system it runs on so: the
// call fails with ERROR_INVALID_PARAMETER or ERROR_INVALID_FUNCTION) fails
// with ERROR_ACCESS_DENIED, as a file that cannot be read or replaced.
unsigned long FileAttributes(const std::filesystem::path& path);

// Whether the last name of the path is one of the devices that every folder
// holds on Windows ("CON", "prn.txt", "COM1", ...) or the path is in the
// device namespace ("\\.\").
bool NamesDevice(const std::filesystem::path& path);
#else
// Opens a regular file (or a link to one) for reading. A pipe, a device or
// a folder is refused before anything opens it, since opening or reading
// one can wait for ever; errno is then EACCES, so that it is reported as a
// file that cannot be read. On failure the descriptor is negative and errno
// says why.
Descriptor OpenRegularFile(const std::filesystem::path& path);
#endif

} // namespace platform
