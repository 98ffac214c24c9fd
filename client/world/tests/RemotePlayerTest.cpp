// Remote players as the server's records drive them: the glide to each reported position, players matched to
// their records by guid when the roster changes, health numbers and the hit burst, death and revival, the
// animations and dash trails the others start, their running clips, and the lobby's scene of a running
// match. Then the passes: which players are drawn, outlined, lit and named how.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "Lumagrid/GE.h"
#include "client/ui/ParticleEmitter.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/tests/PlayerFixture.h"

namespace ombrin::test {
namespace {

using protocol::PlayerListEntry;
using protocol::Vec3;

constexpr double kFrame = 0.01;

std::vector<Lumaspace::RecordedCall> Calls(const std::string& operation) {
    std::vector<Lumaspace::RecordedCall> calls;
    for (const Lumaspace::RecordedCall& call : Lumaspace::GE::GetInstance()->GetRecordedCalls()) {
        if (call.operation == operation) {
            calls.push_back(call);
        }
    }
    return calls;
}

// The x and z of the world matrix a draw call carries (after the buffer and the vertex count).
glm::vec2 DrawnAt(const Lumaspace::RecordedCall& call) {
    return {call.values[2 + 12], call.values[2 + 14]};
}

glm::vec4 LastColour(const Lumaspace::RecordedCall& call) {
    const std::size_t n = call.values.size();
    return {call.values[n - 4], call.values[n - 3], call.values[n - 2], call.values[n - 1]};
}

// A camera at the origin looking along +z with a 90 degree view both ways.
ViewFrustum LookingAlongZ() {
    const glm::mat4 view =
        glm::lookAtLH(glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::mat4 projection = glm::perspectiveLH_ZO(glm::radians(90.0f), 1.0f, 0.1f, 1000.0f);
    return ViewFrustum::FromCamera(view, projection);
}

class RemotePlayerTest : public PlayerFixture {
protected:
    Player& Other() { return *players.FindPlayer(kOtherGuid); }
    void MoveOther(const glm::vec3& to) {
        Receive(protocol::PlayerPositionRelay{kOtherGuid, {to.x, to.y, to.z}});
    }
};

TEST_F(RemotePlayerTest, ARemotePlayerReachesEachReportedPositionInATenthOfASecond) {
    const double frameTimes[] = {1.0 / 144.0, 1.0 / 60.0, 0.025};
    for (const double frameTime : frameTimes) {
        SCOPED_TRACE(frameTime);
        JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kTessen, {0, 0, 0})});
        MoveOther({2, 0, 0});
        const long frames = static_cast<long>(std::ceil(0.1 / frameTime - 1e-9));
        for (long frame = 1; frame <= frames; ++frame) {
            Frame(frameTime);
            const float expected = std::min(2.0f, static_cast<float>(20.0 * frameTime * frame));
            ASSERT_NEAR(Other().GetPosition().x, expected, 1e-3f) << "frame " << frame;
        }
        EXPECT_EQ(Other().GetPosition(), glm::vec3(2, 0, 0));
        // The same report again does not start another glide; a new one glides from where the player is.
        MoveOther({2, 0, 0});
        Frame(frameTime);
        EXPECT_EQ(Other().GetPosition(), glm::vec3(2, 0, 0));
        MoveOther({2, 0, -1});
        Frames(0.11, frameTime);
        EXPECT_EQ(Other().GetPosition(), glm::vec3(2, 0, -1));
    }
}

