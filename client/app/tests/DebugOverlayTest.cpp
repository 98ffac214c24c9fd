// The debug overlay in the application's frame: F1 and F2, when let go, switch the performance and the
// network lines, which are then drawn with the frame's texts.
#include <gtest/gtest.h>

#include "client/app/ClientApplication.h"
#include "client/app/VirtualKeys.h"
#include "client/app/tests/AppFixture.h"
#include "client/ui/DebugText.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextObject.h"

namespace ombrin::test {
namespace {

using Type = WindowEvent::Type;
using DebugOverlayTest = AppFixture;

TEST_F(DebugOverlayTest, F1AndF2SwitchTheirLinesWhenLetGo) {
    ClientApplication* app = nullptr;
    std::vector<std::string> drawn;  // the texts of the last frame
    struct Seen {
        bool performance;
        bool network;
        std::size_t texts;
    };
    std::vector<Seen> seen;
    const auto note = [&] {
        seen.push_back(
            Seen{app->GetDebugText()->PerformanceShown(), app->GetDebugText()->NetworkShown(), drawn.size()});
    };
    auto window = std::make_unique<ScriptedWindow>(m_journal);
    window->Frames(1)
        .Then(note)
        .Message(WindowEvent{Type::KeyDown, VirtualKey::kF1, 0, 0})
        .Frames(1)
        .Then(note)  // held: nothing yet
        .Message(WindowEvent{Type::KeyUp, VirtualKey::kF1, 0, 0})
        .Frames(2)
        .Then(note)
        .Message(WindowEvent{Type::KeyDown, VirtualKey::kF2, 0, 0})
        .Message(WindowEvent{Type::KeyUp, VirtualKey::kF2, 0, 0})
        .Frames(1)
        .Then(note)
        .Message(WindowEvent{Type::KeyDown, VirtualKey::kF1, 0, 0})
        .Message(WindowEvent{Type::KeyUp, VirtualKey::kF1, 0, 0})
        .Frames(1)
        .Then(note)
        .Quit();
    RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
    recorded.parts.network = std::make_unique<RecordingNetwork>(m_journal, "level");
    recorded.menu->onUpdate = [&] { drawn.clear(); };
    ClientApplication application(std::move(recorded.parts));
    app = &application;
    ASSERT_TRUE(application.Initialize());
    GUIQueue::GetInstance().SetTextDrawer([&](const std::vector<const TextObject*>& texts) {
        for (const TextObject* text : texts) {
            drawn.push_back(text->GetText());
        }
    });
    EXPECT_EQ(application.Run(), 0);

    ASSERT_EQ(seen.size(), 5u);
    const Seen expected[] = {
        {false, false, 0}, {false, false, 0}, {true, false, 3}, {true, true, 7}, {false, true, 4}};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].performance, expected[i].performance);
        EXPECT_EQ(seen[i].network, expected[i].network);
        EXPECT_EQ(seen[i].texts, expected[i].texts);
    }
}

}  // namespace
}  // namespace ombrin::test
