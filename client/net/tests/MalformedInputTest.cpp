// Payloads a server should never send: short, overlong lists, out-of-range numbers, non-finite values,
// foreign paths, and messages from someone other than the server. None of them may change the records.
#include <limits>
#include <sstream>

#include "ClientNetworkFixture.h"
#include "client/net/LevelPath.h"

using namespace protocol;

namespace {

// Everything the messages below can touch, as text, so that "nothing changed" is one comparison.
std::string Digest(const ClientNetwork& n) {
    std::ostringstream out;
    const auto player = [&](const NetworkPlayer& p) {
        out << p.name << ',' << p.playerIndex << ',' << p.team << ',' << p.character << ',' << p.tool << ','
            << p.position.x << ',' << p.position.y << ',' << p.position.z << ',' << p.direction.x << ','
            << p.health << ',' << p.alive << ',' << p.invisible << ',' << p.shield << ',' << p.healing << ','
            << p.deaths << ',' << p.kills << ';';
    };
    player(n.localPlayer);
    for (const NetworkPlayer& p : n.remotePlayers) {
        player(p);
    }
    const auto vec = [&](const Vec3& v) { out << v.x << ',' << v.y << ',' << v.z << ';'; };
    vec(n.LocalPosition());
    vec(n.LocalDirection());
    const auto list = [&](const auto& l) { out << l.Entries().size() << '/' << l.added.Size() << ','; };
    out << '|' << n.lobbyPlayers.size() << ',' << n.visiblePlayers.size() << ',';
    list(n.shurikens);
    list(n.projectiles);
    list(n.smokeBombs);
    list(n.spikeTraps);
    list(n.stickyTraps);
    list(n.fans);
    const NetworkEvents& e = n.events;
    out << e.volleys.Size() << ',' << e.flashBangs.Size() << ',' << e.animationEvents.Size() << ','
        << e.soundEvents.Size() << ',' << e.damageShown.Size() << ',' << e.killFeed.Size() << ','
        << e.respawns.Size() << ',' << e.dashTargets.Size() << ',' << e.joinedLeft.Size() << ','
        << n.runes.size() << '|' << n.RoundNumber() << n.countdownActive << n.countdownSeconds << ','
        << n.redRoundWins << ',' << n.blueRoundWins << ',' << n.lastRoundWinner << ',' << n.matchOver
        << n.matchWinner << e.newLevel.Pending() << e.roundTimeReceived.Pending() << n.roundMinutes
        << n.suddenDeath << e.runesAppeared.Pending() << e.positionRejected.Pending()
        << e.gameStarted.Pending() << ',' << n.RosterNumber() << ',' << n.connectionCount << ','
        << n.levelName;
    return out.str();
}

template <typename Message>
std::vector<unsigned char> Bytes(const Message& message) {
    RakNet::BitStream stream;
    Write(stream, message);
    return {stream.GetData(), stream.GetData() + stream.GetNumberOfBytesUsed()};
}

}  // namespace

class ClientMalformed : public ClientNetworkFixture {
protected:
    void SetUp() override {
        ClientNetworkFixture::SetUp();
        Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, 1, 2, "Other")}});
        Receive(FanAddMessage{{0, 1, 0}, {0, 0, 1}, 8, kOtherGuid, 15.0f});
    }
};

