// Collects the triangles of one model in model space. Primitives add triangles in their own local space;
// the builder moves them by the current placement, maps their face coordinates into the texture, derives
// tangents and puts every triangle in clockwise-front order (the model file's convention: seen from the
// side its normals face, a front triangle runs clockwise in the left-handed, y-up model space).
#pragma once

#include <cstddef>
#include <vector>

#include <glm/glm.hpp>

#include "shared/ModelVertex.h"

// A corner as a primitive makes it: local position and normal, and two face coordinates: fit runs 0..1
// across the face, span is the same measured in units of length (for textures that repeat).
struct MeshVertex {
    glm::vec3 position{0.0f};
    glm::vec3 normal{0.0f, 1.0f, 0.0f};
    glm::vec2 fit{0.0f};
    glm::vec2 span{0.0f};
};

// Where the following triangles take their texture coordinates from: a rectangle of the texture that the
// fit coordinates are stretched over, or, with repeatsPerUnit above 0, the span coordinates times that.
struct UvMapping {
    glm::vec2 origin{0.0f};
    glm::vec2 size{1.0f};
    float repeatsPerUnit = 0.0f;
};

class MeshBuilder {
public:
    // The placement of the following primitives: model position = placement * local position.
    void SetPlacement(const glm::mat4& placement);
    const glm::mat4& Placement() const { return m_placement; }
    void SetUvMapping(const UvMapping& mapping) { m_mapping = mapping; }
    // Skinned models: the joint every following corner is bound to, with its full weight.
    void SetJoint(int joint) { m_joint = joint; }

    // Adds one triangle; its corner order is fixed up from the normals, so primitives need not care.
    void AddTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c);
    // Two triangles a-b-c and a-c-d.
    void AddQuad(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c, const MeshVertex& d);

    std::size_t CornerCount() const { return m_corners.size(); }
    std::vector<Vertex> StaticVertices() const;
    std::vector<VertexAnimated> SkinnedVertices() const;

private:
    struct Corner {
        glm::vec3 position;
        glm::vec2 uv;
        glm::vec3 normal;
        glm::vec3 tangent;
        int joint;
    };

    glm::mat4 m_placement{1.0f};
    glm::mat3 m_normalMatrix{1.0f};
    UvMapping m_mapping;
    int m_joint = 0;
    std::vector<Corner> m_corners;
};
