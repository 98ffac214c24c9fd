// The runes on the level and the players' rune effects on the null engine: where a reported rune shows and
// lights, what hides it, and which players show the stealth tint, the shield and the healing.
#include <gtest/gtest.h>

#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/ParticleRenderer.h"
#include "client/world/effects/RuneEffects.h"
#include "client/world/effects/RuneSet.h"
#include "client/world/tests/ObjectFixture.h"

namespace ombrin::test {
namespace {

using Lumaspace::RecordedCall;

RuneRecord Record(RuneType type, float x, float z, bool active = true) {
    return RuneRecord{static_cast<std::int32_t>(type), {x, 3, z}, active, false};
}

class RuneSetTest : public ObjectFixture {};

TEST_F(RuneSetTest, AReportedRuneShowsOnTheGroundWithItsLightAbove) {
    RuneSet runes;
    runes.Initialize();
    ASSERT_EQ(runes.Runes().size(), 3u);
    for (const auto& rune : runes.Runes()) {
        EXPECT_FALSE(rune->IsVisible());
    }

    runes.Follow({Record(RuneType::Invisible, 12, 7)});
    const RuneSet::Rune& scroll = *runes.Find(RuneType::Invisible);
    EXPECT_TRUE(scroll.IsVisible());
    EXPECT_EQ(scroll.GetModelPath(), "../Ombrin/Models/invisScroll_Shape.ZMD");
    EXPECT_EQ(scroll.GetPosition(), glm::vec3(12, 0, 7));
    ASSERT_NE(scroll.Sparkles(), nullptr);
    EXPECT_EQ(scroll.Sparkles()->GetPosition(), glm::vec3(12, 0, 7));
    EXPECT_EQ(scroll.Sparkles()->GetDirection(), glm::vec3(0.0f));
    EXPECT_FALSE(runes.Find(RuneType::Heal)->IsVisible());

    ClearCalls();
    runes.Update(1.0f / 60.0f);
    const std::vector<RecordedCall> lights = Calls("AddNewPointLight");
    ASSERT_EQ(lights.size(), 1u);
    // ambient, diffuse, specular, position, range
    EXPECT_EQ(lights[0].values,
              (std::vector<float>{0, 0, 0, 0, 0.4f, 0.02f, 0.64f, 0, 0, 0, 0, 0, 12, 1.8f, 7, 3.0f}));

    ParticleRenderer particles;
    runes.RenderEffects(particles);
    EXPECT_EQ(particles.EmitterCount(), 1u);
    particles.Clear();
}

// The records of a rune taken stay, inactive; a round start empties them. A rune taken and placed again
// shows at its latest place.
TEST_F(RuneSetTest, TakenRunesAndARoundStartHideThem) {
    RuneSet runes;
    runes.Initialize();
    const std::vector<RuneRecord> all = {Record(RuneType::Heal, 1, 2), Record(RuneType::Invisible, 3, 4),
                                         Record(RuneType::Shield, 5, 6)};
    runes.Follow(all);
    for (const auto& rune : runes.Runes()) {
        EXPECT_TRUE(rune->IsVisible());
    }

    std::vector<RuneRecord> taken = all;
    taken[2].active = false;
    taken.push_back(Record(RuneType::Heal, 8, 9));
    runes.Follow(taken);
    EXPECT_FALSE(runes.Find(RuneType::Shield)->IsVisible());
    EXPECT_EQ(runes.Find(RuneType::Heal)->GetPosition(), glm::vec3(8, 0, 9));

    runes.Follow({});
    for (const auto& rune : runes.Runes()) {
        EXPECT_FALSE(rune->IsVisible());
    }
    ClearCalls();
    runes.Update(1.0f / 60.0f);
    EXPECT_TRUE(Calls("AddNewPointLight").empty());
}

class RuneEffectsTest : public ObjectFixture {
protected:
    void SetUp() override {
        ObjectFixture::SetUp();
        // The local line of sight reaches 30 units round the origin.
        Lumaspace::GE* engine = Lumaspace::GE::GetInstance();
        engine->UpdateVisibilityMapBoundries(Lumaspace::Point{-30, 30}, Lumaspace::Point{30, -30});
        engine->UpdateVisibilityPolygon(Lumaspace::Point{0, 0}, 0.0f);
        m_effects.Initialize(1280, 1024);
        m_screen.windowWidth = 1280;
        m_screen.windowHeight = 1024;
    }
    void TearDown() override {
        GUIQueue::GetInstance().Clear();
        m_particles.Clear();
        m_effects.Shutdown();
        ObjectFixture::TearDown();
    }

