// The one table of send parameters (priority, reliability, ordering channel) of every game message, per
// direction and, for the two messages whose parameters depend on the occasion, per variant. Senders take
// their parameters from here instead of writing them at the call site:
//
//     const protocol::SendParameters p = protocol::SendParamsFor<protocol::ShurikenAddMessage>();
//     peer->Send(&stream, p.priority, p.reliability, p.orderingChannel, target, broadcast);
#pragma once

#include <cstdint>
#include <optional>

#include "protocol/MessageIds.h"
#include "raknet/PacketPriority.h"

namespace protocol {

struct SendParameters {
    RakNet::PacketPriority priority = RakNet::HIGH_PRIORITY;
    RakNet::PacketReliability reliability = RakNet::RELIABLE;
    char orderingChannel = 0;
    friend bool operator==(const SendParameters&, const SendParameters&) = default;
};

// Messages with one set of parameters use Default; the two below have only their named variants.
enum class SendVariant : std::uint8_t {
    Default,
    PlayerListOnConnect,      // the roster request once the connection is accepted
    PlayerListAfterNewLevel,  // the roster request after ID_NEW_LEVEL
    HealthChange,             // ID_PLAYER_HEALTH with health above zero, not a revival
    HealthDeathOrRevival,     // ID_PLAYER_HEALTH with health <= 0, or a revival
};

struct SendRule {
    GameMessageId id;
    Direction direction;
    SendParameters parameters;
    SendVariant variant = SendVariant::Default;
};

namespace detail {
inline constexpr Direction kToServer = Direction::ClientToServer;
inline constexpr Direction kToClient = Direction::ServerToClient;
inline constexpr RakNet::PacketPriority kHigh = RakNet::HIGH_PRIORITY;
inline constexpr RakNet::PacketPriority kMedium = RakNet::MEDIUM_PRIORITY;
}  // namespace detail

// Channels: 0 connection, roster, joining; 1 movement, visibility, lobby, start, runes appearing and going;
// 2 direction reports, health, respawn, damage feedback, rune effects; 3 abilities, projectiles, traps, hit
// effects, sounds, kills; 4 rounds and match, round time, scores, sudden death; 5 animation relay.
inline constexpr SendRule kSendRules[] = {
    // Client to server.
    {ID_PLAYER_LIST,
     detail::kToServer,
     {detail::kHigh, RakNet::RELIABLE_ORDERED, 0},
     SendVariant::PlayerListOnConnect},
    {ID_PLAYER_LIST,
     detail::kToServer,
     {detail::kHigh, RakNet::RELIABLE, 0},
     SendVariant::PlayerListAfterNewLevel},
    {ID_PLAYER_POSITION, detail::kToServer, {detail::kHigh, RakNet::UNRELIABLE_SEQUENCED, 1}},
    {ID_PLAYER_DIRECTION, detail::kToServer, {detail::kHigh, RakNet::UNRELIABLE, 2}},
    {ID_USE_ABILITY, detail::kToServer, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_START_GAME, detail::kToServer, {detail::kMedium, RakNet::RELIABLE, 1}},
    {ID_ANIMATION, detail::kToServer, {detail::kMedium, RakNet::UNRELIABLE, 5}},
    {ID_JOIN_GAME, detail::kToServer, {detail::kMedium, RakNet::RELIABLE, 0}},
    {ID_ROUND_TIME, detail::kToServer, {detail::kHigh, RakNet::RELIABLE, 4}},
    {ID_SCORES, detail::kToServer, {detail::kHigh, RakNet::RELIABLE, 4}},
    {ID_RUNE_STATE, detail::kToServer, {detail::kHigh, RakNet::RELIABLE, 1}},
    {ID_VISIBLE_PLAYERS, detail::kToServer, {detail::kMedium, RakNet::UNRELIABLE, 1}},
    {ID_LOBBY_STATE, detail::kToServer, {detail::kMedium, RakNet::RELIABLE, 1}},
    // Server to client.
    {ID_CONNECTION_COUNT, detail::kToClient, {detail::kHigh, RakNet::RELIABLE_ORDERED, 0}},
    {ID_LEVEL_NAME, detail::kToClient, {detail::kHigh, RakNet::RELIABLE_ORDERED, 0}},
    {ID_PLAYER_LIST, detail::kToClient, {detail::kHigh, RakNet::RELIABLE_ORDERED, 0}},
    {ID_SHURIKEN_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_SHURIKEN_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_PROJECTILE_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_PROJECTILE_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_RESPAWN_POSITION, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_POSITION_REJECTED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE_ORDERED, 1}},
    {ID_PLAYER_HEALTH,
     detail::kToClient,
     {detail::kHigh, RakNet::UNRELIABLE_SEQUENCED, 2},
     SendVariant::HealthChange},
    {ID_PLAYER_HEALTH,
     detail::kToClient,
     {detail::kHigh, RakNet::RELIABLE, 2},
     SendVariant::HealthDeathOrRevival},
    {ID_USE_ABILITY, detail::kToClient, {detail::kHigh, RakNet::UNRELIABLE, 3}},
    {ID_ROUND_WON, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 4}},
    {ID_ROUND_STARTED, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 4}},
    {ID_ROUND_COUNTDOWN_START, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 4}},
    {ID_COUNTDOWN_SECONDS, detail::kToClient, {detail::kMedium, RakNet::RELIABLE_SEQUENCED, 4}},
    {ID_SMOKEBOMB_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_SMOKEBOMB_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_MATCH_WON, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 4}},
    {ID_NEW_LEVEL, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 4}},
    {ID_START_GAME, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 1}},
    {ID_ANIMATION, detail::kToClient, {detail::kMedium, RakNet::UNRELIABLE, 5}},
    {ID_SPIKETRAP_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_SPIKETRAP_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_DASH_TARGET, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_PLAYER_JOINED_LEFT, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 0}},
    {ID_FAN_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_FAN_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_FAN_RETURNING, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_VOLLEY_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_ROUND_TIME, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 4}},
    {ID_STICKYTRAP_ADD, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_STICKYTRAP_REMOVE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 3}},
    {ID_SCORES, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 4}},
    {ID_STAB_STARTED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_DAMAGE_DEALT, detail::kToClient, {detail::kHigh, RakNet::UNRELIABLE, 2}},
    {ID_POSITION_UPDATE, detail::kToClient, {detail::kHigh, RakNet::UNRELIABLE, 1}},
    {ID_KILL_NOTICE, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_HIT_EFFECT, detail::kToClient, {detail::kMedium, RakNet::UNRELIABLE, 3}},
    {ID_PLAY_SOUND, detail::kToClient, {detail::kMedium, RakNet::UNRELIABLE, 3}},
    {ID_SUDDEN_DEATH, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 4}},
    {ID_KILL_STATS, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_RUNES_SPAWNED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 1}},
    {ID_HEAL_RUNE_RESPAWNED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 1}},
    {ID_RUNE_REMOVED, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 1}},
    {ID_RUNE_STATE, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 1}},
    {ID_HEAL_RUNE_TAKEN, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_SHIELD_RUNE_TAKEN, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_INVISIBILITY_RUNE_TAKEN, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_SHIELD_ENDED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_INVISIBILITY_ENDED, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 2}},
    {ID_VISIBLE_PLAYERS, detail::kToClient, {detail::kHigh, RakNet::UNRELIABLE, 1}},
    {ID_HEALING_STATE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 1}},
    {ID_SHIELD_VALUE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 1}},
    {ID_FLASH_BANG, detail::kToClient, {detail::kHigh, RakNet::RELIABLE, 3}},
    {ID_LOBBY_STATE, detail::kToClient, {detail::kMedium, RakNet::RELIABLE, 1}},
};

