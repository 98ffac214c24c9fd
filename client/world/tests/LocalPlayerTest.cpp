// The local player as the keyboard, the mouse and the server drive it: walking by the keys (diagonals,
// opposite keys, backwards, sticky traps), the dash the server starts (arrival, a blocked end, a target on
// the player), reports the server never refuses at any frame rate, firing with the global cooldown and the
// smart-cast mode, the refusal text, death, respawn and a new round.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <glm/geometric.hpp>

#include "client/world/tests/PlayerFixture.h"

namespace ombrin::test {
namespace {

using protocol::AbilityId;

constexpr double kFrame = 0.01;

std::int32_t Id(AbilityId id) {
    return static_cast<std::int32_t>(id);
}

bool AllFinite(const Player& player) {
    for (const glm::mat4& matrix : player.GetAnimation().GetJointMatrices()) {
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 4; ++r) {
                if (!std::isfinite(matrix[c][r])) {
                    return false;
                }
            }
        }
    }
    const glm::vec3& at = player.GetPosition();
    return std::isfinite(at.x) && std::isfinite(at.y) && std::isfinite(at.z);
}

PlayerInput Released(KeyInput PlayerInput::*key) {
    PlayerInput input;
    (input.*key).released = true;
    return input;
}

class LocalPlayerTest : public PlayerFixture {
protected:
    // Frames with the pose moved on each frame, as the shadow pass does.
    void DrawnFrames(double seconds, const PlayerInput& input) {
        for (long frame = 0; frame < std::lround(seconds / kFrame); ++frame) {
            Frame(kFrame, input);
            players.RenderShadowDepth();
        }
    }
};

