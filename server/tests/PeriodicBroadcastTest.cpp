// The position and visibility broadcasts of every 0.1 s and the damage and heal tick timers.
#include <gtest/gtest.h>

#include <numeric>

#include "GameFixture.h"
#include "protocol/ClientMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "server/TickTimers.h"

using RakNet::RakNetGUID;

TEST_F(GameFixture, PositionUpdateCarriesIndexPositionAndFacingCompressed) {
    Start();
    Join(1);
    const RakNetGUID guid = Join(2);
    PlayerRecord* player = Players().FindPlayer(guid);
    player->position = {10.0f, 7.0f, -3.0f};
    player->direction = {1.0f, 0.5f, 0.0f};
    peer.ClearSent();
    Players().BroadcastPositions();

    const auto updates = peer.SentWithId(protocol::ID_POSITION_UPDATE);
    ASSERT_EQ(updates.size(), 2u);
    const SentMessage& update = updates[1];
    EXPECT_TRUE(update.IsToAll());
    EXPECT_EQ(update.parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE, 1}));
    // Index 1; x = 10: 6250 and 4; z = -3: -7500 (0xE2B4) and 2; facing x = 1: 50 and 1, z = 0: 0 and 0.
    // Heights are not sent.
    EXPECT_EQ(update.bytes, (std::vector<unsigned char>{175, 1, 0x18, 0x6A, 4, 0xE2, 0xB4, 2, 50, 1, 0, 0}));
}

TEST_F(GameFixture, BroadcastsComeOnTheFirstFrameThenAfterTheIntervalHasRunOut) {
    Start();
    Join(1);
    Join(2);
    state.Update(0.03);
    EXPECT_EQ(peer.SentWithId(protocol::ID_POSITION_UPDATE).size(), 2u) << "one per player";
    EXPECT_EQ(peer.SentWithId(protocol::ID_VISIBLE_PLAYERS).size(), 2u);
    // The timer restarts at 0.1 s: 0.07, 0.04, 0.01 left after three more frames, run out on the fourth.
    peer.ClearSent();
    for (int frame = 1; frame <= 3; ++frame) {
        state.Update(0.03);
        EXPECT_TRUE(peer.SentWithId(protocol::ID_POSITION_UPDATE).empty()) << frame;
    }
    state.Update(0.03);
    EXPECT_EQ(peer.SentWithId(protocol::ID_POSITION_UPDATE).size(), 2u);
    EXPECT_EQ(peer.SentWithId(protocol::ID_VISIBLE_PLAYERS).size(), 2u);
    // A long frame still gives one broadcast.
    peer.ClearSent();
    state.Update(1.0);
    EXPECT_EQ(peer.SentWithId(protocol::ID_POSITION_UPDATE).size(), 2u);
}

namespace {

// Each player is told what its team mates see, by player index.
std::map<RakNetGUID, std::vector<std::uint8_t>> VisibilityByReceiver(const RecordingPeer& peer) {
    std::map<RakNetGUID, std::vector<std::uint8_t>> received;
    for (const SentMessage& sent : peer.SentWithId(protocol::ID_VISIBLE_PLAYERS)) {
        EXPECT_FALSE(sent.broadcast);
        EXPECT_EQ(sent.parameters, (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE, 1}));
        received[sent.target.rakNetGuid] =
            sent.Decode<protocol::VisiblePlayersMessage>().value().playerIndices;
    }
    return received;
}

}  // namespace

TEST_F(GameFixture, VisibilityIsMergedPerTeamWithoutRepeats) {
    Start();
    const RakNetGUID red0 = Join(1);   // index 0
    const RakNetGUID blue1 = Join(2);  // index 1
    const RakNetGUID red2 = Join(1);   // index 2
    const RakNetGUID blue3 = Join(2);  // index 3
    state.SetVisibleList(red0, {3});
    state.SetVisibleList(red2, {1, 3});
    state.SetVisibleList(blue3, {2});
    state.SetVisibleList(RakNetGUID(555), {0, 2});  // not a player: ignored
    peer.ClearSent();
    Players().BroadcastVisibility();
    const auto received = VisibilityByReceiver(peer);
    const std::vector<std::uint8_t> redSees{3, 1};
    const std::vector<std::uint8_t> blueSees{2};
    EXPECT_EQ(received.at(red0), redSees);
    EXPECT_EQ(received.at(red2), redSees);
    EXPECT_EQ(received.at(blue1), blueSees);
    EXPECT_EQ(received.at(blue3), blueSees);
}

TEST_F(GameFixture, VisibilityKeepsOnlyIndicesOfCurrentPlayers) {
    Start();
    const RakNetGUID red = Join(1);     // index 0
    const RakNetGUID blue = Join(2);    // index 1
    const RakNetGUID leaver = Join(2);  // index 2
    // Every byte value: the merged list must still fit its one-byte count.
    std::vector<std::uint8_t> everything(256);
    std::iota(everything.begin(), everything.end(), 0);
    state.SetVisibleList(red, everything);
    peer.ClearSent();
    Players().BroadcastVisibility();
    EXPECT_EQ(VisibilityByReceiver(peer).at(red), (std::vector<std::uint8_t>{0, 1, 2}));

    // A player who leaves drops out of lists reported before.
    state.RemovePlayer(leaver);
    peer.ClearSent();
    Players().BroadcastVisibility();
    EXPECT_EQ(VisibilityByReceiver(peer).at(red), (std::vector<std::uint8_t>{0, 1}));
    EXPECT_TRUE(VisibilityByReceiver(peer).at(blue).empty());
}

TEST(TickTimers, DamageTickEveryTenthOfASecondHealTickEveryThreeSecondsUntilConsumed) {
    TickTimers timers;
    timers.Reset();
    EXPECT_TRUE(timers.IsDamageTick()) << "pending from the start";
    EXPECT_FALSE(timers.IsHealTick());

    timers.Advance(0.04);
    EXPECT_TRUE(timers.IsDamageTick());
    EXPECT_TRUE(timers.IsHealTick()) << "both timers run out on the first frame";

    // Consumed ticks clear at the next frame unless the timer runs out again in it.
    timers.ConsumeDamageTick();
    timers.ConsumeHealTick();
    EXPECT_TRUE(timers.IsDamageTick());
    timers.Advance(0.04);  // damage timer 0.1 - 0.04 = 0.06
    EXPECT_FALSE(timers.IsDamageTick());
    EXPECT_FALSE(timers.IsHealTick());
    timers.Advance(0.04);  // 0.02
    EXPECT_FALSE(timers.IsDamageTick());
    timers.Advance(0.04);  // -0.02: runs out
    EXPECT_TRUE(timers.IsDamageTick());
    // Not consumed, the flag stays set across later frames.
    timers.Advance(0.04);
    EXPECT_TRUE(timers.IsDamageTick());

    // The heal timer restarted at 3.0 and has run 0.16 s since.
    timers.Advance(2.8);
    EXPECT_FALSE(timers.IsHealTick());
    timers.Advance(0.1);
    EXPECT_TRUE(timers.IsHealTick());
}
