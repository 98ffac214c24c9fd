// The server's network side: the peer listening for clients, its traffic counters, the level rotation, the
// one game state, and the table that hands each received packet to its handler.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "protocol/GameFacts.h"
#include "raknet/RakNetTypes.h"
#include "raknet/RakPeerInterface.h"
#include "server/GameState.h"
#include "server/RequestBudget.h"
#include "shared/NetworkLogger.h"

inline constexpr unsigned int kMaxConnections = 8;
inline constexpr double kTrafficReportInterval = 5.0;

class ServerNetwork {
public:
    ServerNetwork();
    ~ServerNetwork();
    ServerNetwork(const ServerNetwork&) = delete;
    ServerNetwork& operator=(const ServerNetwork&) = delete;

    // Starts listening on port (0: any free port), loads the models and builds the game state for the first
    // level. False, with a message on standard error, when the port cannot be bound.
    bool Initialize(unsigned short port = kServerPort);
    // The same start-up on a peer made and started elsewhere (a test double); the network uses it and shuts
    // it down but does not destroy it.
    bool InitializeWithPeer(RakNet::RakPeerInterface* peer);
    void LoadLevelList(const std::string& listPath);
    // Hands every waiting packet to its handler.
    void ReceivePackets();
    // Sleeps until a packet arrives or timeoutMS passes, when none is waiting (flushes sends first).
    void WaitForPackets(unsigned int timeoutMS);
    // Advances the traffic window and the game by one frame.
    void Update(double frameTime);
    void Shutdown();

    int GetConnectionCount() const { return m_connectionCount; }
    const std::vector<std::string>& GetLevelList() const { return m_levelList; }
    GameState* GetGameState() const { return m_gameState.get(); }
    RakNet::RakPeerInterface* GetPeer() const { return m_peer; }
    RakNet::SystemAddress GetAddress() const;

private:
    using Handler = void (ServerNetwork::*)(RakNet::Packet& packet);

    // Start-up from the traffic counters to the console lines, once the peer listens.
    bool StartGame();
    void Dispatch(RakNet::Packet& packet);
    // The player manager of the level being played, if there is a game.
    ServerPlayerManager* PlayerManager() const;

    // Connection events.
    void OnConnectionAccepted(RakNet::Packet& packet);
    void OnNewIncomingConnection(RakNet::Packet& packet);
    void OnDisconnectionNotification(RakNet::Packet& packet);
    void OnConnectionLost(RakNet::Packet& packet);
    // Client requests. A payload shorter than its layout is dropped, and so is a request beyond the
    // sender's RequestBudget.
    void OnPlayerListRequest(RakNet::Packet& packet);
    void OnPlayerPosition(RakNet::Packet& packet);
    void OnPlayerDirection(RakNet::Packet& packet);
    void OnStartGame(RakNet::Packet& packet);
    void OnAnimation(RakNet::Packet& packet);
    void OnJoinGame(RakNet::Packet& packet);
    void OnRoundTimeRequest(RakNet::Packet& packet);
    void OnScoresRequest(RakNet::Packet& packet);
    void OnVisiblePlayers(RakNet::Packet& packet);
    void OnLobbyState(RakNet::Packet& packet);
    void OnUseAbility(RakNet::Packet& packet);
    void OnRuneStateRequest(RakNet::Packet& packet);

    RakNet::RakPeerInterface* m_peer = nullptr;
    bool m_ownsPeer = false;
    std::unique_ptr<NetworkLogger> m_logger;
    std::unique_ptr<GameState> m_gameState;
    std::vector<std::string> m_levelList;
    int m_levelIndex = 0;
    int m_connectionCount = 0;
    RequestBudget m_budget;
    std::array<Handler, 256> m_handlers{};
};
