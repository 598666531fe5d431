#include "bench/solver/HeapCount.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<std::size_t> Live{0};
std::atomic<std::size_t> Peak{0};
}  // namespace

std::size_t HeapLiveBytes()
{
    return Live;
}

std::size_t HeapPeakBytes()
{
    return Peak;
}

void ResetHeapPeak()
{
    Peak = Live.load();
}

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    const std::size_t live = Live += malloc_usable_size(block);
    std::size_t peak = Peak.load();
    while (live > peak && !Peak.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    Live -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
