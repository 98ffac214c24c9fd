#include "server/GameState.h"

#include "protocol/MessageSend.h"
#include "protocol/SendParameters.h"
#include "protocol/ServerRoundMessages.h"
#include "raknet/RakPeerInterface.h"
#include "server/LevelList.h"
#include "server/NaginataStab.h"
#include "server/SuddenDeathCheck.h"

GameState::~GameState() {
    GameState::Shutdown();
}

bool GameState::Reset(int levelIndex) {
    if (m_peer == nullptr) {
        return false;
    }
    return Initialize(m_peer, m_levelList, levelIndex);
}

bool GameState::Initialize(RakNet::RakPeerInterface* peer, std::vector<std::string> levelList,
                           int levelIndex) {
    GameState::Shutdown();
    m_peer = peer;
    m_levelList = std::move(levelList);
    if (m_levelList.empty()) {
        m_levelList.emplace_back(kDefaultLevel);
    }
    // An index outside the list wraps, as the rotation does after its last level.
    const int count = static_cast<int>(m_levelList.size());
    m_levelIndex = ((levelIndex % count) + count) % count;
    m_level = std::make_unique<LevelData>(GetCurrentLevelPath());
    CreateManagers();

    m_roundWins.Clear();
    m_roundCountdownActive = false;
    m_suddenDeath = false;
    m_runesSpawned = false;
    m_healRuneRespawned = false;
    m_roundClock.Reset();
    m_suddenDeathDelay = 0.0f;
    return true;
}

void GameState::CreateManagers() {
    m_playerManager = std::make_unique<ServerPlayerManager>();
    m_playerManager->Initialize(m_peer, *m_level);
    m_shurikenManager = std::make_unique<ShurikenManager>();
    m_shurikenManager->Initialize(m_peer);
    m_collisionMap = std::make_unique<LevelCollisionMap>();
    m_collisionMap->Initialize(*m_level);
    m_collisionChecker = std::make_unique<CollisionChecker>();
    m_collisionChecker->Initialize(*m_collisionMap);
    m_stabs.clear();
    m_smokeBombManager = std::make_unique<SmokeBombManager>();
    m_smokeBombManager->Initialize(m_peer);
    m_spikeTrapManager = std::make_unique<SpikeTrapManager>();
    m_spikeTrapManager->Initialize(m_peer);
    m_stickyTrapManager = std::make_unique<StickyTrapManager>();
    m_stickyTrapManager->Initialize(m_peer);
    m_fanManager = std::make_unique<FanManager>();
    m_fanManager->Initialize(m_peer);
    m_projectileManager = std::make_unique<ProjectileManager>();
    m_projectileManager->Initialize(m_peer);
    m_volleyManager = std::make_unique<VolleyManager>();
    m_volleyManager->Initialize(m_peer);
    m_runeManager = std::make_unique<RuneManager>();
    m_runeManager->Initialize(m_peer, *m_level);
}

// Managers go player manager first, rune manager last.
void GameState::Shutdown() {
    const auto destroy = [](auto& manager) {
        if (manager) {
            manager->Shutdown();
            manager.reset();
        }
    };
    destroy(m_playerManager);
    destroy(m_shurikenManager);
    destroy(m_collisionMap);
    destroy(m_collisionChecker);
    m_stabs.clear();
    destroy(m_smokeBombManager);
    destroy(m_spikeTrapManager);
    destroy(m_stickyTrapManager);
    destroy(m_fanManager);
    destroy(m_projectileManager);
    destroy(m_volleyManager);
    destroy(m_runeManager);
    m_level.reset();
}

void GameState::Update(double frameTime) {
    m_lastFrameTime = static_cast<float>(frameTime);
    if (!m_playerManager) {
        return;
    }
    m_playerManager->SetHitsCount(IsRoundRunning());
    m_playerManager->UpdateTimers(frameTime);
    m_playerManager->HealTick();
    UpdateObjects(frameTime);
    CheckCollisions();
    if (IsRoundRunning()) {
        UpdateRoundClock(frameTime);
        UpdateSuddenDeath(frameTime);
        UpdateRuneTiming();
    }
}

void GameState::UpdateObjects(double dt) {
    m_shurikenManager->Update(dt);
    m_smokeBombManager->Update(dt);
    m_spikeTrapManager->Update(dt);
    m_stickyTrapManager->Update(dt);
    m_fanManager->Update(dt, *m_playerManager);
    m_projectileManager->Update(dt);
    m_volleyManager->Update(dt);
    m_runeManager->UpdateTimers(dt, *m_playerManager);
}

void GameState::CheckCollisions() {
    ServerPlayerManager& players = *m_playerManager;
    m_shurikenManager->CheckCollisions(players, *m_collisionChecker);
    m_projectileManager->CheckCollisions(players, *m_collisionChecker);
    m_spikeTrapManager->CheckCollisions(players, m_lastFrameTime);
    m_fanManager->CheckCollisions(players, *m_collisionChecker, m_lastFrameTime);
    m_volleyManager->CheckCollisions(players);
    m_runeManager->CheckPickups(players);
    StabCheck(players, *m_collisionChecker, m_stabs, m_lastFrameTime);
}

