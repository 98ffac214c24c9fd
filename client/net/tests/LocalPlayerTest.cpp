// The local player's position as this client moves and reports it, kept apart from the server's view of the
// same player: the server's coarse, older position updates and its later rosters never reach the reports;
// the server places the player only when it joins, after a new level and when it respawns.
#include "ClientNetworkFixture.h"

using namespace protocol;

class ClientLocalPlayer : public ClientNetworkFixture {
protected:
    void SetUp() override {
        ClientNetworkFixture::SetUp();
        Receive(PlayerListMessage{{Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, 1, 2, "Other")}});
    }
    // One frame long enough for a report tick.
    void Tick() { network.Update(0.05); }
    std::vector<Vec3> ReportedPositions() const {
        std::vector<Vec3> positions;
        for (const PlayerPositionReport& report : peer.Decoded<PlayerPositionReport>()) {
            positions.push_back(report.position);
        }
        return positions;
    }
};

TEST_F(ClientLocalPlayer, TheServersViewNeverReplacesThePositionTheClientReports) {
    EXPECT_EQ(network.LocalPosition(), (Vec3{1, 0, 2})) << "the roster places the player that joins";
    EXPECT_EQ(network.LocalDirection(), (Vec3{0, 0, 1}));
    Tick();
    EXPECT_TRUE(ReportedPositions().empty()) << "the server's own placement is not sent back";

    network.SetLocalPosition({3, 0, 2});
    Tick();
    // At dash speed the player is half a unit further when the server's update of the last report (a tenth
    // of a second old, quantised) arrives in the same frame.
    network.SetLocalPosition({3.5f, 0, 2});
    network.SetLocalDirection({-1, 0, 0});
    peer.Deliver(EncodePositionUpdate(0, 3.0f, 2.0f, 0.0f, 1.0f), kServerGuid);
    Tick();
    EXPECT_EQ(ReportedPositions(), (std::vector<Vec3>{{3, 0, 2}, {3.5f, 0, 2}}));
    EXPECT_EQ(peer.Decoded<PlayerDirectionReport>(), (std::vector<PlayerDirectionReport>{{{-1, 0, 0}}}));
    EXPECT_NEAR(network.localPlayer.position.x, 3.0f, 0.01f) << "the server's view is kept";
    EXPECT_NEAR(network.localPlayer.direction.z, 1.0f, 0.02f);

    // Another player joins: the new roster carries where the server last had this player.
    Receive(PlayerListMessage{
        {Entry(Me(), 0, 1, "Me"), Entry(kOtherGuid, 1, 2, "Other"), Entry(kThirdGuid, 2, 1, "Third")}});
    EXPECT_EQ(network.LocalPosition(), (Vec3{3.5f, 0, 2}));
    EXPECT_EQ(network.LocalDirection(), (Vec3{-1, 0, 0}));
    Tick();
    EXPECT_EQ(ReportedPositions().size(), 2u);
}

TEST_F(ClientLocalPlayer, TheServerPlacesThePlayerAtARespawnAndAfterANewLevel) {
    network.SetLocalPosition({3, 0, 2});
    Receive(RespawnPositionMessage{{7, 0, 8}});
    EXPECT_EQ(network.LocalPosition(), (Vec3{7, 0, 8}));
    ASSERT_EQ(network.events.respawns.Size(), 1u);
    EXPECT_EQ(network.events.respawns.Back(), (Vec3{7, 0, 8}));

    Receive(NewLevelMessage{"../Ombrin/Levels/Bamboo.ZMDL"});
    PlayerListEntry me = Entry(Me(), 0, 2, "Me");
    me.position = {-5, 0, 0};
    Receive(PlayerListMessage{{me}});
    EXPECT_EQ(network.LocalPosition(), (Vec3{-5, 0, 0}));
    Tick();
    EXPECT_TRUE(ReportedPositions().empty());
}
