// The GUI queue and its elements on the null engine: draw order, the world matrix each element hands the
// engine, and emptying after each draw.
#include <gtest/gtest.h>

#include <glm/vec4.hpp>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/ui/GUIElement.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextObject.h"

namespace {

using Lumaspace::GE;
using Lumaspace::RecordedCall;

class GUIQueueTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_engine->InitializeNull(1280, 1024, 1280, 1024, false)); }
    void TearDown() override {
        GUIQueue::Shutdown();
        m_engine->Shutdown();
    }

    std::vector<RecordedCall> GUIDraws() const {
        std::vector<RecordedCall> draws;
        for (const RecordedCall& call : m_engine->GetRecordedCalls()) {
            if (call.operation == "RenderGUI") {
                draws.push_back(call);
            }
        }
        return draws;
    }

    GE* m_engine = GE::GetInstance();
};

TEST(GUIElementTest, WorldMatrixPlacesTheUnitQuadOnTheElementsRectangle) {
    for (const GUIElement& element :
         {GUIElement{100, 100, 0, 0, 0, {}, 1}, GUIElement{301, 98, 0, -118, 0, {}, 1},
          GUIElement{62.5f, 62.5f, -640, 512, 1, {}, 0.5f}}) {
        const glm::mat4 world = element.World();
        const glm::vec4 lowerLeft = world * glm::vec4(-0.5f, -0.5f, 0.0f, 1.0f);
        const glm::vec4 upperRight = world * glm::vec4(0.5f, 0.5f, 0.0f, 1.0f);
        EXPECT_FLOAT_EQ(lowerLeft.x, element.x - element.width / 2);
        EXPECT_FLOAT_EQ(lowerLeft.y, element.y - element.height / 2);
        EXPECT_FLOAT_EQ(upperRight.x, element.x + element.width / 2);
        EXPECT_FLOAT_EQ(upperRight.y, element.y + element.height / 2);
        EXPECT_FLOAT_EQ(lowerLeft.z, element.depth);
    }
}

TEST_F(GUIQueueTest, DrawsElementsInQueueOrderThenEmpties) {
    const GUIElement back{200, 100, 10, 20, 0, Lumaspace::TextureHandle{7}, 1.0f};
    const GUIElement front{50, 50, -5, 0, 0, Lumaspace::TextureHandle{9}, 0.25f};
    GUIQueue& queue = GUIQueue::GetInstance();
    queue.AddElement(&back);
    queue.AddElement(nullptr);
    queue.AddElement(&front);
    queue.Draw();

    const std::vector<RecordedCall> draws = GUIDraws();
    ASSERT_EQ(draws.size(), 2u);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const GUIElement& element = i == 0 ? back : front;
        EXPECT_EQ(draws[i].handle, element.texture.id);
        const glm::mat4 world = element.World();
        ASSERT_EQ(draws[i].values.size(), 17u);
        EXPECT_EQ(draws[i].values[0], world[0][0]);
        EXPECT_EQ(draws[i].values[12], element.x);
        EXPECT_EQ(draws[i].values[13], element.y);
        EXPECT_EQ(draws[i].values[16], element.opacity);
    }
    EXPECT_EQ(queue.ElementCount(), 0u);

    m_engine->ClearRecordedCalls();
    queue.Draw();
    EXPECT_TRUE(m_engine->GetRecordedCalls().empty());
}

TEST_F(GUIQueueTest, TextsFollowAllElementsAndEmptyWithThem) {
    GUIQueue& queue = GUIQueue::GetInstance();
    const GUIElement element{10, 10, 0, 0, 0, Lumaspace::TextureHandle{3}, 1.0f};
    // The queue only keeps and hands on text pointers, so two addresses stand in for text objects.
    alignas(8) static const unsigned char standIns[2][8] = {};
    const auto* first = reinterpret_cast<const TextObject*>(standIns[0]);
    const auto* second = reinterpret_cast<const TextObject*>(standIns[1]);
    std::vector<const TextObject*> drawn;
    std::size_t guiDrawsBeforeText = 0;
    queue.SetTextDrawer([&](const std::vector<const TextObject*>& texts) {
        drawn = texts;
        guiDrawsBeforeText = GUIDraws().size();
    });
    queue.AddText(first);
    queue.AddElement(&element);
    queue.AddText(second);
    queue.Draw();
    EXPECT_EQ(drawn, (std::vector<const TextObject*>{first, second}));
    EXPECT_EQ(guiDrawsBeforeText, 1u);
    EXPECT_EQ(queue.TextCount(), 0u);

    drawn.clear();
    queue.Draw();
    EXPECT_TRUE(drawn.empty()) << "an empty text list calls no text drawing";
}

TEST_F(GUIQueueTest, WithoutADrawerTextsGoToTheEngineAfterTheElementsInOneDraw) {
    GUIQueue& queue = GUIQueue::GetInstance();
    const GUIElement element{10, 10, 0, 0, 0, Lumaspace::TextureHandle{3}, 1.0f};
    TextObject score;
    TextObject name;
    score.CreateText(0xFF0700B6u, "3 - 2", 40, 0, 400);
    name.CreateText(0xFFFFFFFFu, "Kage", 20, -100, -50);
    name.colour = 0x80FFFFFFu;  // a colour written after creation counts at the next draw
    queue.AddText(&score);
    queue.AddElement(&element);
    queue.AddText(&name);
    m_engine->ClearRecordedCalls();
    queue.Draw();

    const std::vector<RecordedCall>& calls = m_engine->GetRecordedCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].operation, "RenderGUI");
    for (std::size_t i = 1; i <= 2; ++i) {
        const TextObject& text = i == 1 ? score : name;
        EXPECT_EQ(calls[i].operation, "AnalyzeText");
        EXPECT_EQ(calls[i].handle, text.GetLayout().id);
        const auto byte = [&text](int shift) { return static_cast<float>((text.colour >> shift) & 0xFFu); };
        EXPECT_EQ(calls[i].values, (std::vector<float>{text.GetDrawX(), text.GetDrawY(), byte(0), byte(8),
                                                       byte(16), byte(24), 0}));
    }
    EXPECT_EQ(calls[3].operation, "RenderTextGeometry");
    EXPECT_EQ(calls[3].values, (std::vector<float>{0x800}));
    EXPECT_EQ(m_engine->GetTextDrawCount(), 1u);

    // A frame with no text calls no text function.
    m_engine->ClearRecordedCalls();
    queue.AddElement(&element);
    queue.Draw();
    ASSERT_EQ(m_engine->GetRecordedCalls().size(), 1u);
    EXPECT_EQ(m_engine->GetRecordedCalls()[0].operation, "RenderGUI");
}

}  // namespace
