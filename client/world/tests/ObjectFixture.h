// Objects on the null engine in a scratch run layout: small models written with the model writer into its
// models folder and loaded into the model library as client models, level files of a few entity lines, a
// camera whose view is easy to reason about, and the engine calls a test looks for.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Lumagrid/RecordedCall.h"
#include "client/ui/tests/TestFiles.h"
#include "client/world/ViewFrustum.h"
#include "shared/CollisionShapes.h"
#include "shared/ModelAnimation.h"

namespace ombrin::test {

// A camera at the origin looking along +z with a 90 degree view both ways: a point with z > 0 is in view
// while |x| <= z and |y| <= z. The right side of the view is the plane x = z.
ViewFrustum LookingAlongZ();

// The recorded engine calls of the operation, in order; the engine's messages; both emptied.
std::vector<Lumaspace::RecordedCall> Calls(const std::string& operation);
std::vector<std::string> Diagnostics();
void ClearCalls();

class ObjectFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // "../Ombrin/Models/<name>Shape.ZMD": a static model whose vertices reach radius along x and z (its
    // horizontal radius), with the boxes and spheres given.
    void SaveStaticModel(const std::string& name, float radius = 1.0f,
                         const std::vector<CollisionBox>& boxes = {},
                         const std::vector<CollisionSphere>& spheres = {});
    // The same as a skinned model that holds the animations.
    void SaveAnimatedModel(const std::string& name, const std::vector<ModelAnimation>& animations,
                           float radius = 1.0f);
    // Loads the models folder into the model library (client models with engine resources).
    void LoadModels();
    // "../Ombrin/Levels/<name>": a level file of the entity lines ("Crate_1 x y z rx ry rz", as the file
    // writes them: z and the rotations in the file's own handedness).
    std::string WriteLevel(const std::string& name, const std::vector<std::string>& entities);

    ScratchRunLayout m_layout{"objects"};
};

}  // namespace ombrin::test
