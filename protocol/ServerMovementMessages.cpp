#include "protocol/ServerMovementMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

using detail::kNoFields;

constexpr auto kRespawnFields = [](auto& io, auto& m) { return io(m.position); };
constexpr auto kAnimationRelayFields = [](auto& io, auto& m) { return io(m.player) && io(m.animation); };
constexpr auto kPackedFields = [](auto& io, auto& packed) {
    return io(packed.mantissa) && io(packed.exponent);
};
constexpr auto kPositionUpdateFields = [](auto& io, auto& m) {
    return io(m.playerIndex) && kPackedFields(io, m.x) && kPackedFields(io, m.z) &&
           kPackedFields(io, m.directionX) && kPackedFields(io, m.directionZ);
};
constexpr auto kVisiblePlayersFields = [](auto& io, auto& m) {
    return detail::CountedList<std::uint8_t>(io, m.playerIndices, detail::kSingleField);
};
constexpr auto kPositionRelayFields = [](auto& io, auto& m) { return io(m.player) && io(m.position); };
constexpr auto kDirectionRelayFields = [](auto& io, auto& m) { return io(m.player) && io(m.direction); };

}  // namespace

PositionUpdateMessage EncodePositionUpdate(std::uint8_t playerIndex, float x, float z, float directionX,
                                           float directionZ) {
    return {.playerIndex = playerIndex,
            .x = PackPosition(x),
            .z = PackPosition(z),
            .directionX = PackDirection(directionX),
            .directionZ = PackDirection(directionZ)};
}

void Write(RakNet::BitStream& s, const RespawnPositionMessage& m) {
    detail::WriteMessage(s, m, kRespawnFields);
}
void Write(RakNet::BitStream& s, const PositionRejectedMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const AnimationRelayMessage& m) {
    detail::WriteMessage(s, m, kAnimationRelayFields);
}
void Write(RakNet::BitStream& s, const PositionUpdateMessage& m) {
    detail::WriteMessage(s, m, kPositionUpdateFields);
}
void Write(RakNet::BitStream& s, const VisiblePlayersMessage& m) {
    detail::WriteMessage(s, m, kVisiblePlayersFields);
}
void Write(RakNet::BitStream& s, const PlayerPositionRelay& m) {
    detail::WriteMessage(s, m, kPositionRelayFields);
}
void Write(RakNet::BitStream& s, const PlayerDirectionRelay& m) {
    detail::WriteMessage(s, m, kDirectionRelayFields);
}

bool Read(RakNet::BitStream& s, RespawnPositionMessage& m) {
    return detail::ReadMessage(s, m, kRespawnFields);
}
bool Read(RakNet::BitStream& s, PositionRejectedMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, AnimationRelayMessage& m) {
    return detail::ReadMessage(s, m, kAnimationRelayFields);
}
bool Read(RakNet::BitStream& s, PositionUpdateMessage& m) {
    return detail::ReadMessage(s, m, kPositionUpdateFields);
}
bool Read(RakNet::BitStream& s, VisiblePlayersMessage& m) {
    return detail::ReadMessage(s, m, kVisiblePlayersFields);
}
bool Read(RakNet::BitStream& s, PlayerPositionRelay& m) {
    return detail::ReadMessage(s, m, kPositionRelayFields);
}
bool Read(RakNet::BitStream& s, PlayerDirectionRelay& m) {
    return detail::ReadMessage(s, m, kDirectionRelayFields);
}

}  // namespace protocol
