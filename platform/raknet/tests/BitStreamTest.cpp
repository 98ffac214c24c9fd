#include "raknet/BitStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "raknet/RakString.h"

using RakNet::BitSize_t;
using RakNet::BitStream;
using RakNet::RakNetGUID;
using RakNet::RakString;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes Contents(const BitStream& stream) {
    return Bytes(stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed());
}

// One typed value: how to write it, the bytes it must give, and how to read it back and compare.
struct Encoding {
    std::string name;
    std::function<void(BitStream&)> write;
    Bytes bytes;
    // Reads into a destination pre-filled with a sentinel; returns the read's result and whether the
    // destination equals the written value (ok) or still holds the sentinel (untouched).
    std::function<bool(BitStream&, bool& equalsWritten, bool& untouched)> read;
};

template <typename T>
Encoding Typed(std::string name, T value, Bytes bytes, T sentinel) {
    return Encoding{std::move(name), [value](BitStream& s) { s.Write(value); }, std::move(bytes),
                    [value, sentinel](BitStream& s, bool& equalsWritten, bool& untouched) {
                        T destination = sentinel;
                        const bool ok = s.Read(destination);
                        equalsWritten = destination == value;
                        untouched = destination == sentinel;
                        return ok;
                    }};
}

std::vector<Encoding> Encodings() {
    return {
        Typed<std::uint8_t>("u8", 0xAB, {0xAB}, 0x11),
        Typed<std::int8_t>("i8", -2, {0xFE}, 5),
        Typed<std::uint16_t>("u16", 0x1234, {0x12, 0x34}, 7),
        Typed<std::int16_t>("i16", -7500, {0xE2, 0xB4}, 7),
        Typed<std::uint32_t>("u32", 0x01020304u, {0x01, 0x02, 0x03, 0x04}, 9),
        Typed<std::int32_t>("i32", -2, {0xFF, 0xFF, 0xFF, 0xFE}, 9),
        Typed<std::uint64_t>("u64", 0x0102030405060708ull, {1, 2, 3, 4, 5, 6, 7, 8}, 9),
        Typed<std::int64_t>("i64", -1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 9),
        Typed<float>("f32", 1.0f, {0x3F, 0x80, 0x00, 0x00}, 4.5f),
        Typed<float>("f32 negative", -3.0f, {0xC0, 0x40, 0x00, 0x00}, 4.5f),
        Typed<double>("f64", -2.0, {0xC0, 0, 0, 0, 0, 0, 0, 0}, 4.5),
        Typed<RakNetGUID>("guid", RakNetGUID(0xA1B2C3D4E5F60718ull),
                          {0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6, 0x07, 0x18}, RakNetGUID(42)),
        Typed<bool>("bool true", true, {0x80}, false),
        Typed<RakString>("string", RakString("Ninja"), {0x00, 0x05, 'N', 'i', 'n', 'j', 'a'},
                         RakString("old")),
        Typed<RakString>("empty string", RakString(""), {0x00, 0x00}, RakString("old")),
    };
}

}  // namespace

TEST(BitStream, EachTypeWritesItsBytesAndReadsBack) {
    for (const Encoding& encoding : Encodings()) {
        SCOPED_TRACE(encoding.name);
        BitStream out;
        encoding.write(out);
        EXPECT_EQ(Contents(out), encoding.bytes);

        BitStream in(encoding.bytes.data(), static_cast<unsigned>(encoding.bytes.size()), true);
        bool equals = false;
        bool untouched = false;
        EXPECT_TRUE(encoding.read(in, equals, untouched));
        EXPECT_TRUE(equals);
    }
}

TEST(BitStream, TruncatedReadsFailWithoutTouchingTheDestination) {
    for (const Encoding& encoding : Encodings()) {
        for (std::size_t length = 0; length < encoding.bytes.size(); ++length) {
            SCOPED_TRACE(encoding.name + " cut to " + std::to_string(length) + " bytes");
            BitStream in(encoding.bytes.data(), static_cast<unsigned>(length), true);
            bool equals = false;
            bool untouched = false;
            EXPECT_FALSE(encoding.read(in, equals, untouched));
            EXPECT_TRUE(untouched);
            EXPECT_EQ(in.GetReadOffset(), 0u) << "a failed read must not move the read position";
        }
    }
}

