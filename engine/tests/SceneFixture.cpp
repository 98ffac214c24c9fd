#include "SceneFixture.h"

#include <cmath>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>

namespace Lumaspace::test {

std::vector<Vertex> Quad(glm::vec3 centre, glm::vec3 normal, glm::vec3 up, float halfWidth, float halfHeight,
                         float uvScale) {
    // Seen from the front (looking along -normal) with y up, right is up x normal in this left-handed world.
    const glm::vec3 right = glm::normalize(glm::cross(normal, up)) * halfWidth;
    const glm::vec3 top = glm::normalize(up) * halfHeight;
    const Vertex topLeft{centre - right + top, {0.0f, 0.0f}, normal, glm::normalize(right)};
    const Vertex topRight{centre + right + top, {uvScale, 0.0f}, normal, glm::normalize(right)};
    const Vertex bottomRight{centre + right - top, {uvScale, uvScale}, normal, glm::normalize(right)};
    const Vertex bottomLeft{centre - right - top, {0.0f, uvScale}, normal, glm::normalize(right)};
    // Clockwise as seen from the front.
    return {topLeft, topRight, bottomRight, topLeft, bottomRight, bottomLeft};
}

std::vector<Vertex> Box(glm::vec3 centre, glm::vec3 halfSize) {
    std::vector<Vertex> box;
    const struct {
        glm::vec3 normal;
        glm::vec3 up;
        float halfWidth;
        float halfHeight;
        float depth;
    } faces[] = {
        {{0, 0, -1}, {0, 1, 0}, halfSize.x, halfSize.y, halfSize.z},
        {{0, 0, 1}, {0, 1, 0}, halfSize.x, halfSize.y, halfSize.z},
        {{-1, 0, 0}, {0, 1, 0}, halfSize.z, halfSize.y, halfSize.x},
        {{1, 0, 0}, {0, 1, 0}, halfSize.z, halfSize.y, halfSize.x},
        {{0, 1, 0}, {0, 0, 1}, halfSize.x, halfSize.z, halfSize.y},
        {{0, -1, 0}, {0, 0, 1}, halfSize.x, halfSize.z, halfSize.y},
    };
    for (const auto& face : faces) {
        const std::vector<Vertex> quad =
            Quad(centre + face.normal * face.depth, face.normal, face.up, face.halfWidth, face.halfHeight);
        box.insert(box.end(), quad.begin(), quad.end());
    }
    return box;
}

std::vector<VertexAnimated> Skinned(std::span<const Vertex> vertices, std::uint8_t bone) {
    std::vector<VertexAnimated> skinned;
    for (const Vertex& vertex : vertices) {
        VertexAnimated animated;
        animated.position = vertex.position;
        animated.texcoord = vertex.texcoord;
        animated.normal = vertex.normal;
        animated.tangent = vertex.tangent;
        animated.weights = {1.0f, 0.0f, 0.0f};
        animated.boneIndices[0] = bone;
        animated.boneIndices[3] = bone;
        skinned.push_back(animated);
    }
    return skinned;
}

void SceneTest::SetUp() {
    GLEngineTest::SetUp();
    if (m_engine == nullptr) {
        return;
    }
    m_light.ambient = {1.0f, 1.0f, 1.0f, 1.0f};
    m_light.direction = {-1.0f, -4.0f, -2.0f, 0.0f};
    LookAt({0.0f, 0.0f, -5.0f}, {0.0f, 0.0f, 0.0f});
}

BufferHandle SceneTest::Upload(std::span<const Vertex> vertices) {
    return m_engine->CreateBuffer(BUFFERTYPE_STATIC, std::as_bytes(vertices));
}

BufferHandle SceneTest::Upload(std::span<const VertexAnimated> vertices) {
    return m_engine->CreateBuffer(BUFFERTYPE_ANIMATED, std::as_bytes(vertices));
}

TextureHandle SceneTest::Texture(const ImageRGBA& image) {
    return m_engine->CreateTextureFromPixels(image.width, image.height, image.pixels);
}

TextureHandle SceneTest::Solid(Rgba colour) {
    return Texture(test::Solid(4, 4, colour));
}

void SceneTest::LookAt(glm::vec3 eye, glm::vec3 target, glm::vec3 up) {
    m_view = glm::lookAtLH(eye, target, up);
    m_projection = glm::perspectiveFovLH_ZO(glm::radians(45.0f), float(kWindowWidth), float(kWindowHeight),
                                            0.1f, 1000.0f);
    m_engine->SetViewAndProjection(m_view, m_projection);
    m_light.cameraPosition = glm::vec4(eye, 0.0f);
}

void SceneTest::ShadowLight(glm::vec3 direction) {
    const glm::vec3 eye = -glm::normalize(direction) * 60.0f;
    const glm::vec3 up =
        std::abs(glm::normalize(direction).y) > 0.99f ? glm::vec3(0, 0, 1) : glm::vec3(0, 1, 0);
    m_engine->SetLightViewAndProjection(glm::lookAtLH(eye, glm::vec3(0.0f), up),
                                        glm::orthoLH_ZO(-20.0f, 20.0f, -20.0f, 20.0f, 0.1f, 200.0f));
    m_light.direction = glm::vec4(direction, 0.0f);
}

Rgba SceneTest::At(const ImageRGBA& frame, glm::vec3 world) const {
    const glm::vec4 clip = m_projection * m_view * glm::vec4(world, 1.0f);
    const float x = clip.x / clip.w * 0.5f + 0.5f;
    const float y = 0.5f - clip.y / clip.w * 0.5f;
    return frame.At(static_cast<int>(std::floor(x * kWindowWidth)),
                    static_cast<int>(std::floor(y * kWindowHeight)));
}

ImageRGBA SceneTest::SceneFrame(const std::function<void()>& scenePass, const FrameOptions& options) {
    GE& engine = *m_engine;
    engine.Clear();
    engine.TurnOnDepthStencil();
    if (options.depthPass) {
        engine.BeginRenderToShadowMap();
        options.depthPass();
        engine.SetShadowMap();
    }
    engine.SetSceneDirectionalLight(m_light);
    engine.ClearRenderTargetsForGBuffers();
    engine.SetRenderTargetsForGBuffers();
    engine.PrepareRenderAnimated();
    engine.PrepareRenderScene();
    scenePass();
    if (options.ambientOcclusion) {
        engine.SetSSAOBuffer(m_projection);
        engine.RenderSSAO();
    }
    engine.SetScreenBuffer(m_light, m_projection, m_view);
    for (const PointLight& light : options.lights) {
        engine.AddNewPointLight(light);
    }
    engine.SetPointLightLightBuffer(m_view);
    if (options.depthOfField) {
        engine.Composition();
        engine.ApplyDOF();
    } else {
        engine.CompositionForward();
    }
    engine.ResetRenderTarget();
    engine.Present();
    return Frame();
}

int Intensity(const Rgba& colour) {
    return int(colour[0]) + int(colour[1]) + int(colour[2]);
}

}  // namespace Lumaspace::test
