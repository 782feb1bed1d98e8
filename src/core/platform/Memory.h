// Giving memory the program no longer uses back to the system.
#pragma once

#include <cstddef>

namespace platform {

// Returns the free memory the allocator still holds to the system, so that
// dropping large buffers shows in the process's size. Cheap enough to call
// after each large release.
void ReturnFreedMemory();

// Asks for the untouched memory of a large buffer to be backed by large
// pages where the system offers them, which makes filling it cheaper.
void PreferLargePages(void* start, std::size_t bytes);

} // namespace platform
