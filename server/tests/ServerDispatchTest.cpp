// The server's dispatch of received packets to the game, with a recording peer in place of the network.
#include <gtest/gtest.h>

#include "RecordingPeer.h"
#include "protocol/ClientMessages.h"
#include "protocol/MessageSend.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerLobbyMessages.h"
#include "protocol/ServerMovementMessages.h"
#include "protocol/ServerRoundMessages.h"
#include "protocol/ServerRuneMessages.h"
#include "raknet/MessageIdentifiers.h"
#include "server/RequestBudget.h"
#include "server/ServerNetwork.h"
#include "shared/ModelLibrary.h"

using RakNet::RakNetGUID;

namespace {

const RakNetGUID kAlice(0xA11CE);
const RakNetGUID kBob(0xB0B);

std::vector<unsigned char> Bytes(const auto& message) {
    return protocol::Encode(message);
}

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        ASSERT_TRUE(network.InitializeWithPeer(&peer));
        ::testing::internal::GetCapturedStdout();
        peer.ClearSent();
    }
    void TearDown() override { network.Shutdown(); }

    // Delivers and dispatches; returns what the server printed meanwhile.
    std::string Receive(std::vector<unsigned char> bytes, const RakNetGUID& from,
                        const RakNet::SystemAddress& address = RakNet::SystemAddress(0x0A000007u, 4321)) {
        peer.Deliver(std::move(bytes), from, address);
        ::testing::internal::CaptureStdout();
        network.ReceivePackets();
        return ::testing::internal::GetCapturedStdout();
    }
    std::string Receive(const auto& message, const RakNetGUID& from) { return Receive(Bytes(message), from); }

    const ServerPlayerManager& Players() const { return *network.GetGameState()->GetPlayerManager(); }

    RecordingPeer peer;
    ServerNetwork network;
};

}  // namespace

TEST_F(Dispatch, JoinIsPrintedWithTheSendersAddressAndSeatsThePlayerOnce) {
    const std::string console = Receive(Bytes(protocol::JoinGameRequest{"Alice", 1, 2, 0}), kAlice,
                                        RakNet::SystemAddress(0xC0A80105u, 51000));
    EXPECT_EQ(console, "Connection 192.168.1.5|51000 have choosen a character\n");
    ASSERT_EQ(Players().Players().size(), 1u);
    EXPECT_EQ(Players().GetPlayer(kAlice).name, "Alice");
    EXPECT_EQ(peer.Decoded<protocol::SuddenDeathMessage>(),
              std::vector<protocol::SuddenDeathMessage>{{false}});

    // A repeated join is printed but changes nothing.
    peer.ClearSent();
    EXPECT_EQ(Receive(protocol::JoinGameRequest{"Again", 0, 0, 2}, kAlice),
              "Connection 10.0.0.7|4321 have choosen a character\n");
    EXPECT_EQ(Players().Players().size(), 1u);
    EXPECT_EQ(Players().GetPlayer(kAlice).name, "Alice");
    EXPECT_TRUE(peer.Sent().empty());
}

TEST_F(Dispatch, CharacterNumberOutsideTheThreeArrivesAsTheFirst) {
    Receive(protocol::JoinGameRequest{"Alice", 3, 0, 0}, kAlice);
    Receive(protocol::JoinGameRequest{"Bob", -2147483647 - 1, 0, 0}, kBob);
    const auto lists = peer.Decoded<protocol::PlayerListMessage>();
    ASSERT_EQ(lists.size(), 2u);
    ASSERT_EQ(lists[1].players.size(), 2u);
    EXPECT_EQ(lists[1].players[0].character, 0);
    EXPECT_EQ(lists[1].players[1].character, 0);
}

