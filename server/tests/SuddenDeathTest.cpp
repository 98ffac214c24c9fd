// Sudden death: from ten seconds after it begins, living players outside the centre square lose health.
#include <gtest/gtest.h>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerRoundMessages.h"

using RakNet::RakNetGUID;

namespace {

class SuddenDeath : public CombatFixture {
protected:
    // Players on the edge of the square and just outside it; the clock just before 2:10.
    void SetUp() override {
        CombatFixture::SetUp();
        StartLevel({}, {});
        red = Join(1);
        blue = Join(2);
        for (int i = 0; i < 4; ++i) {
            others.push_back(Join(i % 2 == 0 ? 1 : 2));
        }
        Place(red, {12.0f, 0.0f, -12.0f});        // the corner of the square
        Place(blue, {12.01f, 0.0f, 0.0f});        // just outside on x
        Place(others[0], {-12.0f, 0.0f, 12.0f});  // the opposite corner
        Place(others[1], {0.0f, 0.0f, -12.01f});  // just outside on z
        Place(others[2], {-12.01f, 0.0f, 3.0f});  // outside on -x
        Place(others[3], {0.0f, 0.0f, 0.0f});     // the centre
        ASSERT_TRUE(AdvanceUntil(protocol::ID_SUDDEN_DEATH, 121.0, 0.05));
        EXPECT_EQ(Sent<protocol::SuddenDeathMessage>().back(), protocol::SuddenDeathMessage{true});
        Advance(9.9, 0.05);
        peer.ClearSent();
    }
    std::vector<RakNetGUID> others;
};

}  // namespace

TEST_F(SuddenDeath, DamageStartsTenSecondsInAndSparesTheSquareEdgesIncluded) {
    EXPECT_EQ(Health(blue), 100.0f) << "no damage before 2:10";
    Advance(3.0, 0.01);
    for (const RakNetGUID& safe : {red, others[0], others[3]}) {
        EXPECT_EQ(Health(safe), 100.0f);
    }
    for (const RakNetGUID& hurt : {blue, others[1], others[2]}) {
        EXPECT_LT(Health(hurt), 100.0f - 10.0f);
        EXPECT_GT(Health(hurt), 100.0f - 15.5f);
    }
}

TEST_F(SuddenDeath, DamageComesInChunksOfTwoToTwoAndAHalfWithoutFeedback) {
    std::vector<std::pair<double, float>> chunks;
    float health = Health(blue);
    double passed = 0.0;
    for (; passed < 4.0; passed += 0.01) {
        state.Update(0.01);
        if (Health(blue) != health) {
            chunks.emplace_back(passed, health - Health(blue));
            health = Health(blue);
        }
    }
    ASSERT_GE(chunks.size(), 6u);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        EXPECT_GT(chunks[i].second, 2.0f);
        EXPECT_LE(chunks[i].second, 2.5f);
        if (i > 0) {
            const double gap = chunks[i].first - chunks[i - 1].first;
            EXPECT_GE(gap, 0.4);
            EXPECT_LE(gap, 0.5);
        }
    }
    EXPECT_TRUE(peer.SentWithId(protocol::ID_DAMAGE_DEALT).empty());
    EXPECT_TRUE(peer.SentWithId(protocol::ID_HIT_EFFECT).empty());
}

TEST_F(SuddenDeath, KillCountsAsTheVictimsOwnDeathAndNobodysKill) {
    Players().FindPlayer(blue)->health = 1.0f;
    Advance(1.0, 0.01);
    EXPECT_FALSE(Player(blue).alive);
    EXPECT_EQ(Player(blue).deaths, 1);
    EXPECT_EQ(Player(blue).kills, 0);
    EXPECT_EQ(Sent<protocol::KillNoticeMessage>(),
              (std::vector<protocol::KillNoticeMessage>{{blue, blue, 16}}));
    EXPECT_EQ(Sent<protocol::KillStatsMessage>(),
              (std::vector<protocol::KillStatsMessage>{{blue, blue, 1, 0}}));
}
