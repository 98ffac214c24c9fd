// Every server message fed into the records with the protocol's writers, and what the client makes of it.
#include <functional>

#include "ClientNetworkFixture.h"

using namespace protocol;

namespace {

struct ReceiveCase {
    const char* name;
    std::function<void(ClientNetworkFixture&)> deliver;
    std::function<void(const ClientNetwork&)> check;
};

}  // namespace

class ClientReceive : public ClientNetworkFixture {
protected:
    // Roster: the local player (index 0, red) and one red and one blue remote player.
    void ReceiveRoster() {
        Receive(PlayerListMessage{
            {Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, 1, 2, "Other"), Entry(kThirdGuid, 2, 1, "Third")}});
    }
    void RunCases(const std::vector<ReceiveCase>& cases) {
        for (const ReceiveCase& c : cases) {
            SCOPED_TRACE(c.name);
            c.deliver(*this);
            c.check(network);
        }
    }
    template <typename Message>
    static std::function<void(ClientNetworkFixture&)> Send(Message message) {
        return [message](ClientNetworkFixture& f) {
            f.peer.Deliver(message, kServerGuid);
            f.network.Update(0.0);
        };
    }
};

TEST_F(ClientReceive, RosterSetsRecordsAndRemovesPlayersMissingTheSecondTime) {
    ReceiveRoster();
    EXPECT_EQ(network.RosterNumber(), 1);
    ASSERT_EQ(network.remotePlayers.size(), 2u);
    EXPECT_EQ(network.localPlayer.name, "Me");
    EXPECT_EQ(network.localPlayer.team, 1);
    const NetworkPlayer other = network.GetPlayer(kOtherGuid);
    EXPECT_EQ(other.name, "Other");
    EXPECT_EQ(other.playerIndex, 1);
    EXPECT_EQ(other.character, 2);
    EXPECT_EQ(other.tool, 3);
    EXPECT_EQ(other.health, 80.0f);
    EXPECT_EQ(other.position, (Vec3{1.0f, 0.0f, 2.0f}));

    Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), Entry(kThirdGuid, 2, 1, "Third")}});
    ASSERT_EQ(network.remotePlayers.size(), 1u);
    EXPECT_EQ(network.GetPlayer(kOtherGuid).playerIndex, -1);
    EXPECT_EQ(network.GetTeam(kOtherGuid), -1);
    EXPECT_EQ(network.GetTeam(kThirdGuid), 1);
}

