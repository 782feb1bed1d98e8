// Copying a file without ever replacing one, and making a folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace platform {

// Copies source to target. An existing target (file, folder or link) is
// never replaced or written to: the copy then fails. A copy that fails part
// way removes the partial target it made. A source that is not a regular
// file (a folder, a pipe, a device) is refused as unreadable without being
// opened. Gives the message to show on failure, naming the file concerned.
std::optional<std::string> CopyFileNoOverwrite(const std::filesystem::path& source,
                                               const std::filesystem::path& target);

// Writes bytes into a new file. As with the copy, an existing target is
// never replaced or written to, and a write that fails part way removes
// the file it made. Gives the message to show on failure.
std::optional<std::string> WriteNewFile(const std::filesystem::path& target,
                                        std::span<const std::uint8_t> bytes);

// Makes one folder; its parent must exist. Fails when anything of that name
// exists already. Gives the message to show on failure.
std::optional<std::string> CreateFolder(const std::filesystem::path& path);

} // namespace platform
