#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/HeapTuning.h"

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#include <malloc.h>
#define VELTRANO_HEAP_TUNED 1
#endif

namespace veltrano {
namespace {

#if defined(VELTRANO_HEAP_TUNED)
// Whether any part of the heap's mapping is marked for huge pages.
bool heapMarkedForHugePages() {
    std::ifstream maps("/proc/self/smaps");
    bool inHeap = false;
    for (std::string line; std::getline(maps, line);) {
        if (line.find("[heap]") != std::string::npos) {
            inHeap = true;
        } else if (inHeap && line.starts_with("VmFlags:")) {
            if ((line + " ").find(" hg ") != std::string::npos) {
                return true;
            }
            inHeap = false;
        }
    }
    return false;
}
#endif

// A large buffer comes from the heap, reserved ahead in one step, not from a mapping of its own.
TEST(HeapTuning, LargeBuffersComeFromTheReservedHeap) {
#if defined(VELTRANO_HEAP_TUNED)
    ASSERT_TRUE(HeapTuning::keepLargeBuffersInHeap());
    EXPECT_GE(mallinfo2().arena, std::size_t{512} << 20);
    const std::size_t ownMappings = mallinfo2().hblkhd;
    void* buffer = std::malloc(std::size_t{256} << 20);
    EXPECT_EQ(mallinfo2().hblkhd, ownMappings);
    std::free(buffer);
    if (std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled")) {
        EXPECT_TRUE(heapMarkedForHugePages());
    }
#else
    EXPECT_FALSE(HeapTuning::keepLargeBuffersInHeap());
#endif
}

}  // namespace
}  // namespace veltrano
