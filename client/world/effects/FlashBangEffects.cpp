#include "client/world/effects/FlashBangEffects.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

#include "Lumagrid/GE.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TrailRenderer.h"
#include "client/world/CollisionManager.h"

namespace {

const glm::vec4 kTrailColour{1.0f, 1.0f, 0.0f, 1.0f};
constexpr float kTrailRate = 100.0f;
constexpr float kTrailLifetime = 0.3f;
constexpr float kTrailWidth = 0.1f;

void Report(const char* message) {
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated()) {
        engine->GetDiagnostics().Compose(message);
    }
}

float Heading(const glm::vec3& direction) {
    return std::atan2(direction.z, direction.x);
}

}  // namespace

FlashBangEffects::~FlashBangEffects() {
    Clear();
}

void FlashBangEffects::Throw(const protocol::FlashBangMessage& message) {
    const glm::vec3 start(message.start.x, 0.0f, message.start.z);
    const glm::vec3 target(message.target.x, 0.0f, message.target.z);
    auto grenade = std::make_unique<Grenade>();
    grenade->arc = ThrownArc(start, target, ThrownArc::kFlashBangSpeed, ThrownArc::kFlashBangHeightScale);
    grenade->body.Initialize(kModel, start, grenade->arc.GetDirection(), ThrownArc::kFlashBangSpeed);
    grenade->trail = std::make_unique<Trail>();
    if (!grenade->trail->Initialize(kTrailColour, kTrailTexture, kTrailRate, kTrailLifetime, kTrailWidth)) {
        Report(kTrailFailed);
        grenade->trail.reset();
    }
    m_grenades.push_back(std::move(grenade));
}

// The arc lands the grenade on its target, however far the throw was: that is where it explodes.
void FlashBangEffects::Update(float dt, const Viewer* viewer, const CollisionManager* collision) {
    for (const std::unique_ptr<Grenade>& grenade : m_grenades) {
        if (grenade->inFlight) {
            grenade->age += dt;
            if (grenade->arc.LandedAt(grenade->age)) {
                grenade->inFlight = false;
                grenade->age = 0.0f;
                grenade->body.SetPosition(grenade->arc.GetTarget());
                if (grenade->trail) {
                    grenade->trail->StopEmitting();
                }
                Explode(grenade->arc.GetTarget(), viewer, collision);
            } else {
                grenade->body.SetPosition(grenade->arc.PositionAt(grenade->age));
            }
        }
        if (grenade->trail) {
            const glm::vec3& at = grenade->body.GetPosition();
            grenade->trail->Update(dt, Heading(grenade->arc.GetDirection()), at.x, at.y, at.z);
        }
    }
    for (const std::unique_ptr<Explosion>& explosion : m_explosions) {
        explosion->age += dt;
        if (explosion->emitter) {
            explosion->emitter->SetEmitting(explosion->age <= kExplosionSeconds);
            explosion->emitter->Update(dt);
        }
    }
    m_flash.Update(dt);
    RemoveSpent();
}

void FlashBangEffects::Explode(const glm::vec3& at, const Viewer* viewer, const CollisionManager* collision) {
    auto explosion = std::make_unique<Explosion>();
    explosion->position = at;
    explosion->emitter = std::make_unique<ParticleEmitter>();
    if (explosion->emitter->Initialize(at, glm::vec3(0.0f, 1.0f, 0.0f), ParticleType::FlashBangParticles,
                                       kExplosionSize, kExplosionSize)) {
        explosion->emitter->SetEmitting(true);
    } else {
        Report(kExplosionFailed);
        explosion->emitter.reset();
    }
    m_explosions.push_back(std::move(explosion));
    if (viewer != nullptr && Blinds(viewer->position, viewer->facing, at, collision)) {
        m_flash.Blind();
    }
}

// Within the near distance the light reaches the player from any side; up to the far distance only when the
// explosion lies in front (the facing and the ground direction to it less than a right angle apart, that is
// a positive dot product). A player without a facing sees nothing in front.
bool FlashBangEffects::Blinds(const glm::vec3& position, const glm::vec3& facing, const glm::vec3& explosion,
                              const CollisionManager* collision) {
    if (collision != nullptr && collision->IsLineBlocked(Float3{position.x, position.y, position.z},
                                                         Float3{explosion.x, position.y, explosion.z})) {
        return false;
    }
    const glm::vec3 toExplosion(explosion.x - position.x, 0.0f, explosion.z - position.z);
    const float distance = glm::length(toExplosion);
    if (distance <= kAlwaysBlindDistance) {
        return true;
    }
    if (distance > kNeverBlindDistance) {
        return false;
    }
    const glm::vec3 ground(facing.x, 0.0f, facing.z);
    return glm::dot(ground, toExplosion) > 0.0f;
}

void FlashBangEffects::RenderScene() {
    for (const std::unique_ptr<Grenade>& grenade : m_grenades) {
        if (grenade->inFlight) {
            grenade->body.Render();
        }
    }
}

void FlashBangEffects::RenderEffects(ParticleRenderer& particles, TrailRenderer& trails) const {
    for (const std::unique_ptr<Grenade>& grenade : m_grenades) {
        if (grenade->trail) {
            grenade->trail->Render(trails);
        }
    }
    for (const std::unique_ptr<Explosion>& explosion : m_explosions) {
        particles.QueueEmitter(explosion->emitter.get());
    }
}

// A landed grenade goes once its trail has faded; an explosion once it has stopped emitting and its last
// particle has died.
void FlashBangEffects::RemoveSpent() {
    const auto landed = std::find_if(m_grenades.begin(), m_grenades.end(), [](const auto& grenade) {
        return !grenade->inFlight && (!grenade->trail || grenade->trail->IsEmpty());
    });
    if (landed != m_grenades.end()) {
        m_grenades.erase(landed);
    }
    const auto spent = std::find_if(m_explosions.begin(), m_explosions.end(), [](const auto& explosion) {
        return explosion->age > kExplosionSeconds &&
               (!explosion->emitter || explosion->emitter->LiveCount() == 0);
    });
    if (spent != m_explosions.end()) {
        m_explosions.erase(spent);
    }
}

void FlashBangEffects::Clear() {
    m_grenades.clear();
    m_explosions.clear();
    m_flash.Clear();
}
