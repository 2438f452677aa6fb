#pragma once

#include <cstdint>
#include <filesystem>

// Tells when a file has changed, as an editor saving it changes it: its time of change or its
// size differs from when it was last looked at. It looks at most once in a while, by the
// game's clock, so that a frame seldom waits on the disk.
class FileWatch {
public:
    explicit FileWatch(std::filesystem::path file);

    // Whether the file changed since it was last looked at; a file that goes away has changed,
    // and so has one that comes back.
    bool changed(double now);
    const std::filesystem::path& watchedPath() const { return watched; }

private:
    struct Stamp {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        bool exists = false;

        bool operator==(const Stamp& other) const {
            return exists == other.exists && time == other.time && size == other.size;
        }
    };
    Stamp stampNow() const;

    std::filesystem::path watched;
    Stamp stamp;
    double lookedAt;  // seconds of the game's clock; the first call to changed() looks
};
