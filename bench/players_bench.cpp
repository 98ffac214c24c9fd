// Prints what one PlayerManager::Update costs with eight players on the null engine (the client's own work:
// the roster check, the local player's selection, walk against the NightTimeArena's level boxes and reports,
// the remote players' glides, leg clips, health and parts, the in-view flags). Rows: everyone standing; the
// local player walking and the seven others moving to a new reported place every frame; and the lobby's
// scene of the same seven.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "MicrosecondsPerCall.h"
#include "client/net/ClientNetwork.h"
#include "client/world/CollisionManager.h"
#include "client/world/Model.h"
#include "client/world/PlayerManager.h"
#include "shared/LevelData.h"
#include "shared/ModelLibrary.h"
#include "shared/collision/LevelCollisionMap.h"

using Lumaspace::GE;

namespace {

constexpr double kFrameTime = 1.0 / 60.0;
constexpr const char* kLevel = "../Ombrin/Levels/NightTimeArena.ZMDL";
constexpr int kPlayers = 8;

NetworkPlayer Record(int index) {
    NetworkPlayer record;
    record.name = "Player" + std::to_string(index);
    record.guid = RakNet::RakNetGUID{0x1000ull + static_cast<std::uint64_t>(index)};
    record.playerIndex = index;
    record.team = index % 2 == 0 ? kRedTeam : kBlueTeam;
    record.character = index % 3;
    record.tool = index % 4;
    record.maxHealth = 100.0f;
    record.health = 100.0f;
    record.alive = true;
    record.position = {-30.0f + 8.0f * static_cast<float>(index), 0.0f, 0.0f};
    record.direction = {0.0f, 0.0f, 1.0f};
    return record;
}

std::vector<CollisionOBB> LevelBoxes() {
    const LevelData level(kLevel);
    LevelCollisionMap map;
    map.Initialize(level, ModelLibrary::GetInstance());
    const std::vector<CollisionOBB> all = map.GetOBBs();
    const std::size_t boxes = std::min(all.size(), level.GetBoxes().size());
    return std::vector<CollisionOBB>(all.end() - static_cast<std::ptrdiff_t>(boxes), all.end());
}

// Every remote record steps round a small circle of its own, one step a frame.
void MoveRecords(ClientNetwork& network, int& step) {
    ++step;
    for (std::size_t i = 0; i < network.remotePlayers.size(); ++i) {
        const float angle = 0.05f * static_cast<float>(step) + static_cast<float>(i);
        const protocol::Vec3 base = Record(static_cast<int>(i) + 1).position;
        network.remotePlayers[i].position = {base.x + 2.0f * std::cos(angle), 0.0f,
                                             base.z + 2.0f * std::sin(angle)};
        network.remotePlayers[i].direction = {std::cos(angle), 0.0f, std::sin(angle)};
    }
}

void Row(const char* name, PlayerManager& players, const PlayerInput& input, ClientNetwork* moving) {
    int step = 0;
    const double microseconds = MicrosecondsPerCall([&] {
        if (moving != nullptr) {
            MoveRecords(*moving, step);
        }
        players.Update(kFrameTime, input);
    });
    std::printf("  %-44s %10.2f\n", name, microseconds);
}

}  // namespace

int main() {
    std::filesystem::current_path(OMBRIN_BIN_DIR);  // ../Ombrin/ from the run layout
    GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false);
    const Model prototype;
    ModelLibrary::GetInstance().LoadFolder(prototype);
    CollisionManager obstacles;
    obstacles.SetLevelBoxes(LevelBoxes());

    {
        ClientNetwork network;  // never started: records filled here, sends go nowhere
        network.localPlayer = Record(0);
        for (int i = 1; i < kPlayers; ++i) {
            network.remotePlayers.push_back(Record(i));
        }
        PlayerManager players(network);
        players.SetCollision(&obstacles);
        if (!players.Initialize(false) || players.GetRemotePlayers().size() != kPlayers - 1) {
            std::fprintf(stderr, "the players were not made (run layout without the generated models?)\n");
            return 1;
        }
        std::printf("PlayerManager::Update, %d players, null engine\n", kPlayers);
        std::printf("  %-44s %10s\n", "frame", "us/Update");
        Row("everyone standing", players, PlayerInput{}, nullptr);
        PlayerInput walking;
        walking.w.down = true;
        walking.d.down = true;
        walking.mouseGround = {10.0f, 10.0f};
        Row("local walking, seven gliding to new places", players, walking, &network);

        PlayerManager lobby(network);
        lobby.Initialize(true);
        Row("lobby: seven gliding to new places", lobby, PlayerInput{}, &network);
        lobby.Shutdown();
        players.Shutdown();
    }
    ModelLibrary::GetInstance().Clear();
    GE::GetInstance()->Shutdown();
    return 0;
}
