#include "tools/bots/BotSession.h"

#include <cstdio>

#include "protocol/ClientMessages.h"
#include "protocol/GameFacts.h"
#include "protocol/PositionEncoding.h"
#include "protocol/ServerMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "shared/ConsoleLog.h"
#include "tools/bots/Steering.h"

using namespace RakNet;

namespace {

// Game traffic is folded into the totals this often, as the client's logger does.
constexpr double kTrafficWindow = 5.0;
constexpr double kLateJoinDelay = 1.0;

// Walking speed of each ninja, units per second.
float BaseSpeed(std::int32_t character) {
    return character == 1 ? 11.0f : character == 2 ? 10.5f : 10.0f;
}

template <typename Message>
bool Decode(const unsigned char* data, unsigned int length, Message& message) {
    BitStream stream(const_cast<unsigned char*>(data), length, false);
    return protocol::Read(stream, message);
}

const char* TeamName(std::int32_t team) {
    return team == kRedTeam ? "red" : team == kBlueTeam ? "blue" : "no";
}

}  // namespace

BotSession::BotSession(BotSetup setup)
    : m_setup(std::move(setup)), m_brain(m_setup.character, m_setup.tool, m_setup.seed) {
    m_peer = RakPeerInterface::GetInstance();
    SocketDescriptor descriptor(0, nullptr);
    if (m_peer->Startup(1, &descriptor, 1) != RAKNET_STARTED) {
        m_phase = Phase::Failed;
    }
    m_logger = std::make_unique<NetworkLogger>();
    m_peer->AttachPlugin(m_logger.get());
}

BotSession::~BotSession() {
    m_peer->DetachPlugin(m_logger.get());
    RakPeerInterface::DestroyInstance(m_peer);
}

bool BotSession::Connect(const std::string& host, unsigned short port) {
    if (m_phase == Phase::Failed) {
        return false;
    }
    return m_peer->Connect(host.c_str(), port, nullptr, 0) == CONNECTION_ATTEMPT_STARTED;
}

void BotSession::Leave() {
    if (!IsGone()) {
        m_peer->CloseConnection(m_server, true);
        m_peer->WaitForIncoming(50);
    }
    m_stats.inBytes += m_logger->GetInBits() / 8.0;
    m_stats.outBytes += m_logger->GetOutBits() / 8.0;
    m_logger->ReportTraffic();
    const TransportTotals totals = m_peer->GetTransportTotals();
    m_stats.transportInBytes = static_cast<double>(totals.bytesReceived);
    m_stats.transportOutBytes = static_cast<double>(totals.bytesSent);
}

void BotSession::Update(double dt) {
    while (Packet* packet = m_peer->Receive()) {
        if (packet->length > 0) {
            Handle(packet->data, packet->length, packet->guid);
        }
        m_peer->DeallocatePacket(packet);
    }
    m_logger->AddWindowTime(dt);
    if (m_logger->GetWindowTime() > kTrafficWindow) {
        m_stats.inBytes += m_logger->GetInBits() / 8.0;
        m_stats.outBytes += m_logger->GetOutBits() / 8.0;
        m_logger->ReportTraffic();
    }
    if (m_phase == Phase::Lobby) {
        m_lobbyTime += dt;
        JoinRunningMatch();
    }
    m_reportTimer -= dt;
    if (m_reportTimer < 0.0) {
        m_reportTimer = kReportInterval;
        if (m_phase == Phase::Playing) {
            Play(kReportInterval);
        }
    }
}

void BotSession::Event(const std::string& line) const {
    if (onEvent) {
        onEvent(line);
    }
}

void BotSession::LoadLevel(const std::string& path) {
    std::string error;
    m_map = ArenaMap::Load(path, error);
    if (!error.empty()) {
        LogProblem("%s: %s\n", m_setup.name.c_str(), error.c_str());
    }
}

