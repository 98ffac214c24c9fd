// Text objects on the null engine: the anchor's mapping from GUI space into the back buffer, the laid-out
// size in GUI pixels, size and alignment changes, releasing layouts, and objects that outlive the engine.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Lumagrid/GE.h"
#include "client/ui/TextObject.h"

namespace {

using Lumaspace::FontFace;
using Lumaspace::GE;
using Lumaspace::TextMetrics;

// The engine's own metrics of a text, for comparing what the object reports.
TextMetrics EngineMetrics(FontFace face, const std::string& text, float size, int alignment) {
    GE* engine = GE::GetInstance();
    const Lumaspace::TextLayoutHandle layout = engine->CreateTextLayout(face, text, size, alignment);
    const TextMetrics metrics = engine->GetTextMetrics(layout);
    engine->ReleaseTextLayout(layout);
    return metrics;
}

class TextObjectTest : public ::testing::Test {
protected:
    void Start(float windowWidth, float windowHeight, float screenWidth, float screenHeight) {
        ASSERT_TRUE(m_engine->InitializeNull(windowWidth, windowHeight, screenWidth, screenHeight, false));
        ASSERT_TRUE(m_engine->IsFontLoaded(FontFace::Display)) << "run from the run layout's bin folder";
    }
    void TearDown() override {
        if (GE::GetInstanceIfCreated() != nullptr) {
            GE::GetInstanceIfCreated()->Shutdown();
        }
    }

    GE* m_engine = GE::GetInstance();
};

TEST_F(TextObjectTest, AnchorMapsFromGUISpaceToTheBackBuffer) {
    struct Case {
        float window[2];
        float screen[2];
        float gui[2];
        float expected[2];
    };
    const Case cases[] = {
        {{1280, 1024}, {1280, 1024}, {0, 0}, {640, 512}},
        {{1280, 1024}, {1280, 1024}, {-100, 200}, {540, 312}},
        {{1280, 1024}, {1920, 1080}, {-640, 512}, {0, 0}},
        {{1280, 1024}, {1920, 1080}, {640, -512}, {1920, 1080}},
        {{1280, 1024}, {1920, 1080}, {0, 0}, {960, 540}},
        {{800, 600}, {1600, 900}, {100, 150}, {1000, 225}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.window[0]) + " on " + std::to_string(c.screen[0]) + ", GUI " +
                     std::to_string(c.gui[0]) + "," + std::to_string(c.gui[1]));
        Start(c.window[0], c.window[1], c.screen[0], c.screen[1]);
        TextObject text;
        ASSERT_TRUE(text.CreateText(0xFFFFFFFFu, "Ombrin", 30, 0, 0));
        text.SetPosition(c.gui[0], c.gui[1]);
        EXPECT_FLOAT_EQ(text.GetDrawX(), c.expected[0]);
        EXPECT_FLOAT_EQ(text.GetDrawY(), c.expected[1]);
        EXPECT_EQ(text.GetX(), c.gui[0]);
        EXPECT_EQ(text.GetY(), c.gui[1]);
        text.Release();
        m_engine->Shutdown();
        m_engine = GE::GetInstance();
    }
}

TEST_F(TextObjectTest, SizeIsTheLayoutsInkInGUIPixelsInTheChosenFont) {
    Start(1280, 1024, 1920, 1080);
    TextObject display;
    TextObject system;
    display.CreateText(0xFF0700B6u, "Kills 12", 40, 10, 20);
    system.CreateSystemText(0xFFFFFFFFu, "Kills 12", 40, 10, 20);
    for (const auto& [object, face] :
         {std::pair{&display, FontFace::Display}, std::pair{&system, FontFace::System}}) {
        const TextMetrics metrics = EngineMetrics(face, "Kills 12", 40, TextObject::kCentre);
        ASSERT_GT(metrics.width, 0.0f);
        EXPECT_FLOAT_EQ(object->GetWidth(), metrics.width / 1920.0f * 1280.0f);
        EXPECT_FLOAT_EQ(object->GetHeight(), metrics.height / 1080.0f * 1024.0f);
        EXPECT_EQ(object->GetLength(), 8u);
    }
    EXPECT_NE(display.GetWidth(), system.GetWidth()) << "the two fonts differ";
    EXPECT_EQ(display.colour, 0xFF0700B6u);
    EXPECT_EQ(display.alignment, TextObject::kCentre);

    display.SetText("");
    EXPECT_EQ(display.GetWidth(), 0.0f);
    EXPECT_EQ(display.GetHeight(), 0.0f);
    EXPECT_EQ(display.GetLength(), 0u);
}

