// Giving memory the program no longer uses back to the system.
#pragma once

namespace platform {

// Returns the free memory the allocator still holds to the system, so that
// dropping large buffers shows in the process's size. Cheap enough to call
// after each large release.
void ReturnFreedMemory();

} // namespace platform
