// The sudden-death mist: the sheet covers the arena floor once everywhere but the safe square; the fade, the
// rise and the scroll over time; the sheet drawn only with its texture; and in the match the mist moves and
// shows only while the server reports sudden death, keeping its state across rounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/app/SuddenDeathEffect.h"
#include "client/app/SuddenDeathSheet.h"
#include "client/app/tests/MatchFixture.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"

namespace ombrin::test {
namespace {

using Lumaspace::GE;
using Lumaspace::RecordedCall;
using Lumaspace::SheetVertex;

// Twice the signed area of the ground outline (x, z) of a, b and the point.
float Side(const SheetVertex& a, const SheetVertex& b, float x, float z) {
    return (b.position.x - a.position.x) * (z - a.position.z) -
           (b.position.z - a.position.z) * (x - a.position.x);
}

// Whether ground point (x, z) lies strictly inside the ground outline of the triangle at first.
bool Covers(const SheetVertex* first, float x, float z) {
    const float s0 = Side(first[0], first[1], x, z);
    const float s1 = Side(first[1], first[2], x, z);
    const float s2 = Side(first[2], first[0], x, z);
    return (s0 > 0 && s1 > 0 && s2 > 0) || (s0 < 0 && s1 < 0 && s2 < 0);
}

// The distance between two scroll positions on the texture's circle of one width.
float WrappedDistance(float a, float b) {
    const float d = std::fabs(a - b);
    return std::min(d, 1.0f - d);
}

TEST(SuddenDeathSheetTest, CoversTheFloorOnceAndLeavesTheSafeSquareOpen) {
    for (const float height : {0.0f, 2.5f}) {
        SCOPED_TRACE(height);
        const SuddenDeathSheetVertices sheet = SuddenDeathSheet(height, 0.0f);
        // A grid off every corner and edge of the sheet.
        for (float x = -44.87f; x < 45.0f; x += 0.53f) {
            for (float z = -51.91f; z < 52.0f; z += 0.57f) {
                int covering = 0;
                for (std::size_t t = 0; t < sheet.size(); t += 3) {
                    covering += Covers(&sheet[t], x, z) ? 1 : 0;
                }
                const bool safe =
                    std::fabs(x) < kSuddenDeathSafeHalfSide && std::fabs(z) < kSuddenDeathSafeHalfSide;
                ASSERT_EQ(covering, safe ? 0 : 1) << "at (" << x << ", " << z << ")";
            }
        }
        // The floor at the sheet's height shows the texture's right half; the slopes reach 12 below it.
        for (const SheetVertex& v : sheet) {
            if (v.position.y == height) {
                EXPECT_FLOAT_EQ(v.uv.x, 0.5f + (v.position.x + 45.0f) / 180.0f);
                EXPECT_FLOAT_EQ(v.uv.y, (52.0f - v.position.z) / 104.0f);
            } else {
                EXPECT_FLOAT_EQ(v.position.y, height - 12.0f);
                EXPECT_EQ(v.uv, glm::vec2(0.75f, 0.5f));
            }
        }
    }
}

class SuddenDeathEffectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false)); }
    void TearDown() override {
        m_effect.Shutdown();
        GUIQueue::Shutdown();
        TextureLibrary::Shutdown();
        m_engine->Shutdown();
    }

    std::vector<RecordedCall> CallsNamed(const std::string& name) const {
        std::vector<RecordedCall> calls;
        for (const RecordedCall& call : m_engine->GetRecordedCalls()) {
            if (call.operation == name) {
                calls.push_back(call);
            }
        }
        return calls;
    }

    GE* m_engine = GE::GetInstance();
    SuddenDeathEffect m_effect;
};

TEST_F(SuddenDeathEffectTest, FadesInOverAbout18Point6SecondsAndRisesOver25) {
    constexpr double kFrame = 1.0 / 60.0;
    constexpr float kLastStep = SuddenDeathEffect::kRiseRate / 60.0f;
    const struct {
        double seconds;
        float alpha;
        float lowest;  // height
        float highest;
    } checkpoints[] = {
        {10.0, 0.35f, 0.999f, 1.001f},
        {18.5, 0.6475f, 1.849f, 1.851f},
        {18.6, 0.65f, 1.859f, 1.861f},
        {24.9, 0.65f, 2.489f, 2.491f},
        {25.1, 0.65f, 2.5f, 2.5f + kLastStep + 1e-4f},
        {120.0, 0.65f, 2.5f, 2.5f + kLastStep + 1e-4f},
    };
    m_effect.Initialize(1024.0f);
    const SuddenDeathSheetVertices rest = SuddenDeathSheet(0.0f, 0.0f);
    long frames = 0;
    for (const auto& c : checkpoints) {
        SCOPED_TRACE(c.seconds);
        for (; frames < std::lround(c.seconds / kFrame); ++frames) {
            m_effect.Update(kFrame);
        }
        EXPECT_NEAR(m_effect.Alpha(), c.alpha, 1e-4f);
        EXPECT_LE(m_effect.Alpha(), SuddenDeathEffect::kMaxAlpha);
        EXPECT_GE(m_effect.Height(), c.lowest);
        EXPECT_LE(m_effect.Height(), c.highest);
        for (std::size_t i = 0; i < rest.size(); ++i) {
            ASSERT_FLOAT_EQ(m_effect.Vertices()[i].position.y, rest[i].position.y + m_effect.Height()) << i;
        }
    }
}