TEST_F(Dispatch, RequestsReachTheGame) {
    Receive(protocol::LobbyChoiceReport{2, 1, 2, "Alice", true}, kAlice);
    EXPECT_EQ(peer.Decoded<protocol::LobbyStateMessage>().back().members,
              (std::vector<protocol::LobbyEntry>{{kAlice, 2, 1, 2, "Alice", true}}));

    peer.ClearSent();
    Receive(protocol::StartGameRequest{}, kBob);
    ASSERT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_START_GAME});
    EXPECT_TRUE(peer.Sent()[0].IsTo(kAlice));

    Receive(protocol::JoinGameRequest{"Alice", 0, 0, 1}, kAlice);
    // A small step from wherever the server seated her (the data folder's level decides where).
    const Float3 seat = Players().GetPlayer(kAlice).position;
    const Float3 step{seat.x + 1.0f, 0.0f, seat.z + 2.0f};
    Receive(protocol::PlayerPositionReport{{step.x, step.y, step.z}}, kAlice);
    Receive(protocol::PlayerDirectionReport{{0.0f, 0.0f, -1.0f}}, kAlice);
    EXPECT_EQ(Players().GetPlayer(kAlice).position, step);
    EXPECT_EQ(Players().GetPlayer(kAlice).direction, (Float3{0.0f, 0.0f, -1.0f}));

    peer.ClearSent();
    Receive(protocol::PlayerListRequest{}, kBob);
    Receive(protocol::AnimationReport{12}, kAlice);
    Receive(protocol::RoundTimeRequest{}, kBob);
    Receive(protocol::ScoresRequest{}, kBob);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAYER_LIST, protocol::ID_ANIMATION,
                                                protocol::ID_ROUND_TIME, protocol::ID_SCORES}));
    EXPECT_TRUE(peer.Sent()[1].IsToAllBut(kAlice));
    EXPECT_TRUE(peer.Sent()[2].IsTo(kBob));
    EXPECT_TRUE(peer.Sent()[3].IsTo(kBob));

    // A client's visibility report, passed through the game's filter of current players.
    Receive(protocol::VisiblePlayersReport{{0, 200, 0}}, kAlice);
    peer.ClearSent();
    network.GetGameState()->GetPlayerManager()->BroadcastVisibility();
    EXPECT_EQ(peer.Decoded<protocol::VisiblePlayersMessage>(),
              std::vector<protocol::VisiblePlayersMessage>{{{0}}});
}

namespace {

struct ShortCase {
    const char* label;
    std::vector<unsigned char> bytes;
};

class ShortMessage : public Dispatch, public ::testing::WithParamInterface<ShortCase> {};

std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

}  // namespace

TEST_P(ShortMessage, IsDroppedWithoutEffect) {
    Receive(protocol::JoinGameRequest{"Alice", 0, 0, 1}, kAlice);
    const PlayerRecord before = Players().GetPlayer(kAlice);
    peer.ClearSent();
    // From Bob, who is no player yet, so that a join would show; the rest would show from anybody.
    const RakNetGUID from = GetParam().bytes[0] == protocol::ID_JOIN_GAME ? kBob : kAlice;
    EXPECT_EQ(Receive(GetParam().bytes, from), "");
    EXPECT_TRUE(peer.Sent().empty());
    const PlayerRecord after = Players().GetPlayer(kAlice);
    EXPECT_EQ(after.position, before.position);
    EXPECT_EQ(after.direction, before.direction);
    EXPECT_EQ(Players().Players().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, ShortMessage,
    ::testing::Values(
        ShortCase{"Position", Cut(Bytes(protocol::PlayerPositionReport{{1.0f, 0.0f, 1.0f}}), 1)},
        ShortCase{"Direction", Cut(Bytes(protocol::PlayerDirectionReport{{0.0f, 0.0f, 1.0f}}), 4)},
        ShortCase{"Animation", Cut(Bytes(protocol::AnimationReport{3}), 1)},
        ShortCase{"Join", Cut(Bytes(protocol::JoinGameRequest{"Bob", 0, 0, 2}), 4)},
        ShortCase{"VisibilityCountBeyondItsIndices", {protocol::ID_VISIBLE_PLAYERS, 5, 0, 1}},
        ShortCase{"IdentifierAlone", {protocol::ID_PLAYER_POSITION}}),
    [](const ::testing::TestParamInfo<ShortCase>& row) { return std::string(row.param.label); });

TEST_F(Dispatch, ConnectionEventsCountAnnounceAndRemove) {
    peer.Deliver({RakNet::ID_NEW_INCOMING_CONNECTION}, kAlice);
    peer.Deliver({RakNet::ID_NEW_INCOMING_CONNECTION}, kBob);
    ::testing::internal::CaptureStdout();
    network.ReceivePackets();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "A new connection is incoming (1)\nA new connection is incoming (2)\n");
    EXPECT_EQ(peer.Decoded<protocol::ConnectionCountMessage>().back(),
              (protocol::ConnectionCountMessage{2, kBob}));
    EXPECT_TRUE(peer.SentWithId(protocol::ID_LEVEL_NAME).back().IsTo(kBob));

    Receive(protocol::JoinGameRequest{"Alice", 0, 0, 1}, kAlice);
    Receive(protocol::JoinGameRequest{"Bob", 0, 0, 2}, kBob);

    // Bob is lost: removed and announced as gone, but no connection count is sent.
    peer.ClearSent();
    EXPECT_EQ(Receive({RakNet::ID_CONNECTION_LOST}, kBob), "A client lost the connection (1)\n");
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAYER_JOINED_LEFT, protocol::ID_PLAYER_LIST,
                                                protocol::ID_LOBBY_STATE}));
    EXPECT_EQ(peer.Decoded<protocol::PlayerJoinedLeftMessage>()[0],
              (protocol::PlayerJoinedLeftMessage{"Bob", 3}));

    // Alice says goodbye: the same, then the connection count.
    peer.ClearSent();
    EXPECT_EQ(Receive({RakNet::ID_DISCONNECTION_NOTIFICATION}, kAlice), "A client has disconnected (0)\n");
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAYER_JOINED_LEFT, protocol::ID_PLAYER_LIST,
                                                protocol::ID_LOBBY_STATE, protocol::ID_CONNECTION_COUNT}));
    EXPECT_TRUE(Players().Players().empty());
}

