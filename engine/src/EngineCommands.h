// The scene, effect and line-of-sight operations as the back ends receive them: one small record per
// operation, named like the public operation and listing its arguments once in Fields. GE fills a record and
// hands it to RenderBackend::Execute; the null back end records any of them by walking Fields, the OpenGL
// back end runs the ones it draws. A new operation is a record here, its line in Command, and its public
// method.
//
// Records only carry the call's arguments. What the engine keeps between calls (camera, lights, fog, shadow
// map, the visibility polygon) is in SceneData, which every back end reads.
#pragma once

#include <span>
#include <variant>

#include "Lumagrid/EngineTypes.h"
#include "Lumagrid/Handles.h"

namespace Lumaspace::command {

// Pipelines: bind a pipeline, draw nothing.
#define LUMAGRID_NO_ARGUMENTS(Name)                 \
    struct Name {                                   \
        static constexpr const char* kName = #Name; \
        template <class Visit>                      \
        void Fields(Visit&) const {}                \
    }

LUMAGRID_NO_ARGUMENTS(PrepareRenderScene);
LUMAGRID_NO_ARGUMENTS(PrepareRenderAnimated);
LUMAGRID_NO_ARGUMENTS(PrepareRenderDepth);
LUMAGRID_NO_ARGUMENTS(PrepareRenderDepthInstanced);
LUMAGRID_NO_ARGUMENTS(PrepareRenderAnimatedDepth);
LUMAGRID_NO_ARGUMENTS(PrepareRenderTrails);
LUMAGRID_NO_ARGUMENTS(SetShadowMap);
LUMAGRID_NO_ARGUMENTS(RenderSSAO);
LUMAGRID_NO_ARGUMENTS(ClearSSAO);
LUMAGRID_NO_ARGUMENTS(Composition);
LUMAGRID_NO_ARGUMENTS(CompositionForward);
LUMAGRID_NO_ARGUMENTS(ApplyDOF);
LUMAGRID_NO_ARGUMENTS(SS_ClearStaticLines);
LUMAGRID_NO_ARGUMENTS(SS_DebugRender);
LUMAGRID_NO_ARGUMENTS(RenderFoliage);

#undef LUMAGRID_NO_ARGUMENTS

// ---- Scene and depth draws ------------------------------------------------------------------------------
struct RenderScene {
    static constexpr const char* kName = "RenderScene";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    TextureHandle normalMap;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(normalMap);
    }
};

struct RenderSceneForward : RenderScene {
    static constexpr const char* kName = "RenderSceneForward";
};

struct RenderInstanced {
    static constexpr const char* kName = "RenderInstanced";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    TextureHandle normalMap;
    int index = 0;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(normalMap), v(index);
    }
};

struct RenderAnimated {
    static constexpr const char* kName = "RenderAnimated";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    TextureHandle normalMap;
    std::span<const glm::mat4> bones;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(normalMap), v(bones);
    }
};

struct RenderAnimatedOutliningDepth {
    static constexpr const char* kName = "RenderAnimatedOutliningDepth";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    std::span<const glm::mat4> bones;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(bones);
    }
};

struct RenderAnimatedOutlining {
    static constexpr const char* kName = "RenderAnimatedOutlining";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    std::span<const glm::mat4> bones;
    glm::vec4 colour{0.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(bones), v(colour);
    }
};

struct RenderReversedShadows {
    static constexpr const char* kName = "RenderReversedShadows";
    BufferHandle buffer;
    int count = 0;
    TextureHandle visibility;
    TextureHandle shadow;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(visibility), v(shadow);
    }
};

struct RenderLines {
    static constexpr const char* kName = "RenderLines";
    BufferHandle buffer;
    int count = 0;
    glm::vec3 colour{0.0f};
    glm::mat4 world{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(colour), v(world);
    }
};

struct RenderDepth {
    static constexpr const char* kName = "RenderDepth";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture);
    }
};

struct RenderDepthInstanced {
    static constexpr const char* kName = "RenderDepthInstanced";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    int index = 0;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(index);
    }
};

struct RenderAnimatedDepth {
    static constexpr const char* kName = "RenderAnimatedDepth";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    std::span<const glm::mat4> bones;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(bones);
    }
};

// ---- Per-frame scene state (kept in SceneData; the records tell the back ends it changed) ---------------
struct SetViewAndProjection {
    static constexpr const char* kName = "SetViewAndProjection";
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(view), v(projection);
    }
};

struct SetLightViewAndProjection {
    static constexpr const char* kName = "SetLightViewAndProjection";
    glm::mat4 lightView{1.0f};
    glm::mat4 lightProjection{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(lightView), v(lightProjection);
    }
};

struct SetSceneFog {
    static constexpr const char* kName = "SetSceneFog";
    float start = 0.0f;
    float end = 0.0f;
    float density = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(start), v(end), v(density);
    }
};

struct SetSceneDirectionalLight {
    static constexpr const char* kName = "SetSceneDirectionalLight";
    DirectionalLight light;
    template <class Visit>
    void Fields(Visit& v) const {
        v(light);
    }
};

struct SetShadowMapDimensions {
    static constexpr const char* kName = "SetShadowMapDimensions";
    float width = 0.0f;
    float height = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(width), v(height);
    }
};

struct SetLightBuffer {
    static constexpr const char* kName = "SetLightBuffer";
    TextureHandle buffer;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer);
    }
};