// Every server message cut short by one byte, and cut down to its identifier where it has a payload.
TEST_F(ClientMalformed, TruncatedMessagesAreDroppedWhole) {
    const std::vector<std::vector<unsigned char>> samples = {
        Bytes(ConnectionCountMessage{5, kOtherGuid}),
        Bytes(LevelNameMessage{"../Ombrin/Levels/Other.ZMDL"}),
        Bytes(PlayerListMessage{{Entry(Me(), 0, 2, "Me"), Entry(kThirdGuid, 1, 2, "New")}}),
        Bytes(PlayerPositionRelay{kOtherGuid, {9, 9, 9}}),
        Bytes(PlayerDirectionRelay{kOtherGuid, {0, 0, -1}}),
        Bytes(ShurikenAddMessage{{0, 1, 0}, {1, 0, 0}, 17, kOtherGuid, 20.0f, true}),
        Bytes(ShurikenRemoveMessage{17}),
        Bytes(ProjectileAddMessage{{0, 1, 0}, {1, 0, 0}, 2, 40, kOtherGuid, 30.0f}),
        Bytes(ProjectileRemoveMessage{40}),
        Bytes(RespawnPositionMessage{{7, 0, 8}}),
        Bytes(PlayerHealthMessage{kOtherGuid, 5.0f, true}),
        Bytes(RoundWonMessage{1}),
        Bytes(CountdownSecondsMessage{3}),
        Bytes(SmokeBombAddMessage{5, {0, 0}, {3, 3}, 8.0f}),
        Bytes(SmokeBombRemoveMessage{5}),
        Bytes(MatchWonMessage{2}),
        Bytes(NewLevelMessage{"../Ombrin/Levels/Other.ZMDL"}),
        Bytes(AnimationRelayMessage{kOtherGuid, 6}),
        Bytes(SpikeTrapAddMessage{6, {0, 0}, {2, 2}, 10.0f, kOtherGuid, 2}),
        Bytes(SpikeTrapRemoveMessage{6}),
        Bytes(DashTargetMessage{{1, 2, 3}}),
        Bytes(PlayerJoinedLeftMessage{"Newcomer", 2}),
        Bytes(FanAddMessage{{0, 1, 0}, {0, 0, 1}, 9, kOtherGuid, 15.0f}),
        Bytes(FanRemoveMessage{8}),
        Bytes(FanReturningMessage{8, -0.5f}),
        Bytes(VolleyAddMessage{3, {0, 0}, {5, 5}, kOtherGuid}),
        Bytes(RoundTimeMessage{2.0, 30.0}),
        Bytes(StickyTrapAddMessage{7, {0, 0}, {1, 1}, 10.0f, kOtherGuid}),
        Bytes(StickyTrapRemoveMessage{7}),
        Bytes(ScoresMessage{{{1, 2}, {2, 1}}}),
        Bytes(DamageDealtMessage{Me(), 25.0f, {1, 0, 1}}),
        Bytes(EncodePositionUpdate(1, 12.5f, -3.25f, 0.5f, -0.5f)),
        Bytes(KillNoticeMessage{kOtherGuid, Me(), 3}),
        Bytes(HitEffectMessage{0, {1, 0, 1}}),
        Bytes(PlaySoundMessage{44, {2, 0, 2}}),
        Bytes(SuddenDeathMessage{true}),
        Bytes(KillStatsMessage{kOtherGuid, Me(), 4, 9}),
        Bytes(RunesSpawnedMessage{{{{0, {1, 0, 1}}, {1, {2, 0, 2}}, {2, {3, 0, 3}}}}}),
        Bytes(HealRuneRespawnedMessage{{0, {5, 0, 5}}}),
        Bytes(RuneStateMessage{{{{true, {2, {1, 0, 1}}}, {true, {1, {0, 0, 0}}}, {true, {0, {0, 0, 0}}}}}}),
        Bytes(ShieldRuneTakenMessage{kOtherGuid}),
        Bytes(InvisibilityRuneTakenMessage{kOtherGuid}),
        Bytes(VisiblePlayersMessage{{1, 2}}),
        Bytes(HealingStateMessage{kOtherGuid, true}),
        Bytes(ShieldValueMessage{kOtherGuid, 0.5f}),
        Bytes(FlashBangMessage{{0, 0}, {4, 4}}),
        Bytes(LobbyStateMessage{{{kOtherGuid, 1, 2, 2, "Other", true}}}),
    };
    const std::string before = Digest(network);
    for (const auto& whole : samples) {
        SCOPED_TRACE(int(whole[0]));
        ASSERT_GT(whole.size(), 1u);
        ReceiveBytes({whole.begin(), whole.end() - 1});
        EXPECT_EQ(Digest(network), before);
        ReceiveBytes({whole[0]});
        EXPECT_EQ(Digest(network), before);
    }
}

