// Four floats: a quaternion (x, y, z, w) or any other 4-vector read from a data file.
#pragma once

struct Float4 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    friend bool operator==(const Float4&, const Float4&) = default;
};
