// Prints the server's cost per frame in microseconds: the game state of a level with 8 players fighting
// among 200 live objects (shurikens, kunai, fans, smoke bombs, caltrops, sticky traps, volleys) and an arena
// of 60 walls, advanced by 1 ms frames. Sends go to a peer that discards them, so the figure is the game's
// own work: timers, broadcasts, object updates, every collision check and the round rules.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "protocol/MessageIds.h"
#include "raknet/RakPeerInterface.h"
#include "server/FanManager.h"
#include "server/NormalState.h"
#include "server/ProjectileManager.h"
#include "server/RuneManager.h"
#include "server/ShurikenManager.h"
#include "server/SmokeBombManager.h"
#include "server/SpikeTrapManager.h"
#include "server/StickyTrapManager.h"
#include "server/VolleyManager.h"
#include "shared/ModelFileData.h"
#include "shared/ModelLibrary.h"
#include "shared/ModelWriter.h"

using Clock = std::chrono::steady_clock;
using namespace RakNet;
namespace fs = std::filesystem;

namespace {

constexpr int kPlayers = 8;
constexpr std::size_t kObjects = 200;
constexpr int kWalls = 60;
constexpr double kFrame = 0.001;
constexpr int kWarmUpFrames = 500;
constexpr int kMeasuredFrames = 5000;

// Takes every send and drops it.
class DiscardingPeer : public RakPeerInterface {
public:
    StartupResult Startup(unsigned int, SocketDescriptor*, unsigned int, int) override {
        return RAKNET_STARTED;
    }
    bool IsActive() const override { return true; }
    void SetMaximumIncomingConnections(unsigned short) override {}
    unsigned short GetMaximumIncomingConnections() const override { return 0; }
    ConnectionAttemptResult Connect(const char*, unsigned short, const char*, int, void*, unsigned, unsigned,
                                    unsigned, TimeMS) override {
        return INVALID_PARAMETER;
    }
    void Shutdown(unsigned int, unsigned char, PacketPriority) override {}
    void CloseConnection(const AddressOrGUID&, bool, unsigned char, PacketPriority) override {}
    Packet* Receive() override { return nullptr; }
    void DeallocatePacket(Packet*) override {}
    bool WaitForIncoming(unsigned int) override { return false; }
    std::uint32_t Send(const BitStream*, PacketPriority, PacketReliability, char, const AddressOrGUID&,
                       bool) override {
        return ++m_sends;
    }
    std::uint32_t Send(const char*, int, PacketPriority, PacketReliability, char, const AddressOrGUID&,
                       bool) override {
        return ++m_sends;
    }
    void Ping(const SystemAddress&) override {}
    int GetAveragePing(const AddressOrGUID&) const override { return -1; }
    int GetLastPing(const AddressOrGUID&) const override { return -1; }
    const RakNetGUID& GetMyGUID() const override { return m_guid; }
    SystemAddress GetSystemAddressFromGuid(const RakNetGUID&) const override {
        return UNASSIGNED_SYSTEM_ADDRESS;
    }
    RakNetGUID GetGuidFromSystemAddress(const SystemAddress&) const override {
        return UNASSIGNED_RAKNET_GUID;
    }
    SystemAddress GetMyBoundAddress() const override { return UNASSIGNED_SYSTEM_ADDRESS; }
    unsigned short NumberOfConnections() const override { return 0; }
    std::vector<RakNetGUID> GetConnectionList() const override { return {}; }
    void SetTimeoutTime(TimeMS, const SystemAddress&) override {}
    TransportTotals GetTransportTotals() const override { return {}; }
    void AttachPlugin(PluginInterface2*) override {}
    void DetachPlugin(PluginInterface2*) override {}

    std::uint32_t Sends() const { return m_sends; }

private:
    RakNetGUID m_guid{1};
    std::uint32_t m_sends = 0;
};

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "ombrin_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    fs::path m_path;
};

void LoadShape(const TempFolder& folder, const std::string& libraryPath, const CollisionBox& box) {
    ModelFileData model;
    model.boxes.push_back(box);
    const std::string file = folder.File(std::to_string(ModelLibrary::GetInstance().Size()) + ".ZMD");
    std::string error;
    if (!SaveModelFile(file, model, error) || !ModelLibrary::GetInstance().Get(libraryPath).LoadModel(file)) {
        std::fprintf(stderr, "cannot write the model %s: %s\n", libraryPath.c_str(), error.c_str());
    }
}

// Spawn points in a ring, walls scattered over the arena, the three runes.
std::string ArenaLevel() {
    std::mt19937 rng(3u);
    std::uniform_real_distribution<float> place(-40.0f, 40.0f);
    std::uniform_real_distribution<float> length(1.0f, 5.0f);
    std::string boxes;
    for (int i = 0; i < kWalls; ++i) {
        boxes += "Box_1 " + std::to_string(place(rng)) + " 1.5 " + std::to_string(place(rng)) + " 0 0 0 " +
                 std::to_string(length(rng)) + " 2 " + std::to_string(length(rng)) + "\n";
    }
    std::string entities;
    for (int i = 0; i < kPlayers; ++i) {
        entities += "spawnPoint_" + std::to_string(1 + i % 2) + " " + std::to_string(-14 + 4 * i) + " 0 " +
                    std::to_string(i % 2 == 0 ? 6 : -6) + " 0 0 0\n";
    }
    entities += "POI_Heal_1 0 0 -30 0 0 0\nPOI_Invisible_1 30 0 -30 0 0 0\nPOI_Shield_1 -30 0 -30 0 0 0\n";
    return "Level\n# entity lines: " + std::to_string(kPlayers + 4) +
           "\n# box line count: " + std::to_string(kWalls) + "\n" + boxes + entities;
}

