// Server messages about movement, facing, animation and line of sight. Write and Read follow the convention
// of ClientMessages.h: Read starts at the identifier byte and, on failure, changes neither message nor
// stream.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/MessageIds.h"
#include "protocol/PositionEncoding.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

// Round start: the player's new spawn position.
struct RespawnPositionMessage {
    static constexpr GameMessageId kId = ID_RESPAWN_POSITION;
    static constexpr Direction kDirection = Direction::ServerToClient;
    Vec3 position{};
    friend bool operator==(const RespawnPositionMessage&, const RespawnPositionMessage&) = default;
};

// A reported position moved too far. Empty.
struct PositionRejectedMessage {
    static constexpr GameMessageId kId = ID_POSITION_REJECTED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const PositionRejectedMessage&, const PositionRejectedMessage&) = default;
};

// A player's animation, relayed to everyone but that player.
struct AnimationRelayMessage {
    static constexpr GameMessageId kId = ID_ANIMATION;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    std::int32_t animation = 0;
    friend bool operator==(const AnimationRelayMessage&, const AnimationRelayMessage&) = default;
};

// One player's ground position and facing, compressed (PositionEncoding.h); y is not sent.
struct PositionUpdateMessage {
    static constexpr GameMessageId kId = ID_POSITION_UPDATE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::uint8_t playerIndex = 0;
    PackedPosition x{};
    PackedPosition z{};
    PackedDirection directionX{};
    PackedDirection directionZ{};
    friend bool operator==(const PositionUpdateMessage&, const PositionUpdateMessage&) = default;
};

PositionUpdateMessage EncodePositionUpdate(std::uint8_t playerIndex, float x, float z, float directionX,
                                           float directionZ);

// The player indices of the enemies the receiver's team sees: u8 count, then one byte each. At most 255
// travel.
struct VisiblePlayersMessage {
    static constexpr GameMessageId kId = ID_VISIBLE_PLAYERS;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::vector<std::uint8_t> playerIndices{};
    friend bool operator==(const VisiblePlayersMessage&, const VisiblePlayersMessage&) = default;
};

// ID_PLAYER_POSITION with the player's guid in front. Accepted by the client; the server never sends it.
struct PlayerPositionRelay {
    static constexpr GameMessageId kId = ID_PLAYER_POSITION;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    Vec3 position{};
    friend bool operator==(const PlayerPositionRelay&, const PlayerPositionRelay&) = default;
};

// ID_PLAYER_DIRECTION with the player's guid in front. Accepted by the client; the server never sends it.
struct PlayerDirectionRelay {
    static constexpr GameMessageId kId = ID_PLAYER_DIRECTION;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    Vec3 direction{};
    friend bool operator==(const PlayerDirectionRelay&, const PlayerDirectionRelay&) = default;
};

void Write(RakNet::BitStream& stream, const RespawnPositionMessage& message);
void Write(RakNet::BitStream& stream, const PositionRejectedMessage& message);
void Write(RakNet::BitStream& stream, const AnimationRelayMessage& message);
void Write(RakNet::BitStream& stream, const PositionUpdateMessage& message);
void Write(RakNet::BitStream& stream, const VisiblePlayersMessage& message);
void Write(RakNet::BitStream& stream, const PlayerPositionRelay& message);
void Write(RakNet::BitStream& stream, const PlayerDirectionRelay& message);

bool Read(RakNet::BitStream& stream, RespawnPositionMessage& message);
bool Read(RakNet::BitStream& stream, PositionRejectedMessage& message);
bool Read(RakNet::BitStream& stream, AnimationRelayMessage& message);
bool Read(RakNet::BitStream& stream, PositionUpdateMessage& message);
bool Read(RakNet::BitStream& stream, VisiblePlayersMessage& message);
bool Read(RakNet::BitStream& stream, PlayerPositionRelay& message);
bool Read(RakNet::BitStream& stream, PlayerDirectionRelay& message);

}  // namespace protocol
