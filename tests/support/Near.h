#pragma once

#include <gtest/gtest.h>

#include <glm/glm.hpp>

// What float arithmetic loses over the few hundred frames of a test, on the clock the test
// steps exactly. A wrong rate, or one frame too many or too few, is off by far more.
constexpr float kRounding = 1e-4f;

// Compares component by component, so that a failure names the axis.
inline void expectNear(const glm::vec3& actual, const glm::vec3& expected,
                       float tolerance = kRounding) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
