// What the sudden-death sheet and the aim markers put into the back buffer: the sheet tints the arena outside
// the centre square with the right half of its texture and leaves the square alone; a marker covers its
// footprint translucently.
#include <array>
#include <vector>

#include "EffectScene.h"

namespace Lumaspace::test {
namespace {

// The sheet as the client builds it: eight floor triangles round the centre square and four walls down from
// the square's edges, raised by height, with u = 0.5 + (x + 45) / 180 and v = (52 - z) / 104 on the floor.
std::vector<SheetVertex> Sheet(float height) {
    using Corner = std::array<float, 3>;  // x, base height, z
    const std::array<std::array<Corner, 3>, 12> triangles{{
        {{{-45, 0, 52}, {45, 0, 52}, {12, 0, 12}}},
        {{{-45, 0, 52}, {12, 0, 12}, {-12, 0, 12}}},
        {{{12, 0, -12}, {45, 0, 52}, {45, 0, -52}}},
        {{{12, 0, 12}, {45, 0, 52}, {12, 0, -12}}},
        {{{45, 0, -52}, {-45, 0, -52}, {-12, 0, -12}}},
        {{{45, 0, -52}, {-12, 0, -12}, {12, 0, -12}}},
        {{{-45, 0, -52}, {-45, 0, 52}, {-12, 0, 12}}},
        {{{-45, 0, -52}, {-12, 0, 12}, {-12, 0, -12}}},
        {{{-12, 0, 12}, {12, 0, 12}, {0, -12, 12}}},
        {{{12, 0, 12}, {12, 0, -12}, {12, -12, 0}}},
        {{{12, 0, -12}, {-12, 0, -12}, {0, -12, -12}}},
        {{{-12, 0, -12}, {-12, 0, 12}, {-12, -12, 0}}},
    }};
    std::vector<SheetVertex> vertices;
    for (const auto& triangle : triangles) {
        for (const Corner& c : triangle) {
            const bool floor = c[1] == 0.0f;
            const glm::vec2 uv = floor ? glm::vec2(0.5f + (c[0] + 45.0f) / 180.0f, (52.0f - c[2]) / 104.0f)
                                       : glm::vec2(0.75f, 0.5f);
            vertices.push_back({{c[0], c[1] + height, c[2]}, uv});
        }
    }
    return vertices;
}

using SheetAndMarkerTest = EffectTest;

TEST_F(SheetAndMarkerTest, SheetTintsTheArenaOutsideTheCentreSquareOnly) {
    constexpr float kScale = 2.5f;  // pixels per unit: the view spans x -64..64, z -48..48
    m_engine->SetViewAndProjection(TopDownView(), TopDownProjection(kScale));
    const std::vector<SheetVertex> sheet = Sheet(1.0f);
    const BufferHandle buffer = UploadRecords(*m_engine, std::span<const SheetVertex>(sheet));
    ASSERT_TRUE(buffer);
    // Left half green, right half purple: the sheet shows only the right half.
    const ImageRGBA picture =
        Quadrants(8, 8, {0, 255, 0, 255}, {160, 0, 160, 255}, {0, 255, 0, 255}, {160, 0, 160, 255});
    const TextureHandle texture =
        m_engine->CreateTextureFromPixels(picture.width, picture.height, picture.pixels);
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->TurnOnAlphaBlending();
        m_engine->TurnOffBackfaceCulling();
        m_engine->RenderSuddenDeath(buffer, static_cast<int>(sheet.size()), texture, 0.5f);
        m_engine->TurnOnBackfaceCulling();
        m_engine->TurnOffAlphaBlending();
    });

    const Rgba floor{64, 64, 64, 255};
    const Rgba tinted{112, 32, 112, 255};  // half purple over the grey floor
    struct Case {
        const char* place;
        float x;
        float z;
        Rgba expected;
    };
    const Case cases[] = {
        {"centre", 0.0f, 0.0f, floor},
        {"inside the square's corner", 11.0f, -11.0f, floor},
        {"east of the square", 20.0f, 0.0f, tinted},
        {"north-west", -30.0f, 30.0f, tinted},
        {"south", 0.0f, -20.0f, tinted},
        {"beyond the arena", 55.0f, 0.0f, floor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        EXPECT_TRUE(NearColour(AtGround(frame, c.x, c.z, kScale), c.expected, 4));
    }
    m_engine->ReleaseBuffer(buffer);
}

TEST_F(SheetAndMarkerTest, MarkerCoversItsFootprintTranslucently) {
    // A flat 2 x 2 quad, clockwise seen from above, moved to (5, 0.03, -3).
    auto corner = [](float x, float z, float u, float v) {
        return Vertex{{x, 0.0f, z}, {u, v}, {0.0f, 1.0f, 0.0f}, {1.0f, 0.0f, 0.0f}};
    };
    const std::vector<Vertex> quad{corner(-1, 1, 0, 0),  corner(1, 1, 1, 0), corner(-1, -1, 0, 1),
                                   corner(-1, -1, 0, 1), corner(1, 1, 1, 0), corner(1, -1, 1, 1)};
    const BufferHandle buffer = m_engine->CreateBuffer(BUFFERTYPE_STATIC, quad, {});
    ASSERT_TRUE(buffer);
    glm::mat4 world(1.0f);
    world[3] = glm::vec4(5.0f, 0.03f, -3.0f, 1.0f);
    const TextureHandle red = SolidTexture({255, 0, 0, 255});
    const ImageRGBA frame = DrawFrame([&] {
        m_engine->TurnOnAlphaBlending();
        m_engine->SetDepthStateForParticles();
        m_engine->RenderMarker(buffer, static_cast<int>(quad.size()), world, red);
        m_engine->TurnOffDepthStencil();
        m_engine->TurnOffAlphaBlending();
    });
    const Rgba marked = AtGround(frame, 5.0f, -3.0f);
    EXPECT_GT(marked[0], 150);
    EXPECT_LT(marked[0], 250) << "the floor shows through";
    EXPECT_LT(marked[1], 40);
    EXPECT_TRUE(NearColour(AtGround(frame, 7.5f, -3.0f), {64, 64, 64, 255}));
    EXPECT_TRUE(NearColour(AtGround(frame, 0.0f, 0.0f), {64, 64, 64, 255}));
    m_engine->ReleaseBuffer(buffer);
}

}  // namespace
}  // namespace Lumaspace::test
