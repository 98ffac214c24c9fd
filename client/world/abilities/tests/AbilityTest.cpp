// The abilities as the player uses them: what each of the sixteen sends and how long it then cools, the
// recharge of the shuriken and the kunai, a new round's reset, the tool numbers of the lobby, and one use
// going out through the client's connection.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "RecordingPeer.h"
#include "client/net/ClientNetwork.h"
#include "client/world/abilities/AbilityFactory.h"
#include "client/world/abilities/AbilitySender.h"
#include "client/world/abilities/NetworkAbilitySender.h"
#include "raknet/MessageIdentifiers.h"

namespace {

using protocol::AbilityId;

struct SentUse {
    std::int32_t ability;
    float distance;
    friend bool operator==(const SentUse&, const SentUse&) = default;
};

class RecordingSender : public AbilitySender {
public:
    void SendAbility(std::int32_t ability, float distance) override { sent.push_back({ability, distance}); }
    std::vector<SentUse> sent;
};

std::int32_t Id(AbilityId id) {
    return static_cast<std::int32_t>(id);
}

// Frames of 10 ms for seconds.
void RunFrames(Ability& ability, double seconds) {
    const long frames = std::lround(seconds / 0.01);
    for (long frame = 0; frame < frames; ++frame) {
        ability.Update(0.01);
    }
}

TEST(AbilityTest, EachAbilitySendsItsIdAndDistanceAndStartsItsCooldown) {
    struct Case {
        AbilityId id;
        double cooldownAfterUse;
        float cooldownLength;
        std::int32_t charges;
        bool sendsAimedDistance;
    };
    const Case cases[] = {
        {AbilityId::ShurikenAbility, 2.0, 2.0f, 3, false},
        {AbilityId::Dash, 7.0, 7.0f, -1, false},
        // The single-precision 0.7 widened: 0.699999988079071, not 0.7.
        {AbilityId::MeleeSwing, 0.699999988079071, 0.7f, -1, false},
        {AbilityId::MegaShuriken, 5.0, 5.0f, -1, false},
        {AbilityId::SmokeBombAbility, 6.0, 6.0f, -1, true},
        {AbilityId::SpikeAbility, 6.0, 6.0f, -1, true},
        {AbilityId::FanMelee, 0.5, 0.5f, -1, false},
        {AbilityId::WhipPrimaryAttackAbility, 2.0, 2.0f, -1, false},
        {AbilityId::WhipSecondaryAttackAbility, 5.0, 5.0f, -1, false},
        // The bar shades it fully until it is ready.
        {AbilityId::FanBoomerangAbility, 2.0, 0.0f, -1, false},
        {AbilityId::NaginataSlash, 0.5, 0.5f, -1, false},
        {AbilityId::KunaiAbility, 2.0, 2.0f, 4, false},
        {AbilityId::StickyTrapAbility, 6.0, 6.0f, -1, true},
        {AbilityId::NaginataStab, 4.0, 4.0f, -1, false},
        {AbilityId::VolleyAbility, 4.0, 4.0f, -1, true},
        {AbilityId::FlashBangAbility, 8.0, 8.0f, -1, true},
    };
    // Aimed past the tools' 20-unit range: the range only limits the marker, the server gets the full aim.
    constexpr float kAimed = 35.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(Id(c.id));
        RecordingSender sender;
        const std::unique_ptr<Ability> ability = CreateAbility(Id(c.id), sender);
        EXPECT_EQ(ability->GetId(), c.id);
        EXPECT_EQ(ability->GetCooldown(), 0.0);
        EXPECT_EQ(ability->GetCooldownLength(), c.cooldownLength);
        EXPECT_EQ(ability->GetCharges(), c.charges);

        ASSERT_TRUE(ability->Execute(kAimed));
        EXPECT_EQ(sender.sent, (std::vector<SentUse>{{Id(c.id), c.sendsAimedDistance ? kAimed : 0.0f}}));
        EXPECT_EQ(ability->GetCooldown(), c.cooldownAfterUse);
        EXPECT_EQ(ability->GetCharges(), c.charges > 0 ? c.charges - 1 : -1);

        if (c.charges < 0) {
            // Refused while cooling: nothing sent, nothing changed.
            ability->Update(0.25);
            EXPECT_FALSE(ability->Execute(kAimed));
            EXPECT_EQ(sender.sent.size(), 1u);
            EXPECT_EQ(ability->GetCooldown(), c.cooldownAfterUse - 0.25);
            // Ready again once the cooldown has run out.
            RunFrames(*ability, c.cooldownAfterUse);
            EXPECT_TRUE(ability->Execute(kAimed));
        }
    }
}

