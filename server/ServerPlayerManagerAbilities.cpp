// ServerPlayerManager: what each of the sixteen abilities does when a player uses it. The rules of the
// abilities that strike at once live in the files named after them (MeleeSwing, WhipLash, WhipSweep, Dash,
// NaginataStab); the others create an object in its manager, which moves and tests it every frame.
#include <cmath>

#include "protocol/MessageSend.h"
#include "protocol/ServerCombatMessages.h"
#include "protocol/ServerThrownMessages.h"
#include "server/Dash.h"
#include "server/FanManager.h"
#include "server/MeleeSwing.h"
#include "server/NaginataStab.h"
#include "server/ProjectileManager.h"
#include "server/ServerPlayerManager.h"
#include "server/ServerSound.h"
#include "server/ShurikenManager.h"
#include "server/SmokeBombManager.h"
#include "server/SpikeTrapManager.h"
#include "server/StickyTrapManager.h"
#include "server/VolleyManager.h"
#include "server/WhipLash.h"
#include "server/WhipSweep.h"

using protocol::AbilityId;

namespace {

// Thrown tools and the volley land at most this far ahead.
inline constexpr float kMaxThrowDistance = 20.0f;
// Shurikens, kunai and fans leave the hand this high above the player's position.
inline constexpr float kHandHeight = 2.0f;

bool IsThrownAtGround(AbilityId ability) {
    switch (ability) {
        case AbilityId::SmokeBombAbility:
        case AbilityId::SpikeAbility:
        case AbilityId::StickyTrapAbility:
        case AbilityId::VolleyAbility:
        case AbilityId::FlashBangAbility:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ServerPlayerManager::UseAbility(std::int32_t ability, float distance, const RakNet::RakNetGUID& guid,
                                     CombatWorld& world) {
    const int index = FindPlayerIndex(guid);
    if (index < 0 || !m_players[static_cast<std::size_t>(index)].alive) {
        return;
    }
    if (std::isfinite(distance)) {
        CarryOutAbility(ability, distance, m_players[static_cast<std::size_t>(index)], world);
    }
    protocol::SendTo(m_peer, protocol::UseAbilityAck{ability}, guid);
}

void ServerPlayerManager::CarryOutAbility(std::int32_t ability, float distance, const PlayerRecord& user,
                                          CombatWorld& world) {
    const AbilityId id = static_cast<AbilityId>(ability);
    // A copy: the rules below change the player list's records.
    const RakNet::RakNetGUID guid = user.guid;
    const Float3 p = user.position;
    const Float3 f = user.direction;
    const std::int32_t team = user.team;

    // Thrown at the ground point distance ahead of the player (never more than kMaxThrowDistance).
    const float reach = distance > kMaxThrowDistance ? kMaxThrowDistance : distance;
    const GroundPoint from{p.x, p.z};
    const GroundPoint target{p.x + f.x * reach, p.z + f.z * reach};
    if (IsThrownAtGround(id) && !(std::isfinite(target.x) && std::isfinite(target.z))) {
        return;  // a facing so long that the target point is out of range of a float
    }
    const Float3 hand{p.x, p.y + kHandHeight, p.z};
    const Float3 handAhead{p.x + f.x, p.y + kHandHeight, p.z + f.z};
    const auto sound = [&](SoundId played) { PlaySound(m_peer, played, p); };

    switch (id) {
        case AbilityId::ShurikenAbility:
            sound(SoundId::ShurikenThrow);
            world.shurikens.AddShuriken(hand, f, team, guid, false);
            break;
        case AbilityId::Dash:
            sound(SoundId::DashWoosh);
            Dash(*this, world.collision, guid);
            break;
        case AbilityId::MeleeSwing:
            sound(SoundId::AirCut);
            MeleeSwing(*this, world.collision, guid, kSwordSwingDamage, ability);
            break;
        case AbilityId::MegaShuriken:
            sound(SoundId::ShurikenThrow);
            world.shurikens.AddShuriken(handAhead, f, team, guid, true);
            break;
        case AbilityId::SmokeBombAbility:
            sound(SoundId::ShurikenThrow);
            sound(SoundId::SmokeBomb);
            world.smokeBombs.AddSmokeBomb(from, target);
            break;
        case AbilityId::SpikeAbility:
            sound(SoundId::ShurikenThrow);
            world.spikeTraps.AddSpikeTrap(from, target, team, guid);
            break;
        case AbilityId::FanMelee:
            sound(SoundId::AirCut);
            MeleeSwing(*this, world.collision, guid, kLightSwingDamage, ability);
            break;
        case AbilityId::WhipPrimaryAttackAbility:
            sound(SoundId::Whip);
            WhipLash(*this, world.collision, guid);
            break;
        case AbilityId::WhipSecondaryAttackAbility:
            sound(SoundId::WhipRotate);
            WhipSweep(*this, world.collision, guid);
            break;
        case AbilityId::FanBoomerangAbility:
            sound(SoundId::ShurikenThrow);
            world.fans.AddFan(handAhead, f, guid);
            break;
        case AbilityId::NaginataSlash:
            sound(SoundId::Naginata);
            MeleeSwing(*this, world.collision, guid, kLightSwingDamage, ability);
            break;
        case AbilityId::KunaiAbility:
            sound(SoundId::KunaiThrow);
            world.projectiles.AddProjectile(hand, f, team, guid);
            break;
        case AbilityId::StickyTrapAbility:
            sound(SoundId::ShurikenThrow);
            sound(SoundId::Bubble);
            world.stickyTraps.AddStickyTrap(from, target, guid);
            break;
        case AbilityId::NaginataStab:
            sound(SoundId::NaginataSlash);
            StartStab(*this, world.stabs, guid);
            break;
        case AbilityId::VolleyAbility:
            sound(SoundId::VolleyThrow);
            world.volleys.AddVolley(from, target, team, guid);
            break;
        case AbilityId::FlashBangAbility:
            // The clients show it; the server keeps nothing.
            protocol::Broadcast(m_peer, protocol::FlashBangMessage{{from.x, from.z}, {target.x, target.z}});
            break;
        case AbilityId::SuddenDeath:
            break;
    }
}
