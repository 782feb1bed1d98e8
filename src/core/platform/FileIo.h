// Whole-file reading and safe whole-file writing, with the program's
// file-error messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FileBytes {
  std::vector<std::uint8_t> Bytes;
  bool Truncated = false; // the file held more than the limit
  std::string Error;      // empty when the read succeeded
};

// Reads at most maxBytes of a file. Only a regular file is read: a folder,
// a pipe or a device is refused as a file that cannot be read, without
// being opened. On failure Error holds the message to show, naming the path.
FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// Whether an existing file refuses to be replaced: this user may not write
// it, or it is read-only (nobody may write it), which the administrator's
// saves respect too. False for a file that does not exist.
bool IsWriteProtected(const std::filesystem::path& path);

// Writes a whole file so that the target is never left half-written: the
// bytes go to a temporary file in the same folder, which is flushed to disk
// and then renamed over the target. An existing target keeps its
// permissions (on Windows its attributes; its security settings become the
// folder's, as for any file moved into it). On failure the target is untouched, the temporary file
// is removed and the message to show is returned. A write-protected target (IsWriteProtected) is
// refused as access denied and left alone.
//
// The one exception: when the folder takes no temporary file but the target
// exists and can be written, the target is overwritten in place and flushed.
// Its previous bytes are kept in memory and written back if that fails, and
// the failure is reported.
std::optional<std::string> WriteFileSafely(const std::filesystem::path& target,
                                           std::string_view bytes);

// The path as it is shown in messages and titles, as UTF-8 text: a part of
// it that is not valid UTF-8 is read as Windows-1252 (NativeNameToUtf8).
std::string DisplayPath(const std::filesystem::path& path);

} // namespace platform
