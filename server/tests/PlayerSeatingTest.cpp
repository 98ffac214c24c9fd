// How joining players are seated: team, player index, spawn point, character; and what a join announces.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "protocol/ServerConnectionMessages.h"
#include "protocol/ServerLobbyMessages.h"
#include "protocol/ServerRoundMessages.h"

using RakNet::RakNetGUID;

namespace {

struct TeamCase {
    const char* label;
    std::vector<std::int32_t> requests;  // in order of joining
    std::vector<std::int32_t> teams;     // the team each one gets
};

class TeamAssignment : public GameFixture, public ::testing::WithParamInterface<TeamCase> {};

}  // namespace

TEST_P(TeamAssignment, FollowsRequestsBalanceAndTheRedLimit) {
    Start();
    std::vector<RakNetGUID> guids;
    for (const std::int32_t request : GetParam().requests) {
        guids.push_back(Join(request));
    }
    std::vector<std::int32_t> teams;
    for (const RakNetGUID& guid : guids) {
        teams.push_back(Player(guid).team);
    }
    EXPECT_EQ(teams, GetParam().teams);
    // Each join is announced with the team it got.
    std::vector<std::int32_t> kinds;
    for (const protocol::PlayerJoinedLeftMessage& joinedLeft :
         peer.Decoded<protocol::PlayerJoinedLeftMessage>()) {
        kinds.push_back(joinedLeft.kind);
    }
    EXPECT_EQ(kinds, GetParam().teams);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, TeamAssignment,
    ::testing::Values(
        TeamCase{"AutomaticAlternatesStartingWithRed", {0, 0, 0, 0, 0}, {1, 2, 1, 2, 1}},
        TeamCase{"AutomaticFillsTheSmallerTeam", {2, 2, 0, 0, 0}, {2, 2, 1, 1, 1}},
        TeamCase{"FifthRedRequestGoesBlue", {1, 1, 1, 1, 1}, {1, 1, 1, 1, 2}},
        TeamCase{"BlueHasNoLimit", {2, 2, 2, 2, 2}, {2, 2, 2, 2, 2}},
        TeamCase{"AutomaticIgnoresTheRedLimit", {1, 1, 1, 1, 2, 2, 2, 2, 0}, {1, 1, 1, 1, 2, 2, 2, 2, 1}},
        TeamCase{"AnyOtherRequestIsBlue", {7, -3, 1}, {2, 2, 1}}),
    [](const ::testing::TestParamInfo<TeamCase>& row) { return std::string(row.param.label); });

TEST_F(GameFixture, PlayerIndexIsTheLowestFreeOne) {
    Start();
    const RakNetGUID a = Join(0);
    const RakNetGUID b = Join(0);
    const RakNetGUID c = Join(0);
    EXPECT_EQ(Player(a).playerIndex, 0);
    EXPECT_EQ(Player(b).playerIndex, 1);
    EXPECT_EQ(Player(c).playerIndex, 2);
    state.RemovePlayer(b);
    EXPECT_EQ(Player(c).playerIndex, 2) << "the others keep their indices";
    EXPECT_EQ(Player(Join(0)).playerIndex, 1);
    EXPECT_EQ(Player(Join(0)).playerIndex, 3);
}

TEST_F(GameFixture, SpawnPointsOfTheTeamInLevelOrderThenRandom) {
    Start();
    int draws = 0;
    Players().SetRandomSource([&draws] {
        ++draws;
        return 5;  // 5 % 4 spawn points: the second point of the level, a blue one
    });
    const RakNetGUID red1 = Join(1);
    const RakNetGUID blue1 = Join(2);
    const RakNetGUID red2 = Join(1);
    EXPECT_EQ(Player(red1).position, (Float3{10.0f, 0.0f, 5.0f}));
    EXPECT_EQ(Player(blue1).position, (Float3{-10.0f, 0.0f, -5.0f}));
    EXPECT_EQ(Player(red2).position, (Float3{12.0f, 0.0f, 5.0f}));
    EXPECT_EQ(draws, 0);

    // Red has only two points: the third red stands on a point of either team, drawn at random.
    const RakNetGUID red3 = Join(1);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(Player(red3).position, (Float3{-10.0f, 0.0f, -5.0f}));
    EXPECT_EQ(Players().GetSpawns().GetAssignments().count(red3), 0u) << "a drawn point is not recorded";

    // A leaving player frees its point for the next one of its team.
    state.RemovePlayer(red1);
    EXPECT_EQ(Player(Join(1)).position, (Float3{10.0f, 0.0f, 5.0f}));
}

