// What the line-of-sight overlay puts into the back buffer: the shadow texture over the floor the viewer
// cannot see (behind a wall, beyond a smoke bomb until it expires) and nothing over the floor it sees;
// nothing at all when skipped; everything covered after a resize until the polygon is next recomputed.
#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

constexpr float kFrameTime = 0.016f;

class LineOfSightOverlayTest : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        m_shadow = SolidTexture({0, 0, 0, 255});
        // The client's set-up: the texture at the screen's size, its projection twice the view's extent, the
        // search rectangle round the view widened by 10, and a wall east of the viewer.
        m_engine->UpdateVisibilityTextureSize(kWindowWidth, kWindowHeight);
        m_engine->SetVisibilityProjectionPolygonMatrix(
            glm::orthoLH_ZO(-32.0f, 32.0f, -24.0f, 24.0f, 1.0f, 100.0f));
        m_engine->SS_ClearStaticLines();
        m_engine->SS_AddStaticLine(Line{{3.0f, -4.0f}, {3.0f, 4.0f}});
        Follow(Point{0.0f, 0.0f});
    }

    // The client's frame: the viewer's view-polygon matrix, then the polygon around it.
    void Follow(Point viewer) {
        m_engine->UpdateVisibilityMapBoundries(Point{viewer.x - 26.0f, viewer.y + 22.0f},
                                               Point{viewer.x + 26.0f, viewer.y - 22.0f});
        m_engine->SetViewPolygonMatrix(glm::lookAtLH(
            glm::vec3(viewer.x, 30.0f, viewer.y), glm::vec3(viewer.x, 0.0f, viewer.y), glm::vec3(0, 0, 1)));
        m_engine->UpdateVisibilityPolygon(viewer, kFrameTime);
    }

    // The match's overlay step.
    ImageRGBA OverlayFrame(bool skip = false) {
        return DrawFrame([&] {
            m_engine->SetForwardRenderTarget();
            m_engine->TurnOnAlphaBlending();
            m_engine->ResetRenderTarget();
            m_engine->SetDepthStateForParticles();
            m_engine->RenderVisibilityPolygon(skip, m_shadow);
            m_engine->TurnOnDepthStencil();
            m_engine->TurnOffAlphaBlending();
        });
    }

    static bool Dark(const ImageRGBA& frame, float x, float z) {
        return NearColour(AtGround(frame, x, z), {0, 0, 0, 255}, 4);
    }
    static bool Open(const ImageRGBA& frame, float x, float z) {
        return NearColour(AtGround(frame, x, z), {64, 64, 64, 255}, 4);
    }

    TextureHandle m_shadow;
};

TEST_F(LineOfSightOverlayTest, DarkensTheFloorBehindTheWallOnly) {
    const ImageRGBA frame = OverlayFrame();
    struct Case {
        const char* place;
        float x;
        float z;
        bool seen;
    };
    const Case cases[] = {
        {"the viewer's own place", 0.0f, 0.0f, true}, {"open floor west", -8.0f, 0.0f, true},
        {"open floor north", 0.0f, 9.0f, true},       {"before the wall", 2.0f, 0.0f, true},
        {"just behind the wall", 4.0f, 0.0f, false},  {"far behind the wall", 12.0f, 2.0f, false},
        {"past the wall's end", 6.0f, 10.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        EXPECT_TRUE(c.seen ? Open(frame, c.x, c.z) : Dark(frame, c.x, c.z));
    }
}

TEST_F(LineOfSightOverlayTest, ASmokeBombHidesWhatLiesBeyondItForFourAndAHalfSeconds) {
    m_engine->SS_AddSmokeBomb(Point{-6.0f, 0.0f}, kFrameTime);
    const ImageRGBA smoked = OverlayFrame();
    EXPECT_TRUE(Dark(smoked, -12.0f, 0.0f)) << "beyond the bomb";
    EXPECT_TRUE(Open(smoked, -6.0f, 8.0f)) << "beside the bomb";

    for (int second = 0; second < 4; ++second) {
        m_engine->SS_Update(1.0f);
    }
    EXPECT_TRUE(Dark(OverlayFrame(), -12.0f, 0.0f)) << "after 4 s";
    m_engine->SS_Update(0.6f);
    const ImageRGBA cleared = OverlayFrame();
    EXPECT_TRUE(Open(cleared, -12.0f, 0.0f)) << "after 4.6 s";
    EXPECT_TRUE(Dark(cleared, 8.0f, 0.0f)) << "the wall still hides";
}

TEST_F(LineOfSightOverlayTest, SkippedOverlayDrawsNothingAndAResizedTextureSeesNothingUntilRecomputed) {
    const ImageRGBA skipped = OverlayFrame(true);
    EXPECT_TRUE(Open(skipped, 8.0f, 0.0f));

    m_engine->UpdateVisibilityTextureSize(kWindowWidth / 2, kWindowHeight / 2);
    const ImageRGBA resized = OverlayFrame();
    EXPECT_TRUE(Dark(resized, 0.0f, 0.0f));
    EXPECT_TRUE(Dark(resized, -8.0f, 0.0f));

    Follow(Point{0.0f, 0.0f});
    const ImageRGBA recomputed = OverlayFrame();
    EXPECT_TRUE(Open(recomputed, -8.0f, 0.0f));
    EXPECT_TRUE(Dark(recomputed, 8.0f, 0.0f));
}

TEST_F(LineOfSightOverlayTest, TheTextureFollowsTheViewer) {
    // The viewer walks past the wall's north end: the floor behind the wall comes into sight.
    Follow(Point{6.0f, 6.0f});
    const ImageRGBA frame = OverlayFrame();
    EXPECT_TRUE(Open(frame, 6.0f, 0.0f));
    EXPECT_TRUE(Open(frame, -4.0f, 6.0f));
    EXPECT_TRUE(Dark(frame, -4.0f, -6.0f)) << "now behind the wall";
}

}  // namespace
}  // namespace Lumaspace::test
