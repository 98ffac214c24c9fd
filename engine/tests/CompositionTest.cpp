// What the composition makes of the G-buffers: the directional light against the shadow map, point lights
// within their range, ambient occlusion at the foot of a wall (and none when it is off or cleared), and depth
// of field around the focus.
#include <epoxy/gl.h>

#include <algorithm>
#include <string>

#include "SceneFixture.h"

namespace Lumaspace::test {
namespace {

constexpr Rgba kWhite{255, 255, 255, 255};

// A white floor of 20 x 20 units on y = 0, seen from above.
class CompositionTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        if (m_engine == nullptr) {
            return;
        }
        m_floor = Upload(Quad({0, 0, 0}, {0, 1, 0}, {0, 0, 1}, 10.0f, 10.0f));
        m_white = Solid(kWhite);
    }

    void DrawFloor() { m_engine->RenderScene(m_floor, 6, glm::mat4(1.0f), m_white, {}); }

    BufferHandle m_floor;
    TextureHandle m_white;
};

TEST_F(CompositionTest, TheFloorBeyondAPillarAlongTheLightIsInItsShadow) {
    LookAt({0.0f, 30.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    const glm::vec3 direction(-1.0f, -4.0f, -2.0f);  // the match's night light
    ShadowLight(direction);
    m_light.ambient = {0.1f, 0.1f, 0.1f, 1.0f};
    m_light.diffuse = {0.8f, 0.8f, 0.8f, 1.0f};
    m_engine->SetShadowMapDimensions(kWindowWidth, kWindowHeight);
    const BufferHandle pillar = Upload(Box({0.0f, 2.0f, 0.0f}, {0.5f, 2.0f, 0.5f}));

    // Along the light's way over the ground, 1.5 units from the pillar's centre, and as far on the other
    // side.
    const glm::vec3 ground = glm::normalize(glm::vec3(direction.x, 0.0f, direction.z));
    const glm::vec3 beyond = ground * 1.5f;
    const glm::vec3 before = -ground * 1.5f;
    for (bool shadowMap : {false, true}) {
        SCOPED_TRACE(shadowMap ? "with the shadow map" : "before any shadow map was set");
        FrameOptions options;
        if (shadowMap) {
            options.depthPass = [&] {
                m_engine->PrepareRenderDepth();
                m_engine->RenderDepth(pillar, 36, glm::mat4(1.0f), m_white);
                m_engine->RenderDepth(m_floor, 6, glm::mat4(1.0f), m_white);
            };
        }
        const ImageRGBA frame = SceneFrame(
            [&] {
                m_engine->RenderScene(pillar, 36, glm::mat4(1.0f), m_white, {});
                DrawFloor();
            },
            options);
        const int shaded = Intensity(At(frame, beyond));
        const int lit = Intensity(At(frame, before));
        EXPECT_GT(lit, 3 * 150) << "lit floor";
        if (shadowMap) {
            EXPECT_LT(shaded, 3 * 40) << "shadowed floor";
        } else {
            EXPECT_NEAR(shaded, lit, 6);
        }
    }
}

TEST_F(CompositionTest, APointLightBrightensTheFloorInsideItsRangeOnly) {
    LookAt({0.0f, 30.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    m_light = DirectionalLight{};
    PointLight light;
    light.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.position = {3.0f, 1.0f, 0.0f};
    light.range = 3.0f;
    const ImageRGBA frame = SceneFrame([&] { DrawFloor(); }, FrameOptions::WithLights({light}));
    EXPECT_GT(Intensity(At(frame, {3.0f, 0.0f, 0.0f})), 3 * 100);  // under the light
    EXPECT_GT(Intensity(At(frame, {3.0f, 0.0f, 2.5f})), 0);        // 2.7 units away
    EXPECT_EQ(Intensity(At(frame, {3.0f, 0.0f, 3.2f})), 0);        // 3.4 units away
    EXPECT_EQ(Intensity(At(frame, {-3.0f, 0.0f, 0.0f})), 0);       // far on the other side
}

TEST_F(CompositionTest, AmbientOcclusionDarkensTheFootOfAWallAndNothingWhenOffOrCleared) {
    LookAt({0.0f, 5.0f, -7.0f}, {0.0f, 0.0f, -1.0f});
    const BufferHandle wall = Upload(Box({0.0f, 1.5f, 0.25f}, {5.0f, 1.5f, 0.25f}));
    const auto scene = [&] {
        m_engine->RenderScene(wall, 36, glm::mat4(1.0f), m_white, {});
        DrawFloor();
    };
    const glm::vec3 foot(0.0f, 0.0f, -0.15f);
    const glm::vec3 open(0.0f, 0.0f, -4.0f);

    // A fresh engine: nothing has written the occlusion target, and nothing is darkened.
    ImageRGBA frame = SceneFrame(scene);
    EXPECT_TRUE(Near(At(frame, foot), kWhite, 2));
    EXPECT_TRUE(Near(At(frame, open), kWhite, 2));

    frame = SceneFrame(scene, FrameOptions::WithAmbientOcclusion());
    const int footLight = Intensity(At(frame, foot));
    const int openLight = Intensity(At(frame, open));
    EXPECT_GE(openLight, 3 * 245);
    EXPECT_LT(footLight, openLight - 3 * 25);

    m_engine->ClearSSAO();
    frame = SceneFrame(scene);
    EXPECT_TRUE(Near(At(frame, foot), kWhite, 2));
}

// Largest minus smallest red along a row segment of the picture.
int Contrast(const ImageRGBA& frame, int left, int right, int row) {
    int low = 255;
    int high = 0;
    for (int column = left; column <= right; ++column) {
        low = std::min(low, int(frame.At(column, row)[0]));
        high = std::max(high, int(frame.At(column, row)[0]));
    }
    return high - low;
}

TEST_F(CompositionTest, DepthOfFieldBlursFarFromTheFocusAndLeavesDepthTestingOff) {
    LookAt({0.0f, 0.0f, -5.0f}, {0.0f, 0.0f, 0.0f});
    // Stripes four texels wide; both quads show about one texel per pixel. The near one sits at the centre of
    // the screen (the focus), the far one 60 units further on, to the left.
    ImageRGBA stripes{64, 1, {}};
    for (int x = 0; x < 64; ++x) {
        const std::uint8_t value = (x / 4) % 2 == 0 ? 0 : 255;
        stripes.pixels.insert(stripes.pixels.end(), {value, value, value, 255});
    }
    const TextureHandle texture = Texture(stripes);
    const BufferHandle nearQuad = Upload(Quad({0, 0, 0}, {0, 0, -1}, {0, 1, 0}, 1.1f, 1.1f));
    const BufferHandle farQuad = Upload(Quad({-18, 0, 60}, {0, 0, -1}, {0, 1, 0}, 8.0f, 8.0f));
    const auto scene = [&] {
        m_engine->RenderScene(nearQuad, 6, glm::mat4(1.0f), texture, {});
        m_engine->RenderScene(farQuad, 6, glm::mat4(1.0f), texture, {});
    };
    const int row = kWindowHeight / 2;
    const int nearLeft = kWindowWidth / 2 - 12;
    const int farLeft = 48;

    for (bool depthOfField : {false, true}) {
        SCOPED_TRACE(depthOfField ? "depth of field" : "sharp");
        const ImageRGBA frame = SceneFrame(scene, FrameOptions::WithDepthOfField(depthOfField));
        EXPECT_GT(Contrast(frame, nearLeft, nearLeft + 24, row), 200);
        const int farContrast = Contrast(frame, farLeft, farLeft + 24, row);
        if (depthOfField) {
            EXPECT_LT(farContrast, 100);
            EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST), GL_FALSE);
        } else {
            EXPECT_GT(farContrast, 200);
        }
    }
}

}  // namespace
}  // namespace Lumaspace::test
