#include "client/world/ObjectManager.h"

#include "Lumagrid/GE.h"
#include "client/ui/LevelEmitterSetup.h"
#include "client/ui/ParticleEmitter.h"
#include "client/ui/ParticleRenderer.h"
#include "client/ui/SoundSystem.h"
#include "client/world/CollisionManager.h"
#include "client/world/PlayerManager.h"
#include "shared/LevelData.h"

namespace {

glm::vec3 ToVec3(const Float3& v) {
    return {v.x, v.y, v.z};
}

constexpr glm::vec3 kUnitScale{1.0f};

}  // namespace

ObjectManager::~ObjectManager() {
    Shutdown();
}

bool ObjectManager::Initialize(const std::string& levelPath) {
    return Initialize(LevelData(levelPath));
}

bool ObjectManager::Initialize(const LevelData& level) {
    Shutdown();
    BuildStaticObjects(level.GetModels());

    for (const LevelModel& record : level.GetAnimatedModels()) {
        auto object = std::make_unique<AnimatedObject>();
        object->Initialize(record.path, ToVec3(record.position), ToVec3(record.rotation), kUnitScale);
        if (record.path == kBirdModelPath) {
            m_ambientSounds.push_back({SoundId::Bird, object->GetPosition()});
        }
        m_animated.push_back(std::move(object));
    }

    m_emitters = level.GetEmitters();
    for (const LevelEmitter& emitter : m_emitters) {
        if (const std::optional<SoundId> sound = EmitterAmbientSound(emitter.type)) {
            m_ambientSounds.push_back({*sound, ToVec3(emitter.position)});
        }
    }
    BuildLevelEmitters();
    StartAmbientSounds();
    // The rune set of the level is the match's (the menu and the lobby show none).
    return !m_static.empty() || !m_animated.empty() || !m_emitters.empty();
}

// Records in file order; each run of records with one path is a group with one instance buffer.
void ObjectManager::BuildStaticObjects(const std::vector<LevelModel>& models) {
    m_static.reserve(models.size());
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (i > groupStart && models[i].path != models[groupStart].path) {
            AddGroup(groupStart, i);
            groupStart = i;
        }
        auto object = std::make_unique<Object>();
        object->Initialize(models[i].path, ToVec3(models[i].position), ToVec3(models[i].rotation),
                           kUnitScale);
        m_static.push_back(std::move(object));
    }
    if (groupStart < models.size()) {
        AddGroup(groupStart, models.size());
    }
}

void ObjectManager::AddGroup(std::size_t first, std::size_t end) {
    std::vector<glm::mat4> matrices;
    matrices.reserve(end - first);
    for (std::size_t i = first; i < end; ++i) {
        matrices.push_back(m_static[i]->GetWorldMatrix());
    }
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    const int index =
        engine != nullptr ? engine->AddInstanceBuffer(static_cast<int>(matrices.size()), matrices) : -1;
    if (index >= 0) {
        m_instanceBuffers.push_back(index);
    }
    for (std::size_t i = first; i < end; ++i) {
        m_static[i]->SetInstanceIndex(index);
    }
}

void ObjectManager::SetParticleRenderer(ParticleRenderer* renderer) {
    m_particleRenderer = renderer;
    m_entities.SetParticleRenderer(renderer);
    BuildLevelEmitters();
}

void ObjectManager::SetNetwork(ClientNetwork* network) {
    m_entities.SetNetwork(network);
}

void ObjectManager::SetPlayers(const PlayerManager* players) {
    if (players == nullptr) {
        m_entities.SetOwnerLookup(nullptr);
        return;
    }
    m_entities.SetOwnerLookup([players](const RakNet::RakNetGUID& guid) -> std::optional<glm::vec3> {
        if (const Player* player = players->FindPlayer(guid)) {
            return player->GetPosition();
        }
        return std::nullopt;
    });
}

void ObjectManager::SetSound(SoundSystem* sound) {
    StopAmbientSounds();
    m_sound = sound;
    StartAmbientSounds();
}

// Records of an unknown kind, and effects the engine cannot create, are left out.
void ObjectManager::BuildLevelEmitters() {
    m_levelEmitters.clear();
    if (m_particleRenderer == nullptr) {
        return;
    }
    for (const LevelEmitter& record : m_emitters) {
        auto emitter = std::make_unique<ParticleEmitter>();
        if (InitializeLevelEmitter(*emitter, record)) {
            m_levelEmitters.push_back(std::move(emitter));
        }
    }
}

void ObjectManager::StartAmbientSounds() {
    if (m_sound == nullptr) {
        return;
    }
    for (const AmbientSoundRecord& record : m_ambientSounds) {
        m_sound->AddAmbientSound(SoundNumber(record.sound), record.position, this);
    }
}

void ObjectManager::StopAmbientSounds() {
    if (m_sound != nullptr) {
        m_sound->StopAmbientSounds(this);
    }
}

