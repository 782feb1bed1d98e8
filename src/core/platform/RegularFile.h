// Opening a file for reading without ever waiting on one that is not a
// regular file.
#pragma once

#include <filesystem>

#include "platform/Descriptor.h"

namespace platform {

// Opens a regular file (or a link to one) for reading. A pipe, a device or
// a folder is refused before anything opens it, since opening or reading
// one can wait for ever; errno is then EACCES, so that it is reported as a
// file that cannot be read. On failure the descriptor is negative and errno
// says why.
Descriptor OpenRegularFile(const std::filesystem::path& path);

} // namespace platform
