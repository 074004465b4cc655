#include "tests/support/allocation_count.h"

#include <cstdlib>
#include <new>

// Every allocation of the executable is counted.
namespace {
size_t allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace testing_support {

size_t AllocationCount() { return allocations; }

}  // namespace testing_support
