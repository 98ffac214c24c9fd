#include "client/ui/Latin1Text.h"

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8.push_back(c);
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return utf8;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string latin1;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        std::size_t followers = 0;
        unsigned codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            followers = 1;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            followers = 2;
            codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            followers = 3;
            codePoint = lead & 0x07u;
        } else {
            ++i;  // a stray continuation byte or an invalid lead
            continue;
        }
        bool valid = i + followers < utf8.size();
        for (std::size_t k = 1; valid && k <= followers; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (!valid) {
            ++i;
            continue;
        }
        // Only two-byte sequences can hold 0x80..0xFF; longer ones are beyond Latin-1 (or overlong).
        if (followers == 1 && codePoint <= 0xFF) {
            latin1.push_back(static_cast<char>(codePoint));
        }
        i += 1 + followers;
    }
    return latin1;
}
