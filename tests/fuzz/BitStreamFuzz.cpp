// Fuzz target: BitStream reads and writes against a reference that handles one bit at a time.
//
// The input (ByteScript.h) is a flag choosing a copied or a borrowed stream, the stream's length (u16) and
// bytes, then a list of operations, one byte each with their arguments (see the switch below). Every typed
// read, bit read, aligned read, alignment, skip and seek is carried out on the stream and on the reference,
// which must agree on success, on the value and on the read position; a failed read must leave its
// destination and the read position as they were. Every value read is also written to a second stream, whose
// bytes must equal those the reference writer builds, and which must read back to the same values.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "ByteScript.h"
#include "FuzzCheck.h"
#include "raknet/BitStream.h"
#include "raknet/RakString.h"

namespace {

// memcmp, which must not be handed the null pointer of an empty vector even for no bytes.
bool SameBytes(const void* a, const void* b, std::size_t count) {
    return count == 0 || std::memcmp(a, b, count) == 0;
}

class ReferenceReader {
public:
    explicit ReferenceReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    std::uint64_t Size() const { return m_bytes.size() * 8u; }
    std::uint64_t offset = 0;
    bool Has(std::uint64_t bits) const { return bits <= Size() - offset; }
    int Bit(std::uint64_t at) const { return (m_bytes[at >> 3] >> (7 - (at & 7))) & 1; }
    // The next bits, most significant first; the caller checked Has.
    std::uint64_t Take(unsigned bits) {
        std::uint64_t value = 0;
        for (unsigned i = 0; i < bits; ++i) {
            value = (value << 1) | static_cast<std::uint64_t>(Bit(offset++));
        }
        return value;
    }
    std::uint64_t Aligned() const { return (offset + 7) & ~std::uint64_t{7}; }

private:
    const std::vector<std::uint8_t>& m_bytes;
};

class ReferenceWriter {
public:
    void Put(std::uint64_t value, unsigned bits) {
        for (unsigned i = bits; i-- > 0;) {
            PutBit(static_cast<int>((value >> i) & 1u));
        }
    }
    void PutBit(int bit) {
        if ((m_bits & 7) == 0) {
            bytes.push_back(0);
        }
        if (bit != 0) {
            bytes.back() |= static_cast<std::uint8_t>(0x80u >> (m_bits & 7));
        }
        ++m_bits;
    }
    void Align() {
        while ((m_bits & 7) != 0) {
            PutBit(0);
        }
    }
    std::uint64_t Bits() const { return m_bits; }
    std::vector<std::uint8_t> bytes;

private:
    std::uint64_t m_bits = 0;
};

// A value read, kept to be written again and read back.
struct Item {
    enum Kind { Number, Text, Bits, AlignedBytes } kind = Number;
    unsigned width = 0;  // bits of a number, or of a bit run
    std::uint64_t number = 0;
    std::vector<std::uint8_t> bytes;
    bool rightAligned = true;
};

// Reads a number of the given width into T (the stream's typed read), checked against the reference.
template <typename T>
void ReadNumber(RakNet::BitStream& stream, ReferenceReader& reference, std::vector<Item>& items) {
    constexpr unsigned kWidth = std::is_same_v<T, bool> ? 1u : sizeof(T) * 8u;
    T value{};
    if constexpr (std::is_same_v<T, bool>) {
        value = true;
    } else {
        std::memset(&value, 0xA5, sizeof(value));
    }
    const T untouched = value;
    const std::uint32_t before = stream.GetReadOffset();
    const bool read = stream.Read(value);
    FUZZ_CHECK(read == reference.Has(kWidth));
    if (!read) {
        FUZZ_CHECK(std::memcmp(&value, &untouched, sizeof(T)) == 0);
        FUZZ_CHECK(stream.GetReadOffset() == before);
        return;
    }
    const std::uint64_t expected = reference.Take(kWidth);
    std::uint64_t got = 0;
    if constexpr (std::is_same_v<T, float>) {
        got = std::bit_cast<std::uint32_t>(value);
    } else if constexpr (std::is_same_v<T, double>) {
        got = std::bit_cast<std::uint64_t>(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        got = value ? 1u : 0u;
    } else {
        got = static_cast<std::uint64_t>(value) &
              (kWidth == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << kWidth) - 1));
    }
    FUZZ_CHECK(got == expected);
    FUZZ_CHECK(stream.GetReadOffset() == reference.offset);
    items.push_back(Item{Item::Number, kWidth, expected, {}, true});
}

