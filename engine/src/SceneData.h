// What the engine keeps between calls for the scene, composition and line-of-sight pipelines: the camera's
// and the shadow light's matrices, fog, the two directional lights, the shadow map's size, the point lights,
// the sight blockers and the visibility polygon. GE writes it (its setters and the CPU halves of the lights
// and the polygon run here, the same for every back end); a back end reads it when it draws.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "Lumagrid/EngineTypes.h"
#include "Lumagrid/Handles.h"
#include "lighting/PointLights.h"
#include "sight/ShadowShapes.h"
#include "sight/VisibilityPolygon.h"

namespace Lumaspace {

struct FrameRecord {
    // SetViewAndProjection: the camera.
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    // SetLightViewAndProjection: the shadow light.
    glm::mat4 lightView{1.0f};
    glm::mat4 lightProjection{1.0f};
    // SetSceneFog: start, end and density, as given.
    glm::vec3 fog{0.0f};
    // SetSceneDirectionalLight: the light of the scene pass.
    DirectionalLight sceneLight;
    // SetShadowMapDimensions: only the width reaches the shaders.
    float shadowMapWidth = 0.0f;
    // SetShadowMap: the shadow map the scene passes sample; empty until then.
    TextureHandle sceneShadowMap;
    // SetScreenBuffer: the composition's light, projection and view.
    DirectionalLight screenLight;
    glm::mat4 screenProjection{1.0f};
    glm::mat4 screenView{1.0f};
    // SetSSAOBuffer: the projection ambient occlusion reconstructs positions with.
    glm::mat4 ssaoProjection{1.0f};
    // SetViewPolygonMatrix and SetVisibilityProjectionPolygonMatrix: the straight-down view of the visibility
    // texture and its projection.
    glm::mat4 viewPolygon{1.0f};
    glm::mat4 visibilityProjection{1.0f};
};

struct SceneData {
    FrameRecord frame;
    PointLights pointLights;
    ShadowShapes shadowShapes;
    VisibilityPolygon visibility;
    // Counts the polygon's recomputations: a back end redraws its visibility texture when it moves on.
    std::uint64_t visibilityRevision = 0;
    // Set once a skinned draw's bone list has been cut to kMaxBones and reported.
    bool boneListCutReported = false;

    // Recomputes the polygon seen from viewer against the blockers of the current map rectangle and advances
    // the overlay's scroll by frameTime.
    void RecomputeVisibility(Point viewer, float frameTime);

private:
    // The blockers of the last recomputation, kept so that a frame allocates nothing.
    std::vector<Line> m_blockerLines;
    std::vector<Point> m_blockerPoints;
};

}  // namespace Lumaspace
