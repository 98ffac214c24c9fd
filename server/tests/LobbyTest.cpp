// The lobby mirrored between connections that have not joined yet, and the start request.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "protocol/ServerLobbyMessages.h"

using RakNet::RakNetGUID;

namespace {

const protocol::SendParameters kLobbyParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE, 1};

protocol::LobbyStateMessage LastLobby(const RecordingPeer& peer) {
    const auto lobbies = peer.Decoded<protocol::LobbyStateMessage>();
    EXPECT_FALSE(lobbies.empty());
    return lobbies.empty() ? protocol::LobbyStateMessage{} : lobbies.back();
}

}  // namespace

TEST_F(GameFixture, LobbyIsBroadcastWholeInGuidOrderAfterEveryChange) {
    Start();
    state.SetLobbyEntry(RakNetGUID(30), LobbyEntry{1, 2, 0, "Late", false});
    state.SetLobbyEntry(RakNetGUID(20), LobbyEntry{2, 3, 1, "Early", true});
    ASSERT_EQ(peer.SentWithId(protocol::ID_LOBBY_STATE).size(), 2u);
    for (const SentMessage& sent : peer.Sent()) {
        EXPECT_TRUE(sent.IsToAll());
        EXPECT_EQ(sent.parameters, kLobbyParameters);
    }
    EXPECT_EQ(LastLobby(peer).members,
              (std::vector<protocol::LobbyEntry>{{RakNetGUID(20), 2, 3, 1, "Early", true},
                                                 {RakNetGUID(30), 1, 2, 0, "Late", false}}));

    // A new choice replaces the older one.
    state.SetLobbyEntry(RakNetGUID(30), LobbyEntry{0, 1, 2, "Late", true});
    EXPECT_EQ(LastLobby(peer).members[1], (protocol::LobbyEntry{RakNetGUID(30), 0, 1, 2, "Late", true}));

    // Joining takes the connection out of the lobby.
    ASSERT_TRUE(state.AddPlayer("Late", 0, 1, 2, RakNetGUID(30)));
    EXPECT_EQ(LastLobby(peer).members,
              (std::vector<protocol::LobbyEntry>{{RakNetGUID(20), 2, 3, 1, "Early", true}}));

    // A player's lobby choice is ignored.
    peer.ClearSent();
    state.SetLobbyEntry(RakNetGUID(30), LobbyEntry{2, 2, 2, "Again", false});
    EXPECT_TRUE(peer.Sent().empty());

    // A lobby member who leaves is dropped and the lobby sent again, down to an empty one.
    state.RemovePlayer(RakNetGUID(20));
    EXPECT_EQ(peer.SentIds(), std::vector<int>{protocol::ID_LOBBY_STATE});
    EXPECT_TRUE(LastLobby(peer).members.empty());
}

TEST_F(GameFixture, StartRequestTellsEachLobbyMemberInGuidOrder) {
    Start();
    state.SetLobbyEntry(RakNetGUID(9), LobbyEntry{});
    state.SetLobbyEntry(RakNetGUID(4), LobbyEntry{});
    const RakNetGUID player = Join(0);
    peer.ClearSent();
    Players().StartLobbyGame();
    const auto starts = peer.SentWithId(protocol::ID_START_GAME);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(peer.Sent().size(), 2u);
    EXPECT_TRUE(starts[0].IsTo(RakNetGUID(4)));
    EXPECT_TRUE(starts[1].IsTo(RakNetGUID(9)));
    for (const SentMessage& start : starts) {
        EXPECT_EQ(start.parameters, kLobbyParameters);
        EXPECT_TRUE(start.Decode<protocol::StartGameMessage>().has_value());
        EXPECT_FALSE(start.IsTo(player));
    }
}