void ReadText(RakNet::BitStream& stream, ReferenceReader& reference, std::vector<Item>& items) {
    RakNet::RakString text("untouched");
    const std::uint32_t before = stream.GetReadOffset();
    bool expected = reference.Has(16);
    std::uint64_t length = 0;
    if (expected) {
        ReferenceReader probe = reference;
        length = probe.Take(16);
        const std::uint64_t aligned = probe.Aligned();
        expected = aligned <= probe.Size() && length * 8u <= probe.Size() - aligned;
    }
    const bool read = stream.Read(text);
    FUZZ_CHECK(read == expected);
    if (!read) {
        FUZZ_CHECK(std::string(text.C_String()) == "untouched");
        FUZZ_CHECK(stream.GetReadOffset() == before);
        return;
    }
    reference.Take(16);
    reference.offset = reference.Aligned();
    std::vector<std::uint8_t> bytes;
    for (std::uint64_t i = 0; i < length; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(reference.Take(8)));
    }
    FUZZ_CHECK(text.GetLength() == length);
    FUZZ_CHECK(SameBytes(text.C_String(), bytes.data(), bytes.size()));
    FUZZ_CHECK(stream.GetReadOffset() == reference.offset);
    items.push_back(Item{Item::Text, 0, 0, std::move(bytes), true});
}

void ReadBitRun(RakNet::BitStream& stream, ReferenceReader& reference, std::vector<Item>& items,
                unsigned bits, bool rightAligned) {
    std::vector<std::uint8_t> out((bits + 7) / 8 + 1, 0xA5);
    const std::vector<std::uint8_t> untouched = out;
    const std::uint32_t before = stream.GetReadOffset();
    const bool read = stream.ReadBits(out.data(), bits, rightAligned);
    FUZZ_CHECK(read == reference.Has(bits));
    if (!read) {
        FUZZ_CHECK(out == untouched && stream.GetReadOffset() == before);
        return;
    }
    std::vector<std::uint8_t> expected((bits + 7) / 8, 0);
    for (unsigned i = 0; i < bits; ++i) {
        if (reference.Bit(reference.offset + i) != 0) {
            expected[i / 8] |= static_cast<std::uint8_t>(0x80u >> (i % 8));
        }
    }
    reference.offset += bits;
    if (rightAligned && bits % 8 != 0) {
        expected.back() = static_cast<std::uint8_t>(expected.back() >> (8 - bits % 8));
    }
    FUZZ_CHECK(std::memcmp(out.data(), expected.data(), expected.size()) == 0);
    FUZZ_CHECK(out.back() == 0xA5);  // nothing written past the bits asked for
    FUZZ_CHECK(stream.GetReadOffset() == reference.offset);
    items.push_back(Item{Item::Bits, bits, 0, std::move(expected), rightAligned});
}

void ReadAligned(RakNet::BitStream& stream, ReferenceReader& reference, std::vector<Item>& items,
                 unsigned count) {
    std::vector<std::uint8_t> out(count + 1, 0xA5);
    const std::vector<std::uint8_t> untouched = out;
    const std::uint32_t before = stream.GetReadOffset();
    const std::uint64_t aligned = reference.Aligned();
    const bool expected =
        aligned <= reference.Size() && std::uint64_t{count} * 8u <= reference.Size() - aligned;
    const bool read = stream.ReadAlignedBytes(out.data(), count);
    FUZZ_CHECK(read == expected);
    if (!read) {
        FUZZ_CHECK(out == untouched && stream.GetReadOffset() == before);
        return;
    }
    reference.offset = aligned;
    std::vector<std::uint8_t> bytes;
    for (unsigned i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(reference.Take(8)));
    }
    FUZZ_CHECK(SameBytes(out.data(), bytes.data(), count) && out[count] == 0xA5);
    FUZZ_CHECK(stream.GetReadOffset() == reference.offset);
    items.push_back(Item{Item::AlignedBytes, 0, 0, std::move(bytes), true});
}

void WriteItem(RakNet::BitStream& stream, ReferenceWriter& reference, const Item& item) {
    switch (item.kind) {
        case Item::Number:
            switch (item.width) {
                case 1:
                    stream.Write(item.number != 0);
                    break;
                case 8:
                    stream.Write(static_cast<std::uint8_t>(item.number));
                    break;
                case 16:
                    stream.Write(static_cast<std::uint16_t>(item.number));
                    break;
                case 32:
                    stream.Write(static_cast<std::uint32_t>(item.number));
                    break;
                default:
                    stream.Write(static_cast<std::uint64_t>(item.number));
                    break;
            }
            reference.Put(item.number, item.width);
            break;
        case Item::Text:
            stream.Write(RakNet::RakString(std::string(item.bytes.begin(), item.bytes.end())));
            reference.Put(item.bytes.size(), 16);
            reference.Align();
            for (const std::uint8_t byte : item.bytes) {
                reference.Put(byte, 8);
            }
            break;
        case Item::Bits: {
            std::vector<std::uint8_t> input = item.bytes;
            stream.WriteBits(input.data(), item.width, item.rightAligned);
            for (unsigned i = 0; i < item.width; ++i) {
                const unsigned byte = i / 8;
                const bool lastPartial = byte == item.width / 8 && item.width % 8 != 0;
                const unsigned shift = lastPartial && item.rightAligned ? item.width % 8 : 8;
                reference.PutBit((input[byte] >> (shift - 1 - i % 8)) & 1);
            }
            break;
        }
        case Item::AlignedBytes:
            stream.WriteAlignedBytes(item.bytes.data(), static_cast<unsigned>(item.bytes.size()));
            reference.Align();
            for (const std::uint8_t byte : item.bytes) {
                reference.Put(byte, 8);
            }
            break;
    }
}

