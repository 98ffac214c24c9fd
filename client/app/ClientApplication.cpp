// Start-up, the message loop and shutdown of the client.
#include "client/app/ClientApplication.h"

#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

#include "Lumagrid/GE.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Cursor.h"
#include "client/app/DebugLog.h"
#include "client/app/Input.h"
#include "client/app/MemoryUsage.h"
#include "client/app/QuitMessage.h"
#include "client/app/Settings.h"
#include "client/app/Timer.h"
#include "client/ui/DebugText.h"
#include "client/ui/GUIQueue.h"
#include "client/ui/TextureLibrary.h"
#include "client/world/Model.h"
#include "shared/FrameLog.h"
#include "shared/ModelLibrary.h"

using Lumaspace::GE;

namespace {

// The engine's last few diagnostics, oldest first: enough to say why it did not start.
std::string EngineReasons(GE& engine) {
    const auto& messages = engine.GetDiagnostics().Messages();
    constexpr std::size_t kShown = 6;
    const std::size_t first = messages.size() > kShown ? messages.size() - kShown : 0;
    std::string reasons;
    for (std::size_t i = first; i < messages.size(); ++i) {
        reasons += "\n" + messages[i];
    }
    return reasons.empty() ? std::string("\n(the engine gave no reason)") : reasons;
}

}  // namespace

ClientApplication::ClientApplication(ClientParts parts) : m_parts(std::move(parts)) {}

ClientApplication::~ClientApplication() {
    Shutdown();
}

void ClientApplication::Fail(const std::string& message) {
    m_startupFailed = true;
    if (m_parts.window) {
        m_parts.window->ShowError(message);
    }
}

bool ClientApplication::Initialize() {
    Settings& settings = Settings::GetInstance();
    settings.Load();
    m_settingsLoaded = true;

    m_currentState = m_parts.menuState.get();

    ClientGlobals& globals = ClientGlobals::GetInstance();
    WindowSystem& window = *m_parts.window;
    if (!window.Start()) {
        Fail("Ombrin cannot open its window: no display is available (" + window.LastError() + ").");
        return false;
    }
    SetQuitMessageTarget(&window);
    const ScreenSize screen = window.PrimaryScreen();
    globals.fullscreen = settings.fullscreen;
    globals.screenWidth = screen.width;
    globals.screenHeight = screen.height;
    globals.defaultWindowWidth = 1280;
    globals.defaultWindowHeight = 1024;
    globals.windowWidth = globals.fullscreen ? screen.width : globals.defaultWindowWidth;
    globals.windowHeight = globals.fullscreen ? screen.height : globals.defaultWindowHeight;
    globals.cameraFollowsMouse = !settings.camera;
    globals.localPlayerDead = false;
    globals.screenChanging = false;
    DebugLog::Write("Application initialized.");

    if (!window.Open(0, 0, globals.windowWidth, globals.windowHeight, globals.fullscreen)) {
        Fail("Ombrin cannot open its window: " + window.LastError());
        return false;
    }
    DebugLog::Write("Window created successfully.");
    DebugLog::Write("Window size: " + std::to_string(globals.windowWidth) + "x" +
                    std::to_string(globals.windowHeight));
    window.SetTitle(m_title);

    GE& engine = *GE::GetInstance();
    if (!window.StartEngine(engine, static_cast<float>(globals.windowWidth),
                            static_cast<float>(globals.windowHeight), static_cast<float>(globals.screenWidth),
                            static_cast<float>(globals.screenHeight), globals.fullscreen)) {
        Fail("Ombrin cannot start its graphics engine:" + EngineReasons(engine));
        return false;
    }
    m_loopReady = true;
    engine.SetClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    engine.SetSceneFog(0.0f, 500.0f, 0.01f);
    engine.SetShadowMapDimensions(static_cast<float>(globals.screenWidth),
                                  static_cast<float>(globals.screenHeight));
    engine.TurnOnAlphaBlending();
    engine.SetVsync(settings.vsync);
    globals.screenChanging = false;

    DebugLog::Write("Loading all textures...");
    TextureLibrary::GetInstance().LoadAll();
    DebugLog::Write("All textures loaded.");
    DebugLog::Write("Loading all models...");
    {
        // Every model of the models folder is made from this prototype, so each owns its engine resources.
        const Model prototype;
        ModelLibrary::GetInstance().LoadFolder(prototype);
    }
    DebugLog::Write("All models loaded.");
    m_lastFps = 0;

    m_timer = std::make_unique<Timer>();
    m_timer->Start();
    DebugLog::Write("Timer initialized successfully.");

    if (m_parts.sound && m_parts.sound->Initialize()) {
        DebugLog::Write("Sound initialized successfully.");
        SoundSystem* sound = m_parts.sound.get();
        sound->PlayMenuMusic();
        m_parts.playingState->SetSoundSystem(sound);
        m_parts.menuState->SetSoundSystem(sound);
        globals.soundEnabled = !settings.mute;
        sound->MuteAll(settings.mute);
    } else {
        DebugLog::Write("Sound Initialize failed.");
        if (m_parts.sound) {
            // The client runs silent on a sound system that does nothing; the player learns why on the
            // console whatever the build.
            const std::string reason = m_parts.sound->LastError();
            DebugLog::Write(reason);
            std::fprintf(stderr, "Sound Initialize failed. %s\n", reason.c_str());
        }
    }

    m_currentState->Initialize();

    DebugLog::Write("Registering all input keys...");
    Input& input = Input::GetInstance();
    input.Initialize();
    input.RegisterGameKeys();
    DebugLog::Write("Input keys registered.");

    if (m_parts.network) {
        m_parts.network->Initialize();
    }
    DebugLog::Write("Network initialized successfully.");

    m_cursor = std::make_unique<Cursor>();
    if (!m_cursor->Initialize(window)) {
        return false;
    }
    m_memoryUsage = std::make_unique<MemoryUsage>();
    m_debugText = std::make_unique<DebugText>();
    if (!m_debugText->Initialize(globals.windowWidth, globals.windowHeight)) {
        DebugLog::Write("Debug text Initialize failed.");
        return false;
    }
    if (m_parts.deathBoard && !m_parts.deathBoard->Initialize(static_cast<float>(globals.windowWidth),
                                                              static_cast<float>(globals.windowHeight))) {
        return false;
    }
    // Until ambient occlusion is drawn, the composition reads a target that occludes nothing.
    engine.ClearSSAO();
    return true;
}

