// Every program the engine links, named by its GLSL files (paths under the working directory, read as "./" +
// path). A pipeline takes its files from here; the shader test compiles every file present and links every
// program listed.
#pragma once

#include <array>
#include <string_view>

namespace Lumaspace {

struct ProgramFiles {
    std::string_view vertex;
    std::string_view geometry;  // empty: no geometry stage
    std::string_view pixel;     // empty: no colour output (depth-only passes)
};

inline constexpr ProgramFiles kGUIProgram{"Shaders/GUI/GUIVertexShader.vert", "",
                                          "Shaders/GUI/GUIPixelShader.frag"};

inline constexpr ProgramFiles kTextProgram{"Shaders/Text/TextVertexShader.vert", "",
                                           "Shaders/Text/TextPixelShader.frag"};

inline constexpr ProgramFiles kFireParticleProgram{"Shaders/Particle/ParticleVertexShader.vert",
                                                   "Shaders/Particle/ParticleGeometryShader.geom",
                                                   "Shaders/Particle/ParticlePixelShader.frag"};
inline constexpr ProgramFiles kPlainParticleProgram{kFireParticleProgram.vertex,
                                                    kFireParticleProgram.geometry,
                                                    "Shaders/Particle/ParticlePixelShaderNotFire.frag"};
// The other effect pipelines: the visibility polygon's fan, grass, trail ribbons, aim markers, the
// sudden-death sheet.
inline constexpr ProgramFiles kShadowShapeProgram{"Shaders/ShadowShapes/SSVertexShader.vert", "",
                                                  "Shaders/ShadowShapes/SSPixelShader.frag"};
inline constexpr ProgramFiles kFoliageProgram{"Shaders/Foliage/FoliageVertexShader.vert",
                                              "Shaders/Foliage/FoliageGeometryShader.geom",
                                              "Shaders/Foliage/FoliagePixelShader.frag"};
inline constexpr ProgramFiles kTrailProgram{"Shaders/Trail/TrailVertexShader.vert",
                                            "Shaders/Trail/TrailGeometryShader.geom",
                                            "Shaders/Trail/TrailPixelShader.frag"};
inline constexpr ProgramFiles kMarkerProgram{"Shaders/Marker/MarkerVertexShader.vert", "",
                                             "Shaders/Marker/MarkerPixelShader.frag"};
inline constexpr ProgramFiles kSuddenDeathProgram{"Shaders/SuddenDeath/SDVertexShader.vert", "",
                                                  "Shaders/SuddenDeath/SDPixelShader.frag"};

// Scene pipelines: G-buffer, forward, instanced and skinned draws, outlines (the first pass has no colour
// output), lines and the reversed-shadow overlay.
inline constexpr ProgramFiles kSceneProgram{"Shaders/Scene/VertexShader.vert", "",
                                            "Shaders/Scene/PixelShader.frag"};
inline constexpr ProgramFiles kSceneForwardProgram{"Shaders/Scene/VertexShader.vert", "",
                                                   "Shaders/Scene/PixelShaderForward.frag"};
inline constexpr ProgramFiles kSceneInstancedProgram{"Shaders/Scene/InstanceShader.vert", "",
                                                     "Shaders/Scene/PixelShader.frag"};
inline constexpr ProgramFiles kSceneAnimatedProgram{"Shaders/Scene/AnimatedVertexShader.vert", "",
                                                    "Shaders/Scene/PixelShader.frag"};
inline constexpr ProgramFiles kOutlineDepthProgram{"Shaders/Scene/VertexShaderOutlining.vert", "", ""};
inline constexpr ProgramFiles kOutlineProgram{"Shaders/Scene/VertexShaderOutlining.vert", "",
                                              "Shaders/Scene/PixelShaderOutlining.frag"};
inline constexpr ProgramFiles kLineProgram{"Shaders/Line/LineVertexShader.vert", "",
                                           "Shaders/Line/LinePixelShader.frag"};
inline constexpr ProgramFiles kReversedShadowProgram{"Shaders/ShadowShapes/SSReverseVertexShader.vert", "",
                                                     "Shaders/ShadowShapes/SSReversePixelShader.frag"};
// Shadow-map pipelines.
inline constexpr ProgramFiles kDepthProgram{"Shaders/Depth/DepthVertexShader.vert", "",
                                            "Shaders/Depth/DepthPixelShader.frag"};
inline constexpr ProgramFiles kDepthInstancedProgram{"Shaders/Depth/InstancingDepthVertexShader.vert", "",
                                                     "Shaders/Depth/DepthPixelShader.frag"};
inline constexpr ProgramFiles kDepthAnimatedProgram{"Shaders/Depth/DepthAnimatedVertexShader.vert", "",
                                                    "Shaders/Depth/DepthPixelShader.frag"};
// Screen-space passes: composition, point lights, ambient occlusion and its blurs, depth of field.
inline constexpr std::string_view kFullScreenVertex = "Shaders/Composition/CompositionVertexShader.vert";
inline constexpr ProgramFiles kCompositionProgram{kFullScreenVertex, "",
                                                  "Shaders/Composition/CompositionPixelShader.frag"};
inline constexpr ProgramFiles kPointLightProgram{"Shaders/Composition/PointLightQuadCullingVS.vert",
                                                 "Shaders/Composition/PointLightQuadCullingGS.geom",
                                                 "Shaders/Composition/PointLightQuadCullingPS.frag"};
inline constexpr ProgramFiles kAmbientOcclusionProgram{kFullScreenVertex, "",
                                                       "Shaders/SSAO/SSAOPixelShader.frag"};
inline constexpr ProgramFiles kAmbientOcclusionBlurHProgram{kFullScreenVertex, "",
                                                            "Shaders/SSAO/SSAOBlurHPixelShader.frag"};
inline constexpr ProgramFiles kAmbientOcclusionBlurVProgram{kFullScreenVertex, "",
                                                            "Shaders/SSAO/SSAOBlurVPixelShader.frag"};
inline constexpr ProgramFiles kDepthOfFieldHProgram{kFullScreenVertex, "",
                                                    "Shaders/DOF/DOFBlurHPixelShader.frag"};
inline constexpr ProgramFiles kDepthOfFieldVProgram{kFullScreenVertex, "",
                                                    "Shaders/DOF/DOFBlurVPixelShader.frag"};

inline constexpr std::array kAllPrograms{
    kGUIProgram, kTextProgram,
    // effect pipelines
    kShadowShapeProgram, kFireParticleProgram, kPlainParticleProgram, kFoliageProgram, kTrailProgram,
    kMarkerProgram, kSuddenDeathProgram,
    // scene, depth and screen-space pipelines
    kSceneProgram, kSceneForwardProgram, kSceneInstancedProgram, kSceneAnimatedProgram, kOutlineDepthProgram,
    kOutlineProgram, kLineProgram, kReversedShadowProgram, kDepthProgram, kDepthInstancedProgram,
    kDepthAnimatedProgram, kCompositionProgram, kPointLightProgram, kAmbientOcclusionProgram,
    kAmbientOcclusionBlurHProgram, kAmbientOcclusionBlurVProgram, kDepthOfFieldHProgram,
    kDepthOfFieldVProgram};

}  // namespace Lumaspace