std::size_t LiveObjects(const GameState& state) {
    return state.GetShurikenManager()->GetObjects().size() +
           state.GetProjectileManager()->GetObjects().size() + state.GetFanManager()->GetObjects().size() +
           state.GetSmokeBombManager()->GetObjects().size() +
           state.GetSpikeTrapManager()->GetObjects().size() +
           state.GetStickyTrapManager()->GetObjects().size() + state.GetVolleyManager()->GetObjects().size();
}

// Players keep using abilities in turn until 200 objects are alive: mostly flying ones, some lying.
void TopUp(GameState& state, const std::vector<RakNetGUID>& players, std::size_t& turn) {
    using protocol::AbilityId;
    static constexpr AbilityId kRotation[] = {
        AbilityId::ShurikenAbility, AbilityId::ShurikenAbility,     AbilityId::MegaShuriken,
        AbilityId::KunaiAbility,    AbilityId::FanBoomerangAbility, AbilityId::SmokeBombAbility,
        AbilityId::SpikeAbility,    AbilityId::StickyTrapAbility,   AbilityId::VolleyAbility,
        AbilityId::NaginataStab,    AbilityId::MeleeSwing,          AbilityId::WhipSecondaryAttackAbility};
    while (LiveObjects(state) < kObjects) {
        const RakNetGUID& user = players[turn % players.size()];
        state.UseAbility(static_cast<std::int32_t>(kRotation[turn % std::size(kRotation)]), 12.0f, user);
        ++turn;
    }
}

}  // namespace

int main() {
    TempFolder folder;
    for (const char* ninja : {"../Ombrin/Models/Ninja1Shape.ZMD", "../Ombrin/Models/Ninja2Shape.ZMD",
                              "../Ombrin/Models/Ninja3Shape.ZMD"}) {
        LoadShape(folder, ninja, MakeCollisionBox({0.0f, 1.0f, 0.0f}, {0.5f, 1.0f, 0.5f}));
    }
    LoadShape(folder, kShurikenModel, MakeCollisionBox({}, {0.25f, 0.1f, 0.25f}));
    LoadShape(folder, kMegaShurikenModel, MakeCollisionBox({}, {0.5f, 0.1f, 0.5f}));
    LoadShape(folder, kKunaiModel, MakeCollisionBox({}, {0.1f, 0.1f, 0.3f}));
    LoadShape(folder, kFanModel, MakeCollisionBox({}, {0.4f, 0.1f, 0.4f}));
    for (const char* rune : kRuneModels) {
        LoadShape(folder, rune, MakeCollisionBox({0.0f, 0.5f, 0.0f}, {0.5f, 0.5f, 0.5f}));
    }
    const std::string level = folder.File("arena.ZMDL");
    std::ofstream(level, std::ios::binary) << ArenaLevel();

    DiscardingPeer peer;
    NormalState state;
    state.Initialize(&peer, {level}, 0);
    std::vector<RakNetGUID> players;
    std::mt19937 rng(7u);
    std::uniform_real_distribution<float> angle(0.0f, 6.2831853f);
    for (int i = 0; i < kPlayers; ++i) {
        players.emplace_back(1000u + static_cast<unsigned>(i));
        state.AddPlayer("Bench" + std::to_string(i), i % 3, i % 4, 1 + i % 2, players.back());
        // Invulnerable for the length of the run, so that the round goes on.
        PlayerRecord* player = state.GetPlayerManager()->FindPlayer(players.back());
        player->health = 1e9f;
        player->maxHealth = 1e9f;
        const float a = angle(rng);
        player->direction = Float3{std::cos(a), 0.0f, std::sin(a)};
    }

    std::size_t turn = 0;
    for (int frame = 0; frame < kWarmUpFrames; ++frame) {
        TopUp(state, players, turn);
        state.Update(kFrame);
    }
    std::vector<double> micros;
    micros.reserve(kMeasuredFrames);
    std::size_t objectSum = 0;
    for (int frame = 0; frame < kMeasuredFrames; ++frame) {
        TopUp(state, players, turn);
        // Facings turn a little every frame, as players aim.
        for (const RakNetGUID& guid : players) {
            state.GetPlayerManager()->FindPlayer(guid)->direction =
                Float3{std::cos(angle(rng)), 0.0f, std::sin(angle(rng))};
        }
        objectSum += LiveObjects(state);
        const auto start = Clock::now();
        state.Update(kFrame);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    double total = 0.0;
    for (const double m : micros) {
        total += m;
    }
    std::printf(
        "server frame, %d players, %.0f live objects on average, %d walls: mean %.1f us, median %.1f us, "
        "p99 %.1f us (%d frames; %u sends)\n",
        kPlayers, static_cast<double>(objectSum) / kMeasuredFrames, kWalls, total / kMeasuredFrames,
        micros[micros.size() / 2], micros[micros.size() * 99 / 100], kMeasuredFrames, peer.Sends());
    state.Shutdown();
    ModelLibrary::GetInstance().Clear();
    return 0;
}
