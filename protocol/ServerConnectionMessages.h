// Server messages about connections and the roster. Write and Read follow the convention of
// ClientMessages.h: Read starts at the identifier byte and, on failure, changes neither message nor stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

// A connection arrived or left with a disconnection notification.
struct ConnectionCountMessage {
    static constexpr GameMessageId kId = ID_CONNECTION_COUNT;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::uint32_t connectionCount = 0;
    RakNet::RakNetGUID connection{};  // the connection that came or went
    friend bool operator==(const ConnectionCountMessage&, const ConnectionCountMessage&) = default;
};

struct LevelNameMessage {
    static constexpr GameMessageId kId = ID_LEVEL_NAME;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::string levelPath{};
    friend bool operator==(const LevelNameMessage&, const LevelNameMessage&) = default;
};

struct PlayerListEntry {
    RakNet::RakNetGUID guid{};
    std::int32_t playerIndex = 0;
    std::string name{};
    Vec3 position{};
    Vec3 direction{};
    std::int32_t team = 0;       // Team
    std::int32_t character = 0;  // Character
    float maxHealth = 0.0f;
    float health = 0.0f;
    bool alive = false;
    bool invisible = false;
    std::int32_t tool = 0;  // Tool
    std::int32_t deaths = 0;
    std::int32_t kills = 0;
    float shield = 0.0f;
    bool healing = false;
    friend bool operator==(const PlayerListEntry&, const PlayerListEntry&) = default;
};

// The whole roster: u32 count, then the entries.
struct PlayerListMessage {
    static constexpr GameMessageId kId = ID_PLAYER_LIST;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::vector<PlayerListEntry> players{};
    friend bool operator==(const PlayerListMessage&, const PlayerListMessage&) = default;
};

struct PlayerJoinedLeftMessage {
    static constexpr GameMessageId kId = ID_PLAYER_JOINED_LEFT;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::string name{};
    std::int32_t kind = 0;  // JoinedLeftKind
    friend bool operator==(const PlayerJoinedLeftMessage&, const PlayerJoinedLeftMessage&) = default;
};

void Write(RakNet::BitStream& stream, const ConnectionCountMessage& message);
void Write(RakNet::BitStream& stream, const LevelNameMessage& message);
void Write(RakNet::BitStream& stream, const PlayerListMessage& message);
void Write(RakNet::BitStream& stream, const PlayerJoinedLeftMessage& message);

bool Read(RakNet::BitStream& stream, ConnectionCountMessage& message);
bool Read(RakNet::BitStream& stream, LevelNameMessage& message);
bool Read(RakNet::BitStream& stream, PlayerListMessage& message);
bool Read(RakNet::BitStream& stream, PlayerJoinedLeftMessage& message);

}  // namespace protocol
