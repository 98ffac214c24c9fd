// A whole match of the real client program under Xvfb against the real server and three bots, driven with
// xdotool in a scratch run layout that holds the generated game data: the client connects, joins the red
// team and is ready when the bots come and start the match; the heads-up display is drawn; Tab shows the
// scoreboard while held; Escape opens the in-match menu and Resume closes it; the server, running its game
// time faster, ends the match with the victory or defeat screen, and Continue returns to the lobby. The
// client writes its frame log. Screenshots go to the build's artefacts folder.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "client/app/tests/ProgramRunner.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

using Colour = std::array<int, 3>;
using Clock = std::chrono::steady_clock;

constexpr Colour kGold{242, 194, 82};  // the border of the menus' buttons
constexpr Colour kRedPanel{74, 18, 22};
constexpr Colour kBluePanel{26, 44, 93};
constexpr Colour kUnreadyRed{133, 26, 23};
constexpr Colour kBlack{0, 0, 0};
// The server's game time runs this many times faster, so that sudden death ends each round soon.
constexpr const char* kTimeScale = "4";

bool Near(const Colour& a, const Colour& b, int tolerance = 24) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(a[i] - b[i]) > tolerance) {
            return false;
        }
    }
    return true;
}

int ScreenX(float x) {
    return static_cast<int>(640.0f + x);
}
int ScreenY(float y) {
    return static_cast<int>(512.0f - y);
}

unsigned short FreeUdpPort() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    socklen_t length = sizeof(address);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return 0;
    }
    close(fd);
    return ntohs(address.sin_port);
}

int CountLines(const std::string& text, const std::string& start) {
    int count = 0;
    std::size_t position = 0;
    while ((position = text.find(start, position)) != std::string::npos) {
        ++count;
        position += start.size();
    }
    return count;
}

// Pixels of the rectangle [x0, x1) x [y0, y1) (screen pixels) that differ between two screenshots.
double ChangedShare(const Screenshot& a, const Screenshot& b, int x0, int y0, int x1, int y1) {
    int changed = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            changed += Near(a.At(x, y), b.At(x, y), 8) ? 0 : 1;
        }
    }
    return static_cast<double>(changed) / ((x1 - x0) * (y1 - y0));
}

class MatchProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path bin = OMBRIN_BIN_DIR;
        const fs::path data = bin.parent_path() / "Ombrin";
        fs::create_directory_symlink(bin / "Shaders", m_layout.Bin() / "Shaders");
        for (const auto& entry : fs::directory_iterator(data)) {
            if (entry.path().filename() != "Settings") {
                fs::create_directory_symlink(entry.path(), m_layout.Data() / entry.path().filename());
            }
        }
        fs::create_directories(m_layout.Data() / "Settings");
        fs::create_symlink(data / "Settings" / "ServerLevels.cfg",
                           m_layout.Data() / "Settings/ServerLevels.cfg");
        // Kei connects to this machine; muted, the fixed camera behind the player, ambient occlusion and
        // depth of field on.
        ASSERT_TRUE(
            WriteFile(m_layout.Data() / "Settings/Settings.cfg", "Kei\n127.0.0.1\n0\n0\n1\n1\n1\n1\n1\n0\n"));
        fs::create_directories(OMBRIN_ARTEFACTS_DIR);
    }

    std::filesystem::path ClientOutput() const { return m_layout.Root() / "client.txt"; }
    std::filesystem::path ServerOutput() const { return m_layout.Root() / "server.txt"; }

    ::testing::AssertionResult AwaitScreen(const std::string& what,
                                           const std::function<bool(const Screenshot&)>& shows,
                                           double seconds = 60.0) {
        return ombrin::test::AwaitScreen(m_layout.Root() / "screen", what, shows, m_last, seconds);
    }

    ::testing::AssertionResult AwaitOutput(const std::filesystem::path& file, const std::string& start,
                                           int count, double seconds = 60.0) {
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (CountLines(ReadFile(file), start) < count) {
            if (Clock::now() > deadline) {
                return ::testing::AssertionFailure() << "no " << count << " lines \"" << start << "\" in:\n"
                                                     << ReadFile(file);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return ::testing::AssertionSuccess();
    }

    static void ClickAt(float x, float y) {
        ASSERT_TRUE(RunCommand("xdotool mousemove " + std::to_string(ScreenX(x)) + " " +
                               std::to_string(ScreenY(y)) + " click 1"));
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    }
    void KeepLastScreenshot(const std::string& name) const {
        EXPECT_TRUE(RunCommand("convert '" + (m_layout.Root() / "screen.ppm").string() + "' '" +
                               std::string(OMBRIN_ARTEFACTS_DIR) + "/" + name + "'"));
    }
    Screenshot Shoot() {
        std::optional<Screenshot> shot = TakeScreenshot(m_layout.Root() / "screen");
        EXPECT_TRUE(shot);
        return shot ? *shot : Screenshot{};
    }

    static bool Lobby(const Screenshot& shot) {
        return Near(shot.At(ScreenX(-426.0f), ScreenY(30.0f)), kRedPanel) &&
               Near(shot.At(ScreenX(426.0f), ScreenY(30.0f)), kBluePanel);
    }
    // A gold-bordered 300-pixel button centred on (0, y).
    static bool ButtonAt(const Screenshot& shot, float y) {
        return Near(shot.At(ScreenX(-145.0f), ScreenY(y)), kGold);
    }

    ScratchRunLayout m_layout{"match-program"};
    Screenshot m_last;
};

TEST_F(MatchProgramTest, PlaysAMatchAgainstBotsFromTheHudToTheVictoryScreenAndBackToTheLobby) {
    const unsigned short port = FreeUdpPort();
    ASSERT_NE(port, 0);
    ChildProcess server(std::string(OMBRIN_BIN_DIR) + "/Quellhost", m_layout.Bin(), {}, ServerOutput(),
                        {"--port", std::to_string(port), "--time-scale", kTimeScale});
    ASSERT_TRUE(server.Started());
    ASSERT_TRUE(AwaitOutput(ServerOutput(), "PORT: " + std::to_string(port), 1));
    const std::string frameLog = (m_layout.Root() / "frames.txt").string();
    ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), ClientEnvironment("x11", OMBRIN_KEEP_GL_LOADED),
                         ClientOutput(), {"--server-port", std::to_string(port), "--frame-log", frameLog});
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(AwaitScreen("the main menu", [](const Screenshot& shot) { return ButtonAt(shot, -10.0f); }))
        << ReadFile(ClientOutput());

    // Play, connect to the address of the settings, the red team, ready, play.
    ClickAt(0.0f, -10.0f);
    ASSERT_TRUE(AwaitScreen("the play page", [](const Screenshot& shot) { return ButtonAt(shot, -118.0f); }));
    ClickAt(0.0f, -118.0f);
    ASSERT_TRUE(AwaitScreen("the lobby", Lobby)) << ReadFile(ClientOutput());
    ClickAt(-426.0f, 30.0f);
    ASSERT_TRUE(AwaitScreen("the ready button enabled by the team", [](const Screenshot& shot) {
        return Near(shot.At(ScreenX(314.0f), ScreenY(-332.0f)), kGold);
    }));
    ClickAt(460.0f, -332.0f);
    ASSERT_TRUE(AwaitScreen("the unready button", [](const Screenshot& shot) {
        return Near(shot.At(ScreenX(318.0f), ScreenY(-332.0f)), kUnreadyRed);
    }));
    // The bots join the lobby, where everyone is ready, and start the match.
    ChildProcess bots(std::string(OMBRIN_BIN_DIR) + "/Ombrin-bots", m_layout.Bin(), {},
                      m_layout.Root() / "bots.txt", {"--count", "3", "--port", std::to_string(port)});
    ASSERT_TRUE(bots.Started());
    ASSERT_TRUE(AwaitOutput(ServerOutput(), "have choosen a character", 4)) << "the match started";

    // The heads-up display over the lit arena: the status bar at the top, the minimap in the lower left
    // corner, the ability bar at the bottom.
    const auto lit = [](const Screenshot& shot, int x, int y) { return !Near(shot.At(x, y), kBlack, 12); };
    ASSERT_TRUE(AwaitScreen("the match's heads-up display", [&](const Screenshot& shot) {
        return !Lobby(shot) && lit(shot, 640, 30) && lit(shot, 100, 900) && lit(shot, 640, 980) &&
               lit(shot, 640, 300);
    })) << ReadFile(ClientOutput());
    RunCommand("xdotool mousemove 640 300");
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_TRUE(AwaitScreen("the match", [](const Screenshot& shot) { return !Lobby(shot); }));
    KeepLastScreenshot("match_hud.png");

    // Tab shows the scoreboard over the middle of the window while it is held.
    const Screenshot withoutBoard = Shoot();
    ASSERT_TRUE(RunCommand("xdotool keydown Tab"));
    EXPECT_TRUE(AwaitScreen(
        "the scoreboard",
        [&](const Screenshot& shot) {
            return ChangedShare(withoutBoard, shot, 640 - 240, 512 - 300, 640 + 240, 512 + 300) > 0.5;
        },
        20.0));
    KeepLastScreenshot("match_scoreboard.png");
    ASSERT_TRUE(RunCommand("xdotool keyup Tab"));

    // Escape opens the in-match menu; Resume closes it.
    ASSERT_TRUE(RunCommand("xdotool key Escape"));
    ASSERT_TRUE(AwaitScreen("the in-match menu", [](const Screenshot& shot) {
        return ButtonAt(shot, -10.0f) && ButtonAt(shot, -118.0f) && ButtonAt(shot, -226.0f);
    }));
    KeepLastScreenshot("match_pause_menu.png");
    ClickAt(0.0f, -10.0f);
    ASSERT_TRUE(
        AwaitScreen("the menu closed", [](const Screenshot& shot) { return !ButtonAt(shot, -10.0f); }));

    // Sudden death ends every round soon; the match ends with the victory or defeat screen.
    ASSERT_TRUE(AwaitScreen(
        "the victory screen",
        [](const Screenshot& shot) {
            return ButtonAt(shot, -118.0f) && ButtonAt(shot, -226.0f) && !ButtonAt(shot, -10.0f);
        },
        400.0))
        << ReadFile(ServerOutput());
    KeepLastScreenshot("match_over.png");
    ClickAt(0.0f, -118.0f);
    ASSERT_TRUE(AwaitScreen("the lobby after the match", Lobby));
    KeepLastScreenshot("lobby_after_match.png");

    const std::optional<unsigned long> window = FindWindow("Ombrin");
    ASSERT_TRUE(window);
    ASSERT_TRUE(SendCloseRequest(*window));
    const std::optional<int> status = program.Wait(60.0);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, 0) << ReadFile(ClientOutput());

    // One line per frame after the comment line, two figures each, the working time within the frame time
    // of the next frame at most.
    std::istringstream log(ReadFile(frameLog));
    std::string line;
    ASSERT_TRUE(std::getline(log, line));
    EXPECT_EQ(line, "# frame_ms busy_ms");
    int frames = 0;
    double frameMs = 0.0;
    double busyMs = 0.0;
    while (log >> frameMs >> busyMs) {
        EXPECT_GE(frameMs, 0.0);
        EXPECT_GT(busyMs, 0.0);
        ++frames;
    }
    EXPECT_GT(frames, 20);

    kill(bots.Pid(), SIGTERM);
    EXPECT_TRUE(bots.Wait(30.0));
    kill(server.Pid(), SIGTERM);
    EXPECT_TRUE(server.Wait(30.0));
}

}  // namespace
}  // namespace ombrin::test