// Reads one item back from the written stream; it must be the value that was written.
void ReadItemBack(RakNet::BitStream& stream, const Item& item) {
    switch (item.kind) {
        case Item::Number: {
            std::uint8_t raw[8] = {};
            FUZZ_CHECK(stream.ReadBits(raw, item.width, true));
            std::uint64_t value = 0;
            for (unsigned i = 0; i < (item.width + 7) / 8; ++i) {
                value = (value << 8) | raw[i];
            }
            FUZZ_CHECK(value == item.number);
            break;
        }
        case Item::Text: {
            RakNet::RakString text;
            FUZZ_CHECK(stream.Read(text));
            FUZZ_CHECK(text.GetLength() == item.bytes.size());
            FUZZ_CHECK(SameBytes(text.C_String(), item.bytes.data(), item.bytes.size()));
            break;
        }
        case Item::Bits: {
            std::vector<std::uint8_t> out(item.bytes.size(), 0);
            FUZZ_CHECK(stream.ReadBits(out.data(), item.width, item.rightAligned));
            FUZZ_CHECK(out == item.bytes);
            break;
        }
        case Item::AlignedBytes: {
            std::vector<std::uint8_t> out(item.bytes.size(), 0);
            FUZZ_CHECK(stream.ReadAlignedBytes(out.data(), static_cast<unsigned>(out.size())));
            FUZZ_CHECK(out == item.bytes);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ScriptReader script(data, size);
    const bool copy = (script.Byte() & 1u) != 0;
    const std::vector<std::uint8_t> bytes = script.Bytes(script.Word(2) % 513u);
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), copy);
    ReferenceReader reference(bytes);
    FUZZ_CHECK(stream.GetNumberOfBitsUsed() == reference.Size());
    std::vector<Item> items;

    while (!script.AtEnd()) {
        switch (script.Byte() % 16) {
            case 0:
                ReadNumber<bool>(stream, reference, items);
                break;
            case 1:
                ReadNumber<std::uint8_t>(stream, reference, items);
                break;
            case 2:
                ReadNumber<std::int16_t>(stream, reference, items);
                break;
            case 3:
                ReadNumber<std::uint32_t>(stream, reference, items);
                break;
            case 4:
                ReadNumber<std::int64_t>(stream, reference, items);
                break;
            case 5:
                ReadNumber<float>(stream, reference, items);
                break;
            case 6:
                ReadNumber<double>(stream, reference, items);
                break;
            case 7: {
                RakNet::RakNetGUID guid(7);
                const bool read = stream.Read(guid);
                FUZZ_CHECK(read == reference.Has(64));
                if (read) {
                    FUZZ_CHECK(guid.g == reference.Take(64));
                    items.push_back(Item{Item::Number, 64, guid.g, {}, true});
                } else {
                    FUZZ_CHECK(guid.g == 7);
                }
                break;
            }
            case 8:
                ReadText(stream, reference, items);
                break;
            case 9:
                ReadBitRun(stream, reference, items, 1u + script.Byte() % 80u, (script.Byte() & 1u) != 0);
                break;
            case 10:
                ReadAligned(stream, reference, items, script.Byte() % 41u);
                break;
            case 11:
                stream.AlignReadToByteBoundary();
                reference.offset = std::min(reference.Aligned(), reference.Size());
                break;
            case 12: {
                const unsigned bits = script.Byte() % 101u;
                stream.IgnoreBits(bits);
                reference.offset = reference.Has(bits) ? reference.offset + bits : reference.Size();
                break;
            }
            case 13: {
                const unsigned offset = script.Word(2) % 5001u;
                stream.SetReadOffset(offset);
                reference.offset = std::min<std::uint64_t>(offset, reference.Size());
                break;
            }
            case 14: {
                const unsigned count = script.Byte() % 41u;
                std::vector<char> out(count + 1, 'x');
                const bool read = stream.Read(out.data(), count);
                FUZZ_CHECK(read == reference.Has(std::uint64_t{count} * 8u));
                if (read) {
                    for (unsigned i = 0; i < count; ++i) {
                        FUZZ_CHECK(static_cast<std::uint8_t>(out[i]) == reference.Take(8));
                    }
                }
                FUZZ_CHECK(out[count] == 'x');
                break;
            }
            default:
                FUZZ_CHECK(stream.GetNumberOfUnreadBits() == reference.Size() - reference.offset);
                break;
        }
        FUZZ_CHECK(stream.GetReadOffset() == reference.offset);
    }

    RakNet::BitStream written;
    ReferenceWriter expected;
    for (const Item& item : items) {
        WriteItem(written, expected, item);
    }
    FUZZ_CHECK(written.GetNumberOfBitsUsed() == expected.Bits());
    FUZZ_CHECK(written.GetNumberOfBytesUsed() == expected.bytes.size());
    FUZZ_CHECK(SameBytes(written.GetData(), expected.bytes.data(), expected.bytes.size()));
    for (const Item& item : items) {
        ReadItemBack(written, item);
    }
    FUZZ_CHECK(written.GetNumberOfUnreadBits() == 0);
    return 0;
}
