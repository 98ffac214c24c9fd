// One player of the match as the server keeps it: identity, place, team, health and statistics.
#pragma once

#include <cstdint>
#include <string>

#include "protocol/GameFacts.h"
#include "raknet/RakNetTypes.h"
#include "shared/Float3.h"

// What lookups report for a GUID that is not a player.
inline constexpr std::int32_t kNoTeam = -1;
inline constexpr float kPlayerMaxHealth = 100.0f;

struct PlayerRecord {
    std::string name;
    Float3 position;
    Float3 direction{1.0f, 0.0f, 0.0f};
    RakNet::RakNetGUID guid;
    // Unique among current players; names the player in the compressed position and visibility messages.
    std::int32_t playerIndex = -1;
    std::int32_t team = kNoTeam;
    float maxHealth = kPlayerMaxHealth;
    float health = kPlayerMaxHealth;
    std::int32_t character = 0;
    std::int32_t tool = 0;
    bool alive = true;
    // Damage over time collected but not yet applied.
    float areaDamage = 0.0f;
    // Health added per heal tick while healing.
    float healAmount = 0.0f;
    bool invisible = false;
    std::int32_t kills = 0;
    std::int32_t deaths = 0;
    // Above 0 the next hit is absorbed.
    float shield = 0.0f;
    bool healing = false;
};
