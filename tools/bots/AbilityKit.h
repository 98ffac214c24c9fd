// A ninja's five abilities with the cooldowns and charges a human player's client enforces: each ability's
// own cooldown, the shuriken's and kunai's recharging charges, and the 0.4 s global cooldown after any use.
#pragma once

#include <array>
#include <cstdint>

enum AbilityNumber : std::int32_t {
    kShuriken = 0,
    kDash = 1,
    kMeleeSwing = 2,
    kMegaShuriken = 3,
    kSmokeBomb = 4,
    kCaltrops = 5,
    kFanMelee = 6,
    kWhipPrimary = 7,
    kWhipSecondary = 8,
    kFanBoomerang = 9,
    kNaginataSlash = 10,
    kKunai = 11,
    kStickyTrap = 12,
    kNaginataStab = 13,
    kVolley = 14,
    kFlashBang = 15,
    kAbilityCount = 16,
};

class AbilityKit {
public:
    static constexpr double kGlobalCooldown = 0.4;

    // character 0 katana, 1 tessen, 2 naginata; tool 0..3 as in the lobby. Out-of-range values act as 0.
    AbilityKit(std::int32_t character, std::int32_t tool);

    std::int32_t Melee() const { return m_slots[0]; }
    std::int32_t Ranged() const { return m_slots[1]; }
    std::int32_t Special() const { return m_slots[2]; }  // Q
    std::int32_t Heavy() const { return m_slots[3]; }    // E
    std::int32_t Tool() const { return m_slots[4]; }

    void Update(double dt);
    bool Ready(std::int32_t ability) const;
    // Uses the ability when ready (starting its cooldown or spending a charge); false when refused.
    bool Use(std::int32_t ability);
    // Round start: every cooldown cleared and the charges refilled.
    void Reset();
    int Charges(std::int32_t ability) const;

    // Whether the aimed distance travels with this ability.
    static bool SendsDistance(std::int32_t ability);

private:
    std::array<std::int32_t, 5> m_slots{};
    std::array<double, kAbilityCount> m_cooldown{};
    std::array<int, kAbilityCount> m_charges{};
    double m_global = 0.0;
    double m_sinceShuriken = 1.4;
};
