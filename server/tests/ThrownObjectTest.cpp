// Things thrown at a ground point: the flight time, smoke bombs, caltrops, sticky traps and volleys.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CombatFixture.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerThrownMessages.h"
#include "server/FlightTime.h"

using protocol::AbilityId;
using RakNet::RakNetGUID;

namespace {

struct FlightCase {
    const char* label;
    float distance;
    float seconds;
};

class FlightTime : public ::testing::TestWithParam<FlightCase> {};

// A throw at 30 units per second under a gravity of 9.82, along the lower arc.
constexpr float kTwentyUnits = 0.670720f;  // 20 / (30 cos(asin(196.4 / 900) / 2))

}  // namespace

TEST_P(FlightTime, IsAFiniteNumberOfSeconds) {
    const float seconds = ThrowFlightTime({1.0f, -2.0f}, {1.0f + GetParam().distance, -2.0f});
    EXPECT_TRUE(std::isfinite(seconds));
    EXPECT_NEAR(seconds, GetParam().seconds, 1e-5f * std::max(1.0f, GetParam().seconds));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlightTime,
    ::testing::Values(FlightCase{"OnTheSpot", 0.0f, 0.0f}, FlightCase{"Short", 0.3f, 0.3f / 30.0f},
                      FlightCase{"Twenty", 20.0f, kTwentyUnits},
                      // At the greatest reach of the arc the throw goes at 45 degrees; beyond it the same
                      // angle is kept instead of leaving asin's domain.
                      FlightCase{"GreatestReach", 900.0f / 9.82f, std::sqrt(2.0f * (900.0f / 9.82f) / 9.82f)},
                      FlightCase{"BeyondTheReach", 100.0f, std::sqrt(2.0f * 100.0f / 9.82f)},
                      FlightCase{"Huge", 1e30f, std::sqrt(2.0f * 1e30f / 9.82f)}),
    [](const ::testing::TestParamInfo<FlightCase>& row) { return std::string(row.param.label); });

TEST(FlightTimeOfNoNumber, IsZero) {
    EXPECT_EQ(ThrowFlightTime({0.0f, 0.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}), 0.0f);
    EXPECT_EQ(ThrowFlightTime({0.0f, 0.0f}, {std::numeric_limits<float>::infinity(), 0.0f}), 0.0f);
}

namespace {

class Thrown : public CombatFixture {
protected:
    // The time until the first send with id, in frames of step; -1 when none came within limit.
    double SecondsUntil(int id, double limit, double step = 0.01) {
        const std::size_t before = peer.SentWithId(static_cast<RakNet::MessageID>(id)).size();
        for (double passed = step; passed < limit; passed += step) {
            state.Update(step);
            if (peer.SentWithId(static_cast<RakNet::MessageID>(id)).size() > before) {
                return passed;
            }
        }
        return -1.0;
    }

    // Every health sent for the player, with the time it was sent.
    struct HealthAt {
        double time;
        float health;
    };
    std::vector<HealthAt> RecordHealth(const RakNetGUID& guid, double seconds, double step = 0.01) {
        std::vector<HealthAt> record;
        double passed = 0.0;
        for (; passed < seconds; passed += step) {
            peer.ClearSent();
            state.Update(step);
            for (const auto& health : Sent<protocol::PlayerHealthMessage>()) {
                if (health.player == guid) {
                    record.push_back({passed + step, health.health});
                }
            }
        }
        return record;
    }
};

}  // namespace

TEST_F(Thrown, SmokeBombThrownTwentyUnitsSmokesForFourSecondsAfterLanding) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Use(red, AbilityId::SmokeBombAbility, 25.0f);
    const auto added = Sent<protocol::SmokeBombAddMessage>();
    ASSERT_EQ(added.size(), 1u);
    EXPECT_NEAR(added[0].lifetime, 4.0f + kTwentyUnits, 1e-5f);
    EXPECT_NEAR(SecondsUntil(protocol::ID_SMOKEBOMB_REMOVE, 6.0), 4.6707, 0.011);
    const auto removed = Sent<protocol::SmokeBombRemoveMessage>();
    EXPECT_EQ(removed, std::vector<protocol::SmokeBombRemoveMessage>{{added[0].smokeBombId}});
}

TEST_F(Thrown, TrapsThrownTwentyUnitsLieForTwentySecondsAfterLanding) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f});
    Place(blue, {-40.0f, 0.0f, -40.0f});
    Use(red, AbilityId::SpikeAbility, 20.0f);
    Use(red, AbilityId::StickyTrapAbility, 20.0f);
    EXPECT_NEAR(Sent<protocol::SpikeTrapAddMessage>().at(0).lifetime, 20.6707f, 1e-4f);
    EXPECT_NEAR(Sent<protocol::StickyTrapAddMessage>().at(0).lifetime, 20.6707f, 1e-4f);
    EXPECT_NEAR(SecondsUntil(protocol::ID_SPIKETRAP_REMOVE, 22.0, 0.05), 20.6707, 0.051);
    EXPECT_EQ(peer.SentWithId(protocol::ID_STICKYTRAP_REMOVE).size(), 1u) << "removed in the same frame";
}

