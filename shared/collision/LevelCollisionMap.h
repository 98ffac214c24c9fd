// Every static obstacle of a level in world space: the boxes and spheres of each placed model and the
// level's own collision boxes. Built once when a level starts; the lists are copies, so nothing refers back
// to the level or the models afterwards.
#pragma once

#include <vector>

#include "shared/CollisionShapes.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/CollisionOBB.h"

class LevelCollisionMap {
public:
    // Replaces the lists with the level's obstacles: the models (static ones, then animated ones, in list
    // order) with their spheres and boxes moved into the world, then the level boxes, unrotated. A model is
    // taken from models; one the library does not hold is read from its file (and adds nothing when that
    // fails, the model saying why on standard error). Always succeeds.
    bool Initialize(const LevelData& level, ModelLibrary& models = ModelLibrary::GetInstance());
    void Shutdown();

    std::vector<CollisionOBB> GetOBBs() const { return m_obbs; }
    std::vector<CollisionSphere> GetSpheres() const { return m_spheres; }

private:
    void AddModel(const LevelModel& placed, const BaseModel& model);
    void AddLevelBox(const LevelBox& box);

    std::vector<CollisionOBB> m_obbs;
    std::vector<CollisionSphere> m_spheres;
};
