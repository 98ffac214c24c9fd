// The minimap on the null engine: where a world position shows, dots by team and hidden off screen, and the
// drawing order with the own dot on top.
#include <string>
#include <vector>

#include "client/ui/Minimap.h"
#include "client/ui/tests/HudFixture.h"

namespace ombrin::test {
namespace {

class MinimapTest : public HudFixture {
protected:
    void SetUp() override {
        HudFixture::SetUp();
        ASSERT_TRUE(m_map.Initialize(kWindowWidth, kWindowHeight));
    }

    Minimap m_map;
};

TEST_F(MinimapTest, WorldPositionsMapOntoTheMapInTheLowerLeftCorner) {
    // The map's lower left corner is the window's.
    EXPECT_FLOAT_EQ(m_map.X(), 111.0f - 640.0f);
    EXPECT_FLOAT_EQ(m_map.Y(), 125.0f - 512.0f);
    const struct {
        float x;
        float z;
        float dx;
        float dy;
    } cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f},
        {43.0f, 50.0f, 104.5f, 118.5f},
        {-43.0f, -50.0f, -104.5f, -118.5f},
        {21.5f, -25.0f, 52.25f, -59.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.z));
        m_map.SetOwnDot(c.x, c.z);
        m_map.SetDot(6, c.x, c.z);
        EXPECT_FLOAT_EQ(m_map.OwnDot().X(), m_map.X() + c.dx);
        EXPECT_FLOAT_EQ(m_map.OwnDot().Y(), m_map.Y() + c.dy);
        EXPECT_FLOAT_EQ(m_map.Dot(6).X(), m_map.X() + c.dx);
        EXPECT_FLOAT_EQ(m_map.Dot(6).Y(), m_map.Y() + c.dy);
    }
}

TEST_F(MinimapTest, DotsTakeTheirTeamsColourAndHiddenDotsStandOffScreen) {
    m_map.SetOwnTeam(2);
    m_map.SetDotTeam(0, 1);
    m_map.SetDotTeam(1, 0);
    m_map.SetDot(0, 10.0f, 10.0f);
    m_map.SetDot(1, -10.0f, 10.0f);
    m_map.HideDot(1);
    // Indices past the seventh dot are ignored.
    m_map.SetDot(7, 0.0f, 0.0f);
    m_map.SetDotTeam(7, 1);
    m_map.HideDot(99);

    m_map.Render();
    const std::vector<Drawn> drawn = DrawQueue();
    const std::string red = Minimap::kRedDotTexture;
    const std::string blue = Minimap::kBlueDotTexture;
    const std::vector<std::string> expected = {
        Minimap::kFrameTexture, Minimap::kMapTexture, red, blue, blue, blue, blue, blue, blue, blue};
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].picture, expected[i]) << i;
    }
    EXPECT_FLOAT_EQ(drawn[0].x, m_map.X() + 12.0f);
    EXPECT_FLOAT_EQ(drawn[0].width, 246.0f);
    EXPECT_FLOAT_EQ(drawn[0].height, 275.0f);
    EXPECT_FLOAT_EQ(drawn[1].width, 222.0f);
    EXPECT_FLOAT_EQ(drawn[1].height, 250.0f);
    EXPECT_FLOAT_EQ(drawn[3].x, -1000.0f);
    EXPECT_FLOAT_EQ(drawn[3].y, -1000.0f);
    EXPECT_FLOAT_EQ(drawn[8].x, -1000.0f);
    // The own dot, last, stands in the map's centre until it is first placed.
    EXPECT_FLOAT_EQ(drawn[9].x, m_map.X());
    EXPECT_FLOAT_EQ(drawn[9].y, m_map.Y());
    EXPECT_FLOAT_EQ(drawn[9].width, 10.0f);
}

}  // namespace
}  // namespace ombrin::test
