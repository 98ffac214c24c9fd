// What the server told the client that one reader must act on once: each member names its reader, which
// takes it in its update. Once per frame, after the current state's update, the application drops what is
// left (ClientNetwork::DropUnreadEvents), so that nothing received in one state reaches the next: a kill
// notice that came while the player was in the lobby never shows in the match.
//
// Facts several readers need stay state of ClientNetwork instead (a round start is its round number, a new
// roster its roster number); the world objects' adds and removes are queued by their lists.
#pragma once

#include "client/net/EventQueue.h"
#include "client/net/WorldEvents.h"
#include "protocol/ServerMessages.h"

struct NetworkEvents {
    // The lobby: the server started the match.
    EventFlag gameStarted;
    // The match: the server moved on to the next level (ClientNetwork's level name).
    EventFlag newLevel;
    // The match's notice text: a player joined a team or left.
    EventQueue<JoinedLeftNotice> joinedLeft;
    // The match's rune text: the runes appeared.
    EventFlag runesAppeared;
    // The heads-up display's round clock: ClientNetwork's round time arrived.
    EventFlag roundTimeReceived;
    // The death board.
    EventQueue<protocol::KillNoticeMessage> killFeed;
    // The local player: where the server placed it (after its death, at a round start).
    EventQueue<protocol::Vec3> respawns;
    // The local player: the server refused its last reported position.
    EventFlag positionRejected;
    // The local player: where its dash ends.
    EventQueue<protocol::Vec3> dashTargets;
    // The local player's damage display: the hits it dealt.
    EventQueue<DamageShown> damageShown;
    // The players: the animations the others started.
    EventQueue<AnimationEvent> animationEvents;
    // The world: volleys and flash bangs thrown (a round start drops those not yet taken).
    EventQueue<protocol::VolleyAddMessage> volleys;
    EventQueue<protocol::FlashBangMessage> flashBangs;
    // The sound system, in every state: the sounds to play.
    EventQueue<SoundEvent> soundEvents;
};
