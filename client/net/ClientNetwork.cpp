#include "client/net/ClientNetwork.h"

#include <cmath>

using namespace RakNet;

namespace {

constexpr unsigned int kShutdownBlockMs = 300;
constexpr unsigned kConnectionAttempts = 12;
constexpr unsigned kMsBetweenAttempts = 500;
constexpr double kTrafficReportSeconds = 5.0;

}  // namespace

ClientNetwork::ClientNetwork() = default;

ClientNetwork::~ClientNetwork() {
    Shutdown();
}

bool ClientNetwork::Initialize(RakPeerInterface* peer) {
    Shutdown();
    m_ownsPeer = peer == nullptr;
    m_peer = peer != nullptr ? peer : RakPeerInterface::GetInstance();
    m_logger = std::make_unique<NetworkLogger>();
    m_peer->AttachPlugin(m_logger.get());
    const bool started = StartPeer();
    Reset();
    if (!started) {
        Log("Network startup failed.");
    }
    return true;
}

bool ClientNetwork::StartPeer() {
    SocketDescriptor descriptor(0, "");
    return m_peer->Startup(1, &descriptor, 1, -99999) == RAKNET_STARTED;
}

void ClientNetwork::ShutdownPeer() {
    m_peer->Shutdown(kShutdownBlockMs, 0, LOW_PRIORITY);
}

void ClientNetwork::Shutdown() {
    if (m_peer == nullptr) {
        return;
    }
    ShutdownPeer();
    m_peer->DetachPlugin(m_logger.get());
    if (m_ownsPeer) {
        RakPeerInterface::DestroyInstance(m_peer);
    }
    m_peer = nullptr;
    m_logger.reset();
}

ConnectionAttemptResult ClientNetwork::Connect(const std::string& address, unsigned short port) {
    Log("Connecting to IP (v4): " + address);
    serverAddress = address;
    if (m_peer == nullptr) {
        return INVALID_PARAMETER;
    }
    return m_peer->Connect(address.c_str(), port, nullptr, 0, nullptr, 0, kConnectionAttempts,
                           kMsBetweenAttempts, 0);
}

void ClientNetwork::Disconnect() {
    Log("Disconnected from server");
    if (m_peer != nullptr) {
        ShutdownPeer();
        StartPeer();
    }
    Reset();
}

void ClientNetwork::DropUnreadEvents() {
    ForEachObjectList([](auto& list) { list.DropEvents(); });
    events = NetworkEvents{};
}

void ClientNetwork::Reset() {
    // Everything but the peer, its logger, the log sink, the address and name given by the menu, and the
    // state the application entered goes back to its starting value.
    const std::string address = serverAddress;
    const std::string name = playerName;
    const bool lobby = inLobby;
    connected = false;
    previousConnected = false;
    connectionStatus = kNoConnectionEvent;
    serverLost = false;
    connectionFailure = 0;
    levelName = std::string(kDefaultLevel);
    connectionCount = 0;
    previousConnectionCount = 0;
    pingTimer = 5.0;
    pingInterval = 5.0;
    sendTimer = 0.0;
    sendInterval = 0.04;
    localPlayer = NetworkPlayer{};
    remotePlayers.clear();
    visiblePlayers.clear();
    seenPlayers.clear();
    lobbyPlayers.clear();
    ForEachObjectList([](auto& list) { list.Clear(); });
    events = NetworkEvents{};
    runes.clear();
    loopingSoundPauses = 0;
    countdownActive = false;
    countdownSeconds = 0;
    redRoundWins = blueRoundWins = lastRoundWinner = 0;
    matchOver = false;
    matchWinner = 0;
    roundMinutes = roundSeconds = 0.0;
    suddenDeath = false;
    m_server = RakNetGUID{};
    m_serverAddress = SystemAddress{};
    m_ownPosition = localPlayer.position;
    m_ownDirection = localPlayer.direction;
    m_ownPlaced = false;
    m_lastSentPosition = m_ownPosition;
    m_lastSentDirection = m_ownDirection;
    m_rosterNumber = 0;
    m_roundNumber = 0;
    serverAddress = address;
    playerName = name;
    inLobby = lobby;
}

void ClientNetwork::Update(double deltaTime) {
    if (m_peer == nullptr) {
        return;
    }
    if (!std::isfinite(deltaTime) || deltaTime < 0.0) {
        deltaTime = 0.0;
    }
    previousConnected = connected;
    ForEachObjectList([deltaTime](auto& list) { list.Age(deltaTime); });
    Receive();

    m_logger->AddWindowTime(deltaTime);
    if (m_logger->GetWindowTime() > kTrafficReportSeconds) {
        m_logger->ReportTraffic();
    }

    pingTimer -= deltaTime;
    if (pingTimer < 0.0) {
        if (connected) {
            m_peer->Ping(m_serverAddress);
        }
        pingTimer = pingInterval;
    }

    sendTimer -= deltaTime;
    if (sendTimer < 0.0) {
        if (m_ownPosition != m_lastSentPosition) {
            SendPosition(m_ownPosition);
        }
        if (m_ownDirection != m_lastSentDirection) {
            SendDirection(m_ownDirection);
        }
        SendVisiblePlayers();
        sendTimer = sendInterval;
    }
}

void ClientNetwork::Log(std::string_view line) const {
    if (m_log) {
        m_log(line);
    }
}

bool ClientNetwork::Dropped(RakNet::MessageID id) const {
    Log("Dropped a malformed message " + std::to_string(id) + ".");
    return false;
}

RakNetGUID ClientNetwork::MyGuid() const {
    return m_peer != nullptr ? m_peer->GetMyGUID() : RakNetGUID{};
}

int ClientNetwork::AveragePing() const {
    if (m_peer == nullptr || !connected) {
        return 0;
    }
    const int ping = m_peer->GetAveragePing(m_server);
    return ping > 0 ? ping : 0;
}