TEST_F(GameFixture, LevelWithoutSpawnPointsKeepsPlayersAtTheOriginAndSaysSoOnce) {
    const std::string bare = WriteLevel("bare.ZMDL", {});
    ::testing::internal::CaptureStdout();
    Start({bare});
    const RakNetGUID red = Join(1);
    const RakNetGUID blue = Join(2);
    Players().Respawn(red);
    const std::string console = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(console, "Level has no spawn points: players start at the origin\n");
    EXPECT_EQ(Player(red).position, Float3{});
    EXPECT_EQ(Player(blue).position, Float3{});
    const auto respawns = peer.Decoded<protocol::RespawnPositionMessage>();
    ASSERT_EQ(respawns.size(), 1u);
    EXPECT_EQ(respawns[0].position, protocol::Vec3{});
}

TEST_F(GameFixture, CharacterOutsideTheThreeIsTakenAsTheFirst) {
    Start();
    struct CharacterCase {
        std::int32_t sent;
        std::int32_t kept;
    };
    for (const CharacterCase c : {CharacterCase{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {1000000, 0}}) {
        const RakNetGUID guid = Join(0, c.sent);
        EXPECT_EQ(Player(guid).character, c.kept) << c.sent;
        // The body is that character's model, moved to where the player stands.
        const int position = Players().FindPlayerIndex(guid);
        const std::vector<CollisionBox> boxes = Players().GetBodyBoxes(position);
        ASSERT_EQ(boxes.size(), 1u) << c.sent;
        CollisionBox expected = FixtureBodyBox(c.kept);
        expected.center = {Player(guid).position.x, Player(guid).position.y + 1.0f, Player(guid).position.z};
        EXPECT_EQ(boxes[0], expected) << c.sent;
    }
    EXPECT_TRUE(Players().GetBodyBoxes(-1).empty());
    EXPECT_TRUE(Players().GetBodyBoxes(static_cast<int>(Players().Players().size())).empty());
}

TEST_F(GameFixture, JoinAnnouncesLobbyRosterTeamAndSuddenDeathOnce) {
    Start();
    const RakNetGUID guid(7);
    ASSERT_TRUE(state.AddPlayer("Kiri", 2, 3, 2, guid));
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_LOBBY_STATE, protocol::ID_PLAYER_LIST,
                                                protocol::ID_PLAYER_JOINED_LEFT, protocol::ID_SUDDEN_DEATH}));
    for (const SentMessage& sent : peer.Sent()) {
        EXPECT_TRUE(sent.IsToAll()) << int(sent.id);
    }

    const auto list = peer.Decoded<protocol::PlayerListMessage>();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(peer.SentWithId(protocol::ID_PLAYER_LIST)[0].parameters,
              (protocol::SendParameters{RakNet::HIGH_PRIORITY, RakNet::RELIABLE_ORDERED, 0}));
    const protocol::PlayerListEntry expected{.guid = guid,
                                             .playerIndex = 0,
                                             .name = "Kiri",
                                             .position = {-10.0f, 0.0f, -5.0f},
                                             .direction = {1.0f, 0.0f, 0.0f},
                                             .team = 2,
                                             .character = 2,
                                             .maxHealth = 100.0f,
                                             .health = 100.0f,
                                             .alive = true,
                                             .invisible = false,
                                             .tool = 3,
                                             .deaths = 0,
                                             .kills = 0,
                                             .shield = 0.0f,
                                             .healing = false};
    EXPECT_EQ(list[0].players, std::vector<protocol::PlayerListEntry>{expected});
    EXPECT_EQ(peer.Decoded<protocol::PlayerJoinedLeftMessage>()[0],
              (protocol::PlayerJoinedLeftMessage{"Kiri", 2}));
    EXPECT_EQ(peer.SentWithId(protocol::ID_PLAYER_JOINED_LEFT)[0].parameters,
              (protocol::SendParameters{RakNet::MEDIUM_PRIORITY, RakNet::RELIABLE, 0}));
    EXPECT_EQ(peer.Decoded<protocol::SuddenDeathMessage>()[0], protocol::SuddenDeathMessage{false});

    // A second join of the same connection changes and sends nothing.
    peer.ClearSent();
    EXPECT_FALSE(state.AddPlayer("Other", 0, 0, 1, guid));
    EXPECT_TRUE(peer.Sent().empty());
    EXPECT_EQ(Player(guid).name, "Kiri");
}

