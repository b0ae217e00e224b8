#include "platform/HeapTuning.h"

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
constexpr std::size_t kHugePage = std::size_t{2} << 20;
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
    if (mallopt(M_ARENA_MAX, 1) != 1 || mallopt(M_MMAP_THRESHOLD, largest) != 1 ||
        mallopt(M_TRIM_THRESHOLD, largest) != 1 ||
        mallopt(M_TOP_PAD, static_cast<int>(kHeapReserve)) != 1) {
        return false;
    }
    // Grows the heap by the reserve now (address space only; pages come when touched).
    void* probe = std::malloc(4 * kHugePage);
    if (probe == nullptr) {
        return false;
    }
    const auto from = (reinterpret_cast<std::uintptr_t>(probe) + kHugePage - 1) & ~(kHugePage - 1);
    const auto to = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(kHugePage - 1);
    std::free(probe);
    // Without huge pages (switched off, or another kernel) everything works as before.
    if (to > from) {
        (void)madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
    return true;
#else
    return false;
#endif
}

}  // namespace veltrano