// ---- Composition, point lights, ambient occlusion --------------------------------------------------------
struct SetScreenBuffer {
    static constexpr const char* kName = "SetScreenBuffer";
    DirectionalLight light;
    glm::mat4 projection{1.0f};
    glm::mat4 view{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(light), v(projection), v(view);
    }
};

struct AddNewPointLight {
    static constexpr const char* kName = "AddNewPointLight";
    PointLight light;
    template <class Visit>
    void Fields(Visit& v) const {
        v(light);
    }
};

struct SetPointLightLightBuffer {
    static constexpr const char* kName = "SetPointLightLightBuffer";
    glm::mat4 view{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(view);
    }
};

struct SetSSAOBuffer {
    static constexpr const char* kName = "SetSSAOBuffer";
    glm::mat4 projection{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(projection);
    }
};

// ---- Line of sight ---------------------------------------------------------------------------------------
struct SetViewPolygonMatrix {
    static constexpr const char* kName = "SetViewPolygonMatrix";
    glm::mat4 matrix{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(matrix);
    }
};

struct SetVisibilityProjectionPolygonMatrix {
    static constexpr const char* kName = "SetVisibilityProjectionPolygonMatrix";
    glm::mat4 matrix{1.0f};
    template <class Visit>
    void Fields(Visit& v) const {
        v(matrix);
    }
};

struct UpdateVisibilityTextureSize {
    static constexpr const char* kName = "UpdateVisibilityTextureSize";
    float width = 0.0f;
    float height = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(width), v(height);
    }
};

struct UpdateVisibilityMapBoundries {
    static constexpr const char* kName = "UpdateVisibilityMapBoundries";
    Point first;
    Point second;
    template <class Visit>
    void Fields(Visit& v) const {
        v(first), v(second);
    }
};

// The polygon in SceneData has just been recomputed: the back end redraws the visibility texture from its
// fan.
struct UpdateVisibilityPolygon {
    static constexpr const char* kName = "UpdateVisibilityPolygon";
    Point viewer;
    float frameTime = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(viewer), v(frameTime);
    }
};

struct RenderVisibilityPolygon {
    static constexpr const char* kName = "RenderVisibilityPolygon";
    bool skip = false;
    TextureHandle shadowTexture;
    template <class Visit>
    void Fields(Visit& v) const {
        v(skip), v(shadowTexture);
    }
};

struct SS_AddStaticLine {
    static constexpr const char* kName = "SS_AddStaticLine";
    Line line;
    template <class Visit>
    void Fields(Visit& v) const {
        v(line);
    }
};

struct SS_AddSmokeBomb {
    static constexpr const char* kName = "SS_AddSmokeBomb";
    Point centre;
    float frameTime = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(centre), v(frameTime);
    }
};

struct SS_Update {
    static constexpr const char* kName = "SS_Update";
    float frameTime = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(frameTime);
    }
};

// ---- Effects
// ------------------------------------------------------------------------------------------------
struct RenderParticles {
    static constexpr const char* kName = "RenderParticles";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    bool fire = false;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture), v(fire);
    }
};

struct RenderTrail {
    static constexpr const char* kName = "RenderTrail";
    BufferHandle buffer;
    int count = 0;
    TextureHandle texture;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(texture);
    }
};

struct RenderSuddenDeath {
    static constexpr const char* kName = "RenderSuddenDeath";
    BufferHandle buffer;
    int count = 0;
    TextureHandle texture;
    float alpha = 0.0f;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(texture), v(alpha);
    }
};

struct RenderMarker {
    static constexpr const char* kName = "RenderMarker";
    BufferHandle buffer;
    int count = 0;
    glm::mat4 world{1.0f};
    TextureHandle texture;
    template <class Visit>
    void Fields(Visit& v) const {
        v(buffer), v(count), v(world), v(texture);
    }
};

using Command =
    std::variant<PrepareRenderScene, PrepareRenderAnimated, PrepareRenderDepth, PrepareRenderDepthInstanced,
                 PrepareRenderAnimatedDepth, PrepareRenderTrails, SetShadowMap, RenderSSAO, ClearSSAO,
                 Composition, CompositionForward, ApplyDOF, SS_ClearStaticLines, SS_DebugRender,
                 RenderFoliage, RenderScene, RenderSceneForward, RenderInstanced, RenderAnimated,
                 RenderAnimatedOutliningDepth, RenderAnimatedOutlining, RenderReversedShadows, RenderLines,
                 RenderDepth, RenderDepthInstanced, RenderAnimatedDepth, SetViewAndProjection,
                 SetLightViewAndProjection, SetSceneFog, SetSceneDirectionalLight, SetShadowMapDimensions,
                 SetLightBuffer, SetScreenBuffer, AddNewPointLight, SetPointLightLightBuffer, SetSSAOBuffer,
                 SetViewPolygonMatrix, SetVisibilityProjectionPolygonMatrix, UpdateVisibilityTextureSize,
                 UpdateVisibilityMapBoundries, UpdateVisibilityPolygon, RenderVisibilityPolygon,
                 SS_AddStaticLine, SS_AddSmokeBomb, SS_Update, RenderParticles, RenderTrail,
                 RenderSuddenDeath, RenderMarker>;

}  // namespace Lumaspace::command
