// Which enemies a bot sees and where it looks.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/bots/ArenaMap.h"
#include "tools/bots/Ground.h"

struct EnemyView {
    std::uint8_t playerIndex = 0;
    Ground position;
    bool alive = true;
};

// How far a bot looks.
inline constexpr float kSightRange = 45.0f;

// The living enemies within sight range that no tall obstacle hides from self, in the given order.
std::vector<EnemyView> VisibleEnemies(const ArenaMap& map, Ground self,
                                      const std::vector<EnemyView>& enemies);

// The nearest of the visible enemies.
std::optional<EnemyView> NearestEnemy(Ground self, const std::vector<EnemyView>& visible);

// The facing (unit vector on the ground plane, y = 0) from self toward target.
Ground AimAt(Ground self, Ground target);
