// A string that travels as a 16-bit length followed by its bytes from the next byte boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace RakNet {

class BitStream;

class RakString {
public:
    static constexpr std::size_t kMaxLength = 0xFFFF;

    RakString() = default;
    RakString(const char* text) : m_text(text != nullptr ? text : "") {}  // NOLINT(implicit)
    RakString(std::string text) : m_text(std::move(text)) {}              // NOLINT(implicit)

    const char* C_String() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }
    std::size_t GetLength() const { return m_text.size(); }
    bool IsEmpty() const { return m_text.empty(); }
    void Clear() { m_text.clear(); }

    // Writes at most kMaxLength bytes; a longer string is cut there.
    void Serialize(BitStream* stream) const;
    // False, with this string and the read position unchanged, when the stream ends early.
    bool Deserialize(BitStream* stream);

    RakString& operator+=(std::string_view more) {
        m_text += more;
        return *this;
    }
    friend bool operator==(const RakString& a, const RakString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const RakString& a, const char* b) { return b != nullptr && a.m_text == b; }
    friend bool operator<(const RakString& a, const RakString& b) { return a.m_text < b.m_text; }

private:
    std::string m_text;
};

}  // namespace RakNet
