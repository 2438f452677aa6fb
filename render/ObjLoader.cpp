#include "render/ObjLoader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace {

const char* const kModelFolder = "assets/OBJFiles/";
const char* const kModelExtension = ".obj";
const glm::vec3 kVertexColor(1.0f, 1.0f, 1.0f);
const int kCornersPerFace = 3;
const char* const kBadCorner = "a corner is neither p/t/n nor p//n (every corner needs a normal)";

struct Corner {
    int position = 0;
    bool hasTexcoord = false;
    int texcoord = 0;
    int normal = 0;
};

struct Face {
    Corner corners[kCornersPerFace];
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

    bool readInt(int& value) {
        skipPlusSign();
        const auto [end, error] =
            std::from_chars(text.data() + at, text.data() + text.size(), value);
        at = static_cast<size_t>(end - text.data());
        return error == std::errc();
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

[[noreturn]] void refuse(const std::string& name, int line, const std::string& reason) {
    throw std::runtime_error("ERROR::OBJLOADER::INVALID_FACE: " + name + " line " +
                             std::to_string(line) + ": " + reason);
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
    explicit ObjParser(const std::string& name) : name(name) {}

    void parseLine(std::string_view text, int line) {
        LineReader reader(text);
        const std::string_view word = reader.word();
        if (word == "v") {
            positions.push_back(readVector<3>(reader));
        } else if (word == "vt") {
            texcoords.push_back(readVector<2>(reader));
        } else if (word == "vn") {
            normals.push_back(readVector<3>(reader));
        } else if (word == "f") {
            parseFace(reader, line);
        }
    }

    std::vector<Vertex> assemble() const {
        std::vector<Vertex> vertices;
        vertices.reserve(faces.size() * kCornersPerFace);
        for (const Face& face : faces) {
            for (const Corner& corner : face.corners) {
                vertices.push_back(vertexOf(corner, face.line));
            }
        }
        return vertices;
    }

private:
    // Reads corners up to the first text that does not start one, as a face reader that
    // stops at its first failed number would, and refuses anything but a p/t/n or p//n triangle.
    void parseFace(LineReader& reader, int line) {
        Face face{{}, line};
        int count = 0;
        Corner corner;
        while (startCorner(reader, corner, line)) {
            if (count == kCornersPerFace) {
                refuse(name, line, "a face has more than three corners");
            }
            face.corners[count++] = corner;
            if (!reader.atBlankOrEnd()) {
                break;
            }
        }
        if (count != kCornersPerFace) {
            refuse(name, line, "a face has " + std::to_string(count) + " corners, not three");
        }
        faces.push_back(face);
    }

    bool startCorner(LineReader& reader, Corner& corner, int line) {
        reader.skipBlanks();
        if (!reader.readInt(corner.position)) {
            return false;
        }
        if (!reader.take('/')) {
            refuse(name, line, kBadCorner);
        }
        corner.hasTexcoord = !reader.take('/');
        if (corner.hasTexcoord && !(reader.readInt(corner.texcoord) && reader.take('/'))) {
            refuse(name, line, kBadCorner);
        }
        if (!reader.readInt(corner.normal)) {
            refuse(name, line, kBadCorner);
        }
        checkForm(corner.hasTexcoord ? Form::WithTexcoord : Form::WithoutTexcoord, line);
        checkSign(corner, line);
        return true;
    }

    enum class Form { Unknown, WithTexcoord, WithoutTexcoord };

    void checkForm(Form form, int line) {
        if (fileForm == Form::Unknown) {
            fileForm = form;
        } else if (form != fileForm) {
            refuse(name, line, "corners with and without texture coordinates are mixed");
        }
    }

    void checkSign(const Corner& corner, int line) const {
        const bool texcoordOk = !corner.hasTexcoord || corner.texcoord > 0;
        if (corner.position <= 0 || corner.normal <= 0 || !texcoordOk) {
            refuse(name, line, "indices start at 1; 0 and relative indices are not read");
        }
    }

    template <typename T>
    const T& entry(const std::vector<T>& list, int index, const char* what, int line) const {
        if (static_cast<size_t>(index) > list.size()) {
            refuse(name, line,
                   std::string(what) + " index " + std::to_string(index) + " past the end of " +
                       std::to_string(list.size()));
        }
        return list[static_cast<size_t>(index) - 1];
    }

    Vertex vertexOf(const Corner& corner, int line) const {
        Vertex vertex;
        vertex.position = entry(positions, corner.position, "position", line);
        vertex.color = kVertexColor;
        vertex.texcoord = fileForm == Form::WithTexcoord
                              ? entry(texcoords, corner.texcoord, "texture coordinate", line)
                              : glm::vec2(0.0f);
        vertex.normal = entry(normals, corner.normal, "normal", line);
        return vertex;
    }

    const std::string& name;
    std::vector<glm::vec3> positions;
    std::vector<glm::vec2> texcoords;
    std::vector<glm::vec3> normals;
    std::vector<Face> faces;
    Form fileForm = Form::Unknown;
};

}  // namespace

std::vector<Vertex> parseObj(const std::string& text, const std::string& name) {
    ObjParser parser(name);
    const std::string_view all(text);
    int number = 0;
    for (size_t start = 0; start < all.size();) {
        const size_t end = std::min(all.find('\n', start), all.size());
        parser.parseLine(all.substr(start, end - start), ++number);
        start = end + 1;
    }
    return parser.assemble();
}

std::vector<Vertex> loadObj(const std::string& name) {
    std::ifstream file(kModelFolder + name + kModelExtension);
    if (!file) {
        throw std::runtime_error("ERROR::OBJLOADER::COULD NOT OPEN FILE: " + name);
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseObj(text.str(), name);
}
