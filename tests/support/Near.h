#pragma once

#include <gtest/gtest.h>

#include <glm/glm.hpp>

// Compares component by component, so that a failure names the axis.
inline void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