TEST_F(ClientReceive, PlayerMessagesUpdateTheRecordOfTheirGuid) {
    ReceiveRoster();
    RunCases({
        {"position relay", Send(PlayerPositionRelay{kOtherGuid, {4, 5, 6}}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.GetPlayer(kOtherGuid).position, (Vec3{4, 5, 6}));
         }},
        {"direction relay", Send(PlayerDirectionRelay{kOtherGuid, {0, 0, -1}}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.GetPlayer(kOtherGuid).direction, (Vec3{0, 0, -1}));
         }},
        {"compressed position update", Send(EncodePositionUpdate(2, 12.5f, -3.25f, 0.5f, -0.5f)),
         [](const ClientNetwork& n) {
             const NetworkPlayer p = n.GetPlayer(kThirdGuid);
             EXPECT_NEAR(p.position.x, 12.5f, 0.01f);
             EXPECT_EQ(p.position.y, 0.0f);
             EXPECT_NEAR(p.position.z, -3.25f, 0.01f);
             EXPECT_NEAR(p.direction.x, 0.5f, 0.02f);
             EXPECT_NEAR(p.direction.z, -0.5f, 0.02f);
         }},
        {"invisibility rune", Send(InvisibilityRuneTakenMessage{kOtherGuid}),
         [](const ClientNetwork& n) {
             EXPECT_TRUE(n.GetPlayer(kOtherGuid).invisible);
             EXPECT_FALSE(n.GetPlayer(kThirdGuid).invisible);
         }},
        {"health", Send(PlayerHealthMessage{kOtherGuid, 0.0f, false}),
         [](const ClientNetwork& n) {
             const NetworkPlayer p = n.GetPlayer(kOtherGuid);
             EXPECT_EQ(p.health, 0.0f);
             EXPECT_FALSE(p.alive);
             EXPECT_FALSE(p.invisible);
         }},
        {"respawn", Send(RespawnPositionMessage{{7, 0, 8}}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.events.respawns.Size(), 1u);
             EXPECT_EQ(n.localPlayer.position, (Vec3{7, 0, 8}));
             EXPECT_FALSE(n.localPlayer.healing);
         }},
        {"position rejected", Send(PositionRejectedMessage{}),
         [](const ClientNetwork& n) { EXPECT_TRUE(n.events.positionRejected.Pending()); }},
        {"healing", Send(HealingStateMessage{kThirdGuid, true}),
         [](const ClientNetwork& n) { EXPECT_TRUE(n.GetPlayer(kThirdGuid).healing); }},
        {"shield rune", Send(ShieldRuneTakenMessage{kThirdGuid}),
         [](const ClientNetwork& n) { EXPECT_EQ(n.GetPlayer(kThirdGuid).shield, 1.0f); }},
        {"shield value", Send(ShieldValueMessage{kOtherGuid, 0.5f}),
         [](const ClientNetwork& n) { EXPECT_EQ(n.GetPlayer(kOtherGuid).shield, 0.5f); }},
        {"shield ended", Send(ShieldEndedMessage{}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.GetPlayer(kOtherGuid).shield, 0.0f);
             EXPECT_EQ(n.GetPlayer(kThirdGuid).shield, 0.0f);
         }},
        {"invisibility ended", Send(InvisibilityEndedMessage{}),
         [](const ClientNetwork& n) { EXPECT_FALSE(n.GetPlayer(kOtherGuid).invisible); }},
        {"kill stats", Send(KillStatsMessage{kOtherGuid, kThirdGuid, 4, 9}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.GetPlayer(kOtherGuid).deaths, 4);
             EXPECT_EQ(n.GetPlayer(kThirdGuid).kills, 9);
         }},
        {"kill notice", Send(KillNoticeMessage{kOtherGuid, kThirdGuid, 3}),
         [](const ClientNetwork& n) {
             ASSERT_EQ(n.events.killFeed.Size(), 1u);
             EXPECT_EQ(n.events.killFeed.Back().ability, 3);
         }},
        {"animation", Send(AnimationRelayMessage{kOtherGuid, 6}),
         [](const ClientNetwork& n) {
             ASSERT_EQ(n.events.animationEvents.Size(), 1u);
             EXPECT_EQ(n.events.animationEvents.Back().animation, 6);
         }},
        {"dash target", Send(DashTargetMessage{{1, 2, 3}}),
         [](const ClientNetwork& n) {
             ASSERT_EQ(n.events.dashTargets.Size(), 1u);
             EXPECT_EQ(n.events.dashTargets.Back(), (Vec3{1, 2, 3}));
         }},
        {"joined", Send(PlayerJoinedLeftMessage{"Newcomer", 2}),
         [](const ClientNetwork& n) {
             ASSERT_EQ(n.events.joinedLeft.Size(), 1u);
             EXPECT_EQ(n.events.joinedLeft.Back().name, "Newcomer");
             EXPECT_EQ(n.events.joinedLeft.Back().kind, 2);
         }},
        {"damage dealt", Send(DamageDealtMessage{Me(), 25.0f, {1, 0, 1}}),
         [](const ClientNetwork& n) {
             ASSERT_EQ(n.events.damageShown.Size(), 1u);
             EXPECT_EQ(n.events.damageShown.Back().damage, 25.0f);
         }},
        {"visible players", Send(VisiblePlayersMessage{{1}}),
         [](const ClientNetwork& n) {
             EXPECT_TRUE(n.IsVisible(kOtherGuid));
             EXPECT_FALSE(n.IsVisible(kThirdGuid));
         }},
        {"ability ack is ignored", Send(UseAbilityAck{3}), [](const ClientNetwork&) {}},
    });
    EXPECT_TRUE(network.IsVisible(Me()));
}

