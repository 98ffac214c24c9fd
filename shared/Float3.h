// Three floats: a position, a set of Euler angles or any other 3-vector read from a data file.
#pragma once

struct Float3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    friend bool operator==(const Float3&, const Float3&) = default;
};
