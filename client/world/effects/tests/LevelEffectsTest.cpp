// The level's particle effects and ambient loops as an object manager shows them on the null engine: made
// only for a manager given a renderer or a sound system, moved on each Update, queued in the scene pass, and
// the loops registered and stopped per manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "client/ui/ParticleEmitter.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/tests/RecordingSoundSystem.h"
#include "client/world/ObjectManager.h"
#include "client/world/tests/ObjectFixture.h"
#include "shared/SoundNumbers.h"

namespace ombrin::test {
namespace {

std::string At(const std::string& name, float x, float y, float z) {
    return name + " " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(-z) + " 0 0 0";
}

class LevelEffectsTest : public ObjectFixture {
protected:
    std::string ArenaLevel() {
        return WriteLevel(
            "Effects.ZMDL",
            {At("ParticleEmitter_BrazierFire_1", 1, 2, 3), At("ParticleEmitter_Fireflies_1", 4, 5, 6),
             At("ParticleEmitter_WorldDust_1", 10, 11, 12), At("ParticleEmitter_TorchFire_2", 13, 14, 15)});
    }

    ParticleRenderer m_renderer;
    RecordingSoundSystem m_sound;
};

// Only the fires light the level: one point light per fire and frame.
TEST_F(LevelEffectsTest, EmittersMoveOnEachUpdateAndAreQueuedInTheScenePass) {
    ObjectManager manager;
    manager.SetParticleRenderer(&m_renderer);
    ASSERT_TRUE(manager.Initialize(ArenaLevel()));
    ASSERT_EQ(manager.GetLevelEmitters().size(), 4u);
    EXPECT_EQ(manager.GetLevelEmitters()[0]->GetType(), ParticleType::FireParticles);
    EXPECT_TRUE(manager.GetLevelEmitters()[0]->IsEmitting());

    ClearCalls();
    for (int frame = 0; frame < 30; ++frame) {
        manager.Update(1.0 / 30.0);
    }
    EXPECT_EQ(Calls("AddNewPointLight").size(), 2u * 30u);
    EXPECT_TRUE(std::any_of(manager.GetLevelEmitters().begin(), manager.GetLevelEmitters().end(),
                            [](const auto& emitter) { return emitter->LiveCount() > 0; }));

    manager.Render();
    EXPECT_EQ(m_renderer.EmitterCount(), 4u);
    manager.Shutdown();
    EXPECT_TRUE(manager.GetLevelEmitters().empty());
    m_renderer.Clear();
}

// The menu's arena without a renderer makes no effects and adds no lights; a renderer set afterwards makes
// them for the level already shown.
TEST_F(LevelEffectsTest, AManagerWithoutARendererMakesNoEffectsUntilGivenOne) {
    ObjectManager manager;
    ASSERT_TRUE(manager.Initialize(ArenaLevel()));
    ClearCalls();
    manager.Update(0.5);
    manager.Render();
    EXPECT_TRUE(manager.GetLevelEmitters().empty());
    EXPECT_TRUE(Calls("AddNewPointLight").empty());

    manager.SetParticleRenderer(&m_renderer);
    EXPECT_EQ(manager.GetLevelEmitters().size(), 4u);
    manager.SetParticleRenderer(nullptr);
    EXPECT_TRUE(manager.GetLevelEmitters().empty());
}

TEST_F(LevelEffectsTest, AmbientLoopsPlayAsTheManagersOwnAndOnlyTheyStopAtShutdown) {
    ObjectManager match;
    ObjectManager menu;
    match.SetSound(&m_sound);
    menu.SetSound(&m_sound);
    ASSERT_TRUE(match.Initialize(ArenaLevel()));
    ASSERT_TRUE(menu.Initialize(WriteLevel("Torch.ZMDL", {At("ParticleEmitter_TorchFire_1", 0, 1, 0)})));

    auto owned = [this](const ObjectManager& owner) {
        std::vector<int> numbers;
        for (const RecordingSoundSystem::Sound& ambient : m_sound.LiveAmbients()) {
            if (ambient.owner == &owner) {
                numbers.push_back(ambient.number);
            }
        }
        return numbers;
    };
    const int fire = SoundNumber(SoundId::Fire);
    EXPECT_EQ(owned(match), (std::vector<int>{fire, SoundNumber(SoundId::Wind), fire}));
    EXPECT_EQ(owned(menu), (std::vector<int>{fire}));
    EXPECT_EQ(m_sound.LiveAmbients().back().position, glm::vec3(0, 1, 0));

    match.Shutdown();
    EXPECT_TRUE(owned(match).empty());
    EXPECT_EQ(owned(menu), (std::vector<int>{fire}));

    // A new level replaces the old level's loops instead of adding to them.
    ASSERT_TRUE(menu.Initialize(ArenaLevel()));
    EXPECT_EQ(owned(menu).size(), 3u);
    menu.SetSound(nullptr);
    EXPECT_TRUE(m_sound.LiveAmbients().empty());
}

}  // namespace
}  // namespace ombrin::test
