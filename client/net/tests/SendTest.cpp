// What the client sends and when: the periodic reports, the ping, the senders' messages and parameters,
// and the connection's life (accepted, failed, lost, Disconnect).
#include "ClientNetworkFixture.h"

using namespace protocol;

using ClientSend = ClientNetworkFixture;

TEST_F(ClientSend, ReportsGoOutEveryFortyMillisecondsAndPositionOnlyWhenChanged) {
    network.Update(0.01);  // the first frame's tick: nothing has moved yet
    EXPECT_EQ(peer.SentWithId(ID_VISIBLE_PLAYERS).size(), 1u);
    EXPECT_TRUE(peer.SentWithId(ID_PLAYER_POSITION).empty());
    EXPECT_TRUE(peer.SentWithId(ID_PLAYER_DIRECTION).empty());

    network.SetLocalPosition({3, 0, 4});
    network.SetLocalDirection({0, 0, 1});
    for (int frame = 0; frame < 100; ++frame) {  // one second at 100 frames a second
        network.Update(0.01);
    }
    const auto visible = peer.SentWithId(ID_VISIBLE_PLAYERS);
    EXPECT_GE(visible.size(), 20u);
    EXPECT_LE(visible.size(), 26u);
    EXPECT_EQ(peer.Decoded<PlayerPositionReport>(), (std::vector<PlayerPositionReport>{{{3, 0, 4}}}));
    EXPECT_EQ(peer.Decoded<PlayerDirectionReport>(), (std::vector<PlayerDirectionReport>{{{0, 0, 1}}}));
    for (const SentMessage& sent : peer.Sent()) {
        EXPECT_TRUE(sent.IsTo(kServerGuid)) << int(sent.id);
    }
    EXPECT_EQ(peer.SentWithId(ID_PLAYER_POSITION)[0].parameters, SendParamsFor<PlayerPositionReport>());
    EXPECT_EQ(visible[0].parameters, SendParamsFor<VisiblePlayersReport>());
}

TEST_F(ClientSend, PingEveryFiveSecondsWhileConnected) {
    for (int frame = 0; frame < 1100; ++frame) {  // eleven seconds
        network.Update(0.01);
    }
    EXPECT_EQ(peer.pings, 2);
}

TEST_F(ClientSend, SendersWriteTheirMessagesWithTheirParameters) {
    network.SetPlayerName("Kage");
    network.SendAbility(3, 7.5f);
    network.SendAnimation(4);
    network.SendLobbyChoice(1, 2, 2, true);
    network.SendStartRequest();
    network.SendFinalChoice(2, 1, 1);
    network.SendRoundTimeRequest();
    network.SendScoresRequest();
    network.SendRuneStateRequest();
    network.SendPosition({1, 2, 3});
    EXPECT_EQ(peer.Decoded<UseAbilityRequest>(), (std::vector<UseAbilityRequest>{{3, 7.5f}}));
    EXPECT_EQ(peer.Decoded<AnimationReport>(), (std::vector<AnimationReport>{{4}}));
    EXPECT_EQ(peer.Decoded<LobbyChoiceReport>(), (std::vector<LobbyChoiceReport>{{1, 2, 2, "Kage", true}}));
    EXPECT_EQ(peer.Decoded<JoinGameRequest>(), (std::vector<JoinGameRequest>{{"Kage", 2, 1, 1}}));
    EXPECT_EQ(peer.Decoded<PlayerPositionReport>(), (std::vector<PlayerPositionReport>{{{1, 2, 3}}}));
    EXPECT_EQ(peer.SentIds(),
              (std::vector<int>{ID_USE_ABILITY, ID_ANIMATION, ID_LOBBY_STATE, ID_START_GAME, ID_JOIN_GAME,
                                ID_ROUND_TIME, ID_SCORES, ID_RUNE_STATE, ID_PLAYER_POSITION}));
    EXPECT_EQ(peer.SentWithId(ID_JOIN_GAME)[0].parameters, SendParamsFor<JoinGameRequest>());
    EXPECT_EQ(peer.SentWithId(ID_RUNE_STATE)[0].parameters, SendParamsFor<RuneStateRequest>());
    // A direct position report is not repeated by the next tick.
    peer.ClearSent();
    network.SetLocalPosition({1, 2, 3});
    network.Update(0.05);
    EXPECT_TRUE(peer.SentWithId(ID_PLAYER_POSITION).empty());
}

TEST_F(ClientSend, AcceptedConnectionAsksForTheRosterOnce) {
    ClientNetwork fresh;
    RecordingPeer freshPeer;
    ASSERT_TRUE(fresh.Initialize(&freshPeer));
    EXPECT_EQ(fresh.connectionStatus, kNoConnectionEvent);
    freshPeer.Deliver({RakNet::ID_CONNECTION_REQUEST_ACCEPTED}, kServerGuid);
    fresh.Update(0.0);
    EXPECT_EQ(fresh.connectionStatus, kConnectionAccepted);
    EXPECT_TRUE(fresh.connected);
    const auto requests = freshPeer.SentWithId(ID_PLAYER_LIST);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].parameters, PlayerListRequestSendParameters(false));
    EXPECT_TRUE(requests[0].IsTo(kServerGuid));
    fresh.Update(0.0);
    EXPECT_EQ(fresh.connectionStatus, kNoConnectionEvent) << "the status lasts one frame";
    fresh.Shutdown();
}

TEST_F(ClientSend, LossAndFailureAreReported) {
    const struct {
        unsigned char id;
        int status;
        bool lost;
        const char* line;
    } cases[] = {
        {RakNet::ID_CONNECTION_ATTEMPT_FAILED, kConnectionFailed, false, "Connection to server failed."},
        {RakNet::ID_DISCONNECTION_NOTIFICATION, kServerGone, true, "Server shut down."},
        {RakNet::ID_CONNECTION_LOST, kServerGone, true, "Lost connection to server."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        network.Disconnect();
        ReceiveBytes({RakNet::ID_CONNECTION_REQUEST_ACCEPTED});
        ReceiveBytes({c.id});
        EXPECT_EQ(network.connectionStatus, c.status);
        EXPECT_EQ(network.serverLost, c.lost);
        EXPECT_EQ(network.connected, !c.lost);
        EXPECT_TRUE(Logged(c.line));
        network.Update(0.0);
        EXPECT_EQ(network.serverLost, c.lost) << "the loss stays recorded for the states";
    }
}

TEST_F(ClientSend, DisconnectRestartsThePeerAndResetsTheRecords) {
    Receive(LevelNameMessage{"../Ombrin/Levels/Dojo.ZMDL"});
    Receive(RoundWonMessage{1});
    Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, 1, 2, "Other")}});
    network.Disconnect();
    EXPECT_TRUE(peer.WasShutDown());
    EXPECT_TRUE(Logged("Disconnected from server"));
    EXPECT_EQ(network.GetLevelName(), kDefaultLevel);
    EXPECT_EQ(network.redRoundWins, 0);
    EXPECT_TRUE(network.remotePlayers.empty());
    EXPECT_FALSE(network.connected);
    EXPECT_EQ(network.sendInterval, 0.04);
    // Game messages of the old server no longer count.
    Receive(RoundWonMessage{1});
    EXPECT_EQ(network.redRoundWins, 0);
}
