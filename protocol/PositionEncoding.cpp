#include "protocol/PositionEncoding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace protocol {

namespace {

constexpr float kPositionScale = 10000.0f;
constexpr float kDirectionScale = 100.0f;
constexpr int kMinExponent = std::numeric_limits<std::int8_t>::min();
constexpr int kMaxExponent = std::numeric_limits<std::int8_t>::max();

struct SplitValue {
    float mantissa = 0.0f;
    int exponent = 0;
};

SplitValue Split(float value) {
    if (!std::isfinite(value)) {
        return {};
    }
    int exponent = 0;
    const double mantissa = std::frexp(static_cast<double>(value), &exponent);
    if (exponent < kMinExponent) {
        return {};
    }
    // The mantissa of a widened float has at most 24 significant bits, so it converts back exactly.
    return {static_cast<float>(mantissa), std::min(exponent, kMaxExponent)};
}

// |mantissa| < 1, so the truncated product stays below the scale (at most 9999 or 99) and fits its field.
template <typename Field>
Field ScaleMantissa(float mantissa, float scale) {
    return static_cast<Field>(mantissa * scale);
}

float Rebuild(int mantissa, int exponent, float scale) {
    const double value = std::ldexp(static_cast<double>(mantissa) / scale, exponent);
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

}  // namespace

PackedPosition PackPosition(float value) {
    const SplitValue split = Split(value);
    return {ScaleMantissa<std::int16_t>(split.mantissa, kPositionScale),
            static_cast<std::int8_t>(split.exponent)};
}

float UnpackPosition(PackedPosition packed) {
    return Rebuild(packed.mantissa, packed.exponent, kPositionScale);
}

PackedDirection PackDirection(float value) {
    const SplitValue split = Split(value);
    return {ScaleMantissa<std::int8_t>(split.mantissa, kDirectionScale),
            static_cast<std::int8_t>(split.exponent)};
}

float UnpackDirection(PackedDirection packed) {
    return Rebuild(packed.mantissa, packed.exponent, kDirectionScale);
}

}  // namespace protocol
