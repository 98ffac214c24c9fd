#include "BotProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "ServerProcess.h"

BotProcess::~BotProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_stdout >= 0) {
        close(m_stdout);
    }
}

bool BotProcess::Start(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    return SpawnWithPipe("Ombrin-bots", arguments, workingDirectory, m_pid, m_stdout);
}

int BotProcess::WaitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd fd{m_stdout, POLLIN, 0};
        if (poll(&fd, 1, 100) > 0) {
            char buffer[4096];
            const ssize_t count = read(m_stdout, buffer, sizeof(buffer));
            if (count > 0) {
                m_output.append(buffer, static_cast<std::size_t>(count));
                continue;
            }
        }
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            // Drain what is left.
            char buffer[4096];
            ssize_t count = 0;
            while ((count = read(m_stdout, buffer, sizeof(buffer))) > 0) {
                m_output.append(buffer, static_cast<std::size_t>(count));
            }
            m_pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
    }
    // Out of time: ask it to stop so that it prints its statistics, then make sure it is gone.
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 30 && waitpid(m_pid, nullptr, WNOHANG) != m_pid; ++i) {
        char buffer[4096];
        pollfd fd{m_stdout, POLLIN, 0};
        if (poll(&fd, 1, 100) > 0) {
            const ssize_t count = read(m_stdout, buffer, sizeof(buffer));
            if (count > 0) {
                m_output.append(buffer, static_cast<std::size_t>(count));
            }
        }
        if (i == 29) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(m_stdout, buffer, sizeof(buffer))) > 0) {
        m_output.append(buffer, static_cast<std::size_t>(count));
    }
    m_pid = -1;
    return -1;
}

bool BotProcess::StartTeam(const std::string& team, int count, unsigned short port, int seed,
                           const std::string& workingDirectory) {
    std::string name = team;
    if (!name.empty()) {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return Start({"--count", std::to_string(count), "--port", std::to_string(port), "--team", team, "--seed",
                  std::to_string(seed), "--matches", "1", "--name", name},
                 workingDirectory);
}