TEST(AbilityTest, ToolsAreSpreadOverTheirAreasUpToTheirRange) {
    struct Case {
        AbilityId id;
        float radius;
    };
    const Case cases[] = {{AbilityId::SmokeBombAbility, 3.0f}, {AbilityId::StickyTrapAbility, 3.0f},
                          {AbilityId::SpikeAbility, 2.3f},     {AbilityId::FlashBangAbility, 7.0f},
                          {AbilityId::VolleyAbility, 0.0f},    {AbilityId::Dash, 0.0f}};
    RecordingSender sender;
    for (const Case& c : cases) {
        SCOPED_TRACE(Id(c.id));
        const std::unique_ptr<Ability> ability = CreateAbility(Id(c.id), sender);
        EXPECT_EQ(ability->GetAreaRadius(), c.radius);
        EXPECT_EQ(ability->GetRange(), c.radius > 0.0f ? 20.0f : 0.0f);
    }
}

TEST(AbilityTest, ShurikenThrowsAtLeastFourTenthsApartAndGetsAChargeBackEveryTwoSeconds) {
    RecordingSender sender;
    const std::unique_ptr<Ability> shuriken = CreateAbility(Id(AbilityId::ShurikenAbility), sender);
    ASSERT_TRUE(shuriken->Execute(5.0f));
    RunFrames(*shuriken, 0.3);
    EXPECT_FALSE(shuriken->Execute(5.0f)) << "0.3 s after the last throw";
    RunFrames(*shuriken, 0.11);
    EXPECT_TRUE(shuriken->Execute(5.0f));
    RunFrames(*shuriken, 0.41);
    EXPECT_TRUE(shuriken->Execute(5.0f));
    EXPECT_EQ(shuriken->GetCharges(), 0);
    RunFrames(*shuriken, 0.41);
    EXPECT_FALSE(shuriken->Execute(5.0f)) << "a fourth throw without a charge";
    EXPECT_EQ(sender.sent, (std::vector<SentUse>(3, SentUse{0, 0.0f})));
    EXPECT_FALSE(shuriken->IsReady());

    // The first charge returns 2.0 s after the first throw (1.23 s have passed), then one every 2.0 s.
    RunFrames(*shuriken, 0.76);
    EXPECT_EQ(shuriken->GetCharges(), 0);
    RunFrames(*shuriken, 0.02);
    EXPECT_EQ(shuriken->GetCharges(), 1);
    EXPECT_TRUE(shuriken->IsReady());
    RunFrames(*shuriken, 1.97);
    EXPECT_EQ(shuriken->GetCharges(), 1);
    RunFrames(*shuriken, 0.04);
    EXPECT_EQ(shuriken->GetCharges(), 2);
    RunFrames(*shuriken, 2.02);
    EXPECT_EQ(shuriken->GetCharges(), 3);
    EXPECT_LE(shuriken->GetCooldown(), 0.0) << "a full ability stops recharging";
    RunFrames(*shuriken, 5.0);
    EXPECT_EQ(shuriken->GetCharges(), 3);
}

TEST(AbilityTest, ThrowingWhileRechargingKeepsTheChargeClockRunning) {
    RecordingSender sender;
    const std::unique_ptr<Ability> shuriken = CreateAbility(Id(AbilityId::ShurikenAbility), sender);
    ASSERT_TRUE(shuriken->Execute(0.0f));
    RunFrames(*shuriken, 1.5);
    ASSERT_TRUE(shuriken->Execute(0.0f));
    EXPECT_NEAR(shuriken->GetCooldown(), 0.5, 1e-6) << "the second throw does not restart the recharge";
    RunFrames(*shuriken, 0.52);
    EXPECT_EQ(shuriken->GetCharges(), 2);
}

