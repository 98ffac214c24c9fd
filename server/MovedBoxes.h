// A model's collision boxes moved by an object's position.
#pragma once

#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/Float3.h"

inline std::vector<CollisionBox> MovedBoxes(std::vector<CollisionBox> boxes, const Float3& by) {
    for (CollisionBox& box : boxes) {
        box.center.x += by.x;
        box.center.y += by.y;
        box.center.z += by.z;
    }
    return boxes;
}
