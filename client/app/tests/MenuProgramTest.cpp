// The real client program under Xvfb, driven with xdotool in a scratch run layout that holds the generated
// game data: the main menu is drawn; options applied in the menu are saved when the program quits; Host
// starts the real server program and enters its lobby; the lobby lists bot players already in a match with
// their ninjas; choosing a team and a ninja, ready and play take the player into the match, and closing the
// client also ends the server it started; the lit arena lies behind the menu and the lobby, and the menu's
// arena moves under buttons that stay still. Screenshots go to the build's artefacts folder.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "client/app/tests/ProgramRunner.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

using Colour = std::array<int, 3>;
using Clock = std::chrono::steady_clock;

constexpr Colour kGold{242, 194, 82};            // the border of the menu's buttons and the portraits
constexpr Colour kApplyDisabled{157, 157, 157};  // the grey of the disabled apply button
constexpr Colour kRedPanel{74, 18, 22};          // the lobby's red team button
constexpr Colour kBluePanel{26, 44, 93};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kUnreadyRed{133, 26, 23};  // inside the border of the unready button
constexpr Colour kTextBoxCream{231, 218, 188};
// The headbands of the three ninjas' portraits.
constexpr Colour kHeadbands[3] = {{255, 148, 46}, {255, 179, 204}, {89, 242, 115}};

bool Near(const Colour& a, const Colour& b, int tolerance = 24) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(a[i] - b[i]) > tolerance) {
            return false;
        }
    }
    return true;
}

// Screen pixels of a point in GUI space, for the 1280 x 1024 window at the screen's top-left corner.
int ScreenX(float x) {
    return static_cast<int>(640.0f + x);
}
int ScreenY(float y) {
    return static_cast<int>(512.0f - y);
}

// How many pixels of the square of side size centred on (x, y) have the colour.
int CountNear(const Screenshot& shot, int x, int y, int size, const Colour& colour) {
    int count = 0;
    for (int dy = -size / 2; dy < size / 2; ++dy) {
        for (int dx = -size / 2; dx < size / 2; ++dx) {
            count += Near(shot.At(x + dx, y + dy), colour, 30) ? 1 : 0;
        }
    }
    return count;
}

// A UDP port nobody uses right now.
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

// A file of /proc (whose size is given as 0), whole.
std::string ReadProcFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text;
    char buffer[4096];
    while (file.read(buffer, sizeof(buffer)) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    return text;
}

// The children of pid whose program is name.
std::vector<pid_t> ChildrenNamed(pid_t parent, const std::string& name) {
    std::vector<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string folder = entry.path().filename().string();
        if (folder.find_first_not_of("0123456789") != std::string::npos) {
            continue;  // not a process
        }
        const std::string stat = ReadProcFile(entry.path() / "stat");
        const std::size_t open = stat.find('(');
        const std::size_t close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close + 4 >= stat.size()) {
            continue;
        }
        const std::string command = stat.substr(open + 1, close - open - 1);
        const pid_t ppid = static_cast<pid_t>(std::atoi(stat.c_str() + close + 4));
        if (command == name && ppid == parent) {
            children.push_back(static_cast<pid_t>(std::atoi(stat.c_str())));
        }
    }
    return children;
}

bool ProcessExists(pid_t pid) {
    const std::string stat = ReadProcFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
}

// How often the text says it.
int CountLines(const std::string& text, const std::string& start) {
    int count = 0;
    std::size_t position = 0;
    while ((position = text.find(start, position)) != std::string::npos) {
        ++count;
        position += start.size();
    }
    return count;
}

class MenuProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path bin = OMBRIN_BIN_DIR;
        const fs::path data = bin.parent_path() / "Ombrin";
        fs::create_directory_symlink(bin / "Shaders", m_layout.Bin() / "Shaders");
        fs::create_symlink(bin / "Quellhost", m_layout.Bin() / "Quellhost");
        for (const auto& entry : fs::directory_iterator(data)) {
            if (entry.path().filename() != "Settings") {
                fs::create_directory_symlink(entry.path(), m_layout.Data() / entry.path().filename());
            }
        }
        fs::create_directories(m_layout.Data() / "Settings");
        fs::create_symlink(data / "Settings" / "ServerLevels.cfg",
                           m_layout.Data() / "Settings/ServerLevels.cfg");
        fs::create_directories(OMBRIN_ARTEFACTS_DIR);
    }
    // A failed test kills the client, which then cannot stop its server: stop every server started here.
    void TearDown() override {
        for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
            const std::string folder = entry.path().filename().string();
            if (folder.find_first_not_of("0123456789") != std::string::npos) {
                continue;
            }
            std::error_code error;
            const std::filesystem::path cwd = std::filesystem::read_symlink(entry.path() / "cwd", error);
            const std::string name = ReadProcFile(entry.path() / "comm");
            if (!error && cwd == m_layout.Bin() && name == "Quellhost\n") {
                kill(static_cast<pid_t>(std::stoi(folder)), SIGKILL);
            }
        }
    }

    static std::map<std::string, std::string> Environment() {
        return ClientEnvironment("x11", OMBRIN_KEEP_GL_LOADED);
    }

    std::filesystem::path Output() const { return m_layout.Root() / "output.txt"; }

    std::optional<unsigned long> AwaitWindow(ChildProcess& program) {
        for (int attempt = 0; attempt < 300 && program.Running(); ++attempt) {
            if (std::optional<unsigned long> window = FindWindow("Ombrin")) {
                return window;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return std::nullopt;
    }

    // Takes screenshots until one shows what is wanted (or the time is up); the last one is kept.
    ::testing::AssertionResult AwaitScreen(const std::string& what,
                                           const std::function<bool(const Screenshot&)>& shows,
                                           double seconds = 60.0) {
        return ombrin::test::AwaitScreen(m_layout.Root() / "screen", what, shows, m_last, seconds);
    }

    // Waits until the program's console output (the server's included) says it count times.
    ::testing::AssertionResult AwaitOutput(const std::string& start, int count, double seconds = 60.0) {
        const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
        while (CountLines(ReadFile(Output()), start) < count) {
            if (Clock::now() > deadline) {
                return ::testing::AssertionFailure() << "no " << count << " lines \"" << start << "\" in:\n"
                                                     << ReadFile(Output());
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
    static void SaveScreenshot(const std::string& name) {
        EXPECT_TRUE(
            RunCommand("import -window root '" + std::string(OMBRIN_ARTEFACTS_DIR) + "/" + name + "'"));
    }

    // The play button's border, with the arena (not the lobby's red team button) beside it.
    static bool MainMenu(const Screenshot& shot) {
        return Near(shot.At(ScreenX(-145.0f), ScreenY(-10.0f)), kGold) &&
               !Near(shot.At(ScreenX(-426.0f), ScreenY(30.0f)), kRedPanel);
    }
    // The name and address boxes' cream reaches past the buttons' width only on the play page.
    static bool PlayPage(const Screenshot& shot) {
        return Near(shot.At(ScreenX(-180.0f), ScreenY(-15.0f)), kTextBoxCream);
    }
    // Play, then the play page: a click right after it would fall into the same frame when frames are slow,
    // and land at the second place on the main page.
    ::testing::AssertionResult OpenPlayPage() {
        ClickAt(0.0f, -10.0f);
        return AwaitScreen("the play page", PlayPage);
    }
    static bool Lobby(const Screenshot& shot) {
        return Near(shot.At(ScreenX(-426.0f), ScreenY(30.0f)), kRedPanel) &&
               Near(shot.At(ScreenX(426.0f), ScreenY(30.0f)), kBluePanel);
    }

    // The last screenshot AwaitScreen took, kept in the artefacts folder under name.
    void KeepLastScreenshot(const std::string& name) const {
        EXPECT_TRUE(RunCommand("convert '" + (m_layout.Root() / "screen.ppm").string() + "' '" +
                               std::string(OMBRIN_ARTEFACTS_DIR) + "/" + name + "'"));
    }

    ScratchRunLayout m_layout{"menu-program"};
    Screenshot m_last;
};

// A rectangle in GUI space (centre and size, as the pages place their items).
struct GuiRect {
    float x;
    float y;
    float width;
    float height;
};

// How many pixels of the rectangle pass the test.
int CountPixels(const GuiRect& rect, const std::function<bool(int, int)>& test) {
    int count = 0;
    for (int y = ScreenY(rect.y + rect.height / 2.0f); y < ScreenY(rect.y - rect.height / 2.0f); ++y) {
        for (int x = ScreenX(rect.x - rect.width / 2.0f); x < ScreenX(rect.x + rect.width / 2.0f); ++x) {
            count += test(x, y) ? 1 : 0;
        }
    }
    return count;
}

int Area(const GuiRect& rect) {
    return static_cast<int>(rect.width) * static_cast<int>(rect.height);
}

// Pixels of the lit arena: not the black of an empty back buffer.
int LitPixels(const Screenshot& shot, const GuiRect& rect) {
    return CountPixels(rect, [&](int x, int y) { return !Near(shot.At(x, y), kBlack, 12); });
}

// Pixels that differ between two screenshots.
int ChangedPixels(const Screenshot& a, const Screenshot& b, const GuiRect& rect) {
    return CountPixels(rect, [&](int x, int y) { return !Near(a.At(x, y), b.At(x, y), 8); });
}

TEST_F(MenuProgramTest, DrawsTheMainMenuAndSavesTheOptionsAppliedThere) {
    ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), Environment(), Output());
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(AwaitWindow(program)) << ReadFile(Output());
    ASSERT_TRUE(AwaitScreen("the main menu", MainMenu)) << ReadFile(Output());
    SaveScreenshot("main_menu.png");

    ClickAt(0.0f, -118.0f);  // options
    const auto applyButton = [](const Colour& colour) {
        return [colour](const Screenshot& shot) {
            return Near(shot.At(ScreenX(-305.0f), ScreenY(-334.0f)), colour) &&
                   Near(shot.At(ScreenX(14.0f), ScreenY(-334.0f)), kGold);  // the back button's border
        };
    };
    ASSERT_TRUE(AwaitScreen("the options page with apply disabled", applyButton(kApplyDisabled)));
    ClickAt(-50.0f, 0.0f);  // vsync
    ASSERT_TRUE(AwaitScreen("apply enabled by the change", applyButton(kGold)));
    ClickAt(-160.5f, -334.0f);  // apply
    ASSERT_TRUE(AwaitScreen("apply disabled again", applyButton(kApplyDisabled)));
    SaveScreenshot("options_applied.png");
    ClickAt(160.5f, -334.0f);  // back
    ASSERT_TRUE(AwaitScreen("the main menu again", MainMenu));
    ClickAt(0.0f, -334.0f);  // quit

    const std::optional<int> status = program.Wait(60.0);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, 0) << ReadFile(Output());
    const std::string settings = ReadFile(m_layout.Data() / "Settings/Settings.cfg");
    std::vector<std::string> lines;
    std::istringstream stream(settings);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 10u) << settings;
    EXPECT_EQ(lines[3], "1") << "vsync is the fourth line";
    EXPECT_EQ(lines[2], "0") << "full screen stays off";
}

