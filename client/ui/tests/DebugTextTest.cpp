// The debug overlay on the null engine: both groups start hidden and each key switches its own group; what
// the lines say, where they stand and when they turn red.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "client/ui/DebugText.h"
#include "client/ui/tests/WidgetFixture.h"

namespace ombrin::test {
namespace {

class DebugTextTest : public WidgetFixture {
protected:
    void SetUp() override {
        WidgetFixture::SetUp();
        ASSERT_TRUE(m_overlay.Initialize(1280, 1024));
    }

    // The texts queued by one render.
    std::vector<std::string> Queued() {
        std::vector<std::string> texts;
        GUIQueue::GetInstance().SetTextDrawer([&](const std::vector<const TextObject*>& queued) {
            for (const TextObject* text : queued) {
                texts.push_back(text->GetText());
            }
        });
        m_overlay.Render();
        GUIQueue::GetInstance().Draw();
        return texts;
    }

    DebugText m_overlay;
};

TEST_F(DebugTextTest, EachKeySwitchesItsOwnGroupAndBothStartHidden) {
    using Strings = std::vector<std::string>;
    DebugReadings readings;
    readings.framesPerSecond = 60;
    readings.workingSetMegabytes = 120;
    readings.averagePingMs = 12;
    readings.inBytesPerSecond = 239.04;
    readings.outBytesPerSecond = 1200.0;
    readings.inMessageTable = "InMessage: 148  Nr: 7\n";
    readings.outMessageTable = "OutMessage: 138  Nr: 3\n";
    const Strings performance = {"60 FPS", "RAM: 120 MB", "12 ms"};
    const Strings network = {"In: 239 B/s", "Out: 1200 B/s", "InMessage: 148  Nr: 7\n",
                             "OutMessage: 138  Nr: 3\n"};
    Strings both = performance;
    both.insert(both.end(), network.begin(), network.end());

    const struct {
        const char* name;
        bool performanceKey;
        bool networkKey;
        Strings shown;
    } steps[] = {
        {"hidden at first", false, false, {}},
        {"the performance key shows the first three lines", true, false, performance},
        {"the network key adds the traffic lines", false, true, both},
        {"the performance key again hides its lines only", true, false, network},
        {"both keys in one frame", true, true, performance},
        {"a frame without keys changes nothing", false, false, performance},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        readings.togglePerformance = step.performanceKey;
        readings.toggleNetwork = step.networkKey;
        m_overlay.Update(readings);
        EXPECT_EQ(Queued(), step.shown);
    }
}

TEST_F(DebugTextTest, SlowFramesAndLargeMemoryShowRed) {
    const struct {
        int fps;
        int megabytes;
        std::uint32_t fpsColour;
        std::uint32_t ramColour;
    } cases[] = {
        {31, 0, DebugText::kWhite, DebugText::kWhite},
        {30, 256, DebugText::kWhite, DebugText::kWhite},
        {29, 257, DebugText::kWarning, DebugText::kWarning},
        {0, 4000, DebugText::kWarning, DebugText::kWarning},
    };
    DebugReadings readings;
    readings.togglePerformance = true;
    m_overlay.Update(readings);
    readings.togglePerformance = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fps) + " fps, " + std::to_string(c.megabytes) + " MB");
        readings.framesPerSecond = c.fps;
        readings.workingSetMegabytes = c.megabytes;
        m_overlay.Update(readings);
        EXPECT_EQ(m_overlay.Text(DebugText::kFps).colour, c.fpsColour);
        EXPECT_EQ(m_overlay.Text(DebugText::kRam).colour, c.ramColour);
    }
}

TEST_F(DebugTextTest, LinesStandInTheTopLeftCornerOfAnyWindowAndRatesThatAreNoNumbersShowZero) {
    const struct {
        DebugText::Line line;
        const char* text;
        float x;
        float y;
    } expected[] = {
        {DebugText::kFps, "0 fps", -625.0f, 502.0f},       {DebugText::kRam, "RAM: 0 MB", -625.0f, 477.0f},
        {DebugText::kPing, "0 ms", -625.0f, 452.0f},       {DebugText::kIn, "In: 0 B/s", -625.0f, 427.0f},
        {DebugText::kOut, "Out: 0 B/s", -625.0f, 402.0f},  {DebugText::kInTable, "In/Nr", -500.0f, 427.0f},
        {DebugText::kOutTable, "Out/Nr", -500.0f, 302.0f},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.text);
        const TextObject& text = m_overlay.Text(e.line);
        EXPECT_EQ(text.GetText(), e.text);
        EXPECT_FLOAT_EQ(text.GetX(), e.x);
        EXPECT_FLOAT_EQ(text.GetY(), e.y);
        EXPECT_EQ(text.colour, DebugText::kWhite);
    }

    // After a change to full screen the lines stay in the corner.
    m_overlay.Resize(1920, 1080);
    EXPECT_FLOAT_EQ(m_overlay.Text(DebugText::kFps).GetX(), -945.0f);
    EXPECT_FLOAT_EQ(m_overlay.Text(DebugText::kFps).GetY(), 530.0f);
    EXPECT_FLOAT_EQ(m_overlay.Text(DebugText::kOutTable).GetX(), -820.0f);
    EXPECT_FLOAT_EQ(m_overlay.Text(DebugText::kOutTable).GetY(), 330.0f);

    DebugReadings readings;
    readings.toggleNetwork = true;
    readings.inBytesPerSecond = std::numeric_limits<double>::quiet_NaN();
    readings.outBytesPerSecond = -std::numeric_limits<double>::infinity();
    m_overlay.Update(readings);
    EXPECT_EQ(m_overlay.Text(DebugText::kIn).GetText(), "In: 0 B/s");
    EXPECT_EQ(m_overlay.Text(DebugText::kOut).GetText(), "Out: 0 B/s");
}

}  // namespace
}  // namespace ombrin::test
