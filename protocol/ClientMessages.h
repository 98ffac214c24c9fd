// Messages a client sends to the server.
//
// Every message has a Write and a Read. Write puts the identifier byte, then the payload. Read starts at the
// identifier byte (construct the stream over the whole packet), checks it, and reads the payload; it returns
// false for another identifier or a payload shorter than its layout, and then leaves both the message and the
// stream's read position unchanged, so a short message is dropped whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"

namespace protocol {

// Asks for the roster (ID_PLAYER_LIST). Empty.
struct PlayerListRequest {
    static constexpr GameMessageId kId = ID_PLAYER_LIST;
    static constexpr Direction kDirection = Direction::ClientToServer;
    friend bool operator==(const PlayerListRequest&, const PlayerListRequest&) = default;
};

// The local player's position.
struct PlayerPositionReport {
    static constexpr GameMessageId kId = ID_PLAYER_POSITION;
    static constexpr Direction kDirection = Direction::ClientToServer;
    Vec3 position{};
    friend bool operator==(const PlayerPositionReport&, const PlayerPositionReport&) = default;
};

// The local player's facing vector.
struct PlayerDirectionReport {
    static constexpr GameMessageId kId = ID_PLAYER_DIRECTION;
    static constexpr Direction kDirection = Direction::ClientToServer;
    Vec3 direction{};
    friend bool operator==(const PlayerDirectionReport&, const PlayerDirectionReport&) = default;
};

struct UseAbilityRequest {
    static constexpr GameMessageId kId = ID_USE_ABILITY;
    static constexpr Direction kDirection = Direction::ClientToServer;
    std::int32_t ability = 0;  // AbilityId
    float distance = 0.0f;     // aimed distance of the thrown tools and the volley, else 0
    friend bool operator==(const UseAbilityRequest&, const UseAbilityRequest&) = default;
};

// The lobby's start button. Empty.
struct StartGameRequest {
    static constexpr GameMessageId kId = ID_START_GAME;
    static constexpr Direction kDirection = Direction::ClientToServer;
    friend bool operator==(const StartGameRequest&, const StartGameRequest&) = default;
};

// An animation the other players must see; the server relays the number without looking at it.
struct AnimationReport {
    static constexpr GameMessageId kId = ID_ANIMATION;
    static constexpr Direction kDirection = Direction::ClientToServer;
    std::int32_t animation = 0;
    friend bool operator==(const AnimationReport&, const AnimationReport&) = default;
};

// The final lobby choice, handing over to the match.
struct JoinGameRequest {
    static constexpr GameMessageId kId = ID_JOIN_GAME;
    static constexpr Direction kDirection = Direction::ClientToServer;
    std::string name{};
    std::int32_t character = 0;    // Character
    std::int32_t tool = 0;         // Tool
    std::int32_t teamRequest = 0;  // TeamRequest
    friend bool operator==(const JoinGameRequest&, const JoinGameRequest&) = default;
};

// Asks for the round clock. Empty.
struct RoundTimeRequest {
    static constexpr GameMessageId kId = ID_ROUND_TIME;
    static constexpr Direction kDirection = Direction::ClientToServer;
    friend bool operator==(const RoundTimeRequest&, const RoundTimeRequest&) = default;
};

// Asks for the round wins of each team. Empty.
struct ScoresRequest {
    static constexpr GameMessageId kId = ID_SCORES;
    static constexpr Direction kDirection = Direction::ClientToServer;
    friend bool operator==(const ScoresRequest&, const ScoresRequest&) = default;
};

// Asks which runes are on the level. Empty.
struct RuneStateRequest {
    static constexpr GameMessageId kId = ID_RUNE_STATE;
    static constexpr Direction kDirection = Direction::ClientToServer;
    friend bool operator==(const RuneStateRequest&, const RuneStateRequest&) = default;
};

// The player indices of the enemies this client sees: u8 count, then one byte each. At most 255 travel.
struct VisiblePlayersReport {
    static constexpr GameMessageId kId = ID_VISIBLE_PLAYERS;
    static constexpr Direction kDirection = Direction::ClientToServer;
    std::vector<std::uint8_t> playerIndices{};
    friend bool operator==(const VisiblePlayersReport&, const VisiblePlayersReport&) = default;
};

// This client's lobby choice (ID_LOBBY_STATE).
struct LobbyChoiceReport {
    static constexpr GameMessageId kId = ID_LOBBY_STATE;
    static constexpr Direction kDirection = Direction::ClientToServer;
    std::int32_t character = 0;   // Character
    std::int32_t tool = 0;        // Tool
    std::int32_t teamChoice = 0;  // TeamRequest
    std::string name{};
    bool ready = false;
    friend bool operator==(const LobbyChoiceReport&, const LobbyChoiceReport&) = default;
};

void Write(RakNet::BitStream& stream, const PlayerListRequest& message);
void Write(RakNet::BitStream& stream, const PlayerPositionReport& message);
void Write(RakNet::BitStream& stream, const PlayerDirectionReport& message);
void Write(RakNet::BitStream& stream, const UseAbilityRequest& message);
void Write(RakNet::BitStream& stream, const StartGameRequest& message);
void Write(RakNet::BitStream& stream, const AnimationReport& message);
void Write(RakNet::BitStream& stream, const JoinGameRequest& message);
void Write(RakNet::BitStream& stream, const RoundTimeRequest& message);
void Write(RakNet::BitStream& stream, const ScoresRequest& message);
void Write(RakNet::BitStream& stream, const RuneStateRequest& message);
void Write(RakNet::BitStream& stream, const VisiblePlayersReport& message);
void Write(RakNet::BitStream& stream, const LobbyChoiceReport& message);

bool Read(RakNet::BitStream& stream, PlayerListRequest& message);
bool Read(RakNet::BitStream& stream, PlayerPositionReport& message);
bool Read(RakNet::BitStream& stream, PlayerDirectionReport& message);
bool Read(RakNet::BitStream& stream, UseAbilityRequest& message);
bool Read(RakNet::BitStream& stream, StartGameRequest& message);
bool Read(RakNet::BitStream& stream, AnimationReport& message);
bool Read(RakNet::BitStream& stream, JoinGameRequest& message);
bool Read(RakNet::BitStream& stream, RoundTimeRequest& message);
bool Read(RakNet::BitStream& stream, ScoresRequest& message);
bool Read(RakNet::BitStream& stream, RuneStateRequest& message);
bool Read(RakNet::BitStream& stream, VisiblePlayersReport& message);
bool Read(RakNet::BitStream& stream, LobbyChoiceReport& message);

}  // namespace protocol