TEST(BitStream, BoolsAreSingleBitsAndTheNextFieldStartsAtTheNextBit) {
    BitStream out;
    out.Write(true);
    out.Write(false);
    out.Write(true);
    out.Write(std::uint32_t{0xFFFFFFFFu});
    // 101, then 32 ones, then five bits of padding.
    EXPECT_EQ(out.GetNumberOfBitsUsed(), 35u);
    EXPECT_EQ(Contents(out), (Bytes{0xBF, 0xFF, 0xFF, 0xFF, 0xE0}));

    BitStream in(out.GetData(), out.GetNumberOfBytesUsed(), false);
    bool a = false, b = true, c = false;
    std::uint32_t value = 0;
    ASSERT_TRUE(in.Read(a) && in.Read(b) && in.Read(c) && in.Read(value));
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
    EXPECT_TRUE(c);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

TEST(BitStream, StringLengthFollowsAtTheNextBitAndItsBytesAtTheNextByteBoundary) {
    BitStream out;
    out.Write(true);
    out.Write(RakString("hi"));
    out.Write(std::uint8_t{0x7E});
    // bit 1, then 0x0002 over bits 1..16, seven bits of padding, 'h' 'i', then the next byte.
    EXPECT_EQ(Contents(out), (Bytes{0x80, 0x01, 0x00, 'h', 'i', 0x7E}));

    BitStream in(out.GetData(), out.GetNumberOfBytesUsed(), true);
    bool flag = false;
    RakString text;
    std::uint8_t after = 0;
    ASSERT_TRUE(in.Read(flag) && in.Read(text) && in.Read(after));
    EXPECT_EQ(text, "hi");
    EXPECT_EQ(after, 0x7E);
}

TEST(BitStream, StringWhoseBytesAreMissingLeavesDestinationAndPositionAlone) {
    const Bytes bytes{0x00, 0x05, 'a', 'b'};
    BitStream in(bytes.data(), static_cast<unsigned>(bytes.size()), false);
    RakString text("kept");
    EXPECT_FALSE(in.Read(text));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(in.GetReadOffset(), 0u);
    std::uint16_t length = 0;
    EXPECT_TRUE(in.Read(length));
    EXPECT_EQ(length, 5u);
}

TEST(BitStream, OverlongStringIsCutAtTheLengthFieldsLimit) {
    const std::string longText(RakString::kMaxLength + 10, 'x');
    BitStream out;
    out.Write(RakString(longText));
    EXPECT_EQ(out.GetNumberOfBytesUsed(), 2u + RakString::kMaxLength);
    RakString back;
    ASSERT_TRUE(out.Read(back));
    EXPECT_EQ(back.GetLength(), RakString::kMaxLength);
}

TEST(BitStream, UnalignedMultiByteFieldsRoundTrip) {
    BitStream out;
    out.Write(true);
    out.Write(std::int16_t{-7500});
    out.Write(false);
    out.Write(-0.25f);
    out.Write(RakNetGUID(0x8000000000000001ull));
    out.Write(2.5);

    BitStream in(out.GetData(), out.GetNumberOfBytesUsed(), true);
    bool a = false, b = true;
    std::int16_t s = 0;
    float f = 0;
    RakNetGUID g;
    double d = 0;
    ASSERT_TRUE(in.Read(a) && in.Read(s) && in.Read(b) && in.Read(f) && in.Read(g) && in.Read(d));
    EXPECT_EQ(s, -7500);
    EXPECT_EQ(f, -0.25f);
    EXPECT_EQ(g.g, 0x8000000000000001ull);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(in.GetReadOffset(), BitSize_t{1 + 16 + 1 + 32 + 64 + 64});
}

TEST(BitStream, PartialBitsAreRightAligned) {
    BitStream out;
    const unsigned char three[] = {0x05};  // 101
    out.WriteBits(three, 3);
    const unsigned char eleven[] = {0xAB, 0x06};  // 0xAB then 110
    out.WriteBits(eleven, 11);
    EXPECT_EQ(out.GetNumberOfBitsUsed(), 14u);
    // 101 10101011 110 + 2 bits padding
    EXPECT_EQ(Contents(out), (Bytes{0xB5, 0x78}));

    BitStream in(out.GetData(), out.GetNumberOfBytesUsed(), true);
    unsigned char a[1] = {};
    unsigned char b[2] = {};
    ASSERT_TRUE(in.ReadBits(a, 3));
    ASSERT_TRUE(in.ReadBits(b, 11));
    EXPECT_EQ(a[0], 0x05);
    EXPECT_EQ(b[0], 0xAB);
    EXPECT_EQ(b[1], 0x06);
    unsigned char c[1] = {0x55};
    EXPECT_FALSE(in.ReadBits(c, 3)) << "only the two padding bits remain, and they are not data";
    EXPECT_EQ(c[0], 0x55);
}

TEST(BitStream, BorrowedDataIsNeverModified) {
    const Bytes original{0x01, 0x02};
    Bytes caller = original;
    BitStream stream(caller.data(), static_cast<unsigned>(caller.size()), false);
    stream.Write(std::uint8_t{0xFF});
    EXPECT_EQ(caller, original);
    EXPECT_EQ(Contents(stream), (Bytes{0x01, 0x02, 0xFF}));
}

TEST(BitStream, ResetEmptiesTheStream) {
    BitStream stream;
    stream.Write(true);
    stream.Write(std::uint32_t{7});
    stream.Reset();
    EXPECT_EQ(stream.GetNumberOfBitsUsed(), 0u);
    stream.Write(std::uint8_t{0x42});
    EXPECT_EQ(Contents(stream), Bytes{0x42});
}

// Found by fuzzing: zero-byte reads and writes on a stream without storage handed memcpy a null pointer.
TEST(BitStream, ZeroByteReadsAndWritesOnAnEmptyStreamDoNothing) {
    BitStream empty(nullptr, 0, false);
    unsigned char out[1] = {0x5A};
    EXPECT_TRUE(empty.ReadAlignedBytes(out, 0));
    EXPECT_TRUE(empty.Read(reinterpret_cast<char*>(out), 0));
    EXPECT_TRUE(empty.ReadBits(out, 0));
    EXPECT_EQ(out[0], 0x5A);
    EXPECT_EQ(empty.GetReadOffset(), 0u);

    BitStream written;
    written.Write(static_cast<const char*>(nullptr), 0);
    written.WriteAlignedBytes(nullptr, 0);
    EXPECT_EQ(written.GetNumberOfBitsUsed(), 0u);
    RakString text;
    EXPECT_FALSE(written.Read(text));
}
