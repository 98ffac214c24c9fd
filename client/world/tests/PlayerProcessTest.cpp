// A Katana ninja driven by the test against the real Quellhost program in the run layout's NightTimeArena,
// with a second client (its own ClientNetwork) watching from the blue team: the shuriken it throws reaches
// the watcher's store, its dash arrives where the server sent it while the watcher sees animations 2 then 5,
// and a lap along the arena's outer walls, walked against the level's boxes at 60 and at 10 frames a second,
// is never refused.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>
#include <vector>

#include "Lumagrid/GE.h"
#include "ScriptedClient.h"
#include "ServerProcess.h"
#include "client/net/ClientNetwork.h"
#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/PlayerManager.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/LevelCollisionMap.h"

namespace {

using Clock = std::chrono::steady_clock;

PlayerInput Holding(std::initializer_list<KeyInput PlayerInput::*> keys) {
    PlayerInput input;
    for (KeyInput PlayerInput::*key : keys) {
        (input.*key).down = true;
    }
    return input;
}

PlayerInput Released(KeyInput PlayerInput::*key) {
    PlayerInput input;
    (input.*key).released = true;
    return input;
}

class PlayerProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
        const Model prototype;
        ASSERT_TRUE(ModelLibrary::GetInstance().LoadFolder(prototype));
        ASSERT_TRUE(server.Start({"--port", "0"}));
        port = server.ReadPort(kProcessTimeoutMs);
        ASSERT_NE(port, 0) << server.Output();
        ASSERT_TRUE(network.Initialize());
        ASSERT_TRUE(watcher.Initialize());
    }
    void TearDown() override {
        players.Shutdown();
        network.Shutdown();
        watcher.Shutdown();
        if (server.Pid() > 0) {
            server.Signal(SIGTERM);
            server.WaitForExit(kProcessTimeoutMs);
        }
        ModelLibrary::GetInstance().Clear();
        Lumaspace::GE::GetInstance()->Shutdown();
    }

    // Frames of frameTime for both clients until done holds or timeoutMs of real time pass. In the match the
    // players run with the input and every frame's unread events are dropped, as the client's frame does;
    // what the watcher hears of the Katana is kept first, and a refusal of a report is counted.
    bool RunUntil(
        const std::function<bool()>& done, double frameTime = 1.0 / 60.0,
        const std::function<PlayerInput()>& input = [] { return PlayerInput{}; },
        int timeoutMs = kProcessTimeoutMs) {
        const auto start = Clock::now();
        while (Clock::now() - start < std::chrono::milliseconds(timeoutMs)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            network.Update(frameTime);
            watcher.Update(frameTime);
            if (inMatch) {
                rejections += network.events.positionRejected.Pending() ? 1 : 0;
                players.Update(frameTime, input());
                Watch();
                network.DropUnreadEvents();
                watcher.DropUnreadEvents();
            }
            if (done()) {
                return true;
            }
        }
        return false;
    }

    void Watch() {
        for (const AnimationEvent& event : watcher.events.animationEvents.events) {
            if (event.player == network.MyGuid()) {
                animationsSeen.push_back(event.animation);
            }
        }
        for (const protocol::ShurikenAddMessage& shuriken : watcher.shurikens.added.events) {
            shurikensSeen += shuriken.owner == network.MyGuid() ? 1 : 0;
        }
    }

    // Both clients into the match: the Katana on the red team, the watcher (a Tessen) on the blue one.
    void Join() {
        network.SetPlayerName("Katana");
        watcher.SetPlayerName("Watcher");
        ASSERT_EQ(network.Connect("127.0.0.1", port), RakNet::CONNECTION_ATTEMPT_STARTED);
        ASSERT_EQ(watcher.Connect("127.0.0.1", port), RakNet::CONNECTION_ATTEMPT_STARTED);
        ASSERT_TRUE(RunUntil([&] { return network.connected && watcher.connected; }));
        network.SendLobbyChoice(0, 0, kRedTeam, true);
        watcher.SendLobbyChoice(1, 0, kBlueTeam, true);
        ASSERT_TRUE(RunUntil([&] {
            return !network.lobbyPlayers.empty() && network.AllLobbyPlayersReady() &&
                   !watcher.lobbyPlayers.empty() && watcher.AllLobbyPlayersReady();
        }));
        network.SendStartRequest();
        ASSERT_TRUE(RunUntil([&] { return network.events.gameStarted.Take(); }));
        network.SendFinalChoice(0, 0, kRedTeam);
        watcher.SendFinalChoice(1, 0, kBlueTeam);
        ASSERT_TRUE(RunUntil([&] {
            return network.localPlayer.alive && network.localPlayer.playerIndex >= 0 &&
                   network.remotePlayers.size() == 1 && watcher.remotePlayers.size() == 1;
        })) << server.Output();
        ASSERT_EQ(network.localPlayer.character, 0);

        const LevelData level(network.GetLevelName());
        LevelCollisionMap map;
        map.Initialize(level, ModelLibrary::GetInstance());
        const std::vector<CollisionOBB> all = map.GetOBBs();
        const std::size_t boxes = level.GetBoxes().size();
        ASSERT_GT(boxes, 0u);
        obstacles.SetLevelBoxes(
            std::vector<CollisionOBB>(all.end() - static_cast<std::ptrdiff_t>(boxes), all.end()));
        players.SetCollision(&obstacles);
        ASSERT_TRUE(players.Initialize(false));
        inMatch = true;
    }

    Player& Katana() { return *players.GetLocalPlayer(); }
    // Standing for seconds of frames of 1/60 s.
    void Frames(double seconds) {
        int frames = static_cast<int>(seconds * 60.0);
        RunUntil([&] { return --frames <= 0; });
    }

    ServerProcess server;
    unsigned short port = 0;
    ClientNetwork network;
    ClientNetwork watcher;
    PlayerManager players{network};
    CollisionManager obstacles;
    bool inMatch = false;
    int rejections = 0;
    int shurikensSeen = 0;
    std::vector<std::int32_t> animationsSeen;
};

