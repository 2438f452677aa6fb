#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "render/ObjLoader.h"
#include "tests/support/GameDirectory.h"

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

TEST(ObjLoader, RefusesWhatWouldReachOutsideItsListsNamingTheLine) {
    const struct {
        const char* face;
        const char* why;
    } cases[] = {
        {"f 0/1/1 2/1/1 3/1/1", "index 0"},
        {"f -1/1/1 2/1/1 3/1/1", "a relative index"},
        {"f 1/1/0 2/1/1 3/1/1", "normal index 0"},
        {"f 1/0/1 2/1/1 3/1/1", "texture-coordinate index 0"},
        {"f 1/1/1 2/1/1 5/1/1", "a position past the end"},
        {"f 1/9/1 2/1/1 3/1/1", "a texture coordinate past the end"},
        {"f 1/1/4 2/1/1 3/1/1", "a normal past the end"},
        {"f 1/1 2/1 3/1", "corners without a normal"},
        {"f 1 2 3", "positions alone"},
        {"f 1/1/1 2/1/1", "two corners"},
        {"f 1/1/1 2/1/1 3/1/1 4/1/1", "four corners"},
        {"f 1/1/1 2/1/1 3//1", "a corner without a texture coordinate among ones with"},
        {"f 1/1/1/1 2/1/1 3/1/1", "a corner with four numbers"},
        {"f 99999999999/1/1 2/1/1 3/1/1", "an index that does not fit"},
    };
    const std::string lists = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0\nvn 0 0 1\nvn 0 1 0\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        // Line 8: the seven list lines come first.
        EXPECT_EQ(
            errorOf(lists + c.face + "\n").rfind("ERROR::OBJLOADER::INVALID_FACE: model line 8", 0),
            0u)
            << errorOf(lists + c.face + "\n");
    }
    EXPECT_NE(errorOf(lists + "f 1//1 2//1 3//1\nf 1/1/1 2/1/1 3/1/1\n").find("line 9"),
              std::string::npos)
        << "a file that mixes the two corner forms is refused at the first face that differs";
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

}  // namespace
