// Server messages about runes and their effects (healing over time, shield, invisibility). Write and Read
// follow the convention of ClientMessages.h: Read starts at the identifier byte and, on failure, changes
// neither message nor stream.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

// Number of rune kinds, and of entries in ID_RUNES_SPAWNED and ID_RUNE_STATE.
inline constexpr std::size_t kRuneCount = 3;

struct RunePlacement {
    std::int32_t type = 0;  // RuneType
    Vec3 position{};
    friend bool operator==(const RunePlacement&, const RunePlacement&) = default;
};

// All three runes were spawned.
struct RunesSpawnedMessage {
    static constexpr GameMessageId kId = ID_RUNES_SPAWNED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::array<RunePlacement, kRuneCount> runes{};
    friend bool operator==(const RunesSpawnedMessage&, const RunesSpawnedMessage&) = default;
};

// The heal rune was spawned a second time.
struct HealRuneRespawnedMessage {
    static constexpr GameMessageId kId = ID_HEAL_RUNE_RESPAWNED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RunePlacement rune{};
    friend bool operator==(const HealRuneRespawnedMessage&, const HealRuneRespawnedMessage&) = default;
};

// The runes of this type were cleared at round start.
struct RuneRemovedMessage {
    static constexpr GameMessageId kId = ID_RUNE_REMOVED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t type = 0;  // RuneType
    friend bool operator==(const RuneRemovedMessage&, const RuneRemovedMessage&) = default;
};

struct RuneStateEntry {
    bool present = false;
    RunePlacement rune{};
    friend bool operator==(const RuneStateEntry&, const RuneStateEntry&) = default;
};

// Reply to RuneStateRequest.
struct RuneStateMessage {
    static constexpr GameMessageId kId = ID_RUNE_STATE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::array<RuneStateEntry, kRuneCount> runes{};
    friend bool operator==(const RuneStateMessage&, const RuneStateMessage&) = default;
};

struct HealRuneTakenMessage {
    static constexpr GameMessageId kId = ID_HEAL_RUNE_TAKEN;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    friend bool operator==(const HealRuneTakenMessage&, const HealRuneTakenMessage&) = default;
};

// The player's shield value becomes 1.0.
struct ShieldRuneTakenMessage {
    static constexpr GameMessageId kId = ID_SHIELD_RUNE_TAKEN;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    friend bool operator==(const ShieldRuneTakenMessage&, const ShieldRuneTakenMessage&) = default;
};

struct InvisibilityRuneTakenMessage {
    static constexpr GameMessageId kId = ID_INVISIBILITY_RUNE_TAKEN;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    friend bool operator==(const InvisibilityRuneTakenMessage&,
                           const InvisibilityRuneTakenMessage&) = default;
};

// Empty.
struct ShieldEndedMessage {
    static constexpr GameMessageId kId = ID_SHIELD_ENDED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const ShieldEndedMessage&, const ShieldEndedMessage&) = default;
};

// Empty.
struct InvisibilityEndedMessage {
    static constexpr GameMessageId kId = ID_INVISIBILITY_ENDED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const InvisibilityEndedMessage&, const InvisibilityEndedMessage&) = default;
};

// Healing over time started or stopped.
struct HealingStateMessage {
    static constexpr GameMessageId kId = ID_HEALING_STATE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    bool healing = false;
    friend bool operator==(const HealingStateMessage&, const HealingStateMessage&) = default;
};

struct ShieldValueMessage {
    static constexpr GameMessageId kId = ID_SHIELD_VALUE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    float shield = 0.0f;
    friend bool operator==(const ShieldValueMessage&, const ShieldValueMessage&) = default;
};

void Write(RakNet::BitStream& stream, const RunesSpawnedMessage& message);
void Write(RakNet::BitStream& stream, const HealRuneRespawnedMessage& message);
void Write(RakNet::BitStream& stream, const RuneRemovedMessage& message);
void Write(RakNet::BitStream& stream, const RuneStateMessage& message);
void Write(RakNet::BitStream& stream, const HealRuneTakenMessage& message);
void Write(RakNet::BitStream& stream, const ShieldRuneTakenMessage& message);
void Write(RakNet::BitStream& stream, const InvisibilityRuneTakenMessage& message);
void Write(RakNet::BitStream& stream, const ShieldEndedMessage& message);
void Write(RakNet::BitStream& stream, const InvisibilityEndedMessage& message);
void Write(RakNet::BitStream& stream, const HealingStateMessage& message);
void Write(RakNet::BitStream& stream, const ShieldValueMessage& message);

bool Read(RakNet::BitStream& stream, RunesSpawnedMessage& message);
bool Read(RakNet::BitStream& stream, HealRuneRespawnedMessage& message);
bool Read(RakNet::BitStream& stream, RuneRemovedMessage& message);
bool Read(RakNet::BitStream& stream, RuneStateMessage& message);
bool Read(RakNet::BitStream& stream, HealRuneTakenMessage& message);
bool Read(RakNet::BitStream& stream, ShieldRuneTakenMessage& message);
bool Read(RakNet::BitStream& stream, InvisibilityRuneTakenMessage& message);
bool Read(RakNet::BitStream& stream, ShieldEndedMessage& message);
bool Read(RakNet::BitStream& stream, InvisibilityEndedMessage& message);
bool Read(RakNet::BitStream& stream, HealingStateMessage& message);
bool Read(RakNet::BitStream& stream, ShieldValueMessage& message);

}  // namespace protocol
