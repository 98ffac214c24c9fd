// Exact bytes and bit positions of messages whose layout a peer in another language must reproduce.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/ServerMessages.h"
#include "raknet/BitStream.h"

namespace protocol {
namespace {

using Bytes = std::vector<unsigned char>;

template <typename Message>
Bytes Encode(const Message& message) {
    RakNet::BitStream stream;
    Write(stream, message);
    return {stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed()};
}

struct ExactBytesCase {
    std::string name;
    std::function<Bytes()> encode;
    Bytes expected;
};

void PrintTo(const ExactBytesCase& c, std::ostream* out) {
    *out << c.name;
}

class ExactBytes : public ::testing::TestWithParam<ExactBytesCase> {};

TEST_P(ExactBytes, MatchTheWireLayout) {
    EXPECT_EQ(GetParam().encode(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ExactBytes,
    ::testing::Values(
        // x = 10 = 0.625 * 2^4, z = -3 = -0.75 * 2^2, facing (1, 0, 0): 1 = 0.5 * 2^1, 0 splits as 0 and 0.
        ExactBytesCase{"PositionUpdateExample",
                       [] { return Encode(EncodePositionUpdate(6, 10.0f, -3.0f, 1.0f, 0.0f)); },
                       {175, 6, 0x18, 0x6A, 4, 0xE2, 0xB4, 2, 50, 1, 0, 0}},
        ExactBytesCase{
            "EmptyLobbyHasCountZero", [] { return Encode(LobbyStateMessage{}); }, {198, 0, 0, 0, 0}},
        // u32 and guid most significant byte first.
        ExactBytesCase{
            "ConnectionCountBigEndian",
            [] {
                return Encode(ConnectionCountMessage{3, RakNet::RakNetGUID{0x0102030405060708ull}});
            },
            {135, 0, 0, 0, 3, 1, 2, 3, 4, 5, 6, 7, 8}},
        // i32 then f32 (1.0f is 0x3F800000), most significant byte first.
        ExactBytesCase{"UseAbilityIntAndFloat",
                       [] {
                           return Encode(UseAbilityRequest{14, 1.0f});
                       },
                       {148, 0, 0, 0, 14, 0x3F, 0x80, 0, 0}},
        // f64: 2.0 is 0x4000000000000000, -0.5 is 0xBFE0000000000000.
        ExactBytesCase{"RoundTimeDoubles",
                       [] {
                           return Encode(RoundTimeMessage{2.0, -0.5});
                       },
                       {169, 0x40, 0, 0, 0, 0, 0, 0, 0, 0xBF, 0xE0, 0, 0, 0, 0, 0, 0}},
        // A bool is the top bit of the next byte.
        ExactBytesCase{"SuddenDeathSingleBit", [] { return Encode(SuddenDeathMessage{true}); }, {181, 0x80}},
        // A string is a 16-bit length then its bytes.
        ExactBytesCase{
            "LevelNameString", [] { return Encode(LevelNameMessage{"ab"}); }, {136, 0, 2, 'a', 'b'}},
        // u8 count and entries for the visibility list.
        ExactBytesCase{"VisiblePlayersBytes",
                       [] {
                           return Encode(VisiblePlayersReport{{4, 9}});
                       },
                       {194, 2, 4, 9}},
        // Entries follow each other without padding: entry 2's guid starts right after entry 1's ready bit,
        // and its ones (0xFF) straddle bytes 34 and 35. Entry 2 ends with a length 16 bits from bit 377, the
        // padding to the byte boundary 400 for its (empty) characters, and the ready bit.
        ExactBytesCase{
            "LobbyEntriesPackBits",
            [] {
                return Encode(LobbyStateMessage{{{RakNet::RakNetGUID{1}, 1, 2, 3, "", true},
                                                 {RakNet::RakNetGUID{0xFF}, 0, 0, 0, "", false}}});
            },
            // clang-format off
            {198, 0, 0, 0, 2,                                // count
             0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 2,  // guid 1, character, tool
             0, 0, 0, 3, 0, 0,                                // team choice, name length 0
             0x80,                                            // ready, then guid 2 from bit 1
             0, 0, 0, 0, 0, 0, 0x7F, 0x80,                    // the rest of guid 2
             0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}),  // zeros, length, padding, ready
    // clang-format on
    [](const ::testing::TestParamInfo<ExactBytesCase>& row) { return row.param.name; });

// In ID_PLAYER_LIST the alive and invisible flags are single bits and the tool follows at the very next bit.
TEST(PlayerListLayout, FieldAfterInvisibleFlagStartsAtNextBit) {
    PlayerListMessage list;
    list.players.push_back({.guid = RakNet::RakNetGUID{42},
                            .playerIndex = 1,
                            .name = "Kai",
                            .alive = true,
                            .invisible = false,
                            .tool = 0x12345678,
                            .healing = true});
    RakNet::BitStream stream;
    Write(stream, list);

    // id 8, count 32, guid 64, index 32, name 16 + 3 * 8 (starts aligned at bit 152), six f32, team,
    // character, maximum health, health: the alive bit is bit 496, invisible 497, the tool starts at 498.
    constexpr RakNet::BitSize_t kAliveBit = 8 + 32 + 64 + 32 + 16 + 24 + 192 + 4 * 32;
    static_assert(kAliveBit == 496);
    bool alive = false;
    bool invisible = true;
    std::int32_t tool = 0;
    stream.SetReadOffset(kAliveBit);
    ASSERT_TRUE(stream.Read(alive));
    ASSERT_TRUE(stream.Read(invisible));
    EXPECT_EQ(stream.GetReadOffset(), 498u);
    ASSERT_TRUE(stream.Read(tool));
    EXPECT_TRUE(alive);
    EXPECT_FALSE(invisible);
    EXPECT_EQ(tool, 0x12345678);
    // deaths, kills and shield (96 bits), then the healing bit closes the entry at bit 627.
    EXPECT_EQ(stream.GetNumberOfBitsUsed(), 498u + 32 + 96 + 1);
}

TEST(LobbyState, EmptyBroadcastReadsAsNoMembers) {
    const Bytes bytes = Encode(LobbyStateMessage{});
    RakNet::BitStream stream(bytes.data(), static_cast<unsigned int>(bytes.size()), false);
    LobbyStateMessage lobby{{LobbyEntry{.name = "stale"}}};
    ASSERT_TRUE(Read(stream, lobby));
    EXPECT_TRUE(lobby.members.empty());
}

// A list longer than its count field can say is cut at the largest count, so count and entries agree.
TEST(VisiblePlayers, ListBeyondByteCountIsCutAt255) {
    VisiblePlayersMessage many;
    many.playerIndices.assign(300, 7);
    RakNet::BitStream stream;
    Write(stream, many);
    EXPECT_EQ(stream.GetNumberOfBitsUsed(), 8u + 8u + 255u * 8u);
    VisiblePlayersMessage read;
    ASSERT_TRUE(Read(stream, read));
    EXPECT_EQ(read.playerIndices.size(), 255u);
}

}  // namespace
}  // namespace protocol
