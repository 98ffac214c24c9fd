// Lists whose count the sender chose: a count far beyond the data must fail at once, without allocating for
// the entries it claims. This binary replaces the global allocation functions to record the largest request.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/ServerMessages.h"
#include "protocol/tests/MessageCase.h"
#include "raknet/BitStream.h"

namespace {
std::atomic<std::size_t> g_largestAllocation{0};
}  // namespace

// The replacements below pair malloc with free; GCC's optimiser inlines them into callers and then mistakes
// the pair for a new/free mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    std::size_t seen = g_largestAllocation.load();
    while (size > seen && !g_largestAllocation.compare_exchange_weak(seen, size)) {
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace protocol::test {
namespace {

struct HostileCountCase {
    std::string name;
    MessageCase message;  // a valid sample with one or two entries
    unsigned countBytes;  // width of the count right after the identifier byte
    std::uint32_t count;  // the count written over it, most significant byte first
};

void PrintTo(const HostileCountCase& c, std::ostream* out) {
    *out << c.name;
}

class HostileCount : public ::testing::TestWithParam<HostileCountCase> {};

TEST_P(HostileCount, FailsWithoutAllocatingForTheClaimedEntries) {
    RakNet::BitStream written;
    GetParam().message.write(written);
    std::vector<unsigned char> bytes(written.GetData(), written.GetData() + written.GetNumberOfBytesUsed());
    for (unsigned i = 0; i < GetParam().countBytes; ++i) {
        bytes[1 + i] = static_cast<unsigned char>(GetParam().count >> (8 * (GetParam().countBytes - 1 - i)));
    }
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);

    g_largestAllocation = 0;
    EXPECT_TRUE(GetParam().message.failsUntouched(stream));
    EXPECT_LT(g_largestAllocation.load(), 64u * 1024u);
}

PlayerListEntry Player(const char* name) {
    return {.guid = RakNet::RakNetGUID{7}, .name = name, .health = 50};
}
LobbyEntry Member(const char* name) {
    return {.guid = RakNet::RakNetGUID{7}, .name = name, .ready = true};
}

std::vector<HostileCountCase> Cases() {
    const PlayerListMessage players{{Player("Kai")}};
    const LobbyStateMessage lobby{{Member("Kai")}};
    const ScoresMessage scores{{{1, 2}}};
    const Unused166Message objects{{{1, 2, 3}}};
    const VisiblePlayersMessage seen{{1, 2, 3}};
    const VisiblePlayersReport seenReport{{1, 2, 3}};
    return {
        {"PlayerListFourBillion", MakeCase("", 137, 0, players), 4, 0xFFFFFFFFu},
        // Fewer entries than bits left: read entry by entry, failing at the end of the data.
        {"PlayerListOneMore", MakeCase("", 137, 0, players), 4, 2},
        {"PlayerListHundred", MakeCase("", 137, 0, players), 4, 100},
        {"LobbyFourBillion", MakeCase("", 198, 0, lobby), 4, 0xFFFFFFFFu},
        {"LobbyOneMore", MakeCase("", 198, 0, lobby), 4, 2},
        {"ScoresLargestCount", MakeCase("", 172, 0, scores), 4, 0x7FFFFFFFu},
        {"ScoresNegativeCount", MakeCase("", 172, 0, scores), 4, 0xFFFFFFFFu},
        {"ScoresOneMore", MakeCase("", 172, 0, scores), 4, 2},
        {"Unused166LargestCount", MakeCase("", 166, 0, objects), 4, 0x7FFFFFFFu},
        {"Unused166NegativeCount", MakeCase("", 166, 0, objects), 4, 0x80000000u},
        {"VisiblePlayers255", MakeCase("", 194, 0, seen), 1, 255},
        {"VisiblePlayersReport255", MakeCase("", 194, 0, seenReport), 1, 255},
    };
}

INSTANTIATE_TEST_SUITE_P(Lists, HostileCount, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HostileCountCase>& row) {
                             return row.param.name;
                         });

}  // namespace
}  // namespace protocol::test