// Found by fuzzing: a connection that reported what it sees but never joined left its list behind, so
// connections coming and going grew the server's memory for as long as the level lasted.
TEST_F(Dispatch, ConnectionThatNeverJoinedTakesItsVisibilityListWithIt) {
    for (const std::uint8_t departure : {RakNet::ID_CONNECTION_LOST, RakNet::ID_DISCONNECTION_NOTIFICATION}) {
        Receive({RakNet::ID_NEW_INCOMING_CONNECTION}, kAlice);
        Receive(protocol::VisiblePlayersReport{{0, 1}}, kAlice);
        Receive({departure}, kAlice);
        EXPECT_EQ(Players().GetVisibility().Size(), 0u);
    }
}

// Found by the hostile-client test: every roster request makes the server send the roster to every
// connection, so one client asking a thousand times a second made it send megabytes a second to everybody.
// Each connection gets RequestBudget::kBurst such requests at once and kPerSecond on average; the rest are
// dropped, which the console says once, and other connections are not held back.
TEST_F(Dispatch, FloodOfRequestsIsCutToTheSendersBudget) {
    Receive({RakNet::ID_NEW_INCOMING_CONNECTION}, kAlice);
    Receive({RakNet::ID_NEW_INCOMING_CONNECTION}, kBob);
    peer.ClearSent();
    const auto kBurst = static_cast<std::size_t>(RequestBudget::kBurst);
    for (int i = 0; i < 1000; ++i) {
        peer.Deliver(Bytes(protocol::PlayerListRequest{}), kAlice, RakNet::SystemAddress(0x0A000007u, 4321));
    }
    ::testing::internal::CaptureStdout();
    network.ReceivePackets();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Connection 10.0.0.7|4321 sends too many requests; some are dropped\n");
    EXPECT_EQ(peer.SentWithId(protocol::ID_PLAYER_LIST).size(), kBurst);

    // Somebody else is answered at once.
    Receive(protocol::RoundTimeRequest{}, kBob);
    EXPECT_EQ(peer.SentWithId(protocol::ID_ROUND_TIME).size(), 1u);

    // A second later the flooder has kPerSecond more, and the console stays quiet.
    network.Update(1.0);
    peer.ClearSent();
    std::string console;
    for (int i = 0; i < 100; ++i) {
        console += Receive(protocol::PlayerListRequest{}, kAlice);
    }
    EXPECT_EQ(peer.SentWithId(protocol::ID_PLAYER_LIST).size(),
              static_cast<std::size_t>(RequestBudget::kPerSecond));
    EXPECT_EQ(console, "");
}

