// The three states as they stand: Shutdown is safe before any Initialize and twice in a row (the
// application shuts the lobby and the match down before every entry and all three at exit), a state can be
// entered again after it, and Escape in the menu ends the program.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "client/app/ChooseState.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Input.h"
#include "client/app/MenuState.h"
#include "client/app/PlayingState.h"
#include "client/app/QuitMessage.h"
#include "client/app/VirtualKeys.h"
#include "client/app/tests/RecordingParts.h"
#include "client/app/tests/ScriptedWindow.h"
#include "client/net/ClientNetwork.h"
#include "shared/DataPaths.h"

namespace ombrin::test {
namespace {

template <class State>
void ShutdownIsSafeAnyTime(const char* defaultLevel, const char* level = "../Ombrin/Levels/Arena.ZMDL") {
    ClientNetwork network;
    State state(network);
    state.Shutdown();  // never entered
    EXPECT_FALSE(state.IsInitialized());
    ASSERT_TRUE(state.Initialize(level));
    EXPECT_EQ(state.LevelName(), level);
    state.Shutdown();
    state.Shutdown();
    EXPECT_FALSE(state.IsInitialized());
    EXPECT_EQ(state.LevelName(), "");
    GameState& base = state;
    ASSERT_TRUE(base.Initialize());
    EXPECT_EQ(state.IsInitialized(), defaultLevel != nullptr);
    if (defaultLevel != nullptr) {
        EXPECT_EQ(state.LevelName(), defaultLevel);
    }
    EXPECT_EQ(base.Update(0.016), NO_CHANGE);
}

TEST(GameStatesTest, ShutdownIsSafeBeforeEntryAndTwice) {
    const struct {
        const char* name;
        std::function<void()> check;
    } cases[] = {
        {"menu", [] { ShutdownIsSafeAnyTime<MenuState>("../Ombrin/Levels/NightTimeArena.ZMDL"); }},
        {"lobby", [] { ShutdownIsSafeAnyTime<ChooseState>("../Ombrin/Levels/NightTimeArena.ZMDL"); }},
        // The match is only ever entered with the server's level, and a level without objects fails it.
        {"match", [] { ShutdownIsSafeAnyTime<PlayingState>(nullptr, kDefaultLevel); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.check();
    }
}

TEST(GameStatesTest, EscapeInTheMenuPostsTheQuitMessage) {
    ScriptedWindow window(std::make_shared<Journal>());
    SetQuitMessageTarget(&window);
    ClientNetwork network;
    MenuState menu(network);
    menu.Initialize();
    menu.EscapeIsPressed();
    SetQuitMessageTarget(nullptr);

    std::vector<WindowEvent> events;
    ASSERT_TRUE(window.PollEvent(events));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, WindowEvent::Type::Quit);
}

// M mutes and unmutes for the session; the saved setting is not touched.
TEST(GameStatesTest, MInTheMatchSwitchesTheSoundOffAndOn) {
    const auto journal = std::make_shared<Journal>();
    RecordingSound sound(journal, true);
    ClientNetwork network;
    PlayingState match(network);
    match.SetSoundSystem(&sound);
    ASSERT_TRUE(match.Initialize(kDefaultLevel));
    Input& input = Input::GetInstance();
    input.Initialize();
    input.RegisterGameKeys();
    ClientGlobals::GetInstance().soundEnabled = true;
    const int m = VirtualKey::ForCharacter('m');
    for (bool enabledAfter : {false, true}) {
        input.HandleMessage(WindowEvent{WindowEvent::Type::KeyDown, m, 0, 0});
        match.Update(0.016);
        input.EndFrame();
        EXPECT_EQ(journal->Entries().size(), enabledAfter ? 1u : 0u) << "nothing while the key is held";
        input.HandleMessage(WindowEvent{WindowEvent::Type::KeyUp, m, 0, 0});
        match.Update(0.016);
        input.EndFrame();
        EXPECT_EQ(ClientGlobals::GetInstance().soundEnabled, enabledAfter);
        ASSERT_FALSE(journal->Entries().empty());
        EXPECT_EQ(journal->Entries().back(), enabledAfter ? "sound.MuteAll 0" : "sound.MuteAll 1");
    }
    match.SetSoundSystem(nullptr);
    Input::Shutdown();
}

}  // namespace
}  // namespace ombrin::test
