// One bot player on its own connection, following the same protocol as the game client: connect, ask for the
// roster, make a lobby choice, start and join, then report position, facing and sight every 0.04 s and use
// abilities; after ID_NEW_LEVEL back through the lobby on the next level.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "protocol/ClientMessages.h"
#include "protocol/MessageSend.h"
#include "protocol/SendParameters.h"
#include "raknet/BitStream.h"
#include "raknet/RakPeerInterface.h"
#include "shared/NetworkLogger.h"
#include "tools/bots/ArenaMap.h"
#include "tools/bots/BotBrain.h"
#include "tools/bots/BotStats.h"
#include "tools/bots/Steering.h"

namespace protocol {
struct PlayerListMessage;
struct LobbyStateMessage;
}  // namespace protocol

struct BotSetup {
    std::string name;
    std::int32_t character = 0;
    std::int32_t tool = 0;
    std::int32_t teamRequest = 0;
    std::uint32_t seed = 1;
    // This bot presses start once the lobby holds this many members (0: never presses start).
    int startWhenLobbyHas = 0;
};

class BotSession {
public:
    enum class Phase { Connecting, Lobby, Joining, Playing, Failed, ServerGone };

    static constexpr double kReportInterval = 0.04;
    static constexpr float kMaxReportStep = 4.0f;  // the server rejects more than 5 units on an axis

    explicit BotSession(BotSetup setup);
    ~BotSession();
    BotSession(const BotSession&) = delete;
    BotSession& operator=(const BotSession&) = delete;

    bool Connect(const std::string& host, unsigned short port);
    // Handles every waiting packet, then thinks and reports when a report is due.
    void Update(double dt);
    void Leave();

    const BotStats& Stats() const { return m_stats; }
    const std::string& Name() const { return m_setup.name; }
    std::int32_t Team() const { return m_team; }
    int MatchesFinished() const { return static_cast<int>(m_stats.matchWinners.size()); }
    // True once this bot stands in a match on the level it was sent to by the latest ID_NEW_LEVEL.
    bool PlayingAfterNewLevel() const { return m_phase == Phase::Playing && m_levelsSinceStart > 0; }
    // True once the connection failed or was lost: the bot plays no more.
    bool IsGone() const { return m_phase == Phase::Failed || m_phase == Phase::ServerGone; }
    // Called with one line per match event (round and match won, new level); only set on one bot.
    std::function<void(const std::string&)> onEvent;

private:
    struct Known {
        std::uint8_t index = 0;
        std::int32_t team = 0;
        Ground position;
        bool alive = true;
    };

    template <typename Message>
    void Send(const Message& message,
              const protocol::SendParameters& parameters = protocol::SendParamsFor<Message>()) {
        protocol::SendTo(m_peer, message, m_server, parameters);
    }

    void Handle(const unsigned char* data, unsigned int length, const RakNet::RakNetGUID& sender);
    void HandleRoster(const protocol::PlayerListMessage& roster);
    void HandleLobby(const protocol::LobbyStateMessage& lobby);
    void HandleNewLevel(const std::string& path);
    void EnterLobby();
    void JoinRunningMatch();
    void LoadLevel(const std::string& path);
    void Play(double dt);
    void Event(const std::string& line) const;

    BotSetup m_setup;
    RakNet::RakPeerInterface* m_peer = nullptr;
    std::unique_ptr<NetworkLogger> m_logger;
    RakNet::RakNetGUID m_server;
    RakNet::RakNetGUID m_self;
    Phase m_phase = Phase::Connecting;
    bool m_startSent = false;
    double m_lobbyTime = 0.0;  // seconds since the bot last entered the lobby
    int m_levelsSinceStart = 0;

    ArenaMap m_map;
    BotBrain m_brain;
    Steerer m_steerer;
    std::int32_t m_team = 0;
    bool m_alive = true;
    float m_health = 100.0f;
    bool m_suddenDeath = false;
    bool m_placed = false;    // the server told us where we stand
    Ground m_position;        // where the bot is
    Ground m_reported;        // the last reported position
    Ground m_serverPosition;  // where the server last placed us
    Ground m_facing{1.0f, 0.0f};
    Ground m_reportedFacing{0.0f, 0.0f};
    std::optional<Ground> m_dashTarget;
    double m_reportTimer = 0.0;
    std::map<std::uint64_t, Known> m_players;  // by guid, this bot excluded
    std::map<std::int32_t, Ground> m_runes;    // by rune type, while lying on the level
    BotStats m_stats;
};