// A player who chose another ninja is made again and comes after the others, while the records keep their
// order: only the guid says which record drives which ninja.
TEST_F(RemotePlayerTest, RecordsDriveTheNinjaOfTheirGuidWhateverTheOrder) {
    JoinAs(kKatana, {0, 0, 0},
           {Entry(kOtherGuid, 1, kBlueTeam, kKatana, {10, 0, 0}),
            Entry(kThirdGuid, 2, kBlueTeam, kNaginata, {-10, 0, 0})});
    Receive(protocol::PlayerListMessage{{Entry(Me(), 0, kRedTeam, kKatana, {0, 0, 0}),
                                         Entry(kOtherGuid, 1, kBlueTeam, kTessen, {10, 0, 0}),
                                         Entry(kThirdGuid, 2, kBlueTeam, kNaginata, {-10, 0, 0})}});
    Frame(kFrame);
    ASSERT_EQ(players.GetRemotePlayers().size(), 2u);
    EXPECT_EQ(players.GetRemotePlayers()[0]->Guid(), kThirdGuid);
    EXPECT_EQ(players.GetRemotePlayers()[1]->Guid(), kOtherGuid);

    Receive(protocol::PlayerPositionRelay{kOtherGuid, {12, 0, 0}});
    Receive(protocol::PlayerPositionRelay{kThirdGuid, {-12, 0, 0}});
    Receive(protocol::PlayerHealthMessage{kOtherGuid, 40.0f, true});
    Frames(0.2, kFrame);
    const Player& other = *players.FindPlayer(kOtherGuid);
    const Player& third = *players.FindPlayer(kThirdGuid);
    EXPECT_STREQ(other.Kind().className, "TessenNinja");
    EXPECT_EQ(other.GetPosition(), glm::vec3(12, 0, 0));
    EXPECT_EQ(other.GetHealth(), 40.0f);
    EXPECT_STREQ(third.Kind().className, "NaginataNinja");
    EXPECT_EQ(third.GetPosition(), glm::vec3(-12, 0, 0));
    EXPECT_EQ(third.GetHealth(), 100.0f);

    // A player who leaves takes only its own ninja.
    Receive(protocol::PlayerListMessage{{Entry(Me(), 0, kRedTeam, kKatana, {0, 0, 0}),
                                         Entry(kThirdGuid, 2, kBlueTeam, kNaginata, {-12, 0, 0})}});
    Frame(kFrame);
    ASSERT_EQ(players.GetRemotePlayers().size(), 1u);
    EXPECT_EQ(players.FindPlayer(kOtherGuid), nullptr);
    EXPECT_EQ(players.FindPlayer(kThirdGuid)->GetPosition(), glm::vec3(-12, 0, 0));
}

TEST_F(RemotePlayerTest, HealthChangesShowTheirNumbersAndAHitBurstsBlood) {
    JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kTessen, {3, 0, 3})});
    struct Step {
        float health;
        std::vector<std::string> popups;
        std::vector<std::uint32_t> colours;
        float kept;
        bool bursts;
    };
    const Step steps[] = {
        {80.0f, {"20"}, {FloatingTexts::kDamageColour}, 80.0f, true},
        {92.5f, {"12.5"}, {FloatingTexts::kHealColour}, 92.5f, false},
        // Health below 0 is kept as 0; the damage shown is what was left.
        {-8.0f, {"92.5"}, {FloatingTexts::kDamageColour}, 0.0f, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.health);
        Frames(1.1, kFrame);  // the earlier numbers have gone
        Receive(protocol::PlayerHealthMessage{kOtherGuid, step.health, true});
        Frame(kFrame);
        EXPECT_EQ(Other().Texts().PopupTexts(), step.popups);
        EXPECT_EQ(Other().Texts().PopupColours(), step.colours);
        EXPECT_EQ(Other().GetHealth(), step.kept);
        ASSERT_NE(Other().GetHitEmitter(), nullptr);
        EXPECT_EQ(Other().GetHitEmitter()->IsEmitting(), step.bursts);
        Frames(0.5, kFrame);
        EXPECT_FALSE(Other().GetHitEmitter()->IsEmitting()) << "the burst lasts half a second";
    }
}

TEST_F(RemotePlayerTest, DeathPlaysTheDeathClipsAndRevivalTheStandingOnes) {
    JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kNaginata, {3, 0, 3})});
    Receive(protocol::PlayerHealthMessage{kOtherGuid, 0.0f, false});
    Frame(kFrame);
    EXPECT_FALSE(Other().IsAlive());
    EXPECT_EQ(Other().GetAnimation().GetUpperClip().name, "DeadA");
    EXPECT_EQ(Other().GetAnimation().GetLowerClip().name, "DeadL");
    Receive(protocol::PlayerHealthMessage{kOtherGuid, 100.0f, true});
    Frame(kFrame);
    EXPECT_TRUE(Other().IsAlive());
    EXPECT_TRUE(Other().GetAnimation().IsAlive());
}

