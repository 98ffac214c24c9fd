#include "client/app/tests/ProgramRunner.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

extern char** environ;

namespace ombrin::test {

ChildProcess::ChildProcess(const std::string& program, const std::filesystem::path& folder,
                           const std::map<std::string, std::string>& changes,
                           const std::filesystem::path& outputFile,
                           const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos) {
            variables[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value.empty()) {
            variables.erase(name);
        } else {
            variables[name] = value;
        }
    }
    std::vector<std::string> texts;
    for (const auto& [name, value] : variables) {
        texts.push_back(name + "=" + value);
    }
    std::vector<char*> environment;
    for (std::string& text : texts) {
        environment.push_back(text.data());
    }
    environment.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environment.data()) == 0) {
        m_pid = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0 && !m_status) {
        kill(m_pid, SIGKILL);
        Wait(10.0);
    }
}

bool ChildProcess::Running() {
    return m_pid > 0 && !Wait(0.0);
}

std::optional<int> ChildProcess::Wait(double seconds) {
    if (m_status || m_pid <= 0) {
        return m_status;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (true) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return m_status;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
        output.append(buffer, count);
    }
    const int status = pclose(pipe);
    if (status != 0) {
        return std::nullopt;
    }
    return output;
}

std::optional<unsigned long> FindWindow(const std::string& name) {
    const std::optional<std::string> found =
        RunCommand("xdotool search --onlyvisible --name '^" + name + "$' 2>/dev/null");
    if (!found || found->empty()) {
        return std::nullopt;
    }
    return std::stoul(*found);
}

bool SendCloseRequest(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return sent != 0;
}

std::array<int, 3> Screenshot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return {-1, -1, -1};
    }
    const std::size_t i =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

std::optional<Screenshot> TakeScreenshot(const std::filesystem::path& scratchFile) {
    std::filesystem::path ppm = scratchFile;
    ppm.replace_extension(".ppm");
    if (!RunCommand("import -window root -depth 8 '" + ppm.string() + "' 2>/dev/null")) {
        return std::nullopt;
    }
    std::ifstream file(ppm, std::ios::binary);
    // The header: "P6", width, height and the largest value, separated by white space and comments.
    std::vector<std::string> header;
    while (header.size() < 4 && file) {
        file >> std::ws;
        if (file.peek() == '#') {
            std::string comment;
            std::getline(file, comment);
            continue;
        }
        std::string token;
        file >> token;
        header.push_back(token);
    }
    file.get();
    if (!file || header.size() != 4 || header[0] != "P6" || header[3] != "255") {
        return std::nullopt;
    }
    const int width = std::atoi(header[1].c_str());
    const int height = std::atoi(header[2].c_str());
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        return std::nullopt;
    }
    Screenshot shot{
        width, height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)};
    file.read(reinterpret_cast<char*>(shot.rgb.data()), static_cast<std::streamsize>(shot.rgb.size()));
    if (file.gcount() != static_cast<std::streamsize>(shot.rgb.size())) {
        return std::nullopt;
    }
    return shot;
}

std::map<std::string, std::string> ClientEnvironment(const std::string& videoDriver,
                                                     const std::string& keepLoaded) {
    std::map<std::string, std::string> environment = {{"SDL_VIDEODRIVER", videoDriver},
                                                      {"ALSOFT_DRIVERS", "null"},
                                                      {"SDL_AUDIODRIVER", "dummy"},
                                                      {"LIBGL_ALWAYS_SOFTWARE", "1"},
                                                      {"LD_PRELOAD", keepLoaded}};
    const char* asan = std::getenv("ASAN_OPTIONS");
    environment["ASAN_OPTIONS"] = std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0";
    return environment;
}

::testing::AssertionResult AwaitScreen(const std::filesystem::path& scratchFile, const std::string& what,
                                       const std::function<bool(const Screenshot&)>& shows, Screenshot& last,
                                       double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        std::optional<Screenshot> shot = TakeScreenshot(scratchFile);
        if (!shot) {
            return ::testing::AssertionFailure() << "import cannot take a screenshot";
        }
        last = std::move(*shot);
        if (shows(last)) {
            return ::testing::AssertionSuccess();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return ::testing::AssertionFailure() << "the screen never showed " << what;
}

}  // namespace ombrin::test
