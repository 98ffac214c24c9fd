#include "protocol/ClientMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

using detail::kNoFields;

constexpr auto kPositionFields = [](auto& io, auto& m) { return io(m.position); };
constexpr auto kDirectionFields = [](auto& io, auto& m) { return io(m.direction); };
constexpr auto kUseAbilityFields = [](auto& io, auto& m) { return io(m.ability) && io(m.distance); };
constexpr auto kAnimationFields = [](auto& io, auto& m) { return io(m.animation); };
constexpr auto kJoinGameFields = [](auto& io, auto& m) {
    return io(m.name) && io(m.character) && io(m.tool) && io(m.teamRequest);
};
constexpr auto kVisiblePlayersFields = [](auto& io, auto& m) {
    return detail::CountedList<std::uint8_t>(io, m.playerIndices, detail::kSingleField);
};
constexpr auto kLobbyChoiceFields = [](auto& io, auto& m) {
    return io(m.character) && io(m.tool) && io(m.teamChoice) && io(m.name) && io(m.ready);
};

}  // namespace

void Write(RakNet::BitStream& s, const PlayerListRequest& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const PlayerPositionReport& m) {
    detail::WriteMessage(s, m, kPositionFields);
}
void Write(RakNet::BitStream& s, const PlayerDirectionReport& m) {
    detail::WriteMessage(s, m, kDirectionFields);
}
void Write(RakNet::BitStream& s, const UseAbilityRequest& m) {
    detail::WriteMessage(s, m, kUseAbilityFields);
}
void Write(RakNet::BitStream& s, const StartGameRequest& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const AnimationReport& m) {
    detail::WriteMessage(s, m, kAnimationFields);
}
void Write(RakNet::BitStream& s, const JoinGameRequest& m) {
    detail::WriteMessage(s, m, kJoinGameFields);
}
void Write(RakNet::BitStream& s, const RoundTimeRequest& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const ScoresRequest& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const RuneStateRequest& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const VisiblePlayersReport& m) {
    detail::WriteMessage(s, m, kVisiblePlayersFields);
}
void Write(RakNet::BitStream& s, const LobbyChoiceReport& m) {
    detail::WriteMessage(s, m, kLobbyChoiceFields);
}

bool Read(RakNet::BitStream& s, PlayerListRequest& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, PlayerPositionReport& m) {
    return detail::ReadMessage(s, m, kPositionFields);
}
bool Read(RakNet::BitStream& s, PlayerDirectionReport& m) {
    return detail::ReadMessage(s, m, kDirectionFields);
}
bool Read(RakNet::BitStream& s, UseAbilityRequest& m) {
    return detail::ReadMessage(s, m, kUseAbilityFields);
}
bool Read(RakNet::BitStream& s, StartGameRequest& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, AnimationReport& m) {
    return detail::ReadMessage(s, m, kAnimationFields);
}
bool Read(RakNet::BitStream& s, JoinGameRequest& m) {
    return detail::ReadMessage(s, m, kJoinGameFields);
}
bool Read(RakNet::BitStream& s, RoundTimeRequest& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, ScoresRequest& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, RuneStateRequest& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, VisiblePlayersReport& m) {
    return detail::ReadMessage(s, m, kVisiblePlayersFields);
}
bool Read(RakNet::BitStream& s, LobbyChoiceReport& m) {
    return detail::ReadMessage(s, m, kLobbyChoiceFields);
}

}  // namespace protocol
