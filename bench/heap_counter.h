// Heap accounting for the benchmark binary: it replaces the global operator new and delete
// and keeps the bytes and blocks that are live, as malloc grants them (its usable size).
#pragma once

#include <cstddef>

namespace corvane::bench {

struct HeapCount {
  std::size_t bytes = 0;   // usable bytes of the live blocks
  std::size_t blocks = 0;  // live blocks
};

// What is live now.
HeapCount LiveHeap();
// The highest live byte count since the last ResetPeak.
std::size_t PeakHeapBytes();
void ResetPeak();

// glibc keeps one 8-byte size word beside each block's usable bytes.
inline constexpr std::size_t kMallocWordPerBlock = 8;

}  // namespace corvane::bench
