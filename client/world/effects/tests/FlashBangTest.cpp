// The flash bang on the null engine: whom an explosion blinds, the grenade's flight to its explosion, and
// the white screen's curve.
#include <gtest/gtest.h>

#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/CollisionManager.h"
#include "client/world/effects/FlashBangEffects.h"
#include "client/world/tests/ObjectFixture.h"

namespace ombrin::test {
namespace {

class FlashBangTest : public ObjectFixture {
protected:
    // Flies every grenade until it has exploded (at most 10 s of frames).
    void FlyOut(FlashBangEffects& effects, const FlashBangEffects::Viewer* viewer,
                const CollisionManager* collision = nullptr) {
        for (int frame = 0; frame < 600 && !HasExploded(effects); ++frame) {
            effects.Update(kFrame, viewer, collision);
        }
    }
    static bool HasExploded(const FlashBangEffects& effects) { return !effects.Explosions().empty(); }

    static constexpr float kFrame = 1.0f / 60.0f;
};

// The explosion is at (5, 0, 0) unless the case moves the player; a facing along +x looks at it.
TEST_F(FlashBangTest, AnExplosionBlindsByDistanceFacingAndWalls) {
    struct Case {
        const char* name;
        glm::vec3 player;
        glm::vec3 facing;
        bool wall;  // a tall wall across x = 2.5
        bool blinded;
    };
    const Case cases[] = {
        {"5 away, facing it", {0, 0, 0}, {1, 0, 0}, false, true},
        {"5 away, facing away", {0, 0, 0}, {-1, 0, 0}, false, false},
        {"5 away, side on", {0, 0, 0}, {0, 0, 1}, false, false},
        {"5 away, facing it behind a wall", {0, 0, 0}, {1, 0, 0}, true, false},
        {"3 away, facing away", {2, 0, 0}, {-1, 0, 0}, false, true},
        {"on top of it, no facing", {5, 0, 0}, {0, 0, 0}, false, true},
        {"7 away, facing it", {-2, 0, 0}, {1, 0, 0}, false, true},
        {"just beyond 7, facing it", {-2.01f, 0, 0}, {1, 0, 0}, false, false},
    };
    CollisionManager walled;
    walled.SetLevelBoxes(
        std::vector<CollisionOBB>{MakeCollisionOBB({2.5f, 2, 0}, {0.2f, 2, 5}, kNoRotation)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FlashBangEffects::Blinds(c.player, c.facing, {5, 0, 0}, c.wall ? &walled : nullptr),
                  c.blinded);
    }
}

TEST_F(FlashBangTest, AGrenadeFliesItsArcAndExplodesOnItsTargetBlindingTheViewerWhoFacesIt) {
    struct Case {
        const char* name;
        glm::vec3 facing;
        bool blinded;
    };
    const Case cases[] = {{"facing it", {1, 0, 0}, true}, {"facing away", {-1, 0, 0}, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlashBangEffects effects;
        effects.Throw(protocol::FlashBangMessage{{0, 0}, {5, 0}});
        ASSERT_EQ(effects.Grenades().size(), 1u);
        EXPECT_TRUE(effects.Grenades()[0]->trail != nullptr);

        effects.Update(kFrame, nullptr, nullptr);
        const glm::vec3 flying = effects.Grenades()[0]->body.GetPosition();
        EXPECT_GT(flying.x, 0.0f);
        EXPECT_GT(flying.y, 0.0f);
        EXPECT_FALSE(HasExploded(effects));

        const FlashBangEffects::Viewer viewer{{0, 0, 0}, c.facing};
        FlyOut(effects, &viewer);
        ASSERT_EQ(effects.Explosions().size(), 1u);
        const FlashBangEffects::Explosion& explosion = *effects.Explosions()[0];
        EXPECT_EQ(explosion.position, glm::vec3(5, 0, 0));
        ASSERT_NE(explosion.emitter, nullptr);
        EXPECT_EQ(explosion.emitter->GetType(), ParticleType::FlashBangParticles);
        EXPECT_TRUE(explosion.emitter->IsEmitting());
        EXPECT_EQ(effects.Flash().IsBlinding(), c.blinded);
    }
}

// A throw farther than the grenade's speed reaches, and one at the thrower's feet, still explode on their
// targets; grenade and explosion are gone once the trail has faded and the last particle died.
TEST_F(FlashBangTest, EveryThrowExplodesAndIsRemovedOnceSpent) {
    const protocol::FlashBangMessage throws[] = {{{0, 0}, {45, 0}}, {{3, 4}, {3, 4}}};
    for (const protocol::FlashBangMessage& message : throws) {
        SCOPED_TRACE(message.target.x);
        FlashBangEffects effects;
        effects.Throw(message);
        FlyOut(effects, nullptr);
        ASSERT_EQ(effects.Explosions().size(), 1u);
        EXPECT_EQ(effects.Explosions()[0]->position, glm::vec3(message.target.x, 0, message.target.z));
        for (int frame = 0; frame < 600; ++frame) {
            effects.Update(kFrame, nullptr, nullptr);
        }
        EXPECT_TRUE(effects.Grenades().empty());
        EXPECT_TRUE(effects.Explosions().empty());
    }
}

TEST_F(FlashBangTest, TheWhiteScreenRisesHoldsAndFades) {
    struct Point {
        float time;
        float opacity;
        bool blinding;
    };
    // Full after 1 / 7.5 s, held 0.7 s (to about 0.84 s), then 0.4 per second down to 0 by about 3.34 s.
    const Point points[] = {{0.06f, 0.45f, true}, {0.5f, 1.0f, true},   {0.82f, 1.0f, true},
                            {1.84f, 0.6f, true},  {3.0f, 0.136f, true}, {3.5f, 0.0f, false}};
    FlashBangFlash flash;
    EXPECT_FALSE(flash.IsBlinding());
    flash.Blind();
    const float step = 0.005f;
    float time = 0.0f;
    for (const Point& point : points) {
        SCOPED_TRACE(point.time);
        while (time + step / 2 < point.time) {
            flash.Update(step);
            time += step;
        }
        EXPECT_NEAR(flash.Opacity(), point.opacity, 0.01f);
        EXPECT_EQ(flash.IsBlinding(), point.blinding);
    }
}

TEST_F(FlashBangTest, TheWhiteScreenCoversTheWindowOnlyWhileItShows) {
    FlashBangEffects effects;
    effects.Flash().Render(1280, 1024);
    EXPECT_EQ(GUIQueue::GetInstance().ElementCount(), 0u);

    effects.Flash().Blind();
    effects.Update(0.05f, nullptr, nullptr);
    effects.Flash().Render(1280, 1024);
    ASSERT_EQ(GUIQueue::GetInstance().ElementCount(), 1u);
    const GUIElement& screen = effects.Flash().Element();
    EXPECT_EQ(screen.width, 1280);
    EXPECT_EQ(screen.height, 1024);
    EXPECT_EQ(screen.x, 0);
    EXPECT_EQ(screen.y, 0);
    EXPECT_NEAR(screen.opacity, 0.375f, 1e-5f);
    GUIQueue::GetInstance().Clear();

    effects.Clear();
    EXPECT_FALSE(effects.Flash().IsBlinding());
    EXPECT_EQ(effects.Flash().Opacity(), 0.0f);
}

}  // namespace
}  // namespace ombrin::test
