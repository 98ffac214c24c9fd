// Text layout on the null engine: where the ink of a layout lies against its anchor for each alignment and
// font, line breaks, sizes and size changes, Latin-1 characters, refused arguments, and what the null back
// end records of the text pass.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "Lumagrid/GE.h"

namespace Lumaspace {
namespace {

constexpr FontFace kFaces[] = {FontFace::Display, FontFace::System};

const char* Name(FontFace face) {
    return face == FontFace::Display ? "display font" : "system font";
}

bool SameBox(const TextMetrics& a, const TextMetrics& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

class TextLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1920, 1080, false));
        // Both fonts come with the run layout (the display font is generated data, the system font a
        // package).
        ASSERT_TRUE(m_engine->IsFontLoaded(FontFace::Display)) << "run from the run layout's bin folder";
        ASSERT_TRUE(m_engine->IsFontLoaded(FontFace::System));
    }
    void TearDown() override { m_engine->Shutdown(); }

    TextMetrics Measure(FontFace face, const std::string& text, float size, int alignment) {
        const TextLayoutHandle layout = m_engine->CreateTextLayout(face, text, size, alignment);
        EXPECT_TRUE(layout);
        const TextMetrics metrics = m_engine->GetTextMetrics(layout);
        m_engine->ReleaseTextLayout(layout);
        return metrics;
    }
    bool Said(const std::string& message) const { return m_engine->GetDiagnostics().Contains(message); }

    GE* m_engine = GE::GetInstance();
};

TEST_F(TextLayoutTest, TextsWithoutInkHaveAnEmptyBoxAtTheAnchor) {
    for (FontFace face : kFaces) {
        for (const std::string text : {"", " ", "   ", "\n", " \n "}) {
            SCOPED_TRACE(std::string(Name(face)) + " '" + text + "'");
            EXPECT_TRUE(SameBox(Measure(face, text, 40, kTextAlignCentre), TextMetrics{}));
        }
    }
}

TEST_F(TextLayoutTest, AlignmentPutsTheLineOnTheRightSideOfTheAnchor) {
    for (FontFace face : kFaces) {
        SCOPED_TRACE(Name(face));
        constexpr float kSize = 40;
        const TextMetrics leading = Measure(face, "Ombrin", kSize, kTextAlignLeading);
        const TextMetrics trailing = Measure(face, "Ombrin", kSize, kTextAlignTrailing);
        const TextMetrics centre = Measure(face, "Ombrin", kSize, kTextAlignCentre);
        ASSERT_GT(centre.width, kSize);
        ASSERT_GT(centre.height, kSize / 2);

        // Alignment moves the line sideways only; its ink is the same.
        for (const TextMetrics& m : {leading, trailing}) {
            EXPECT_EQ(m.width, centre.width);
            EXPECT_EQ(m.top, centre.top);
            EXPECT_EQ(m.height, centre.height);
        }
        // The anchor sits on the line's start, its end and its middle; only the side bearings (a few pixels
        // at this size) lie between the advance and the ink.
        const float bearing = kSize / 8;
        EXPECT_GE(leading.left, 0.0f);
        EXPECT_LE(leading.left, bearing);
        EXPECT_LE(std::abs(trailing.left + trailing.width), bearing);
        EXPECT_LE(std::abs(centre.left + centre.width / 2), bearing);
        EXPECT_LE(std::abs(centre.left - (leading.left + trailing.left) / 2), 1.0f);
        // Spaces that end a line hang past the anchor; spaces that start it count.
        for (int alignment : {kTextAlignLeading, kTextAlignTrailing, kTextAlignCentre}) {
            EXPECT_TRUE(SameBox(Measure(face, "Ombrin  ", kSize, alignment),
                                Measure(face, "Ombrin", kSize, alignment)));
        }
        EXPECT_GT(Measure(face, "  Ombrin", kSize, kTextAlignLeading).left, leading.left + kSize / 8);
        // One line is centred vertically: the anchor lies inside the ink, near its middle.
        EXPECT_LT(centre.top, 0.0f);
        EXPECT_GT(centre.top + centre.height, 0.0f);
        EXPECT_LE(std::abs(centre.top + centre.height / 2), kSize / 4);
    }
}

