// The message loop and one frame on the null engine: one message per pass and a frame only when the queue is
// empty, the render order, Escape in each state, and the state switches.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <vector>

#include "client/app/ClientApplication.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Cursor.h"
#include "client/app/Input.h"
#include "client/app/MenuState.h"
#include "client/app/VirtualKeys.h"
#include "client/app/tests/AppFixture.h"
#include "client/ui/GUIQueue.h"

namespace ombrin::test {
namespace {

using Strings = std::vector<std::string>;
using Type = WindowEvent::Type;

WindowEvent Key(Type type, int code) {
    return WindowEvent{type, code, 0, 0};
}

class ClientFrameTest : public AppFixture {
protected:
    // An application on recording parts whose window follows the script written by script().
    template <class Script>
    RecordedParts Parts(Script script) {
        auto window = std::make_unique<ScriptedWindow>(m_journal);
        script(*window);
        RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
        recorded.parts.sound = std::make_unique<RecordingSound>(m_journal, true);
        recorded.parts.network =
            std::make_unique<RecordingNetwork>(m_journal, "../Ombrin/Levels/Server.ZMDL");
        return recorded;
    }

    // The journal from the first frame up to the shutdown.
    Strings Frames() const {
        Strings entries = m_journal->From("menu.Update");
        const auto end = std::find(entries.begin(), entries.end(), "<settings saved>");
        return Strings(entries.begin(), end);
    }
};

TEST_F(ClientFrameTest, TakesOneMessagePerPassAndRunsAFrameWhenTheQueueIsEmpty) {
    RecordedParts recorded = Parts([](ScriptedWindow& window) {
        window.Message(WindowEvent{Type::MouseMove, 0, 10, 20})
            .Message(std::vector<WindowEvent>{})  // a platform event the client ignores
            .Message(WindowEvent{Type::Character, 'x', 0, 0})
            .Frames(1)
            .Message(Key(Type::KeyDown, 'W'))
            .Frames(2)
            .Quit();
    });
    Strings seen;
    recorded.menu->onUpdate = [&] {
        const Input& input = Input::GetInstance();
        seen.push_back(std::to_string(input.GetMouseX()) + "," + std::to_string(input.GetMouseY()) +
                       " char " + std::to_string(input.GetTypedCharacter()) + " W " +
                       std::to_string(input.GetKeyState('W')));
    };
    ClientApplication application(std::move(recorded.parts));
    ASSERT_TRUE(application.Initialize());
    m_journal->Clear();
    EXPECT_EQ(application.Run(), 0);

    const Strings entries = m_journal->Entries();
    const Strings loop(entries.begin(), std::find(entries.begin(), entries.end(), "<settings saved>"));
    EXPECT_EQ(loop, (Strings{"message", "message", "message", "menu.Update", "menu.Render", "message",
                             "menu.Update", "menu.Render", "menu.Update", "menu.Render", "message"}));
    // Each frame sees every message before it; the typed character lasts one frame.
    EXPECT_EQ(seen, (Strings{"10,20 char 120 W 2", "10,20 char 0 W 0", "10,20 char 0 W 0"}));
}

TEST_F(ClientFrameTest, WhileTheScreenIsChangingFramesUpdateButDoNotRender) {
    RecordedParts recorded = Parts([](ScriptedWindow& window) { window.Frames(3).Quit(); });
    int updates = 0;
    recorded.menu->onUpdate = [&] { ClientGlobals::GetInstance().screenChanging = ++updates == 2; };
    ClientApplication application(std::move(recorded.parts));
    ASSERT_TRUE(application.Initialize());
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(Frames(), (Strings{"menu.Update", "menu.Render", "menu.Update", "menu.Update", "menu.Render",
                                 "message"}));
    ClientGlobals::GetInstance().screenChanging = false;
}

TEST_F(ClientFrameTest, RendersTheStateThenTheQueueThenTheCursorAndPresents) {
    struct Case {
        const char* name;
        bool visible;
        bool enabled;
    };
    for (const Case& c : {Case{"cursor shown", true, true}, Case{"cursor hidden", false, true},
                          Case{"cursor disabled", true, false}}) {
        SCOPED_TRACE(c.name);
        std::vector<Lumaspace::RecordedCall> calls;
        RecordedParts recorded = Parts([&](ScriptedWindow& window) {
            window.Frames(1).Then([&] { calls = Lumaspace::GE::GetInstance()->GetRecordedCalls(); }).Quit();
        });
        const GUIElement queued{20, 20, 0, 0, 0, Lumaspace::TextureHandle{}, 1.0f};
        recorded.menu->onUpdate = [] { Lumaspace::GE::GetInstance()->ClearRecordedCalls(); };
        recorded.menu->onRender = [&] {
            Lumaspace::GE::GetInstance()->ResetRenderTarget();  // stands for the state's passes
            GUIQueue::GetInstance().AddElement(&queued);
        };
        ClientApplication application(std::move(recorded.parts));
        ASSERT_TRUE(application.Initialize());
        application.GetCursor()->visible = c.visible;
        application.GetCursor()->enabled = c.enabled;
        EXPECT_EQ(application.Run(), 0);

        Strings names;
        for (const Lumaspace::RecordedCall& call : calls) {
            names.push_back(call.operation);
        }
        Strings expected = {"Clear",
                            "ResetRenderTarget",
                            "TurnOnAlphaBlending",
                            "SetDepthStateForParticles",
                            "TurnOffDepthStencil",
                            "PrepareRenderGUI",
                            "RenderGUI"};
        if (c.visible && c.enabled) {
            expected.push_back("RenderGUI");
        }
        for (const char* last : {"TurnOffAlphaBlending", "TurnOnDepthStencil", "Present"}) {
            expected.push_back(last);
        }
        EXPECT_EQ(names, expected);
        if (c.visible && c.enabled) {
            EXPECT_EQ(calls[7].values.at(14), 1.0f) << "the cursor lies at depth 1, after the queue";
        }
    }
}

TEST_F(ClientFrameTest, EscapeActsOnceOnReleaseInEveryState) {
    struct Case {
        const char* name;
        std::deque<GameStateSwitch> menuSwitches;  // how the state is reached before Escape
        std::deque<GameStateSwitch> chooseSwitches;
        Strings escapes;
        const char* stateAfter;
    };
    const Case cases[] = {
        {"menu", {}, {}, {"menu.EscapeIsPressed"}, "menu"},
        {"lobby: leaves it and pops the menu page in the same frame",
         {CHOOSE_STATE},
         {},
         {"choose.EscapeIsPressed", "menu.EscapeIsPressed"},
         "menu"},
        {"match", {CHOOSE_STATE}, {PLAYING_STATE}, {"playing.EscapeIsPressed"}, "playing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_journal->Clear();
        ClientApplication* running = nullptr;
        GameState* stateAfter = nullptr;
        RecordedParts recorded = Parts([&](ScriptedWindow& window) {
            window.Frames(2)
                .Message(Key(Type::KeyDown, VirtualKey::kEscape))
                .Frames(2)
                .Message(Key(Type::KeyUp, VirtualKey::kEscape))
                .Frames(2)
                .Then([&] { stateAfter = running->CurrentState(); })
                .Quit();
        });
        recorded.menu->switches = c.menuSwitches;
        recorded.choose->switches = c.chooseSwitches;
        ClientApplication application(std::move(recorded.parts));
        running = &application;
        ASSERT_TRUE(application.Initialize());
        const std::map<std::string, GameState*> states = {
            {"menu", recorded.menu}, {"choose", recorded.choose}, {"playing", recorded.playing}};
        EXPECT_EQ(application.Run(), 0);

        Strings escapes;
        for (const std::string& entry : m_journal->Entries()) {
            if (entry.find("EscapeIsPressed") != std::string::npos) {
                escapes.push_back(entry);
            }
        }
        EXPECT_EQ(escapes, c.escapes);
        EXPECT_EQ(stateAfter, states.at(c.stateAfter));
    }
}

TEST_F(ClientFrameTest, SwitchesRebuildTheTargetWithTheServersLevel) {
    ClientApplication* running = nullptr;
    Strings cursorSizes;
    const auto noteCursor = [&] {
        cursorSizes.push_back(std::to_string(running->GetCursor()->Quad().width));
    };
    RecordedParts recorded = Parts([&](ScriptedWindow& window) {
        window.Frames(1).Then(noteCursor).Frames(1).Then(noteCursor).Frames(1).Then(noteCursor).Quit();
    });
    recorded.menu->switches = {CHOOSE_STATE};
    recorded.choose->switches = {PLAYING_STATE};
    recorded.playing->switches = {MENU_STATE};
    ClientApplication application(std::move(recorded.parts));
    running = &application;
    ASSERT_TRUE(application.Initialize());
    EXPECT_EQ(application.Run(), 0);

    const std::string level = "../Ombrin/Levels/Server.ZMDL";
    EXPECT_EQ(Frames(),
              (Strings{"menu.Update", "choose.Shutdown", "choose.Initialize(" + level + ")",
                       "network.EnterState lobby with sound", "choose.Render", "choose.Update",
                       "playing.Shutdown", "sound used by playing", "playing.Initialize(" + level + ")",
                       "network.EnterState match with sound", "sound.StopMenuMusic", "playing.Render",
                       "playing.Update", "menu.EscapeIsPressed", "menu.Render", "message"}));
    EXPECT_EQ(cursorSizes, (Strings{"100.000000", "62.500000", "100.000000"}));
}

// The server's sounds are played in every state, before the events no reader took are dropped; a client that
// has no sound system only drops them. A sound system that failed to start still takes them (and does
// nothing).
TEST_F(ClientFrameTest, EveryFramePlaysTheServersSoundsBeforeTheUnreadEventsGo) {
    struct Case {
        const char* name;
        bool soundSystem;
        bool starts;
        Strings steps;
    };
    const Case cases[] = {
        {"with sound", true, true, {"sounds", "drop", "sounds", "drop", "sounds", "drop"}},
        {"sound failed to start", true, false, {"sounds", "drop", "sounds", "drop", "sounds", "drop"}},
        {"no sound system", false, false, {"drop", "drop", "drop"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = std::make_unique<ScriptedWindow>(m_journal);
        window->Frames(3).Quit();
        RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
        if (c.soundSystem) {
            recorded.parts.sound = std::make_unique<RecordingSound>(m_journal, c.starts);
        }
        auto network = std::make_unique<RecordingNetwork>(m_journal, "../Ombrin/Levels/Server.ZMDL");
        RecordingNetwork* session = network.get();
        recorded.parts.network = std::move(network);
        recorded.menu->switches = {CHOOSE_STATE};
        recorded.choose->switches = {PLAYING_STATE};
        ClientApplication application(std::move(recorded.parts));
        ASSERT_TRUE(application.Initialize());
        application.Run();
        EXPECT_EQ(session->eventSteps, c.steps);
    }
}

}  // namespace
}  // namespace ombrin::test
