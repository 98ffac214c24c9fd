#include "server/LevelList.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct ListCase {
    const char* label;
    const char* contents;  // nullptr: no file
    std::vector<std::string> expected;
};

std::string WriteTemp(const char* contents) {
    char path[] = "/tmp/levellistXXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

}  // namespace

TEST(LevelList, ReadsTheRotationInFileOrder) {
    const std::string longName(300, 'x');
    const std::string withLongLine = "A.ZMDL\n" + longName + "\nB.ZMDL\n";
    const ListCase cases[] = {
        {"no file", nullptr, {"../Ombrin/Levels/NightTimeArena.ZMDL"}},
        {"empty file", "", {"../Ombrin/Levels/NightTimeArena.ZMDL"}},
        {"only blank lines", "\n\r\n\n", {"../Ombrin/Levels/NightTimeArena.ZMDL"}},
        {"three names between blank lines",
         "\nOne.ZMDL\n\n\nTwo.ZMDL\n\nThree.ZMDL",
         {"../Ombrin/Levels/One.ZMDL", "../Ombrin/Levels/Two.ZMDL", "../Ombrin/Levels/Three.ZMDL"}},
        {"written on Windows",
         "One.ZMDL\r\nTwo.ZMDL\r\n",
         {"../Ombrin/Levels/One.ZMDL", "../Ombrin/Levels/Two.ZMDL"}},
        {"names keep their spaces", " Odd Name.ZMDL \n", {"../Ombrin/Levels/ Odd Name.ZMDL "}},
        {"an overlong line is skipped",
         withLongLine.c_str(),
         {"../Ombrin/Levels/A.ZMDL", "../Ombrin/Levels/B.ZMDL"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path =
            c.contents != nullptr ? WriteTemp(c.contents) : "/nonexistent/ServerLevels.cfg";
        EXPECT_EQ(LoadLevelList(path), c.expected);
        if (c.contents != nullptr) {
            std::remove(path.c_str());
        }
    }
}
