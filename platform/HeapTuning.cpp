#include "platform/HeapTuning.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Under a sanitizer the heap is the sanitizer's own and is left alone.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELTRANO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
#define VELTRANO_SANITIZED 1
#endif
#endif

#if defined(__GLIBC__) && !defined(VELTRANO_SANITIZED)
#define VELTRANO_TUNE_HEAP 1
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace veltrano {

namespace {

#if defined(VELTRANO_TUNE_HEAP)
constexpr std::size_t kHeapReserve = std::size_t{512} << 20;
// Larger than what is left at the heap's top after start-up, so it grows the heap.
constexpr std::size_t kProbeSize = std::size_t{8} << 20;

// Grows the heap by the reserve now (address space only; pages come when touched) and marks it
// for huge pages. Without them (switched off, or another kernel) everything works as before.
void reserveHeapInHugePages() {
    void* probe = std::malloc(kProbeSize);
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t from = reinterpret_cast<std::uintptr_t>(probe) / page * page;
    // Never past the heap, should the probe have come from elsewhere.
    const std::uintptr_t to = std::max(from, reinterpret_cast<std::uintptr_t>(sbrk(0)));
    (void)madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    std::free(probe);
}
#endif

}  // namespace

// A run holds a track database several times over in turn: as read, decoded, rebuilt and
// encoded, each a buffer of tens of megabytes. The C library serves such sizes from fresh
// mappings and unmaps them when freed, so every buffer pays for all its pages again, and at
// 4 KB a page that is most of a run's time. So large blocks stay in the heap, where each
// buffer reuses the pages of the one freed before it, and the heap is reserved in one step
// and marked for huge pages, which cost a small fraction of that to map. The run's file steps
// run on a helper thread; one arena for all threads keeps their buffers in that same heap.
bool HeapTuning::keepLargeBuffersInHeap() {
#if defined(VELTRANO_TUNE_HEAP)
    const int largest = 1 << 30;
    // mallopt answers 1 for a setting it takes, 0 for one it refuses.
    const bool tuned = mallopt(M_ARENA_MAX, 1) && mallopt(M_MMAP_THRESHOLD, largest) &&
                       mallopt(M_TRIM_THRESHOLD, largest) &&
                       mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve));
    if (tuned) {
        reserveHeapInHugePages();
    }
    return tuned;
#else
    return false;
#endif
}

}  // namespace veltrano