TEST_F(RemotePlayerTest, TheDashTrailFollowsTheAnimationsOfANinjaThatDashes) {
    struct Case {
        int character;
        std::vector<std::int32_t> animations;
        bool trailOn;
    };
    const Case cases[] = {
        {kKatana, {2}, true},
        {kKatana, {2, 5}, false},
        {kKatana, {1}, false},
        // The other ninjas' Q special also plays animation 2, and no 5 follows it: no trail.
        {kTessen, {2}, false},
        {kNaginata, {2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, c.character, {3, 0, 3})});
        for (const std::int32_t animation : c.animations) {
            Receive(protocol::AnimationRelayMessage{kOtherGuid, animation});
        }
        // An animation of a guid that is no player changes nothing.
        Receive(protocol::AnimationRelayMessage{kServerGuid, 2});
        Frame(kFrame);
        EXPECT_EQ(Other().IsDashTrailOn(), c.trailOn);
        EXPECT_EQ(Other().GetAnimation().GetAction(), c.animations.back());
        // The 5 travels unreliably: a trail whose 5 never comes goes out by itself.
        Frames(Player::kRemoteDashTrailSeconds + kFrame, kFrame);
        EXPECT_FALSE(Other().IsDashTrailOn());
    }
}

TEST_F(RemotePlayerTest, ARemotePlayersLegsRunWithItsSampledMotion) {
    JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kKatana, {0, 0, 0})});
    // Standing, the hips first turn to the facing.
    Frames(1.0, kFrame);
    EXPECT_EQ(Other().GetAnimation().GetLowerClip().name, "IdleL");
    // Facing +z: running along it is running forwards, against it backwards.
    for (int step = 1; step <= 10; ++step) {
        MoveOther({0, 0, 0.5f * static_cast<float>(step)});
        Frames(0.1, kFrame);
    }
    EXPECT_EQ(Other().GetAnimation().GetLowerClip().name, "RunF");
    for (int step = 9; step >= 0; --step) {
        MoveOther({0, 0, 0.5f * static_cast<float>(step)});
        Frames(0.1, kFrame);
    }
    EXPECT_EQ(Other().GetAnimation().GetLowerClip().name, "RunB");
    Frames(1.0, kFrame);
    EXPECT_EQ(Other().GetAnimation().GetLowerClip().name, "IdleL");
}

TEST_F(RemotePlayerTest, TheLobbyShowsTheRemotePlayersOfTheRunningMatchInView) {
    Receive(protocol::PlayerListMessage{{Entry(kOtherGuid, 1, kBlueTeam, kKatana, {0, 0, 10}),
                                         Entry(kThirdGuid, 2, kRedTeam, kNaginata, {0, 0, -10})}});
    ASSERT_TRUE(players.Initialize(true));
    EXPECT_EQ(players.GetLocalPlayer(), nullptr);
    ASSERT_EQ(players.GetRemotePlayers().size(), 2u);
    players.SetViewFrustum(LookingAlongZ());

    Receive(protocol::PlayerPositionRelay{kOtherGuid, {1, 0, 12}});
    Frames(0.1, kFrame);
    EXPECT_EQ(players.FindPlayer(kOtherGuid)->GetPosition(), glm::vec3(1, 0, 12));

    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    players.RenderShadowDepth();
    EXPECT_EQ(Calls("RenderAnimatedDepth").size(), 2u) << "every remote player casts its shadow";
    players.RenderScene();
    const auto drawn = Calls("RenderAnimated");
    ASSERT_EQ(drawn.size(), 1u) << "the player behind the camera is culled";
    EXPECT_EQ(DrawnAt(drawn[0]), glm::vec2(1, 12));

    // Within its bounding sphere's reach of the view the player still counts as in view.
    Receive(protocol::PlayerPositionRelay{kThirdGuid, {0, 0, -0.5f}});
    Frames(0.1, kFrame);
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    players.RenderScene();
    EXPECT_EQ(Calls("RenderAnimated").size(), 2u);

    // A player who joins the match appears in the lobby's scene.
    Receive(protocol::PlayerListMessage{{Entry(kOtherGuid, 1, kBlueTeam, kKatana, {1, 0, 12}),
                                         Entry(kThirdGuid, 2, kRedTeam, kNaginata, {0, 0, -0.5f}),
                                         Entry(Me(), 3, kRedTeam, kTessen, {0, 0, 5})}});
    Frame(kFrame);
    EXPECT_EQ(players.GetRemotePlayers().size(), 2u) << "this client's own entry is not a remote player";
    EXPECT_EQ(players.GetLocalPlayer(), nullptr);
}