TEST_F(TextLayoutTest, LineBreaksStackLinesCentredAsABlock) {
    for (FontFace face : kFaces) {
        SCOPED_TRACE(Name(face));
        const TextMetrics one = Measure(face, "Ombrin", 30, kTextAlignCentre);
        const TextMetrics two = Measure(face, "Ombrin\nOmbrin", 30, kTextAlignCentre);
        const TextMetrics three = Measure(face, "Ombrin\nOmbrin\nOmbrin", 30, kTextAlignCentre);
        EXPECT_EQ(two.width, one.width);
        EXPECT_GT(two.height, 1.5f * one.height);
        // Every further line adds one line height; the block stays centred on the anchor.
        EXPECT_NEAR(three.height - two.height, two.height - one.height, 1.0f);
        EXPECT_NEAR(three.top + three.height / 2, one.top + one.height / 2, 1.0f);
        EXPECT_NEAR(two.top + two.height / 2, one.top + one.height / 2, 1.0f);
        for (const std::string& other : {std::string("Ombrin\r\nOmbrin"), std::string("Ombrin\rOmbrin")}) {
            EXPECT_TRUE(SameBox(Measure(face, other, 30, kTextAlignCentre), two));
        }
        // Each line is aligned on its own: a short second line starts at the anchor like the first.
        const TextMetrics ragged = Measure(face, "Ombrin\nO", 30, kTextAlignLeading);
        const TextMetrics first = Measure(face, "Ombrin", 30, kTextAlignLeading);
        EXPECT_EQ(ragged.left, first.left);
        EXPECT_EQ(ragged.width, first.width);
        // No wrapping: a long line stays one line.
        const TextMetrics wide = Measure(face, std::string(200, 'M'), 30, kTextAlignCentre);
        EXPECT_GT(wide.width, 1920.0f);
        EXPECT_LT(wide.height, 1.5f * Measure(face, "M", 30, kTextAlignCentre).height);
    }
}

TEST_F(TextLayoutTest, SizeScalesTheInkAndASizeChangeLaysTheTextOutAgain) {
    for (FontFace face : kFaces) {
        SCOPED_TRACE(Name(face));
        const TextMetrics small = Measure(face, "Shuriken", 20, kTextAlignCentre);
        const TextMetrics large = Measure(face, "Shuriken", 80, kTextAlignCentre);
        EXPECT_NEAR(large.width / small.width, 4.0f, 0.4f);
        EXPECT_NEAR(large.height / small.height, 4.0f, 0.6f);

        // A size change gives exactly what creating the layout at that size gives, and changing back
        // returns to the first layout.
        const TextLayoutHandle layout = m_engine->CreateTextLayout(face, "Shuriken", 20, kTextAlignTrailing);
        m_engine->SetTextLayoutSize(layout, 80);
        EXPECT_TRUE(
            SameBox(m_engine->GetTextMetrics(layout), Measure(face, "Shuriken", 80, kTextAlignTrailing)));
        m_engine->SetTextLayoutSize(layout, 20);
        EXPECT_TRUE(
            SameBox(m_engine->GetTextMetrics(layout), Measure(face, "Shuriken", 20, kTextAlignTrailing)));
        m_engine->ReleaseTextLayout(layout);
    }
}

