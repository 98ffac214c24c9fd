// The camera: the overview of the menu and the lobby with its sweeping shadow light, the match camera that
// leads towards the mouse, eases towards its goal and stops at the arena's edges, the fixed overhead
// camera, and the resize after a change to or from full screen.
#include <gtest/gtest.h>

#include <glm/geometric.hpp>
#include <glm/vec4.hpp>

#include <string>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/app/Camera.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"

namespace ombrin::test {
namespace {

constexpr double kFrameTime = 0.016;

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClientGlobals& globals = ClientGlobals::GetInstance();
        globals.windowWidth = 1280;
        globals.windowHeight = 1024;
        globals.screenWidth = 1920;
        globals.screenHeight = 1080;
        globals.fullscreen = false;
        globals.cameraFollowsMouse = true;
        MouseAt(640, 512);
        m_camera.Reset();
    }
    void TearDown() override { Input::Shutdown(); }

    static void MouseAt(int x, int y) {
        Input::GetInstance().HandleMessage(WindowEvent{WindowEvent::Type::MouseMove, 0, x, y});
    }
    // Follows the player for as long as it takes the eased camera to settle.
    void Settle(const glm::vec3& player) {
        for (int update = 0; update < 300; ++update) {
            m_camera.FollowPlayer(player.x, player.y, player.z, kFrameTime);
        }
    }
    static void ExpectNear(const glm::vec3& actual, const glm::vec3& expected) {
        EXPECT_NEAR(actual.x, expected.x, 1e-3f);
        EXPECT_NEAR(actual.y, expected.y, 1e-3f);
        EXPECT_NEAR(actual.z, expected.z, 1e-3f);
    }

    Camera m_camera;
};

