#include "base/FileRead.h"

#include <fstream>

namespace fs = std::filesystem;

FileText readWholeFile(const fs::path& path, std::uintmax_t maxBytes, const char* tooLarge) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return {std::nullopt, error ? error.message() : "not a regular file"};
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > maxBytes) {
        return {std::nullopt, error ? error.message() : tooLarge};
    }
    std::string text(size, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in.read(text.data(), static_cast<std::streamsize>(size))) {
        return {std::nullopt, "cannot be read"};
    }
    return {std::move(text), ""};
}
