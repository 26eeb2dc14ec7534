#include "platform/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

// The block is zero, writable to its last byte, on a 2 MiB boundary, for
// sizes below, at and above one huge page; and it goes back whole.
TEST(ZeroedPages, AreZeroWritableAndOnAHugePageBoundary) {
    for (const std::size_t bytes : {std::size_t{1}, std::size_t{2} << 20, (std::size_t{5} << 20) + 3}) {
        auto* block = static_cast<unsigned char*>(platform::zeroed_pages(bytes));
        ASSERT_NE(block, nullptr) << bytes;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % (std::size_t{2} << 20), 0u) << bytes;
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[bytes - 1], 0);
        std::memset(block, 0xAB, bytes);
        EXPECT_EQ(block[bytes - 1], 0xAB);
        platform::free_zeroed_pages(block, bytes);
    }
    platform::free_zeroed_pages(nullptr, 10);  // nothing to give back
}
