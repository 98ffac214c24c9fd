// Health bars on the null engine: where the bar stands over a point of the scene, the green share held to
// the bar whatever health and maximum the server sends, and when nothing is drawn.
#include <limits>
#include <string>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "client/ui/HealthBar.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

class HealthBarTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_bar.Initialize("Kei", 110.0f, 16.0f));
        // Looking down the z axis from (0, 0, -10), as left-handed as the match camera.
        m_screen.view =
            glm::lookAtLH(glm::vec3(0.0f, 0.0f, -10.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        m_screen.projection = glm::perspectiveLH_ZO(glm::radians(90.0f), 1.25f, 0.1f, 1000.0f);
        m_screen.windowWidth = kWindowWidth;
        m_screen.windowHeight = kWindowHeight;
    }

    HealthBar m_bar;
    ScreenProjection m_screen;
};

TEST_F(HealthBarTest, TheGreenShareStaysWithinTheBarAndShrinksTowardsTheLeft) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        float health;
        float maximum;
        float share;
    } cases[] = {
        {"full", 100.0f, 100.0f, 1.0f},
        {"a quarter", 25.0f, 100.0f, 0.25f},
        {"more health than the maximum", 150.0f, 100.0f, 1.0f},
        {"health below 0 after the killing blow", -20.0f, 100.0f, 0.0f},
        {"a maximum of 0", 50.0f, 0.0f, 0.0f},
        {"a maximum below 0", 50.0f, -10.0f, 0.0f},
        {"health that is no number", nan, 100.0f, 0.0f},
        {"a maximum that is no number", 50.0f, nan, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_bar.Update(glm::vec3(0.0f), m_screen, c.health, c.maximum);
        const MenuItem& background = m_bar.Background();
        const GUIElement& health = m_bar.Health();
        EXPECT_FLOAT_EQ(health.width, 100.0f * c.share);
        EXPECT_FLOAT_EQ(health.height, background.Height());
        EXPECT_FLOAT_EQ(health.y, background.Y());
        // The left edges stay together.
        EXPECT_FLOAT_EQ(health.x - health.width / 2.0f, background.X() - background.Width() / 2.0f);
    }
}

TEST_F(HealthBarTest, TheBarStandsOnThePointsPlaceOnScreenWithTheNameAbove) {
    // At 10 units in front of the camera, with a field of view of 90 degrees up and down, one unit up is a
    // tenth of the half height.
    m_bar.Update(glm::vec3(0.0f, 1.0f, 0.0f), m_screen, 60.0f, 100.0f);
    ASSERT_TRUE(m_bar.OnScreen());
    m_bar.Render(false);
    const std::vector<Drawn> drawn = DrawQueue();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].picture, HealthBar::kBorderTexture);
    EXPECT_FLOAT_EQ(drawn[0].x, 0.0f);
    EXPECT_NEAR(drawn[0].y, 51.2f, 1e-3);
    EXPECT_FLOAT_EQ(drawn[0].width, 110.0f);
    EXPECT_FLOAT_EQ(drawn[0].height, 16.0f);
    EXPECT_EQ(drawn[1].picture, HealthBar::kBackgroundTexture);
    EXPECT_FLOAT_EQ(drawn[1].width, 100.0f);
    EXPECT_FLOAT_EQ(drawn[1].height, 10.0f);
    EXPECT_EQ(drawn[2].picture, HealthBar::kHealthTexture);
    EXPECT_FLOAT_EQ(drawn[2].width, 60.0f);
    EXPECT_FLOAT_EQ(drawn[2].x, -20.0f);
    EXPECT_EQ(DrawnTexts(), std::vector<std::string>{"Kei"});
    EXPECT_NEAR(m_bar.Name().GetY(), 71.2f, 1e-3);
}

TEST_F(HealthBarTest, NothingIsDrawnBehindTheCameraOrAfterTheMatch) {
    const struct {
        const char* name;
        glm::vec3 point;
        bool matchOver;
        bool drawn;
    } cases[] = {
        {"in view", glm::vec3(2.0f, 0.0f, 5.0f), false, true},
        {"in view after the match", glm::vec3(2.0f, 0.0f, 5.0f), true, false},
        {"behind the camera", glm::vec3(2.0f, 0.0f, -15.0f), false, false},
        {"in the camera's own plane", glm::vec3(2.0f, 0.0f, -10.0f), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_bar.Update(c.point, m_screen, 100.0f, 100.0f);
        m_bar.Render(c.matchOver);
        EXPECT_EQ(DrawQueue().size(), c.drawn ? 3u : 0u);
    }
}

}  // namespace
}  // namespace ombrin::test
