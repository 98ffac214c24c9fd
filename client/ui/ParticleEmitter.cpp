#include "client/ui/ParticleEmitter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <glm/geometric.hpp>
#include <glm/trigonometric.hpp>

#include "Lumagrid/GE.h"
#include "client/ui/TextureLibrary.h"

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kGravity = 4.91f;            // half of g: the arc of smoke and the flash bang
constexpr float kLeafRestHeight = 0.2f;      // leaves at or below this height lie still
constexpr float kDustWindLifetime = 100.0f;  // world dust never expires: its wind grows with this instead
constexpr float kFadeInStep = 0.001f;

glm::vec3 Normalised(const glm::vec3& v) {
    const float length = glm::length(v);
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return glm::vec3(0.0f);
    }
    return v / length;
}

}  // namespace

ParticleEmitter::~ParticleEmitter() {
    Shutdown();
}

bool ParticleEmitter::Initialize(const glm::vec3& position, const glm::vec3& direction, ParticleType type,
                                 float width, float height) {
    Shutdown();
    const ParticleTypeConstants* constants = FindParticleType(type);
    if (constants == nullptr) {
        return false;
    }
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        return false;
    }
    const auto slots = static_cast<std::size_t>(constants->maxParticles);
    m_buffer = engine->CreateDynamicBuffer(slots * sizeof(ParticleVertex));
    if (!m_buffer) {
        engine->GetDiagnostics().Compose("Failed to create particle vertex buffer.");
        return false;
    }
    m_constants = constants;
    m_type = type;
    m_position = position;
    m_direction = Normalised(direction);
    m_colour = glm::vec4(1.0f);
    m_world = glm::mat4(1.0f);
    m_size = glm::vec2(width, height);
    m_texture = TextureLibrary::GetInstance().GetTexture(constants->texture);
    m_emitting = false;
    m_windAngle = 0.0f;
    m_windStrength = 0.0f;
    m_birthTimer = 0.0f;
    m_liveCount = 0;
    m_drawCount = 0;
    m_particles.assign(slots, Particle{});
    m_vertices.assign(slots, ParticleVertex{});
    return true;
}

void ParticleEmitter::Shutdown() {
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated(); engine != nullptr && m_buffer) {
        engine->ReleaseBuffer(m_buffer);
    }
    m_buffer = {};
    m_constants = nullptr;
    m_liveCount = 0;
    m_drawCount = 0;
    m_particles = {};
    m_vertices = {};
}

void ParticleEmitter::SetDirection(const glm::vec3& direction) {
    m_direction = Normalised(direction);
}

void ParticleEmitter::SetWind(float angleDegrees, float strength) {
    m_windAngle = angleDegrees;
    m_windStrength = strength;
}

void ParticleEmitter::Update(float dt) {
    RemoveDeadParticles();
    EmitParticles(dt);
    UpdateParticles(dt);
    BuildVertices(dt);
}

void ParticleEmitter::RemoveDeadParticles() {
    int kept = 0;
    for (int i = 0; i < m_liveCount; ++i) {
        if (!(m_particles[i].age > m_particles[i].lifetime)) {
            m_particles[kept++] = m_particles[i];
        }
    }
    std::fill(m_particles.begin() + kept, m_particles.begin() + m_liveCount, Particle{});
    m_liveCount = kept;
}

void ParticleEmitter::EmitParticles(float dt) {
    if (m_constants == nullptr) {
        return;
    }
    m_birthTimer += dt;
    if (!(m_birthTimer > 1.0f / m_constants->rate)) {
        return;
    }
    if (m_emitting && m_liveCount < GetMaxParticles() - 1) {
        BirthOne();
    }
    m_birthTimer = 0.0f;
}

