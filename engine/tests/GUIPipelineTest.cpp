// What the GUI pipeline puts into the back buffer: footprint and orientation of quads, blending and opacity,
// textures from PNG files with their mipmaps, and clearing.
#include <string>

#include "GLTestWindow.h"

namespace Lumaspace::test {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

TextureHandle Upload(GE& engine, const ImageRGBA& image) {
    return engine.CreateTextureFromPixels(image.width, image.height, image.pixels);
}

using GUIPipelineTest = GLEngineTest;

TEST_F(GUIPipelineTest, QuadCoversExactlyItsFootprintTheRightWayUp) {
    struct Case {
        int width;
        int height;
        int x;  // centre in GUI space: from the window centre, y up
        int y;
    };
    for (const Case& c :
         {Case{64, 64, 40, 30}, Case{100, 20, -100, -80}, Case{2, 2, 0, 0}, Case{320, 240, 0, 0}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " + std::to_string(c.x) +
                     "," + std::to_string(c.y));
        const TextureHandle texture = Upload(*m_engine, TwoBands(c.width, c.height, kRed, kBlue));
        ASSERT_TRUE(texture);
        GUIFrame([&] {
            m_engine->RenderGUI(ElementWorld(float(c.width), float(c.height), float(c.x), float(c.y)),
                                texture, 1.0f);
        });
        const ImageRGBA frame = Frame();
        ASSERT_EQ(frame.width, kWindowWidth);
        ASSERT_EQ(frame.height, kWindowHeight);
        const int left = kWindowWidth / 2 + c.x - c.width / 2;
        const int top = kWindowHeight / 2 - c.y - c.height / 2;
        int wrong = 0;
        for (int row = 0; row < frame.height; ++row) {
            for (int column = 0; column < frame.width; ++column) {
                const bool inside =
                    column >= left && column < left + c.width && row >= top && row < top + c.height;
                const Rgba expected = !inside ? kBlack : (row < top + c.height / 2 ? kRed : kBlue);
                if (!Near(frame.At(column, row), expected) && ++wrong <= 3) {
                    ADD_FAILURE() << "pixel " << column << "," << row << ": "
                                  << Near(frame.At(column, row), expected).message();
                }
            }
        }
        EXPECT_EQ(wrong, 0);
        m_engine->ReleaseTexture(texture);
    }
}

TEST_F(GUIPipelineTest, IdentityWorldCoversOnePixelAtTheCentre) {
    const TextureHandle white = Upload(*m_engine, Solid(1, 1, kWhite));
    GUIFrame([&] { m_engine->RenderGUI(glm::mat4(1.0f), white, 1.0f); });
    const ImageRGBA frame = Frame();
    int lit = 0;
    for (int row = kWindowHeight / 2 - 2; row < kWindowHeight / 2 + 2; ++row) {
        for (int column = kWindowWidth / 2 - 2; column < kWindowWidth / 2 + 2; ++column) {
            lit += frame.At(column, row) == kWhite ? 1 : 0;
        }
    }
    EXPECT_EQ(lit, 1);
}

TEST_F(GUIPipelineTest, BlendsByTextureAlphaTimesOpacity) {
    m_engine->SetClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    struct Case {
        const char* name;
        Rgba texel;
        bool emptyTexture;
        float opacity;
        bool blending;
        Rgba expected;  // the destination alpha takes the source alpha (ONE, ZERO)
    };
    const Case cases[] = {
        {"opaque", kWhite, false, 1.0f, true, kWhite},
        {"half-transparent texel", {255, 255, 255, 128}, false, 1.0f, true, {128, 128, 255, 128}},
        {"half opacity", kRed, false, 0.5f, true, {128, 0, 128, 128}},
        {"zero opacity", kRed, false, 0.0f, true, {0, 0, 255, 0}},
        {"blending off", {255, 255, 255, 128}, false, 1.0f, false, {255, 255, 255, 128}},
        {"no texture", kRed, true, 1.0f, true, {0, 0, 255, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextureHandle texture =
            c.emptyTexture ? TextureHandle{} : Upload(*m_engine, Solid(4, 4, c.texel));
        m_engine->Clear();
        if (c.blending) {
            m_engine->TurnOnAlphaBlending();
        } else {
            m_engine->TurnOffAlphaBlending();
        }
        m_engine->TurnOffDepthStencil();
        m_engine->PrepareRenderGUI();
        m_engine->RenderGUI(ElementWorld(32, 32, 0, 0), texture, c.opacity);
        m_engine->Present();
        const ImageRGBA frame = Frame();
        EXPECT_TRUE(Near(frame.At(kWindowWidth / 2, kWindowHeight / 2), c.expected));
        EXPECT_TRUE(Near(frame.At(kWindowWidth / 2 - 16, kWindowHeight / 2 - 16), c.expected));
        EXPECT_TRUE(Near(frame.At(kWindowWidth / 2 + 17, kWindowHeight / 2), kBlue));  // just outside
        m_engine->ReleaseTexture(texture);
    }
}

TEST_F(GUIPipelineTest, LaterQuadsCoverEarlierOnes) {
    const TextureHandle red = Upload(*m_engine, Solid(2, 2, kRed));
    const TextureHandle green = Upload(*m_engine, Solid(2, 2, kGreen));
    GUIFrame([&] {
        m_engine->RenderGUI(ElementWorld(40, 40, 0, 0), red, 1.0f);
        m_engine->RenderGUI(ElementWorld(40, 40, 20, 0, 1.0f), green, 1.0f);
    });
    const ImageRGBA frame = Frame();
    EXPECT_TRUE(Near(frame.At(kWindowWidth / 2 - 10, kWindowHeight / 2), kRed));
    EXPECT_TRUE(Near(frame.At(kWindowWidth / 2 + 10, kWindowHeight / 2), kGreen));
}

TEST_F(GUIPipelineTest, PngTextureSamplesItsColoursAtFullSizeAndMinified) {
    TempDirectory folder("lumagrid-png");
    const std::string path = (folder.Path() / "Quadrants.png").string();
    ASSERT_TRUE(WritePng(path, Quadrants(32, 32, kRed, kGreen, kBlue, kWhite)));
    const TextureHandle texture = m_engine->Create2DTexture(path);
    ASSERT_TRUE(texture) << Diagnostics();

    // Grey background: an incomplete (unmipmapped) texture would sample black and show against it.
    m_engine->SetClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    GUIFrame([&] {
        m_engine->RenderGUI(ElementWorld(32, 32, -60, 40), texture, 1.0f);
        m_engine->RenderGUI(ElementWorld(8, 8, 60, -40), texture, 1.0f);
    });
    const ImageRGBA frame = Frame();
    struct Placement {
        int left;
        int top;
        int size;
    };
    for (const Placement& p : {Placement{kWindowWidth / 2 - 60 - 16, kWindowHeight / 2 - 40 - 16, 32},
                               Placement{kWindowWidth / 2 + 60 - 4, kWindowHeight / 2 + 40 - 4, 8}}) {
        SCOPED_TRACE(p.size);
        const int half = p.size / 2;
        for (int row = 0; row < p.size; ++row) {
            for (int column = 0; column < p.size; ++column) {
                const Rgba expected =
                    row < half ? (column < half ? kRed : kGreen) : (column < half ? kBlue : kWhite);
                ASSERT_TRUE(Near(frame.At(p.left + column, p.top + row), expected, 3))
                    << "texel " << column << "," << row;
            }
        }
    }
}

TEST_F(GUIPipelineTest, ClearFillsTheBackBufferWithTheClearColour) {
    const TextureHandle white = Upload(*m_engine, Solid(2, 2, kWhite));
    struct Case {
        float r, g, b, a;
        Rgba expected;
    };
    for (const Case& c : {Case{0.25f, 0.5f, 0.75f, 1.0f, {64, 128, 191, 255}},
                          Case{1.0f, 0.0f, 0.0f, 0.5f, {255, 0, 0, 128}}}) {
        // Something drawn in the previous frame must not survive the clear.
        GUIFrame([&] { m_engine->RenderGUI(ElementWorld(100, 100, 0, 0), white, 1.0f); });
        m_engine->SetClearColor(c.r, c.g, c.b, c.a);
        m_engine->Clear();
        const ImageRGBA frame = Frame();
        int wrong = 0;
        for (int row = 0; row < frame.height; ++row) {
            for (int column = 0; column < frame.width; ++column) {
                wrong += Near(frame.At(column, row), c.expected) ? 0 : 1;
            }
        }
        EXPECT_EQ(wrong, 0) << Near(frame.At(kWindowWidth / 2, kWindowHeight / 2), c.expected).message();
    }
}

}  // namespace
}  // namespace Lumaspace::test
