// Damage over time (caltrops, a fan in flight, the naginata stab, sudden death). Each frame a player under
// such an effect collects rate x frame time in its area-damage accumulator; once the accumulator is above a
// threshold the whole of it is dealt as one hit at the next damage tick, so damage arrives in chunks of a
// little more than the threshold, at most once every 0.1 s.
#pragma once

#include <cstdint>

#include "raknet/RakNetTypes.h"
#include "server/PlayerRecord.h"

class ServerPlayerManager;

inline constexpr float kAreaDamageThreshold = 1.0f;

struct AreaDamage {
    float rate = 0.0f;  // per second
    std::int32_t ability = 0;
    RakNet::RakNetGUID attacker;
    bool feedback = true;
    float threshold = kAreaDamageThreshold;
};

// One frame of the effect on target. target is the player's record as it stood when the calling check
// began (its accumulator is read from there), so every effect of one check sees the same accumulator.
void ApplyAreaDamage(ServerPlayerManager& players, const PlayerRecord& target, const AreaDamage& effect,
                     float frameTime);
