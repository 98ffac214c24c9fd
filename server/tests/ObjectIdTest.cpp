// Object ids: unique within a manager, drawn a bounded number of times, and a cap on each manager's objects.
#include <gtest/gtest.h>

#include <set>

#include "CombatFixture.h"
#include "protocol/ServerProjectileMessages.h"
#include "protocol/ServerThrownMessages.h"
#include "server/ObjectIds.h"
#include "server/ShurikenManager.h"
#include "server/SmokeBombManager.h"

using protocol::AbilityId;

TEST(DrawObjectId, EndsWithAFreeIdWhateverTheSourceReturns) {
    const ObjectRandomSource stuck = [] { return 7; };
    EXPECT_EQ(DrawObjectId(stuck, [](int id) { return id == 7; }), 8);
    EXPECT_EQ(DrawObjectId(stuck, [](int id) { return id != 3; }), 3) << "wraps past 9999";
    EXPECT_EQ(DrawObjectId([] { return -12345; }, [](int) { return false; }), 7655);
    int draws = 0;
    const ObjectRandomSource counting = [&draws] { return ++draws; };
    DrawObjectId(counting, [](int) { return true; });
    EXPECT_EQ(draws, kMaxObjectIdDraws);
}

namespace {

class ObjectIds : public CombatFixture {};

}  // namespace

TEST_F(ObjectIds, AreUniqueWithinAManagerEvenFromAStuckSource) {
    StartDuel();
    state.GetShurikenManager()->SetRandomSource([] { return 4242; });
    state.GetSmokeBombManager()->SetRandomSource([] { return 4242; });
    for (int i = 0; i < 20; ++i) {
        Use(red, AbilityId::ShurikenAbility);
        Use(red, AbilityId::SmokeBombAbility, 5.0f);
    }
    std::set<int> ids;
    for (const auto& added : Sent<protocol::ShurikenAddMessage>()) {
        EXPECT_GE(added.shurikenId, 0);
        EXPECT_LT(added.shurikenId, 10000);
        ids.insert(added.shurikenId);
    }
    EXPECT_EQ(ids.size(), 20u);
    // Each manager has ids of its own.
    EXPECT_EQ(Sent<protocol::SmokeBombAddMessage>().at(0).smokeBombId, 4242);
}

TEST_F(ObjectIds, FullManagerRefusesNewObjectsButStillAcknowledges) {
    StartDuel();
    Place(blue, {-40.0f, 0.0f, -40.0f});
    const int requests = static_cast<int>(kMaxObjectsPerManager) + 20;
    for (int i = 0; i < requests; ++i) {
        Use(red, AbilityId::ShurikenAbility);
    }
    EXPECT_EQ(Sent<protocol::ShurikenAddMessage>().size(), kMaxObjectsPerManager);
    EXPECT_EQ(state.GetShurikenManager()->GetObjects().size(), kMaxObjectsPerManager);
    EXPECT_EQ(peer.SentWithId(protocol::ID_USE_ABILITY).size(), static_cast<std::size_t>(requests));

    // Room again once some have gone.
    Advance(3.05, 0.05);
    EXPECT_TRUE(state.GetShurikenManager()->GetObjects().empty());
    Use(red, AbilityId::ShurikenAbility);
    EXPECT_EQ(state.GetShurikenManager()->GetObjects().size(), 1u);
}