void BotSession::EnterLobby() {
    m_phase = Phase::Lobby;
    m_startSent = false;
    m_lobbyTime = 0.0;
    m_placed = false;
    m_players.clear();
    m_runes.clear();
    m_suddenDeath = false;
    Send(protocol::LobbyChoiceReport{m_setup.character, m_setup.tool, m_setup.teamRequest, m_setup.name,
                                     true});
}

void BotSession::JoinRunningMatch() {
    // Like a player who finds a match under way and presses play: the roster lists players in the match while
    // this bot still waits in the lobby. A moment's wait lets a lobby that is about to start do so itself.
    if (m_startSent || m_players.empty() || m_lobbyTime < kLateJoinDelay) {
        return;
    }
    m_startSent = true;
    Send(protocol::StartGameRequest{});
}

void BotSession::HandleLobby(const protocol::LobbyStateMessage& lobby) {
    if (m_phase != Phase::Lobby || m_startSent || m_setup.startWhenLobbyHas <= 0) {
        return;
    }
    if (static_cast<int>(lobby.members.size()) >= m_setup.startWhenLobbyHas) {
        m_startSent = true;
        Send(protocol::StartGameRequest{});
    }
}

void BotSession::HandleRoster(const protocol::PlayerListMessage& roster) {
    std::map<std::uint64_t, Known> players;
    bool self = false;
    for (const protocol::PlayerListEntry& entry : roster.players) {
        if (entry.guid == m_self) {
            self = true;
            m_team = entry.team;
            m_alive = entry.alive;
            m_health = entry.health;
            if (!m_placed) {
                m_position = m_reported = m_serverPosition = {entry.position.x, entry.position.z};
                m_placed = true;
            }
            continue;
        }
        Known known;
        const auto existing = m_players.find(entry.guid.g);
        known.index = static_cast<std::uint8_t>(entry.playerIndex);
        known.team = entry.team;
        known.alive = entry.alive;
        known.position = existing != m_players.end() ? existing->second.position
                                                     : Ground{entry.position.x, entry.position.z};
        players[entry.guid.g] = known;
    }
    m_players = std::move(players);
    if (self && m_phase == Phase::Joining) {
        m_phase = Phase::Playing;
        m_brain.ResetRound();
        ++m_stats.levelsJoined;
    }
}

void BotSession::HandleNewLevel(const std::string& path) {
    // The match ended a while ago: every kill notice of it has arrived by now, also those that travelled on
    // their own channel and were still being resent when the match result came.
    char snapshot[96];
    std::snprintf(snapshot, sizeof(snapshot), "%d,%d,%d,%d,%016llx;", m_stats.kills, m_stats.deaths,
                  m_stats.killNotices, m_stats.enemyKills,
                  static_cast<unsigned long long>(m_stats.noticeDigest));
    m_stats.matchSnapshots += snapshot;
    Event("LEVEL " + path);
    ++m_levelsSinceStart;
    LoadLevel(path);
    Send(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(true));
    EnterLobby();
}