TEST_F(PlayerProcessTest, AKatanaThrowsDashesAndWalksALapWithoutARefusedReport) {
    ASSERT_NO_FATAL_FAILURE(Join());
    const glm::vec3 spawn = Katana().GetPosition();
    ASSERT_LT(spawn.x, 0.0f) << "the red team starts west";

    // Facing the arena's middle, the facing reported first.
    players.SetLocalFacing({1, 0, 0});
    ASSERT_TRUE(RunUntil([&] { return network.LocalDirection() == protocol::Vec3{1, 0, 0}; }));
    Frames(0.2);

    // The shuriken.
    int frame = 0;
    ASSERT_TRUE(RunUntil([&] { return shurikensSeen > 0; }, 1.0 / 60.0,
                         [&] { return frame++ == 0 ? Released(&PlayerInput::rightButton) : PlayerInput{}; }))
        << server.Output();

    // The dash, in frames of a tenth of a second: each step of it covers 8 units. ID_ANIMATION travels
    // unreliably and a busy machine may lose it, so the Katana dashes again, once the dash has cooled, until
    // the watcher has heard both of its animations (three dashes at most).
    bool heard = false;
    for (int attempt = 0; attempt < 3 && !heard; ++attempt) {
        SCOPED_TRACE(attempt);
        ASSERT_TRUE(RunUntil([&] {
            return Katana().GetAbility(AbilitySlotIndex::Q).IsReady() && Katana().GetGlobalCooldown() <= 0.0;
        }));
        animationsSeen.clear();
        frame = 0;
        bool dashed = false;
        const glm::vec3 before = Katana().GetPosition();
        ASSERT_TRUE(RunUntil(
            [&] {
                dashed = dashed || Katana().IsDashing();
                return dashed && !Katana().IsDashing();
            },
            0.1, [&] { return frame++ == 0 ? Released(&PlayerInput::q) : PlayerInput{}; }))
            << server.Output();
        if (attempt == 0) {
            EXPECT_GT(Katana().GetPosition().x - before.x, 3.0f) << "it dashed towards the middle";
        }
        heard = RunUntil([&] { return animationsSeen.size() >= 2; }, 1.0 / 60.0, [] { return PlayerInput{}; },
                         3000);
    }
    EXPECT_EQ(animationsSeen, (std::vector<std::int32_t>{2, 5}));
    // The server's own view of the player (its position updates) comes to where the dash ended.
    EXPECT_TRUE(RunUntil([&] {
        return std::abs(network.localPlayer.position.x - Katana().GetPosition().x) < 0.5f;
    })) << "the server has it at "
        << network.localPlayer.position.x;

    // The lap: into the south-west corner, then pressed along each outer wall in turn.
    struct Leg {
        PlayerInput keys;
        float cornerX;
        float cornerZ;
    };
    const Leg legs[] = {{Holding({&PlayerInput::a, &PlayerInput::s}), -44, -51},
                        {Holding({&PlayerInput::d, &PlayerInput::s}), 44, -51},
                        {Holding({&PlayerInput::d, &PlayerInput::w}), 44, 51},
                        {Holding({&PlayerInput::a, &PlayerInput::w}), -44, 51},
                        {Holding({&PlayerInput::a, &PlayerInput::s}), -44, -51}};
    for (const double frameTime : {1.0 / 60.0, 0.1}) {
        SCOPED_TRACE(frameTime);
        for (const Leg& leg : legs) {
            const auto cornered = [&] {
                const glm::vec3& at = Katana().GetPosition();
                return std::abs(at.x - leg.cornerX) < 1.5f && std::abs(at.z - leg.cornerZ) < 1.5f;
            };
            ASSERT_TRUE(RunUntil(
                cornered, frameTime, [&] { return leg.keys; }, 60000))
                << "stuck at " << Katana().GetPosition().x << ", " << Katana().GetPosition().z;
        }
    }
    EXPECT_TRUE(RunUntil([&] {
        const protocol::Vec3& view = network.localPlayer.position;
        const glm::vec3& at = Katana().GetPosition();
        return std::abs(view.x - at.x) < 0.5f && std::abs(view.z - at.z) < 0.5f;
    })) << "the server has it at "
        << network.localPlayer.position.x << ", " << network.localPlayer.position.z;
    EXPECT_EQ(rejections, 0);
    EXPECT_TRUE(Katana().IsAlive());
}

}  // namespace
