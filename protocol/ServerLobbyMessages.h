// Server messages of the lobby. Write and Read follow the convention of ClientMessages.h: Read starts at the
// identifier byte and, on failure, changes neither message nor stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/MessageIds.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

// A client asked to start: sent to each lobby member. Empty.
struct StartGameMessage {
    static constexpr GameMessageId kId = ID_START_GAME;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const StartGameMessage&, const StartGameMessage&) = default;
};

struct LobbyEntry {
    RakNet::RakNetGUID guid{};
    std::int32_t character = 0;   // Character
    std::int32_t tool = 0;        // Tool
    std::int32_t teamChoice = 0;  // TeamRequest
    std::string name{};
    bool ready = false;
    friend bool operator==(const LobbyEntry&, const LobbyEntry&) = default;
};

// The whole lobby: u32 count (0 for an empty lobby), then the entries.
struct LobbyStateMessage {
    static constexpr GameMessageId kId = ID_LOBBY_STATE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::vector<LobbyEntry> members{};
    friend bool operator==(const LobbyStateMessage&, const LobbyStateMessage&) = default;
};

void Write(RakNet::BitStream& stream, const StartGameMessage& message);
void Write(RakNet::BitStream& stream, const LobbyStateMessage& message);

bool Read(RakNet::BitStream& stream, StartGameMessage& message);
bool Read(RakNet::BitStream& stream, LobbyStateMessage& message);

}  // namespace protocol
