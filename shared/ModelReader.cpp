#include "shared/ModelReader.h"

#include <algorithm>
#include <bit>

bool ModelReader::Fits(std::int64_t count, std::size_t recordSize) const {
    if (count < 0) {
        return false;
    }
    if (recordSize == 0) {
        return true;
    }
    return static_cast<std::uint64_t>(count) <= Remaining() / recordSize;
}

bool ModelReader::Skip(std::size_t size) {
    if (size > Remaining()) {
        return false;
    }
    m_offset += size;
    return true;
}

bool ModelReader::ReadUint8(std::uint8_t& value) {
    if (Remaining() < 1) {
        return false;
    }
    value = m_bytes[m_offset];
    ++m_offset;
    return true;
}

std::uint32_t ModelReader::PeekUint32(std::size_t at) const {
    return static_cast<std::uint32_t>(m_bytes[at]) | static_cast<std::uint32_t>(m_bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(m_bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(m_bytes[at + 3]) << 24;
}

bool ModelReader::ReadInt32(std::int32_t& value) {
    if (Remaining() < 4) {
        return false;
    }
    value = static_cast<std::int32_t>(PeekUint32(m_offset));
    m_offset += 4;
    return true;
}

bool ModelReader::ReadFloat(float& value) {
    if (Remaining() < 4) {
        return false;
    }
    value = std::bit_cast<float>(PeekUint32(m_offset));
    m_offset += 4;
    return true;
}

bool ModelReader::ReadFloat3(Float3& value) {
    if (Remaining() < 12) {
        return false;
    }
    // The size check above covers all three reads.
    ReadFloat(value.x);
    ReadFloat(value.y);
    ReadFloat(value.z);
    return true;
}

bool ModelReader::ReadFloat4(Float4& value) {
    if (Remaining() < 16) {
        return false;
    }
    ReadFloat(value.x);
    ReadFloat(value.y);
    ReadFloat(value.z);
    ReadFloat(value.w);
    return true;
}

bool ModelReader::ReadFloat4x4(Float4x4& value) {
    if (Remaining() < sizeof(value.m)) {
        return false;
    }
    for (auto& row : value.m) {
        for (float& element : row) {
            ReadFloat(element);
        }
    }
    return true;
}

bool ModelReader::ReadBytes(std::size_t size, std::vector<std::uint8_t>& out) {
    if (size > Remaining()) {
        return false;
    }
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_offset);
    out.assign(first, first + static_cast<std::ptrdiff_t>(size));
    m_offset += size;
    return true;
}

bool ModelReader::ReadName(std::size_t fieldSize, std::string& out) {
    if (fieldSize > Remaining()) {
        return false;
    }
    const auto first = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_offset);
    const auto last = first + static_cast<std::ptrdiff_t>(fieldSize);
    const auto zero = std::find(first, last, std::uint8_t{0});
    if (zero == last) {
        return false;
    }
    out.assign(first, zero);
    m_offset += fieldSize;
    return true;
}
