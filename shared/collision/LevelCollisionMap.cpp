#include "shared/collision/LevelCollisionMap.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "shared/collision/ModelPlacement.h"

namespace {

// Finds each model once: in the library, or else read from its file into a model kept for this build only
// (the library offers no way to add a loaded model).
class ModelSource {
public:
    explicit ModelSource(ModelLibrary& library) : m_library(library) {}

    const BaseModel& Get(const std::string& path) {
        if (m_library.Contains(path)) {
            return m_library.Get(path);
        }
        std::unique_ptr<BaseModel>& read = m_read[path];
        if (!read) {
            read = std::make_unique<BaseModel>();
            read->LoadModel(path);
        }
        return *read;
    }

private:
    ModelLibrary& m_library;
    std::unordered_map<std::string, std::unique_ptr<BaseModel>> m_read;
};

}  // namespace

bool LevelCollisionMap::Initialize(const LevelData& level, ModelLibrary& models) {
    Shutdown();
    ModelSource source(models);
    for (const LevelModel& placed : level.GetModels()) {
        AddModel(placed, source.Get(placed.path));
    }
    for (const LevelModel& placed : level.GetAnimatedModels()) {
        AddModel(placed, source.Get(placed.path));
    }
    for (const LevelBox& box : level.GetBoxes()) {
        AddLevelBox(box);
    }
    return true;
}

void LevelCollisionMap::Shutdown() {
    m_obbs.clear();
    m_spheres.clear();
}

void LevelCollisionMap::AddModel(const LevelModel& placed, const BaseModel& model) {
    const Float4 rotation = RollPitchYawQuaternion(placed.rotation);
    for (const CollisionSphere& sphere : model.GetSpheres()) {
        m_spheres.push_back(
            CollisionSphere{PlaceModelPoint(sphere.center, rotation, placed.position), sphere.radius});
    }
    for (const CollisionBox& box : model.GetBoxes()) {
        m_obbs.push_back(MakeCollisionOBB(PlaceModelPoint(box.center, rotation, placed.position),
                                          box.halfSizes, rotation));
    }
}

// A level box line holds its half-sizes in the order z, y, x.
void LevelCollisionMap::AddLevelBox(const LevelBox& box) {
    const Float3 halfSizes{box.halfSizesZyx.z, box.halfSizesZyx.y, box.halfSizesZyx.x};
    m_obbs.push_back(MakeCollisionOBB(box.center, halfSizes, kNoRotation));
}
