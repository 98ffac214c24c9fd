#include "BotProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "ServerProcess.h"

extern char** environ;

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
    const std::string program = std::filesystem::absolute(BinDir() + "/Ombrin-bots").string();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const int result = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    m_stdout = pipeFds[0];
    if (result != 0) {
        m_pid = -1;
        return false;
    }
    return true;
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
