#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Reading a whole file that the player or a download handed the game, whose contents are
// untrusted.
struct FileText {
    std::optional<std::string> text;
    std::string reason;  // why there is none, in words fit for the console
};

// What is no regular file, or is larger than `maxBytes`, is refused before it is read;
// `tooLarge` says why in the second case.
FileText readWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                       const char* tooLarge);
