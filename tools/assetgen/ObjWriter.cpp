#include "ObjWriter.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

// Below half the last printed digit a value would print as 0 or -0; both become 0.
const float kPrintedZero = 0.5e-6f;

std::string number(float value) {
    if (std::fabs(value) < kPrintedZero) {
        value = 0.0f;
    }
    char text[32];
    std::snprintf(text, sizeof text, " %.6f", static_cast<double>(value));
    return text;
}

template <typename Vec>
std::string numbers(const Vec& value) {
    std::string text;
    for (int i = 0; i < Vec::length(); ++i) {
        text += number(value[i]);
    }
    return text;
}

// The numbered lines of one kind ("v", "vt" or "vn"), each distinct text listed once.
class Table {
public:
    explicit Table(const char* keyword) : keyword(keyword) {}

    int indexOf(const std::string& values) {
        const auto [entry, added] = indices.emplace(values, static_cast<int>(lines.size()) + 1);
        if (added) {
            lines.push_back(keyword + values);
        }
        return entry->second;
    }

    void write(std::ostream& out) const {
        for (const std::string& line : lines) {
            out << line << '\n';
        }
    }

private:
    std::string keyword;
    std::map<std::string, int> indices;
    std::vector<std::string> lines;
};

}  // namespace

void writeObj(const Mesh& mesh, const std::string& name, const std::string& path) {
    Table positions("v"), uvs("vt"), normals("vn");
    std::ostringstream faces;
    const std::vector<Vertex>& corners = mesh.vertices();
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vertex& c = corners[i];
        faces << (i % 3 == 0 ? "f " : " ") << positions.indexOf(numbers(c.position)) << '/'
              << uvs.indexOf(numbers(c.uv)) << '/' << normals.indexOf(numbers(c.normal))
              << (i % 3 == 2 ? "\n" : "");
    }
    std::ofstream out(path, std::ios::binary);
    out << "# " << name << ", made by smeltrun-assetgen\n"
        << "o " << name << '\n';
    positions.write(out);
    uvs.write(out);
    normals.write(out);
    out << faces.str();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
