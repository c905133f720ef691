#include "bench/heap_counter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace corvane::bench {
namespace {

// The benchmarks run on one thread; the counters need no synchronisation.
std::size_t live_bytes = 0;
std::size_t live_blocks = 0;
std::size_t peak_bytes = 0;

void* Allocate(std::size_t size, std::size_t alignment) {
  if (size == 0) size = 1;
  void* block = alignment <= alignof(std::max_align_t)
                    ? std::malloc(size)
                    : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  if (!block) return nullptr;
  live_bytes += malloc_usable_size(block);
  ++live_blocks;
  if (live_bytes > peak_bytes) peak_bytes = live_bytes;
  return block;
}

void Release(void* block) noexcept {
  if (!block) return;
  live_bytes -= malloc_usable_size(block);
  --live_blocks;
  std::free(block);
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
  void* block = Allocate(size, alignment);
  if (!block) throw std::bad_alloc();
  return block;
}

}  // namespace

HeapCount LiveHeap() { return {live_bytes, live_blocks}; }

std::size_t PeakHeapBytes() { return peak_bytes; }

void ResetPeak() { peak_bytes = live_bytes; }

}  // namespace corvane::bench

using corvane::bench::AllocateOrThrow;
using corvane::bench::Release;

void* operator new(std::size_t size) { return AllocateOrThrow(size, 0); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size, 0); }
void* operator new(std::size_t size, std::align_val_t al) {
  return AllocateOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al) {
  return AllocateOrThrow(size, static_cast<std::size_t>(al));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return corvane::bench::Allocate(size, 0);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return corvane::bench::Allocate(size, 0);
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return corvane::bench::Allocate(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return corvane::bench::Allocate(size, static_cast<std::size_t>(al));
}

void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { Release(p); }
