// Overlap tests between the server's collision shapes. Each first compares the shapes' bounding spheres, a
// cheap test that rejects most pairs, and runs the exact intersection test only when the spheres overlap.
// The bounding sphere of a box holds the whole box (see BoundingRadius.h): a pre-test on the box's radius
// alone would miss cubes touching at their corners.
#pragma once

#include "shared/CollisionShapes.h"
#include "shared/collision/CollisionOBB.h"

// Two axis-aligned boxes.
bool BoxesOverlap(const CollisionBox& a, const CollisionBox& b);

// Two oriented boxes.
bool OBBsOverlap(const CollisionOBB& a, const CollisionOBB& b);

// An oriented box and a sphere.
bool OBBSphereOverlap(const CollisionOBB& box, const CollisionSphere& sphere);
