// A bot's decisions, one call per report tick: where to walk, where to look and which ability to use.
// Seek the nearest enemy, strafe around it at the range of its weapons, retreat (or fetch the heal rune) when
// low, take runes when nobody is in sight, and during sudden death fight inside the centre square, seeking
// the enemies there when none is in sight.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "protocol/GameFacts.h"
#include "tools/bots/AbilityKit.h"
#include "tools/bots/Aiming.h"
#include "tools/bots/ArenaMap.h"
#include "tools/bots/Ground.h"

struct BotView {
    Ground position;
    float health = 100.0f;
    std::int32_t team = kRedTeam;
    bool suddenDeath = false;
    std::vector<EnemyView> visibleEnemies;  // what the bot itself sees
    std::vector<Ground> knownEnemies;       // every living enemy's last known place
    std::vector<Ground> runes;              // runes lying on the level now
};

struct AbilityUse {
    std::int32_t ability = 0;
    float distance = 0.0f;
};

struct BotIntent {
    Ground goal;
    Ground facing{1.0f, 0.0f};
    std::optional<AbilityUse> ability;
};

class BotBrain {
public:
    static constexpr float kLowHealth = 35.0f;
    static constexpr float kSafeHalfSize = 12.0f;  // sudden death spares the square |x|, |z| <= 12

    BotBrain(std::int32_t character, std::int32_t tool, std::uint32_t seed);

    BotIntent Think(const ArenaMap& map, const BotView& view, double dt);
    // A new round: cooldowns and charges back to full.
    void ResetRound() { m_kit.Reset(); }
    const AbilityKit& Kit() const { return m_kit; }

private:
    std::optional<AbilityUse> ChooseAbility(float distance);
    Ground Wander(const ArenaMap& map, Ground position, double dt);

    AbilityKit m_kit;
    std::mt19937 m_random;
    double m_strafeTimer = 0.0;
    float m_strafeSide = 1.0f;
    Ground m_wanderGoal;
    double m_wanderTimer = 0.0;
};
