// What the trail pipeline puts into the back buffer: a flat ribbon of the trail's width behind a moving
// owner, fading with the age of its samples, and nothing ahead of the owner or beside the ribbon.
#include <vector>

#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

constexpr float kLifetime = 0.5f;
constexpr float kAgeStep = 0.045f;  // seconds between samples
constexpr int kSamples = 10;

// The samples a trail holds after its owner, facing +x, ran from x = -10 to x = 0 along z = 0: one segment
// per sample from the sample (age k * kAgeStep) back to the one before it, oldest first; the oldest segment
// reaches back to the first tail point.
std::vector<TrailPoint> RunningTrail() {
    std::vector<TrailPoint> points;
    const glm::vec4 white{1.0f};
    for (int k = kSamples - 1; k >= 0; --k) {
        const float age = kAgeStep * static_cast<float>(k);
        const float tail = k == kSamples - 1 ? 1.0f : 0.0f;
        points.push_back({{-float(k), 0.0f, 0.0f}, 0.0f, 1.0f, kLifetime, age, white, 0.0f});
        points.push_back({{-float(k + 1), 0.0f, 0.0f}, 0.0f, 1.0f, kLifetime, age, white, tail});
    }
    return points;
}

using TrailPipelineTest = EffectTest;

TEST_F(TrailPipelineTest, RibbonLiesBehindTheOwnerAndFadesWithAge) {
    const std::vector<TrailPoint> points = RunningTrail();
    const BufferHandle buffer = UploadRecords(*m_engine, std::span<const TrailPoint>(points));
    ASSERT_TRUE(buffer);
    const TextureHandle white = SolidTexture({255, 255, 255, 255});
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->PrepareRenderTrails();
        m_engine->TurnOffBackfaceCulling();
        m_engine->TurnOnAlphaBlending();
        m_engine->RenderTrail(buffer, static_cast<int>(points.size()), white);
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOnBackfaceCulling();
    });
    const int floor = Brightness(AtGround(frame, 8.0f, 8.0f));

    EXPECT_NEAR(Brightness(AtGround(frame, 1.5f, 0.0f)), floor, 2) << "ahead of the owner";
    EXPECT_NEAR(Brightness(AtGround(frame, -4.5f, 1.5f)), floor, 2) << "beside the ribbon";
    EXPECT_GT(Brightness(AtGround(frame, -4.5f, 0.3f)), floor + 40) << "inside the ribbon's width";
    EXPECT_GT(Brightness(AtGround(frame, -0.5f, 0.0f)), 220) << "just behind the owner";
    const int fresh = Brightness(AtGround(frame, -2.5f, 0.0f));
    const int older = Brightness(AtGround(frame, -5.5f, 0.0f));
    const int oldest = Brightness(AtGround(frame, -8.5f, 0.0f));
    EXPECT_GT(fresh, older + 20);
    EXPECT_GT(older, oldest + 20);
    EXPECT_GT(oldest, floor + 10);

    m_engine->ReleaseBuffer(buffer);
}

TEST_F(TrailPipelineTest, ACountPastTheBufferDrawsWhatItHolds) {
    const std::vector<TrailPoint> points = RunningTrail();
    const BufferHandle buffer = UploadRecords(*m_engine, std::span<const TrailPoint>(points));
    const TextureHandle white = SolidTexture({255, 255, 255, 255});
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->PrepareRenderTrails();
        m_engine->TurnOffBackfaceCulling();
        m_engine->TurnOnAlphaBlending();
        m_engine->RenderTrail(buffer, 1000, white);
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOnBackfaceCulling();
    });
    EXPECT_GT(Brightness(AtGround(frame, -0.5f, 0.0f)), 220);
    m_engine->ReleaseBuffer(buffer);
}

}  // namespace
}  // namespace Lumaspace::test
