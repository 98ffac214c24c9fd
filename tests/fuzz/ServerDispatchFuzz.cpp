// Fuzz target: the whole server behind its dispatch table. A script (ServerScript.h) of connections,
// departures, packets (well-formed, cut short or raw) from up to twelve senders and frames of chosen length
// drives a ServerNetwork on a peer without a network, so every handler and every game rule meets hostile
// input, with timers, rounds, runes, sudden death and level changes running in between.
//
// The transport's guarantees are kept: connection events are made locally, at most eight connections are
// open, and game packets come only from open connections. What must hold after every step:
// - every send reads back as the server message of its identifier and writes to the same bytes, with the
//   send parameters of that message, to all or to somebody who connected;
// - every player is an open connection, with a unique player index, team 1 or 2, a valid character and
//   finite position, facing and health no higher than its maximum; the living have health above zero;
// - lobby entries, visibility lists and spawn assignments belong to open connections and players;
// - no object manager holds more than its limit.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzPeer.h"
#include "GameFolder.h"
#include "MessageCatalogue.h"
#include "ScratchFile.h"
#include "ServerScript.h"
#include "TestArena.h"
#include "protocol/SendParameters.h"
#include "raknet/MessageIdentifiers.h"
#include "server/ObjectIds.h"
#include "server/ServerNetwork.h"

