#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "render/ObjLoader.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/PeakMemory.h"

namespace {

const std::string kTriangleLists =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\nvt 1 1\n"
    "vn 0 0 1\nvn 0 0 -1\nvn 1 0 0\n";

// The text of the error that parsing throws, or "" when it parses.
std::string errorOf(const std::string& text) {
    try {
        parseObj(text, "model");
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(ObjLoader, ReadsCornersWithTextureCoordinates) {
    const auto vertices = parseObj(kTriangleLists + "f 1/2/3 4/3/1 3/4/2\n", "model");
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].position, glm::vec3(0, 0, 0));
    EXPECT_EQ(vertices[0].texcoord, glm::vec2(1, 0));
    EXPECT_EQ(vertices[0].normal, glm::vec3(1, 0, 0));
    EXPECT_EQ(vertices[1].position, glm::vec3(1, 1, 0));
    EXPECT_EQ(vertices[1].texcoord, glm::vec2(0, 1));
    EXPECT_EQ(vertices[1].normal, glm::vec3(0, 0, 1));
    EXPECT_EQ(vertices[2].position, glm::vec3(0, 1, 0));
    EXPECT_EQ(vertices[2].texcoord, glm::vec2(1, 1));
    EXPECT_EQ(vertices[2].normal, glm::vec3(0, 0, -1));
    for (const Vertex& vertex : vertices) {
        EXPECT_EQ(vertex.color, glm::vec3(1, 1, 1));
    }
}

TEST(ObjLoader, CornersWithoutTextureCoordinatesReadZero) {
    const auto vertices = parseObj("v 1 2 3\nv 4 5 6\nv 7 8 9\nvn 0 1 0\nf 1//1 2//1 3//1\n", "m");
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[1].position, glm::vec3(4, 5, 6));
    for (const Vertex& vertex : vertices) {
        EXPECT_EQ(vertex.texcoord, glm::vec2(0, 0));
        EXPECT_EQ(vertex.normal, glm::vec3(0, 1, 0));
    }
}

TEST(ObjLoader, KeepsEveryCornerAndItsOrder) {
    // Two triangles sharing an edge give six vertices; a face may name later entries.
    const auto vertices =
        parseObj("f 1//1 2//1 3//1\nf 3//1 2//1 4//1\n" + kTriangleLists, "model");
    ASSERT_EQ(vertices.size(), 6u);
    EXPECT_EQ(vertices[2].position, vertices[3].position);
    EXPECT_EQ(vertices[1].position, vertices[4].position);
    EXPECT_EQ(vertices[5].position, glm::vec3(1, 1, 0));
}

TEST(ObjLoader, IgnoresSpacingExtraNumbersAndOtherLines) {
    const std::string plain =
        "v 1 2 3\nv 4 5 6\nv 7 8 9\nvt 0.5 0.25\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n";
    const std::string noisy =
        "# a comment\n#comment without a blank\no body\ng group\ns off\nmtllib a.mtl\n"
        "usemtl skin\n\n   \n"
        "v 1 2 3 1.0\nv   4 5 6\n  v 7 8 9\nvt 0.5 0.25 0.75\nvn 0 0 1\nvp 1 2 3\n"
        "f 1/1/1   2/1/1 3/1/1 \n";
    const auto expected = parseObj(plain, "plain");
    const auto actual = parseObj(noisy, "noisy");
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].position, expected[i].position);
        EXPECT_EQ(actual[i].texcoord, expected[i].texcoord);
        EXPECT_EQ(actual[i].normal, expected[i].normal);
    }
}

TEST(ObjLoader, ReadsSignsExponentsAndCarriageReturns) {
    const auto vertices =
        parseObj("v -1.5e1 +2 .5\r\nv 0 0 0\r\nv 0 0 0\r\nvn 0 0 -1\r\nf 1//1 2//1 3//1\r\n", "m");
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].position, glm::vec3(-15.0f, 2.0f, 0.5f));
}

// A cube of side 2 around the origin, each side counter-clockwise from outside.
const std::string kCubeLists =
    "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\nv -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
    "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n";
const std::string kCubeNormals = "vn 0 0 1\nvn 0 0 -1\nvn -1 0 0\nvn 1 0 0\nvn 0 1 0\nvn 0 -1 0\n";

