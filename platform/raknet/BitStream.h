// A growable bit buffer with the transport's typed encodings: numbers most significant byte first, bools as
// single bits, strings as a 16-bit length then bytes from the next byte boundary. Bits fill each byte from
// its most significant bit down. Reads past the end fail and leave both the destination and the read position
// as they were.
#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

#include "RakNetTypes.h"

namespace RakNet {

class RakString;

class BitStream {
public:
    BitStream() = default;
    explicit BitStream(unsigned int initialBytesToAllocate);
    // Reads from data. With copyData false the stream reads data in place until its first write, so data
    // must outlive those reads.
    BitStream(const unsigned char* data, unsigned int lengthInBytes, bool copyData);
    BitStream(const BitStream&) = delete;
    BitStream& operator=(const BitStream&) = delete;

    // Typed writes.
    void Write(bool value);
    void Write(char value) { WriteBigEndian(static_cast<std::uint8_t>(value), 1); }
    void Write(unsigned char value) { WriteBigEndian(value, 1); }
    void Write(signed char value) { WriteBigEndian(static_cast<std::uint8_t>(value), 1); }
    void Write(std::uint16_t value) { WriteBigEndian(value, 2); }
    void Write(std::int16_t value) { WriteBigEndian(static_cast<std::uint16_t>(value), 2); }
    void Write(std::uint32_t value) { WriteBigEndian(value, 4); }
    void Write(std::int32_t value) { WriteBigEndian(static_cast<std::uint32_t>(value), 4); }
    void Write(std::uint64_t value) { WriteBigEndian(value, 8); }
    void Write(std::int64_t value) { WriteBigEndian(static_cast<std::uint64_t>(value), 8); }
    void Write(float value);
    void Write(double value);
    void Write(const RakNetGUID& value) { WriteBigEndian(value.g, 8); }
    void Write(const RakString& value);
    // Raw bytes at the current bit position.
    void Write(const char* bytes, unsigned int numberOfBytes);
    // Enumerations must be cast to the width they travel with (for example MessageID).
    template <typename E>
    requires std::is_enum_v<E>
    void Write(E) = delete;

    // Typed reads: false at the end of the data, with the destination untouched.
    bool Read(bool& value);
    bool Read(char& value) { return ReadInto(value); }
    bool Read(unsigned char& value) { return ReadInto(value); }
    bool Read(signed char& value) { return ReadInto(value); }
    bool Read(std::uint16_t& value) { return ReadInto(value); }
    bool Read(std::int16_t& value) { return ReadInto(value); }
    bool Read(std::uint32_t& value) { return ReadInto(value); }
    bool Read(std::int32_t& value) { return ReadInto(value); }
    bool Read(std::uint64_t& value) { return ReadInto(value); }
    bool Read(std::int64_t& value) { return ReadInto(value); }
    bool Read(float& value);
    bool Read(double& value);
    bool Read(RakNetGUID& value);
    bool Read(RakString& value);
    bool Read(char* bytes, unsigned int numberOfBytes);
    template <typename E>
    requires std::is_enum_v<E>
    bool Read(E&) = delete;

    // Bit-level access. Partial bytes are right-aligned in input and output when rightAligned is true.
    void WriteBits(const unsigned char* input, BitSize_t numberOfBits, bool rightAligned = true);
    bool ReadBits(unsigned char* output, BitSize_t numberOfBits, bool rightAligned = true);
    void WriteAlignedBytes(const unsigned char* input, unsigned int numberOfBytes);
    bool ReadAlignedBytes(unsigned char* output, unsigned int numberOfBytes);
    void AlignWriteToByteBoundary();
    void AlignReadToByteBoundary();
    void IgnoreBits(BitSize_t numberOfBits);
    void IgnoreBytes(unsigned int numberOfBytes) { IgnoreBits(numberOfBytes * 8u); }

    const unsigned char* GetData() const { return m_view != nullptr ? m_view : m_buffer.data(); }
    BitSize_t GetNumberOfBitsUsed() const { return m_bitsUsed; }
    BitSize_t GetWriteOffset() const { return m_bitsUsed; }
    unsigned int GetNumberOfBytesUsed() const { return (m_bitsUsed + 7u) / 8u; }
    BitSize_t GetReadOffset() const { return m_readOffset; }
    void SetReadOffset(BitSize_t offset) { m_readOffset = offset <= m_bitsUsed ? offset : m_bitsUsed; }
    BitSize_t GetNumberOfUnreadBits() const { return m_bitsUsed - m_readOffset; }
    void ResetReadPointer() { m_readOffset = 0; }
    // Empties the stream (keeps its allocation).
    void Reset();

private:
    void WriteBigEndian(std::uint64_t value, unsigned int bytes);
    bool ReadBigEndian(std::uint64_t& value, unsigned int bytes);
    template <typename T>
    bool ReadInto(T& value) {
        std::uint64_t raw = 0;
        if (!ReadBigEndian(raw, sizeof(T))) {
            return false;
        }
        value = static_cast<T>(raw);
        return true;
    }
    void WriteWholeBytes(const unsigned char* input, unsigned int numberOfBytes);
    void ReadWholeBytes(unsigned char* output, unsigned int numberOfBytes);
    void Grow(BitSize_t extraBits);
    bool CanRead(std::uint64_t bits) const { return bits <= m_bitsUsed - m_readOffset; }

    std::vector<unsigned char> m_buffer;
    const unsigned char* m_view = nullptr;  // borrowed data of a read-only stream
    BitSize_t m_bitsUsed = 0;
    BitSize_t m_readOffset = 0;
};

}  // namespace RakNet
