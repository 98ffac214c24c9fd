// The settings file: first start, the round trip of every field in file order, and damaged files, which give
// the defaults for what cannot be used and never more than the file holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "client/app/Settings.h"
#include "client/ui/tests/TestFiles.h"

namespace ombrin::test {
namespace {

bool IsRandomName(const std::string& name) {
    return std::find(Settings::kRandomNames.begin(), Settings::kRandomNames.end(), name) !=
           Settings::kRandomNames.end();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, text.size()) << "every line ends with a newline";
    return lines;
}

class SettingsTest : public ::testing::Test {
protected:
    void TearDown() override { Settings::Shutdown(); }

    std::filesystem::path File() const { return m_layout.Data() / "Settings" / "Settings.cfg"; }

    ScratchRunLayout m_layout{"settings"};
};

TEST_F(SettingsTest, FirstStartGivesDefaultsAndWritesTheFileOnlyOnSave) {
    Settings& settings = Settings::GetInstance();
    EXPECT_EQ(settings.name, "");
    EXPECT_FALSE(settings.ssao) << "every switch is off until Load";
    settings.Load();
    EXPECT_TRUE(settings.Problems().empty());
    EXPECT_TRUE(IsRandomName(settings.name)) << settings.name;
    EXPECT_TRUE(std::filesystem::is_directory(File().parent_path()));
    EXPECT_FALSE(std::filesystem::exists(File()));

    ASSERT_TRUE(settings.Save());
    const std::vector<std::string> lines = Lines(ReadFile(File()));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], settings.name);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ((std::vector<std::string>(lines.begin() + 2, lines.end())),
              (std::vector<std::string>{"0", "0", "0", "1", "1", "0", "1", "0"}));
    EXPECT_FALSE(std::filesystem::exists(File().string() + ".new"));
}

TEST_F(SettingsTest, EveryFieldSurvivesARestartInFileOrder) {
    Settings& settings = Settings::GetInstance();
    settings.Load();
    settings.name = "Tomoe";
    settings.ip = "192.168.1.20";
    settings.fullscreen = true;  // line 3, although vsync comes first in the record
    settings.vsync = false;
    settings.mute = true;
    settings.ssao = false;
    settings.depthOfField = false;
    settings.camera = true;
    settings.smartCastToggle = false;
    settings.smartCast = true;
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(ReadFile(File()), "Tomoe\n192.168.1.20\n1\n0\n1\n0\n0\n1\n0\n1\n");

    Settings::Shutdown();
    Settings& reloaded = Settings::GetInstance();
    reloaded.Load();
    EXPECT_TRUE(reloaded.Problems().empty());
    EXPECT_EQ(reloaded.Format(), "Tomoe\n192.168.1.20\n1\n0\n1\n0\n0\n1\n0\n1\n");
    EXPECT_EQ(reloaded.name, "Tomoe");
    EXPECT_TRUE(reloaded.fullscreen);
    EXPECT_FALSE(reloaded.vsync);

    reloaded.name = "";  // a player may clear the name; it stays empty
    ASSERT_TRUE(reloaded.Save());
    Settings::Shutdown();
    Settings::GetInstance().Load();
    EXPECT_EQ(Settings::GetInstance().name, "");
}

TEST_F(SettingsTest, DamagedFilesGiveDefaultsForWhatCannotBeUsed) {
    // The defaults in file form after the name: no address, then 0 0 0 1 1 0 1 0.
    const std::string defaults = "\n0\n0\n0\n1\n1\n0\n1\n0\n";
    struct Case {
        const char* name;
        std::string file;
        bool randomName;   // the name is one of the fifteen
        std::string rest;  // Format() after the name line
        std::size_t problems;
    };
    const Case cases[] = {
        {"empty file", "", true, defaults, 1},
        {"name and address only", "Jun\n10.0.0.1\n", false, "10.0.0.1" + defaults, 1},
        {"no final newline", "Jun\n\n1\n1\n1\n1\n1\n1\n1\n1", false, "\n1\n1\n1\n1\n1\n1\n1\n1\n", 0},
        {"Windows line ends", "Jun\r\n\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n", false,
         "\n1\n0\n0\n0\n0\n0\n0\n1\n", 0},
        {"numbers the way a decimal conversion reads them", "Jun\n\n2\n -1 \n+0\n007\n0\n0\n0\n0\n", false,
         "\n1\n1\n0\n1\n0\n0\n0\n0\n", 0},
        {"switches that are not numbers", "Jun\n\nyes\n1x\n\n0.5\n1\n1\n1\n1\n", false,
         "\n0\n0\n0\n1\n1\n1\n1\n1\n", 4},
        {"a switch too large for any integer", "Jun\n\n1\n99999999999999999999999\n0\n1\n1\n0\n1\n0\n", false,
         "\n1\n0\n0\n1\n1\n0\n1\n0\n", 1},
        {"control characters in the name and address",
         std::string("Ak\x01ra\n10.0.0.1\x1b\n1\n1\n1\n1\n1\n1\n1\n1\n"), true, "\n1\n1\n1\n1\n1\n1\n1\n1\n",
         2},
        {"a name far too long", std::string(300, 'x') + "\n\n0\n0\n0\n1\n1\n0\n1\n0\n", true, defaults, 1},
        {"binary noise", std::string("\0\xff\xfe\n\x80\x81\n\0\n", 9), true, defaults, 4},
        {"extra lines are ignored", "Jun\n\n0\n0\n0\n1\n1\n0\n1\n0\nsurplus\nlines\n", false, defaults, 0},
        {"a huge file", std::string(200000, '1'), true, defaults, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFile(File(), c.file));
        Settings::Shutdown();
        Settings& settings = Settings::GetInstance();
        settings.Load();
        if (c.randomName) {
            EXPECT_TRUE(IsRandomName(settings.name)) << settings.name;
        } else {
            EXPECT_EQ(settings.name, "Jun");
        }
        const std::string formatted = settings.Format();
        EXPECT_EQ(formatted.substr(formatted.find('\n') + 1), c.rest);
        EXPECT_EQ(settings.Problems().size(), c.problems);
        for (const std::string& problem : settings.Problems()) {
            EXPECT_FALSE(problem.empty());
        }
    }
}

TEST_F(SettingsTest, AFailedSaveIsReported) {
    ASSERT_TRUE(WriteFile(m_layout.Root() / "blocked", "a file where the folder should be"));
    Settings& settings = Settings::GetInstance();
    settings.SetDefaults();
    EXPECT_FALSE(settings.Save(m_layout.Root() / "blocked" / "Settings.cfg"));

    // A folder in the file's place: the save fails and the folder is left as it was.
    std::filesystem::create_directories(File() / "kept");
    EXPECT_FALSE(settings.Save(File()));
    EXPECT_TRUE(std::filesystem::is_directory(File() / "kept"));
    EXPECT_FALSE(std::filesystem::exists(File().string() + ".new"));
}

}  // namespace
}  // namespace ombrin::test