void BotSession::Handle(const unsigned char* data, unsigned int length, const RakNetGUID& sender) {
    const unsigned char id = data[0];
    switch (id) {
        case ID_CONNECTION_REQUEST_ACCEPTED:
            m_server = sender;
            m_self = m_peer->GetMyGUID();
            Send(protocol::PlayerListRequest{}, protocol::PlayerListRequestSendParameters(false));
            EnterLobby();
            return;
        case ID_CONNECTION_ATTEMPT_FAILED:
            LogProblem("%s: connection to the server failed\n", m_setup.name.c_str());
            m_phase = Phase::Failed;
            return;
        case ID_DISCONNECTION_NOTIFICATION:
        case ID_CONNECTION_LOST:
            LogProblem("%s: %s\n", m_setup.name.c_str(),
                       id == ID_CONNECTION_LOST ? "connection to the server lost"
                                                : "the server closed the connection");
            m_phase = Phase::ServerGone;
            return;
        default:
            break;
    }
    switch (id) {
        case protocol::ID_LEVEL_NAME: {
            protocol::LevelNameMessage message;
            if (Decode(data, length, message)) {
                LoadLevel(message.levelPath);
            }
            break;
        }
        case protocol::ID_LOBBY_STATE: {
            protocol::LobbyStateMessage message;
            if (Decode(data, length, message)) {
                HandleLobby(message);
            }
            break;
        }
        case protocol::ID_START_GAME:
            if (m_phase == Phase::Lobby) {
                m_phase = Phase::Joining;
                Send(protocol::JoinGameRequest{m_setup.name, m_setup.character, m_setup.tool,
                                               m_setup.teamRequest});
            }
            break;
        case protocol::ID_PLAYER_LIST: {
            protocol::PlayerListMessage message;
            if (Decode(data, length, message)) {
                HandleRoster(message);
            }
            break;
        }
        case protocol::ID_RESPAWN_POSITION: {
            protocol::RespawnPositionMessage message;
            if (Decode(data, length, message)) {
                m_position = m_reported = m_serverPosition = {message.position.x, message.position.z};
                m_placed = true;
                m_dashTarget.reset();
                ++m_stats.respawns;
            }
            break;
        }
        case protocol::ID_POSITION_REJECTED:
            // The server kept its own idea of where we stand: go back there.
            ++m_stats.positionRejections;
            m_position = m_reported = m_serverPosition;
            m_dashTarget.reset();
            break;
        case protocol::ID_DASH_TARGET: {
            protocol::DashTargetMessage message;
            if (Decode(data, length, message)) {
                m_dashTarget = Ground{message.target.x, message.target.z};
                ++m_stats.dashes;
            }
            break;
        }
        case protocol::ID_POSITION_UPDATE: {
            protocol::PositionUpdateMessage message;
            if (Decode(data, length, message)) {
                const Ground p{protocol::UnpackPosition(message.x), protocol::UnpackPosition(message.z)};
                bool other = false;
                for (auto& [guid, known] : m_players) {
                    if (known.index == message.playerIndex) {
                        known.position = p;
                        other = true;
                    }
                }
                if (!other && m_placed) {
                    m_serverPosition = p;
                }
            }
            break;
        }
        case protocol::ID_PLAYER_HEALTH: {
            protocol::PlayerHealthMessage message;
            if (Decode(data, length, message)) {
                if (message.player == m_self) {
                    m_health = message.health;
                    m_alive = message.alive;
                } else if (const auto it = m_players.find(message.player.g); it != m_players.end()) {
                    it->second.alive = message.alive;
                }
            }
            break;
        }
        case protocol::ID_ROUND_STARTED:
            m_brain.ResetRound();
            m_runes.clear();
            m_suddenDeath = false;
            break;
        case protocol::ID_ROUND_WON: {
            protocol::RoundWonMessage message;
            if (Decode(data, length, message)) {
                m_stats.roundWinners += std::to_string(message.winningTeam);
                Event(std::string("ROUND WON ") + TeamName(message.winningTeam));
            }
            break;
        }
        case protocol::ID_MATCH_WON: {
            protocol::MatchWonMessage message;
            if (Decode(data, length, message)) {
                m_stats.matchWinners += std::to_string(message.winningTeam);
                m_stats.roundWinners += '|';
                Event(std::string("MATCH WON ") + TeamName(message.winningTeam));
            }
            break;
        }
        case protocol::ID_NEW_LEVEL: {
            protocol::NewLevelMessage message;
            if (Decode(data, length, message)) {
                HandleNewLevel(message.levelPath);
            }
            break;
        }
        case protocol::ID_SUDDEN_DEATH: {
            protocol::SuddenDeathMessage message;
            if (Decode(data, length, message)) {
                m_suddenDeath = message.active;
            }
            break;
        }
        case protocol::ID_KILL_NOTICE: {
            protocol::KillNoticeMessage message;
            if (Decode(data, length, message)) {
                ++m_stats.killNotices;
                m_stats.AddNotice(message.victim.g, message.killer.g, message.ability);
                const bool byAnother =
                    message.killer != message.victim &&
                    m_players.count(message.killer.g) + (message.killer == m_self ? 1 : 0) > 0;
                m_stats.enemyKills += byAnother ? 1 : 0;
                m_stats.kills += byAnother && message.killer == m_self ? 1 : 0;
                m_stats.deaths += message.victim == m_self ? 1 : 0;
            }
            break;
        }
        case protocol::ID_KILL_STATS: {
            protocol::KillStatsMessage message;
            if (Decode(data, length, message)) {
                if (message.victim == m_self) {
                    m_stats.serverDeaths = message.victimDeaths;
                }
                if (message.killer == m_self && message.killer != message.victim) {
                    m_stats.serverKills = message.killerKills;
                }
            }
            break;
        }
        case protocol::ID_RUNES_SPAWNED: {
            protocol::RunesSpawnedMessage message;
            if (Decode(data, length, message)) {
                for (const protocol::RunePlacement& rune : message.runes) {
                    m_runes[rune.type] = {rune.position.x, rune.position.z};
                }
            }
            break;
        }
        case protocol::ID_HEAL_RUNE_RESPAWNED: {
            protocol::HealRuneRespawnedMessage message;
            if (Decode(data, length, message)) {
                m_runes[message.rune.type] = {message.rune.position.x, message.rune.position.z};
            }
            break;
        }
        case protocol::ID_RUNE_REMOVED: {
            protocol::RuneRemovedMessage message;
            if (Decode(data, length, message)) {
                m_runes.erase(message.type);
            }
            break;
        }
        case protocol::ID_HEAL_RUNE_TAKEN:
            m_runes.erase(0);
            break;
        case protocol::ID_INVISIBILITY_RUNE_TAKEN:
            m_runes.erase(1);
            break;
        case protocol::ID_SHIELD_RUNE_TAKEN:
            m_runes.erase(2);
            break;
        default:
            break;  // nothing a bot needs
    }
}

