// Sudden-death damage: once sudden death has lasted 10 s, every living player outside the centre square of
// the arena loses 5 health per second, dealt in chunks of a little more than 2 at the damage ticks. Such a
// death counts as a death of the player by its own hand and as nobody's kill.
#pragma once

class ServerPlayerManager;

// The safe square: -12 <= x <= 12 and -12 <= z <= 12.
inline constexpr float kSafeSquareHalfSize = 12.0f;
inline constexpr float kSuddenDeathDamageRate = 5.0f;
inline constexpr float kSuddenDeathThreshold = 2.0f;

// Run every frame once the sudden-death damage has begun. Players inside the square keep their
// accumulator as it is.
void SuddenDeathCheck(ServerPlayerManager& players, double frameTime);
