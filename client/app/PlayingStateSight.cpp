// What the match sees: the minimap's dots and the sighting report, the level hiding players from the camera,
// and the line-of-sight texture's projection and search area.
#include <algorithm>
#include <cstddef>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/geometric.hpp>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/PlayingState.h"
#include "client/net/ClientNetwork.h"

using Lumaspace::GE;

namespace {

float WindowWidth() {
    return static_cast<float>(std::max(1, ClientGlobals::GetInstance().windowWidth));
}
float WindowHeight() {
    return static_cast<float>(std::max(1, ClientGlobals::GetInstance().windowHeight));
}

}  // namespace

// Dot i shows remote player i while it lives and is not invisible: a team mate always, an enemy when the
// local line of sight holds it (then it is reported as seen) or when the server says the team sees it.
void PlayingState::UpdateMinimapAndSighting() {
    const GE& engine = *GE::GetInstance();
    const glm::vec3 own = LocalPosition();
    m_minimap.SetOwnDot(own.x, own.z);
    const int team = m_network.localPlayer.team;
    const auto& remote = m_players.GetRemotePlayers();
    m_seen.clear();
    for (std::size_t i = 0; i < Minimap::kDotCount; ++i) {
        m_minimap.HideDot(i);
        if (i >= remote.size()) {
            continue;
        }
        const Player& player = *remote[i];
        if (!player.IsAlive() || player.IsInvisible()) {
            continue;
        }
        const glm::vec3& at = player.GetPosition();
        if (player.GetTeam() == team || engine.IsVisibilityPointVisible(Lumaspace::Point{at.x, at.z})) {
            m_minimap.SetDot(i, at.x, at.z);
            m_seen.push_back(player.Guid());
        } else if (m_network.IsVisible(player.Guid())) {
            m_minimap.SetDot(i, at.x, at.z);
        }
    }
    m_network.SetSeenPlayers(m_seen);
    m_minimap.SetOwnTeam(team);
    for (std::size_t i = 0; i < Minimap::kDotCount; ++i) {
        m_minimap.SetDotTeam(i, i < remote.size() ? remote[i]->GetTeam() : 0);
    }
}

namespace {

// Whether the level stands between the eye and the player's middle: the first obstacle along the ray comes
// before the player's own body.
bool HiddenFromEye(const CollisionManager& collision, const glm::vec3& eye, const Player& player) {
    const glm::vec3 middle = player.GetPosition() + glm::vec3(0.0f, 1.0f, 0.0f);
    const glm::vec3 towards = middle - eye;
    const float distance = glm::length(towards);
    if (distance <= 0.0f) {
        return false;
    }
    const glm::vec3 direction = towards / distance;
    CollisionRay ray{{eye.x, eye.y, eye.z}, {direction.x, direction.y, direction.z}};
    float bodyDistance = distance;
    for (const CollisionOBB& box : player.GetBodyVolumes().boxes) {
        if (CollisionManager::RayHitsBox(ray, box)) {
            bodyDistance = std::min(bodyDistance, ray.hitDistance);
        }
    }
    return collision.FirstHitDistance(ray) < bodyDistance;
}

}  // namespace

void PlayingState::UpdateOcclusion() {
    const glm::vec3 eye = m_camera.GetEye();
    if (Player* local = m_players.GetLocalPlayer()) {
        local->SetHiddenByLevel(HiddenFromEye(m_collision, eye, *local));
    }
    for (const std::unique_ptr<Player>& player : m_players.GetRemotePlayers()) {
        player->SetHiddenByLevel(HiddenFromEye(m_collision, eye, *player));
    }
}

// The line-of-sight texture takes the window's size and covers the ground the window shows.
void PlayingState::ResizeVisibility() {
    GE& engine = *GE::GetInstance();
    engine.UpdateVisibilityTextureSize(WindowWidth(), WindowHeight());
    m_visibility = VisibilityExtentsOf(
        GroundOfScreen(WindowWidth(), WindowHeight(), m_camera.GetView(), m_camera.GetProjection()));
    engine.SetVisibilityProjectionPolygonMatrix(
        glm::orthoLH_ZO(-m_visibility.horizontal, m_visibility.horizontal, -m_visibility.vertical,
                        m_visibility.vertical, Camera::kNear, Camera::kFar));
    engine.ScreenChangeHandled();
}

// The polygon is searched over what the window shows around the local player, and a margin.
void PlayingState::UpdateVisibilityBoundaries() {
    const ScreenGround ground =
        GroundOfScreen(WindowWidth(), WindowHeight(), m_camera.GetView(), m_camera.GetProjection());
    const glm::vec3 own = LocalPosition();
    const float left = own.x - ground.MinX();
    const float right = ground.MaxX() - own.x;
    const float top = ground.MaxZ() - own.z;
    const float bottom = own.z - ground.MinZ();
    GE::GetInstance()->UpdateVisibilityMapBoundries(
        Lumaspace::Point{own.x - left - kVisibilityMargin, own.z + top + kVisibilityMargin},
        Lumaspace::Point{own.x + right + kVisibilityMargin, own.z - bottom - kVisibilityMargin});
}