TEST_F(GameFixture, LeavingIsAnnouncedWithKindThreeThenRosterAndLobby) {
    Start();
    const RakNetGUID stays = Join(1, 0, "Stays");
    const RakNetGUID leaves = Join(2, 0, "Leaves");
    peer.ClearSent();
    state.RemovePlayer(leaves);
    EXPECT_EQ(peer.SentIds(), (std::vector<int>{protocol::ID_PLAYER_JOINED_LEFT, protocol::ID_PLAYER_LIST,
                                                protocol::ID_LOBBY_STATE}));
    EXPECT_EQ(peer.Decoded<protocol::PlayerJoinedLeftMessage>()[0],
              (protocol::PlayerJoinedLeftMessage{"Leaves", 3}));
    const auto list = peer.Decoded<protocol::PlayerListMessage>()[0];
    ASSERT_EQ(list.players.size(), 1u);
    EXPECT_EQ(list.players[0].guid, stays);
    // The last lobby broadcast is empty but still sent.
    EXPECT_TRUE(peer.Decoded<protocol::LobbyStateMessage>()[0].members.empty());
}

namespace {

struct NameCase {
    const char* label;
    std::string sent;
    std::string kept;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.label;
}

class PlayerNames : public GameFixture, public ::testing::WithParamInterface<NameCase> {};

}  // namespace

// Found by the hostile-client test: names are repeated to every connection in every roster and lobby
// broadcast, so a client that joined with a 65535-byte name made the server send megabytes a second to
// everybody for each roster it asked for. Names are display names of a few characters; the server keeps at
// most kMaxPlayerNameBytes of them, cut before a character that would not fit whole.
TEST_P(PlayerNames, AreKeptToTheirLimitInTheRosterTheNoticeAndTheLobby) {
    Start();
    const RakNetGUID newcomer = Join(1, 0, GetParam().sent);
    EXPECT_EQ(Player(newcomer).name, GetParam().kept);
    EXPECT_EQ(peer.Decoded<protocol::PlayerListMessage>().back().players.back().name, GetParam().kept);
    EXPECT_EQ(peer.Decoded<protocol::PlayerJoinedLeftMessage>().back().name, GetParam().kept);

    state.SetLobbyEntry(RakNetGUID(999), LobbyEntry{0, 0, 0, GetParam().sent, true});
    EXPECT_EQ(peer.Decoded<protocol::LobbyStateMessage>().back().members.back().name, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, PlayerNames,
    ::testing::Values(
        NameCase{"Short", "Hanzo", "Hanzo"},
        NameCase{"AtTheLimit", std::string(kMaxPlayerNameBytes, 'a'), std::string(kMaxPlayerNameBytes, 'a')},
        NameCase{"Longest", std::string(65535, 'N'), std::string(kMaxPlayerNameBytes, 'N')},
        // A two-byte character that would end one byte past the limit goes whole.
        NameCase{"CharacterAcrossTheLimit", std::string(kMaxPlayerNameBytes - 1, 'k') + "\xC3\xA9",
                 std::string(kMaxPlayerNameBytes - 1, 'k')},
        NameCase{"CharacterAtTheLimit", std::string(kMaxPlayerNameBytes - 2, 'k') + "\xC3\xA9xyz",
                 std::string(kMaxPlayerNameBytes - 2, 'k') + "\xC3\xA9"}),
    [](const ::testing::TestParamInfo<NameCase>& row) { return std::string(row.param.label); });
