// The application's start-up and shutdown on the null engine with a scripted window: the order of every
// step, what the settings decide, a client without sound, and the start-up failures that stop the client.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "client/app/ClientApplication.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Cursor.h"
#include "client/app/Input.h"
#include "client/app/Settings.h"
#include "client/app/tests/AppFixture.h"
#include "client/ui/TextureLibrary.h"

namespace ombrin::test {
namespace {

using Strings = std::vector<std::string>;

using ClientStartupTest = AppFixture;

TEST_F(ClientStartupTest, StartsEveryPartInOrder) {
    struct Case {
        const char* name;
        const char* settingsFile;  // null: no file
        Strings window;            // the window's journal entries
        const char* vsync;
        const char* mute;
        bool soundEnabled;
        bool cameraFollowsMouse;
        int windowWidth;
        int windowHeight;
    };
    const Case cases[] = {
        {"first start: defaults, windowed at 1280 x 1024",
         nullptr,
         {"window.Start", "window.Open 0,0 1280x1024 windowed", "window.SetTitle Ombrin",
          "window.StartEngine 1280x1024 1920x1080"},
         "0",
         "sound.MuteAll 0",
         true,
         true,
         1280,
         1024},
        {"fullscreen, vsync, mute and the fixed camera from the file",
         "Kei\n\n1\n1\n1\n1\n1\n1\n1\n0\n",
         {"window.Start", "window.Open 0,0 1920x1080 fullscreen", "window.SetTitle Ombrin",
          "window.StartEngine 1920x1080 1920x1080"},
         "1",
         "sound.MuteAll 1",
         false,
         false,
         1920,
         1080},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(m_layout.Data());
        if (c.settingsFile != nullptr) {
            ASSERT_TRUE(WriteFile(SettingsFile(), c.settingsFile));
        }
        ASSERT_TRUE(WritePng(CursorPicture(), 8, 8, [](int, int) { return Rgba{255, 0, 255, 255}; }));
        m_journal->Clear();
        m_log.clear();

        auto window = std::make_unique<ScriptedWindow>(m_journal);
        window->Quit();
        RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
        auto sound = std::make_unique<RecordingSound>(m_journal, true);
        SoundSystem* soundSystem = sound.get();
        recorded.parts.sound = std::move(sound);
        recorded.parts.network = std::make_unique<RecordingNetwork>(m_journal, "level");
        ClientApplication application(std::move(recorded.parts));
        ASSERT_TRUE(application.Initialize());

        Strings expected = c.window;
        for (const char* later : {"sound.Initialize", "sound.PlayMenuMusic", c.mute, "menu.Initialize()",
                                  "network.Initialize", "window.HideSystemCursor"}) {
            expected.push_back(later);
        }
        EXPECT_EQ(m_journal->Entries(), expected);
        const std::string size =
            "Window size: " + std::to_string(c.windowWidth) + "x" + std::to_string(c.windowHeight);
        EXPECT_EQ(m_log, (Strings{"Application initialized.", "Window created successfully.", size,
                                  "Loading all textures...", "All textures loaded.", "Loading all models...",
                                  "All models loaded.", "Timer initialized successfully.",
                                  "Sound initialized successfully.", "Registering all input keys...",
                                  "Input keys registered.", "Network initialized successfully."}));

        // The engine: started, cleared to black, the scene's fog and the shadow map's size (the screen's),
        // blending on, vsync from the settings, then the textures (this layout has no models); ambient
        // occlusion starts cleared.
        EXPECT_EQ(EngineCalls(),
                  (Strings{"Initialize", "SetClearColor", "SetSceneFog", "SetShadowMapDimensions",
                           "TurnOnAlphaBlending", "SetVsync", "Create2DTexture", "ClearSSAO"}));
        const auto& calls = Lumaspace::GE::GetInstance()->GetRecordedCalls();
        EXPECT_EQ(calls[1].values, (std::vector<float>{0, 0, 0, 1}));
        EXPECT_EQ(calls[2].values, (std::vector<float>{0, 500, 0.01f}));
        EXPECT_EQ(calls[3].values, (std::vector<float>{1920, 1080}));
        EXPECT_EQ(calls[5].values.at(0), c.vsync[0] == '1' ? 1.0f : 0.0f);

        const ClientGlobals& globals = ClientGlobals::GetInstance();
        EXPECT_EQ(globals.windowWidth, c.windowWidth);
        EXPECT_EQ(globals.windowHeight, c.windowHeight);
        EXPECT_EQ(globals.screenWidth, 1920);
        EXPECT_EQ(globals.screenHeight, 1080);
        EXPECT_EQ(globals.soundEnabled, c.soundEnabled);
        EXPECT_EQ(globals.cameraFollowsMouse, c.cameraFollowsMouse);
        EXPECT_FALSE(globals.localPlayerDead);

        // The menu and the match get the sound system at start-up; the lobby gets it only through the
        // network.
        EXPECT_EQ(recorded.menu->GetSoundSystem(), soundSystem);
        EXPECT_EQ(recorded.playing->GetSoundSystem(), soundSystem);
        EXPECT_EQ(recorded.choose->GetSoundSystem(), nullptr);
        EXPECT_EQ(application.CurrentState(), recorded.menu);

        Strings keys;
        for (const Input::KeyEntry& key : Input::GetInstance().Keys()) {
            keys.push_back(std::to_string(key.code));
        }
        EXPECT_EQ(keys, (Strings{"87", "65", "83", "68", "81", "69", "76",  "86",  "82", "79", "77",
                                 "38", "37", "40", "39", "27", "9",  "112", "113", "32", "17"}));

        ASSERT_NE(application.GetCursor(), nullptr);
        const GUIElement& quad = application.GetCursor()->Quad();
        EXPECT_TRUE(quad.texture);
        EXPECT_EQ(quad.texture, TextureLibrary::GetInstance().GetTexture(Cursor::kTexture));
        EXPECT_EQ(quad.width, 100.0f);
        EXPECT_EQ(quad.depth, 1.0f);

        EXPECT_EQ(application.Run(), 0);
    }
}

TEST_F(ClientStartupTest, WithoutASoundSystemStartUpLogsItAndGoesOn) {
    for (bool soundSystemMissing : {true, false}) {
        SCOPED_TRACE(soundSystemMissing ? "no sound system" : "sound system fails to start");
        m_log.clear();
        m_journal->Clear();
        auto window = std::make_unique<ScriptedWindow>(m_journal);
        window->Frames(1).Quit();
        RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
        if (!soundSystemMissing) {
            recorded.parts.sound = std::make_unique<RecordingSound>(m_journal, false);
        }
        ClientApplication application(std::move(recorded.parts));
        EXPECT_TRUE(application.Initialize());
        EXPECT_FALSE(application.StartupFailed());
        EXPECT_NE(std::find(m_log.begin(), m_log.end(), "Sound Initialize failed."), m_log.end());
        if (!soundSystemMissing) {
            EXPECT_NE(std::find(m_log.begin(), m_log.end(), RecordingSound::kFailure), m_log.end())
                << "the sound system's reason follows";
        }
        EXPECT_EQ(std::find(m_log.begin(), m_log.end(), "Sound initialized successfully."), m_log.end());
        EXPECT_EQ(recorded.menu->GetSoundSystem(), nullptr);
        EXPECT_EQ(recorded.playing->GetSoundSystem(), nullptr);
        EXPECT_EQ(application.Run(), 0);
        const Strings entries = m_journal->Entries();
        EXPECT_NE(std::find(entries.begin(), entries.end(), "menu.Initialize()"), entries.end());
        EXPECT_NE(std::find(entries.begin(), entries.end(), "menu.Update"), entries.end());
    }
}

// The states still hold the sound system when the application shuts down, and the settings are the one
// thing a later failure must not lose: settings first, then the states, then the sound system.
TEST_F(ClientStartupTest, ShutdownSavesFirstAndEndsTheStatesBeforeTheSoundSystem) {
    auto window = std::make_unique<ScriptedWindow>(m_journal);
    window->Frames(1).Quit();
    RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
    recorded.parts.sound = std::make_unique<RecordingSound>(m_journal, true);
    recorded.parts.network = std::make_unique<RecordingNetwork>(m_journal, "level");
    ClientApplication application(std::move(recorded.parts));
    ASSERT_TRUE(application.Initialize());
    ASSERT_FALSE(std::filesystem::exists(SettingsFile())) << "the file is written only at exit";
    EXPECT_EQ(application.Run(), 0);

    EXPECT_EQ(m_journal->From("<settings saved>"),
              (Strings{"<settings saved>", "network.Shutdown", "menu.Shutdown", "sound used by menu",
                       "menu.destroyed", "playing.Shutdown", "sound used by playing", "playing.destroyed",
                       "choose.Shutdown", "choose.destroyed", "sound.Shutdown", "sound.destroyed",
                       "window.Close"}));
    const std::string saved = ReadFile(SettingsFile());
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 10);

