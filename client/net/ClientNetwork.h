// The client's single connection to a game server. Once per frame Update drains every received packet into
// the records below, which the lobby, the match, the world and the heads-up display read; it also sends the
// periodic movement and visibility reports and the ping. The program's main makes the one instance and hands
// it to the application and the states; tests build their own around a stand-in peer.
//
// What readers must act on once comes as events (the events member and the added/removed queues of the world
// object lists), each with one reader; the application drops what no reader took once per frame
// (DropUnreadEvents). Facts several readers need are state: a reader keeps the round number or roster number
// it last saw and compares.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "client/net/KeyedObjectList.h"
#include "client/net/LevelPath.h"
#include "client/net/NetworkEvents.h"
#include "client/net/NetworkPlayer.h"
#include "protocol/GameFacts.h"
#include "client/net/WorldEvents.h"
#include "protocol/ClientMessages.h"
#include "protocol/SendParameters.h"
#include "protocol/ServerMessages.h"
#include "raknet/RakPeerInterface.h"
#include "shared/NetworkLogger.h"

// connectionStatus values.
enum ConnectionStatus : int {
    kConnecting = 0,
    kConnectionAccepted = 1,
    kServerGone = 2,
    kConnectionFailed = 3,
    kNoConnectionEvent = 4,
};

// At most this many players in a roster or lobby message; a longer list is dropped whole.
inline constexpr std::size_t kMaxListedPlayers = 64;

class ClientNetwork {
public:
    using LogSink = std::function<void(std::string_view line)>;

    ClientNetwork();
    ~ClientNetwork();
    ClientNetwork(const ClientNetwork&) = delete;
    ClientNetwork& operator=(const ClientNetwork&) = delete;

    // Creates the peer (or uses the given one, which stays the caller's), starts it, attaches a fresh
    // traffic logger and resets the records.
    bool Initialize(RakNet::RakPeerInterface* peer = nullptr);
    // One frame of deltaTime seconds: receive and store, traffic report, ping, periodic reports.
    void Update(double deltaTime);
    RakNet::ConnectionAttemptResult Connect(const std::string& address, unsigned short port = kServerPort);
    // Leaves the server and starts the peer again unconnected, with the records reset.
    void Disconnect();
    // Shuts the peer down and destroys it. Safe twice and before Initialize; afterwards Update does nothing.
    void Shutdown();
    // Drops every event no reader took: the application's step once per frame, after the current state's
    // update and before the next receive.
    void DropUnreadEvents();

    // Where log lines go (the client's log); none by default.
    void SetLogSink(LogSink sink) { m_log = std::move(sink); }
    // The state entered by the application: the lobby (inLobby) or the match.
    void EnterState(bool lobby) { inLobby = lobby; }

    // Senders.
    void SendPosition(const protocol::Vec3& position);
    void SendDirection(const protocol::Vec3& direction);
    void SendVisiblePlayers();
    void SendAbility(std::int32_t ability, float distance);
    void SendAnimation(std::int32_t animation);
    void SendLobbyChoice(std::int32_t character, std::int32_t tool, std::int32_t team, bool ready);
    void SendStartRequest();
    void SendFinalChoice(std::int32_t character, std::int32_t tool, std::int32_t team);
    void SendRoundTimeRequest();
    void SendScoresRequest();
    void SendRuneStateRequest();

    // Where the local player is and faces as this client moves it: the values the reports send, set by the
    // local player when it moved or turned (sent on the next report tick). The server places it: at its
    // first roster entry after connecting or a new level, and with every respawn. The server's own view of
    // it (position updates, relays, later rosters) stays in localPlayer and never moves it.
    void SetLocalPosition(const protocol::Vec3& position) { m_ownPosition = position; }
    void SetLocalDirection(const protocol::Vec3& direction) { m_ownDirection = direction; }
    const protocol::Vec3& LocalPosition() const { return m_ownPosition; }
    const protocol::Vec3& LocalDirection() const { return m_ownDirection; }
    void SetPlayerName(const std::string& name) { playerName = name; }
    const std::string& GetLevelName() const { return levelName; }
    void SetConnectionStatus(int status) { connectionStatus = status; }

    // Lookups by guid; an unknown guid gives the empty record (index -1) and team -1.
    NetworkPlayer GetPlayer(const RakNet::RakNetGUID& guid) const;
    int GetPlayerIndex(const RakNet::RakNetGUID& guid) const;
    int GetTeam(const RakNet::RakNetGUID& guid) const;
    bool IsVisible(const RakNet::RakNetGUID& guid) const;
    // The enemies this client's own line of sight shows this frame.
    void SetSeenPlayers(const std::vector<RakNet::RakNetGUID>& guids);
    std::vector<NetworkPlayer> GetRemotePlayers() const { return remotePlayers; }
    std::vector<LobbyPlayer> GetLobbyPlayers() const { return lobbyPlayers; }
    // True when every other lobby member is ready, and for an empty lobby.
    bool AllLobbyPlayersReady() const;
    RakNet::RakNetGUID MyGuid() const;
    // The connection's average round trip to the server in milliseconds; 0 while not connected.
    int AveragePing() const;
    NetworkLogger* Logger() const { return m_logger.get(); }
    // What the socket carried since the peer started, transport headers and acknowledgements included.
    RakNet::TransportTotals GetTransportTotals() const {
        return m_peer != nullptr ? m_peer->GetTransportTotals() : RakNet::TransportTotals{};
    }
    // The rosters received since the connection: a reader compares it with the number it last saw.
    int RosterNumber() const { return m_rosterNumber; }
    // The rounds started since the connection: a reader compares it with the number it last saw, so that
    // every reader (world, players, heads-up display) sees each round start.
    int RoundNumber() const { return m_roundNumber; }

