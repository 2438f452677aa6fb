#pragma once

#include <sys/resource.h>

// The most memory this process has held at once so far, in megabytes: what a test that must
// not allocate a file's claimed size checks after the fact.
inline long peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;  // kilobytes on Linux
}
