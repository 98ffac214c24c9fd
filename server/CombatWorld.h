// Everything an ability can create objects in or ask about: the seven object managers, the collision world
// of the level being played and the stabs in progress.
#pragma once

#include <vector>

#include "server/ActiveStab.h"

class ShurikenManager;
class ProjectileManager;
class FanManager;
class SmokeBombManager;
class SpikeTrapManager;
class StickyTrapManager;
class VolleyManager;
class CollisionChecker;

struct CombatWorld {
    ShurikenManager& shurikens;
    ProjectileManager& projectiles;
    FanManager& fans;
    SmokeBombManager& smokeBombs;
    SpikeTrapManager& spikeTraps;
    StickyTrapManager& stickyTraps;
    VolleyManager& volleys;
    CollisionChecker& collision;
    std::vector<ActiveStab>& stabs;
};
