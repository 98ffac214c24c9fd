// The game's message identifiers (the first byte of every game packet) and the numbered values that travel
// in payloads. The numbers are fixed on the wire whatever the transport's own identifiers are.
#pragma once

#include <cstdint>

#include "raknet/MessageIdentifiers.h"

namespace protocol {

// Which way a message travels. The same identifier can carry a different payload each way.
enum class Direction : std::uint8_t { ClientToServer, ServerToClient };

// Identifiers 145 and 188 are never used; none above 198 exists.
enum GameMessageId : RakNet::MessageID {
    ID_CONNECTION_COUNT = 135,
    ID_LEVEL_NAME = 136,
    ID_PLAYER_LIST = 137,
    ID_PLAYER_POSITION = 138,
    ID_PLAYER_DIRECTION = 139,
    ID_SHURIKEN_ADD = 140,
    ID_SHURIKEN_REMOVE = 141,
    ID_PROJECTILE_ADD = 142,
    ID_PROJECTILE_REMOVE = 143,
    ID_RESPAWN_POSITION = 144,
    ID_POSITION_REJECTED = 146,
    ID_PLAYER_HEALTH = 147,
    ID_USE_ABILITY = 148,
    ID_ROUND_WON = 149,
    ID_ROUND_STARTED = 150,
    ID_ROUND_COUNTDOWN_START = 151,
    ID_COUNTDOWN_SECONDS = 152,
    ID_SMOKEBOMB_ADD = 153,
    ID_SMOKEBOMB_REMOVE = 154,
    ID_MATCH_WON = 155,
    ID_NEW_LEVEL = 156,
    ID_START_GAME = 157,
    ID_ANIMATION = 158,
    ID_SPIKETRAP_ADD = 159,
    ID_SPIKETRAP_REMOVE = 160,
    ID_DASH_TARGET = 161,
    ID_JOIN_GAME = 162,
    ID_PLAYER_JOINED_LEFT = 163,
    ID_FAN_ADD = 164,
    ID_FAN_REMOVE = 165,
    // Accepted by the client but never sent by the server: a count, then (object id, two 32-bit values).
    ID_UNUSED_166 = 166,
    ID_FAN_RETURNING = 167,
    ID_VOLLEY_ADD = 168,
    ID_ROUND_TIME = 169,
    ID_STICKYTRAP_ADD = 170,
    ID_STICKYTRAP_REMOVE = 171,
    ID_SCORES = 172,
    ID_STAB_STARTED = 173,
    ID_DAMAGE_DEALT = 174,
    ID_POSITION_UPDATE = 175,
    ID_KILL_NOTICE = 176,
    ID_HIT_EFFECT = 177,
    ID_PLAY_SOUND = 178,
    // Accepted by the client but never sent by the server: the fields of ID_PLAY_SOUND.
    ID_UNUSED_179 = 179,
    ID_UNUSED_180 = 180,
    ID_SUDDEN_DEATH = 181,
    // Accepted by the client but never sent by the server: one i32.
    ID_UNUSED_182 = 182,
    ID_KILL_STATS = 183,
    ID_RUNES_SPAWNED = 184,
    ID_HEAL_RUNE_RESPAWNED = 185,
    ID_RUNE_REMOVED = 186,
    ID_RUNE_STATE = 187,
    ID_HEAL_RUNE_TAKEN = 189,
    ID_SHIELD_RUNE_TAKEN = 190,
    ID_INVISIBILITY_RUNE_TAKEN = 191,
    ID_SHIELD_ENDED = 192,
    ID_INVISIBILITY_ENDED = 193,
    ID_VISIBLE_PLAYERS = 194,
    ID_HEALING_STATE = 195,
    ID_SHIELD_VALUE = 196,
    ID_FLASH_BANG = 197,
    ID_LOBBY_STATE = 198,
};

static_assert(ID_CONNECTION_COUNT == RakNet::ID_USER_PACKET_ENUM + 1,
              "game identifiers start one above the transport's user identifier");

// Values carried as i32 fields. Messages hold the raw i32 (a peer may send anything); these name the values.

enum class Team : std::int32_t { Red = 1, Blue = 2 };

// A team choice: any other non-zero value is treated as blue by the server.
enum class TeamRequest : std::int32_t { Automatic = 0, Red = 1, Blue = 2 };

enum class Character : std::int32_t { KatanaNinja = 0, TessenNinja = 1, NaginataNinja = 2 };

// The tool chosen in the lobby.
enum class Tool : std::int32_t {
    SpikeAbility = 0,
    SmokeBombAbility = 1,
    StickyTrapAbility = 2,
    FlashBangAbility = 3
};

enum class AbilityId : std::int32_t {
    ShurikenAbility = 0,
    Dash = 1,
    MeleeSwing = 2,
    MegaShuriken = 3,
    SmokeBombAbility = 4,
    SpikeAbility = 5,
    FanMelee = 6,
    WhipPrimaryAttackAbility = 7,
    WhipSecondaryAttackAbility = 8,
    FanBoomerangAbility = 9,
    NaginataSlash = 10,
    KunaiAbility = 11,
    StickyTrapAbility = 12,
    NaginataStab = 13,
    VolleyAbility = 14,
    FlashBangAbility = 15,
    // Never used by a player: the cause recorded for a death by sudden-death damage.
    SuddenDeath = 16,
};

enum class ProjectileKind : std::int32_t { Shuriken = 0, MegaShuriken = 1, Kunai = 2 };

// Also the identifier of a rune in the rune messages.
enum class RuneType : std::int32_t { Heal = 0, Invisible = 1, Shield = 2 };

enum class JoinedLeftKind : std::int32_t { JoinedRed = 1, JoinedBlue = 2, Left = 3 };

}  // namespace protocol
