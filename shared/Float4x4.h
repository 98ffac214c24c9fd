// A 4 x 4 float matrix, row-major, in the row-vector convention (translation in the last row).
#pragma once

struct Float4x4 {
    float m[4][4] = {};

    friend bool operator==(const Float4x4&, const Float4x4&) = default;
};
