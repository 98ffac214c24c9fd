// Points and rectangles on the ground plane (x, z), the only plane the bots think in.
#pragma once

#include <cmath>

struct Ground {
    float x = 0.0f;
    float z = 0.0f;

    friend Ground operator+(Ground a, Ground b) { return {a.x + b.x, a.z + b.z}; }
    friend Ground operator-(Ground a, Ground b) { return {a.x - b.x, a.z - b.z}; }
    friend Ground operator*(Ground a, float s) { return {a.x * s, a.z * s}; }
    friend bool operator==(const Ground&, const Ground&) = default;
};

inline float Length(Ground v) {
    return std::sqrt(v.x * v.x + v.z * v.z);
}

inline float Distance(Ground a, Ground b) {
    return Length(a - b);
}

// The unit vector along v, or (1, 0) for a zero vector.
inline Ground Normalized(Ground v) {
    const float length = Length(v);
    return length > 1e-6f ? Ground{v.x / length, v.z / length} : Ground{1.0f, 0.0f};
}

// An axis-aligned obstacle footprint; tall ones block sight as well as walking.
struct GroundRect {
    Ground min;
    Ground max;
    bool tall = false;
};
