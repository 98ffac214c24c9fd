// Game messages about the players: roster, lobby, movement, health, animation, kills and effects on players.
#include <cmath>

#include "client/net/ClientNetwork.h"

using namespace RakNet;

namespace {

bool Finite(const protocol::Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace

bool ClientNetwork::HandlePlayerMessage(BitStream& stream, MessageID id) {
    const auto read = [&](auto& message) { return protocol::Read(stream, message) || Dropped(id); };
    switch (id) {
        case protocol::ID_PLAYER_LIST: {
            protocol::PlayerListMessage message;
            if (read(message)) {
                ApplyPlayerList(message);
            }
            return true;
        }
        case protocol::ID_LOBBY_STATE: {
            protocol::LobbyStateMessage message;
            if (read(message)) {
                ApplyLobby(message);
            }
            return true;
        }
        case protocol::ID_PLAYER_POSITION: {
            // A record is made only by the roster: a position for an unknown guid is dropped.
            protocol::PlayerPositionRelay message;
            if (read(message) && Finite(message.position)) {
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->position = message.position;
                }
            }
            return true;
        }
        case protocol::ID_PLAYER_DIRECTION: {
            protocol::PlayerDirectionRelay message;
            if (read(message) && Finite(message.direction)) {
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->direction = message.direction;
                }
            }
            return true;
        }
        case protocol::ID_POSITION_UPDATE: {
            // The server's view, 0.1 s old and coarse: for the local player it stays in localPlayer and
            // never reaches the position this client reports.
            protocol::PositionUpdateMessage message;
            if (read(message)) {
                NetworkPlayer* record =
                    localPlayer.playerIndex == message.playerIndex ? &localPlayer : nullptr;
                for (NetworkPlayer& player : remotePlayers) {
                    if (record == nullptr && player.playerIndex == message.playerIndex) {
                        record = &player;
                    }
                }
                if (record != nullptr) {
                    record->position = {protocol::UnpackPosition(message.x), 0.0f,
                                        protocol::UnpackPosition(message.z)};
                    record->direction = {protocol::UnpackDirection(message.directionX), 0.0f,
                                         protocol::UnpackDirection(message.directionZ)};
                }
            }
            return true;
        }
        case protocol::ID_RESPAWN_POSITION: {
            protocol::RespawnPositionMessage message;
            if (read(message) && Finite(message.position)) {
                localPlayer.position = message.position;
                localPlayer.healing = false;
                PlaceLocalPlayer(message.position);
                events.respawns.Push(message.position);
            }
            return true;
        }
        case protocol::ID_POSITION_REJECTED: {
            protocol::PositionRejectedMessage message;
            if (read(message)) {
                events.positionRejected.Raise();
            }
            return true;
        }
        case protocol::ID_PLAYER_HEALTH: {
            protocol::PlayerHealthMessage message;
            if (read(message) && std::isfinite(message.health)) {
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->health = message.health;
                    record->alive = message.alive;
                    record->invisible = false;
                }
            }
            return true;
        }
        case protocol::ID_ANIMATION: {
            protocol::AnimationRelayMessage message;
            if (read(message)) {
                events.animationEvents.Push(AnimationEvent{message.player, message.animation});
            }
            return true;
        }
        case protocol::ID_DASH_TARGET: {
            protocol::DashTargetMessage message;
            if (read(message) && Finite(message.target)) {
                events.dashTargets.Push(message.target);
            }
            return true;
        }
        case protocol::ID_PLAYER_JOINED_LEFT: {
            protocol::PlayerJoinedLeftMessage message;
            if (read(message)) {
                events.joinedLeft.Push(JoinedLeftNotice{message.name, message.kind});
            }
            return true;
        }
        case protocol::ID_DAMAGE_DEALT: {
            protocol::DamageDealtMessage message;
            if (read(message) && std::isfinite(message.damage) && Finite(message.victimPosition)) {
                events.damageShown.Push(DamageShown{message.damage, message.victimPosition});
            }
            return true;
        }
        case protocol::ID_KILL_NOTICE: {
            protocol::KillNoticeMessage message;
            if (read(message)) {
                events.killFeed.Push(message);
            }
            return true;
        }
        case protocol::ID_KILL_STATS: {
            protocol::KillStatsMessage message;
            if (read(message)) {
                if (NetworkPlayer* victim = RecordOf(message.victim)) {
                    victim->deaths = message.victimDeaths;
                }
                if (NetworkPlayer* killer = RecordOf(message.killer)) {
                    killer->kills = message.killerKills;
                }
            }
            return true;
        }
        case protocol::ID_VISIBLE_PLAYERS: {
            protocol::VisiblePlayersMessage message;
            if (read(message)) {
                visiblePlayers = message.playerIndices;
            }
            return true;
        }
        case protocol::ID_HEALING_STATE: {
            protocol::HealingStateMessage message;
            if (read(message)) {
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->healing = message.healing;
                }
            }
            return true;
        }
        case protocol::ID_SHIELD_VALUE: {
            protocol::ShieldValueMessage message;
            if (read(message) && std::isfinite(message.shield)) {
                if (NetworkPlayer* record = RecordOf(message.player)) {
                    record->shield = message.shield;
                }
            }
            return true;
        }
        case protocol::ID_SHIELD_ENDED: {
            protocol::ShieldEndedMessage message;
            if (read(message)) {
                localPlayer.shield = 0.0f;
                for (NetworkPlayer& player : remotePlayers) {
                    player.shield = 0.0f;
                }
            }
            return true;
        }
        case protocol::ID_INVISIBILITY_ENDED: {
            protocol::InvisibilityEndedMessage message;
            if (read(message)) {
                localPlayer.invisible = false;
                for (NetworkPlayer& player : remotePlayers) {
                    player.invisible = false;
                }
            }
            return true;
        }
        case protocol::ID_USE_ABILITY: {
            protocol::UseAbilityAck message;
            read(message);
            return true;
        }
        case protocol::ID_STAB_STARTED: {
            protocol::StabStartedMessage message;
            read(message);
            return true;
        }
        default:
            return false;
    }
}
