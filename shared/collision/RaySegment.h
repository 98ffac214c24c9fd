// The stretch of a ray that can still matter to a query, from its origin up to a length in world units. It
// tells cheaply whether the ray comes near a volume's bounding sphere there, so that the exact ray test runs
// only for volumes it could enter.
#pragma once

#include "shared/Float3.h"

class RaySegment {
public:
    // The first length units of the ray from origin along direction (of any length).
    RaySegment(const Float3& origin, const Float3& direction, float length);

    // False for a zero or non-finite direction, a non-finite origin or a negative or NaN length: such a
    // ray enters no volume.
    bool IsValid() const { return m_valid; }
    void SetLength(float length);

    // Whether some point of the segment lies within radius of center. Generous by a little more than any
    // rounding, so that it never turns away a volume that the exact test would find entered within the
    // length.
    bool ComesNear(const Float3& center, float radius) const;

private:
    double m_origin[3] = {0.0, 0.0, 0.0};
    double m_unit[3] = {0.0, 0.0, 0.0};
    double m_length = 0.0;
    bool m_valid = false;
};