// The cube as an exporter that triangulates writes it: each side split along its diagonal
// from the first corner.
const std::string kTriangulatedCube =
    kCubeLists + kCubeNormals +
    "f 5/1/1 6/2/1 7/3/1\nf 5/1/1 7/3/1 8/4/1\nf 2/1/2 1/2/2 4/3/2\nf 2/1/2 4/3/2 3/4/2\n"
    "f 1/1/3 5/2/3 8/3/3\nf 1/1/3 8/3/3 4/4/3\nf 6/1/4 2/2/4 3/3/4\nf 6/1/4 3/3/4 7/4/4\n"
    "f 8/1/5 7/2/5 3/3/5\nf 8/1/5 3/3/5 4/4/5\nf 1/1/6 2/2/6 6/3/6\nf 1/1/6 6/3/6 5/4/6\n";

void expectSameTriangles(const std::vector<Vertex>& actual, const std::vector<Vertex>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE("corner " + std::to_string(i));
        EXPECT_EQ(actual[i].position, expected[i].position);
        EXPECT_EQ(actual[i].texcoord, expected[i].texcoord);
        EXPECT_EQ(actual[i].normal, expected[i].normal);
    }
}

// Blender's and Maya's default: sides as quads, written with indices from the start of the
// lists, from their end, or without normals; all three are the triangulated cube.
TEST(ObjLoader, QuadsRelativeIndicesAndMissingNormalsGiveTheTriangulatedCube) {
    const auto expected = parseObj(kTriangulatedCube, "triangles");
    ASSERT_EQ(expected.size(), 36u);
    const std::string quads =
        kCubeLists + kCubeNormals +
        "f 5/1/1 6/2/1 7/3/1 8/4/1\nf 2/1/2 1/2/2 4/3/2 3/4/2\nf 1/1/3 5/2/3 8/3/3 4/4/3\n"
        "f 6/1/4 2/2/4 3/3/4 7/4/4\nf 8/1/5 7/2/5 3/3/5 4/4/5\nf 1/1/6 2/2/6 6/3/6 5/4/6\n";
    const std::string relative =
        kCubeLists + kCubeNormals +
        "f -4/-4/-6 -3/-3/-6 -2/-2/-6 -1/-1/-6\nf -7/-4/-5 -8/-3/-5 -5/-2/-5 -6/-1/-5\n"
        "f -8/-4/-4 -4/-3/-4 -1/-2/-4 -5/-1/-4\nf -3/-4/-3 -7/-3/-3 -6/-2/-3 -2/-1/-3\n"
        "f -1/-4/-2 -2/-3/-2 -6/-2/-2 -5/-1/-2\nf -8/-4/-1 -7/-3/-1 -3/-2/-1 -4/-1/-1\n";
    const std::string withoutNormals = kCubeLists +
                                       "f 5/1 6/2 7/3 8/4\nf 2/1 1/2 4/3 3/4\nf 1/1 5/2 8/3 4/4\n"
                                       "f 6/1 2/2 3/3 7/4\nf 8/1 7/2 3/3 4/4\nf 1/1 2/2 6/3 5/4\n";
    for (const auto& [text, what] : {std::pair(quads, "quads"), std::pair(relative, "relative"),
                                     std::pair(withoutNormals, "without normals")}) {
        SCOPED_TRACE(what);
        expectSameTriangles(parseObj(text, what), expected);
    }
}

TEST(ObjLoader, EveryCornerFormLoadsAndAFanKeepsItsOrder) {
    // A pentagon in the plane z = 0, its corners in every form.
    const auto vertices = parseObj(
        "v 0 0 0\nv 2 0 0\nv 3 1 0\nv 1 2 0\nv -1 1 0\nvt 0.5 0.5\nvn 0 1 0\n"
        "f 1 2/1 3//1 4/1/1 -1\n",
        "m");
    ASSERT_EQ(vertices.size(), 9u);
    const int order[9] = {1, 2, 3, 1, 3, 4, 1, 4, 5};
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const int p = order[i];
        EXPECT_EQ(vertices[i].position, parseObj("v 0 0 0\nv 2 0 0\nv 3 1 0\nv 1 2 0\nv -1 1 0\n"
                                                 "f " +
                                                     std::to_string(p) + " 1 1\n",
                                                 "one")[0]
                                            .position);
        const bool hasTexcoord = p == 2 || p == 4;
        const bool hasNormal = p == 3 || p == 4;
        EXPECT_EQ(vertices[i].texcoord, hasTexcoord ? glm::vec2(0.5f) : glm::vec2(0.0f));
        EXPECT_EQ(vertices[i].normal, hasNormal ? glm::vec3(0, 1, 0) : glm::vec3(0, 0, 1))
            << "a corner without a normal takes the face's, counter-clockwise";
    }
}