void ObjectManager::Shutdown() {
    StopAmbientSounds();
    m_entities.Clear();
    m_levelEmitters.clear();
    if (Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated()) {
        for (const int index : m_instanceBuffers) {
            engine->ReleaseInstanceBuffer(index);
        }
    }
    m_instanceBuffers.clear();
    for (auto& object : m_static) {
        object->Shutdown();
    }
    for (auto& object : m_animated) {
        object->Shutdown();
    }
    m_static.clear();
    m_animated.clear();
    m_emitters.clear();
    m_ambientSounds.clear();
    m_visibleStatic.clear();
    m_runs.clear();
    m_visibleAnimated.clear();
    m_staticVolumes.clear();
    m_animatedVolumes.clear();
}

void ObjectManager::Update(double frameTime, CollisionManager* collision) {
    // A match's dynamic entities take their turn here, before the level's props, in this order: a restarted
    // round clears them; shurikens and projectiles move; smoke bombs, caltrop fields and sticky traps age;
    // the server's lists of them are mirrored; fans, volleys and timed effects update; then the emitters'
    // particles and the runes. The menu and the lobby show none of them.
    m_entities.Update(static_cast<float>(frameTime));
    for (auto& object : m_animated) {
        object->Update(frameTime);
    }
    for (auto& emitter : m_levelEmitters) {
        emitter->Update(static_cast<float>(frameTime));
    }
    FindVisible(frameTime);
    SplitRuns();
    UploadRuns();
    if (collision != nullptr) {
        ReportVolumes(*collision);
    }
}

bool ObjectManager::InView(const Object& object, float margin) const {
    return m_frustum.ContainsSphere(object.GetPosition(), object.GetHorizontalRadius() + margin);
}

void ObjectManager::FindVisible(double frameTime) {
    m_visibleStatic.clear();
    for (auto& object : m_static) {
        if (!InView(*object, kViewMargin)) {
            continue;
        }
        if (object->IsFoliage()) {
            object->Sway(frameTime);
        }
        m_visibleStatic.push_back(object.get());
    }
    m_visibleAnimated.clear();
    for (auto& object : m_animated) {
        if (InView(*object, kViewMargin)) {
            m_visibleAnimated.push_back(object.get());
        }
    }
}

// A run ends where the model or the group changes: two groups of one model that the level file separates
// by props now out of view stay two runs, each with its own buffer.
void ObjectManager::SplitRuns() {
    m_runs.clear();
    for (std::size_t i = 0; i < m_visibleStatic.size(); ++i) {
        const Object& object = *m_visibleStatic[i];
        if (!m_runs.empty()) {
            const Object& previous = *m_visibleStatic[i - 1];
            if (previous.GetInstanceIndex() == object.GetInstanceIndex() &&
                previous.GetModelPath() == object.GetModelPath()) {
                m_runs.back().end = i + 1;
                continue;
            }
        }
        m_runs.push_back(Run{i, i + 1, object.GetInstanceIndex()});
    }
}

// Every group has at most one run in a frame, so both passes of the frame read what is written here.
void ObjectManager::UploadRuns() {
    Lumaspace::GE* engine = Lumaspace::GE::GetInstanceIfCreated();
    if (engine == nullptr) {
        return;
    }
    for (const Run& run : m_runs) {
        if (run.Size() < 2 || run.instanceIndex < 0) {
            continue;
        }
        m_matrices.clear();
        for (std::size_t i = run.begin; i < run.end; ++i) {
            m_matrices.push_back(m_visibleStatic[i]->GetWorldMatrix());
        }
        engine->UpdateInstanceBuffers(m_matrices, run.instanceIndex);
    }
}

void ObjectManager::ReportVolumes(CollisionManager& collision) {
    m_staticVolumes.clear();
    for (const Object* object : m_visibleStatic) {
        m_staticVolumes.push_back(&object->GetVolumes());
    }
    m_animatedVolumes.clear();
    for (const AnimatedObject* object : m_visibleAnimated) {
        m_animatedVolumes.push_back(&object->GetVolumes());
    }
    collision.SetObjects(m_staticVolumes, m_animatedVolumes);
}

void ObjectManager::RenderAnimatedDepth() {
    for (auto& object : m_animated) {
        if (InView(*object, kAnimatedDepthMargin)) {
            object->RenderDepth();
        }
    }
}

void ObjectManager::RenderAnimated() {
    for (auto& object : m_animated) {
        if (InView(*object, kAnimatedSceneMargin)) {
            object->Render();
        }
    }
}

void ObjectManager::RenderDepthInstanced() {
    for (const Run& run : m_runs) {
        if (run.Size() >= 2) {
            m_visibleStatic[run.begin]->RenderDepthInstanced();
        }
    }
}

void ObjectManager::RenderInstanced() {
    for (const Run& run : m_runs) {
        if (run.Size() >= 2) {
            m_visibleStatic[run.begin]->RenderInstanced();
        }
    }
}

void ObjectManager::RenderDepth() {
    for (const Run& run : m_runs) {
        if (run.Size() == 1) {
            m_visibleStatic[run.begin]->RenderDepth();
        }
    }
    m_entities.RenderDepth();
}

void ObjectManager::Render() {
    for (const Run& run : m_runs) {
        if (run.Size() == 1) {
            m_visibleStatic[run.begin]->Render();
        }
    }
    m_entities.Render();
    if (m_particleRenderer != nullptr) {
        for (const auto& emitter : m_levelEmitters) {
            m_particleRenderer->QueueEmitter(emitter.get());
        }
    }
}
