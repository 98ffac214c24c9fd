#include "client/world/effects/RuneEffects.h"

#include "Lumagrid/GE.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/TextureLibrary.h"
#include "client/world/PlayerManager.h"

namespace {

constexpr float kHealParticleSize = 0.2f;
constexpr float kShieldParticleSize = 0.025f;
const glm::vec3 kHidden{0.0f, -10.0f, 0.0f};

std::unique_ptr<ParticleEmitter> MakeEmitter(ParticleType type, float size) {
    auto emitter = std::make_unique<ParticleEmitter>();
    if (!emitter->Initialize(glm::vec3(0.0f), glm::vec3(0.0f), type, size, size)) {
        return nullptr;
    }
    emitter->SetEmitting(true);
    return emitter;
}

bool InSight(const glm::vec3& position) {
    const Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    return engine != nullptr && engine->IsVisibilityPointVisible(Lumaspace::Point{position.x, position.z});
}

void AddLight(const Lumaspace::PointLight& light) {
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated()) {
        engine->AddNewPointLight(light);
    }
}

}  // namespace

RuneEffects::~RuneEffects() {
    Shutdown();
}

void RuneEffects::Initialize(float windowWidth, float windowHeight) {
    Shutdown();
    TextureLibrary& textures = TextureLibrary::GetInstance();

    m_healEmitter = MakeEmitter(ParticleType::HealingParticles, kHealParticleSize);
    m_healLight = Lumaspace::PointLight{};
    m_healLight.ambient = {0.0f, 1.0f, 0.0f, 0.0f};
    m_healLight.diffuse = {0.2f, 2.5f, 0.2f, 0.0f};
    m_healLight.specular = {0.2f, 1.0f, 0.2f, 0.0f};
    m_healLight.position = kHidden;
    m_healLight.range = 2.0f;
    m_healLightEnabled = true;

    m_stealthOverlay = GUIElement{};
    m_stealthOverlay.width = windowWidth;
    m_stealthOverlay.height = windowHeight;
    m_stealthOverlay.texture = textures.GetTexture(kStealthTexture);

    m_shieldEmitter = MakeEmitter(ParticleType::ShieldParticles, kShieldParticleSize);
    m_shieldOverlay = GUIElement{};
    m_shieldOverlay.width = kShieldOverlayWidth;
    m_shieldOverlay.height = kShieldOverlayHeight;
    m_shieldOverlay.texture = textures.GetTexture(kShieldTexture);

    m_shieldLight = Lumaspace::PointLight{};
    m_shieldLight.ambient = {1.0f, 1.0f, 1.0f, 0.0f};
    m_shieldLight.diffuse = {10.0f, 10.0f, 5.0f, 0.0f};
    m_shieldLight.specular = {2.5f, 2.5f, 2.5f, 0.0f};
    m_shieldLight.position = kHidden;
    m_shieldLight.range = 1.6f;

    m_healVisible = false;
    m_shieldVisible = false;
}

void RuneEffects::Shutdown() {
    m_healEmitter.reset();
    m_shieldEmitter.reset();
    m_stealthOverlay = GUIElement{};
    m_shieldOverlay = GUIElement{};
    m_healVisible = false;
    m_shieldVisible = false;
}

void RuneEffects::Render(float dt, const NetworkPlayer& local, const std::vector<NetworkPlayer>& others,
                         const PlayerManager* players, const ScreenProjection& screen,
                         ParticleRenderer* particles) {
    if (local.invisible && local.alive) {
        m_stealthOverlay.width = screen.windowWidth;
        m_stealthOverlay.height = screen.windowHeight;
        GUIQueue::GetInstance().AddElement(&m_stealthOverlay);
    }
    const auto show = [&](const NetworkPlayer& record) {
        if (record.invisible) {
            return;
        }
        glm::vec3 position(record.position.x, record.position.y, record.position.z);
        if (players != nullptr) {
            if (const Player* player = players->FindPlayer(record.guid)) {
                position = player->GetPosition();
            }
        }
        if (record.shield > 0.0f) {
            ShowShield(dt, position, screen, particles);
        }
        if (record.healing) {
            ShowHeal(dt, position, particles);
        }
    };
    m_shieldQueued = false;
    m_healQueued = false;
    show(local);
    for (const NetworkPlayer& record : others) {
        show(record);
    }
}

// The picture sits where the point above the player lands in the window (GUI space is centred on it); a
// point behind the camera has no place there, and the picture stays where it was.
void RuneEffects::ShowShield(float dt, const glm::vec3& position, const ScreenProjection& screen,
                             ParticleRenderer* particles) {
    m_shieldVisible = InSight(position);
    if (m_shieldEmitter) {
        m_shieldEmitter->SetPosition(position + glm::vec3(0.0f, kShieldEmitterHeight, 0.0f));
        m_shieldEmitter->Update(dt);
    }
    const glm::vec4 clip = screen.projection * screen.view *
                           glm::vec4(position + glm::vec3(0.0f, kShieldOverlayHeightAbove, 0.0f), 1.0f);
    if (clip.w > 0.0f) {
        m_shieldOverlay.x = screen.windowWidth * 0.5f * clip.x / clip.w;
        m_shieldOverlay.y = screen.windowHeight * 0.5f * clip.y / clip.w;
    }
    if (!m_shieldVisible) {
        return;
    }
    m_shieldLight.position = {position.x, kLightHeight, position.z};
    AddLight(m_shieldLight);
    if (!m_shieldQueued) {
        m_shieldQueued = true;
        if (particles != nullptr) {
            particles->QueueEmitter(m_shieldEmitter.get());
        }
        GUIQueue::GetInstance().AddElement(&m_shieldOverlay);
    }
}

void RuneEffects::ShowHeal(float dt, glm::vec3 position, ParticleRenderer* particles) {
    position.y = kHealHeight;
    m_healVisible = InSight(position);
    if (m_healEmitter) {
        m_healEmitter->SetPosition(position);
        m_healEmitter->Update(dt);
    }
    if (!m_healVisible) {
        return;
    }
    if (m_healLightEnabled) {
        m_healLight.position = {position.x, kLightHeight, position.z};
        AddLight(m_healLight);
    }
    if (particles != nullptr && !m_healQueued) {
        m_healQueued = true;
        particles->QueueEmitter(m_healEmitter.get());
    }
}