void BotSession::Play(double dt) {
    if (!m_placed) {
        return;
    }
    std::vector<EnemyView> enemies;
    BotView view;
    view.position = m_position;
    view.health = m_health;
    view.team = m_team;
    view.suddenDeath = m_suddenDeath;
    for (const auto& [guid, known] : m_players) {
        if (known.team != m_team && known.alive) {
            enemies.push_back({known.index, known.position, true});
            view.knownEnemies.push_back(known.position);
        }
    }
    view.visibleEnemies = VisibleEnemies(m_map, m_position, enemies);
    for (const auto& [type, place] : m_runes) {
        view.runes.push_back(place);
    }

    if (m_alive) {
        const BotIntent intent = m_brain.Think(m_map, view, dt);
        if (m_dashTarget) {
            m_position = ClampStep(m_position, *m_dashTarget, kMaxReportStep);
            if (m_position == *m_dashTarget) {
                m_dashTarget.reset();
            }
        } else {
            m_position = m_steerer.Step(m_map, m_position, intent.goal,
                                        BaseSpeed(m_setup.character) * static_cast<float>(dt));
        }
        m_facing = intent.facing;
        if (intent.ability) {
            // The server aims with the facing it last heard of: report it first.
            Send(protocol::PlayerDirectionReport{{m_facing.x, 0.0f, m_facing.z}});
            m_reportedFacing = m_facing;
            Send(protocol::UseAbilityRequest{intent.ability->ability, intent.ability->distance});
            ++m_stats.abilitiesUsed;
        }
    }

    if (!(m_position == m_reported)) {
        m_position = ClampStep(m_reported, m_position, kMaxReportStep);
        Send(protocol::PlayerPositionReport{{m_position.x, 0.0f, m_position.z}});
        m_reported = m_position;
    }
    if (!(m_facing == m_reportedFacing)) {
        Send(protocol::PlayerDirectionReport{{m_facing.x, 0.0f, m_facing.z}});
        m_reportedFacing = m_facing;
    }
    protocol::VisiblePlayersReport seen;
    for (const EnemyView& enemy : view.visibleEnemies) {
        seen.playerIndices.push_back(enemy.playerIndex);
    }
    Send(seen);
}