TEST_F(LocalPlayerTest, TheWalkingKeysMoveAlongTheirUnitVectorOrStand) {
    struct Case {
        const char* keys;
        PlayerInput input;
        glm::vec3 afterOneSecond;  // the Katana ninja walks 10 units a second, facing +z
    };
    const float d = 10.0f * 0.70710678f;
    const Case cases[] = {
        {"W", Holding({&PlayerInput::w}), {0, 0, 10}},
        {"W+D", Holding({&PlayerInput::w, &PlayerInput::d}), {d, 0, d}},
        {"A+S", Holding({&PlayerInput::a, &PlayerInput::s}), {-d * 0.85f, 0, -d * 0.85f}},
        {"W+S+D", Holding({&PlayerInput::w, &PlayerInput::s, &PlayerInput::d}), {10, 0, 0}},
        // Opposite keys cancel out: the player stands, and no broken direction reaches the pose or a report.
        {"W+S", Holding({&PlayerInput::w, &PlayerInput::s}), {0, 0, 0}},
        {"A+D", Holding({&PlayerInput::a, &PlayerInput::d}), {0, 0, 0}},
        {"W+A+S+D", Holding({&PlayerInput::w, &PlayerInput::a, &PlayerInput::s, &PlayerInput::d}), {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        JoinAs(kKatana, {0, 0, 0});
        DrawnFrames(1.0, c.input);
        const glm::vec3 at = Local().GetPosition();
        EXPECT_NEAR(at.x, c.afterOneSecond.x, 0.01f);
        EXPECT_NEAR(at.z, c.afterOneSecond.z, 0.01f);
        EXPECT_TRUE(AllFinite(Local()));
        const bool walks = glm::length(c.afterOneSecond) > 0.0f;
        EXPECT_EQ(Local().IsWalking(), walks);
        EXPECT_EQ(SentPositions().empty(), !walks);
        for (const protocol::Vec3& sent : SentPositions()) {
            ASSERT_TRUE(std::isfinite(sent.x + sent.y + sent.z));
        }
    }
}

TEST_F(LocalPlayerTest, WalkingAwayFromTheAimIsSlowerAndAStickyTrapHalvesTheSpeedAgain) {
    struct Case {
        const char* name;
        PlayerInput input;
        bool trapped;
        float speed;
    };
    const Case cases[] = {
        {"towards the aim", Holding({&PlayerInput::w}), false, 10.0f},
        {"sideways", Holding({&PlayerInput::d}), false, 10.0f},
        {"straight away", Holding({&PlayerInput::s}), false, 8.5f},
        {"away at a slant", Holding({&PlayerInput::s, &PlayerInput::d}), false, 8.5f},
        {"towards it in a trap", Holding({&PlayerInput::w}), true, 5.0f},
        {"away in a trap", Holding({&PlayerInput::s}), true, 4.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JoinAs(kKatana, {0, 0, 0});
        players.SetLocalFacing({0, 0, 1});
        traps.traps.clear();
        if (c.trapped) {
            traps.traps.push_back(CollisionSphere{{0, 0, 0}, 20.0f});
        }
        Frames(0.5, kFrame, c.input);
        EXPECT_NEAR(glm::length(Local().GetPosition()), c.speed * 0.5f, 0.01f);
        EXPECT_FLOAT_EQ(Local().GetSpeed(), c.speed);
    }
}

TEST_F(LocalPlayerTest, ADashRunsAtEightTimesTheSpeedToItsTargetWithItsTrail) {
    JoinAs(kKatana, {0, 0, 0});
    Receive(protocol::DashTargetMessage{{0, 0, 8}});
    Frame(kFrame);
    EXPECT_TRUE(Local().IsDashing());
    EXPECT_TRUE(Local().IsDashTrailOn());
    EXPECT_NEAR(Local().GetPosition().z, 0.8f, 1e-4f);
    Frames(0.09, kFrame);
    EXPECT_NEAR(Local().GetPosition().z, 8.0f, 1e-4f);
    EXPECT_FALSE(Local().IsDashing());
    EXPECT_FALSE(Local().IsDashTrailOn());
    EXPECT_EQ(SentAnimations(), (std::vector<std::int32_t>{5}));
}

TEST_F(LocalPlayerTest, ADashThatCannotGoStopsAtOnceAndSaysSo) {
    struct Case {
        const char* name;
        glm::vec3 target;
    };
    // The box stands over the ground from z = 5 to z = 7.
    const Case cases[] = {{"its end inside a box", {0, 0, 6}}, {"its target on the player", {0, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CollisionOBB box = MakeCollisionOBB({0, 1, 6}, {1, 1, 1}, {0, 0, 0, 1});
        obstacles.SetLevelBoxes(std::span<const CollisionOBB>(&box, 1));
        JoinAs(kKatana, {0, 0, 0});
        Receive(protocol::DashTargetMessage{{c.target.x, c.target.y, c.target.z}});
        Frame(kFrame);
        players.RenderShadowDepth();
        EXPECT_FALSE(Local().IsDashing());
        EXPECT_FALSE(Local().IsDashTrailOn());
        EXPECT_EQ(Local().GetPosition(), glm::vec3(0, 0, 0));
        EXPECT_TRUE(AllFinite(Local()));
        EXPECT_EQ(SentAnimations(), (std::vector<std::int32_t>{5}));
        Frames(0.2, kFrame);
        EXPECT_TRUE(SentPositions().empty());
    }
}

// The server refuses a report more than 5 units on an axis from the last it accepted. A dash covers 0.8
// units a centisecond; the connection reports every 0.04 s, or every frame when frames are longer.
TEST_F(LocalPlayerTest, ReportsOfADashAndAWalkAreNeverRefusedAtAnyFrameRate) {
    const double frameTimes[] = {1.0 / 144.0, 0.025, 0.039, 0.0625, 0.1, 0.25};
    for (const double frameTime : frameTimes) {
        SCOPED_TRACE(frameTime);
        JoinAs(kKatana, {0, 0, 0});
        ServerCheck server(network.LocalPosition());
        Receive(protocol::DashTargetMessage{{0, 0, 24}});
        Frames(0.5, frameTime);
        EXPECT_NEAR(Local().GetPosition().z, 24.0f, 1e-3f);
        Frames(1.0, frameTime, Holding({&PlayerInput::d}));
        Frames(0.5, frameTime);

        server.Take(SentPositions());
        EXPECT_EQ(server.refused, 0);
        const glm::vec3 at = Local().GetPosition();
        EXPECT_EQ(server.accepted, (protocol::Vec3{at.x, at.y, at.z}))
            << "the server ends where the player is";
    }
}

TEST_F(LocalPlayerTest, WithSmartCastAHeldButtonFiresEachTimeTheAbilityAndTheGlobalCooldownAllow) {
    JoinAs(kKatana, {0, 0, 0});
    PlayerInput melee = Holding({&PlayerInput::leftButton});
    melee.smartCast = true;
    std::vector<double> uses;
    double time = 0.0;
    for (int frame = 0; frame < 215; ++frame, time += kFrame) {
        const std::size_t before = SentUses().size();
        Frame(kFrame, melee);
        if (SentUses().size() > before) {
            uses.push_back(time);
            EXPECT_NEAR(Local().GetGlobalCooldown(), 0.4, 1e-9);
        }
    }
    // The swing cools for 0.7 s: longer than the global cooldown.
    ASSERT_EQ(uses.size(), 4u);
    for (std::size_t i = 1; i < uses.size(); ++i) {
        EXPECT_NEAR(uses[i] - uses[i - 1], 0.7, 1.5 * kFrame);
    }
    for (const protocol::UseAbilityRequest& use : SentUses()) {
        EXPECT_EQ(use.ability, Id(AbilityId::MeleeSwing));
    }
    EXPECT_EQ(SentAnimations(), (std::vector<std::int32_t>{0, 0, 0, 0}));

    // Switching to the shuriken at once waits for the global cooldown of the last swing.
    Frames(1.0, kFrame);
    peer.ClearSent();
    PlayerInput ranged = Holding({&PlayerInput::rightButton});
    ranged.smartCast = true;
    Frame(kFrame, melee);
    ASSERT_EQ(SentUses().size(), 1u);
    int framesToThrow = 0;
    while (SentUses().size() == 1u && framesToThrow < 100) {
        Frame(kFrame, ranged);
        ++framesToThrow;
    }
    EXPECT_EQ(SentUses().back().ability, Id(AbilityId::ShurikenAbility));
    EXPECT_NEAR(framesToThrow * kFrame, 0.4, 1.5 * kFrame);
    EXPECT_EQ(SentAnimations().back(), 1);
}

TEST_F(LocalPlayerTest, EachKeyFiresItsAbilityWithItsAnimation) {
    struct Case {
        KeyInput PlayerInput::*key;
        int character;
        AbilityId ability;
        std::int32_t animation;
    };
    const Case cases[] = {
        {&PlayerInput::leftButton, kTessen, AbilityId::FanMelee, 0},
        {&PlayerInput::rightButton, kNaginata, AbilityId::KunaiAbility, 1},
        {&PlayerInput::q, kNaginata, AbilityId::NaginataStab, 2},
        {&PlayerInput::e, kKatana, AbilityId::MegaShuriken, 3},
        // The tool of the roster entry is 0: the caltrops.
        {&PlayerInput::r, kTessen, AbilityId::SpikeAbility, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Id(c.ability));
        JoinAs(c.character, {0, 0, 0});
        // Without smart cast an ability fires when its key is let go.
        Frame(kFrame, Holding({c.key}));
        EXPECT_TRUE(SentUses().empty());
        Frame(kFrame, Released(c.key));
        ASSERT_EQ(SentUses().size(), 1u);
        EXPECT_EQ(SentUses()[0].ability, Id(c.ability));
        EXPECT_EQ(SentAnimations(), (std::vector<std::int32_t>{c.animation}));
        EXPECT_EQ(Local().GetAnimation().GetAction(), c.animation);
    }
}

TEST_F(LocalPlayerTest, ACoolingMeleeOrAnEmptyRangedAbilitySaysItCannotBeUsed) {
    JoinAs(kKatana, {0, 0, 0});
    Frame(kFrame, Released(&PlayerInput::leftButton));
    ASSERT_EQ(SentUses().size(), 1u);
    Frames(0.5, kFrame);
    Frame(kFrame, Released(&PlayerInput::leftButton));
    EXPECT_EQ(SentUses().size(), 1u);
    EXPECT_EQ(Local().Texts().PopupTexts(), (std::vector<std::string>{FloatingTexts::kCantUseText}));

    // Three shurikens, 0.4 s apart at the least; the fourth finds no charge.
    for (int i = 0; i < 3; ++i) {
        Frames(0.5, kFrame);
        Frame(kFrame, Released(&PlayerInput::rightButton));
    }
    EXPECT_EQ(SentUses().size(), 4u);
    const int refusals = Local().RefusalCount();
    Frames(0.5, kFrame);
    Frame(kFrame, Released(&PlayerInput::rightButton));
    EXPECT_EQ(SentUses().size(), 4u);
    EXPECT_EQ(Local().RefusalCount(), refusals + 1);
}

TEST_F(LocalPlayerTest, TheAimReachesTheMouseOrTheFirstWallOnTheWay) {
    const CollisionOBB wall = MakeCollisionOBB({0, 0, 10}, {20, 1, 0.5f}, {0, 0, 0, 1});
    obstacles.SetLevelBoxes(std::span<const CollisionOBB>(&wall, 1));
    JoinAs(kKatana, {0, 0, 0});
    struct Case {
        GroundPoint mouse;
        float distance;
    };
    const Case cases[] = {{{3, 4}, 5.0f}, {{6, 20}, 9.5f * std::sqrt(1.0f + 0.09f)}};
    for (const Case& c : cases) {
        PlayerInput input;
        input.mouseGround = c.mouse;
        Frame(kFrame, input);
        EXPECT_NEAR(Local().GetAimDistance(), c.distance, 0.01f);
    }
}

TEST_F(LocalPlayerTest, ADeadPlayerNeitherMovesNorFiresAndARespawnPlacesIt) {
    JoinAs(kKatana, {0, 0, 0});
    Receive(protocol::PlayerHealthMessage{Me(), 0.0f, false});
    PlayerInput everything = Holding({&PlayerInput::w, &PlayerInput::leftButton});
    everything.smartCast = true;
    Frames(0.5, kFrame, everything);
    EXPECT_FALSE(Local().IsAlive());
    EXPECT_FALSE(Local().GetAnimation().IsAlive());
    EXPECT_EQ(Local().GetPosition(), glm::vec3(0, 0, 0));
    EXPECT_TRUE(SentUses().empty());

    Receive(protocol::RespawnPositionMessage{{30, 0, -20}});
    Receive(protocol::PlayerHealthMessage{Me(), 100.0f, true});
    Frame(kFrame);
    EXPECT_EQ(Local().GetPosition(), glm::vec3(30, 0, -20));
    EXPECT_TRUE(Local().GetAnimation().IsAlive());
    ServerCheck server({30, 0, -20});
    Frames(1.0, 0.1, Holding({&PlayerInput::w}));
    Frame(0.1);
    server.Take(SentPositions());
    EXPECT_EQ(server.refused, 0);
    EXPECT_NEAR(server.accepted.z, -10.0f, 0.01f);
}

TEST_F(LocalPlayerTest, ARefusedReportPutsThePlayerBackWhereTheServerHasIt) {
    JoinAs(kKatana, {0, 0, 0});
    Frames(0.5, kFrame, Holding({&PlayerInput::w}));
    peer.Deliver(protocol::EncodePositionUpdate(0, 1.0f, 2.0f, 0.0f, 1.0f), kServerGuid);
    Receive(protocol::PositionRejectedMessage{});
    Frame(kFrame);
    EXPECT_NEAR(Local().GetPosition().x, 1.0f, 0.01f);
    EXPECT_NEAR(Local().GetPosition().z, 2.0f, 0.01f);
    Frames(0.05, kFrame);
    EXPECT_NEAR(SentPositions().back().z, 2.0f, 0.01f) << "the next report goes on from there";
}

TEST_F(LocalPlayerTest, TheFootstepsRunOnlyWhileThePlayerWalks) {
    RecordingSoundSystem sound;
    players.SetSoundSystem(&sound);
    JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kTessen, {5, 0, 5})});
    ASSERT_EQ(sound.LiveAmbients().size(), 1u) << "the others never walk by the keys";
    ASSERT_TRUE(sound.sounds.front().ambient);
    const RecordingSoundSystem::Sound& steps = sound.sounds.front();
    EXPECT_EQ(steps.number, 25);
    EXPECT_EQ(steps.owner, &Local());
    EXPECT_TRUE(steps.Paused());

    Frames(0.5, kFrame, Holding({&PlayerInput::w}));
    EXPECT_FALSE(steps.Paused());
    EXPECT_NEAR(steps.position.z, 5.0f, 1e-3f);
    Frame(kFrame);
    EXPECT_TRUE(steps.Paused());
    Frame(kFrame, Holding({&PlayerInput::w}));
    Receive(protocol::PlayerHealthMessage{Me(), 0.0f, false});
    Frame(kFrame, Holding({&PlayerInput::w}));
    EXPECT_TRUE(steps.Paused()) << "the dead do not walk";

    players.Shutdown();
    EXPECT_TRUE(steps.Stopped());
    players.SetSoundSystem(nullptr);
}

TEST_F(LocalPlayerTest, ANewRoundMakesEveryAbilityReady) {
    JoinAs(kKatana, {0, 0, 0});
    Frame(kFrame, Released(&PlayerInput::e));
    ASSERT_GT(Local().GetAbility(AbilitySlotIndex::E).GetCooldown(), 4.0);
    Receive(protocol::RoundStartedMessage{});
    Frame(kFrame);
    EXPECT_LE(Local().GetAbility(AbilitySlotIndex::E).GetCooldown(), 0.0);
}

}  // namespace
}  // namespace ombrin::test
