// What the scene-pipeline tests share: model builders (quads and boxes with clockwise fronts, skinned copies
// bound to one bone), a camera and a shadow light, world-to-pixel lookups, and one frame of the match's
// sequence (shadow map, G-buffers, optional ambient occlusion, composition with point lights, optional depth
// of field) around the test's draws.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "GLTestWindow.h"

namespace Lumaspace::test {

// A rectangle of half-size halfWidth x halfHeight around centre, facing along normal, with `up` its upward
// side as seen from the front. Texture coordinate (0, 0) is the top-left corner seen from the front,
// (uvScale, uvScale) the bottom-right.
std::vector<Vertex> Quad(glm::vec3 centre, glm::vec3 normal, glm::vec3 up, float halfWidth, float halfHeight,
                         float uvScale = 1.0f);
// An axis-aligned box with outward faces.
std::vector<Vertex> Box(glm::vec3 centre, glm::vec3 halfSize);
// The vertices, each following bone alone.
std::vector<VertexAnimated> Skinned(std::span<const Vertex> vertices, std::uint8_t bone);

class SceneTest : public GLEngineTest {
protected:
    void SetUp() override;

    BufferHandle Upload(std::span<const Vertex> vertices);
    BufferHandle Upload(std::span<const VertexAnimated> vertices);
    TextureHandle Texture(const ImageRGBA& image);
    TextureHandle Solid(Rgba colour);

    // A perspective camera (45 degrees, the window's aspect, near 0.1, far 1000) at eye looking at target.
    void LookAt(glm::vec3 eye, glm::vec3 target, glm::vec3 up = {0.0f, 1.0f, 0.0f});
    // An orthographic shadow light travelling along direction, centred on the origin, 40 units across.
    void ShadowLight(glm::vec3 direction);

    // The read-back pixel that shows the world point through the camera.
    Rgba At(const ImageRGBA& frame, glm::vec3 world) const;

    struct FrameOptions {
        std::function<void()> depthPass;  // draws into the shadow map (SetShadowMap follows when set)
        bool ambientOcclusion = false;
        bool depthOfField = false;
        std::vector<PointLight> lights;

        static FrameOptions WithDepthOfField(bool on = true) {
            FrameOptions options;
            options.depthOfField = on;
            return options;
        }
        static FrameOptions WithAmbientOcclusion() {
            FrameOptions options;
            options.ambientOcclusion = true;
            return options;
        }
        static FrameOptions WithLights(std::vector<PointLight> lights) {
            FrameOptions options;
            options.lights = std::move(lights);
            return options;
        }
    };
    // One frame: the shadow pass, the G-buffer pass with scenePass's draws (PrepareRenderAnimated and
    // PrepareRenderScene already called), composition and presentation; returns the back buffer.
    ImageRGBA SceneFrame(const std::function<void()>& scenePass, const FrameOptions& options);
    ImageRGBA SceneFrame(const std::function<void()>& scenePass) { return SceneFrame(scenePass, {}); }

    glm::mat4 m_view{1.0f};
    glm::mat4 m_projection{1.0f};
    // Ambient white, no diffuse or specular: a surface shows its texture's colour.
    DirectionalLight m_light;
};

// The sum of red, green and blue.
int Intensity(const Rgba& colour);

}  // namespace Lumaspace::test
