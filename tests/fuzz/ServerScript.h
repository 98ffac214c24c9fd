// The input format of the server fuzz target: a script of connection events, packets and frames, read from
// the front one byte at a time (missing bytes read as zero). The corpus writer builds seed scripts with the
// same field order, so both sides share the visitor that lists each client message's fields.
//
//   op 0  connect    slot
//   op 1  leave      slot, notified (odd: disconnection notice, even: lost connection)
//   op 2  frame      index into kFrameTimes
//   op 3  frames     count (0..63 frames of 0.1 s)
//   op 4  raw packet slot, length (u16, little-endian), bytes
//   op 5  message    slot, type (index into the client messages), the message's fields, cut
//                    (0: whole, n: only the first n - 1 bytes)
//   op 6  step       slot, dx, dy, dz (signed bytes, twentieths of a unit from the sender's position)
#pragma once

#include <type_traits>

#include "ByteScript.h"
#include "protocol/ClientMessages.h"

namespace fuzz {

inline constexpr int kScriptSlots = 12;
inline constexpr double kFrameTimes[] = {0.0, 0.001, 0.01, 0.04, 0.1, 0.25, 1.0, 3.0, 10.0, 30.0};
inline constexpr int kFrameTimeCount = static_cast<int>(sizeof(kFrameTimes) / sizeof(kFrameTimes[0]));

enum ScriptOp : std::uint8_t { kConnect, kLeave, kFrame, kFrames, kRawPacket, kMessage, kStep, kOpCount };

// The client messages in the order of the message op's type byte.
inline constexpr int kClientMessageTypes = 12;

// The fields of each client message in script order; io reads them (ScriptReader) or writes them
// (ScriptWriter).
template <typename Io>
void Fields(Io&, protocol::PlayerListRequest&) {}
template <typename Io>
void Fields(Io& io, protocol::PlayerPositionReport& m) {
    io(m.position.x);
    io(m.position.y);
    io(m.position.z);
}
template <typename Io>
void Fields(Io& io, protocol::PlayerDirectionReport& m) {
    io(m.direction.x);
    io(m.direction.y);
    io(m.direction.z);
}
template <typename Io>
void Fields(Io& io, protocol::UseAbilityRequest& m) {
    io(m.ability);
    io(m.distance);
}
template <typename Io>
void Fields(Io&, protocol::StartGameRequest&) {}
template <typename Io>
void Fields(Io& io, protocol::AnimationReport& m) {
    io(m.animation);
}
template <typename Io>
void Fields(Io& io, protocol::JoinGameRequest& m) {
    io(m.name);
    io(m.character);
    io(m.tool);
    io(m.teamRequest);
}
template <typename Io>
void Fields(Io&, protocol::RoundTimeRequest&) {}
template <typename Io>
void Fields(Io&, protocol::ScoresRequest&) {}
template <typename Io>
void Fields(Io&, protocol::RuneStateRequest&) {}
template <typename Io>
void Fields(Io& io, protocol::VisiblePlayersReport& m) {
    io(m.playerIndices);
}
template <typename Io>
void Fields(Io& io, protocol::LobbyChoiceReport& m) {
    io(m.character);
    io(m.tool);
    io(m.teamChoice);
    io(m.name);
    io(m.ready);
}

// Calls visit with a default message of the type with this index (the message op's type byte, wrapped).
template <typename Visit>
void WithClientMessageType(int type, Visit&& visit) {
    switch (type % kClientMessageTypes) {
        case 0:
            return visit(protocol::PlayerListRequest{});
        case 1:
            return visit(protocol::PlayerPositionReport{});
        case 2:
            return visit(protocol::PlayerDirectionReport{});
        case 3:
            return visit(protocol::UseAbilityRequest{});
        case 4:
            return visit(protocol::StartGameRequest{});
        case 5:
            return visit(protocol::AnimationReport{});
        case 6:
            return visit(protocol::JoinGameRequest{});
        case 7:
            return visit(protocol::RoundTimeRequest{});
        case 8:
            return visit(protocol::ScoresRequest{});
        case 9:
            return visit(protocol::RuneStateRequest{});
        case 10:
            return visit(protocol::VisiblePlayersReport{});
        default:
            return visit(protocol::LobbyChoiceReport{});
    }
}

// The type byte of a message type.
template <typename Message>
int ClientMessageTypeIndex() {
    int found = -1;
    for (int type = 0; type < kClientMessageTypes; ++type) {
        WithClientMessageType(type, [&](auto message) {
            if constexpr (std::is_same_v<decltype(message), Message>) {
                found = type;
            }
        });
    }
    return found;
}

}  // namespace fuzz
