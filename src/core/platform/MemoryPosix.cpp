#include "platform/Memory.h"

#include <cstdint>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace platform {

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
  // glibc keeps freed blocks of a few megabytes in its heap for reuse.
  malloc_trim(0);
#endif
}

void PreferLargePages(void* start, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // Only whole large pages inside the buffer can be asked for.
  constexpr std::uintptr_t Large = 2u << 20;
  const auto first = (reinterpret_cast<std::uintptr_t>(start) + Large - 1) & ~(Large - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(Large - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
  (void)start;
  (void)bytes;
#endif
}

} // namespace platform
