// Server messages about flying objects: shurikens, kunai and fans. Write and Read follow the convention of
// ClientMessages.h: Read starts at the identifier byte and, on failure, changes neither message nor stream.
#pragma once

#include <cstdint>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

struct ShurikenAddMessage {
    static constexpr GameMessageId kId = ID_SHURIKEN_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    Vec3 start{};
    Vec3 direction{};
    std::int32_t shurikenId = 0;
    RakNet::RakNetGUID owner{};
    float speed = 0.0f;
    bool mega = false;
    friend bool operator==(const ShurikenAddMessage&, const ShurikenAddMessage&) = default;
};

struct ShurikenRemoveMessage {
    static constexpr GameMessageId kId = ID_SHURIKEN_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t shurikenId = 0;
    friend bool operator==(const ShurikenRemoveMessage&, const ShurikenRemoveMessage&) = default;
};

struct ProjectileAddMessage {
    static constexpr GameMessageId kId = ID_PROJECTILE_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    Vec3 start{};
    Vec3 direction{};
    std::int32_t kind = 0;  // ProjectileKind
    std::int32_t projectileId = 0;
    RakNet::RakNetGUID owner{};
    float speed = 0.0f;
    friend bool operator==(const ProjectileAddMessage&, const ProjectileAddMessage&) = default;
};

struct ProjectileRemoveMessage {
    static constexpr GameMessageId kId = ID_PROJECTILE_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t projectileId = 0;
    friend bool operator==(const ProjectileRemoveMessage&, const ProjectileRemoveMessage&) = default;
};

struct FanAddMessage {
    static constexpr GameMessageId kId = ID_FAN_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    Vec3 start{};
    Vec3 direction{};
    std::int32_t fanId = 0;
    RakNet::RakNetGUID owner{};
    float speed = 0.0f;
    friend bool operator==(const FanAddMessage&, const FanAddMessage&) = default;
};

// The fan came back to its owner.
struct FanRemoveMessage {
    static constexpr GameMessageId kId = ID_FAN_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t fanId = 0;
    friend bool operator==(const FanRemoveMessage&, const FanRemoveMessage&) = default;
};

// The fan turns back toward its owner.
struct FanReturningMessage {
    static constexpr GameMessageId kId = ID_FAN_RETURNING;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t fanId = 0;
    float remainingOutwardTime = 0.0f;  // zero or just below
    friend bool operator==(const FanReturningMessage&, const FanReturningMessage&) = default;
};

void Write(RakNet::BitStream& stream, const ShurikenAddMessage& message);
void Write(RakNet::BitStream& stream, const ShurikenRemoveMessage& message);
void Write(RakNet::BitStream& stream, const ProjectileAddMessage& message);
void Write(RakNet::BitStream& stream, const ProjectileRemoveMessage& message);
void Write(RakNet::BitStream& stream, const FanAddMessage& message);
void Write(RakNet::BitStream& stream, const FanRemoveMessage& message);
void Write(RakNet::BitStream& stream, const FanReturningMessage& message);

bool Read(RakNet::BitStream& stream, ShurikenAddMessage& message);
bool Read(RakNet::BitStream& stream, ShurikenRemoveMessage& message);
bool Read(RakNet::BitStream& stream, ProjectileAddMessage& message);
bool Read(RakNet::BitStream& stream, ProjectileRemoveMessage& message);
bool Read(RakNet::BitStream& stream, FanAddMessage& message);
bool Read(RakNet::BitStream& stream, FanRemoveMessage& message);
bool Read(RakNet::BitStream& stream, FanReturningMessage& message);

}  // namespace protocol
