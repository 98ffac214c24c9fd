#include "models/ModelAssembly.h"

#include <algorithm>
#include <utility>

namespace {

std::array<std::uint8_t, kModelHeaderSize> Header(const std::string& name) {
    std::array<std::uint8_t, kModelHeaderSize> header{};
    const std::string text = "Ombrin model " + name;
    std::copy_n(text.begin(), std::min(text.size(), kModelHeaderSize - 1), header.begin());
    return header;
}

ModelFileData Common(const std::string& name, const BakedTexture& texture, std::vector<CollisionBox> boxes,
                     std::vector<CollisionSphere> spheres) {
    ModelFileData model;
    model.header = Header(name);
    model.diffuse = DiffuseTexture(texture);
    model.normalMap = NormalTexture(texture);
    model.boxes = std::move(boxes);
    model.spheres = std::move(spheres);
    return model;
}

}  // namespace

UvMapping AtlasTile(int tile, int atlasSize) {
    const float inset = 1.5f / static_cast<float>(atlasSize);
    UvMapping mapping;
    mapping.origin =
        glm::vec2(static_cast<float>(tile % 2) * 0.5f + inset, static_cast<float>(tile / 2) * 0.5f + inset);
    mapping.size = glm::vec2(0.5f - 2.0f * inset);
    return mapping;
}

UvMapping RepeatingUv(float repeatsPerUnit) {
    UvMapping mapping;
    mapping.repeatsPerUnit = repeatsPerUnit;
    return mapping;
}

CollisionBox Box(const glm::vec3& center, const glm::vec3& halfSize) {
    return MakeCollisionBox(Float3{center.x, center.y, center.z}, Float3{halfSize.x, halfSize.y, halfSize.z});
}

CollisionSphere Sphere(const glm::vec3& center, float radius) {
    return CollisionSphere{Float3{center.x, center.y, center.z}, radius};
}

ModelFileData StaticModel(const std::string& name, const MeshBuilder& mesh, const BakedTexture& texture,
                          std::vector<CollisionBox> boxes, std::vector<CollisionSphere> spheres) {
    ModelFileData model = Common(name, texture, std::move(boxes), std::move(spheres));
    model.animated = false;
    model.vertices = mesh.StaticVertices();
    return model;
}

ModelFileData SkinnedModel(const std::string& name, const MeshBuilder& mesh, const BakedTexture& texture,
                           std::vector<ModelAnimation> animations, std::vector<CollisionBox> boxes,
                           std::vector<CollisionSphere> spheres) {
    ModelFileData model = Common(name, texture, std::move(boxes), std::move(spheres));
    model.animated = true;
    model.animatedVertices = mesh.SkinnedVertices();
    model.animations = std::move(animations);
    return model;
}