TEST_F(ClientReceive, ObjectListsAddOnceRemoveByIdAndEmptyAtRoundStart) {
    const ShurikenAddMessage shuriken{{0, 1, 0}, {1, 0, 0}, 17, kOtherGuid, 20.0f, false};
    const SmokeBombAddMessage smoke{5, {0, 0}, {3, 3}, 8.0f};
    const SpikeTrapAddMessage spikes{6, {0, 0}, {2, 2}, 10.0f, kOtherGuid, 2};
    const StickyTrapAddMessage sticky{7, {0, 0}, {1, 1}, 10.0f, kOtherGuid};
    const FanAddMessage fan{{0, 1, 0}, {0, 0, 1}, 8, kOtherGuid, 15.0f};
    for (int twice = 0; twice < 2; ++twice) {
        Receive(shuriken);
        Receive(smoke);
        Receive(spikes);
        Receive(sticky);
        Receive(fan);
    }
    EXPECT_EQ(network.shurikens.Entries().size(), 1u);
    EXPECT_EQ(network.smokeBombs.Entries().size(), 1u);
    EXPECT_EQ(network.spikeTraps.Entries().size(), 1u);
    EXPECT_EQ(network.stickyTraps.Entries().size(), 1u);
    ASSERT_EQ(network.fans.Entries().size(), 1u);
    EXPECT_EQ(network.shurikens.added.Size(), 1u);
    EXPECT_EQ(network.fans.added.Size(), 1u);

    Receive(FanReturningMessage{8, -0.01f});
    EXPECT_EQ(network.fans.Entries()[0].remainingOutwardTime, -0.01f);
    Receive(ShurikenRemoveMessage{99});
    EXPECT_TRUE(network.shurikens.removed.Empty()) << "removing an unknown id changes nothing";
    Receive(ShurikenRemoveMessage{17});
    EXPECT_TRUE(network.shurikens.Entries().empty());
    EXPECT_EQ(network.shurikens.removed.Size(), 1u);
    Receive(SmokeBombRemoveMessage{5});
    EXPECT_TRUE(network.smokeBombs.Entries().empty());

    Receive(ProjectileAddMessage{{0, 1, 0}, {1, 0, 0}, 2, 40, kOtherGuid, 30.0f});
    EXPECT_EQ(network.projectiles.Entries().size(), 1u);
    Receive(ProjectileRemoveMessage{40});
    EXPECT_TRUE(network.projectiles.Entries().empty());
    Receive(VolleyAddMessage{3, {0, 0}, {5, 5}, kOtherGuid});
    Receive(FlashBangMessage{{0, 0}, {4, 4}});
    EXPECT_EQ(network.events.volleys.Size(), 1u);
    EXPECT_EQ(network.events.flashBangs.Size(), 1u);

    Receive(shuriken);
    Receive(RoundStartedMessage{});
    EXPECT_TRUE(network.shurikens.Entries().empty());
    EXPECT_TRUE(network.spikeTraps.Entries().empty());
    EXPECT_TRUE(network.stickyTraps.Entries().empty());
    EXPECT_TRUE(network.fans.Entries().empty());
    EXPECT_EQ(network.RoundNumber(), 1);
    EXPECT_TRUE(Logged("A new round has started!"));
}

TEST_F(ClientReceive, RoundAndMatchFlow) {
    RunCases({
        {"countdown start", Send(RoundCountdownStartMessage{}),
         [](const ClientNetwork& n) { EXPECT_TRUE(n.countdownActive); }},
        {"red round", Send(RoundWonMessage{1}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.redRoundWins, 1);
             EXPECT_EQ(n.lastRoundWinner, 1);
         }},
        {"blue round", Send(RoundWonMessage{2}),
         [](const ClientNetwork& n) { EXPECT_EQ(n.blueRoundWins, 1); }},
        {"sudden death", Send(SuddenDeathMessage{true}),
         [](const ClientNetwork& n) { EXPECT_TRUE(n.suddenDeath); }},
        {"round time", Send(RoundTimeMessage{2.0, 30.0}),
         [](const ClientNetwork& n) {
             EXPECT_TRUE(n.events.roundTimeReceived.Pending());
             EXPECT_EQ(n.roundMinutes, 2.0);
             EXPECT_EQ(n.roundSeconds, 30.0);
         }},
        {"scores", Send(ScoresMessage{{{2, 2}, {1, 1}}}),
         [](const ClientNetwork& n) {
             EXPECT_EQ(n.redRoundWins, 1);
             EXPECT_EQ(n.blueRoundWins, 2);
         }},
        {"match won", Send(MatchWonMessage{2}),
         [](const ClientNetwork& n) {
             EXPECT_TRUE(n.matchOver);
             EXPECT_EQ(n.matchWinner, 2);
         }},
        {"new level", Send(NewLevelMessage{"../Ombrin/Levels/Bamboo.ZMDL"}),
         [](const ClientNetwork& n) {
             EXPECT_TRUE(n.events.newLevel.Pending());
             EXPECT_FALSE(n.matchOver);
             EXPECT_EQ(n.redRoundWins + n.blueRoundWins, 0);
             EXPECT_EQ(n.GetLevelName(), "../Ombrin/Levels/Bamboo.ZMDL");
         }},
        {"start game", Send(StartGameMessage{}),
         [](const ClientNetwork& n) { EXPECT_TRUE(n.events.gameStarted.Pending()); }},
        {"level name", Send(LevelNameMessage{"../Ombrin/Levels/Dojo.ZMDL"}),
         [](const ClientNetwork& n) { EXPECT_EQ(n.GetLevelName(), "../Ombrin/Levels/Dojo.ZMDL"); }},
        {"connection count", Send(ConnectionCountMessage{3, kOtherGuid}),
         [](const ClientNetwork& n) { EXPECT_EQ(n.connectionCount, 3); }},
    });
    EXPECT_TRUE(Logged("Players connected: 3"));
    EXPECT_TRUE(Logged("The blue team won this match!"));
    // After a new level the roster is asked for again, reliably.
    const auto requests = peer.SentWithId(ID_PLAYER_LIST);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].parameters, PlayerListRequestSendParameters(true));
}

