#include "server/ServerNetwork.h"

#include <cstdio>

#include "protocol/MessageSend.h"
#include "protocol/ServerConnectionMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "server/LevelList.h"
#include "server/NormalState.h"
#include "shared/BaseModel.h"
#include "shared/ConsoleLog.h"
#include "shared/ModelLibrary.h"

ServerNetwork::ServerNetwork() {
    m_handlers[RakNet::ID_CONNECTION_REQUEST_ACCEPTED] = &ServerNetwork::OnConnectionAccepted;
    m_handlers[RakNet::ID_NEW_INCOMING_CONNECTION] = &ServerNetwork::OnNewIncomingConnection;
    m_handlers[RakNet::ID_DISCONNECTION_NOTIFICATION] = &ServerNetwork::OnDisconnectionNotification;
    m_handlers[RakNet::ID_CONNECTION_LOST] = &ServerNetwork::OnConnectionLost;
    m_handlers[protocol::ID_PLAYER_LIST] = &ServerNetwork::OnPlayerListRequest;
    m_handlers[protocol::ID_PLAYER_POSITION] = &ServerNetwork::OnPlayerPosition;
    m_handlers[protocol::ID_PLAYER_DIRECTION] = &ServerNetwork::OnPlayerDirection;
    m_handlers[protocol::ID_START_GAME] = &ServerNetwork::OnStartGame;
    m_handlers[protocol::ID_ANIMATION] = &ServerNetwork::OnAnimation;
    m_handlers[protocol::ID_JOIN_GAME] = &ServerNetwork::OnJoinGame;
    m_handlers[protocol::ID_ROUND_TIME] = &ServerNetwork::OnRoundTimeRequest;
    m_handlers[protocol::ID_SCORES] = &ServerNetwork::OnScoresRequest;
    m_handlers[protocol::ID_VISIBLE_PLAYERS] = &ServerNetwork::OnVisiblePlayers;
    m_handlers[protocol::ID_LOBBY_STATE] = &ServerNetwork::OnLobbyState;
    m_handlers[protocol::ID_USE_ABILITY] = &ServerNetwork::OnUseAbility;
    m_handlers[protocol::ID_RUNE_STATE] = &ServerNetwork::OnRuneStateRequest;
}

ServerNetwork::~ServerNetwork() {
    Shutdown();
}

bool ServerNetwork::Initialize(unsigned short port) {
    NetworkLogger::serverMode = true;
    LoadLevelList(kLevelListFile);

    m_peer = RakNet::RakPeerInterface::GetInstance();
    RakNet::SocketDescriptor descriptor(port, nullptr);
    const RakNet::StartupResult started = m_peer->Startup(kMaxConnections, &descriptor, 1, -99999);
    if (started != RakNet::RAKNET_STARTED) {
        LogProblem("Quellhost: cannot listen on UDP port %u (%s). Is another server running?\n",
                   static_cast<unsigned>(port),
                   started == RakNet::SOCKET_PORT_ALREADY_IN_USE ? "port already in use" : "bind failed");
        RakNet::RakPeerInterface::DestroyInstance(m_peer);
        m_peer = nullptr;
        return false;
    }
    m_peer->SetMaximumIncomingConnections(kMaxConnections);
    m_ownsPeer = true;
    return StartGame();
}

bool ServerNetwork::InitializeWithPeer(RakNet::RakPeerInterface* peer) {
    NetworkLogger::serverMode = true;
    LoadLevelList(kLevelListFile);
    m_peer = peer;
    m_ownsPeer = false;
    return StartGame();
}

bool ServerNetwork::StartGame() {
    m_logger = std::make_unique<NetworkLogger>();
    NetworkLogger::lastReport = TrafficReport{};
    m_peer->AttachPlugin(m_logger.get());
    m_connectionCount = 0;

    // The game takes the collision shapes of players, projectiles and runes from the library.
    ModelLibrary::GetInstance().LoadFolder(BaseModel{});

    m_gameState = std::make_unique<NormalState>();
    m_gameState->Initialize(m_peer, m_levelList, m_levelIndex);

    const RakNet::SystemAddress address = GetAddress();
    LogInfo("IP: %s\n", address.ToString(false).c_str());
    LogInfo("PORT: %u\n\n", static_cast<unsigned>(address.GetPort()));
    return true;
}