    // Connection.
    bool connected = false;
    bool previousConnected = false;
    int connectionStatus = kNoConnectionEvent;
    // Set when the server shut down or the connection was lost; kept until the next Disconnect so that the
    // lobby and the match can tell the player and go back to the menu.
    bool serverLost = false;
    // Why the last connection attempt failed: ID_CONNECTION_ATTEMPT_FAILED, ID_NO_FREE_INCOMING_CONNECTIONS
    // (the server is full) or ID_INCOMPATIBLE_PROTOCOL_VERSION; 0 before any failure.
    int connectionFailure = 0;
    std::string serverAddress;
    std::string playerName;
    std::string levelName{kDefaultLevel};
    int connectionCount = 0;
    int previousConnectionCount = 0;
    double pingTimer = 5.0;
    double pingInterval = 5.0;
    double sendTimer = 0.0;
    double sendInterval = 0.04;

    // Players. localPlayer is the server's view of this client's player (see LocalPosition).
    NetworkPlayer localPlayer;
    std::vector<NetworkPlayer> remotePlayers;
    std::vector<std::uint8_t> visiblePlayers;
    std::vector<std::uint8_t> seenPlayers;
    std::vector<LobbyPlayer> lobbyPlayers;

    // World objects in play; a round start and a new level empty every list.
    KeyedObjectList<protocol::ShurikenAddMessage, &protocol::ShurikenAddMessage::shurikenId> shurikens;
    KeyedObjectList<protocol::ProjectileAddMessage, &protocol::ProjectileAddMessage::projectileId>
        projectiles;
    KeyedObjectList<protocol::SmokeBombAddMessage, &protocol::SmokeBombAddMessage::smokeBombId> smokeBombs;
    KeyedObjectList<protocol::StickyTrapAddMessage, &protocol::StickyTrapAddMessage::stickyTrapId>
        stickyTraps;
    KeyedObjectList<protocol::SpikeTrapAddMessage, &protocol::SpikeTrapAddMessage::spikeTrapId> spikeTraps;
    KeyedObjectList<FanEntry, &FanEntry::fanId> fans;
    // The other events, each for its one reader.
    NetworkEvents events;
    std::vector<RuneRecord> runes;
    // Counts the times every looping effect sound was to be paused (round start, new level).
    int loopingSoundPauses = 0;

    // Round and match.
    bool countdownActive = false;
    int countdownSeconds = 0;
    int redRoundWins = 0;
    int blueRoundWins = 0;
    int lastRoundWinner = 0;
    bool matchOver = false;
    int matchWinner = 0;
    double roundMinutes = 0.0;
    double roundSeconds = 0.0;
    bool suddenDeath = false;
    // The application entered the lobby (EnterState); the lobby clears it when the match starts.
    bool inLobby = false;

private:
    void Reset();
    bool StartPeer();
    void ShutdownPeer();
    void Log(std::string_view line) const;
    // Logs that a message from the server was dropped as malformed; false, so that readers can return it.
    bool Dropped(RakNet::MessageID id) const;
    template <typename Message>
    void SendToServer(const Message& message,
                      const protocol::SendParameters& parameters = protocol::SendParamsFor<Message>());
    void SendPlayerListRequest(bool afterNewLevel);

    // Receiving (ClientNetworkReceive.cpp and the handler files).
    void Receive();
    void HandlePacket(const RakNet::Packet& packet);
    bool HandleConnectionPacket(const RakNet::Packet& packet);
    bool HandlePlayerMessage(RakNet::BitStream& stream, RakNet::MessageID id);
    bool HandleObjectMessage(RakNet::BitStream& stream, RakNet::MessageID id);
    bool HandleRoundMessage(RakNet::BitStream& stream, RakNet::MessageID id);
    bool HandleRuneMessage(RakNet::BitStream& stream, RakNet::MessageID id);
    void ApplyPlayerList(const protocol::PlayerListMessage& message);
    void ApplyLobby(const protocol::LobbyStateMessage& message);
    // The server put the local player at position (a roster after joining, a respawn): it moves there, and
    // the next report does not send the position back.
    void PlaceLocalPlayer(const protocol::Vec3& position);
    void AddRune(const protocol::RunePlacement& placement, bool withSounds);
    void TakeRune(std::int32_t type);
    void ForgetRuneLoops();
    void RoundStarted();
    void NewLevel(const std::string& levelPath);
    // Calls visit with each world object list.
    template <typename Visit>
    void ForEachObjectList(Visit visit) {
        visit(shurikens);
        visit(projectiles);
        visit(smokeBombs);
        visit(stickyTraps);
        visit(spikeTraps);
        visit(fans);
    }
    // The record of guid: the local player's own, or a remote one; null for an unknown guid.
    NetworkPlayer* RecordOf(const RakNet::RakNetGUID& guid);
    const NetworkPlayer* RecordOf(const RakNet::RakNetGUID& guid) const;

    RakNet::RakPeerInterface* m_peer = nullptr;
    bool m_ownsPeer = false;
    std::unique_ptr<NetworkLogger> m_logger;
    RakNet::RakNetGUID m_server{};
    RakNet::SystemAddress m_serverAddress{};
    protocol::Vec3 m_ownPosition{};
    protocol::Vec3 m_ownDirection{1.0f, 0.0f, 0.0f};
    // The server has placed the local player since the connection or the last new level.
    bool m_ownPlaced = false;
    protocol::Vec3 m_lastSentPosition{};
    protocol::Vec3 m_lastSentDirection{1.0f, 0.0f, 0.0f};
    int m_rosterNumber = 0;
    int m_roundNumber = 0;
    LogSink m_log;
};
