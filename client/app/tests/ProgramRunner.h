// Running programs from the program tests: the client itself in a chosen folder and environment, the X tools
// (xdotool, import), screenshots, and closing a window the way a window manager does.
#pragma once

#include <sys/types.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ombrin::test {

// A started program; killed at destruction if it still runs.
class ChildProcess {
public:
    // Starts program in folder with this process's environment changed by changes (an empty value removes
    // the variable); standard output and error go to outputFile.
    ChildProcess(const std::string& program, const std::filesystem::path& folder,
                 const std::map<std::string, std::string>& changes, const std::filesystem::path& outputFile,
                 const std::vector<std::string>& arguments = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }
    bool Running();
    // The exit status (128 + signal when killed by one) once the program ends; nothing if it still runs after
    // the given seconds.
    std::optional<int> Wait(double seconds);

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};

// The environment changes under which the tests start the client: the video driver, silent sound, Mesa's
// software rasteriser, and keepLoaded (a library that keeps Mesa loaded for LeakSanitizer) preloaded ahead of
// the sanitizer runtime, which is told that this order is intended.
std::map<std::string, std::string> ClientEnvironment(const std::string& videoDriver,
                                                     const std::string& keepLoaded);

// Runs a shell command; its standard output, or nothing when it fails.
std::optional<std::string> RunCommand(const std::string& command);

// The first visible window whose name is exactly name, as an X window id.
std::optional<unsigned long> FindWindow(const std::string& name);

// Asks the window to close (WM_DELETE_WINDOW), as a window manager's close button does.
bool SendCloseRequest(unsigned long window);

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top row first

    std::array<int, 3> At(int x, int y) const;
};

// The whole screen, through ImageMagick's import.
std::optional<Screenshot> TakeScreenshot(const std::filesystem::path& scratchFile);

// Takes screenshots until one shows what is wanted or the time is up; the last one is kept in last.
::testing::AssertionResult AwaitScreen(const std::filesystem::path& scratchFile, const std::string& what,
                                       const std::function<bool(const Screenshot&)>& shows, Screenshot& last,
                                       double seconds);

}  // namespace ombrin::test
