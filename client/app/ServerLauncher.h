// Starts the game server program for the menu's host action and looks after it: the child is reaped when it
// ends, and stopped (asked first, then forced) when the launcher is stopped or destroyed, so that no server
// the client started outlives the client. Should the client die without stopping it, the server is sent
// SIGTERM by the system.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

class ServerLauncher {
public:
    static constexpr const char* kProgram = "./Quellhost";
    static constexpr double kStopGraceSeconds = 5.0;

    // program is run as given (a relative path from the working directory).
    explicit ServerLauncher(std::string program = kProgram) : m_program(std::move(program)) {}
    ~ServerLauncher();
    ServerLauncher(const ServerLauncher&) = delete;
    ServerLauncher& operator=(const ServerLauncher&) = delete;

    // Starts the program with the arguments unless the one started earlier still runs. False, with the
    // reason in LastError, when it cannot be started.
    bool Start(const std::vector<std::string>& arguments);
    // Whether the started program still runs; an ended one is reaped here.
    bool IsRunning();
    // Asks the program to end (SIGTERM), waits up to graceSeconds, then ends it (SIGKILL), and reaps it.
    void Stop(double graceSeconds = kStopGraceSeconds);

    pid_t Pid() const { return m_pid; }
    // How the last started program ended: its exit status, or 128 + the signal that ended it.
    std::optional<int> ExitStatus() const { return m_exitStatus; }
    const std::string& LastError() const { return m_lastError; }

private:
    bool Reap(bool wait);

    std::string m_program;
    pid_t m_pid = -1;
    std::optional<int> m_exitStatus;
    std::string m_lastError;
};