    application.Shutdown();
    EXPECT_EQ(m_journal->Entries().back(), "window.Close") << "a second shutdown does nothing";
}

TEST_F(ClientStartupTest, NoWindowOrNoEngineStopsTheClientWithAMessage) {
    struct Case {
        const char* name;
        ScriptedWindow::Options options;
        const char* message;   // the start of what the player is told
        const char* lastStep;  // the last start-up step taken
    };
    const Case cases[] = {
        {"no display",
         {true, false, {1920, 1080}, {}},
         "Ombrin cannot open its window: no display",
         "window.Start"},
        {"window refused",
         {false, true, {1920, 1080}, {}},
         "Ombrin cannot open its window: scripted failure",
         "window.Open 0,0 1280x1024 windowed"},
        {"engine refuses",
         {false, false, {0, 0}, {}},
         "Ombrin cannot start its graphics engine:\nThe window and screen sizes given to Initialize must be "
         "at least 1 x 1.",
         "window.StartEngine 1280x1024 0x0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_journal->Clear();
        std::filesystem::remove(SettingsFile());
        auto window = std::make_unique<ScriptedWindow>(m_journal, c.options);
        ScriptedWindow* scripted = window.get();
        window->Frames(3).Quit();
        RecordedParts recorded = MakeRecordedParts(m_journal, std::move(window));
        ClientApplication application(std::move(recorded.parts));
        EXPECT_FALSE(application.Initialize());
        EXPECT_TRUE(application.StartupFailed());
        ASSERT_EQ(scripted->Errors().size(), 1u);
        EXPECT_EQ(scripted->Errors()[0].rfind(c.message, 0), 0u) << scripted->Errors()[0];

        EXPECT_EQ(application.Run(), 1);
        const Strings entries = m_journal->Entries();
        const auto failed = std::find(entries.begin(), entries.end(), c.lastStep);
        ASSERT_NE(failed, entries.end());
        // No frame ran and no state was entered; shutdown still ran and kept the settings.
        EXPECT_EQ(*(failed + 1), "window.ShowError");
        EXPECT_EQ(std::find(entries.begin(), entries.end(), "menu.Update"), entries.end());
        EXPECT_EQ(std::find(entries.begin(), entries.end(), "menu.Initialize()"), entries.end());
        EXPECT_EQ(entries.back(), "window.Close");
        EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
    }
}

}  // namespace
}  // namespace ombrin::test
