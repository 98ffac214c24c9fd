#include "mesh/MeshBuilder.h"

#include <cmath>
#include <utility>

namespace {

glm::vec3 SafeNormalize(const glm::vec3& v, const glm::vec3& fallback) {
    const float length = glm::length(v);
    return length > 1e-8f ? v / length : fallback;
}

// Any unit vector at right angles to n.
glm::vec3 AnyPerpendicular(const glm::vec3& n) {
    const glm::vec3 helper = std::abs(n.x) < 0.9f ? glm::vec3(1.0f, 0.0f, 0.0f) : glm::vec3(0.0f, 0.0f, 1.0f);
    return glm::normalize(glm::cross(helper, n));
}

Float3 ToFloat3(const glm::vec3& v) {
    return Float3{v.x, v.y, v.z};
}

template <typename V>
void FillFields(V& out, const glm::vec3& position, const glm::vec2& uv, const glm::vec3& normal,
                const glm::vec3& tangent) {
    out.position = ToFloat3(position);
    out.texcoord[0] = uv.x;
    out.texcoord[1] = uv.y;
    out.normal = ToFloat3(normal);
    out.tangent = ToFloat3(tangent);
}

}  // namespace

void MeshBuilder::SetPlacement(const glm::mat4& placement) {
    m_placement = placement;
    m_normalMatrix = glm::transpose(glm::inverse(glm::mat3(placement)));
}

void MeshBuilder::AddTriangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
    Corner corners[3];
    const MeshVertex* source[3] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i) {
        const MeshVertex& v = *source[i];
        Corner& corner = corners[i];
        corner.position = glm::vec3(m_placement * glm::vec4(v.position, 1.0f));
        corner.normal = SafeNormalize(m_normalMatrix * v.normal, glm::vec3(0.0f, 1.0f, 0.0f));
        corner.uv = m_mapping.repeatsPerUnit > 0.0f ? m_mapping.origin + v.span * m_mapping.repeatsPerUnit
                                                    : m_mapping.origin + v.fit * m_mapping.size;
        corner.joint = m_joint;
    }

    const glm::vec3 edge1 = corners[1].position - corners[0].position;
    const glm::vec3 edge2 = corners[2].position - corners[0].position;
    const glm::vec3 faceNormal = glm::cross(edge1, edge2);
    if (glm::length(faceNormal) < 1e-12f) {
        return;  // a degenerate triangle draws nothing
    }
    // Clockwise front in a left-handed system: the cross product of the two edges points out of the front.
    const glm::vec3 meanNormal = corners[0].normal + corners[1].normal + corners[2].normal;
    if (glm::dot(faceNormal, meanNormal) < 0.0f) {
        std::swap(corners[1], corners[2]);
    }

    // The tangent follows increasing u across the triangle.
    const glm::vec3 e1 = corners[1].position - corners[0].position;
    const glm::vec3 e2 = corners[2].position - corners[0].position;
    const glm::vec2 d1 = corners[1].uv - corners[0].uv;
    const glm::vec2 d2 = corners[2].uv - corners[0].uv;
    const float det = d1.x * d2.y - d2.x * d1.y;
    glm::vec3 uDirection(0.0f);
    if (std::abs(det) > 1e-12f) {
        uDirection = (e1 * d2.y - e2 * d1.y) / det;
    }
    for (Corner& corner : corners) {
        const glm::vec3 n = corner.normal;
        const glm::vec3 projected = uDirection - n * glm::dot(n, uDirection);
        corner.tangent = glm::length(projected) > 1e-8f ? glm::normalize(projected) : AnyPerpendicular(n);
        m_corners.push_back(corner);
    }
}

void MeshBuilder::AddQuad(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c,
                          const MeshVertex& d) {
    AddTriangle(a, b, c);
    AddTriangle(a, c, d);
}

std::vector<Vertex> MeshBuilder::StaticVertices() const {
    std::vector<Vertex> vertices(m_corners.size());
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        const Corner& c = m_corners[i];
        FillFields(vertices[i], c.position, c.uv, c.normal, c.tangent);
    }
    return vertices;
}

std::vector<VertexAnimated> MeshBuilder::SkinnedVertices() const {
    std::vector<VertexAnimated> vertices(m_corners.size());
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        const Corner& c = m_corners[i];
        VertexAnimated& v = vertices[i];
        FillFields(v, c.position, c.uv, c.normal, c.tangent);
        // One influence: the whole weight on the corner's joint, the other slots unused (index 0, weight 0).
        v.weights[0] = 1.0f;
        v.boneIndices[0] = static_cast<std::uint8_t>(c.joint);
    }
    return vertices;
}
