#include "BitStream.h"

#include <bit>
#include <cstring>

#include "RakString.h"

namespace RakNet {

BitStream::BitStream(unsigned int initialBytesToAllocate) {
    m_buffer.reserve(initialBytesToAllocate);
}

BitStream::BitStream(const unsigned char* data, unsigned int lengthInBytes, bool copyData)
    : m_bitsUsed(lengthInBytes * 8u) {
    if (copyData || lengthInBytes == 0) {
        m_buffer.assign(data, data + lengthInBytes);
    } else {
        m_view = data;
    }
}

void BitStream::Reset() {
    m_view = nullptr;
    m_buffer.clear();
    m_bitsUsed = 0;
    m_readOffset = 0;
}

void BitStream::Grow(BitSize_t extraBits) {
    if (m_view != nullptr) {
        // First write to a borrowed stream: take a copy so the caller's data is never modified.
        m_buffer.assign(m_view, m_view + GetNumberOfBytesUsed());
        m_view = nullptr;
    }
    const std::size_t needed = (static_cast<std::size_t>(m_bitsUsed) + extraBits + 7u) / 8u;
    if (needed > m_buffer.size()) {
        if (needed > m_buffer.capacity()) {
            m_buffer.reserve(needed * 2);
        }
        m_buffer.resize(needed, 0);
    }
}

void BitStream::Write(bool value) {
    Grow(1);
    if (value) {
        m_buffer[m_bitsUsed >> 3] |= static_cast<unsigned char>(0x80u >> (m_bitsUsed & 7u));
    }
    ++m_bitsUsed;
}

bool BitStream::Read(bool& value) {
    if (!CanRead(1)) {
        return false;
    }
    value = (GetData()[m_readOffset >> 3] & (0x80u >> (m_readOffset & 7u))) != 0;
    ++m_readOffset;
    return true;
}

void BitStream::Write(float value) {
    WriteBigEndian(std::bit_cast<std::uint32_t>(value), 4);
}
void BitStream::Write(double value) {
    WriteBigEndian(std::bit_cast<std::uint64_t>(value), 8);
}

bool BitStream::Read(float& value) {
    std::uint32_t raw = 0;
    if (!ReadInto(raw)) {
        return false;
    }
    value = std::bit_cast<float>(raw);
    return true;
}

bool BitStream::Read(double& value) {
    std::uint64_t raw = 0;
    if (!ReadInto(raw)) {
        return false;
    }
    value = std::bit_cast<double>(raw);
    return true;
}

bool BitStream::Read(RakNetGUID& value) {
    std::uint64_t raw = 0;
    if (!ReadInto(raw)) {
        return false;
    }
    value.g = raw;
    return true;
}

void BitStream::Write(const RakString& value) {
    value.Serialize(this);
}
bool BitStream::Read(RakString& value) {
    return value.Deserialize(this);
}

void BitStream::Write(const char* bytes, unsigned int numberOfBytes) {
    Grow(numberOfBytes * 8u);
    WriteWholeBytes(reinterpret_cast<const unsigned char*>(bytes), numberOfBytes);
}

bool BitStream::Read(char* bytes, unsigned int numberOfBytes) {
    if (!CanRead(std::uint64_t{numberOfBytes} * 8u)) {
        return false;
    }
    ReadWholeBytes(reinterpret_cast<unsigned char*>(bytes), numberOfBytes);
    return true;
}

void BitStream::WriteBigEndian(std::uint64_t value, unsigned int bytes) {
    unsigned char out[8];
    for (unsigned int i = 0; i < bytes; ++i) {
        out[i] = static_cast<unsigned char>(value >> (8u * (bytes - 1u - i)));
    }
    Grow(bytes * 8u);
    WriteWholeBytes(out, bytes);
}

bool BitStream::ReadBigEndian(std::uint64_t& value, unsigned int bytes) {
    if (!CanRead(bytes * 8u)) {
        return false;
    }
    unsigned char in[8];
    ReadWholeBytes(in, bytes);
    std::uint64_t result = 0;
    for (unsigned int i = 0; i < bytes; ++i) {
        result = (result << 8) | in[i];
    }
    value = result;
    return true;
}

// Callers have grown the buffer for the bytes. No bytes: nothing to copy (the buffer may have no storage).
void BitStream::WriteWholeBytes(const unsigned char* input, unsigned int numberOfBytes) {
    if (numberOfBytes == 0) {
        return;
    }
    const unsigned int shift = m_bitsUsed & 7u;
    unsigned char* out = m_buffer.data() + (m_bitsUsed >> 3);
    if (shift == 0) {
        std::memcpy(out, input, numberOfBytes);
    } else {
        // Bytes beyond the used bits are always zero, so OR-ing places each byte across two.
        for (unsigned int i = 0; i < numberOfBytes; ++i) {
            out[i] |= static_cast<unsigned char>(input[i] >> shift);
            out[i + 1] = static_cast<unsigned char>(input[i] << (8u - shift));
        }
    }
    m_bitsUsed += numberOfBytes * 8u;
}

// Callers have checked that the bytes are there. No bytes: nothing to copy (the data may have no storage).
void BitStream::ReadWholeBytes(unsigned char* output, unsigned int numberOfBytes) {
    if (numberOfBytes == 0) {
        return;
    }
    const unsigned int shift = m_readOffset & 7u;
    const unsigned char* in = GetData() + (m_readOffset >> 3);
    if (shift == 0) {
        std::memcpy(output, in, numberOfBytes);
    } else {
        for (unsigned int i = 0; i < numberOfBytes; ++i) {
            output[i] = static_cast<unsigned char>((in[i] << shift) | (in[i + 1] >> (8u - shift)));
        }
    }
    m_readOffset += numberOfBytes * 8u;
}

void BitStream::WriteBits(const unsigned char* input, BitSize_t numberOfBits, bool rightAligned) {
    if (numberOfBits == 0) {
        return;
    }
    Grow(numberOfBits);
    const BitSize_t wholeBytes = numberOfBits / 8u;
    WriteWholeBytes(input, wholeBytes);
    const BitSize_t rest = numberOfBits & 7u;
    if (rest != 0) {
        unsigned char last = input[wholeBytes];
        if (rightAligned) {
            last = static_cast<unsigned char>(last << (8u - rest));
        }
        for (BitSize_t i = 0; i < rest; ++i) {
            if ((last & (0x80u >> i)) != 0) {
                m_buffer[m_bitsUsed >> 3] |= static_cast<unsigned char>(0x80u >> (m_bitsUsed & 7u));
            }
            ++m_bitsUsed;
        }
    }
}

bool BitStream::ReadBits(unsigned char* output, BitSize_t numberOfBits, bool rightAligned) {
    if (!CanRead(numberOfBits)) {
        return false;
    }
    const BitSize_t wholeBytes = numberOfBits / 8u;
    ReadWholeBytes(output, wholeBytes);
    const BitSize_t rest = numberOfBits & 7u;
    if (rest != 0) {
        unsigned char last = 0;
        for (BitSize_t i = 0; i < rest; ++i) {
            if ((GetData()[m_readOffset >> 3] & (0x80u >> (m_readOffset & 7u))) != 0) {
                last |= static_cast<unsigned char>(0x80u >> i);
            }
            ++m_readOffset;
        }
        output[wholeBytes] = rightAligned ? static_cast<unsigned char>(last >> (8u - rest)) : last;
    }
    return true;
}

void BitStream::AlignWriteToByteBoundary() {
    const BitSize_t padding = (8u - (m_bitsUsed & 7u)) & 7u;
    if (padding != 0) {
        Grow(padding);
        m_bitsUsed += padding;
    }
}

void BitStream::AlignReadToByteBoundary() {
    const BitSize_t aligned = (m_readOffset + 7u) & ~BitSize_t{7};
    m_readOffset = aligned <= m_bitsUsed ? aligned : m_bitsUsed;
}

void BitStream::WriteAlignedBytes(const unsigned char* input, unsigned int numberOfBytes) {
    AlignWriteToByteBoundary();
    Write(reinterpret_cast<const char*>(input), numberOfBytes);
}

bool BitStream::ReadAlignedBytes(unsigned char* output, unsigned int numberOfBytes) {
    const BitSize_t aligned = (m_readOffset + 7u) & ~BitSize_t{7};
    if (aligned > m_bitsUsed || std::uint64_t{numberOfBytes} * 8u > m_bitsUsed - aligned) {
        return false;
    }
    m_readOffset = aligned;
    ReadWholeBytes(output, numberOfBytes);
    return true;
}

void BitStream::IgnoreBits(BitSize_t numberOfBits) {
    m_readOffset = CanRead(numberOfBits) ? m_readOffset + numberOfBits : m_bitsUsed;
}

}  // namespace RakNet
