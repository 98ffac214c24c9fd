// The real client program's sound under Xvfb, in a scratch run layout holding the generated game data:
// through OpenAL Soft's wave writer the main menu's music reaches a WAV file; on the null back end the client
// starts quietly; with no back end that opens a device it says why on the console and runs silent.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

#include "client/app/tests/ProgramRunner.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

// The loudness (root mean square, full scale 1) of a 16-bit PCM WAV file's samples after the first skip
// seconds; -1 when the file is not one. Reads to the end of the file whatever the data size says, so that
// a file whose writer never finished still counts.
double WavLoudness(const std::string& bytes, double skipSeconds) {
    const auto number = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        }
        return value;
    };
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return -1.0;
    }
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = number(at + 4, 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            channels = number(at + 10, 2);
            rate = number(at + 12, 4);
            bits = number(at + 22, 2);
        } else if (id == "data") {
            if (bits != 16 || channels == 0) {
                return -1.0;
            }
            const std::size_t skip = static_cast<std::size_t>(skipSeconds * rate) * channels * 2;
            double sum = 0.0;
            std::size_t count = 0;
            for (std::size_t i = at + 8 + skip; i + 2 <= bytes.size(); i += 2) {
                const auto sample = static_cast<std::int16_t>(number(i, 2));
                sum += (sample / 32768.0) * (sample / 32768.0);
                ++count;
            }
            return count > 0 ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
        }
        at += 8 + size + (size & 1u);
    }
    return -1.0;
}

class SoundProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        const fs::path bin = OMBRIN_BIN_DIR;
        fs::create_directory_symlink(bin / "Shaders", m_layout.Bin() / "Shaders");
        for (const auto& entry : fs::directory_iterator(bin.parent_path() / "Ombrin")) {
            if (entry.path().filename() != "Settings") {
                fs::create_directory_symlink(entry.path(), m_layout.Data() / entry.path().filename());
            }
        }
    }

    std::filesystem::path Output() const { return m_layout.Root() / "output.txt"; }
    std::filesystem::path Recording() const { return m_layout.Root() / "sound.wav"; }

    ScratchRunLayout m_layout{"sound-program"};
};

TEST_F(SoundProgramTest, TheMenuMusicReachesTheDeviceOrTheClientSaysWhyItIsSilent) {
    struct Case {
        const char* name;
        const char* drivers;
        bool recorded;       // the wave writer's file holds the music
        const char* reason;  // the console's reason for running silent, or null
    };
    const Case cases[] = {
        {"the wave writer", "wave", true, nullptr},
        {"the null back end", "null", false, nullptr},
        {"no back end that opens", "no-such-driver", false, "OpenAL cannot open an output device"},
    };
    const std::filesystem::path config = m_layout.Root() / "alsoft.conf";
    ASSERT_TRUE(WriteFile(config,
                          "[general]\nchannels = stereo\nsample-type = int16\nfrequency = 22050\n"
                          "[wave]\nfile = " +
                              Recording().string() + "\n"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(Recording());
        std::map<std::string, std::string> environment = ClientEnvironment("x11", OMBRIN_KEEP_GL_LOADED);
        environment["ALSOFT_DRIVERS"] = c.drivers;
        environment["ALSOFT_CONF"] = config.string();
        ChildProcess program(OMBRIN_PROGRAM, m_layout.Bin(), environment, Output());
        ASSERT_TRUE(program.Started());
        std::optional<unsigned long> window;
        for (int attempt = 0; attempt < 300 && !window && program.Running(); ++attempt) {
            window = FindWindow("Ombrin");
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_TRUE(window) << ReadFile(Output());
        // The menu, with its music, for a few seconds: the wave writer writes as it plays.
        const std::uintmax_t threeSeconds = 3 * 22050 * 4;  // stereo 16-bit samples at 22050 Hz
        for (int attempt = 0; attempt < 600 && c.recorded && program.Running(); ++attempt) {
            std::error_code error;
            if (std::filesystem::file_size(Recording(), error) > threeSeconds && !error) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        ASSERT_TRUE(SendCloseRequest(*window));
        const std::optional<int> status = program.Wait(60.0);
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_EQ(*status, 0) << ReadFile(Output());

        const std::string output = ReadFile(Output());
        if (c.reason != nullptr) {
            EXPECT_NE(output.find(std::string("Sound Initialize failed. ") + c.reason), std::string::npos)
                << output;
        } else {
            EXPECT_EQ(output.find("Sound Initialize failed."), std::string::npos) << output;
        }
        if (c.recorded) {
            const std::string recording = ReadFile(Recording());
            EXPECT_GT(WavLoudness(recording, 1.0), 0.01)
                << "the music in " << Recording() << ", " << recording.size()
                << " bytes (-1: not a 16-bit WAV "
                << "file)\n"
                << output;
        } else {
            EXPECT_FALSE(std::filesystem::exists(Recording()));
        }
    }
}

}  // namespace
}  // namespace ombrin::test
