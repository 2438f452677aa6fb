#pragma once

#include <signal.h>
#include <sys/resource.h>

// Stops this process writing files past a few bytes, as a full disk would stop a write in
// its middle. Permission bits would not do: the tests may run as root, whom they do not stop.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit lowered{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        previousHandler = signal(SIGXFSZ, SIG_IGN);  // so the write fails instead
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous{};
    sighandler_t previousHandler;
};
