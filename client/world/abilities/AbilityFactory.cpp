#include "client/world/abilities/AbilityFactory.h"

#include "client/world/abilities/ChargedAbility.h"
#include "client/world/abilities/CooldownAbility.h"

std::unique_ptr<Ability> CreateAbility(std::int32_t id, AbilitySender& sender) {
    const AbilityRow* row = FindAbilityRow(id);
    if (row == nullptr) {
        return std::make_unique<Ability>();
    }
    if (row->charges > 0) {
        return std::make_unique<ChargedAbility>(*row, sender);
    }
    return std::make_unique<CooldownAbility>(*row, sender);
}

std::unique_ptr<Ability> CreateToolAbility(std::int32_t tool, AbilitySender& sender) {
    const std::optional<protocol::AbilityId> id = AbilityOfTool(tool);
    if (!id) {
        return std::make_unique<Ability>();
    }
    return CreateAbility(static_cast<std::int32_t>(*id), sender);
}