namespace {

constexpr std::size_t kMaxOpenConnections = 8;

RakNet::RakNetGUID SlotGuid(int slot) {
    return RakNet::RakNetGUID(0x1000u + static_cast<std::uint64_t>(slot));
}

RakNet::SystemAddress SlotAddress(int slot) {
    return RakNet::SystemAddress(0x0A000001u + static_cast<std::uint32_t>(slot),
                                 static_cast<unsigned short>(5000 + slot));
}

bool Finite(const Float3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

class Session {
public:
    Session() {
        peer.onSend = [this](const FuzzSend& send) { CheckSend(send); };
        FUZZ_CHECK(network.InitializeWithPeer(&peer));
    }
    ~Session() { network.Shutdown(); }

    void Run(fuzz::ScriptReader& script) {
        while (!script.AtEnd()) {
            const int op = script.Byte() % fuzz::kOpCount;
            const int slot =
                op == fuzz::kFrame || op == fuzz::kFrames ? 0 : script.Byte() % fuzz::kScriptSlots;
            switch (op) {
                case fuzz::kConnect:
                    Connect(slot);
                    break;
                case fuzz::kLeave:
                    Leave(slot, (script.Byte() & 1u) != 0);
                    break;
                case fuzz::kFrame:
                    network.Update(fuzz::kFrameTimes[script.Byte() % fuzz::kFrameTimeCount]);
                    break;
                case fuzz::kFrames:
                    for (int i = script.Byte() % 64; i > 0; --i) {
                        network.Update(0.1);
                    }
                    break;
                case fuzz::kRawPacket:
                    Packet(slot, script.Bytes(script.Word(2)));
                    break;
                case fuzz::kMessage:
                    Message(slot, script);
                    break;
                default:
                    Step(slot, script);
                    break;
            }
            CheckState();
        }
    }

private:
    bool IsOpen(int slot) const { return open.contains(SlotGuid(slot).g); }

    void Connect(int slot) {
        if (IsOpen(slot) || open.size() >= kMaxOpenConnections) {
            return;
        }
        open.insert(SlotGuid(slot).g);
        everOpen.insert(SlotGuid(slot).g);
        peer.Deliver({RakNet::ID_NEW_INCOMING_CONNECTION}, SlotGuid(slot), SlotAddress(slot), true);
        network.ReceivePackets();
    }

    void Leave(int slot, bool notified) {
        if (!IsOpen(slot)) {
            return;
        }
        open.erase(SlotGuid(slot).g);
        const std::uint8_t id = notified ? RakNet::ID_DISCONNECTION_NOTIFICATION : RakNet::ID_CONNECTION_LOST;
        peer.Deliver({id}, SlotGuid(slot), SlotAddress(slot), true);
        network.ReceivePackets();
    }

    // A game packet from slot; the transport delivers those of open connections only, so the sender
    // connects first when it has to (and when there is room).
    void Packet(int slot, const std::vector<std::uint8_t>& bytes) {
        Connect(slot);
        if (!IsOpen(slot)) {
            return;
        }
        peer.Deliver(bytes, SlotGuid(slot), SlotAddress(slot), false);
        network.ReceivePackets();
    }

    void Message(int slot, fuzz::ScriptReader& script) {
        std::vector<std::uint8_t> bytes;
        fuzz::WithClientMessageType(script.Byte(), [&](auto message) {
            fuzz::Fields(script, message);
            RakNet::BitStream stream;
            protocol::Write(stream, message);
            bytes.assign(stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed());
        });
        const std::size_t cut = script.Byte();
        if (cut > 0 && cut - 1 < bytes.size()) {
            bytes.resize(cut - 1);
        }
        Packet(slot, bytes);
    }

    // A position report near the sender's last accepted position.
    void Step(int slot, fuzz::ScriptReader& script) {
        Float3 position;
        if (const ServerPlayerManager* players = network.GetGameState()->GetPlayerManager()) {
            const PlayerRecord player = players->GetPlayer(SlotGuid(slot));
            if (player.playerIndex >= 0) {
                position = player.position;
            }
        }
        protocol::PlayerPositionReport report;
        report.position.x = position.x + static_cast<std::int8_t>(script.Byte()) / 20.0f;
        report.position.y = position.y + static_cast<std::int8_t>(script.Byte()) / 20.0f;
        report.position.z = position.z + static_cast<std::int8_t>(script.Byte()) / 20.0f;
        RakNet::BitStream stream;
        protocol::Write(stream, report);
        Packet(slot,
               std::vector<std::uint8_t>(stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed()));
    }

    void CheckSend(const FuzzSend& send) const {
        FUZZ_CHECK(send.data != nullptr && send.length > 0);
        const std::vector<std::uint8_t> bytes(send.data, send.data + send.length);
        const std::string what = "send of identifier " + std::to_string(bytes[0]);
        const fuzz::ReadResult read = fuzz::ReadAsMessage<fuzz::ServerMessages>(bytes);
        FUZZ_CHECK_MESSAGE(read.outcome == fuzz::ReadOutcome::RoundTrips, what + " does not read");
        FUZZ_CHECK_MESSAGE(read.fault.empty(), what + ": " + read.fault);
        FUZZ_CHECK_MESSAGE(read.rewritten == bytes, what + " is not what its writer writes");

        const auto id = static_cast<protocol::GameMessageId>(bytes[0]);
        const auto server = protocol::Direction::ServerToClient;
        bool known = false;
        for (const protocol::SendVariant variant :
             {protocol::SendVariant::Default, protocol::SendVariant::HealthChange,
              protocol::SendVariant::HealthDeathOrRevival}) {
            if (const auto rule = protocol::FindSendParameters(id, server, variant)) {
                known = known || (rule->reliability == send.reliability &&
                                  rule->orderingChannel == send.orderingChannel);
            }
        }
        FUZZ_CHECK_MESSAGE(known, what + " goes with parameters of no rule");
        if (!send.broadcast) {
            // A player's caltrops outlive it, and their damage feedback goes to the departed owner.
            FUZZ_CHECK_MESSAGE(everOpen.contains(send.target.rakNetGuid.g),
                               what + " to nobody who connected");
        }
    }

    void CheckState() const {
        const GameState* game = network.GetGameState();
        FUZZ_CHECK(game != nullptr);
        const ServerPlayerManager* manager = game->GetPlayerManager();
        FUZZ_CHECK(manager != nullptr);
        std::set<std::int32_t> indices;
        for (const PlayerRecord& player : manager->Players()) {
            FUZZ_CHECK_MESSAGE(open.contains(player.guid.g), "a player without a connection");
            FUZZ_CHECK(indices.insert(player.playerIndex).second);
            FUZZ_CHECK(player.playerIndex >= 0 && player.playerIndex < 256);
            FUZZ_CHECK(player.team == kRedTeam || player.team == kBlueTeam);
            FUZZ_CHECK(player.character >= 0 && player.character <= 2);
            FUZZ_CHECK(Finite(player.position) && Finite(player.direction));
            FUZZ_CHECK(std::isfinite(player.health) && player.health <= player.maxHealth);
            FUZZ_CHECK(!player.alive || player.health > 0.0f);
        }
        FUZZ_CHECK(manager->Players().size() <= open.size());
        // What the server keeps per connection goes when the connection goes.
        for (const protocol::LobbyEntry& entry : manager->GetLobby().ToMessage().members) {
            FUZZ_CHECK_MESSAGE(open.contains(entry.guid.g), "a lobby entry without a connection");
        }
        FUZZ_CHECK_MESSAGE(manager->GetVisibility().Size() <= open.size(),
                           "visibility lists of departed connections");
        for (const auto& [guid, spawn] : manager->GetSpawns().GetAssignments()) {
            FUZZ_CHECK_MESSAGE(manager->IsPlayer(guid), "a spawn point held for somebody who is no player");
        }
        const std::size_t limit = kMaxObjectsPerManager;
        FUZZ_CHECK(game->GetShurikenManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetProjectileManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetFanManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetSmokeBombManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetSpikeTrapManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetStickyTrapManager()->GetObjects().size() <= limit);
        FUZZ_CHECK(game->GetVolleyManager()->GetObjects().size() <= limit);
    }

    FuzzPeer peer;
    ServerNetwork network;
    std::set<std::uint64_t> open;
    std::set<std::uint64_t> everOpen;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game folder lives as long as the process; the working directory is its bin/, as for the program.
    static GameFolder folder;
    if (!folder.IsReady() || !InstallTestArena(folder) || chdir(folder.WorkingDirectory().c_str()) != 0) {
        std::fprintf(stderr, "cannot set up the game folder\n");
        std::abort();
    }
    fuzz::SilenceStandardOutput();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Object ids and spawn fallbacks come from the standard generator: the same script, the same game.
    std::srand(1);
    fuzz::ScriptReader script(data, size);
    Session session;
    session.Run(script);
    return 0;
}