// Nothing for a message that is never sent that way, or for a variant the message does not have.
constexpr std::optional<SendParameters> FindSendParameters(GameMessageId id, Direction direction,
                                                           SendVariant variant = SendVariant::Default) {
    for (const SendRule& rule : kSendRules) {
        if (rule.id == id && rule.direction == direction && rule.variant == variant) {
            return rule.parameters;
        }
    }
    return std::nullopt;
}

namespace detail {
constexpr bool SendRulesAreUnique() {
    for (const SendRule& a : kSendRules) {
        int matches = 0;
        for (const SendRule& b : kSendRules) {
            matches += (a.id == b.id && a.direction == b.direction && a.variant == b.variant) ? 1 : 0;
        }
        if (matches != 1) {
            return false;
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::SendRulesAreUnique(), "each (message, direction, variant) has one row");
static_assert(
    FindSendParameters(ID_PLAYER_LIST, Direction::ClientToServer, SendVariant::PlayerListOnConnect) &&
        FindSendParameters(ID_PLAYER_LIST, Direction::ClientToServer, SendVariant::PlayerListAfterNewLevel) &&
        FindSendParameters(ID_PLAYER_HEALTH, Direction::ServerToClient, SendVariant::HealthChange) &&
        FindSendParameters(ID_PLAYER_HEALTH, Direction::ServerToClient, SendVariant::HealthDeathOrRevival),
    "the variant helpers below find their rows");

// The parameters of a message type with a single set; a message without a Default row does not compile.
template <typename Message>
constexpr SendParameters SendParamsFor() {
    constexpr std::optional<SendParameters> kFound = FindSendParameters(Message::kId, Message::kDirection);
    static_assert(kFound.has_value(), "this message is never sent this way, or its parameters have variants");
    return *kFound;
}

// The roster request: reliable ordered on connection, reliable after ID_NEW_LEVEL.
constexpr SendParameters PlayerListRequestSendParameters(bool afterNewLevel) {
    return *FindSendParameters(
        ID_PLAYER_LIST, Direction::ClientToServer,
        afterNewLevel ? SendVariant::PlayerListAfterNewLevel : SendVariant::PlayerListOnConnect);
}

// Reliable when the health reaches zero or below or the player is revived, so that deaths and revivals are
// never lost; otherwise unreliable sequenced, since a newer health value replaces an older one.
constexpr SendParameters PlayerHealthSendParameters(float health, bool revival) {
    const bool reliable = health <= 0.0f || revival;
    return *FindSendParameters(ID_PLAYER_HEALTH, Direction::ServerToClient,
                               reliable ? SendVariant::HealthDeathOrRevival : SendVariant::HealthChange);
}

}  // namespace protocol
