// A sword, fan or naginata swing: it hits the first enemy in list order that stands within reach in front of
// the attacker with nothing in between.
#pragma once

#include <cstdint>

#include "raknet/RakNetTypes.h"
#include "shared/Float3.h"

class ServerPlayerManager;
class CollisionChecker;

// The attacker's reach: a sphere of this radius about it must touch the target's body sphere.
inline constexpr float kMeleeRange = 3.0f;
inline constexpr float kMeleeBodyRadius = 1.0f;
// Nobody closer than this to the point one unit behind the attacker is hit.
inline constexpr float kMeleeBehindRadius = 0.3f;
inline constexpr float kMeleeBehindBodyRadius = 0.5f;
// Half the opening of the swing, measured from the point behind the attacker: pi / 4.
inline constexpr float kMeleeHalfAngle = 0.7853982f;
inline constexpr float kSwordSwingDamage = 30.0f;  // MeleeSwing
inline constexpr float kLightSwingDamage = 25.0f;  // FanMelee, NaginataSlash

// Whether a swing by an attacker at position facing along facing reaches a body at target, walls aside.
bool SwingReaches(const Float3& position, const Float3& facing, const Float3& target);

// Damages the first enemy of the attacker in list order whose body the swing reaches and to which no
// wall or pillar stands in the way; true when it hit.
bool MeleeSwing(ServerPlayerManager& players, const CollisionChecker& collision,
                const RakNet::RakNetGUID& attacker, float damage, std::int32_t ability);
