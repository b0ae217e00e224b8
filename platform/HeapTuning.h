#pragma once

namespace veltrano {

// How the C library's heap serves the few very large buffers of a run (a track database as
// read, decoded, rebuilt and encoded). Called once by each program at start, before any thread
// exists; it changes no result, only how much page mapping a large route costs.
class HeapTuning {
  public:
    // True when the heap was tuned; false where the C library offers no such setting (or a
    // sanitizer owns the heap), and everything then works as before.
    static bool keepLargeBuffersInHeap();
};

}  // namespace veltrano