void ParticleEmitter::BirthOne() {
    const ParticleTypeConstants& kind = *m_constants;
    ParticleRandom& random = *m_random;
    glm::vec3 place;
    place.x = m_position.x + kind.spread.x * random.Next();
    place.y = m_position.y + kind.spread.y * random.Next();
    place.z = m_position.z + kind.spread.z * random.Next();

    // The live particles stay sorted by descending height: the new one goes before the first lower one.
    const auto live = m_particles.begin() + m_liveCount;
    const auto slot = std::find_if(m_particles.begin(), live,
                                   [&](const Particle& particle) { return particle.position.y < place.y; });
    std::move_backward(slot, live, live + 1);

    Particle& particle = *slot;
    particle = Particle{};
    particle.position = place;
    particle.startPosition = place;
    particle.speed = kind.speed + kind.speedSpread * random.Next();
    particle.rotation = kind.randomRotation ? kTwoPi * random.Next() : 0.0f;
    particle.colour = m_colour;
    switch (m_type) {
        case ParticleType::SmokeParticles:
        case ParticleType::FlashBangParticles:
        case ParticleType::WorldDustParticles: {
            const float angle = kTwoPi * random.Next();
            particle.direction = glm::vec3(std::cos(angle), 0.0f, std::sin(angle));
            const float darker = 0.05f * random.Next();
            particle.colour = glm::vec4(glm::vec3(m_colour) - darker, 1.0f);
            if (m_type == ParticleType::WorldDustParticles) {
                particle.startPosition.x = -kind.extent;
            }
            break;
        }
        case ParticleType::GreenLeafParticles:
        case ParticleType::SakuraLeafParticles:
        case ParticleType::AcerLeafParticles:
            particle.direction = m_direction;
            break;
        case ParticleType::FireflyParticles:
            particle.direction = glm::vec3(0.0f, 1.0f, 0.0f);
            particle.colour.a = 0.0f;
            break;
        case ParticleType::BloodParticles: {
            const float angle = kTwoPi * random.Next();
            particle.direction = glm::vec3(std::cos(angle), std::sin(angle), std::sin(angle));
            break;
        }
        case ParticleType::ShieldParticles: {
            const float angle = kTwoPi * random.Next();
            particle.direction = glm::vec3(std::cos(angle), 0.0f, std::sin(angle));
            break;
        }
        default:  // fire, sparks, torches, bubbles, sparkles and healing rise
            particle.direction = glm::vec3(0.0f, 1.0f, 0.0f);
            break;
    }
    particle.opacity = kind.birthOpacity;
    particle.alive = true;
    particle.lifetime = kind.lifetime;
    particle.age = 0.0f;
    ++m_liveCount;
}

void ParticleEmitter::UpdateParticles(float dt) {
    if (m_constants == nullptr) {
        return;
    }
    const float angle = glm::radians(m_windAngle);
    const float windX = std::cos(angle) * m_windStrength;
    const float windZ = std::sin(angle) * m_windStrength;
    for (int i = 0; i < m_liveCount; ++i) {
        MoveOne(m_particles[i], dt, windX, windZ);
    }
    if (m_type == ParticleType::FireParticles || m_type == ParticleType::TorchFireParticles) {
        AddFireLight();
    }
}

// windX and windZ are the wind's direction times its strength; each particle's share grows with its age.
void ParticleEmitter::MoveOne(Particle& p, float dt, float windX, float windZ) const {
    const float a = p.age;
    const float L = p.lifetime;
    const float f = (m_type == ParticleType::WorldDustParticles ? a / kDustWindLifetime : a / L) / 60.0f;
    const float wx = windX * f;
    const float wz = windZ * f;
    const float s = p.speed;
    const float S = m_constants->speed;
    switch (m_type) {
        case ParticleType::SmokeParticles:
        case ParticleType::FlashBangParticles: {
            // An arc from height 0 that passes h at half the particle's life.
            const float H = L / 2.0f;
            const float h = m_type == ParticleType::SmokeParticles ? 3.0f : 0.5f;
            p.position.x += s * p.direction.x * dt;
            p.position.z += s * p.direction.z * dt;
            p.position.y = ((kGravity * H * H + h) / H) * a - kGravity * a * a;
            break;
        }
        case ParticleType::FireParticles:
        case ParticleType::TorchFireParticles: {
            p.colour = glm::vec4(1.0f - a / L);
            if (a >= L / 4.0f) {
                const bool torch = m_type == ParticleType::TorchFireParticles;
                p.position.x += (torch ? wx / 2.5f : s * wx) * dt;
                p.position.z += (torch ? wz / 2.5f : s * wz) * dt;
            }
            p.position.y += s * dt;
            break;
        }
        case ParticleType::FireSparkParticles:
            if (a >= L / 10.0f) {
                p.position.x += (wx / 2.5f) * dt;
                p.position.z += (wz / 2.5f) * dt;
            }
            p.position.y += s * dt;
            break;
        case ParticleType::GreenLeafParticles:
        case ParticleType::SakuraLeafParticles:
        case ParticleType::AcerLeafParticles:
            if (p.position.y > kLeafRestHeight) {
                p.position.x += std::sin(2.5f * a) * dt;
                p.position.y += s * p.direction.y * dt;
                p.position.x += wx * dt;
                p.position.z += wz * dt;
            }
            break;
        case ParticleType::SparkleParticles:
        case ParticleType::HealingParticles:
            p.position.y += S * dt;
            break;
        case ParticleType::WorldDustParticles:
            p.position.y += std::sin(a) * 0.01f * dt;
            p.position.x += s * wx * dt;
            p.position.z += s * wz * dt;
            break;
        case ParticleType::FireflyParticles:
            p.direction = glm::vec3(0.005f * std::cos(a), 0.0f, 0.005f * std::sin(a));
            p.position += s * p.direction * dt;
            break;
        case ParticleType::BubbleParticles:
            p.position.y += s * dt;
            break;
        case ParticleType::BloodParticles:
            p.position += s * p.direction * dt;
            break;
        case ParticleType::ShieldParticles:
            p.position.x += s * p.direction.x * dt;
            p.position.y += S * dt;
            p.position.z += s * p.direction.z * dt;
            break;
    }
    p.age += dt;
}

