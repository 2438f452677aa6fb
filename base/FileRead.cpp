#include "base/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

const std::size_t kReadChunk = 1 << 16;  // bytes

}  // namespace

CheckedFile::CheckedFile(const fs::path& path, std::uintmax_t maxBytes, const char* tooLarge)
    : maxBytes(maxBytes), tooLarge(tooLarge) {
    // Looked at before it is opened: opening some devices does something by itself.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        refuse(errno == ENOENT ? FileRefusal::Missing : FileRefusal::Unreadable,
               std::strerror(errno));
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        refuse(FileRefusal::Unreadable, "not a regular file");
        return;
    }
    descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        refuse(errno == ENOENT ? FileRefusal::Missing : FileRefusal::Unreadable,
               std::strerror(errno));
        return;
    }
    // And again once open, since the name may have been given to something else in between.
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        refuse(FileRefusal::Unreadable, "not a regular file");
    } else if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        refuse(FileRefusal::TooLarge, this->tooLarge);
    }
}

CheckedFile::~CheckedFile() {
    if (descriptor >= 0) {
        close(descriptor);
    }
}

void CheckedFile::refuse(FileRefusal kind, std::string reason) {
    refused = kind;
    why = std::move(reason);
}

std::optional<std::string> CheckedFile::text() {
    if (refused != FileRefusal::None) {
        return std::nullopt;
    }
    std::string all;
    char chunk[kReadChunk];
    for (off_t at = 0;;) {
        const ssize_t count = pread(descriptor, chunk, sizeof chunk, at);
        if (count == 0) {
            return all;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            refuse(FileRefusal::Unreadable, std::strerror(errno));
            return std::nullopt;
        }
        if (all.size() + static_cast<std::size_t>(count) > maxBytes) {
            refuse(FileRefusal::TooLarge, tooLarge);
            return std::nullopt;
        }
        all.append(chunk, static_cast<std::size_t>(count));
        at += count;
    }
}

std::string CheckedFile::openingName() const {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

FileText readWholeFile(const fs::path& path, std::uintmax_t maxBytes, const char* tooLarge) {
    CheckedFile file(path, maxBytes, tooLarge);
    std::optional<std::string> text = file.text();
    return {std::move(text), file.reason(), file.refusal()};
}
