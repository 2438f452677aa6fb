#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A whole file as bytes; empty when it cannot be read.
inline std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes the bytes as the whole file, making its folders first.
inline void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}
