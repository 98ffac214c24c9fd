// Identifiers the client accepts but no server sends. Their layouts are kept so that a receiver can read them
// safely and drop them. Write and Read follow the convention of ClientMessages.h: Read starts at the
// identifier byte and, on failure, changes neither message nor stream.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/MessageIds.h"
#include "protocol/WireTypes.h"
#include "raknet/BitStream.h"

namespace protocol {

// An object id and two further 32-bit values whose meaning no sender defines (kept as raw bits).
struct Unused166Entry {
    std::int32_t objectId = 0;
    std::uint32_t valueA = 0;
    std::uint32_t valueB = 0;
    friend bool operator==(const Unused166Entry&, const Unused166Entry&) = default;
};

// i32 count, then the entries. A negative count is malformed.
struct Unused166Message {
    static constexpr GameMessageId kId = ID_UNUSED_166;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::vector<Unused166Entry> entries{};
    friend bool operator==(const Unused166Message&, const Unused166Message&) = default;
};

// The fields of ID_PLAY_SOUND.
struct Unused179Message {
    static constexpr GameMessageId kId = ID_UNUSED_179;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t sound = 0;
    Vec3 position{};
    friend bool operator==(const Unused179Message&, const Unused179Message&) = default;
};

// The fields of ID_PLAY_SOUND.
struct Unused180Message {
    static constexpr GameMessageId kId = ID_UNUSED_180;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t sound = 0;
    Vec3 position{};
    friend bool operator==(const Unused180Message&, const Unused180Message&) = default;
};

struct Unused182Message {
    static constexpr GameMessageId kId = ID_UNUSED_182;
    static constexpr Direction kDirection = Direction::ServerToClient;
    std::int32_t value = 0;
    friend bool operator==(const Unused182Message&, const Unused182Message&) = default;
};

void Write(RakNet::BitStream& stream, const Unused166Message& message);
void Write(RakNet::BitStream& stream, const Unused179Message& message);
void Write(RakNet::BitStream& stream, const Unused180Message& message);
void Write(RakNet::BitStream& stream, const Unused182Message& message);

bool Read(RakNet::BitStream& stream, Unused166Message& message);
bool Read(RakNet::BitStream& stream, Unused179Message& message);
bool Read(RakNet::BitStream& stream, Unused180Message& message);
bool Read(RakNet::BitStream& stream, Unused182Message& message);

}  // namespace protocol
