#include "client/world/effects/RuneSet.h"

#include "Lumagrid/GE.h"
#include "client/ui/ParticleRenderer.h"

namespace {

struct RuneLook {
    const char* model;
    glm::vec3 lightColour;
};

// In RuneType order: heal, invisibility, shield.
const RuneLook kLooks[RuneSet::kRuneCount] = {
    {"../Ombrin/Models/lotus_Shape.ZMD", {1.0f, 0.0f, 0.5f}},
    {"../Ombrin/Models/invisScroll_Shape.ZMD", {0.4f, 0.02f, 0.64f}},
    {"../Ombrin/Models/shield_Shape.ZMD", {1.0f, 1.0f, 0.0f}},
};

bool KnownKind(std::int32_t kind) {
    return kind >= 0 && kind < RuneSet::kRuneCount;
}

}  // namespace

void RuneSet::Rune::Create(RuneType kind) {
    const RuneLook& look = kLooks[static_cast<int>(kind)];
    MovingObject::Initialize(look.model, glm::vec3(0.0f), glm::vec3(0.0f), 0.0f);
    m_kind = kind;
    m_lightColour = look.lightColour;
    m_visible = false;
    m_sparkles = std::make_unique<ParticleEmitter>();
    if (m_sparkles->Initialize(GetPosition(), glm::vec3(0.0f), ParticleType::SparkleParticles, kSparkleSize,
                               kSparkleSize)) {
        m_sparkles->SetEmitting(true);
    } else {
        m_sparkles.reset();
    }
}

void RuneSet::Rune::Shutdown() {
    m_sparkles.reset();
    m_visible = false;
}

void RuneSet::Rune::Place(float x, float z) {
    SetPosition(glm::vec3(x, 0.0f, z));
    if (m_sparkles) {
        m_sparkles->SetPosition(GetPosition());
    }
}

RuneSet::~RuneSet() {
    Shutdown();
}

void RuneSet::Initialize() {
    Shutdown();
    for (int kind = 0; kind < kRuneCount; ++kind) {
        auto rune = std::make_unique<Rune>();
        rune->Create(static_cast<RuneType>(kind));
        m_runes.push_back(std::move(rune));
    }
}

void RuneSet::Shutdown() {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        rune->Shutdown();
    }
    m_runes.clear();
}

RuneSet::Rune* RuneSet::FindRune(RuneType kind) {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        if (rune->Kind() == kind) {
            return rune.get();
        }
    }
    return nullptr;
}

const RuneSet::Rune* RuneSet::Find(RuneType kind) const {
    return const_cast<RuneSet*>(this)->FindRune(kind);
}

void RuneSet::Show(RuneType kind, float x, float z) {
    if (Rune* rune = FindRune(kind)) {
        rune->Place(x, z);
        rune->SetVisible(true);
    }
}

void RuneSet::Hide(RuneType kind) {
    if (Rune* rune = FindRune(kind)) {
        rune->SetVisible(false);
    }
}

void RuneSet::HideAll() {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        rune->SetVisible(false);
    }
}

void RuneSet::Follow(const std::vector<RuneRecord>& records) {
    const RuneRecord* latest[kRuneCount] = {};
    for (const RuneRecord& record : records) {
        if (record.active && KnownKind(record.type)) {
            latest[record.type] = &record;
        }
    }
    for (int kind = 0; kind < kRuneCount; ++kind) {
        if (latest[kind] != nullptr) {
            Show(static_cast<RuneType>(kind), latest[kind]->position.x, latest[kind]->position.z);
        } else {
            Hide(static_cast<RuneType>(kind));
        }
    }
}

void RuneSet::Update(float dt) {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        if (!rune->IsVisible()) {
            continue;
        }
        if (ParticleEmitter* sparkles = rune->Sparkles()) {
            sparkles->Update(dt);
        }
        if (engine != nullptr) {
            Lumaspace::PointLight light;
            light.diffuse = glm::vec4(rune->LightColour(), 0.0f);
            light.position = rune->GetPosition() + glm::vec3(0.0f, kLightHeight, 0.0f);
            light.range = kLightRange;
            engine->AddNewPointLight(light);
        }
    }
}

void RuneSet::Render() {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        if (rune->IsVisible()) {
            rune->Render();
        }
    }
}

void RuneSet::RenderDepth() {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        if (rune->IsVisible()) {
            rune->RenderDepth();
        }
    }
}

void RuneSet::RenderEffects(ParticleRenderer& particles) const {
    for (const std::unique_ptr<Rune>& rune : m_runes) {
        if (rune->IsVisible()) {
            particles.QueueEmitter(rune->Sparkles());
        }
    }
}
