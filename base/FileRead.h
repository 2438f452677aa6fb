#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Why a file was not read.
enum class FileRefusal {
    None,
    Missing,     // nothing by that name
    Unreadable,  // there, but not to be read: no permission, a FIFO, a device, a folder
    TooLarge,
};

// A file that the player or a download handed the game, opened for reading and checked before
// anything is read from it. It is opened without blocking, so that a FIFO cannot hold the game
// up, and refused unless it is a regular file (a link to /dev/zero would never end) of at most
// `maxBytes`.
class CheckedFile {
public:
    CheckedFile(const std::filesystem::path& path, std::uintmax_t maxBytes, const char* tooLarge);
    ~CheckedFile();
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;

    FileRefusal refusal() const { return refused; }
    // Why it was refused, in words fit for the console.
    const std::string& reason() const { return why; }

    // The whole file; nothing when it was refused, or grew past the limit since it was checked.
    std::optional<std::string> text();
    // A name that opens this very file again, for a library that takes names rather than
    // descriptors: the file checked, whatever the path names by now.
    std::string openingName() const;

private:
    void refuse(FileRefusal kind, std::string reason);

    int descriptor = -1;
    std::uintmax_t maxBytes;
    FileRefusal refused = FileRefusal::None;
    std::string why;
    std::string tooLarge;
};

struct FileText {
    std::optional<std::string> text;
    std::string reason;  // why there is none, in words fit for the console
    FileRefusal refusal = FileRefusal::None;
};

// The whole of a checked file, or why there is none.
FileText readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                       const char* tooLarge);
