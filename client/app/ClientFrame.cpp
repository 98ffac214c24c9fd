// One frame of the client: the update order, state switches, Escape, and the render order.
#include "Lumagrid/GE.h"
#include "client/app/ClientApplication.h"
#include "client/app/ClientGlobals.h"
#include "client/app/Cursor.h"
#include "client/app/Input.h"
#include "client/app/MemoryUsage.h"
#include "client/app/Timer.h"
#include "client/app/VirtualKeys.h"
#include "client/ui/DebugText.h"
#include "client/ui/GUIQueue.h"
#include "shared/NetworkLogger.h"

using Lumaspace::GE;

void ClientApplication::Update() {
    ClientGlobals& globals = ClientGlobals::GetInstance();
    m_timer->Update();
    globals.deltaTime = m_timer->deltaTime;

    const WindowRects rects = m_parts.window->Rects();
    globals.borderWidth = static_cast<float>(rects.outerWidth - rects.clientWidth) * 0.5f;
    globals.captionHeight =
        static_cast<float>(rects.outerHeight - rects.clientHeight) - 2.0f * globals.borderWidth;

    if (m_timer->fps != m_lastFps) {
        globals.fpsText = std::to_string(m_timer->fps);
        m_lastFps = m_timer->fps;
    }

    SwitchState(m_currentState->Update(globals.deltaTime));

    if (m_parts.sound) {
        if (m_parts.network) {
            m_parts.network->PlayServerSounds(*m_parts.sound);
        }
        m_parts.sound->Update();
    }
    m_cursor->Update();
    if (m_parts.network) {
        // The current state has had its turn at the server's events: what is left goes before the next
        // receive, so that nothing received in one state reaches the next.
        m_parts.network->DropUnreadEvents();
        m_parts.network->Update(globals.deltaTime);
    }
    HandleEscape();
    if (m_memoryUsage) {
        m_memoryUsage->Update();
    }
    UpdateDebugText();
}

// F1 switches the performance lines and F2 the network lines, each when the key is let go.
void ClientApplication::UpdateDebugText() {
    if (!m_debugText) {
        return;
    }
    const ClientGlobals& globals = ClientGlobals::GetInstance();
    m_debugText->Resize(globals.windowWidth, globals.windowHeight);
    const Input& input = Input::GetInstance();
    DebugReadings readings;
    readings.framesPerSecond = m_timer->fps;
    readings.workingSetMegabytes = m_memoryUsage ? m_memoryUsage->workingSetMegabytes : 0;
    readings.averagePingMs = m_parts.network ? m_parts.network->AveragePing() : 0;
    const TrafficReport& traffic = NetworkLogger::lastReport;
    readings.inBytesPerSecond = traffic.inBytesPerSecond;
    readings.outBytesPerSecond = traffic.outBytesPerSecond;
    readings.inMessageTable = traffic.inMessageTable;
    readings.outMessageTable = traffic.outMessageTable;
    readings.togglePerformance = input.GetKeyState(VirtualKey::kF1) == KEY_RELEASED;
    readings.toggleNetwork = input.GetKeyState(VirtualKey::kF2) == KEY_RELEASED;
    m_debugText->Update(readings);
}

void ClientApplication::SwitchState(GameStateSwitch target) {
    SoundSystem* sound = m_parts.sound.get();
    const std::string levelName = m_parts.network ? m_parts.network->LevelName() : std::string();
    switch (target) {
        case MENU_STATE:
            m_currentState = m_parts.menuState.get();
            m_parts.menuState->EscapeIsPressed();
            m_cursor->SetSize(m_cursor->normalSize);
            break;
        case CHOOSE_STATE:
            m_currentState = m_parts.chooseState.get();
            m_parts.chooseState->Shutdown();
            m_parts.chooseState->Initialize(levelName);
            if (m_parts.network) {
                m_parts.network->EnterState(*m_parts.chooseState, sound, true);
            }
            m_cursor->SetSize(m_cursor->normalSize);
            break;
        case PLAYING_STATE:
            m_parts.playingState->SetSoundSystem(sound);
            m_currentState = m_parts.playingState.get();
            m_parts.playingState->Shutdown();
            m_parts.playingState->Initialize(levelName);
            if (m_parts.network) {
                m_parts.network->EnterState(*m_parts.playingState, sound, false);
            }
            if (sound != nullptr) {
                sound->StopMenuMusic();
            }
            m_cursor->SetSize(m_cursor->matchSize);
            break;
        case NO_CHANGE:
            break;
    }
}

// Escape acts on release. The tests follow one another on the current state, so Escape in the lobby leaves
// it and pops the menu page that led there in the same frame.
void ClientApplication::HandleEscape() {
    if (Input::GetInstance().GetKeyState(VirtualKey::kEscape) != KEY_RELEASED) {
        return;
    }
    if (m_currentState == m_parts.menuState.get()) {
        m_parts.menuState->EscapeIsPressed();
    }
    if (m_currentState == m_parts.chooseState.get()) {
        m_parts.chooseState->EscapeIsPressed();
        m_currentState = m_parts.menuState.get();
        m_parts.menuState->EscapeIsPressed();
    }
    if (m_currentState == m_parts.playingState.get()) {
        m_parts.playingState->EscapeIsPressed();
    }
}

void ClientApplication::Render() {
    GE& engine = *GE::GetInstance();
    engine.Clear();
    m_currentState->Render();
    if (m_parts.trails) {
        m_parts.trails->Render();
    }

    engine.TurnOnAlphaBlending();
    engine.SetDepthStateForParticles();
    if (m_parts.particles) {
        m_parts.particles->Render();
    }
    engine.TurnOffDepthStencil();
    if (m_debugText) {
        m_debugText->Render();
    }

    engine.PrepareRenderGUI();
    GUIQueue::GetInstance().Draw();
    m_cursor->Render();

    engine.TurnOffAlphaBlending();
    engine.TurnOnDepthStencil();
    engine.Present();
}