TEST_F(MenuProgramTest, HostsAServerShowsTheBotsInTheLobbyAndJoinsTheirMatch) {
    const unsigned short port = FreeUdpPort();
    ASSERT_NE(port, 0);
    ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), Environment(), Output(),
                         {"--server-port", std::to_string(port)});
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(AwaitWindow(program)) << ReadFile(Output());
    ASSERT_TRUE(AwaitScreen("the main menu", MainMenu)) << ReadFile(Output());

    // Host: the server starts on the chosen port and the client enters its lobby.
    ASSERT_TRUE(OpenPlayPage());
    ClickAt(0.0f, -226.0f);  // host
    ASSERT_TRUE(AwaitOutput("PORT: " + std::to_string(port), 1));
    ASSERT_TRUE(AwaitOutput("A new connection is incoming (1)", 1));
    ASSERT_TRUE(AwaitScreen("the lobby", Lobby)) << ReadFile(Output());
    SaveScreenshot("lobby_hosted.png");
    const std::vector<pid_t> servers = ChildrenNamed(program.Pid(), "Quellhost");
    ASSERT_EQ(servers.size(), 1u);

    // Back to the menu while three bots join the server and start their match.
    ASSERT_TRUE(RunCommand("xdotool key Escape"));
    ASSERT_TRUE(AwaitOutput("A client has disconnected", 1));
    ChildProcess bots(std::string(OMBRIN_BIN_DIR) + "/Ombrin-bots", m_layout.Bin(), {},
                      m_layout.Root() / "bots.txt", {"--count", "3", "--port", std::to_string(port)});
    ASSERT_TRUE(bots.Started());
    ASSERT_TRUE(AwaitOutput("have choosen a character", 3)) << "the bots joined their match";
    ASSERT_TRUE(AwaitScreen("the main menu", MainMenu));

    // Host again: the running server is used, and the lobby lists the bots with their ninjas.
    ASSERT_TRUE(OpenPlayPage());
    ClickAt(0.0f, -226.0f);                                       // host
    ASSERT_TRUE(AwaitOutput("A new connection is incoming", 5));  // the client twice and three bots
    std::mt19937 random(1);  // the bots' choices, as Ombrin-bots makes them for seed 1
    int characters[3] = {};
    for (int& character : characters) {
        character = static_cast<int>(random() % 3);
        random();
        random();
    }
    // Bots 1 and 3 are red, bot 2 blue; red rows hang from the left edge, blue rows from the right.
    const auto headbandCount = [](const Screenshot& shot, float x, float y, int character) {
        return CountNear(shot, ScreenX(x), ScreenY(y) - 14, 50, kHeadbands[character]);
    };
    const auto listed = [&](const Screenshot& shot) {
        if (!Lobby(shot)) {
            return false;
        }
        const bool redRows = (headbandCount(shot, -490.0f, 270.0f, characters[0]) >= 8 &&
                              headbandCount(shot, -490.0f, 120.0f, characters[2]) >= 8) ||
                             (headbandCount(shot, -490.0f, 270.0f, characters[2]) >= 8 &&
                              headbandCount(shot, -490.0f, 120.0f, characters[0]) >= 8);
        const bool blueRow = headbandCount(shot, 490.0f, 270.0f, characters[1]) >= 8;
        const bool nothingBelow = CountNear(shot, ScreenX(-490.0f), ScreenY(-30.0f), 75, kGold) == 0 &&
                                  CountNear(shot, ScreenX(490.0f), ScreenY(120.0f), 75, kGold) == 0;
        return redRows && blueRow && nothingBelow;
    };
    ASSERT_TRUE(AwaitScreen("the bots in the team lists", listed)) << ReadFile(Output());
    SaveScreenshot("lobby_with_bots.png");
    EXPECT_EQ(CountLines(ReadFile(Output()), "PORT: "), 1) << "no second server was started";

    // Red team, the next ninja, ready, play: the server makes the client a player of the match. Each click
    // waits for what it changes, so that two clicks never fall into one slow frame (one would be lost).
    ClickAt(-426.0f, 30.0f);
    ASSERT_TRUE(AwaitScreen("the ready button enabled by the team", [](const Screenshot& shot) {
        return Near(shot.At(ScreenX(314.0f), ScreenY(-332.0f)), kGold);
    }));
    ClickAt(145.0f, 110.0f);
    ASSERT_TRUE(AwaitScreen("the second ninja's portrait", [](const Screenshot& shot) {
        return CountNear(shot, ScreenX(0.0f), ScreenY(140.0f), 80, kHeadbands[1]) >= 20;
    }));
    ClickAt(460.0f, -332.0f);
    ASSERT_TRUE(AwaitScreen("the ready button turned to unready", [](const Screenshot& shot) {
        return Near(shot.At(ScreenX(318.0f), ScreenY(-332.0f)), kUnreadyRed);
    }));
    ClickAt(460.0f, -432.0f);
    ASSERT_TRUE(AwaitOutput("have choosen a character", 4)) << "the client joined the match";
    ASSERT_TRUE(
        AwaitScreen("the match instead of the lobby", [](const Screenshot& shot) { return !Lobby(shot); }));
    SaveScreenshot("match_entered.png");

    kill(bots.Pid(), SIGTERM);
    EXPECT_TRUE(bots.Wait(30.0));
    const std::optional<unsigned long> window = FindWindow("Ombrin");
    ASSERT_TRUE(window);
    ASSERT_TRUE(SendCloseRequest(*window));
    const std::optional<int> status = program.Wait(60.0);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, 0) << ReadFile(Output());
    EXPECT_FALSE(ProcessExists(servers[0])) << "the server the client started ended with it";
}

