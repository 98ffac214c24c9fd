// What the players of a match or a lobby scene work with besides themselves, held by the player manager and
// shared by its players: the connection (the local player's reports, animations and ability uses), the
// obstacles, the landed sticky traps and the sound system. Each may be absent: without obstacles the local
// player walks and dashes freely and aims as far as the mouse; without traps nothing slows it; without sound
// it walks silently. Nothing here is owned.
#pragma once

class AbilitySender;
class ClientNetwork;
class CollisionManager;
class SoundSystem;
class StickyTrapField;

struct PlayerSurroundings {
    ClientNetwork* network = nullptr;
    AbilitySender* abilitySender = nullptr;
    const CollisionManager* collision = nullptr;
    const StickyTrapField* stickyTraps = nullptr;
    SoundSystem* sound = nullptr;
};
