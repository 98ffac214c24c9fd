// The grass field from its mask: which cells grow grass and where their roots lie, masks of odd sizes, files
// that are missing, empty or unreadable, the sway, and the cells the view cull keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>

#include "TestImages.h"
#include "foliage/GrassField.h"

namespace Lumaspace::test {
namespace {

TEST(GrassFieldTest, BrightCellsGrowThreeRootsInsideTheirCell) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> mask;
        int side;
        std::vector<int> grownCells;  // row * side + column of every cell with grass, in order
    };
    const Case cases[] = {
        {"128 is just above one half", {128}, 1, {0}},
        {"127 is just below", {127}, 1, {}},
        {"an empty mask", {}, 0, {}},
        {"4 bytes are 2 x 2", {255, 0, 0, 200}, 2, {0, 3}},
        {"5 bytes are 2 x 2 and the fifth is ignored", {0, 255, 0, 0, 255}, 2, {1}},
        {"8 bytes are 2 x 2", {0, 0, 0, 0, 255, 255, 255, 255}, 2, {}},
        {"9 bytes are 3 x 3", {0, 0, 0, 0, 0, 0, 0, 0, 129}, 3, {8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GrassField field = GrassField::FromMask(c.mask, 7);
        ASSERT_EQ(field.Side(), c.side);
        ASSERT_EQ(field.Points().size(), 3 * c.grownCells.size());
        const int half = c.side / 2;
        for (std::size_t k = 0; k < field.Points().size(); ++k) {
            const int cell = c.grownCells[k / 3];
            const int row = cell / c.side;
            const int column = cell % c.side;
            const GrassPoint& point = field.Points()[k];
            const float bx = static_cast<float>(column - half) * 0.5f;
            const float bz = static_cast<float>(row - half) * -0.5f;
            EXPECT_FLOAT_EQ(point.position.y, c.mask[static_cast<std::size_t>(cell)] / 255.0f);
            EXPECT_FLOAT_EQ(point.position.x, bx + point.offset.x);
            EXPECT_FLOAT_EQ(point.position.z, bz + point.offset.y);
            EXPECT_TRUE(point.offset.x >= 0.0f && point.offset.x <= 1.0f);
            EXPECT_TRUE(point.offset.y >= 0.0f && point.offset.y <= 1.0f);
        }
        // The row ranges name exactly the grown cells' roots.
        for (int row = 0; row < c.side; ++row) {
            int grown = 0;
            for (int cell : c.grownCells) {
                grown += cell / c.side == row ? 1 : 0;
            }
            EXPECT_EQ(field.Count(row, 0, c.side - 1), static_cast<std::uint32_t>(3 * grown));
        }
    }
}

TEST(GrassFieldTest, MasksThatCannotBeReadGrowNothing) {
    TempDirectory directory("lumagrid-grass-mask");
    struct Case {
        const char* name;
        std::optional<std::string> contents;  // nothing: no file at all
        bool directoryInstead;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false, 0},
        {"empty", std::string(), false, 0},
        {"a folder of that name", std::nullopt, true, 0},
        {"five bytes", std::string("\xff\xff\xff\xff\xff", 5), false, 5},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path path = directory.Path() / ("mask" + std::to_string(index++) + ".raw");
        if (c.contents) {
            std::ofstream(path, std::ios::binary) << *c.contents;
        }
        if (c.directoryInstead) {
            std::filesystem::create_directories(path);
        }
        const std::vector<std::uint8_t> mask = ReadGrassMask(path);
        EXPECT_EQ(mask.size(), c.bytes);
        EXPECT_EQ(GrassField::FromMask(mask, 1).Points().size(), c.bytes == 5 ? 12u : 0u);
    }
}

TEST(GrassFieldTest, SwayIsHalfTheSineOfFiveThousandthsPerDraw) {
    GrassSway sway;
    EXPECT_FLOAT_EQ(sway.Value(), 0.0f);
    float value = 0.0f;
    for (int draw = 0; draw < 100; ++draw) {
        value = sway.Advance();
    }
    EXPECT_NEAR(value, 0.5f * std::sin(0.5f), 1e-5f);
    EXPECT_NEAR(value, 0.2397f, 1e-4f);
}

// Whether a world point shows through the view (clip depth 0 .. 1).
bool InView(const glm::mat4& viewProjection, const glm::vec3& point) {
    const glm::vec4 clip = viewProjection * glm::vec4(point, 1.0f);
    return clip.w > 0.0f && std::abs(clip.x) <= clip.w && std::abs(clip.y) <= clip.w && clip.z >= 0.0f &&
           clip.z <= clip.w;
}

TEST(GrassFieldTest, TheViewCullKeepsEveryRootAndTipInViewAndLittleElse) {
    const GrassField field = GrassField::FromMask(std::vector<std::uint8_t>(208 * 208, 255), 3);
    struct Case {
        const char* name;
        glm::mat4 view;
        glm::mat4 projection;
        double largestShare;  // of the mask's cells
    };
    const Case cases[] = {
        {"the match camera 30 above and 15 behind a player",
         glm::lookAtLH(glm::vec3(10, 30, -5), glm::vec3(10, 0, 10), glm::vec3(0, 1, 0)),
         glm::perspectiveFovLH_ZO(0.785f, 1280.0f, 1024.0f, 1.0f, 1000.0f), 0.25},
        {"straight down from low",
         glm::lookAtLH(glm::vec3(-20, 12, 5), glm::vec3(-20, 0, 5), glm::vec3(0, 0, 1)),
         glm::perspectiveFovLH_ZO(0.785f, 1280.0f, 1024.0f, 1.0f, 1000.0f), 0.05},
        {"orthographic over a corner",
         glm::lookAtLH(glm::vec3(45, 30, -45), glm::vec3(45, 0, -45), glm::vec3(0, 0, 1)),
         glm::orthoLH_ZO(-16.0f, 16.0f, -12.0f, 12.0f, 1.0f, 100.0f), 0.05},
        {"towards the horizon", glm::lookAtLH(glm::vec3(0, 1, -60), glm::vec3(0, 1, 0), glm::vec3(0, 1, 0)),
         glm::perspectiveFovLH_ZO(0.785f, 1280.0f, 1024.0f, 1.0f, 1000.0f), 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const glm::mat4 viewProjection = c.projection * c.view;
        const CellWindow window = field.VisibleCells(viewProjection);
        const int half = field.Side() / 2;
        int shown = 0;
        for (const GrassPoint& point : field.Points()) {
            const glm::vec3 root(point.position.x, 0.0f, point.position.z);
            const glm::vec3 tip = root + glm::vec3(0.0f, kBladeBaseHeight + kBladeHeightPerBrightness, 0.0f);
            if (!InView(viewProjection, root) && !InView(viewProjection, tip)) {
                continue;
            }
            ++shown;
            const int column =
                static_cast<int>(std::lround((point.position.x - point.offset.x) / 0.5f)) + half;
            const int row = half - static_cast<int>(std::lround((point.position.z - point.offset.y) / 0.5f));
            ASSERT_TRUE(row >= window.firstRow && row <= window.lastRow && column >= window.firstColumn &&
                        column <= window.lastColumn)
                << "root at " << point.position.x << ", " << point.position.z << " (cell " << row << ", "
                << column << ")";
        }
        EXPECT_GT(shown, 0);
        const double share = double(window.lastRow - window.firstRow + 1) *
                             double(window.lastColumn - window.firstColumn + 1) / (208.0 * 208.0);
        EXPECT_LE(share, c.largestShare);
    }
    EXPECT_TRUE(field.VisibleCells(glm::mat4(0.0f)).lastRow == field.Side() - 1)
        << "a matrix without an inverse keeps the whole mask";
}

}  // namespace
}  // namespace Lumaspace::test
