#include "render/ObjLoader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "base/FileRead.h"

namespace {

const char* const kModelFolder = "assets/OBJFiles/";
const char* const kModelExtension = ".obj";
const glm::vec3 kVertexColor(1.0f, 1.0f, 1.0f);
const int kCornersPerTriangle = 3;
const char* const kBadCorner = "a corner is none of p, p/t, p//n and p/t/n";
// A model file is untrusted: what it may make is bounded. Each object keeps its own copy of
// its model, on both sides of the GL (44 bytes a corner, twice): at the cap, the ten platforms
// of one file take some 550 MB. The game's own models have a few hundred triangles each.
const std::uintmax_t kMaxModelBytes = 64u << 20;
const size_t kMaxTriangles = 200000;
const size_t kMaxEntries = 3 * kMaxTriangles;  // positions, texture coordinates, normals, corners

// Indices made absolute, counting from 1; 0 where the corner leaves the entry out.
struct Corner {
    int position = 0;
    int texcoord = 0;
    int normal = 0;
};

// A polygon: `count` corners from `first` in the parser's list of corners.
struct Face {
    size_t first;
    int count;
    int line;
};

// A cursor over one line of text; every reader skips the blanks before its token.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text(text) {}

    std::string_view word() {
        skipBlanks();
        const size_t start = at;
        while (at < text.size() && !isBlank(text[at])) {
            ++at;
        }
        return text.substr(start, at - start);
    }

    bool readFloat(float& value) {
        skipBlanks();
        skipPlusSign();
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + text.size(), value);
        at = static_cast<size_t>(end - text.data());
        return error == std::errc();
    }

    std::errc readInt(int& value) {
        skipPlusSign();
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + text.size(), value);
        at = static_cast<size_t>(end - text.data());
        return error;
    }

    bool take(char c) {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    bool atBlankOrEnd() const { return at >= text.size() || isBlank(text[at]); }

    void skipBlanks() {
        while (at < text.size() && isBlank(text[at])) {
            ++at;
        }
    }

private:
    static bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

    void skipPlusSign() {
        if (at + 1 < text.size() && text[at] == '+' && text[at + 1] != '-') {
            ++at;
        }
    }

    std::string_view text;
    size_t at = 0;
};

[[noreturn]] void refuse(const std::string& path, int line, const std::string& reason) {
    throw std::runtime_error("ERROR::OBJLOADER::INVALID_FACE: " + path + ":" +
                             std::to_string(line) + ": " + reason);
}

[[noreturn]] void refuseTooLarge(const std::string& path, int line, const std::string& what) {
    throw std::runtime_error("ERROR::OBJLOADER::TOO_LARGE: " + path + ":" + std::to_string(line) +
                             ": more than " + what);
}

template <typename T>
void append(std::vector<T>& list, const T& entry, const std::string& path, int line,
            const char* what) {
    if (list.size() >= kMaxEntries) {
        refuseTooLarge(path, line, std::to_string(kMaxEntries) + " " + what);
    }
    list.push_back(entry);
}

// The face's own normal, counter-clockwise from its first three corners; none for a face
// without area, which draws nothing anyway.
glm::vec3 flatNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
    const glm::vec3 normal = glm::cross(b - a, c - a);
    const float length = glm::length(normal);
    return length > 0.0f && std::isfinite(length) ? normal / length : glm::vec3(0.0f);
}

template <int N>
glm::vec<N, float> readVector(LineReader& reader) {
    // A line with fewer readable numbers still adds its entry; what is missing reads as 0.
    glm::vec<N, float> value(0.0f);
    for (int i = 0; i < N && reader.readFloat(value[i]); ++i) {
    }
    return value;
}

class ObjParser {
public:
    explicit ObjParser(const std::string& path) : path(path) {}

    void parseLine(std::string_view text, int line) {
        LineReader reader(text);
        const std::string_view word = reader.word();
        if (word == "v") {
            append(positions, readVector<3>(reader), path, line, "positions");
        } else if (word == "vt") {
            append(texcoords, readVector<2>(reader), path, line, "texture coordinates");
        } else if (word == "vn") {
            append(normals, readVector<3>(reader), path, line, "normals");
        } else if (word == "f") {
            parseFace(reader, line);
        }
    }

    // Each face as a fan of triangles from its first corner, in order.
    std::vector<Vertex> assemble() const {
        std::vector<Vertex> vertices;
        vertices.reserve(triangleCount * kCornersPerTriangle);
        for (const Face& face : faces) {
            const Corner* corner = &corners[face.first];
            const glm::vec3 flat =
                flatNormal(positionOf(corner[0], face.line), positionOf(corner[1], face.line),
                           positionOf(corner[2], face.line));
            for (int i = 1; i + 1 < face.count; ++i) {
                for (const Corner& c : {corner[0], corner[i], corner[i + 1]}) {
                    vertices.push_back(vertexOf(c, flat, face.line));
                }
            }
        }
        return vertices;
    }

private:
    // Reads corners up to the first text that does not start one, as a face reader that
    // stops at its first failed number would.
    void parseFace(LineReader& reader, int line) {
        const size_t first = corners.size();
        Corner corner;
        int count = 0;
        while (startCorner(reader, corner, line)) {
            append(corners, corner, path, line, "corners");
            ++count;
            if (count > 2 && triangleCount + static_cast<size_t>(count - 2) > kMaxTriangles) {
                refuseTooLarge(path, line, std::to_string(kMaxTriangles) + " triangles");
            }
            if (!reader.atBlankOrEnd()) {
                break;
            }
        }
        if (count < kCornersPerTriangle) {
            refuse(path, line,
                   "a face of " + std::to_string(count) + " corners; a face needs at least three");
        }
        faces.push_back({first, count, line});
        triangleCount += static_cast<size_t>(count - 2);
    }

