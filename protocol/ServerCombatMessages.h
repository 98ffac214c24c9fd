// Server messages about ability use, damage, deaths and their effects. Write and Read follow the convention
// of ClientMessages.h: Read starts at the identifier byte and, on failure, changes neither message nor
// stream.
#pragma once

#include <cstdint>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"
#include "raknet/RakNetTypes.h"

namespace protocol {

// Sent reliably when health <= 0 or on a revival, else unreliable sequenced (PlayerHealthSendParameters).
struct PlayerHealthMessage {
    static constexpr GameMessageId kId = ID_PLAYER_HEALTH;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    float health = 0.0f;
    bool alive = false;
    friend bool operator==(const PlayerHealthMessage&, const PlayerHealthMessage&) = default;
};

// Acknowledges an ability request of a living player; the client ignores it.
struct UseAbilityAck {
    static constexpr GameMessageId kId = ID_USE_ABILITY;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t ability = 0;  // AbilityId, echoed as received
    friend bool operator==(const UseAbilityAck&, const UseAbilityAck&) = default;
};

// Where the dashing player ends.
struct DashTargetMessage {
    static constexpr GameMessageId kId = ID_DASH_TARGET;
    static constexpr Direction kDirection = Direction::ServerToClient;
    Vec3 target{};
    friend bool operator==(const DashTargetMessage&, const DashTargetMessage&) = default;
};

struct StabStartedMessage {
    static constexpr GameMessageId kId = ID_STAB_STARTED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID player{};
    friend bool operator==(const StabStartedMessage&, const StabStartedMessage&) = default;
};

// The attacker's hit did damage (or was absorbed by a shield).
struct DamageDealtMessage {
    static constexpr GameMessageId kId = ID_DAMAGE_DEALT;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID attacker{};
    float damage = 0.0f;
    Vec3 victimPosition{};
    friend bool operator==(const DamageDealtMessage&, const DamageDealtMessage&) = default;
};

struct KillNoticeMessage {
    static constexpr GameMessageId kId = ID_KILL_NOTICE;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID victim{};
    RakNet::RakNetGUID killer{};
    std::int32_t ability = 0;  // AbilityId, SuddenDeath included
    friend bool operator==(const KillNoticeMessage&, const KillNoticeMessage&) = default;
};

struct HitEffectMessage {
    static constexpr GameMessageId kId = ID_HIT_EFFECT;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t ability = 0;  // AbilityId
    Vec3 position{};           // the victim's position
    friend bool operator==(const HitEffectMessage&, const HitEffectMessage&) = default;
};

struct PlaySoundMessage {
    static constexpr GameMessageId kId = ID_PLAY_SOUND;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t sound = 0;  // index into the client's sound table
    Vec3 position{};
    friend bool operator==(const PlaySoundMessage&, const PlaySoundMessage&) = default;
};

// Follows ID_KILL_NOTICE.
struct KillStatsMessage {
    static constexpr GameMessageId kId = ID_KILL_STATS;
    static constexpr Direction kDirection = Direction::ServerToClient;
    RakNet::RakNetGUID victim{};
    RakNet::RakNetGUID killer{};
    std::int32_t victimDeaths = 0;
    std::int32_t killerKills = 0;
    friend bool operator==(const KillStatsMessage&, const KillStatsMessage&) = default;
};

void Write(RakNet::BitStream& stream, const PlayerHealthMessage& message);
void Write(RakNet::BitStream& stream, const UseAbilityAck& message);
void Write(RakNet::BitStream& stream, const DashTargetMessage& message);
void Write(RakNet::BitStream& stream, const StabStartedMessage& message);
void Write(RakNet::BitStream& stream, const DamageDealtMessage& message);
void Write(RakNet::BitStream& stream, const KillNoticeMessage& message);
void Write(RakNet::BitStream& stream, const HitEffectMessage& message);
void Write(RakNet::BitStream& stream, const PlaySoundMessage& message);
void Write(RakNet::BitStream& stream, const KillStatsMessage& message);

bool Read(RakNet::BitStream& stream, PlayerHealthMessage& message);
bool Read(RakNet::BitStream& stream, UseAbilityAck& message);
bool Read(RakNet::BitStream& stream, DashTargetMessage& message);
bool Read(RakNet::BitStream& stream, StabStartedMessage& message);
bool Read(RakNet::BitStream& stream, DamageDealtMessage& message);
bool Read(RakNet::BitStream& stream, KillNoticeMessage& message);
bool Read(RakNet::BitStream& stream, HitEffectMessage& message);
bool Read(RakNet::BitStream& stream, PlaySoundMessage& message);
bool Read(RakNet::BitStream& stream, KillStatsMessage& message);

}  // namespace protocol
