#include "client/world/PlayerManager.h"

#include <algorithm>

#include "Lumagrid/GE.h"
#include "client/net/ClientNetwork.h"
#include "client/ui/AbilityBar.h"
#include "shared/BaseModel.h"

namespace {

glm::vec3 ToVec3(const protocol::Vec3& v) {
    return {v.x, v.y, v.z};
}

}  // namespace

PlayerManager::PlayerManager(ClientNetwork& network) : m_network(network), m_sender(network) {
    m_surroundings.network = &network;
    m_surroundings.abilitySender = &m_sender;
}

PlayerManager::~PlayerManager() {
    Shutdown();
}

bool PlayerManager::Initialize(bool lobby) {
    Shutdown();
    m_lobby = lobby;
    m_initialized = true;
    m_roundSeen = m_network.RoundNumber();
    bool made = true;
    if (!lobby && m_network.localPlayer.playerIndex >= 0) {
        CreateLocalPlayer();
        made = m_local != nullptr;
    }
    SyncRoster();
    return made;
}

void PlayerManager::Shutdown() {
    if (m_local) {
        m_local->Shutdown();
        m_local.reset();
    }
    for (std::unique_ptr<Player>& player : m_remote) {
        player->Shutdown();
    }
    m_remote.clear();
    m_initialized = false;
    m_rosterSeen = -1;
}

std::unique_ptr<Player> PlayerManager::MakePlayer(const NetworkPlayer& record, bool local) {
    const NinjaKind* kind = FindNinjaKind(record.character);
    if (kind == nullptr) {
        return nullptr;
    }
    auto player = std::make_unique<Player>(*kind, m_surroundings);
    Player::Identity identity;
    identity.guid = record.guid;
    identity.playerIndex = record.playerIndex;
    identity.name = record.name;
    identity.team = record.team;
    identity.tool = record.tool;
    identity.local = local;
    // The local player stands where this client reports it; the others where the server has them.
    const glm::vec3 position = local ? ToVec3(m_network.LocalPosition()) : ToVec3(record.position);
    const glm::vec3 direction = local ? ToVec3(m_network.LocalDirection()) : ToVec3(record.direction);
    player->InitializePlayer(identity, position, direction);
    player->StartFromRecord(record);
    return player;
}

void PlayerManager::CreateLocalPlayer() {
    if (m_local) {
        m_local->Shutdown();
    }
    m_local = MakePlayer(m_network.localPlayer, true);
}

// Records and players are matched by guid: the roster keeps its records in the order first seen and drops
// those that left, so a list position names different players over time.
void PlayerManager::SyncRoster() {
    m_rosterSeen = m_network.RosterNumber();
    const std::vector<NetworkPlayer>& records = m_network.remotePlayers;
    const auto recordOf = [&](const Player& player) {
        return std::find_if(records.begin(), records.end(),
                            [&](const NetworkPlayer& record) { return record.guid == player.Guid(); });
    };
    std::erase_if(m_remote, [&](const std::unique_ptr<Player>& player) {
        const auto record = recordOf(*player);
        const bool gone = record == records.end() || record->character != player->Kind().character;
        if (gone) {
            player->Shutdown();
        }
        return gone;
    });
    for (const NetworkPlayer& record : records) {
        const bool known =
            std::any_of(m_remote.begin(), m_remote.end(),
                        [&](const std::unique_ptr<Player>& player) { return player->Guid() == record.guid; });
        if (!known) {
            if (std::unique_ptr<Player> player = MakePlayer(record, false)) {
                m_remote.push_back(std::move(player));
            }
        }
    }
    const NetworkPlayer& own = m_network.localPlayer;
    if (!m_lobby && own.playerIndex >= 0 && (!m_local || m_local->Kind().character != own.character)) {
        CreateLocalPlayer();
    }
}

void PlayerManager::Update(double frameTime, const PlayerInput& input) {
    if (!m_initialized) {
        return;
    }
    if (m_network.RosterNumber() != m_rosterSeen) {
        SyncRoster();
    }
    if (m_network.RoundNumber() != m_roundSeen) {
        m_roundSeen = m_network.RoundNumber();
        if (m_local) {
            m_local->ResetCooldowns();
        }
        for (const std::unique_ptr<Player>& player : m_remote) {
            player->ResetCooldowns();
        }
    }
    if (!m_lobby && m_local) {
        UpdateLocalPlayer(frameTime, input);
    }
    UpdateRemotePlayers(frameTime);
    PlayAnimationEvents();
    const auto flagInView = [this](Player& player) {
        player.SetInView(m_frustum.ContainsSphere(player.GetPosition(), player.GetHorizontalRadius()));
    };
    if (m_local) {
        flagInView(*m_local);
    }
    for (const std::unique_ptr<Player>& player : m_remote) {
        flagInView(*player);
    }
    if (m_abilityBar != nullptr && m_local) {
        m_local->UpdateAbilityBar(*m_abilityBar);
    }
}

