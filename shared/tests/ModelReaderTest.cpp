#include "shared/ModelReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

TEST(ModelReaderTest, ReadsLittleEndianFields) {
    const std::vector<std::uint8_t> bytes = {0x07, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xC0, 0x3F};
    ModelReader reader(bytes);
    std::uint8_t flag = 0;
    std::int32_t count = 0;
    float value = 0.0f;
    ASSERT_TRUE(reader.ReadUint8(flag));
    ASSERT_TRUE(reader.ReadInt32(count));
    ASSERT_TRUE(reader.ReadFloat(value));
    EXPECT_EQ(flag, 7);
    EXPECT_EQ(count, -2);
    EXPECT_EQ(value, 1.5f);
    EXPECT_EQ(reader.Remaining(), 0u);
}

// Each read is tried with one byte too few: it must fail and change neither its destination nor the position.
TEST(ModelReaderTest, ShortReadsChangeNothing) {
    const std::vector<std::uint8_t> bytes(100, 0xAB);
    struct ShortRead {
        const char* label;
        std::size_t available;
        bool (*read)(ModelReader&);
    };
    const ShortRead reads[] = {
        {"Uint8", 0,
         [](ModelReader& r) {
             std::uint8_t v = 1;
             return r.ReadUint8(v) || v != 1;
         }},
        {"Int32", 3,
         [](ModelReader& r) {
             std::int32_t v = 1;
             return r.ReadInt32(v) || v != 1;
         }},
        {"Float", 3,
         [](ModelReader& r) {
             float v = 1;
             return r.ReadFloat(v) || v != 1;
         }},
        {"Float3", 11,
         [](ModelReader& r) {
             Float3 v{1, 1, 1};
             return r.ReadFloat3(v) || !(v == Float3{1, 1, 1});
         }},
        {"Float4", 15,
         [](ModelReader& r) {
             Float4 v{};
             return r.ReadFloat4(v) || !(v == Float4{});
         }},
        {"Float4x4", 63,
         [](ModelReader& r) {
             Float4x4 v{};
             return r.ReadFloat4x4(v) || !(v == Float4x4{});
         }},
        {"Bytes", 9,
         [](ModelReader& r) {
             std::vector<std::uint8_t> v{1};
             return r.ReadBytes(10, v) || v.size() != 1;
         }},
        {"Name", 63,
         [](ModelReader& r) {
             std::string v = "x";
             return r.ReadName(64, v) || v != "x";
         }},
        {"Skip", 4, [](ModelReader& r) { return r.Skip(5); }},
    };
    for (const ShortRead& c : reads) {
        SCOPED_TRACE(c.label);
        ModelReader reader{std::span(bytes).first(c.available + 1)};
        ASSERT_TRUE(reader.Skip(1));
        EXPECT_FALSE(c.read(reader));
        EXPECT_EQ(reader.Offset(), 1u);
    }
}

TEST(ModelReaderTest, FitsRejectsNegativeAndOversizedCounts) {
    const std::vector<std::uint8_t> bytes(120);
    const ModelReader reader(bytes);
    EXPECT_TRUE(reader.Fits(2, 60));
    EXPECT_FALSE(reader.Fits(3, 60));
    EXPECT_TRUE(reader.Fits(0, 60));
    EXPECT_FALSE(reader.Fits(-1, 60));
    EXPECT_FALSE(reader.Fits(std::numeric_limits<std::int32_t>::min(), 4));
    // 71582789 * 60 wraps to 44 in 32 bits.
    EXPECT_FALSE(reader.Fits(71582789, 60));
    EXPECT_FALSE(reader.Fits(std::numeric_limits<std::int64_t>::max(), 148));
}

TEST(ModelReaderTest, NameStopsAtFirstZeroAndNeedsOne) {
    std::vector<std::uint8_t> field(64, 'A');
    field[5] = 0;  // bytes after the zero are ignored
    std::string name;
    ModelReader reader(field);
    ASSERT_TRUE(reader.ReadName(64, name));
    EXPECT_EQ(name, "AAAAA");
    EXPECT_EQ(reader.Offset(), 64u);

    field[5] = 'A';
    field[63] = 0;  // 63 characters and the zero fill the field exactly
    ModelReader full(field);
    ASSERT_TRUE(full.ReadName(64, name));
    EXPECT_EQ(name, std::string(63, 'A'));

    field[63] = 'A';
    ModelReader unterminated(field);
    EXPECT_FALSE(unterminated.ReadName(64, name));
    EXPECT_EQ(unterminated.Offset(), 0u);
}

}  // namespace
