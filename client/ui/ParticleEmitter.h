// One particle effect: fire and sparks of braziers and torches, smoke, leaves, world dust, fireflies, rune
// sparkles, bubbles, blood, healing, shield and the flash bang. The kind (ParticleType) fixes the picture and
// every constant; the owner (a level emitter, a player, a rune, a trap) moves and steers the emitter,
// switches emitting on and off, and once per frame calls, in this order, RemoveDeadParticles, EmitParticles,
// UpdateParticles and BuildVertices (or Update, which runs the four), then queues it on the ParticleRenderer.
//
// Particles live in a fixed array, the live ones packed in the first LiveCount slots and sorted by
// descending height. Each frame they become one 40-byte vertex each in the emitter's own dynamic vertex
// buffer, which the engine draws as point sprites. Nothing is allocated after Initialize.
//
// The engine must be running from Initialize to Shutdown; the emitter owns its vertex buffer and releases it
// in Shutdown (also run by the destructor). The picture belongs to the texture library.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Lumagrid/Handles.h"
#include "client/ui/ParticleRandom.h"
#include "client/ui/ParticleType.h"

struct Particle {
    glm::vec3 startPosition{0.0f};  // where world dust returns to
    glm::vec3 position{0.0f};
    glm::vec3 direction{0.0f};
    glm::vec4 colour{0.0f};
    float opacity = 0.0f;  // 0..1, the vertex's alpha
    float speed = 0.0f;
    float rotation = 0.0f;  // radians
    bool alive = false;
    float lifetime = 0.0f;
    float age = 0.0f;        // seconds since birth
    float fadeTimer = 0.0f;  // seconds since the last fade-in step
};

// The vertex the particle pipeline reads: position, the emitter's particle size, the particle's colour
// with its opacity as alpha, and its rotation.
struct ParticleVertex {
    glm::vec3 position{0.0f};
    glm::vec2 size{0.0f};
    glm::vec4 colour{0.0f};
    float rotation = 0.0f;
};
static_assert(sizeof(ParticleVertex) == 40 && offsetof(ParticleVertex, size) == 12 &&
              offsetof(ParticleVertex, colour) == 20 && offsetof(ParticleVertex, rotation) == 36);

class ParticleEmitter {
public:
    // Births draw from random, which must outlive the emitter.
    explicit ParticleEmitter(ParticleRandom& random = ParticleRandom::Shared()) : m_random(&random) {}
    ~ParticleEmitter();
    ParticleEmitter(const ParticleEmitter&) = delete;
    ParticleEmitter& operator=(const ParticleEmitter&) = delete;

    // Sets the emitter up for the kind at position, facing direction (normalised; a zero direction stays
    // zero), with particles of width x height. Not emitting, colour (1, 1, 1, 1), no wind. False, with
    // nothing allocated, for a number that names no kind and when there is no engine; false with "Failed to
    // create particle vertex buffer." when the engine gives no buffer. An emitter set up before is shut down
    // first.
    bool Initialize(const glm::vec3& position, const glm::vec3& direction, ParticleType type, float width,
                    float height);
    // Frees the particles and releases the vertex buffer; safe to call twice and before Initialize.
    void Shutdown();

    // The four steps of a frame of dt seconds, in order.
    void Update(float dt);
    // Drops every particle older than its lifetime; the others keep their order.
    void RemoveDeadParticles();
    // Once more than 1 / rate seconds have gathered, births one particle (while emitting and while fewer
    // than max particles - 1 live) and starts gathering again: never more than one birth per frame.
    void EmitParticles(float dt);
    // Moves and ages every live particle by its kind; fire adds its point light once per call.
    void UpdateParticles(float dt);
    // WriteVertices, then UploadVertices.
    void BuildVertices(float dt);
    // The fades and the world dust's return, then one vertex per live particle, in slot order.
    void WriteVertices(float dt);
    // Hands the live particles' vertices to the engine. When the engine refuses ("Failed to map particle
    // buffer.") the previous contents, and their count, stay what is drawn.
    void UploadVertices();

    void SetPosition(const glm::vec3& position) { m_position = position; }
    // Normalised; a zero (or not finite) direction stays zero.
    void SetDirection(const glm::vec3& direction);
    void SetEmitting(bool emitting) { m_emitting = emitting; }
    void SetColour(const glm::vec4& colour) { m_colour = colour; }
    // The drift of fire, sparks, leaves and dust: angle in degrees about y, strength as level emitters use
    // it (50).
    void SetWind(float angleDegrees, float strength);

    bool IsInitialized() const { return m_constants != nullptr; }
    ParticleType GetType() const { return m_type; }
    const glm::vec3& GetPosition() const { return m_position; }
    const glm::vec3& GetDirection() const { return m_direction; }
    const glm::vec4& GetColour() const { return m_colour; }
    bool IsEmitting() const { return m_emitting; }
    bool IsAdditive() const { return m_constants != nullptr && m_constants->additive; }
    int GetMaxParticles() const { return static_cast<int>(m_particles.size()); }
    int LiveCount() const { return m_liveCount; }
    std::span<const Particle> Particles() const { return m_particles; }
    std::span<const ParticleVertex> Vertices() const { return m_vertices; }

    // What the renderer draws: the buffer, the number of particles its last successful upload holds, the
    // world matrix (identity) and the picture.
    Lumaspace::BufferHandle GetBuffer() const { return m_buffer; }
    int DrawCount() const { return m_drawCount; }
    const glm::mat4& GetWorld() const { return m_world; }
    Lumaspace::TextureHandle GetTexture() const { return m_texture; }

private:
    void BirthOne();
    void MoveOne(Particle& particle, float dt, float windX, float windZ) const;
    void AddFireLight() const;

    ParticleRandom* m_random;
    const ParticleTypeConstants* m_constants = nullptr;
    ParticleType m_type = ParticleType::SmokeParticles;
    glm::vec3 m_position{0.0f};
    glm::vec3 m_direction{0.0f};
    glm::vec4 m_colour{1.0f};
    glm::mat4 m_world{1.0f};
    glm::vec2 m_size{0.0f};
    Lumaspace::TextureHandle m_texture;
    bool m_emitting = false;
    float m_windAngle = 0.0f;  // degrees
    float m_windStrength = 0.0f;
    float m_birthTimer = 0.0f;
    int m_liveCount = 0;
    int m_drawCount = 0;
    std::vector<Particle> m_particles;
    std::vector<ParticleVertex> m_vertices;
    Lumaspace::BufferHandle m_buffer;
};
