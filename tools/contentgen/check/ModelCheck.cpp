#include "check/ModelCheck.h"

#include <cmath>
#include <vector>

#include <glm/glm.hpp>

#include "check/LayeredPose.h"
#include "check/SkinCheck.h"

namespace {

struct Corner {
    glm::vec3 position;
    glm::vec3 normal;
    glm::vec3 tangent;
    float u;
    float v;
};

template <typename V>
std::vector<Corner> Corners(const std::vector<V>& vertices) {
    std::vector<Corner> corners;
    corners.reserve(vertices.size());
    for (const V& v : vertices) {
        corners.push_back(
            Corner{ToVec3(v.position), ToVec3(v.normal), ToVec3(v.tangent), v.texcoord[0], v.texcoord[1]});
    }
    return corners;
}

bool Finite(const glm::vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

void CheckVolumes(const std::string& fileName, const InspectedModel& model, const ModelRule& rule,
                  Problems& problems) {
    const std::vector<CollisionBox> boxes = model.GetBoxes();
    switch (rule.volumes) {
        case VolumeNeed::None:
            break;
        case VolumeNeed::HitBoxes:
            if (boxes.empty()) {
                problems.Add(fileName, "a projectile needs boxes, or it never hits anything");
            }
            break;
        case VolumeNeed::PickupBoxes: {
            bool meetsBody = false;
            for (const CollisionBox& box : boxes) {
                meetsBody = meetsBody ||
                            (box.center.y - box.halfSizes.y < 2.0f && box.center.y + box.halfSizes.y > 0.0f);
            }
            if (!meetsBody) {
                problems.Add(fileName,
                             "a rune needs a box between the ground and two units up to be picked up");
            }
            break;
        }
        case VolumeNeed::BodyBoxes:
            if (boxes.empty()) {
                problems.Add(fileName, "a ninja needs body boxes");
            } else if (boxes.front().center.y - boxes.front().halfSizes.y > 0.05f ||
                       boxes.front().center.y + boxes.front().halfSizes.y < 1.95f) {
                problems.Add(fileName, "the first body box must reach from the ground to two units up");
            }
            break;
    }
}

void CheckShape(const std::string& fileName, const ModelFileData& file, Problems& problems) {
    glm::vec3 low(1e9f);
    glm::vec3 high(-1e9f);
    for (const Vertex& v : file.vertices) {
        low = glm::min(low, ToVec3(v.position));
        high = glm::max(high, ToVec3(v.position));
    }
    for (const ShapeRule& rule : ShapeRules()) {
        if (fileName != rule.fileName || file.vertices.empty()) {
            continue;
        }
        const glm::vec3 size = high - low;
        bool ok = true;
        switch (rule.fact) {
            case ShapeFact::UnitDiameter:
                ok = std::abs(size.x - 1.0f) < 0.02f && std::abs(size.z - 1.0f) < 0.02f;
                break;
            case ShapeFact::UnitRadius:
                ok = std::abs(size.x - 2.0f) < 0.04f && std::abs(size.z - 2.0f) < 0.04f;
                break;
            case ShapeFact::TenthAlongX:
                ok = std::abs(size.x - 0.1f) < 0.005f;
                break;
            case ShapeFact::PointsAlongPlusX:
                ok = high.x > -low.x;
                break;
            case ShapeFact::PointsAlongPlusZ:
                ok = high.z > -low.z;
                break;
        }
        if (!ok) {
            problems.Add(fileName, "does not have the size or direction the game places it by");
        }
    }
}

}  // namespace

void CheckMesh(const std::string& fileName, const ModelFileData& file, Problems& problems) {
    const std::vector<Corner> corners =
        file.animated ? Corners(file.animatedVertices) : Corners(file.vertices);
    if (corners.empty() || corners.size() % 3 != 0) {
        problems.Add(fileName,
                     "the mesh must be whole triangles (" + std::to_string(corners.size()) + " vertices)");
        return;
    }
    int badVectors = 0;
    int badWinding = 0;
    for (std::size_t i = 0; i < corners.size(); i += 3) {
        const Corner* c = &corners[i];
        for (int k = 0; k < 3; ++k) {
            const float n = glm::length(c[k].normal);
            const float t = glm::length(c[k].tangent);
            if (!Finite(c[k].position) || !std::isfinite(c[k].u) || !std::isfinite(c[k].v) ||
                std::abs(n - 1.0f) > 1e-3f || std::abs(t - 1.0f) > 1e-3f ||
                std::abs(glm::dot(c[k].normal, c[k].tangent)) > 1e-3f) {
                ++badVectors;
            }
        }
        // Clockwise front faces in a left-handed system: the edges' cross product points out of the front.
        const glm::vec3 face = glm::cross(c[1].position - c[0].position, c[2].position - c[0].position);
        if (glm::length(face) > 1e-9f && glm::dot(face, c[0].normal + c[1].normal + c[2].normal) <= 0.0f) {
            ++badWinding;
        }
    }
    if (badVectors > 0) {
        problems.Add(fileName,
                     std::to_string(badVectors) + " vertices lack a unit normal and tangent at right angles");
    }
    if (badWinding > 0) {
        problems.Add(fileName,
                     std::to_string(badWinding) + " triangles do not run clockwise round their normals");
    }
}

void CheckModel(const std::string& fileName, const InspectedModel& model, const ModelRule& rule,
                Problems& problems) {
    const ModelFileData& file = model.File();
    const bool skinned = rule.kind != ModelKind::Static;
    if (file.animated != skinned) {
        problems.Add(fileName, skinned ? "must be skinned" : "must be static");
        return;
    }
    CheckMesh(fileName, file, problems);
    CheckShape(fileName, file, problems);
    if (!file.diffuse.HasPixels() || !file.normalMap.HasPixels()) {
        problems.Add(fileName, "needs a diffuse texture and a normal map");
    }
    if (!model.GetPoints().empty()) {
        problems.Add(fileName, "holds points, which nothing reads");
    }
    CheckVolumes(fileName, model, rule, problems);
    if (skinned) {
        CheckSkin(fileName, model, rule, problems);
    } else if (!file.animations.empty()) {
        problems.Add(fileName, "a static model holds animations");
    }
}