void ServerNetwork::LoadLevelList(const std::string& listPath) {
    m_levelList = ::LoadLevelList(listPath);
    m_levelIndex = 0;
}

RakNet::SystemAddress ServerNetwork::GetAddress() const {
    return m_peer != nullptr ? m_peer->GetSystemAddressFromGuid(m_peer->GetMyGUID())
                             : RakNet::UNASSIGNED_SYSTEM_ADDRESS;
}

void ServerNetwork::ReceivePackets() {
    if (m_peer == nullptr) {
        return;
    }
    while (RakNet::Packet* packet = m_peer->Receive()) {
        Dispatch(*packet);
        m_peer->DeallocatePacket(packet);
    }
}

void ServerNetwork::WaitForPackets(unsigned int timeoutMS) {
    if (m_peer != nullptr) {
        m_peer->WaitForIncoming(timeoutMS);
    }
}

void ServerNetwork::Dispatch(RakNet::Packet& packet) {
    if (packet.length == 0) {
        return;
    }
    const Handler handler = m_handlers[packet.data[0]];
    if (handler == nullptr) {
        return;
    }
    if (RequestBudget::Counts(packet.data[0]) && !m_budget.Take(packet.guid)) {
        if (m_budget.FirstOverrun(packet.guid)) {
            LogInfo("Connection %s sends too many requests; some are dropped\n",
                    packet.systemAddress.ToString(true).c_str());
        }
        return;
    }
    (this->*handler)(packet);
}

void ServerNetwork::Update(double frameTime) {
    m_budget.Advance(frameTime);
    if (m_logger) {
        m_logger->AddWindowTime(frameTime);
        if (m_logger->GetWindowTime() > kTrafficReportInterval) {
            m_logger->ReportTraffic();
        }
    }
    if (m_gameState) {
        m_gameState->Update(frameTime);
    }
}

void ServerNetwork::OnConnectionAccepted(RakNet::Packet& /*packet*/) {
    LogInfo("A new connections has connected\n");
}

void ServerNetwork::OnNewIncomingConnection(RakNet::Packet& packet) {
    ++m_connectionCount;
    LogInfo("A new connection is incoming (%d)\n", m_connectionCount);
    m_gameState->OnNewConnection(packet.guid);
    protocol::Broadcast(
        m_peer, protocol::ConnectionCountMessage{static_cast<std::uint32_t>(m_connectionCount), packet.guid});
    protocol::SendTo(m_peer, protocol::LevelNameMessage{m_gameState->GetCurrentLevelPath()}, packet.guid);
}

void ServerNetwork::OnDisconnectionNotification(RakNet::Packet& packet) {
    --m_connectionCount;
    LogInfo("A client has disconnected (%d)\n", m_connectionCount);
    m_budget.Forget(packet.guid);
    m_gameState->RemovePlayer(packet.guid);
    protocol::Broadcast(
        m_peer, protocol::ConnectionCountMessage{static_cast<std::uint32_t>(m_connectionCount), packet.guid});
}

void ServerNetwork::OnConnectionLost(RakNet::Packet& packet) {
    --m_connectionCount;
    LogInfo("A client lost the connection (%d)\n", m_connectionCount);
    m_budget.Forget(packet.guid);
    m_gameState->RemovePlayer(packet.guid);
}

void ServerNetwork::Shutdown() {
    if (m_gameState) {
        m_gameState->Shutdown();
        m_gameState.reset();
        ModelLibrary::GetInstance().Clear();
    }
    if (m_peer != nullptr) {
        m_peer->Shutdown(1000, 0, RakNet::LOW_PRIORITY);
        if (m_logger) {
            m_peer->DetachPlugin(m_logger.get());
        }
        if (m_ownsPeer) {
            RakNet::RakPeerInterface::DestroyInstance(m_peer);
        }
        m_peer = nullptr;
    }
    m_logger.reset();
}
