// The read loop both systems' whole-file reading shares.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Memory.h"

namespace platform {

// Reads into bytes until the end of the file or until more than maxBytes
// have come, with read(into, most) giving how many bytes it put at into
// (0 at the end of the file) or nullopt on failure. The file's expected
// size is reserved up front and read in place, so the bytes take the
// memory of the file and no more. Gives false on a failed read; sets
// truncated when the file holds more than maxBytes, of which maxBytes are
// kept.
template <typename Read>
bool ReadUpTo(std::vector<std::uint8_t>& bytes, std::uint64_t expectedSize, std::size_t maxBytes,
              bool& truncated, Read read)
{
  constexpr std::size_t Step = 1 << 20;
  bytes.clear();
  // One byte more than the limit tells a file that is too large.
  const std::size_t limit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
  bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(expectedSize, maxBytes)) + 1);
  PreferLargePages(bytes.data(), bytes.capacity());
  truncated = false;
  while (bytes.size() < limit) {
    const std::size_t have = bytes.size();
    if (have == bytes.capacity()) bytes.reserve(std::min(limit, have + std::max(have, Step)));
    // A step at a time, so that each new byte is zeroed just before the
    // read fills it.
    bytes.resize(std::min({limit, bytes.capacity(), have + Step}));
    const std::optional<std::size_t> got = read(bytes.data() + have, bytes.size() - have);
    if (!got) {
      bytes.clear();
      return false;
    }
    bytes.resize(have + *got);
    if (*got == 0) return true;
  }
  truncated = true;
  bytes.resize(maxBytes);
  return true;
}

} // namespace platform
