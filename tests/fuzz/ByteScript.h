// Byte scripts: the fuzz targets read their input from the front, one field at a time, and the corpus
// writer builds seed inputs with the same field order. A field that runs past the end reads as zero.
// Numbers are little-endian: i32 four bytes, f32 its four bytes of bits, a string a u16 length then the
// bytes, a bool one byte (odd = true), a byte list a u8 count then the bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

// Reads a script from the front.
class ScriptReader {
public:
    ScriptReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_at >= m_size; }
    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint32_t Word(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= std::uint32_t{Byte()} << (8 * i);
        }
        return value;
    }
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t available = m_at < m_size ? m_size - m_at : 0;
        const std::size_t taken = count < available ? count : available;
        std::vector<std::uint8_t> bytes(m_data + m_at, m_data + m_at + taken);
        m_at += taken;
        return bytes;
    }
    // Field visitor.
    void operator()(std::int32_t& value) { value = static_cast<std::int32_t>(Word(4)); }
    void operator()(float& value) {
        const std::uint32_t bits = Word(4);
        std::memcpy(&value, &bits, sizeof(value));
    }
    void operator()(bool& value) { value = (Byte() & 1u) != 0; }
    void operator()(std::string& value) {
        const std::vector<std::uint8_t> bytes = Bytes(Word(2));
        value.assign(bytes.begin(), bytes.end());
    }
    void operator()(std::vector<std::uint8_t>& value) { value = Bytes(Byte()); }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// Builds a script.
class ScriptWriter {
public:
    ScriptWriter& Byte(std::uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    ScriptWriter& Word(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
        return *this;
    }
    // Field visitor (writes what the reader reads).
    void operator()(std::int32_t& value) { Word(static_cast<std::uint32_t>(value), 4); }
    void operator()(float& value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof(value));
        Word(bits, 4);
    }
    void operator()(bool& value) { Byte(value ? 1 : 0); }
    void operator()(std::string& value) {
        Word(static_cast<std::uint32_t>(value.size()), 2);
        bytes.insert(bytes.end(), value.begin(), value.end());
    }
    void operator()(std::vector<std::uint8_t>& value) {
        Byte(static_cast<std::uint8_t>(value.size()));
        bytes.insert(bytes.end(), value.begin(), value.end());
    }

    std::vector<std::uint8_t> bytes;
};

}  // namespace fuzz
