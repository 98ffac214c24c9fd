// Reads little-endian fields from a byte buffer without ever reading past its end. Every read either
// succeeds and moves on, or fails and leaves both the destination and the position untouched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shared/Float3.h"
#include "shared/Float4.h"
#include "shared/Float4x4.h"

class ModelReader {
public:
    explicit ModelReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Offset() const { return m_offset; }
    std::size_t Remaining() const { return m_bytes.size() - m_offset; }

    // True when count records of recordSize bytes fit in the bytes left; false for a negative count. The
    // product is never formed, so no count can overflow it.
    bool Fits(std::int64_t count, std::size_t recordSize) const;

    bool Skip(std::size_t size);
    bool ReadUint8(std::uint8_t& value);
    bool ReadInt32(std::int32_t& value);
    bool ReadFloat(float& value);
    bool ReadFloat3(Float3& value);
    bool ReadFloat4(Float4& value);
    bool ReadFloat4x4(Float4x4& value);
    // Replaces out with the next size bytes.
    bool ReadBytes(std::size_t size, std::vector<std::uint8_t>& out);
    // A fixed field of fieldSize bytes holding zero-terminated text; out receives the text before the first
    // zero. Fails when the field holds no zero.
    bool ReadName(std::size_t fieldSize, std::string& out);

private:
    std::uint32_t PeekUint32(std::size_t at) const;

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};