TEST_F(TextLayoutTest, BytesAreLatin1Characters) {
    // 0xE9 is e with an acute accent: taller than a plain e in the system font, which has it.
    const TextMetrics plain = Measure(FontFace::System, "e", 40, kTextAlignCentre);
    const TextMetrics accented = Measure(FontFace::System, "\xE9", 40, kTextAlignCentre);
    EXPECT_GT(accented.height, plain.height);
    EXPECT_NEAR(accented.width, plain.width, 2.0f);

    // Every byte value lays out in both fonts, whether the font has the character or shows its .notdef.
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    for (FontFace face : kFaces) {
        SCOPED_TRACE(Name(face));
        EXPECT_GT(Measure(face, all, 24, kTextAlignLeading).width, 0.0f);
        const TextMetrics missing = Measure(face, "\x81", 24, kTextAlignLeading);  // a control character
        EXPECT_GE(missing.width, 0.0f);
    }
}

TEST_F(TextLayoutTest, RefusedArgumentsAreReportedAndChangeNothing) {
    for (float size : {0.0f, -12.0f, 513.0f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(m_engine->CreateTextLayout(FontFace::Display, "Ombrin", size, kTextAlignCentre));
    }
    EXPECT_TRUE(Said("Invalid text size passed to CreateTextLayout(): sizes run above 0 to 512."));
    EXPECT_FALSE(m_engine->CreateTextLayout(static_cast<FontFace>(7), "Ombrin", 20, kTextAlignCentre));
    EXPECT_TRUE(Said("Invalid font passed to CreateTextLayout()."));
    EXPECT_EQ(m_engine->GetTextLayoutCount(), 0u);

    // An unknown alignment is reported and centred rather than dropping the text.
    EXPECT_TRUE(
        SameBox(Measure(FontFace::Display, "Ombrin", 30, 5), Measure(FontFace::Display, "Ombrin", 30, 2)));
    EXPECT_TRUE(Said("Invalid text alignment passed to CreateTextLayout(); the text is centred."));

    // A refused size change keeps the layout as it was.
    const TextLayoutHandle layout = m_engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2);
    const TextMetrics before = m_engine->GetTextMetrics(layout);
    m_engine->SetTextLayoutSize(layout, -1.0f);
    EXPECT_TRUE(Said("Invalid text size passed to SetTextLayoutSize(): sizes run above 0 to 512."));
    EXPECT_TRUE(SameBox(m_engine->GetTextMetrics(layout), before));

    // A released handle is dead for every operation.
    m_engine->ReleaseTextLayout(layout);
    EXPECT_EQ(m_engine->GetTextLayoutCount(), 0u);
    EXPECT_TRUE(SameBox(m_engine->GetTextMetrics(layout), TextMetrics{}));
    m_engine->ClearRecordedCalls();
    m_engine->AnalyzeText(layout, 10, 10, 0xFFFFFFFFu, 0);
    EXPECT_TRUE(Said("AnalyzeText was given a text layout the engine does not know."));
    m_engine->SetTextLayoutSize(layout, 40);
    EXPECT_TRUE(Said("SetTextLayoutSize was given a text layout the engine does not know."));
    m_engine->ReleaseTextLayout(layout);
    EXPECT_TRUE(Said("Released a text layout the engine does not know."));
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());

    // A position that is not a number draws nothing.
    const TextLayoutHandle other = m_engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2);
    m_engine->AnalyzeText(other, std::numeric_limits<float>::quiet_NaN(), 10, 0xFFFFFFFFu, 0);
    EXPECT_TRUE(Said("Invalid position passed to AnalyzeText()."));
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
    m_engine->ReleaseTextLayout(other);
}

TEST_F(TextLayoutTest, OverlongTextIsCutAndReported) {
    const std::string longText(70000, 'a');
    const TextLayoutHandle layout = m_engine->CreateTextLayout(FontFace::System, longText, 10, 0);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(
        Said("Text longer than 65536 characters passed to CreateTextLayout(); the rest is not laid out."));
    const TextMetrics cut = m_engine->GetTextMetrics(layout);
    const TextMetrics exact = Measure(FontFace::System, std::string(65536, 'a'), 10, 0);
    EXPECT_TRUE(SameBox(cut, exact));
    m_engine->ReleaseTextLayout(layout);
}