// Which messages count: those that make the server answer or send to others; movement and sight reports,
// which players send 25 times a second, do not.
TEST(RequestBudgetRules, CountTheRequestsThatMakeTheServerSend) {
    const std::vector<int> counted = {
        protocol::ID_PLAYER_LIST, protocol::ID_LOBBY_STATE, protocol::ID_START_GAME,
        protocol::ID_JOIN_GAME,   protocol::ID_ANIMATION,   protocol::ID_USE_ABILITY,
        protocol::ID_ROUND_TIME,  protocol::ID_SCORES,      protocol::ID_RUNE_STATE};
    const std::vector<int> free = {protocol::ID_PLAYER_POSITION,          protocol::ID_PLAYER_DIRECTION,
                                   protocol::ID_VISIBLE_PLAYERS,          RakNet::ID_NEW_INCOMING_CONNECTION,
                                   RakNet::ID_DISCONNECTION_NOTIFICATION, RakNet::ID_CONNECTION_LOST};
    for (const int id : counted) {
        EXPECT_TRUE(RequestBudget::Counts(static_cast<unsigned char>(id))) << id;
    }
    for (const int id : free) {
        EXPECT_FALSE(RequestBudget::Counts(static_cast<unsigned char>(id))) << id;
    }
}

// A connection's budget is given back as time passes and forgotten when it leaves, so the budget keeps no
// more than the connections that asked lately.
TEST(RequestBudgetRules, RefillsWithTimeAndForgetsConnections) {
    RequestBudget budget;
    const RakNetGUID guid(7);
    for (int i = 0; i < static_cast<int>(RequestBudget::kBurst); ++i) {
        EXPECT_TRUE(budget.Take(guid));
    }
    EXPECT_FALSE(budget.Take(guid));
    budget.Advance(0.5 / RequestBudget::kPerSecond);
    EXPECT_FALSE(budget.Take(guid));
    budget.Advance(0.5 / RequestBudget::kPerSecond);
    EXPECT_TRUE(budget.Take(guid));
    budget.Advance(3600.0);
    EXPECT_EQ(budget.Size(), 0u);
    EXPECT_TRUE(budget.Take(guid));
    budget.Forget(guid);
    EXPECT_EQ(budget.Size(), 0u);
}

TEST(DispatchShutdown, ClearsTheModelLibraryAndShutsThePeerDown) {
    RecordingPeer peer;
    ServerNetwork network;
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(network.InitializeWithPeer(&peer));
    ::testing::internal::GetCapturedStdout();
    ModelLibrary::GetInstance().Get("../Ombrin/Models/kept.ZMD");
    ASSERT_GT(ModelLibrary::GetInstance().Size(), 0u);
    network.Shutdown();
    EXPECT_EQ(ModelLibrary::GetInstance().Size(), 0u);
    EXPECT_TRUE(peer.WasShutDown());
    EXPECT_EQ(network.GetGameState(), nullptr);
}

TEST_F(Dispatch, AbilityRequestsOfLivingPlayersAreCarriedOutAndAcknowledged) {
    Receive(protocol::JoinGameRequest{"Alice", 0, 0, 1}, kAlice);
    peer.ClearSent();

    Receive(protocol::UseAbilityRequest{0, 0.0f}, kAlice);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAY_SOUND, protocol::ID_SHURIKEN_ADD,
                                                protocol::ID_USE_ABILITY}));

    // From a connection that is no player, a short payload, or a dead player: nothing.
    peer.ClearSent();
    Receive(protocol::UseAbilityRequest{0, 0.0f}, kBob);
    Receive(std::vector<unsigned char>{protocol::ID_USE_ABILITY, 0, 0, 0}, kAlice);
    network.GetGameState()->GetPlayerManager()->FindPlayer(kAlice)->alive = false;
    Receive(protocol::UseAbilityRequest{0, 0.0f}, kAlice);
    EXPECT_TRUE(peer.Sent().empty());
}

TEST_F(Dispatch, RuneStateRequestIsAnsweredToTheSenderAlone) {
    Receive(protocol::RuneStateRequest{}, kBob);
    ASSERT_EQ(peer.Sent().size(), 1u);
    EXPECT_TRUE(peer.Sent()[0].IsTo(kBob));
    const auto reply = peer.Sent()[0].Decode<protocol::RuneStateMessage>();
    ASSERT_TRUE(reply.has_value());
    for (const auto& entry : reply->runes) {
        EXPECT_FALSE(entry.present);
    }
}
