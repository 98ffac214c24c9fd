#include "client/app/ServerLauncher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

ServerLauncher::~ServerLauncher() {
    Stop();
}

bool ServerLauncher::Start(const std::vector<std::string>& arguments) {
    if (IsRunning()) {
        return true;
    }
    std::vector<std::string> texts;
    texts.push_back(m_program);
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int result = posix_spawn(&pid, m_program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (result != 0) {
        m_lastError = m_program + ": " + std::strerror(result);
        return false;
    }
    m_pid = pid;
    m_exitStatus.reset();
    m_lastError.clear();
    return true;
}

bool ServerLauncher::Reap(bool wait) {
    if (m_pid <= 0) {
        return true;
    }
    int status = 0;
    pid_t done = 0;
    do {
        done = waitpid(m_pid, &status, wait ? 0 : WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == 0) {
        return false;
    }
    if (done == m_pid) {
        m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    m_pid = -1;  // reaped, or not our child any more
    return true;
}

bool ServerLauncher::IsRunning() {
    return !Reap(false);
}

void ServerLauncher::Stop(double graceSeconds) {
    if (!IsRunning()) {
        return;
    }
    kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(graceSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Reap(false)) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    Reap(true);
}