TEST_F(CameraTest, TheMouseLeadingCameraSettlesLeadsAndStopsAtTheArenasEdges) {
    const struct {
        const char* name;
        int mouseX;
        int mouseY;
        glm::vec3 player;
        glm::vec3 eye;
    } cases[] = {
        {"mouse at the centre", 640, 512, {5, 0, 3}, {5, 30, -12}},
        {"mouse at the right edge leads 8 units", 1280, 512, {5, 0, 3}, {13, 30, -12}},
        {"mouse far beyond the left edge still leads only 8", -4000, 512, {5, 0, 3}, {-3, 30, -12}},
        {"mouse at the bottom leads towards the camera", 640, 1024, {5, 0, 3}, {5, 30, -20}},
        {"half way up", 640, 512 - 176, {5, 0, 3}, {5, 30, -8}},
        {"the right edge of the arena", 1280, 512, {36, 0, 0}, {38, 30, -15}},
        {"the left edge", 640, 512, {-60, 0, 0}, {-38, 30, -15}},
        {"the far edge", 640, 0, {0, 0, 60}, {0, 30, 35}},
        {"the near edge", 640, 1024, {0, 0, -40}, {0, 30, -58}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MouseAt(c.mouseX, c.mouseY);
        Settle(c.player);
        ExpectNear(m_camera.GetEye(), c.eye);
        ExpectNear(m_camera.GetTarget(), {c.eye.x, 0.0f, c.eye.z + 15.0f});
        ExpectNear(m_camera.GetLastEye(), c.eye);
        ExpectNear(m_camera.GetLastTarget(), c.player);
    }
}

TEST_F(CameraTest, TheMouseLeadingCameraClosesAFixedShareOfTheGapPerUpdate) {
    Settle({0, 0, 0});
    m_camera.FollowPlayer(10.0f, 0.0f, 0.0f, kFrameTime);
    EXPECT_NEAR(m_camera.GetEye().x, 10.0f * 0.15625f, 1e-4f);
    m_camera.FollowPlayer(10.0f, 0.0f, 0.0f, kFrameTime);
    EXPECT_NEAR(m_camera.GetEye().x, 10.0f * (1.0f - 0.84375f * 0.84375f), 1e-4f);
}

TEST_F(CameraTest, TheOverheadCameraFollowsAtOnceAndTheLeadingOneStartsFromIt) {
    ClientGlobals::GetInstance().cameraFollowsMouse = false;
    MouseAt(1280, 0);
    m_camera.FollowPlayer(20.0f, 1.0f, -10.0f, kFrameTime);
    ExpectNear(m_camera.GetEye(), {20, 31, -25});
    ExpectNear(m_camera.GetTarget(), {20, 1, -10});
    ExpectNear(m_camera.GetLastEye(), {20, 31, -25});

    ClientGlobals::GetInstance().cameraFollowsMouse = true;
    MouseAt(640, 512);
    m_camera.FollowPlayer(20.0f, 1.0f, -10.0f, kFrameTime);
    ExpectNear(m_camera.GetEye(), {20, 31, -25});
}

TEST_F(CameraTest, TheShadowLightAndTheLineOfSightViewFollowThePlayer) {
    m_camera.FollowPlayer(4.0f, 0.0f, -6.0f, kFrameTime);
    ExpectNear(m_camera.GetLightEye(), {29, 100, 44});
    ExpectNear(m_camera.GetLightTarget(), {4, 0, -6});
    // The line-of-sight view looks straight down on the player: the player is at the view's centre, 30 in
    // front of it.
    const glm::vec4 player = m_camera.GetViewPolygonMatrix() * glm::vec4(4.0f, 0.0f, -6.0f, 1.0f);
    EXPECT_NEAR(player.x, 0.0f, 1e-4f);
    EXPECT_NEAR(player.y, 0.0f, 1e-4f);
    EXPECT_NEAR(player.z, 30.0f, 1e-4f);
}

TEST_F(CameraTest, TheOverviewLooksAtTheArenaWhileTheLightSweepsAroundInAbout100Seconds) {
    m_camera.UpdateOverview(0.0);
    // Right after the reset the light turns the reset's eye (0, 40, -20); later the overview's (0, 40, -24).
    ExpectNear(m_camera.GetLightEye(), {25, 100, 50});
    ExpectNear(m_camera.GetEye(), {0, 40, -24});
    ExpectNear(m_camera.GetTarget(), {0, 7.5f, 0});

    m_camera.UpdateOverview(8.0);  // eight seconds turn the light by half a radian
    const float angle = 0.5f;
    EXPECT_NEAR(m_camera.GetOrbitAngle(), angle, 1e-6f);
    const float r = -24.0f * std::sin(angle);
    ExpectNear(m_camera.GetLightEye(), {0.8f * r + 25.0f, 100, 50});
    ExpectNear(m_camera.GetLightTarget(), {0.8f * r, 5, 0});

    double seconds = 8.0;
    while (m_camera.GetOrbitAngle() > 0.0f) {
        m_camera.UpdateOverview(0.5);
        seconds += 0.5;
        ASSERT_LT(seconds, 200.0);
    }
    EXPECT_NEAR(seconds, 6.28 / 0.0625, 1.0);

    // The scene's centre projects to the middle of the screen, between the near and far planes.
    glm::vec4 clip = m_camera.GetProjection() * m_camera.GetView() * glm::vec4(0.0f, 7.5f, 0.0f, 1.0f);
    clip /= clip.w;
    EXPECT_NEAR(clip.x, 0.0f, 1e-5f);
    EXPECT_NEAR(clip.y, 0.0f, 1e-5f);
    EXPECT_GT(clip.z, 0.0f);
    EXPECT_LT(clip.z, 1.0f);
    // The shadow area is the window's size divided by 13: about 98.5 x 78.8 units for 1280 x 1024.
    EXPECT_NEAR(2.0f / m_camera.GetLightProjection()[0][0], 1280.0f / 13.0f, 1e-3f);
    EXPECT_NEAR(2.0f / m_camera.GetLightProjection()[1][1], 1024.0f / 13.0f, 1e-3f);
}

TEST_F(CameraTest, ResizeTakesTheScreenOrTheDefaultWindowSize) {
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    m_camera.Resize(true);
    EXPECT_EQ(globals.windowWidth, 1920);
    EXPECT_EQ(globals.windowHeight, 1080);
    EXPECT_FLOAT_EQ(m_camera.GetAspect(), 1920.0f / 1080.0f);
    EXPECT_FLOAT_EQ(m_camera.GetProjection()[1][1] / m_camera.GetProjection()[0][0], 1920.0f / 1080.0f);
    EXPECT_FALSE(globals.screenChanging);
    m_camera.Resize(false);
    EXPECT_EQ(globals.windowWidth, 1280);
    EXPECT_EQ(globals.windowHeight, 1024);
    EXPECT_FLOAT_EQ(m_camera.GetAspect(), 1.25f);
}

// What the camera hands the engine, in the order the scene passes rely on, in every mode.
class CameraEngineTest : public CameraTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Lumaspace::GE::GetInstance()->InitializeNull(1280, 1024, 1280, 1024, false));
        CameraTest::SetUp();
    }
    void TearDown() override {
        Lumaspace::GE::GetInstance()->Shutdown();
        CameraTest::TearDown();
    }

    static std::vector<Lumaspace::RecordedCall> TakeCalls() {
        Lumaspace::GE& engine = *Lumaspace::GE::GetInstance();
        std::vector<Lumaspace::RecordedCall> calls = engine.GetRecordedCalls();
        engine.ClearRecordedCalls();
        return calls;
    }
    static std::vector<std::string> Names(const std::vector<Lumaspace::RecordedCall>& calls) {
        std::vector<std::string> names;
        for (const Lumaspace::RecordedCall& call : calls) {
            names.push_back(call.operation);
        }
        return names;
    }
    static std::vector<float> Floats(const glm::mat4& a, const glm::mat4& b) {
        std::vector<float> values(&a[0][0], &a[0][0] + 16);
        values.insert(values.end(), &b[0][0], &b[0][0] + 16);
        return values;
    }
};

