#pragma once

// Every allocation of the process goes through the operators below, so a benchmark can count the allocations of
// what it times. Include it in exactly one source file of a benchmark executable (each benchmark is one file).

#include <atomic>
#include <cstdlib>
#include <new>

namespace bench {

inline std::atomic<long long> allocations{0};

inline void* CountedAllocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

}  // namespace bench

void* operator new(std::size_t size) { return bench::CountedAllocate(size); }
void* operator new[](std::size_t size) { return bench::CountedAllocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    bench::allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