bool ClientApplication::OpenFrameLog(const std::string& path) {
    auto log = std::make_unique<FrameLog>();
    if (!log->Open(path)) {
        return false;
    }
    m_frameLog = std::move(log);
    return true;
}

int ClientApplication::Run() {
    if (m_loopReady) {
        std::vector<WindowEvent> events;
        bool quit = false;
        while (!quit) {
            if (m_parts.window->PollEvent(events)) {
                for (const WindowEvent& event : events) {
                    Input::GetInstance().HandleMessage(event);
                    quit = quit || event.type == WindowEvent::Type::Quit;
                }
            } else {
                const auto start = std::chrono::steady_clock::now();
                Update();
                if (!ClientGlobals::GetInstance().screenChanging) {
                    Render();
                }
                Input::GetInstance().EndFrame();
                if (m_frameLog) {
                    const std::chrono::duration<double> busy = std::chrono::steady_clock::now() - start;
                    m_frameLog->Record(ClientGlobals::GetInstance().deltaTime, busy.count());
                }
            }
        }
    }
    Shutdown();
    return m_loopReady ? 0 : 1;
}

// The order matters: the settings are saved before anything else can fail; the states, which point to the
// sound system, go before it; textures are released while the engine is still up; the window closes last.
void ClientApplication::Shutdown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;

    if (m_settingsLoaded) {
        Settings::GetInstance().Save();
    }
    Input::Shutdown();
    if (m_parts.network) {
        m_parts.network->Shutdown();
    }

    m_currentState = nullptr;
    for (std::unique_ptr<GameState>* state :
         {&m_parts.menuState, &m_parts.playingState, &m_parts.chooseState}) {
        if (*state) {
            (*state)->Shutdown();
            state->reset();
        }
    }
    if (m_parts.sound) {
        m_parts.sound->Shutdown();
        m_parts.sound.reset();
    }

    m_cursor.reset();
    GUIQueue::Shutdown();
    TextureLibrary::Shutdown();
    m_timer.reset();
    // Text objects give their layouts back to the engine, so the overlay goes while the engine is up.
    if (m_debugText) {
        m_debugText->Shutdown();
        m_debugText.reset();
    }
    if (m_parts.deathBoard) {
        m_parts.deathBoard->Shutdown();
    }
    if (m_parts.particles) {
        m_parts.particles->Shutdown();
    }
    if (m_parts.trails) {
        m_parts.trails->Shutdown();
    }
    // Models give their buffers and textures back to the engine, so the library is emptied while it is up.
    ModelLibrary::GetInstance().Clear();
    GE::GetInstance()->Shutdown();
    m_memoryUsage.reset();
    if (m_frameLog) {
        m_frameLog->Close();
    }
    Settings::Shutdown();

    SetQuitMessageTarget(nullptr);
    if (m_parts.window) {
        m_parts.window->Close();
        m_parts.window.reset();
    }
}