TEST(AbilityTest, KunaiHasFourChargesAndNoWaitBetweenThrows) {
    RecordingSender sender;
    const std::unique_ptr<Ability> kunai = CreateAbility(Id(AbilityId::KunaiAbility), sender);
    for (int throwNumber = 0; throwNumber < 4; ++throwNumber) {
        EXPECT_TRUE(kunai->Execute(3.0f)) << throwNumber;
    }
    EXPECT_FALSE(kunai->Execute(3.0f));
    EXPECT_EQ(sender.sent, (std::vector<SentUse>(4, SentUse{11, 0.0f})));
    RunFrames(*kunai, 2.01);
    EXPECT_EQ(kunai->GetCharges(), 1);
    RunFrames(*kunai, 6.1);
    EXPECT_EQ(kunai->GetCharges(), 4);
}

TEST(AbilityTest, ResetCooldownMakesTheAbilityReadyWithEveryCharge) {
    struct Case {
        AbilityId id;
        std::int32_t charges;
    };
    const Case cases[] = {
        {AbilityId::ShurikenAbility, 3}, {AbilityId::KunaiAbility, 4}, {AbilityId::FlashBangAbility, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Id(c.id));
        RecordingSender sender;
        const std::unique_ptr<Ability> ability = CreateAbility(Id(c.id), sender);
        ability->Execute(0.0f);
        ability->ResetCooldown();
        EXPECT_EQ(ability->GetCooldown(), 0.0);
        EXPECT_EQ(ability->GetCharges(), c.charges);
        EXPECT_TRUE(ability->IsReady());
        ability->Update(0.5);
        EXPECT_TRUE(ability->Execute(0.0f));
    }
}

TEST(AbilityTest, ToolNumbersAreTheLobbysAndOtherNumbersGiveNoAbility) {
    struct Case {
        std::int32_t tool;
        std::optional<AbilityId> id;
    };
    const Case cases[] = {{0, AbilityId::SpikeAbility},
                          {1, AbilityId::SmokeBombAbility},
                          {2, AbilityId::StickyTrapAbility},
                          {3, AbilityId::FlashBangAbility},
                          {4, std::nullopt},
                          {-1, std::nullopt}};
    RecordingSender sender;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        const std::unique_ptr<Ability> tool = CreateToolAbility(c.tool, sender);
        EXPECT_EQ(tool->GetId(), c.id);
    }
    // Neither an unknown tool nor an identifier outside the table fires.
    for (const std::unique_ptr<Ability>& none :
         {CreateToolAbility(7, sender), CreateAbility(16, sender), CreateAbility(-3, sender)}) {
        EXPECT_FALSE(none->Execute(4.0f));
        EXPECT_EQ(none->GetCharges(), -1);
        EXPECT_EQ(none->GetCooldownLength(), 0.0f);
    }
    EXPECT_TRUE(sender.sent.empty());
}

TEST(AbilityTest, AUseGoesToTheServerThroughTheClientsConnection) {
    const RakNet::RakNetGUID server{0x5E4E4E4E00000001ull};
    RecordingPeer peer;
    ClientNetwork network;
    ASSERT_TRUE(network.Initialize(&peer));
    peer.Deliver({RakNet::ID_CONNECTION_REQUEST_ACCEPTED}, server);
    network.Update(0.0);
    ASSERT_TRUE(network.connected);
    peer.ClearSent();

    NetworkAbilitySender sender(network);
    const std::unique_ptr<Ability> smokeBomb = CreateToolAbility(1, sender);
    ASSERT_TRUE(smokeBomb->Execute(12.5f));
    EXPECT_EQ(peer.Decoded<protocol::UseAbilityRequest>(),
              (std::vector<protocol::UseAbilityRequest>{{4, 12.5f}}));
    const std::vector<SentMessage> sent = peer.SentWithId(protocol::ID_USE_ABILITY);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(sent[0].IsTo(server));
    EXPECT_EQ(sent[0].parameters, protocol::SendParamsFor<protocol::UseAbilityRequest>());
    network.Shutdown();
}

}  // namespace