TEST_F(Thrown, CaltropsHurtInChunksOfALittleMoreThanOne) {
    StartDuel();
    const RakNetGUID mate = Join(1);
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {10.0f, 0.0f, 0.0f});
    Place(mate, {10.0f, 0.0f, 0.5f});
    Use(red, AbilityId::SpikeAbility, 10.0f);
    const float flight = ThrowFlightTime({0.0f, 0.0f}, {10.0f, 0.0f});
    peer.ClearSent();

    const std::vector<HealthAt> record = RecordHealth(blue, 5.0);
    ASSERT_GE(record.size(), 10u);
    // Nothing before landing, and the first chunk a third of a second after it.
    EXPECT_GT(record[0].time, flight + 0.3);
    float health = 100.0f;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const float chunk = health - record[i].health;
        EXPECT_GT(chunk, 1.0f) << i;
        EXPECT_LT(chunk, 1.1f) << i;
        if (i > 0) {
            EXPECT_NEAR(record[i].time - record[i - 1].time, 0.37, 0.06) << i;
        }
        health = record[i].health;
    }
    EXPECT_NEAR(Health(blue), 100.0f - 3.0f * (5.0f - flight), 1.2f);
    EXPECT_EQ(Health(mate), 100.0f);
    EXPECT_EQ(Health(red), 100.0f);
}

TEST_F(Thrown, CaltropsHitRecordsAbilityFiveWithFeedback) {
    StartDuel();
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {3.0f, 0.0f, 0.0f});
    Use(red, AbilityId::SpikeAbility, 3.0f);
    peer.ClearSent();
    ASSERT_GT(SecondsUntil(protocol::ID_HIT_EFFECT, 2.0), 0.0);
    EXPECT_EQ(Sent<protocol::HitEffectMessage>()[0].ability, 5);
    ASSERT_EQ(Sent<protocol::DamageDealtMessage>().size(), 1u);
    EXPECT_TRUE(peer.SentWithId(protocol::ID_DAMAGE_DEALT)[0].IsTo(red));
}

TEST_F(Thrown, VolleyLandsOnceHitsEveryEnemyAtItsTargetAndGoes) {
    StartDuel();
    const RakNetGUID second = Join(2);
    const RakNetGUID far = Join(2);
    Place(red, {0.0f, 0.0f, 0.0f});
    Place(blue, {8.0f, 0.0f, 0.2f});
    Place(second, {8.0f, 0.0f, -0.2f});
    Place(far, {-20.0f, 0.0f, 0.0f});
    Use(red, AbilityId::VolleyAbility, 8.0f);
    peer.ClearSent();

    Advance(0.83, 0.01);
    EXPECT_EQ(Health(blue), 100.0f);
    Advance(0.02, 0.01);
    EXPECT_EQ(Health(blue), 60.0f);
    EXPECT_EQ(Health(second), 60.0f);
    EXPECT_EQ(Health(far), 100.0f);
    EXPECT_TRUE(state.GetVolleyManager()->GetObjects().empty());
    const protocol::HitEffectMessage impact{14, {8.0f, 0.0f, 0.0f}};
    int impacts = 0;
    for (const auto& effect : Sent<protocol::HitEffectMessage>()) {
        impacts += effect == impact ? 1 : 0;
    }
    EXPECT_EQ(impacts, 1);
    Advance(1.0, 0.01);
    EXPECT_EQ(Health(blue), 60.0f) << "a volley strikes once";
}

TEST_F(Thrown, VolleyWithoutALivingEnemyShowsItsImpactAndGoes) {
    StartLevel();
    red = Join(1);
    Place(red, {0.0f, 0.0f, 0.0f});
    Use(red, AbilityId::VolleyAbility, 5.0f);
    Advance(0.85, 0.01);
    EXPECT_TRUE(state.GetVolleyManager()->GetObjects().empty()) << "nothing piles up in a one-sided game";
    EXPECT_EQ(Sent<protocol::HitEffectMessage>(),
              (std::vector<protocol::HitEffectMessage>{{14, {5.0f, 0.0f, 0.0f}}}));

    // An enemy who arrives later walks onto arrows that have long fallen.
    blue = Join(2);
    Place(blue, {5.0f, 0.0f, 0.0f});
    Advance(1.0, 0.01);
    EXPECT_EQ(Health(blue), 100.0f);
    EXPECT_EQ(peer.SentWithId(protocol::ID_HIT_EFFECT).size(), 1u);
}
