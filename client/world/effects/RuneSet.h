// The runes the server has placed on the level, as the client shows them: one heal lotus, one invisibility
// scroll and one shield, each with its sparkles and a coloured light above it. The three are made once and
// only placed, shown and hidden afterwards; the set follows the connection's rune records every frame, so a
// rune shows where its latest record that is still on the level puts it and hides when it is taken or when
// a round start empties the records.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "client/net/WorldEvents.h"
#include "client/ui/ParticleEmitter.h"
#include "client/world/MovingObject.h"
#include "shared/LevelRecords.h"

class ParticleRenderer;

class RuneSet {
public:
    static constexpr int kRuneCount = 3;
    static constexpr float kLightHeight = 1.8f;
    static constexpr float kLightRange = 3.0f;
    static constexpr float kSparkleSize = 0.1f;

    // One rune on the level: its model, its sparkles and its light colour.
    class Rune : public MovingObject {
    public:
        // The kind's model at the origin, hidden, with its sparkles emitting (an emitter that cannot be made
        // leaves the rune without sparkles).
        void Create(RuneType kind);
        void Shutdown() override;
        // Moves the model and its sparkles to (x, 0, z).
        void Place(float x, float z);
        void SetVisible(bool visible) { m_visible = visible; }

        RuneType Kind() const { return m_kind; }
        bool IsVisible() const { return m_visible; }
        const glm::vec3& LightColour() const { return m_lightColour; }
        const ParticleEmitter* Sparkles() const { return m_sparkles.get(); }
        ParticleEmitter* Sparkles() { return m_sparkles.get(); }

    private:
        std::unique_ptr<ParticleEmitter> m_sparkles;
        bool m_visible = false;
        glm::vec3 m_lightColour{0.0f};
        RuneType m_kind = RuneType::Heal;
    };

    RuneSet() = default;
    ~RuneSet();
    RuneSet(const RuneSet&) = delete;
    RuneSet& operator=(const RuneSet&) = delete;

    // Makes the three runes, hidden; whatever the set held before is released first.
    void Initialize();
    // Releases the runes. Safe twice and before Initialize.
    void Shutdown();

    // The server reports the rune of kind at (x, z): it shows there.
    void Show(RuneType kind, float x, float z);
    // The rune of kind was taken; hiding a hidden rune changes nothing.
    void Hide(RuneType kind);
    void HideAll();
    // Shows each kind at its latest record still on the level and hides the kinds without one. Records of
    // no known kind are ignored.
    void Follow(const std::vector<RuneRecord>& records);

    // One frame: each visible rune's sparkles move on and its light is added 1.8 above it.
    void Update(float dt);
    // The scene and depth passes draw the visible runes with the pipeline the caller prepared; the effects
    // pass queues their sparkles.
    void Render();
    void RenderDepth();
    void RenderEffects(ParticleRenderer& particles) const;

    // In RuneType order; empty before Initialize.
    const std::vector<std::unique_ptr<Rune>>& Runes() const { return m_runes; }
    const Rune* Find(RuneType kind) const;

private:
    Rune* FindRune(RuneType kind);

    std::vector<std::unique_ptr<Rune>> m_runes;
};
