#include "preview/LevelFootprint.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "ContentPaths.h"
#include "shared/BaseModel.h"
#include "shared/LevelData.h"

namespace {

// The game sorts volumes by height: boxes above 6.0 and spheres above 5.0 only block the camera, and a box
// blocks sight when its half-height is above 1.8.
constexpr float kLowBoxTop = 6.0f;
constexpr float kLowSphereTop = 5.0f;
constexpr float kSightHalfHeight = 1.8f;

// A point of a model turned by its yaw and moved to its position (the game's row-vector yaw rotation).
glm::vec2 Place(const LevelModel& model, float x, float z) {
    const float c = std::cos(model.rotation.y);
    const float s = std::sin(model.rotation.y);
    return {model.position.x + x * c + z * s, model.position.z - x * s + z * c};
}

void AddModel(LevelFootprint& footprint, const LevelModel& placed, const BaseModel* model) {
    const bool hasVolumes = model != nullptr && (!model->GetBoxes().empty() || !model->GetSpheres().empty());
    if (!hasVolumes) {
        if (placed.path.find("Ground") == std::string::npos) {
            footprint.shapes.push_back(
                {FootprintKind::Trunk, {}, {placed.position.x, placed.position.z}, 0.6f});
        }
        return;
    }
    for (const CollisionBox& box : model->GetBoxes()) {
        const float cx = box.center.x;
        const float cz = box.center.z;
        const float hx = box.halfSizes.x;
        const float hz = box.halfSizes.z;
        FootprintShape shape;
        shape.kind =
            box.center.y + placed.position.y > kLowBoxTop
                ? FootprintKind::Canopy
                : (box.halfSizes.y > kSightHalfHeight ? FootprintKind::TallWall : FootprintKind::Low);
        shape.corners = {Place(placed, cx - hx, cz - hz), Place(placed, cx + hx, cz - hz),
                         Place(placed, cx + hx, cz + hz), Place(placed, cx - hx, cz + hz)};
        footprint.shapes.push_back(shape);
    }
    for (const CollisionSphere& sphere : model->GetSpheres()) {
        FootprintShape shape;
        shape.kind = sphere.center.y + placed.position.y > kLowSphereTop ? FootprintKind::Canopy
                                                                         : FootprintKind::Pillar;
        shape.center = Place(placed, sphere.center.x, sphere.center.z);
        shape.radius = sphere.radius;
        footprint.shapes.push_back(shape);
    }
}

}  // namespace

LevelFootprint ReadLevelFootprint(const std::filesystem::path& dataFolder, const std::string& levelFile) {
    LevelFootprint footprint;
    const LevelData level((dataFolder / "Levels" / levelFile).string());
    std::map<std::string, std::unique_ptr<BaseModel>> models;
    const auto modelAt = [&](const std::string& gamePath) -> const BaseModel* {
        auto found = models.find(gamePath);
        if (found == models.end()) {
            auto model = std::make_unique<BaseModel>();
            const std::filesystem::path file = DataFileOf(dataFolder, gamePath);
            if (file.empty() || !model->LoadModel(file.string())) {
                model.reset();
            }
            found = models.emplace(gamePath, std::move(model)).first;
        }
        return found->second.get();
    };
    for (const LevelModel& placed : level.GetModels()) {
        AddModel(footprint, placed, modelAt(placed.path));
    }
    for (const LevelBox& box : level.GetBoxes()) {
        // Box lines hold their half-sizes along x, y, z in reverse order.
        const glm::vec2 c(box.center.x, box.center.z);
        const glm::vec2 h(box.halfSizesZyx.z, box.halfSizesZyx.x);
        footprint.shapes.push_back(
            {box.halfSizesZyx.y > kSightHalfHeight ? FootprintKind::TallWall : FootprintKind::Low,
             {c - h, {c.x + h.x, c.y - h.y}, c + h, {c.x - h.x, c.y + h.y}},
             c,
             0.0f});
    }
    for (const LevelSpawnPoint& spawn : level.GetSpawnPoints()) {
        (spawn.team == 1 ? footprint.redSpawns : footprint.blueSpawns)
            .push_back({spawn.position.x, spawn.position.z});
    }
    for (const LevelEmitter& emitter : level.GetEmitters()) {
        if (emitter.type == EmitterType::BrazierFire || emitter.type == EmitterType::TorchFire) {
            footprint.fires.push_back({emitter.position.x, emitter.position.z});
        }
    }
    return footprint;
}
