// The server's network side: the peer listening for clients, its traffic counters, the level rotation, the
// one game state, and the table that hands each received packet to its handler.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "raknet/RakNetTypes.h"
#include "raknet/RakPeerInterface.h"
#include "server/GameState.h"
#include "shared/NetworkLogger.h"

inline constexpr unsigned short kServerPort = 60000;
inline constexpr unsigned int kMaxConnections = 8;
inline constexpr double kTrafficReportInterval = 5.0;

class ServerNetwork {
public:
    ServerNetwork();
    ~ServerNetwork();
    ServerNetwork(const ServerNetwork&) = delete;
    ServerNetwork& operator=(const ServerNetwork&) = delete;

    // Starts listening on port (0: any free port) and builds the game state for the first level. False, with
    // a message on standard error, when the port cannot be bound.
    bool Initialize(unsigned short port = kServerPort);
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

    void Dispatch(RakNet::Packet& packet);
    void OnConnectionAccepted(RakNet::Packet& packet);
    void OnNewIncomingConnection(RakNet::Packet& packet);
    void OnDisconnectionNotification(RakNet::Packet& packet);
    void OnConnectionLost(RakNet::Packet& packet);

    RakNet::RakPeerInterface* m_peer = nullptr;
    std::unique_ptr<NetworkLogger> m_logger;
    std::unique_ptr<GameState> m_gameState;
    std::vector<std::string> m_levelList;
    int m_levelIndex = 0;
    int m_connectionCount = 0;
    std::array<Handler, 256> m_handlers{};
};
