// What the text pass puts into the back buffer: ink of each text in its colour exactly where its layout's
// metrics place it against the anchor, nothing until RenderTextGeometry, one draw for everything appended,
// text over the GUI quads with the GL state put back, and a glyph atlas that grows and starts over without
// changing a pixel of what is drawn.
#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GLTestWindow.h"

namespace Lumaspace::test {
namespace {

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr std::uint32_t kRedText = 0xFF0000FFu;  // red in the lowest byte
constexpr std::uint32_t kGreenText = 0xFF00FF00u;
constexpr std::uint32_t kBlueText = 0xFFFF0000u;

struct Box {
    int left = kWindowWidth;
    int top = kWindowHeight;
    int right = -1;  // exclusive
    int bottom = -1;
    int pixels = 0;
    int solid = 0;  // fully covered pixels

    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
        ++pixels;
    }
};

// The box a layout's metrics predict for an anchor.
Box Predicted(const TextMetrics& metrics, int x, int y) {
    Box box;
    box.left = x + static_cast<int>(metrics.left);
    box.top = y + static_cast<int>(metrics.top);
    box.right = box.left + static_cast<int>(metrics.width);
    box.bottom = box.top + static_cast<int>(metrics.height);
    return box;
}

// The ink lies inside the predicted box and reaches (within a pixel of) each of its edges: a glyph's
// outermost bitmap row or column may hold no coverage at all.
::testing::AssertionResult Matches(const Box& ink, const Box& predicted) {
    if (ink.pixels == 0 || ink.left < predicted.left || ink.top < predicted.top ||
        ink.right > predicted.right || ink.bottom > predicted.bottom || ink.left > predicted.left + 1 ||
        ink.top > predicted.top + 1 || ink.right < predicted.right - 1 || ink.bottom < predicted.bottom - 1) {
        return ::testing::AssertionFailure()
               << "ink " << ink.left << "," << ink.top << " .. " << ink.right << "," << ink.bottom << " ("
               << ink.pixels << " pixels), predicted " << predicted.left << "," << predicted.top << " .. "
               << predicted.right << "," << predicted.bottom;
    }
    return ::testing::AssertionSuccess();
}

class TextRenderingTest : public GLEngineTest {
protected:
    TextLayoutHandle Layout(FontFace face, const std::string& text, float size, int alignment) {
        const TextLayoutHandle layout = m_engine->CreateTextLayout(face, text, size, alignment);
        EXPECT_TRUE(layout) << Diagnostics();
        m_layouts.push_back(layout);
        return layout;
    }
    void TearDown() override {
        for (TextLayoutHandle layout : m_layouts) {
            m_engine->ReleaseTextLayout(layout);
        }
        GLEngineTest::TearDown();
    }

