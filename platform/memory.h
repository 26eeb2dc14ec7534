#pragma once

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

}  // namespace platform
