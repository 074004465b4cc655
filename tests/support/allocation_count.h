#pragma once

#include <cstddef>

namespace testing_support {

// The number of allocations through operator new so far. Only executables that link allocation_count.cpp (which
// replaces operator new for the whole executable) have it.
size_t AllocationCount();

}  // namespace testing_support
