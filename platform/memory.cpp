#include "platform/memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void keep_freed_memory_for_reuse() {
#if defined(__GLIBC__)
    // Setting the threshold also stops the library moving it on its own;
    // 32 MB is the largest glibc takes on every version.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

}  // namespace platform
