#pragma once
#include <cstddef>

namespace platform {

// Large blocks (a file's bytes, the durations in a fit's window, the records'
// seconds, the buffers of a fit of many runs) come from the heap and go back
// to it, not to the system: each one then reuses the pages of the one before
// it rather than touching fresh ones, which cost a page fault every 4 KiB
// (2 to 4 us with the page's release, on a virtual machine). Each reload of a
// followed run refits its combination with the added runs: a fifth of that
// fit's time for a million events went to fresh pages. Blocks up to 32 MB come
// from the heap, and up to 64 MB of free heap is kept. Called once at the
// start of each program.
void keep_freed_memory_for_reuse();

// Zero memory for one large block that a program keeps for its whole run (the
// record store of vorns-fit): fresh pages from the system, on a 2 MiB boundary
// and asked for as one huge page where the system gives them, so that writing
// the block costs one page fault rather than one each 4 KiB. Null when the
// system has no memory to give. Given back with free_zeroed_pages.
void* zeroed_pages(std::size_t bytes);
void free_zeroed_pages(void* block, std::size_t bytes);

}  // namespace platform
