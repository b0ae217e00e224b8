#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "platform/HeapTuning.h"

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#include <malloc.h>
#include <unistd.h>
#define VELTRANO_HEAP_TUNED 1
#endif

namespace veltrano {
namespace {

// A large buffer comes from the heap, reserved ahead in one step, not from a mapping of its own.
TEST(HeapTuning, LargeBuffersComeFromTheReservedHeap) {
#if defined(VELTRANO_HEAP_TUNED)
    ASSERT_TRUE(HeapTuning::keepLargeBuffersInHeap());
    EXPECT_GE(mallinfo2().arena, std::size_t{512} << 20);
    const std::size_t ownMappings = mallinfo2().hblkhd;
    void* buffer = std::malloc(std::size_t{256} << 20);
    EXPECT_EQ(mallinfo2().hblkhd, ownMappings);
    std::free(buffer);
    // One arena: a buffer made on another thread comes from the same heap.
    void* fromThread = nullptr;
    std::thread([&fromThread] { fromThread = std::malloc(1000); }).join();
    EXPECT_LT(fromThread, sbrk(0));
    std::free(fromThread);
#else
    EXPECT_FALSE(HeapTuning::keepLargeBuffersInHeap());
#endif
}

}  // namespace
}  // namespace veltrano
