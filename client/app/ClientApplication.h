// The client program's top-level object: it owns the window, the frame timer, the three states, the cursor,
// the sound system and the memory sampler, and fixes the order in which every client subsystem starts, runs
// each frame, and shuts down.
//
// The loop takes one window message per pass and, whenever the queue is empty, runs one frame (update, then
// render unless the screen is changing, then input ageing). There is no fixed time step and no frame cap.
#pragma once

#include <memory>
#include <string>

#include "client/app/ClientParts.h"

class Cursor;
class DebugText;
class FrameLog;
class MemoryUsage;
class Timer;

class ClientApplication {
public:
    static constexpr const char* kTitle = "Ombrin";

    explicit ClientApplication(ClientParts parts);
    ~ClientApplication();
    ClientApplication(const ClientApplication&) = delete;
    ClientApplication& operator=(const ClientApplication&) = delete;

    // Start-up. Returns true when everything started; a part that failed without stopping the client (sound)
    // is logged and skipped. When the window or the engine cannot be made, the player is told why and
    // StartupFailed() is set: Run then runs no frame.
    bool Initialize();
    // The message loop until the quit message, then Shutdown. The program's exit status: 0, or 1 when
    // start-up failed before the window and the engine were up (or Initialize was not called).
    int Run();
    // Tear-down (also run by Run and the destructor; a second call does nothing).
    void Shutdown();
    // From the next frame on, each frame's time and working time go to path (shared/FrameLog.h). False when
    // the file cannot be written; the client then runs without the log.
    bool OpenFrameLog(const std::string& path);

    bool StartupFailed() const { return m_startupFailed; }
    GameState* CurrentState() const { return m_currentState; }
    Cursor* GetCursor() const { return m_cursor.get(); }
    DebugText* GetDebugText() const { return m_debugText.get(); }

private:
    void Update();
    void Render();
    void SwitchState(GameStateSwitch target);
    void HandleEscape();
    void UpdateDebugText();
    void Fail(const std::string& message);

    ClientParts m_parts;
    std::unique_ptr<Timer> m_timer;
    std::string m_title = kTitle;
    int m_lastFps = 0;
    GameState* m_currentState = nullptr;
    std::unique_ptr<Cursor> m_cursor;
    std::unique_ptr<MemoryUsage> m_memoryUsage;
    std::unique_ptr<DebugText> m_debugText;
    std::unique_ptr<FrameLog> m_frameLog;
    bool m_settingsLoaded = false;
    bool m_startupFailed = false;
    bool m_loopReady = false;  // window and engine are up: the loop can run
    bool m_shutDown = false;
};
