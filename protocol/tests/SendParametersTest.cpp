// The send parameter table: the occasion-dependent variants, lookup by direction, and messages never sent.
#include "protocol/SendParameters.h"

#include <gtest/gtest.h>

#include "protocol/ClientMessages.h"
#include "protocol/ServerMessages.h"

namespace protocol {
namespace {

struct HealthCase {
    float health;
    bool revival;
    RakNet::PacketReliability reliability;
};

class PlayerHealthParameters : public ::testing::TestWithParam<HealthCase> {};

TEST_P(PlayerHealthParameters, ReliableForDeathsAndRevivalsOnly) {
    const SendParameters p = PlayerHealthSendParameters(GetParam().health, GetParam().revival);
    EXPECT_EQ(p.priority, RakNet::HIGH_PRIORITY);
    EXPECT_EQ(p.reliability, GetParam().reliability);
    EXPECT_EQ(p.orderingChannel, 2);
}

INSTANTIATE_TEST_SUITE_P(Health, PlayerHealthParameters,
                         ::testing::Values(HealthCase{0.0f, false, RakNet::RELIABLE},
                                           HealthCase{-15.0f, false, RakNet::RELIABLE},
                                           HealthCase{55.0f, false, RakNet::UNRELIABLE_SEQUENCED},
                                           HealthCase{100.0f, true, RakNet::RELIABLE}));

TEST(PlayerListRequestParameters, OrderedOnConnectionPlainReliableAfterNewLevel) {
    EXPECT_EQ(PlayerListRequestSendParameters(false),
              (SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE_ORDERED, 0}));
    EXPECT_EQ(PlayerListRequestSendParameters(true),
              (SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 0}));
}

TEST(SendParamsFor, SameIdentifierDiffersByDirection) {
    EXPECT_EQ(SendParamsFor<UseAbilityRequest>(),
              (SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE, 3}));
    EXPECT_EQ(SendParamsFor<UseAbilityAck>(), (SendParameters{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE, 3}));
    EXPECT_EQ(SendParamsFor<VisiblePlayersReport>(),
              (SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::UNRELIABLE, 1}));
    EXPECT_EQ(SendParamsFor<VisiblePlayersMessage>(),
              (SendParameters{RakNet::HIGH_PRIORITY, RakNet::UNRELIABLE, 1}));
}

TEST(FindSendParameters, NothingForMessagesNeverSentOrWithoutTheirVariant) {
    EXPECT_FALSE(FindSendParameters(ID_UNUSED_166, Direction::ServerToClient));
    EXPECT_FALSE(FindSendParameters(ID_PLAYER_POSITION, Direction::ServerToClient));
    EXPECT_FALSE(FindSendParameters(ID_POSITION_UPDATE, Direction::ClientToServer));
    // Health and the roster request must name their occasion.
    EXPECT_FALSE(FindSendParameters(ID_PLAYER_HEALTH, Direction::ServerToClient));
    EXPECT_FALSE(FindSendParameters(ID_PLAYER_LIST, Direction::ClientToServer));
}

}  // namespace
}  // namespace protocol
