// Comparisons of collision shapes with a tolerance, for results that went through float arithmetic.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "shared/CollisionShapes.h"
#include "shared/collision/CollisionOBB.h"

inline constexpr float kShapeTolerance = 1e-5f;

::testing::AssertionResult Near(const Float3& actual, const Float3& expected,
                                float tolerance = kShapeTolerance);
::testing::AssertionResult Near(const Float4& actual, const Float4& expected,
                                float tolerance = kShapeTolerance);
::testing::AssertionResult Near(const CollisionOBB& actual, const CollisionOBB& expected,
                                float tolerance = kShapeTolerance);
::testing::AssertionResult Near(const CollisionSphere& actual, const CollisionSphere& expected,
                                float tolerance = kShapeTolerance);

void PrintTo(const Float3& v, std::ostream* os);
void PrintTo(const Float4& v, std::ostream* os);
void PrintTo(const CollisionOBB& box, std::ostream* os);
void PrintTo(const CollisionSphere& sphere, std::ostream* os);