    RuneEffects m_effects;
    ScreenProjection m_screen;
    ParticleRenderer m_particles;
};

TEST_F(RuneEffectsTest, VisiblePlayersShowTheirShieldAndHealing) {
    struct Case {
        const char* name;
        bool invisible;
        float shield;
        bool healing;
        glm::vec3 at;
        int shieldLights;  // the shield light, emitter and picture show together
        int healLights;    // the heal light and emitter show together
    };
    const Case cases[] = {
        {"shield 0.5", false, 0.5f, false, {4, 0, 2}, 1, 0},
        {"shield 0", false, 0.0f, false, {4, 0, 2}, 0, 0},
        {"healing", false, 0.0f, true, {4, 0, 2}, 0, 1},
        {"invisible with both", true, 1.0f, true, {4, 0, 2}, 0, 0},
        {"out of sight with both", false, 1.0f, true, {50, 0, 50}, 0, 0},
    };
    NetworkPlayer local;
    local.alive = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetworkPlayer other;
        other.alive = true;
        other.invisible = c.invisible;
        other.shield = c.shield;
        other.healing = c.healing;
        other.position = {c.at.x, c.at.y, c.at.z};
        ClearCalls();
        m_effects.Render(1.0f / 60.0f, local, {other}, nullptr, m_screen, &m_particles);

        const std::vector<RecordedCall> lights = Calls("AddNewPointLight");
        ASSERT_EQ(lights.size(), static_cast<std::size_t>(c.shieldLights + c.healLights));
        for (const RecordedCall& light : lights) {
            EXPECT_EQ((std::vector<float>(light.values.begin() + 12, light.values.begin() + 15)),
                      (std::vector<float>{c.at.x, 1.0f, c.at.z}));
        }
        EXPECT_EQ(m_particles.EmitterCount(), static_cast<std::size_t>(c.shieldLights + c.healLights));
        EXPECT_EQ(GUIQueue::GetInstance().ElementCount(), static_cast<std::size_t>(c.shieldLights));
        m_particles.Clear();
        GUIQueue::GetInstance().Clear();
    }
}

TEST_F(RuneEffectsTest, OnlyALivingInvisibleLocalPlayerSeesTheStealthTint) {
    struct Case {
        bool invisible;
        bool alive;
        bool tinted;
    };
    const Case cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.invisible << c.alive);
        NetworkPlayer local;
        local.invisible = c.invisible;
        local.alive = c.alive;
        local.shield = 1.0f;  // hidden with the player while invisible
        m_effects.Render(1.0f / 60.0f, local, {}, nullptr, m_screen, &m_particles);
        const std::size_t shown = GUIQueue::GetInstance().ElementCount();
        if (c.tinted) {
            ASSERT_EQ(shown, 1u);
            EXPECT_EQ(m_effects.StealthOverlay().width, 1280);
            EXPECT_EQ(m_effects.StealthOverlay().height, 1024);
        } else {
            EXPECT_EQ(shown, c.invisible ? 0u : 1u);  // a visible local player shows its shield picture
        }
        m_particles.Clear();
        GUIQueue::GetInstance().Clear();
    }
}

// Several players with shields share the one emitter and picture: queued once, at the last of them.
TEST_F(RuneEffectsTest, SeveralShieldsShowOneEmitterAtTheLastPlayerAndALightEach) {
    NetworkPlayer local;
    std::vector<NetworkPlayer> others(2);
    others[0].shield = 1.0f;
    others[0].position = {2, 0, 2};
    others[1].shield = 1.0f;
    others[1].position = {-3, 0, 5};
    ClearCalls();
    m_effects.Render(1.0f / 60.0f, local, others, nullptr, m_screen, &m_particles);
    EXPECT_EQ(Calls("AddNewPointLight").size(), 2u);
    EXPECT_EQ(m_particles.EmitterCount(), 1u);
    EXPECT_EQ(GUIQueue::GetInstance().ElementCount(), 1u);
    ASSERT_NE(m_effects.ShieldEmitter(), nullptr);
    EXPECT_EQ(m_effects.ShieldEmitter()->GetPosition(), glm::vec3(-3, 1.5f, 5));
}

}  // namespace
}  // namespace ombrin::test
