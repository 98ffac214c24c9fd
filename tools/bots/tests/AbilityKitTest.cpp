// The client's cooldown rules as the bots keep them: the global cooldown, per-ability cooldowns and the
// recharging charges of the shuriken and the kunai.
#include <gtest/gtest.h>

#include "tools/bots/AbilityKit.h"

TEST(AbilityKit, EachNinjaCarriesItsAbilities) {
    struct Case {
        std::int32_t character;
        std::int32_t tool;
        std::array<std::int32_t, 5> slots;
    };
    const Case cases[] = {{0, 0, {kMeleeSwing, kShuriken, kDash, kMegaShuriken, kCaltrops}},
                          {1, 1, {kFanMelee, kWhipPrimary, kFanBoomerang, kWhipSecondary, kSmokeBomb}},
                          {2, 3, {kNaginataSlash, kKunai, kNaginataStab, kVolley, kFlashBang}},
                          {9, -1, {kMeleeSwing, kShuriken, kDash, kMegaShuriken, kCaltrops}}};
    for (const Case& c : cases) {
        const AbilityKit kit(c.character, c.tool);
        EXPECT_EQ(
            (std::array<std::int32_t, 5>{kit.Melee(), kit.Ranged(), kit.Special(), kit.Heavy(), kit.Tool()}),
            c.slots);
    }
}

TEST(AbilityKit, CooldownsAndTheGlobalCooldownRefuseEarlyUse) {
    AbilityKit kit(0, 0);
    EXPECT_TRUE(kit.Use(kDash));
    EXPECT_FALSE(kit.Use(kMeleeSwing)) << "global cooldown";
    kit.Update(0.41);
    EXPECT_TRUE(kit.Use(kMeleeSwing));
    kit.Update(0.41);
    EXPECT_FALSE(kit.Use(kMeleeSwing)) << "0.7 s melee cooldown";
    EXPECT_FALSE(kit.Use(kDash));
    kit.Update(7.0);
    EXPECT_TRUE(kit.Use(kDash));
    EXPECT_FALSE(kit.Use(99));
}

TEST(AbilityKit, ChargesRechargeOneEveryTwoSeconds) {
    AbilityKit kit(2, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(kit.Use(kKunai)) << i;
        kit.Update(0.41);
    }
    EXPECT_EQ(kit.Charges(kKunai), 0);
    EXPECT_FALSE(kit.Use(kKunai));
    kit.Update(0.4);  // 2.04 s since the first throw
    EXPECT_EQ(kit.Charges(kKunai), 1);
    kit.Update(2.0);
    EXPECT_EQ(kit.Charges(kKunai), 2);
    kit.Reset();
    EXPECT_EQ(kit.Charges(kKunai), 4);

    AbilityKit katana(0, 0);
    EXPECT_TRUE(katana.Use(kShuriken));
    katana.Update(0.41);  // past the global cooldown and the 0.4 s between throws
    EXPECT_TRUE(katana.Use(kShuriken));
    EXPECT_EQ(katana.Charges(kShuriken), 1);
}
