#include "client/net/ClientNetwork.h"

#include <cmath>

using namespace RakNet;

namespace {

std::unique_ptr<ClientNetwork>& Instance() {
    static std::unique_ptr<ClientNetwork> instance;
    return instance;
}

constexpr unsigned int kShutdownBlockMs = 300;
constexpr unsigned kConnectionAttempts = 12;
constexpr unsigned kMsBetweenAttempts = 500;
constexpr double kTrafficReportSeconds = 5.0;

}  // namespace

ClientNetwork& ClientNetwork::GetInstance() {
    if (!Instance()) {
        Instance() = std::make_unique<ClientNetwork>();
    }
    return *Instance();
}

void ClientNetwork::FreeInstance() {
    Instance().reset();
}

bool ClientNetwork::HasInstance() {
    return Instance() != nullptr;
}

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

void ClientNetwork::EnterState(SoundSystem* sound, bool lobby) {
    soundSystem = sound;
    inLobby = lobby;
}

void ClientNetwork::Reset() {
    // Everything but the peer, its logger, the log sink, the address and name given by the menu, and the
    // state hand-over goes back to its starting value.
    const std::string address = serverAddress;
    const std::string name = playerName;
    SoundSystem* const sound = soundSystem;
    const bool lobby = inLobby;
    connected = false;
    previousConnected = false;
    connectionStatus = kNoConnectionEvent;
    serverLost = false;
    connectionFailure = 0;
    levelName = std::string(kDefaultLevelName);
    connectionCount = 0;
    previousConnectionCount = 0;
    pingTimer = 5.0;
    pingInterval = 5.0;
    sendTimer = 0.0;
    sendInterval = 0.04;
    localPlayer = NetworkPlayer{};
    remotePlayers.clear();
    playerListChanged = false;
    visiblePlayers.clear();
    seenPlayers.clear();
    lobbyPlayers.clear();
    shurikens = {};
    projectiles = {};
    smokeBombs = {};
    stickyTraps = {};
    spikeTraps = {};
    fans = {};
    volleys = {};
    flashBangs = {};
    animationEvents = {};
    soundEvents = {};
    damageShown = {};
    killFeed = {};
    runes.clear();
    loopingSoundPauses = 0;
    roundStarted = countdownActive = roundRunning = false;
    countdownSeconds = 0;
    redRoundWins = blueRoundWins = lastRoundWinner = 0;
    matchOver = false;
    matchWinner = 0;
    newLevel = false;
    roundTimeReceived = false;
    roundMinutes = roundSeconds = 0.0;
    suddenDeath = false;
    runesAppeared = respawned = positionRejected = false;
    dashTarget = {};
    dashPending = false;
    joinedLeftPending = false;
    joinedLeftNotice = {};
    gameStarted = false;
    m_server = RakNetGUID{};
    m_serverAddress = SystemAddress{};
    m_lastSentPosition = localPlayer.position;
    m_lastSentDirection = localPlayer.direction;
    serverAddress = address;
    playerName = name;
    soundSystem = sound;
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
        if (localPlayer.position != m_lastSentPosition) {
            SendPosition(localPlayer.position);
        }
        if (localPlayer.direction != m_lastSentDirection) {
            SendDirection(localPlayer.direction);
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
