#include "client/world/abilities/Ability.h"

#include "client/world/abilities/AbilitySender.h"

void Ability::Update(double frameTime) {
    if (m_cooldown > 0.0) {
        m_cooldown -= frameTime;
    }
}

bool Ability::Execute(float /*distance*/) {
    return false;
}

void Ability::ResetCooldown() {
    m_cooldown = 0.0;
}

std::optional<protocol::AbilityId> Ability::GetId() const {
    if (m_row == nullptr) {
        return std::nullopt;
    }
    return m_row->id;
}

void Ability::SendUse(float distance) const {
    m_sender->SendAbility(static_cast<std::int32_t>(m_row->id), m_row->sendsAimedDistance ? distance : 0.0f);
}