    bool startCorner(LineReader& reader, Corner& corner, int line) const {
        corner = Corner();
        reader.skipBlanks();
        int position = 0;
        if (!readNumber(reader, position, line)) {
            return false;
        }
        corner.position = absolute(position, positions.size(), "position", line);
        if (!reader.take('/')) {
            return true;
        }
        if (!reader.take('/')) {
            corner.texcoord = readIndex(reader, texcoords.size(), "texture coordinate", line);
            if (!reader.take('/')) {
                return true;
            }
        }
        corner.normal = readIndex(reader, normals.size(), "normal", line);
        return true;
    }

    bool readNumber(LineReader& reader, int& value, int line) const {
        const std::errc error = reader.readInt(value);
        if (error == std::errc::result_out_of_range) {
            refuse(path, line, "an index too large to be read");
        }
        return error == std::errc();
    }

    int readIndex(LineReader& reader, size_t readSoFar, const char* what, int line) const {
        int index = 0;
        if (!readNumber(reader, index, line)) {
            refuse(path, line, kBadCorner);
        }
        return absolute(index, readSoFar, what, line);
    }

    // A negative index counts back from the end of its list at this line; a positive one may
    // name an entry further down the file, so it is checked once the whole file is read.
    int absolute(int index, size_t readSoFar, const char* what, int line) const {
        if (index == 0) {
            refuse(path, line,
                   std::string(what) + " index 0; indices count from 1, or back from -1");
        }
        const long long counted = static_cast<long long>(readSoFar) + index + 1;
        if (index < 0 && counted < 1) {
            refuse(path, line,
                   std::string(what) + " index " + std::to_string(index) +
                       " reaches before the first of the " + std::to_string(readSoFar) + " " +
                       what + "s read so far");
        }
        return index < 0 ? static_cast<int>(counted) : index;
    }

    template <typename T>
    const T& entry(const std::vector<T>& list, int index, const char* what, int line) const {
        if (index < 1 || static_cast<size_t>(index) > list.size()) {
            refuse(path, line,
                   std::string(what) + " index " + std::to_string(index) + " is beyond the " +
                       std::to_string(list.size()) + " " + what + "s in the file");
        }
        return list[static_cast<size_t>(index) - 1];
    }

    const glm::vec3& positionOf(const Corner& corner, int line) const {
        return entry(positions, corner.position, "position", line);
    }

    Vertex vertexOf(const Corner& corner, const glm::vec3& flat, int line) const {
        Vertex vertex;
        vertex.position = positionOf(corner, line);
        vertex.color = kVertexColor;
        vertex.texcoord = corner.texcoord != 0
                              ? entry(texcoords, corner.texcoord, "texture coordinate", line)
                              : glm::vec2(0.0f);
        vertex.normal = corner.normal != 0 ? entry(normals, corner.normal, "normal", line) : flat;
        return vertex;
    }

    const std::string& path;
    std::vector<glm::vec3> positions;
    std::vector<glm::vec2> texcoords;
    std::vector<glm::vec3> normals;
    std::vector<Corner> corners;
    std::vector<Face> faces;
    size_t triangleCount = 0;
};

}  // namespace

std::vector<Vertex> parseObj(const std::string& text, const std::string& path) {
    ObjParser parser(path);
    const std::string_view all(text);
    int number = 0;
    for (size_t start = 0; start < all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size());
        parser.parseLine(all.substr(start, end - start), ++number);
        start = end + 1;
    }
    return parser.assemble();
}

bool namesModelFile(std::string_view name) {
    const std::string_view extension(kModelExtension);
    if (name.size() <= extension.size()) {
        return false;
    }
    const std::string_view end = name.substr(name.size() - extension.size());
    return std::equal(end.begin(), end.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::vector<Vertex> loadObj(const std::string& name) {
    const std::string path = namesModelFile(name) ? name : kModelFolder + name + kModelExtension;
    const FileText file = readWholeFile(path, kMaxModelBytes, "larger than 64 MiB");
    switch (file.refusal) {
        case FileRefusal::Missing:
        case FileRefusal::Unreadable:
            throw std::runtime_error("ERROR::OBJLOADER::COULD NOT OPEN FILE: " + name);
        case FileRefusal::TooLarge:
            throw std::runtime_error("ERROR::OBJLOADER::TOO_LARGE: " + path + ": " + file.reason);
        case FileRefusal::None:
            break;
    }
    return parseObj(*file.text, path);
}
