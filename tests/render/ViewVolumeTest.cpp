#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "render/ViewVolume.h"

namespace {

// A camera at (0, 1, 5) looking down -z, 45 degrees high, 16:9, seeing from 0.1 to 100 units.
const glm::vec3 kEye(0.0f, 1.0f, 5.0f);
const float kNear = 0.1f;
const float kFar = 100.0f;

ViewVolume cameraVolume() {
    const glm::mat4 projection = glm::perspective(glm::radians(45.0f), 16.0f / 9.0f, kNear, kFar);
    const glm::mat4 view =
        glm::lookAt(kEye, kEye + glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    return viewVolumeOf(projection * view);
}

TEST(ViewVolume, KeepsWhatReachesIntoViewAndLeavesOutWhatDoesNot) {
    const ViewVolume volume = cameraVolume();
    EXPECT_TRUE(reachesInto(volume, Sphere{glm::vec3(0.0f, 1.0f, -20.0f), 0.5f}));
    EXPECT_FALSE(reachesInto(volume, Sphere{kEye + glm::vec3(0.0f, 0.0f, 3.0f), 1.0f}))
        << "behind the eye";
    EXPECT_FALSE(reachesInto(volume, Sphere{kEye - glm::vec3(0.0f, 0.0f, kFar + 2.0f), 1.0f}))
        << "beyond the far plane";
    // Ten units ahead the view is tan(22.5 degrees) x 10 = 4.14 units high each way, and
    // 16/9 of that, 7.37 units, wide.
    const glm::vec3 ahead = kEye + glm::vec3(0.0f, 0.0f, -10.0f);
    EXPECT_FALSE(reachesInto(volume, Sphere{ahead + glm::vec3(9.0f, 0.0f, 0.0f), 1.0f}));
    EXPECT_TRUE(reachesInto(volume, Sphere{ahead + glm::vec3(8.0f, 0.0f, 0.0f), 1.0f}))
        << "its centre outside, its edge within";
    EXPECT_FALSE(reachesInto(volume, Sphere{ahead + glm::vec3(0.0f, -6.0f, 0.0f), 1.0f}));
    EXPECT_TRUE(reachesInto(volume, Sphere{ahead + glm::vec3(0.0f, -4.5f, 0.0f), 1.0f}));
    EXPECT_TRUE(reachesInto(volume, Sphere{kEye, 0.2f})) << "around the eye, over the near plane";
}

TEST(ViewVolume, ASphereHoldsItsBoxWhereverTheMatrixTakesIt) {
    const glm::vec3 low(-1.0f, 0.0f, -1.0f);
    const glm::vec3 high(1.0f, 2.0f, 1.0f);
    glm::mat4 placing = glm::translate(glm::mat4(1.0f), glm::vec3(10.0f, 0.0f, -3.0f));
    placing = glm::rotate(placing, glm::radians(30.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    placing = glm::scale(placing, glm::vec3(1.0f, 3.0f, 1.0f));
    const Sphere sphere = placedSphere(placing, low, high);
    for (int corner = 0; corner < 8; ++corner) {
        const glm::vec3 local((corner & 1) ? high.x : low.x, (corner & 2) ? high.y : low.y,
                              (corner & 4) ? high.z : low.z);
        const glm::vec3 placed(placing * glm::vec4(local, 1.0f));
        EXPECT_LE(glm::distance(placed, sphere.centre), sphere.radius + 1e-4f) << corner;
    }
    EXPECT_FLOAT_EQ(sphere.centre.y, 3.0f);
}

}  // namespace