TEST_F(TextLayoutTest, NullBackEndRecordsTheTextPassAndCountsDrawsWithGlyphs) {
    const TextLayoutHandle word = m_engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2);
    const TextLayoutHandle blank = m_engine->CreateTextLayout(FontFace::Display, " ", 30, 2);
    m_engine->ClearRecordedCalls();

    m_engine->AnalyzeText(word, 12.5f, 40.0f, 0xFF0700B6u, 0);
    EXPECT_EQ(m_engine->GetTextDrawCount(), 0u) << "appending draws nothing";
    m_engine->RenderTextGeometry(kTextRestoreState);
    EXPECT_EQ(m_engine->GetTextDrawCount(), 1u);
    m_engine->AnalyzeText(blank, 0, 0, 0xFFFFFFFFu, 0);
    m_engine->RenderTextGeometry(kTextRestoreState);
    m_engine->RenderTextGeometry(kTextRestoreState);
    EXPECT_EQ(m_engine->GetTextDrawCount(), 1u) << "nothing with ink was appended";
    m_engine->AnalyzeText(TextLayoutHandle{}, 0, 0, 0xFFFFFFFFu, 0);  // no layout: ignored

    const std::vector<RecordedCall>& calls = m_engine->GetRecordedCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].operation, "AnalyzeText");
    EXPECT_EQ(calls[0].handle, word.id);
    EXPECT_EQ(calls[0].values, (std::vector<float>{12.5f, 40.0f, 0xB6, 0x00, 0x07, 0xFF, 0}));
    EXPECT_EQ(calls[1].operation, "RenderTextGeometry");
    EXPECT_EQ(calls[1].values, (std::vector<float>{0x800}));
    EXPECT_EQ(calls[2].handle, blank.id);
    m_engine->ReleaseTextLayout(word);
    m_engine->ReleaseTextLayout(blank);
}

TEST(TextEngineLifecycleTest, SizesFollowStartUpAndFullscreenAndHandlesDieWithTheEngine) {
    GE* engine = GE::GetInstance();
    EXPECT_EQ(engine->GetScreenWidth(), 0.0f);
    EXPECT_FALSE(engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2)) << "nothing before start-up";
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1920, 1080, false));
    EXPECT_EQ(engine->GetWindowWidth(), 1280.0f);
    EXPECT_EQ(engine->GetWindowHeight(), 1024.0f);
    EXPECT_EQ(engine->GetScreenWidth(), 1920.0f);
    EXPECT_EQ(engine->GetScreenHeight(), 1080.0f);
    ASSERT_TRUE(engine->ToggleFullscreen(true, 1920, 1080));
    EXPECT_EQ(engine->GetWindowWidth(), 1920.0f);
    EXPECT_EQ(engine->GetWindowHeight(), 1080.0f);
    EXPECT_EQ(engine->GetScreenWidth(), 1920.0f);  // the back buffer keeps its size

    const TextLayoutHandle old = engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2);
    ASSERT_TRUE(old);
    engine->Shutdown();
    EXPECT_EQ(GE::GetInstanceIfCreated(), nullptr);

    // A handle kept past a restart never names a layout of the new engine.
    engine = GE::GetInstance();
    EXPECT_EQ(GE::GetInstanceIfCreated(), engine);
    ASSERT_TRUE(engine->InitializeNull(1280, 1024, 1280, 1024, false));
    const TextLayoutHandle fresh = engine->CreateTextLayout(FontFace::Display, "Ombrin", 30, 2);
    EXPECT_NE(fresh, old);
    engine->ReleaseTextLayout(old);
    EXPECT_EQ(engine->GetTextLayoutCount(), 1u);
    engine->Shutdown();
}

}  // namespace
}  // namespace Lumaspace
