#include "protocol/ServerRoundMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

using detail::kNoFields;

constexpr auto kWinningTeamFields = [](auto& io, auto& m) { return io(m.winningTeam); };
constexpr auto kCountdownSecondsFields = [](auto& io, auto& m) { return io(m.secondsLeft); };
constexpr auto kNewLevelFields = [](auto& io, auto& m) { return io(m.levelPath); };
constexpr auto kRoundTimeFields = [](auto& io, auto& m) { return io(m.minutes) && io(m.seconds); };
constexpr auto kScoreEntryFields = [](auto& io, auto& e) { return io(e.team) && io(e.roundsWon); };
constexpr auto kScoresFields = [](auto& io, auto& m) {
    return detail::CountedList<std::int32_t>(io, m.scores, kScoreEntryFields);
};
constexpr auto kSuddenDeathFields = [](auto& io, auto& m) { return io(m.active); };

}  // namespace

void Write(RakNet::BitStream& s, const RoundWonMessage& m) {
    detail::WriteMessage(s, m, kWinningTeamFields);
}
void Write(RakNet::BitStream& s, const RoundStartedMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const RoundCountdownStartMessage& m) {
    detail::WriteMessage(s, m, kNoFields);
}
void Write(RakNet::BitStream& s, const CountdownSecondsMessage& m) {
    detail::WriteMessage(s, m, kCountdownSecondsFields);
}
void Write(RakNet::BitStream& s, const MatchWonMessage& m) {
    detail::WriteMessage(s, m, kWinningTeamFields);
}
void Write(RakNet::BitStream& s, const NewLevelMessage& m) {
    detail::WriteMessage(s, m, kNewLevelFields);
}
void Write(RakNet::BitStream& s, const RoundTimeMessage& m) {
    detail::WriteMessage(s, m, kRoundTimeFields);
}
void Write(RakNet::BitStream& s, const ScoresMessage& m) {
    detail::WriteMessage(s, m, kScoresFields);
}
void Write(RakNet::BitStream& s, const SuddenDeathMessage& m) {
    detail::WriteMessage(s, m, kSuddenDeathFields);
}

bool Read(RakNet::BitStream& s, RoundWonMessage& m) {
    return detail::ReadMessage(s, m, kWinningTeamFields);
}
bool Read(RakNet::BitStream& s, RoundStartedMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, RoundCountdownStartMessage& m) {
    return detail::ReadMessage(s, m, kNoFields);
}
bool Read(RakNet::BitStream& s, CountdownSecondsMessage& m) {
    return detail::ReadMessage(s, m, kCountdownSecondsFields);
}
bool Read(RakNet::BitStream& s, MatchWonMessage& m) {
    return detail::ReadMessage(s, m, kWinningTeamFields);
}
bool Read(RakNet::BitStream& s, NewLevelMessage& m) {
    return detail::ReadMessage(s, m, kNewLevelFields);
}
bool Read(RakNet::BitStream& s, RoundTimeMessage& m) {
    return detail::ReadMessage(s, m, kRoundTimeFields);
}
bool Read(RakNet::BitStream& s, ScoresMessage& m) {
    return detail::ReadMessage(s, m, kScoresFields);
}
bool Read(RakNet::BitStream& s, SuddenDeathMessage& m) {
    return detail::ReadMessage(s, m, kSuddenDeathFields);
}

}  // namespace protocol
