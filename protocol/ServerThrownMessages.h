// Server messages about things thrown at a ground point: smoke bombs, caltrops, sticky traps, volleys and
// flash bangs. Write and Read follow the convention of ClientMessages.h: Read starts at the identifier byte
// and, on failure, changes neither message nor stream.
#pragma once

#include <cstdint>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

struct SmokeBombAddMessage {
    static constexpr GameMessageId kId = ID_SMOKEBOMB_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t smokeBombId = 0;
    GroundPoint start{};
    GroundPoint target{};
    float lifetime = 0.0f;  // seconds
    friend bool operator==(const SmokeBombAddMessage&, const SmokeBombAddMessage&) = default;
};

struct SmokeBombRemoveMessage {
    static constexpr GameMessageId kId = ID_SMOKEBOMB_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t smokeBombId = 0;
    friend bool operator==(const SmokeBombRemoveMessage&, const SmokeBombRemoveMessage&) = default;
};

// Caltrops.
struct SpikeTrapAddMessage {
    static constexpr GameMessageId kId = ID_SPIKETRAP_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t spikeTrapId = 0;
    GroundPoint start{};
    GroundPoint target{};
    float lifetime = 0.0f;  // seconds
    RakNet::RakNetGUID owner{};
    std::int32_t ownerTeam = 0;  // Team
    friend bool operator==(const SpikeTrapAddMessage&, const SpikeTrapAddMessage&) = default;
};

struct SpikeTrapRemoveMessage {
    static constexpr GameMessageId kId = ID_SPIKETRAP_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t spikeTrapId = 0;
    friend bool operator==(const SpikeTrapRemoveMessage&, const SpikeTrapRemoveMessage&) = default;
};

struct VolleyAddMessage {
    static constexpr GameMessageId kId = ID_VOLLEY_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t volleyId = 0;
    GroundPoint start{};
    GroundPoint target{};
    RakNet::RakNetGUID owner{};
    friend bool operator==(const VolleyAddMessage&, const VolleyAddMessage&) = default;
};

struct StickyTrapAddMessage {
    static constexpr GameMessageId kId = ID_STICKYTRAP_ADD;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t stickyTrapId = 0;
    GroundPoint start{};
    GroundPoint target{};
    float lifetime = 0.0f;  // seconds
    RakNet::RakNetGUID owner{};
    friend bool operator==(const StickyTrapAddMessage&, const StickyTrapAddMessage&) = default;
};

struct StickyTrapRemoveMessage {
    static constexpr GameMessageId kId = ID_STICKYTRAP_REMOVE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t stickyTrapId = 0;
    friend bool operator==(const StickyTrapRemoveMessage&, const StickyTrapRemoveMessage&) = default;
};

struct FlashBangMessage {
    static constexpr GameMessageId kId = ID_FLASH_BANG;
    static constexpr Direction kDirection = Direction::ServerToClient;
    GroundPoint start{};
    GroundPoint target{};
    friend bool operator==(const FlashBangMessage&, const FlashBangMessage&) = default;
};

void Write(RakNet::BitStream& stream, const SmokeBombAddMessage& message);
void Write(RakNet::BitStream& stream, const SmokeBombRemoveMessage& message);
void Write(RakNet::BitStream& stream, const SpikeTrapAddMessage& message);
void Write(RakNet::BitStream& stream, const SpikeTrapRemoveMessage& message);
void Write(RakNet::BitStream& stream, const VolleyAddMessage& message);
void Write(RakNet::BitStream& stream, const StickyTrapAddMessage& message);
void Write(RakNet::BitStream& stream, const StickyTrapRemoveMessage& message);
void Write(RakNet::BitStream& stream, const FlashBangMessage& message);

bool Read(RakNet::BitStream& stream, SmokeBombAddMessage& message);
bool Read(RakNet::BitStream& stream, SmokeBombRemoveMessage& message);
bool Read(RakNet::BitStream& stream, SpikeTrapAddMessage& message);
bool Read(RakNet::BitStream& stream, SpikeTrapRemoveMessage& message);
bool Read(RakNet::BitStream& stream, VolleyAddMessage& message);
bool Read(RakNet::BitStream& stream, StickyTrapAddMessage& message);
bool Read(RakNet::BitStream& stream, StickyTrapRemoveMessage& message);
bool Read(RakNet::BitStream& stream, FlashBangMessage& message);

}  // namespace protocol