TEST_F(TextObjectTest, ASizeChangeLastsUntilTheNextSetText) {
    Start(1280, 1024, 1280, 1024);
    TextObject text;
    text.CreateText(0xFFFFFFFFu, "Sudden death", 50, 0, 100);
    const float width = text.GetWidth();
    const float height = text.GetHeight();
    const TextMetrics at50 = EngineMetrics(FontFace::Display, "Sudden death", 50, TextObject::kCentre);
    const TextMetrics at120 = EngineMetrics(FontFace::Display, "Sudden death", 120, TextObject::kCentre);

    text.SetFontSize(120);
    EXPECT_EQ(text.GetFontSize(), 120.0f);
    EXPECT_EQ(m_engine->GetTextMetrics(text.GetLayout()).width, at120.width) << "the layout is drawn larger";
    EXPECT_EQ(text.GetWidth(), width) << "the size stays that of the last SetText";
    EXPECT_EQ(text.GetHeight(), height);

    text.SetText("Sudden death");
    EXPECT_EQ(text.GetFontSize(), 50.0f);
    EXPECT_EQ(m_engine->GetTextMetrics(text.GetLayout()).width, at50.width);
    EXPECT_EQ(text.GetWidth(), width);
}

TEST_F(TextObjectTest, AlignmentTakesEffectAtTheNextSetText) {
    Start(1280, 1024, 1280, 1024);
    TextObject text;
    text.CreateText(0xFFFFFFFFu, "Red team", 30, -300, 0);
    const float centredLeft = m_engine->GetTextMetrics(text.GetLayout()).left;
    EXPECT_LT(centredLeft, 0.0f);

    text.alignment = TextObject::kLeading;
    EXPECT_EQ(m_engine->GetTextMetrics(text.GetLayout()).left, centredLeft);
    text.SetText("Red team");
    EXPECT_GE(m_engine->GetTextMetrics(text.GetLayout()).left, 0.0f);
    text.alignment = TextObject::kTrailing;
    text.SetText("Red team");
    const TextMetrics trailing = m_engine->GetTextMetrics(text.GetLayout());
    EXPECT_LE(trailing.left + trailing.width, 5.0f);

    // A new CreateText starts centred again.
    text.CreateText(0xFFFFFFFFu, "Red team", 30, -300, 0);
    EXPECT_EQ(text.alignment, TextObject::kCentre);
    EXPECT_EQ(m_engine->GetTextMetrics(text.GetLayout()).left, centredLeft);
}

TEST_F(TextObjectTest, EveryTextHoldsOneLayoutAtMost) {
    Start(1280, 1024, 1280, 1024);
    {
        TextObject text;
        text.CreateText(0xFFFFFFFFu, "1", 30, 0, 0);
        for (int i = 0; i < 50; ++i) {
            text.SetText(std::to_string(i));
        }
        EXPECT_EQ(m_engine->GetTextLayoutCount(), 1u);
        text.Release();
        EXPECT_EQ(m_engine->GetTextLayoutCount(), 0u);
        EXPECT_FALSE(text.GetLayout());
        EXPECT_EQ(text.GetText(), "");

        text.CreateSystemText(0xFFFFFFFFu, "again", 20, 0, 0);
        EXPECT_EQ(m_engine->GetTextLayoutCount(), 1u);
    }
    EXPECT_EQ(m_engine->GetTextLayoutCount(), 0u) << "the destructor releases the layout";
    EXPECT_TRUE(m_engine->GetDiagnostics().Messages().empty());
}

TEST_F(TextObjectTest, TextsThatOutliveTheEngineTouchNoEngine) {
    Start(1280, 1024, 1280, 1024);
    auto text = std::make_unique<TextObject>();
    text->CreateText(0xFFFFFFFFu, "Ombrin", 30, 0, 0);
    m_engine->Shutdown();

    // Without an engine the object keeps its string and lays nothing out; none of this creates an engine.
    text->SetText("still here");
    text->SetFontSize(60);
    text->SetPosition(5, 5);
    EXPECT_EQ(text->GetText(), "still here");
    EXPECT_FALSE(text->GetLayout());
    EXPECT_EQ(text->GetWidth(), 0.0f);
    text.reset();
    EXPECT_EQ(GE::GetInstanceIfCreated(), nullptr);
}

}  // namespace
