#include "platform/Memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
  // glibc keeps freed blocks of a few megabytes in its heap for reuse.
  malloc_trim(0);
#endif
}

} // namespace platform
