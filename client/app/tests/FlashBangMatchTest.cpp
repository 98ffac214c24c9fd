// The flash bangs and the runes in a match on the null engine: a throw the server reports flies, explodes
// and blinds the local player at its feet, the runes appear where the server puts them, and a round start
// ends the white screen and hides the runes.
#include "client/app/tests/MatchFixture.h"

namespace ombrin::test {
namespace {

class FlashBangMatchTest : public MatchFixture {};

TEST_F(FlashBangMatchTest, AFlashBangAtThePlayersFeetBlindsUntilTheNextRound) {
    StartMatch({0, 0, 0});
    Frames(0.1);
    EXPECT_FALSE(match.FlashBangs().Flash().IsBlinding());

    ServerSends(protocol::FlashBangMessage{{4, 0}, {0, 0}});
    Frames(0.6);  // about 0.2 s of flight, then the rise to full
    EXPECT_TRUE(match.FlashBangs().Flash().IsBlinding());
    EXPECT_EQ(match.FlashBangs().Flash().Opacity(), 1.0f);

    ServerSends(protocol::RoundStartedMessage{});
    Frames(0.1);
    EXPECT_FALSE(match.FlashBangs().Flash().IsBlinding());
    EXPECT_TRUE(match.FlashBangs().Explosions().empty());
}

TEST_F(FlashBangMatchTest, TheRunesShowWhereTheServerPutsThemAndHideAtTheNextRound) {
    StartMatch({0, 0, 0});
    protocol::RunesSpawnedMessage spawned;
    spawned.runes = {protocol::RunePlacement{0, {-5, 1, 3}}, protocol::RunePlacement{1, {12, 1, 7}},
                     protocol::RunePlacement{2, {4, 1, -6}}};
    ServerSends(spawned);
    Frames(0.1);
    const RuneSet::Rune* scroll = match.Runes().Find(RuneType::Invisible);
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->IsVisible());
    EXPECT_EQ(scroll->GetPosition(), glm::vec3(12, 0, 7));

    ServerSends(protocol::ShieldRuneTakenMessage{Me()});
    Frames(0.1);
    EXPECT_FALSE(match.Runes().Find(RuneType::Shield)->IsVisible());
    EXPECT_TRUE(match.Runes().Find(RuneType::Heal)->IsVisible());

    ServerSends(protocol::RoundStartedMessage{});
    Frames(0.1);
    for (const auto& rune : match.Runes().Runes()) {
        EXPECT_FALSE(rune->IsVisible());
    }
}

}  // namespace
}  // namespace ombrin::test
