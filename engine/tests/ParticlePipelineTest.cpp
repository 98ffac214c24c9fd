// What the particle pipeline puts into the back buffer: camera-facing sprites of each particle's size and
// rotation, the additive fire look and the alpha-blended plain look, nothing for particles of size 0, and
// only the count of particles the draw names.
#include <numbers>
#include <string>
#include <vector>

#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

// The 40-byte particle vertex the emitters fill.
struct Particle {
    glm::vec3 position;
    glm::vec2 size;
    glm::vec4 colour;
    float rotation;
};
static_assert(sizeof(Particle) == 40);

Particle At(float x, float z, glm::vec2 size, glm::vec4 colour, float rotation = 0.0f) {
    return Particle{{x, 0.0f, z}, size, colour, rotation};
}

class ParticlePipelineTest : public EffectTest {
protected:
    // One emitter's draw: additive blending for fire, alpha blending otherwise, as the client switches.
    void DrawEmitter(const std::vector<Particle>& particles, int count, bool fire) {
        const BufferHandle buffer = UploadRecords(*m_engine, std::span<const Particle>(particles));
        ASSERT_TRUE(buffer);
        if (fire) {
            m_engine->TurnOnPointLightAlphaBlending();
        } else {
            m_engine->TurnOnAlphaBlending();
        }
        m_engine->RenderParticles(buffer, count, glm::mat4(1.0f), m_white, fire);
        m_engine->ReleaseBuffer(buffer);
    }

    void SetUp() override {
        EffectTest::SetUp();
        m_white = SolidTexture({255, 255, 255, 255});
    }

    TextureHandle m_white;
};

TEST_F(ParticlePipelineTest, FireAddsPlainBlendsAndEmptySlotsDrawNothing) {
    const glm::vec4 orange{1.0f, 0.5f, 0.0f, 1.0f};
    const glm::vec4 halfBlue{0.0f, 0.0f, 1.0f, 0.5f};
    const glm::vec4 red{1.0f, 0.0f, 0.0f, 1.0f};
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->SetDepthStateForParticles();
        DrawEmitter({At(-8.0f, 0.0f, {3, 3}, orange)}, 1, true);
        // A plain particle overlapping the fire one, a slot without a particle (size 0) and a wide sprite
        // turned upright.
        DrawEmitter({At(-7.0f, 0.0f, {3, 3}, halfBlue), At(4.0f, 0.0f, {0, 0}, red),
                     At(8.0f, 0.0f, {6, 1}, red, std::numbers::pi_v<float> / 2.0f)},
                    3, false);
        // Three particles in the buffer, two named by the draw: the third stays undrawn.
        DrawEmitter(
            {At(0.0f, -8.0f, {2, 2}, red), At(2.0f, -8.0f, {2, 2}, red), At(4.0f, -8.0f, {2, 2}, red)}, 2,
            false);
        m_engine->TurnOffDepthStencil();
        m_engine->TurnOffAlphaBlending();
    });

    struct Case {
        const char* place;
        float x;
        float z;
        Rgba expected;
    };
    const Rgba floor{64, 64, 64, 255};
    const Case cases[] = {
        {"fire alone adds its colour to the floor", -9.0f, 0.0f, {255, 191, 64, 255}},
        {"plain over fire blends half and half", -7.5f, 0.0f, {128, 96, 160, 255}},
        {"plain alone blends over the floor", -6.0f, 0.0f, {32, 32, 159, 255}},
        {"beside the sprites the floor stays", -11.0f, 0.0f, floor},
        {"a particle of size 0 draws nothing", 4.0f, 0.0f, floor},
        {"the turned sprite reaches up", 8.0f, 2.5f, {255, 0, 0, 255}},
        {"the turned sprite no longer reaches sideways", 10.5f, 0.0f, floor},
        {"the first of the count is drawn", 0.0f, -8.0f, {255, 0, 0, 255}},
        {"the second of the count is drawn", 2.0f, -8.0f, {255, 0, 0, 255}},
        {"the particle past the count is not", 4.5f, -8.0f, floor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        EXPECT_TRUE(NearColour(AtGround(frame, c.x, c.z), c.expected));
    }
    EXPECT_FALSE(m_engine->GetDiagnostics().Contains("Failed to map particle matrix buffer."));
}

TEST_F(ParticlePipelineTest, CountsBeyondTheBufferAreCutAndNothingIsDrawnForNone) {
    const glm::vec4 red{1.0f, 0.0f, 0.0f, 1.0f};
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->SetDepthStateForParticles();
        DrawEmitter({At(-4.0f, 0.0f, {2, 2}, red)}, 6000, false);
        DrawEmitter({At(4.0f, 0.0f, {2, 2}, red)}, 0, false);
        m_engine->TurnOffDepthStencil();
        m_engine->TurnOffAlphaBlending();
    });
    EXPECT_TRUE(NearColour(AtGround(frame, -4.0f, 0.0f), {255, 0, 0, 255}));
    EXPECT_TRUE(NearColour(AtGround(frame, 4.0f, 0.0f), {64, 64, 64, 255}));
}

}  // namespace
}  // namespace Lumaspace::test
