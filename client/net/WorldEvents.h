// The records the client keeps of what the server tells it about the world and the players' effects: fan
// entries, animations, sounds, runes, the joined/left notice and the damage the local player dealt.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/ServerMessages.h"
#include "raknet/RakNetTypes.h"

// A fan, whether it has turned back to its owner, and the outward time it had left when it turned
// (ID_FAN_RETURNING sets both).
struct FanEntry {
    protocol::FanAddMessage add{};
    std::int32_t fanId = 0;
    float remainingOutwardTime = 0.0f;
    bool returning = false;
};

struct AnimationEvent {
    RakNet::RakNetGUID player{};
    std::int32_t animation = 0;
};

// A sound the sound system is to play: a number of the client's sound table at a position.
struct SoundEvent {
    std::int32_t sound = 0;
    protocol::Vec3 position{};
    friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

// A rune on the level. ambientLoop is true while its ambient sound loop plays.
struct RuneRecord {
    std::int32_t type = 0;  // 0 heal, 1 invisibility, 2 shield
    protocol::Vec3 position{};
    bool active = true;
    bool ambientLoop = false;
};

struct JoinedLeftNotice {
    std::string name;
    std::int32_t kind = 0;  // 1 joined red, 2 joined blue, 3 left
};

// A hit the local player dealt, for its damage display.
struct DamageShown {
    float damage = 0.0f;
    protocol::Vec3 position{};
};
