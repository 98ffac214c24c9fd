// A player's ability on the client: it knows whether it may be used now (cooldown, charges), tells the server
// that it was used and restarts its own cooldown. What follows a use is the server's.
//
// A plain Ability is no ability at all: the player's selection when nothing is selected. It never fires and
// has no cooldown, charges, range or area. The real abilities are made by CreateAbility (AbilityFactory.h)
// from their rows of the ability table: CooldownAbility for the fourteen whose only limit is their cooldown,
// ChargedAbility for the shuriken and the kunai.
#pragma once

#include <cstdint>
#include <optional>

#include "client/world/abilities/AbilityTable.h"

class AbilitySender;

class Ability {
public:
    Ability() = default;
    virtual ~Ability() = default;
    Ability(const Ability&) = delete;
    Ability& operator=(const Ability&) = delete;

    // One frame of frameTime seconds: the cooldown runs down while it is above 0.
    virtual void Update(double frameTime);
    // Tries to use the ability aimed distance ahead; true when the use was sent. A refused use sends
    // nothing and changes nothing.
    virtual bool Execute(float distance);
    // Ready at once: cooldown 0 and, for abilities with charges, every charge back (a new round).
    virtual void ResetCooldown();
    // The charges left; -1 for an ability without charges.
    virtual std::int32_t GetCharges() const { return -1; }
    // Whether a use may be tried now: the cooldown has run out, or for an ability with charges, a charge is
    // left (its cooldown is then the recharge of the next charge, not a wait).
    virtual bool IsReady() const { return m_cooldown <= 0.0; }

    // Seconds until the ability may be used again; 0 or less means ready.
    double GetCooldown() const { return m_cooldown; }
    void SetCooldown(double cooldown) { m_cooldown = cooldown; }
    // What the ability bar shades as a full cooldown.
    float GetCooldownLength() const { return m_row != nullptr ? m_row->cooldownLength : 0.0f; }
    // A tool's maximum range and area radius; 0 for every other ability.
    float GetRange() const { return m_row != nullptr ? m_row->range : 0.0f; }
    float GetAreaRadius() const { return m_row != nullptr ? m_row->areaRadius : 0.0f; }
    // The identifier sent to the server; none for no ability.
    std::optional<protocol::AbilityId> GetId() const;

protected:
    // An ability built from its row, reporting its uses to sender (which must outlive it).
    Ability(const AbilityRow& row, AbilitySender& sender) : m_row(&row), m_sender(&sender) {}

    const AbilityRow& Row() const { return *m_row; }
    // Reports one use: the aimed distance for abilities thrown at the ground, 0 for the others.
    void SendUse(float distance) const;

    double m_cooldown = 0.0;

private:
    const AbilityRow* m_row = nullptr;
    AbilitySender* m_sender = nullptr;
};
