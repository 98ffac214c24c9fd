// What the players' runes look like: a stealth tint over the whole window while the local player is
// invisible and alive, and on every visible player with a shield or healing, the shield's sparks, light and
// picture or the healing's particles and light. An invisible player shows neither, whatever it has.
//
// The emitters and the shield picture are single objects: when several players qualify in one frame they
// are shown at the last of them in list order (the local player first, then the others), queued once. The
// lights are added per player. A player is shown where its ninja of the player manager stands, found by guid;
// without one (or without a manager) where its record says.
#pragma once

#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "Lumagrid/EngineTypes.h"
#include "client/net/NetworkPlayer.h"
#include "client/ui/GUIElement.h"
#include "client/ui/HealthBar.h"
#include "client/ui/ParticleEmitter.h"

class ParticleRenderer;
class PlayerManager;

class RuneEffects {
public:
    static constexpr const char* kStealthTexture = "../Ombrin/2DTextures/Particles/StealthOverlay.png";
    static constexpr const char* kShieldTexture = "../Ombrin/2DTextures/Particles/ShieldOverlay3.png";
    static constexpr float kShieldOverlayWidth = 90.0f;
    static constexpr float kShieldOverlayHeight = 140.0f;
    static constexpr float kShieldEmitterHeight = 1.5f;
    static constexpr float kShieldOverlayHeightAbove = 1.1f;
    static constexpr float kHealHeight = 0.25f;
    static constexpr float kLightHeight = 1.0f;

    RuneEffects() = default;
    ~RuneEffects();
    RuneEffects(const RuneEffects&) = delete;
    RuneEffects& operator=(const RuneEffects&) = delete;

    // Makes the emitters, the lights and the pictures for a window of width x height (an emitter that cannot
    // be made is left out). Whatever was made before is released first.
    void Initialize(float windowWidth, float windowHeight);
    void Shutdown();

    // One frame of dt seconds: the stealth tint for the local record, then the shield and heal of every
    // visible record (see above). Lights go to the engine, emitters to particles (when given), pictures to
    // the GUI queue.
    void Render(float dt, const NetworkPlayer& local, const std::vector<NetworkPlayer>& others,
                const PlayerManager* players, const ScreenProjection& screen, ParticleRenderer* particles);

    // Whether the last test of each effect found its player in the local line of sight.
    bool IsShieldVisible() const { return m_shieldVisible; }
    bool IsHealVisible() const { return m_healVisible; }
    const GUIElement& StealthOverlay() const { return m_stealthOverlay; }
    const GUIElement& ShieldOverlay() const { return m_shieldOverlay; }
    const ParticleEmitter* ShieldEmitter() const { return m_shieldEmitter.get(); }
    const ParticleEmitter* HealEmitter() const { return m_healEmitter.get(); }

private:
    void ShowShield(float dt, const glm::vec3& position, const ScreenProjection& screen,
                    ParticleRenderer* particles);
    void ShowHeal(float dt, glm::vec3 position, ParticleRenderer* particles);

    std::unique_ptr<ParticleEmitter> m_healEmitter;
    Lumaspace::PointLight m_healLight;
    bool m_healLightEnabled = true;
    GUIElement m_stealthOverlay;
    std::unique_ptr<ParticleEmitter> m_shieldEmitter;
    GUIElement m_shieldOverlay;
    Lumaspace::PointLight m_shieldLight;
    bool m_healVisible = false;
    bool m_shieldVisible = false;
    // This frame's emitter and picture are queued already (each is queued once, however many qualify).
    bool m_shieldQueued = false;
    bool m_healQueued = false;
};