void ParticleEmitter::AddFireLight() const {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        return;
    }
    Lumaspace::PointLight light;
    light.ambient = glm::vec4(0.0f);
    light.diffuse = glm::vec4(1.6f, 0.8f, 0.0f, 0.0f);
    light.specular = glm::vec4(0.8f, 0.4f, 0.0f, 0.0f);
    light.position = m_position + glm::vec3(0.0f, 0.2f, 0.0f);
    light.range = m_type == ParticleType::TorchFireParticles ? 5.0f : 7.0f;
    engine->AddNewPointLight(light);
}

void ParticleEmitter::BuildVertices(float dt) {
    WriteVertices(dt);
    UploadVertices();
}

void ParticleEmitter::WriteVertices(float dt) {
    if (m_constants == nullptr) {
        return;
    }
    const ParticleTypeConstants& kind = *m_constants;
    for (int i = 0; i < m_liveCount; ++i) {
        Particle& p = m_particles[i];
        if (kind.fadeInStep > 0.0f) {
            if (p.opacity < 1.0f && p.fadeTimer > kind.fadeInStep) {
                p.opacity = std::min(1.0f, p.opacity + kFadeInStep);
                p.fadeTimer = 0.0f;
            }
            p.fadeTimer += dt;
        }
        // In the second half of its life a particle loses opacity in proportion to how far into it it is.
        const float half = p.lifetime / 2.0f;
        for (int pass = 0; pass < kind.fadeOutPasses; ++pass) {
            if (p.age > half) {
                p.opacity = std::max(0.0f, p.opacity - (p.opacity / half) * (p.age - half));
            }
        }
        if (m_type == ParticleType::WorldDustParticles && p.position.x > kind.extent) {
            p.position = p.startPosition;
            p.age = 0.0f;
        }
        if (m_type == ParticleType::BubbleParticles) {
            p.opacity = 1.0f;
        }
        m_vertices[i] =
            ParticleVertex{p.position, m_size, glm::vec4(glm::vec3(p.colour), p.opacity), p.rotation};
    }
    std::fill(m_vertices.begin() + m_liveCount, m_vertices.end(), ParticleVertex{});
}

void ParticleEmitter::UploadVertices() {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr || !m_buffer) {
        return;
    }
    if (m_liveCount == 0) {
        m_drawCount = 0;  // nothing to draw needs no upload
        return;
    }
    const std::span<const ParticleVertex> live(m_vertices.data(), static_cast<std::size_t>(m_liveCount));
    if (!engine->UpdateDynamicBuffer(m_buffer, std::as_bytes(live))) {
        engine->GetDiagnostics().Compose("Failed to map particle buffer.");
        return;
    }
    m_drawCount = m_liveCount;
}
