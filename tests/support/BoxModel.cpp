#include "tests/support/BoxModel.h"

#include <fstream>

void writeBoxModel(const std::filesystem::path& directory, const std::string& name, glm::vec3 low,
                   glm::vec3 high) {
    std::ofstream obj(directory / "assets" / "OBJFiles" / (name + ".obj"));
    for (int corner = 0; corner < 8; ++corner) {
        obj << "v " << ((corner & 1) ? high.x : low.x) << ' ' << ((corner & 2) ? high.y : low.y)
            << ' ' << ((corner & 4) ? high.z : low.z) << '\n';
    }
    obj << "vn 0 1 0\n";
    // Two triangles per side, counter-clockwise seen from outside.
    const int sides[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                             {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (const auto& side : sides) {
        obj << "f " << side[0] + 1 << "//1 " << side[1] + 1 << "//1 " << side[2] + 1 << "//1\n";
        obj << "f " << side[0] + 1 << "//1 " << side[2] + 1 << "//1 " << side[3] + 1 << "//1\n";
    }
}