TEST_F(CameraEngineTest, EveryModeHandsTheEngineItsMatricesInOrder) {
    using Names_ = std::vector<std::string>;
    TakeCalls();
    m_camera.Reset();
    std::vector<Lumaspace::RecordedCall> calls = TakeCalls();
    ASSERT_EQ(Names(calls), Names_{"SetViewAndProjection"});
    EXPECT_EQ(calls[0].values, Floats(m_camera.GetView(), m_camera.GetProjection()));

    m_camera.UpdateOverview(kFrameTime);
    calls = TakeCalls();
    ASSERT_EQ(Names(calls), (Names_{"SetLightViewAndProjection", "SetViewAndProjection"}));
    EXPECT_EQ(calls[0].values, Floats(m_camera.GetLightView(), m_camera.GetLightProjection()));
    EXPECT_EQ(calls[1].values, Floats(m_camera.GetView(), m_camera.GetProjection()));

    for (const bool followsMouse : {true, false}) {
        SCOPED_TRACE(followsMouse ? "mouse-leading camera" : "overhead camera");
        ClientGlobals::GetInstance().cameraFollowsMouse = followsMouse;
        m_camera.FollowPlayer(3.0f, 0.5f, -7.0f, kFrameTime);
        calls = TakeCalls();
        ASSERT_EQ(Names(calls), (Names_{"SetLightViewAndProjection", "SetViewPolygonMatrix",
                                        "SetViewAndProjection", "UpdateVisibilityPolygon"}));
        EXPECT_EQ(calls[0].values, Floats(m_camera.GetLightView(), m_camera.GetLightProjection()));
        const glm::mat4& polygonView = m_camera.GetViewPolygonMatrix();
        EXPECT_EQ(calls[1].values, std::vector<float>(&polygonView[0][0], &polygonView[0][0] + 16));
        EXPECT_EQ(calls[2].values, Floats(m_camera.GetView(), m_camera.GetProjection()));
        EXPECT_EQ(calls[3].values, (std::vector<float>{3.0f, -7.0f, static_cast<float>(kFrameTime)}));
    }

    m_camera.Resize(true);
    calls = TakeCalls();
    ASSERT_EQ(Names(calls), Names_{"SetViewAndProjection"});
    EXPECT_EQ(calls[0].values, Floats(m_camera.GetView(), m_camera.GetProjection()));
}

}  // namespace
}  // namespace ombrin::test
