#include "tools/alloccount/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int> running{0};
std::atomic<long> allocations{0};

}  // namespace

AllocationCount::AllocationCount() : start(allocations.load()) {
    ++running;
}

AllocationCount::~AllocationCount() {
    --running;
}

long AllocationCount::made() const {
    return allocations.load() - start;
}

#if defined(__SANITIZE_ADDRESS__)
bool AllocationCount::available() {
    return false;
}
#else
bool AllocationCount::available() {
    return true;
}

// GCC cannot tell that these free() calls pair with the malloc() in operator new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (running.load(std::memory_order_relaxed) > 0) {
        ++allocations;
    }
    if (void* memory = std::malloc(size ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#pragma GCC diagnostic pop
#endif