// The arena lies lit behind the menu and the lobby. The menu's overview keeps moving (the shadow light sweeps
// round, the props sway): two screenshots seconds apart differ in the arena, never in the buttons.
TEST_F(MenuProgramTest, TheMenuAndTheLobbyShowTheLitArenaBehindTheirPages) {
    const unsigned short port = FreeUdpPort();
    ASSERT_NE(port, 0);
    ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), Environment(), Output(),
                         {"--server-port", std::to_string(port)});
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(AwaitWindow(program)) << ReadFile(Output());
    ASSERT_TRUE(AwaitScreen("the main menu", MainMenu)) << ReadFile(Output());

    // Left and right of the buttons, under the logo: nothing but the arena.
    const GuiRect arena[] = {{-420.0f, -250.0f, 300.0f, 400.0f}, {420.0f, -250.0f, 300.0f, 400.0f}};
    // Play, options, credits and quit, inside their rounded borders.
    const GuiRect buttons[] = {{0.0f, -10.0f, 281.0f, 78.0f},
                               {0.0f, -118.0f, 281.0f, 78.0f},
                               {0.0f, -226.0f, 281.0f, 78.0f},
                               {0.0f, -334.0f, 281.0f, 78.0f}};
    const auto lit = [&](const Screenshot& shot) {
        return MainMenu(shot) && LitPixels(shot, arena[0]) > Area(arena[0]) / 2 &&
               LitPixels(shot, arena[1]) > Area(arena[1]) / 2;
    };
    ASSERT_TRUE(AwaitScreen("the lit arena behind the main menu", lit)) << ReadFile(Output());
    KeepLastScreenshot("menu_arena_first.png");
    const Screenshot first = m_last;
    std::this_thread::sleep_for(std::chrono::seconds(4));
    ASSERT_TRUE(AwaitScreen("the lit arena behind the main menu again", lit));
    KeepLastScreenshot("menu_arena_later.png");
    const Screenshot later = m_last;
    const int changed = ChangedPixels(first, later, arena[0]) + ChangedPixels(first, later, arena[1]);
    EXPECT_GT(changed, (Area(arena[0]) + Area(arena[1])) / 100) << "the arena moved on";
    for (const GuiRect& button : buttons) {
        EXPECT_EQ(ChangedPixels(first, later, button), 0)
            << "the button at y " << button.y << " stayed as it was";
    }

    // The lobby of a server started here: the arena shows, dimmed by the lobby's tint, between the banner and
    // the team buttons. Over an empty back buffer the tint alone is a smooth shade; the arena's grass gives
    // neighbouring pixels different colours.
    ASSERT_TRUE(OpenPlayPage());
    ClickAt(0.0f, -226.0f);  // host
    ASSERT_TRUE(AwaitOutput("A new connection is incoming (1)", 1));
    const GuiRect besideScores[] = {{-426.0f, 372.0f, 200.0f, 50.0f}, {426.0f, 372.0f, 200.0f, 50.0f}};
    const auto arenaUnderTint = [&](const Screenshot& shot) {
        if (!Lobby(shot)) {
            return false;
        }
        for (const GuiRect& rect : besideScores) {
            const int grain =
                CountPixels(rect, [&](int x, int y) { return !Near(shot.At(x, y), shot.At(x + 1, y), 2); });
            if (grain < Area(rect) / 100) {
                return false;
            }
        }
        return true;
    };
    ASSERT_TRUE(AwaitScreen("the arena behind the lobby", arenaUnderTint)) << ReadFile(Output());
    KeepLastScreenshot("lobby_arena.png");

    const std::optional<unsigned long> window = FindWindow("Ombrin");
    ASSERT_TRUE(window);
    ASSERT_TRUE(SendCloseRequest(*window));
    const std::optional<int> status = program.Wait(60.0);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(*status, 0) << ReadFile(Output());
}

}  // namespace
}  // namespace ombrin::test