TEST_F(SuddenDeathEffectTest, ScrollsOneTextureWidthEvery200Seconds) {
    const struct {
        double step;
        int steps;
        float scroll;
    } cases[] = {
        {50.0, 1, 0.25f},         {50.0, 4, 0.0f},           {150.0, 2, 0.5f},
        {1.0 / 60.0, 6000, 0.5f}, {1.0 / 60.0, 12000, 0.0f},
    };
    const SuddenDeathSheetVertices rest = SuddenDeathSheet(0.0f, 0.0f);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.steps << " x " << c.step);
        m_effect.Initialize(1024.0f);
        m_engine->ClearRecordedCalls();
        for (int i = 0; i < c.steps; ++i) {
            m_effect.Update(c.step);
        }
        EXPECT_GE(m_effect.Scroll(), 0.0f);
        EXPECT_LT(m_effect.Scroll(), 1.0f);
        EXPECT_LT(WrappedDistance(m_effect.Scroll(), c.scroll), 2e-3f);
        for (std::size_t i = 0; i < rest.size(); ++i) {
            ASSERT_FLOAT_EQ(m_effect.Vertices()[i].uv.x, rest[i].uv.x - m_effect.Scroll()) << i;
        }
        // Every update sends the whole sheet to the effect's buffer.
        const std::vector<RecordedCall> uploads = CallsNamed("UpdateDynamicBuffer");
        ASSERT_EQ(uploads.size(), static_cast<std::size_t>(c.steps));
        EXPECT_EQ(uploads.back().values, std::vector<float>{720.0f});
    }
}

TEST_F(SuddenDeathEffectTest, WithoutItsTextureOnlyTheNoticeShows) {
    for (const bool textureLoaded : {true, false}) {
        SCOPED_TRACE(textureLoaded);
        TextureLibrary::Shutdown();
        if (textureLoaded) {
            TextureLibrary::GetInstance().Load(SuddenDeathEffect::kTexture);
            ASSERT_TRUE(TextureLibrary::GetInstance().GetTexture(SuddenDeathEffect::kTexture))
                << "run from the bin folder of a layout with the generated data";
        }
        EXPECT_EQ(m_effect.Initialize(1024.0f), textureLoaded);
        m_effect.Update(2.0);
        m_engine->ClearRecordedCalls();
        m_effect.Render();
        const std::vector<RecordedCall> draws = CallsNamed("RenderSuddenDeath");
        ASSERT_EQ(draws.size(), textureLoaded ? 1u : 0u);
        if (textureLoaded) {
            EXPECT_EQ(draws[0].values[1], 36.0f);
            EXPECT_FLOAT_EQ(draws[0].values[3], 2.0f * SuddenDeathEffect::kFadeRate);
            EXPECT_EQ(CallsNamed("TurnOnBackfaceCulling").size(), 1u) << "culling is back on after the sheet";
        }
        EXPECT_EQ(GUIQueue::GetInstance().TextCount(), 1u);
        EXPECT_EQ(m_effect.Notice().GetText(), SuddenDeathEffect::kNotice);
        EXPECT_EQ(m_effect.Notice().GetY(), 256.0f);
        GUIQueue::GetInstance().Clear();
    }
}

class SuddenDeathMatchTest : public MatchFixture {
protected:
    std::vector<RecordedCall> SheetDraws() {
        RenderedOperations();
        std::vector<RecordedCall> draws;
        for (const RecordedCall& call : GE::GetInstance()->GetRecordedCalls()) {
            if (call.operation == "RenderSuddenDeath") {
                draws.push_back(call);
            }
        }
        return draws;
    }
};

TEST_F(SuddenDeathMatchTest, TheMistMovesAndShowsOnlyWhileTheServerReportsSuddenDeath) {
    StartMatch({0, 0, 0});
    Frames(1.0);
    EXPECT_EQ(match.SuddenDeath().Alpha(), 0.0f);
    EXPECT_TRUE(SheetDraws().empty());

    ServerSends(protocol::SuddenDeathMessage{true});
    Frames(2.0);
    const float alpha = match.SuddenDeath().Alpha();
    EXPECT_NEAR(alpha, 2.0f * SuddenDeathEffect::kFadeRate, 2e-3f);
    const std::vector<RecordedCall> draws = SheetDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].values[3], alpha);

    // The next round clears sudden death: the mist stops where it was and is not drawn.
    ServerSends(protocol::RoundStartedMessage{});
    Frames(1.0);
    EXPECT_EQ(match.SuddenDeath().Alpha(), alpha);
    EXPECT_TRUE(SheetDraws().empty());

    ServerSends(protocol::SuddenDeathMessage{true});
    Frames(1.0);
    EXPECT_GT(match.SuddenDeath().Alpha(), alpha) << "the fade carries on across rounds";
    EXPECT_EQ(SheetDraws().size(), 1u);
}

}  // namespace
}  // namespace ombrin::test
