// The match's entities as the world shows them on the null engine, fed through a connection over a
// recording peer: each object made once from its list, the projectile kinds, a new round clearing the arena,
// the thrown traps' landings and what they leave behind, and the fans' way back.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "RecordingPeer.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/ObjectManager.h"
#include "client/world/effects/MatchEntities.h"
#include "client/world/tests/ObjectFixture.h"
#include "protocol/ServerMessages.h"
#include "raknet/MessageIdentifiers.h"

namespace ombrin::test {
namespace {

const RakNet::RakNetGUID kServer{0x5E4E4E4E00000001ull};
const RakNet::RakNetGUID kOwner{0x0000000000000A11ull};

class MatchEntitiesTest : public ObjectFixture {
protected:
    void SetUp() override {
        ObjectFixture::SetUp();
        ASSERT_TRUE(m_network.Initialize(&m_peer));
        m_peer.Deliver(std::vector<unsigned char>{RakNet::ID_CONNECTION_REQUEST_ACCEPTED}, kServer);
        m_network.Update(0.0);
        ASSERT_TRUE(m_network.connected);
        m_entities.SetNetwork(&m_network);
    }
    void TearDown() override {
        m_entities.Clear();
        m_network.Shutdown();
        ObjectFixture::TearDown();
    }

    template <typename Message>
    void Receive(const Message& message) {
        m_peer.Deliver(message, kServer);
        m_network.Update(0.0);
    }
    // Frames of dt until the time has passed.
    void Run(float seconds, float dt = 1.0f / 60.0f) {
        for (float t = 0.0f; t < seconds; t += dt) {
            m_entities.Update(dt);
        }
    }

    static protocol::ShurikenAddMessage Shuriken(int id) {
        protocol::ShurikenAddMessage add;
        add.shurikenId = id;
        add.start = {1.0f, 1.0f, 2.0f};
        add.direction = {1.0f, 0.0f, 0.0f};
        add.speed = 40.0f;
        add.owner = kOwner;
        return add;
    }
    static protocol::ProjectileAddMessage Projectile(int id, int kind) {
        protocol::ProjectileAddMessage add;
        add.projectileId = id;
        add.kind = kind;
        add.start = {0.0f, 1.0f, 0.0f};
        add.direction = {0.0f, 0.0f, 1.0f};
        add.speed = 99.0f;
        add.owner = kOwner;
        return add;
    }
    static protocol::FanAddMessage Fan(int id) {
        protocol::FanAddMessage add;
        add.fanId = id;
        add.start = {0.0f, 1.0f, 0.0f};
        add.direction = {1.0f, 0.0f, 0.0f};
        add.speed = 10.0f;
        add.owner = kOwner;
        return add;
    }

