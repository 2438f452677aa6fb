#include "base/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// A hidden name in the target's own folder, so that the rename stays on one file system
// and is atomic.
const char* const kTemporarySuffix = ".XXXXXX";
// A save killed half-way leaves its temporary file; one older than this is no save in progress.
const auto kStaleAge = std::chrono::hours(24);

// ".NAME.XXXXXX", where mkostemp puts six letters or digits in place of the Xs.
bool isTemporaryName(const std::string& name) {
    const size_t random = std::strlen(kTemporarySuffix) - 1;
    if (name.size() < 2 + std::strlen(kTemporarySuffix) || name[0] != '.' ||
        name[name.size() - random - 1] != '.') {
        return false;
    }
    return std::all_of(name.end() - static_cast<std::ptrdiff_t>(random), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

// The temporary files that saves into the folder left behind when the game was killed.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (!isTemporaryName(entry.path().filename().string()) ||
            entry.symlink_status(error).type() != fs::file_type::regular) {
            continue;
        }
        const fs::file_time_type written = entry.last_write_time(error);
        if (!error && written < now - kStaleAge) {
            fs::remove(entry.path(), error);
        }
    }
}

// The temporary file, removed on every way out but a successful rename.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target)
        : name(target.parent_path() / ("." + target.filename().string() + kTemporarySuffix)) {
        descriptor = mkostemp(name.data(), O_CLOEXEC);
        created = descriptor >= 0;
    }
    ~TemporaryFile() {
        closeFile();
        if (created && !renamed) {
            unlink(name.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool opened() const { return created; }

    bool writeAll(const std::string& text) {
        for (size_t written = 0; written < text.size();) {
            const ssize_t count = write(descriptor, text.data() + written, text.size() - written);
            if (count == 0) {
                errno = EIO;  // no progress and no error: do not spin
            }
            if (count <= 0 && errno != EINTR) {
                return false;
            }
            written += count > 0 ? static_cast<size_t>(count) : 0;
        }
        return true;
    }

    // Without the fsync a crash soon after the rename could leave an empty file behind it.
    bool syncAndClose() { return fsync(descriptor) == 0 && closeFile(); }

    bool renameTo(const fs::path& target) {
        renamed = rename(name.c_str(), target.c_str()) == 0;
        return renamed;
    }

private:
    bool closeFile() {
        if (descriptor < 0) {
            return true;
        }
        const int result = close(descriptor);
        descriptor = -1;
        return result == 0;
    }

    std::string name;
    int descriptor = -1;
    bool created = false;
    bool renamed = false;
};

WriteResult failure(int error) {
    return {false, std::strerror(error)};
}

WriteResult writeThroughTemporary(const fs::path& target, const std::string& text) {
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (error) {
        return {false, error.message()};
    }
    removeStaleTemporaries(target.parent_path());
    TemporaryFile file(target);
    if (!file.opened() || !file.writeAll(text) || !file.syncAndClose() || !file.renameTo(target)) {
        return failure(errno);
    }
    return {true, ""};
}

}  // namespace

WriteResult writeFileAtomically(const fs::path& target, const std::string& text) {
    if (!target.is_absolute() || !target.has_filename()) {
        return {false, "not an absolute path to a file"};
    }
    try {
        return writeThroughTemporary(target, text);
    } catch (const std::exception& error) {  // only an allocation can throw here
        return {false, error.what()};
    }
}
