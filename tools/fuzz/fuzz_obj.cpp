#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "render/ObjLoader.h"
#include "tools/fuzz/Invariant.h"

namespace {

const size_t kCornersPerTriangle = 3;

}  // namespace

// Any text is either refused with a runtime_error or read into whole triangles, at most one
// per character (a face of n corners, each at least one character, gives n - 2 triangles);
// everything else (a crash, a stray read, a hang, a leak) is a finding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Vertex> vertices;
    try {
        vertices = parseObj(text, "fuzz");
    } catch (const std::runtime_error&) {
        return 0;
    }
    requireInvariant(vertices.size() % kCornersPerTriangle == 0, "a face is not a triangle");
    requireInvariant(vertices.size() <= text.size() * kCornersPerTriangle,
                     "more triangles than characters");
    return 0;
}
