#include "mesh/Primitives.h"

#include <cmath>

#include "mesh/Placement.h"

namespace {

constexpr float kTwoPi = 6.28318530718f;

MeshVertex Corner(const glm::vec3& position, const glm::vec3& normal, const glm::vec2& fit,
                  const glm::vec2& span) {
    return MeshVertex{position, normal, fit, span};
}

// A flat corner whose face coordinates come from its x and z over a square of the given half-width.
MeshVertex FlatCorner(const glm::vec3& position, const glm::vec3& normal, float halfWidth) {
    const glm::vec2 planar(position.x, position.z);
    return Corner(position, normal, glm::vec2(0.5f) + planar / (2.0f * halfWidth), planar);
}

void AddBoxFace(MeshBuilder& mesh, const glm::vec3& center, const glm::vec3& n, const glm::vec3& u,
                const glm::vec3& v, float hu, float hv) {
    const glm::vec3 c = center;
    const glm::vec2 size(2.0f * hu, 2.0f * hv);
    auto corner = [&](float su, float sv) {
        const glm::vec2 fit(0.5f + 0.5f * su, 0.5f + 0.5f * sv);
        return Corner(c + u * (su * hu) + v * (sv * hv), n, fit, fit * size);
    };
    mesh.AddQuad(corner(-1, -1), corner(1, -1), corner(1, 1), corner(-1, 1));
}

}  // namespace

void AddBox(MeshBuilder& mesh, const glm::vec3& center, const glm::vec3& h) {
    const glm::vec3 X(1, 0, 0), Y(0, 1, 0), Z(0, 0, 1);
    // Side faces run v downwards, so that a texture stands upright on them.
    AddBoxFace(mesh, center + X * h.x, X, -Z, -Y, h.z, h.y);
    AddBoxFace(mesh, center - X * h.x, -X, Z, -Y, h.z, h.y);
    AddBoxFace(mesh, center + Z * h.z, Z, X, -Y, h.x, h.y);
    AddBoxFace(mesh, center - Z * h.z, -Z, -X, -Y, h.x, h.y);
    AddBoxFace(mesh, center + Y * h.y, Y, X, Z, h.x, h.z);
    AddBoxFace(mesh, center - Y * h.y, -Y, X, -Z, h.x, h.z);
}

void AddFrustum(MeshBuilder& mesh, float r0, float r1, float y0, float y1, int segments, bool caps) {
    const float height = y1 - y0;
    const float slant = std::sqrt(height * height + (r1 - r0) * (r1 - r0));
    const float circumference = kTwoPi * 0.5f * (r0 + r1);
    auto side = [&](int i, bool top) {
        const float angle = kTwoPi * static_cast<float>(i) / static_cast<float>(segments);
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float r = top ? r1 : r0;
        const glm::vec3 normal = glm::normalize(glm::vec3(c * height, r0 - r1, s * height));
        const glm::vec2 fit(static_cast<float>(i) / static_cast<float>(segments), top ? 0.0f : 1.0f);
        return Corner(glm::vec3(r * c, top ? y1 : y0, r * s), normal, fit,
                      glm::vec2(fit.x * circumference, fit.y * slant));
    };
    for (int i = 0; i < segments; ++i) {
        mesh.AddQuad(side(i, false), side(i + 1, false), side(i + 1, true), side(i, true));
    }
    if (!caps) {
        return;
    }
    for (const bool top : {false, true}) {
        const float r = top ? r1 : r0;
        if (r <= 0.0f) {
            continue;
        }
        const float y = top ? y1 : y0;
        const glm::vec3 normal(0.0f, top ? 1.0f : -1.0f, 0.0f);
        for (int i = 0; i < segments; ++i) {
            const float a0 = kTwoPi * static_cast<float>(i) / static_cast<float>(segments);
            const float a1 = kTwoPi * static_cast<float>(i + 1) / static_cast<float>(segments);
            mesh.AddTriangle(FlatCorner(glm::vec3(0.0f, y, 0.0f), normal, r),
                             FlatCorner(glm::vec3(r * std::cos(a0), y, r * std::sin(a0)), normal, r),
                             FlatCorner(glm::vec3(r * std::cos(a1), y, r * std::sin(a1)), normal, r));
        }
    }
}

void AddTube(MeshBuilder& mesh, const glm::vec3& a, const glm::vec3& b, float ra, float rb, int segments,
             bool caps) {
    const glm::mat4 saved = mesh.Placement();
    mesh.SetPlacement(saved * PlaceAlong(a, b));
    AddFrustum(mesh, ra, rb, 0.0f, glm::length(b - a), segments, caps);
    mesh.SetPlacement(saved);
}

