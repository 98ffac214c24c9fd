#include "RakNetTypes.h"

#include <cstdio>
#include <cstring>

namespace RakNet {

std::string RakNetGUID::ToString() const {
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(g));
    return text;
}

std::string SystemAddress::ToString(bool writePort, char portDelimiter) const {
    char text[32];
    if (writePort) {
        std::snprintf(text, sizeof(text), "%u.%u.%u.%u%c%u", AddressByte(0), AddressByte(1), AddressByte(2),
                      AddressByte(3), portDelimiter, static_cast<unsigned>(port));
    } else {
        std::snprintf(text, sizeof(text), "%u.%u.%u.%u", AddressByte(0), AddressByte(1), AddressByte(2),
                      AddressByte(3));
    }
    return text;
}

bool SystemAddress::FromString(const char* text, char portDelimiter) {
    if (text == nullptr) {
        return false;
    }
    unsigned parts[4] = {};
    unsigned long newPort = port;
    const char* p = text;
    for (int i = 0; i < 4; ++i) {
        if (*p < '0' || *p > '9') {
            return false;
        }
        unsigned value = 0;
        int digits = 0;
        while (*p >= '0' && *p <= '9' && digits < 4) {
            value = value * 10u + static_cast<unsigned>(*p - '0');
            ++p;
            ++digits;
        }
        if (value > 255) {
            return false;
        }
        parts[i] = value;
        if (i < 3) {
            if (*p != '.') {
                return false;
            }
            ++p;
        }
    }
    if (*p == portDelimiter && portDelimiter != '\0') {
        ++p;
        char* end = nullptr;
        newPort = std::strtoul(p, &end, 10);
        if (end == p || *end != '\0' || newPort > 65535) {
            return false;
        }
    } else if (*p != '\0') {
        return false;
    }
    ipv4 = (parts[0] << 24) | (parts[1] << 16) | (parts[2] << 8) | parts[3];
    port = static_cast<std::uint16_t>(newPort);
    return true;
}

SocketDescriptor::SocketDescriptor(unsigned short bindPort, const char* bindHost) : port(bindPort) {
    if (bindHost != nullptr) {
        std::snprintf(hostAddress, sizeof(hostAddress), "%s", bindHost);
    }
}

}  // namespace RakNet