void PlayerManager::UpdateLocalPlayer(double frameTime, const PlayerInput& input) {
    Player& local = *m_local;
    NetworkEvents& events = m_network.events;
    if (m_network.localPlayer.playerIndex >= 0) {
        local.ApplyLocalRecord(m_network.localPlayer);
    }
    const std::vector<protocol::Vec3> respawns = events.respawns.Take();
    if (!respawns.empty()) {
        local.Place(ToVec3(respawns.back()));
    }
    if (events.positionRejected.Take()) {
        // The server kept the last position it accepted; its latest view of the player is where to go on.
        local.Place(ToVec3(m_network.localPlayer.position));
    }
    const std::vector<protocol::Vec3> targets = events.dashTargets.Take();
    if (!targets.empty() && local.IsAlive()) {
        local.StartDash(ToVec3(targets.back()));
    }
    local.UpdateLocal(frameTime, input);
}

void PlayerManager::UpdateRemotePlayers(double frameTime) {
    const std::vector<NetworkPlayer>& records = m_network.remotePlayers;
    for (const std::unique_ptr<Player>& player : m_remote) {
        const auto record = std::find_if(records.begin(), records.end(),
                                         [&](const NetworkPlayer& r) { return r.guid == player->Guid(); });
        if (record != records.end()) {
            player->UpdateRemote(frameTime, *record);
        }
    }
}

void PlayerManager::PlayAnimationEvents() {
    for (const AnimationEvent& event : m_network.events.animationEvents.Take()) {
        Player* player = FindPlayer(event.player);
        if (player != nullptr && !player->IsLocal()) {
            player->ReceiveAnimation(event.animation);
        }
    }
}

void PlayerManager::SetLocalFacing(const glm::vec3& facing) {
    if (m_local) {
        m_local->SetFacing(facing);
    }
}

Player* PlayerManager::FindPlayer(const RakNet::RakNetGUID& guid) {
    return const_cast<Player*>(std::as_const(*this).FindPlayer(guid));
}

const Player* PlayerManager::FindPlayer(const RakNet::RakNetGUID& guid) const {
    if (m_local && m_local->Guid() == guid) {
        return m_local.get();
    }
    for (const std::unique_ptr<Player>& player : m_remote) {
        if (player->Guid() == guid) {
            return player.get();
        }
    }
    return nullptr;
}

std::vector<const Player*> PlayerManager::LivingTeamMates() const {
    std::vector<const Player*> mates;
    const int team = m_local ? m_local->GetTeam() : m_network.localPlayer.team;
    for (const std::unique_ptr<Player>& player : m_remote) {
        if (player->GetTeam() == team && player->IsAlive()) {
            mates.push_back(player.get());
        }
    }
    return mates;
}

// The lobby's culling sphere: round the model's centre, one unit wider than the model.
bool PlayerManager::InFrustum(const Player& player) const {
    const Float3 centre = player.GetBaseModel().GetCenter();
    return m_frustum.ContainsSphere(player.GetPosition() + glm::vec3(centre.x, centre.y, centre.z),
                                    player.GetHorizontalRadius() + 1.0f);
}

bool PlayerManager::IsShown(const Player& remote) const {
    if (m_lobby) {
        return InFrustum(remote);
    }
    const int team = m_local ? m_local->GetTeam() : m_network.localPlayer.team;
    if (remote.GetTeam() == team) {
        return true;
    }
    const Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    const glm::vec3& at = remote.GetPosition();
    if (engine != nullptr && engine->IsVisibilityPointVisible(Lumaspace::Point{at.x, at.z})) {
        return true;
    }
    return m_network.IsVisible(remote.Guid());
}

template <typename Draw>
void PlayerManager::ForEachDrawn(Draw draw) const {
    if (m_local && !m_lobby) {
        draw(*m_local);
    }
    for (const std::unique_ptr<Player>& player : m_remote) {
        if (IsShown(*player)) {
            draw(*player);
        }
    }
}

// Every player goes through the shadow pass: that is where its pose moves on.
void PlayerManager::RenderShadowDepth() {
    if (m_local && !m_lobby) {
        m_local->RenderDepth();
    }
    for (const std::unique_ptr<Player>& player : m_remote) {
        player->RenderDepth();
    }
}

void PlayerManager::RenderScene() {
    ForEachDrawn([](Player& player) { player.Render(); });
}

// The local player is outlined only while the level hides it; invisible remote players never.
void PlayerManager::RenderOutlineDepth() const {
    ForEachDrawn([](const Player& player) {
        if (player.IsLocal() ? player.IsHiddenByLevel() : !player.IsInvisible()) {
            player.RenderOutlineDepth();
        }
    });
}

void PlayerManager::RenderOutlines() const {
    ForEachDrawn([](const Player& player) {
        if (player.IsLocal() ? player.IsHiddenByLevel() && player.IsAlive() : !player.IsInvisible()) {
            player.RenderOutline(Player::TeamOutlineColour(player.GetTeam()));
        }
    });
}

void PlayerManager::RenderEffects(ParticleRenderer& particles, TrailRenderer& trails) {
    ForEachDrawn([&](Player& player) {
        if (player.IsLocal() || !player.IsInvisible()) {
            player.RenderEffects(particles, trails);
        }
    });
}

void PlayerManager::UpdateOverlays(const ScreenProjection& screen) {
    if (m_local) {
        m_local->UpdateOverlays(screen);
    }
    for (const std::unique_ptr<Player>& player : m_remote) {
        player->UpdateOverlays(screen);
    }
}

void PlayerManager::RenderOverlays(bool matchOver) const {
    ForEachDrawn([&](const Player& player) {
        if (player.IsAlive() && (player.IsLocal() || !player.IsInvisible())) {
            player.RenderOverlays(matchOver);
        }
    });
}