TEST_F(ClientReceive, CountdownBeepsOnlyFromFiveToOne) {
    const struct {
        int seconds;
        bool beep;
    } cases[] = {{6, false}, {5, true}, {1, true}, {0, false}, {-2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        network.events.soundEvents.Clear();
        Receive(CountdownSecondsMessage{c.seconds});
        EXPECT_EQ(network.countdownSeconds, c.seconds);
        EXPECT_EQ(!network.events.soundEvents.Empty() && network.events.soundEvents.Back().sound == 30,
                  c.beep);
    }
}

TEST_F(ClientReceive, HitEffectsPlayTheirAbilitysSound) {
    const struct {
        int ability;
        int sound;
    } cases[] = {{0, 11},  {9, 11},  {2, 8},  {6, 8},   {3, 13}, {7, 7},   {8, 7},
                 {10, 18}, {13, 18}, {11, 3}, {14, 20}, {1, -1}, {15, -1}, {-5, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ability);
        network.events.soundEvents.Clear();
        Receive(HitEffectMessage{c.ability, {1, 0, 1}});
        EXPECT_EQ(network.events.soundEvents.Empty() ? -1 : network.events.soundEvents.Back().sound, c.sound);
    }
    Receive(PlaySoundMessage{44, {2, 0, 2}});
    EXPECT_EQ(network.events.soundEvents.Back(), (SoundEvent{44, {2, 0, 2}}));
}

TEST_F(ClientReceive, RunesAppearWithTheirSoundsAndGoWhenTaken) {
    Receive(RunesSpawnedMessage{{{{0, {1, 0, 1}}, {1, {2, 0, 2}}, {2, {3, 0, 3}}}}});
    EXPECT_TRUE(network.events.runesAppeared.Pending());
    ASSERT_EQ(network.runes.size(), 3u);
    std::vector<int> sounds;
    for (const SoundEvent& e : network.events.soundEvents.events) {
        sounds.push_back(e.sound);
    }
    EXPECT_EQ(sounds, (std::vector<int>{36, 35, 39, 38, 33, 32}));

    Receive(HealRuneTakenMessage{kOtherGuid});
    EXPECT_FALSE(network.runes[0].active);
    EXPECT_FALSE(network.runes[0].ambientLoop);
    EXPECT_TRUE(network.runes[1].ambientLoop);
    Receive(RuneRemovedMessage{1});
    EXPECT_FALSE(network.runes[1].active);

    network.events.runesAppeared.Clear();
    Receive(HealRuneRespawnedMessage{{0, {5, 0, 5}}});
    EXPECT_EQ(network.runes.size(), 4u);
    EXPECT_FALSE(network.events.runesAppeared.Pending());

    network.events.soundEvents.Clear();
    Receive(RuneStateMessage{{{{true, {2, {1, 0, 1}}}, {false, {1, {0, 0, 0}}}, {true, {9, {0, 0, 0}}}}}});
    EXPECT_EQ(network.runes.size(), 5u) << "the absent rune and the unknown type are not created";
    EXPECT_FALSE(network.runes.back().ambientLoop);
    EXPECT_TRUE(network.events.soundEvents.Empty());
}

TEST_F(ClientReceive, LobbySkipsThisClientAndTestsReadiness) {
    EXPECT_TRUE(network.AllLobbyPlayersReady()) << "an empty lobby is ready";
    Receive(LobbyStateMessage{{{Me(), 0, 0, 1, "Me", false}, {kOtherGuid, 1, 2, 2, "Other", true}}});
    ASSERT_EQ(network.lobbyPlayers.size(), 1u);
    EXPECT_EQ(network.lobbyPlayers[0].name, "Other");
    EXPECT_TRUE(network.AllLobbyPlayersReady());
    Receive(LobbyStateMessage{{{kOtherGuid, 1, 2, 2, "Other", true}, {kThirdGuid, 0, 0, 1, "Third", false}}});
    EXPECT_FALSE(network.AllLobbyPlayersReady());
}

TEST_F(ClientReceive, SeenPlayersAreTheEnemiesOnly) {
    ReceiveRoster();
    network.SetSeenPlayers({kOtherGuid, kThirdGuid, RakNet::RakNetGUID{0x777}});
    EXPECT_EQ(network.seenPlayers, (std::vector<std::uint8_t>{1}));
}
