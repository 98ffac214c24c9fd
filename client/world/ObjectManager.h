// The arena as the client shows it: the level's props, its animated props, its particle emitters and its
// looping sounds, built from a level file by every state that shows the arena (the menu, the lobby and the
// match each own a manager), kept in view order every frame and drawn through the engine's passes.
//
// Props of one model that follow one another in the level file form a group with one instance buffer. Each
// frame the props inside the camera's view (a sphere of the model's horizontal radius + 10 against the
// frustum) are split into runs: consecutive visible props of one group. A run of one prop is drawn alone,
// a longer run once, instanced, with its members' matrices written to its group's buffer. A run never spans
// two groups, so a run never holds more matrices than its buffer and no two runs of a frame share a buffer.
//
// The level's emitters and ambient sounds are records of this manager. Given a particle renderer, the manager
// turns the emitter records into particle effects, moves them on every Update and queues them in the scene
// pass; given a sound system, it registers the ambient records as loops of its own and stops only those at
// Shutdown, so that one state's level never silences another's. Without either it shows neither.
//
// Given a connection, the manager also shows the match's entities (MatchEntities): it moves them on in
// Update and draws them in the scene and depth passes after the single props.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "client/ui/ParticleEmitter.h"
#include "client/world/AnimatedObject.h"
#include "client/world/LevelAmbientSounds.h"
#include "client/world/Object.h"
#include "client/world/ViewFrustum.h"
#include "client/world/effects/MatchEntities.h"
#include "shared/LevelRecords.h"

class ClientNetwork;
class CollisionManager;
class PlayerManager;
class TrailRenderer;
class LevelData;
class ParticleRenderer;
class SoundSystem;

class ObjectManager {
public:
    // How far beyond the frustum a level prop still counts as in view.
    static constexpr float kViewMargin = 10.0f;
    // The same for an animated level prop in the scene pass and in the depth pass.
    static constexpr float kAnimatedSceneMargin = 7.0f;
    static constexpr float kAnimatedDepthMargin = 3.0f;

    // Consecutive visible props of one group: [begin, end) of the visible list, drawn instanced when it
    // holds two or more.
    struct Run {
        std::size_t begin = 0;
        std::size_t end = 0;
        int instanceIndex = -1;

        std::size_t Size() const { return end - begin; }
    };

    ObjectManager() = default;
    ~ObjectManager();
    ObjectManager(const ObjectManager&) = delete;
    ObjectManager& operator=(const ObjectManager&) = delete;

    // Builds the objects of the level file (a file that does not load gives an empty arena). Whatever the
    // manager held before is released first. False when the level has no objects at all.
    bool Initialize(const std::string& levelPath);
    bool Initialize(const LevelData& level);
    // Releases the objects, the group instance buffers and the records. Safe twice and before Initialize.
    void Shutdown();

    // Where the level's particle effects are queued (null: none are made). Set before or after Initialize;
    // the effects of a shown level are made or dropped at once. The renderer must outlive the manager's use.
    void SetParticleRenderer(ParticleRenderer* renderer);
    // Where the level's ambient loops play (null: silent). The loops of a shown level move from the previous
    // system, if any, to this one. The system must outlive the manager, or be taken back with
    // SetSound(nullptr) before it goes, since Shutdown (and the destructor) stop the loops on it.
    void SetSound(SoundSystem* sound);
    // The match's entities (MatchEntities): the connection whose lists they mirror (null: none, as in the
    // menu and the lobby), the players a returning fan flies back to, and where their trails are queued.
    // Each must outlive the manager's use of it.
    void SetNetwork(ClientNetwork* network);
    void SetPlayers(const PlayerManager* players);
    void SetTrailRenderer(TrailRenderer* renderer) { m_entities.SetTrailRenderer(renderer); }

    // The camera's view for the next Update (until the first one, everything is in view).
    void SetViewFrustum(const ViewFrustum& frustum) { m_frustum = frustum; }

    // One frame of frameTime seconds: the animated props move on, the props in view are found (foliage in
    // view sways) and split into runs, each instanced run's matrices go to its buffer, and the collision
    // manager, when there is one, is told which volumes are in view.
    void Update(double frameTime, CollisionManager* collision = nullptr);

    // The shadow-depth pass: animated props, instanced runs, single props; each after the matching
    // Prepare call of the engine.
    void RenderAnimatedDepth();
    void RenderDepthInstanced();
    void RenderDepth();
    // The scene pass: animated props, instanced runs, single props; Render also queues the level's particle
    // effects on the particle renderer.
    void RenderAnimated();
    void RenderInstanced();
    void Render();

    const std::vector<std::unique_ptr<Object>>& GetStaticObjects() const { return m_static; }
    const std::vector<std::unique_ptr<AnimatedObject>>& GetAnimatedObjects() const { return m_animated; }
    // The level's emitters in file order, and the looping sounds of this level.
    const std::vector<LevelEmitter>& GetEmitters() const { return m_emitters; }
    const std::vector<AmbientSoundRecord>& GetAmbientSounds() const { return m_ambientSounds; }
    // The level's particle effects, one per emitter record of a known kind, while a renderer is set.
    const std::vector<std::unique_ptr<ParticleEmitter>>& GetLevelEmitters() const { return m_levelEmitters; }
    // The instance buffers this manager holds, one per group.
    const std::vector<int>& GetInstanceBuffers() const { return m_instanceBuffers; }
    // This frame's static props in view, in level order, and their runs.
    const std::vector<Object*>& GetVisibleStatic() const { return m_visibleStatic; }
    // The match's shurikens, projectiles, fans, volleys and thrown traps; also the landed sticky traps the
    // players walk through.
    MatchEntities& GetEntities() { return m_entities; }
    const MatchEntities& GetEntities() const { return m_entities; }
    const std::vector<Run>& GetRuns() const { return m_runs; }
    const std::vector<AnimatedObject*>& GetVisibleAnimated() const { return m_visibleAnimated; }

private:
    void BuildStaticObjects(const std::vector<LevelModel>& models);
    void AddGroup(std::size_t first, std::size_t end);
    void FindVisible(double frameTime);
    void SplitRuns();
    void UploadRuns();
    void ReportVolumes(CollisionManager& collision);
    bool InView(const Object& object, float margin) const;
    void BuildLevelEmitters();
    void StartAmbientSounds();
    void StopAmbientSounds();

    std::vector<std::unique_ptr<Object>> m_static;
    std::vector<std::unique_ptr<AnimatedObject>> m_animated;
    std::vector<LevelEmitter> m_emitters;
    std::vector<AmbientSoundRecord> m_ambientSounds;
    std::vector<int> m_instanceBuffers;
    std::vector<std::unique_ptr<ParticleEmitter>> m_levelEmitters;
    ParticleRenderer* m_particleRenderer = nullptr;
    SoundSystem* m_sound = nullptr;
    MatchEntities m_entities;

    ViewFrustum m_frustum;
    std::vector<Object*> m_visibleStatic;
    std::vector<Run> m_runs;
    std::vector<AnimatedObject*> m_visibleAnimated;
    std::vector<glm::mat4> m_matrices;  // one run's matrices on their way to its buffer
    std::vector<const ObjectVolumes*> m_staticVolumes;
    std::vector<const ObjectVolumes*> m_animatedVolumes;
};
