// Everything an ability can create objects in or ask about: the seven object managers and the collision
// world of the level being played.
#pragma once

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
};
