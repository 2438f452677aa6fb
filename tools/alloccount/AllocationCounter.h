#pragma once

// Counts the heap allocations that go through the global allocation functions while a
// count is running. Linking this in replaces those functions for the whole program.
// Under AddressSanitizer, which brings its own, nothing is counted.
class AllocationCount {
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    // Allocations made since the count began.
    long made() const;
    static bool available();

private:
    long start;
};
