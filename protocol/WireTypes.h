// Small value groups that several payloads share.
#pragma once

namespace protocol {

// Three f32 fields in the order x, y, z.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    friend bool operator==(const Vec3&, const Vec3&) = default;
};

// A point on the ground plane: two f32 fields in the order x, z.
struct GroundPoint {
    float x = 0.0f;
    float z = 0.0f;
    friend bool operator==(const GroundPoint&, const GroundPoint&) = default;
};

}  // namespace protocol
