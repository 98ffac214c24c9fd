#include "ServerProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

extern char** environ;

std::string BinDir() {
    const char* dir = std::getenv("OMBRIN_BIN_DIR");
    return dir != nullptr ? dir : ".";
}

ServerProcess::~ServerProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_stdout >= 0) {
        close(m_stdout);
    }
}

bool SpawnWithPipe(const std::string& programName, const std::vector<std::string>& arguments,
                   const std::string& workingDirectory, pid_t& pid, int& standardOutput) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());

    // Absolute: the child changes its directory before the program is looked up.
    const std::string program = std::filesystem::absolute(BinDir() + "/" + programName).string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    standardOutput = pipeFds[0];
    if (result != 0) {
        pid = -1;
        return false;
    }
    return true;
}

bool ServerProcess::Start(const std::vector<std::string>& arguments, const std::string& workingDirectory) {
    return SpawnWithPipe("Quellhost", arguments, workingDirectory, m_pid, m_stdout);
}

bool ServerProcess::ReadMore(int timeoutMs) {
    pollfd fd{m_stdout, POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t count = read(m_stdout, buffer, sizeof(buffer));
    if (count <= 0) {
        return false;
    }
    m_output.append(buffer, static_cast<std::size_t>(count));
    return true;
}

std::string ServerProcess::WaitForLine(const std::string& prefix, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        std::size_t end = 0;
        while ((end = m_output.find('\n', m_consumed)) != std::string::npos) {
            const std::string line = m_output.substr(m_consumed, end - m_consumed);
            m_consumed = end + 1;
            if (line.rfind(prefix, 0) == 0) {
                return line;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadMore(static_cast<int>(left.count()))) {
            return {};
        }
    }
}

unsigned short ServerProcess::ReadPort(int timeoutMs) {
    const std::string line = WaitForLine("PORT: ", timeoutMs);
    return line.empty() ? 0 : static_cast<unsigned short>(std::strtoul(line.c_str() + 6, nullptr, 10));
}

void ServerProcess::Signal(int signal) const {
    if (m_pid > 0) {
        kill(m_pid, signal);
    }
}

int ServerProcess::WaitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_pid > 0) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_pid = -1;
            while (ReadMore(0)) {
            }
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}
