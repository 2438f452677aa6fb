#include <gtest/gtest.h>
#include <stb_image.h>

#include <fstream>
#include <map>
#include <tuple>

#include "render/ObjLoader.h"
#include "render/TextureSet.h"
#include "tests/support/GameDirectory.h"

namespace {

using Point = std::tuple<float, float, float>;

Point key(const glm::vec3& v) {
    return {v.x, v.y, v.z};
}

struct Extents {
    glm::vec3 low{1e9f};
    glm::vec3 high{-1e9f};
    float halfWidth() const { return std::max(high.x, high.z); }
};

class Assets : public ::testing::Test {
protected:
    Assets() : inside(std::filesystem::path(SMELTRUN_ASSETS_DIR).parent_path()) {}

    static Extents extentsOf(const std::vector<Vertex>& vertices) {
        Extents e;
        for (const Vertex& v : vertices) {
            e.low = glm::min(e.low, v.position);
            e.high = glm::max(e.high, v.position);
        }
        return e;
    }

    // Closed: every edge is walked once each way. Outward: counter-clockwise faces enclose
    // a positive volume, and each face's winding agrees with its normals.
    static void expectClosedAndOutward(const std::vector<Vertex>& vertices) {
        ASSERT_EQ(vertices.size() % 3, 0u);
        std::map<std::pair<Point, Point>, int> edges;
        double volume = 0.0;
        for (size_t i = 0; i < vertices.size(); i += 3) {
            const glm::vec3 a = vertices[i].position, b = vertices[i + 1].position,
                            c = vertices[i + 2].position;
            for (const auto& [from, to] : {std::pair(a, b), std::pair(b, c), std::pair(c, a)}) {
                ++edges[{key(from), key(to)}];
            }
            volume += glm::dot(a, glm::cross(b, c)) / 6.0;
            const glm::vec3 winding = glm::cross(b - a, c - a);
            for (int corner = 0; corner < 3; ++corner) {
                EXPECT_NEAR(glm::length(vertices[i + corner].normal), 1.0f, 1e-3f);
                EXPECT_GT(glm::dot(winding, vertices[i + corner].normal), 0.0f)
                    << "triangle " << i / 3 << " turns against its normal";
            }
        }
        for (const auto& [edge, count] : edges) {
            const auto reverse = edges.find({edge.second, edge.first});
            ASSERT_TRUE(reverse != edges.end() && reverse->second == count)
                << "an open or doubled edge";
        }
        EXPECT_GT(volume, 0.0);
    }

    WorkingDirectory inside;
};

TEST_F(Assets, EveryModelIsClosedAndFacesOutward) {
    for (const char* name : {"aphelios", "platform", "mover", "trap", "healthOrbit", "orbit",
                             "checkpoint1", "checkpoint2", "checkpoint3", "flag"}) {
        SCOPED_TRACE(name);
        const auto vertices = loadObj(name);
        ASSERT_FALSE(vertices.empty());
        expectClosedAndOutward(vertices);
    }
}

TEST_F(Assets, TheCharacterIsAHumanSizedFigureOnItsFeet) {
    const Extents e = extentsOf(loadObj("aphelios"));
    EXPECT_EQ(e.low.y, 0.0f);
    EXPECT_NEAR(e.high.y, 1.8f, 0.1f);
    EXPECT_GE(e.halfWidth(), 0.35f);
    EXPECT_LE(e.halfWidth(), 0.45f);
}

// A moving platform carries the player as a still one holds them up, by the same box.
TEST_F(Assets, EveryPlatformIsASixBySixSlabTwoThickWithItsTopAtZero) {
    for (const char* name : {"platform", "mover"}) {
        SCOPED_TRACE(name);
        const Extents e = extentsOf(loadObj(name));
        EXPECT_EQ(e.low, glm::vec3(-3.0f, -2.0f, -3.0f));
        EXPECT_EQ(e.high, glm::vec3(3.0f, 0.0f, 3.0f));
    }
}

TEST_F(Assets, TheItemsHaveTheirSizes) {
    const Extents trap = extentsOf(loadObj("trap"));
    EXPECT_EQ(trap.low.y, 0.0f);
    EXPECT_FLOAT_EQ(trap.halfWidth(), 0.5f);

    const Extents pack = extentsOf(loadObj("healthOrbit"));
    EXPECT_NEAR(pack.high.x - pack.low.x, 0.6f, 0.1f);
    const glm::vec3 centre = (pack.low + pack.high) * 0.5f;
    EXPECT_NEAR(glm::length(centre), 0.0f, 1e-4f);

    const auto orb = loadObj("orbit");
    // Every frame draws 104 orbs, most of them a few pixels wide: a handful of triangles
    // each keeps them round without flooding the rasteriser with slivers.
    EXPECT_LE(orb.size() / 3, 128u);
    for (const Vertex& v : orb) {
        ASSERT_NEAR(glm::length(v.position), 3.0f, 1e-4f);
    }

    for (const char* piece : {"checkpoint1", "checkpoint2", "checkpoint3"}) {
        EXPECT_EQ(extentsOf(loadObj(piece)).low.y, 0.0f) << piece;
    }
    EXPECT_GE(extentsOf(loadObj("checkpoint1")).halfWidth(), 0.6f);

    // Taller than the character, and touched about where its pennant reaches.
    const Extents flag = extentsOf(loadObj("flag"));
    EXPECT_EQ(flag.low.y, 0.0f);
    EXPECT_NEAR(flag.high.y, 2.2f, 0.1f);
    EXPECT_GE(flag.halfWidth(), 0.6f);
    EXPECT_LE(flag.halfWidth(), 0.8f);
}

TEST_F(Assets, TheCharactersImageIsARealJpeg) {
    std::ifstream file("assets/Images/aphelios.jpg", std::ios::binary);
    unsigned char start[3] = {};
    file.read(reinterpret_cast<char*>(start), 3);
    EXPECT_EQ(start[0], 0xFF);
    EXPECT_EQ(start[1], 0xD8);
    EXPECT_EQ(start[2], 0xFF);
}

TEST_F(Assets, EveryImageDecodesAsASquareOf256Or512) {
    for (const char* file : kTextureFiles) {
        SCOPED_TRACE(file);
        int width = 0, height = 0, channels = 0;
        unsigned char* image = stbi_load(file, &width, &height, &channels, 4);
        ASSERT_NE(image, nullptr);
        stbi_image_free(image);
        EXPECT_EQ(width, height);
        EXPECT_TRUE(width == 256 || width == 512) << width;
    }
}

}  // namespace