TEST(ObjLoader, RefusesWhatCannotBeReadNamingTheFileTheLineAndTheFault) {
    const struct {
        const char* face;
        const char* why;
    } cases[] = {
        {"f 0/1/1 2/1/1 3/1/1", "position index 0; indices count from 1, or back from -1"},
        {"f 1/1/0 2/1/1 3/1/1", "normal index 0; indices count from 1, or back from -1"},
        {"f 1/0/1 2/1/1 3/1/1",
         "texture coordinate index 0; indices count from 1, or back from -1"},
        {"f 1/1/1 2/1/1 5/1/1", "position index 5 is beyond the 4 positions in the file"},
        {"f 1/9/1 2/1/1 3/1/1",
         "texture coordinate index 9 is beyond the 1 texture coordinates in the file"},
        {"f 1/1/4 2/1/1 3/1/1", "normal index 4 is beyond the 2 normals in the file"},
        {"f -5/1/1 2/1/1 3/1/1",
         "position index -5 reaches before the first of the 4 positions "
         "read so far"},
        {"f 1/1/-3 2/1/1 3/1/1",
         "normal index -3 reaches before the first of the 2 normals read so far"},
        {"f 1/1/1 2/1/1", "a face of 2 corners; a face needs at least three"},
        {"f", "a face of 0 corners; a face needs at least three"},
        {"f 1/1/1/1 2/1/1 3/1/1", "a face of 1 corners; a face needs at least three"},
        {"f 1/ 2/1/1 3/1/1", "a corner is none of p, p/t, p//n and p/t/n"},
        {"f 1/1/ 2/1/1 3/1/1", "a corner is none of p, p/t, p//n and p/t/n"},
        {"f 99999999999/1/1 2/1/1 3/1/1", "an index too large to be read"},
    };
    const std::string lists = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0\nvn 0 0 1\nvn 0 1 0\n";
    for (const auto& c : cases) {
        // Line 8: the seven list lines come first.
        EXPECT_EQ(errorOf(lists + c.face + "\n"),
                  std::string("ERROR::OBJLOADER::INVALID_FACE: model:8: ") + c.why);
    }
    GameDirectory directory("");
    WorkingDirectory inside(directory.path());
    std::ofstream(directory.path() / "assets/OBJFiles/broken.obj") << lists << "f 1 2 9\n";
    try {
        loadObj("broken");
        FAIL() << "no error raised";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(),
                     "ERROR::OBJLOADER::INVALID_FACE: assets/OBJFiles/broken.obj:8: position "
                     "index 9 is beyond the 4 positions in the file");
    }
}

TEST(ObjLoader, AMissingFileRaisesTheOpenErrorWithTheBareName) {
    GameDirectory directory("");
    WorkingDirectory inside(directory.path());
    try {
        loadObj("noSuchModel");
        FAIL() << "no error raised";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "ERROR::OBJLOADER::COULD NOT OPEN FILE: noSuchModel");
    }
}

// A model file is untrusted: one that would make more than the loader's caps is refused as
// it is read, long before it takes the memory it claims.
TEST(ObjLoader, AModelOverTheCapsIsRefusedWithoutTakingItsSize) {
    GameDirectory directory("");
    WorkingDirectory inside(directory.path());
    const long before = peakResidentMegabytes();
    // One face of 2 million corners: a fan of as many triangles, 264 MB of vertices.
    std::string fan = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf";
    for (int i = 0; i < 2000000; ++i) {
        fan += " " + std::to_string(1 + i % 3);
    }
    std::ofstream("assets/OBJFiles/fan.obj") << fan << "\n";
    // 65 MiB of nothing, never read.
    std::ofstream("assets/OBJFiles/large.obj").close();
    std::filesystem::resize_file("assets/OBJFiles/large.obj", 65u << 20);
    const struct {
        const char* name;
        const char* error;
    } cases[] = {
        {"fan",
         "ERROR::OBJLOADER::TOO_LARGE: assets/OBJFiles/fan.obj:4: more than 200000 "
         "triangles"},
        {"large", "ERROR::OBJLOADER::TOO_LARGE: assets/OBJFiles/large.obj: larger than 64 MiB"},
    };
    for (const auto& c : cases) {
        try {
            loadObj(c.name);
            ADD_FAILURE() << c.name << ": no error raised";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
    }
    EXPECT_LT(peakResidentMegabytes() - before, 100);
}

}  // namespace
