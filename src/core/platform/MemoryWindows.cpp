#include "platform/Memory.h"

namespace platform {

// The Windows heap gives large blocks back to the system when they are
// freed.
void ReturnFreedMemory() {}

void PreferLargePages(void*, std::size_t) {}

} // namespace platform