void GameState::UpdateRoundClock(double dt) {
    int reds = 0;
    int blues = 0;
    for (const PlayerRecord& player : m_playerManager->Players()) {
        ++(player.team == kRedTeam ? reds : blues);
    }
    if (reds == 0 || blues == 0) {
        if (!m_roundClock.AtStart()) {
            RestartRoundClock();
        }
        return;
    }
    m_roundClock.Advance(dt);
    if (m_roundClock.Minutes() >= kSuddenDeathMinutes && !m_suddenDeath) {
        m_suddenDeath = true;
        protocol::Broadcast(m_peer, protocol::SuddenDeathMessage{true});
    }
}

void GameState::RestartRoundClock() {
    ResetRoundTimedState();
    m_runeManager->ResetRunes(*m_playerManager);
    m_playerManager->ClearRuneEffects();
    for (const PlayerRecord& player : m_playerManager->Players()) {
        SendRoundTime(player.guid);
    }
}

void GameState::ResetRoundTimedState() {
    m_suddenDeath = false;
    m_runesSpawned = false;
    m_healRuneRespawned = false;
    m_roundClock.Reset();
    m_suddenDeathDelay = 0.0f;
    protocol::Broadcast(m_peer, protocol::SuddenDeathMessage{false});
}

void GameState::UpdateSuddenDeath(double dt) {
    if (!m_suddenDeath) {
        return;
    }
    if (m_suddenDeathDelay <= kSuddenDeathDamageDelay) {
        m_suddenDeathDelay += static_cast<float>(dt);
    }
    if (m_suddenDeathDelay > kSuddenDeathDamageDelay) {
        SuddenDeathCheck(*m_playerManager, dt);
    }
}

void GameState::UpdateRuneTiming() {
    const double minutes = m_roundClock.Minutes();
    const double seconds = m_roundClock.Seconds();
    if (minutes == 0.0 && seconds >= kRuneSpawnSeconds && !m_runesSpawned) {
        m_runeManager->SpawnAllRunes();
        m_runesSpawned = true;
    }
    if (minutes == 1.0 && seconds >= kRuneSpawnSeconds && !m_healRuneRespawned) {
        m_runeManager->RespawnHealRune();
        m_healRuneRespawned = true;
    }
}

void GameState::ClearObjects() {
    m_shurikenManager->ClearObjects();
    m_smokeBombManager->ClearObjects();
    m_spikeTrapManager->ClearObjects();
    m_fanManager->ClearObjects();
    m_projectileManager->ClearObjects();
    m_stickyTrapManager->ClearObjects();
    m_volleyManager->ClearObjects();
}

void GameState::OnNewConnection(const RakNet::RakNetGUID& guid) {
    if (m_roundCountdownActive) {
        protocol::SendTo(m_peer, protocol::RoundCountdownStartMessage{}, guid);
    }
}

void GameState::RemovePlayer(const RakNet::RakNetGUID& guid) {
    if (m_playerManager) {
        m_playerManager->RemovePlayer(guid);
    }
}

bool GameState::AddPlayer(const std::string& name, std::int32_t character, std::int32_t tool,
                          std::int32_t teamRequest, const RakNet::RakNetGUID& guid) {
    if (!m_playerManager || m_playerManager->IsPlayer(guid)) {
        return false;
    }
    m_playerManager->AddPlayer(name, character, tool, teamRequest, guid);
    protocol::Broadcast(m_peer, protocol::SuddenDeathMessage{m_suddenDeath});
    return true;
}

void GameState::SendRoundTime(const RakNet::RakNetGUID& guid) const {
    protocol::SendTo(m_peer, protocol::RoundTimeMessage{m_roundClock.Minutes(), m_roundClock.Seconds()},
                     guid);
}

void GameState::SendScores(const RakNet::RakNetGUID& guid) const {
    protocol::SendTo(m_peer, m_roundWins.ToScores(), guid);
}

void GameState::SetVisibleList(const RakNet::RakNetGUID& guid, const std::vector<std::uint8_t>& indices) {
    if (m_playerManager) {
        m_playerManager->SetVisibleList(guid, indices);
    }
}

void GameState::SetLobbyEntry(const RakNet::RakNetGUID& guid, LobbyEntry entry) {
    if (m_playerManager) {
        m_playerManager->SetLobbyEntry(guid, std::move(entry));
    }
}

void GameState::UseAbility(std::int32_t ability, float distance, const RakNet::RakNetGUID& guid) {
    if (!m_playerManager) {
        return;
    }
    const PlayerRecord* player = m_playerManager->FindPlayer(guid);
    if (player == nullptr || !player->alive) {
        return;
    }
    CombatWorld world{*m_shurikenManager,  *m_projectileManager, *m_fanManager,
                      *m_smokeBombManager, *m_spikeTrapManager,  *m_stickyTrapManager,
                      *m_volleyManager,    *m_collisionChecker,  m_stabs};
    m_playerManager->UseAbility(ability, distance, guid, world);
    if (m_playerManager->IsInvisible(guid)) {
        m_runeManager->SendInvisibilityEnded(*m_playerManager);
    }
}

void GameState::SendRuneState(const RakNet::RakNetGUID& guid) const {
    if (m_runeManager) {
        m_runeManager->SendRuneState(guid);
    }
}
