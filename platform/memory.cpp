#include "platform/memory.h"

#include <sys/mman.h>

#include <cstdint>
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

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
std::size_t rounded_up(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }
}  // namespace

void* zeroed_pages(std::size_t bytes) {
    const std::size_t size = rounded_up(bytes);
    // One huge page more than the block, so that a 2 MiB boundary lies in it;
    // the part before that boundary and the part after the block go back.
    void* mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + size + kHugePage;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
#if defined(MADV_HUGEPAGE)
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);  // advice: a refusal changes nothing
#endif
    return reinterpret_cast<void*>(aligned);
}

void free_zeroed_pages(void* block, std::size_t bytes) {
    if (block) munmap(block, rounded_up(bytes));
}

}  // namespace platform
