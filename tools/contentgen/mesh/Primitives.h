// Solid shapes added to a MeshBuilder in local space, each with outward normals and face coordinates. Curved
// surfaces are smooth-shaded; flat faces have one normal each.
#pragma once

#include <vector>

#include <glm/glm.hpp>

#include "mesh/MeshBuilder.h"

// An axis-aligned box; every face takes the whole texture rectangle.
void AddBox(MeshBuilder& mesh, const glm::vec3& center, const glm::vec3& halfSize);

// A frustum round the y axis from y0 (radius r0) to y1 (radius r1); r1 = 0 makes a cone. Caps close the
// ends that have a radius.
void AddFrustum(MeshBuilder& mesh, float r0, float r1, float y0, float y1, int segments, bool caps = true);

// A cylinder or frustum whose axis runs from a to b.
void AddTube(MeshBuilder& mesh, const glm::vec3& a, const glm::vec3& b, float ra, float rb, int segments,
             bool caps = true);

void AddSphere(MeshBuilder& mesh, const glm::vec3& center, float radius, int slices, int stacks);

// A flat ring (inner radius 0: a disc) in the plane y, facing up. The face coordinates map the plane's
// x and z directly (fit = 0.5 + position / (2 * outer radius)), so a round texture lines up with it.
void AddRing(MeshBuilder& mesh, float innerRadius, float outerRadius, float y, int segments);

// A flat sector round the y axis at height y, facing up, between the angles a0 and a1 measured from +z
// towards +x, from radius r0 to r1. Face coordinates as for AddRing.
void AddSector(MeshBuilder& mesh, float r0, float r1, float a0, float a1, float y, int segments);

// A prism: the outline (points in the x-z plane, star-shaped round its centroid, either turning sense)
// extruded from y0 to y1, with both caps. Face coordinates map x and z over the outline's bounds.
void AddPrism(MeshBuilder& mesh, const std::vector<glm::vec2>& outline, float y0, float y1);

// A flat grid facing up over [x0, x1] x [z0, z1] in cells of nx by nz.
void AddGround(MeshBuilder& mesh, float x0, float z0, float x1, float z1, int nx, int nz, float y = 0.0f);