    std::vector<TextLayoutHandle> m_layouts;
};

TEST_F(TextRenderingTest, TwoTextsAppearInTheirColoursWhereTheirMetricsSayAfterOneDraw) {
    ASSERT_TRUE(m_engine->IsFontLoaded(FontFace::Display)) << Diagnostics();
    const TextLayoutHandle red = Layout(FontFace::Display, "Ombrin", 32, kTextAlignLeading);
    const TextLayoutHandle green = Layout(FontFace::System, "Quell\nhost", 28, kTextAlignTrailing);
    constexpr int kRedX = 30, kRedY = 60, kGreenX = 290, kGreenY = 160;

    m_engine->Clear();
    m_engine->PrepareRenderGUI();
    m_engine->AnalyzeText(red, kRedX, kRedY, kRedText, 0);
    m_engine->AnalyzeText(green, kGreenX + 0.3f, kGreenY - 0.4f, kGreenText, 0);  // rounds to whole pixels
    const std::uint64_t drawsBefore = m_engine->GetTextDrawCount();
    ImageRGBA frame = Frame();
    int lit = 0;
    for (int row = 0; row < frame.height; ++row) {
        for (int column = 0; column < frame.width; ++column) {
            lit += frame.At(column, row) == kBlack ? 0 : 1;
        }
    }
    EXPECT_EQ(lit, 0) << "appended text is not drawn before RenderTextGeometry";

    m_engine->RenderTextGeometry(kTextRestoreState);
    EXPECT_EQ(m_engine->GetTextDrawCount(), drawsBefore + 1) << "both texts in one draw";
    m_engine->Present();
    frame = Frame();
    Box redInk;
    Box greenInk;
    int wrong = 0;
    for (int row = 0; row < frame.height; ++row) {
        for (int column = 0; column < frame.width; ++column) {
            const Rgba pixel = frame.At(column, row);
            if (pixel == kBlack) {
                continue;
            }
            if (pixel[0] > 0 && pixel[1] == 0 && pixel[2] == 0) {
                redInk.Add(column, row);
                redInk.solid += pixel[0] == 255 ? 1 : 0;
            } else if (pixel[1] > 0 && pixel[0] == 0 && pixel[2] == 0) {
                greenInk.Add(column, row);
                greenInk.solid += pixel[1] == 255 ? 1 : 0;
            } else {
                ++wrong;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "every lit pixel is one text's colour over black";
    EXPECT_TRUE(Matches(redInk, Predicted(m_engine->GetTextMetrics(red), kRedX, kRedY)));
    EXPECT_TRUE(Matches(greenInk, Predicted(m_engine->GetTextMetrics(green), kGreenX, kGreenY)));
    EXPECT_GT(redInk.solid, 50);
    EXPECT_GT(greenInk.solid, 50);
    // Leading text starts at its anchor, trailing text ends at its anchor.
    EXPECT_NEAR(redInk.left, kRedX, 4);
    EXPECT_NEAR(greenInk.right, kGreenX, 4);

    // The geometry was emptied: another RenderTextGeometry draws nothing.
    m_engine->Clear();
    m_engine->RenderTextGeometry(kTextRestoreState);
    EXPECT_EQ(m_engine->GetTextDrawCount(), drawsBefore + 1);
    EXPECT_EQ(Frame().At(redInk.left + 1, redInk.top + 1), kBlack);
}

TEST_F(TextRenderingTest, TextCoversTheGUIQuadsAndTheStateIsPutBackOnRequest) {
    const Rgba kWhite{255, 255, 255, 255};
    const TextureHandle white = m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>(4, 255));
    const TextureHandle halfRed =
        m_engine->CreateTextureFromPixels(1, 1, std::vector<std::uint8_t>{255, 0, 0, 128});
    const TextLayoutHandle text = Layout(FontFace::Display, "Ombrin", 40, kTextAlignCentre);
    const Box predicted = Predicted(m_engine->GetTextMetrics(text), kWindowWidth / 2, kWindowHeight / 2);
    struct Case {
        const char* name;
        std::uint32_t flags;
        Rgba afterText;  // a half-transparent red quad drawn after the text, over black
    };
    // Without the flag the text pass leaves its program and blending bound, so the GUI pipeline is prepared
    // again before its next quad.
    const Case cases[] = {
        {"restored: blending stays off", kTextRestoreState, {255, 0, 0, 128}},
        {"not restored: the text pass leaves blending on", 0, {128, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_engine->Clear();
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOffDepthStencil();
        m_engine->PrepareRenderGUI();
        m_engine->RenderGUI(ElementWorld(240, 100, 0, 0), white, 1.0f);
        m_engine->AnalyzeText(text, kWindowWidth / 2.0f, kWindowHeight / 2.0f, kBlueText, 0);
        m_engine->RenderTextGeometry(c.flags);
        if (c.flags == 0) {
            m_engine->PrepareRenderGUI();
        }
        m_engine->RenderGUI(ElementWorld(20, 20, -140, 100), halfRed, 1.0f);
        m_engine->TurnOffAlphaBlending();
        m_engine->TurnOnDepthStencil();
        m_engine->Present();
        const ImageRGBA frame = Frame();

        EXPECT_TRUE(Near(frame.At(10, 10), c.afterText, 2));
        int solidBlue = 0;
        int wrong = 0;
        for (int row = predicted.top; row < predicted.bottom; ++row) {
            for (int column = predicted.left; column < predicted.right; ++column) {
                const Rgba pixel = frame.At(column, row);
                // Blue text blended over the white quad: red and green fall together, blue stays full.
                wrong += (pixel[0] == pixel[1] && pixel[2] == 255) ? 0 : 1;
                solidBlue += Near(pixel, {0, 0, 255, 255}, 1) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(solidBlue, 50) << "the text lies over the quad drawn before it";
        EXPECT_TRUE(Near(frame.At(predicted.left - 2, predicted.top - 2), kWhite));
    }
    m_engine->ReleaseTexture(white);
    m_engine->ReleaseTexture(halfRed);
}

TEST_F(TextRenderingTest, AGrowingOrRefilledAtlasDrawsTheSamePixels) {
    // Every printable character at many sizes, drawn off screen: far more glyphs than the first atlas holds.
    std::string printable;
    for (char c = 33; c < 127; ++c) {
        printable.push_back(c);
    }
    const auto fill = [&](float from, float to, float step) {
        for (float size = from; size <= to; size += step) {
            const TextLayoutHandle layout = m_engine->CreateTextLayout(FontFace::System, printable, size, 0);
            m_engine->AnalyzeText(layout, -100000.0f, -100000.0f, kRedText, 0);
            m_engine->ReleaseTextLayout(layout);
        }
        m_engine->RenderTextGeometry(kTextRestoreState);
    };
    const auto frame = [&](bool withLaterSize) {
        m_engine->Clear();
        m_engine->AnalyzeText(Layout(FontFace::Display, "Ombrin", 24, 2), 160, 60, kRedText, 0);
        if (withLaterSize) {
            m_engine->AnalyzeText(Layout(FontFace::System, "Kunai 42", 33, 2), 160, 160, kGreenText, 0);
        }
        m_engine->RenderTextGeometry(kTextRestoreState);
        return Frame();
    };
    const auto same = [](const ImageRGBA& a, const ImageRGBA& b) {
        return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
    };

    // The reference: a fresh atlas holding only the frame's own glyphs.
    const ImageRGBA reference = frame(true);

    // The first text's glyphs are in the atlas before it grows and are carried over; the second text's are
    // placed after growing.
    m_engine->Shutdown();
    m_engine = GE::GetInstance();
    ASSERT_TRUE(
        m_engine->Initialize(m_window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
    m_engine->SetClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    m_layouts.clear();
    frame(false);
    fill(40, 120, 8);
    EXPECT_TRUE(same(frame(true), reference)) << "after growing";

    // Overfilled: glyphs that no longer fit are left out of that frame, and the atlas starts over after it.
    fill(300, 512, 53);
    EXPECT_TRUE(m_engine->GetDiagnostics().Contains(
        "The glyph atlas was full: some glyphs were left out, and it starts over."));
    EXPECT_TRUE(same(frame(true), reference)) << "after starting over";
}

TEST(TextStartupTest, MissingTextShaderFailsStartUp) {
    const std::filesystem::path bin = BinDirectory();
    TempDirectory run("lumagrid-text-shaders");
    std::filesystem::copy(bin / "Shaders", run.Path() / "Shaders", std::filesystem::copy_options::recursive);
    struct Case {
        const char* file;
        const char* message;
    };
    for (const Case& c : {Case{"TextVertexShader.vert", "Failed to create text vertex shader."},
                          Case{"TextPixelShader.frag", "Failed to create text pixel shader."}}) {
        SCOPED_TRACE(c.file);
        const std::filesystem::path shader = run.Path() / "Shaders" / "Text" / c.file;
        const std::filesystem::path aside = shader.string() + ".aside";
        std::filesystem::rename(shader, aside);
        std::filesystem::current_path(run.Path());
        SDL_Window* window = OpenWindow();
        ASSERT_NE(window, nullptr);
        GE* engine = GE::GetInstance();
        EXPECT_FALSE(
            engine->Initialize(window, kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight, false));
        EXPECT_TRUE(engine->GetDiagnostics().Contains(c.message));
        engine->Shutdown();
        CloseWindow(window);
        std::filesystem::current_path(bin);
        std::filesystem::rename(aside, shader);
    }
}

}  // namespace
}  // namespace Lumaspace::test
