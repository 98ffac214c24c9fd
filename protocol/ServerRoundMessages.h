// Server messages about rounds, the match, the round clock, scores and sudden death. Write and Read follow
// the convention of ClientMessages.h: Read starts at the identifier byte and, on failure, changes neither
// message nor stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/MessageIds.h"
#include "raknet/BitStream.h"

namespace protocol {

struct RoundWonMessage {
    static constexpr GameMessageId kId = ID_ROUND_WON;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t winningTeam = 0;  // Team
    friend bool operator==(const RoundWonMessage&, const RoundWonMessage&) = default;
};

// The between-rounds countdown ended and a round begins. Empty.
struct RoundStartedMessage {
    static constexpr GameMessageId kId = ID_ROUND_STARTED;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const RoundStartedMessage&, const RoundStartedMessage&) = default;
};

// The between-rounds countdown begins. Empty.
struct RoundCountdownStartMessage {
    static constexpr GameMessageId kId = ID_ROUND_COUNTDOWN_START;
    static constexpr Direction kDirection = Direction::ServerToClient;
    friend bool operator==(const RoundCountdownStartMessage&, const RoundCountdownStartMessage&) = default;
};

struct CountdownSecondsMessage {
    static constexpr GameMessageId kId = ID_COUNTDOWN_SECONDS;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t secondsLeft = 0;  // whole seconds
    friend bool operator==(const CountdownSecondsMessage&, const CountdownSecondsMessage&) = default;
};

struct MatchWonMessage {
    static constexpr GameMessageId kId = ID_MATCH_WON;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t winningTeam = 0;  // Team
    friend bool operator==(const MatchWonMessage&, const MatchWonMessage&) = default;
};

// The next match begins on this level.
struct NewLevelMessage {
    static constexpr GameMessageId kId = ID_NEW_LEVEL;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::string levelPath{};
    friend bool operator==(const NewLevelMessage&, const NewLevelMessage&) = default;
};

// Reply to RoundTimeRequest.
struct RoundTimeMessage {
    static constexpr GameMessageId kId = ID_ROUND_TIME;
    static constexpr Direction kDirection = Direction::ServerToClient;
    double minutes = 0.0;
    double seconds = 0.0;
    friend bool operator==(const RoundTimeMessage&, const RoundTimeMessage&) = default;
};

struct ScoreEntry {
    std::int32_t team = 0;  // Team
    std::int32_t roundsWon = 0;
    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

// Reply to ScoresRequest: i32 count, then the entries. A negative count is malformed.
struct ScoresMessage {
    static constexpr GameMessageId kId = ID_SCORES;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::vector<ScoreEntry> scores{};
    friend bool operator==(const ScoresMessage&, const ScoresMessage&) = default;
};

struct SuddenDeathMessage {
    static constexpr GameMessageId kId = ID_SUDDEN_DEATH;
    static constexpr Direction kDirection = Direction::ServerToClient;
    bool active = false;
    friend bool operator==(const SuddenDeathMessage&, const SuddenDeathMessage&) = default;
};

void Write(RakNet::BitStream& stream, const RoundWonMessage& message);
void Write(RakNet::BitStream& stream, const RoundStartedMessage& message);
void Write(RakNet::BitStream& stream, const RoundCountdownStartMessage& message);
void Write(RakNet::BitStream& stream, const CountdownSecondsMessage& message);
void Write(RakNet::BitStream& stream, const MatchWonMessage& message);
void Write(RakNet::BitStream& stream, const NewLevelMessage& message);
void Write(RakNet::BitStream& stream, const RoundTimeMessage& message);
void Write(RakNet::BitStream& stream, const ScoresMessage& message);
void Write(RakNet::BitStream& stream, const SuddenDeathMessage& message);

bool Read(RakNet::BitStream& stream, RoundWonMessage& message);
bool Read(RakNet::BitStream& stream, RoundStartedMessage& message);
bool Read(RakNet::BitStream& stream, RoundCountdownStartMessage& message);
bool Read(RakNet::BitStream& stream, CountdownSecondsMessage& message);
bool Read(RakNet::BitStream& stream, MatchWonMessage& message);
bool Read(RakNet::BitStream& stream, NewLevelMessage& message);
bool Read(RakNet::BitStream& stream, RoundTimeMessage& message);
bool Read(RakNet::BitStream& stream, ScoresMessage& message);
bool Read(RakNet::BitStream& stream, SuddenDeathMessage& message);

}  // namespace protocol
