// Trails on the null engine: the lifetime correction, where each segment starts and ends, sampling at most
// once a frame, expiry and the tail flag, emptying after a stop, the buffer's limit and the trail pass.
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "ParticleFixture.h"
#include "client/ui/Trail.h"
#include "client/ui/TrailRenderer.h"

namespace {

using Lumaspace::RecordedCall;
using Lumaspace::TrailPoint;

constexpr const char* kTexture = "../Ombrin/2DTextures/Particles/Trail.png";
const glm::vec4 kYellow{0.83f, 0.86f, 0.06f, 1.0f};

class TrailTest : public ParticleFixture {
protected:
    // Every segment's ends share their age, every segment but the oldest is untailed, the oldest's back end
    // is the tail, nothing has expired and the buffer's limit holds.
    static void ExpectSoundSegments(const Trail& trail) {
        const std::span<const TrailPoint> points = trail.Points();
        ASSERT_EQ(points.size() % 2, 0u);
        ASSERT_LE(points.size(), trail.Capacity());
        for (std::size_t i = 0; i < points.size(); i += 2) {
            SCOPED_TRACE(i);
            EXPECT_EQ(points[i].age, points[i + 1].age);
            EXPECT_LT(points[i].age, points[i].lifetime);
            EXPECT_EQ(points[i].tail, 0.0f);
            EXPECT_EQ(points[i + 1].tail, i == 0 ? 1.0f : 0.0f);
        }
    }
};

TEST_F(TrailTest, ALifetimeShorterThanTheIntervalBecomesTwoIntervalsWithBothMessages) {
    struct Case {
        float rate;
        float lifetime;
        float expectedLifetime;
        bool corrected;
        float bufferPoints;  // truncate(rate)
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {50, 0.01f, 0.04f, true, 50},  {50, 0.02f, 0.02f, false, 50},     {100, 0.5f, 0.5f, false, 100},
        {1000, 0, 0.002f, true, 1000}, {50.9f, nan, 2 / 50.9f, true, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        SCOPED_TRACE(c.lifetime);
        m_engine->GetDiagnostics().Clear();
        m_engine->ClearRecordedCalls();
        Trail trail;
        ASSERT_TRUE(trail.Initialize(kYellow, kTexture, c.rate, c.lifetime, 0.2f));
        EXPECT_FLOAT_EQ(trail.GetPointLifetime(), c.expectedLifetime);
        EXPECT_EQ(m_engine->GetDiagnostics().Contains(Trail::kTooShortLifetime), c.corrected);
        EXPECT_EQ(m_engine->GetDiagnostics().Contains(Trail::kLifetimeCorrected), c.corrected);
        const std::vector<RecordedCall> buffers = CallsNamed("CreateDynamicBuffer");
        ASSERT_EQ(buffers.size(), 1u);
        EXPECT_EQ(buffers[0].values, std::vector<float>{c.bufferPoints * 48});
        EXPECT_TRUE(trail.IsEmitting());
    }
}

TEST_F(TrailTest, RatesWithNoRoomForOneSegmentAreRefused) {
    for (const float rate : {1.5f, 0.0f, -50.0f, std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(rate);
        m_engine->ClearRecordedCalls();
        Trail trail;
        EXPECT_FALSE(trail.Initialize(kYellow, kTexture, rate, 0.5f, 0.2f));
        EXPECT_TRUE(CallsNamed("CreateDynamicBuffer").empty());
        EXPECT_TRUE(m_engine->GetDiagnostics().Contains("A trail needs at least two points per second."));
    }
}

TEST_F(TrailTest, TheFirstSegmentReachesOneWidthBehindTheOwnerAndTheNextBackToThePreviousSample) {
    const float pi = std::numbers::pi_v<float>;
    for (const float angle : {0.0f, pi / 2, pi, -pi / 4}) {
        SCOPED_TRACE(angle);
        Trail trail;
        ASSERT_TRUE(trail.Initialize(kYellow, kTexture, 50, 0.2f, 0.5f));
        trail.Update(0.05f, angle, 4, 1, -2);
        ASSERT_EQ(trail.Points().size(), 2u);
        EXPECT_FALSE(trail.IsEmpty());
        const TrailPoint owner = trail.Points()[0];
        const TrailPoint tail = trail.Points()[1];
        EXPECT_EQ(owner.position, glm::vec3(4, 1, -2));
        EXPECT_EQ(owner.tail, 0.0f);
        EXPECT_NEAR(tail.position.x, 4 - 0.5f * std::cos(angle), 1e-6f);
        EXPECT_EQ(tail.position.y, 1.0f);
        EXPECT_NEAR(tail.position.z, -2 - 0.5f * std::sin(angle), 1e-6f);
        EXPECT_EQ(tail.tail, 1.0f);
        for (const TrailPoint& point : {owner, tail}) {
            EXPECT_EQ(point.angle, angle);
            EXPECT_EQ(point.width, 0.5f);
            EXPECT_EQ(point.lifetime, 0.2f);
            EXPECT_EQ(point.age, 0.0f);
            EXPECT_EQ(point.colour, kYellow);
        }

        trail.Update(0.05f, angle + 1, 6, 1, -2);
        ASSERT_EQ(trail.Points().size(), 4u);
        EXPECT_EQ(trail.Points()[2].position, glm::vec3(6, 1, -2));
        EXPECT_EQ(trail.Points()[3].position, owner.position);
        EXPECT_EQ(trail.Points()[3].angle, angle);
        EXPECT_EQ(trail.Points()[3].tail, 0.0f);
        ExpectSoundSegments(trail);
    }
}

TEST_F(TrailTest, AtMostOneSampleIsTakenPerFrameAndNoneBeforeAnIntervalHasPassed) {
    struct Case {
        const char* name;
        float rate;
        float dt;
        int frames;
        std::size_t expectedPoints;
    };
    const Case cases[] = {
        {"half-second frames at 1000 a second", 1000, 0.5f, 3, 6},
        {"frames of 0.015 s at 50 a second: every second frame", 50, 0.015f, 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Trail trail;
        ASSERT_TRUE(trail.Initialize(kYellow, kTexture, c.rate, 10.0f, 0.1f));
        for (int frame = 0; frame < c.frames; ++frame) {
            trail.Update(c.dt, 0, static_cast<float>(frame), 0, 0);
        }
        EXPECT_EQ(trail.Points().size(), c.expectedPoints);
    }
}

TEST_F(TrailTest, ExpiredSegmentsLeaveWholeAndTheOldestLeftBecomesTheTail) {
    Trail trail;
    ASSERT_TRUE(trail.Initialize(kYellow, kTexture, 50, 0.1f, 0.1f));
    for (int frame = 0; frame < 40; ++frame) {
        trail.Update(0.03f, 0, static_cast<float>(frame), 0, 0);
        ExpectSoundSegments(trail);
    }
    // Samples 0.03 s apart living 0.1 s: four alive after a sample.
    EXPECT_EQ(trail.Points().size(), 8u);
    EXPECT_EQ(trail.Points().back().position.x, 38.0f);  // the newest runs back to the previous sample
}

TEST_F(TrailTest, AStoppedTrailEmptiesWithinItsLifetimeAndIsNoLongerDrawn) {
    TrailRenderer renderer;
    Trail trail;
    ASSERT_TRUE(trail.Initialize(kYellow, kTexture, 100, 0.5f, 0.2f));
    float x = 0;
    for (int frame = 0; frame < 30; ++frame) {
        trail.Update(1.0f / 60, 0, x += 0.1f, 0, 0);
    }
    m_engine->ClearRecordedCalls();
    trail.Render(renderer);
    EXPECT_EQ(renderer.QueuedCount(), 1u);
    renderer.Render();
    const std::vector<RecordedCall> draws = CallsNamed("RenderTrail");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].handle, trail.GetBuffer().id);
    EXPECT_EQ(draws[0].values[1], static_cast<float>(trail.Points().size()));
    EXPECT_EQ(CallsNamed("UpdateDynamicBuffer")[0].values,
              std::vector<float>{static_cast<float>(trail.Points().size() * 48)});

    trail.StopEmitting();
    float stopped = 0;
    while (stopped < 0.5f) {
        EXPECT_FALSE(trail.IsEmpty()) << stopped;
        trail.Update(1.0f / 60, 0, x += 0.1f, 0, 0);
        stopped += 1.0f / 60;
    }
    trail.Update(1.0f / 60, 0, x, 0, 0);
    EXPECT_TRUE(trail.IsEmpty());
    EXPECT_TRUE(trail.Points().empty());
    m_engine->ClearRecordedCalls();
    trail.Render(renderer);
    EXPECT_EQ(renderer.QueuedCount(), 0u);
    renderer.Render();
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());

    trail.StartEmitting();
    trail.Update(1.0f / 60, 0, x, 0, 0);
    EXPECT_FALSE(trail.IsEmpty());
    EXPECT_EQ(trail.Points()[1].tail, 1.0f);  // a trail that starts again starts with a tail
}

// A thrown weapon's trail (100 a second for 0.5 s) fills its buffer of 100 points exactly; frames just over
// the interval add ages that round low, which keeps a 51st segment alive one frame too long.
TEST_F(TrailTest, TheTrailNeverHoldsMoreThanItsBufferTheOldestSegmentMakesRoom) {
    const float dt = std::nextafter(0.01f, 1.0f);
    TrailRenderer renderer;
    Trail trail;
    ASSERT_TRUE(trail.Initialize(kYellow, kTexture, 100, 0.5f, 0.2f));
    bool full = false;
    for (int frame = 0; frame < 200; ++frame) {
        SCOPED_TRACE(frame);
        trail.Update(dt, 0, static_cast<float>(frame), 0, 0);
        ExpectSoundSegments(trail);
        ASSERT_EQ(trail.Points()[trail.Points().size() - 2].position.x, static_cast<float>(frame));
        full = full || trail.Points().size() == trail.Capacity();
        trail.Render(renderer);
        renderer.Clear();
    }
    EXPECT_TRUE(full);
    EXPECT_FALSE(m_engine->GetDiagnostics().Contains("Failed to map dynamic vertex buffer."));
}

TEST_F(TrailTest, ThePassDrawsEveryQueuedTrailInOneStateSetup) {
    Trail first, second;
    ASSERT_TRUE(first.Initialize(kYellow, kTexture, 50, 0.2f, 0.1f));
    ASSERT_TRUE(second.Initialize(kYellow, kTexture, 1000, 0.5f, 0.1f));
    first.Update(0.05f, 0, 1, 0, 0);
    second.Update(0.05f, 0, 2, 0, 0);
    second.Update(0.05f, 0, 3, 0, 0);
    TrailRenderer renderer;
    first.Render(renderer);
    renderer.Queue(nullptr);
    second.Render(renderer);
    m_engine->ClearRecordedCalls();
    renderer.Render();
    EXPECT_EQ(Operations(), (std::vector<std::string>{"TurnOffBackfaceCulling", "TurnOnAlphaBlending",
                                                      "PrepareRenderTrails", "RenderTrail", "RenderTrail",
                                                      "TurnOffAlphaBlending", "TurnOnBackfaceCulling"}));
    const std::vector<RecordedCall> draws = CallsNamed("RenderTrail");
    EXPECT_EQ(draws[0].values, (std::vector<float>{static_cast<float>(first.GetBuffer().id), 2,
                                                   static_cast<float>(first.GetTexture().id)}));
    EXPECT_EQ(draws[1].values, (std::vector<float>{static_cast<float>(second.GetBuffer().id), 4,
                                                   static_cast<float>(second.GetTexture().id)}));
    EXPECT_EQ(renderer.QueuedCount(), 0u);
}

}  // namespace
