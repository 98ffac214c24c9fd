#include "client/app/ServerLauncher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

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
    // The child reports a failed exec through a pipe that closes by itself when the exec succeeds.
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
        m_lastError = m_program + ": " + std::strerror(errno);
        return false;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        close(errorPipe[0]);
        // The server ends with the client even when the client dies without stopping it (a crash, a kill),
        // so that it does not go on holding the port for the next host.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        int error = ESRCH;  // the client is already gone
        if (getppid() == parent) {
            execv(m_program.c_str(), argv.data());
            error = errno;
        }
        ssize_t written = 0;
        do {
            written = write(errorPipe[1], &error, sizeof(error));
        } while (written < 0 && errno == EINTR);
        _exit(127);
    }
    close(errorPipe[1]);
    if (pid < 0) {
        m_lastError = m_program + ": " + std::strerror(errno);
        close(errorPipe[0]);
        return false;
    }
    int childError = 0;
    ssize_t got = 0;
    do {
        got = read(errorPipe[0], &childError, sizeof(childError));
    } while (got < 0 && errno == EINTR);
    close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof(childError))) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        m_lastError = m_program + ": " + std::strerror(childError);
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
