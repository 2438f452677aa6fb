#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/ObjLoader.h"
#include "tools/fuzz/Invariant.h"

namespace {

const size_t kCornersPerFace = 3;

}  // namespace

// Any text is either refused with a runtime_error or read into whole triangles, at most one
// per line; everything else (a crash, a stray read, a hang, a leak) is a finding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Vertex> vertices;
    try {
        vertices = parseObj(text, "fuzz");
    } catch (const std::runtime_error&) {
        return 0;
    }
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    requireInvariant(vertices.size() % kCornersPerFace == 0, "a face is not a triangle");
    requireInvariant(vertices.size() <= lines * kCornersPerFace, "more faces than lines");
    return 0;
}
