// Two runs of the tool write identical bytes, and the build's data is what the tool writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "ScratchFolder.h"

namespace {

// Every file under folder by its path relative to it, with its bytes.
std::map<std::string, std::string> ReadTree(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << file.rdbuf();
            files[std::filesystem::relative(entry.path(), folder).string()] = bytes.str();
        }
    }
    return files;
}

int Generate(const std::filesystem::path& data) {
    const std::string command =
        std::string("\"") + CONTENTGEN_PATH + "\" --data \"" + data.string() + "\" > /dev/null";
    return std::system(command.c_str());
}

}  // namespace

TEST(ContentDeterminism, TwoRunsWriteTheSameBytes) {
    ScratchFolder first;
    ScratchFolder second;
    ASSERT_EQ(Generate(first.Path()), 0);
    ASSERT_EQ(Generate(second.Path()), 0);
    const std::map<std::string, std::string> a = ReadTree(first.Path());
    const std::map<std::string, std::string> b = ReadTree(second.Path());
    ASSERT_GT(a.size(), 40u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.contains(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
    }
    // The build's data folder holds the same files, so the game plays what was checked.
    const std::map<std::string, std::string> built = ReadTree(OMBRIN_DATA_DIR);
    for (const auto& [name, bytes] : a) {
        EXPECT_TRUE(built.contains(name) && built.at(name) == bytes)
            << name << " is stale in the data folder";
    }
}

TEST(ContentDeterminism, ReportsAFolderItCannotWrite) {
    ScratchFolder folder;
    const std::filesystem::path blocker = folder.Path() / "file";
    std::ofstream(blocker) << "not a folder";
    EXPECT_NE(Generate(blocker / "Ombrin"), 0);
}
