// A valid skinned model that uses every section of the file, both as data and as bytes assembled field by
// field from the file layout (independently of the model writer), with the offsets of its fields by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "shared/ModelFileData.h"

// Little-endian bytes with named offsets.
class ByteBuilder {
public:
    ByteBuilder& Mark(const std::string& name);
    ByteBuilder& U8(std::uint8_t value);
    ByteBuilder& I32(std::int32_t value);
    ByteBuilder& F32(float value);
    ByteBuilder& Name(const std::string& text);  // a 64-byte field, zero-padded
    ByteBuilder& Zeros(std::size_t count);

    std::size_t At(const std::string& name) const { return m_marks.at(name); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    const std::map<std::string, std::size_t>& Marks() const { return m_marks; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::map<std::string, std::size_t> m_marks;
};

struct ModelFixture {
    ModelFileData model;
    std::vector<std::uint8_t> bytes;
    std::map<std::string, std::size_t> marks;
};

// Two skinned vertices, a 2 x 1 diffuse texture and no normal map; animation "Run" (F = 3, J = 3: frame 0 is
// a root with two leaves, frame 1 a chain of three) and animation "Idle" (F = 1: no frames); one box, one
// point, one sphere. The marks name the offsets of its counts and joint fields (see the .cpp).
ModelFixture MakeModelFixture();

// Writes bytes into a fresh heap block of exactly their size, so that AddressSanitizer reports any read past
// the end, and parses it.
bool ParseExactCopy(std::span<const std::uint8_t> bytes, ModelFileData& model, std::string& error);

// Overwrites four bytes at offset with value, little-endian.
void PatchInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value);
