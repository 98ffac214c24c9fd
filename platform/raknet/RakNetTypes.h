// Value types of the transport: connection identity (GUID), IPv4 addresses, received packets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace RakNet {

using BitSize_t = std::uint32_t;

// A connection's identity, chosen at random by each peer when it is created.
struct RakNetGUID {
    std::uint64_t g = UINT64_MAX;
    std::uint16_t systemIndex = UINT16_MAX;

    RakNetGUID() = default;
    explicit RakNetGUID(std::uint64_t value) : g(value) {}

    // Sixteen hexadecimal digits.
    std::string ToString() const;

    friend bool operator==(const RakNetGUID& a, const RakNetGUID& b) { return a.g == b.g; }
    friend bool operator!=(const RakNetGUID& a, const RakNetGUID& b) { return a.g != b.g; }
    friend bool operator<(const RakNetGUID& a, const RakNetGUID& b) { return a.g < b.g; }
    friend bool operator>(const RakNetGUID& a, const RakNetGUID& b) { return a.g > b.g; }
};

inline const RakNetGUID UNASSIGNED_RAKNET_GUID{};

// An IPv4 address and UDP port.
struct SystemAddress {
    std::uint32_t ipv4 = 0xFFFFFFFFu;  // host byte order: 127.0.0.1 is 0x7F000001
    std::uint16_t port = 0xFFFF;
    std::uint16_t systemIndex = UINT16_MAX;

    SystemAddress() = default;
    SystemAddress(std::uint32_t hostOrderIpv4, std::uint16_t hostPort)
        : ipv4(hostOrderIpv4), port(hostPort) {}

    // "127.0.0.1|60000", or "127.0.0.1" without the port.
    std::string ToString(bool writePort = true, char portDelimiter = '|') const;
    // Parses "a.b.c.d" or "a.b.c.d|port"; false (and unchanged) on anything else.
    bool FromString(const char* text, char portDelimiter = '|');
    std::uint16_t GetPort() const { return port; }
    // The address byte i, most significant first (0 gives 127 for 127.0.0.1).
    unsigned char AddressByte(int i) const { return static_cast<unsigned char>(ipv4 >> (24 - 8 * i)); }

    friend bool operator==(const SystemAddress& a, const SystemAddress& b) {
        return a.ipv4 == b.ipv4 && a.port == b.port;
    }
    friend bool operator!=(const SystemAddress& a, const SystemAddress& b) { return !(a == b); }
    friend bool operator<(const SystemAddress& a, const SystemAddress& b) {
        return a.ipv4 != b.ipv4 ? a.ipv4 < b.ipv4 : a.port < b.port;
    }
};

inline const SystemAddress UNASSIGNED_SYSTEM_ADDRESS{};

// Where a peer binds: port 0 picks a free port, an empty host means every local interface.
struct SocketDescriptor {
    unsigned short port = 0;
    char hostAddress[32] = {};
    short socketFamily = 2;  // AF_INET; only IPv4 is supported

    SocketDescriptor() = default;
    SocketDescriptor(unsigned short bindPort, const char* bindHost);
};

// One message handed to the application by Receive. Its data is owned by the peer until DeallocatePacket.
struct Packet {
    SystemAddress systemAddress;
    RakNetGUID guid;
    unsigned int length = 0;  // bytes
    BitSize_t bitSize = 0;
    unsigned char* data = nullptr;
    bool deleteData = true;
    bool wasGeneratedLocally = false;
};

// Names one connection either way.
struct AddressOrGUID {
    RakNetGUID rakNetGuid;
    SystemAddress systemAddress;

    AddressOrGUID() = default;
    AddressOrGUID(const SystemAddress& address) : systemAddress(address) {}  // NOLINT(implicit)
    AddressOrGUID(const RakNetGUID& guid) : rakNetGuid(guid) {}              // NOLINT(implicit)
    AddressOrGUID(const Packet* packet)
        : rakNetGuid(packet->guid), systemAddress(packet->systemAddress) {}  // NOLINT

    bool IsUndefined() const {
        return rakNetGuid == UNASSIGNED_RAKNET_GUID && systemAddress == UNASSIGNED_SYSTEM_ADDRESS;
    }
};

}  // namespace RakNet
