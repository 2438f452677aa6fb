#include "FlagAtlas.h"
#include "Images.h"
#include "Paint.h"

// flag.png: orange and white checks for the pennant, a dark pole and foot, laid out as
// FlagAtlas.h says. Orange is no other piece's colour: the goal glows green and traps purple.
namespace {

const glm::vec3 kOrange{1.0f, 0.42f, 0.04f};
const glm::vec3 kWhite{0.97f, 0.96f, 0.92f};
const glm::vec3 kGraphite{0.2f, 0.21f, 0.24f};
const glm::vec3 kPoleTop{0.36f, 0.37f, 0.41f};
const glm::vec3 kFootDark{0.12f, 0.12f, 0.14f};
// Cells of the pennant's region, about square on the model's 0.7 by 0.5 units.
const glm::vec2 kChecks{6.0f, 4.0f};

}  // namespace

Canvas images::flag() {
    Canvas canvas(flagAtlas::kSize);
    canvas.paint(flagAtlas::kPennant, [](glm::vec2 st) {
        const glm::vec2 cell = glm::floor(st * kChecks);
        const bool odd = static_cast<int>(cell.x + cell.y) % 2 == 1;
        return paint::opaque(odd ? kWhite : kOrange);
    });
    // Lighter towards the top, where the light from above falls on it.
    canvas.paint(flagAtlas::kPole,
                 [](glm::vec2 st) { return paint::opaque(glm::mix(kPoleTop, kGraphite, st.y)); });
    canvas.paint(flagAtlas::kOrange, [](glm::vec2) { return paint::opaque(kOrange); });
    canvas.paint(flagAtlas::kFoot, [](glm::vec2) { return paint::opaque(kFootDark); });
    return canvas;
}