TEST_F(ClientMalformed, HostileListsAreDroppedWhole) {
    const std::string before = Digest(network);
    // A count far beyond the entries that follow, and a negative count.
    std::vector<unsigned char> roster = Bytes(PlayerListMessage{{Entry(kThirdGuid, 2, 1, "Third")}});
    roster[1] = roster[2] = roster[3] = roster[4] = 0x7F;
    ReceiveBytes(roster);
    std::vector<unsigned char> scores = Bytes(ScoresMessage{{{1, 2}}});
    scores[1] = scores[2] = scores[3] = scores[4] = 0xFF;
    ReceiveBytes(scores);
    std::vector<unsigned char> unused = Bytes(Unused166Message{{{1, 2, 3}}});
    unused[1] = unused[2] = unused[3] = unused[4] = 0xFF;
    ReceiveBytes(unused);
    // More players than any server holds.
    PlayerListMessage crowd;
    LobbyStateMessage lobby;
    for (int i = 0; i < 65; ++i) {
        crowd.players.push_back(Entry(RakNet::RakNetGUID(1000u + i), i, 1, "P"));
        lobby.members.push_back({RakNet::RakNetGUID(1000u + i), 0, 0, 1, "P", true});
    }
    Receive(crowd);
    Receive(lobby);
    // A player index that does not fit the roster's records.
    Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, -1, 2, "Other")}});
    EXPECT_EQ(Digest(network), before);
}

TEST_F(ClientMalformed, OutOfRangeCharactersAndToolsBecomeTheFirstEntry) {
    PlayerListEntry entry = Entry(kOtherGuid, 1, 2, "Other");
    entry.character = 7;
    entry.tool = -3;
    Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), entry}});
    EXPECT_EQ(network.GetPlayer(kOtherGuid).character, 0);
    EXPECT_EQ(network.GetPlayer(kOtherGuid).tool, 0);
    Receive(LobbyStateMessage{{{kOtherGuid, 3, 4, 2, "Other", true}}});
    ASSERT_EQ(network.lobbyPlayers.size(), 1u);
    EXPECT_EQ(network.lobbyPlayers[0].character, 0);
    EXPECT_EQ(network.lobbyPlayers[0].tool, 0);
}

TEST_F(ClientMalformed, UnknownGuidsAndNonFiniteValuesChangeNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const RakNet::RakNetGUID stranger{0xDEADu};
    const std::string before = Digest(network);
    Receive(PlayerPositionRelay{stranger, {1, 2, 3}});
    Receive(PlayerDirectionRelay{stranger, {1, 0, 0}});
    Receive(PlayerHealthMessage{stranger, 1.0f, true});
    Receive(PlayerPositionRelay{kOtherGuid, {nan, 0, 0}});
    Receive(PlayerDirectionRelay{kOtherGuid, {0, inf, 0}});
    Receive(PlayerHealthMessage{kOtherGuid, nan, true});
    Receive(RespawnPositionMessage{{inf, 0, 0}});
    Receive(DashTargetMessage{{0, nan, 0}});
    Receive(ShurikenAddMessage{{0, 1, 0}, {nan, 0, 0}, 17, kOtherGuid, 20.0f, false});
    Receive(FanReturningMessage{8, nan});
    Receive(RoundTimeMessage{std::numeric_limits<double>::infinity(), 0.0});
    Receive(ShieldValueMessage{kOtherGuid, nan});
    Receive(EncodePositionUpdate(200, 1.0f, 1.0f, 1.0f, 0.0f));
    EXPECT_EQ(Digest(network), before);
    EXPECT_EQ(network.remotePlayers.size(), 1u);
}

TEST_F(ClientMalformed, LevelPathsOutsideTheLevelFolderAreRefused) {
    for (const char* path : {"/etc/passwd", "../Ombrin/Levels/../Settings/Client.cfg", "../Ombrin/Levels/",
                             "../Ombrin/Levels/sub/x.ZMDL", "Levels/x.ZMDL", "../Ombrin/Levels/..", ""}) {
        SCOPED_TRACE(path);
        Receive(LevelNameMessage{path});
        EXPECT_EQ(network.GetLevelName(), kDefaultLevel);
        Receive(NewLevelMessage{path});
        EXPECT_EQ(network.GetLevelName(), kDefaultLevel);
    }
    Receive(LevelNameMessage{"../Ombrin/Levels/Bamboo Grove.ZMDL"});
    EXPECT_EQ(network.GetLevelName(), "../Ombrin/Levels/Bamboo Grove.ZMDL");
}

TEST_F(ClientMalformed, GameMessagesFromAnyoneButTheServerAreIgnored) {
    const std::string before = Digest(network);
    ReceiveBytes(Bytes(RoundWonMessage{1}), kThirdGuid);
    ReceiveBytes({0xFF, 1, 2});
    EXPECT_EQ(Digest(network), before);
}