    RecordingPeer m_peer;
    ClientNetwork m_network;
    MatchEntities m_entities{7};
};

TEST_F(MatchEntitiesTest, AShurikenIsMadeOnceHoweverOftenItsListChangesAndGoesWithItsRemove) {
    Receive(Shuriken(7));
    m_entities.Update(0.0f);
    Receive(Shuriken(8));
    Receive(Shuriken(7));
    m_entities.Update(0.0f);
    Receive(protocol::ShurikenRemoveMessage{8});
    m_entities.Update(0.0f);

    ASSERT_EQ(m_entities.GetShurikens().size(), 1u);
    const auto& shuriken = *m_entities.GetShurikens()[0].entity;
    EXPECT_EQ(shuriken.GetId(), 7);
    EXPECT_NE(m_entities.GetShurikens()[0].trail, nullptr);

    m_entities.Update(0.5f);
    EXPECT_FLOAT_EQ(shuriken.GetPosition().x, 1.0f + 40.0f * 0.5f);
    EXPECT_FLOAT_EQ(shuriken.GetRotation().y, 15.7f * 0.5f);

    Receive(protocol::ShurikenRemoveMessage{7});
    m_entities.Update(0.0f);
    EXPECT_TRUE(m_entities.GetShurikens().empty());
}

// The kind, not the message, fixes the speed; a spinning kind turns, the others face along their flight.
TEST_F(MatchEntitiesTest, ProjectileKindsFixModelSpeedAndSpinAndUnknownKindsAreIgnored) {
    struct Case {
        int kind;
        const char* model;
        float speed;
        float yawAfterHalfSecond;
    };
    const Case cases[] = {
        {0, "../Ombrin/Models/shurikenShape.ZMD", 40.0f, 15.7f * 0.5f},
        {1, "../Ombrin/Models/MegaShuriken_Shape.ZMD", 25.0f, 0.0f},
        {2, "../Ombrin/Models/KunaiShape.ZMD", 50.0f, 0.0f},
    };
    for (const Case& c : cases) {
        m_network.projectiles.Add(Projectile(c.kind + 1, c.kind));
    }
    m_network.projectiles.Add(Projectile(10, 5));
    m_network.projectiles.Add(Projectile(11, -1));
    m_entities.Update(0.0f);
    m_entities.Update(0.5f);

    ASSERT_EQ(m_entities.GetProjectiles().size(), 3u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const auto& projectile = *m_entities.GetProjectiles()[static_cast<std::size_t>(c.kind)].entity;
        EXPECT_EQ(projectile.GetModelPath(), c.model);
        EXPECT_FLOAT_EQ(projectile.GetPosition().z, c.speed * 0.5f);
        EXPECT_FLOAT_EQ(projectile.GetRotation().y, c.yawAfterHalfSecond);
    }

    Receive(protocol::ProjectileRemoveMessage{2});
    m_entities.Update(0.0f);
    ASSERT_EQ(m_entities.GetProjectiles().size(), 2u);
    EXPECT_EQ(m_entities.GetProjectiles()[1].entity->GetKind(), 2);
}

TEST_F(MatchEntitiesTest, ANewRoundRemovesEveryEntity) {
    Receive(Shuriken(1));
    Receive(Projectile(2, 2));
    Receive(Fan(3));
    Receive(protocol::VolleyAddMessage{4, {0.0f, 0.0f}, {10.0f, 0.0f}, kOwner});
    Receive(protocol::SmokeBombAddMessage{5, {0.0f, 0.0f}, {10.0f, 0.0f}, 4.0f});
    Receive(protocol::SpikeTrapAddMessage{6, {0.0f, 0.0f}, {5.0f, 0.0f}, 20.0f, kOwner, kRedTeam});
    Receive(protocol::StickyTrapAddMessage{7, {0.0f, 0.0f}, {5.0f, 0.0f}, 20.0f, kOwner});
    Run(1.0f);
    ASSERT_EQ(m_entities.GetShurikens().size(), 1u);
    ASSERT_EQ(m_entities.GetProjectiles().size(), 1u);
    ASSERT_EQ(m_entities.GetFans().size(), 1u);
    ASSERT_EQ(m_entities.GetVolleys().size(), 1u);
    ASSERT_EQ(m_entities.GetVolleys()[0].kunai.size(), 9u);
    ASSERT_EQ(m_entities.GetSmokeBombs().size(), 1u);
    ASSERT_EQ(m_entities.GetCaltropFields().size(), 1u);
    ASSERT_EQ(m_entities.GetStickyTraps().size(), 1u);
    ASSERT_EQ(m_entities.LandedStickyTraps().size(), 1u);

    Receive(protocol::RoundStartedMessage{});
    m_entities.Update(1.0f / 60.0f);
    EXPECT_TRUE(m_entities.GetShurikens().empty());
    EXPECT_TRUE(m_entities.GetProjectiles().empty());
    EXPECT_TRUE(m_entities.GetFans().empty());
    EXPECT_TRUE(m_entities.GetVolleys().empty());
    EXPECT_TRUE(m_entities.GetSmokeBombs().empty());
    EXPECT_TRUE(m_entities.GetCaltropFields().empty());
    EXPECT_TRUE(m_entities.GetStickyTraps().empty());
    EXPECT_TRUE(m_entities.LandedStickyTraps().empty());
}

TEST_F(MatchEntitiesTest, AVolleyIsRemovedOnceItsKunaiHaveRested) {
    Receive(protocol::VolleyAddMessage{4, {0.0f, 0.0f}, {10.0f, 0.0f}, kOwner});
    m_entities.Update(0.0f);
    Run(VolleyFlight::kFlightTime + 0.1f);
    ASSERT_EQ(m_entities.GetVolleys().size(), 1u);
    const auto& kunai = m_entities.GetVolleys()[0].kunai;
    EXPECT_FLOAT_EQ(kunai[0]->GetPosition().x, 10.0f);
    EXPECT_FLOAT_EQ(kunai[0]->GetPosition().y, VolleyFlight::kRestHeight);
    Run(VolleyFlight::kRestTime);
    EXPECT_TRUE(m_entities.GetVolleys().empty());
}

// r mod 4 picks the puddle: the third model for 2 and 3, half of all values.
TEST(StickyTrapPuddle, ModelAndTurnFollowTheRandomNumbers) {
    const char* first = "../Ombrin/Models/StickyTrap1Shape.ZMD";
    const char* second = "../Ombrin/Models/StickyTrap2Shape.ZMD";
    const char* third = "../Ombrin/Models/StickyTrap3Shape.ZMD";
    const std::vector<std::pair<std::uint32_t, const char*>> cases = {
        {0, first}, {1, second}, {2, third}, {3, third}, {4, first}, {7, third}, {4294967295u, third}};
    for (const auto& [random, model] : cases) {
        EXPECT_STREQ(StickyTrap::PuddleModel(random), model) << random;
    }
    EXPECT_FLOAT_EQ(StickyTrap::PuddleTurn(13), 5.0f);
    EXPECT_FLOAT_EQ(StickyTrap::PuddleTurn(4294967295u), 7.0f);
}

// Ten units away: launch angle 0.0547 rad, on the ground after 2 v sin(angle) / g = 0.33 s.
TEST_F(MatchEntitiesTest, ASmokeBombLandsAfterAThirdOfASecondAndBlocksSightOnce) {
    Receive(protocol::SmokeBombAddMessage{5, {0.0f, 0.0f}, {10.0f, 0.0f}, 4.0f});
    m_entities.Update(0.0f);
    ASSERT_EQ(m_entities.GetSmokeBombs().size(), 1u);
    const SmokeBomb& bomb = *m_entities.GetSmokeBombs()[0];
    ClearCalls();

    const float dt = 1.0f / 120.0f;
    float landedAt = -1.0f;
    float peak = 0.0f;
    for (int frame = 1; frame <= 120 && landedAt < 0.0f; ++frame) {
        m_entities.Update(dt);
        peak = std::max(peak, bomb.GetCarrier().GetPosition().y);
        if (!bomb.InFlight()) {
            landedAt = static_cast<float>(frame) * dt;
        }
    }
    EXPECT_NEAR(landedAt, 0.33f, 0.02f);
    EXPECT_NEAR(peak, 4.0f, 0.3f);
    const auto blocks = Calls("SS_AddSmokeBomb");
    ASSERT_EQ(blocks.size(), 1u);
    ASSERT_EQ(blocks[0].values.size(), 3u);
    EXPECT_FLOAT_EQ(blocks[0].values[0], 10.0f);
    EXPECT_FLOAT_EQ(blocks[0].values[1], 0.0f);
    EXPECT_FLOAT_EQ(blocks[0].values[2], dt);

    // It smokes for four seconds and goes once its last particle has faded.
    Run(3.9f);
    EXPECT_TRUE(bomb.GetSmoke().IsEmitting());
    EXPECT_GT(bomb.GetSmoke().LiveCount(), 0);
    Run(60.0f);
    EXPECT_TRUE(m_entities.GetSmokeBombs().empty());
    EXPECT_EQ(Calls("SS_AddSmokeBomb").size(), 1u);
}

TEST_F(MatchEntitiesTest, ALandedStickyTrapIsOfferedToThePlayersUntilItsTimeIsUp) {
    ObjectManager manager;
    manager.SetNetwork(&m_network);
    Receive(protocol::StickyTrapAddMessage{7, {0.0f, 0.0f}, {5.0f, -3.0f}, 20.0f, kOwner});
    manager.Update(0.0);
    const StickyTrapField& field = manager.GetEntities();
    EXPECT_TRUE(field.LandedStickyTraps().empty());

    for (int frame = 0; frame < 60; ++frame) {
        manager.Update(1.0 / 60.0);
    }
    ASSERT_EQ(field.LandedStickyTraps().size(), 1u);
    EXPECT_EQ(field.LandedStickyTraps()[0], (CollisionSphere{Float3{5.0f, 0.0f, -3.0f}, 2.3f}));

    for (int frame = 0; frame < 20 * 60; ++frame) {
        manager.Update(1.0 / 60.0);
    }
    EXPECT_TRUE(field.LandedStickyTraps().empty());
    EXPECT_TRUE(manager.GetEntities().GetStickyTraps().empty());
}

// The manager's scene pass queues the flying shuriken's trail and, once the sticky trap is down, its bubbles
// (the jar's trail is gone with the landing).
TEST_F(MatchEntitiesTest, TheScenePassQueuesTrailsAndTheLandedTrapsParticles) {
    ObjectManager manager;
    TrailRenderer trails;
    ParticleRenderer particles;
    manager.SetNetwork(&m_network);
    manager.SetTrailRenderer(&trails);
    manager.SetParticleRenderer(&particles);
    Receive(Shuriken(1));
    Receive(protocol::StickyTrapAddMessage{7, {0.0f, 0.0f}, {5.0f, 0.0f}, 20.0f, kOwner});
    for (int frame = 0; frame < 6; ++frame) {
        manager.Update(1.0 / 60.0);
    }
    manager.Render();
    EXPECT_EQ(trails.QueuedCount(), 2u);
    EXPECT_EQ(particles.EmitterCount(), 0u);
    trails.Clear();

    for (int frame = 0; frame < 60; ++frame) {
        manager.Update(1.0 / 60.0);
    }
    manager.Render();
    EXPECT_EQ(trails.QueuedCount(), 1u);
    EXPECT_EQ(particles.EmitterCount(), 1u);
    trails.Clear();
    particles.Clear();
}

// Outward along +x to (5, 0); returning, towards its owner, or straight back along its line when the owner
// has left (no owner to turn towards).
TEST_F(MatchEntitiesTest, AReturningFanFliesToItsOwnerOrOnWhenTheOwnerLeft) {
    struct Case {
        const char* name;
        std::optional<glm::vec3> owner;
        float xAfterReturn;
        float zAfterReturn;
    };
    const Case cases[] = {
        {"owner beside the outward line", glm::vec3(5.0f, 0.0f, -10.0f), 5.0f, -2.5f},
        {"owner left", std::nullopt, 2.5f, 0.0f},
    };
    int id = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_entities.SetOwnerLookup([&c](const RakNet::RakNetGUID&) { return c.owner; });
        Receive(Fan(id));
        m_entities.Update(0.0f);
        m_entities.Update(0.5f);
        ASSERT_EQ(m_entities.GetFans().size(), 1u);
        const FanBoomerang& fan = *m_entities.GetFans()[0].entity;
        EXPECT_FLOAT_EQ(fan.GetPosition().x, 5.0f);

        Receive(protocol::FanReturningMessage{id, 0.0f});
        m_entities.Update(0.25f);
        EXPECT_FLOAT_EQ(fan.GetPosition().x, c.xAfterReturn);
        EXPECT_NEAR(fan.GetPosition().z, c.zAfterReturn, 1e-5f);
        EXPECT_FLOAT_EQ(fan.GetRotation().y, 15.7f * 0.75f);

        Receive(protocol::FanRemoveMessage{id});
        m_entities.Update(0.0f);
        EXPECT_TRUE(m_entities.GetFans().empty());
        ++id;
    }
}

}  // namespace
}  // namespace ombrin::test