void AddSphere(MeshBuilder& mesh, const glm::vec3& center, float radius, int slices, int stacks) {
    auto point = [&](int slice, int stack) {
        const float u = static_cast<float>(slice) / static_cast<float>(slices);
        const float v = static_cast<float>(stack) / static_cast<float>(stacks);
        const float theta = u * kTwoPi;
        const float phi = v * 3.14159265359f;
        const glm::vec3 normal(std::sin(phi) * std::cos(theta), std::cos(phi),
                               std::sin(phi) * std::sin(theta));
        return Corner(center + normal * radius, normal, glm::vec2(u, v),
                      glm::vec2(u * kTwoPi * radius, v * 3.14159265359f * radius));
    };
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            mesh.AddQuad(point(slice, stack), point(slice + 1, stack), point(slice + 1, stack + 1),
                         point(slice, stack + 1));
        }
    }
}

void AddRing(MeshBuilder& mesh, float innerRadius, float outerRadius, float y, int segments) {
    AddSector(mesh, innerRadius, outerRadius, 0.0f, kTwoPi, y, segments);
}

void AddSector(MeshBuilder& mesh, float r0, float r1, float a0, float a1, float y, int segments) {
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    const float halfWidth = r1;
    auto at = [&](float r, int i) {
        const float angle = a0 + (a1 - a0) * static_cast<float>(i) / static_cast<float>(segments);
        return FlatCorner(glm::vec3(r * std::sin(angle), y, r * std::cos(angle)), up, halfWidth);
    };
    for (int i = 0; i < segments; ++i) {
        if (r0 <= 0.0f) {
            mesh.AddTriangle(FlatCorner(glm::vec3(0.0f, y, 0.0f), up, halfWidth), at(r1, i), at(r1, i + 1));
        } else {
            mesh.AddQuad(at(r0, i), at(r1, i), at(r1, i + 1), at(r0, i + 1));
        }
    }
}

void AddPrism(MeshBuilder& mesh, const std::vector<glm::vec2>& outline, float y0, float y1) {
    if (outline.size() < 3) {
        return;
    }
    glm::vec2 centroid(0.0f);
    glm::vec2 low = outline.front();
    glm::vec2 high = outline.front();
    for (const glm::vec2& p : outline) {
        centroid += p;
        low = glm::min(low, p);
        high = glm::max(high, p);
    }
    centroid /= static_cast<float>(outline.size());
    const glm::vec2 extent = glm::max(high - low, glm::vec2(1e-6f));
    auto capCorner = [&](const glm::vec2& p, float y, float ny) {
        return Corner(glm::vec3(p.x, y, p.y), glm::vec3(0.0f, ny, 0.0f), (p - low) / extent, p - low);
    };
    const float height = y1 - y0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const glm::vec2 p = outline[i];
        const glm::vec2 q = outline[(i + 1) % outline.size()];
        mesh.AddTriangle(capCorner(centroid, y1, 1.0f), capCorner(p, y1, 1.0f), capCorner(q, y1, 1.0f));
        mesh.AddTriangle(capCorner(centroid, y0, -1.0f), capCorner(p, y0, -1.0f), capCorner(q, y0, -1.0f));
        if (height <= 0.0f) {
            continue;
        }
        const glm::vec2 edge = q - p;
        glm::vec2 out(edge.y, -edge.x);
        if (glm::dot(out, 0.5f * (p + q) - centroid) < 0.0f) {
            out = -out;
        }
        const glm::vec3 normal = glm::normalize(glm::vec3(out.x, 0.0f, out.y));
        const float length = glm::length(edge);
        mesh.AddQuad(Corner(glm::vec3(p.x, y1, p.y), normal, {0, 0}, {0, 0}),
                     Corner(glm::vec3(q.x, y1, q.y), normal, {1, 0}, {length, 0}),
                     Corner(glm::vec3(q.x, y0, q.y), normal, {1, 1}, {length, height}),
                     Corner(glm::vec3(p.x, y0, p.y), normal, {0, 1}, {0, height}));
    }
}

void AddGround(MeshBuilder& mesh, float x0, float z0, float x1, float z1, int nx, int nz, float y) {
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    auto at = [&](int i, int j) {
        const float fx = static_cast<float>(i) / static_cast<float>(nx);
        const float fz = static_cast<float>(j) / static_cast<float>(nz);
        const glm::vec3 p(x0 + (x1 - x0) * fx, y, z0 + (z1 - z0) * fz);
        return Corner(p, up, glm::vec2(fx, fz), glm::vec2(p.x, p.z));
    };
    for (int j = 0; j < nz; ++j) {
        for (int i = 0; i < nx; ++i) {
            mesh.AddQuad(at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
        }
    }
}
