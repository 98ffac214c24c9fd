#include "shared/collision/tests/ShapeExpectations.h"

#include <cmath>
#include <sstream>
#include <string>

namespace {

bool Close(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance;
}

template <typename T>
std::string Text(const T& value) {
    std::ostringstream out;
    PrintTo(value, &out);
    return out.str();
}

template <typename T>
::testing::AssertionResult Verdict(bool close, const T& actual, const T& expected) {
    if (close) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << Text(actual) << " is not near " << Text(expected);
}

}  // namespace

::testing::AssertionResult Near(const Float3& actual, const Float3& expected, float tolerance) {
    return Verdict(Close(actual.x, expected.x, tolerance) && Close(actual.y, expected.y, tolerance) &&
                       Close(actual.z, expected.z, tolerance),
                   actual, expected);
}

::testing::AssertionResult Near(const Float4& actual, const Float4& expected, float tolerance) {
    return Verdict(Close(actual.x, expected.x, tolerance) && Close(actual.y, expected.y, tolerance) &&
                       Close(actual.z, expected.z, tolerance) && Close(actual.w, expected.w, tolerance),
                   actual, expected);
}

::testing::AssertionResult Near(const CollisionOBB& actual, const CollisionOBB& expected, float tolerance) {
    return Verdict(Near(actual.center, expected.center, tolerance) &&
                       Near(actual.halfSizes, expected.halfSizes, tolerance) &&
                       Near(actual.orientation, expected.orientation, tolerance) &&
                       Close(actual.radius, expected.radius, tolerance),
                   actual, expected);
}

::testing::AssertionResult Near(const CollisionSphere& actual, const CollisionSphere& expected,
                                float tolerance) {
    return Verdict(
        Near(actual.center, expected.center, tolerance) && Close(actual.radius, expected.radius, tolerance),
        actual, expected);
}

void PrintTo(const Float3& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

void PrintTo(const Float4& v, std::ostream* os) {
    *os << "(" << v.x << ", " << v.y << ", " << v.z << ", " << v.w << ")";
}

void PrintTo(const CollisionOBB& box, std::ostream* os) {
    *os << "{centre ";
    PrintTo(box.center, os);
    *os << " half ";
    PrintTo(box.halfSizes, os);
    *os << " turn ";
    PrintTo(box.orientation, os);
    *os << " radius " << box.radius << "}";
}

void PrintTo(const CollisionSphere& sphere, std::ostream* os) {
    *os << "{centre ";
    PrintTo(sphere.center, os);
    *os << " radius " << sphere.radius << "}";
}
