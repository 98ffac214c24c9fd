// Reported positions and facings, and the animation relay.
#include <gtest/gtest.h>

#include <limits>

#include "GameFixture.h"
#include "protocol/ServerMovementMessages.h"

using RakNet::RakNetGUID;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// A red player stands at its spawn point (10, 0, 5) and reports a move by (dx, dy, dz).
struct MoveCase {
    const char* label;
    Float3 step;
    bool accepted;
};

class PositionReport : public GameFixture, public ::testing::WithParamInterface<MoveCase> {};

}  // namespace

TEST_P(PositionReport, AcceptsAtMostFiveUnitsPerAxisAndOnlyFiniteValues) {
    Start();
    const RakNetGUID guid = Join(1);
    const Float3 start = Player(guid).position;
    ASSERT_EQ(start, (Float3{10.0f, 0.0f, 5.0f}));
    peer.ClearSent();

    const Float3 step = GetParam().step;
    const Float3 reported{start.x + step.x, start.y + step.y, start.z + step.z};
    Players().SetPosition(guid, reported.x, reported.y, reported.z);

    if (GetParam().accepted) {
        EXPECT_EQ(Player(guid).position, reported);
        EXPECT_TRUE(peer.Sent().empty());
        return;
    }
    EXPECT_EQ(Player(guid).position, start);
    ASSERT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_POSITION_REJECTED});
    const SentMessage& rejection = peer.Sent()[0];
    EXPECT_TRUE(rejection.IsTo(guid));
    EXPECT_EQ(rejection.parameters,
              (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE_ORDERED, 1}));
    EXPECT_TRUE(rejection.Decode<protocol::PositionRejectedMessage>().has_value());
}

INSTANTIATE_TEST_SUITE_P(Steps, PositionReport,
                         ::testing::Values(MoveCase{"ExactlyFiveOnX", {5.0f, 0.0f, 0.0f}, true},
                                           MoveCase{"FiveAndABitOnX", {5.01f, 0.0f, 0.0f}, false},
                                           MoveCase{"ExactlyFiveBackOnY", {0.0f, -5.0f, 0.0f}, true},
                                           MoveCase{"FiveAndABitBackOnZ", {0.0f, 0.0f, -5.01f}, false},
                                           MoveCase{"FiveOnEveryAxis", {5.0f, 5.0f, -5.0f}, true},
                                           MoveCase{"NaNOnX", {kNaN, 0.0f, 0.0f}, false},
                                           MoveCase{"NaNOnY", {0.0f, kNaN, 0.0f}, false},
                                           MoveCase{"InfinityOnZ", {0.0f, 0.0f, kInfinity}, false},
                                           MoveCase{"MinusInfinityOnX", {-kInfinity, 0.0f, 0.0f}, false}),
                         [](const ::testing::TestParamInfo<MoveCase>& row) {
                             return std::string(row.param.label);
                         });

TEST_F(GameFixture, RefusedNaNDoesNotOpenTheWayForAJump) {
    Start();
    const RakNetGUID guid = Join(1);
    Players().SetPosition(guid, kNaN, 0.0f, 5.0f);
    Players().SetPosition(guid, 500.0f, 0.0f, 5.0f);
    EXPECT_EQ(Player(guid).position, (Float3{10.0f, 0.0f, 5.0f}));
    EXPECT_EQ(peer.SentWithId(protocol::ID_POSITION_REJECTED).size(), 2u);
}

TEST_F(GameFixture, DirectionIsStoredAsSentUnlessNotFinite) {
    Start();
    const RakNetGUID guid = Join(1);
    Players().SetDirection(guid, 3.0f, -1.0f, 4.0f);
    EXPECT_EQ(Player(guid).direction, (Float3{3.0f, -1.0f, 4.0f})) << "no normalisation";
    Players().SetDirection(guid, kNaN, 0.0f, 1.0f);
    Players().SetDirection(guid, 0.0f, kInfinity, 1.0f);
    EXPECT_EQ(Player(guid).direction, (Float3{3.0f, -1.0f, 4.0f}));
    EXPECT_TRUE(peer.SentWithId(protocol::ID_POSITION_REJECTED).empty());
}

TEST_F(GameFixture, ReportsOfTheDeadAndOfStrangersAreIgnored) {
    Start();
    const RakNetGUID guid = Join(1);
    Kill(guid);
    peer.ClearSent();
    Players().SetPosition(guid, 11.0f, 0.0f, 5.0f);
    Players().SetPosition(guid, 100.0f, 0.0f, 5.0f);
    Players().SetDirection(guid, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(Player(guid).position, (Float3{10.0f, 0.0f, 5.0f}));
    EXPECT_EQ(Player(guid).direction, (Float3{1.0f, 0.0f, 0.0f}));

    const RakNetGUID stranger(999);
    Players().SetPosition(stranger, 100.0f, 0.0f, 5.0f);
    Players().SetDirection(stranger, 0.0f, 0.0f, 1.0f);
    Players().RelayAnimation(stranger, 4);
    EXPECT_TRUE(peer.Sent().empty());
}

TEST_F(GameFixture, AnimationGoesToEverybodyButTheSender) {
    Start();
    const RakNetGUID guid = Join(1);
    peer.ClearSent();
    Players().RelayAnimation(guid, -17);
    ASSERT_EQ(peer.Sent().size(), 1u);
    const SentMessage& relay = peer.Sent()[0];
    EXPECT_TRUE(relay.IsToAllBut(guid));
    EXPECT_EQ(relay.parameters, (protocol::SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::UNRELIABLE, 5}));
    EXPECT_EQ(relay.Decode<protocol::AnimationRelayMessage>(), (protocol::AnimationRelayMessage{guid, -17}));
}
