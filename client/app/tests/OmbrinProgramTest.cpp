// The real client program in a scratch run layout: under Xvfb it opens its window, draws the software cursor
// where the mouse is, and on a close request or Escape ends and writes its ten-line settings file; without a
// display or without its shaders it says why and exits with a failure status.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "client/app/Settings.h"
#include "client/app/tests/ProgramRunner.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

constexpr Rgba kTop{255, 0, 255, 255};  // the cursor picture: magenta above, green below
constexpr Rgba kBottom{0, 255, 0, 255};
constexpr int kCursorSize = 100;

bool Near(const std::array<int, 3>& pixel, const Rgba& colour) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::abs(pixel[i] - int(colour[i])) > 8) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The bounding box of the pixels of one colour: left, top, right, bottom (exclusive), or all -1.
std::array<int, 4> BoxOf(const Screenshot& shot, const Rgba& colour) {
    std::array<int, 4> box{-1, -1, -1, -1};
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (!Near(shot.At(x, y), colour)) {
                continue;
            }
            if (box[0] < 0) {
                box = {x, y, x + 1, y + 1};
            }
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                   std::max(box[3], y + 1)};
        }
    }
    return box;
}

class OmbrinProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory_symlink(std::filesystem::path(OMBRIN_BIN_DIR) / "Shaders",
                                                  m_layout.Bin() / "Shaders");
        ASSERT_TRUE(WritePng(m_layout.Data() / "2DTextures/GUI/cursor.png", 32, 32,
                             [](int, int y) { return y < 16 ? kTop : kBottom; }));
    }

    static std::map<std::string, std::string> Environment(const std::string& videoDriver) {
        return ClientEnvironment(videoDriver, OMBRIN_KEEP_GL_LOADED);
    }

    std::filesystem::path Output() const { return m_layout.Root() / "output.txt"; }
    std::filesystem::path SettingsFile() const { return m_layout.Data() / "Settings/Settings.cfg"; }

    // Waits for the program's window while the program runs.
    std::optional<unsigned long> AwaitWindow(ChildProcess& program, const std::string& name) {
        for (int attempt = 0; attempt < 300 && program.Running(); ++attempt) {
            if (std::optional<unsigned long> window = FindWindow(name)) {
                return window;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return std::nullopt;
    }

    // Moves the mouse and waits until a screenshot shows the cursor's two halves around it.
    ::testing::AssertionResult CursorDrawnAt(int x, int y) {
        if (!RunCommand("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y))) {
            return ::testing::AssertionFailure() << "xdotool cannot move the mouse";
        }
        std::array<int, 4> top{};
        std::array<int, 4> bottom{};
        const int half = kCursorSize / 2;
        const std::array<int, 4> expectedTop{x - half, y - half, x + half, y};
        const std::array<int, 4> expectedBottom{x - half, y, x + half, y + half};
        const auto close = [](const std::array<int, 4>& a, const std::array<int, 4>& b) {
            for (std::size_t i = 0; i < 4; ++i) {
                if (std::abs(a[i] - b[i]) > 2) {
                    return false;
                }
            }
            return true;
        };
        for (int attempt = 0; attempt < 60; ++attempt) {
            const std::optional<Screenshot> shot = TakeScreenshot(m_layout.Root() / "screen");
            if (!shot) {
                return ::testing::AssertionFailure() << "import cannot take a screenshot";
            }
            top = BoxOf(*shot, kTop);
            bottom = BoxOf(*shot, kBottom);
            // Everything else is the black of the empty menu.
            const bool elsewhereBlack = Near(shot->At(x + 3 * half, y), Rgba{0, 0, 0, 255}) &&
                                        Near(shot->At(x, y - 3 * half), Rgba{0, 0, 0, 255});
            if (close(top, expectedTop) && close(bottom, expectedBottom) && elsewhereBlack) {
                return ::testing::AssertionSuccess();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return ::testing::AssertionFailure()
               << "the cursor at " << x << "," << y << ": magenta box " << top[0] << "," << top[1] << " - "
               << top[2] << "," << top[3] << ", green box " << bottom[0] << "," << bottom[1] << " - "
               << bottom[2] << "," << bottom[3];
    }

    ScratchRunLayout m_layout{"program"};
};

TEST_F(OmbrinProgramTest, DrawsTheCursorAtTheMouseAndSavesTheSettingsWhenClosed) {
    ASSERT_FALSE(std::filesystem::exists(SettingsFile()));
    std::string firstName;
    const struct {
        const char* name;
        bool escape;  // else a close request
    } ways[] = {{"closed by the window manager's close request", false}, {"Escape at the main menu", true}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), Environment("x11"), Output());
        ASSERT_TRUE(program.Started());
        const std::optional<unsigned long> window = AwaitWindow(program, "Ombrin");
        ASSERT_TRUE(window) << ReadFile(Output());
        const std::optional<std::string> geometry =
            RunCommand("xdotool getwindowgeometry " + std::to_string(*window));
        ASSERT_TRUE(geometry);
        EXPECT_NE(geometry->find("Geometry: 1280x1024"), std::string::npos) << *geometry;

        EXPECT_TRUE(CursorDrawnAt(400, 300));
        EXPECT_TRUE(CursorDrawnAt(900, 700));

        if (way.escape) {
            ASSERT_TRUE(RunCommand("xdotool key Escape"));
        } else {
            ASSERT_TRUE(SendCloseRequest(*window));
        }
        const std::optional<int> status = program.Wait(60.0);
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_EQ(*status, 0) << ReadFile(Output());

        const std::vector<std::string> lines = Lines(ReadFile(SettingsFile()));
        ASSERT_EQ(lines.size(), 10u);
        EXPECT_NE(std::find(Settings::kRandomNames.begin(), Settings::kRandomNames.end(), lines[0]),
                  Settings::kRandomNames.end());
        EXPECT_EQ((std::vector<std::string>(lines.begin() + 1, lines.end())),
                  (std::vector<std::string>{"", "0", "0", "0", "1", "1", "0", "1", "0"}));
        if (firstName.empty()) {
            firstName = lines[0];
        } else {
            EXPECT_EQ(lines[0], firstName) << "the name chosen at the first start is kept";
        }
    }
}

TEST_F(OmbrinProgramTest, WithoutADisplayOrShadersItSaysWhyAndFails) {
    const struct {
        const char* name;
        const char* videoDriver;
        bool shaders;
        const char* message;
    } cases[] = {
        {"no video driver", "no-such-driver", true, "Ombrin cannot open its window: no display is available"},
        {"no shaders", "offscreen", false, "Ombrin cannot start its graphics engine:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.shaders) {
            std::filesystem::remove(m_layout.Bin() / "Shaders");
        }
        std::map<std::string, std::string> environment = Environment(c.videoDriver);
        environment["DISPLAY"] = "";  // no display to show a message box on
        ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), environment, Output());
        ASSERT_TRUE(program.Started());
        const std::optional<int> status = program.Wait(60.0);
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_EQ(*status, 1);
        const std::string output = ReadFile(Output());
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
    }
}

}  // namespace
}  // namespace ombrin::test
