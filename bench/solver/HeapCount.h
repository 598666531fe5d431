#pragma once

#include <cstddef>

// The program's heap in use, counted by its replaced operator new.
std::size_t HeapLiveBytes();
std::size_t HeapPeakBytes();
// The peak starts again from what is in use now.
void ResetHeapPeak();