TEST_F(RemotePlayerTest, ThePassesDrawOutlineAndLightThePlayersTheLocalTeamSees) {
    JoinAs(kKatana, {0, 0, 0},
           {Entry(kOtherGuid, 1, kRedTeam, kTessen, {4, 0, 0}),
            Entry(kThirdGuid, 2, kBlueTeam, kNaginata, {-4, 0, 0})});
    // The server says the red team sees the blue player.
    Receive(protocol::VisiblePlayersMessage{{2}});
    Frame(kFrame);

    struct Case {
        const char* name;
        bool thirdInvisible;
        bool localHidden;
        bool localAlive;
        std::size_t outlineDepths;
        std::size_t colouredOutlines;
        std::size_t lights;
    };
    const Case cases[] = {
        {"everyone in plain sight", false, false, true, 2, 2, 3},
        {"the local player behind a wall", false, true, true, 3, 3, 3},
        {"the blue player invisible", true, false, true, 1, 1, 2},
        {"the local player dead behind a wall", false, true, false, 3, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Receive(protocol::PlayerHealthMessage{Me(), c.localAlive ? 100.0f : 0.0f, c.localAlive});
        Frame(kFrame);
        players.FindPlayer(kThirdGuid)->SetInvisible(c.thirdInvisible);
        Local().SetHiddenByLevel(c.localHidden);
        Lumaspace::GE::GetInstance()->ClearRecordedCalls();
        players.RenderScene();
        players.RenderOutlineDepth();
        players.RenderOutlines();
        ParticleRenderer particles;
        TrailRenderer trails;
        players.RenderEffects(particles, trails);

        EXPECT_EQ(Calls("RenderAnimated").size(), 3u);
        EXPECT_EQ(Calls("RenderAnimatedOutliningDepth").size(), c.outlineDepths);
        const auto outlines = Calls("RenderAnimatedOutlining");
        ASSERT_EQ(outlines.size(), c.colouredOutlines);
        for (const Lumaspace::RecordedCall& outline : outlines) {
            const bool blue = DrawnAt(outline).x < -1.0f;
            EXPECT_EQ(LastColour(outline), blue ? glm::vec4(0, 0, 1, 1) : glm::vec4(1, 0, 0, 1));
        }
        const auto lights = Calls("AddNewPointLight");
        ASSERT_EQ(lights.size(), c.lights);
        for (const Lumaspace::RecordedCall& light : lights) {
            // ambient, diffuse, specular, then the position 1.8 over the player and the range
            EXPECT_EQ(light.values[4], 0.4f);
            EXPECT_EQ(light.values[13], 1.8f);
            EXPECT_EQ(light.values[15], 1.5f);
        }
        // A ring under every lit player.
        EXPECT_EQ(particles.MarkerCount(), c.lights);
    }

    // A blue player neither seen by the team nor by the local player is not drawn at all.
    Receive(protocol::VisiblePlayersMessage{{}});
    Frame(kFrame);
    Lumaspace::GE::GetInstance()->ClearRecordedCalls();
    players.RenderScene();
    EXPECT_EQ(Calls("RenderAnimated").size(), 2u);
    EXPECT_FALSE(players.IsShown(*players.FindPlayer(kThirdGuid)));
}

TEST_F(RemotePlayerTest, TheLocalPlayersNameIsYellowAndTheOthersWhite) {
    JoinAs(kKatana, {0, 0, 0}, {Entry(kOtherGuid, 1, kBlueTeam, kTessen, {4, 0, 0})});
    EXPECT_EQ(Local().Texts().Name().colour, FloatingTexts::kLocalNameColour);
    EXPECT_EQ(Local().Texts().Name().GetText(), "Player0");
    EXPECT_EQ(Other().Texts().Name().colour, FloatingTexts::kOtherNameColour);
    EXPECT_EQ(Other().Texts().Name().GetText(), "Player1");
}

}  // namespace
}  // namespace ombrin::test
